#include "helpers/messages.h"

#include "environment/dialog_text.h"
#include "helpers/mem_counted.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/fonts.h"
#include "platform/env/vyk_message.h"
#include "helpers/sheet_services.h"
#include "platform/screen/input.h"
#include "platform/screen/screen.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kTextSize = 501;     // a message holds at most 500 characters
constexpr int kSlot = 500;         // one list line: 498 characters, newline, terminator
constexpr int kTitleSize = 200;
constexpr int kFontNormal = 4096;
constexpr int kFontEmphasis = 65536;

struct MessageList {
    int closed = 1;
    char title[kTitleSize] = {0};
    char* lines = nullptr;   // capacity slots of kSlot bytes
    int count = 0;
    int capacity = 0;
    int symbol = -1;
};

struct State {
    int on = 1;
    int mode = 0;
    const void* console_target = nullptr;
    int draw_x = 15;
    int draw_y = 20;
    int current = 0;
    MessageList lists[10];
    // list sheet
    int background = -1;
    int shown_list = 0;
    int content_width = 0;
    int ask = 0;
    const char* toggle_text = nullptr;
    int answer = 0;
};
State g;

const char* skip_prefix_codes(const char* text)
{
    while (text[0] == '^' && text[1]) text += 2;
    return text;
}

// Items on the current sheet, through the toolkit's services; nothing is drawn without them.
int sheet_text(int x, int y, const char* text)
{
    const HelperSheetServices* s = helper_sheet_services();
    return s ? s->text(x, y, text) : 0;
}

int sheet_label_emphasised(int x, int y, const char* text)
{
    const HelperSheetServices* s = helper_sheet_services();
    return s ? s->label_emphasised(x, y, text) : 0;
}

int sheet_text_colour()
{
    const HelperSheetServices* s = helper_sheet_services();
    return s ? s->get_text_colour() : 0;
}

void set_sheet_text_colour(int colour)
{
    if (const HelperSheetServices* s = helper_sheet_services()) s->set_text_colour(colour);
}

void vformat(char* block, const char* format, va_list ap)
{
    c_vsnprintf(block, kTextSize, format, ap);
}

void draw_sheet_message(char* text)
{
    size_t len = std::strlen(text);
    if (len > 0 && text[len - 1] == '\n') text[--len] = '\0';
    int font = kFontNormal;
    int step = 16;
    char* p = text;
    while (p[0] == '^' && p[1]) {
        switch (p[1]) {
        case 'b': font |= kFontEmphasis; break;
        case 'p': font ^= kFontNormal; break;
        case '2': step = 8; break;
        default: break;
        }
        p += 2;
    }
    if (const HelperSheetServices* s = helper_sheet_services()) s->set_font_flags(font);
    msg_draw_coded_text(g.draw_x, g.draw_y, p);
    g.draw_y += step;
}

void store_in_list(const char* text)
{
    MessageList& l = g.lists[g.current];
    if (l.closed) return;
    size_t len = std::strlen(text);
    if (len > 2) {
        for (int i = 0; i < l.count; ++i) {
            if (std::strncmp(l.lines + (size_t)i * kSlot, text, len) == 0) return;
        }
    }
    if (l.count >= l.capacity) {
        l.capacity += 10;
        l.lines = (char*)mem_realloc_counted(l.lines, l.capacity * kSlot, 0);
    }
    char* slot = l.lines + (size_t)l.count * kSlot;
    std::snprintf(slot, kSlot, "%.498s\n", text);
    l.count++;
}

void print_text(char* block)
{
    if (g.console_target && (g.mode == MSG_MODE_WINDOW || g.mode == MSG_MODE_SHEET)) g.mode = MSG_MODE_CONSOLE;
    switch (g.mode) {
    case MSG_MODE_CONSOLE:
        std::puts(skip_prefix_codes(block));
        break;
    case MSG_MODE_LIST:
        store_in_list(block);
        break;
    case MSG_MODE_DROP:
        break;
    case MSG_MODE_SHEET:
        draw_sheet_message(block);
        break;
    default:
        PrintMessage(skip_prefix_codes(block));
        break;
    }
}

