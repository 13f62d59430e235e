// Text blocks ("TXB%d" then marked chunks of at most 100 characters), marked strings
// between the bytes 0xAE and 0xAF, and the keyword search of the environment's text files.
#pragma once
#include <cstdio>

constexpr int MARK_OPEN = 0xAE;
constexpr int MARK_CLOSE = 0xAF;
constexpr int MARKED_STRING_SIZE = 256;   // buffer of read_marked_string

void txb_write(FILE* stream, const char* text);
char* txb_read(FILE* stream);              // new heap text (free with text_free) or null
int text_size(const char* text);
char* text_free(char* text);               // returns null
// Reads «...» into buffer (256 bytes, at most 255 characters); -1 when no 0xAE follows.
// An over-long string is cut and the rest up to its 0xAF skipped, so the next field reads right.
int read_marked_string(FILE* stream, char* buffer);
int skip_blanks(FILE* stream);
int find_keyword_line(const char* keyword, FILE* stream, int* number);
