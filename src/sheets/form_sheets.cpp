#include "sheets/form_sheets.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/form_fields.h"
#include "sheets/form_helper_services.h"
#include "sheets/form_state.h"
#include "sheets/form_tooltips.h"
#include "sheets/screen_widgets.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

namespace {

constexpr int TITLE_ROW = 33;
constexpr int BOTTOM_ROW = 27;
constexpr int SCREEN_RESERVE = 30;   // kept free around a sheet that fills the screen
constexpr int SIDE_RESERVE = 15;
constexpr int DEFAULT_TAB_HEIGHT = 30;
constexpr int REGISTER_BORDER = 10;
constexpr int BUTTON_ROW = 29;       // buttons this far above the sheet bottom
constexpr int TABLE_ROW_HEIGHT = 20;
constexpr const char* NEXT_TEXT = "Weiter      ";

struct PageRun {
    int view = -1, escape = -1, table = -1;
    int table_shown = 0;
    bool hover = false;   // registered for the hover handler
};

struct Level {
    SheetDescriptor* d = nullptr;
    PageDescriptor* pages = nullptr;
    int n = 0;
    int selected = 0;
    int reg = -1;
    std::vector<int> members;
    std::vector<PageRun> runs;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int dx = 0, dy = 0;
};

// A deque: a running sheet keeps a reference to its level while callbacks open further sheets.
std::deque<Level> g_levels;
bool g_centre_set = false;
int g_cx = 0, g_cy = 0;
int g_move_cursor = 1;
int g_cancel = 0, g_confirm = 0, g_fill_again = 0;

bool full_screen(int type) { return type == 4 || type == 8; }
int title_row(int type) { return full_screen(type) ? 0 : TITLE_ROW; }
int bottom_row(int type) { return (type == 2 || full_screen(type)) ? 0 : BOTTOM_ROW; }

Level* innermost() { return g_levels.empty() ? nullptr : &g_levels.back(); }

struct RowGeometry {
    int row;      // tab height, 0 with one page
    int border;   // around the page box, 0 with one page
    int extra;    // the row's own 10 pixels
};
RowGeometry row_geometry(const SheetDescriptor* d, int n)
{
    if (n <= 1) return {0, 0, 0};
    return {d->tab_height > 0 ? d->tab_height : DEFAULT_TAB_HEIGHT, REGISTER_BORDER, REGISTER_BORDER};
}

void define_sheet(Level& l)
{
    SheetDescriptor* d = l.d;
    int id = d->identifier + 100 + 5 * (l.n > 1 ? l.n : 1);
    if (full_screen(d->type)) {
        Init_Mouse_Move_Restriction(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
        Set_Prop_Sheet_Screen_Base(2, 2, NPIXEL_X - 10, NPIXEL_Y - 10);
        if (d->type == 8) {
            VYKSetMinMaxSize(NPIXEL_X, NPIXEL_Y, NPIXEL_X, NPIXEL_Y);
            pxBgc(MENUE_CI);
            pxCls();
        }
        l.x1 = l.y1 = 0;
        l.x2 = NPIXEL_X - 1;
        l.y2 = NPIXEL_Y - 1;
        Set_NoFrameFlag_to_Next_PropSheet();
        Define_Prop_Sheet(l.x1, l.y1, l.x2, l.y2, 0, 0, "", id, 1);
        return;
    }
    form_sheet_rect(d, l.n, g_cx, g_cy, &l.x1, &l.y1, &l.x2, &l.y2);
    int corners[4] = {l.x1, l.y1, l.x2, l.y2};
    Check_Prop_Sheet_Frames(corners);
    l.x1 = corners[0];
    l.y1 = corners[1];
    l.x2 = corners[2];
    l.y2 = corners[3];
    Define_Prop_Sheet(l.x1, l.y1, l.x2, l.y2, 1, 0, d->title, id, 1);
}

// Esc, and the end of all input, cancel every sheet, also one without a cancel button, so that
// no sheet can wait for ever; Enter takes a sheet's only text button.
void set_key_codes(const SheetDescriptor* d)
{
    Set_Windows_Break_Button(FORM_CODE_CANCEL);
    if (d->type == 1) Set_Windows_OK_Button(FORM_CODE_CANCEL);
    if (d->type == 3 || d->type == 8) Set_Windows_OK_Button(FORM_CODE_CONFIRM);
}

// The page box of the sheet, and a page's area inside it.
void page_box(const Level& l, int* x1, int* y1, int* x2, int* y2)
{
    const SheetDescriptor* d = l.d;
    RowGeometry g = row_geometry(d, l.n);
    *x1 = l.x1 + g.border + d->left_margin;
    *y1 = l.y1 + title_row(d->type) + d->top_margin + (g.row ? g.row + g.border : 0);
    *x2 = l.x2 - g.border - d->right_margin;
    *y2 = l.y2 - g.border - d->bottom_margin - bottom_row(d->type);
}

void place(int from, int limit, int offset, int size, int* a, int* b)
{
    *a = from;
    *b = limit;
    if (offset >= 0 && size > 0) {
        *a = from + offset;
        *b = std::min(*a + size, limit);
    }
}

struct Box {
    int x1, y1, x2, y2;
};

void create_page_area_in(Level& l, int page, const Box& box, bool hover)
{
    PageDescriptor& p = l.pages[page];
    PageRun& r = l.runs[page];
    int bx1 = box.x1, by1 = box.y1, bx2 = box.x2, by2 = box.y2, x1, y1, x2, y2;
    place(bx1, bx2, p.area_x, p.area_width, &x1, &x2);
    place(by1, by2, p.area_y, p.area_height, &y1, &y2);
    int vs = p.vertical_slider ? SVA_SLIDER_WIDTH : 0, hs = p.horizontal_slider ? SVA_SLIDER_WIDTH : 0;
    r.escape = Add_Escape_Area_to_PS(x1, y1, x2 - vs, y2 - hs, 0, FORM_CODE_PAGE + page);
    Set_Escape_Area_to_MouseMoveEvent(r.escape, 1);
    r.view = sva_create(x1, y1, x2, y2, p.horizontal_slider, p.vertical_slider);
    // Without a view area the page has nothing to show: it takes no table and no hover entry.
    if (r.view < 0) return;
    if (hover) {
        int before = form_area_count();
        form_register_area(r.escape, r.view, x1, y1, x2, y2, &l.dx, &l.dy);
        r.hover = form_area_count() > before;
    }
    r.table_shown = 1;
    int right = p.table_width >= 1 ? p.table_left + p.table_width : (x2 - x1) - vs - 10;
    r.table = table_create(r.view, p.table_top, p.table_left, right, TABLE_ROW_HEIGHT, p.table_row_size, p.table_row);
    form_level_set_page(page, p.check, r.table);
}

void create_page_area(Level& l, int page)
{
    PageDescriptor& p = l.pages[page];
    if (p.state == -2 || p.fill == nullptr) return;
    Box box;
    page_box(l, &box.x1, &box.y1, &box.x2, &box.y2);
    create_page_area_in(l, page, box, l.d->type != 1 && l.d->type != 3);
}

struct Buttons {
    int default_button = 0;
    int help_x = 0;
    int confirm_x = 0;
};

Buttons add_buttons(const Level& l)
{
    const SheetDescriptor* d = l.d;
    Buttons b;
    int y = l.y2 - (d->type == 8 ? BUTTON_ROW + 8 : BUTTON_ROW);
    int middle = (l.x1 + l.x2) / 2;
    b.help_x = d->status_text ? l.x1 + d->left_margin + 32 : middle - 23;
    b.confirm_x = l.x2 - d->right_margin - 23;
    int type = d->type;
    if (type == 1 || type == 3 || type == 8) {
        int code = type == 1 ? FORM_CODE_CANCEL : FORM_CODE_CONFIRM;
        b.default_button = Add_Single_Button_to_PS(middle - 50, y, 1, code, NEXT_TEXT, nullptr, 0);
        return b;
    }
    if (type == 2 || type == 4) return b;
    int cancel = 0, confirm = 0;
    if (type != 6) {
        cancel = Add_Single_Button_to_PS(l.x1 + d->left_margin - 3, y, 1, FORM_CODE_CANCEL, nullptr,
                                         SYMBOLIC_BREAK_RASTER, 0);
        Set_Comment_to_Button_PS(cancel, "abbrechen");
    }
    if (d->help_topic[0]) {
        int help = Add_Help_to_PS(b.help_x, y, 1, 0, 0, d->help_topic);
        Set_Comment_to_Button_PS(help, "Hilfe");
    }
    if (type != 7) {
        confirm = Add_Single_Button_to_PS(b.confirm_x, y, 1, FORM_CODE_CONFIRM, nullptr, SYMBOLIC_OK_RASTER, 0);
        Set_Comment_to_Button_PS(confirm, "best\x84tigen");
    }
    b.default_button = (type == 5 || type == 6) ? confirm : cancel;
    return b;
}

// A tab's text, with its upper line above it where the page has one; draw(x, y, text, font).
template <class Draw>
void tab_label(const PageDescriptor& p, int x, int row_bottom, Draw draw)
{
    if (p.upper_tab_text[0]) {
        draw(x, row_bottom - 18, p.upper_tab_text, FORM_FONT_SMALL);
        draw(x, row_bottom - 6, p.tab_text, FORM_FONT_NORMAL);
    } else {
        draw(x, row_bottom - 10, p.tab_text, FORM_FONT_NORMAL);
    }
}

void draw_tab_texts(const Level& l, const RegisterLayout& r, int row_bottom)
{
    for (int j = 0; j < l.n; ++j) {
        const PageDescriptor& p = l.pages[j];
        if (r.from[j] < 0) continue;
        tab_label(p, r.from[j] + 8, row_bottom,
                  [](int x, int y, const char* text, int font) { Draw_Funny_Text_to_PS(x, y, text, font, 2); });
    }
}

void add_register(Level& l)
{
    const SheetDescriptor* d = l.d;
    RegisterLayout r = form_register_layout(d, l.n, l.pages, l.x1, l.x2);
    int top = l.y1 + title_row(d->type) + d->top_margin;
    int bottom = top + row_geometry(d, l.n).row;
    pxFgc(GetVYKColor(-1));
    pxRect(r.row_left, top, r.row_right, bottom);
    if (d->bitmap[0])
        pxDrawTransparentDIB(d->bitmap, r.row_left, top, r.row_right, bottom, 201, 0, 192, 192, 192);
    else {
        pxFgc(BLACK_CI);   // the texts in black on the row
        draw_tab_texts(l, r, bottom);
    }
    l.reg = Add_Register_to_PS(r.row_left, top, r.row_right, l.y2 - d->bottom_margin - bottom_row(d->type), bottom);
    for (int j = 0; j < l.n; ++j) {
        bool tab = r.from[j] >= 0;
        l.members.push_back(Add_Member_to_Register(l.reg, tab ? r.from[j] : r.row_right,
                                                   tab ? r.to[j] : r.row_right, tab ? 1 : 0, FORM_CODE_TAB + j));
    }
}

int first_page(const Level& l)
{
    int n = l.n;
    int page = (l.d->last_page >= 0 && l.d->last_page < n) ? l.d->last_page : n - 1;
    if (l.pages[page].state == -2)
        for (page = n - 1; page > 0 && l.pages[page].state == -2; --page) {
        }
    return page;
}

void select_member(const Level& l, int page)
{
    if (l.reg >= 0 && !full_screen(l.d->type) && page < static_cast<int>(l.members.size()))
        Set_Selected_Register_Member(page + 1);
}

void draw_status(const Level& l, const Buttons& b)
{
    if (l.d->status_text == nullptr) return;
    char buffer[FORM_STATUS_TEXT_SIZE] = {};
    l.d->status_text(buffer);
    buffer[FORM_STATUS_TEXT_SIZE - 1] = '\0';
    int type = l.d->type;
    int r = (type == 0 || type == 5 || type == 6 || type == 7) ? b.confirm_x : (l.x1 + l.x2) / 2;
    draw_framed_text_box(b.help_x + l.dx + 30, l.y2 + l.dy - 26, r + l.dx - 20, l.y2 + l.dy - 9, buffer, 209, 1,
                         FORM_FONT_NORMAL, BLACK_CI, BUTTON_CI);
}

void fill_page(Level& l, int page)
{
    PageRun& r = l.runs[page];
    PageDescriptor& p = l.pages[page];
    if (r.view < 0 || r.escape < 0 || r.table < 0) return;
    g_fill_again = 0;
    for (int pass = 0; pass < 2; ++pass) {   // a callback may ask for one more fill
        sva_clear(r.view);
        form_select_sheet(r.view);
        p.fill(r.view, r.table);
        if (r.table_shown) table_draw(r.table);
        if (!g_fill_again) break;
        g_fill_again = 0;
    }
    if (p.saved_scroll_x > 0 || p.saved_scroll_y > 0) {
        // The saved values are pixel positions, as sva_inquire_scroll gave them.
        int sx = 0, sy = 0;
        sva_inquire_scroll(r.view, &sx, &sy);
        int dx = p.saved_scroll_x > 0 ? p.saved_scroll_x - sx : 0;
        int dy = p.saved_scroll_y > 0 ? p.saved_scroll_y - sy : 0;
        sva_scroll_by(r.view, &dx, &dy);
        p.saved_scroll_x = p.saved_scroll_y = -1;
    }
    sva_set_activity(r.view, 1);
    sva_update(r.view);
    Change_Activity_PS(r.escape, 1);
}

// The tabs of disabled pages other than the selected one, in their disabled colour.
void redraw_disabled_tabs(const Level& l)
{
    if (l.n < 2 || l.d->bitmap[0]) return;
    RegisterLayout r = form_register_layout(l.d, l.n, l.pages, l.x1, l.x2);
    int bottom = l.y1 + title_row(l.d->type) + l.d->top_margin + row_geometry(l.d, l.n).row;
    for (int j = 0; j < l.n; ++j) {
        const PageDescriptor& p = l.pages[j];
        if (p.state != 0 || j == l.selected || r.from[j] < 0) continue;
        int colour = GetVYKColor(p.disabled_tab_colour);
        tab_label(p, r.from[j] + 8, bottom, [colour](int x, int y, const char* text, int font) {
            draw_text_in_font(x, y, text, font, colour);
        });
    }
}

// The page left behind stops taking input.
void deactivate_page(Level& l, int page)
{
    PageRun& old = l.runs[page];
    if (old.view >= 0) sva_set_activity(old.view, 0);
    if (old.escape >= 0) Change_Activity_PS(old.escape, 0);
}

// Keeps the shown page on a page that can be shown; returns the page to fill.
int settle_page(Level& l, int current)
{
    if (l.selected != current) {
        deactivate_page(l, current);
        if (l.n > 1 && l.pages[l.selected].state == 0) l.selected = current;
        if (l.selected != current && l.d->page_change && l.d->page_change(current, l.selected)) l.selected = current;
    }
    if (l.n > 1 && l.pages[l.selected].state == 0)
        for (int j = 0; j < l.n; ++j)
            if (l.pages[j].state != 0) {
                l.selected = j;
                break;
            }
    select_member(l, l.selected);
    redraw_disabled_tabs(l);
    return l.selected;
}

void handle_element(Level& l, int code)
{
    const SheetDescriptor* d = l.d;
    int handled = 0;
    if (d->element) {
        Activate_Call_Allways_Function(0);
        handled = d->element(code);
        if (form_area_count() > 0) Activate_Call_Allways_Function(1);
    }
    if (handled) return;
    if (l.n > 1 && code >= FORM_CODE_TAB && code < FORM_CODE_TAB + 1000 && code - FORM_CODE_TAB < l.n) {
        l.selected = code - FORM_CODE_TAB;
    } else if (code >= FORM_CODE_PAGE && code < FORM_CODE_PAGE + 1000 && code - FORM_CODE_PAGE < l.n) {
        PageRun& r = l.runs[code - FORM_CODE_PAGE];
        if (r.table < 0 || table_edit(r.table) == 0) sva_edit(r.view);
    }
}

// What both kinds of sheet do first: refuse a page count out of range, offer the helpers' services,
// set the hover handler and, the first time, place the sheet's centre in the middle of the screen.
bool start_run(int n, bool& centre_set, int& cx, int& cy)
{
    if (n < 1 || n > FORM_MAX_TABS) return false;
    sheets_offer_helper_services();
    form_hover_handler();
    if (!centre_set) {
        cx = NPIXEL_X / 2;
        cy = NPIXEL_Y / 2;
        centre_set = true;
    }
    return true;
}

void end_sheet(Level& l);

// What both kinds of sheet do last. The fields' values are taken before the areas go; the entries
// the areas' items show are freed only after the areas, when the level is popped.
void finish_run(Level& l)
{
    form_release_level_fields();
    end_sheet(l);
    form_level_pop();
    g_levels.pop_back();
    g_cancel = g_confirm = 0;
}

enum class Outcome { Again, Cancel, Confirm };

// What the code of one pass asks for: the sheet's own cancel and confirm codes, or an element whose
// handler may cancel or confirm the sheet.
Outcome pass_outcome(Level& l, int code, int cancel_code, int confirm_code)
{
    if (code == cancel_code) return Outcome::Cancel;
    if (code == confirm_code) return Outcome::Confirm;
    handle_element(l, code);
    if (g_cancel != 0) return Outcome::Cancel;
    return g_confirm != 0 ? Outcome::Confirm : Outcome::Again;
}

// The input loop; returns 1 for a confirmed and 0 for a cancelled sheet.
int run_passes(Level& l, const Buttons& buttons)
{
    int current = l.selected;
    for (;;) {
        g_cancel = g_confirm = 0;
        draw_status(l, buttons);
        if (buttons.default_button) Change_Activity_PS(buttons.default_button, 1);
        int buffered = pxBuff(-1);
        if (l.d->each_pass) l.d->each_pass(current);
        current = settle_page(l, current);
        fill_page(l, current);
        pxBuff(buffered);
        int code = l.d->preset_code;
        if (code >= 0)
            l.d->preset_code = -1;
        else
            code = Edit_Prop_Sheet();
        Outcome outcome = pass_outcome(l, code, FORM_CODE_CANCEL, FORM_CODE_CONFIRM);
        if (outcome == Outcome::Cancel) {
            g_cx += l.dx;
            g_cy += l.dy;
            if (l.d->cancel_veto && l.d->cancel_veto()) continue;
            return 0;
        }
        if (outcome == Outcome::Confirm) {
            g_cx += l.dx;
            g_cy += l.dy;
            if (form_transfer_values(form_level_depth()) != 0) continue;
            if (l.d->confirm_veto && l.d->confirm_veto()) continue;
            return 1;
        }
    }
}

void end_sheet(Level& l)
{
    for (int j = l.n - 1; j >= 0; --j) {   // hover entries go last in, first out
        PageRun& r = l.runs[j];
        if (r.table >= 0) table_free(r.table);
        r.table = -1;
        if (r.hover) form_unregister_area();
        r.hover = false;
        if (r.view < 0) continue;
        sva_inquire_scroll(r.view, &l.pages[j].saved_scroll_x, &l.pages[j].saved_scroll_y);
        table_free_owner(r.view);
        sva_delete(r.view);
        r.view = -1;
    }
    if (l.d->at_end) l.d->at_end();
    l.d->last_page = l.selected;
    Undefine_Prop_Sheet();
}

}  // namespace

SheetDescriptor* form_register_defaults(SheetDescriptor* d)
{
    std::memset(d, 0, sizeof *d);
    d->identifier = 40;
    d->content_height = 150;
    d->content_width = 200;
    d->top_margin = d->bottom_margin = d->left_margin = d->right_margin = 8;
    d->last_page = -1;
    d->preset_code = -1;
    return d;
}

void form_pages_init(int n, PageDescriptor* pages)
{
    for (int i = 0; i < n; ++i) {
        PageDescriptor& p = pages[i];
        std::memset(&p, 0, sizeof p);
        p.state = 1;
        p.tab_colour = -9;
        p.disabled_tab_colour = -6;
        p.area_x = p.area_y = p.area_width = p.area_height = -1;
        p.saved_scroll_x = p.saved_scroll_y = -1;
        p.table_width = -1;
        p.table_left = 30;
        p.table_top = 10;
    }
}

void form_sheet_rect(const SheetDescriptor* d, int n, int cx, int cy, int* x1, int* y1, int* x2, int* y2)
{
    RowGeometry g = row_geometry(d, n);
    int title = title_row(d->type), bottom = bottom_row(d->type);
    int content = std::min(d->content_width,
                           NPIXEL_X - 2 * g.border - d->left_margin - d->right_margin - SIDE_RESERVE);
    int width = d->left_margin + content + 2 * g.border + d->right_margin;
    int page = std::min(d->content_height, NPIXEL_Y - (2 * g.border + g.row + title + d->top_margin +
                                                        d->bottom_margin + bottom + SCREEN_RESERVE));
    int height = bottom + page + g.row + g.extra + g.border + d->top_margin + title + d->bottom_margin;
    *x1 = cx - width / 2;
    *x2 = *x1 + width - 1;
    *y1 = cy - height / 2;
    *y2 = *y1 + height - 1;
}

RegisterLayout form_register_layout(const SheetDescriptor* d, int n, const PageDescriptor* pages, int sheet_left,
                                    int sheet_right)
{
    RegisterLayout r{};
    RowGeometry g = row_geometry(d, n);
    r.row_left = sheet_left + d->left_margin;
    r.row_right = sheet_right - d->right_margin;
    int content = std::min(d->content_width,
                           NPIXEL_X - 2 * g.border - d->left_margin - d->right_margin - SIDE_RESERVE);
    int tabbed = 0;
    for (int j = 0; j < n; ++j) tabbed += pages[j].state != -2;
    r.tab_width = d->tab_width > 0 ? d->tab_width : tabbed > 0 ? (content + 2 * g.border - tabbed + 1) / tabbed : 0;
    int k = 0;
    for (int j = 0; j < n && j < FORM_MAX_TABS; ++j) {
        r.from[j] = r.to[j] = -1;
        if (pages[j].state == -2) continue;
        r.from[j] = r.row_left + k * (r.tab_width + 1);
        r.to[j] = (d->tab_width <= 0 && k == tabbed - 1) ? r.row_right : r.from[j] + r.tab_width;
        ++k;
    }
    return r;
}

int form_run(SheetDescriptor* d, PageDescriptor* page) { return form_run_register(d, 1, page); }

int form_run_register(SheetDescriptor* d, int n, PageDescriptor* pages)
{
    if (!start_run(n, g_centre_set, g_cx, g_cy)) return 0;
    if (form_level_push(nullptr, 0) < 0) return 0;
    int buffered = pxBuff(-1);
    g_levels.emplace_back();
    Level& l = g_levels.back();
    l.d = d;
    l.pages = pages;
    l.n = n;
    l.selected = 0;
    l.runs.resize(n);
    for (int j = 0; j < n; ++j) form_level_set_page(j, pages[j].check, -1);
    define_sheet(l);
    set_key_codes(d);
    if (n > 1) add_register(l);
    l.selected = first_page(l);
    select_member(l, l.selected);
    for (int j = 0; j < n; ++j) create_page_area(l, j);
    Buttons buttons = add_buttons(l);
    if (d->after_definition) d->after_definition(l.x1, l.y1, l.x2, l.y2);
    for (int j = 0; j < n; ++j)
        if (pages[j].table_init) pages[j].table_init(l.runs[j].table);
    if (g_move_cursor && buttons.default_button) Move_Mouse_Cursor_to_Button_of_PS(buttons.default_button, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffered);
    Prop_Sheet_Displacement(&l.dx, &l.dy);
    int result = run_passes(l, buttons);
    finish_run(l);
    return result;
}

void form_set_page_state(int page, int state)
{
    if (Level* l = innermost(); l && page >= 0 && page < l->n) l->pages[page].state = state;
}

int form_get_page_state(int page)
{
    Level* l = innermost();
    return (l && page >= 0 && page < l->n) ? l->pages[page].state : 0;
}

void form_page_switch(int page)
{
    Level* l = innermost();
    if (!l || page < 0 || page >= l->n || page == l->selected) return;
    int old = l->selected;
    l->selected = page;
    if (l->reg >= 0) Set_Selected_Register_Member(page + 1);
    if (l->d->page_change && l->d->page_change(old, page)) l->selected = old;
}

int form_current_page(void)
{
    Level* l = innermost();
    return l ? l->selected : 0;
}

void form_set_page_table_shown(int page, int flag)
{
    if (Level* l = innermost(); l && page >= 0 && page < l->n) l->runs[page].table_shown = flag;
}

int form_commit(void)
{
    form_commit_fields();
    for (auto l = g_levels.rbegin(); l != g_levels.rend(); ++l)
        for (int j = 0; j < l->n; ++j)
            if (l->pages[j].check)
                if (int r = l->pages[j].check(l->runs[j].table)) return r;
    return 0;
}

void form_sheet_origin(int* x, int* y)
{
    Level* l = innermost();
    *x = l ? l->x1 + l->dx : 0;
    *y = l ? l->y1 + l->dy : 0;
}

void form_request_cancel(void) { g_cancel = 1; }
void form_request_confirm(void) { g_confirm = 1; }
void form_request_redraw(void) { g_fill_again = 1; }
void form_set_cursor_to_default(int flag) { g_move_cursor = flag; }
void form_cursor_to_default_on(void) { g_move_cursor = 1; }
void form_cursor_to_default_off(void) { g_move_cursor = 0; }
void form_no_operation(void) {}
int form_sheet_depth(void) { return static_cast<int>(g_levels.size()); }

// The older register runner, without a descriptor: its own geometry, codes 1 and 2 for cancel
// and confirm, and the page a sheet of the same nesting level showed last.
namespace {

constexpr int CLASSIC_ID = 140;
constexpr int CLASSIC_CANCEL = 1, CLASSIC_CONFIRM = 2;
constexpr int CLASSIC_LEVELS = 16;
int g_classic_last[CLASSIC_LEVELS];
bool g_classic_centre_set = false;
int g_classic_cx = 0, g_classic_cy = 0;

struct ClassicGeometry {
    int width, height;   // of the sheet
    int border;          // of the buttons
    Box (*box)(const Level&);
};

Box classic_box_one(const Level& l) { return {l.x1 + 14, l.y1 + 42, l.x2 - 14, l.y2 - 37}; }
Box classic_box_several(const Level& l) { return {l.x1 + 20, l.y1 + 80, l.x2 - 20, l.y2 - 45}; }

ClassicGeometry classic_geometry(int height, int width, int n)
{
    if (n == 1)
        return {std::min(width, NPIXEL_X - 44) + 28, std::min(height, NPIXEL_Y - 110) + 79, 7, classic_box_one};
    return {std::min(width, NPIXEL_X - 50) + 40, std::min(height, NPIXEL_Y - 150) + 125, 10, classic_box_several};
}

constexpr int CLASSIC_ROW_TOP = 40, CLASSIC_ROW_BOTTOM = 70, CLASSIC_ROW_INSET = 10, CLASSIC_REGISTER_END = 35;

void classic_tab_texts(const Level& l, int tab_width, int skip)
{
    int left = l.x1 + CLASSIC_ROW_INSET, bottom = l.y1 + CLASSIC_ROW_BOTTOM;
    for (int j = 0; j < l.n; ++j) {
        if (j == skip) continue;
        const PageDescriptor& p = l.pages[j];
        int colour = GetVYKColor(p.state == 0 ? p.disabled_tab_colour : p.tab_colour);
        tab_label(p, left + j * (tab_width + 1) + 8, bottom, [colour](int x, int y, const char* text, int font) {
            draw_text_in_font(x, y, text, font, colour);
        });
    }
}

int classic_tab_width(int width, int n) { return (std::min(width, NPIXEL_X - 50) - n + 21) / n; }

void classic_register(Level& l, int tab_width)
{
    int left = l.x1 + CLASSIC_ROW_INSET, right = l.x2 - CLASSIC_ROW_INSET;
    int top = l.y1 + CLASSIC_ROW_TOP, bottom = l.y1 + CLASSIC_ROW_BOTTOM;
    pxFgc(GetVYKColor(-1));
    pxRect(left, top, right, bottom);
    classic_tab_texts(l, tab_width, -1);
    l.reg = Add_Register_to_PS(left, top, right, l.y2 - CLASSIC_REGISTER_END, bottom);
    for (int j = 0; j < l.n; ++j) {
        int from = left + j * (tab_width + 1);
        l.members.push_back(
            Add_Member_to_Register(l.reg, from, from + tab_width, l.pages[j].state != 0 ? 1 : -1, FORM_CODE_TAB + j));
    }
}

Buttons classic_buttons(const Level& l, int border, int has_status, const char* help_topic)
{
    Buttons b;
    int y = l.y2 - BUTTON_ROW;
    b.help_x = has_status ? l.x1 + border + 30 : (l.x1 + l.x2) / 2;
    b.confirm_x = l.x2 - border - 20;
    b.default_button = Add_Single_Button_to_PS(l.x1 + border - 3, y, 1, CLASSIC_CANCEL, nullptr,
                                               SYMBOLIC_BREAK_RASTER, 0);
    Set_Comment_to_Button_PS(b.default_button, "abbrechen");
    int confirm = Add_Single_Button_to_PS(b.confirm_x, y, 1, CLASSIC_CONFIRM, nullptr, SYMBOLIC_OK_RASTER, 0);
    Set_Comment_to_Button_PS(confirm, "best\x84tigen");
    if (help_topic) {
        int help = Add_Help_to_PS(b.help_x, y, 1, 0, 0, help_topic);
        Set_Comment_to_Button_PS(help, "Hilfe");
    }
    return b;
}

// Members follow their pages' states; a disabled selected page gives way to its neighbour.
void classic_settle(Level& l, std::vector<int>& states, int tab_width)
{
    if (l.n < 2) return;
    for (int j = 0; j < l.n; ++j)
        if (l.pages[j].state != states[j]) {
            states[j] = l.pages[j].state;
            Change_Activity_PS(l.members[j], states[j] != 0 ? 1 : -1);
        }
    if (l.pages[l.selected].state == 0) l.selected = l.selected == 0 ? 1 : l.selected - 1;
    Set_Selected_Register_Member(l.selected + 1);
    classic_tab_texts(l, tab_width, l.selected);
}

int classic_passes(Level& l, const Buttons& buttons, int tab_width)
{
    std::vector<int> states(l.n);
    for (int j = 0; j < l.n; ++j) states[j] = l.pages[j].state;
    int current = l.selected;
    for (;;) {
        g_cancel = g_confirm = 0;
        draw_status(l, buttons);
        int buffered = pxBuff(-1);
        classic_settle(l, states, tab_width);
        if (current != l.selected) {
            deactivate_page(l, current);
            current = l.selected;
        }
        fill_page(l, current);
        pxBuff(buffered);
        int code = Edit_Prop_Sheet();
        Outcome outcome = pass_outcome(l, code, CLASSIC_CANCEL, CLASSIC_CONFIRM);
        if (outcome == Outcome::Cancel) {
            g_classic_cx += l.dx;
            g_classic_cy += l.dy;
            return 0;
        }
        if (outcome == Outcome::Confirm) {
            if (form_transfer_values(form_level_depth()) != 0) continue;
            g_classic_cx += l.dx;
            g_classic_cy += l.dy;
            return 1;
        }
    }
}

}  // namespace

int form_run_register_classic(int height, int width, const FormTitleRecord* title, int n, PageDescriptor* pages,
                              void (*status_text)(char* buffer), const char* help_topic)
{
    if (!start_run(n, g_classic_centre_set, g_classic_cx, g_classic_cy)) return 0;
    int depth = form_level_push(nullptr, 0);
    if (depth < 0) return 0;
    // The steering operations find the sheet through a descriptor of their own.
    SheetDescriptor d;
    form_register_defaults(&d);
    d.status_text = status_text;
    g_levels.emplace_back();
    Level& l = g_levels.back();
    l.d = &d;
    l.pages = pages;
    l.n = n;
    l.runs.resize(n);
    for (int j = 0; j < n; ++j) form_level_set_page(j, pages[j].check, -1);
    ClassicGeometry g = classic_geometry(height, width, n);
    int corners[4] = {g_classic_cx - g.width / 2, g_classic_cy - g.height / 2, 0, 0};
    corners[2] = corners[0] + g.width - 1;
    corners[3] = corners[1] + g.height - 1;
    Check_Prop_Sheet_Frames(corners);
    l.x1 = corners[0];
    l.y1 = corners[1];
    l.x2 = corners[2];
    l.y2 = corners[3];
    Define_Prop_Sheet(l.x1, l.y1, l.x2, l.y2, 1, 0, title ? title->title : "", CLASSIC_ID, 1);
    Set_Windows_Break_Button(CLASSIC_CANCEL);
    int tab_width = classic_tab_width(width, n);
    if (n > 1) classic_register(l, tab_width);
    int slot = std::min(depth, CLASSIC_LEVELS - 1);
    l.selected = std::clamp(g_classic_last[slot], 0, n - 1);
    Box box = g.box(l);
    for (int j = 0; j < n; ++j)
        if (pages[j].fill) create_page_area_in(l, j, box, true);
    Buttons buttons = classic_buttons(l, g.border, status_text != nullptr, help_topic);
    for (int j = 0; j < n; ++j)
        if (pages[j].table_init) pages[j].table_init(l.runs[j].table);
    if (g_move_cursor) Move_Mouse_Cursor_to_Button_of_PS(buttons.default_button, 0, 0);
    Activate_Prop_Sheet();
    Prop_Sheet_Displacement(&l.dx, &l.dy);
    int result = classic_passes(l, buttons, tab_width);
    g_classic_last[slot] = l.selected;
    finish_run(l);
    return result;
}
