// Table writer of the output list: one "#SHOWTABLE" block from an array of column descriptors
// that point into the caller's value arrays.
#pragma once
#include <cstdio>

// Flag bits of OliTabelle.
enum : int {
    OLI_TABLE_PLAIN = 0,                  // no option
    OLI_TABLE_NO_UNITS = 0x1,             // no units line
    OLI_TABLE_SKIP_ZERO_ROWS = 0x2,       // leave out rows whose numeric cells all round to zero
    OLI_TABLE_NO_MOVES = 0x4,             // no vertical moves around the block
    OLI_TABLE_EXTRA_FORMAT = 0x8,         // " 0 0 0 0 0 0 0 2" after the format line
    OLI_TABLE_TURNING_ROWS = 0x10,        // only the first, the last and the turning rows
    OLI_TABLE_WIDEN_TO_VALUES = 0x20,     // numeric columns as wide as their largest absolute value
    OLI_TABLE_LONG_TABLE_FLAGS = 0x40,    // list flags 640 before and 896 after the table
    OLI_TABLE_KEEP_WIDTHS = 0x80,         // declared widths kept against short titles and units
    OLI_TABLE_EXTREME_ROWS = 0x100,       // only each numeric column's rows of smallest and largest value
    OLI_TABLE_REVERSED = 0x200,           // rows in reverse order
    OLI_TABLE_START_FLAGS_BEFORE = 0x400  // list flags 896 before the table instead of 640
};

// List-wide switches (OLI_setFlags) around tables: the list's normal ones, and those of a long table.
enum : int { OLI_LIST_FLAGS_NORMAL = 896, OLI_LIST_FLAGS_LONG_TABLE = 640 };

// Numeric cell values that print as a text instead of a number.
constexpr double OLI_CELL_MINUS_INFINITY = -1e100;  // "-" and the infinity sign
constexpr double OLI_CELL_INFINITY = 1e100;         // the infinity sign
constexpr double OLI_CELL_NOT_DETERMINED = 2e100;   // "n.e."; makes a column's sum "n.e." too
constexpr double OLI_CELL_AUTO = 3e100;             // "auto"
constexpr double OLI_CELL_DASHES = -2e100;          // "---"
constexpr double OLI_CELL_BLANK = -3e100;           // blanks

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
