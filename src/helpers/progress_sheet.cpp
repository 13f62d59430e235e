#include "helpers/progress_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "environment/busy_animation.h"
#include "helpers/messages.h"
#include "helpers/sheet_services.h"
#include "platform/env/vyk_message.h"
#include "platform/env/vyk_process.h"
#include "platform/screen/fonts.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/os/c_numeric.h"

namespace {

constexpr int MIN_WIDTH = 200;
constexpr int FRAME_X = 14;           // sheet width = content + 14
constexpr int FRAME_Y = 42;           // sheet height = content + 42 (title row and bottom)
constexpr int SCREEN_X_RESERVE = 44;
constexpr int SCREEN_Y_RESERVE = 87;
constexpr int STEP_HEIGHT = 48, HEIGHT_EXTRA = 31;
constexpr int LINE_STEP = 47, FIRST_LINE = 30;
constexpr int SHEET_ID = 40;
constexpr int FONT_NORMAL = 4096, FONT_SMALL = 4098, FONT_COUNTER = 0;
constexpr int BAR_LAYERS = 7;         // boxes of the bar, each 10 % lighter: a lighter core

struct Step {
    int total = 0;
    int count = 0;
    char text[PROGRESS_TEXT] = {};
};

struct Progress {
    ProgressRecord* records = nullptr;
    int enabled = 1;
    Step steps[PROGRESS_STEPS];
    int view = -1;
    int content_width = MIN_WIDTH;
    int bar = 0, background = 0;
    bool centre_set = false;
    int cx = 0, cy = 0;
};
Progress g;

int step_count(const ProgressRecord* r) { return std::clamp(r[0].b, 0, PROGRESS_STEPS); }

int content_width(const ProgressRecord* r)
{
    return std::min(std::max(r[0].a, MIN_WIDTH), NPIXEL_X - SCREEN_X_RESERVE);
}

int content_height(const ProgressRecord* r)
{
    return std::min(STEP_HEIGHT * step_count(r) + HEIGHT_EXTRA, NPIXEL_Y - SCREEN_Y_RESERVE);
}

int round_half_away(double v) { return static_cast<int>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5)); }

bool valid(int step) { return step >= 0 && step < PROGRESS_STEPS; }

int text_width(const HelperSheetServices* s, const char* text, int font)
{
    return s->text_width_in_font(text, font);
}

void draw_inactive_step(const HelperSheetServices* s, int w, int y)
{
    s->set_text_colour(Nearest_RGB_Color(80, 80, 80));
    s->draw_rectangle(20, y + 7, w - 40, y + 22);
    s->set_background(Nearest_RGB_Color(225, 225, 225));
    s->fill_box(22, y + 9, w - 42, y + 20);
}

void draw_active_step(const HelperSheetServices* s, const ProgressRecord& record, const Step& step, int w, int y)
{
    int black = Nearest_Color_Index(0, 0, 0);
    if (step.text[0]) {
        s->set_font_flags(FONT_SMALL);
        int centre = (w - 60) / 2 + 20;
        s->text(centre - text_width(s, step.text, FONT_SMALL) / 2, y, step.text);
    }
    s->set_font_flags(FONT_COUNTER);
    char counter[64];
    std::snprintf(counter, sizeof counter, record.b == 1 ? "%d von maximal %d" : "%d von %d", step.count, step.total);
    s->text(w - 40 - text_width(s, counter, FONT_COUNTER), y, counter);
    s->set_background(Nearest_RGB_Color(255, 255, 225));
    s->fill_box(20, y + 7, w - 40, y + 22);
    s->set_text_colour(black);
    s->draw_rectangle(20, y + 7, w - 40, y + 22);
    int fill = progress_bar_end(w, step.count, step.total);
    for (int j = 0; j < BAR_LAYERS; ++j) {
        s->set_background(j == 0 ? g.bar : s->lighten_colour(g.bar, 10 * j));
        s->fill_box(22, y + 9 + j, fill, y + 20 - j);
    }
}

