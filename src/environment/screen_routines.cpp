#include "environment/screen_routines.h"

#include "environment/busy_animation.h"
#include "platform/env/vyk_process.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"

#include <algorithm>
#include <cmath>

namespace {

// ---- sand clock ----

constexpr int kClockFrames = 12;
constexpr int kClockW = 31, kClockH = 61;
constexpr double kClockStep = 0.05;   // seconds between frames
const char kClockStrip[] = "animsandclock.bmp";

struct SandClock {
    int x = 0, y = 0, background = 0, frame = 0;
} g_clock;

// ---- progress bars ----

constexpr int kBars = 6;
constexpr int kBarRows = 8;

struct Bar {
    bool used = false;
    int x = 0, y = 0, width = 0;
    bool framed = false;
    int fill = 0;
    double pause = 0;
} g_bars[kBars];

int rgb(int r, int g, int b) { return Nearest_Color_Index(r, g, b); }
int empty_colour() { return rgb(235, 245, 225); }

// The colour of each of the bar's eight rows, top to bottom.
int row_colour(int row)
{
    switch (row) {
    case 0: case 6: return rgb(32, 96, 192);
    case 1: case 5: return rgb(0, 127, 207);
    case 2: case 4: return rgb(113, 175, 229);
    case 3: return rgb(166, 202, 240);
    default: return rgb(32, 64, 128);
    }
}

void framed_box(const Bar& b, int* x1, int* y1, int* x2, int* y2)
{
    *x1 = b.x - 10;
    *y1 = b.y - 10;
    *x2 = b.x + b.width + 20;
    *y2 = b.y + 28;
}

Bar* bar(int slot) { return slot >= 0 && slot < kBars && g_bars[slot].used ? &g_bars[slot] : nullptr; }

void wait_seconds(double seconds)
{
    clock_timer_start(seconds);
    while (!clock_timer_expired()) VYKSleep(1);
}

// ---- zoom and rubber band ----

// An outline drawn in exclusive-or: every pixel once, so that drawing it again erases it.
void xor_outline(int x1, int y1, int x2, int y2)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    pxLine(x1, y1, x2, y1);
    if (y2 == y1) return;
    pxLine(x1, y2, x2, y2);
    if (y2 - y1 < 2) return;
    pxLine(x1, y1 + 1, x1, y2 - 1);
    if (x2 != x1) pxLine(x2, y1 + 1, x2, y2 - 1);
}

int lerp(int a, int b, double t) { return (int)std::lround(a + (b - a) * t); }

struct SavedBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
} g_box;

} // namespace

// ---- sand clock ----

void sandclock_start(int x, int y, int background)
{
    g_clock = SandClock{x, y, background, 0};
    clock_timer_start(0);
}

void sandclock_animation_step()
{
    if (!clock_timer_expired()) return;
    SandClock& c = g_clock;
    int keep = pxQFgc();
    pxFgc(c.background);
    pxRect(c.x, c.y, c.x + kClockW, c.y + kClockH);
    pxDrawPartialTransparentDIB(kClockStrip, kClockW * c.frame, 0, -1, -1, c.x, c.y, c.x + kClockW, c.y + kClockH,
                                201, -1, 192, 192, 192);
    pxFgc(keep);
    pxFlsh();
    c.frame = (c.frame + 1) % kClockFrames;
    clock_timer_start(kClockStep);
}

// ---- progress bars ----

int progress_bar_open(int x, int y, int width, int framed)
{
    int slot = 0;
    while (slot < kBars && g_bars[slot].used) ++slot;
    if (slot == kBars) return -1;
    Bar& b = g_bars[slot];
    b = Bar{true, x, y, std::max(0, width), framed != 0, 0, 0};
    int keep = pxQFgc();
    if (b.framed) {
        int x1, y1, x2, y2;
        framed_box(b, &x1, &y1, &x2, &y2);
        Save_Screen_Rectangle(x1, y1, x2, y2);
        pxFgc(GetVYKColor(-1));
        pxRect(x1, y1, x2, y2);
        Draw_Prop_Sheet_Box(x - 10, y - 10, x + b.width + 10, y + 18);
    }
    pxFgc(empty_colour());
    pxRect(x, y, x + b.width, y + kBarRows - 1);
    pxFgc(BLACK_CI);
    pxLine(x - 1, y - 1, x + b.width + 1, y - 1);
    pxLine(x - 1, y - 1, x - 1, y + kBarRows);
    pxFgc(rgb(255, 251, 240));
    pxLine(x, y + kBarRows, x + b.width + 1, y + kBarRows);
    pxLine(x + b.width + 1, y, x + b.width + 1, y + kBarRows);
    pxFgc(keep);
    pxFlsh();
    return slot;
}

