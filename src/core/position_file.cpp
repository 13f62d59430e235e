#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_list.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/regular_file.h"
#include <algorithm>
#include <cerrno>
#include <functional>
#include <charconv>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <type_traits>
#include <utility>
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

// How a field's text converts: a number, a number too large for its type or not finite, or none.
enum class Conversion { Number, NotFinite, NoNumber };

template <typename T>
Conversion convert(const std::string& s, T* v)
{
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;
    T parsed{};
    auto r = std::from_chars(b, e, parsed);
    if (b == e || r.ptr != e) return Conversion::NoNumber;
    if (r.ec == std::errc::result_out_of_range) return Conversion::NotFinite;
    if (r.ec != std::errc()) return Conversion::NoNumber;
    if constexpr (std::is_floating_point_v<T>)
        if (!std::isfinite(parsed)) return Conversion::NotFinite;
    *v = parsed;
    return Conversion::Number;
}

// One member that a field of the file fills, with the name the messages give it. A switch holds 0
// or 1 only; `text`, when given, receives the field's text, and the caller judges a field that
// does not convert.
struct Field {
    std::string label;
    int* i = nullptr;
    double* d = nullptr;
    bool is_switch = false;
    std::string* text = nullptr;
    Field(std::string l, int& v) : label(std::move(l)), i(&v) {}
    Field(std::string l, double& v) : label(std::move(l)), d(&v) {}
    std::string value() const { return i ? std::to_string(*i) : format_file_double(*d); }
};

Field switch_field(std::string label, int& v)
{
    Field f(std::move(label), v);
    f.is_switch = true;
    return f;
}

std::string joined(const std::vector<Field>& fields, bool values)
{
    std::string s;
    for (const Field& f : fields) {
        if (!s.empty()) s += values ? " " : ", ";
        s += values ? f.value() : f.label;
    }
    return s;
}

// A line of the file as a message quotes it: cut short, its bytes in Windows-1252.
std::string quoted(const std::string& line)
{
    const size_t kShown = 40;
    std::string shown = line.size() > kShown ? line.substr(0, kShown) + "..." : line;
    return "\"" + codepage::cp1252_to_utf8(shown) + "\"";
}

// Reads the records of a file one line at a time and notes what it could not take as it stands.
class PositionParser {
public:
    PositionParser(const std::string& bytes, PositionReadReport* report) : in_{bytes}, report_(report) {}

    std::string next_line()
    {
        std::string line = in_.next();
        if (in_.past_end && report_ && report_->ended_after_line == 0) report_->ended_after_line = lines_;
        if (!in_.past_end) ++lines_;
        return line;
    }
    bool past_end() const { return in_.past_end; }
    bool at_end() const { return in_.at_end(); }

    void note(const std::string& field, const std::string& found, const std::string& taken)
    {
        if (report_) report_->findings.push_back({field, found, taken});
    }

    // Text after the last record would be lost by the next save: it is named with its line.
    void note_extra_text()
    {
        const int last = lines_;
        while (!at_end()) {
            const std::string line = next_line();
            if (line.find_first_not_of(" \t\r\f\v") == std::string::npos) continue;
            note("Text nach der letzten Zeile " + std::to_string(last), "Zeile " + std::to_string(lines_) + ": " + quoted(line),
                 "weggelassen");
            return;
        }
    }

    // Applies the next line when it holds as many fields as `fields` (or `other_count`); a line
    // that does not fit leaves every member as it was.
    // With `skipped_note` false the caller notes a line that does not fit itself.
    bool apply(const std::vector<Field>& fields, size_t other_count = 0, bool skipped_note = true)
    {
        const std::string line = next_line();
        const std::vector<std::string> f = split_fields(line);
        if (past_end() || (f.size() != fields.size() && (other_count == 0 || f.size() != other_count))) {
            if (skipped_note) note(joined(fields, false), past_end() ? "fehlt" : quoted(line), joined(fields, true));
            return false;
        }
        for (size_t k = 0; k < f.size(); ++k) store(fields[k], f[k]);
        return true;
    }

