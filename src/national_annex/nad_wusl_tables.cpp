#include "national_annex/nad_wusl_tables.h"

#include "national_annex/nad_numio.h"
#include "national_annex/nad_paths.h"
#include "platform/os/paths.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"
#include "platform/os/regular_file.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Table sizes come from a file: refuse shapes no real table has instead of allocating blindly.
// A wind or snow table has a few columns (zones, terrain categories) and rows (heights, altitudes);
// each count is bounded on its own, so that an empty side cannot let the other grow without end.
const int kMaxColumns = 100;
const int kMaxRows = 1000;

char* dup_text(const char* s)
{
    size_t n = strlen(s);
    char* d = static_cast<char*>(malloc(n + 1));
    if (d) memcpy(d, s, n + 1);
    return d;
}

// Drops a trailing line end (LF or CRLF); the files' "last character" rule.
void chop_line_end(char* s)
{
    size_t n = strlen(s);
    if (n > 0 && s[n - 1] == '\n') s[--n] = '\0';
    if (n > 0 && s[n - 1] == '\r') s[--n] = '\0';
}

void free_table(WuslTable* t)
{
    if (!t) return;
    free(t->title);
    free(t->unit);
    free(t->set_title);
    free(t->format);
    free(t->values);
    free(t);
}

bool starts_with(const char* line, const char* key) { return strncmp(line, key, strlen(key)) == 0; }

} // namespace

namespace {

// Layout coordinates of a table: far beyond any screen, so that a damaged file cannot
// overflow the differences taken below.
const int kMaxLayout = 1000000;

// One table header after its "#TAB" line: title, unit, eight layout numbers, column and row
// counts and the format word. Null when any part is missing or out of range, so a damaged
// header never leaves a table with counts but no values.
WuslTable* read_table_header(FILE* f)
{
    char title[199], unit[199], fmt[64];
    if (!fgets(title, sizeof title, f) || !fgets(unit, sizeof unit, f)) return nullptr;
    chop_line_end(title);
    chop_line_end(unit);
    int layout[8], columns = 0, rows = 0;
    for (int& v : layout)
        if (c_fscanf(f, "%d", &v) != 1 || v < -kMaxLayout || v > kMaxLayout) return nullptr;
    if (!nadio::rd_count(f, &columns, 1, kMaxColumns, "Spaltenzahl") ||
        !nadio::rd_count(f, &rows, 1, kMaxRows, "Zeilenzahl") || c_fscanf(f, "%63s", fmt) != 1)
        return nullptr;
    WuslTable* t = static_cast<WuslTable*>(calloc(1, sizeof(WuslTable)));
    if (!t) return nullptr;
    memcpy(t->layout, layout, sizeof layout);
    t->layout[4] -= t->layout[0];
    t->layout[5] -= t->layout[1];
    t->column_count = columns;
    t->row_count = rows;
    t->title = dup_text(title);
    t->unit = dup_text(unit);
    t->format = dup_text(fmt);
    const size_t cells = static_cast<size_t>(columns) * static_cast<size_t>(rows);
    t->values = static_cast<double*>(calloc(cells, sizeof(double)));
    if (!t->title || !t->unit || !t->format || !t->values) {
        free_table(t);
        return nullptr;
    }
    return t;
}

} // namespace

int nad_wusl_read_defs_stream(FILE* f, NadStdParams* params)
{
    if (!f || !params) return 0;
    const CNumericScope c_numbers;
    memset(params->tab99_values, 0, sizeof params->tab99_values);
    nad_wusl_free_tables(params);
    int count = 0;
    char line[199];
    while (fgets(line, sizeof line, f)) {
        if (!starts_with(line, "#TAB")) continue;
        int n = 0;
        if (c_sscanf(line + 4, "%d", &n) != 1 || n < 1 || n > 10) continue;
        free_table(params->tables[n - 1]);
        params->tables[n - 1] = read_table_header(f);
        if (!params->tables[n - 1]) break;
        ++count;
    }
    return count;
}