void redraw()
{
    const HelperSheetServices* s = helper_sheet_services();
    if (!g.records || !g.enabled || !s || g.view < 0) return;
    s->area_clear(g.view);
    s->select_sheet(g.view);
    s->area_set_background(g.view, g.background);
    int w = g.content_width;
    for (int i = 0; i < step_count(g.records); ++i) {
        int y = FIRST_LINE + LINE_STEP * i;
        const Step& step = g.steps[i];
        s->set_font_flags(FONT_NORMAL);
        s->set_text_colour(step.total > 0 ? Nearest_Color_Index(0, 0, 0) : Nearest_RGB_Color(120, 120, 120));
        s->text(20, y, g.records[i + 1].text1);
        if (step.total <= 0)
            draw_inactive_step(s, w, y);
        else
            draw_active_step(s, g.records[i + 1], step, w, y);
    }
    s->area_set_activity(g.view, 1);
    s->area_update(g.view);
}

void copy_text(char* to, const char* from) { std::snprintf(to, PROGRESS_TEXT, "%s", from ? from : ""); }

}  // namespace

void progress_enable(void) { g.enabled = 1; }
void progress_disable(void) { g.enabled = 0; }

void progress_descriptor_init(ProgressRecord* records, int n)
{
    std::memset(&records[0], 0, sizeof records[0]);
    records[0].a = -1;
    records[0].b = n;
    for (int i = 1; i <= n; ++i) std::memset(&records[i], 0, sizeof records[i]);
}

void progress_sheet_size(const ProgressRecord* records, int* width, int* height)
{
    *width = content_width(records) + FRAME_X;
    *height = content_height(records) + FRAME_Y;
}

int progress_bar_end(int content_width, int count, int total)
{
    // The bar runs from 22 to 24 pixels before the box's right edge; it never leaves its box.
    double part = total > 0 ? std::clamp(static_cast<double>(count) / total, 0.0, 1.0) : 0.0;
    return round_half_away(part * (content_width - 64)) + 22;
}

void progress_open(ProgressRecord* records)
{
    if (!g.enabled || !records) return;
    g.records = records;
    g.bar = Nearest_RGB_Color(0, 88, 176);
    g.background = Nearest_RGB_Color(233, 240, 245);
    for (int i = 0; i < PROGRESS_STEPS; ++i) {
        g.steps[i] = Step{};
        g.steps[i].total = i < step_count(records) ? records[i + 1].a : 0;
    }
    if (!g.centre_set) {
        g.cx = NPIXEL_X / 2;
        g.cy = NPIXEL_Y / 2;
        g.centre_set = true;
    }
    int buffered = pxBuff(-1);
    int W = 0, H = 0;
    progress_sheet_size(records, &W, &H);
    g.content_width = W - FRAME_X;
    int corners[4] = {g.cx - W / 2, g.cy - H / 2, 0, 0};
    corners[2] = corners[0] + W - 1;
    corners[3] = corners[1] + H - 1;
    Check_Prop_Sheet_Frames(corners);
    g.cx = corners[0] + W / 2;
    g.cy = corners[1] + H / 2;
    Define_Prop_Sheet(corners[0], corners[1], corners[2], corners[3], 1, 0, records[0].text1, SHEET_ID, 1);
    const HelperSheetServices* s = helper_sheet_services();
    g.view = s ? s->area_create(corners[0] + FRAME_X, corners[1] + FRAME_Y, corners[2] - FRAME_X, corners[3] - FRAME_X,
                                0, 0)
               : -1;
    Activate_Prop_Sheet();
    pxBuff(buffered);
    redraw();
}

int progress_is_open(void) { return g.records && g.enabled ? 1 : 0; }
int progress_view_area(void) { return g.records ? g.view : -1; }

void progress_set_step_text(int step, const char* text)
{
    if (!valid(step)) return;
    copy_text(g.steps[step].text, text);
    redraw();
}

void progress_set_step_total(int step, int total)
{
    if (!valid(step)) return;
    g.steps[step].total = total;
    g.steps[step].count = 0;
    redraw();
}

void progress_step(int step)
{
    if (!valid(step) || g.steps[step].total <= 0) return;
    ++g.steps[step].count;
    redraw();
}

