#include "output/oli_table.h"
#include "platform/os/c_numeric.h"
#include "output/oli_paragraph.h"
#include "output/oli_writer.h"
#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "helpers/print_helpers.h"
#include "helpers/rounding.h"
#include "platform/env/vyk_format.h"
#include "platform/layout/oli_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Footnote {
    int key;
    std::string mark;
    std::string text;
    int used;
};

struct TableState {
    int allocated = 0;
    int row_limit = 100;
    int key_column = -1;
    const int* rule_rows = nullptr;
    std::vector<Footnote> footnotes;
};

TableState& T()
{
    static TableState t;
    return t;
}

enum Kind { K_NUM, K_TXT, K_CHAR, K_GEW, K_ZZ };

Kind kind_of(const OliColumn& c)
{
    if (std::strncmp(c.type, "TXT", 3) == 0) return K_TXT;
    if (std::strncmp(c.type, "GEW", 3) == 0) return K_GEW;
    if (std::strcmp(c.type, "CHAR") == 0) return K_CHAR;
    if (std::strcmp(c.type, "ZZ") == 0) return K_ZZ;
    return K_NUM;
}

std::string unit_text(const OliColumn& c)
{
    switch (kind_of(c)) {
    case K_TXT:
    case K_GEW: return std::strlen(c.type) > 4 ? std::string(c.type + 4) : std::string();
    case K_CHAR:
    case K_ZZ: return std::string();
    default: return std::string(c.type);
    }
}

double value_at(const OliColumn& c, int row)
{
    if (!c.values) return 0;
    if (c.stride > 0) {
        double v;
        std::memcpy(&v, static_cast<const char*>(c.values) + size_t(row) * size_t(c.stride), sizeof v);
        return v;
    }
    return static_cast<const double*>(c.values)[row];
}

bool near(double v, double s) { return round_to_decimals(std::fabs(v - s), 2) == 0; }

// Sentinel text of a numeric value, or null when the value is an ordinary number.
const char* sentinel_text(double v)
{
    if (near(v, OLI_CELL_MINUS_INFINITY)) return "-\xEC  ";
    if (near(v, OLI_CELL_INFINITY)) return " \xEC  ";
    if (near(v, OLI_CELL_NOT_DETERMINED)) return "n.e. ";
    if (near(v, OLI_CELL_AUTO)) return "auto";
    if (near(v, OLI_CELL_DASHES)) return "---";
    if (near(v, OLI_CELL_BLANK)) return "";
    return nullptr;
}

bool skipped_for_marks(double v)
{
    return near(v, OLI_CELL_NOT_DETERMINED) || near(v, OLI_CELL_DASHES) || near(v, OLI_CELL_AUTO) || near(v, OLI_CELL_BLANK);
}

std::string blanks(int n) { return n > 0 ? std::string(size_t(n), ' ') : std::string(); }

std::string right_align(const std::string& t, int w)
{
    int len = oli_visible_length(t.c_str());
    return blanks(w - len) + t;
}

std::string number_text(double v, int decimals, int w)
{
    std::vector<char> buf(size_t(std::max(w, 0)) + 96);
    formatNumber(v, decimals == 0 ? 16 : 0, w, 0, decimals, buf.data());
    return std::string(buf.data());
}

std::string footnote_mark(int key, bool count_use)
{
    for (Footnote& f : T().footnotes)
        if (f.key == key) {
            if (count_use) ++f.used;
            return f.mark;
        }
    return std::string();
}

int longest_mark_for(const OliColumn& c, int nrows)
{
    if (!c.footnote_keys) return 0;
    int m = 0;
    for (int r = 0; r < nrows; ++r)
        if (c.footnote_keys[r] > 0) m = std::max(m, int(footnote_mark(c.footnote_keys[r], false).size()));
    return m;
}

