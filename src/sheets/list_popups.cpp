#include "sheets/list_popups.h"

#include "platform/env/vyk_process.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/screen.h"
#include "sheets/sheet_images.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Colours {
    bool ready = false;
    int background, white, highlight, track, black, marker;
};
Colours g_colours;

const Colours& colours()
{
    if (!g_colours.ready) {
        g_colours.background = Nearest_RGB_Color(235, 255, 255);
        g_colours.white = Nearest_RGB_Color(255, 255, 255);
        g_colours.highlight = Nearest_Color_Index(0, 80, 150);
        g_colours.track = Nearest_RGB_Color(201, 237, 237);
        g_colours.black = Nearest_Color_Index(0, 0, 0);
        g_colours.marker = Nearest_Color_Index(255, 0, 0);
        g_colours.ready = true;
    }
    return g_colours;
}

constexpr unsigned kDots = 0xAAAAAAAAu;
constexpr int kEventMask = 0x14022;

int even_up(int v) { return v + (v & 1); }

// Rows within 1..count, so that no list is empty or longer than its entries.
SvaListPlacement limited(SvaListPlacement p, int count)
{
    p.rows = std::max(1, std::min(p.rows, std::max(count, 1)));
    return p;
}

void dotted_frame(int x1, int y1, int x2, int y2)
{
    pxFgc(colours().black);
    int xs[4][4] = {{x1, y1, x2, y1}, {x1, y2, x2, y2}, {x1, y1, x1, y2}, {x2, y1, x2, y2}};
    for (auto& l : xs) {
        pxSULn(kDots);
        pxLine(l[0], l[1], l[2], l[3]);
        pxSLn(0);
    }
}

void draw_background(int left, int width, int top, int height)
{
    pxFgc(colours().background);
    pxRect(left, top, left + width, top + height);
    dotted_frame(left, top, left + width, top + height);
}

void draw_scroll_bar(int right, int top, int bottom, int thumb, int offset)
{
    if (thumb <= 0) return;
    pxFgc(colours().white);
    pxRect(right - 15, top + 1, right - 1, bottom - 1);
    pxFgc(colours().black);
    pxMask(right - 15, top + 3, right - 3, top + 15, mask_arrow_up().bits, 2);
    pxMask(right - 15, bottom - 15, right - 3, bottom - 3, mask_arrow_down().bits, 2);
    pxFgc(colours().track);
    pxRect(right - 13, top + 16, right - 5, bottom - 16);
    pxFgc(colours().black);
    pxRect(right - 15, top + offset + 16, right - 3, top + offset + 16 + thumb);
    pxFgc(colours().white);
    pxRect(right - 14, top + offset + 17, right - 4, top + offset + 15 + thumb);
}

// The state of an open list and its loop.
struct OpenList {
    SvaItem* item;
    bool image;          // image list, else text list
    int count;
    int left, width, top, height;
    int row_height;
    int rows;
    int first, current;
    int text_x;
    SvaListThumb thumb{};
    bool has_bar() const { return count > rows; }
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const { return x >= left && x <= right() && y >= top && y <= bottom(); }
    int row_at(int y) const { return std::min(first + (y - top - 2) / row_height, count - 1); }
};

void update_thumb(OpenList& l)
{
    l.thumb = l.has_bar() ? list_thumb(l.height, l.rows, l.count, l.first) : SvaListThumb{};
}

void draw_open(OpenList& l, bool highlight)
{
    update_thumb(l);
    if (l.image) {
        draw_image_list(l.left, l.width, l.top, l.height, highlight ? l.current : -1, l.first, l.rows, l.thumb.thumb,
                        l.thumb.offset, l.item);
    } else {
        auto* entries = static_cast<const SvaChoiceEntry*>(l.item->link3);
        draw_text_list(l.left, l.text_x, l.width, l.top, l.height, l.item->font, highlight ? l.current - l.first : -1,
                       l.rows, l.thumb.thumb, l.thumb.offset, entries + l.first);
    }
    pxFlsh();
}

// Scrolls the window by rows, the current index moving along.
void scroll_rows(OpenList& l, int delta)
{
    int first = std::max(0, std::min(l.first + delta, l.count - l.rows));
    l.current = std::max(0, std::min(l.current + (first - l.first), l.count - 1));
    l.first = first;
}

void step_current(OpenList& l, int delta)
{
    l.current = std::max(0, std::min(l.current + delta, l.count - 1));
    if (l.current < l.first) l.first = l.current;
    if (l.current >= l.first + l.rows) l.first = l.current - l.rows + 1;
}

void wait_release()
{
    while (M_LEFT)
        if (!Get_Mouse_Event()) break;
}

