#include "output/oli_paragraph.h"
#include "platform/os/c_numeric.h"
#include "output/oli_glyphs.h"
#include "output/oli_format.h"
#include "output/grf_state.h"
#include "output/oli_text_block.h"
#include "output/oli_writer.h"
#include "helpers/print_helpers.h"
#include "helpers/rounding.h"
#include "national_annex/nad_registry.h"
#include "platform/layout/oli_layout.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Para {
    int mode = 7;
    int trim = 0;
    std::string last;
    int col_mode = 7;
    int col_count = 0;
    int col_index = -1;
    bool col_open = false;
    bool col_restart = false;
    bool col_first_without_tab = false;
    std::vector<double> col_stops;
};

Para& P()
{
    static Para p;
    return p;
}

bool new_layout() { return oli_get_layout_version() > 334; }

std::string trim_zeros(const std::string& t)
{
    std::string out;
    size_t i = 0;
    while (i < t.size()) {
        char c = t[i];
        if (c == '.' && i > 0 && std::isdigit(static_cast<unsigned char>(t[i - 1]))) {
            size_t j = i + 1;
            while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
            if (j > i + 1) {
                std::string digits = t.substr(i + 1, j - i - 1);
                while (!digits.empty() && digits.back() == '0') digits.pop_back();
                if (!digits.empty()) out += "." + digits;
                i = j;
                continue;
            }
            if (i + 1 < t.size()) {  // a point after a number, not at the end: dropped
                ++i;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

void write_first_generation_text(FILE* stream, const std::string& text)
{
    std::string t = text;
    if (t.empty() || t.back() != '\n') t += "\n";
    fprintf_if_open(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    fprintf_if_open(stream, " %s", t.c_str());
    bool extra = t.find("\xCE_") != std::string::npos;
    if (extra) fprintf_if_open(stream, " \n");
    fprintf_if_open(stream, "#END_OF_TEXT\n");
    if (extra) OLI_setYPositionCM(stream, 1, -0.38f);
    OLI_setYPositionCM(stream, 1, -0.6011333f);
}

void text_in_mode(FILE* stream, int mode, const std::string& text)
{
    oli_text_set_mode(mode);
    oli_text_printf(stream, "%s", text.c_str());
    if (text.empty() || text.back() != '\n') oli_text_printf(stream, "\n");
    oli_text_end_block(stream);
}

void caption_line(FILE* stream, const char* counts, double move, const std::string& text)
{
    std::string t = text;
    if (t.empty() || t.back() != '\n') t += "\n";
    fprintf_if_open(stream, "#SHOWTABLE\n%s\n", counts);
    fprintf_if_open(stream, " %s", t.c_str());
    fprintf_if_open(stream, " 0 0 0 0\n");
    OLI_setYPositionCM(stream, 1, float(move));
}

void remark(FILE* stream, const std::string& text)
{
    if (!stream) return;
    if (new_layout()) text_in_mode(stream, 3, text);
    else caption_line(stream, " 0 0 1", -0.85, text);
}

void warning_mark(FILE* stream)
{
    double left = oli_get_left_margin(), right = oli_get_right_margin();
    OLI_setYPositionCM(stream, 1, -0.38f);
    OLI_setMarginsCM(stream, 1, float(oli_get_page_width()), float(right));
    oli_text(stream, "\xCE" "b!!");
    OLI_setMarginsCM(stream, 1, float(left), float(right));
}

bool relation_holds(double a, const char* relation, double b, int decimals)
{
    double d = double(round_to_decimals(a - b, decimals));
    std::string r = relation ? relation : "";
    if (r == "<=" || r == "=<") return d <= 0;
    if (r == ">=" || r == "=>") return d >= 0;
    if (r == "<") return d < 0;
    if (r == ">") return d > 0;
    return true;
}

} // namespace

void oli_paragraph_state_reset() { P() = Para(); }

int oli_text(FILE* stream, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    if (P().trim) t = trim_zeros(t);
    int size = int(t.size()) + 20;
    std::vector<char> buf(size_t(size) + 64, 0);
    std::memcpy(buf.data(), t.data(), t.size());
    replace_keeping_codes(buf.data(), "\xFD", "\xCE/2\xCEr", size);
    replace_keeping_codes(buf.data(), "\xFA", "\xCE/3\xCEr", size);
    std::string text(buf.data());
    if (int(text.size()) > size - 1) text.resize(size_t(size - 1));
    P().last = text;
    if (!stream) return -1;
    if (new_layout()) text_in_mode(stream, P().mode, text);
    else write_first_generation_text(stream, text);
    return 0;
}

const char* oli_text_last() { return P().last.c_str(); }
void oli_set_text_mode(int mode) { P().mode = mode; }
int oli_get_text_mode() { return P().mode; }
void oli_set_trim_zeros(int on) { P().trim = on; }
int oli_get_trim_zeros() { return P().trim; }

void oli_text_with_warning(FILE* stream, const char* text, int ok)
{
    oli_text(stream, "%s", text ? text : "");
    if (ok || !stream) return;
    warning_mark(stream);
}

void oli_text_at_tab(FILE* stream, double position, const char* text)
{
    if (!stream) return;
    std::string t = text ? text : "";
    oli_text_set_mode(P().mode);
    oli_text_set_tabs(50, nullptr, &position, 1);
    oli_text_printf(stream, "%s", t.c_str());
    if (t.empty() || t.back() != '\n') oli_text_printf(stream, "\n");
    oli_text_clear_tabs();
    oli_text_end_block(stream);
}

void oli_text_at_tab_printf(FILE* stream, double position, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    oli_text_at_tab(stream, position, t.c_str());
}

void oli_remark(FILE* stream, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    remark(stream, t);
}

void oli_remark_forced(FILE* stream, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    remark(stream, t);
}

void oli_centred_line(FILE* stream, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    if (!stream) return;
    if (new_layout()) text_in_mode(stream, 5, t);
    else caption_line(stream, " 1 0 0", -0.9, t);
}

void oli_version_line(FILE* stream, const char* program_folder)
{
    std::string folder = program_folder ? program_folder : "";
    if (folder.size() > 99) folder.resize(99);
    const char* version = read_application_version(folder.c_str());
    std::string text;
    if (!version) {
        std::string upper = folder;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        text = upper + " Version: ???";
    } else {
        text = version;
        if (text.empty()) return;
    }
    double old_left = oli_get_left_margin();
    double left = old_left + oli_get_page_width() + 1 - 0.13333 * double(text.size());
    oli_set_left_margin(stream, left);
    oli_remark(stream, "%s", text.c_str());
    oli_set_left_margin(stream, old_left);
}

// ---- relations and check lines ------------------------------------------------------------

const char* relation_sign(double a, double b, int decimals, double tolerance)
{
    double d = double(round_to_decimals(a - b, decimals));
    if (d == 0) return "=";
    if ((round_to_decimals(a, 5) != 0 && tolerance > std::fabs(1 - b / a)) ||
        (round_to_decimals(b, 5) != 0 && tolerance > std::fabs(1 - a / b)))
        return "\xF7";
    return d < 0 ? "<" : ">";
}

const char* relation_sign_plain(double a, double b, int decimals)
{
    double d = double(round_to_decimals(a - b, decimals));
    if (d == 0) return "=";
    return d < 0 ? "<" : ">";
}

const char* oli_check_line_text(double a, double b, int decimals, double tolerance, int kind,
                                const char* name, const char* unit)
{
    static char buf[512];
    std::string u = unit ? std::string(" ") + unit : std::string();
    c_snprintf(buf, sizeof buf, "%.*f%s %s %.*f%s", decimals, a, u.c_str(),
                  relation_sign(a, b, decimals, tolerance), decimals, b, u.c_str());
    if (name) {
        double d = double(round_to_decimals(a - b, decimals));
        const double* shown = nullptr;
        if (kind == 3) { if (d < 0) shown = &b; }
        else if (kind == 4) { if (d > 0) shown = &b; }
        else if (kind == 2) { if (d > 0) shown = &a; }
        else if (d < 0) shown = &a;
        if (shown) {
            size_t n = std::strlen(buf);
            c_snprintf(buf + n, sizeof buf - n, "  " OLI_ARROW "%s = %.*f%s", name, decimals, *shown, u.c_str());
        }
    }
    return buf;
}

char* oli_check_relation_text(const char* name, double a, const char* relation, double b, int decimals,
                              char* buffer)
{
    if (!buffer) return buffer;
    char tmp[256];
    c_snprintf(tmp, sizeof tmp, "%.*f %s %.*f", decimals, a, relation_sign_plain(a, b, decimals), decimals, b);
    if (!relation_holds(a, relation, b, decimals)) {
        size_t n = std::strlen(tmp);
        c_snprintf(tmp + n, sizeof tmp - n, "  " OLI_ARROW "  %s = %.*f", name ? name : "", decimals, b);
    }
    std::strcpy(buffer, tmp);
    return buffer;
}

int oli_limit_check_line(FILE* stream, const char* prefix, double value, const char* relation, double limit,
                         int decimals, const char* unit, const char* ok_text, const char* fail_text)
{
    bool ok = relation_holds(value, relation, limit, decimals);
    char rel[256];
    c_snprintf(rel, sizeof rel, "%.*f %s %.*f", decimals, value, relation_sign_plain(value, limit, decimals),
                  decimals, limit);
    const char* bold = ok ? "" : "\xCE" "b";
    oli_text(stream, "%s %s%s\xCEr %s %s%s", prefix ? prefix : "", bold, rel, unit ? unit : "", bold,
             ok ? (ok_text ? ok_text : "") : (fail_text ? fail_text : ""));
    if (!ok && fail_text && stream) warning_mark(stream);
    return ok ? 1 : 0;
}

// ---- code helpers -------------------------------------------------------------------------

int has_open_code(const char* text, char code, int position)
{
    if (!text) return 0;
    int n = int(std::strlen(text));
    if (position > n) position = n;
    int last = -1, reset = -1;
    for (int i = 0; i < position && i + 1 < n; ++i) {
        if (static_cast<unsigned char>(text[i]) != 0xCE) continue;
        if (text[i + 1] == code) last = i;
        else if (text[i + 1] == 'r') reset = i;
    }
    return (last >= 0 && reset < last) ? 1 : 0;
}

int has_open_subscript(const char* text, int position) { return has_open_code(text, '\\', position); }
int has_open_superscript(const char* text, int position) { return has_open_code(text, '/', position); }
int has_open_underscore_code(const char* text, int position) { return has_open_code(text, '_', position); }
int has_open_bold(const char* text, int position) { return has_open_code(text, 'b', position); }
int has_open_s_code(const char* text, int position) { return has_open_code(text, 's', position); }

char* replace_keeping_codes(char* text, const char* pattern, const char* replacement, int size)
{
    if (!text || !pattern || !*pattern || !replacement || size <= 0) return text;
    std::string in(text), out;
    size_t plen = std::strlen(pattern);
    size_t i = 0;
    while (i < in.size()) {
        if (in.compare(i, plen, pattern) == 0) {
            out += replacement;
            static const char codes[] = {'\\', '/', '_', 'u', 'b', 's'};
            for (char c : codes)
                if (has_open_code(in.c_str(), c, int(i))) {
                    out += '\xCE';
                    out += c;
                }
            i += plen;
        } else {
            out += in[i++];
        }
    }
    if (int(out.size()) > size - 1) out.resize(size_t(size - 1));
    std::memcpy(text, out.c_str(), out.size() + 1);
    return text;
}

int trimmed_length(const char* text)
{
    if (!text) return 0;
    int n = int(std::strlen(text));
    while (n > 0 && text[n - 1] == ' ') --n;
    return n;
}

const char* relation_text_le(float a, float b)
{
    static char t[2];
    t[0] = a < b ? '<' : (a > b ? '>' : '\xF3');
    t[1] = 0;
    return t;
}

const char* relation_text_ge(float a, float b)
{
    static char t[2];
    t[0] = a < b ? '<' : (a > b ? '>' : '\xF2');
    t[1] = 0;
    return t;
}

const char* oli_sprintf_static(const char* format, ...)
{
    static char buf[100];
    va_list ap;
    va_start(ap, format);
    int n = format ? c_vsnprintf(buf, sizeof buf, format, ap) : -1;
    va_end(ap);
    if (n < 0) buf[0] = 0;
    return buf;
}

// ---- tab columns --------------------------------------------------------------------------

void oli_columns_set_mode(int mode) { P().col_mode = mode; }
int oli_columns_get_mode() { return P().col_mode; }

void oli_columns_open(int count, const double* positions)
{
    Para& p = P();
    if (count <= 0 || !positions) return;
    if (p.col_open) p.col_restart = true;
    p.col_stops.clear();
    if (round_to_decimals(positions[0], 2) != 0) {
        p.col_stops.assign(positions, positions + count);
        p.col_first_without_tab = false;
    } else {
        p.col_stops.assign(positions + 1, positions + count);
        p.col_first_without_tab = true;
    }
    oli_text_set_tabs(2, nullptr, p.col_stops.data(), int(p.col_stops.size()));
    p.col_count = count;
    p.col_index = 0;
    p.col_open = true;
}

void oli_columns_open2(double a, double b)
{
    double v[2] = {a, b};
    oli_columns_open(2, v);
}

void oli_columns_open3(double a, double b, double c)
{
    double v[3] = {a, b, c};
    oli_columns_open(3, v);
}

void oli_columns_cell(FILE* stream, const char* format, ...)
{
    Para& p = P();
    if (!p.col_open || p.col_index < 0) return;
    if (p.col_restart) {
        // Ending the earlier columns' block drops the pending stops: the new columns set theirs again.
        oli_text_end_block(stream);
        oli_text_set_tabs(2, nullptr, p.col_stops.data(), int(p.col_stops.size()));
        p.col_restart = false;
    }
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    oli_text_set_mode(p.col_mode);
    if (p.col_index == p.col_count - 1) t += "\n";
    if (p.col_index == 0 && p.col_first_without_tab) oli_text_printf(stream, "%s", t.c_str());
    else oli_text_printf(stream, "\xCEt%s", t.c_str());
    p.col_index = (p.col_index + 1) % p.col_count;
}

void oli_columns_close(FILE* stream)
{
    Para& p = P();
    oli_text_end_block(stream);
    p.col_open = false;
    p.col_index = -1;
    p.col_restart = false;
}
