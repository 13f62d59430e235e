#include "fasteners/fastener_tables.h"

#include "helpers/text_tools.h"
#include "platform/env/vyk_env.h"
#include "platform/os/paths.h"
#include "platform/os/c_numeric.h"
#include "platform/os/regular_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A line holds at most 499 bytes including its line end.
constexpr size_t kMaxLine = 498;

// What a row of a fastener table may hold, in mm: the nominal diameter of a dowel-type fastener,
// the core and shank diameters not above it, heads, deductions and lengths of real products.
constexpr double kMaxDiameter = 30.0;
constexpr double kMaxHead = 100.0;
constexpr double kMaxDeduction = 100.0;
constexpr double kMaxLength = 3000.0;

// Per-length layouts of the row lines.
enum Layout { LENGTHS_ONLY, LENGTHS_THEN_LINE, LENGTHS_FAK, PAIRS, LENGTHS_X, ASSY };

struct FamilyInfo {
    const char* file;
    FastenerTable* table;
    int loaded;
    std::string fault;   // why the last load failed
    Layout layout;
    int leading;
    // Field of FastenerRow for each leading value, in file order.
    double FastenerRow::*fields[7];
};

FamilyInfo g_families[FAMILY_COUNT] = {
    {"ec5_nagel.dat", &fastener_table_nagel, 0, {}, LENGTHS_ONLY, 2, {&FastenerRow::d, &FastenerRow::dk}},
    {"ec5_klammer.dat", &fastener_table_klammer, 0, {}, LENGTHS_THEN_LINE, 2, {&FastenerRow::d, &FastenerRow::dk}},
    {"ec5_schraube.dat", &fastener_table_schraube, 0, {}, LENGTHS_FAK, 5,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::dk, &FastenerRow::k, &FastenerRow::fak_lef}},
    {"ec5_spax_s_tg.dat", &fastener_table_spax_s_tg, 0, {}, PAIRS, 5,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::ds, &FastenerRow::dk, &FastenerRow::k}},
    {"ec5_spax_t_tg.dat", &fastener_table_spax_t_tg, 0, {}, PAIRS, 5,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::ds, &FastenerRow::dk, &FastenerRow::k}},
    {"ec5_spax_s_vg.dat", &fastener_table_spax_s_vg, 0, {}, LENGTHS_X, 7,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::dk, &FastenerRow::k, &FastenerRow::xLE100,
      &FastenerRow::xLE200, &FastenerRow::xGT200}},
    {"ec5_assy_plus_vg_z.dat", &fastener_table_assy_plus_vg_z, 0, {}, ASSY, 5,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::dk, &FastenerRow::k, &FastenerRow::fak_lef}},
    {"ec5_assy_plus_vg_s.dat", &fastener_table_assy_plus_vg_s, 0, {}, ASSY, 5,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::dk, &FastenerRow::k, &FastenerRow::fak_lef}},
    {"ec5_sondernagel.dat", &fastener_table_sondernagel, 0, {}, PAIRS, 2, {&FastenerRow::d, &FastenerRow::dk}},
    {"ec5_simpson_cna.dat", &fastener_table_simpson_cna, 0, {}, PAIRS, 2, {&FastenerRow::d, &FastenerRow::dk}},
    {"ec5_simpson_csa.dat", &fastener_table_simpson_csa, 0, {}, PAIRS, 4,
     {&FastenerRow::d, &FastenerRow::d1, &FastenerRow::ds, &FastenerRow::dk}},
};

struct ConnectorInfo {
    const char* file;
    ConnectorTable* table;
    int loaded;
    std::string fault;
};

ConnectorInfo g_connectors[CONNECTOR_COUNT] = {
    {"ec5_ringduebel_a1.dat", &connector_table_ringduebel_a1, 0, {}},
    {"ec5_schduebel_c1.dat", &connector_table_schduebel_c1, 0, {}},
    {"ec5_schduebel_c5.dat", &connector_table_schduebel_c5, 0, {}},
    {"ec5_schduebel_c10.dat", &connector_table_schduebel_c10, 0, {}},
    {"ec5_schduebel_B1.dat", &connector_table_schduebel_B1, 0, {}},
    {"ec5_schduebel_c2.dat", &connector_table_schduebel_c2, 0, {}},
    {"ec5_schduebel_c11.dat", &connector_table_schduebel_c11, 0, {}},
};

