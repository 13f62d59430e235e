#include "sheets/text_editor.h"

#include "platform/env/vyk_user.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

SvaTextState* g_active = nullptr;

// Geometry of the text inside the editor rectangle.
constexpr int kTextLeft = 7;       // text starts this far right of the frame
constexpr int kFirstBaseline = 16; // first baseline below the top
constexpr int kUsableMargin = 20;  // usable width = editor width - this
constexpr int kLinesMargin = 22;   // visible lines = (height - this) / line height
constexpr int kCellWidth = 8;      // fixed cells of font 0

struct Colours {
    bool ready = false;
    int cursor, selection, fill_mark, view_mark;
};
Colours g_colours;

const Colours& colours()
{
    if (!g_colours.ready) {
        g_colours.cursor = Nearest_RGB_Color(0, 0, 255);
        g_colours.selection = Nearest_RGB_Color(153, 180, 209);
        g_colours.fill_mark = Nearest_RGB_Color(255, 140, 140);
        g_colours.view_mark = Nearest_RGB_Color(88, 199, 143);
        g_colours.ready = true;
    }
    return g_colours;
}

// The position the cursor may not pass: the final newline, or the end without one.
char* last_position(const SvaTextState* s)
{
    return (s->length > 0 && s->text[s->length - 1] == '\n') ? s->text + s->length - 1 : s->text + s->length;
}

void clear_selection(SvaTextState* s)
{
    s->selection_start = s->selection_end = nullptr;
}

bool has_selection(const SvaTextState* s)
{
    return s->selection_start && s->selection_end && s->selection_start != s->selection_end;
}

void append_line_start(SvaTextState* s, char* start)
{
    s->line_starts[s->line_count++] = start;
    if (s->line_count < s->capacity) return;
    // Full: a table four times as large keeps room for the lines still to come.
    int capacity = s->capacity * 4;
    auto** bigger = static_cast<char**>(std::malloc(sizeof(char*) * (size_t)capacity));
    if (!bigger) {
        --s->line_count;   // keep the lines so far; the rest are not reachable
        return;
    }
    std::memcpy(bigger, s->line_starts, sizeof(char*) * (size_t)s->line_count);
    std::free(s->line_starts);
    s->line_starts = bigger;
    s->capacity = capacity;
}

// Length of the line that starts at p (with its newline), for a usable width.
int line_length(const char* p, int usable)
{
    if (p[0] == '\n') return 1;
    if (p[1] == '\n') return 2;
    if (p[1] == '\0') return 1;
    for (int i = 1;; ++i) {
        if (sva_text_width(p, i) > usable) {
            for (int k = i; k >= 1; --k)
                if (p[k] == ' ') return k + 1;
            return i;
        }
        if (p[i + 1] == '\0') return i + 1;
        if (p[i + 1] == '\n') return i + 2;
    }
}

// Characters of line i without its newline.
int shown_length(const SvaTextState* s, int i)
{
    const char* start = s->line_starts[i];
    int n = (int)(s->line_starts[i + 1] - start);
    if (n > 0 && start[n - 1] == '\n') --n;
    return n;
}

int line_end_index(const SvaTextState* s, int i)
{
    return i + 1 < s->line_count ? i + 1 : i;
}

// Width of the characters from the line start to p, plus the gap the cursor keeps.
int boundary(const char* start, const char* p)
{
    return sva_text_width(start, (int)(p - start)) + 2;
}

void draw_selection_part(const SvaTextState* s, int i, int x1, int baseline)
{
    if (!has_selection(s)) return;
    char* start = s->line_starts[i];
    char* end = s->line_starts[line_end_index(s, i)];
    char* from = std::max(start, s->selection_start);
    char* to = std::min(end, s->selection_end);
    if (from >= to) return;
    pxFgc(colours().selection);
    pxRect(x1 + kTextLeft + 1 + sva_text_width(start, (int)(from - start)), baseline - 10,
           x1 + kTextLeft + 1 + sva_text_width(start, (int)(to - start)), baseline + 2);
}

} // namespace

SvaTextState* sva_active_text_editor(void) { return g_active; }

void sva_text_set_active(SvaTextState* state) { g_active = state; }

int sva_text_width(const char* text, int n)
{
    if (n <= 0 || !text) return 0;
    if (g_active && g_active->font == 0) return kCellWidth * n - 3;
    int xs[4], ys[4];
    pxQTxX(text, n, 0, 0, xs, ys);
    return xs[1] - xs[0];
}