void set_mode(int mode)
{
    g.mode = mode;
    if (mode == MSG_MODE_SHEET) {
        g.draw_x = 15;
        g.draw_y = 20;
    }
}

int print_in_mode_text(int mode, const char* text)
{
    int previous = g.mode;
    set_mode(mode);
    int r = msg_print("%s", text);
    set_mode(previous);
    return r;
}

int print_decorated(int mode, const char* pattern, const char* format, va_list ap)
{
    if (!g.on) return 0;
    char inner[kTextSize];
    vformat(inner, format, ap);
    char whole[kTextSize];
    std::snprintf(whole, sizeof whole, pattern, inner);
    if (mode < 0) return msg_print("%s", whole);
    return print_in_mode_text(mode, whole);
}

// The list's lines one by one, without newline and prefix codes, into a message box.
void fill_box(const MessageList& l)
{
    Init_Message();
    for (int i = 0; i < l.count; ++i) {
        std::string line = l.lines + (size_t)i * kSlot;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        Fill_Message(skip_prefix_codes(line.c_str()));
    }
}

constexpr int kDefaultBackground[3] = {255, 245, 220};
constexpr int kAskGrey = 130;
constexpr const char* kAskText = "Diesen Hinweis nicht nochmal anzeigen";
constexpr int kToggleSpan = 245;   // the tick box with its text, centred on the sheet
constexpr int kToggleMargin = 15;
constexpr int kToggleIndent = 20;   // the box before the tick box's text
constexpr int kMaxSheetWidth = 800;
constexpr int kSheetTitle = 99;

bool asking() { return g.ask || g.toggle_text; }
const char* toggle_label() { return g.toggle_text ? g.toggle_text : kAskText; }

int toggle_width()
{
    const HelperSheetServices* s = helper_sheet_services();
    const char* label = toggle_label();
    return s ? s->text_width_in_font(label, kFontNormal) + kToggleIndent : font_text_width(label, kFontNormal) + kToggleIndent;
}

// The paint routine of the list sheet: the lines as mode-4 messages, then the tick box.
void list_sheet_draw(int view)
{
    const HelperSheetServices* s = helper_sheet_services();
    if (!s) return;
    s->select_sheet(view);
    int background = g.background != -1 ? g.background
                                         : Nearest_RGB_Color(kDefaultBackground[0], kDefaultBackground[1],
                                                             kDefaultBackground[2]);
    s->area_set_background(view, background);
    int black = Nearest_Color_Index(0, 0, 0);
    s->set_text_colour(black);
    g.draw_x = 15;
    g.draw_y = 20;
    const MessageList& l = g.lists[g.shown_list];
    for (int i = 0; i < l.count; ++i) msg_print("%s", l.lines + (size_t)i * kSlot);
    if (asking()) {
        g.draw_y += 25;
        double half = (g.content_width - kToggleSpan) / 2.0;
        int x = (int)(half >= 0 ? half + 0.5 : half - 0.5);
        // The whole tick box with its text stays inside the sheet, however short the lines.
        x = std::max(kToggleMargin, std::min(x, g.content_width - kToggleMargin - toggle_width()));
        s->set_font_flags(kFontNormal);
        if (!g.toggle_text) s->set_text_colour(Nearest_RGB_Color(kAskGrey, kAskGrey, kAskGrey));
        s->toggle(x, g.draw_y, toggle_label(), &g.answer);
    }
    s->set_text_colour(black);
}

int widest_line(const MessageList& l)
{
    const HelperSheetServices* s = helper_sheet_services();
    int widest = 0;
    for (int i = 0; i < l.count; ++i) {
        std::string line = l.lines + (size_t)i * kSlot;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        int w = s ? s->text_width_in_font(line.c_str(), kFontNormal) : font_text_width(line.c_str(), kFontNormal);
        widest = std::max(widest, w);
    }
    return widest;
}

