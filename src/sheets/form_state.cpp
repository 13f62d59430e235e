#include "sheets/form_state.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/screen/fonts.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/input.h"
#include "platform/screen/screen.h"
#include "sheets/form_tooltips.h"
#include "sheets/view_areas.h"

namespace {

struct FormState {
    int current = -1;
    int flags = FORM_FONT_NORMAL;
    int text_colour = 0;
    int background = 0;
    int origin_x = -1000, origin_y = -1000;
    int escape = -1;
    int* dx = nullptr;
    int* dy = nullptr;
};
FormState g_form;

FormArea g_areas[FORM_MAX_AREAS];
int g_area_count = 0;

constexpr int FORMAT_LIMIT = 255;   // characters of a formatted label
constexpr int POINTER_HAND = 18;    // pointer shape over a clickable label

int measure(const char* text, int n) { return n > 0 ? text_pixel_width(text, n) : 0; }

// The colour of a label: the text colour when active, else the inactive grey.
int label_colour(const int* active)
{
    return (active == nullptr || *active) ? g_form.text_colour : form_inactive_colour();
}

// The raw width of a coded text in the given font, style bits removed.
int raw_width(const char* text, int flags)
{
    Pop_RFont(flags & ~FORM_STYLE_BITS);
    int w = coded_text_width(text);
    Push_RFont();
    return w;
}

int add_text(int x, int y, const char* text, int flags, int colour)
{
    return sva_add_text(g_form.current, x, y, text, flags, colour, 0);
}

int shift_for_alignment(int x, int width, int alignment)
{
    if (alignment == 1) return x - width;
    if (alignment == 4) return x - form_round(width / 2.0);
    return x;
}

int shift_for_vertical(int y, int vertical)
{
    if (vertical == 0) return y + 9;
    if (vertical == 4) return y + 5;
    return y;
}

}  // namespace

// Half away from zero; a value beyond the int range (or NaN) gives the nearest end (0), never an
// undefined conversion.
int form_round(double v)
{
    double r = v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5);
    if (!(r >= -2147483648.0)) return v != v ? 0 : INT_MIN;
    if (r > 2147483647.0) return INT_MAX;
    return static_cast<int>(r);
}

void form_register_area(int escape, int view, int x1, int y1, int x2, int y2, int* dx, int* dy)
{
    if (g_area_count >= FORM_MAX_AREAS) return;
    g_areas[g_area_count++] = FormArea{escape, view, x1, y1, x2, y2, dx, dy};
    if (g_area_count == 1) {
        Define_Call_Allways_Function(form_hover_handler);
        Activate_Call_Allways_Function(1);
    }
}

void form_unregister_area(void)
{
    if (g_area_count > 0) --g_area_count;
    if (g_area_count == 0) Activate_Call_Allways_Function(0);
}

int form_area_count(void) { return g_area_count; }

const FormArea* form_area_of(int view)
{
    for (int i = g_area_count - 1; i >= 0; --i)
        if (g_areas[i].view == view) return &g_areas[i];
    return nullptr;
}

void form_select_sheet(int key)
{
    g_form.current = key;
    g_form.flags = FORM_FONT_NORMAL;
    g_form.text_colour = Nearest_Color_Index(0, 0, 0);
    g_form.background = Nearest_Color_Index(255, 255, 255);
    g_form.origin_x = g_form.origin_y = -1000;
    form_tooltips_clear();
    if (const FormArea* a = form_area_of(key)) {
        g_form.escape = a->escape;
        g_form.origin_x = a->x1;
        g_form.origin_y = a->y1;
        g_form.dx = a->dx;
        g_form.dy = a->dy;
    }
}

int form_current_sheet(void) { return g_form.current; }
void form_set_font_flags(int flags) { g_form.flags = flags; }
int form_get_font_flags(void) { return g_form.flags; }
int form_set_text_colour(int colour) { return g_form.text_colour = colour; }
int form_get_text_colour(void) { return g_form.text_colour; }
void form_set_background(int colour) { g_form.background = colour; }
int form_get_background(void) { return g_form.background; }
int form_escape_area(void) { return g_form.escape; }
void form_area_origin(int* x, int* y)
{
    *x = g_form.origin_x;
    *y = g_form.origin_y;
}
int form_inactive_colour(void) { return Nearest_RGB_Color(FORM_INACTIVE_R, FORM_INACTIVE_G, FORM_INACTIVE_B); }

