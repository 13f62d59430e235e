#include "materials/alu_grades.h"

#include "materials/name_list.h"
#include "materials/user_grades.h"
#include "platform/screen/prop_sheet.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kUnknown = "?????";
// A value no source at hand gives.
constexpr double kNotAvailable = -1.0;

// Display names of the 97 built-in grades, code page 437 (0xF3 is the sign "less or equal").
const char* const kNames[ALU_BUILTIN_COUNT] = {
    "3004 H14", "3004 H24/H34", "3004 H16", "3004 H26/H36", "3005 H14", "3005 H24", "3005 H16",
    "3005 H26", "3103 H14", "3103 H24", "3103 H16", "3103 H26", "5005 O/H111", "5005 H12",
    "5005 H22/H32", "5005 H14", "5005 H24/H34", "5052 H12", "5052 H22/H32", "5052 H14",
    "5052 H24/H34", "5049 O/H111", "5049 H14", "5049 H24/H34", "5454 O/H111", "5454 H14",
    "5454 H24/H34", "5754 O/H111", "5754 H14", "5754 H24/H34", "5083 O/H111 \xF3 50",
    "5083 O/H111 > 50", "5083 H12", "5083 H22/H32", "5083 H14", "5083 H24/H34", "6061 T4/T451",
    "6061 T6/T651", "6061 T651", "6082 T4/T451", "6082 T61/T6151", "6082 T6151", "6082 T6/T651",
    "6082 T6/T651", "6082 T651", "7020 T6", "7020 T651", "8011A H14", "8011A H24", "8011A H16",
    "8011A H26", "5083 O/H111/F/H112", "5083 H12/22/32", "5083 H14/24/34", "5454 O/H111/F/H112",
    "5754 O/H111/F/H112", "5754 H14/24/H34", "6060 T5 \xF3 5", "6060 T5 > 5", "6060 T6 \xF3 15",
    "6060 T6 \xF3 20", "6060 T64", "6060 T66 \xF3 3", "6060 T66 > 3", "6061 T4 < 25",
    "6061 T4 \xF3 20", "6061 T6 < 25", "6061 T6 \xF3 20", "6063 T5 \xF3 3", "6063 T5 > 3",
    "6063 T6 \xF3 25", "6063 T6 \xF3 20", "6063 T66 \xF3 10", "6063 T66 > 10", "6063 T66 \xF3 20",
    "6005A T6 \xF3 5", "6005A T6 \xF3 10", "6005A T6 > 10", "6005A T6 \xF3 5", "6005A T6 > 5",
    "6106 T6", "6082 T4", "6082 T5", "6082 T6 \xF3 5 (EP,ET)", "6082 T6 > 5", "6082 T6 \xF3 20",
    "6082 T6 > 20", "6082 T6 \xF3 5 (DT)", "6082 T6 > 5 (DT)", "7020 T6 \xF3 15", "7020 T6 \xF3 40",
    "7020 T6 \xF3 20", "5754 H112 (L)", "5083 H112 (L)", "5083 H112 (T)", "6082 T6 (L)",
    "6082 T6 (T)",
};

struct Values {
    int id;
    const char* alloy;
    const char* temper;
    double t_min, t_max, f_o, f_u, a, f_o_haz, f_u_haz, rho_o_haz, rho_u_haz;
    const char* cls;
    double n_p;
    AluValueSource source;
};

