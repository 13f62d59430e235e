#include "materials/concrete_grades.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "helpers/mem_counted.h"
#include "helpers/rounding.h"
#include "platform/os/codepage.h"

namespace {

struct OldConcreteRow {
    const char* name;
    double beta_wn, beta_r, tau_011, tau_012, tau_02, tau_1_good, tau_1_moderate, e_b;
};

// DIN 1045 (7.88), Tables 1, 12, 13 and 19
const OldConcreteRow kOldConcrete[5] = {
    {"B15", 15000, 10500, 250, 350, 1200, 1400, 700, 26000000},
    {"B25", 25000, 17500, 350, 500, 1800, 1800, 900, 30000000},
    {"B35", 35000, 23000, 400, 600, 2400, 2200, 1100, 34000000},
    {"B45", 45000, 27000, 500, 700, 2700, 2600, 1300, 37000000},
    {"B55", 55000, 30000, 550, 800, 3000, 3000, 1500, 39000000},
};

struct OldRebarRow {
    const char* name;
    double beta_s, coefficient, f_tk;
};
const OldRebarRow kOldRebar[3] = {
    {"BSt 220/340", 220000, 1.01, 340000},
    {"BSt 420 S", 420000, 1.3, 420000},
    {"BSt 500 S", 500000, 1.4, 500000},
};

struct ConcreteRow {
    const char* name;
    const char* lightweight_name;
    double f_ck, eps_c1, eps_c1u, eps_c2, eps_c2u, n;  // strains in per mille
};

// DIN 1045-1, Table 9 (normal-weight) and Table 10 (lightweight names)
const ConcreteRow kConcrete[15] = {
    {"C12/15", "LC12/13", 12000, -1.8, -3.5, -2.0, -3.5, 2.0},
    {"C16/20", "LC16/18", 16000, -1.9, -3.5, -2.0, -3.5, 2.0},
    {"C20/25", "LC20/22", 20000, -2.1, -3.5, -2.0, -3.5, 2.0},
    {"C25/30", "LC25/28", 25000, -2.2, -3.5, -2.0, -3.5, 2.0},
    {"C30/37", "LC30/33", 30000, -2.3, -3.5, -2.0, -3.5, 2.0},
    {"C35/45", "LC35/38", 35000, -2.4, -3.5, -2.0, -3.5, 2.0},
    {"C40/50", "LC40/44", 40000, -2.5, -3.5, -2.0, -3.5, 2.0},
    {"C45/55", "LC45/50", 45000, -2.55, -3.5, -2.0, -3.5, 2.0},
    {"C50/60", "LC50/55", 50000, -2.6, -3.5, -2.0, -3.5, 2.0},
    {"C55/67", "LC55/60", 55000, -2.65, -3.4, -2.03, -3.1, 2.0},
    {"C60/75", "LC60/66", 60000, -2.7, -3.3, -2.06, -2.7, 1.9},
    {"C70/85", "", 70000, -2.8, -3.2, -2.10, -2.5, 1.8},
    {"C80/95", "", 80000, -2.9, -3.1, -2.14, -2.4, 1.7},
    {"C90/105", "", 90000, -2.95, -3.0, -2.17, -2.3, 1.6},
    {"C100/115", "", 100000, -3.0, -3.0, -2.20, -2.2, 1.55},
};

const char* const kNotStandard = "%s (nicht mehr genormt!)";

// Colours of the lists as the screen's colour values: r | g << 8 | b << 16.
enum : int {
    COLOUR_GREEN = 0x00A400,    // (0, 164, 0)
    COLOUR_ORANGE = 0x00A4EA,   // (234, 164, 0)
    COLOUR_BLACK = 0x000000,
    COLOUR_BROWN = 0x427E9B,    // (155, 126, 66)
    COLOUR_BLUE = 0xFF0000      // (0, 0, 255)
};

// f_cm = f_ck + 8 N/mm² and E_c0m = 9500 f_cm^(1/3) N/mm² (DIN 1045-1, 9.1.3), here in kN/m².
constexpr double kFcmOverFck = 8.0;         // N/mm²
constexpr double kEc0mFactor = 9500000.0;   // kN/m² per (N/mm²)^(1/3)
// |E_c0m| or a divisor below this counts as zero.
constexpr double kZeroDivisor = 0.00001;

// alpha_i = 0.8 + f_cm/440, at most 1.0 (DIN 1045-1, 9.1.3)
double alpha_i(double f_cm)
{
    const double r = f_cm / 440.0;
    return r < 0.19999999999999996 ? 0.8 + r : 1.0;
}

void set_name(char* dst, size_t size, const char* text)
{
    std::snprintf(dst, size, "%s", text);
}

int clamp_index(int index, int top)
{
    if (index < 0)
        return 0;
    return index > top ? top : index;
}

GradeList* new_list(int capacity, int width)
{
    GradeList* l = static_cast<GradeList*>(mem_calloc_counted(sizeof(GradeList)));
    l->width = width;
    l->names = static_cast<char*>(mem_calloc_counted(capacity * width));
    l->colours = static_cast<int*>(mem_calloc_counted(capacity * static_cast<int>(sizeof(int))));
    l->flags = static_cast<int*>(mem_calloc_counted(capacity * static_cast<int>(sizeof(int))));
    l->codes = static_cast<int*>(mem_calloc_counted(capacity * static_cast<int>(sizeof(int))));
    return l;
}

void add_entry(GradeList* l, const char* name, int colour, int flags, int code)
{
    set_name(l->names + l->count * l->width, static_cast<size_t>(l->width), name);
    l->colours[l->count] = colour;
    l->flags[l->count] = flags;
    l->codes[l->count] = code;
    ++l->count;
}

void add_separator(GradeList* l)
{
    add_entry(l, "-------", COLOUR_ORANGE, GRADE_FLAG_SEPARATOR, -1);
}

}  // namespace