int present_sheet(int index)
{
    // The page keeps its horizontal slider once a list needed it.
    static bool horizontal_slider = false;
    const HelperSheetServices* s = helper_sheet_services();
    MessageList& l = g.lists[index];
    g.draw_x = 15;
    g.draw_y = 20;
    int height = 16 * l.count + (asking() ? 70 : 50);
    int width = l.count > 0 ? widest_line(l) + 40 : 40;
    if (asking()) width = std::max(width, toggle_width() + 2 * kToggleMargin);
    if (width > kMaxSheetWidth) {
        width = kMaxSheetWidth;
        horizontal_slider = true;
    }
    g.content_width = width;
    g.shown_list = index;
    if (!s) return 0;
    char title[kSheetTitle + 1];
    std::snprintf(title, sizeof title, "%s", l.title);
    // A press that opened the list must not reach the new sheet.
    while (M_LEFT && Get_Mouse_Event()) {
    }
    HelperSheet sheet{1, title, width, height, horizontal_slider ? 1 : 0, 1, list_sheet_draw};
    return s->run_sheet(&sheet);
}

int present(int index, int mode)
{
    if (!g.on || index < 0 || index > 9 || g.lists[index].closed) return 0;
    MessageList& l = g.lists[index];
    set_mode(mode);
    if (mode == MSG_MODE_CONSOLE) {
        for (int i = 0; i < l.count; ++i) msg_print("%s", l.lines + (size_t)i * kSlot);
        return 0;
    }
    if (mode == MSG_MODE_SHEET) return present_sheet(index);
    fill_box(l);
    if (l.symbol > 0) Set_Message_Symbol(l.symbol, 1, 0, 0);
    Draw_Message();
    return 0;
}

int confirm(int default_yes)
{
    if (!g.on || g.lists[g.current].closed || g.mode == MSG_MODE_CONSOLE) return 0;
    fill_box(g.lists[g.current]);
    Set_Message_Symbol(0, 1, 0, 0);
    return Answer_is_Yes(default_yes);
}

} // namespace

int msg_print(const char* format, ...)
{
    if (!g.on || !format || !*format) return 0;
    char* block = (char*)mem_realloc_counted(nullptr, kTextSize, 0);
    va_list ap;
    va_start(ap, format);
    vformat(block, format, ap);
    va_end(ap);
    print_text(block);
    mem_free_and_null(&block);
    return 0;
}

void msg_set_mode(int mode) { set_mode(mode); }
void msg_disable() { g.on = 0; }
void msg_enable() { g.on = 1; }
int msg_enabled() { return g.on; }
void msg_set_console_target(const void* target) { g.console_target = target; }

int msg_print_in_mode(int mode, const char* format, ...)
{
    char* block = (char*)mem_realloc_counted(nullptr, kTextSize, 0);
    va_list ap;
    va_start(ap, format);
    vformat(block, format, ap);
    va_end(ap);
    int r = print_in_mode_text(mode, block);
    mem_free_and_null(&block);
    return r;
}

int msg_to_list(const char* format, ...)
{
    char text[kTextSize];
    va_list ap;
    va_start(ap, format);
    vformat(text, format, ap);
    va_end(ap);
    return print_in_mode_text(MSG_MODE_LIST, text);
}

#define MSG_DECORATED(name, pattern)                                   \
    int name(const char* format, ...)                                  \
    {                                                                  \
        va_list ap;                                                    \
        va_start(ap, format);                                          \
        int r = print_decorated(-1, pattern, format, ap);              \
        va_end(ap);                                                    \
        return r;                                                      \
    }                                                                  \
    int name##_in_mode(int mode, const char* format, ...)              \
    {                                                                  \
        va_list ap;                                                    \
        va_start(ap, format);                                          \
        int r = print_decorated(mode, pattern, format, ap);            \
        va_end(ap);                                                    \
        return r;                                                      \
    }

MSG_DECORATED(msg_error, "^bFEHLER: %s!")
MSG_DECORATED(msg_warning, "^bWARNUNG: %s!")
MSG_DECORATED(msg_hint, "^bHINWEIS: %s.")

int msg_list_open()
{
    for (int i = 0; i < 10; ++i) {
        MessageList& l = g.lists[i];
        if (l.closed) {
            l.closed = 0;
            l.count = 0;
            l.capacity = 0;
            l.symbol = -1;
            g.current = i;
            return i;
        }
    }
    return -1;
}

