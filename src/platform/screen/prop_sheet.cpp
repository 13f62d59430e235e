#include "platform/screen/prop_sheet.h"

#include "platform/env/vyk_help.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"
#include "platform/screen/sheet_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>

const PSRaster SYMBOLIC_OK_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_OK}};
const PSRaster SYMBOLIC_BREAK_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_BREAK}};
const PSRaster SYMBOLIC_MORE_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_MORE}};

namespace sheets {

namespace {

struct Settings {
    QRect base;   // Set_Prop_Sheet_Screen_Base; empty: the screen
    bool no_frame_next = false;
    int pending_ok = -1, pending_break = -1;
    PSCallSometimesFn sometimes = nullptr;
};

Settings& settings()
{
    static Settings s;
    return s;
}

constexpr int kTitleColour = 0x804000;   // (0, 64, 128)
constexpr int kSymbolPad = 8;            // a symbol button is its picture plus 4 pixels all round
constexpr int kTextPad = 16;

} // namespace

std::vector<Sheet>& stack()
{
    static std::vector<Sheet> s;
    return s;
}

Sheet* top() { return stack().empty() ? nullptr : &stack().back(); }

Element* find(int handle)
{
    Sheet* s = top();
    if (!s) return nullptr;
    for (Element& e : s->elements)
        if (e.handle == handle) return &e;
    return nullptr;
}

QRect place(const Sheet& s, const Element& e) { return e.rect.translated(s.dx, s.dy); }

QRect sheet_rect(const Sheet& s) { return s.rect.translated(s.dx, s.dy); }

// Sliders of PS_SLIDER_WIDTH pixels lie inside the area's rectangle, at its right and bottom.
QRect slider_rect(const Sheet& s, const Element& area, bool vertical)
{
    QRect r = place(s, area);
    if (vertical)
        return QRect(QPoint(r.right() - PS_SLIDER_WIDTH + 1, r.top()),
                     QPoint(r.right(), area.hslider ? r.bottom() - PS_SLIDER_WIDTH : r.bottom()));
    return QRect(QPoint(r.left(), r.bottom() - PS_SLIDER_WIDTH + 1),
                 QPoint(area.vslider ? r.right() - PS_SLIDER_WIDTH : r.right(), r.bottom()));
}

QRect view_rect(const Sheet& s, const Element& area)
{
    QRect r = place(s, area);
    if (area.vslider) r.setRight(r.right() - PS_SLIDER_WIDTH);
    if (area.hslider) r.setBottom(r.bottom() - PS_SLIDER_WIDTH);
    return r;
}

// The thumb is as long as the part of the content in view (at least 10 pixels) and lies as far
// along the track as the scroll position along its range.
Slider slider_of(const Sheet& s, const Element& a, bool vertical)
{
    Slider g;
    g.track = slider_rect(s, a, vertical);
    QRect v = view_rect(s, a);
    g.len = vertical ? g.track.height() : g.track.width();
    int view = vertical ? v.height() : v.width();
    int content = std::max(vertical ? a.content_h : a.content_w, view);
    g.thumb = std::min(g.len, std::max(10, g.len * view / std::max(1, content)));
    g.range = std::max(0, content - view);
    g.pos = g.range > 0 ? (g.len - g.thumb) * (vertical ? a.sy : a.sx) / g.range : 0;
    return g;
}

namespace {

Element& add(Sheet& s, Kind kind, const QRect& r)
{
    Element e;
    e.handle = s.next_handle++;
    e.kind = kind;
    e.rect = r;
    s.elements.push_back(e);
    return s.elements.back();
}

QRect corners(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// ---- drawing ----

struct SavedPen {
    int fg = pxQFgc();
    int x1, y1, x2, y2;
    SavedPen() { pxQVwp(&x1, &y1, &x2, &y2); }
    ~SavedPen()
    {
        pxFgc(fg);
        pxView(x1, y1, x2, y2);
    }
};

void frame(const QRect& r, int colour)
{
    pxFgc(colour);
    pxLine(r.left(), r.top(), r.right(), r.top());
    pxLine(r.right(), r.top(), r.right(), r.bottom());
    pxLine(r.right(), r.bottom(), r.left(), r.bottom());
    pxLine(r.left(), r.bottom(), r.left(), r.top());
}

void fill(const QRect& r, int colour)
{
    pxFgc(colour);
    pxRect(r.left(), r.top(), r.right(), r.bottom());
}

void draw_sheet_face(const Sheet& s)
{
    SavedPen keep;
    QRect r = sheet_rect(s);
    fill(r, GetVYKColor(-1));
    if (!s.framed) return;
    frame(r, BLACK_CI);
    Draw_Funny_Area_to_PS(1, r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1, 0);
    QRect title(r.left() + 3, r.top() + 3, r.width() - 6, PS_TITLE_ROW - 6);
    fill(title, kTitleColour);
    pxFgc(WHITE_CI);
    Pop_RFont(4096 | 0x10000);
    pxBTxt(title.left() + 8, title.top(), title.right() - 8, title.bottom(), s.title.c_str(), (int)s.title.size(),
           200 + 1 + 8);
    Push_RFont();
}

// The built-in symbols: a green tick, a red cross, three dots, a question mark.
void draw_symbol(const PSRaster* sym, const QRect& r, bool active)
{
    int cx = (r.left() + r.right()) / 2, cy = (r.top() + r.bottom()) / 2;
    if (sym->bits) {
        int w = sym->width, h = sym->height, row = sym->bytes_per_row > 0 ? sym->bytes_per_row : (w + 7) / 8;
        pxFgc(active ? BLACK_CI : GetVYKColor(-6));
        // Row by row, so that the raster's own row length counts.
        for (int y = 0; y < h; ++y)
            pxMask(cx - w / 2, cy - h / 2 + y, cx - w / 2 + w - 1, cy - h / 2 + y, sym->bits + (size_t)y * row, 2);
        return;
    }
    int grey = GetVYKColor(-6);
    switch (sym->symbol) {
    case PS_SYMBOL_OK:
        pxFgc(active ? Nearest_RGB_Color(0, 140, 0) : grey);
        pxTkLn(cx - 6, cy, cx - 2, cy + 5, 3);
        pxTkLn(cx - 2, cy + 5, cx + 6, cy - 5, 3);
        break;
    case PS_SYMBOL_BREAK:
        pxFgc(active ? Nearest_RGB_Color(200, 0, 0) : grey);
        pxTkLn(cx - 5, cy - 5, cx + 5, cy + 5, 3);
        pxTkLn(cx - 5, cy + 5, cx + 5, cy - 5, 3);
        break;
    case PS_SYMBOL_MORE:
        pxFgc(active ? BLACK_CI : grey);
        for (int k = -1; k <= 1; ++k) pxRect(cx + 5 * k - 1, cy + 3, cx + 5 * k + 1, cy + 5);
        break;
    case PS_SYMBOL_HELP:
        pxFgc(active ? Nearest_RGB_Color(0, 0, 160) : grey);
        Pop_RFont(4096 | 0x10000);
        pxBTxt(r.left(), r.top(), r.right(), r.bottom(), "?", 1, 210);
        Push_RFont();
        break;
    default: break;
    }
}

void draw_button(Element& e, const QRect& r, bool pressed)
{
    if (e.activity == 0 || e.action_state == 0) return;
    fill(r, BUTTON_CI);
    if (e.framed) {
        frame(r, BLACK_CI);
        Draw_Funny_Area_to_PS(pressed ? 2 : 1, r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1, 0);
    }
    bool active = e.activity > 0;
    QRect face = pressed ? r.translated(1, 1) : r;
    if (e.symbol) {
        draw_symbol(e.symbol, face, active);
    } else if (!e.text.empty()) {
        pxFgc(active ? BLACK_CI : GetVYKColor(-6));
        Pop_RFont(4096);
        pxBTxt(face.left(), face.top(), face.right(), face.bottom(), e.text.c_str(), (int)e.text.size(), 210);
        Push_RFont();
    }
}

void draw_register(Sheet& s, Element& reg)
{
    QRect r = place(s, reg);
    pxFgc(Nearest_RGB_Color(128, 128, 128));
    pxLine(r.left(), r.bottom(), r.right(), r.bottom());
    int number = 0;
    for (Element& m : s.elements) {
        if (m.kind != MEMBER || m.owner != reg.handle) continue;
        ++number;
        if (m.activity == 0) continue;
        QRect t = place(s, m);
        bool chosen = number == reg.selected;
        Draw_Funny_Area_to_PS(chosen ? 3 : 1, t.left(), t.top() + (chosen ? 0 : 2), t.right(), t.bottom(), 0);
    }
}

int max_scroll(int content, int view) { return std::max(0, content - view); }

void clamp_scroll(const Sheet& s, Element& a)
{
    QRect v = view_rect(s, a);
    a.sx = std::max(0, std::min(a.sx, max_scroll(a.content_w, v.width())));
    a.sy = std::max(0, std::min(a.sy, max_scroll(a.content_h, v.height())));
}

QRect thumb_rect(const Sheet& s, const Element& a, bool vertical)
{
    Slider g = slider_of(s, a, vertical);
    if (vertical) return QRect(g.track.left(), g.track.top() + g.pos, g.track.width(), g.thumb);
    return QRect(g.track.left() + g.pos, g.track.top(), g.thumb, g.track.height());
}

void draw_slider(const Sheet& s, const Element& a, bool vertical)
{
    QRect track = slider_rect(s, a, vertical);
    fill(track, Nearest_RGB_Color(236, 236, 236));
    frame(track, Nearest_RGB_Color(160, 160, 160));
    QRect t = thumb_rect(s, a, vertical).adjusted(1, 1, -1, -1);
    fill(t, BUTTON_CI);
    Draw_Funny_Area_to_PS(1, t.left(), t.top(), t.right(), t.bottom(), 0);
}

void draw_scroll_area(Sheet& s, Element& a)
{
    clamp_scroll(s, a);
    QRect v = view_rect(s, a);
    if (a.vslider) draw_slider(s, a, true);
    if (a.hslider) draw_slider(s, a, false);
    if (a.pane_frame) Draw_Funny_Area_to_PS(2, v.left() - 1, v.top() - 1, v.right() + 1, v.bottom() + 1, 0);
    if (!a.draw) return;
    SavedPen keep;
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    pxView(std::max(x1, v.left()), std::max(y1, v.top()), std::min(x2, v.right()), std::min(y2, v.bottom()));
    a.draw(a.handle, a.sx, a.sy, v.left(), v.top(), v.right(), v.bottom(), a.record);
}

// A round button: a white disc in a ring, dark above and left, light below and right, and a
// dot in the middle while it is chosen.
void draw_radio(const Sheet& s, const Element& e)
{
    if (e.activity == 0) return;
    QRect r = place(s, e);
    const double cx = r.left() + (r.width() - 1) / 2.0, cy = r.top() + (r.height() - 1) / 2.0;
    const double outer = std::min(r.width(), r.height()) / 2.0, ring = outer - 1.1;
    const bool chosen = e.target && *e.target == e.radio_value;
    const int dark = GetVYKColor(-6), light = Nearest_RGB_Color(255, 255, 255);
    const int dot = e.activity > 0 ? BLACK_CI : dark;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            double dx = x - cx, dy = y - cy, d = std::sqrt(dx * dx + dy * dy);
            if (d > outer - 0.1) continue;
            int colour = d > ring ? (dx + dy < 0 ? Nearest_RGB_Color(96, 96, 96) : Nearest_RGB_Color(200, 200, 200))
                                  : (chosen && d <= outer * 0.45 ? dot : light);
            pxFgc(colour);
            pxDot(x, y);
        }
}

void draw_label(const Sheet& s, const Element& e)
{
    QRect r = place(s, e);
    Pop_RFont(e.font);
    pxFgc(e.colour);
    pxText(r.left(), r.top() + font_ascent(), e.text.c_str(), (int)e.text.size());
    Push_RFont();
}

} // namespace

void draw_element(Sheet& s, Element& e)
{
    SavedPen keep;
    switch (e.kind) {
    case BUTTON:
    case HELP: draw_button(e, place(s, e), false); break;
    case REGISTER: draw_register(s, e); break;
    case SCROLL: draw_scroll_area(s, e); break;
    case FLOAT:
        if (e.activity != 0)
            draw_field(place(s, e), e.value ? format_value(e.format.c_str(), *e.value) : std::string(), -1,
                       e.activity > 0);
        break;
    case RADIO: draw_radio(s, e); break;
    case LABEL: draw_label(s, e); break;
    default: break;
    }
}

namespace {

void redraw_all(Sheet& s)
{
    for (size_t i = 0; i < s.elements.size(); ++i) draw_element(s, s.elements[i]);
}

void bind_displacement(Sheet& s)
{
    if (s.bound_dx) *s.bound_dx = s.dx;
    if (s.bound_dy) *s.bound_dy = s.dy;
}

} // namespace

// Moves the top sheet with what is drawn on it: its pixels are lifted, the screen beneath put
// back, and they are laid down at the new place over a fresh copy of what lies there.
void move_sheet(Sheet& s, int ddx, int ddy)
{
    QRect from = sheet_rect(s);
    QRect to = from.translated(ddx, ddy);
    int corners4[4] = {to.left(), to.top(), to.right(), to.bottom()};
    Check_Prop_Sheet_Frames(corners4);
    to = corners(corners4[0], corners4[1], corners4[2], corners4[3]);
    if (to == from) return;
    screen_lock();
    QImage face = screen_image().copy(from);
    screen_paste(s.beneath, from.left(), from.top());
    s.beneath = screen_image().copy(to);
    screen_paste(face, to.left(), to.top());
    screen_unlock();
    s.dx += to.left() - from.left();
    s.dy += to.top() - from.top();
    bind_displacement(s);
    pxFlsh();
}

} // namespace sheets

