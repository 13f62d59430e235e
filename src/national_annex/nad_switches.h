// Process-wide switches of the national-annex library and the forward section search
// that the block readers use on the old single set file.
#pragma once
#include <cstdio>

// Non-zero: the national-annex code prints its progress lines on the console.
extern int nad_verbose;

void nad_set_edition_mode(int mode);
int nad_edition_mode();
void nad_set_standards_option(int value);
int nad_standards_option();

// Reads forward from the current position of `file` for a line beginning with `title`.
// Returns 1 (found; the file stands at the line after it, and an integer following the
// title is stored in *value when value is not null), 2 (a line beginning with `stop` came
// first; the file is back where the search started) or 0 (end of file; likewise back).
int nad_find_section(FILE* file, const char* title, const char* stop, int* value);
