// Wind and snow load tables of a national-annex set: shapes from the definitions file,
// values per set from the table files of the DATA and DRAM folders.
#pragma once
#include <cstdio>

struct WuslTable {
    char* title;
    char* unit;
    char* set_title;         // the table's title in the loaded set
    char* format;            // number-format word
    int column_count;
    int row_count;
    int set_loaded;          // 1 when the loaded set carries the table's values
    int layout[8];
    double* values;          // column_count * row_count, row by row
};

struct NadStdParams {
    int mode;
    int data_values[2];
    int tab99_values[10];
    WuslTable* tables[10];   // table n at index n-1, null where the definitions have none
};

int nad_wusl_read_defs(NadStdParams* params);
// Reads the table shapes of a definitions stream; a table whose header is incomplete or out of
// range is left out and ends the reading. Returns the number of tables read.
int nad_wusl_read_defs_stream(FILE* file, NadStdParams* params);
void nad_wusl_read_tables(FILE* file, NadStdParams* params);
int nad_wusl_find_set(const char* path, const char* name, NadStdParams* params);
void nad_wusl_load_standard(NadStdParams* params);
void nad_wusl_load_set(int number, const char* name, NadStdParams* params);
void nad_wusl_load_din1055();
void nad_wusl_reset_set(NadStdParams* params, int country);
void nad_wusl_write_tables(FILE* file, const NadStdParams* params);
int nad_wusl_store_user_set(int append, const char* name, const NadStdParams* params);
int nad_wusl_compare(const NadStdParams* a, const NadStdParams* b);
void nad_wusl_copy(NadStdParams* dst, const NadStdParams* src);
void nad_wusl_free_tables(NadStdParams* params);
int nad_wusl_stub();
