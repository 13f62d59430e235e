// Table editor: equal-sized data rows shown in a view area at a fixed row height, each row's
// items added by a caller's callback, with icons to delete and duplicate a row, an append row,
// row numbers and column buttons that sort a column or fill it with an arithmetic series.
#pragma once
#include <cstddef>

constexpr int TABLE_MAX_SLOTS = 55;
constexpr int TABLE_COLUMN_FORMAT_SIZE = 36;

// Adds a row's items: (1, view area, left, row top, row data).
using TableRowCallback = void (*)(int mode, int area, int left, int top, void* data);

struct TableRow {
    void* data;
    TableRow* previous;
    TableRow* next;
};

struct TableColumn {
    char format[TABLE_COLUMN_FORMAT_SIZE];
    int x, y;              // menu button, content coordinates
    int kept;
    int value_offset;      // byte offset of the column's double within a row
    int sortable;
    int fillable;
    TableColumn* next;
};

struct TableIcon {
    int on, dx, dy;
};

struct EditTable {
    int in_use;
    int view_area;
    int reserved;
    int row_count;
    int row_size;
    int top;
    int left, right;
    int row_height;
    int append_requested;
    int row_limit;
    TableIcon delete_icon;
    TableIcon duplicate_icon;
    TableIcon append_icon;
    TableIcon row_numbers;
    TableRow* row_to_delete;
    TableRow* row_to_duplicate;
    TableRowCallback row_callback;
    TableColumn* first_column;
    TableColumn* last_column;
    TableColumn* clicked_column;
    TableRow* template_row;
    TableRow* first_row;
    TableRow* last_row;
    TableRow* walk;
    // Targets of the icons' click areas: 1-based row and column numbers, 0 for none.
    int clicked_delete, clicked_duplicate, clicked_column_number;
};

enum TableOption { TABLE_DELETE_ICON = 1, TABLE_DUPLICATE_ICON = 2, TABLE_APPEND_ROW = 3, TABLE_ROW_NUMBERS = 4 };

EditTable* table_slot(int table);   // null for a bad number or a free slot

int table_create(int area, int top, int left, int right, int row_height, int row_size, TableRowCallback callback);
void table_set_option(int table, int option, int dx, int dy);
void table_set_row_limit(int table, int n);
void table_set_template_row(int table, const void* data);
void table_add_column(int table, int x, int y, int kept, int flags, const char* format, int value_offset);
void table_append_row(int table, const void* data);
void table_clear_rows(int table);
void* table_first_row(int table);
void* table_next_row(int table);
int table_row_count(int table);
int table_row_index(int table, const void* data);
void table_move(int table, int top, int left);
void table_draw(int table);
int table_edit(int table);
void table_free(int table);
void table_free_owner(int area);

// Row operations behind the icons; each returns 2 when rows changed, 1 when nothing was done.
int table_delete_row(EditTable* t, TableRow* row);
int table_duplicate_row(EditTable* t, TableRow* row);
int table_append_template(EditTable* t);

// Column menu actions; they work on the current table and column.
void table_set_current(EditTable* t, TableColumn* column);
// The column menu every table shows (one record for all tables).
const struct MenueRecord* table_column_menu(void);
EditTable* table_current(void);
TableColumn* table_current_column(void);
int table_sort_column_asc(void);
int table_sort_column_desc(void);
int table_fill_column_sheet(void);

// The fill itself: whole column (whole = 1) or rows first..last (1-based), value start + k step.
void table_fill_column(EditTable* t, const TableColumn* column, int whole, int first, int last, double start,
                       double step);
// Keeps the fill sheet's row range ordered after the field `changed` (4 first, 5 last) changed.
void table_fill_order_range(int changed, double* first, double* last);
