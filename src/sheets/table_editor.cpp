#include "sheets/table_editor.h"

#include <cstdlib>
#include <cstring>

namespace {

EditTable g_tables[TABLE_MAX_SLOTS];
bool g_tables_ready = false;

EditTable* g_current_table = nullptr;
TableColumn* g_current_column = nullptr;

constexpr const char* kDefaultFormat = "%14.8f";

TableRow* new_row(int size, const void* data)
{
    auto* row = static_cast<TableRow*>(std::calloc(1, sizeof(TableRow)));
    if (!row) return nullptr;
    row->data = std::malloc((size_t)(size > 0 ? size : 1));
    if (!row->data) {
        std::free(row);
        return nullptr;
    }
    if (data && size > 0) std::memcpy(row->data, data, (size_t)size);
    else if (size > 0) std::memset(row->data, 0, (size_t)size);
    return row;
}

void free_row(TableRow* row)
{
    if (!row) return;
    std::free(row->data);
    std::free(row);
}

// Links a row in after `after` (null: at the front).
void link_after(EditTable* t, TableRow* after, TableRow* row)
{
    row->previous = after;
    row->next = after ? after->next : t->first_row;
    if (row->next) row->next->previous = row;
    else t->last_row = row;
    if (after) after->next = row;
    else t->first_row = row;
    ++t->row_count;
}

double* value_at(const EditTable* t, TableRow* row, const TableColumn* column)
{
    if (!column || column->value_offset < 0 || column->value_offset + (int)sizeof(double) > t->row_size)
        return nullptr;
    return reinterpret_cast<double*>(static_cast<char*>(row->data) + column->value_offset);
}

void free_columns(EditTable* t)
{
    for (TableColumn* c = t->first_column; c;) {
        TableColumn* next = c->next;
        std::free(c);
        c = next;
    }
    t->first_column = t->last_column = t->clicked_column = nullptr;
}

// Sorts the current column by exchanging row data through one row-sized buffer.
int sort_current(bool ascending)
{
    EditTable* t = g_current_table;
    TableColumn* column = g_current_column;
    if (!t || !column || t->row_size <= 0) return 0;
    void* buffer = std::malloc((size_t)t->row_size);
    if (!buffer) return 0;
    for (TableRow* a = t->first_row; a; a = a->next) {
        double* va = value_at(t, a, column);
        if (!va) break;
        for (TableRow* b = a->next; b; b = b->next) {
            double vb = *value_at(t, b, column);
            if (ascending ? vb < *va : vb > *va) {
                std::memcpy(buffer, a->data, (size_t)t->row_size);
                std::memcpy(a->data, b->data, (size_t)t->row_size);
                std::memcpy(b->data, buffer, (size_t)t->row_size);
                va = value_at(t, a, column);
            }
        }
    }
    std::free(buffer);
    return 1;
}

} // namespace

EditTable* table_slot(int table)
{
    if (!g_tables_ready || table < 0 || table >= TABLE_MAX_SLOTS) return nullptr;
    return g_tables[table].in_use ? &g_tables[table] : nullptr;
}

void table_prepare_images(void);   // table_editor_view.cpp

int table_create(int area, int top, int left, int right, int row_height, int row_size, TableRowCallback callback)
{
    if (!g_tables_ready) {
        for (auto& t : g_tables) t = EditTable{};
        g_tables_ready = true;
        table_prepare_images();
    }
    for (int i = 0; i < TABLE_MAX_SLOTS; ++i) {
        EditTable& t = g_tables[i];
        if (t.in_use) continue;
        t = EditTable{};
        t.in_use = 1;
        t.view_area = area;
        t.top = top;
        t.left = left;
        t.right = right;
        t.row_height = row_height;
        t.row_size = row_size;
        t.row_callback = callback;
        return i;
    }
    return -1;
}

void table_set_option(int table, int option, int dx, int dy)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    TableIcon icon{1, dx, dy};
    switch (option) {
    case TABLE_DELETE_ICON: t->delete_icon = icon; break;
    case TABLE_DUPLICATE_ICON: t->duplicate_icon = icon; break;
    case TABLE_APPEND_ROW: t->append_icon = icon; break;
    case TABLE_ROW_NUMBERS: t->row_numbers = icon; break;
    default: break;
    }
}

void table_set_row_limit(int table, int n)
{
    if (EditTable* t = table_slot(table)) t->row_limit = n;
}

void table_set_template_row(int table, const void* data)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    if (!t->template_row) t->template_row = new_row(t->row_size, nullptr);
    if (t->template_row && data && t->row_size > 0) std::memcpy(t->template_row->data, data, (size_t)t->row_size);
}

