// Line readers for numbers and texts between guillemets (the bytes 0xAE and 0xAF),
// a text replacement in a whole file and the presence check of the sibling program.
// Numbers are read with a decimal point whatever the user's locale says.
#pragma once
#include <cstdio>

int read_double_values(FILE* stream, double* values, int n);
int scan_double_values(FILE* stream, double* values, int n);
int scan_int_values(FILE* stream, int* values, int n);
int read_guillemet_text(FILE* stream, char* buffer);   // buffer of at least 101 characters
int write_guillemet_text(FILE* stream, const char* text);
int file_replace_text(const char* path, const char* pattern, const char* replacement);
int sibling_program_present();
