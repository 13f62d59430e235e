// The waits of the sheet manager: Edit_Prop_Sheet and its hit tests, the in-place line
// editors and the number fields.
#include "platform/env/vyk_help.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"
#include "platform/screen/sheet_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace sheets {

namespace {

constexpr int kFieldPad = 3;   // text inset of an edit field
constexpr int kWheelLines = 3;  // content steps per wheel step

bool is_exit_key(int key)
{
    return key == KEY_TAB || key == KEY_SHIFT_TAB || key == KEY_ENTER || key == KEY_UP || key == KEY_DOWN;
}

int text_px(const std::string& t, size_t n) { return font_text_pixels(t.c_str(), (int)std::min(n, t.size())); }

} // namespace

std::string format_value(const char* format, double value)
{
    if (!format) format = "%g";
    int n = c_snprintf(nullptr, 0, format, value);
    if (n <= 0) return std::string();
    std::vector<char> buf((size_t)n + 1);
    c_snprintf(buf.data(), buf.size(), format, value);
    return std::string(buf.data(), (size_t)n);
}

QRect float_field_rect(int x, int y, int width_chars)
{
    Pop_RFont(4096);
    std::string zeros((size_t)std::max(1, width_chars), '0');
    int w = text_px(zeros, zeros.size()) + 2 * kFieldPad;
    int h = font_height() + 5;
    Push_RFont();
    return QRect(x, y, w, h);
}

void draw_field(const QRect& r, const std::string& text, int cursor, bool active)
{
    int keep_fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxFgc(active ? WHITE_CI : GetVYKColor(-1));
    pxRect(r.left(), r.top(), r.right(), r.bottom());
    Draw_Funny_Area_to_PS(2, r.left(), r.top(), r.right(), r.bottom(), 0);
    pxView(std::max(vx1, r.left() + 2), std::max(vy1, r.top() + 2), std::min(vx2, r.right() - 2),
           std::min(vy2, r.bottom() - 2));
    Pop_RFont(4096);
    // A text longer than the field shows its part around the cursor.
    size_t first = 0;
    int room = r.width() - 2 * kFieldPad;
    if (cursor >= 0)
        while (first < (size_t)cursor && text_px(text.substr(first), (size_t)cursor - first) > room) ++first;
    std::string shown = text.substr(std::min(first, text.size()));
    int base = r.top() + 2 + font_ascent();
    pxFgc(active ? BLACK_CI : GetVYKColor(-6));
    pxText(r.left() + kFieldPad, base, shown.c_str(), (int)shown.size());
    if (cursor >= 0) {
        int cx = r.left() + kFieldPad + text_px(shown, (size_t)cursor - first);
        pxFgc(BLACK_CI);
        pxLine(cx, r.top() + 2, cx, r.bottom() - 2);
    }
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
    pxFgc(keep_fg);
    pxFlsh();
}