// Characteristic values: f_o, f_u, A50, f_o,haz, f_u,haz, rho_o,haz, rho_u,haz, buckling class,
// n_p, and where they come from. Ids 0-46: EN 1999-1-1:2007+A1, Table 3.2a (sheet, strip and
// plate); a thickness range starting at 0.2 or 0.4 mm is held from 0; a range continuing
// another one starts 0.001 mm above it. Ids 51-80: Table 3.2b (extrusions, drawn tube); id 96:
// Table 3.2c (forging, transversal; no HAZ values). Grades whose values are not held here
// (8011A and the rest no source at hand gives) answer as an unlisted id.
const Values kValues[] = {
    {0, "3004", "H14", 0, 6, 180, 220, 1, 75, 155, 0.42, 0.70, "B", 23, ALU_SOURCE_TABLE_3_2A},
    {1, "3004", "H24/H34", 0, 3, 170, 220, 3, 75, 155, 0.44, 0.70, "B", 18, ALU_SOURCE_TABLE_3_2A},
    {2, "3004", "H16", 0, 4, 200, 240, 1, 75, 155, 0.38, 0.65, "B", 25, ALU_SOURCE_TABLE_3_2A},
    {3, "3004", "H26/H36", 0, 3, 190, 240, 3, 75, 155, 0.39, 0.65, "B", 20, ALU_SOURCE_TABLE_3_2A},
    {4, "3005", "H14", 0, 6, 150, 170, 1, 56, 115, 0.37, 0.68, "B", 38, ALU_SOURCE_TABLE_3_2A},
    {5, "3005", "H24", 0, 3, 130, 170, 4, 56, 115, 0.43, 0.68, "B", 18, ALU_SOURCE_TABLE_3_2A},
    {6, "3005", "H16", 0, 4, 175, 195, 1, 56, 115, 0.32, 0.59, "B", 33, ALU_SOURCE_TABLE_3_2A},
    {7, "3005", "H26", 0, 3, 160, 195, 3, 56, 115, 0.35, 0.59, "B", 24, ALU_SOURCE_TABLE_3_2A},
    {8, "3103", "H14", 0, 25, 120, 140, 2, 44, 90, 0.37, 0.64, "B", 31, ALU_SOURCE_TABLE_3_2A},
    {9, "3103", "H24", 0, 12.5, 110, 140, 4, 44, 90, 0.40, 0.64, "B", 20, ALU_SOURCE_TABLE_3_2A},
    {10, "3103", "H16", 0, 4, 145, 160, 1, 44, 90, 0.30, 0.56, "B", 48, ALU_SOURCE_TABLE_3_2A},
    {11, "3103", "H26", 0, 4, 135, 160, 3, 44, 90, 0.33, 0.56, "B", 28, ALU_SOURCE_TABLE_3_2A},
    {12, "5005", "O/H111", 0, 50, 35, 100, 15, 35, 100, 1, 1, "B", 5, ALU_SOURCE_TABLE_3_2A},
    {13, "5005", "H12", 0, 12.5, 95, 125, 2, 44, 100, 0.46, 0.80, "B", 18, ALU_SOURCE_TABLE_3_2A},
    {14, "5005", "H22/H32", 0, 12.5, 80, 125, 4, 44, 100, 0.55, 0.80, "B", 11, ALU_SOURCE_TABLE_3_2A},
    {15, "5005", "H14", 0, 12.5, 120, 145, 2, 44, 100, 0.37, 0.69, "B", 25, ALU_SOURCE_TABLE_3_2A},
    {16, "5005", "H24/H34", 0, 12.5, 110, 145, 3, 44, 100, 0.40, 0.69, "B", 17, ALU_SOURCE_TABLE_3_2A},
    {17, "5052", "H12", 0, 40, 160, 210, 4, 80, 170, 0.50, 0.81, "B", 17, ALU_SOURCE_TABLE_3_2A},
    {18, "5052", "H22/H32", 0, 40, 130, 210, 5, 80, 170, 0.62, 0.81, "B", 10, ALU_SOURCE_TABLE_3_2A},
    {19, "5052", "H14", 0, 25, 180, 230, 3, 80, 170, 0.44, 0.74, "B", 19, ALU_SOURCE_TABLE_3_2A},
    {20, "5052", "H24/H34", 0, 25, 150, 230, 4, 80, 170, 0.53, 0.74, "B", 11, ALU_SOURCE_TABLE_3_2A},
    {21, "5049", "O/H111", 0, 100, 80, 190, 12, 80, 190, 1, 1, "B", 6, ALU_SOURCE_TABLE_3_2A},
    {22, "5049", "H14", 0, 25, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 20, ALU_SOURCE_TABLE_3_2A},
    {23, "5049", "H24/H34", 0, 25, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 12, ALU_SOURCE_TABLE_3_2A},
    {24, "5454", "O/H111", 0, 80, 85, 215, 12, 85, 215, 1, 1, "B", 5, ALU_SOURCE_TABLE_3_2A},
    {25, "5454", "H14", 0, 25, 220, 270, 2, 105, 215, 0.48, 0.80, "B", 22, ALU_SOURCE_TABLE_3_2A},
    {26, "5454", "H24/H34", 0, 25, 200, 270, 4, 105, 215, 0.53, 0.80, "B", 15, ALU_SOURCE_TABLE_3_2A},
    {27, "5754", "O/H111", 0, 100, 80, 190, 12, 80, 190, 1, 1, "B", 6, ALU_SOURCE_TABLE_3_2A},
    {28, "5754", "H14", 0, 25, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 20, ALU_SOURCE_TABLE_3_2A},
    {29, "5754", "H24/H34", 0, 25, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 12, ALU_SOURCE_TABLE_3_2A},
    {30, "5083", "O/H111, t \xF3 50 mm", 0, 50, 125, 275, 11, 125, 275, 1, 1, "B", 6, ALU_SOURCE_TABLE_3_2A},
    // Secondary source only: open data files of Eurocode programs, not checked against the
    // standard. What they do not give (thickness range, elongation, buckling class, n_p and some
    // HAZ values) is -1 or "?????": not available. With rho_haz = 1 the HAZ strengths equal f.
    {31, "5083", "O/H111, t > 50 mm", 50.001, kNotAvailable, 115, 270, kNotAvailable, 115, 270, 1, 1, kUnknown, kNotAvailable, ALU_SOURCE_SECONDARY},
    {32, "5083", "H12", kNotAvailable, kNotAvailable, 250, 305, kNotAvailable, 155, 275, 0.62, 0.90, kUnknown, kNotAvailable, ALU_SOURCE_SECONDARY},
    {33, "5083", "H22/H32", kNotAvailable, kNotAvailable, 215, 305, kNotAvailable, kNotAvailable, kNotAvailable, kNotAvailable, kNotAvailable, kUnknown, kNotAvailable, ALU_SOURCE_SECONDARY},
    {34, "5083", "H14", kNotAvailable, kNotAvailable, 280, 340, kNotAvailable, 155, 275, 0.55, 0.81, kUnknown, kNotAvailable, ALU_SOURCE_SECONDARY},
    {35, "5083", "H24/H34", kNotAvailable, kNotAvailable, 250, 340, kNotAvailable, kNotAvailable, kNotAvailable, kNotAvailable, kNotAvailable, kUnknown, kNotAvailable, ALU_SOURCE_SECONDARY},
    {36, "6061", "T4/T451", 0, 12.5, 110, 205, 12, 95, 150, 0.86, 0.73, "B", 8, ALU_SOURCE_TABLE_3_2A},
    {37, "6061", "T6/T651", 0, 12.5, 240, 290, 6, 115, 175, 0.48, 0.60, "A", 23, ALU_SOURCE_TABLE_3_2A},
    {38, "6061", "T651", 12.501, 80, 240, 290, 6, 115, 175, 0.48, 0.60, "A", 23, ALU_SOURCE_TABLE_3_2A},
    {39, "6082", "T4/T451", 0, 12.5, 110, 205, 12, 100, 160, 0.91, 0.78, "B", 8, ALU_SOURCE_TABLE_3_2A},
    {40, "6082", "T61/T6151", 0, 12.5, 205, 280, 10, 125, 185, 0.61, 0.66, "A", 15, ALU_SOURCE_TABLE_3_2A},
    {41, "6082", "T6151", 12.501, 100, 200, 275, 12, 125, 185, 0.63, 0.67, "A", 14, ALU_SOURCE_TABLE_3_2A},
    {42, "6082", "T6/T651", 0, 6, 260, 310, 6, 125, 185, 0.48, 0.60, "A", 25, ALU_SOURCE_TABLE_3_2A},
    {43, "6082", "T6/T651", 6.001, 12.5, 255, 300, 9, 125, 185, 0.49, 0.62, "A", 27, ALU_SOURCE_TABLE_3_2A},
    {44, "6082", "T651", 12.501, 100, 240, 295, 7, 125, 185, 0.52, 0.63, "A", 21, ALU_SOURCE_TABLE_3_2A},
    {45, "7020", "T6", 0, 12.5, 280, 350, 7, 205, 280, 0.73, 0.80, "A", 19, ALU_SOURCE_TABLE_3_2A},
    {46, "7020", "T651", 12.501, 40, 280, 350, 9, 205, 280, 0.73, 0.80, "A", 19, ALU_SOURCE_TABLE_3_2A},
    // EN 1999-1-1, Table 3.2b (extrusions and drawn tube), read from a published copy of the table
    // (edition not stated); each rho_haz was checked against f_haz / f. Thickness ranges are those
    // of the table's rows; an open upper limit of a name ends at the table's 25 mm. Elongation -1:
    // not legible in the copy. Id 66 is named "< 25" but its table row covers t <= 20 mm only.
    {51, "5083", "O/H111/F/H112, t \xF3 200 mm", 0, 200, 110, 270, 12, 110, 270, 1, 1, "B", 5, ALU_SOURCE_TABLE_3_2B},
    {52, "5083", "H12/22/32, drawn tube, t \xF3 10 mm", 0, 10, 200, 280, 6, 135, 270, 0.68, 0.96, "B", 14, ALU_SOURCE_TABLE_3_2B},
    {53, "5083", "H14/24/34, drawn tube, t \xF3 5 mm", 0, 5, 235, 300, 4, 135, 270, 0.57, 0.90, "A", 18, ALU_SOURCE_TABLE_3_2B},
    {57, "6060", "T5, t \xF3 5 mm", 0, 5, 120, 160, 8, 50, 80, 0.42, 0.50, "B", 17, ALU_SOURCE_TABLE_3_2B},
    {58, "6060", "T5, 5 < t \xF3 25 mm", 5.001, 25, 100, 140, 8, 50, 80, 0.50, 0.57, "B", 14, ALU_SOURCE_TABLE_3_2B},
    {59, "6060", "T6, t \xF3 15 mm", 0, 15, 140, 170, 8, 60, 100, 0.43, 0.59, "A", 24, ALU_SOURCE_TABLE_3_2B},
    {60, "6060", "T6, t \xF3 20 mm", 0, 20, 160, 215, 12, 60, 100, 0.38, 0.47, "A", 16, ALU_SOURCE_TABLE_3_2B},
    {61, "6060", "T64, t \xF3 15 mm", 0, 15, 120, 180, 12, 60, 100, 0.50, 0.56, "A", 12, ALU_SOURCE_TABLE_3_2B},
    {62, "6060", "T66, t \xF3 3 mm", 0, 3, 160, 215, 8, 65, 110, 0.41, 0.51, "A", 16, ALU_SOURCE_TABLE_3_2B},
    {63, "6060", "T66, 3 < t \xF3 25 mm", 3.001, 25, 150, 195, 8, 65, 110, 0.43, 0.56, "A", 18, ALU_SOURCE_TABLE_3_2B},
    {64, "6061", "T4, t \xF3 25 mm", 0, 25, 110, 180, kNotAvailable, 95, 150, 0.86, 0.83, "B", 8, ALU_SOURCE_TABLE_3_2B},
    {66, "6061", "T6, t \xF3 20 mm", 0, 20, 240, 260, 8, 115, 175, 0.48, 0.67, "A", 55, ALU_SOURCE_TABLE_3_2B},
    {68, "6063", "T5, t \xF3 3 mm", 0, 3, 130, 175, 8, 60, 100, 0.46, 0.57, "B", 16, ALU_SOURCE_TABLE_3_2B},
    {69, "6063", "T5, 3 < t \xF3 25 mm", 3.001, 25, 110, 160, 7, 60, 100, 0.55, 0.63, "B", 13, ALU_SOURCE_TABLE_3_2B},
    {70, "6063", "T6, t \xF3 25 mm", 0, 25, 160, 195, 8, 65, 110, 0.41, 0.56, "A", 24, ALU_SOURCE_TABLE_3_2B},
    {71, "6063", "T6, drawn tube, t \xF3 20 mm", 0, 20, 190, 220, 10, 65, 110, 0.34, 0.50, "A", 31, ALU_SOURCE_TABLE_3_2B},
    {72, "6063", "T66, t \xF3 10 mm", 0, 10, 200, 245, 8, 75, 130, 0.38, 0.53, "A", 22, ALU_SOURCE_TABLE_3_2B},
    {73, "6063", "T66, 10 < t \xF3 25 mm", 10.001, 25, 180, 225, 8, 75, 130, 0.42, 0.58, "A", 21, ALU_SOURCE_TABLE_3_2B},
    {74, "6063", "T66, drawn tube, t \xF3 20 mm", 0, 20, 195, 230, 10, 75, 130, 0.38, 0.57, "A", 28, ALU_SOURCE_TABLE_3_2B},
    {75, "6005A", "T6, open profile, t \xF3 5 mm", 0, 5, 225, 270, 8, 115, 165, 0.51, 0.61, "A", 25, ALU_SOURCE_TABLE_3_2B},
    {76, "6005A", "T6, open profile, 5 < t \xF3 10 mm", 5.001, 10, 215, 260, 8, 115, 165, 0.53, 0.63, "A", 24, ALU_SOURCE_TABLE_3_2B},
    {77, "6005A", "T6, open profile, 10 < t \xF3 25 mm", 10.001, 25, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 20, ALU_SOURCE_TABLE_3_2B},
    {78, "6005A", "T6, hollow profile, t \xF3 5 mm", 0, 5, 215, 255, 8, 115, 165, 0.53, 0.65, "A", 26, ALU_SOURCE_TABLE_3_2B},
    {79, "6005A", "T6, hollow profile, 5 < t \xF3 10 mm", 5.001, 10, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 20, ALU_SOURCE_TABLE_3_2B},
    {80, "6106", "T6, t \xF3 10 mm", 0, 10, 200, 250, 8, 95, 160, 0.48, 0.64, "A", 20, ALU_SOURCE_TABLE_3_2B},
    {96, "6082", "T6, transversal", 0, 100, 250, 290, 5, 125, 185, 0, 0, "A", 0, ALU_SOURCE_TABLE_3_2C},
};

