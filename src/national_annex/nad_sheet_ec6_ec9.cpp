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

// A row of one partial factor: its explanation wrapped to its column, gamma with the subscript,
// and the field; returns the row's bottom.
int factor_row(int area, int y, const char* text, const char* subscript, double* value, int field_x, int* editable)
{
    const int bottom = nad_sheet_wrapped_row(area, y, 18, "", "", text, kNadFontRow);
    nad_sheet_symbol(area, 67, y, 0xC0, subscript);
    nad_sheet_number(area, field_x, y, value, kFieldFormat, kNadFontRow, BLACK_CI, editable);
    return bottom;
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
            // The explanations are wrapped to their column; the rows below follow their height.
            int y = nad_sheet_wrapped_row(area, 80, 23, "2.4.3", "",
                                          "Materialsicherheitsbeiwerte im Grenzzustand der Tragf\204higkeit",
                                          kNadFontNote);
            nad_ec6_sheet_row(area, y, 24, "(1)", "", "", kNadFontRow);
            nad_sheet_symbol(area, 127, y, 0xC0, "M");
            sva_add_text(area, 206, y + 6, "Bemessungssituation:", kNadFontNote, BLACK_CI, 0);
            sva_add_line(area, 67, y + 7, 186, y + 7, c.rule);
            y += 24;
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
            const int end = nad_sheet_wrapped_row(area, y2, 23, "2.4.4", "",
                                                  "Materialsicherheitsbeiwert im Grenzzustand der Gebrauchstaugl.",
                                                  kNadFontNote);
            nad_sheet_number(area, 106, y2, &b->gamma_m_serviceability, kFieldFormat, kNadFontRow, BLACK_CI,
                             &ec6_editable);
            nad_ec6_sheet_row(area, end, 7, "", "", "", kNadFontRow);
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
        // Explanations are wrapped to their column; each row starts where the one above ends.
        nad_ec9_sheet_row(area, 60, 23, "6.1.3", "", "Teilsicherheitsbeiwerte", kNadFontRow);
        int y = 83;
        if (rows.ultimate) {
            y = nad_sheet_wrapped_row(area, y, 18, "(1)", "",
                                      "Teilsicherheitsbeiwerte f\201r Grenzzust\204nde der Tragf\204higkeit",
                                      kNadFontNote);
            y = factor_row(area, y, "Querschnittsversagen", "M1", &b->gamma_m1, 136, &ec9_editable);
            if (rows.tension)
                y = factor_row(area, y, "Bruchversagen infolge Zug", "M2", &b->gamma_m2, 136, &ec9_editable);
            nad_ec9_sheet_row(area, y, 18, "", "", "", kNadFontRow);
            y += 18;
        }
        y = nad_sheet_wrapped_row(area, y, 23, "6.2", "", "Beanspruchbarkeit der Querschnitte", kNadFontRow);
        const int c_row = y;
        y = nad_sheet_wrapped_row(area, y, 18, "(5)", "C", "Konstante C, Gleichnung 6.15", kNadFontNote);
        nad_sheet_number(area, 136, c_row, &b->c_constant, kFieldFormat, kNadFontRow, BLACK_CI, &ec9_editable);
        if (rows.ultimate && rows.connections) {
            y = nad_sheet_wrapped_row(area, y, 23, "8", "", "Bemessung von Anschl\201ssen", kNadFontRow);
            y = nad_sheet_wrapped_row(area, y, 23, "8.1.1", "", "Einf\201hrung", kNadFontRow);
            y = nad_sheet_wrapped_row(area, y, 18, "(2)", "", "Teilsicherheitsbeiwerte f\201r Anschl\201sse",
                                      kNadFontNote);
            struct Row { const char* text; const char* sub; double* value; };
            const Row r[6] = {{"Bolzenverbindungen", "Mp", &b->gamma_mp},
                              {"Schwei\341verbindungen", "Mw", &b->gamma_mw},
                              {"Gleitwiderstand im GZ d. Gebrauchst.", "Ms,ser", &b->gamma_ms_ser},
                              {"Gleitwiderstand im GZ d. Tragf.", "Ms,ult", &b->gamma_ms_ult},
                              {"Geklebte Verbindungen", "Ma", &b->gamma_ma},
                              {"Bolzen im GZ d. Gebrauchst.", "Mp,ser", &b->gamma_mp_ser}};
            for (int i = 0; i < 6; ++i)
                y = factor_row(area, y, r[i].text, r[i].sub, r[i].value, 136, &ec9_editable);
        }
    }
    sva_update(area);
}
