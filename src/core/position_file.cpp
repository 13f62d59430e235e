#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_list.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string fmt_int(int v) { return std::to_string(v); }

// Name line of a load: Windows-1252, line breaks left out so the file keeps its line structure.
std::string name_bytes(const QString& name)
{
    std::string s = codepage::utf8_to_cp1252(name.toStdString());
    std::string out;
    for (char c : s)
        if (c != '\n' && c != '\r') out.push_back(c);
    return out;
}

struct LineReader {
    const std::string& bytes;
    size_t pos = 0;
    bool past_end = false;   // the last line asked for lay past the end of the file
    bool at_end() const { return pos >= bytes.size(); }
    // The next line without its line end (LF or CRLF); empty past the end of the file.
    std::string next()
    {
        past_end = at_end();
        if (past_end) return std::string();
        size_t nl = bytes.find('\n', pos);
        std::string line = bytes.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = nl == std::string::npos ? bytes.size() : nl + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
};

std::vector<std::string> split_fields(const std::string& line)
{
    std::vector<std::string> f;
    size_t start = 0;
    for (;;) {
        size_t blank = line.find(' ', start);
        if (blank == std::string::npos) {
            f.push_back(line.substr(start));
            return f;
        }
        f.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
}

int to_int(const std::string& s)
{
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;
    int v = 0;
    auto r = std::from_chars(b, e, v);
    return (r.ec == std::errc() && r.ptr == e && b != e) ? v : 0;
}

double to_double(const std::string& s)
{
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;
    double v = 0;
    auto r = std::from_chars(b, e, v);
    return (r.ec == std::errc() && r.ptr == e && b != e) ? v : 0.0;
}

} // namespace

std::string format_file_double(double v)
{
    char buf[64];
    for (int precision = 6; precision <= 17; ++precision) {
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
        std::string s(buf, r.ptr);
        double back = 0;
        std::from_chars(s.data(), s.data() + s.size(), back);
        if (back == v || precision == 17 || v != v) return s;
    }
    return "0";
}

std::string position_data_text(const TAVO52_DATA& d)
{
    auto D = format_file_double;
    std::string o;
    auto line = [&o](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const auto& f : fields) {
            if (!first) o += ' ';
            o += f;
            first = false;
        }
        o += '\n';
    };
    line({"3"});
    line({fmt_int(d.holzart), fmt_int(d.holzguete), fmt_int(d.nkl), fmt_int(d.typ_durchbruch)});
    line({D(d.b), D(d.h), D(d.h_ro), D(d.h_ru), D(d.a)});
    line({fmt_int(d.lasten.size())});
    for (const LoadRow& r : d.lasten) {
        o += name_bytes(r.name) + '\n';
        line({D(r.n_l), D(r.v_l), D(r.m_l), D(r.n_r), D(r.v_r), D(r.m_r), fmt_int(r.kled), D(r.kmod)});
    }
    line({D(d.graf_breite), D(d.graf_hoehe), fmt_int(d.masstab_optimal)});
    line({fmt_int(d.ausfuehrlich), fmt_int(d.grafik_drucken)});
    line({fmt_int(d.biegung), fmt_int(d.schub), fmt_int(d.cal_auto), fmt_int(d.schub_kappa_kreis)});
    line({fmt_int(d.mit_kh), fmt_int(d.unten_gs), fmt_int(d.unten_sc)});
    line({fmt_int(d.verstaerkt), fmt_int(d.verst_typ), fmt_int(d.mat_laschen), fmt_int(d.guete_laschen)});
    line({D(d.a_r), D(d.h_1), D(d.t_r), D(d.ftk_laschen), fmt_int(d.fest_gs), fmt_int(d.rostfrei),
          fmt_int(d.vorgebohrt)});
    line({D(d.l_e), D(d.d_r), fmt_int(d.n_gs), fmt_int(d.n_sc), fmt_int(d.typ_schraube),
          fmt_int(d.d_schraube), fmt_int(d.l_schraube)});
    line({fmt_int(d.mit_unterleg), fmt_int(d.unterleg_reserve), D(d.d_unterleg), fmt_int(d.unterleg_art)});
    line({fmt_int(d.import_sni), fmt_int(d.import_mat), fmt_int(d.import_geo)});
    line({fmt_int(d.nk_sni)});
    return o;
}