void table_add_column(int table, int x, int y, int kept, int flags, const char* format, int value_offset)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    auto* c = static_cast<TableColumn*>(std::calloc(1, sizeof(TableColumn)));
    if (!c) return;
    std::strncpy(c->format, format ? format : kDefaultFormat, TABLE_COLUMN_FORMAT_SIZE - 1);
    c->x = x;
    c->y = y;
    c->kept = kept;
    c->value_offset = value_offset;
    c->sortable = flags & 1;
    c->fillable = (flags >> 1) & 1;
    if (t->last_column) t->last_column->next = c;
    else t->first_column = c;
    t->last_column = c;
}

void table_append_row(int table, const void* data)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    if (TableRow* row = new_row(t->row_size, data)) link_after(t, t->last_row, row);
}

void table_clear_rows(int table)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    for (TableRow* r = t->first_row; r;) {
        TableRow* next = r->next;
        free_row(r);
        r = next;
    }
    t->first_row = t->last_row = t->walk = nullptr;
    t->row_to_delete = t->row_to_duplicate = nullptr;
    t->row_count = 0;
}

void* table_first_row(int table)
{
    EditTable* t = table_slot(table);
    if (!t) return nullptr;
    t->walk = t->first_row;
    return t->walk ? t->walk->data : nullptr;
}

void* table_next_row(int table)
{
    EditTable* t = table_slot(table);
    if (!t || !t->walk) return nullptr;
    t->walk = t->walk->next;
    return t->walk ? t->walk->data : nullptr;
}

int table_row_count(int table)
{
    EditTable* t = table_slot(table);
    return t ? t->row_count : 0;
}

int table_row_index(int table, const void* data)
{
    EditTable* t = table_slot(table);
    if (!t) return 0;
    int i = 1;
    for (TableRow* r = t->first_row; r; r = r->next, ++i)
        if (r->data == data) return i;
    return 0;
}

void table_move(int table, int top, int left)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    int dx = left - t->left, dy = top - t->top;
    t->top = top;
    t->left = left;
    t->right += dx;
    for (TableColumn* c = t->first_column; c; c = c->next) {
        c->x += dx;
        c->y += dy;
    }
}

void table_free(int table)
{
    EditTable* t = table_slot(table);
    if (!t) return;
    table_clear_rows(table);
    free_row(t->template_row);
    free_columns(t);
    *t = EditTable{};
}

void table_free_owner(int area)
{
    for (int i = 0; i < TABLE_MAX_SLOTS; ++i) {
        EditTable* t = table_slot(i);
        if (t && t->view_area == area) table_free(i);
    }
}

int table_delete_row(EditTable* t, TableRow* row)
{
    if (!t || !row) return 1;
    if (row->previous) row->previous->next = row->next;
    else t->first_row = row->next;
    if (row->next) row->next->previous = row->previous;
    else t->last_row = row->previous;
    if (t->walk == row) t->walk = nullptr;
    free_row(row);
    --t->row_count;
    return 2;
}

int table_duplicate_row(EditTable* t, TableRow* row)
{
    if (!t || !row) return 1;
    TableRow* copy = new_row(t->row_size, row->data);
    if (!copy) return 1;
    link_after(t, row, copy);
    return 2;
}

int table_append_template(EditTable* t)
{
    if (!t) return 1;
    t->append_requested = 0;
    // Without a template there is nothing to append.
    if (!t->template_row) return 1;
    TableRow* row = new_row(t->row_size, t->template_row->data);
    if (!row) return 1;
    link_after(t, t->last_row, row);
    return 2;
}

void table_set_current(EditTable* t, TableColumn* column)
{
    g_current_table = t;
    g_current_column = column;
}

EditTable* table_current(void) { return g_current_table; }
TableColumn* table_current_column(void) { return g_current_column; }

int table_sort_column_asc(void) { return sort_current(true); }
int table_sort_column_desc(void) { return sort_current(false); }

void table_fill_column(EditTable* t, const TableColumn* column, int whole, int first, int last, double start,
                       double step)
{
    if (!t || !column) return;
    int from = whole ? 1 : first;
    int to = whole ? t->row_count : last;
    if (t->row_count < from) return;
    int index = 1, k = 0;
    for (TableRow* r = t->first_row; r && index <= to; r = r->next, ++index) {
        if (index < from) continue;
        double* v = value_at(t, r, column);
        if (!v) return;
        *v = start + k * step;
        ++k;
    }
}

void table_fill_order_range(int changed, double* first, double* last)
{
    if (*first <= *last) return;
    if (changed == 4) *last = *first;
    else if (changed == 5) *first = *last;
}
