#pragma once
// Concrete strength classes and reinforcing-steel grades of DIN 1045 (7.88) and
// DIN 1045-1, the formulas derived from the characteristic strength, and the
// selection lists of grades. Stresses and moduli in kN/m² (25 N/mm² = 25000),
// strains as plain fractions with compression negative, density in kg/m³.
// Texts are in code page 850.

struct ConcreteGradeRecord {
    char name[56];
    double f_ck;
    double alpha;    // 0.85 normal-weight, 0.80 lightweight
    double eps_c1;
    double eps_c1u;
    double eps_c2;
    double eps_c2u;
    double n;
    int lightweight;
    double density;
    int e_auto;      // 1: E_cm follows from f_ck (and the density)
    double e_cm;
};

struct RebarGradeRecord {
    char name[56];
    double f_yk;
    double f_tk;
    double eps_su;
    double e_s;
};

struct OldConcreteGradeRecord {
    char name[24];
    double beta_wn;
    double beta_r;
    double tau_011;
    double tau_012;
    double tau_02;
    double tau_1_good;
    double tau_1_moderate;
    double e_b;
};

struct OldRebarGradeRecord {
    char name[24];
    double beta_s;
    double eps;
    double coefficient;
    double e_s;
};

// Density of normal-weight concrete (kg/m³), the reference of the lightweight factors (rho / 2200).
constexpr double CONCRETE_NORMAL_DENSITY = 2200.0;
// 1 / 2200², the factor of (rho / 2200)² on the modulus of lightweight concrete.
constexpr double CONCRETE_INV_NORMAL_DENSITY_SQUARED = 2.0661157024793388e-7;

// Grade codes: concrete 0-4 DIN 1045 (7.88), 5-19 DIN 1045-1 (index + 5), 20 free;
// steel 0-2 DIN 1045 (7.88), 3-4 DIN 1045-1 (index + 3), 5 free.
enum : int {
    CONCRETE_CODE_LAST_OLD = 4,   // B55, the last DIN 1045 (7.88) concrete
    CONCRETE_CODE_FIRST_DIN1045_1 = 5,
    CONCRETE_CODE_FREE = 20,
    REBAR_CODE_LAST_OLD = 2,      // BSt 500 S, the last DIN 1045 (7.88) steel
    REBAR_CODE_BST500A = 3,       // the first DIN 1045-1 steel
    REBAR_CODE_BST500B = 4,
    REBAR_CODE_FREE = 5,
    // flag words of the list entries
    GRADE_FLAG_OLD_CONCRETE = 0x1,
    GRADE_FLAG_LIGHTWEIGHT = 0x2,
    GRADE_FLAG_FREE_CONCRETE = 0x4,
    GRADE_FLAG_OLD_REBAR = 0x10,
    GRADE_FLAG_FREE_REBAR = 0x20,
    GRADE_FLAG_SEPARATOR = 0x1000
};

struct GradeList {
    int edition;     // 0: DIN 1045 (7.88) only
    int show_alpha;  // concrete lists: bit 3 of the build flags
    int count;
    int width;       // characters per name: 9 concrete, 13 steel
    char* names;     // count x width
    int* colours;    // colour value of each entry (r | g << 8 | b << 16)
    int* flags;
    int* codes;      // -1 for a separator
};

void old_concrete_grade(OldConcreteGradeRecord* record, int index);
void old_rebar_grade(OldRebarGradeRecord* record, int index);
int old_concrete_free_definition(OldConcreteGradeRecord* record);
int old_rebar_free_definition(OldRebarGradeRecord* record);

void concrete_grade_din1045_1(ConcreteGradeRecord* record, int index, int lightweight, double density);
void old_concrete_as_din1045_1(ConcreteGradeRecord* record, int index);
void rebar_grade_din1045_1(RebarGradeRecord* record, int index);
void rebar_grade_b500(RebarGradeRecord* record, int index);
void old_rebar_as_din1045_1(RebarGradeRecord* record, int index);

double concrete_e_c0m(double f_ck);
double concrete_e_modulus(double f_ck);
double concrete_eta1(double density);
double concrete_fctm(double f_ck, double density);
double concrete_fctk005(double f_ck, double density);
double concrete_age_factor(double age_days, int cement_class);
void concrete_eps_c1_by_fck(double* eps_c1, double* eps_c1u, double f_ck);
double concrete_gamma_c(double f_ck, int situation);
double rebar_gamma_s(int situation);
double concrete_neg_ratio(double a, double b, double c);

// Name of the DIN 1045-1 grade of an index (empty outside 0..14); lightweight names
// are empty from index 11 on.
const char* concrete_din1045_1_name(int index, int lightweight);

GradeList* concrete_grade_list(int edition, int build_flags);
GradeList* rebar_grade_list(int edition);
int grade_list_index_of(const GradeList* list, int code, int flag_mask);
// Code and flag word of an entry (a separator answers for the entry above it);
// -1 and 0 for an entry outside the list. flags_out may be null.
void grade_list_code_at(const GradeList* list, int entry, int* code_out, int* flags_out);
void grade_list_free(GradeList* list);