// Line reader over a byte buffer: LF or CRLF line ends; a line longer than the format allows
// is reported as such and never cut silently.
class Lines {
public:
    Lines(const char* data, size_t size) : data_(data), size_(size) {}
    enum Status { OK, END, TOO_LONG };
    Status next(std::string& line)
    {
        if (pos_ >= size_) return END;
        ++number_;
        size_t start = pos_;
        while (pos_ < size_ && data_[pos_] != '\n') ++pos_;
        size_t end = pos_;
        if (pos_ < size_) ++pos_;
        if (end > start && data_[end - 1] == '\r') --end;
        if (end - start > kMaxLine) return TOO_LONG;
        line.assign(data_ + start, end - start);
        // An embedded NUL ends the line, as it would for a C line reader.
        size_t nul = line.find('\0');
        if (nul != std::string::npos) line.resize(nul);
        return OK;
    }
    // The next line that is not a comment.
    Status next_value_line(std::string& line)
    {
        for (;;) {
            Status s = next(line);
            if (s != OK) return s;
            if (line.empty() || line[0] != '#') return OK;
        }
    }
    // The number of the line read last, from 1.
    int number() const { return number_; }
private:
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
    int number_ = 0;
};

std::string at_line(const Lines& lines, const std::string& what) { return "Zeile " + std::to_string(lines.number()) + ": " + what; }

std::string mm(double v)
{
    char buf[40];
    c_snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

// A value of a row outside what a product can have: named with its range.
bool within(double v, double lo, double hi, bool lo_open, const char* name, const Lines& lines, std::string* why)
{
    if ((lo_open ? v > lo : v >= lo) && v <= hi) return true;
    *why = at_line(lines, std::string(name) + " = " + mm(v) + " mm liegt nicht " + (lo_open ? "über " : "zwischen ") +
                              mm(lo) + (lo_open ? " bis " : " und ") + mm(hi) + " mm");
    return false;
}

// Integer at the start of a line ("%d"): leading white space, optional sign, digits.
bool leading_int(const std::string& line, int* out)
{
    const char* s = line.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s, &end, 10);
    if (end == s || errno == ERANGE || v < -2147483647L - 1 || v > 2147483647L) return false;
    *out = static_cast<int>(v);
    return true;
}

// The longest number at the start of a word; false when the word does not begin with one.
bool word_number(const char* word, double* out)
{
    const CNumericScope c_numbers;
    char* end = nullptr;
    double v = c_strtod(word, &end);
    if (end == word || !std::isfinite(v)) return false;
    *out = v;
    return true;
}

bool word_int(const char* word, int* out)
{
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(word, &end, 10);
    if (end == word || errno == ERANGE || v < -2147483647L - 1 || v > 2147483647L) return false;
    *out = static_cast<int>(v);
    return true;
}

struct Words {
    int count = 0;
    char** words = nullptr;
    ~Words()
    {
        for (int i = 0; i < count; ++i) std::free(words[i]);
        std::free(words);
    }
    bool split(const std::string& line) { return text_split_words(line.c_str(), &count, &words) == 1; }
};

// Reads the two header lines; false on a header line that does not start with an integer.
// A file that ends before a header line keeps that field (0) and has no rows.
template <class Table>
bool read_header(Lines& lines, Table* t, bool* ended)
{
    std::string line;
    *ended = false;
    for (int* field : {&t->kind, &t->row_count}) {
        Lines::Status s = lines.next_value_line(line);
        if (s == Lines::TOO_LONG) return false;
        if (s == Lines::END) { *ended = true; return true; }
        if (!leading_int(line, field)) return false;
    }
    return true;
}

// The leading values of a row within what a product can have.
bool row_values_plausible(const FamilyInfo& f, const FastenerRow& row, const Lines& lines, std::string* why)
{
    if (!within(row.d, 0.0, kMaxDiameter, true, "d", lines, why)) return false;
    for (int i = 1; i < f.leading; ++i) {
        const double FastenerRow::*field = f.fields[i];
        if (field == &FastenerRow::d1 && !within(row.d1, 0.0, row.d, false, "d1", lines, why)) return false;
        if (field == &FastenerRow::ds && !within(row.ds, 0.0, row.d, false, "ds", lines, why)) return false;
        if (field == &FastenerRow::dk && !within(row.dk, 0.0, kMaxHead, false, "dk", lines, why)) return false;
        if (field == &FastenerRow::fak_lef && !(row.fak_lef >= 0.0 && row.fak_lef <= 1.0)) {
            *why = at_line(lines, "fak_lef = " + mm(row.fak_lef) + " liegt nicht zwischen 0 und 1");
            return false;
        }
        const char* deductions[] = {"xLE100", "xLE200", "xGT200"};
        const double FastenerRow::*deduction_fields[] = {&FastenerRow::xLE100, &FastenerRow::xLE200, &FastenerRow::xGT200};
        for (int k = 0; k < 3; ++k)
            if (field == deduction_fields[k] && !within(row.*field, 0.0, kMaxDeduction, false, deductions[k], lines, why))
                return false;
    }
    return true;
}