using namespace sheets;

int LAST_SHEET_EDIT_KEY = 0;

// ---- sheets ----

int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int framed, int flag2, const char* title, int id, int flag3)
{
    (void)flag2;
    (void)flag3;
    Sheet s;
    s.rect = corners(x1, y1, x2, y2);
    s.framed = framed != 0 && !settings().no_frame_next;
    settings().no_frame_next = false;
    s.title = title ? title : "";
    s.id = id;
    s.ok_code = settings().pending_ok;
    s.break_code = settings().pending_break;
    settings().pending_ok = settings().pending_break = -1;
    screen_lock();
    s.beneath = screen_image().copy(s.rect);
    screen_unlock();
    stack().push_back(std::move(s));
    draw_sheet_face(stack().back());
    screen_show();
    return (int)stack().size();
}

void Undefine_Prop_Sheet(void)
{
    Sheet* s = top();
    if (!s) return;
    QRect r = sheet_rect(*s);
    screen_paste(s->beneath, r.left(), r.top());
    stack().pop_back();
    pxFlsh();
    screen_hide();
}

void Activate_Prop_Sheet(void)
{
    Sheet* s = top();
    if (!s) return;
    s->active = true;
    redraw_all(*s);
    pxFlsh();
}

int Check_Prop_Sheet_Frames(int* c)
{
    if (!c) return 0;
    QRect base = settings().base.isNull() ? QRect(0, 0, NPIXEL_X, NPIXEL_Y) : settings().base;
    int before[4] = {c[0], c[1], c[2], c[3]};
    auto fit = [](int& a, int& b, int lo, int hi) {
        if (a > b) std::swap(a, b);
        if (b > hi) {
            a -= b - hi;
            b = hi;
        }
        if (a < lo) {
            b += lo - a;
            a = lo;
        }
        if (b > hi) b = hi;   // larger than the base: cut to it
    };
    fit(c[0], c[2], base.left(), base.right());
    fit(c[1], c[3], base.top(), base.bottom());
    return std::memcmp(before, c, sizeof before) != 0 ? 1 : 0;
}

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2) { settings().base = corners(x1, y1, x2, y2); }
void Set_NoFrameFlag_to_Next_PropSheet(void) { settings().no_frame_next = true; }
void VYKSetMinMaxSize(int min_w, int min_h, int max_w, int max_h)
{
    (void)min_w;
    (void)min_h;
    (void)max_w;
    (void)max_h;
}