void sva_text_extent(const char* text, int n, int, int, int* xs, int* ys)
{
    if (g_active && g_active->font == 0) {
        xs[0] = 0;
        xs[1] = n > 0 ? kCellWidth * n - 3 : 0;
        return;
    }
    pxQTxX(text, n, 0, 0, xs, ys);
}

SvaTextState* sva_text_state_new(SvaItem* item, char* buffer, int max_length)
{
    auto* s = static_cast<SvaTextState*>(std::calloc(1, sizeof(SvaTextState)));
    if (!s) return nullptr;
    s->capacity = SVA_EDITOR_FIRST_CAPACITY;
    s->line_starts = static_cast<char**>(std::calloc((size_t)s->capacity, sizeof(char*)));
    if (!s->line_starts) {
        std::free(s);
        return nullptr;
    }
    s->font = SVA_EDITOR_DEFAULT_FONT;
    s->max_length = max_length;
    s->text = buffer;
    s->length = buffer ? (int)strnlen(buffer, (size_t)std::max(max_length, 0) + 1) : 0;
    s->cursor = buffer;
    s->item = item;
    return s;
}

void sva_text_state_free(SvaTextState* state)
{
    if (!state) return;
    if (g_active == state) g_active = nullptr;
    std::free(state->line_starts);
    std::free(state);
}

void sva_text_break_lines(SvaTextState* s, int usable)
{
    s->line_count = 0;
    char* p = s->text;
    for (;;) {
        append_line_start(s, p);
        if (*p == '\0' || s->line_count == 0) break;
        p += line_length(p, usable);
    }
}

int sva_text_cursor_line(const SvaTextState* s)
{
    int line = 0;
    for (int i = 0; i < s->line_count - 1; ++i)
        if (s->line_starts[i] <= s->cursor) line = i;
    return line;
}

void sva_draw_text_lines(SvaItem* item, int x1, int y1, int x2, int y2)
{
    auto* s = static_cast<SvaTextState*>(item ? item->link2 : nullptr);
    if (!s) return;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(std::max(vx1, x1 + 1), std::max(vy1, y1 + 1), std::min(vx2, x2 - 1), std::min(vy2, y2 - 1));
    pxFgc(item->number2);
    pxRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);

    s->visible_lines = (y2 - y1 - kLinesMargin) / SVA_EDITOR_LINE_HEIGHT;
    Pop_RFont(s->font);
    sva_text_break_lines(s, x2 - x1 - kUsableMargin);
    for (int i = 0; i + 1 < s->line_count; ++i) {
        int row = i - s->first_line;
        if (row < 0 || row > s->visible_lines) continue;
        int baseline = y1 + kFirstBaseline + SVA_EDITOR_LINE_HEIGHT * row;
        draw_selection_part(s, i, x1, baseline);
        pxFgc(item->colour);
        pxText(x1 + kTextLeft, baseline, s->line_starts[i], shown_length(s, i));
    }
    s->cursor_x = 0;
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
}

void sva_text_cursor_hide(SvaTextState* s)
{
    if (s->cursor_x == 0) return;
    pxFgc(s->erase_colour);
    pxLine(s->cursor_x, s->cursor_y - 10, s->cursor_x, s->cursor_y + 4);
    s->cursor_x = 0;
}

void sva_text_cursor_show(SvaTextState* s)
{
    sva_text_cursor_hide(s);
    int line = sva_text_cursor_line(s);
    if (line < s->first_line || line > s->first_line + s->visible_lines) return;
    const char* start = s->line_starts[line];
    int x = s->x1 + kTextLeft;
    if (s->cursor != start) x += boundary(start, s->cursor);
    int y = s->y1 + kFirstBaseline + SVA_EDITOR_LINE_HEIGHT * (line - s->first_line);
    pxFgc(colours().cursor);
    pxLine(x, y - 10, x, y + 4);
    s->cursor_x = x;
    s->cursor_y = y;
}

namespace {

void redraw_lines(SvaTextState* s)
{
    if (s->item) sva_draw_text_lines(s->item, s->x1, s->y1, s->x2, s->y2);
}

} // namespace