int parse_position_data(TAVO52_DATA& d, const std::string& bytes)
{
    LineReader in{bytes};
    const int version = to_int(in.next());
    // A line past the end of the file is never applied, not even where one field is expected.
    auto fields = [&in](size_t count, std::vector<std::string>& f) {
        f = split_fields(in.next());
        return !in.past_end && f.size() == count;
    };
    std::vector<std::string> f;
    if (fields(4, f)) {
        d.holzart = to_int(f[0]); d.holzguete = to_int(f[1]); d.nkl = to_int(f[2]); d.typ_durchbruch = to_int(f[3]);
    }
    if (fields(5, f)) {
        d.b = to_double(f[0]); d.h = to_double(f[1]); d.h_ro = to_double(f[2]); d.h_ru = to_double(f[3]);
        d.a = to_double(f[4]);
    }
    d.lasten.clear();
    const int n = to_int(in.next());
    // The count comes from the file: a damaged one must not read on past its end.
    for (int i = 0; i < n && !in.at_end(); ++i) {
        LoadRow row;
        row.name = QString::fromStdString(codepage::cp1252_to_utf8(in.next()));
        if (fields(8, f)) {
            row.n_l = to_double(f[0]); row.v_l = to_double(f[1]); row.m_l = to_double(f[2]);
            row.n_r = to_double(f[3]); row.v_r = to_double(f[4]); row.m_r = to_double(f[5]);
            row.kled = to_int(f[6]); row.kmod = to_double(f[7]);
            d.lasten.append(row);
        }
    }
    if (fields(3, f)) {
        d.graf_breite = to_double(f[0]); d.graf_hoehe = to_double(f[1]); d.masstab_optimal = to_int(f[2]);
    }
    if (fields(2, f)) {
        d.ausfuehrlich = to_int(f[0]); d.grafik_drucken = to_int(f[1]);
    }
    f = split_fields(in.next());
    if (!in.past_end && (f.size() == 4 || f.size() == 3)) {
        d.biegung = to_int(f[0]); d.schub = to_int(f[1]); d.cal_auto = to_int(f[2]);
        d.schub_kappa_kreis = f.size() == 4 ? to_int(f[3]) : 0;
    }
    if (fields(3, f)) {
        d.mit_kh = to_int(f[0]); d.unten_gs = to_int(f[1]); d.unten_sc = to_int(f[2]);
    }
    if (fields(4, f)) {
        d.verstaerkt = to_int(f[0]); d.verst_typ = to_int(f[1]); d.mat_laschen = to_int(f[2]);
        d.guete_laschen = to_int(f[3]);
    }
    if (fields(7, f)) {
        d.a_r = to_double(f[0]); d.h_1 = to_double(f[1]); d.t_r = to_double(f[2]); d.ftk_laschen = to_double(f[3]);
        d.fest_gs = to_int(f[4]); d.rostfrei = to_int(f[5]); d.vorgebohrt = to_int(f[6]);
    }
    if (fields(7, f)) {
        d.l_e = to_double(f[0]); d.d_r = to_double(f[1]); d.n_gs = to_int(f[2]); d.n_sc = to_int(f[3]);
        d.typ_schraube = to_int(f[4]); d.d_schraube = to_int(f[5]); d.l_schraube = to_int(f[6]);
    }
    if (fields(4, f)) {
        d.mit_unterleg = to_int(f[0]); d.unterleg_reserve = to_int(f[1]); d.d_unterleg = to_double(f[2]);
        d.unterleg_art = to_int(f[3]);
    }
    if (fields(3, f)) {
        d.import_sni = to_int(f[0]); d.import_mat = to_int(f[1]); d.import_geo = to_int(f[2]);
    }
    if (version > 1 && fields(1, f)) d.nk_sni = to_int(f[0]);
    return version;
}

int TAVO52_DATA::write_data()
{
    const std::string text = position_data_text(*this);
    bool ok = save_file_atomically(inp_path, [&text](FILE* f) {
        return std::fwrite(text.data(), 1, text.size(), f) == text.size();
    });
    if (!ok) return 1;
    save_file_atomically(nad_path, [](FILE* f) {
        nad_write_active_name(f);
        return std::fputs("0\n", f) >= 0;
    });
    return 0;
}

int TAVO52_DATA::read_data()
{
    cur_ec3_params = nad_part_ec3();
    cur_ec5_params = nad_part_ec5();
    std::error_code ec;
    if (std::filesystem::is_directory(inp_path, ec)) return 1;
    std::ifstream in(inp_path, std::ios::binary);
    if (!in) return 1;
    std::ostringstream ss;
    ss << in.rdbuf();
    in.close();
    parse_position_data(*this, ss.str());
    if (FILE* nad = std::fopen(nad_path.c_str(), "r")) {
        nad_read_active_name(nad);
        std::fclose(nad);
        cur_ec3_params = nad_part_ec3();
        cur_ec5_params = nad_part_ec5();
    }
    return 0;
}