// Rows chosen by a mark code among the shown rows.
void mark_rows(const OliColumn& c, const std::vector<int>& rows, int code, int* a, int* b)
{
    *a = *b = -1;
    if (code == 0) return;
    int imax = -1, imin = -1, iamax = -1, iamin = -1;
    for (int r : rows) {
        double v = value_at(c, r);
        if (skipped_for_marks(v)) continue;
        if (imax < 0 || v > value_at(c, imax)) imax = r;
        if (imin < 0 || v < value_at(c, imin)) imin = r;
        if (iamax < 0 || std::fabs(v) > std::fabs(value_at(c, iamax))) iamax = r;
        if (iamin < 0 || std::fabs(v) < std::fabs(value_at(c, iamin))) iamin = r;
    }
    switch (code) {
    case 2: *a = iamax; break;
    case -2: *a = iamin; break;
    case -1: *a = imin; break;
    case 3: *a = iamin; *b = iamax; break;
    default: *a = imax; break;
    }
}

// Header text placed in a segment of `size` visible characters (the segment's own blank included).
void place(std::string& line, int& pos, const std::string& text, int pad, int size)
{
    if (pos >= 256) return;
    int len = oli_visible_length(text.c_str());
    if (pad < 0) pad = 0;
    std::string seg = "\xCEr" + blanks(pad) + text;
    int used = pad + len;
    seg += blanks(size - used);
    line += seg;
    pos += std::max(size, used);
    if (pos > 256) pos = 256;
}

int centred_pad(int span, int len) { return int(std::lround((span - len) / 2.0)); }

// Short titles and units: centred, pulled right over the decimals, "-" and "+" alignments.
void place_in_column(std::string& line, int& pos, std::string text, int w, int decimals, bool signs)
{
    int pad;
    if (signs && !text.empty() && text[0] == '-') {
        text.erase(0, 1);
        pad = 1;
    } else if (signs && !text.empty() && text[0] == '+') {
        text.erase(0, 1);
        pad = w - oli_visible_length(text.c_str());
    } else {
        int len = oli_visible_length(text.c_str());
        pad = centred_pad(w, len);
        if (decimals >= 1 && pad + len < w - decimals) pad = w - decimals - len;
    }
    place(line, pos, text, pad, w + 1);
}

std::string sentinel_or_number(const OliColumn& c, double v, int decimals, int w)
{
    if (const char* s = sentinel_text(v)) return right_align(s, w);
    std::string unit = unit_text(c);
    if (unit.find("cm\xCE/2") != std::string::npos && std::fabs(v) < 1e-8) {
        std::string t = blanks(w);
        if (w > 0) t[size_t(w / 2)] = '-';
        return t;
    }
    return number_text(v * c.factor, decimals, w);
}

} // namespace

int oli_visible_length(const char* text)
{
    if (!text) return 0;
    int count = 0;
    bool open = false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == 0xCE && p[1]) {
            unsigned char c = p[1];
            if (c == '\\' || c == '/') open = true;
            else if (c == 'r') open = false;
            if (c == '{') {
                p += 2;
                while (*p && *p != '}' && *p != '\n') ++p;
                if (!*p) break;
                continue;
            }
            ++p;
            continue;
        }
        if (open) ++count;
    }
    return MT_String_Length(text) - int(count * 0.19999999999999996);
}

int oli_column_type_code(const OliColumn* column)
{
    if (!column) return 0;
    return kind_of(*column) == K_NUM ? 1 : 0;
}

void oli_table_columns_alloc(int n, OliColumn** columns)
{
    if (!columns || n <= 0) return;
    *columns = static_cast<OliColumn*>(mem_realloc_counted(*columns, int(sizeof(OliColumn)) * n, 1));
    for (int i = 0; i < n; ++i) {
        OliColumn& c = (*columns)[i];
        std::memset(&c, 0, sizeof c);
        std::strcpy(c.short_title, "Nr");
        std::strcpy(c.type, "ZZ");
        c.width = 4;
        c.stride = -1;
        c.factor = 1.0;
    }
    T().allocated = n;
}

void oli_table_set_row_limit(int n) { T().row_limit = n; }
int oli_table_get_row_limit() { return T().row_limit; }

void oli_table_footnote_add(int key, const char* mark, const char* text)
{
    std::string m = mark ? mark : "";
    if (m.size() > 9) m.resize(9);
    for (const Footnote& f : T().footnotes)
        if (f.key == key || f.mark == m) return;
    std::string t = text ? text : "";
    if (t.size() > 199) t.resize(199);
    T().footnotes.push_back(Footnote{key, m, t, 0});
}