// Every length of a product, and the effective length that belongs to it, not above the length.
bool lengths_plausible(const FamilyInfo& f, const FastenerRow& row, const Lines& lines, std::string* why)
{
    for (int i = 0; i < row.n_l; ++i) {
        if (!within(row.lengths[i], 0.0, kMaxLength, true, "Länge", lines, why)) return false;
        if (f.layout != LENGTHS_ONLY &&
            !within(row.effective_lengths[i], 0.0, row.lengths[i], true, "wirksame Länge", lines, why))
            return false;
    }
    return true;
}

bool parse_row(const FamilyInfo& f, int kind, Lines& lines, FastenerRow* row, std::string* why)
{
    std::string line;
    *why = at_line(lines, "nicht lesbar");
    const Lines::Status status = lines.next_value_line(line);
    if (status == Lines::END)
        *why = "Datei endet nach Zeile " + std::to_string(lines.number()) + ", vor der letzten Zeile der Tabelle";
    if (status != Lines::OK) return false;   // an early end is a failure
    *why = at_line(lines, "nicht lesbar");
    Words w;
    if (!w.split(line)) return false;
    if (w.count < f.leading) return false;
    for (int i = 0; i < f.leading; ++i) {
        double v;
        if (!word_number(w.words[i], &v)) return false;
        row->*(f.fields[i]) = v;
    }
    if (!row_values_plausible(f, *row, lines, why)) return false;
    const int rest = w.count - f.leading;
    const bool halved = f.layout == PAIRS || (f.layout == ASSY && kind == 2);
    int n_l = halved ? rest / 2 : rest;
    if (f.layout == ASSY && kind != 1 && kind != 2) n_l = 0;
    if (n_l > FASTENER_TABLE_LENGTHS) return false;
    row->n_l = n_l;
    char** per = w.words + f.leading;
    for (int i = 0; i < n_l; ++i) {
        double len, eff = 0.0;
        switch (f.layout) {
        case PAIRS:
            if (!word_number(per[2 * i], &len) || !word_number(per[2 * i + 1], &eff)) return false;
            row->lengths[i] = len;
            row->effective_lengths[i] = eff;
            break;
        case ASSY:
            if (kind == 2) {
                if (!word_number(per[i], &len) || !word_number(per[n_l + i], &eff)) return false;
                row->lengths[i] = len;
                row->effective_lengths[i] = eff;
            } else {
                if (!word_number(per[i], &len)) return false;
                row->lengths[i] = len;
                row->effective_lengths[i] = row->fak_lef * len;
            }
            break;
        case LENGTHS_FAK:
            if (!word_number(per[i], &len)) return false;
            row->lengths[i] = len;
            row->effective_lengths[i] = row->fak_lef * len;
            break;
        case LENGTHS_X:
            if (!word_number(per[i], &len)) return false;
            row->lengths[i] = len;
            if (len < 100.0) eff = len - row->xLE100;
            else if (len < 200.0) eff = len - row->xLE200;
            else eff = len - row->xGT200;
            row->effective_lengths[i] = eff;
            break;
        case LENGTHS_ONLY:
        case LENGTHS_THEN_LINE:
            if (!word_number(per[i], &len)) return false;
            row->lengths[i] = len;
            break;
        }
    }
    if (f.layout == LENGTHS_THEN_LINE) {
        std::string second;
        if (lines.next_value_line(second) != Lines::OK) return false;
        Words w2;
        if (!w2.split(second)) return false;
        if (w2.count < n_l) return false;
        for (int i = 0; i < n_l; ++i) {
            double eff;
            if (!word_number(w2.words[i], &eff)) return false;
            row->effective_lengths[i] = eff;
        }
    }
    return lengths_plausible(f, *row, lines, why);
}

std::string read_whole_file(const std::string& path, bool* ok)
{
    std::string bytes;
    *ok = false;
    FILE* fp = open_regular_file(path, file_bounds::kTable, "rb");
    if (!fp) return bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) bytes.append(buf, n);
    *ok = !std::ferror(fp);
    std::fclose(fp);
    return bytes;
}

