#include "output/oli_simple_table.h"
#include "platform/os/c_numeric.h"
#include "output/oli_table.h"
#include "helpers/mem_counted.h"
#include "helpers/print_helpers.h"
#include "platform/env/vyk_format.h"
#include "platform/layout/oli_layout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string pad_to(const std::string& s, int width)
{
    int n = width - MT_String_Length(s.c_str());
    return n > 0 ? s + std::string(size_t(n), ' ') : s;
}

OliColumn column_of(const OliSimpleRow& r)
{
    OliColumn c;
    std::memset(&c, 0, sizeof c);
    c_snprintf(c.type, sizeof c.type, "%s", r.type);
    c.decimals = r.decimals;
    c.values = r.values;
    c.factor = r.factor;
    c.stride = -1;
    return c;
}

bool is_gew(const OliSimpleRow& r) { return std::strcmp(r.type, "GEW") == 0; }

std::vector<std::string>& combination_texts()
{
    static std::vector<std::string> t;
    return t;
}

std::string short_number(double v)
{
    char buf[96];
    formatNumber(v, 882, 20, 5, 2, buf);
    return buf;
}

// Factored load cases of one combination: cases with equal factors form one term.
std::string combination_text(const OliCombinationTable& t, const OliCombination& c)
{
    int n = t.ncases;
    std::vector<char> placed(size_t(n > 0 ? n : 0), 0);
    std::string out;
    for (int i = 0; i < n; ++i) {
        double f1 = c.factors1 ? c.factors1[i] : 1.0, f2 = c.factors2 ? c.factors2[i] : 1.0;
        int id = t.case_ids ? t.case_ids[i] : i + 1;
        if (placed[size_t(i)] || f1 == 0 || f2 == 0 || id == -1) continue;
        std::vector<int> members{i};
        placed[size_t(i)] = 1;
        for (int j = i + 1; j < n; ++j) {
            double g1 = c.factors1 ? c.factors1[j] : 1.0, g2 = c.factors2 ? c.factors2[j] : 1.0;
            int jd = t.case_ids ? t.case_ids[j] : j + 1;
            if (!placed[size_t(j)] && jd != -1 && g1 == f1 && g2 == f2) {
                members.push_back(j);
                placed[size_t(j)] = 1;
            }
        }
        std::string term;
        if (f1 != 1) term += short_number(f1) + "\xCE/.\xCEr";
        if (f2 != 1) term += short_number(f2) + "\xCE/.\xCEr";
        bool paren = members.size() > 1 && (f1 != 1 || f2 != 1);
        if (paren) term += "(";
        std::string cases;
        for (int m : members) {
            const char* name = t.case_name ? t.case_name(m) : nullptr;
            char buf[128];
            if (name) c_snprintf(buf, sizeof buf, "%s+", name);
            else c_snprintf(buf, sizeof buf, "Lf%d+", t.case_ids ? t.case_ids[m] : m + 1);
            cases += buf;
        }
        cases.pop_back();
        term += cases;
        if (paren) term += ")";
        out += term + "+";
    }
    if (!out.empty()) out.pop_back();
    return out;
}

// Texts laid out as a TXT column: `stride` bytes a row, each row cut to `limit` bytes.
std::vector<char> txt_block(const std::vector<std::string>& texts, int stride, int limit)
{
    std::vector<char> block(size_t(stride) * texts.size() + 1, 0);
    for (size_t i = 0; i < texts.size(); ++i) {
        size_t n = std::min(texts[i].size(), size_t(std::min(limit, stride - 1)));
        std::memcpy(&block[i * size_t(stride)], texts[i].data(), n);
    }
    return block;
}

void set_txt_column(OliColumn* c, const char* title, int width, const std::vector<char>& block, int stride)
{
    c_snprintf(c->short_title, sizeof c->short_title, "%s", title);
    std::strcpy(c->type, "TXT");
    c->width = width;
    c->decimals = stride;
    c->values = block.data();
}

} // namespace

char* oli_table_cell_showtable(const OliSimpleRow* record, int col, int width, char* buffer)
{
    if (!buffer) return buffer;
    buffer[0] = 0;
    if (!record) return buffer;
    OliColumn c = column_of(*record);
    return oli_table_cell(&c, record->values, col, width, 0, record->decimals, record->factor, 0, 0, buffer, 0);
}