int prop_sheet_depth(void) { return (int)stack().size(); }

int prop_sheet_rect(int* x1, int* y1, int* x2, int* y2)
{
    Sheet* s = top();
    if (!s) return 0;
    QRect r = sheet_rect(*s);
    if (x1) *x1 = r.left();
    if (y1) *y1 = r.top();
    if (x2) *x2 = r.right();
    if (y2) *y2 = r.bottom();
    return 1;
}

void Set_Windows_OK_Button(int code)
{
    if (Sheet* s = top()) s->ok_code = code;
    else settings().pending_ok = code;
}

void Set_Windows_Break_Button(int code)
{
    if (Sheet* s = top()) s->break_code = code;
    else settings().pending_break = code;
}

void Set_CallSometimesFunc_to_PS(PSCallSometimesFn routine) { settings().sometimes = routine; }
PSCallSometimesFn prop_sheet_call_sometimes(void) { return settings().sometimes; }

void Prop_Sheet_Displacement(int* dx, int* dy)
{
    Sheet* s = top();
    if (!s) return;
    s->bound_dx = dx;
    s->bound_dy = dy;
    bind_displacement(*s);
}

void Inquire_Prop_Sheet_Displacement(int* dx, int* dy)
{
    Sheet* s = top();
    if (dx) *dx = s ? s->dx : 0;
    if (dy) *dy = s ? s->dy : 0;
}