void sva_scroll_to_cursor(SvaTextState* s)
{
    int line = sva_text_cursor_line(s);
    if (line < s->first_line) {
        s->first_line = line;
        redraw_lines(s);
    }
    if (line > s->first_line + s->visible_lines) {
        s->first_line = line - s->visible_lines;
        redraw_lines(s);
    }
}

void redraw_text_field(SvaTextState* s)
{
    clear_selection(s);
    sva_text_cursor_hide(s);
    redraw_lines(s);
    sva_text_cursor_show(s);
}

void sva_text_place_cursor(SvaTextState* s, int mouse_x, int mouse_y)
{
    if (s->line_count < 1) {
        s->cursor = s->text;
        return;
    }
    int line = (mouse_y - s->y1 - kTextLeft) / SVA_EDITOR_LINE_HEIGHT + s->first_line;
    line = std::max(0, std::min(line, s->line_count - 1));
    if (line == s->line_count - 1) {
        s->cursor = last_position(s);
        return;
    }
    char* start = s->line_starts[line];
    int len = (int)(s->line_starts[line + 1] - start);
    int mx = mouse_x - s->x1 - kTextLeft;
    int p = 0;
    int previous = boundary(start, start);
    int current = previous;
    for (; p < len && start[p] != '\n' && start[p] != '\0'; ++p) {
        current = boundary(start, start + p);
        if (current > mx) break;
        previous = current;
    }
    if (p > 0 && p < len && start[p] != '\n' && start[p] != '\0') {
        // Stopped right of the mouse: the earlier boundary only when strictly nearer.
        if (mx - previous < current - mx) --p;
    }
    p = std::min(p, std::max(len - 1, 0));
    s->cursor = start + p;
}

void move_caret(int dx, int dy, SvaTextState* s)
{
    redraw_text_field(s);
    s->cursor += dx;
    s->cursor = std::max(s->text, std::min(s->cursor, last_position(s)));
    if (dy != 0 && s->line_count > 1) {
        int i = sva_text_cursor_line(s);
        bool at_edge = (i == 0 && dy < 0) || (i == s->line_count - 2 && dy > 0);
        if (!at_edge) {
            int target = std::max(0, std::min(i + dy, s->line_count - 1));
            const char* old_start = s->line_starts[i];
            int wanted = sva_text_width(old_start, (int)(s->cursor - old_start));
            char* p = s->line_starts[target];
            char* next = target + 1 < s->line_count ? s->line_starts[target + 1] : p;
            while (*p != '\n' && *p != '\0' && p < next && boundary(s->line_starts[target], p) < wanted) ++p;
            s->cursor = p;
        }
    }
    s->cursor = std::max(s->text, std::min(s->cursor, last_position(s)));
    sva_text_cursor_hide(s);
    sva_scroll_to_cursor(s);
    sva_text_cursor_show(s);
}

void sva_text_delete_selection(SvaTextState* s)
{
    if (!has_selection(s)) {
        clear_selection(s);
        return;
    }
    char* start = std::min(s->selection_start, s->selection_end);
    char* end = std::max(s->selection_start, s->selection_end);
    size_t tail = std::strlen(end);
    std::memmove(start, end, tail + 1);
    std::memset(start + tail + 1, 0, (size_t)(end - start));
    s->cursor = start;
    clear_selection(s);
    s->length = (int)std::strlen(s->text);
    redraw_lines(s);
    sva_scroll_to_cursor(s);
}

void sva_text_insert_char(int c, SvaTextState* s)
{
    if (has_selection(s)) sva_text_delete_selection(s);
    if (s->length >= s->max_length) return;
    size_t tail = std::strlen(s->cursor);
    std::memmove(s->cursor + 1, s->cursor, tail + 1);
    *s->cursor = (char)(c == '\r' ? '\n' : c);
    ++s->cursor;
    ++s->length;
}

void sva_text_paste(const char* text, SvaTextState* s)
{
    if (has_selection(s)) sva_text_delete_selection(s);
    for (const char* p = text; p && *p && s->length < s->max_length; ++p) {
        // A line end of carriage return and line feed is one line break.
        if (p[0] == '\r' && p[1] == '\n') continue;
        sva_text_insert_char((unsigned char)*p, s);
    }
}

