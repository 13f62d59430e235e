#include "materials/steel_grades.h"

#include "materials/name_list.h"
#include "materials/user_grades.h"
#include "platform/screen/prop_sheet.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const int kBuiltIn = 44;
const char* const kUnknown = "?????";

struct Base {
    const char* name1;
    const char* name2;  // name in the second table
    double fy1_1;       // f_y (t <= t1), first table
    double fy1_2;       // f_y (t <= t1), second table
    double fy2, t1, t2, fu, factor;
};

// f_y by thickness, f_u: DIN EN 10025 / DIN 18800 values; second table with the nominal EN values.
const Base kGrades[kBuiltIn] = {
    {"S235JR (St37-2)", "S235JR (St37-2)", 240, 235, 215, 40, 100, 360, 0.95},
    {"S235JRG1 (USt37-2)", "S235JRG1 (USt37-2)", 240, 235, 215, 40, 100, 360, 0.95},
    {"S235JRG2 (RSt37-2)", "S235JRG2 (RSt37-2)", 240, 235, 215, 40, 100, 360, 0.95},
    {"S235J0 (St37-3)", "S235J0 (St37-3)", 240, 235, 215, 40, 100, 360, 0.95},
    {"S355J0 (St52-3)", "S355J0 (St52-3)", 360, 355, 335, 40, 80, 490, 0.8},
    {"S235 (St37)", "S235", 240, 235, 215, 40, 100, 360, 0.95},
    {"S275 (St44)", "S275", 275, 275, 255, 40, 80, 410, 0.95},
    {"S355 (St52)", "S355", 360, 355, 335, 40, 80, 490, 0.8},
    {"S275 N/NL", "S275 N/NL", 275, 275, 255, 40, 80, 370, 0.95},
    {"S275 M/ML", "S275 M/ML", 275, 275, 255, 40, 80, 370, 0.95},
    {"S355 N/NL", "S355 N/NL", 360, 355, 335, 40, 80, 470, 0.8},
    {"S355 M/ML", "S355 M/ML", 360, 355, 335, 40, 80, 450, 0.8},
    {"S460 N/NL", "S460 N/NL", 460, 460, 430, 40, 80, 550, 0.6},
    {"S460 M/ML", "S460 M/ML", 460, 460, 430, 40, 80, 530, 0.6},
    {"S 240 GP", "S 240 GP", 240, 240, 215, 40, 80, 340, 0.95},
    {"S 270 GP", "S 270 GP", 270, 270, 250, 40, 80, 410, 0.95},
    {"S 320 GP", "S 320 GP", 320, 320, 295, 40, 80, 440, 0.95},
    {"S 355 GP", "S 355 GP", 355, 355, 330, 40, 80, 480, 0.8},
    {"S 390 GP", "S 390 GP", 390, 390, 365, 40, 80, 490, 0.8},
    {"S 430 GP", "S 430 GP", 430, 430, 400, 40, 80, 510, 0.6},
    {"St Sp 460", "St Sp 460", 460, 460, 430, 40, 80, 550, 0.6},
    {"St Sp 500", "St Sp 500", 500, 500, 460, 40, 80, 590, 0.6},
    {"FK 3.6", "FK 3.6", 180, 180, 180, 80, 80, 300, 0.6},
    {"FK 4.6", "FK 4.6", 240, 240, 240, 80, 80, 400, 0.6},
    {"FK 4.8", "FK 4.8", 320, 320, 320, 80, 80, 400, 0.6},
    {"FK 5.6", "FK 5.6", 300, 300, 300, 80, 80, 500, 0.6},
    {"FK 5.8", "FK 5.8", 400, 400, 400, 80, 80, 500, 0.6},
    {"FK 8.8", "FK 8.8", 640, 640, 640, 80, 80, 800, 0.6},
    {"FK 10.9", "FK 10.9", 900, 900, 900, 80, 80, 1000, 0.6},
    {"S235 (1052)", "S235 (1052)", 240, 240, 215, 40, 100, 360, 0.95},
    {"S275 (1052)", "S275 (1052)", 275, 275, 255, 40, 80, 430, 0.95},
    {"S355 (1052)", "S355 (1052)", 360, 360, 335, 40, 80, 510, 0.8},
    {"S450", "S450", 440, 440, 410, 40, 80, 550, 0.6},
    {"S420 N/NL", "S420 N/NL", 420, 420, 390, 40, 80, 520, 0.6},
    {"S420 M/ML", "S420 M/ML", 420, 420, 390, 40, 80, 520, 0.6},
    {"S220GD", "S220GD", 220, 220, 220, 40, 100, 300, 0.6},
    {"S250GD", "S250GD", 250, 250, 250, 40, 100, 330, 0.6},
    {"S280GD", "S280GD", 280, 280, 280, 40, 100, 360, 0.6},
    {"S320GD", "S320GD", 320, 320, 320, 40, 100, 390, 0.6},
    {"S350GD", "S350GD", 350, 350, 350, 40, 100, 420, 0.6},
    {"S390GD", "S390GD", 390, 390, 390, 40, 100, 460, 0.6},
    {"S420GD", "S420GD", 420, 420, 420, 40, 100, 480, 0.6},
    {"S450GD", "S450GD", 450, 450, 450, 40, 100, 510, 0.6},
    {"S550GD", "S550GD", 550, 550, 550, 40, 100, 560, 0.6},
};