// ---- buttons ----

namespace {

QRect button_rect(int x, int y, const char* text, const PSRaster* symbol)
{
    if (symbol) {
        bool bare = !symbol->bits && symbol->symbol == PS_SYMBOL_NONE;
        int pad = bare ? 0 : kSymbolPad;
        return QRect(x, y, std::max(1, symbol->width + pad), std::max(1, symbol->height + pad));
    }
    Pop_RFont(4096);
    int w = font_text_pixels(text ? text : "", text ? (int)std::strlen(text) : 0);
    Push_RFont();
    return QRect(x, y, w + kTextPad, PS_BUTTON_HEIGHT);
}

void redraw_if_active(Element& e)
{
    Sheet* s = top();
    if (s && s->active) {
        draw_element(*s, e);
        pxFlsh();
    }
}

} // namespace

int Add_Single_Button_to_PS(int x, int y, int kind, int code, const char* text, const PSRaster* symbol, int flags)
{
    (void)kind;
    (void)flags;
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, BUTTON, button_rect(x, y, text, symbol));
    e.code = code;
    e.text = text ? text : "";
    e.symbol = symbol;
    return e.handle;
}

int Add_Help_to_PS(int x, int y, int kind, int flag2, int flag3, const char* topic)
{
    (void)kind;
    (void)flag2;
    (void)flag3;
    Sheet* s = top();
    if (!s) return 0;
    static const PSRaster help = {16, 16, 2, nullptr, PS_SYMBOL_HELP};
    Element& e = add(*s, HELP, button_rect(x, y, nullptr, &help));
    e.symbol = &help;
    e.text = topic ? topic : "";
    e.comment = "Hilfe";
    return e.handle;
}