// EN 1999-1-1, 3.2.5: E, G, Poisson's ratio and the coefficient of thermal expansion of aluminium
// (N/mm², 1/K).
constexpr double kAluE = 70000, kAluG = 27000, kAluNu = 0.3, kAluAlphaT = 2.3e-05;

AluGradeRecord make(const Values& v)
{
    return AluGradeRecord{v.id, kNames[v.id], v.alloy, v.temper, v.t_min, v.t_max, kAluE, kAluG, kAluNu,
                          kAluAlphaT, v.f_o, v.f_u, v.a, v.f_o_haz, v.f_u_haz, v.rho_o_haz, v.rho_u_haz,
                          v.cls, v.n_p};
}

const AluGradeRecord kDefault{97, kUnknown, kUnknown, kUnknown, 0, 10, kAluE, kAluG, kAluNu, kAluAlphaT,
                              180, 220, 1, 75, 155, 0.42, 0.7, "B", 23};

struct Table {
    const AluGradeRecord* rows[ALU_BUILTIN_COUNT] = {};
    AluGradeRecord store[sizeof kValues / sizeof kValues[0]];
    // Alloy and temper texts of every built-in name: the name up to its first blank, and the rest.
    std::string alloy[ALU_BUILTIN_COUNT];
    std::string temper[ALU_BUILTIN_COUNT];
    Table()
    {
        size_t n = sizeof kValues / sizeof kValues[0];
        for (size_t i = 0; i < n; ++i) {
            store[i] = make(kValues[i]);
            rows[kValues[i].id] = &store[i];
        }
        for (int id = 0; id < ALU_BUILTIN_COUNT; ++id) {
            std::string s = kNames[id];
            size_t sp = s.find(' ');
            alloy[id] = rows[id] ? rows[id]->alloy : s.substr(0, sp);
            temper[id] = rows[id] ? rows[id]->temper : (sp == std::string::npos ? "" : s.substr(sp + 1));
        }
    }
};

