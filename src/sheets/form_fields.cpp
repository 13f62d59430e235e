#include "sheets/form_fields.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "helpers/messages.h"
#include "platform/os/c_numeric.h"
#include "helpers/rounding.h"
#include "platform/screen/screen.h"
#include "sheets/form_picture.h"
#include "sheets/form_state.h"
#include "sheets/screen_widgets.h"
#include "sheets/typed_numbers.h"
#include "sheets/view_areas.h"

FormLastElement LastElement = {0, 0, 0, 0, 0};

namespace {

struct SheetLevel {
    std::vector<FormLevelPage> pages;
};

std::vector<SheetLevel> g_levels;
// Lists: the view area keeps pointers to the shadows, which must not move as entries come and go.
std::list<FloatFieldEntry> g_floats;
std::list<IntFieldEntry> g_ints;
// Integer entries taken out of the registry whose shadows the page's number items still show;
// they are freed with their level, after its view areas are gone.
std::list<IntFieldEntry> g_retired_ints;
std::list<LimitEntry> g_limits;

// Entry tables of choice fields live as long as the items that point at them.
std::map<int, std::vector<std::unique_ptr<std::vector<SvaChoiceEntry>>>> g_choice_tables;

int g_editable = 1;
int g_not_editable = 0;

constexpr int FIELD_INDENT = 7;          // the item starts right of x
constexpr int CHAR_PIXELS = 8;
constexpr int FIELD_EXTRA = 15;
constexpr int READ_ONLY_LIGHTEN = 40;    // percent
constexpr int READ_ONLY_GREY = 220;
constexpr int LIMITED_LOWER = 500, LIMITED_UPPER = 2200;
constexpr int LIMITED_WIDTH = 79;
constexpr int TOGGLE_INDENT = 20;
constexpr int EMPTY_TOGGLE_WIDTH = 13;
constexpr int CHOICE_EXTRA = 33;
constexpr int TEXT_FIELD_EXTRA = 16, EMPTY_TEXT_FIELD = 13, VISIBLE_TEXT_EXTRA = 19;

int innermost(void) { return static_cast<int>(g_levels.size()); }

template <class Entry, class Ptr>
Entry* find_innermost(std::list<Entry>& entries, Ptr value)
{
    for (auto& e : entries)
        if (e.level == innermost() && e.value == value) return &e;
    return nullptr;
}

template <class Entry>
void drop_innermost(std::list<Entry>& entries)
{
    int level = innermost();
    entries.remove_if([level](const Entry& e) { return e.level == level; });
}

int field_width(int c) { return c * CHAR_PIXELS + FIELD_EXTRA; }

void record_last(int x, int y, int width, int state)
{
    LastElement = FormLastElement{x, x + width, y - 13, y + 5, state};
}

int state_of(const int* state) { return state ? *state : 1; }

// Text colour of a field by its state; a read-only field gets a grey box behind it.
int field_colour(int state)
{
    if (state == -1) return lighten_colour(form_get_text_colour(), READ_ONLY_LIGHTEN);
    if (state == 1) return form_get_text_colour();
    return form_inactive_colour();
}

void read_only_box(int x, int y, int right)
{
    form_set_background(Nearest_RGB_Color(READ_ONLY_GREY, READ_ONLY_GREY, READ_ONLY_GREY));
    form_fill_box(x, y + 5, right, y - 13);
}

int* edit_state(int state) { return state == 1 ? &g_editable : &g_not_editable; }

int add_number_field(int x, int y, double* value, const char* format, int c, int state, int colour)
{
    int key = form_current_sheet();
    int w = field_width(c);
    if (state == -1) read_only_box(x, y, x + w - 1);
    sva_add_float_field(key, x + FIELD_INDENT, y, value, format, form_get_font_flags() & FORM_STYLE_BITS, colour,
                        edit_state(state));
    record_last(x, y, w, state);
    return w;
}

void show_limit_hint(const char* name, const char* verb, double limit, int d)
{
    char number[64];
    c_snprintf(number, sizeof number, "%.*f", d, limit);
    std::string text = std::string(name) + " darf den Wert " + number + " nicht " + verb;
    msg_hint_in_mode(0, "%s", text.c_str());
}

}  // namespace

int form_level_push(const FormLevelPage* pages, int page_count)
{
    if (innermost() >= FORM_MAX_LEVELS) {
        std::fprintf(stderr, "Formular: mehr als %d Blaetter ineinander, Blatt nicht geoeffnet\n", FORM_MAX_LEVELS);
        return -1;
    }
    SheetLevel level;
    if (pages && page_count > 0) level.pages.assign(pages, pages + page_count);
    g_levels.push_back(level);
    return innermost();
}