void Change_Activity_PS(int handle, int state)
{
    Element* e = find(handle);
    if (!e) return;
    e->activity = state > 0 ? 1 : (state < 0 ? -1 : 0);
    redraw_if_active(*e);
}

void Change_Action_State_PS(int handle, int state)
{
    if (Element* e = find(handle)) e->action_state = state;
}

int ActivState_of_Button_PS(int handle)
{
    Element* e = find(handle);
    return e && e->activity > 0 ? 1 : 0;
}

void Reset_Button_Frame(int handle)
{
    if (Element* e = find(handle)) e->framed = false;
}

void Set_Comment_to_Button_PS(int handle, const char* comment)
{
    if (Element* e = find(handle)) e->comment = comment ? comment : "";
}

const char* Comment_of_Button_PS(int handle)
{
    Element* e = find(handle);
    return e ? e->comment.c_str() : "";
}

void Snap_Colored_Layout_of_Single_Button(int handle)
{
    if (Element* e = find(handle)) redraw_if_active(*e);
}

void Move_Mouse_Cursor_to_Button_of_PS(int handle, int dx, int dy)
{
    Element* e = find(handle);
    if (!e) return;
    QRect r = place(*top(), *e);
    msStCu(r.center().x() + dx, r.center().y() + dy);
}

int Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour)
{
    Sheet* s = top();
    if (!s || !find(button)) return 0;
    Pop_RFont(font);
    int w = font_text_pixels(text ? text : "", text ? (int)std::strlen(text) : 0);
    int a = font_ascent(), h = font_height();
    Push_RFont();
    Element& e = add(*s, LABEL, QRect(x, y - a, std::max(1, w), h));
    e.owner = button;
    e.text = text ? text : "";
    e.font = font;
    e.colour = colour;
    return e.handle;
}

int prop_sheet_element_rect(int handle, int* x1, int* y1, int* x2, int* y2)
{
    Element* e = find(handle);
    if (!e) return 0;
    QRect r = place(*top(), *e);
    if (e->kind == SCROLL) r = view_rect(*top(), *e);
    if (x1) *x1 = r.left();
    if (y1) *y1 = r.top();
    if (x2) *x2 = r.right();
    if (y2) *y2 = r.bottom();
    return 1;
}

// ---- escape areas and registers ----

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int flags, int code)
{
    (void)flags;
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, ESCAPE, corners(x1, y1, x2, y2));
    e.code = code;
    return e.handle;
}

void Set_Escape_Area_to_MouseMoveEvent(int handle, int on)
{
    if (Element* e = find(handle)) e->report_moves = on != 0;
}

void Set_ClickOutsideEvent_to_PS(int code)
{
    if (Sheet* s = top()) s->click_outside = code;
}

int Add_Register_to_PS(int x1, int y1, int x2, int y2, int flags)
{
    (void)flags;
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, REGISTER, corners(x1, y1, x2, y2));
    e.selected = 1;
    return e.handle;
}

int Add_Member_to_Register(int reg, int from, int to, int active, int code)
{
    Sheet* s = top();
    Element* r = find(reg);
    if (!s || !r || r->kind != REGISTER) return 0;
    QRect row = r->rect;
    Element& m = add(*s, MEMBER, corners(from, row.top(), to, row.bottom()));
    m.owner = reg;
    m.activity = active ? 1 : -1;
    m.code = code;
    int number = 0;
    for (const Element& e : s->elements)
        if (e.kind == MEMBER && e.owner == reg) ++number;
    return number;
}

namespace {

Element* last_register()
{
    Sheet* s = top();
    if (!s) return nullptr;
    for (size_t i = s->elements.size(); i-- > 0;)
        if (s->elements[i].kind == REGISTER) return &s->elements[i];
    return nullptr;
}

} // namespace

void Set_Selected_Register_Member(int member)
{
    Element* r = last_register();
    if (!r) return;
    r->selected = member;
    redraw_if_active(*r);
}

int Selected_Register_Member(int reg)
{
    Element* r = find(reg);
    return r && r->kind == REGISTER ? r->selected : 0;
}

// ---- scrollable areas ----

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int flag1, int flag2, int step_x, int step_y,
                              PSScrollDrawFn draw, void* record, int flag3)
{
    (void)flag1;
    (void)flag2;
    (void)flag3;
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, SCROLL, corners(x1, y1, x2, y2));
    e.step_x = step_x > 0 ? step_x : 10;
    e.step_y = step_y > 0 ? step_y : 10;
    e.draw = draw;
    e.record = record;
    e.content_w = e.rect.width();
    e.content_h = e.rect.height();
    return e.handle;
}