const Table& table()
{
    static const Table t;
    return t;
}

// User grades, each with its own copy of the alloy.
UserGrades<AluGradeRecord, &AluGradeRecord::id, &AluGradeRecord::alloy> user_grades(kUnknown);

bool builtin_index(int id, int* index)
{
    if (id & 0x8000)
        return false;
    int i = id & 0xffff;
    if (i >= ALU_BUILTIN_COUNT)
        return false;
    *index = i;
    return true;
}

} // namespace

const AluGradeRecord* alu_grade_default() { return &kDefault; }

const AluGradeRecord* alu_grade_record(int id)
{
    if (id & 0x8000) {
        const int i = user_grades.find(id);
        return i >= 0 ? user_grades.at(i) : &kDefault;
    }
    int index;
    if (!builtin_index(id, &index) || !table().rows[index])
        return &kDefault;
    return table().rows[index];
}

namespace {

// A text field of a user grade or of the default record; "?????" when it holds none.
const char* record_text(int id, const char* AluGradeRecord::*field)
{
    const AluGradeRecord* r = alu_grade_record(id);
    return r->*field ? r->*field : kUnknown;
}

} // namespace

const char* alu_grade_name(int id)
{
    int index;
    return builtin_index(id, &index) ? kNames[index] : record_text(id, &AluGradeRecord::name);
}