void old_concrete_grade(OldConcreteGradeRecord* r, int index)
{
    const OldConcreteRow& row = kOldConcrete[clamp_index(index, 4)];
    set_name(r->name, sizeof r->name, row.name);
    r->beta_wn = row.beta_wn;
    r->beta_r = row.beta_r;
    r->tau_011 = row.tau_011;
    r->tau_012 = row.tau_012;
    r->tau_02 = row.tau_02;
    r->tau_1_good = row.tau_1_good;
    r->tau_1_moderate = row.tau_1_moderate;
    r->e_b = row.e_b;
}

void old_rebar_grade(OldRebarGradeRecord* r, int index)
{
    const OldRebarRow& row = kOldRebar[clamp_index(index, 2)];
    set_name(r->name, sizeof r->name, row.name);
    r->beta_s = row.beta_s;
    r->eps = 0.005;
    r->coefficient = row.coefficient;
    r->e_s = 210000000.0;
}

namespace {

// The refusal of a free definition on the console, whose bytes are UTF-8 where ours are code page 437.
void print_no_free_definition(const char* what, const char* fallback)
{
    char line[160];
    std::snprintf(line, sizeof line, "Freie %s f\x81r %s nicht m\x94glich!\nIntialiesierung mit %s.\n", what,
                  "DIN 1045 (7.88)", fallback);
    std::fputs(codepage::cp437_to_utf8(line).c_str(), stdout);
}

} // namespace

int old_concrete_free_definition(OldConcreteGradeRecord* r)
{
    print_no_free_definition("Betondef.", "B25");
    old_concrete_grade(r, 1);
    return 1;
}

int old_rebar_free_definition(OldRebarGradeRecord* r)
{
    print_no_free_definition("Stahldef.", "BSt 500 S");
    old_rebar_grade(r, 2);
    return 1;
}

const char* concrete_din1045_1_name(int index, int lightweight)
{
    if (index < 0 || index > 14)
        return "";
    return lightweight ? kConcrete[index].lightweight_name : kConcrete[index].name;
}

// DIN 1045-1, Tables 9 and 10: a normal-weight or lightweight concrete with its moduli from 9.1.3
void concrete_grade_din1045_1(ConcreteGradeRecord* r, int index, int lightweight, double density)
{
    r->lightweight = lightweight;
    if (lightweight) {
        r->density = density;
        r->alpha = 0.80;
    } else {
        r->density = CONCRETE_NORMAL_DENSITY;
        r->alpha = 0.85;
    }
    if (index < 0 || index > 14)
        return;
    const ConcreteRow& row = kConcrete[index];
    set_name(r->name, sizeof r->name, lightweight ? row.lightweight_name : row.name);
    r->f_ck = row.f_ck;
    if (!lightweight) {
        r->eps_c1 = row.eps_c1 * 0.001;
        r->eps_c1u = row.eps_c1u * 0.001;
    }
    r->eps_c2 = row.eps_c2 * 0.001;
    r->eps_c2u = row.eps_c2u * 0.001;
    r->n = row.n;
    r->e_auto = 1;
    const double f_cm = r->f_ck / 1000.0 + kFcmOverFck;
    const double e_c0m = kEc0mFactor * std::cbrt(f_cm);
    r->e_cm = alpha_i(f_cm) * e_c0m;
    if (lightweight) {
        // DIN 1045-1, Table 10: eps_lc1 = -1.2 f_lcm / E_lc0m; E scaled by (rho/2200)^2
        const double e = (e_c0m > -kZeroDivisor && e_c0m < kZeroDivisor)
                             ? 0.0
                             : -1.2 * (r->f_ck + kFcmOverFck * 1000.0) / e_c0m;
        r->eps_c1 = r->eps_c1u = e;
        r->e_cm = alpha_i(f_cm) * e_c0m * r->density * r->density * CONCRETE_INV_NORMAL_DENSITY_SQUARED;
    }
}

