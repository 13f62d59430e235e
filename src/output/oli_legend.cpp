#include "output/oli_legend.h"
#include "platform/os/c_numeric.h"
#include "output/oli_paragraph.h"
#include "output/oli_writer.h"
#include "helpers/print_helpers.h"
#include "platform/layout/oli_layout.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int MAX_ENTRIES = 75;
constexpr size_t MAX_KEY = 25;
constexpr size_t MAX_TEXT = 200;
constexpr size_t MAX_ENTRY = 235;
constexpr int MAX_LITERATURE = 20;

struct Entry {
    std::string key, text, entry;
};

struct Legend {
    std::vector<Entry> entries;
    int saved = 0;
    std::vector<std::string> literature;
};

Legend& L()
{
    static Legend l;
    return l;
}

std::string cut(const char* s, size_t limit)
{
    std::string t = s ? s : "";
    if (t.size() > limit) t.resize(limit);
    return t;
}

std::string format_n(const char* format, int n)
{
    char buf[256];
    c_snprintf(buf, sizeof buf, format ? format : "", n);
    return buf;
}

bool has_key(const std::string& key)
{
    for (const Entry& e : L().entries)
        if (e.key == key) return true;
    return false;
}

// Stores an entry whose text is already final (no further conversions).
int add_plain(const std::string& key_in, const std::string& text_in)
{
    std::string key = key_in.substr(0, MAX_KEY), text = text_in.substr(0, MAX_TEXT);
    if (has_key(key) || int(L().entries.size()) >= MAX_ENTRIES) return 0;
    std::string entry = (key + "\xCEr - " + text + "\xCEr").substr(0, MAX_ENTRY);
    L().entries.push_back({key, text, entry});
    return int(entry.size());
}

} // namespace

void oli_legend_clear()
{
    L().entries.clear();
    L().saved = 0;
}

int oli_legend_add(const char* key_in, const char* text_in, ...)
{
    std::string key = cut(key_in, MAX_KEY), text = cut(text_in, MAX_TEXT);
    if (has_key(key) || int(L().entries.size()) >= MAX_ENTRIES) return 0;
    // key and text may carry conversions of their own that take the extra arguments
    std::string format = key + "\xCEr - " + text + "\xCEr";
    char buf[MAX_ENTRY + 1];
    va_list ap;
    va_start(ap, text_in);
    int n = c_vsnprintf(buf, sizeof buf, format.c_str(), ap);
    va_end(ap);
    if (n < 0) buf[0] = 0;
    L().entries.push_back({key, text, buf});
    return int(std::strlen(buf));
}

int oli_legend_add_numbered(const char* key_format, const char* text, int n)
{
    return add_plain(format_n(key_format, n), cut(text, MAX_TEXT));
}

int oli_legend_add_reference(const char* key_format, const char* ref_format, const char* source)
{
    return add_plain(cut(key_format, MAX_KEY), format_n(ref_format, oli_literature_ref(source)));
}

int oli_legend_add_reference_n(const char* key_format, const char* ref_format, int n, const char* source)
{
    return add_plain(format_n(key_format, n), format_n(ref_format, oli_literature_ref(source)));
}

int oli_legend_count() { return int(L().entries.size()); }
void oli_legend_mark() { L().saved = oli_legend_count(); }

void oli_legend_restore()
{
    if (L().saved < oli_legend_count()) L().entries.resize(size_t(L().saved));
}

void oli_legend_drop(int n)
{
    if (n <= 0) return;
    int keep = oli_legend_count() - n;
    L().entries.resize(size_t(keep < 0 ? 0 : keep));
}

void oli_legend(FILE* stream)
{
    if (!stream || L().entries.empty()) return;
    double width = oli_get_page_width();
    int line_length = width > 0 ? int(std::round((width - oli_get_left_margin()) * 160 / width)) : 160;
    std::vector<std::string> lines;
    std::string line;
    int running = 0;
    for (const Entry& e : L().entries) {
        int len = int(e.entry.size()) + 4;
        if (!line.empty() && running + len > line_length) {
            lines.push_back(line);
            line.clear();
            running = 0;
        }
        line += e.entry + "     ";
        running += len;
    }
    lines.push_back(line);
    oli_move_cm(stream, 0.1);
    for (std::string& l : lines) {
        l.resize(l.size() > 3 ? l.size() - 3 : 0);
        if (l.size() > 159) l.resize(159);
        oli_remark(stream, "%s", l.c_str());
    }
    oli_move_cm(stream, 0.4);
}

void oli_legend_tabbed(FILE* stream)
{
    if (!stream || L().entries.empty()) return;
    int widest = 0;
    for (const Entry& e : L().entries) {
        int n = MT_String_Length(e.key.c_str());
        if (n > widest) widest = n;
    }
    oli_move_cm(stream, 0.1);
    oli_columns_set_mode(3);
    oli_columns_open2(0, widest + 1);
    for (const Entry& e : L().entries) {
        oli_columns_cell(stream, "%s", e.key.c_str());
        oli_columns_cell(stream, "%s", e.text.c_str());
    }
    oli_columns_close(stream);
}

void oli_literature_clear() { L().literature.clear(); }

int oli_literature_ref(const char* text)
{
    std::string t = cut(text, MAX_TEXT);
    std::vector<std::string>& lit = L().literature;
    for (size_t i = 0; i < lit.size(); ++i)
        if (lit[i] == t) return int(i) + 1;
    if (int(lit.size()) >= MAX_LITERATURE) return 0;
    lit.push_back(t);
    return int(lit.size());
}

void oli_literature_list(FILE* stream)
{
    const std::vector<std::string>& lit = L().literature;
    if (!stream || lit.empty()) return;
    int n = int(lit.size());
    OLI_reserveSpaceCM(stream, float((n + 3) * 0.286));
    fprintf_if_open(stream, "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n");
    fprintf_if_open(stream, "0 0 -1 -1\n");
    fprintf_if_open(stream, "#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, -0.8f);
    OLI_setConvertionFlags(stream, 1);
    fprintf_if_open(stream, "#SHOWTABLE\n 0 0 %d\n", n);
    for (int i = 0; i < n; ++i) fprintf_if_open(stream, "  [%d] %s\n", i + 1, lit[size_t(i)].c_str());
    fprintf_if_open(stream, "0 0 -1 -1\n");
    fprintf_if_open(stream, "#END_OF_TEXT\n");
    OLI_setConvertionFlags(stream, 0);
}