namespace {

// The line editor behind both in-place editors. The first character typed replaces the whole
// text, as in a field whose text is selected when the edit begins.
int line_edit(const QRect& field, std::string& text, size_t max_len, const char* where)
{
    size_t cursor = text.size();
    bool fresh = true;
    for (;;) {
        draw_field(field, text, (int)cursor, true);
        InputEvent e = input_next(where, 0);
        if (e.kind == INPUT_NONE) return 0;
        if (e.kind == INPUT_PRESS) {
            if (!field.contains(e.x, e.y)) {
                input_unget(e);   // the click belongs to whatever lies there
                return 0;
            }
            Pop_RFont(4096);
            cursor = 0;
            while (cursor < text.size() && field.left() + kFieldPad + text_px(text, cursor + 1) <= e.x) ++cursor;
            Push_RFont();
            fresh = false;
            continue;
        }
        if (e.kind != INPUT_KEY) continue;
        int k = e.key;
        if (is_exit_key(k)) return k;
        if (k == KEY_ESC) return 0;
        if (k == KEY_BACKSPACE && cursor > 0) text.erase(--cursor, 1);
        else if (k == KEY_DEL && cursor < text.size()) text.erase(cursor, 1);
        else if (k == KEY_LEFT && cursor > 0) --cursor;
        else if (k == KEY_RIGHT && cursor < text.size()) ++cursor;
        else if (k == KEY_HOME) cursor = 0;
        else if (k == KEY_END) cursor = text.size();
        else if (k >= 32 && k <= 255 && k != 127) {
            if (fresh) {
                text.clear();
                cursor = 0;
            }
            if (text.size() < max_len) text.insert(cursor++, 1, (char)k);
        }
        fresh = false;
    }
}

std::string trimmed(const std::string& t)
{
    size_t a = t.find_first_not_of(' '), b = t.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
}

TypedNumberCheck typed_number_check = nullptr;

bool parse_number(const std::string& t, double* out)
{
    return typed_number_check ? typed_number_check(t.c_str(), out) != 0 : Read_Typed_Decimal(t.c_str(), out) != 0;
}

int edit_float_at(const QRect& field, const char* format, double* value)
{
    const std::string shown = value ? trimmed(format_value(format, *value)) : std::string();
    std::string text = shown;
    int key = line_edit(field, text, 64, "Short_Edit_Float");
    LAST_SHEET_EDIT_KEY = key;
    // Text left as shown keeps the value exactly, not rounded to the shown decimals.
    double v = value ? *value : 0.0;
    if (key && value && text != shown && parse_number(text, &v)) *value = v;
    return key;
}

int text_scroll_max = 0;

} // namespace

int edit_float_field(Sheet& s, Element& e)
{
    QRect r = place(s, e);
    int key = edit_float_at(r, e.format.c_str(), e.value);
    draw_element(s, e);
    return key;
}

} // namespace sheets

using namespace sheets;

int Read_Plain_Decimal(const char* text, double* value, int flags)
{
    if (!text) return 0;
    const bool comma = (flags & PLAIN_DECIMAL_COMMA) != 0, line = (flags & PLAIN_DECIMAL_LINE) != 0;
    const char* p = text;
    while (*p == ' ' || (line && *p == '\t')) ++p;
    std::string t; // sign, digits and a point, as c_strtod reads them
    if (*p == '+' || *p == '-') t += *p++;
    size_t digits = 0, points = 0;
    for (; *p; ++p) {
        if (*p >= '0' && *p <= '9') {
            t += *p;
            ++digits;
        } else if (*p == '.' || (comma && *p == ',')) {
            if (++points > 1) return 0;
            t += '.';
        } else {
            break;
        }
    }
    while (*p == ' ' || (line && (*p == '\t' || *p == '\r' || *p == '\n'))) ++p;
    if (*p || digits == 0) return 0;
    char* end = nullptr;
    const double v = c_strtod(t.c_str(), &end);
    if (!end || *end || !std::isfinite(v)) return 0;
    if (value) *value = v;
    return 1;
}

int Read_Typed_Decimal(const char* text, double* value) { return Read_Plain_Decimal(text, value, PLAIN_DECIMAL_COMMA); }

void Set_Typed_Number_Check(TypedNumberCheck check) { typed_number_check = check; }

int Short_Edit_Float(int x, int y, const char* format, double* value)
{
    int width = value ? (int)format_value(format, *value).size() : 4;
    return edit_float_at(float_field_rect(x, y, std::max(4, width)), format, value);
}

int Short_Edit_Text(int x, int y, char* buf, int visible, int flags)
{
    (void)flags;
    int max_len = text_scroll_max > 0 ? text_scroll_max : visible;
    text_scroll_max = 0;
    if (!buf || max_len <= 0) return 0;
    std::string text(buf, strnlen(buf, (size_t)max_len));
    int key = line_edit(float_field_rect(x, y, std::max(1, visible)), text, (size_t)max_len, "Short_Edit_Text");
    LAST_SHEET_EDIT_KEY = key;
    if (key) {
        std::memcpy(buf, text.c_str(), text.size() + 1);
    }
    return key;
}

void Set_Short_Edit_Text_Scrollmode(int max_length) { text_scroll_max = max_length; }

