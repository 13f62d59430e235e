#include "sheets/heading_strips.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/screen/screen.h"
#include "sheets/form_picture.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

namespace {

constexpr int STRIP_MARGIN = 8;
constexpr int DEFAULT_WIDTH = 63, DEFAULT_GAP = 5, DEFAULT_VALUE = 6;
constexpr int COLUMN_STEP = 68;
constexpr int LEGEND_ROW = 18, LEGEND_MIN = 50;
constexpr int SYMBOL_ROW = 31, UNIT_ROW = 15, SINGLE_ROW = 16, RULE_ROW = 9;

void copy_cut(char* to, size_t size, const char* from)
{
    std::snprintf(to, size, "%s", from ? from : "");
}

void column_defaults(HeadingColumn* c, int index)
{
    std::memset(c, 0, sizeof *c);
    copy_cut(c->description, sizeof c->description, "Welcher Faktor ?");
    copy_cut(c->symbol, sizeof c->symbol, "???");
    copy_cut(c->unit, sizeof c->unit, "???");
    c->x_offset = COLUMN_STEP * index;
    c->value = DEFAULT_VALUE;
    c->width = DEFAULT_WIDTH;
    c->gap = DEFAULT_GAP;
}

HeadingColumn* default_columns(HeadingColumn* old, int n)
{
    if (n < 1) {
        std::free(old);
        return nullptr;
    }
    auto* columns = static_cast<HeadingColumn*>(std::realloc(old, sizeof(HeadingColumn) * n));
    if (columns == nullptr) {
        std::free(old);
        return nullptr;
    }
    for (int i = 0; i < n; ++i) column_defaults(&columns[i], i);
    return columns;
}

int centre_of(int x, const HeadingColumn& c) { return x + c.x_offset + form_round(c.width / 2.0); }

// A text item centred on cx, as the strips place their symbols and units.
void centred_text(int cx, int y, const char* text)
{
    int w = text_width_in_font(text, form_get_font_flags());
    sva_add_text(form_current_sheet(), cx - form_round(w / 2.0), y, text, form_get_font_flags(),
                 form_get_text_colour(), 0);
}

int unit_grey() { return Nearest_RGB_Color(160, 160, 164); }

}  // namespace

void heading_strip_init(HeadingStrip* strip, int n, HeadingColumn** columns)
{
    int first = strip->first, left = strip->left_width;
    std::memset(strip, 0, sizeof *strip);
    strip->first = first;
    strip->left_width = left;
    strip->reserved[1] = strip->reserved[2] = 1;
    strip->minimum_end = -1;
    if (columns) *columns = default_columns(*columns, n);
}

void heading_strip_reset(HeadingStrip* strip, int n)
{
    HeadingColumn* own = strip->columns;
    std::memset(strip, 0, sizeof *strip);
    strip->reserved[1] = strip->reserved[2] = 1;
    strip->minimum_end = -1;
    strip->columns = default_columns(own, n);
    strip->capacity = strip->columns ? n : 0;
}

void heading_strip_free(HeadingStrip* strip)
{
    strip->count = 0;
    std::free(strip->columns);
    strip->columns = nullptr;
    strip->capacity = 0;
}

int heading_strip_width(const HeadingStrip* strip)
{
    int w = strip->left_width + STRIP_MARGIN;
    for (int i = 0; i < strip->count; ++i) w += strip->columns[i].width + strip->columns[i].gap;
    return w;
}

// A column past the room reserved by heading_strip_reset is not written (null).
HeadingColumn* heading_strip_add_column(HeadingStrip* strip, const char* description, const char* symbol,
                                        const char* subscript, const char* unit, int value, int width, int gap)
{
    if (strip->count >= strip->capacity) return nullptr;
    int x = heading_strip_width(strip);
    HeadingColumn* c = &strip->columns[strip->count];
    copy_cut(c->description, sizeof c->description, description);
    copy_cut(c->symbol, sizeof c->symbol, symbol);
    copy_cut(c->subscript, sizeof c->subscript, subscript);
    copy_cut(c->unit, sizeof c->unit, unit);
    c->x_offset = x;
    c->value = value;
    c->width = width;
    c->gap = gap;
    ++strip->count;
    return c;
}

void heading_strip_draw(int x, int y, int, int n, const HeadingColumn* columns)
{
    if (n < 1 || columns == nullptr) return;
    form_set_font_flags(FORM_BOLD | FORM_FONT_NORMAL);
    form_set_text_colour(BLACK_CI);
    for (int i = 0; i < n; ++i) {
        const HeadingColumn& c = columns[i];
        if (c.subscript[0])
            form_label_with_unit(centre_of(x, c), y - SYMBOL_ROW, c.symbol, c.subscript, 2, 4, nullptr);
        else
            centred_text(centre_of(x, c), y - SYMBOL_ROW, c.symbol);
    }
    form_set_font_flags(FORM_FONT_NORMAL);
    form_set_text_colour(unit_grey());
    for (int i = 0; i < n; ++i) centred_text(centre_of(x, columns[i]), y - UNIT_ROW, columns[i].unit);
    form_set_text_colour(BLACK_CI);
    form_set_line_style(1);
    const HeadingColumn& last = columns[n - 1];
    form_draw_thin_line(x, y - RULE_ROW, x + last.x_offset + last.width + last.gap, y - RULE_ROW);
}

void heading_strip_draw_auto(int x, int y, const HeadingStrip* strip)
{
    int flags = form_get_font_flags(), colour = form_get_text_colour();
    bool units = false;
    for (int i = 0; i < strip->count; ++i) units = units || strip->columns[i].unit[0];
    form_set_font_flags(FORM_BOLD | FORM_FONT_NORMAL);
    form_set_text_colour(BLACK_CI);
    for (int i = 0; i < strip->count; ++i)
        centred_text(centre_of(x, strip->columns[i]) - 4, y - (units ? SYMBOL_ROW : SINGLE_ROW),
                     strip->columns[i].symbol);
    if (units) {
        form_set_font_flags(FORM_FONT_NORMAL);
        form_set_text_colour(unit_grey());
        for (int i = 0; i < strip->count; ++i)
            centred_text(centre_of(x, strip->columns[i]) - 4, y - UNIT_ROW, strip->columns[i].unit);
    }
    int end = x + heading_strip_width(strip);
    if (strip->minimum_end > 0 && strip->minimum_end > end) end = strip->minimum_end;
    form_set_line_style(1);
    form_set_text_colour(BLACK_CI);
    form_draw_thin_line(x, y - RULE_ROW, end, y - RULE_ROW);
    form_set_font_flags(flags);
    form_set_text_colour(colour);
}

void heading_strip_legend(int x, int y, int n, const HeadingColumn* columns)
{
    int d = LEGEND_MIN;
    for (int i = 0; i < n; ++i) {
        if (!columns[i].description[0]) continue;
        int w = 8 * static_cast<int>(std::strlen(columns[i].symbol)) +
                6 * static_cast<int>(std::strlen(columns[i].subscript)) + 5;
        if (w > d) d = w;
    }
    form_set_font_flags(FORM_FONT_NORMAL);
    form_set_text_colour(Nearest_RGB_Color(128, 128, 128));
    for (int i = 0; i < n; ++i) {
        const HeadingColumn& c = columns[i];
        if (!c.description[0]) continue;
        if (c.subscript[0])
            form_label_subscript(x, y, c.symbol, c.subscript, nullptr);
        else
            form_label(x, y, c.symbol, nullptr);
        sva_add_text(form_current_sheet(), x + d, y, c.description, form_get_font_flags(), form_get_text_colour(), 0);
        y += LEGEND_ROW;
    }
}
