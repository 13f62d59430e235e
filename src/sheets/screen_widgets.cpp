#include "helpers/progress_sheet.h"
#include "sheets/screen_widgets.h"

#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/sheet_images.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kTransparentGrey = 192;
constexpr int kButtonGap = 5;
constexpr int kOutsideCode = 99;

// Last mouse position relative to each pop-up's sheet; both 0 at first.
struct MouseOffset {
    int x = 0, y = 0;
    bool set = false;
};
MouseOffset g_row_offset, g_list_offset;

int title_width(const char* title)
{
    if (!title) return 0;
    Pop_RFont(0);
    int xs[4], ys[4];
    pxQTxX(title, (int)std::strlen(title), 0, 0, xs, ys);
    Push_RFont();
    return xs[1] - xs[0];
}

void bold_title(int x, int y, const char* title)
{
    if (!title) return;
    Pop_RFont(0);
    pxFgc(BLACK_CI);
    int n = (int)std::strlen(title);
    pxText(x, y, title, n);
    pxText(x + 1, y, title, n);
    Push_RFont();
}

// An empty face of the button size, on which the strip is drawn.
PSRaster empty_raster(int w, int h)
{
    return PSRaster{w, h, 0, nullptr, PS_SYMBOL_NONE};
}

int add_symbol_button(int x, int y, int code, const PSRaster* face, const char* comment)
{
    int button = Add_Single_Button_to_PS(x, y, 1, code, nullptr, face, 0);
    Change_Action_State_PS(button, 0);
    Reset_Button_Frame(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
    return button;
}

// Runs a defined pop-up: mouse at its remembered place, wait, remember where the mouse was.
int run_popup(MouseOffset& offset, const int corners[4], int first_x, int first_y)
{
    int x = corners[0], y = corners[1];
    Add_Escape_Area_to_PS(corners[0], corners[1], corners[2], corners[3], 1, kOutsideCode);
    Set_ClickOutsideEvent_to_PS(kOutsideCode);
    if (!offset.set) {
        offset = MouseOffset{first_x - x, first_y - y, true};
    }
    msStCu(x + offset.x, y + offset.y);
    Activate_Prop_Sheet();
    int code = Edit_Prop_Sheet();
    GetVYKMessage(VYK_EV_LEFT_UP, nullptr);
    int mx = 0, my = 0, left = 0;
    msStat(&mx, &my, &left);
    offset.x = mx - x;
    offset.y = my - y;
    Undefine_Prop_Sheet();
    return code;
}

int popup_result(int code, int count) { return code == count + 1 ? -1 : code; }

} // namespace

void draw_framed_text_box(int x1, int y1, int x2, int y2, const char* text, int mode, int relief, int font,
                          int text_colour, int fill_colour)
{
    int colour = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    int m = 0;
    if (relief > 0) {
        Draw_Funny_Area_to_PS(relief, x1, y1, x2, y2, 0);
        m = relief <= 2 ? 1 : 2;
        pxView(x1 + m, y1 + m, x2 - m, y2 - m);
    }
    if (fill_colour != SCREEN_NO_COLOUR) {
        pxFgc(fill_colour);
        pxRect(x1 + m, y1 + m, x2 - m, y2 - m);
    }
    if (text && text_colour != SCREEN_NO_COLOUR) {
        int left = m ? x1 + m + 3 : x1;
        int right = m ? x2 - m - 1 : x2;
        if (font >= 0) Pop_RFont(font);
        pxFgc(text_colour);
        pxBTxt(left, y1, right, y2, text, (int)std::strlen(text), mode);
        if (font >= 0) Push_RFont();
    }
    pxFgc(colour);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

void draw_field_box(int x, int y, double n, int colour)
{
    pxFgc(colour);
    pxRect(x - 1, y + 3, x + (int)(8 * n), y - 10);
}

void draw_field_background(int x, int y, double n)
{
    int colour = pxQFgc();
    draw_field_box(x, y, n, GetVYKColor(-1));
    pxFgc(colour);
}

void draw_text_in_font(int x, int y, const char* text, int font, int colour)
{
    if (!text) return;
    int previous = pxQFgc();
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text, (int)std::strlen(text));
    Push_RFont();
    pxFgc(previous);
}

void draw_state_text(int x, int y, const char* text, int font, int state)
{
    int colour = state == -1 ? -6 : state != 0 ? -9 : -1;
    draw_text_in_font(x, y, text, font, GetVYKColor(colour));
}

