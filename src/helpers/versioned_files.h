// Versioned text data files: white-space separated fields, "#" comments, a data version at
// the head of the file and a structure version at the head of every record. A field newer
// than the record being read takes its default instead of being read; a file newer than the
// program is refused with a message. One file is read and one written at a time.
// Results: 0 success, 1 read or write error, 2 file newer than the program, -1 data version -1.
#pragma once
#include <cstdio>

// Field type codes: 'c' character, 'd' double, 'i' int, 's' word, 't' text with blanks.
// Destinations of 's' and 't' hold DFILE_TEXT_SIZE bytes; longer words are cut to
// DFILE_TEXT_SIZE - 1 characters and their rest is skipped.
constexpr int DFILE_TEXT_SIZE = 256;
// Records nested below the data version; a deeper record is refused with 1.
constexpr int DFILE_MAX_NESTING = 19;

int dfile_read_data_version(FILE* stream, double program_version);
int dfile_read_struct_version(double program_version);
void dfile_push_struct_version(double version);
void dfile_end_struct();
double dfile_current_version();
void dfile_set_current_version(double version);

int dfile_read_field(void* destination, char type, double since, double default_value);
int dfile_read_text_default(char* destination, double since, const char* default_text);
// *text is a counted heap string (released first, null when there is none).
int dfile_read_counted_text(char** text, double since, const char* default_text);
int dfile_read_int();
int dfile_read_int_since(double since, double default_value);
int dfile_skip_field(char type, double since);
int dfile_discard_field(char type);
void dfile_skip_comments();
long dfile_tell();
int dfile_seek(long position);
FILE* dfile_read_file();
FILE* dfile_write_file();

int dfile_write_data_version(FILE* stream, double version);
int dfile_write_struct_version(double version);
void dfile_end_struct_write();
int dfile_write_field(const void* source, char type);
int dfile_write_placeholder(char type);
int dfile_write_counted_text(char* const* text);
int dfile_write_comment(const char* text);
int dfile_write_newline();

// In place; the buffer of dfile_escape_text must hold 2 bytes for the empty text.
int dfile_escape_text(char* text);
int dfile_unescape_text(char* text);
