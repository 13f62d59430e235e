#include "national_annex/nad_ec0_names.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <string>

int ec0_buildings_open = 1, ec0_bridges_open = 1;

namespace {

int ec0_sheet_editable = 0, ec0_toggles_enabled = 1;
int ec0_title_colour = 0;   // taken anew on every build
constexpr int kRowPitch = 22;
// Where the bridges section starts below a buildings section shown open, closed, or not at all.
constexpr int kBuildingsOpenHeight = 1541, kBuildingsClosedHeight = 30;

void pair(int area, int y, double* v)
{
    nad_sheet_number(area, 262, y, &v[0], "%5.2f", 0, BLACK_CI, &ec0_sheet_editable);
    nad_sheet_number(area, 321, y, &v[1], "%5.2f", 0, BLACK_CI, &ec0_sheet_editable);
}

void psi(int area, int y, double* v, int count)
{
    static const int kX[4] = {231, 281, 331, 381};
    for (int i = 0; i < count; ++i) nad_sheet_number(area, kX[i], y, &v[i], "%4.2f", 0, BLACK_CI, &ec0_sheet_editable);
}

void section_bar(int area, int dy, const char* title, int* open)
{
    // The title is the toggle's own label, so a click on it toggles and nothing is drawn twice.
    sva_add_box(area, 10, 14 + dy, 350, 33 + dy, ec0_title_colour);
    sva_add_toggle(area, 35, 29 + dy, title, 69636, BLACK_CI, open, &ec0_toggles_enabled);
}

// The combination factors of buildings: the picture's table has its psi2,E column past the
// pane's right edge, so it is covered and drawn anew with the four columns inside the pane and
// each row's name wrapped to the room left of them. Returns the bottom of the table.
int building_psi_table(int area, NadEc0Block* b)
{
    sva_add_box(area, 0, 1078, 519, 1530, sva_get_background(area));
    const int field_width = nad_sheet_text_width("0.00", 0) + 14;
    const int step = field_width + 2;
    const int first_x = 387 - 3 - 4 * step + 7;
    const int name_width = first_x - 7 - 6 - 10;
    static const char* const kSubscripts[4] = {"0", "1", "2", "2,E"};
    for (int i = 0; i < 4; ++i) nad_sheet_symbol(area, first_x + step * i, 1091, 0xB8, kSubscripts[i]);
    int y = 1113;
    for (int r = 0; r < 12; ++r) {
        if (r == 3 || r == 6) y += kRowPitch;
        std::string name = kEc0BuildingPsiRows[r][0];
        std::string category = kEc0BuildingPsiRows[r][1] ? kEc0BuildingPsiRows[r][1] : "";
        category.erase(0, category.find_first_not_of(' '));
        category.erase(category.find_last_not_of(' ') + 1);
        if (!category.empty()) name += "  " + category;
        const int lines = nad_sheet_lines(area, 10, y, name.c_str(), kNadFontRow, name_width);
        for (int i = 0; i < 4; ++i)
            nad_sheet_number(area, first_x + step * i, y, &b->psi_buildings[r][i], "%4.2f", 0, BLACK_CI,
                             &ec0_sheet_editable);
        y += std::max(kRowPitch, nad_sheet_pitch() * lines + 10);
    }
    return y;
}

// Returns the height of the section.
int buildings(int area, NadEc0Block* b)
{
    section_bar(area, 0, "Faktoren f\201r den Hochbau", &ec0_buildings_open);
    if (!ec0_buildings_open) return kBuildingsClosedHeight;
    sva_add_bitmap(area, "NAD\\NAD-Kbws.bmp", 0, 30, 519, 1530, WHITE_CI);
    for (int k = 0; k <= 4; ++k) pair(area, 124 + kRowPitch * k, b->gamma_buildings[0][k]);
    for (int k = 0; k <= 5; ++k) pair(area, 369 + kRowPitch * k, b->gamma_buildings[1][k]);
    for (int k = 0; k <= 4; ++k) pair(area, 613 + kRowPitch * k, b->gamma_buildings[2][k]);
    pair(area, 745, b->gamma_buildings[2][6]);
    for (int k = 0; k <= 4; ++k) pair(area, 861 + kRowPitch * k, b->gamma_buildings[3][k]);
    // The bridges start 11 below the picture, or below the table where it has grown past it.
    return std::max(kBuildingsOpenHeight, building_psi_table(area, b) - 22 + 11);
}

// Bridge action kinds shown in each situation (kind 11 is stored but never shown).
void situation(int area, int dy, int top, double (*gamma)[2], int extra_kind, int extra_y, int extra2_kind = -1,
               int extra2_y = 0)
{
    for (int k = 0; k <= 10; ++k) pair(area, dy + top + kRowPitch * k, gamma[k]);
    pair(area, dy + extra_y, gamma[extra_kind]);
    if (extra2_kind >= 0) pair(area, dy + extra2_y, gamma[extra2_kind]);
}

void bridges(int area, int dy, NadEc0Block* b)
{
    section_bar(area, dy, "Faktoren f\201r den Br\201ckenbau", &ec0_bridges_open);
    if (!ec0_bridges_open) return;
    struct Pic { const char* file; int top, bottom; };
    static const Pic kPics[7] = {{"NAD\\NAD_bridge_str_b.bmp", 29, 404},     {"NAD\\NAD_bridge_ausser.bmp", 415, 815},
                                 {"NAD\\NAD_bridge_erdbeben.bmp", 823, 1223}, {"NAD\\NAD_bridge_gebrauch.bmp", 1231, 1606},
                                 {"NAD\\NAD_bridge_str_psi.bmp", 1617, 2017}, {"NAD\\NAD_bridge_fuss_psi.bmp", 2005, 2246},
                                 {"NAD\\NAD_bridge_bahn_psi.bmp", 2239, 3103}};
    for (const Pic& p : kPics) sva_add_bitmap(area, p.file, 0, dy + p.top, 381, dy + p.bottom, WHITE_CI);
    situation(area, dy, 123, b->gamma_bridges[0], 12, 387);
    situation(area, dy, 509, b->gamma_bridges[1], 12, 773, 13, 795);
    situation(area, dy, 917, b->gamma_bridges[2], 12, 1181, 14, 1203);
    situation(area, dy, 1325, b->gamma_bridges[3], 12, 1589);
    for (int r = 0; r < 14; ++r) psi(area, dy + 1692 + kRowPitch * r, b->psi_road_bridges[r], 3);
    for (int r = 0; r < 7; ++r) psi(area, dy + 2080 + kRowPitch * r, b->psi_foot_bridges[r], 3);
    for (int r = 0; r < 31; ++r) {
        const int y = dy + (r <= 8 ? 2314 + kRowPitch * r : 2530 + kRowPitch * (r - 9));
        double* v = b->psi_rail_bridges[r];
        if (r == 0 || r == 1 || r == 8) {   // psi1 of these rows is the factor a
            nad_sheet_number(area, 231, y, &v[0], "%4.2f", 0, BLACK_CI, &ec0_sheet_editable);
            nad_sheet_number(area, 331, y, &v[2], "%4.2f", 0, BLACK_CI, &ec0_sheet_editable);
        } else {
            psi(area, y, v, 3);
        }
    }
    for (int i = 0; i < 3; ++i)
        nad_sheet_number(area, 281, dy + 3044 + kRowPitch * i, &b->rail_factor_a[i], "%4.2f", 0, BLACK_CI,
                            &ec0_sheet_editable);
}

} // namespace

void nad_ec0_sheet(int area, NadEc0Block* b, int editable)
{
    ec0_sheet_editable = editable != 0;
    nad_sheet_clear(area);
    ec0_title_colour = Nearest_RGB_Color(83, 217, 190);
    if (b) {
        int dy = 0;
        if (nad_rule_is_relevant(0, 0)) {
            dy = buildings(area, b);
        }
        if (nad_rule_is_relevant(0, 1)) bridges(area, dy, b);
    }
    sva_update(area);
}
