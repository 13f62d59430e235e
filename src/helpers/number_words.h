// German number words, count words and enumerations ("a, b und c", "1 bis 4 und 7").
// Texts in code page 850; every result lives in a static buffer that the next call of
// the same routine (or of a routine it calls) overwrites.
#pragma once

const char* number_to_german_words(unsigned n);   // "Null", "Einundzwanzig", ...
const char* words_of_number(unsigned n);          // lower case; "" for 0
const char* word_below_milliard(unsigned n);
const char* word_below_million(unsigned n);
const char* word_below_1000(unsigned n, int flag);   // flag: a final 1 is "eins", else "ein"
const char* word_below_100(unsigned n, int flag);
const char* word_below_20(unsigned n, int flag);
const char* word_of_tens(unsigned n);

// 0 "keiner", 1 "einer", 2..9 the words; larger (and negative as signed) as digits.
const char* count_as_word(unsigned n);

// Enumerations: enum_reset, enum_append_* for all items but the last, enum_finish_* for the last.
void enum_reset();
void enum_clear();
void enum_append_text(const char* text);
void enum_finish_text(const char* text);
void enum_append_number(int n);
void enum_finish_number(int n);
const char* enum_text();
const char* enum_number_list(int n, const int* ascending);
