#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include "national_annex/nad_plausible.h"
#include "platform/env/vyk_message.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/fonts.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

const NadSheetColours& nad_sheet_colours()
{
    static const NadSheetColours c{Nearest_RGB_Color(234, 255, 251), Nearest_RGB_Color(205, 254, 244),
                                   Nearest_RGB_Color(130, 130, 130)};
    return c;
}

int nad_sheet_table_row(int area, int y, int height, const char* clause, const char* parameter,
                        const char* explanation, int font, int shade_from)
{
    if (height) {
        const int h = height == 1 ? 2 : height;
        sva_add_box(area, 4, y + shade_from, 56, y + h, nad_sheet_colours().shading);
        sva_add_box(area, 200, y + shade_from, 382, y + h, nad_sheet_colours().shading);
    }
    if (clause && *clause) sva_add_text(area, 10, y, clause, font, BLACK_CI, 0);
    if (parameter && *parameter) sva_add_text(area, 67, y, parameter, font, BLACK_CI, 0);
    if (explanation && *explanation) sva_add_text(area, 206, y, explanation, font, BLACK_CI, 0);
    return y + height;
}

void nad_sheet_head_row(int area, int y, int height, int y_line, int shade_from)
{
    nad_sheet_table_row(area, y, height, "Kapitel", "Parameter", "Erl\204uterung", kNadFontHead, shade_from);
    sva_add_line(area, 4, y_line, 382, y_line, BLACK_CI);
}

int nad_sheet_symbol_end(int x, unsigned char letter, const char* subscript)
{
    const char glyph[2] = {char(letter), 0};
    const int sub_x = x + nad_sheet_text_width(glyph, kNadFontRow) + 1;
    return subscript && *subscript ? sub_x + nad_sheet_text_width(subscript, kNadFontNote) : sub_x;
}

void nad_sheet_symbol(int area, int x, int y, unsigned char letter, const char* subscript)
{
    // The letter is the list's symbol byte itself: the screen draws it through the glyph table
    // the list viewer uses.
    const char glyph[2] = {char(letter), 0};
    sva_add_text(area, x, y, glyph, kNadFontRow, BLACK_CI, 0);
    const int sub_x = x + nad_sheet_text_width(glyph, kNadFontRow) + 1;
    if (subscript && *subscript) sva_add_text(area, sub_x, y + 2, subscript, kNadFontNote, BLACK_CI, 0);
}

