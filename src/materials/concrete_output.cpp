#include "materials/concrete_output.h"

#include <cmath>
#include <cstring>

#include "helpers/mem_counted.h"
#include "helpers/rounding.h"
#include "output/oli_table.h"
#include "output/oli_writer.h"
#include "platform/os/c_numeric.h"

namespace {

// Symbols of the list's symbol set.
const char* const kAlpha = "\xBA";
const char* const kEpsilon = "\xBE";
const char* const kRho = "\xCB";
const char* const kGamma = "\xC0";
const char* const kPerMille = "\x89";

void block_start(FILE* f, int a, int b, int c)
{
    c_fprintf(f, "#SHOWTABLE\n%d %d %d\n", a, b, c);
}

void block_end(FILE* f)
{
    std::fputs("0 0 -1 -1\n#END_OF_TEXT\n", f);
}

void factor_line(FILE* f, double gamma_c, double gamma_s)
{
    const CNumericScope c_numbers;
    c_fprintf(f,
                 " Materialsicherheitsbeiwerte %s\xCE\\c\xCEr = %.2f, %s\xCE\\s\xCEr = %.2f\n",
                 kGamma, gamma_c, kGamma, gamma_s);
}

// The concrete line of the summaries, with the density of lightweight concrete.
void concrete_line(FILE* f, const ConcreteGradeRecord* c)
{
    const CNumericScope c_numbers;
    c_fprintf(f, " Betonfestigkeitsklasse \xCE" "b%s\xCEr", c->name);
    if (c->lightweight)
        c_fprintf(f, " mit %s\xCE\\c\xCEr = %.f kg/m\xCE/3\xCEr\n", kRho, c->density);
    else
        std::fputc('\n', f);
}

const char* qualifier(int kind)
{
    return kind == 1 ? "(Biegebewehrung) " : (kind == 2 ? "(Schubbewehrung) " : "");
}

// One line for the steel of both reinforcements, else one for each.
void rebar_lines(FILE* f, bool same, const char* bending, const char* shear)
{
    if (same) {
        c_fprintf(f, " Betonstahlsorte \xCE" "b%s\n", bending);
    } else {
        c_fprintf(f, " Betonstahlsorte (Biegebewehrung) \xCE" "b%s\n", bending);
        c_fprintf(f, " Betonstahlsorte (Schubbewehrung) \xCE" "b%s\n", shear);
    }
}

}  // namespace

void concrete_grade_output(FILE* f, const ConcreteGradeRecord* c)
{
    const CNumericScope c_numbers;
    if (!f || !c)
        return;
    block_start(f, 0, 1, 7);
    c_fprintf(f, " Betonfestigkeitsklasse \xCE" "b%s\n", c->name);
    c_fprintf(f,
                 "  charakteristische Zylinderdruckfestigkeit f\xCE\\" "ck\xCEr = %.1f MN/m\xCE/2\xCEr\n",
                 c->f_ck * 0.001);
    c_fprintf(f, "  Abminderungswert zur Ber\x81" "cksichtigung der Langzeitwirkung %s = %.3f\n",
                 kAlpha, c->alpha);
    c_fprintf(f, "  Dehnung bei Erreichen der Festigkeitsgrenze %s\xCE\\" "c2\xCEr = %.2f %s\n",
                 kEpsilon, c->eps_c2 * 1000.0, kPerMille);
    c_fprintf(f, "  maximale Dehnung %s\xCE\\" "c2u\xCEr = %.2f %s\n", kEpsilon,
                 c->eps_c2u * 1000.0, kPerMille);
    c_fprintf(f,
                 "  Exponent in Gl.65 (Parabelabschn. des Parabel-Rechteck Diagr.) n = %.2f\n",
                 c->n);
    c_fprintf(f, "  Dichte %s\xCE\\" "c\xCEr = %.f kg/m\xCE/3\xCEr\n", kRho, c->density);
    c_fprintf(f, "  mittlerer Elastizit\x84tsmodul E\xCE\\" "cm\xCEr = %.1f MN/m\xCE/2\xCEr\n",
                 c->e_cm * 0.001);
    block_end(f);
    oli_move_cm(f, -0.8);
}

void rebar_grade_output(FILE* f, const RebarGradeRecord* s, int kind)
{
    const CNumericScope c_numbers;
    if (!f || !s)
        return;
    block_start(f, 0, 1, 4);
    c_fprintf(f, " Betonstahlsorte %s\xCE" "b%s\n", qualifier(kind), s->name);
    c_fprintf(f,
                 "  charakteristischer Wert der Streckgrenze f\xCE\\" "yk\xCEr = %.1f MN/m\xCE/2\xCEr\n",
                 s->f_yk * 0.001);
    c_fprintf(f,
                 "  charakteristischer Wert der Zugfestigkeit f\xCE\\" "tk\xCEr = %.1f MN/m\xCE/2\xCEr\n",
                 s->f_tk * 0.001);
    c_fprintf(f, "  rechnerische Bruchdehnung %s\xCE\\" "su\xCEr = %.2f %s\n", kEpsilon,
                 s->eps_su * 1000.0, kPerMille);
    c_fprintf(f, "  Elastizit\x84tsmodul E\xCE\\s\xCEr = %.1f MN/m\xCE/2\xCEr\n", s->e_s * 0.001);
    block_end(f);
    oli_move_cm(f, -0.8);
}

void concrete_rebar_output(FILE* f, const ConcreteGradeRecord* c, const RebarGradeRecord* s,
                           double gamma_c, double gamma_s)
{
    const CNumericScope c_numbers;
    if (!f || !c || !s)
        return;
    const int slot = oli_store_position(f);
    oli_set_left_margin(f, 0.0);
    oli_set_right_margin(f, 0.0);
    concrete_grade_output(f, c);
    oli_restore_position(f, slot);
    oli_set_left_margin(f, 9.0);
    oli_set_right_margin(f, 0.0);
    rebar_grade_output(f, s, 0);
    block_start(f, 0, 1, 0);
    factor_line(f, gamma_c, gamma_s);
    block_end(f);
}