namespace {

// The OK key's code; GO_ON when the sheet has no active OK button and no code was set.
int ok_code(const Sheet& s);

int break_code(const Sheet& s)
{
    if (s.break_code >= 0) return s.break_code;
    for (const Element& e : s.elements)
        if (e.kind == BUTTON && e.symbol && e.symbol->symbol == PS_SYMBOL_BREAK && e.activity > 0) return e.code;
    return 0;
}

Element* by_handle(Sheet& s, int handle)
{
    for (Element& e : s.elements)
        if (e.handle == handle) return &e;
    return nullptr;
}

// The number fields after (or before) one, for the auto mode's chain of edits.
Element* next_float(Sheet& s, const Element& from, bool forward)
{
    std::vector<Element*> fields;
    for (Element& e : s.elements)
        if (e.kind == FLOAT && e.activity > 0) fields.push_back(&e);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]->handle != from.handle) continue;
        size_t n = fields.size();
        return fields[forward ? (i + 1) % n : (i + n - 1) % n];
    }
    return nullptr;
}

// Edits a number field; in auto mode Tab, Enter and Down go on to the next field, Up and
// Shift+Tab to the one before. The code is that of the field edited last.
int run_float(Sheet& s, Element* e)
{
    int code = e->code;
    for (;;) {
        int key = edit_float_field(s, *e);
        code = e->code;
        if (!s.auto_mode || !key) return code;
        Element* next = next_float(s, *e, !(key == KEY_UP || key == KEY_SHIFT_TAB));
        if (!next || next == e) return code;
        e = next;
    }
}

int run_radio(Sheet& s, Element& e)
{
    if (e.target) *e.target = e.radio_value;
    for (Element& o : s.elements)
        if (o.kind == RADIO && o.target == e.target) draw_element(s, o);
    pxFlsh();
    return e.code;
}

struct Wait {
    int pressed = 0;        // button held down
    bool dragging = false;  // the sheet by its title row
    int last_x = 0, last_y = 0;
    int thumb_area = 0;     // scrollable area whose thumb is held
    bool thumb_vertical = true;
    int thumb_from = 0, scroll_from = 0;
};

void scroll_by(Sheet& s, Element& area, int dx, int dy)
{
    Set_Scrollable_Area_PS(area.handle, area.sx + dx, area.sy + dy);
    (void)s;
}

// A press on a slider: on the thumb it takes hold of it, beside it the pane moves by a page.
void press_slider(Sheet& s, Element& area, bool vertical, int x, int y, Wait& w)
{
    Slider g = slider_of(s, area, vertical);
    int at = vertical ? y - g.track.top() : x - g.track.left();
    if (at >= g.pos && at < g.pos + g.thumb) {
        w.thumb_area = area.handle;
        w.thumb_vertical = vertical;
        w.thumb_from = vertical ? y : x;
        w.scroll_from = vertical ? area.sy : area.sx;
        return;
    }
    QRect v = view_rect(s, area);
    int page = (at < g.pos ? -1 : 1) * (vertical ? v.height() : v.width());
    scroll_by(s, area, vertical ? 0 : page, vertical ? page : 0);
}

void drag_thumb(Sheet& s, Element& area, int x, int y, const Wait& w)
{
    bool v = w.thumb_vertical;
    Slider g = slider_of(s, area, v);
    if (g.len - g.thumb <= 0) return;
    int moved = ((v ? y : x) - w.thumb_from) * g.range / (g.len - g.thumb);
    if (v) Set_Scrollable_Area_PS(area.handle, area.sx, w.scroll_from + moved);
    else Set_Scrollable_Area_PS(area.handle, w.scroll_from + moved, area.sy);
}

QRect sheet_now(const Sheet& s) { return s.rect.translated(s.dx, s.dy); }

bool in_title_row(const Sheet& s, int x, int y)
{
    QRect r = sheet_now(s);
    return s.framed && r.contains(x, y) && y < r.top() + PS_TITLE_ROW;
}

void draw_pressed(Sheet& s, Element& e, bool down)
{
    if (e.activity <= 0 || e.action_state == 0) return;
    // Drawn through the element so that frames and faces stay alike.
    if (!down) {
        draw_element(s, e);
        pxFlsh();
        return;
    }
    QRect r = place(s, e);
    int keep = pxQFgc();
    Draw_Funny_Area_to_PS(2, r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1, 0);
    pxFgc(keep);
    pxFlsh();
}