// A press into the scroll-bar column: arrows repeat, the track jumps, the thumb drags.
void scroll_bar_press(OpenList& l)
{
    int y = M_YPOS;
    int thumb_top = l.top + l.thumb.offset + 16;
    if (y <= l.top + 14 || (y >= l.bottom() - 14 && y <= l.bottom() - 3)) {
        int delta = y <= l.top + 14 ? -1 : 1;
        while (M_LEFT && M_XPOS < l.right() - 3) {
            scroll_rows(l, delta);
            draw_open(l, true);
            VYKSleep(100);
            if (!Get_Mouse_Event()) break;
        }
    } else if (y < thumb_top) {
        scroll_rows(l, -l.count);
        wait_release();
    } else if (y > thumb_top + l.thumb.thumb) {
        scroll_rows(l, l.count);
        wait_release();
    } else {
        int start_y = y;
        double start_pos = l.thumb.offset;
        int start_first = l.first;
        while (M_LEFT) {
            if (!Get_Mouse_Event()) break;
            double pos = start_pos + (M_YPOS - start_y);
            int first = l.thumb.step > 0 ? (int)((pos - 0.5) / l.thumb.step) : 0;
            first = std::max(0, std::min(first, l.count - l.rows));
            scroll_rows(l, first - l.first);
            draw_open(l, true);
        }
        (void)start_first;
    }
    M_LEFT = 0;
}

// The modal loop of an open list; returns 1 for Enter, 0 otherwise.
int run_list(OpenList& l)
{
    int* selection = l.item->state;
    l.current = selection ? std::max(0, std::min(*selection, l.count - 1)) : 0;
    l.first = list_first_index(l.current, l.rows, l.count);
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(l.left, l.top, l.right(), l.bottom());
    Save_Screen_Rectangle(l.left, l.top, l.right(), l.bottom());
    Save_Mouse_Position();
    Pop_Mouse_Move_Restriction(l.left, l.top, l.right(), l.bottom());
    msStCu(l.left + l.width / 2, l.top + (l.current - l.first) * l.row_height + l.row_height / 2 + 3);
    draw_open(l, true);
    VYKMessage record;
    InitVYKMessage(&record);
    int result = 0;
    for (;;) {
        int got = GetVYKMessage(kEventMask, &record);
        if (got == 0) break;   // nothing more to wait for: leave as with Esc
        if (got == VYK_EV_KEY) {
            if (record.key == KEY_UP) step_current(l, -1);
            else if (record.key == KEY_DOWN) step_current(l, 1);
            else {
                if (record.key == KEY_ENTER && selection) {
                    *selection = l.current;
                    result = 1;
                }
                break;
            }
            draw_open(l, true);
            continue;
        }
        bool in_list = l.contains(M_XPOS, M_YPOS);
        if (in_list && M_SCROLL && l.has_bar()) {
            scroll_rows(l, M_SCROLL < 0 ? 1 : -1);
            M_SCROLL = 0;
        } else if (in_list && M_LEFT && l.has_bar() && M_XPOS >= l.right() - 14) {
            scroll_bar_press(l);
        } else if (M_LEFT) {
            if (in_list && selection) *selection = l.row_at(M_YPOS);
            wait_release();
            break;
        } else if (in_list) {
            l.current = l.row_at(M_YPOS);
        }
        draw_open(l, in_list);
    }
    Push_Mouse_Move_Restriction();
    if (l.image) Restore_Mouse_Position();
    Restore_Screen_Rectangle(l.left, l.top, l.right(), l.bottom());
    pxView(vx1, vy1, vx2, vy2);
    if (!l.image) Restore_Mouse_Position();
    pxFlsh();
    return result;
}

} // namespace

SvaListPlacement image_list_placement(int pane_top, int pane_bottom, int y, int image_height, int count)
{
    int R = image_height + 4;
    int b = even_up(image_height + 5);
    int F = R * count + 6;
    int below = pane_bottom - (y + b);
    SvaListPlacement p{};
    if (F < below - 7) p = {count, y + b};
    else if (F < y - pane_top - 15) p = {count, y - F};
    else if (below < y - pane_top - 8) {
        p.rows = (y - pane_top - 33) / R;
        p.top = y - p.rows * R - 6;
    } else p = {(below - 25) / R, y + b};
    if (3 * p.rows < count) {
        int v = (NPIXEL_Y - y - R - 10) / R;
        if (p.rows < v) p = {std::min(v, count / 2), y + b};
    }
    return limited(p, count);
}

SvaListPlacement text_list_placement(int y, int count)
{
    int F = count * SVA_TEXT_LIST_ROW + 6;
    int below = NPIXEL_Y - y;
    SvaListPlacement p{};
    if (F < below - 30) p = {count, y + 5};
    else if (F < y - 30) p = {count, y - F - 13};
    else if (below < y) p = {(y - 48) / SVA_TEXT_LIST_ROW, (y - 48) % SVA_TEXT_LIST_ROW + 29};
    else p = {(below - 48) / SVA_TEXT_LIST_ROW, y + 5};
    return limited(p, count);
}