// Plain text counts; a C part counts the text after its colour number, a B part its text when
// it has two characters or more; the closing code and the character after it are skipped.
int coded_text_width(const char* text)
{
    if (text == nullptr) return 0;
    int sum = 0;
    const char* p = text;
    for (;;) {
        const char* open = std::strchr(p, FORM_INLINE_CODE);
        if (open == nullptr) return sum + measure(p, static_cast<int>(std::strlen(p)));
        sum += measure(p, static_cast<int>(open - p));
        char letter = open[1];
        if (letter == '\0') return sum;
        const char* body = open + 2;
        const char* close = std::strchr(body, FORM_INLINE_CODE);
        const char* end = close ? close : body + std::strlen(body);
        int n = static_cast<int>(end - body);
        if (letter == 'C' || letter == 'c') {
            const char* blank = static_cast<const char*>(std::memchr(body, ' ', n));
            if (blank && blank + 1 < end) sum += measure(blank + 1, static_cast<int>(end - blank - 1));
        } else if ((letter == 'B' || letter == 'b') && n >= 2) {
            sum += measure(body, n);
        }
        if (close == nullptr || close[1] == '\0' || close[2] == '\0') return sum;
        p = close + 2;
    }
}

int text_width_in_font(const char* text, int flags)
{
    int w = raw_width(text, flags);
    int style = (flags & FORM_STYLE_BITS) ? 2 : 0;
    return w > 0 ? w + 3 + style : style;
}

int form_label(int x, int y, const char* text, const int* active)
{
    add_text(x, y, text, g_form.flags, label_colour(active));
    return text_width_in_font(text, g_form.flags);
}

int form_text(int x, int y, const char* text, const FormActive* active)
{
    if (g_form.current < 0) return 0;
    return form_label(x, y, text, active ? &active->active : nullptr);
}

namespace {
int vlabel(int x, int y, int extra_flags, const char* format, va_list args)
{
    if (g_form.current < 0) return 0;
    char buffer[FORMAT_LIMIT + 1];
    c_vsnprintf(buffer, sizeof buffer, format, args);
    add_text(x, y, buffer, g_form.flags | extra_flags, g_form.text_colour);
    return text_width_in_font(buffer, g_form.flags | extra_flags);
}
}  // namespace

int form_printf(int x, int y, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int w = vlabel(x, y, 0, format, args);
    va_end(args);
    return w;
}

int form_printf_emphasised(int x, int y, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int w = vlabel(x, y, FORM_EMPHASISED, format, args);
    va_end(args);
    return w;
}

int form_label_emphasised(int x, int y, const char* text, const int* active)
{
    if (g_form.current < 0) return 0;
    int flags = g_form.flags | FORM_EMPHASISED;
    add_text(x, y, text, flags, label_colour(active));
    return text_width_in_font(text, flags);
}

int form_label_small(int x, int y, const char* text, const int* active)
{
    if (g_form.current < 0) return 0;
    int flags = g_form.flags + 2;
    add_text(x, y, text, flags, label_colour(active));
    return text_width_in_font(text, flags);
}

int form_label_small_emphasised(int x, int y, const char* text, const int* active)
{
    if (g_form.current < 0) return 0;
    int flags = g_form.flags + 2 + FORM_BOLD;
    add_text(x, y, text, flags, label_colour(active));
    return text_width_in_font(text, flags);
}

int form_label_with_icon(int x, int y, const char* text, int value, int* target, const int* active)
{
    int w = form_label(x, y, text, active);
    if (active == nullptr || *active) {
        sva_add_icon_button(g_form.current, x, y - 10, x + w, y, value, target);
        sva_set_last_icon_value(g_form.current, POINTER_HAND);
    }
    return w;
}

int form_label_clickable(int x, int y, const char* text, int value, int* target, const int* active)
{
    if (g_form.current < 0) return 0;
    return form_label_with_icon(x, y, text, value, target, active);
}