void concrete_material_summary(FILE* f, const ConcreteGradeRecord* c, const RebarGradeRecord* s,
                               double gamma_c, double gamma_s)
{
    const CNumericScope c_numbers;
    if (!f || !c || !s)
        return;
    block_start(f, 0, 3, 0);
    concrete_line(f, c);
    c_fprintf(f, " Betonstahlsorte \xCE" "b%s\n", s->name);
    factor_line(f, gamma_c, gamma_s);
    block_end(f);
}

void concrete_material_set_output(FILE* f, const ConcreteMaterialSet* set, int edition,
                                  const char* title)
{
    const CNumericScope c_numbers;
    if (!f || !set)
        return;
    if (title && *title) {
        block_start(f, 0, 1, 0);
        c_fprintf(f, " \xCE_%s:\n", title);
        block_end(f);
        oli_move_cm(f, -0.8);
    }
    const bool same = set->bending_code == set->shear_code &&
                      zero_at_decimals(set->bending.f_yk - set->shear.f_yk, 5);
    if (edition == 0) {
        block_start(f, 0, same ? 2 : 3, 0);
        c_fprintf(f, " Betonfestigkeitsklasse \xCE" "b%s\xCEr\n", set->old_concrete.name);
        rebar_lines(f, same, set->old_bending.name, set->old_shear.name);
        block_end(f);
        return;
    }
    const bool special = set->concrete_code <= CONCRETE_CODE_LAST_OLD || set->concrete_code == CONCRETE_CODE_FREE ||
                         set->bending_code <= REBAR_CODE_LAST_OLD || set->bending_code == REBAR_CODE_FREE ||
                         set->shear_code <= REBAR_CODE_LAST_OLD || set->shear_code == REBAR_CODE_FREE;
    if (special) {
        concrete_grade_output(f, &set->concrete);
        if (same) {
            rebar_grade_output(f, &set->bending, 0);
        } else {
            rebar_grade_output(f, &set->bending, 1);
            rebar_grade_output(f, &set->shear, 2);
        }
        return;
    }
    block_start(f, 0, same ? 2 : 3, 0);
    concrete_line(f, &set->concrete);
    rebar_lines(f, same, set->bending.name, set->shear.name);
    block_end(f);
}

void concrete_safety_factor_sheet(FILE* f, int level, const ConcreteSafetyFactors* factors,
                                  int mode, int second, const int* selection)
{
    const CNumericScope c_numbers;
    if (!f || !factors)
        return;
    oli_heading(f, level, "%s", "Materialsicherheitsbeiwerte");
    ConcreteSafetyFactors ref;
    concrete_safety_factors(mode, second, &ref);

    const int kEntry = 30;
    char* names = static_cast<char*>(mem_calloc_counted(5 * kEntry));
    double* gc = static_cast<double*>(mem_calloc_counted(5 * static_cast<int>(sizeof(double))));
    double* gs = static_cast<double*>(mem_calloc_counted(5 * static_cast<int>(sizeof(double))));
    int* mark_c = static_cast<int*>(mem_calloc_counted(5 * static_cast<int>(sizeof(int))));
    int* mark_s = static_cast<int*>(mem_calloc_counted(5 * static_cast<int>(sizeof(int))));
    int rows = 0, longest = 0;
    for (int i = 0; i < 5; ++i) {
        if (selection && selection[i] == 0)
            continue;
        char* name = names + rows * kEntry;
        c_snprintf(name, 30, "%.29s", design_situation_name(i));
        const int len = oli_visible_length(name);
        if (len > longest)
            longest = len;
        gc[rows] = factors->gamma_c[i];
        gs[rows] = factors->gamma_s[i];
        mark_c[rows] = zero_at_decimals(factors->gamma_c[i] - ref.gamma_c[i], 2) ? 0 : 1;
        mark_s[rows] = zero_at_decimals(factors->gamma_s[i] - ref.gamma_s[i], 2) ? 0 : 1;
        ++rows;
    }

    OliColumn* cols = nullptr;
    oli_table_columns_alloc(3, &cols);
    c_snprintf(cols[0].short_title, sizeof cols[0].short_title, "%s", "Bemessungssit.");
    c_snprintf(cols[0].type, sizeof cols[0].type, "%s", "TXT");
    cols[0].width = rows > 0 ? longest + 1 : 0;
    cols[0].decimals = kEntry;
    cols[0].values = names;
    const double* values[2] = {gc, gs};
    const int* marks[2] = {mark_c, mark_s};
    const char* const titles[2] = {"\xC0\xCE\\c\xCEr", "\xC0\xCE\\s\xCEr"};
    for (int k = 0; k < 2; ++k) {
        OliColumn& c = cols[k + 1];
        c_snprintf(c.short_title, sizeof c.short_title, "%s", titles[k]);
        c_snprintf(c.type, sizeof c.type, "%s", "-");
        c.width = 6;
        c.decimals = 2;
        c.values = values[k];
        c.bold_rows = marks[k];
    }
    OliTabelle(f, 3, rows, cols, nullptr, nullptr, 0, OLI_TABLE_NO_UNITS, nullptr, nullptr, 0, nullptr);

    mem_free_and_null(&cols);
    mem_free_and_null(&names);
    mem_free_and_null(&gc);
    mem_free_and_null(&gs);
    mem_free_and_null(&mark_c);
    mem_free_and_null(&mark_s);
}
