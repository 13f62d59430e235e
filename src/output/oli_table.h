// Table writer of the output list: one "#SHOWTABLE" block from an array of column descriptors
// that point into the caller's value arrays.
#pragma once
#include <cstdio>

struct OliColumn {
    char title[100];        // upper header line; "=" continues the title of the column to its left
    char short_title[75];   // middle header line; leading "-" left-, "+" right-aligns
    char type[45];          // "TXT", "CHAR", "GEW", "ZZ" or the unit text of a numeric column
    int width;              // declared width in characters
    int decimals;           // numeric: decimals; ZZ: first row number; TXT: string stride
    const void* values;
    int stride;             // bytes between doubles; 0 or negative: packed
    double factor;
    int mark1;              // row printed underlined (see oli_table_cell)
    int mark2;              // row printed bold
    const int* bold_rows;
    int sum;
    const int* footnote_keys;
};

// Bar-group record of a "GEW" column (296 bytes a row).
struct OliBarGroup {
    int count;
    int bundle;
    int diameter_index;
    char rest[284];
};

void OliTabelle(FILE* stream, int ncols, int nrows, const OliColumn* columns, const int* shown_rows,
                const int* separator_rows, int extreme_selector, int flags, const int* caption_counts,
                const char* const* caption_lines, int n_extra, const char* const* extra_lines);

void oli_table_columns_alloc(int n, OliColumn** columns);
void oli_table_set_row_limit(int n);
int oli_table_get_row_limit();

void oli_table_footnote_add(int key, const char* mark, const char* text);
int oli_table_footnote_count();
void oli_table_footnotes_clear();

struct OliTableView {
    int nrows;
    int flags;
    int* shown_rows;
    int* separator_rows;
    int* rule_rows;
    int key_column;
};
void oli_table_view_init(OliTableView* view, int nrows);
void oli_table_view_free(OliTableView* view);
void oli_table_visible_columns(FILE* stream, int nrows, int ncols, const OliColumn* columns,
                               const OliTableView* view);

int oli_visible_length(const char* text);
int oli_column_type_code(const OliColumn* column);
char* oli_table_cell(const OliColumn* column, const void* values, int row, int width,
                     int declared_width, int decimals, double factor, int underline, int bold,
                     char* buffer, int footnote_key);