void form_level_set_page(int page, FormPageCheck check, int table)
{
    if (g_levels.empty() || page < 0) return;
    auto& pages = g_levels.back().pages;
    if (page >= static_cast<int>(pages.size())) pages.resize(page + 1, FormLevelPage{nullptr, -1});
    pages[page] = FormLevelPage{check, table};
}

void form_release_level_fields(void)
{
    form_commit_fields();
    int level = innermost();
    for (auto it = g_ints.begin(); it != g_ints.end();) {
        auto next = std::next(it);
        if (it->level == level) g_retired_ints.splice(g_retired_ints.end(), g_ints, it);
        it = next;
    }
}

void form_commit_fields(void)
{
    int level = innermost();
    for (auto& e : g_floats)
        if (e.level == level) *e.value /= e.factor;
    for (auto& e : g_ints)
        if (e.level == level) *e.value = form_round(e.shadow);
    drop_innermost(g_floats);
}

void form_level_pop(void)
{
    form_release_level_fields();
    drop_innermost(g_limits);
    drop_innermost(g_retired_ints);
    if (!g_levels.empty()) g_levels.pop_back();
}

int form_level_depth(void) { return innermost(); }

int form_float_field(int x, int y, double* value, double factor, int c, int d, const int* state)
{
    if (form_current_sheet() < 0 || c < 1) return 0;
    if (factor != 1 && find_innermost(g_floats, value) == nullptr) {
        g_floats.push_back(FloatFieldEntry{value, factor, innermost()});
        *value *= factor;
    }
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.%df", c, d);
    return add_number_field(x, y, value, format, c, state_of(state), field_colour(state_of(state)));
}

int form_float_field_plain(int x, int y, double* value, int c, int d, const int* state)
{
    return form_float_field(x, y, value, 1, c, d, state);
}

int form_float_field_coloured(int x, int y, double* value, int c, int d, int colour, const int* state)
{
    int saved = form_get_text_colour();
    form_set_text_colour(colour);
    int w = form_float_field(x, y, value, 1, c, d, state);
    form_set_text_colour(saved);
    return w;
}

namespace {
int labelled_field(int x, int y, int label_width, double* value, double factor, int c, int d, const char* unit,
                   const int* state)
{
    bool form = form_current_sheet() >= 0;
    int fx = x + (label_width > 0 ? label_width + 3 : 0);
    int end = fx + form_float_field(fx, y, value, factor, c, d, state);
    if (unit && *unit) {
        int w = form_label(end + 3, y, unit, state);
        if (form) end += 3 + w;
    }
    return end - x;
}
}  // namespace

int form_float_field_labelled(int x, int y, const char* label, double* value, int c, int d, const char* unit,
                              const int* state)
{
    int lw = 0;
    if (label && *label) {
        int w = form_label(x, y, label, state);
        if (form_current_sheet() >= 0) lw = w;
    }
    return labelled_field(x, y, lw, value, 1, c, d, unit, state);
}

int form_symbol_float_field(int x, int y, const char* symbol, const char* subscript, double* value, double factor,
                            int c, int d, const char* unit, const int* state)
{
    int lw = 0;
    if ((symbol && *symbol) || (subscript && *subscript)) {
        int w = form_label_subscript(x, y, symbol, subscript, state);
        if (form_current_sheet() >= 0) lw = w;
    }
    return labelled_field(x, y, lw, value, factor, c, d, unit, state);
}

int form_float_field_limited(int x, int y, double* value, double factor, int c, int d, double lower, double upper,
                             const char* name, const int* state)
{
    int w = form_float_field(x, y, value, factor, c, d, state);
    sva_set_last_range(form_current_sheet(), lower, upper, d);
    if (name) {
        if (round_to_decimals(*value - upper, d) > 0)
            show_limit_hint(name, "\x81" "berschreiten", upper, d);
        else if (round_to_decimals(*value - lower, d) < 0)
            show_limit_hint(name, "unterschreiten", lower, d);
    }
    if (*value < lower)
        *value = lower;
    else if (*value > upper)
        *value = upper;
    return w;
}

int form_add_limited_float(int x, int y, double* value, int* state)
{
    int colour = (state && *state) ? form_get_text_colour() : form_inactive_colour();
    sva_add_float_field(form_current_sheet(), x + FIELD_INDENT, y, value, "%8.1f",
                        form_get_font_flags() & FORM_STYLE_BITS, colour, state);
    if (find_innermost(g_limits, value) == nullptr)
        g_limits.push_back(LimitEntry{value, LIMITED_LOWER, LIMITED_UPPER, innermost()});
    sva_set_last_callback(form_current_sheet(), form_clamp_float);
    sva_set_last_range(form_current_sheet(), LIMITED_LOWER, LIMITED_UPPER, 1);
    return LIMITED_WIDTH;
}