void progress_step_with_text(int step, const char* text)
{
    if (!valid(step)) return;
    if (text) copy_text(g.steps[step].text, text);
    if (g.steps[step].total <= 0) return;
    ++g.steps[step].count;
    redraw();
}

void progress_set_step_count(int step, int count)
{
    if (!valid(step) || g.steps[step].total <= 0) return;
    g.steps[step].count = count;
    redraw();
}

void progress_drop_step(int step)
{
    if (!valid(step)) return;
    g.steps[step].count = 0;
    g.steps[step].total = -1;
    redraw();
}

void progress_close(void)
{
    if (g.records && g.enabled) {
        if (const HelperSheetServices* s = helper_sheet_services(); s && g.view >= 0) s->area_delete(g.view);
        Undefine_Prop_Sheet();
    }
    g.view = -1;
    g.records = nullptr;
}

// The wait window.
namespace {

constexpr int WAIT_TEXT = 256;
constexpr const char* WAIT_LINE = "................... Bitte etwas Geduld ...................";
constexpr int WAIT_BLANK_LINES = 6;

struct WaitWindow {
    int shown = 0;
    char text[WAIT_TEXT] = {};
};
WaitWindow w;

void draw_wait_text()
{
    int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (!w.shown) {
        Init_Message();
        for (int i = 0; i < WAIT_BLANK_LINES; ++i) Fill_Message(" ");
        Fill_Message(WAIT_LINE);
        Fill_Message(" ");
        Show_Message();
        busy_animation_start(cx - 48, cy - 62);
    }
    // The text strip lies below the animation's rectangle; the animation's thread draws too.
    screen_lock();
    pxFgc(GetVYKColor(-1));
    pxRect(cx - 131, cy + 47, cx + 123, cy + 59);
    pxFgc(BLACK_CI);
    Pop_RFont(FONT_SMALL);
    pxBTxt(cx, cy + 53, cx, cy + 53, w.text, static_cast<int>(std::strlen(w.text)), 210);
    Push_RFont();
    pxFlsh();
    screen_unlock();
    w.shown = 1;
}

}  // namespace

namespace {

void set_wait_text(const char* format, va_list ap)
{
    c_vsnprintf(w.text, sizeof w.text, format, ap);
    draw_wait_text();
}

}  // namespace

int wait_window_printf(const char* format, ...)
{
    if (!msg_enabled()) return 0;
    va_list ap;
    va_start(ap, format);
    set_wait_text(format, ap);
    va_end(ap);
    return 0;
}

int wait_window_update(const char* format, ...)
{
    if (!msg_enabled() || !w.shown) return 0;
    va_list ap;
    va_start(ap, format);
    set_wait_text(format, ap);
    va_end(ap);
    return 0;
}

void wait_window_hide(void)
{
    if (!msg_enabled() || !w.shown) return;
    busy_animation_stop();
    Quit_Message();
    w.shown = 0;
}

int wait_window_shown(void) { return w.shown; }

void move_marker_animation(int x0, int y0, int x1, int y1, int to_x0, int to_y0, int to_x1, int to_y1)
{
    constexpr int FRAMES = 7;
    constexpr int PAUSE_MS = 10;
    int old_colour = pxQFgc();
    pxFgc(1);
    pxSBop(3);   // exclusive or: drawing a frame twice restores the screen
    float sx0 = (to_x0 - x0) / 6.0f, sy0 = (to_y0 - y0) / 6.0f, sx1 = (to_x1 - x1) / 6.0f, sy1 = (to_y1 - y1) / 6.0f;
    for (int k = 0; k < FRAMES; ++k) {
        int a = static_cast<int>(x0 + k * sx0), b = static_cast<int>(y0 + k * sy0);
        int c = static_cast<int>(x1 + k * sx1), d = static_cast<int>(y1 + k * sy1);
        for (int pass = 0; pass < 2; ++pass) {
            pxLine(a, b, c, b);
            pxLine(c, b, c, d);
            pxLine(c, d, a, d);
            pxLine(a, d, a, b);
            pxFlsh();
            if (pass == 0) VYKSleep(PAUSE_MS);
        }
    }
    pxFgc(old_colour);
    pxSBop(0);
}
