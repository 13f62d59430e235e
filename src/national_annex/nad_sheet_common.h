// Pieces the national-annex parameter sheets share: the colours, the table rows of clause,
// parameter and explanation, and the Greek letters of the parameter column.
#pragma once
#include <string>
#include <vector>

struct SvaItem;

// Font codes of the sheets: bold heads, table rows, explanations.
constexpr int kNadFontHead = 0x11000, kNadFontRow = 4096, kNadFontNote = 4098;

struct NadSheetColours {
    int shading;   // table cells (234, 255, 251)
    int title;     // heading bars (205, 254, 244)
    int rule;      // separator lines (130, 130, 130)
};
// Taken on first use.
const NadSheetColours& nad_sheet_colours();

// One table row: with a non-zero height the clause and explanation cells are shaded from
// y + shade_from to y + height (a height of 1 counts as 2); then each non-empty text at x 10,
// 67 and 206. Returns y + height.
int nad_sheet_table_row(int area, int y, int height, const char* clause, const char* parameter,
                        const char* explanation, int font, int shade_from);
// The head row "Kapitel", "Parameter", "Erläuterung" with its line below at y_line.
void nad_sheet_head_row(int area, int y, int height, int y_line, int shade_from);
// A Greek letter of the output list's symbol bytes (0xC0 gamma, 0xE0 alpha, ...) at (x, y) on
// its baseline, with an optional subscript after it.
void nad_sheet_symbol(int area, int x, int y, unsigned char letter, const char* subscript);
// The x just right of such a symbol with its subscript.
int nad_sheet_symbol_end(int x, unsigned char letter, const char* subscript);

// A number field of a parameter sheet, in place of the toolkit's number field: it shows the
// member with `format` and is edited as text. What is typed is taken only when it is a plain
// decimal number (a comma counts as the point) inside the member's plausible range of the one
// table of the set loader (nad_plausible.h); otherwise it is refused with a message naming the
// field, the typed value and the range, and the member keeps its value. The return value is
// that of the toolkit's field.
int nad_sheet_number(int area, int x, int y, double* member, const char* format, int font, int colour, int* active);
// Takes what was typed into the number fields of `area` since the last call; 1 when a member
// changed. The sheet's input loop calls it after every edit.
int nad_sheet_take_numbers(int area);
// Clears the area and forgets its number fields (every sheet builder starts with it).
void nad_sheet_clear(int area);
// The member a number field shows, null for any other item.
double* nad_sheet_number_member(const SvaItem* item);

// Width in pixels of a text in a sheet font, as the sheet draws it.
int nad_sheet_text_width(const char* text, int font);
// Distance of two lines of a sheet font: its ascent and descent at the current metrics.
int nad_sheet_line_pitch(int font);
// Distance of two lines of the sheets' tables: a line of the larger of the row and note fonts,
// 12 pixels at least.
int nad_sheet_pitch();
// Width of the explanation column (x 206 to 380).
constexpr int kNadExplanationWidth = 174;
// The text wrapped to `width` in `font`, its lines drawn from baseline y one pitch apart; returns
// the number of lines (1 for an empty text).
int nad_sheet_lines(int area, int x, int y, const char* text, int font, int width);
// A table row whose explanation is wrapped to its column in `note_font`: the row is as high as
// its lines and 6 pixels more, `min_height` at least; returns y + that height.
int nad_sheet_wrapped_row(int area, int y, int min_height, const char* clause, const char* parameter,
                          const char* explanation, int note_font);
// The text cut at blanks into lines no wider than `width` in `font` (a word wider than that
// stands on a line of its own).
std::vector<std::string> nad_sheet_wrap(const char* text, int font, int width);