    // A field that is no number stores 0; a number that is not finite, or too large for its
    // member, keeps the member's value.
    // A switch holds 0 or 1: any other number keeps the member's value, as a number beyond its
    // type does; letters store 0, as in any field.
    void store(const Field& field, const std::string& text)
    {
        if (field.text) *field.text = text;
        if (field.is_switch) {
            int v = 0;
            const Conversion c = convert(text, &v);
            if (c == Conversion::NoNumber) *field.i = 0;
            else if (c == Conversion::Number && (v == 0 || v == 1)) *field.i = v;
            if (c != Conversion::Number || (v != 0 && v != 1))
                note(field.label, quoted(text) + " (erlaubt 0 oder 1)", field.value());
            return;
        }
        const Conversion c = field.i ? convert(text, field.i) : convert(text, field.d);
        if (c == Conversion::NoNumber) {
            if (field.i) *field.i = 0;
            else *field.d = 0.0;
        }
        if (c != Conversion::Number && !field.text) note(field.label, quoted(text), field.value());
    }

private:
    LineReader in_;
    PositionReadReport* report_;
    int lines_ = 0;
};

// The loads block: the count, then a name line and a values line per load.
void read_loads(PositionParser& p, QVector<LoadRow>& lasten)
{
    lasten.clear();
    const std::string count_line = p.next_line();
    int n = 0;
    if (p.past_end()) p.note("Anzahl Lasten", "fehlt", "0");
    else if (convert(count_line, &n) != Conversion::Number) p.note("Anzahl Lasten", quoted(count_line), "0");
    // The count comes from the file: a damaged one must not read on past its end.
    int read = 0;
    for (; read < n && !p.at_end(); ++read) {
        LoadRow row;
        const std::string name = p.next_line();
        row.name = QString::fromStdString(codepage::cp1252_to_utf8(name));
        const std::string load = "Last " + std::to_string(read + 1) + " ";
        std::string kmod_text;
        Field kmod(load + "k_mod", row.kmod);
        kmod.text = &kmod_text;
        const std::vector<Field> values = {
            {load + "N_d links", row.n_l},  {load + "V_d links", row.v_l},  {load + "M_d links", row.m_l},
            {load + "N_d rechts", row.n_r}, {load + "V_d rechts", row.v_r}, {load + "M_d rechts", row.m_r},
            {load + "KLED", row.kled},      kmod};
        double kmod_read = 0.0;
        if (!p.apply(values, 0, false))
            p.note(load + quoted(name), p.past_end() ? "Werte fehlen" : "Werte unvollständig", "weggelassen");
        // A k_mod that is no plausible number is neither moved into the range nor replaced: the load
        // is left out and named.
        else if (convert(kmod_text, &kmod_read) != Conversion::Number || !load_kmod_plausible(kmod_read))
            p.note(load + quoted(name), "k_mod " + quoted(std::as_const(kmod_text)) + " (erlaubt " + LOAD_KMOD_ALLOWED + ")",
                   "weggelassen");
        else
            lasten.append(row);
    }
    if (read < n) p.note("Anzahl Lasten", std::to_string(n), std::to_string(read) + " gelesen");
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

int parse_position_data(TAVO52_DATA& d, const std::string& bytes, PositionReadReport* report)
{
    PositionReadReport ignored;
    if (!report) report = &ignored;
    PositionParser p(bytes, report);
    const std::string first = p.next_line();
    int version = 0;
    if (bytes.empty() || convert(first, &version) != Conversion::Number || version < 1 || version > 3) {
        report->outcome = PositionReadReport::NotPositionData;
        report->reason = bytes.empty() ? "ist leer" : "ist keine Positionsdatei (erste Zeile " + quoted(first) + ")";
        report->ended_after_line = 0;
        return 0;
    }
    report->outcome = PositionReadReport::Read;
    // A line past the end of the file is never applied, not even where one field is expected.
    p.apply({{"Holzart", d.holzart}, {"Holzgüte", d.holzguete}, {"Nutzungsklasse", d.nkl},
             {"Durchbruchform", d.typ_durchbruch}});
    p.apply({{"b", d.b}, {"h", d.h}, {"h_ro", d.h_ro}, {"h_ru", d.h_ru}, {"a", d.a}});
    read_loads(p, d.lasten);
    p.apply({{"Grafikbreite", d.graf_breite}, {"Grafikhöhe", d.graf_hoehe}, switch_field("Maßstab optimal", d.masstab_optimal)});
    p.apply({switch_field("ausführlich", d.ausfuehrlich), switch_field("Grafik drucken", d.grafik_drucken)});
    // Older files end this line before the circular-opening shear option, which is then off.
    const int kappa_before = d.schub_kappa_kreis;
    d.schub_kappa_kreis = 0;
    if (!p.apply({switch_field("Biegung", d.biegung), switch_field("Schub", d.schub), switch_field("automatisch rechnen", d.cal_auto),
                  switch_field("Schub kappa Kreis", d.schub_kappa_kreis)}, 3))
        d.schub_kappa_kreis = kappa_before;
    p.apply({switch_field("k_h", d.mit_kh), switch_field("Gewindestangen unten", d.unten_gs), switch_field("Schrauben unten", d.unten_sc)});
    p.apply({switch_field("verstärkt", d.verstaerkt), {"Verstärkungsart", d.verst_typ}, {"Material Laschen", d.mat_laschen},
             {"Güte Laschen", d.guete_laschen}});
    p.apply({{"a_r", d.a_r}, {"h_1", d.h_1}, {"t_r", d.t_r}, {"f_t,k Laschen", d.ftk_laschen},
             {"Stahlgüte Gewindestangen", d.fest_gs}, switch_field("rostfrei", d.rostfrei), switch_field("vorgebohrt", d.vorgebohrt)});
    p.apply({{"l_e", d.l_e}, {"d_r", d.d_r}, {"Anzahl Gewindestangen", d.n_gs}, {"Anzahl Schrauben", d.n_sc},
             {"Schraubentyp", d.typ_schraube}, {"Schraubendurchmesser", d.d_schraube},
             {"Schraubenlänge", d.l_schraube}});
    p.apply({switch_field("Unterlegscheibe", d.mit_unterleg), {"Reserve Unterlegscheibe", d.unterleg_reserve},
             {"d Unterlegscheibe", d.d_unterleg}, {"Art Unterlegscheibe", d.unterleg_art}});
    p.apply({switch_field("Import Schnittgrößen", d.import_sni), switch_field("Import Material", d.import_mat),
             switch_field("Import Geometrie", d.import_geo)});
    if (version > 1) p.apply({{"Nachkommastellen Schnittgrößen", d.nk_sni}});
    p.note_extra_text();
    return version;
}

std::string position_backup_path(const std::string& path) { return path + ".bak"; }

namespace {

bool same_file(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Keeps the damaged file under a name of its own before a save replaces it: a second link to the
// same bytes, which needs no read permission, or a copy where links are not possible. There is
// one backup: a save that failed and is tried again finds it already made, and a later damaged
// file replaces an older backup instead of adding another.
bool keep_damaged_original(const std::string& path, std::string* backup)
{
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found) return true;
    *backup = position_backup_path(path);
    if (same_file(path, *backup)) return true;
    const std::string link_name = *backup + ".link-" + std::to_string(::getpid());
    ::unlink(link_name.c_str());
    if (::link(path.c_str(), link_name.c_str()) == 0) {
        const bool renamed = std::rename(link_name.c_str(), backup->c_str()) == 0;
        ::unlink(link_name.c_str());   // left when the backup already was this file
        if (renamed) return true;
    }
    std::string bytes;
    if (!read_regular_file(path, file_bounds::kPosition, bytes)) return false;
    return save_file_atomically(*backup, [&bytes](FILE* f) {
        return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

} // namespace

namespace {

bool write_position_text(const TAVO52_DATA& d, const std::string& path, bool must_be_new)
{
    const std::string text = position_data_text(d);
    const auto write = [&text](FILE* f) { return std::fwrite(text.data(), 1, text.size(), f) == text.size(); };
    return must_be_new ? save_new_file_atomically(path, write) : save_file_atomically(path, write);
}

bool write_choice(const std::string& path, bool must_be_new)
{
    const auto write = [](FILE* f) {
        nad_write_active_name(f);
        return std::fputs("0\n", f) >= 0;
    };
    return must_be_new ? save_new_file_atomically(path, write) : save_file_atomically(path, write);
}

} // namespace

std::string conflict_copy_path(const std::string& path) { return free_copy_path(path); }

std::vector<std::string> position_files_changed_elsewhere()
{
    std::vector<std::string> changed;
    for (const std::string* path : {&inp_path, &nad_path})
        if (file_changed_since_seen(*path)) changed.push_back(*path);
    return changed;
}

PositionCopies position_copies_for(const std::vector<std::string>& deleted)
{
    // One number for both copies, free for each, so that they are seen to belong together.
    int number = 1;
    PositionCopies copies;
    for (;;) {
        int inp_number = number, nad_number = number;
        copies.inp = free_copy_path(inp_path, &inp_number);
        copies.nad = free_copy_path(nad_path, &nad_number);
        if (inp_number == nad_number) break;
        number = std::max(inp_number, nad_number);
    }
    copies.number = number;
    for (const std::string& gone : deleted) {
        if (gone == inp_path) copies.inp = inp_path;
        if (gone == nad_path) copies.nad = nad_path;
    }
    return copies;
}

int write_position_copies(TAVO52_DATA& d, PositionCopies& copies)
{
    d.save_failed_path.clear();
    if (!save_under_free_copy_name(&copies.inp, inp_path, copies.number,
                    [&d](const std::string& name) { return write_position_text(d, name, true); })) {
        d.save_failed_path = copies.inp;
        return 1;
    }
    if (!save_under_free_copy_name(&copies.nad, nad_path, copies.number, [](const std::string& name) { return write_choice(name, true); })) {
        d.save_failed_path = copies.nad;
        return 1;
    }
    return 0;
}

int TAVO52_DATA::write_data()
{
    save_failed_path.clear();
    if (open_report.damaged() && !keep_damaged_original(inp_path, &save_failed_path)) return 1;
    save_failed_path.clear();
    bool ok = write_position_text(*this, inp_path, false);
    if (!ok) {
        save_failed_path = inp_path;
        return 1;
    }
    // The file now holds what the window shows; later saves need no copy of it.
    open_report = PositionReadReport();
    open_report.outcome = PositionReadReport::Read;
    ok = write_choice(nad_path, false);
    if (!ok) {
        save_failed_path = nad_path;
        return 1;
    }
    return 0;
}

int TAVO52_DATA::read_data()
{
    cur_ec3_params = nad_part_ec3();
    cur_ec5_params = nad_part_ec5();
    open_report = PositionReadReport();
    std::string bytes;
    FileRefusal why;
    if (!read_regular_file(inp_path, file_bounds::kPosition, bytes, &why)) {
        if (why.missing) {
            note_file_seen(inp_path);
            note_file_seen(nad_path);
            return 1;
        }
        open_report.outcome = PositionReadReport::Unreadable;
        open_report.reason = why.reason;
        note_file_seen(inp_path);
        note_file_seen(nad_path);
        return 1;
    }
    note_file_seen(inp_path);
    parse_position_data(*this, bytes, &open_report);
    note_file_seen(nad_path);
    if (FILE* nad = open_regular_file(nad_path, file_bounds::kSmallText, "r")) {
        nad_read_active_name(nad);
        std::fclose(nad);
        cur_ec3_params = nad_part_ec3();
        cur_ec5_params = nad_part_ec5();
    }
    return open_report.outcome == PositionReadReport::Read ? 0 : 1;
}