int nad_wusl_read_defs(NadStdParams* params)
{
    if (!params) return 0;
    if (nadpath::folder("DATA").empty()) return 0;
    std::string path = path_join(nadpath::folder("DATA"), "NAD/WUSL-Tabs.def");
    FILE* f = open_regular_file(path, file_bounds::kTable, "r");
    if (!f) return 0;
    const int count = nad_wusl_read_defs_stream(f, params);
    fclose(f);
    return count;
}

void nad_wusl_read_tables(FILE* file, NadStdParams* params)
{
    const CNumericScope c_numbers;
    if (!file || !params) return;
    if (nad_verbose) printf(" EC1: reading ... ");
    char line[299];
    while (fgets(line, sizeof line, file)) {
        if (starts_with(line, "#NAD")) break;
        if (starts_with(line, "~DATA")) {
            int ignored = 0;
            if (c_fscanf(file, "%d", &ignored) == 1 && c_fscanf(file, "%d", &params->data_values[0]) == 1)
                (void)c_fscanf(file, "%d", &params->data_values[1]);
            continue;
        }
        if (!starts_with(line, "~TAB")) continue;
        int n = 0;
        if (c_sscanf(line + 4, "%d", &n) != 1) continue;
        if (n == 99) {
            int k = 0, extra = 0;
            if (c_fscanf(file, "%d", &k) != 1 || c_fscanf(file, "%d", &extra) != 1) continue;
            if (k > 10) k = 10;
            for (int i = 0; i < k; ++i)
                if (c_fscanf(file, "%d", &params->tab99_values[i]) != 1) break;
            if (nad_verbose) printf("99");
            continue;
        }
        if (n < 1 || n > 10 || !params->tables[n - 1] || !params->tables[n - 1]->values) continue;
        WuslTable* t = params->tables[n - 1];
        char title[299];
        if (!fgets(title, sizeof title, file)) break;
        chop_line_end(title);
        free(t->set_title);
        t->set_title = dup_text(title);
        const int cells = t->column_count * t->row_count;
        for (int i = 0; i < cells; ++i) (void)c_fscanf(file, "%lf", &t->values[i]);
        t->set_loaded = 1;
        if (nad_verbose) printf("%d.", n);
    }
    if (nad_verbose) printf("\n");
}

int nad_wusl_find_set(const char* path, const char* name, NadStdParams* params)
{
    const CNumericScope c_numbers;
    if (!path || !name || !params) return 0;
    FILE* f = open_regular_file(path, file_bounds::kTable, "r");
    if (!f) return 0;
    if (nad_verbose) printf(" EC1: searching %s\n", name);
    const size_t len = strlen(name);
    char line[299];
    while (fgets(line, sizeof line, f)) {
        if (!starts_with(line, "#NAD")) continue;
        if (!fgets(line, sizeof line, f)) break;
        if (strncmp(line, name, len) != 0) continue;
        (void)c_fscanf(f, "%d", &params->mode);
        nad_wusl_read_tables(f, params);
    }
    fclose(f);
    return 0;
}

void nad_wusl_load_standard(NadStdParams* params)
{
    const CNumericScope c_numbers;
    if (!params) return;
    params->data_values[0] = 2;
    params->data_values[1] = 2;
    std::string data = nadpath::folder("DATA");
    if (data.empty()) return;
    nad_wusl_find_set(path_join(data, "NAD/WUSL-Tabs.val").c_str(), "EC-Standardparameter", params);
}

void nad_wusl_load_set(int number, const char* name, NadStdParams* params)
{
    const CNumericScope c_numbers;
    if (!params || !name) return;
    std::string path = number != 0 ? nadpath::folder("DRAM") : nadpath::folder("DATA");
    if (path.empty()) return;
    path = path_join(path, number != 0 ? "WUSL-NADs.def" : "NAD/WUSL-Tabs.val");
    nad_wusl_find_set(path.c_str(), name, params);
}

void nad_wusl_load_din1055() { nad_wusl_load_set(0, "DIN 1055-(4+5)", &nad_current_set.std_params); }

void nad_wusl_reset_set(NadStdParams* params, int country)
{
    if (!params) return;
    params->mode = country != 0 ? 2 : 1;
    WuslTable* t = params->tables[country != 0 ? 8 : 7];
    if (!t) return;
    free(t->set_title);
    t->set_title = nullptr;
    t->set_loaded = 0;
}