void msg_list_close(int index)
{
    if (index < 0 || index > 9) return;
    MessageList& l = g.lists[index];
    if (l.closed) return;
    l.title[0] = '\0';
    if (l.capacity > 0) mem_free_and_null(&l.lines);
    l.lines = nullptr;
    l.count = 0;
    l.capacity = 0;
    l.closed = 1;
}

int msg_list_select(int index)
{
    if (index > 9) return 2;
    if (index < 0 || g.lists[index].closed) return 1;
    g.current = index;
    return 0;
}

int msg_list_set_title(int index, const char* text)
{
    if (index > 9) return 2;
    if (index < 0 || g.lists[index].closed) return 1;
    std::snprintf(g.lists[index].title, kTitleSize, "%s", text ? text : "");
    return 0;
}

int msg_list_count(int index)
{
    if (index < 0 || index > 9 || g.lists[index].closed) return 0;
    return g.lists[index].count;
}

int msg_list_line_count() { return g.lists[g.current].count; }

int msg_list_set_symbol(int index, int value)
{
    if (index >= 0 && index <= 9) g.lists[index].symbol = value;
    return index;
}

void msg_list_set_background(int colour_index) { g.background = colour_index; }
int msg_list_present(int index, int mode) { return present(index, mode); }
int msg_list_present_current(int mode) { return present(g.current, mode); }

int msg_list_ask()
{
    g.ask = 1;
    g.answer = 0;
    if (g.on && !g.lists[g.current].closed) present(g.current, MSG_MODE_SHEET);
    g.ask = 0;
    return g.answer == 0 ? 1 : 0;
}

int msg_list_ask_with_toggle(const char* toggle_text)
{
    g.answer = 0;
    g.toggle_text = toggle_text;
    if (g.on && !g.lists[g.current].closed) present(g.current, MSG_MODE_SHEET);
    g.toggle_text = nullptr;
    return g.answer != 0 ? 1 : 0;
}

int msg_list_confirm() { return confirm(1); }
int msg_list_confirm_default_no() { return confirm(0); }

void msg_draw_coded_text(int x, int y, char* text)
{
    char* p = text;
    for (;;) {
        char* code = std::strchr(p, (char)0xCE);
        if (!code) {
            if (*p) x += sheet_text(x, y, p);
            return;
        }
        *code = '\0';
        if (*p) x += sheet_text(x, y, p);
        char letter = code[1];
        if (!letter) return;
        char* seg = code + 2;
        char* close = std::strchr(seg, (char)0xCE);
        if (close) *close = '\0';
        if (letter == 'C' || letter == 'c') {
            int remembered = sheet_text_colour();
            char* end = nullptr;
            long colour = std::strtol(seg, &end, 10);
            if (end != seg) set_sheet_text_colour((int)colour);
            char* blank = std::strchr(seg, ' ');
            if (blank && blank[1]) x += sheet_text(x, y, blank + 1);
            set_sheet_text_colour(remembered);
        } else if ((letter == 'B' || letter == 'b') && *seg) {
            x += sheet_label_emphasised(x, y, seg);
        }
        if (!close) return;
        // The closing code's letter is skipped; plain text resumes after it.
        if (!close[1]) return;
        p = close + 2;
        if (!*p) return;
    }
}

int font_text_width(const char* text, int font)
{
    bool emphasis = (font & kFontEmphasis) != 0;
    Pop_RFont(font & ~kFontEmphasis);
    int w = text_width(text);
    Push_RFont();
    return w + (emphasis ? 5 : 3);
}

const char* msg_current_list_line(int n)
{
    const MessageList& l = g.lists[g.current];
    if (!g.on || l.closed || n < 0 || n >= l.count) return nullptr;
    return l.lines + (size_t)n * kSlot;
}

namespace {
MsgHintWriter g_hint_writer = nullptr;
bool g_services_set = false;
HelperSheetServices g_services;
}

void helper_sheet_services_set(const HelperSheetServices* services)
{
    g_services_set = services != nullptr;
    if (services) g_services = *services;
}

const HelperSheetServices* helper_sheet_services(void) { return g_services_set ? &g_services : nullptr; }

void msg_set_hint_writer(MsgHintWriter writer) { g_hint_writer = writer; }

void msg_list_to_hints(FILE* stream)
{
    if (g_hint_writer) g_hint_writer(stream);
}