void copy_text_range_to_clipboard(const char* start, const char* end)
{
    if (!start || !end || end <= start) return;
    size_t n = (size_t)(end - start);
    char* copy = static_cast<char*>(std::malloc(n + 1));
    if (!copy) return;
    std::memcpy(copy, start, n);
    copy[n] = '\0';
    VYKSetClipboardText(copy);
    std::free(copy);
}

namespace {

void paste_clipboard(SvaTextState* s)
{
    sva_text_delete_selection(s);
    char* buffer = static_cast<char*>(std::malloc(SVA_CLIPBOARD_MAX + 1));
    if (!buffer) return;
    VYKGetClipboardText(buffer, SVA_CLIPBOARD_MAX + 1);
    sva_text_paste(buffer, s);
    std::free(buffer);
}

void select_all(SvaTextState* s)
{
    s->selection_start = s->text;
    s->selection_end = last_position(s);
    s->cursor = s->selection_end;
}

char* line_start_of_cursor(SvaTextState* s)
{
    return s->line_count > 0 ? s->line_starts[sva_text_cursor_line(s)] : s->text;
}

char* line_last_of_cursor(SvaTextState* s)
{
    int i = sva_text_cursor_line(s);
    if (i + 1 >= s->line_count) return last_position(s);
    return s->line_starts[i + 1] - 1;
}

} // namespace

int sva_text_key(int key, SvaTextState* s)
{
    switch (key) {
    case SVA_KEY_CTRL_A: select_all(s); break;
    case SVA_KEY_CTRL_C:
        if (has_selection(s)) copy_text_range_to_clipboard(s->selection_start, s->selection_end);
        return 0;
    case SVA_KEY_CTRL_V: paste_clipboard(s); break;
    case SVA_KEY_CTRL_X:
        if (has_selection(s)) copy_text_range_to_clipboard(s->selection_start, s->selection_end);
        sva_text_delete_selection(s);
        break;
    case SVA_KEY_UP: move_caret(0, -1, s); return 0;
    case SVA_KEY_DOWN: move_caret(0, 1, s); return 0;
    case SVA_KEY_LEFT: move_caret(-1, 0, s); return 0;
    case SVA_KEY_RIGHT: move_caret(1, 0, s); return 0;
    case SVA_KEY_PAGE_UP: move_caret(0, -s->visible_lines, s); return 0;
    case SVA_KEY_PAGE_DOWN: move_caret(0, s->visible_lines, s); return 0;
    case SVA_KEY_HOME: clear_selection(s); s->cursor = line_start_of_cursor(s); break;
    case SVA_KEY_END: clear_selection(s); s->cursor = line_last_of_cursor(s); break;
    case SVA_KEY_CTRL_HOME: clear_selection(s); s->cursor = s->text; break;
    case SVA_KEY_CTRL_END: clear_selection(s); s->cursor = last_position(s); break;
    case SVA_KEY_BACKSPACE:
        if (has_selection(s)) sva_text_delete_selection(s);
        else if (s->cursor > s->text) {
            std::memmove(s->cursor - 1, s->cursor, std::strlen(s->cursor) + 1);
            --s->cursor;
            --s->length;
        }
        break;
    case SVA_KEY_DELETE:
        if (has_selection(s)) sva_text_delete_selection(s);
        else if (s->cursor < last_position(s)) {
            std::memmove(s->cursor, s->cursor + 1, std::strlen(s->cursor + 1) + 1);
            --s->length;
        }
        break;
    default:
        if (key == '\r' || (key >= 32 && key <= 255)) sva_text_insert_char(key, s);
        else return 0;
        break;
    }
    s->cursor = std::max(s->text, std::min(s->cursor, last_position(s)));
    return 1;
}

void draw_scroll_marks(SvaTextState* s)
{
    int x1 = s->x1, y1 = s->y1, x2 = s->x2, y2 = s->y2;
    if (s->max_length > 0) {
        pxFgc(colours().fill_mark);
        pxRect(x1 + 2, y2 - 3, x1 + 2 + (int)((double)s->length / s->max_length * (x2 - x1 - 7)), y2 - 2);
    }
    if (s->visible_lines < s->line_count && s->line_count > 1) {
        double lines = s->line_count - 1;
        int h = y2 - y1 - 4;
        pxFgc(colours().view_mark);
        pxRect(x2 - 3, y1 + 2 + (int)(h * s->first_line / lines), x2 - 2,
               y1 + 2 + (int)((s->first_line + s->visible_lines + 1) / lines * h));
    }
}