int oli_table_footnote_count() { return int(T().footnotes.size()); }
void oli_table_footnotes_clear() { T().footnotes.clear(); }

char* oli_table_cell(const OliColumn* column, const void* values, int row, int width, int declared_width,
                     int decimals, double factor, int underline, int bold, char* buffer, int footnote_key)
{
    if (!buffer) return buffer;
    buffer[0] = 0;
    if (!column) return buffer;
    OliColumn c = *column;
    c.values = values;
    c.factor = factor;
    int mark_len = 0;
    std::string mark;
    if (footnote_key > 0) {
        mark = footnote_mark(footnote_key, true);
        mark_len = longest_mark_for(*column, row + 1);
        mark_len = std::max(mark_len, int(mark.size()));
    }
    int w = width - (c.footnote_keys ? mark_len : 0);
    if (w < 0) w = 0;
    std::string cell;
    bool sentinel = false;
    switch (kind_of(c)) {
    case K_TXT: {
        int step = std::max(declared_width, decimals);
        const char* s = values ? static_cast<const char*>(values) + size_t(row) * size_t(std::max(step, 1)) : "";
        size_t len = strnlen(s, size_t(std::max(step, 1)));
        std::string str(s, len);
        if (len >= 1000) str = std::string(size_t(w), '?');
        int n = (declared_width < decimals ? decimals : w) - 1;
        if (n < 0) n = 0;
        char buf[1100];
        c_snprintf(buf, sizeof buf, " %-*.*s", n, n, str.c_str());
        cell = buf;
        cell += blanks(int(cell.size()) - MT_String_Length(cell.c_str()));
        if (decimals > declared_width) {
            int cut = decimals - w;
            if (cut > 0 && int(cell.size()) > cut) cell.resize(cell.size() - size_t(cut));
        }
        break;
    }
    case K_CHAR: {
        cell = blanks(w);
        if (values && w > 0) cell[size_t(w / 2)] = static_cast<const char*>(values)[row];
        break;
    }
    case K_GEW: {
        static const double dia[20] = {0.006, 0.008, 0.010, 0.012, 0.014, 0.016, 0.020, 0.025, 0.028, 0.032,
                                       0.006, 0.032, 0.012, 0.028, 0.008, 0.025, 0.014, 0.020, 0.010, 0.016};
        OliBarGroup g{};
        if (values) std::memcpy(&g, static_cast<const char*>(values) + size_t(row) * 296, sizeof g);
        char buf[200];
        const char* u = underline ? "\xCEu" : "";
        if (g.count == 0) {
            buf[0] = 0;
        } else if (g.count < 0) {
            c_snprintf(buf, sizeof buf, "---  ");
        } else if (g.diameter_index < 0 || g.diameter_index > 19) {
            c_snprintf(buf, sizeof buf, " \xCE" "b%s%d \x8C ???\xCEr", u, g.count);
        } else if (g.bundle >= 2) {
            c_snprintf(buf, sizeof buf, " \xCE" "b%s%d \x8C %.0f %der Bnd.\xCEr", u, g.count,
                          dia[g.diameter_index] * 1000, g.bundle);
        } else {
            c_snprintf(buf, sizeof buf, " \xCE" "b%s%d \x8C %.0f\xCEr", u, g.count, dia[g.diameter_index] * 1000);
        }
        cell = right_align(buf, w);
        underline = bold = 0;
        break;
    }
    case K_ZZ:
        cell = number_text(row + std::max(decimals, 1), 0, w);
        break;
    default: {
        double v = values ? value_at(c, row) : 0;
        sentinel = sentinel_text(v) != nullptr;
        cell = sentinel_or_number(c, v, decimals, w);
        break;
    }
    }
    std::string out;
    if (underline && !sentinel) out = " \xCEu" + cell + "\xCEr";
    else if (bold) out = " \xCE" "b" + cell + "\xCEr";
    else out = " " + cell;
    if (footnote_key > 0 && !mark.empty()) out += "\xCE/" + mark + "\xCEr" + blanks(mark_len - int(mark.size()));
    else if (c.footnote_keys) out += blanks(mark_len);
    if (out.size() > 999) out.resize(999);
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return buffer;
}