std::string data_file_path(const char* file)
{
    const char* folder = CurOb_Privat_Datapath();
    if (!folder) return std::string();
    return path_join(folder, file);
}

// Reads a table file once: info holds its file name, table and loaded flag; parse fills the table.
template <class Info, class Family, class Parse>
int load_once(Info& info, Family family, Parse parse)
{
    if (info.loaded) return 1;
    info.fault.clear();   // the reason of an earlier try no longer holds
    std::string path = data_file_path(info.file);
    if (path.empty()) return 0;
    bool ok;
    std::string bytes = read_whole_file(path, &ok);
    if (!ok) return 0;
    if (!parse(family, bytes.data(), bytes.size(), info.table, &info.fault)) return 0;
    info.loaded = 1;
    return 1;
}

int load_family(FastenerFamily family) { return load_once(g_families[family], family, fastener_table_parse); }

// Values of one connector row line in file order: 'd' a double field, 'i' an int field.
struct Slot { char kind; double ConnectorRow::*dbl; int ConnectorRow::*in; };
#define D_(f) {'d', &ConnectorRow::f, nullptr}
#define I_(f) {'i', nullptr, &ConnectorRow::f}

std::vector<Slot> connector_layout(ConnectorFamily family, int kind)
{
    switch (family) {
    case CONNECTOR_RINGDUEBEL_A1:
        return {D_(dc), D_(hc), D_(he), D_(t), D_(r), D_(db_min), D_(db_max), D_(F)};
    case CONNECTOR_SCHDUEBEL_C1:
    case CONNECTOR_SCHDUEBEL_C5:
        return {D_(dc), D_(hc), D_(he), D_(t), D_(d1), I_(int_2), I_(int_1), D_(h2), D_(db_min), D_(db_max), D_(F)};
    case CONNECTOR_SCHDUEBEL_C10:
        return {D_(dc), D_(hc), D_(he), D_(t), D_(d1), D_(d2), D_(d3), D_(d4), I_(int_2), D_(db_min), D_(db_max), D_(F)};
    case CONNECTOR_SCHDUEBEL_B1:
        if (kind <= 1)
            return {D_(dc), D_(he), D_(hc), D_(t), D_(t1), D_(d1), D_(d2), D_(db_min), D_(db_max), D_(F)};
        return {D_(dc), D_(he), D_(hc), D_(t), D_(t1), D_(d1), D_(d2), D_(d3), D_(d4), D_(r), D_(h1), D_(a1), D_(a2),
                D_(db_min), D_(db_max), D_(F)};
    case CONNECTOR_SCHDUEBEL_C2:
        return {D_(dc), D_(hc), D_(he), D_(t), D_(d2), D_(h3), I_(int_2), I_(int_1), D_(db_min), D_(db_max), D_(F)};
    case CONNECTOR_SCHDUEBEL_C11:
        return {D_(dc), D_(hc), D_(he), D_(t), D_(d1), D_(d2), D_(d3), D_(d4), D_(d5), D_(r), D_(h1), I_(int_2),
                D_(db_min), D_(db_max), D_(F)};
    default: return {};
    }
}
#undef D_
#undef I_

int load_connector(ConnectorFamily family) { return load_once(g_connectors[family], family, connector_table_parse); }

} // namespace

const char* fastener_family_file(FastenerFamily family)
{
    return family >= 0 && family < FAMILY_COUNT ? g_families[family].file : "";
}

std::string fastener_family_fault(FastenerFamily family)
{
    return family >= 0 && family < FAMILY_COUNT ? g_families[family].fault : std::string();
}

const char* connector_family_file(ConnectorFamily family)
{
    return family >= 0 && family < CONNECTOR_COUNT ? g_connectors[family].file : "";
}

int fastener_table_parse(FastenerFamily family, const char* data, size_t size, FastenerTable* table, std::string* fault)
{
    std::string why;
    std::memset(table, 0, sizeof *table);
    if (family < 0 || family >= FAMILY_COUNT) return 0;
    const FamilyInfo& f = g_families[family];
    Lines lines(data, size);
    bool ended;
    bool ok = read_header(lines, table, &ended);
    if (!ok) why = at_line(lines, "Kopfzeile beginnt nicht mit einer ganzen Zahl");
    // A table without a row offers nothing to choose; more rows than the table holds, or a
    // negative count, cannot be stored.
    if (ok && (ended || table->row_count < 1 || table->row_count > FASTENER_TABLE_ROWS)) {
        ok = false;
        why = ended ? "enthält keine Tabelle (Anzahl der Zeilen fehlt)"
                    : at_line(lines, "Anzahl der Zeilen " + std::to_string(table->row_count) + " liegt nicht zwischen 1 und " +
                                         std::to_string(FASTENER_TABLE_ROWS));
    }
    for (int i = 0; ok && i < table->row_count; ++i) ok = parse_row(f, table->kind, lines, &table->rows[i], &why);
    if (!ok) {
        std::memset(table, 0, sizeof *table);
        if (fault) *fault = why;
        return 0;
    }
    if (fault) fault->clear();
    return 1;
}