// EN 1993-1-1, 3.2.6: E, G, Poisson's ratio and the coefficient of thermal expansion of structural steel
// (N/mm², 1/K).
constexpr double kSteelE = 210000, kSteelG = 81000, kSteelNu = 0.3, kSteelAlphaT = 1.2e-05;

struct Tables {
    SteelGradeRecord rows[2][kBuiltIn];
    SteelGradeRecord defaults[2];
    Tables()
    {
        for (int t = 0; t < 2; ++t) {
            for (int i = 0; i < kBuiltIn; ++i) {
                const Base& b = kGrades[i];
                rows[t][i] = SteelGradeRecord{(t << 16) | i, t ? b.name2 : b.name1, kSteelE, kSteelG,
                                              kSteelNu, kSteelAlphaT, t ? b.fy1_2 : b.fy1_1, b.fy2, b.t1, b.t2, b.fu,
                                              b.factor};
            }
            defaults[t] = SteelGradeRecord{44, kUnknown, kSteelE, kSteelG, kSteelNu, kSteelAlphaT,
                                           t ? 235.0 : 240.0, 215, 40, 100, 360, 0.95};
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

// User grades, each with its own copy of the name.
UserGrades<SteelGradeRecord, &SteelGradeRecord::code, &SteelGradeRecord::name> user_grades(kUnknown);

} // namespace

const SteelGradeRecord* steel_grade_default(int table)
{
    return &tables().defaults[table == 1 ? 1 : 0];
}

const SteelGradeRecord* steel_grade_record(int code)
{
    if (code & 0x8000) {
        const int i = user_grades.find(code);
        return i >= 0 ? user_grades.at(i) : steel_grade_default(code >> 16 == 1 ? 1 : 0);
    }
    int table = (code >> 16) == 1 ? 1 : 0;
    int index = code & 0xffff;
    if (index >= kBuiltIn)
        return steel_grade_default(table);
    return &tables().rows[table][index];
}

const char* steel_grade_name(int code)
{
    const SteelGradeRecord* r = steel_grade_record(code);
    return r->name ? r->name : kUnknown;
}

double steel_grade_fy(int code, double thickness)
{
    const SteelGradeRecord* r = steel_grade_record(code);
    return thickness > r->t1 ? r->f_y2 : r->f_y1;
}

double steel_grade_e(int code, double* g_out)
{
    const SteelGradeRecord* r = steel_grade_record(code);
    if (g_out)
        *g_out = r->g;
    return r->e;
}

// EN 1993-1-1, 6.2.6 (6.18): design strengths f_y / gamma_M, in shear f_y / (sqrt(3) gamma_M)
bool steel_design_strengths(int code, double thickness, double gamma_m, double out[4])
{
    if (!out)
        return false;
    double fd = gamma_m != 0.0 ? steel_grade_fy(code, thickness) / gamma_m : 0.0;
    out[0] = out[1] = out[3] = fd;
    out[2] = fd * 0.5773502691896258;  // f_d / sqrt(3)
    if (code & 0x8000)
        return true;
    return (code & 0xffff) < kBuiltIn;
}

int steel_grade_add(const SteelGradeRecord* record) { return record ? user_grades.add(*record) : 0; }

int steel_grade_remove(int code) { return user_grades.remove(code); }

void steel_grade_clear_user() { user_grades.clear(); }

int steel_grade_user_count() { return user_grades.count(); }

const SteelGradeRecord* steel_grade_user_at(int i)
{
    const SteelGradeRecord* r = user_grades.at(i);
    return r ? r : steel_grade_default(1);
}

int steel_grade_code_at(int i, const int* codes, int n) { return key_at(codes, n, i, 5); }

int steel_grade_fill_list(void* list, StringListAppend append, const int* codes, int n, int key)
{
    return fill_name_list(list, append, codes, n, key, steel_grade_name);
}

int steel_grade_fill_list(void* list, const int* codes, int n, int key)
{
    return fill_name_list(list, Fill_Stringlist_of_PS, codes, n, key, steel_grade_name);
}
