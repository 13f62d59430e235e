#include "core/print_table.h"
#include "core/print_calculation.h"

#include "environment/vyk_startup.h"
#include "helpers/mem_counted.h"
#include "platform/os/codepage.h"

#include <cmath>
#include <cstring>

namespace {

// The table writer prints this value as "n.e.", not determinable.
constexpr double NOT_DETERMINABLE = OLI_CELL_NOT_DETERMINED;

void copy_field(char* dst, std::size_t size, const char* utf8)
{
    std::string s = print_cp437(utf8 && *utf8 ? utf8 : " ");
    if (s.size() >= size) s.resize(size - 1);
    std::memcpy(dst, s.c_str(), s.size() + 1);
}

}  // namespace

std::string print_cp437(const char* utf8) { return codepage::utf8_to_cp437(utf8 ? utf8 : ""); }

void print_cell_text(char* cell, int size, const char* text)
{
    if (size <= 0) return;
    std::memset(cell, 0, std::size_t(size));
    if (!text) return;
    std::size_t n = std::strlen(text);
    if (n > std::size_t(size - 1)) n = std::size_t(size - 1);   // the last byte stays the terminator
    std::memcpy(cell, text, n);
}

PrintTable::PrintTable(int ncols, int nrows) : ncols_(ncols), nrows_(nrows < 0 ? 0 : nrows)
{
    oli_table_columns_alloc(ncols_, &cols_);
    mem_check_or_exit(cols_);
}

PrintTable::~PrintTable()
{
    for (void* p : blocks_) vyk_free(__FILE__, __LINE__, "table values", p);
    mem_free_and_null(&cols_);
}

OliColumn* PrintTable::next(const char* title, const char* heading, const char* unit, int width, int decimals)
{
    if (used_ >= ncols_) return nullptr;
    OliColumn& c = cols_[used_++];
    copy_field(c.title, sizeof c.title, title);
    copy_field(c.short_title, sizeof c.short_title, heading);
    copy_field(c.type, sizeof c.type, unit);
    c.width = width;
    c.decimals = decimals;
    c.factor = 1.0;
    return &c;
}

void PrintTable::row_numbers(const char* heading, int width) { next(" ", heading, "ZZ", width, 0); }

double* PrintTable::numbers(const char* title, const char* heading, const char* unit, int width, int decimals)
{
    OliColumn* c = next(title, heading, unit, width, decimals);
    // One slot more than rows, so that a table without rows still has its array.
    void* p = vyk_realloc(__FILE__, __LINE__, "table values", nullptr, sizeof(double) * std::size_t(nrows_ + 1));
    mem_check_or_exit(p);
    blocks_.push_back(p);
    double* v = static_cast<double*>(p);
    for (int i = 0; i <= nrows_; ++i) v[i] = 0.0;
    if (c) {
        c->values = v;
        numeric_.push_back(v);
    }
    return v;
}

char* PrintTable::texts(const char* title, const char* heading, int width, int cell)
{
    OliColumn* c = next(title, heading, "TXT", width, cell);
    std::size_t size = std::size_t(cell) * std::size_t(nrows_ + 1);
    void* p = vyk_realloc(__FILE__, __LINE__, "table texts", nullptr, size);
    mem_check_or_exit(p);
    blocks_.push_back(p);
    std::memset(p, 0, size);
    if (c) c->values = p;
    return static_cast<char*>(p);
}

void PrintTable::write(FILE* file)
{
    for (double* v : numeric_)
        for (int i = 0; i < nrows_; ++i)
            if (!std::isfinite(v[i])) v[i] = NOT_DETERMINABLE;
    OliTabelle(file, used_, nrows_, cols_, nullptr, nullptr, 0, OLI_TABLE_PLAIN, nullptr, nullptr, 0, nullptr);
}
