// Small text and number kit (module ttool): angles, bit flags, extremes, trims,
// blank codes, rotating copies, word splitting and version texts.
#pragma once

// Angles in degrees.
long double angle_to_0_360(double angle);
long double angle_to_pm180(double angle);
void swap_double_values(double* a, double* b);
double array_min(const double* values, int n, int* index);
double array_max(const double* values, int n, int* index);
void array_min_max_index(int n, const double* values, int* min_index, int* max_index);
double* trapezoid_ordinates(double* start, double* end, double F, double e, double L);

// Bits (n taken modulo 32).
int bit_is_set(int value, int n);
int bit_set(int* value, int n);
int bit_clear(int* value, int n);
void bit_assign(int flag, int* value, int n);

struct FlagSet {
    int count;          // number of flags
    int caller_value;
    int counter;
    unsigned char* bits; // (count + 7) / 8 bytes from the counted allocator
};
int flag_set_init(FlagSet* set, int count, int caller_value);

// Blank codes that stand in for white space inside a text.
enum { TEXT_CODE_BLANK = 254, TEXT_CODE_LF = 253, TEXT_CODE_CR = 252 };

// In place.
int text_trim_trailing_blanks(char* text);
int text_trim_line_end(char* text);
int text_encode_blanks(char* text);
int text_decode_blanks(char* text);
char* text_collapse_blanks(char* text);
char* text_pad_to_width(char* text, int width);

// New blocks (malloc; the caller frees with free).
char* text_collapse_blanks_copy(const char* text);
char* text_replace_char(char* text, const char* ch, const char* replacement, int* count);
int text_split_words(const char* line, int* count, char*** words);

int text_find_from(int start, const char* text, const char* pattern);
int text_word_count(const char* text);

// Rotating copies: valid for the next seven copies; never freed by the caller.
char* ring_left(const char* text, int n);
char* ring_right(const char* text, int n);
char* ring_mid(const char* text, int start, int n);
void ring_release(const char* text);

// Version texts such as "Stand 1.2023a".
void version_text_parse(const char* text, int* first, int* second, char* suffix4);
int version_text_compare(const char* a, const char* b);