// The end line marks the new fill also when the bar shrinks, so that no line is left standing
// in the emptied part.
void progress_bar_set(int slot, double fraction)
{
    Bar* b = bar(slot);
    if (!b) return;
    double f = std::isnan(fraction) ? 0 : std::min(1.0, std::max(0.0, fraction));
    int fill = std::min(b->width, std::max(0, (int)(b->width * f)));
    int keep = pxQFgc();
    if (fill > b->fill) {
        for (int row = 0; row < kBarRows; ++row) {
            pxFgc(row_colour(row));
            pxLine(b->x + b->fill, b->y + row, b->x + fill, b->y + row);
        }
    } else if (fill < b->fill) {
        pxFgc(empty_colour());
        pxRect(b->x + fill, b->y, b->x + b->fill, b->y + kBarRows - 1);
    }
    if (fill != b->fill) {
        pxFgc(BLACK_CI);
        pxLine(b->x + fill, b->y, b->x + fill, b->y + kBarRows - 1);
    }
    b->fill = fill;
    pxFgc(keep);
    pxFlsh();
    if (b->pause > 0) wait_seconds(b->pause);
}

void progress_bar_set_pause(int slot, double seconds)
{
    if (Bar* b = bar(slot)) b->pause = seconds;
}

void progress_bar_close(int slot)
{
    Bar* b = bar(slot);
    if (!b) return;
    if (b->framed) {
        int x1, y1, x2, y2;
        framed_box(*b, &x1, &y1, &x2, &y2);
        Restore_Screen_Rectangle(x1, y1, x2, y2);
    } else {
        int keep = pxQFgc();
        pxFgc(GetVYKColor(-1));
        pxRect(b->x - 1, b->y - 1, b->x + b->width + 1, b->y + kBarRows);
        pxFgc(keep);
    }
    pxFlsh();
    b->used = false;
}

int progress_bar_fill(int slot)
{
    Bar* b = bar(slot);
    return b ? b->fill : -1;
}

// ---- zoom and rubber band ----

void zoom_animation(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    int keep = pxQFgc();
    int mode = pxSBop(3);
    pxFgc(100);
    const int steps = zoom_steps();
    for (int i = 0; i <= steps; ++i) {
        double t = (double)i / (steps + 1);
        int a = lerp(x1, x3, t), b = lerp(y1, y3, t), c = lerp(x2, x4, t), d = lerp(y2, y4, t);
        xor_outline(a, b, c, d);
        pxFlsh();
        VYKSleep(zoom_pause());
        xor_outline(a, b, c, d);
    }
    pxFlsh();
    pxSBop(mode);
    pxFgc(keep);
}

void rubber_band_rectangle(int x0, int y0, int* x_out, int* y_out)
{
    Get_Mouse_Event();
    pxFgc(2);
    msVisi(-1);
    pxSBop(3);
    int x = M_XPOS, y = M_YPOS;
    xor_outline(x0, y0, x, y);
    pxFlsh();
    while (M_LEFT) {
        pxSBop(0);
        Get_Mouse_Event();
        pxSBop(3);
        if (M_XPOS == x && M_YPOS == y) continue;
        xor_outline(x0, y0, x, y);
        x = M_XPOS;
        y = M_YPOS;
        xor_outline(x0, y0, x, y);
        pxFlsh();
    }
    xor_outline(x0, y0, x, y);
    pxFlsh();
    pxSBop(0);
    msVisi(0);
    if (x_out) *x_out = x;
    if (y_out) *y_out = y;
}

// ---- box, button, picture ----

void box_save_and_clear(int x1, int y1, int x2, int y2)
{
    g_box = SavedBox{x1, y1, x2, y2};
    Save_Screen_Rectangle(x1, y1, x2, y2);
    int keep = pxQFgc();
    pxFgc(GetVYKColor(-1));
    pxRect(x1, y1, x2, y2);
    pxFgc(keep);
    pxFlsh();
}

void box_restore()
{
    Restore_Screen_Rectangle(g_box.x1, g_box.y1, g_box.x2, g_box.y2);
    pxFlsh();
}

void button_reset(int button, int coloured, const char* comment)
{
    Reset_Button_Frame(button);
    Change_Action_State_PS(button, 0);
    if (coloured) Snap_Colored_Layout_of_Single_Button(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
}

int picture_sheet(const char* title, const char* picture, int width, int height)
{
    constexpr int kLeft = 2, kTop = 32, kButtonHalf = 18;
    const int w = width + 4, h = height + 66;
    int c[4] = {NPIXEL_X / 2 - w / 2, NPIXEL_Y / 2 - h / 2, 0, 0};
    c[2] = c[0] + w - 1;
    c[3] = c[1] + h - 1;
    Check_Prop_Sheet_Frames(c);
    Define_Prop_Sheet(c[0], c[1], c[2], c[3], 1, 1, title ? title : "", 0, 1);
    pxDrawTransparentDIB(picture, c[0] + kLeft, c[1] + kTop, c[0] + kLeft + width - 1, c[1] + kTop + height - 1, 201,
                         -1, -1, -1, -1);
    int ok = Add_Single_Button_to_PS(NPIXEL_X / 2 - kButtonHalf, c[1] + kTop + height + 5, 1, 1, nullptr,
                                     SYMBOLIC_OK_RASTER, 0);
    Move_Mouse_Cursor_to_Button_of_PS(ok, 0, 0);
    Activate_Prop_Sheet();
    int code = Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
    return code;
}
