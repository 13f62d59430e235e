// Text routines of the older dialog library: text widths in the current raster font,
// trims and padding, German letters between code pages 1252 and 850, HTML entities,
// file-name checks. Routines returning a text return a static 512-byte buffer per routine
// that the next call of the same routine overwrites.
#pragma once
#include <cstdio>

int text_width(const char* text);
int text_pixel_width_in_font(const char* text, int font);
const char* trim_blanks_copy(const char* text);
const char* pad_copy(const char* text, int n);
int length_without_trailing_blanks(const char* text);
char* read_line_without_end(char* buffer, int size, FILE* stream);
int blanks_to_question_marks(char* text);
int question_marks_to_blanks(char* text);
int sign_of(double x);
const char* umlauts_latin1_to_dos(const char* text);
const char* umlauts_dos_to_latin1(const char* text);
const char* umlauts_to_html(const char* text);
const char* apostrophes_to_accents(const char* text);
int check_file_name(const char* name, int show);
// Message box with the three out-of-memory lines, then exit code 3.
[[noreturn]] void stop_out_of_memory();