enum { GO_ON = -1000000 };

int ok_code(const Sheet& s)
{
    if (s.ok_code >= 0) return s.ok_code;
    for (const Element& e : s.elements)
        if (e.kind == BUTTON && e.symbol && e.symbol->symbol == PS_SYMBOL_OK && e.activity > 0) return e.code;
    return GO_ON;
}

// F1 shows the sheet's help topic, as its help button does.
void key_help(const Sheet& s)
{
    for (const Element& e : s.elements)
        if (e.kind == HELP && e.activity > 0) {
            Helpview(e.text.c_str());
            return;
        }
}

// A tool tip: the comment of the element under the pointer in a small box below it, lifted
// again when the pointer leaves the element, on any press and before the wait ends.
struct Tip {
    int handle = 0;
    QRect rect;
    QImage beneath;
};

void tip_hide(Tip& t)
{
    if (!t.handle) return;
    screen_paste(t.beneath, t.rect.left(), t.rect.top());
    pxFlsh();
    t = Tip{};
}

void tip_show(Sheet& s, Tip& t, int x, int y)
{
    const Element* under = nullptr;
    for (size_t i = s.elements.size(); i-- > 0 && !under;) {
        const Element& e = s.elements[i];
        if (!e.comment.empty() && e.activity != 0 && place(s, e).contains(x, y)) under = &e;
    }
    if (under && under->handle == t.handle) return;
    tip_hide(t);
    if (!under) return;
    Pop_RFont(4098);
    int w = font_text_pixels(under->comment.c_str(), (int)under->comment.size()) + 8;
    int h = font_height() + 4;
    QRect r = place(s, *under);
    int c[4] = {x, r.bottom() + 4, x + w - 1, r.bottom() + 3 + h};
    Check_Prop_Sheet_Frames(c);
    t.handle = under->handle;
    t.rect = QRect(QPoint(c[0], c[1]), QPoint(c[2], c[3]));
    screen_lock();
    t.beneath = screen_image().copy(t.rect);
    screen_unlock();
    int keep = pxQFgc();
    pxFgc(Nearest_RGB_Color(255, 255, 225));
    pxRect(c[0], c[1], c[2], c[3]);
    pxFgc(BLACK_CI);
    pxLine(c[0], c[1], c[2], c[1]);
    pxLine(c[2], c[1], c[2], c[3]);
    pxLine(c[2], c[3], c[0], c[3]);
    pxLine(c[0], c[3], c[0], c[1]);
    pxText(c[0] + 4, c[1] + 2 + font_ascent(), under->comment.c_str(), (int)under->comment.size());
    pxFgc(keep);
    Push_RFont();
    pxFlsh();
}

// A press: the topmost element under it that takes it. Returns a code to end the wait with,
// or GO_ON.
int press(Sheet& s, const InputEvent& ev, Wait& w)
{
    // An escape area lies under the sheet's controls: it takes a press only where none is.
    const Element* escape = nullptr;
    for (size_t i = s.elements.size(); i-- > 0;) {
        Element& e = s.elements[i];
        if (e.activity <= 0) continue;
        if (e.kind == ESCAPE) {
            if (!escape && place(s, e).contains(ev.x, ev.y)) escape = &e;
            continue;
        }
        if (e.kind == VSLIDER || e.kind == HSLIDER) {
            Element* area = by_handle(s, e.owner);
            if (area && slider_rect(s, *area, e.kind == VSLIDER).contains(ev.x, ev.y)) {
                press_slider(s, *area, e.kind == VSLIDER, ev.x, ev.y, w);
                return GO_ON;
            }
            continue;
        }
        if (!place(s, e).contains(ev.x, ev.y)) continue;
        Element* target = &e;
        if (e.kind == LABEL) {
            target = by_handle(s, e.owner);
            if (!target || target->activity <= 0) continue;
        }
        switch (target->kind) {
        case BUTTON:
        case HELP:
            w.pressed = target->handle;
            draw_pressed(s, *target, true);
            return GO_ON;
        case MEMBER: {
            Element* reg = by_handle(s, target->owner);
            int number = 0;
            for (const Element& m : s.elements) {
                if (m.kind != MEMBER || m.owner != target->owner) continue;
                ++number;
                if (m.handle == target->handle) break;
            }
            if (reg) {
                reg->selected = number;
                draw_element(s, *reg);
                pxFlsh();
            }
            return target->code;
        }
        case FLOAT: return run_float(s, target);
        case RADIO: return run_radio(s, *target);
        default: break;
        }
    }
    if (escape) return escape->code;
    if (in_title_row(s, ev.x, ev.y)) {
        w.dragging = true;
        w.last_x = ev.x;
        w.last_y = ev.y;
        return GO_ON;
    }
    if (!sheet_now(s).contains(ev.x, ev.y) && s.click_outside != PS_CLICK_OUTSIDE_NONE) return s.click_outside;
    return GO_ON;
}