namespace {

// Rows the table shows: all, or each numeric column's lowest and highest and/or
// the first, the last and the turning points, sign changes and steps beside an unchanged key
// column; rows switched off by the caller stay hidden.
std::vector<int> table_rows_shown(const std::vector<OliColumn>& col, int nrows, int flags, const int* shown_rows)
{
    const TableState& ts = T();
    const int ncols = int(col.size());
    std::vector<char> show(size_t(nrows), 0);
    if (!(flags & OLI_TABLE_TURNING_ROWS) && !(flags & OLI_TABLE_EXTREME_ROWS)) {
        std::fill(show.begin(), show.end(), 1);
    } else {
        if (flags & OLI_TABLE_EXTREME_ROWS) {
            for (const OliColumn& c : col) {
                if (kind_of(c) != K_NUM || !c.values) continue;
                int lo = -1, hi = -1;
                for (int r = 0; r < nrows; ++r) {
                    double v = value_at(c, r);
                    if (lo < 0 || v < value_at(c, lo)) lo = r;
                    if (hi < 0 || v > value_at(c, hi)) hi = r;
                }
                if (lo >= 0) show[size_t(lo)] = 1;
                if (hi >= 0) show[size_t(hi)] = 1;
            }
        }
        if (flags & OLI_TABLE_TURNING_ROWS) {
            show[0] = 1;
            show[size_t(nrows - 1)] = 1;
            const OliColumn* key = (ts.key_column >= 0 && ts.key_column < ncols &&
                                    kind_of(col[size_t(ts.key_column)]) == K_NUM)
                                       ? &col[size_t(ts.key_column)]
                                       : nullptr;
            for (const OliColumn& c : col) {
                if (kind_of(c) != K_NUM || !c.values) continue;
                int d = c.decimals;
                for (int r = 1; r <= nrows - 2; ++r) {
                    double v0 = value_at(c, r - 1), v1 = value_at(c, r), v2 = value_at(c, r + 1);
                    double d1 = double(round_to_decimals(v1 - v0, d)), d2 = double(round_to_decimals(v2 - v1, d));
                    if (d1 != 0 && d2 != 0 && ((d1 > 0) != (d2 > 0))) show[size_t(r)] = 1;
                    double r0 = double(round_to_decimals(v0, d)), r1 = double(round_to_decimals(v1, d));
                    if (r0 != 0 && r1 != 0 && ((r0 > 0) != (r1 > 0))) show[size_t(r)] = show[size_t(r - 1)] = 1;
                    if (key && round_to_decimals(value_at(*key, r) - value_at(*key, r - 1), key->decimals) == 0 &&
                        d1 != 0)
                        show[size_t(r)] = show[size_t(r - 1)] = 1;
                }
            }
        }
    }
    if (shown_rows)
        for (int r = 0; r < nrows; ++r)
            if (shown_rows[r] == 0) show[size_t(r)] = 0;
    std::vector<int> rows;
    for (int r = 0; r < nrows; ++r)
        if (show[size_t(r)]) rows.push_back(r);
    return rows;
}

// Per column: the rows underlined and set bold by its marks, the width its largest shown value
// needs and its sum.
struct ColumnMarks {
    std::vector<int> under_a, under_b, bold_a, bold_b, wide;
    std::vector<double> sums;
    bool any_sum = false;
};

ColumnMarks table_column_marks(const std::vector<OliColumn>& col, const std::vector<int>& rows, int nrows, int flags)
{
    const size_t ncols = col.size();
    ColumnMarks m{std::vector<int>(ncols, -1), std::vector<int>(ncols, -1), std::vector<int>(ncols, -1),
                  std::vector<int>(ncols, -1), std::vector<int>(ncols, 0), std::vector<double>(ncols, 0), false};
    for (size_t i = 0; i < ncols; ++i) {
        const OliColumn& c = col[i];
        if (kind_of(c) != K_NUM || !c.values) continue;
        mark_rows(c, rows, c.mark1, &m.under_a[i], &m.under_b[i]);
        mark_rows(c, rows, c.mark2, &m.bold_a[i], &m.bold_b[i]);
        if (flags & OLI_TABLE_WIDEN_TO_VALUES) {
            double largest = 0;
            bool found = false;
            for (int r : rows) {
                double v = value_at(c, r);
                if (skipped_for_marks(v)) continue;
                if (!found || std::fabs(v * c.factor) > largest) largest = std::fabs(v * c.factor);
                found = true;
            }
            if (found) {
                std::string t = number_text(largest, c.decimals, 0);
                m.wide[i] = oli_visible_length(t.c_str()) + 1;
            }
        }
        if (c.sum) {
            double s = 0;
            bool ne = false;
            for (int r = 0; r < nrows; ++r) {
                double v = value_at(c, r);
                if (near(v, OLI_CELL_DASHES) || near(v, OLI_CELL_AUTO) || near(v, OLI_CELL_BLANK)) continue;
                if (near(v, OLI_CELL_NOT_DETERMINED)) ne = true;
                else s += v * c.factor;
            }
            m.sums[i] = ne ? OLI_CELL_NOT_DETERMINED : s;
        }
    }
    for (const OliColumn& c : col)
        if (c.sum) m.any_sum = true;
    return m;
}

// The table-wide extreme: the cell of the largest (or smallest) shown value, or both for the
// selectors 9999 and 999999; marked bold for 999 and -999 and those two, else underlined.
struct TableExtreme {
    int row = -1, col = -1, row2 = -1, col2 = -1;
    bool bold = false;
    bool at(int r, int i) const { return (r == row && i == col) || (r == row2 && i == col2); }
};

TableExtreme table_extreme(const std::vector<OliColumn>& col, const std::vector<int>& rows, int selector)
{
    TableExtreme e;
    const int ncols = int(col.size());
    if (selector == 0 || std::abs(selector) <= ncols) return e;
    bool want_max = selector > 0 && selector != -999;
    bool both = selector == 9999 || selector == 999999;
    e.bold = std::abs(selector) == 999 || both;
    double best = 0, worst = 0;
    for (int i = 0; i < ncols; ++i) {
        const OliColumn& c = col[size_t(i)];
        if (kind_of(c) != K_NUM || !c.values) continue;
        for (int r : rows) {
            double v = value_at(c, r);
            if (skipped_for_marks(v)) continue;
            if (e.row < 0 || v > best) { best = v; e.row = r; e.col = i; }
            if (e.row2 < 0 || v < worst) { worst = v; e.row2 = r; e.col2 = i; }
        }
    }
    if (!both) {
        if (!want_max) { e.row = e.row2; e.col = e.col2; }
        e.row2 = e.col2 = -1;
    }
    return e;
}

// Column widths: the given width, widened to the titles and unit (unless the widths are kept), to the
// largest value and by the footnote marks (*marks gets the mark widths).
std::vector<int> table_column_widths(const std::vector<OliColumn>& col, int nrows, int flags,
                                     const std::vector<int>& wide, std::vector<int>* marks)
{
    const size_t ncols = col.size();
    std::vector<int> w(ncols);
    marks->assign(ncols, 0);
    for (size_t i = 0; i < ncols; ++i) {
        const OliColumn& c = col[i];
        int width = c.width;
        if (!(flags & OLI_TABLE_KEEP_WIDTHS)) {
            std::string st = c.short_title;
            if (!st.empty() && (st[0] == '-' || st[0] == '+')) st.erase(0, 1);
            width = std::max(width, oli_visible_length(st.c_str()) + (i > 0 ? 1 : 0));
            std::string u = unit_text(c);
            width = std::max(width, u.empty() ? 1 : oli_visible_length(u.c_str()) + 1);
        }
        width = std::max(width, wide[i]);
        (*marks)[i] = longest_mark_for(c, nrows);
        width += (*marks)[i];
        w[i] = width;
    }
    return w;
}

// The header lines: group titles (a title "=" widens the group to its left), short titles, units.
struct TableHeader {
    bool has_title = false;
    std::string title_line, short_line, unit_line;
};

TableHeader table_header(const std::vector<OliColumn>& col, const std::vector<int>& w, const std::vector<int>& marks,
                         int flags)
{
    TableHeader h;
    const size_t ncols = col.size();
    for (const OliColumn& c : col)
        if (c.title[0]) h.has_title = true;
    int tp = 0, sp = 0, up = 0;
    bool seen_title = false;
    for (size_t i = 0; i < ncols; ++i) {
        const OliColumn& c = col[i];
        if (h.has_title) {
            if (std::strcmp(c.title, "=") == 0) {
                // covered by the group that started to its left
            } else if (c.title[0]) {
                seen_title = true;
                int span = w[i] + 1;
                for (size_t j = i + 1; j < ncols && std::strcmp(col[j].title, "=") == 0; ++j) span += w[j] + 1;
                int len = oli_visible_length(c.title);
                place(h.title_line, tp, c.title, centred_pad(span, len), span);
            } else if (seen_title) {
                place(h.title_line, tp, "", 0, w[i] + 1);
            }
        }
        place_in_column(h.short_line, sp, c.short_title, w[i] - marks[i], c.decimals, true);
        if (marks[i]) h.short_line += blanks(marks[i]), sp += marks[i];
        if (!(flags & OLI_TABLE_NO_UNITS)) {
            place_in_column(h.unit_line, up, unit_text(c), w[i] - marks[i], kind_of(c) == K_NUM ? c.decimals : 0,
                            false);
            if (marks[i]) h.unit_line += blanks(marks[i]), up += marks[i];
        }
    }
    return h;
}

// "#SHOWTABLE", the caption lines, the counts, the column boundaries and the header lines.
void write_table_head(FILE* stream, const std::vector<OliColumn>& col, const std::vector<int>& w, int flags,
                      const int* caption_counts, const char* const* caption_lines, const TableHeader& h)
{
    if (!(flags & OLI_TABLE_NO_MOVES)) OLI_setYPositionCM(stream, 1, 0.1f);
    if (caption_counts) {
        fprintf_if_open(stream, "#SHOWTABLE\n %d %d %d\n", caption_counts[0], caption_counts[1], caption_counts[2]);
        int n = caption_counts[0] + caption_counts[1] + caption_counts[2];
        for (int i = 0; i < n && caption_lines; ++i)
            fprintf_if_open(stream, " %s\n", caption_lines[i] ? caption_lines[i] : "");
    } else {
        fprintf_if_open(stream, "#SHOWTABLE\n 0 0 0\n");
    }
    int H = h.has_title ? 2 : 1, K = int(col.size()) - 1;
    fprintf_if_open(stream, (flags & OLI_TABLE_NO_UNITS) ? " %d 0 -1 -1 %d" : " %d 1 -1 -1 %d", H, K);
    if (flags & OLI_TABLE_EXTRA_FORMAT) fprintf_if_open(stream, " 0 0 0 0 0 0 0 %d", 2);
    fprintf_if_open(stream, "\n");
    if (K > 0) {
        double pos = 0, group_start = 0;
        for (int i = 0; i < K; ++i) {
            if (std::strcmp(col[size_t(i)].title, "=") != 0) group_start = pos;
            pos += w[size_t(i)] + 1;
            bool inside = std::strcmp(col[size_t(i + 1)].title, "=") == 0;
            fprintf_if_open(stream, " %f", inside ? group_start : pos);
        }
        fprintf_if_open(stream, "\n");
    }
    if (h.has_title) fprintf_if_open(stream, " %s\n", h.title_line.c_str());
    fprintf_if_open(stream, " %s\n", h.short_line.c_str());
    if (!(flags & OLI_TABLE_NO_UNITS)) fprintf_if_open(stream, " %s\n", h.unit_line.c_str());
}

// The shown rows in print order, reversed or without the rows of only zeros as the flags ask.
std::vector<int> table_row_order(const std::vector<OliColumn>& col, const std::vector<int>& rows, int flags)
{
    std::vector<int> order = rows;
    if (flags & OLI_TABLE_REVERSED) std::reverse(order.begin(), order.end());
    if (flags & OLI_TABLE_SKIP_ZERO_ROWS) {
        std::vector<int> kept;
        for (int r : order) {
            bool all_zero = true;
            for (const OliColumn& c : col)
                if (kind_of(c) == K_NUM && c.values && round_to_decimals(value_at(c, r) * c.factor, c.decimals) != 0)
                    all_zero = false;
            if (!all_zero) kept.push_back(r);
        }
        order = kept;
    }
    return order;
}

// The data rows with their underlines and bold cells, rules and separators.
void write_table_rows(FILE* stream, const std::vector<OliColumn>& col, const std::vector<int>& order,
                      const std::vector<int>& w, const ColumnMarks& m, const TableExtreme& e, const int* separator_rows)
{
    const TableState& ts = T();
    std::vector<char> cell(2048);
    for (size_t k = 0; k < order.size(); ++k) {
        int r = order[k];
        std::string line;
        for (size_t i = 0; i < col.size(); ++i) {
            const OliColumn& c = col[i];
            bool ul = (r == m.under_a[i] || r == m.under_b[i]) || (!e.bold && e.at(r, int(i)));
            bool bd = (r == m.bold_a[i] || r == m.bold_b[i]) || (c.bold_rows && c.bold_rows[r]) ||
                      (e.bold && e.at(r, int(i)));
            int key = c.footnote_keys ? c.footnote_keys[r] : 0;
            oli_table_cell(&c, c.values, r, w[i], c.width, c.decimals, c.factor, ul, bd, cell.data(), key);
            line += cell.data();
        }
        fprintf_if_open(stream, "%s", line.c_str());
        if (ts.rule_rows && ts.rule_rows[r])
            fprintf_if_open(stream, "\n \xCE{\xCEL 0 -1 -1 %f %f }", 0.5, 0.5);
        else if (separator_rows && separator_rows[r] && k + 1 < order.size())
            fprintf_if_open(stream, " \xCE{\xCEL 0 -1 -1 %f %f }", 1.0, 1.0);
        fprintf_if_open(stream, "\n");
    }
}

// The sum row: the sums ("n.e." where a value could not be given), the sum sign in the first
// column without a sum.
void write_table_sums(FILE* stream, const std::vector<OliColumn>& col, const std::vector<int>& w,
                      const std::vector<double>& sums)
{
    bool marked = false;
    std::string line;
    for (size_t i = 0; i < col.size(); ++i) {
        const OliColumn& c = col[i];
        std::string t;
        if (c.sum) {
            if (near(sums[i], OLI_CELL_NOT_DETERMINED)) t = right_align("n.e. ", w[i]);
            else t = number_text(sums[i], c.decimals, w[i]);
        } else {
            t = blanks(w[i]);
            if (!marked && !t.empty()) {
                size_t at = kind_of(c) == K_ZZ ? t.size() - 1 : std::min<size_t>(1, t.size() - 1);
                t[at] = '\xB2';
                marked = true;
            }
        }
        line += " " + t;
    }
    fprintf_if_open(stream, "%s \xCE{\xCEL 0 -1 -1 %f %f }\n", line.c_str(), 0.0, 0.0);
}

// The block end, the used footnotes and the extra lines under the table.
void write_table_end(FILE* stream, int flags, int n_extra, const char* const* extra_lines)
{
    TableState& ts = T();
    fprintf_if_open(stream, "#END_OF_TEXT\n");
    if (!(flags & OLI_TABLE_NO_MOVES)) OLI_setYPositionCM(stream, 1, -0.4f);
    if (!ts.footnotes.empty()) {
        OLI_reserveSpaceCM(stream, float(ts.footnotes.size() * 0.286));
        OLI_setYPositionCM(stream, 1, -0.114f);
        for (Footnote& f : ts.footnotes)
            if (f.used > 0) oli_remark(stream, "\xCE/%s\xCEr %s", f.mark.c_str(), f.text.c_str());
        OLI_setYPositionCM(stream, 1, 0.228f);
        OLI_setMarginsCM(stream, 1, float(oli_get_left_margin()), float(oli_get_right_margin()));
    }
    if (n_extra > 0 && extra_lines) {
        OLI_reserveSpaceCM(stream, float(n_extra * 0.286));
        OLI_setYPositionCM(stream, 1, -0.19f);
        for (int i = 0; i < n_extra; ++i) oli_remark(stream, "%s", extra_lines[i] ? extra_lines[i] : "");
        OLI_setYPositionCM(stream, 1, 0.19f);
    }
}

} // namespace

