#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_sheet_common.h"

#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

int ec2_buildings_open = 1, ec2_fire_open = 0, ec2_bridges_open = 1;

namespace {

int ec2_sheet_editable = 0;
int ec2_sheet_locked = 0;   // items bound to it are shown and never edited
int ec2_toggles_enabled = 1;
constexpr int kLine = 18;   // one explanation line: a field is 18 pixels high

bool rules(std::initializer_list<int> list)
{
    for (int r : list)
        if (!ec2_rule[r]) return false;
    return true;
}

// A clause heading with up to three explanation lines; returns the y of its first value row.
int clause(int area, int y, const char* number, const char* l1, const char* l2 = nullptr, const char* l3 = nullptr)
{
    // Each given line is wrapped to the column on its own, so the lines keep their breaks.
    std::vector<std::pair<std::string, int>> lines;
    // A first line with a word wider than the column takes the smaller font of the others.
    int font1 = kNadFontRow;
    for (const std::string& l : nad_sheet_wrap(l1, kNadFontRow, kNadExplanationWidth))
        if (nad_sheet_text_width(l.c_str(), kNadFontRow) > kNadExplanationWidth) font1 = kNadFontNote;
    for (const std::string& l : nad_sheet_wrap(l1, font1, kNadExplanationWidth)) lines.push_back({l, font1});
    for (const char* note : {l2, l3})
        for (const std::string& l : nad_sheet_wrap(note, kNadFontNote, kNadExplanationWidth))
            lines.push_back({l, kNadFontNote});
    const int count = std::max(1, int(lines.size()));
    nad_ec2_sheet_row(area, y, kLine * count, number, "", "", kNadFontRow);
    for (size_t i = 0; i < lines.size(); ++i)
        sva_add_text(area, 206, y + kLine * int(i), lines[i].first.c_str(), lines[i].second, BLACK_CI, 0);
    return y + kLine * count;
}

// Where a text after a number field starts: at `x`, or right of the value the field shows where
// that reaches further (the field draws in the toolkit's font, which may be the wider one).
int behind_x(int field_x, const char* format, double value, int x)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, format, value);
    const char* digits = shown + std::strspn(shown, " ");
    const int w = std::max(nad_sheet_text_width(digits, kNadFontRow), nad_sheet_text_width(digits, 0));
    return std::max(x, field_x + w + 10);
}

// A text after a number field; "/" and gamma with its subscript (the list's byte 0xC0) draws
// the gamma as the sheets do, the fonts having none.
void behind_text(int area, int x, int y, const char* text)
{
    if (text[0] == '/' && static_cast<unsigned char>(text[1]) == 0xC0) {
        sva_add_text(area, x, y, "/", kNadFontRow, BLACK_CI, 0);
        nad_sheet_symbol(area, x + nad_sheet_text_width("/", kNadFontRow) + 2, y, 0xC0, text + 2);
    } else {
        sva_add_text(area, x, y, text, kNadFontRow, BLACK_CI, 0);
    }
}

void symbol(int area, int y, unsigned char letter, const char* sub, const char* plain = nullptr)
{
    if (letter) nad_sheet_symbol(area, 67, y, letter, sub);
    else if (plain) sva_add_text(area, 67, y, plain, kNadFontRow, BLACK_CI, 0);
}

// A plain value row: paragraph, symbol, field, and a text behind the field.
int value_row(int area, int y, const char* para, unsigned char letter, const char* sub, double* v,
              const char* format = "%5.2f", const char* behind = nullptr, const char* explanation = nullptr,
              int* enable = &ec2_sheet_editable, const char* plain = nullptr)
{
    const std::vector<std::string> lines = nad_sheet_wrap(explanation, kNadFontNote, kNadExplanationWidth);
    const int height = kLine * std::max(1, int(lines.size()));
    nad_ec2_sheet_row(area, y, height, para, "", "", kNadFontNote);
    for (size_t i = 0; i < lines.size(); ++i)
        sva_add_text(area, 206, y + kLine * int(i), lines[i].c_str(), kNadFontNote, BLACK_CI, 0);
    symbol(area, y, letter, sub, plain);
    // The field stands right of a plain symbol that reaches past its column, the text behind it
    // right of the value it shows.
    const int field_x = letter || !plain ? 136 : std::max(136, 67 + nad_sheet_text_width(plain, kNadFontRow) + 8);
    nad_sheet_number(area, field_x, y, v, format, kNadFontRow, BLACK_CI, enable);
    if (behind) behind_text(area, behind_x(field_x, format, *v, 180), y, behind);
    return y + height;
}

