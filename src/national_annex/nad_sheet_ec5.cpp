#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

const char* const kNadEc5Pictures = "NAD\\NAD_EC5.bmp";
// Open state of the sheet's sections, indexed by the order they are shown in (see kOrder).
int ec5_section_open[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

namespace {

// An alternative's mark stands 20 pixels left of its x: at 22 it starts inside the pane.
constexpr int kMarkX = 22;

int ec5_editable = 0, kcr_fields_editable = 0, toggles_enabled = 1, kcr_toggle_state = 0;
NadEc5Block* edited = nullptr;   // the block the crack-factor toggle writes into

// The nine pictures: top and bottom row in the file and width.
struct Picture { int y1, y2, width; };
const Picture kPictures[10] = {{0, 0, 0},       {0, 130, 368},   {142, 237, 368}, {244, 304, 368}, {310, 415, 368},
                               {418, 541, 368}, {540, 697, 376}, {700, 829, 376}, {832, 944, 376}, {940, 1049, 376}};

constexpr int kGammaFieldX = 318;

void picture(int area, int index, int y)
{
    const Picture& p = kPictures[index];
    sva_add_graphics(area, 0, y, p.width, y + p.y2 - p.y1, reinterpret_cast<void*>(intptr_t(index)),
                     nad_ec5_draw_picture);
}

void field(int area, int x, int y, double* value, const char* format = "%4.2f", int* editable = &ec5_editable)
{
    nad_sheet_number(area, x, y, value, format, kNadFontRow, BLACK_CI, editable);
}

// A section's heading bar with its toggle; returns the y below it.
int heading(int area, int y, const char* title, int* open)
{
    // A title wider than the bar goes on in a second line of a taller bar.
    const std::vector<std::string> lines = nad_sheet_wrap(title, kNadFontHead, 382 - 26 - 4);
    const int head_pitch = std::max(13, nad_sheet_line_pitch(kNadFontHead));
    const int extra = head_pitch * int(lines.size() > 1 ? lines.size() - 1 : 0);
    sva_add_box(area, 4, y, 382, y + 19 + extra, nad_sheet_colours().title);
    sva_add_toggle(area, 26, y + 13, lines.empty() ? "" : lines[0].c_str(), kNadFontHead, BLACK_CI, open,
                   &toggles_enabled);
    for (size_t i = 1; i < lines.size(); ++i)
        sva_add_text(area, 26, y + 13 + head_pitch * int(i), lines[i].c_str(), kNadFontHead, BLACK_CI, 0);
    return y + 26 + extra;
}

int note(int area, int y, const char* text)
{
    sva_add_text(area, 10, y + 10, text, kNadFontNote, BLACK_CI, 0);
    return y + 16;
}

int material_factors(int area, int y, NadEc5Block* b)
{
    picture(area, 1, y);
    // The heading names the table of the set's own annex; the code's own table without one.
    const int head_y = y + 20;
    sva_add_text(area, 10, head_y, "Teilsicherheitsbeiwerte", kNadFontRow, BLACK_CI, 0);
    const int symbol_x = 10 + nad_sheet_text_width("Teilsicherheitsbeiwerte ", kNadFontRow);
    nad_sheet_symbol(area, symbol_x, head_y, 0xC0, "M");
    sva_add_text(area, nad_sheet_symbol_end(symbol_x, 0xC0, "M") + 4, head_y,
                 b->country ? "(DIN EN 1995-1-1/NA Tab. NA.2)" : "(DIN EN 1995-1-1 Tab. 2.3)", kNadFontRow, BLACK_CI, 0);
    // The fields stand right of the picture's labels "gamma_M =".
    field(area, kGammaFieldX, y + 45, &b->gamma_m_solid);
    field(area, kGammaFieldX, y + 75, &b->gamma_m_glulam);
    field(area, kGammaFieldX, y + 105, &b->gamma_m_accidental);
    y += 130 + 6;
    picture(area, 2, y);
    field(area, kGammaFieldX, y + 55, &b->gamma_m_fire);
    return y + 95 + 6;
}

int modification_factors(int area, int y, NadEc5Block* b)
{
    y = note(area, y, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.1 (Ausschnitt):");
    picture(area, 6, y);
    for (int ld = 0; ld < 5; ++ld)
        for (int sc = 0; sc < 3; ++sc) field(area, 170 + 70 * sc, y + 52 + 22 * ld, &b->kmod[ld][sc]);
    y += 157 + 6;
    if (!b->country) return y;   // Table NA.1 is the German annex's
    y = note(area, y, "nach DIN EN 1995-1-1-NA (Deutschland) Tab. NA.1 Index (b):");
    picture(area, 9, y);
    sva_add_toggle(area, 20, y + 95, "", kNadFontRow, BLACK_CI, &b->kmod_na1_note_b, &ec5_editable);
    return y + 109 + 6;
}

int deformation_factors(int area, int y, NadEc5Block* b)
{
    y = note(area, y, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.2 (Ausschnitt):");
    picture(area, 7, y);
    for (int sc = 0; sc < 3; ++sc) field(area, 170 + 70 * sc, y + 100, &b->kdef[sc]);
    return y + 129 + 6;
}

int deflection_limits(int area, int y, NadEc5Block* b)
{
    // The table is drawn as texts rather than picture 3, whose rows stand closer than two of the
    // program's number fields can.
    y = note(area, y, "gem\204\341 DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2:");
    sva_add_text(area, 10, y + 12, "Nachweis", kNadFontNote, BLACK_CI, 0);
    sva_add_text(area, 190, y + 12, "normal", kNadFontNote, BLACK_CI, 0);
    sva_add_text(area, 300, y + 12, "Kragarm", kNadFontNote, BLACK_CI, 0);
    static const char* const kSubscripts[3] = {"inst", "fin", "net,fin"};
    for (int r = 0; r < 3; ++r) {
        const int row_y = y + 12 + 22 * (r + 1);
        sva_add_text(area, 10, row_y, "w", kNadFontRow, BLACK_CI, 0);
        sva_add_text(area, 10 + nad_sheet_text_width("w", kNadFontRow) + 1, row_y + 2, kSubscripts[r], kNadFontNote,
                     BLACK_CI, 0);
        sva_add_text(area, 168, row_y, "l/", kNadFontRow, BLACK_CI, 0);
        field(area, 190, row_y, &b->deflection_limits[r][0], "%3.0f");
        sva_add_text(area, 278, row_y, "l/", kNadFontRow, BLACK_CI, 0);
        field(area, 300, row_y, &b->deflection_limits[r][1], "%3.0f");
    }
    return y + 12 + 22 * 3 + 14;
}

int crack_factor(int area, int y, NadEc5Block* b)
{
    picture(area, 4, y);
    sva_add_radio(area, kMarkX, y + 40, "", kNadFontRow, BLACK_CI, 1, &b->kcr_mode, &ec5_editable);
    field(area, 250, y + 40, &b->kcr_solid_glulam, "%4.2f", &kcr_fields_editable);
    field(area, 250, y + 62, &b->kcr_other, "%4.2f", &kcr_fields_editable);
    sva_add_radio(area, kMarkX, y + 88, "", kNadFontRow, BLACK_CI, 2, &b->kcr_mode, &ec5_editable);
    return y + 105 + 6;
}

int torsion(int area, int y, NadEc5Block* b)
{
    picture(area, 5, y);
    field(area, 150, y + 70, &b->kshape_factor);
    field(area, 300, y + 70, &b->kshape_max);
    return y + 123 + 6;
}

int net_final_deflection(int area, int y, NadEc5Block* b)
{
    picture(area, 8, y);
    sva_add_radio(area, kMarkX, y + 60, "", kNadFontRow, BLACK_CI, 1, &b->wnetfin_mode, &ec5_editable);
    sva_add_radio(area, kMarkX, y + 90, "", kNadFontRow, BLACK_CI, 2, &b->wnetfin_mode, &ec5_editable);
    return y + 112 + 6;
}

int buckling(int area, int y, NadEc5Block* b)
{
    y = note(area, y, "DIN EN 1995-1-1 Abschnitt 6.3.3:  Faktor gem\204\341 NCI Zu 6.3.3(2)");
    const char* label = "Faktor (nur f\201r Brettschichtholz)";
    sva_add_text(area, 10, y + 12, label, kNadFontNote, BLACK_CI, 0);
    field(area, std::max(300, 10 + nad_sheet_text_width(label, kNadFontNote) + 14), y + 12, &b->ltb_factor);
    return y + 24;
}

// The chapter table's columns: clause from x 10, parameter from 67 (a toggle's mark from 67, its
// label from 87) to 196, explanation from 206 to 380. Texts are wrapped to their column at the
// sheet's fonts, 12 pixels a line; a row is 6 pixels higher than its lines.
constexpr int kClauseWidth = 44, kLabelX = 87, kLabelWidth = 196 - kLabelX, kExplanationWidth = 174;

// Lines of the table stand a line of the larger of its two fonts apart (12 pixels at least).
int pitch()
{
    return std::max({12, nad_sheet_line_pitch(kNadFontRow), nad_sheet_line_pitch(kNadFontNote)});
}

struct RowTexts {
    std::vector<std::string> clause, label, explanation;
    int height() const
    {
        const size_t n = std::max({clause.size(), label.size(), explanation.size(), size_t(1)});
        return pitch() * int(n) + 6;
    }
};

RowTexts row_texts(const char* clause, const char* label, const char* explanation)
{
    return {nad_sheet_wrap(clause, kNadFontRow, kClauseWidth), nad_sheet_wrap(label, kNadFontNote, kLabelWidth),
            nad_sheet_wrap(explanation, kNadFontRow, kExplanationWidth)};
}

// The shading and the clause and explanation lines of a row; returns its height.
int table_row(int area, int y, const RowTexts& t)
{
    const int height = t.height();
    nad_ec5_sheet_row(area, y, height, "", "", "", kNadFontRow);
    for (size_t i = 0; i < t.clause.size(); ++i)
        sva_add_text(area, 10, y + pitch() * int(i), t.clause[i].c_str(), kNadFontRow, BLACK_CI, 0);
    for (size_t i = 0; i < t.explanation.size(); ++i)
        sva_add_text(area, 206, y + pitch() * int(i), t.explanation[i].c_str(), kNadFontRow, BLACK_CI, 0);
    return height;
}

// A chapter-table row of a switch: clause, explanation and the toggle with its label.
int switch_row(int area, int y, const char* clause, const char* explanation, const char* label, int* state)
{
    const RowTexts t = row_texts(clause, label, explanation);
    const int height = table_row(area, y, t);
    sva_add_toggle(area, kLabelX, y, t.label.empty() ? "" : t.label[0].c_str(), kNadFontNote, BLACK_CI, state,
                   &ec5_editable);
    for (size_t i = 1; i < t.label.size(); ++i)
        sva_add_text(area, kLabelX, y + pitch() * int(i), t.label[i].c_str(), kNadFontNote, BLACK_CI, 0);
    return y + height;
}

int factor_row(int area, int y, const char* clause, const char* text, double* value)
{
    const int height = table_row(area, y, row_texts(clause, "", text));
    nad_sheet_symbol(area, 67, y, 0xC0, "M");
    field(area, 136, y, value, "%5.2f");
    return y + height;
}

// k_cr with its subscript at the program's fonts, then the rest of a label from `x`; returns
// the x after it.
int kcr_symbol(int area, int x, int y, int font)
{
    sva_add_text(area, x, y, "k", font, BLACK_CI, 0);
    x += nad_sheet_text_width("k", font) + 1;
    sva_add_text(area, x, y + 2, "cr", kNadFontNote, BLACK_CI, 0);
    return x + nad_sheet_text_width("cr", kNadFontNote) + 3;
}

int chapter_table(int area, int y, NadEc5Block* b)
{
    nad_sheet_head_row(area, y + 14, 24, y + 20, -10);
    y += 38;
    if (b->country)
        y = switch_row(area, y, "2.3.1.2 (2)P", "Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer",
                       "Tabelle NA.1 anwenden", &b->use_table_na1);
    const int head_height = table_row(area, y, row_texts("2.4.1", "", "Teilsicherheitsbeiwerte"));
    sva_add_text(area, 67, y, "Tab. 2.3", kNadFontRow, BLACK_CI, 0);
    y += head_height;
    struct Row { const char* text; double* value; };
    const Row rows[12] = {{"Vollholz", &b->gamma_m_solid},
                          {"Brettschichtholz", &b->gamma_m_glulam},
                          {"Brettsperrholz", &b->gamma_m_clt},
                          {"LVL, Sperrholz, OSB", &b->gamma_m_lvl_plywood_osb},
                          {"Spanplatten", &b->gamma_m_particleboard},
                          {"Harte Faserplatten", &b->gamma_m_hard_fibreboard},
                          {"Mittelharte Faserplatten", &b->gamma_m_medium_fibreboard},
                          {"MDF-Faserplatten", &b->gamma_m_mdf},
                          {"Weiche Faserplatten", &b->gamma_m_soft_fibreboard},
                          {"Verbindungen", &b->gamma_m_connections},
                          {"Nagelplatten", &b->gamma_m_punched_metal_plates},
                          {"Au\341ergew\224hnliche Kombinationen", &b->gamma_m_accidental}};
    for (const Row& r : rows) y = factor_row(area, y, "", r.text, r.value);
    if (b->country) {
        y = factor_row(area, y, "", "Stahl in Verbindungen", &b->gamma_m_steel_in_connections);
        y = factor_row(area, y, "", "Gipskarton, etc.", &b->gamma_m_plasterboard);
        y = switch_row(area, y, "3.1.3", "Modifikationsbeiwerte", "Tabelle NA.4 anwenden", &b->use_table_na4);
        y = switch_row(area, y, "8.3.2", "fax, fhead f\201r profilierte N\204gel", "Tabelle NA.15 anwenden",
                       &b->use_table_na15);
        y = switch_row(area, y, "8.3.1.2 (2)P", "Holz-Holz-Nagelverbindungen Einschlagtiefen > 4 d", "NA.11 anwenden",
                       &b->use_na11);
        // The toggle of k_cr: its mark and "k" with the subscript, the rest of the label after it.
        kcr_toggle_state = b->kcr_mode == 2;
        const int kcr_height = table_row(area, y, row_texts("6.1.7 (2)", "", "GZT: Schub"));
        sva_add_toggle(area, kLabelX, y, "", kNadFontNote, BLACK_CI, &kcr_toggle_state, &ec5_editable);
        sva_set_last_callback(area, nad_ec5_kcr_toggled);
        const int rest_x = kcr_symbol(area, kLabelX, y, kNadFontNote);
        sva_add_text(area, rest_x, y, "nach NA-DE", kNadFontNote, BLACK_CI, 0);
        sva_add_text(area, kLabelX, y + pitch() + 2, "anwenden", kNadFontNote, BLACK_CI, 0);
        y += std::max(kcr_height, 2 * pitch() + 8);
        y = switch_row(area, y, "8.5.3 (2)", "Gewindestangen zulassen", "Gewindestangen nach NA-DE",
                       &b->threaded_rods_na);
        y = switch_row(area, y, "6.3.3 (7)", "Biegedrillknicknachweis", "Biegedrillknicken nach NA-DE", &b->ltb_na);
        y = switch_row(area, y, "8.2.4 (1)", "Verbindungsmittel", "Vereinfachtes Verfahren nach NA-DE",
                       &b->simplified_fasteners_na);
        y += table_row(area, y, row_texts("9.2.4.2", "", "Wandscheiben Verfahren A"));
        y = switch_row(area, y, "", "Abminderung d. Tragf\204higkeit", "NA.20 anwenden", &b->use_na20);
        y = switch_row(area, y, "", "Erh\224hung d. Tragf\204higkeit", "NA.21 anwenden", &b->use_na21);
        y = switch_row(area, y, "", "Zugverbindungen", "NA.8.1.6 anwenden", &b->use_na816);
        y = switch_row(area, y, "", "Bohrloch Stahlteil", "NA.8.6 (NA.7) anwenden", &b->use_na7_hole);
    } else {
        y += table_row(area, y, row_texts("6.1.7 (2)", "", "GZT: Schub"));
        const int solid_height = table_row(area, y, row_texts("", "", "Voll- und Brettschichtholz"));
        kcr_symbol(area, 67, y, kNadFontRow);
        field(area, 136, y, &b->kcr_solid_glulam, "%5.2f");
        y += solid_height;
        const int other_height = table_row(area, y, row_texts("", "", "Andere"));
        kcr_symbol(area, 67, y, kNadFontRow);
        field(area, 136, y, &b->kcr_other, "%5.2f");
        y += other_height;
    }
    return y + 6;
}

const char* const kTitles[10] = {"",
                                 "Materialsicherheitsbeiwerte",
                                 "Modifikationsbeiwerte",
                                 "Verformungsbeiwerte",
                                 "Verformungsgrenzwerte",
                                 "Tragf\204higkeit: Rissfaktor",
                                 "Tragf\204higkeit: Nachweis der Torsionsspannungen",
                                 "Gebrauchstauglichkeit: 3. Teilnachweis",
                                 "Biegedrillknicken: Berechnung der bezogenen Kippschlankheit",
                                 "EN 1995-1-1 (Eurocode 5, Grundnorm)"};

} // namespace

int nad_ec5_sheet_row(int area, int y, int height, const char* t1, const char* t2, const char* t3, int font)
{
    return nad_sheet_table_row(area, y, height, t1, t2, t3, font, -10);
}

void nad_ec5_draw_picture(int x1, int y1, int, int, void* index)
{
    const int i = static_cast<int>(reinterpret_cast<intptr_t>(index));
    if (i < 1 || i > 9) return;
    const Picture& p = kPictures[i];
    pxDrawPartialTransparentDIB(kNadEc5Pictures, 0, p.y1, p.width, p.y2, x1, y1, x1 + p.width, y1 + p.y2 - p.y1, 201,
                                -1, 255, 251, 240);
}

int nad_ec5_kcr_toggled(intptr_t state)
{
    if (edited) edited->kcr_mode = state ? 2 : 1;
    return 0;
}

int nad_ec5_stub() { return 0; }

void nad_ec5_sheet(int area, NadEc5Block* b, int editable)
{
    nad_ec5_report_select();
    ec5_editable = editable != 0;
    edited = b;
    nad_sheet_clear(area);
    if (b) {
        kcr_fields_editable = ec5_editable && b->kcr_mode == 1;
        const int* s = ec5_section;
        int y = 7;
        if (s[0]) y = note(area, y, "Parameter f\201r alle quor-Stabwerksprogramme") + 4;
        // Sections in the order they are shown: switch, title index, builder.
        struct Section { int sw; int title; int (*build)(int, int, NadEc5Block*); };
        const Section kOrder[] = {{1, 1, material_factors},  {2, 2, modification_factors}, {3, 3, deformation_factors},
                                  {4, 4, deflection_limits}, {5, 5, crack_factor},         {8, 6, torsion},
                                  {6, 7, net_final_deflection}, {0, 8, buckling},          {7, 9, chapter_table}};
        for (const Section& sec : kOrder) {
            if (!s[sec.sw]) continue;
            y = heading(area, y, kTitles[sec.title], &ec5_section_open[sec.title]);
            if (ec5_section_open[sec.title]) y = sec.build(area, y, b);
            y += 4;
        }
    }
    sva_update(area);
}