void OliTabelle(FILE* stream, int ncols, int nrows, const OliColumn* columns, const int* shown_rows,
                const int* separator_rows, int extreme_selector, int flags, const int* caption_counts,
                const char* const* caption_lines, int n_extra, const char* const* extra_lines)
{
    if (!stream || ncols <= 0 || nrows <= 0 || !columns) {
        if (flags & OLI_TABLE_LONG_TABLE_FLAGS) OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
        return;
    }
    TableState& ts = T();
    if (ts.allocated < ncols) {
        msg_set_mode(0);
        msg_print("Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert! -> Programmabbruch");
        std::exit(0);
    }
    const std::vector<OliColumn> col(columns, columns + ncols);
    if (flags & OLI_TABLE_START_FLAGS_BEFORE) {
        OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
    } else {
        if (flags & OLI_TABLE_LONG_TABLE_FLAGS) OLI_setFlags(stream, OLI_LIST_FLAGS_LONG_TABLE);
        if (nrows >= ts.row_limit) OLI_setFlags(stream, OLI_LIST_FLAGS_LONG_TABLE);
    }

    const std::vector<int> rows = table_rows_shown(col, nrows, flags, shown_rows);
    const ColumnMarks marks = table_column_marks(col, rows, nrows, flags);
    const TableExtreme extreme = table_extreme(col, rows, extreme_selector);
    std::vector<int> mark_widths;
    const std::vector<int> w = table_column_widths(col, nrows, flags, marks.wide, &mark_widths);
    write_table_head(stream, col, w, flags, caption_counts, caption_lines, table_header(col, w, mark_widths, flags));
    write_table_rows(stream, col, table_row_order(col, rows, flags), w, marks, extreme, separator_rows);
    if (marks.any_sum) write_table_sums(stream, col, w, marks.sums);
    write_table_end(stream, flags, n_extra, extra_lines);
    if (flags & OLI_TABLE_LONG_TABLE_FLAGS) OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
}

