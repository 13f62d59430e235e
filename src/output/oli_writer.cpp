#include "output/oli_writer.h"
#include "platform/os/c_numeric.h"
#include "output/oli_format.h"
#include "output/oli_message_hints.h"
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "output/oli_text_block.h"
#include "helpers/print_helpers.h"
#include "platform/layout/oli_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

namespace {

struct Writer {
    double page_width = 17.0;
    float left = 0, right = 0;
    int counters[6] = {0, 0, 0, 0, 0, 0};
    int numbered = 3;
    int size_code[6] = {1, 1, 1, 1, 1, 1};
    double number_width[6] = {0.28, 0.28, 0.28, 0.28, 0.28, 0.28};
    bool number_blank = false;
    bool no_numbers = false;
    int bookmark_depth = 2;
    int bookmark_top = 3;
    int open_level = -1;
    std::string last_number = "???";
    int output_on = 1;
    bool slot_used[10] = {};
};

Writer& W()
{
    static Writer w;
    return w;
}

int clamp_level(int level) { return level < 1 ? 1 : (level > 6 ? 6 : level); }

double width_of(int code) { return code == 1 ? 0.28 : 0.48; }

void set_margins(FILE* stream)
{
    OLI_setMarginsCM(stream, 1, W().left, W().right);
}

// Numbering shared by the text and the graphic form; returns the number text.
std::string number_heading(int level)
{
    Writer& w = W();
    int n = std::min(level, 6);
    w.numbered = std::max(std::max(w.numbered, 1), n);
    w.counters[n - 1] += 1;
    for (int i = n; i < 6; ++i) w.counters[i] = 0;
    std::string number;
    char part[16];
    for (int i = 0; i < n; ++i) {
        c_snprintf(part, sizeof part, "%d.", w.counters[i]);
        number += part;
    }
    w.last_number = number;
    return number;
}

void bookmark(FILE* stream, int level, int with_bookmark, int kind, const std::string& text)
{
    if (with_bookmark && std::min(level, 6) <= W().bookmark_depth)
        OLI_setBookmark(stream, kind, text.c_str());
}

// Heading in the text-block form (layout version above 334).
void heading_text_form(FILE* stream, int level, const std::string& text, int with_bookmark, int kind)
{
    Writer& w = W();
    std::string number = number_heading(level);
    if (!stream) return;
    if (w.output_on) {
        OLI_setMarginsCM(stream, 1, 0, w.right);
        OLI_setYPositionCM(stream, 1, 0.254f);
        OLI_reserveSpaceCM(stream, 3.0f);
    }
    std::string line, mark;
    double indent = 0;
    if (w.no_numbers) {
        line = mark = text;
    } else if (w.number_blank) {
        line = "\xCE@" + number + " " + text;
        mark = line;
    } else {
        line = "\xCE@" + number + "\xCEt" + text;
        mark = "\xCE@" + number + " " + text;
        indent = oli_heading_indent();
        oli_text_set_tabs(17, nullptr, &indent, 1);
    }
    bookmark(stream, level, with_bookmark, kind, mark);
    if (!w.output_on) return;
    if (level == 1) {
        oli_text_set_mode(5);
        oli_text_printf(stream, "%s\n", line.c_str());
        oli_text_add_space(0.1);
        oli_text_end_block(stream);
        OLI_setYPositionCM(stream, 1, 0.1f);
    } else {
        oli_text_set_mode(4);
        oli_text_printf(stream, "\xCEH%s\xCEr\n", line.c_str());
        oli_text_end_block(stream);
    }
    w.left = float(indent);
    set_margins(stream);
}

// Heading as a graphic block (layout version up to 334).
void heading_graphic_form(FILE* stream, int level, const std::string& text, int with_bookmark, int kind)
{
    Writer& w = W();
    std::string number = number_heading(level);
    if (!stream) return;
    double height = level == 1 ? 0.8 : 0.7;
    double y = level == 1 ? 0.2 : 0.1;
    int font = level == 1 ? 5 : 4;
    OLI_setMarginsCM(stream, 1, 0, w.right);
    OLI_reserveSpaceCM(stream, 3.0f);
    fprintf_if_open(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    fprintf_if_open(stream, "%d\n", -1);
    fprintf_if_open(stream, " %lf %lf %lf %lf\n", 0.0, 17.0, 0.0, height);
    fprintf_if_open(stream, " 7 %d\n", font);
    int repeats = (level == 2 || level == 3) ? 4 : 1;
    double indent = w.no_numbers || w.number_blank ? 0 : oli_heading_indent();
    for (int r = 0; r < repeats; ++r) {
        double dx = 0.01 * r;
        if (w.no_numbers) {
            fprintf_if_open(stream, " 2 %lf %lf \xAE%s\xAF\n", dx, y, text.c_str());
        } else if (w.number_blank) {
            fprintf_if_open(stream, " 2 %lf %lf \xAE%s %s\xAF\n", dx, y, number.c_str(), text.c_str());
        } else {
            int n = std::min(level, 6);
            for (int i = 0; i < n; ++i)
                fprintf_if_open(stream, " 2 %lf %lf \xAE%d.\xAF\n", i * w.number_width[i] + dx, y, w.counters[i]);
            fprintf_if_open(stream, " 2 %lf %lf \xAE%s\xAF\n", indent + dx, y, text.c_str());
        }
    }
    fprintf_if_open(stream, " -1\n");
    std::string mark = w.no_numbers ? text : "\xCE@" + number + " " + text;
    bookmark(stream, level, with_bookmark, kind, mark);
    OLI_setYPositionCM(stream, 1, -0.6f);
    w.left = float(indent);
    set_margins(stream);
}

void heading_form(FILE* stream, int level, const std::string& text, int with_bookmark, int kind)
{
    if (oli_get_layout_version() > 334)
        heading_text_form(stream, level, text, with_bookmark, kind);
    else
        heading_graphic_form(stream, level, text, with_bookmark, kind);
}

// Title line (level 0): mode 4, no number, no bookmark.
void title_line(FILE* stream, const std::string& text)
{
    int old_mode = oli_text_get_mode();
    OLI_setYPositionCM(stream, 1, 0.114f);
    oli_text_set_mode(4);
    oli_text_printf(stream, "\xCEH%s\xCEr\n", text.c_str());
    if (old_mode != 4) oli_text_set_mode(old_mode);
    oli_text_end_block(stream);
}

enum HeadingKind { FULL, NO_BOOKMARK, GIVEN_KIND, SILENT };

void heading(FILE* stream, int level, HeadingKind how, int given_kind, const std::string& text)
{
    Writer& w = W();
    if (!stream || level < 0) return;
    if (level == 0) {
        if (how != SILENT) title_line(stream, text);
        return;
    }
    int kind = 0;
    int with_bookmark = 1;
    if (how == FULL || how == SILENT) {
        int top = std::min(w.bookmark_depth - 1, w.bookmark_top);
        if (level >= 1 && level <= top) {
            int closes = 0;
            if (w.open_level == level) closes = 1;
            else if (w.open_level > level) closes = w.open_level - level + 1;
            for (int i = 0; i < closes; ++i) OLI_setBookmark(stream, 17, nullptr);
            w.open_level = level;
            kind = 16;
        }
    } else if (how == NO_BOOKMARK) {
        with_bookmark = 0;
    } else {
        kind = given_kind;
    }
    if (how == SILENT) w.output_on = 0;
    heading_form(stream, level, text, with_bookmark, kind);
    w.output_on = 1;
    if (level == 1 && how != SILENT) OLI_setYPositionCM(stream, 1, -0.19f);
}

} // namespace

void oli_writer_state_reset()
{
    W() = Writer();
}

void oli_writer_init(int levels, int size_code, int options)
{
    Writer& w = W();
    for (int i = 0; i < 6; ++i) {
        w.counters[i] = 0;
        w.size_code[i] = size_code;
        w.number_width[i] = width_of(size_code);
    }
    w.numbered = std::min(levels, 6);
    w.open_level = -1;
    w.number_blank = (options & 1) != 0;
    w.no_numbers = (options & 2) != 0;
    oli_message_hints_register();
}

void oli_set_heading_sizes(const int* codes)
{
    Writer& w = W();
    for (int i = 0; i < w.numbered && codes; ++i) w.size_code[i] = codes[i];
    for (int i = 0; i < 6; ++i) w.number_width[i] = width_of(w.size_code[i]);
}

void oli_set_bookmark_depth(int n) { W().bookmark_depth = n; }
void oli_set_bookmark_top(int n) { W().bookmark_top = n; }
int oli_heading_counter_get(int level) { return W().counters[clamp_level(level) - 1]; }
void oli_heading_counter_set(int level, int value) { W().counters[clamp_level(level) - 1] = value; }
void oli_heading_counter_increment(int level) { W().counters[clamp_level(level) - 1] += 1; }
const char* oli_last_heading_number() { return W().last_number.c_str(); }
void oli_numbers_off() { W().no_numbers = true; }
void oli_numbers_on() { W().no_numbers = false; }
int oli_numbered_levels() { return W().numbered; }

double oli_heading_indent()
{
    Writer& w = W();
    double sum = 0;
    for (int i = 0; i < w.numbered && i < 6; ++i) sum += w.number_width[i];
    if (w.numbered == 3) return sum + 0.3;
    if (w.numbered == 4) return sum + 0.2;
    return sum + 0.35;
}

void oli_heading(FILE* stream, int level, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    heading(stream, level, FULL, 0, t);
}

void oli_heading_no_bookmark(FILE* stream, int level, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    heading(stream, level, NO_BOOKMARK, 0, t);
}

void oli_heading_bookmark_kind(FILE* stream, int level, int kind, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    heading(stream, level, GIVEN_KIND, kind, t);
}

void oli_heading_silent(FILE* stream, int level, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string t = oli_vformat(format, ap, 255);
    va_end(ap);
    heading(stream, level, SILENT, 0, t);
}

void oli_close_bookmarks(FILE* stream)
{
    for (int i = 1; i <= W().open_level; ++i) OLI_setBookmark(stream, 17, nullptr);
}

double oli_get_page_width() { return W().page_width; }
void oli_set_page_width(double cm) { W().page_width = cm; }
double oli_get_left_margin() { return W().left; }
double oli_get_right_margin() { return W().right; }

void oli_set_left_margin(FILE* stream, double cm)
{
    W().left = float(cm);
    set_margins(stream);
}

void oli_set_right_margin(FILE* stream, double cm)
{
    W().right = float(cm);
    set_margins(stream);
}

void oli_move_lines(FILE* stream, double n) { if (stream) OLI_setYPositionCM(stream, 1, float(n * 0.38)); }
void oli_move_cm(FILE* stream, double cm) { if (stream) OLI_setYPositionCM(stream, 1, float(cm)); }
void oli_y_position_mode4(FILE* stream) { if (stream) OLI_setYPositionCM(stream, 4, 0); }
void oli_reserve_lines(FILE* stream, double n) { if (stream) OLI_reserveSpaceCM(stream, float(n * 0.38)); }
void oli_reserve_small_lines(FILE* stream, double n) { if (stream) OLI_reserveSpaceCM(stream, float(n * 0.286)); }

int oli_store_position(FILE* stream)
{
    if (!stream) return -1;
    for (int i = 0; i < 10; ++i)
        if (!W().slot_used[i]) {
            W().slot_used[i] = true;
            OLI_storeYPosition(stream, i);
            return i;
        }
    console_printf("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    std::fflush(nullptr);
    return -1;
}

void oli_restore_position(FILE* stream, int slot)
{
    if (!stream || slot < 0 || slot > 9 || !W().slot_used[slot]) return;
    OLI_restoreYPosition(stream, slot);
    W().slot_used[slot] = false;
}

void oli_return_to_position(FILE* stream, int slot)
{
    if (!stream || slot < 0 || slot > 9 || !W().slot_used[slot]) return;
    OLI_restoreYPosition(stream, slot);
}

void oli_release_position(int slot)
{
    if (slot >= 0 && slot <= 9) W().slot_used[slot] = false;
}

void oli_reset_positions()
{
    for (bool& b : W().slot_used) b = false;
}

int chars_per_line(int font)
{
    static const int table[11] = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};
    int base = (font >= 0 && font <= 10) ? table[font] : 96;
    Writer& w = W();
    double v = base * (w.page_width - w.left) / w.page_width;
    return int(std::round(v));
}

int chars_per_line_current() { return chars_per_line(oli_get_text_mode()); }