// DIN 1045-1, Table 9: eps_c1 and eps_c1u interpolated between the strength classes
void concrete_eps_c1_by_fck(double* eps_c1, double* eps_c1u, double f_ck)
{
    double a, b;
    if (f_ck <= 12000.0) {
        a = -0.0018;
        b = -0.0035;
    } else if (f_ck > 100000.0) {
        a = b = -0.003;
    } else {
        int i = 1;
        while (i < 14 && kConcrete[i].f_ck < f_ck)
            ++i;
        const ConcreteRow& lo = kConcrete[i - 1];
        const ConcreteRow& hi = kConcrete[i];
        const double t = (f_ck - lo.f_ck) / (hi.f_ck - lo.f_ck);
        a = (lo.eps_c1 + t * (hi.eps_c1 - lo.eps_c1)) * 0.001;
        b = (lo.eps_c1u + t * (hi.eps_c1u - lo.eps_c1u)) * 0.001;
    }
    if (eps_c1)
        *eps_c1 = a;
    if (eps_c1u)
        *eps_c1u = b;
}

void old_concrete_as_din1045_1(ConcreteGradeRecord* r, int index)
{
    const OldConcreteRow& row = kOldConcrete[clamp_index(index, 4)];
    std::snprintf(r->name, sizeof r->name, kNotStandard, row.name);
    r->f_ck = 0.78125 * row.beta_wn;
    r->alpha = 0.85;
    concrete_eps_c1_by_fck(&r->eps_c1, &r->eps_c1u, r->f_ck);
    r->lightweight = 0;
    r->e_auto = 1;
    r->eps_c2 = -0.002;
    r->eps_c2u = -0.0035;
    r->n = 2.0;
    r->density = CONCRETE_NORMAL_DENSITY;
    r->e_cm = row.e_b;
}

namespace {
void fill_rebar(RebarGradeRecord* r, int index, const char* const names[2])
{
    if (index < 0 || index > 1)
        return;
    set_name(r->name, sizeof r->name, names[index]);
    r->f_yk = 500000.0;
    r->f_tk = 525000.0;  // 1.05 f_yk
    r->eps_su = 0.025;
    r->e_s = 200000000.0;
}
}  // namespace

void rebar_grade_din1045_1(RebarGradeRecord* r, int index)
{
    static const char* const names[2] = {"BSt 500 (A)", "BSt 500 (B)"};
    fill_rebar(r, index, names);
}

void rebar_grade_b500(RebarGradeRecord* r, int index)
{
    static const char* const names[2] = {"B500A", "B500B"};
    fill_rebar(r, index, names);
}

void old_rebar_as_din1045_1(RebarGradeRecord* r, int index)
{
    const OldRebarRow& row = kOldRebar[clamp_index(index, 2)];
    std::snprintf(r->name, sizeof r->name, kNotStandard, row.name);
    r->f_yk = row.beta_s;
    r->f_tk = row.f_tk;
    r->eps_su = 0.005;
    r->e_s = 210000000.0;
}

// DIN 1045-1, 9.1.3: E_c0m = 9500 (f_ck + 8)^(1/3)
double concrete_e_c0m(double f_ck)
{
    return kEc0mFactor * std::cbrt(f_ck / 1000.0 + kFcmOverFck);
}

// DIN 1045-1, 9.1.3: E_cm = alpha_i E_c0m
double concrete_e_modulus(double f_ck)
{
    return alpha_i(f_ck / 1000.0 + kFcmOverFck) * concrete_e_c0m(f_ck);
}

// DIN 1045-1, Table 10: eta_1 = 0.40 + 0.60 rho / 2200 of lightweight concrete
double concrete_eta1(double density)
{
    return 0.4 + 0.6 * density / CONCRETE_NORMAL_DENSITY;
}

namespace {
// f_ctm in N/mm² rounded to 1 decimal (DIN 1045-1, Table 9)
double fctm_rounded(double f_ck)
{
    const double f = std::floor(f_ck + 0.5);
    const double v = f < 55000.0 ? 0.30 * std::pow(f / 1000.0, 2.0 / 3.0)
                                 : 2.12 * std::log(1.0 + (f / 1000.0 + kFcmOverFck) / 10.0);
    return static_cast<double>(round_to_decimals(v, 1));
}
}  // namespace