const char* alu_grade_alloy(int id)
{
    int index;
    return builtin_index(id, &index) ? table().alloy[index].c_str() : record_text(id, &AluGradeRecord::alloy);
}

const char* alu_grade_temper(int id)
{
    int index;
    return builtin_index(id, &index) ? table().temper[index].c_str() : record_text(id, &AluGradeRecord::temper);
}

double alu_grade_t_min(int id) { return alu_grade_record(id)->t_min; }
double alu_grade_t_max(int id) { return alu_grade_record(id)->t_max; }
double alu_grade_f_o(int id) { return alu_grade_record(id)->f_o; }
double alu_grade_f_u(int id) { return alu_grade_record(id)->f_u; }

int alu_grade_add(const AluGradeRecord* record) { return record ? user_grades.add(*record) : 0; }

int alu_grade_remove(int id) { return user_grades.remove(id); }

void alu_grade_clear_user() { user_grades.clear(); }

int alu_grade_user_count() { return user_grades.count(); }

const AluGradeRecord* alu_grade_user_at(int i)
{
    const AluGradeRecord* r = user_grades.at(i);
    return r ? r : &kDefault;
}

int alu_grade_id_at(int i, const int* ids, int n) { return key_at(ids, n, i, 0); }

int alu_grade_fill_name_list(void* list, AluListAppend append, const int* ids, int n, int key)
{
    return fill_name_list(list, append, ids, n, key, alu_grade_alloy);
}

int alu_grade_fill_name_list(void* list, const int* ids, int n, int key)
{
    return fill_name_list(list, Fill_Stringlist_of_PS, ids, n, key, alu_grade_alloy);
}

AluValueSource alu_grade_source(int id)
{
    int index;
    if (!builtin_index(id, &index) || !table().rows[index])
        return ALU_SOURCE_NONE;
    for (const Values& v : kValues)
        if (v.id == index)
            return v.source;
    return ALU_SOURCE_NONE;
}

const char* alu_grade_source_text(int id)
{
    switch (alu_grade_source(id)) {
    case ALU_SOURCE_TABLE_3_2A: return "EN 1999-1-1, Table 3.2a";
    case ALU_SOURCE_TABLE_3_2B: return "EN 1999-1-1, Table 3.2b";
    case ALU_SOURCE_TABLE_3_2C: return "EN 1999-1-1, Table 3.2c";
    case ALU_SOURCE_SECONDARY: return "secondary source, not checked against the standard";
    default: return "not available";
    }
}