namespace {

// Longest text a number field takes.
constexpr int kTypedMax = 24;

struct NumberField {
    int area;
    double* member;
    std::string format;
    std::string last_shown;   // what the field showed, to tell a typed text from it
    char buffer[kTypedMax + 1];
};
std::vector<std::unique_ptr<NumberField>> number_fields;

std::string shown(const NumberField& f)
{
    char t[64];
    c_snprintf(t, sizeof t, f.format.c_str(), *f.member);
    std::string s(t);
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

void show(NumberField& f)
{
    f.last_shown = shown(f);
    std::snprintf(f.buffer, sizeof f.buffer, "%s", f.last_shown.c_str());
}

// The range of a member of the current set's blocks, with its place in a table of several.
const NadPlausibleRange* range_of(const double* member, int* element)
{
    const NadSet& s = nad_current_set;
    const struct { NadBlockKind kind; const void* block; } blocks[] = {
        {NAD_BLOCK_EC5, &s.ec5}, {NAD_BLOCK_EC3_1, &s.ec3.ec3_1}, {NAD_BLOCK_EC9, &s.ec9}};
    for (const auto& b : blocks)
        if (const NadPlausibleRange* r = nad_plausible_range_of(b.kind, b.block, member)) {
            *element = int(member - reinterpret_cast<const double*>(static_cast<const char*>(b.block) + r->offset));
            return r;
        }
    return nullptr;
}

std::string allowed(const NadPlausibleRange* r)
{
    if (!r) return "eine Dezimalzahl wie 1,25";
    return "Werte von " + nad_format_bound(r->min) + " bis " + nad_format_bound(r->max);
}

void refuse(const std::string& line)
{
    Init_Message();
    Set_Message_Title("Eingabe nicht \201bernommen");
    Set_Message_Symbol(2, 0, 0, 0);
    Fill_Message(line.c_str());
    Draw_Message();
}

// Takes one field's text; 1 when the member changed.
int take(NumberField& f)
{
    std::string typed(f.buffer);
    typed.erase(0, typed.find_first_not_of(' '));
    typed.erase(typed.find_last_not_of(' ') + 1);
    if (typed == f.last_shown) return 0;
    int element = 0;
    const NadPlausibleRange* r = range_of(f.member, &element);
    const std::string name = r ? std::string(r->field) : std::string("Der Wert");
    double v = 0;
    if (typed.empty()) {
        refuse(name + ": kein Wert eingegeben; erlaubt sind " + allowed(r) + ".");
    } else if (!nad_parse_decimal(typed.c_str(), &v, true)) {
        refuse(name + ": \"" + typed + "\" ist keine Dezimalzahl; erlaubt sind " + allowed(r) + ".");
    } else if (r && !(v >= r->min && v <= r->max)) {
        refuse(nad_range_message(*r, element, v));
    } else {
        const bool changed = *f.member != v;
        *f.member = v;
        show(f);
        return changed ? 1 : 0;
    }
    show(f);
    return 0;
}

} // namespace

int nad_sheet_number(int area, int x, int y, double* member, const char* format, int font, int colour, int* active)
{
    Scrollable_View_Area* s = sva_slot(area);
    if (!s || !member) return y + 9;
    auto f = std::make_unique<NumberField>();
    f->area = area;
    f->member = member;
    f->format = format ? format : "%g";
    show(*f);
    // The field is as wide as the formatted value; typing may go on to kTypedMax characters.
    char blank[64];
    const int width = std::max(1, c_snprintf(blank, sizeof blank, f->format.c_str(), *member));
    sva_add_text_field(area, x, y, f->buffer, font, colour, active);
    SvaItem* last = s->first_item;
    while (last && last->next) last = last->next;
    if (last && last->text == f->buffer) {
        last->number = kTypedMax;
        last->y2 = std::min(width, kTypedMax);
    }
    number_fields.push_back(std::move(f));
    return y + 9;
}

int nad_sheet_take_numbers(int area)
{
    // Only fields whose text was typed over are taken; then every field shows its member again,
    // so that two fields of one member (the same factor in two sections) agree.
    int changed = 0;
    for (auto& f : number_fields)
        if (f->area == area) changed |= take(*f);
    for (auto& f : number_fields)
        if (f->area == area) show(*f);
    return changed;
}

void nad_sheet_clear(int area)
{
    sva_clear(area);
    for (size_t i = number_fields.size(); i-- > 0;)
        if (number_fields[i]->area == area) number_fields.erase(number_fields.begin() + long(i));
}

double* nad_sheet_number_member(const SvaItem* item)
{
    if (!item || item->type != SVA_TEXT_FIELD) return nullptr;
    for (const auto& f : number_fields)
        if (item->text == f->buffer) return f->member;
    return nullptr;
}

int nad_sheet_text_width(const char* text, int font)
{
    if (!text) return 0;
    // The style bits do not change the letters; bold draws one pixel wider.
    Pop_RFont(font & 0xFFFF);
    const int w = font_text_pixels(text, int(std::strlen(text)));
    Push_RFont();
    return w + ((font & 0x10000) ? 1 : 0);
}

int nad_sheet_line_pitch(int font)
{
    Pop_RFont(font & 0xFFFF);
    const int pitch = font_ascent() + font_descent();
    Push_RFont();
    return pitch;
}

std::vector<std::string> nad_sheet_wrap(const char* text, int font, int width)
{
    std::vector<std::string> lines;
    if (!text) return lines;
    std::string line;
    const char* p = text;
    while (*p) {
        while (*p == ' ') ++p;
        const char* e = p;
        while (*e && *e != ' ') ++e;
        if (e == p) break;
        std::string word(p, size_t(e - p));
        // A word wider than the column breaks after a hyphen where one lets it fit.
        while (nad_sheet_text_width(word.c_str(), font) > width) {
            size_t cut = word.rfind('-', word.size() - 2);
            while (cut != std::string::npos && cut > 0 &&
                   nad_sheet_text_width(word.substr(0, cut + 1).c_str(), font) > width)
                cut = word.rfind('-', cut - 1);
            if (cut == std::string::npos || cut == 0) break;
            if (!line.empty()) lines.push_back(line);
            lines.push_back(word.substr(0, cut + 1));
            line.clear();
            word = word.substr(cut + 1);
        }
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && nad_sheet_text_width(longer.c_str(), font) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        p = e;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int nad_sheet_pitch()
{
    return std::max({12, nad_sheet_line_pitch(kNadFontRow), nad_sheet_line_pitch(kNadFontNote)});
}

int nad_sheet_lines(int area, int x, int y, const char* text, int font, int width)
{
    const std::vector<std::string> lines = nad_sheet_wrap(text, font, width);
    for (size_t i = 0; i < lines.size(); ++i)
        sva_add_text(area, x, y + nad_sheet_pitch() * int(i), lines[i].c_str(), font, BLACK_CI, 0);
    return std::max(1, int(lines.size()));
}

int nad_sheet_wrapped_row(int area, int y, int min_height, const char* clause, const char* parameter,
                          const char* explanation, int note_font)
{
    const int lines = int(nad_sheet_wrap(explanation, note_font, kNadExplanationWidth).size());
    const int height = std::max(min_height, nad_sheet_pitch() * std::max(1, lines) + 6);
    nad_sheet_table_row(area, y, height, clause, parameter, "", kNadFontRow, -5);
    if (explanation && *explanation) nad_sheet_lines(area, 206, y, explanation, note_font, kNadExplanationWidth);
    return y + height;
}