int form_clamp_float(intptr_t pointer)
{
    double* value = reinterpret_cast<double*>(pointer);
    if (const LimitEntry* e = find_innermost(g_limits, value)) {
        if (*value < e->lower)
            *value = e->lower;
        else if (*value > e->upper)
            *value = e->upper;
    }
    return 0;
}

namespace {
IntFieldEntry* int_entry(int* value)
{
    if (form_current_sheet() < 0) return nullptr;
    IntFieldEntry* e = find_innermost(g_ints, value);
    if (e == nullptr) {
        g_ints.push_back(IntFieldEntry{value, static_cast<double>(*value), innermost()});
        e = &g_ints.back();
    }
    *value = form_round(e->shadow);
    return e;
}
// A typed shadow is refused outside the range, so that it always rounds to an int.
constexpr double INT_FIELD_LOWER = -2147483648.0, INT_FIELD_UPPER = 2147483647.0;

int add_int_field(int x, int y, IntFieldEntry* e, int c, const int* state, double lower = INT_FIELD_LOWER,
                  double upper = INT_FIELD_UPPER)
{
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.0f", c);
    int w = add_number_field(x, y, &e->shadow, format, c, state_of(state), field_colour(state_of(state)));
    sva_set_last_range(form_current_sheet(), lower, upper, 0);
    return w;
}
}  // namespace

int form_int_field(int x, int y, int* value, int c, const int* state)
{
    if (c < 1) return 0;
    IntFieldEntry* e = int_entry(value);
    return e ? add_int_field(x, y, e, c, state) : 0;
}

int form_int_field_limited(int x, int y, int* value, int c, int lower, int upper, const int* state)
{
    if (c < 1) return 0;
    IntFieldEntry* e = int_entry(value);
    if (e == nullptr) return 0;
    if (e->shadow < lower) e->shadow = lower;
    if (e->shadow > upper) e->shadow = upper;
    return add_int_field(x, y, e, c, state, lower, upper);
}

void form_set_int_field(int* value, int v)
{
    for (auto& e : g_ints)
        if (e.value == value) {
            *value = v;
            e.shadow = v;
        }
}

int form_get_int_field(const int* value)
{
    for (auto& e : g_ints)
        if (e.value == value) return *value;
    return FORM_NOT_REGISTERED;
}

int form_text_field(int x, int y, char* buffer, int, const int* state)
{
    int key = form_current_sheet();
    if (key < 0) return 0;
    int s = state_of(state);
    int colour = (s == -1 || s == 1) ? form_get_text_colour() : form_inactive_colour();
    sva_add_text_field(key, x + FIELD_INDENT, y, buffer, 0, colour, edit_state(s));
    int w = (buffer && *buffer) ? text_width_in_font(buffer, 0) + TEXT_FIELD_EXTRA : EMPTY_TEXT_FIELD;
    LastElement = FormLastElement{x, x + w, y - 13, y + 5, LastElement.state};
    return w;
}

int form_text_field_fixed(int x, int y, char* buffer, int n, const int* state)
{
    std::string fixed(buffer ? buffer : "");
    fixed.resize(n > 0 ? n : 0, ' ');
    std::memcpy(buffer, fixed.c_str(), fixed.size() + 1);
    return form_text_field(x, y, buffer, n, state);
}

int form_text_field_visible(int x, int y, char* buffer, int n, int m, const int* state)
{
    form_text_field_fixed(x, y, buffer, n > m ? n : m, state);
    sva_set_last_text_width(form_current_sheet(), m);
    return m * CHAR_PIXELS + VISIBLE_TEXT_EXTRA;
}

int form_toggle(int x, int y, const char* label, int* value, const int* state)
{
    int key = form_current_sheet();
    if (key < 0) return 0;
    int s = state_of(state);
    int pane = Nearest_RGB_Color(255, 251, 240);
    if (form_get_background() == pane && s != 0) {
        form_set_background(Nearest_RGB_Color(255, 255, 255));
        form_fill_box(x, y, x + 10, y - 10);
        form_set_background(pane);
    }
    int colour = (s == -1 || s == 1) ? form_get_text_colour() : form_inactive_colour();
    int flags = form_get_font_flags();
    if (value && *value && s != 0) flags |= FORM_BOLD;
    const char* text = label ? label : "";
    sva_add_toggle(key, x + TOGGLE_INDENT, y, text, flags, colour, value, edit_state(s));
    if (s == -1) sva_add_text(key, x + TOGGLE_INDENT, y, text, flags, colour, 0);
    record_last(x, y, *text ? text_width_in_font(text, form_get_font_flags()) + TOGGLE_INDENT : EMPTY_TOGGLE_WIDTH,
                s);
    return LastElement.x2 - x;
}

