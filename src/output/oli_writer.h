// Writer state of the output list shared by all text writers: numbered headings with their
// bookmarks, page width and margins, vertical moves, the ten remembered positions and the
// characters per line. oli_writer_init starts every list.
#pragma once
#include <cstdio>

void oli_writer_init(int levels, int size_code, int options);
void oli_set_heading_sizes(const int* codes);
void oli_set_bookmark_depth(int n);
void oli_set_bookmark_top(int n);
int oli_heading_counter_get(int level);
void oli_heading_counter_set(int level, int value);
void oli_heading_counter_increment(int level);
const char* oli_last_heading_number();
void oli_numbers_off();
void oli_numbers_on();
int oli_numbered_levels();
double oli_heading_indent();   // text indent right of the number column

void oli_heading(FILE* stream, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
void oli_heading_no_bookmark(FILE* stream, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void oli_heading_bookmark_kind(FILE* stream, int level, int kind, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void oli_heading_silent(FILE* stream, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void oli_close_bookmarks(FILE* stream);

double oli_get_page_width();
void oli_set_page_width(double cm);
double oli_get_left_margin();
double oli_get_right_margin();
void oli_set_left_margin(FILE* stream, double cm);
void oli_set_right_margin(FILE* stream, double cm);

void oli_move_lines(FILE* stream, double n);
void oli_move_cm(FILE* stream, double cm);
void oli_y_position_mode4(FILE* stream);
void oli_reserve_lines(FILE* stream, double n);
void oli_reserve_small_lines(FILE* stream, double n);

int oli_store_position(FILE* stream);
void oli_restore_position(FILE* stream, int slot);
void oli_return_to_position(FILE* stream, int slot);
void oli_release_position(int slot);
void oli_reset_positions();

int chars_per_line(int font);
int chars_per_line_current();

// Test seam: the writer state as at process start.
void oli_writer_state_reset();