// Where the value field of a pair of alternatives stands and how it reads.
struct FieldForm {
    const char* formula_format;   // with the switch at 2
    int formula_x;
    const char* fixed_format;     // with the switch at 1
    int fixed_x;
    const char* formula_behind;   // text after the field at 2 (e.g. "/\300c")
    const char* fixed_behind;
};
const FieldForm kPlain = {"%5.2f", 136, "%5.2f", 136, nullptr, nullptr};

// A pair of alternatives on *mode: 1 the fixed value, 2 the factor x of the formula shown in
// the picture. short_words: "= Funkt. von x" in place of "= Funktion von x".
int alternatives(int area, int y, const char* para, unsigned char letter, const char* sub, int* mode, double* v,
                 const char* picture, bool short_words = false, const FieldForm& form = kPlain,
                 int* enable = &ec2_sheet_editable)
{
    nad_ec2_sheet_row(area, y, 2 * kLine, para, "", "", kNadFontNote);
    if (picture) sva_add_bitmap(area, picture, 206, y - 10, 382, y + 2 * kLine - 4, WHITE_CI);
    sva_add_radio(area, 55, y, "", kNadFontRow, BLACK_CI, 1, mode, enable);
    symbol(area, y, letter, sub);
    sva_add_radio(area, 55, y + kLine, *mode == 2 ? "mit x =" : "x", kNadFontNote, BLACK_CI, 2, mode, enable);
    if (*mode == 2) {
        const int words_x = letter ? std::max(95, nad_sheet_symbol_end(67, letter, sub) + 4) : 95;
        sva_add_text(area, words_x, y, short_words ? "= Funkt. von x" : "= Funktion von x", kNadFontNote, BLACK_CI, 0);
        nad_sheet_number(area, form.formula_x, y + kLine, v, form.formula_format, kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        if (form.formula_behind)
            behind_text(area, behind_x(form.formula_x, form.formula_format, *v, form.formula_x + 45), y + kLine,
                        form.formula_behind);
    } else {
        nad_sheet_number(area, form.fixed_x, y, v, form.fixed_format, kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        if (form.fixed_behind)
            behind_text(area, behind_x(form.fixed_x, form.fixed_format, *v, form.fixed_x + 45), y, form.fixed_behind);
        // Ends short of the formula's picture at x 206.
        const char* ignored = "(Funktion wird ignoriert)";
        sva_add_text(area, std::min(95, 200 - nad_sheet_text_width(ignored, kNadFontNote)), y + kLine, ignored,
                     kNadFontNote, BLACK_CI, 0);
    }
    return y + 2 * kLine;
}

// The rows where the German annex has its own rule: with the formula switch no field.
int annex_rule(int area, int y, const NadEc2Block* b, const char* para, unsigned char letter, const char* sub,
               int* mode, double* v, const char* picture, const FieldForm& form)
{
    if (!b->country || *mode != 2) return alternatives(area, y, para, letter, sub, mode, v, picture, true, form);
    nad_ec2_sheet_row(area, y, 2 * kLine, para, "", "", kNadFontNote);
    sva_add_radio(area, 55, y, "(Fkt. wird ignoriert)", kNadFontNote, BLACK_CI, 1, mode, &ec2_sheet_editable);
    sva_add_radio(area, 55, y + kLine, "", kNadFontRow, BLACK_CI, 2, mode, &ec2_sheet_editable);
    symbol(area, y + kLine, letter, sub);
    sva_add_text(area, 120, y + kLine, "s. NA-DE", kNadFontRow, BLACK_CI, 0);
    return y + 2 * kLine;
}

int heading(int area, int y, const char* title, int* open)
{
    sva_add_box(area, 4, y, 382, y + 19, nad_sheet_colours().title);
    sva_add_toggle(area, 26, y + 13, title, 69632, BLACK_CI, open, &ec2_toggles_enabled);
    return y + 26;
}

int column_heads(int area, int y)
{
    nad_sheet_head_row(area, y + 14, 24, y + 20, -10);
    return y + 38;
}

int partial_factors(int area, int y, double* gc, double* gs, const char* table_note)
{
    y = clause(area, y, "2.4.2.4", "Teilsicherheitsbeiwerte f\201r", table_note);
    nad_ec2_sheet_row(area, y, kLine, "(1)", "", "", kNadFontNote);
    nad_sheet_symbol(area, 80, y, 0xC0, "c");
    nad_sheet_symbol(area, 140, y, 0xC0, "s");
    y += kLine;
    static const char* const kSituations[4] = {"st\204ndig und vor\201bergehend", "Erm\201dung", "Erdbeben",
                                               "au\341ergew\224hnlich"};
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && !rules({1})) break;
        nad_ec2_sheet_row(area, y, kLine, "", "", kSituations[i], kNadFontNote);
        nad_sheet_number(area, 76, y, &gc[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        nad_sheet_number(area, 136, y, &gs[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        y += kLine;
    }
    return y;
}

int buildings_strengths_and_cover(int area, int y, NadEc2Block* b)
{
    if (rules({0})) {
        y = partial_factors(area, y, b->gamma_c, b->gamma_s, "Beton und Betonstahl");
        nad_ec2_sheet_row(area, y, 2 * kLine, "(2)", "", "im Grenzzustand der", kNadFontNote);
        sva_add_text(area, 206, y + kLine, "Gebrauchstauglichkeit", kNadFontNote, BLACK_CI, 0);
        nad_sheet_number(area, 76, y, &b->gamma_c_sls, "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        nad_sheet_number(area, 136, y, &b->gamma_s_sls, "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        y += 2 * kLine;
    }
    if (rules({30}) && (rules({2}) || rules({3}))) {
        y = clause(area, y, "3.1.6", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        if (rules({2})) y = value_row(area, y, "(1)P", 0xE0, "cc", &b->alpha_cc);
        if (rules({3})) y = value_row(area, y, "(2)P", 0xE0, "ct", &b->alpha_ct);
    }
    if (rules({4})) {
        y = clause(area, y, "11.3.5", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        y = value_row(area, y, "(1)", 0xE0, "lcc", &b->alpha_lcc);
        y = value_row(area, y, "(2)", 0xE0, "lct", &b->alpha_lct);
    }
    if (rules({5})) {
        y = clause(area, y, "12.3.1", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        y = value_row(area, y, "(1)", 0xE0, "cc,pl", &b->alpha_cc_pl);
        y = value_row(area, y, "", 0xE0, "ct,pl", &b->alpha_ct_pl);
    }
    if (rules({6})) {
        y = clause(area, y, "4.4.1.2", "Mindestbetondeckung");
        // The two columns stand right of the widest exposure class name.
        int x1 = 94;
        for (int i = 0; i < 12; ++i)
            x1 = std::max(x1, 67 + nad_sheet_text_width(b->exposure_class_names[i], kNadFontNote) + 8);
        const int x2 = x1 + 56;
        nad_ec2_sheet_row(area, y, kLine, "(5)", "Exp.", "", kNadFontNote);
        sva_add_text(area, x1, y, "C", kNadFontRow, BLACK_CI, 0);
        sva_add_text(area, x1 + 8, y + 2, "min,dur", kNadFontNote, BLACK_CI, 0);
        nad_sheet_symbol(area, x2, y, 0xA3, "c,dur,\300");
        y += kLine;
        for (int i = 0; i < 12; ++i) {
            nad_ec2_sheet_row(area, y, kLine, "", b->exposure_class_names[i], i == 0 ? "Mindestbetondeckung [cm]" : "",
                              kNadFontNote);
            nad_sheet_number(area, x1, y, &b->cmin_dur[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            nad_sheet_number(area, x2, y, &b->dc_dur_gamma[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            y += kLine;
        }
        nad_ec2_sheet_row(area, y, kLine, "(6)", "", "additives Sicherheitselement", kNadFontNote);
        y += kLine;
        y = value_row(area, y, "(7)", 0xA3, "c,dur,st", &b->dc_dur_st, "%5.2f", nullptr, "rostfreier Stahl [cm]");
        y = value_row(area, y, "(8)", 0xA3, "c,dur,add", &b->dc_dur_add, "%5.2f", nullptr, "zus\204tzlicher Schutz [cm]");
        y = clause(area, y, "4.4.1.3", "Vorhaltema\341");
        y = value_row(area, y, "(1)P", 0xA3, "c,dev", &b->dc_dev, "%5.2f", nullptr, "[cm]");
    }
    return y;
}

int buildings_analysis(int area, int y, NadEc2Block* b)
{
    if (rules({32})) {
        y = clause(area, y, "5.2", "Imperfektionen");
        nad_ec2_sheet_row(area, y, kLine, "(5)", "", "", kNadFontNote);
        nad_sheet_symbol(area, 67, y, 0xB0, "0");
        sva_add_text(area, 100, y, "1/", kNadFontRow, BLACK_CI, 0);
        nad_sheet_number(area, 136, y, &b->theta0_divisor, "%5.0f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
        y += kLine;
    }
    if (rules({7})) {
        y = clause(area, y, "5.5", "Linear-elastische Berechnung mit", "begrenzter Umlagerung");
        double* k = b->k_redistribution;
        y = value_row(area, y, "(4)", 0, nullptr, &k[0], "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
        y = alternatives(area, y, "", 0, nullptr, &b->k2_mode, &k[1], "NAD\\NAD_Func1.bmp");
        y = value_row(area, y, "", 0, nullptr, &k[2], "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k3");
        y = alternatives(area, y, "", 0, nullptr, &b->k4_mode, &k[3], "NAD\\NAD_Func1.bmp");
        y = value_row(area, y, "", 0, nullptr, &k[4], "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k5");
        y = value_row(area, y, "", 0, nullptr, &k[5], "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k6");
    }
    if (rules({8})) {
        y = clause(area, y, "5.8.3.1", "Grenzwerte der Schlankheit f\201r", "Einzeldruckglieder");
        if (b->country) {
            nad_ec2_sheet_row(area, y, kLine, "(1)", "", "", kNadFontNote);
            nad_sheet_symbol(area, 67, y, 0xC5, "lim");
            sva_add_text(area, 100, y, "s. NA-DE", kNadFontRow, BLACK_CI, 0);
            y += kLine;
        } else {
            y = alternatives(area, y, "(1)", 0xC5, "lim", &b->lambda_lim_mode, &b->lambda_lim_factor, "NAD\\NAD_Func8.bmp");
        }
    }
    if (rules({9})) {
        y = clause(area, y, "5.8.6", "Allgemeines Verfahren zur Ermittlung", "der Knicksicherheit (Th.II.O. im Zust.2)");
        y = value_row(area, y, "(3)", 0xC0, "cE", &b->gamma_ce);
    }
    return y;
}

const FieldForm kVMin = {"%6.4f", 121, "%5.3f", 136, "/\300c", nullptr};
const FieldForm kNuL = {"%5.3f", 136, "%5.3f", 121, nullptr, "\301 1"};
const FieldForm kNu = {"%5.3f", 136, "%5.3f", 136, nullptr, nullptr};
const FieldForm kReinforcement = {"%5.3f", 136, "%5.2f", 136, nullptr, nullptr};

int buildings_shear(int area, int y, NadEc2Block* b)
{
    if (rules({10, 30})) {
        y = clause(area, y, "6.2.2", "Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung");
        y = value_row(area, y, "(1)", 0, nullptr, &b->c_rdc, "%5.2f", "/\300c", nullptr, &ec2_sheet_editable, "C Rd,c");
        y = alternatives(area, y, "", 0xC7, "min", &b->v_min_mode, &b->v_min, "NAD\\NAD_Func2a.bmp", true, kVMin);
        y = value_row(area, y, "", 0, nullptr, &b->k1_shear, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
    }
    if (rules({10})) {
        y = clause(area, y, "", "Festigkeitsabminderungsbeiwert", "f\201r Querkraft");
        y = alternatives(area, y, "(6)", 0xC7, "V", &b->nu_mode, &b->nu_shear, "NAD\\NAD_Func2b.bmp", false, kNu);
    }
    if (rules({10, 11})) {
        y = clause(area, y, "6.3.2(4)", "Festigkeitsabminderungsbeiwert", "f\201r Torsion");
        y = alternatives(area, y, "", 0xC7, "T", &b->nu_mode, &b->nu_torsion, "NAD\\NAD_Func2b.bmp", false, kNu,
                         &ec2_sheet_locked);
    }
    if (rules({10, 14})) {
        y = clause(area, y, "11.6.1", "Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung");
        y = value_row(area, y, "(1)", 0, nullptr, &b->c_lrdc, "%5.2f", "/\300c", nullptr, &ec2_sheet_editable, "C lRd,c");
        y = alternatives(area, y, "", 0xC7, "l,min", &b->v_lmin_mode, &b->v_lmin, "NAD\\NAD_Func2c.bmp", true, kVMin);
        y = value_row(area, y, "", 0, nullptr, &b->k_l1, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k l1");
        y = alternatives(area, y, "(2)", 0xC7, "l", &b->nu_l_mode, &b->nu_l_shear, "NAD\\NAD_Func2d.bmp", false, kNuL);
    }
    if (rules({10, 12})) {
        y = clause(area, y, "", "bei Leichtbeton f\201r Torsion");
        y = alternatives(area, y, "(2)", 0xC7, "l", &b->nu_l_mode, &b->nu_l_torsion, "NAD\\NAD_Func2d.bmp", false, kNuL,
                         &ec2_sheet_locked);
    }
    if (rules({10, 13})) {
        y = clause(area, y, "12.6.3", "Querkraftbemesung, Bauteile aus", "unbewehrtem Beton");
        if (b->country) {
            nad_ec2_sheet_row(area, y, kLine, "(2)", "k p", "", kNadFontNote);
            sva_add_text(area, 136, y, "s. NA-DE", kNadFontRow, BLACK_CI, 0);
            y += kLine;
        } else {
            y = value_row(area, y, "(2)", 0, nullptr, &b->k_p, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k p");
        }
    }
    if (rules({10, 30})) {
        y = clause(area, y, "6.2.3", "Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung");
        y = value_row(area, y, "(2)", 0, nullptr, &b->cot_theta_min, "%5.2f", nullptr, "untere Grenze", &ec2_sheet_editable,
                      "cot \260");
        y = value_row(area, y, "", 0, nullptr, &b->cot_theta_max, "%5.2f", nullptr, "obere Grenze", &ec2_sheet_editable,
                      "cot \260");
        y = value_row(area, y, "(3)", 0xE0, "cw", &b->alpha_cw);
        y = alternatives(area, y, "", 0xC7, "1", &b->nu_1_mode, &b->nu_1, "NAD\\NAD_Func7a.bmp", false, kNu);
    }
    if (rules({10, 14})) {
        y = clause(area, y, "11.6.2", "Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung");
        y = alternatives(area, y, "(1)", 0xC7, "1l", &b->nu_1l_mode, &b->nu_1l, "NAD\\NAD_Func7b.bmp", false, kNuL);
    }
    if (rules({10, 15})) {
        y = clause(area, y, "6.2.4", "Schubkr\204fte zwischen Balkensteg", "und Gurten (Plattenbalken, Doppel-T)");
        y = value_row(area, y, "(4)", 0, nullptr, &b->cot_theta_f_tension, "%5.2f", nullptr, nullptr, &ec2_sheet_editable,
                      "cot \260f Zug");
        y = value_row(area, y, "", 0, nullptr, &b->cot_theta_f_compression, "%5.2f", nullptr, nullptr, &ec2_sheet_editable,
                      "cot \260f Druck");
        y = value_row(area, y, "(6)", 0, nullptr, &b->k_flange, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k");
    }
    if (rules({10, 16})) {
        y = clause(area, y, "6.2.5", "Schubkraft\201bertragung in Fugen");
        nad_ec2_sheet_row(area, y, kLine, "(1)", "", "", kNadFontNote);
        sva_add_text(area, 62, y, "c", kNadFontRow, BLACK_CI, 0);
        nad_sheet_symbol(area, 110, y, 0xC6, nullptr);
        nad_sheet_symbol(area, 158, y, 0xC7, nullptr);
        y += kLine;
        for (int j = 0; j < 4; ++j) {
            nad_ec2_sheet_row(area, y, kLine, "", "", b->joint_surface_names[j], kNadFontNote);
            nad_sheet_number(area, 62, y, &b->joint_c[j], "%4.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            nad_sheet_number(area, 110, y, &b->joint_mu[j], "%4.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            nad_sheet_number(area, 158, y, &b->joint_nu[j], "%4.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            y += kLine;
        }
    }
    return y;
}

int buildings_detailing(int area, int y, NadEc2Block* b)
{
    if (rules({17})) {
        y = clause(area, y, "6.8.4", "Nachweis gegen Erm\201dung f\201r", "Beton- und Spannstahl");
        y = value_row(area, y, "(1)", 0xC0, "F,fat", &b->gamma_f_fat);
    }
    if (rules({17, 30})) {
        y = clause(area, y, "6.8.7", "Nachweis gegen Erm\201dung des", "Betons unter Druck- oder", "Querkraftbeanspruchung");
        y = value_row(area, y, "(1)", 0, nullptr, &b->k1_fatigue, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
    }
    if (rules({18})) {
        y = clause(area, y, "7.3.4", "Berechnung der Rissbreite");
        y = value_row(area, y, "(3)", 0, nullptr, &b->k3_crack, "%5.3f", nullptr, nullptr, &ec2_sheet_editable, "k3");
        y = value_row(area, y, "", 0, nullptr, &b->k4_crack, "%5.3f", nullptr, nullptr, &ec2_sheet_editable, "k4");
    }
    if (rules({19})) {
        y = clause(area, y, "7.4.2", "Begrenzung der Verformungen", "ohne direkte Berechnung");
        static const char* const kSystems[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragtr\204ger"};
        for (int i = 0; i < 5; ++i)
            y = value_row(area, y, i == 0 ? "(2)" : "", 0, nullptr, &b->k_slenderness[i], "%5.2f", nullptr, kSystems[i],
                          &ec2_sheet_editable, "K");
    }
    if (rules({20})) {
        y = clause(area, y, "8.2", "Stababst\204nde von Betonst\204hlen");
        y = value_row(area, y, "(2)", 0, nullptr, &b->k1_bar_spacing, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
    }
    if (rules({21})) {
        y = clause(area, y, "9.2.1.1", "Mindestbewehrung f\201r Balken [cm\375]");
        y = annex_rule(area, y, b, "(1)", 0, nullptr, &b->as_min_beam_mode, &b->as_min_beam, "NAD\\NAD_Func5.bmp",
                       kReinforcement);
    }
    if (rules({22})) {
        y = clause(area, y, "9.2.1.2", "Mindestst\201tzmomente", "an gelenkigen Endauflagern");
        y = value_row(area, y, "(1)", 0xBB, "1", &b->beta1, "%5.3f");
    }
    if (rules({23})) {
        y = clause(area, y, "9.2.1.4", "Verankerung der unteren", "Bewehrung an Endauflagern");
        y = value_row(area, y, "(1)", 0xBB, "2", &b->beta2, "%5.3f");
    }
    if (rules({24})) {
        y = clause(area, y, "9.2.2", "Querkraftbewehrung");
        y = annex_rule(area, y, b, "(5)", 0xCB, "w,min", &b->rho_w_min_mode, &b->rho_w_min, "NAD\\NAD_Func6.bmp", kNu);
    }
    if (rules({25, 30})) {
        y = clause(area, y, "9.5.2", "Mindestbewehrung f\201r St\201tzen [cm\375]");
        y = alternatives(area, y, "(2)", 0, nullptr, &b->as_min_column_mode, &b->as_min_column, "NAD\\NAD_Func3a.bmp",
                         true, kReinforcement);
        y = value_row(area, y, "", 0, nullptr, &b->as_min_column_floor, "%5.3f", "A c", nullptr, &ec2_sheet_editable, "\362");
    }
    if (rules({26})) {
        y = clause(area, y, "9.6.2", "Vertikale Mindestbewehrung", "f\201r W\204nde [cm\375]");
        y = annex_rule(area, y, b, "(1)", 0, nullptr, &b->as_vmin_wall_mode, &b->as_vmin_wall, "NAD\\NAD_Func3b.bmp",
                       kReinforcement);
    }
    return y;
}

int fire_part(int area, int y, NadEc2Block* b)
{
    int* hsc_enable = b->country ? &ec2_sheet_locked : &ec2_sheet_editable;
    y = clause(area, y, "3.2.3", "Betonstahl");
    nad_ec2_sheet_row(area, y, kLine, "(5)", "", "Betonstahl-Klasse", kNadFontNote);
    sva_add_radio(area, 67, y, "N", kNadFontRow, BLACK_CI, 0, &b->rebar_class_fire, &ec2_sheet_editable);
    sva_add_radio(area, 110, y, "X", kNadFontRow, BLACK_CI, 1, &b->rebar_class_fire, &ec2_sheet_editable);
    y += kLine;
    y = clause(area, y, "3.3.3", "thermische Leitf\204higkeit des Betons");
    nad_ec2_sheet_row(area, y, 2 * kLine, "(1)", "", "", kNadFontNote);
    sva_add_bitmap(area, "NAD\\NAD_Func4.bmp", 206, y - 10, 382, y + 2 * kLine - 4, WHITE_CI);
    sva_add_radio(area, 55, y, b->lambda_c_mode == 1 ? "=  Grenzwert" : "= Funkt. von x", kNadFontNote, BLACK_CI, 1,
                  &b->lambda_c_mode, &ec2_sheet_editable);
    if (b->lambda_c_mode == 2) {
        sva_add_radio(area, 55, y + kLine, "mit x =", kNadFontNote, BLACK_CI, 2, &b->lambda_c_mode, &ec2_sheet_editable);
        nad_sheet_number(area, 136, y + kLine, &b->lambda_c_factor, "%5.3f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
    } else {
        sva_add_radio(area, 55, y + kLine, "x (Funktion wird ignoriert)", kNadFontNote, BLACK_CI, 2, &b->lambda_c_mode,
                      &ec2_sheet_editable);
    }
    y += 2 * kLine;
    y = clause(area, y, "6.1", "Hochfester Beton");
    nad_ec2_sheet_row(area, y, kLine, "(5)", "", "Beton-Klasse f\201r hochfesten Beton", kNadFontNote);
    for (int c = 1; c <= 3; ++c)
        sva_add_radio(area, 30 + 40 * c, y, c == 1 ? "1" : c == 2 ? "2" : "3", kNadFontRow, BLACK_CI, c, &b->hsc_class,
                      &ec2_sheet_editable);
    y += kLine;
    if (rules({28})) {
        y = clause(area, y, "6.4.2.1", "St\201tzen und W\204nde");
        y = value_row(area, y, "(3)", 0, nullptr, &b->k_hsc_section, "%5.3f", nullptr, nullptr, hsc_enable, "k");
    }
    if (rules({29})) {
        y = clause(area, y, "6.4.2.2", "Balken und Platten");
        y = value_row(area, y, "(2)", 0, nullptr, &b->k_m_hsc, "%5.3f", nullptr, nullptr, hsc_enable, "k m");
    }
    return y;
}

int bridge_part(int area, int y, NadEc2Block* b)
{
    if (rules({0})) {
        y = partial_factors(area, y, b->gamma_c_bridges, b->gamma_s_bridges, "Beton und Betonstahl nach Tab. 2.1DE");
        y = clause(area, y, "5.10.9", "Streuung der Vorspannkraft", "im Grenzz. d. Gebrauchstauglichkeit",
                   "und der Erm\201dung");
        const char* rows[2] = {"sofortiger oder ohne Verbund", "Nachtr\204glicher Verbund"};
        double* sup[2] = {&b->r_sup_pre, &b->r_sup_post};
        double* inf[2] = {&b->r_inf_pre, &b->r_inf_post};
        for (int i = 0; i < (rules({1}) ? 2 : 1); ++i) {
            nad_ec2_sheet_row(area, y, kLine, i == 0 ? "(1)P" : "", "", rows[i], kNadFontNote);
            nad_sheet_number(area, 76, y, sup[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            nad_sheet_number(area, 136, y, inf[i], "%5.2f", kNadFontRow, BLACK_CI, &ec2_sheet_editable);
            y += kLine;
        }
    }
    if (rules({2}) || rules({3})) {
        y = clause(area, y, "3.1.6", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        if (rules({2})) y = value_row(area, y, "(101)P", 0xE0, "cc", &b->alpha_cc_bridges);
        if (rules({3})) y = value_row(area, y, "(102)P", 0xE0, "ct", &b->alpha_ct_bridges);
    }
    if (rules({10})) {
        y = clause(area, y, "6.2.2", "Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung");
        y = value_row(area, y, "(101)", 0, nullptr, &b->c_rdc_bridges, "%5.2f", "/\300c", nullptr, &ec2_sheet_editable, "C Rd,c");
        y = alternatives(area, y, "", 0xC7, "min", &b->v_min_bridges_mode, &b->v_min_bridges, "NAD\\NAD_Func2a.bmp", true,
                         kVMin);
        y = value_row(area, y, "", 0, nullptr, &b->k1_shear_bridges, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
        y = clause(area, y, "6.2.3", "Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung");
        y = value_row(area, y, "(2)", 0, nullptr, &b->cot_theta_min_bridges, "%5.2f", nullptr, "untere Grenze",
                      &ec2_sheet_editable, "cot \260");
        y = value_row(area, y, "", 0, nullptr, &b->cot_theta_max_bridges, "%5.2f", nullptr, "obere Grenze",
                      &ec2_sheet_editable, "cot \260");
        y = value_row(area, y, "(103)", 0xE0, "cw", &b->alpha_cw_bridges);
        y = alternatives(area, y, "", 0xC7, "1", &b->nu_1_bridges_mode, &b->nu_1_bridges, "NAD\\NAD_Func7a.bmp", false,
                         kNu);
    }
    if (rules({17})) {
        y = clause(area, y, "6.8.7", "Nachweis gegen Erm\201dung des", "Betons unter Druck- oder", "Querkraftbeanspruchung");
        y = value_row(area, y, "(101)", 0, nullptr, &b->k1_fatigue_bridges, "%5.2f", nullptr, nullptr, &ec2_sheet_editable, "k1");
    }
    if (rules({2})) {
        y = clause(area, y, "7.2", "Begrenzung der Spannungen");
        const char* paras[5] = {"(102)", "(3)", "(5)", "(5)", "(5)"};
        const char* texts[5] = {"Faktor f\201r zul\204ssige Betondruckspannung", "Faktor f\201r Betondruckspannung",
                                "Faktor f\201r Stahlspannung", "(infolge indirekter Einwirkung)",
                                "Faktor f\201r Spannstahlspannung"};
        const char* names[5] = {"k1", "k2", "k3", "k4", "k5"};
        for (int i = 0; i < 5; ++i)
            y = value_row(area, y, paras[i], 0, nullptr, &b->k_stress_limits[i], "%5.2f", nullptr, texts[i],
                          &ec2_sheet_editable, names[i]);
    }
    if (rules({25})) {
        y = clause(area, y, "9.5.2", "Mindestbewehrung f\201r St\201tzen [cm\375]");
        y = alternatives(area, y, "(2)", 0, nullptr, &b->as_min_column_bridges_mode, &b->as_min_column_bridges,
                         "NAD\\NAD_Func3a.bmp", true, kReinforcement);
        y = value_row(area, y, "", 0, nullptr, &b->as_min_column_floor_bridges, "%5.3f", "A c", nullptr, &ec2_sheet_editable,
                      "\362");
    }
    return y;
}

} // namespace

int nad_ec2_sheet_row(int area, int y, int height, const char* c, const char* p, const char* e, int font)
{
    return nad_sheet_table_row(area, y, height, c, p, e, font, -5);
}

void nad_ec2_sheet(int area, NadEc2Block* b, int editable)
{
    nad_ec2_rule_flags();
    ec2_sheet_editable = editable != 0;
    nad_sheet_clear(area);
    if (b) {
        int y = heading(area, 7, "EN 1992-1-1 (Eurocode 2, Hochbau)", &ec2_buildings_open);
        if (ec2_buildings_open) {
            y = column_heads(area, y);
            y = buildings_strengths_and_cover(area, y, b);
            y = buildings_analysis(area, y, b);
            y = buildings_shear(area, y, b);
            y = buildings_detailing(area, y, b);
        }
        if (rules({27})) {
            y = heading(area, y + 6, "EN 1992-1-2 (Eurocode 2, Brandfall)", &ec2_fire_open);
            if (ec2_fire_open) y = fire_part(area, column_heads(area, y), b);
        }
        if (rules({31})) {
            y = heading(area, y + 6, "EN 1992-2 (Eurocode 2, Betonbr\201cken)", &ec2_bridges_open);
            if (ec2_bridges_open) bridge_part(area, column_heads(area, y), b);
        }
    }
    sva_update(area);
}
