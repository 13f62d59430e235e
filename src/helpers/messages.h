// Program messages: one printer, msg_print, whose output mode decides where a message goes
// (0 environment message window, 1 console, 2 current message list, 3 dropped,
// 4 drawn on the current sheet), and ten message lists that are presented as a whole.
// Texts are in code page 850; "^b", "^p", "^2" at the start are prefix codes.
#pragma once
#include <cstdio>

enum {
    MSG_MODE_WINDOW = 0,
    MSG_MODE_CONSOLE = 1,
    MSG_MODE_LIST = 2,
    MSG_MODE_DROP = 3,
    MSG_MODE_SHEET = 4
};

int msg_print(const char* format, ...) __attribute__((format(printf, 1, 2)));
void msg_set_mode(int mode);
void msg_disable();
void msg_enable();
int msg_enabled();   // 1 while messages are on
void msg_set_console_target(const void* target);
int msg_print_in_mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));
int msg_to_list(const char* format, ...) __attribute__((format(printf, 1, 2)));

int msg_error(const char* format, ...) __attribute__((format(printf, 1, 2)));
int msg_warning(const char* format, ...) __attribute__((format(printf, 1, 2)));
int msg_hint(const char* format, ...) __attribute__((format(printf, 1, 2)));
int msg_error_in_mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));
int msg_warning_in_mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));
int msg_hint_in_mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Message lists 0..9.
int msg_list_open();
void msg_list_close(int index);
int msg_list_select(int index);
int msg_list_set_title(int index, const char* text);
int msg_list_count(int index);
int msg_list_line_count();
int msg_list_set_symbol(int index, int value);
void msg_list_set_background(int colour_index);
int msg_list_present(int index, int mode);
int msg_list_present_current(int mode);
int msg_list_ask();
int msg_list_ask_with_toggle(const char* toggle_text);
int msg_list_confirm();
int msg_list_confirm_default_no();
// Writes the current message list as hint list 4 of an output list through the writer the
// output library registers when an output list is begun; nothing without one.
void msg_list_to_hints(FILE* stream);
typedef void (*MsgHintWriter)(FILE* stream);
void msg_set_hint_writer(MsgHintWriter writer);
// Line n (0-based, with its newline) of the current message list; null beyond its count
// or when messages are off or the list is closed.
const char* msg_current_list_line(int n);

// Draws a text with inline 0xCE codes on the current sheet; the text is changed in place.
void msg_draw_coded_text(int x, int y, char* text);
// Pixel width of a text in a raster font (+3, +5 with the emphasis bit 65536).
int font_text_width(const char* text, int font);
