// Parameter headers, parameter lists and marked strings of the environment's export
// files (module vykparam). « and » stand for the bytes 0xAE and 0xAF.
#pragma once
#include <cstdio>

struct ParamHeader {
    int type;       // 1 end object, 2 header object, 3 beam, 4 coordinate system
    int id;
    int link;
    char* name;     // owned or null
    char* comment;  // owned or null
};

struct ParamList {
    int int_count;
    int double_count;
    int string_count;
    int* ints;          // null exactly when int_count is 0
    double* doubles;
    char** strings;     // owned texts; a slot may be null
};

constexpr int GUILLEMET_BUFFER_SIZE = 100;   // read_guillemet_string keeps at most 99 characters
constexpr int HEADER_NAME_SIZE = 200;        // header names keep at most 199 characters

int vyk_param_header_clear(ParamHeader* header);
int vyk_param_header_set(int type, int id, int link, const char* name, ParamHeader* header);
int vyk_param_header_set_comment(char* text, ParamHeader* header);
void vyk_param_header_free(ParamHeader* header);
int vyk_param_header_read(FILE* stream, ParamHeader* header);
int vyk_param_header_write(FILE* stream, const ParamHeader* header);

int param_list_init(ParamList* list);
int param_list_resize(ParamList* list, int ints, int doubles, int strings);
int param_list_free(ParamList* list);
int param_list_zero(ParamList* list);
int param_list_read(FILE* stream, int ints, int doubles, int strings, ParamList* list, int flags);
int param_list_write(FILE* stream, const ParamList* list);
int param_list_any_set(const ParamList* list);
int param_list_copy(ParamList* target, const ParamList* source);
int param_list_gather(const ParamList* list, int* int_out, const int* int_defaults, int int_n,
                      double* double_out, const double* double_defaults, int double_n,
                      const char** string_out, const char* const* string_defaults, int string_n);
int param_list_scatter(ParamList* list, const int* int_src, const int* int_src_map, int int_n,
                       const int* int_dst_map, const double* double_src,
                       const int* double_src_map, int double_n, const int* double_dst_map,
                       const char* const* string_src, const int* string_src_map, int string_n,
                       const int* string_dst_map);
int param_list_get_int(const ParamList* list, int i);
double param_list_get_double(const ParamList* list, int i);
const char* param_list_get_string(const ParamList* list, int i);

// Marked strings and line routines.
int read_guillemet_string(FILE* stream, char* buffer);   // buffer of GUILLEMET_BUFFER_SIZE
int write_guillemet_string(FILE* stream, const char* text);
int read_delimited_string(FILE* stream, char* buffer, int size, int open, int close);
int write_delimited_string(FILE* stream, const char* text, int open, int close);
int trim_text(char* text, int flags);
int copy_text_trimmed(const char* source, char* target, int size, int flags);
int find_line_with_keyword(FILE* stream, const char* keyword, int from_start);
void skip_line(FILE* stream);
int read_text_line(FILE* stream, char* buffer, int size);
int read_int_values(FILE* stream, int* values, int n);