void oli_table_view_init(OliTableView* view, int nrows)
{
    if (!view) return;
    view->nrows = nrows < 0 ? 0 : nrows;
    view->flags = 0;
    view->key_column = -1;
    int n = view->nrows > 0 ? view->nrows : 1;
    view->shown_rows = static_cast<int*>(std::calloc(size_t(n), sizeof(int)));
    view->separator_rows = static_cast<int*>(std::calloc(size_t(n), sizeof(int)));
    view->rule_rows = static_cast<int*>(std::calloc(size_t(n), sizeof(int)));
    for (int i = 0; i < view->nrows && view->shown_rows; ++i) view->shown_rows[i] = 1;
}

void oli_table_view_free(OliTableView* view)
{
    if (!view) return;
    std::free(view->shown_rows);
    std::free(view->separator_rows);
    std::free(view->rule_rows);
    view->shown_rows = view->separator_rows = view->rule_rows = nullptr;
    view->nrows = 0;
}

void oli_table_visible_columns(FILE* stream, int nrows, int ncols, const OliColumn* columns,
                               const OliTableView* view)
{
    OliTableView all;
    bool own = false;
    if (!view) {
        oli_table_view_init(&all, nrows);
        view = &all;
        own = true;
    }
    T().key_column = view->key_column;
    T().rule_rows = view->rule_rows;
    OliTabelle(stream, ncols, nrows, columns, view->shown_rows, view->separator_rows, 0, view->flags, nullptr,
               nullptr, 0, nullptr);
    T().key_column = -1;
    T().rule_rows = nullptr;
    if (own) oli_table_view_free(&all);
}
