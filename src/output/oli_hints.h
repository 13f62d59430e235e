// Nine hint lists: remarks collected while calculating and written later as a block,
// as plain lines in one of five styles, in tab columns or inside a drawn frame.
#pragma once
#include <cstdio>

void oli_hint_list_open(int i);
void oli_hint_list_open2(int i, double a, double b);
void oli_hint_list_open3(int i, double a, double b, double c);
int oli_hint_list_is_open(int i);
void oli_hint_add(int i, const char* format, ...) __attribute__((format(printf, 2, 3)));
const char* oli_hint_line(int i, int n);
int oli_hint_count(int i);
void oli_hint_list_write(int i, int style, FILE* stream);
void oli_hint_list_print(FILE* stream, int i, double width);
void oli_hint_list_print_small(FILE* stream, int i, double width);

void oli_hint_lists_reset();   // test seam