FILE* oli_simple_table(FILE* stream, int nrecords, int ncols, const OliSimpleRow* records)
{
    if (!stream || nrecords < 1 || !records || ncols < 1) return nullptr;
    int nw = 0, uw = 0, cw = 1;
    std::vector<char> buf(1000);
    for (int r = 0; r < nrecords; ++r) {
        const OliSimpleRow& rec = records[r];
        nw = std::max(nw, MT_String_Length(rec.name));
        if (!is_gew(rec)) uw = std::max(uw, MT_String_Length(rec.type));
        for (int j = 0; j < ncols; ++j) {
            oli_table_cell_showtable(&rec, j, 0, buf.data());
            cw = std::max(cw, MT_String_Length(buf.data()) - 1);
        }
    }
    OLI_setYPositionCM(stream, 1, 0.1f);
    fprintf_if_open(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 %d\n", ncols + 1);
    double b = nw + 1;
    fprintf_if_open(stream, " %f", b);
    b = nw + uw + 3;
    fprintf_if_open(stream, " %f", b);
    for (int j = 1; j < ncols; ++j) {
        b += cw + 1;
        fprintf_if_open(stream, " %f", b);
    }
    fprintf_if_open(stream, "\n");
    for (int r = 0; r < nrecords; ++r) {
        const OliSimpleRow& rec = records[r];
        std::string name = is_gew(rec) ? std::string("\xCEu\xCE" "b") + rec.name + "\xCEr\xCEu"
                                       : std::string("\xCE" "b") + rec.name + "\xCEr";
        std::string unit = is_gew(rec) ? std::string() : std::string(rec.type) + "\xCEr";
        fprintf_if_open(stream, " %s ", pad_to(name, nw).c_str());
        fprintf_if_open(stream, " %s", pad_to(unit, uw).c_str());
        for (int j = 0; j < ncols; ++j) fprintf_if_open(stream, "%s", oli_table_cell_showtable(&rec, j, cw, buf.data()));
        if (r < nrecords - 1) fprintf_if_open(stream, " \xCE{\xCEL 0 -1 -1 %f %f }", 1.0, 1.0);
        fprintf_if_open(stream, "\n");
    }
    fprintf_if_open(stream, "#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, -0.4f);
    return stream;
}

void oli_combination_init(OliCombinationTable* t, int ncases, int ncombinations)
{
    if (!t) return;
    std::memset(t, 0, sizeof *t);
    t->no_names = 1;
    t->ncases = ncases > 0 ? ncases : 0;
    t->ncombinations = ncombinations > 0 ? ncombinations : 0;
    if (t->ncases > 0) {
        t->case_ids = static_cast<int*>(mem_calloc_counted(int(sizeof(int)) * t->ncases));
        for (int i = 0; i < t->ncases; ++i) t->case_ids[i] = i + 1;
    }
    if (t->ncombinations > 0) {
        t->combinations =
            static_cast<OliCombination*>(mem_calloc_counted(int(sizeof(OliCombination)) * t->ncombinations));
        for (int k = 0; k < t->ncombinations; ++k) {
            OliCombination& c = t->combinations[k];
            if (t->ncases > 0) {
                c.factors1 = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * t->ncases));
                c.factors2 = static_cast<double*>(mem_calloc_counted(int(sizeof(double)) * t->ncases));
                for (int i = 0; i < t->ncases; ++i) c.factors1[i] = c.factors2[i] = 1.0;
            }
        }
    }
}

void oli_combination_free(OliCombinationTable* t)
{
    if (!t) return;
    for (int k = 0; t->combinations && k < t->ncombinations; ++k) {
        mem_free_and_null(&t->combinations[k].factors1);
        mem_free_and_null(&t->combinations[k].factors2);
    }
    mem_free_and_null(&t->combinations);
    mem_free_and_null(&t->case_ids);
    t->ncases = t->ncombinations = 0;
}

const char* oli_combination_name(int i)
{
    const std::vector<std::string>& t = combination_texts();
    if (i < 0 || size_t(i) >= t.size()) return "???";
    return t[size_t(i)].c_str();
}

void oli_load_combination_table(FILE* stream, OliCombinationTable* t)
{
    std::vector<std::string>& texts = combination_texts();
    texts.clear();
    int m = t && t->combinations ? t->ncombinations : 0;
    size_t longest = 0;
    int widest = 0;
    for (int k = 0; k < m; ++k) {
        texts.push_back(combination_text(*t, t->combinations[k]));
        longest = std::max(longest, texts.back().size());
        widest = std::max(widest, MT_String_Length(texts.back().c_str()));
    }
    int text_stride = int(std::min<size_t>(longest, 75));
    for (std::string& s : texts)
        if (int(s.size()) > text_stride) s.resize(size_t(text_stride));

    std::vector<std::string> names, situations;
    int names_w = 0, sit_w = 0;
    for (int k = 0; k < m; ++k) {
        const OliCombination& c = t->combinations[k];
        std::string name = c.name[0] ? std::string(c.name, strnlen(c.name, sizeof c.name)) : "???";
        const char* sn = t->situation_name ? t->situation_name(c.situation) : nullptr;
        std::string sit = sn ? sn : "???";
        if (name.size() > 30) name.resize(30);
        if (sit.size() > 30) sit.resize(30);
        names_w = std::max(names_w, MT_String_Length(name.c_str()) + 1);
        sit_w = std::max(sit_w, MT_String_Length(sit.c_str()) + 1);
        names.push_back(name);
        situations.push_back(sit);
    }

    if (stream && m > 0) {
        if (m > 10) OLI_setFlags(stream, OLI_LIST_FLAGS_LONG_TABLE);
        int text_w = std::min(widest + 1, 75);
        // a row stride that holds the longest text and is never below the column width, so
        // that the table writer finds every row where it is laid out
        int name_stride = std::max(names_w, 30) + 1, sit_stride = std::max(sit_w, 30) + 1;
        int comb_stride = std::max(text_w, text_stride) + 1;
        std::vector<char> name_block = txt_block(names, name_stride, 30);
        std::vector<char> sit_block = txt_block(situations, sit_stride, 30);
        std::vector<char> comb_block = txt_block(texts, comb_stride, text_stride);
        OliColumn* cols = nullptr;
        oli_table_columns_alloc(4, &cols);
        int n = 0;
        c_snprintf(cols[n].short_title, sizeof cols[n].short_title, "LK");
        std::strcpy(cols[n].type, "ZZ");
        cols[n].width = 3;
        cols[n].decimals = 1;
        ++n;
        if (!t->no_names) set_txt_column(&cols[n++], "Bezeichnung", names_w, name_block, name_stride);
        if (!t->no_situations) set_txt_column(&cols[n++], "Bemessungssit.", sit_w, sit_block, sit_stride);
        set_txt_column(&cols[n++], "Faktorisierung", text_w, comb_block, comb_stride);
        OliTabelle(stream, n, m, cols, nullptr, nullptr, 0, OLI_TABLE_NO_UNITS | (t->flags ? OLI_TABLE_EXTRA_FORMAT : 0), nullptr, nullptr, 0, nullptr);
        mem_free_and_null(&cols);
    }
    OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
}