int form_radio(int x, int y, const char* label, int choice, int* selection, FormGroup* group)
{
    int key = form_current_sheet();
    if (key < 0) return 0;
    int active = group ? group->active : 1;
    int flags = form_get_font_flags();
    if (selection && *selection == choice && active) flags |= FORM_BOLD;
    int colour = active ? form_get_text_colour() : form_inactive_colour();
    const char* text = label ? label : "";
    sva_add_radio(key, x + TOGGLE_INDENT, y, text, flags, colour, choice, selection,
                  group ? &group->active : nullptr);
    int w = *text ? text_width_in_font(text, form_get_font_flags()) + TOGGLE_INDENT : EMPTY_TOGGLE_WIDTH;
    record_last(x, y, w, active);
    return w;
}

int form_choice_width(const char* first, int step, int count, int flags)
{
    int widest = 0;
    for (int i = 0; first && i < count; ++i) {
        int w = text_width_in_font(first + i * step, flags);
        if (w > widest) widest = w;
    }
    return CHOICE_EXTRA + CHAR_PIXELS * (widest / 8);
}

int form_choice_list(int x, int y, const char* first, const int* colours, int step, int count, int* selection,
                     const int* state)
{
    int key = form_current_sheet();
    if (key < 0 || count < 1 || step < 2) return 0;
    int s = state_of(state);
    int colour = field_colour(s);
    int w = form_choice_width(first, step, count, form_get_font_flags());
    int g = (w - CHOICE_EXTRA) / CHAR_PIXELS;
    if (s == -1) read_only_box(x, y, x + g * CHAR_PIXELS + CHOICE_EXTRA - 1);
    auto& tables = g_choice_tables[key];
    if (Scrollable_View_Area* area = sva_slot(key); area && area->first_item == nullptr) tables.clear();
    tables.push_back(std::make_unique<std::vector<SvaChoiceEntry>>(count));
    auto& entries = *tables.back();
    for (int i = 0; i < count; ++i) entries[i] = SvaChoiceEntry{colours ? colours[i] : colour, first + i * step};
    sva_add_choice_field(key, x + FIELD_INDENT, y, entries.data(), form_get_font_flags(), g, count, selection,
                         edit_state(s));
    record_last(x, y, w, s);
    return w;
}

int form_choice_list_enabled(int x, int y, const GradeChoiceSource* source, int* selection, const int* state)
{
    if (!source) return 0;
    if (selection && source->flags)
        while (*selection > 0 && *selection < source->count && (source->flags[*selection] & FORM_CHOICE_DISABLED))
            --*selection;
    return form_choice_list(x, y, source->first, source->colours, source->step, source->count, selection, state);
}

namespace {
constexpr int GRADE_LIST_OFFSET = 75;   // from the label to the list
int grade_choice(const char* label, int x, int y, const GradeChoiceSource* source, int* selection)
{
    static const int editable = 1;
    form_set_text_colour(BLACK_CI);
    if (form_current_sheet() >= 0) {
        int flags = form_get_font_flags();
        form_set_font_flags(flags | FORM_EMPHASISED);
        form_label(x, y, label, &editable);
        form_set_font_flags(flags);
    }
    form_choice_list_enabled(x + GRADE_LIST_OFFSET, y, source, selection, &editable);
    return 0;
}
}  // namespace

int form_concrete_grade_choice(int, int x, int y, int, const GradeChoiceSource* source, int* selection)
{
    return grade_choice("Betong\x81" "te", x, y, source, selection);
}

int form_steel_grade_choice(int, int x, int y, int, const GradeChoiceSource* source, int* selection)
{
    return grade_choice("Stahlg\x81" "te", x, y, source, selection);
}

int form_transfer_values(int level)
{
    form_release_level_fields();
    if (level < 1 || level > innermost()) return 0;
    for (const auto& page : g_levels[level - 1].pages)
        if (page.check)
            if (int r = page.check(page.table)) return r;
    return 0;
}

int form_float_entry_count(void) { return static_cast<int>(g_floats.size()); }
int form_int_entry_count(void) { return static_cast<int>(g_ints.size()); }
int form_limit_entry_count(void) { return static_cast<int>(g_limits.size()); }