int connector_table_parse(ConnectorFamily family, const char* data, size_t size, ConnectorTable* table, std::string*)
{
    std::memset(table, 0, sizeof *table);
    if (family < 0 || family >= CONNECTOR_COUNT) return 0;
    Lines lines(data, size);
    bool ended;
    bool ok = read_header(lines, table, &ended);
    if (ok && !ended && (table->row_count < 0 || table->row_count > FASTENER_TABLE_ROWS)) ok = false;
    const std::vector<Slot> layout = connector_layout(family, table->kind);
    for (int i = 0; ok && !ended && i < table->row_count; ++i) {
        std::string line;
        Lines::Status s = lines.next_value_line(line);
        if (s == Lines::END) break;          // missing rows stay empty; the load completes
        if (s == Lines::TOO_LONG) { ok = false; break; }
        Words w;
        if (!w.split(line) || w.count < static_cast<int>(layout.size())) { ok = false; break; }
        ConnectorRow& row = table->rows[i];
        for (size_t k = 0; ok && k < layout.size(); ++k) {
            if (layout[k].kind == 'd') ok = word_number(w.words[k], &(row.*(layout[k].dbl)));
            else ok = word_int(w.words[k], &(row.*(layout[k].in)));
        }
    }
    if (!ok) {
        std::memset(table, 0, sizeof *table);
        return 0;
    }
    if (ended && table->row_count < 0) table->row_count = 0;
    return 1;
}

int read_ec5_nagel() { return load_family(FAMILY_NAGEL); }
int read_ec5_klammer() { return load_family(FAMILY_KLAMMER); }
int read_ec5_schraube() { return load_family(FAMILY_SCHRAUBE); }
int read_ec5_spax_s_tg() { return load_family(FAMILY_SPAX_S_TG); }
int read_ec5_spax_t_tg() { return load_family(FAMILY_SPAX_T_TG); }
int read_ec5_spax_s_vg() { return load_family(FAMILY_SPAX_S_VG); }
int read_ec5_assy_plus_vg_z() { return load_family(FAMILY_ASSY_PLUS_VG_Z); }
int read_ec5_assy_plus_vg_s() { return load_family(FAMILY_ASSY_PLUS_VG_S); }
int read_ec5_sondernagel() { return load_family(FAMILY_SONDERNAGEL); }
int read_ec5_simpson_cna() { return load_family(FAMILY_SIMPSON_CNA); }
int read_ec5_simpson_csa() { return load_family(FAMILY_SIMPSON_CSA); }
int read_ec5_ringduebel_a1() { return load_connector(CONNECTOR_RINGDUEBEL_A1); }
int read_ec5_schduebel() { return load_connector(CONNECTOR_SCHDUEBEL_C1); }
int read_ec5_schduebel_c5() { return load_connector(CONNECTOR_SCHDUEBEL_C5); }
int read_ec5_schduebel_c10() { return load_connector(CONNECTOR_SCHDUEBEL_C10); }
int read_ec5_schduebel_b1() { return load_connector(CONNECTOR_SCHDUEBEL_B1); }
int read_ec5_schduebel_c2() { return load_connector(CONNECTOR_SCHDUEBEL_C2); }
int read_ec5_schduebel_c11() { return load_connector(CONNECTOR_SCHDUEBEL_C11); }

int fill_dowel_bolt_tables()
{
    static const double dowel[] = {6, 8, 10, 12, 16, 20, 24};
    static const double bolt[] = {6, 8, 10, 12, 16, 20, 24, 30};
    diameter_table_dowel.count = 7;
    for (int i = 0; i < 7; ++i) diameter_table_dowel.diameters[i] = dowel[i];
    diameter_table_bolt.count = 8;
    for (int i = 0; i < 8; ++i) diameter_table_bolt.diameters[i] = bolt[i];
    return 1;
}
