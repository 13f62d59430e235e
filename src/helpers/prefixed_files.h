// File-name prefix under which a component keeps its data files, and temporary files in
// the environment's TEMP folder. A prefixed name of 261 characters or more is refused.
#pragma once
#include <cstdio>

constexpr int PREFIXED_NAME_MAX = 260;

const char* set_file_prefix(const char* text);
const char* get_file_prefix();
const char* get_file_prefix_folder();
char* build_prefixed_name(char* buffer, const char* suffix, int size);
const char* prefixed_name(const char* suffix);   // shared buffer; null when too long
FILE* open_prefixed_file(const char* suffix, const char* mode);
int prefixed_file_exists(const char* suffix);
int remove_prefixed_file(const char* suffix);      // 0 on success, 1 on failure
int rename_prefixed_file(const char* old_suffix, const char* new_suffix);

// A fresh name in TEMP (buffer of at least 261 characters): the file is made and removed
// again, so only the name is handed back. Null for a null buffer.
char* temp_file_name(char* buffer);
// Five slots of temporary files that are created and opened in one step.
FILE* temp_file_open(const char* mode);
int temp_file_close(FILE* stream);

// Copies prefix + source to prefix + target through the environment; 1 when done.
int copy_prefixed_file(const char* source_suffix, const char* target_suffix, int flag);
// Removes every file matching prefix + pattern (* and ?); how many it tried, -1 for a name
// that is too long.
int remove_prefixed_files_matching(const char* pattern_suffix);

// Error lists: an output-list table block of messages.
FILE* error_list_open(const char* suffix);
int error_list_line(FILE* stream, int value, const char* text);
int list_append_file(FILE* stream, FILE* source);
int list_append_failed_check(FILE* stream, FILE* source);
void message_box_text(const char* text);
int show_read_error();    // "Lesefehler !!!", 101
int show_write_error();   // "Schreibfehler !!!", 102
int show_data_error();    // "Datenfehler !!!", 103

// Position header file: three lines (unused, number, title) or one line "number:title".
// Number at most 6 characters, title at most 50 (code page 850).
int read_position_header_file(const char* path);
int read_position_header(const char* component_id);
const char* position_header_number();
const char* position_header_title();
// First lines of an output-list page of a position; the stream or null.
FILE* oli_position_title(const char* number, const char* title, int no_new_page);
