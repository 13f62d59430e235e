#include "core/print_table.h"
#include "core/print_calculation.h"

#include "environment/vyk_startup.h"
#include "helpers/mem_counted.h"
#include "platform/os/codepage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

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

namespace {

// The mark of a cut name: code page 437 has no ellipsis, and "~" is drawn by every viewer.
const QChar kCutMark = QLatin1Char('~');

// The cut forms of one name: its head and the mark; then the head, the mark and ever more of its
// end; then its first letters and ever later windows of its middle between marks; then windows alone.
std::vector<QString> cut_forms(const QString& s, int visible)
{
    std::vector<QString> out;
    if (visible < 3) {
        out.push_back(s.left(std::max(visible, 0)));
        return out;
    }
    out.push_back(s.left(visible - 1) + kCutMark);
    for (int t = 1; t <= visible - 3; ++t) out.push_back(s.left(visible - 1 - t) + kCutMark + s.right(t));
    const int head = std::min(4, visible - 5);
    if (head > 0)
        for (int q = head + 1; q + visible - head - 2 <= s.size(); ++q)
            out.push_back(s.left(head) + kCutMark + s.mid(q, visible - head - 2) + kCutMark);
    for (int q = 1; q + visible - 2 <= s.size(); ++q) out.push_back(kCutMark + s.mid(q, visible - 2) + kCutMark);
    return out;
}

}  // namespace

std::vector<QString> print_cut_names(const std::vector<QString>& names, int visible)
{
    std::vector<QString> out(names);
    std::set<QString> taken;   // what is printed already: whole names, then chosen cuts
    std::map<QString, std::vector<QString>> groups;   // long names by their first cut form
    for (const QString& n : names) {
        if (n.size() <= visible) {
            taken.insert(n);
            continue;
        }
        std::vector<QString>& g = groups[cut_forms(n, visible).front()];
        if (std::find(g.begin(), g.end(), n) == g.end()) g.push_back(n);
    }
    std::map<QString, QString> printed;
    for (const auto& group : groups) {
        const std::vector<QString>& g = group.second;
        // the first kind of cut that tells every name of the group from the others and from all
        // that is printed already
        std::vector<std::vector<QString>> forms;
        size_t kinds = 0;
        for (const QString& n : g) {
            forms.push_back(cut_forms(n, visible));
            kinds = std::max(kinds, forms.back().size());
        }
        size_t chosen = kinds;
        for (size_t k = 0; k < kinds && chosen == kinds; ++k) {
            std::set<QString> seen;
            bool ok = true;
            for (const auto& f : forms) {
                const QString& c = f[std::min(k, f.size() - 1)];
                ok = ok && !taken.count(c) && seen.insert(c).second;
            }
            if (ok) chosen = k;
        }
        for (size_t i = 0; i < g.size(); ++i) {
            QString c = forms[i][std::min(chosen, forms[i].size() - 1)];
            // no cut tells them apart: the name's place in the group does
            if (chosen == kinds) {
                const QString number = QString::number(i + 1);
                c = g[i].left(std::max(0, visible - 1 - int(number.size()))) + kCutMark + number;
            }
            taken.insert(c);
            printed[g[i]] = c;
        }
    }
    for (QString& n : out)
        if (n.size() > visible) n = printed[n];
    return out;
}
