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
