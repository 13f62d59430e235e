#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

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
    sva_add_box(area, 10, 14 + dy, 350, 33 + dy, ec0_title_colour);
    sva_add_toggle(area, 35, 28 + dy, "                         ", 0, BLACK_CI, open, &ec0_toggles_enabled);
    sva_add_text(area, 35, 29 + dy, title, 69636, BLACK_CI, 0);
}

void buildings(int area, NadEc0Block* b)
{
    section_bar(area, 0, "Faktoren f\201r den Hochbau", &ec0_buildings_open);
    if (!ec0_buildings_open) return;
    sva_add_bitmap(area, "NAD\\NAD-Kbws.bmp", 0, 30, 519, 1530, WHITE_CI);
    for (int k = 0; k <= 4; ++k) pair(area, 124 + kRowPitch * k, b->gamma_buildings[0][k]);
    for (int k = 0; k <= 5; ++k) pair(area, 369 + kRowPitch * k, b->gamma_buildings[1][k]);
    for (int k = 0; k <= 4; ++k) pair(area, 613 + kRowPitch * k, b->gamma_buildings[2][k]);
    pair(area, 745, b->gamma_buildings[2][6]);
    for (int k = 0; k <= 4; ++k) pair(area, 861 + kRowPitch * k, b->gamma_buildings[3][k]);
    for (int r = 0; r < 12; ++r) {
        const int gap = r < 3 ? 0 : r < 6 ? 1 : 2;
        psi(area, 1113 + kRowPitch * (r + gap), b->psi_buildings[r], 4);
    }
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
            buildings(area, b);
            dy = ec0_buildings_open ? kBuildingsOpenHeight : kBuildingsClosedHeight;
        }
        if (nad_rule_is_relevant(0, 1)) bridges(area, dy, b);
    }
    sva_update(area);
}
