#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <cstdint>

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

namespace {

// The raster font has no small gamma (code page 437): it is drawn as two strokes and a tail.
void draw_gamma(int x1, int y1, int, int, void*)
{
    pxFgc(BLACK_CI);
    pxLine(x1, y1, x1 + 3, y1 + 6);
    pxLine(x1 + 6, y1, x1 + 3, y1 + 6);
    pxLine(x1 + 3, y1 + 6, x1 + 3, y1 + 9);
}

// Code page 437 letters standing for the other Greek symbols of the output list.
const char* stand_in(unsigned char letter)
{
    switch (letter) {
    case 0xE0: return "\340";   // alpha
    case 0xBB: return "\341";   // beta
    case 0xC6: return "\346";   // mu
    case 0xB0: return "\351";   // theta
    case 0xBE: return "\356";   // epsilon
    case 0xA3: return "\177";   // Delta
    case 0xC7: return "v";      // nu
    case 0xC1: return "n";      // eta
    case 0xC5: return "\\";     // lambda
    case 0xCB: return "p";      // rho
    case 0xBC: return "x";      // chi
    case 0xB8: return "\350";   // psi
    default: return "?";
    }
}

} // namespace

void nad_sheet_symbol(int area, int x, int y, unsigned char letter, const char* subscript)
{
    if (letter == 0xC0) sva_add_graphics(area, x, y - 6, x + 7, y + 3, nullptr, draw_gamma);
    else sva_add_text(area, x, y, stand_in(letter), kNadFontRow, BLACK_CI, 0);
    if (subscript && *subscript) sva_add_text(area, x + 8, y + 2, subscript, kNadFontNote, BLACK_CI, 0);
}
