// The user's remarks of a position in the output list: word-wrapped text, with or without the
// remarks logo.
#pragma once
#include <cstdio>

// With the logo beside them (wrap width 600 pixels); nothing for null or empty remarks or remarks
// that are a single blank or a single line end.
void user_comment_write(FILE* list, const char* remarks);
// The same without the logo and its margins (wrap width 675 pixels).
void user_comment_write_plain(FILE* list, const char* remarks);
// The remarks line by line into the current paragraph at the wrap width of the last writer; a line
// that is only a line end is written as a blank.
void write_wrapped_text(FILE* list, const char* remarks);
