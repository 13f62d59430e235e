// Two further table writers: the transposed table (one record a row: name, unit and one value
// per column) and the table of load combinations named by their factored load cases.
#pragma once
#include <cstdio>

struct OliSimpleRow {
    char name[45];
    char type[19];        // "TXT", "CHAR", "GEW", "ZZ" or the unit text, as for OliColumn
    int decimals;         // numeric: decimals; TXT: string stride
    const void* values;   // one value per column
    double factor;        // numeric values are shown times this factor
};

FILE* oli_simple_table(FILE* stream, int nrecords, int ncols, const OliSimpleRow* records);
// Cell `col` of a record formatted in `width` characters (leading blank included) into buffer
// (at least 1000 bytes); no marks, no footnotes.
char* oli_table_cell_showtable(const OliSimpleRow* record, int col, int width, char* buffer);

struct OliCombination {
    char name[64];
    int situation;        // design-situation key
    double* factors1;     // one per load case
    double* factors2;
};

struct OliCombinationTable {
    int flags;            // non-zero: no units line and the extra format line
    int no_names;
    int no_situations;
    int ncases;
    int* case_ids;        // -1: case not used
    int ncombinations;
    OliCombination* combinations;
    const char* (*case_name)(int index);
    const char* (*situation_name)(int key);
};

void oli_combination_init(OliCombinationTable* table, int ncases, int ncombinations);
void oli_combination_free(OliCombinationTable* table);
const char* oli_combination_name(int i);   // factorisation text from the last table
void oli_load_combination_table(FILE* stream, OliCombinationTable* table);