void nad_wusl_write_tables(FILE* file, const NadStdParams* params)
{
    const CNumericScope c_numbers;
    if (!file || !params) return;
    c_fprintf(file, "~DATA\n");
    c_fprintf(file, "%d %d %d\n\n", 1, params->data_values[0], params->data_values[1]);
    for (int n = 0; n < 10; ++n) {
        const WuslTable* t = params->tables[n];
        if (!t || !t->set_loaded) continue;
        c_fprintf(file, "~TAB%d\n%s\n", n + 1, t->set_title ? t->set_title : "");
        for (int r = 0; r < t->row_count; ++r) {
            for (int c = 0; c < t->column_count; ++c) c_fprintf(file, " %6.3f", t->values[r * t->column_count + c]);
            c_fprintf(file, "\n");
        }
        c_fprintf(file, "\n");
    }
    c_fprintf(file, "~TAB99\n %d 0", 10);
    for (int v : params->tab99_values) c_fprintf(file, " %d", v);
    c_fprintf(file, "\n\n");
}

namespace {
struct StoreContext {
    std::string old_content;
    const char* name;
    const NadStdParams* params;
};
void write_store(FILE* f, const void* p)
{
    const StoreContext* c = static_cast<const StoreContext*>(p);
    fwrite(c->old_content.data(), 1, c->old_content.size(), f);
    c_fprintf(f, "#NAD\n%s\n%d\n\n", c->name, c->params->mode);
    nad_wusl_write_tables(f, c->params);
}
} // namespace

int nad_wusl_store_user_set(int append, const char* name, const NadStdParams* params)
{
    const CNumericScope c_numbers;
    std::string dram = nadpath::folder("DRAM");
    if (dram.empty() || !name || !params) return 0;
    std::string path = path_join(dram, "WUSL-NADs.def");
    StoreContext c{"", name, params};
    if (append) {
        if (FILE* f = open_regular_file(path, file_bounds::kTable, "rb")) {
            char buf[4096];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, f)) > 0) c.old_content.append(buf, n);
            fclose(f);
        }
    }
    nad_write_file_atomic(path.c_str(), write_store, &c);
    return 0;
}

int nad_wusl_compare(const NadStdParams* a, const NadStdParams* b)
{
    if (!a || !b) return 1;
    for (int n = 0; n < 10; ++n) {
        const WuslTable* x = a->tables[n];
        const WuslTable* y = b->tables[n];
        if (!x || !y) continue;
        if (x->set_loaded != y->set_loaded) return 1;
        if (!x->set_loaded) continue;
        if (x->column_count != y->column_count || x->row_count != y->row_count) return 1;
        for (int i = 0; i < x->column_count * x->row_count; ++i) {
            double d = x->values[i] - y->values[i];
            if (d > 0.0001 || d < -0.0001) return 1;
        }
    }
    if (memcmp(a->tab99_values, b->tab99_values, sizeof a->tab99_values) != 0) return 1;
    return a->data_values[0] != b->data_values[0] || a->data_values[1] != b->data_values[1];
}

void nad_wusl_copy(NadStdParams* dst, const NadStdParams* src)
{
    if (!dst || !src) return;
    for (int n = 0; n < 10; ++n) {
        WuslTable* d = dst->tables[n];
        const WuslTable* s = src->tables[n];
        if (!d) continue;
        if (s && s->set_loaded && s->column_count == d->column_count && s->row_count == d->row_count) {
            free(d->set_title);
            d->set_title = dup_text("benutzerdefiniert, editierbar");
            memcpy(d->values, s->values, sizeof(double) * d->column_count * d->row_count);
            d->set_loaded = 1;
        } else {
            d->set_loaded = 0;
        }
    }
    memcpy(dst->tab99_values, src->tab99_values, sizeof dst->tab99_values);
    dst->data_values[0] = src->data_values[0];
    dst->data_values[1] = src->data_values[1];
}

void nad_wusl_free_tables(NadStdParams* params)
{
    if (!params) return;
    for (WuslTable*& t : params->tables) {
        free_table(t);
        t = nullptr;
    }
}

int nad_wusl_stub() { return 0; }