namespace {

int add_slider(int handle, bool vertical)
{
    Sheet* s = top();
    Element* a = find(handle);
    if (!s || !a || a->kind != SCROLL) return 0;
    int& slot = vertical ? a->vslider : a->hslider;
    if (slot) return slot;
    Element& sl = add(*s, vertical ? VSLIDER : HSLIDER, QRect());
    sl.owner = handle;
    int h = sl.handle;
    find(handle)->vslider = vertical ? h : find(handle)->vslider;
    find(handle)->hslider = vertical ? find(handle)->hslider : h;
    return h;
}

} // namespace

int Add_VSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d)
{
    (void)a;
    (void)b;
    (void)c;
    (void)d;
    return add_slider(handle, true);
}

int Add_HSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d)
{
    (void)a;
    (void)b;
    (void)c;
    (void)d;
    return add_slider(handle, false);
}

void Set_VSlider_Speed(int slider, double speed, double reserved)
{
    (void)slider;
    (void)speed;
    (void)reserved;
}

void Set_HSlider_Speed(int slider, double speed, double reserved)
{
    (void)slider;
    (void)speed;
    (void)reserved;
}

void Set_Scrollable_Area_PS(int handle, int sx, int sy)
{
    Element* a = find(handle);
    if (!a || a->kind != SCROLL) return;
    a->sx = sx;
    a->sy = sy;
    clamp_scroll(*top(), *a);
    redraw_if_active(*a);
}

void Inquire_Scrollable_Area_PS(int handle, int* sx, int* sy)
{
    Element* a = find(handle);
    if (a && a->kind == SCROLL) clamp_scroll(*top(), *a);
    if (sx) *sx = a ? a->sx : 0;
    if (sy) *sy = a ? a->sy : 0;
}

void Resize_Origin_of_Scrollable_Area_PS(int handle, int content_w, int content_h)
{
    Element* a = find(handle);
    if (!a || a->kind != SCROLL) return;
    a->content_w = std::max(0, content_w);
    a->content_h = std::max(0, content_h);
    clamp_scroll(*top(), *a);
}

void Reshape_Scrollable_Area_PS(int handle, int x1, int y1, int x2, int y2, int a, int b, int c, int d)
{
    (void)a;
    (void)b;
    (void)c;
    (void)d;
    Element* e = find(handle);
    if (!e || e->kind != SCROLL) return;
    Sheet* s = top();
    // The new corners are where the pane is now; it keeps them when the sheet moves on.
    e->rect = corners(x1, y1, x2, y2).translated(-s->dx, -s->dy);
    clamp_scroll(*s, *e);
    redraw_if_active(*e);
}

void Set_Scrollable_Area_PS_Frameflag(int handle, int flag)
{
    if (Element* e = find(handle)) e->pane_frame = flag != 0;
}

int scrollable_area_view(int handle, int* x1, int* y1, int* x2, int* y2)
{
    Element* a = find(handle);
    if (!a || a->kind != SCROLL) return 0;
    QRect v = view_rect(*top(), *a);
    if (x1) *x1 = v.left();
    if (y1) *y1 = v.top();
    if (x2) *x2 = v.right();
    if (y2) *y2 = v.bottom();
    return 1;
}

// ---- number fields and radio buttons ----

int Add_Float_to_PS(int x, int y, int width_chars, const char* format, int flags, int code, double* value)
{
    (void)flags;
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, FLOAT, float_field_rect(x, y, width_chars));
    e.code = code;
    e.format = format ? format : "%g";
    e.value = value;
    e.width_chars = width_chars;
    return e.handle;
}

int Add_Radio_Button_to_PS(int x, int y, int code, int value, int* target)
{
    Sheet* s = top();
    if (!s) return 0;
    Element& e = add(*s, RADIO, QRect(x, y, 11, 11));
    e.code = code;
    e.radio_value = value;
    e.target = target;
    return e.handle;
}

void prop_sheet_reset(void)
{
    stack().clear();
    settings() = Settings{};
    LAST_SHEET_EDIT_KEY = 0;
    edit_reset();
}