int form_label_subscript(int x, int y, const char* symbol, const char* subscript, const int* active)
{
    int bold = (g_form.flags & FORM_BOLD) ? 2 : 0;
    int colour = label_colour(active);
    add_text(x, y, symbol, bold ? FORM_BOLD | FORM_FONT_NORMAL : FORM_FONT_NORMAL, colour);
    int m = raw_width(symbol, FORM_FONT_NORMAL);
    int s = (symbol && *symbol) ? m + 3 + bold : bold;
    if (subscript == nullptr || *subscript == '\0') return s;
    add_text(x + s + 1, y + 1, subscript, bold ? FORM_BOLD | FORM_FONT_SMALL : FORM_FONT_SMALL, colour);
    int sub = raw_width(subscript, FORM_FONT_SMALL);
    return s + bold + (sub > 0 ? sub + 4 : 1);
}

int form_symbol(int x, int y, const char* symbol, const char* subscript, const int* active)
{
    if (g_form.current < 0) return 0;
    return form_label_subscript(x, y, symbol, subscript, active);
}

int form_symbol_bold(int x, int y, const char* symbol, const char* subscript, const int* active)
{
    if (g_form.current < 0) return 0;
    int flags = g_form.flags;
    g_form.flags |= FORM_BOLD;
    int w = form_label_subscript(x, y, symbol, subscript, active);
    g_form.flags = flags;
    return w;
}

int form_symbol_sub_sup(int x, int y, const char* symbol, const char* subscript, const char* superscript,
                        const int* active)
{
    if (g_form.current < 0) return 0;
    int b = (g_form.flags & FORM_BOLD) ? 2 : 0;
    int colour = label_colour(active);
    add_text(x, y, symbol, b ? FORM_BOLD | FORM_FONT_NORMAL : FORM_FONT_NORMAL, colour);
    int width = (symbol && *symbol) ? raw_width(symbol, FORM_FONT_NORMAL) + b + 3 : b;
    int small = b ? FORM_BOLD | FORM_FONT_SMALL : FORM_FONT_SMALL;
    bool with_sub = subscript && *subscript;
    if (with_sub) {
        add_text(x + width + 1, y + 1, subscript, small, colour);
        width += 1 + text_width_in_font(subscript, small);
    }
    if (superscript == nullptr || *superscript == '\0') return width;
    int back = with_sub ? 1 : 0;
    add_text(x + width - back, y - 5, superscript, small, colour);
    int sup = raw_width(superscript, FORM_FONT_SMALL);
    return width + b + (sup > 0 ? sup + 3 : 0) - back;
}

int form_label_with_unit(int x, int y, const char* text, const char* second, int vertical, int alignment,
                         const int* active)
{
    int s = g_form.flags & FORM_STYLE_BITS;
    int m = raw_width(text, FORM_FONT_NORMAL);
    int t1 = (m == 0 ? 2 : m + 5) - (s == 0 ? 2 : 0);
    bool with_second = second && *second;
    int second_flags = s | (FORM_FONT_NORMAL + 2);
    int total = with_second ? t1 + 1 + text_width_in_font(second, second_flags) : t1;
    x = shift_for_alignment(x, total, alignment);
    y = shift_for_vertical(y, vertical);
    int colour = label_colour(active);
    add_text(x, y, text, s | FORM_FONT_NORMAL, colour);
    if (with_second) add_text(x + t1 + 1, y + 1, second, second_flags, colour);
    return total;
}

int form_symbol_aligned(int x, int y, const char* text, const char* second, int vertical, int alignment,
                        const int* active)
{
    if (g_form.current < 0) return 0;
    return form_label_with_unit(x, y, text, second, vertical, alignment, active);
}

int form_label_aligned(int x, int y, const char* text, int vertical, int alignment, const int* active)
{
    if (g_form.current < 0) return 0;
    int w = text_width_in_font(text, g_form.flags);
    add_text(shift_for_alignment(x, w, alignment), shift_for_vertical(y, vertical), text, g_form.flags,
             label_colour(active));
    return w;
}

int form_label_centred(int y, const char* text, const int* active)
{
    if (g_form.current < 0) return 0;
    // The middle of the area in its own content coordinates, where the text item is placed;
    // the registered corners are sheet pixels.
    int centre = 0;
    if (const FormArea* a = form_area_of(g_form.current)) {
        centre = (a->x2 - a->x1) / 2;
    } else if (const Scrollable_View_Area* v = sva_slot(g_form.current)) {
        centre = (v->x2 - v->x1) / 2;
    }
    int w = text_width_in_font(text, g_form.flags);
    add_text(centre - form_round(w / 2.0), y, text, g_form.flags, label_colour(active));
    return w;
}

int form_caption_centred(int y, const char* text, const int* active) { return form_label_centred(y, text, active); }