// DIN 1045-1, Tables 9 and 10: f_ctm = eta_1 f_ctm of normal-weight concrete
double concrete_fctm(double f_ck, double density)
{
    return fctm_rounded(f_ck) * concrete_eta1(density) * 1000.0;
}

// DIN 1045-1, Tables 9 and 10: f_ctk;0,05 = 0.7 f_ctm
double concrete_fctk005(double f_ck, double density)
{
    return fctm_rounded(f_ck) * concrete_eta1(density) * 700.0;
}

// EN 1992-1-1, 3.1.2 (3.2): strength development beta_cc(t) = exp(s (1 - (28/t)^0.5))
double concrete_age_factor(double age_days, int cement_class)
{
    double s;
    switch (cement_class) {
    case 1: s = 0.38; break;
    case 2: s = 0.25; break;
    case 3: s = 0.20; break;
    default: s = 0.21; break;
    }
    if (age_days <= 1.0)
        return 1.0;
    return std::exp(s * (1.0 - std::sqrt(28.0 / age_days)));
}

// DIN 1045-1, 5.3.3: partial factor gamma_c, raised by 1 / (1.1 - f_ck/500) above C50/60
double concrete_gamma_c(double f_ck, int situation)
{
    const double base = situation == 1 ? 1.3 : (situation == 4 ? 1.0 : 1.5);
    const double high = 1.0 / (1.1 - f_ck / 500000.0);
    return base * (high > 1.0 ? high : 1.0);
}

// DIN 1045-1, 5.3.3: partial factor gamma_s of reinforcing steel
double rebar_gamma_s(int situation)
{
    return situation == 1 ? 1.0 : 1.15;
}

double concrete_neg_ratio(double a, double b, double c)
{
    if (c > -kZeroDivisor && c < kZeroDivisor)
        return 0.0;
    return -a * b / c;
}

GradeList* concrete_grade_list(int edition, int f)
{
    GradeList* l = new_list(35, 9);
    l->edition = edition;
    l->show_alpha = (f & 0x8) ? 1 : 0;
    if (f & 0x1) {
        for (int i = 0; i < 5; ++i)
            add_entry(l, kOldConcrete[i].name, COLOUR_GREEN, GRADE_FLAG_OLD_CONCRETE, i);
        if (edition == 0)
            return l;
        add_separator(l);
    }
    if (edition == 0)
        return l;
    for (int i = 0; i < 15; ++i)
        add_entry(l, kConcrete[i].name, COLOUR_BLACK, 0, i + 5);
    if (f & 0x2) {
        add_separator(l);
        for (int i = 0; i < 11; ++i)
            add_entry(l, kConcrete[i].lightweight_name, COLOUR_BROWN, GRADE_FLAG_LIGHTWEIGHT, i + 5);
    }
    if (f & 0x4) {
        add_separator(l);
        add_entry(l, "frei", COLOUR_BLUE, GRADE_FLAG_FREE_CONCRETE, CONCRETE_CODE_FREE);
    }
    return l;
}

GradeList* rebar_grade_list(int edition)
{
    GradeList* l = new_list(8, 13);
    l->edition = edition;
    for (int i = 0; i < 3; ++i)
        add_entry(l, kOldRebar[i].name, COLOUR_GREEN, GRADE_FLAG_OLD_REBAR, i);
    if (edition == 0)
        return l;
    add_separator(l);
    add_entry(l, edition == 2 ? "B500A" : "BSt 500 (A)", COLOUR_BLACK, 0, 3);
    add_entry(l, edition == 2 ? "B500B" : "BSt 500 (B)", COLOUR_BLACK, 0, 4);
    add_separator(l);
    add_entry(l, "frei", COLOUR_BLUE, GRADE_FLAG_FREE_REBAR, REBAR_CODE_FREE);
    return l;
}

int grade_list_index_of(const GradeList* l, int code, int mask)
{
    if (!l)
        return 0;
    for (int i = 0; i < l->count; ++i)
        if (l->codes[i] == code && (mask == 0 || (l->flags[i] & mask)))
            return i;
    return 0;
}

void grade_list_code_at(const GradeList* l, int entry, int* code_out, int* flags_out)
{
    int code = -1, flags = 0;
    if (l && entry >= 0 && entry < l->count) {
        int i = entry;
        while (i > 0 && (l->flags[i] & GRADE_FLAG_SEPARATOR))
            --i;
        code = l->codes[i];
        flags = l->flags[i];
    }
    if (code_out)
        *code_out = code;
    if (flags_out)
        *flags_out = flags;
}

void grade_list_free(GradeList* l)
{
    if (!l)
        return;
    mem_free_and_null(&l->names);
    mem_free_and_null(&l->colours);
    mem_free_and_null(&l->flags);
    mem_free_and_null(&l->codes);
    mem_free_and_null(&l);
}
