#include "output/oli_hints.h"
#include "platform/os/c_numeric.h"
#include "output/grf_shapes.h"
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "output/oli_table.h"
#include "output/oli_text_block.h"
#include "output/oli_writer.h"
#include "helpers/print_helpers.h"
#include "helpers/rounding.h"
#include "platform/layout/oli_layout.h"

#include <cstdarg>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int LISTS = 9;
constexpr int MAX_LINES = 100;
constexpr size_t MAX_LINE = 299;

struct HintList {
    bool enabled = false;
    int kind = 1;
    std::vector<std::string> lines;
    std::vector<bool> blank;
    int text_lines = 0;
    int blank_lines = 0;
    double widest = 0;
};

struct Hints {
    std::unique_ptr<HintList[]> lists;
    double pos[3] = {0, 0, 0};
};

Hints& H()
{
    static Hints h;
    return h;
}

HintList* list(int i, bool create)
{
    if (i < 0 || i >= LISTS) return nullptr;
    if (!H().lists) {
        if (!create) return nullptr;
        H().lists.reset(new HintList[LISTS]);
    }
    return &H().lists[size_t(i)];
}

bool blank_format(const char* f)
{
    for (int k = 0; k < 99 && f[k]; ++k)
        if (f[k] != ' ') return false;
    return true;
}

void open(int i, int kind)
{
    HintList* l = list(i, true);
    if (!l) return;
    l->enabled = true;
    if (kind) l->kind = kind;
    l->lines.clear();
    l->blank.clear();
    l->text_lines = l->blank_lines = 0;
    l->widest = 0;
}

void framed(FILE* stream, int i, double width, double pitch, bool small)
{
    HintList* l = list(i, false);
    if (!stream || !l) return;
    double t = l->text_lines, e = l->blank_lines, h;
    switch (l->kind) {
    case 2: h = (t / 2 + 0.8) * pitch + e * 0.19; break;
    case 3: h = (t / 3 + 0.8) * pitch + e * 0.19; break;
    case 1: h = (t + 0.8) * pitch + e * 0.38; break;
    default: h = (t + 0.8) * pitch + e * 0.19; break;
    }
    if (width < 0) width = l->widest * 0.18;
    OLI_reserveSpaceCM(stream, float(h + 0.5));
    int slot = oli_store_position(stream);
    grf_begin_block(stream, 0, 0, width, h, 1, 0, nullptr);
    grf_rectangle(0, 0, width, h);
    c_fprintf(stream, " -1\n");
    if (slot >= 0) oli_restore_position(stream, slot);
    OLI_setYPositionCM(stream, 1, 0.19f);
    double left = oli_get_left_margin(), right = oli_get_right_margin();
    OLI_setMarginsCM(stream, 1, float(left + 0.3), float(right));
    oli_hint_list_write(i, small ? 4 : 0, stream);
    OLI_setMarginsCM(stream, 1, float(left), float(right));
}

} // namespace

void oli_hint_lists_reset() { H() = Hints(); }

void oli_hint_list_open(int i) { open(i, 0); }

void oli_hint_list_open2(int i, double a, double b)
{
    if (i < 0 || i >= LISTS) return;
    open(i, 2);
    H().pos[0] = a;
    H().pos[1] = b;
}

void oli_hint_list_open3(int i, double a, double b, double c)
{
    if (i < 0 || i >= LISTS) return;
    open(i, 3);
    H().pos[0] = a;
    H().pos[1] = b;
    H().pos[2] = c;
}

int oli_hint_list_is_open(int i)
{
    HintList* l = list(i, false);
    return l && l->enabled ? 1 : 0;
}

void oli_hint_add(int i, const char* format, ...)
{
    HintList* l = list(i, false);
    if (!l || !l->enabled || int(l->lines.size()) >= MAX_LINES || !format) return;
    std::string f(format);
    if (f.size() > 511) f.resize(511);
    char buf[2048];
    va_list ap;
    va_start(ap, format);
    int n = c_vsnprintf(buf, sizeof buf, f.c_str(), ap);
    va_end(ap);
    std::string line = n < 0 ? std::string() : std::string(buf);
    if (line.size() > MAX_LINE) line.resize(MAX_LINE);   // a slot holds 299 characters
    bool is_blank = blank_format(f.c_str());
    l->lines.push_back(line);
    l->blank.push_back(is_blank);
    if (is_blank) {
        ++l->blank_lines;
        return;
    }
    ++l->text_lines;
    double w = oli_visible_length(line.c_str());
    if (l->kind == 2) {
        if (l->text_lines % 2 == 0) w += H().pos[1];
        else return;
    } else if (l->kind == 3) {
        if (l->text_lines % 3 == 0) w += H().pos[2];
        else return;
    }
    if (w > l->widest) l->widest = w;
}

const char* oli_hint_line(int i, int n)
{
    HintList* l = list(i, false);
    if (!l || !l->enabled || n < 0 || n >= int(l->lines.size())) return "?????";
    return l->lines[size_t(n)].c_str();
}

int oli_hint_count(int i)
{
    HintList* l = list(i, false);
    return l ? l->text_lines + l->blank_lines : 0;
}

void oli_hint_list_write(int i, int style, FILE* stream)
{
    HintList* l = list(i, false);
    if (!l) return;
    if (!stream) {
        l->enabled = false;
        return;
    }
    if (l->kind == 2 || l->kind == 3) {
        oli_columns_open(l->kind, H().pos);
        for (size_t k = 0; k < l->lines.size(); ++k) {
            if (l->blank[k]) oli_text_add_space(0.19);
            else oli_columns_cell(stream, "%s", l->lines[k].c_str());
        }
        oli_columns_close(stream);
        l->kind = 1;
        l->enabled = false;
        return;
    }
    if (style != 4) fprintf_if_open(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    for (size_t k = 0; k < l->lines.size(); ++k) {
        const std::string& line = l->lines[k];
        if (l->blank[k]) {
            if (style == 4) oli_remark(stream, " ");
            else fprintf_if_open(stream, " \n");
            continue;
        }
        bool cont = !line.empty() && line[0] == '+';
        std::string t = cont ? line.substr(1) : line;
        switch (style) {
        case 1:
            if (cont) fprintf_if_open(stream, "   %s\n", t.c_str());
            else fprintf_if_open(stream, " \xCE/o\xCEr %s\n", t.c_str());
            break;
        case 2:
            if (cont) fprintf_if_open(stream, "    %s\n", t.c_str());
            else fprintf_if_open(stream, " %2d %s\n", int(k), t.c_str());
            break;
        case 3:
            if (cont) fprintf_if_open(stream, "     %s !\n", t.c_str());
            else fprintf_if_open(stream, " >>> %s !\n", t.c_str());
            break;
        case 4:
            if (!cont) oli_remark(stream, "%s", t.c_str());
            break;
        default:
            fprintf_if_open(stream, " %s\n", t.c_str());
            break;
        }
    }
    if (style != 4) fprintf_if_open(stream, "#END_OF_TEXT\n");
    l->enabled = false;
}

void oli_hint_list_print(FILE* stream, int i, double width) { framed(stream, i, width, 0.38, false); }
void oli_hint_list_print_small(FILE* stream, int i, double width) { framed(stream, i, width, 0.286, true); }
