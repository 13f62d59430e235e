#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

int ec6_sheet_open = 1;

namespace {

int ec6_editable = 0, ec9_editable = 0;
int toggles_enabled = 1;
const char* const kFieldFormat = "%5.2f";

// A row of one partial factor: its explanation, gamma with the subscript, and the field.
void factor_row(int area, int y, int height, const char* text, const char* subscript, double* value, int field_x,
                int* editable)
{
    nad_sheet_table_row(area, y, height, "", "", text, kNadFontRow, -5);
    nad_sheet_symbol(area, 67, y, 0xC0, subscript);
    nad_sheet_number(area, field_x, y, value, kFieldFormat, kNadFontRow, BLACK_CI, editable);
}

} // namespace

int nad_ec6_sheet_row(int area, int y, int height, const char* t1, const char* t2, const char* t3, int font)
{
    return nad_sheet_table_row(area, y, height, t1, t2, t3, font, -5);
}

int nad_ec9_sheet_row(int area, int y, int height, const char* t1, const char* t2, const char* t3, int font)
{
    return nad_sheet_table_row(area, y, height, t1, t2, t3, font, -5);
}

void nad_ec6_sheet(int area, NadEc6Block* b, int editable)
{
    const NadEc6Rows rows = nad_ec6_rows();
    const NadSheetColours& c = nad_sheet_colours();
    ec6_editable = editable != 0;
    nad_sheet_clear(area);
    sva_add_box(area, 4, 7, 382, 26, c.title);
    sva_add_toggle(area, 26, 20, "EN 1996-1-1 (Eurocode 6)", kNadFontHead, BLACK_CI, &ec6_sheet_open, &toggles_enabled);
    if (ec6_sheet_open && b) {
        nad_ec6_sheet_row(area, 39, 11, "", "", "", kNadFontRow);
        nad_sheet_head_row(area, 50, 30, 56, -5);
        if (rows.ultimate) {
            nad_ec6_sheet_row(area, 80, 23, "2.4.3", "", "", kNadFontRow);
            sva_add_text(area, 206, 75, "Materialsicherheitsbeiwerte", kNadFontNote, BLACK_CI, 0);
            sva_add_text(area, 206, 86, "im Grenzzustand der Tragf\204higkeit", kNadFontNote, BLACK_CI, 0);
            nad_ec6_sheet_row(area, 103, 24, "(1)", "", "", kNadFontRow);
            nad_sheet_symbol(area, 127, 103, 0xC0, "M");
            sva_add_text(area, 206, 109, "Bemessungssituation:", kNadFontNote, BLACK_CI, 0);
            sva_add_line(area, 67, 110, 186, 110, c.rule);
            int y = 127;
            struct Row { const char* text; double* value; };
            const Row all[3] = {{"st\204ndig und vor\201bergehend", &b->gamma_m_persistent},
                                {"au\341ergew\224hnlich", &b->gamma_m_accidental},
                                {"Erdbeben", &b->gamma_m_seismic}};
            for (int i = 0; i < (rows.accidental ? 3 : 1); ++i) {
                nad_ec6_sheet_row(area, y, 18, "", "", all[i].text, kNadFontRow);
                nad_sheet_number(area, 106, y, all[i].value, kFieldFormat, kNadFontRow, BLACK_CI, &ec6_editable);
                y += 18;
            }
            nad_ec6_sheet_row(area, y, 7, "", "", "", kNadFontRow);
            const int y2 = y + 7;
            nad_ec6_sheet_row(area, y2, 23, "2.4.4", "", "", kNadFontRow);
            sva_add_text(area, 206, y2 - 5, "Materialsicherheitsbeiwert", kNadFontNote, BLACK_CI, 0);
            sva_add_text(area, 206, y2 + 6, "im Grenzzustand der Gebrauchstaugl.", kNadFontNote, BLACK_CI, 0);
            nad_sheet_number(area, 106, y2, &b->gamma_m_serviceability, kFieldFormat, kNadFontRow, BLACK_CI,
                                &ec6_editable);
            nad_ec6_sheet_row(area, y2 + 18, 7, "", "", "", kNadFontRow);
        }
    }
    sva_update(area);
}

void nad_ec9_sheet(int area, NadEc9Block* b, int editable)
{
    const NadEc9Rows rows = nad_ec9_rows();
    ec9_editable = editable != 0;
    nad_sheet_clear(area);
    if (b) {
        nad_ec9_sheet_row(area, 24, 6, "", "", "", kNadFontRow);
        nad_sheet_head_row(area, 30, 30, 36, -5);
        nad_ec9_sheet_row(area, 60, 23, "6.1.3", "", "Teilsicherheitsbeiwerte", kNadFontRow);
        int bottom = 83;
        if (rows.ultimate) {
            nad_ec9_sheet_row(area, 83, 18, "(1)", "", "", kNadFontRow);
            sva_add_text(area, 206, 78, "Teilsicherheitsbeiwerte f\201r", kNadFontNote, BLACK_CI, 0);
            sva_add_text(area, 206, 89, "Grenzzust\204nde der Tragf\204higkeit", kNadFontNote, BLACK_CI, 0);
            factor_row(area, 112, 18, "Querschnittsversagen", "M1", &b->gamma_m1, 136, &ec9_editable);
            bottom = 148;
            if (rows.tension) {
                factor_row(area, 130, 18, "Bruchversagen infolge Zug", "M2", &b->gamma_m2, 136, &ec9_editable);
                bottom = 166;
            }
        }
        nad_ec9_sheet_row(area, bottom, 23, "6.2", "", "Beanspruchbarkeit der Querschnitte", kNadFontRow);
        nad_ec9_sheet_row(area, bottom + 23, 18, "(5)", "C", "", kNadFontRow);
        sva_add_text(area, 206, bottom + 18, "Konstante C, Gleichnung 6.15", kNadFontNote, BLACK_CI, 0);
        nad_sheet_number(area, 136, bottom + 23, &b->c_constant, kFieldFormat, kNadFontRow, BLACK_CI, &ec9_editable);
        if (rows.ultimate && rows.connections) {
            nad_ec9_sheet_row(area, bottom + 41, 23, "8", "", "Bemessung von Anschl\201ssen", kNadFontRow);
            nad_ec9_sheet_row(area, bottom + 64, 23, "8.1.1", "", "Einf\201hrung", kNadFontRow);
            nad_ec9_sheet_row(area, bottom + 87, 18, "(2)", "", "", kNadFontRow);
            sva_add_text(area, 206, bottom + 82, "Teilsicherheitsbeiwerte f\201r", kNadFontNote, BLACK_CI, 0);
            sva_add_text(area, 206, bottom + 93, "Anschl\201sse", kNadFontNote, BLACK_CI, 0);
            struct Row { const char* text; const char* sub; double* value; };
            const Row r[6] = {{"Bolzenverbindungen", "Mp", &b->gamma_mp},
                              {"Schwei\341verbindungen", "Mw", &b->gamma_mw},
                              {"Gleitwiderstand im GZ d. Gebrauchst.", "Ms,ser", &b->gamma_ms_ser},
                              {"Gleitwiderstand im GZ d. Tragf.", "Ms,ult", &b->gamma_ms_ult},
                              {"Geklebte Verbindungen", "Ma", &b->gamma_ma},
                              {"Bolzen im GZ d. Gebrauchst.", "Mp,ser", &b->gamma_mp_ser}};
            for (int i = 0; i < 6; ++i)
                factor_row(area, bottom + 116 + 18 * i, 18, r[i].text, r[i].sub, r[i].value, 136, &ec9_editable);
        }
    }
    sva_update(area);
}
