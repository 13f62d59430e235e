#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <string>
#include <vector>

int ec3_1_open = 1, ec3_fire_open = 1, ec3_8_open[4] = {1, 1, 1, 1};

namespace {

int ec3_editable = 0, toggles_enabled = 1;
int f_field_editable = 0, kc_choice_editable = 0, kc_field_editable = 0;
const char* const kFormat = "%5.2f";

int heading(int area, int y, const char* title, int* open)
{
    sva_add_box(area, 4, y, 382, y + 19, nad_sheet_colours().title);
    sva_add_toggle(area, 26, y + 13, title, kNadFontHead, BLACK_CI, open, &toggles_enabled);
    return y + 26;
}

int table_head(int area, int y)
{
    nad_sheet_head_row(area, y + 14, 24, y + 20, -10);
    return y + 38;
}

// The explanation's lines: its two halves as one text (a word broken at a hyphen made whole
// again) wrapped to the column at the sheet's font.
std::vector<std::string> explanation_lines(const char* line1, const char* line2)
{
    std::string text = line1 ? line1 : "";
    if (line2 && *line2) {
        if (!text.empty() && text.back() == '-' && text.size() > 1 && text[text.size() - 2] != ' ') text.pop_back();
        else text += ' ';
        text += line2;
    }
    return nad_sheet_wrap(text.c_str(), kNadFontRow, kNadExplanationWidth);
}

// A row whose explanation lines stand a pitch apart; it is `min_height` high, or its lines and 6
// pixels more where they need it. Returns its bottom.
int explained_row(int area, int y, int min_height, const char* clause, const char* parameter, const char* line1,
                  const char* line2)
{
    const std::vector<std::string> lines = explanation_lines(line1, line2);
    const int height = std::max(min_height, nad_sheet_pitch() * int(lines.size()) + 6);
    nad_ec3_1_sheet_row(area, y, height, clause, parameter, "", kNadFontRow);
    for (size_t i = 0; i < lines.size(); ++i)
        sva_add_text(area, 206, y + nad_sheet_pitch() * int(i), lines[i].c_str(), kNadFontRow, BLACK_CI, 0);
    return y + height;
}

// A partial-factor row: gamma, its subscript, the field and the meaning.
int factor(int area, int y, const char* subscript, double* value, const char* meaning, const char* clause = "")
{
    nad_sheet_symbol(area, 67, y, 0xC0, subscript);
    nad_sheet_number(area, 136, y, value, kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
    return explained_row(area, y, 18, clause, "", meaning, nullptr);
}

int two_lines(int area, int y, const char* clause, const char* parameter, const char* line1, const char* line2)
{
    return explained_row(area, y, 24, clause, parameter, line1, line2);
}

int partial_factors(int area, int y, NadEc31Block* b)
{
    const int* s = ec3_section;
    y = s[2] ? two_lines(area, y, "(1)", "", "Teilsicherheitsbeiwerte f\201r", "Baustahl")
             : two_lines(area, y, "(1)", "", "st\204ndige und vor\201ber-", "gehende Situation");
    y = factor(area, y, "M0", &b->gamma_m0, "Querschnittsversagen");
    y = factor(area, y, "M1", &b->gamma_m1, "Stabilit\204tsversagen");
    if (s[1]) {
        y = factor(area, y, "M2", &b->gamma_m2, "Bruchversagen infolge Zug");
        if (s[2]) y = two_lines(area, y, "", "", "Beanspruchbarkeit von Schraube,", "Schwei\341naht, Blech auf Lochleibung");
    }
    if (s[4]) {
        y = two_lines(area, y, "", "", "au\341ergew\224hnliche", "Situation");
        y = factor(area, y, "M0", &b->gamma_m0_accidental, "Querschnittsversagen");
        y = factor(area, y, "M1", &b->gamma_m1_accidental, "Stabilit\204tsversagen");
        if (s[1]) y = factor(area, y, "M2", &b->gamma_m2_accidental, "Bruchversagen infolge Zug");
    }
    return y;
}

int buckling(int area, int y, NadEc31Block* b)
{
    // f is given, or k_c comes from the table, or k_c is given: one field is live at a time.
    f_field_editable = ec3_editable && b->f_given;
    kc_choice_editable = ec3_editable && !b->f_given;
    kc_field_editable = ec3_editable && !b->f_given && !b->kc_from_table;
    y = two_lines(area, y, "6.3.2.2", "", "Biegedrillknicken", nullptr);
    // "von chi_LT ansetzen": the letter and its subscript stand between two texts of the label.
    const int toggle_y = y;
    y = two_lines(area, y, "(2)", "", "Faktor f zur Modifizierung", "Allgemeiner Fall");
    sva_add_toggle(area, 67, toggle_y, "von", kNadFontNote, BLACK_CI, &b->ltb_f_general, &ec3_editable);
    const int chi_x = 67 + nad_sheet_text_width("von ", kNadFontNote) + 1;
    nad_sheet_symbol(area, chi_x, toggle_y, 0xBC, "LT");
    sva_add_text(area, nad_sheet_symbol_end(chi_x, 0xBC, "LT") + nad_sheet_text_width(" ", kNadFontNote) + 1,
                 toggle_y, "ansetzen", kNadFontNote, BLACK_CI, 0);
    y = two_lines(area, y, "6.3.2.3", "", "Biegedrillknicken gewalzter oder", "gleichartig geschwei\341ter Querschnitte");
    nad_ec3_1_sheet_row(area, y, 18, "(1)", "", "Schlankheitsgrad Gl. (6.57)", kNadFontRow);
    nad_sheet_symbol(area, 67, y, 0xC4, "LT,0");
    nad_sheet_number(area, 136, y, &b->lambda_lt0, kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
    y += 18;
    nad_ec3_1_sheet_row(area, y, 18, "", "", "Korrekturfaktor Gl. (6.57)", kNadFontRow);
    nad_sheet_symbol(area, 67, y, 0xBB, nullptr);
    nad_sheet_number(area, 136, y, &b->beta_lt, kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
    y += 18;
    nad_ec3_1_sheet_row(area, y, 18, "(2)", "", "Abminderungsfaktor", kNadFontRow);
    nad_sheet_symbol(area, 206 + nad_sheet_text_width("Abminderungsfaktor ", kNadFontRow), y, 0xBC, "LT");
    sva_add_toggle(area, 67, y, "Faktor f vorgeben", kNadFontNote, BLACK_CI, &b->f_given, &ec3_editable);
    y += 18;
    nad_ec3_1_sheet_row(area, y, 18, "", "f", "", kNadFontRow);
    nad_sheet_number(area, 136, y, &b->f_value, "%5.3f", kNadFontRow, BLACK_CI, &f_field_editable);
    y += 18;
    nad_ec3_1_sheet_row(area, y, 18, "(2)", "", "Korrekturbeiwert k", kNadFontRow);
    sva_add_text(area, 206 + nad_sheet_text_width("Korrekturbeiwert k", kNadFontRow) + 1, y + 2, "c", kNadFontNote, BLACK_CI, 0);
    sva_add_radio(area, 67, y, "aus Tabelle 6.6", kNadFontNote, BLACK_CI, 1, &b->kc_from_table, &kc_choice_editable);
    y += 18;
    nad_ec3_1_sheet_row(area, y, 18, "", "", "", kNadFontRow);
    sva_add_radio(area, 67, y, "k", kNadFontNote, BLACK_CI, 0, &b->kc_from_table, &kc_choice_editable);
    const int kc_x = 67 + nad_sheet_text_width("k", kNadFontNote) + 1;
    sva_add_text(area, kc_x, y + 2, "c", kNadFontNote, BLACK_CI, 0);
    sva_add_text(area, kc_x + nad_sheet_text_width("c ", kNadFontNote) + 1, y, "vorgeben", kNadFontNote, BLACK_CI, 0);
    nad_sheet_number(area, 170, y, &b->kc_value, "%5.3f", kNadFontRow, BLACK_CI, &kc_field_editable);
    return y + 18;
}

} // namespace

int nad_ec3_1_sheet_row(int area, int y, int height, const char* t1, const char* t2, const char* t3, int font)
{
    // Rows in the table's text font shade from two pixels lower.
    return nad_sheet_table_row(area, y, height, t1, t2, t3, font, font == kNadFontRow ? -8 : -10);
}

int nad_ec3_8_sheet_row(int area, int y, int height, const char* t1, const char* t2, const char* t3, int font)
{
    return nad_sheet_table_row(area, y, height, t1, t2, t3, font, -10);
}

int nad_ec3_1_stub() { return 0; }
int nad_ec3_8_stub() { return 0; }

int nad_ec3_1_sheet(int area, int y, NadEc31Block* b, int)
{
    const int* s = ec3_section;
    y = heading(area, y, "EN 1993-1-1 (Eurocode 3, Grundnorm)", &ec3_1_open);
    if (ec3_1_open) {
        y = table_head(area, y);
        y = two_lines(area, y, "6.1", "", "Allgemeines", nullptr);
        if (s[0]) y = partial_factors(area, y, b);
        if (s[5]) y = buckling(area, y, b);
        y += 6;
    }
    if (s[9]) {
        y = heading(area, y, "EN 1993-1-2 (Eurocode 3, Brandfall)", &ec3_fire_open);
        if (ec3_fire_open) {
            y = table_head(area, y);
            y = two_lines(area, y, "2.3", "", "Mechanisches Verhalten", nullptr);
            y = factor(area, y, "M,fi", &b->gamma_m_fi, "Materialsicherheit (Brandfall)", "(1)") + 6;
        }
    }
    return y;
}

int nad_ec3_8_sheet(int area, int y, NadEc38Block* b, int)
{
    const int* s = ec3_section;
    if (s[0] && s[2] && s[3]) {
        y = heading(area, y, "EN 1993-1-8 (Eurocode 3, Anschl\201sse)", &ec3_8_open[0]);
        if (ec3_8_open[0]) {
            y = table_head(area, y);
            y = two_lines(area, y, "2.2", "", "Allgemeine Anforderungen", nullptr);
            y = two_lines(area, y, "(2)", "", "Teilsicherheitsbeiwerte f\201r", "Anschl\201sse");
            y = factor(area, y, "M3", &b->gamma_m3, "Gleitfestigkeit (Kat.C, GZT)");
            y = factor(area, y, "M3,ser", &b->gamma_m3_ser, "Gleitfestigkeit (Kat.B, GZG)");
            y = factor(area, y, "M4", &b->gamma_m4, "Injektionsschrauben");
            y = factor(area, y, "M6,ser", &b->gamma_m6_ser, "Bolzen (GZG)");
            y = factor(area, y, "M7", &b->gamma_m7, "Vorspannung hochfester Schrauben");
            y = factor(area, y, "M5", &b->gamma_m5, "Hohlprofile in Fachwerken") + 6;
        }
    }
    if (s[6]) {
        y = heading(area, y, "EN 1993-1-5 (Eurocode 3, Plattenbeulen)", &ec3_8_open[1]);
        if (ec3_8_open[1]) {
            y = table_head(area, y);
            y = two_lines(area, y, "3.3", "", "Schubverzerrungen", nullptr);
            nad_ec3_8_sheet_row(area, y, 18, "(1)", "", "Anmerkungen", kNadFontRow);
            sva_add_radio(area, 67, y, "2", kNadFontRow, BLACK_CI, 2, &b->shear_lag_note, &ec3_editable);
            sva_add_radio(area, 120, y, "3", kNadFontRow, BLACK_CI, 3, &b->shear_lag_note, &ec3_editable);
            y += 18;
            y = two_lines(area, y, "5.1", "", "Schubbeulen", nullptr);
            nad_ec3_8_sheet_row(area, y, 18, "(2)", "", "Beiwert", kNadFontRow);
            nad_sheet_symbol(area, 67, y, 0xC1, nullptr);
            nad_sheet_number(area, 136, y, &b->eta_shear, kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
            y += 24;
        }
    }
    if (s[7]) {
        y = heading(area, y, "EN 1993-1-9 (Eurocode 3, Erm\201dung)", &ec3_8_open[2]);
        if (ec3_8_open[2]) {
            y = table_head(area, y);
            y = two_lines(area, y, "3", "", "Bemessungskonzepte", nullptr);
            y = two_lines(area, y, "(7)", "", "Teilsicherheitsbeiwerte f\201r", "die Erm\201dungsfestigkeit");
            y = two_lines(area, y, "", "     Schadensfolgen       ", "", nullptr);
            y = two_lines(area, y, "", "  niedrig             hoch", "", nullptr);
            const char* const concepts[2] = {"Schadenstoleranz", "Versagen ohne Vorank\201ndigung"};
            for (int c = 0; c < 2; ++c) {
                nad_sheet_number(area, 70, y, &b->gamma_mf[0][c], kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
                nad_sheet_number(area, 140, y, &b->gamma_mf[1][c], kFormat, kNadFontRow, BLACK_CI, &ec3_editable);
                y = explained_row(area, y, 18, "", "", concepts[c], nullptr);
            }
            y += 6;
        }
    }
    if (s[8]) {
        y = heading(area, y, "EN 1993-6 (Eurocode 3, Kranbahnen)", &ec3_8_open[3]);
        if (ec3_8_open[3]) {
            y = table_head(area, y);
            y = two_lines(area, y, "7.5", "", "Elastisches Verhalten", nullptr);
            y = factor(area, y, "M,ser", &b->gamma_m_ser_crane, "Materialsicherheit (GZG)", "(1)") + 6;
        }
    }
    return y;
}

void nad_ec3_sheet(int area, NadEc3Block* b, int editable)
{
    nad_ec3_report_select();
    ec3_editable = editable != 0;
    nad_sheet_clear(area);
    if (b) {
        const int y = nad_ec3_1_sheet(area, 20, &b->ec3_1, editable);
        nad_ec3_8_sheet(area, y, &b->ec3_8, editable);
    }
    sva_update(area);
}
