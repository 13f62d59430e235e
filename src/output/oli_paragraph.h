// Running text of the output list: paragraphs, remarks, centred lines, the version line,
// check lines with relation signs and verdicts, and texts in tab columns.
#pragma once
#include <cstdio>

int oli_text(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void oli_set_text_mode(int mode);
int oli_get_text_mode();
void oli_set_trim_zeros(int on);
int oli_get_trim_zeros();

void oli_text_with_warning(FILE* stream, const char* text, int ok);
void oli_text_at_tab(FILE* stream, double position, const char* text);
void oli_text_at_tab_printf(FILE* stream, double position, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void oli_remark(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void oli_remark_forced(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void oli_centred_line(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void oli_version_line(FILE* stream, const char* program_folder);

const char* relation_sign(double a, double b, int decimals, double tolerance);
const char* relation_sign_plain(double a, double b, int decimals);
const char* oli_check_line_text(double a, double b, int decimals, double tolerance, int kind,
                                const char* name, const char* unit);
char* oli_check_relation_text(const char* name, double a, const char* relation, double b,
                              int decimals, char* buffer);
int oli_limit_check_line(FILE* stream, const char* prefix, double value, const char* relation,
                         double limit, int decimals, const char* unit, const char* ok_text,
                         const char* fail_text);

int has_open_code(const char* text, char code, int position);
int has_open_subscript(const char* text, int position);
int has_open_superscript(const char* text, int position);
int has_open_underscore_code(const char* text, int position);
int has_open_bold(const char* text, int position);
int has_open_s_code(const char* text, int position);
char* replace_keeping_codes(char* text, const char* pattern, const char* replacement, int size);
int trimmed_length(const char* text);
const char* relation_text_le(float a, float b);
const char* relation_text_ge(float a, float b);
const char* oli_sprintf_static(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of the last oli_text call as it was written (after trimming and replacements).
const char* oli_text_last();

void oli_columns_set_mode(int mode);
int oli_columns_get_mode();
void oli_columns_open(int count, const double* positions);
void oli_columns_open2(double a, double b);
void oli_columns_open3(double a, double b, double c);
void oli_columns_cell(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void oli_columns_close(FILE* stream);

void oli_paragraph_state_reset();   // test seam