int symbol_button_sheet(SymbolButtonSpec spec)
{
    int n = std::max(spec.button_count, 0);
    int tw = title_width(spec.title);
    int d = n * (spec.button_width + kButtonGap);
    int width = std::max(d + 11, tw + 16);
    bool title_wider = tw + 16 > d + 11;
    int title_x = title_wider ? 8 : (d + 11 - tw) / 2;
    int buttons_x = title_wider ? (tw - d + 21) / 2 - 1 : 7;
    int corners[4] = {spec.sheet_x, spec.sheet_y, spec.sheet_x + width, spec.sheet_y + RFONT_HEIGHT + spec.button_height + 20};
    Check_Prop_Sheet_Frames(corners);
    int x = corners[0], y = corners[1];
    move_marker_animation(spec.anchor_x, spec.anchor_y, spec.anchor_x, spec.anchor_y, corners[0], corners[1],
                          corners[2], corners[3]);
    Define_Prop_Sheet(corners[0], corners[1], corners[2], corners[3], 0, 0, "", n, 0);
    bold_title(x + title_x, y + RFONT_HEIGHT + 6, spec.title);
    PSRaster face = empty_raster(spec.button_width, spec.button_height);
    int by = y + RFONT_HEIGHT + 12;
    std::vector<int> buttons;
    for (int i = 0; i < n; ++i)
        buttons.push_back(add_symbol_button(x + buttons_x + i * (spec.button_width + kButtonGap), by, i + 1, &face,
                                            spec.comments ? spec.comments[i] : nullptr));
    for (int i = 0; i < n; ++i) {
        int bx = x + buttons_x + i * (spec.button_width + kButtonGap);
        pxDrawPartialTransparentDIB(spec.bitmap, i * spec.button_width, 0, (i + 1) * spec.button_width - 1,
                                    spec.button_height - 1, bx, by, bx + spec.button_width - 1,
                                    by + spec.button_height - 1, 201, -1, kTransparentGrey, kTransparentGrey,
                                    kTransparentGrey);
    }
    for (int button : buttons) Snap_Colored_Layout_of_Single_Button(button);
    int code = run_popup(g_row_offset, corners, x + buttons_x + spec.button_width / 2, by + spec.button_height / 2);
    return popup_result(code, n);
}

int symbol_button_list_sheet(SymbolButtonSpec spec)
{
    int n = std::max(spec.button_count, 0);
    int width = std::max(spec.button_width + 16, title_width(spec.title) + 16);
    for (int i = 0; i < n && spec.comments; ++i)
        width = std::max(width, title_width(spec.comments[i]) + spec.button_width + 21);
    int corners[4] = {spec.sheet_x, spec.sheet_y, spec.sheet_x + width,
                      spec.sheet_y + RFONT_HEIGHT + n * (spec.button_height + kButtonGap) + 15};
    Check_Prop_Sheet_Frames(corners);
    int x = corners[0], y = corners[1];
    move_marker_animation(spec.anchor_x, spec.anchor_y, spec.anchor_x, spec.anchor_y, corners[0], corners[1],
                          corners[2], corners[3]);
    Define_Prop_Sheet(corners[0], corners[1], corners[2], corners[3], 0, 0, "", n, 0);
    bold_title(x + 8, y + RFONT_HEIGHT + 6, spec.title);
    PSRaster face = empty_raster(spec.button_width, spec.button_height);
    int bx = corners[2] - 8 - spec.button_width;
    int top = y + RFONT_HEIGHT + 12;
    std::vector<int> buttons;
    for (int i = 0; i < n; ++i) {
        int by = top + i * (spec.button_height + kButtonGap);
        const char* comment = spec.comments ? spec.comments[i] : nullptr;
        buttons.push_back(add_symbol_button(bx, by, i + 1, &face, comment));
        if (comment) {
            Pop_RFont(0);
            pxFgc(BLACK_CI);
            pxText(x + 8, by + spec.button_height / 2 + 4, comment, (int)std::strlen(comment));
            Push_RFont();
        }
        pxDrawPartialTransparentDIB(spec.bitmap, 0, i * spec.button_height, spec.button_width - 1,
                                    (i + 1) * spec.button_height - 1, bx, by, bx + spec.button_width - 1,
                                    by + spec.button_height - 1, 201, -1, kTransparentGrey, kTransparentGrey,
                                    kTransparentGrey);
    }
    for (int button : buttons) Snap_Colored_Layout_of_Single_Button(button);
    int code = run_popup(g_list_offset, corners, bx + spec.button_width / 2, top + spec.button_height / 2);
    return popup_result(code, n);
}

int add_visual_check_button(int x, int y, int code)
{
    static const PSRaster eye = {mask_eye().width, mask_eye().height, 5, mask_eye().bits, PS_SYMBOL_NONE};
    int button = Add_Single_Button_to_PS(x, y, 1, code, nullptr, &eye, 0);
    Reset_Button_Frame(button);
    Set_Comment_to_Button_PS(button, "optische Kontrolle");
    return button;
}
