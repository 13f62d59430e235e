// Paragraphs and headings of the printed calculation written from UTF-8 formats in the source:
// the format becomes code page 437 before it is filled, the arguments go in as they are (texts
// of the libraries are code page 437 already).
#pragma once
#include <cstdio>

void print_text(FILE* file, const char* utf8_format, ...) __attribute__((format(printf, 2, 3)));
void print_heading(FILE* file, int level, const char* utf8_format, ...) __attribute__((format(printf, 3, 4)));