SvaListThumb list_thumb(int height, int visible_rows, int count, int first)
{
    SvaListThumb t{};
    if (count <= visible_rows || count <= 0) return t;
    t.track = height - 32;
    t.thumb = std::max(6, visible_rows * t.track / count);
    t.step = (double)(t.track - t.thumb) / (count - visible_rows);
    t.offset = (int)std::floor(t.step * first + 0.5);
    return t;
}

int list_first_index(int current, int rows, int count)
{
    return std::max(0, std::min(current - rows / 2, count - rows));
}

void draw_image_list(int left, int width, int top, int height, int highlighted, int first, int visible_rows,
                     int thumb_size, int thumb_offset, const SvaItem* item)
{
    int buffering = pxBuff(-1);
    draw_background(left, width, top, height);
    int iw = item->x2, ih = item->y2, R = ih + 4;
    for (int i = first; i < first + visible_rows && i < item->number2; ++i) {
        int y = top + (i - first) * R;
        if (i == highlighted) {
            pxFgc(colours().white);
            pxRect(left + 3, y + 3, left + iw + 3, y + ih + 3);
        }
        pxDrawPartialTransparentDIB(item->text, 0, i * ih, iw, i * ih + ih, left + 3, y + 3, left + iw + 2, y + ih + 2,
                                    201, -1, 255, 255, 255);
        if (i != highlighted) continue;
        pxFgc(colours().highlight);
        for (int d : {1, 2}) pxLine(left + 1, y + d, left + iw + 4, y + d);
        for (int d : {3, 4}) pxLine(left + 1, y + ih + d, left + iw + 4, y + ih + d);
        for (int d : {1, 2}) pxLine(left + d, y + 1, left + d, y + ih + 4);
        for (int d : {3, 4}) pxLine(left + iw + d, y + 1, left + iw + d, y + ih + 4);
    }
    draw_scroll_bar(left + width, top, top + height, thumb_size, thumb_offset);
    pxBuff(buffering);
}

void draw_text_list(int left, int text_x, int width, int top, int height, int font, int highlighted,
                    int visible_rows, int thumb_size, int thumb_offset, const SvaChoiceEntry* entries)
{
    draw_background(left, width, top, height);
    Pop_RFont(font);
    for (int i = 0; i < visible_rows; ++i) {
        const char* text = entries[i].text ? entries[i].text : "";
        int baseline = top + SVA_TEXT_LIST_ROW * i + SVA_TEXT_LIST_ROW;
        if (i == highlighted) {
            pxFgc(colours().highlight);
            pxRect(left + 2, top + SVA_TEXT_LIST_ROW * i + 2, left + width - 2, top + SVA_TEXT_LIST_ROW * i + 16);
            pxFgc(colours().background);
        } else {
            pxFgc(entries[i].colour);
        }
        pxText(text_x, baseline, text, (int)std::strlen(text));
    }
    Push_RFont();
    draw_scroll_bar(left + width, top, top + height, thumb_size, thumb_offset);
}

int run_image_list_popup(int pane_top, int pane_bottom, int x, int y, SvaItem* item)
{
    if (!item || item->number2 <= 0) return 0;
    SvaListPlacement p = image_list_placement(pane_top, pane_bottom, y, item->y2, item->number2);
    OpenList l{};
    l.item = item;
    l.image = true;
    l.count = item->number2;
    l.row_height = item->y2 + 4;
    l.rows = p.rows;
    l.left = x;
    l.top = p.top;
    l.width = even_up(item->x2 + 20);
    l.height = p.rows * l.row_height + 6;
    pxFgc(colours().marker);
    pxMask(x + l.width - 14, y + 4, x + l.width - 4, y + 15, mask_open_marker().bits, 2);
    return run_list(l);
}

int run_text_list_popup(int x, int y, SvaItem* item)
{
    if (!item || item->number2 <= 0 || !item->link3) return 0;
    SvaListPlacement p = text_list_placement(y, item->number2);
    OpenList l{};
    l.item = item;
    l.image = false;
    l.count = item->number2;
    l.row_height = SVA_TEXT_LIST_ROW;
    l.rows = p.rows;
    l.left = x - 7;
    l.text_x = x;
    l.top = p.top;
    l.width = even_up(item->number) + 32;
    l.height = p.rows * SVA_TEXT_LIST_ROW + 6;
    pxFgc(colours().marker);
    pxMask(l.left + l.width - 14, y - 9, l.left + l.width - 4, y + 1, mask_open_marker().bits, 2);
    return run_list(l);
}