int release(Sheet& s, const InputEvent& ev, Wait& w)
{
    w.dragging = false;
    w.thumb_area = 0;
    int held = w.pressed;
    w.pressed = 0;
    Element* e = held ? by_handle(s, held) : nullptr;
    if (!e) return GO_ON;
    draw_pressed(s, *e, false);
    bool inside = place(s, *e).contains(ev.x, ev.y);
    for (const Element& l : s.elements)
        if (l.kind == LABEL && l.owner == held && place(s, l).contains(ev.x, ev.y)) inside = true;
    if (!inside) return GO_ON;
    if (e->kind == HELP) {
        Helpview(e->text.c_str());
        return GO_ON;
    }
    return e->code;
}

int move(Sheet& s, const InputEvent& ev, Wait& w)
{
    if (w.dragging) {
        int dx = ev.x - w.last_x, dy = ev.y - w.last_y;
        int before_x = s.dx, before_y = s.dy;
        move_sheet(s, dx, dy);
        w.last_x += s.dx - before_x;
        w.last_y += s.dy - before_y;
        return GO_ON;
    }
    if (w.thumb_area) {
        if (Element* a = by_handle(s, w.thumb_area)) drag_thumb(s, *a, ev.x, ev.y, w);
        return GO_ON;
    }
    for (size_t i = s.elements.size(); i-- > 0;) {
        const Element& e = s.elements[i];
        if (e.kind == ESCAPE && e.report_moves && e.activity > 0 && place(s, e).contains(ev.x, ev.y)) return e.code;
    }
    return GO_ON;
}

void wheel(Sheet& s, const InputEvent& ev)
{
    for (size_t i = s.elements.size(); i-- > 0;) {
        Element& e = s.elements[i];
        if (e.kind != SCROLL || !place(s, e).contains(M_XPOS, M_YPOS)) continue;
        scroll_by(s, e, 0, -ev.wheel * e.step_y * kWheelLines);
        return;
    }
}

} // namespace

int Edit_Prop_Sheet(void)
{
    if (!top()) return 0;
    Wait w;
    Tip tip;
    for (;;) {
        if (PSCallSometimesFn f = prop_sheet_call_sometimes()) f();
        InputEvent ev = input_next("Edit_Prop_Sheet", 0);
        Sheet* s = top();
        if (!s) return 0;
        if (ev.kind != INPUT_MOVE) tip_hide(tip);
        int code = GO_ON;
        switch (ev.kind) {
        case INPUT_NONE: return break_code(*s);
        case INPUT_KEY:
            if (ev.key == KEY_ENTER) code = ok_code(*s);
            if (ev.key == KEY_ESC) code = break_code(*s);
            if (ev.key == KEY_F1) key_help(*s);
            break;
        case INPUT_PRESS: code = press(*s, ev, w); break;
        case INPUT_RELEASE: code = release(*s, ev, w); break;
        case INPUT_MOVE:
            code = move(*s, ev, w);
            if (code == GO_ON && !w.dragging && !w.thumb_area) tip_show(*s, tip, ev.x, ev.y);
            break;
        case INPUT_WHEEL: wheel(*s, ev); break;
        default: break;
        }
        if (code != GO_ON) {
            tip_hide(tip);
            return code;
        }
    }
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode(void)
{
    if (Sheet* s = top()) s->auto_mode = true;
}

void sheets::edit_reset() { text_scroll_max = 0; }
