#include "materials/timber_factors.h"

#include "materials/annex_link.h"
#include "materials/fastener_records.h"
#include "materials/ijoist_catalogue.h"
#include "materials/material_codes.h"
#include "materials/timber_grades.h"

namespace {

const double NA = -1.0;  // no table value

// k_mod by load-duration class 0-7 (DIN EN 1995-1-1, Table 3.1; class 5 the
// mean of classes 3 and 4, classes 6 and 7 the class-4 value).
const double kSolidSc12[8] = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};
const double kSolidSc3[8] = {0.5, 0.55, 0.65, 0.7, 0.9, 0.8, 0.9, 0.9};
const double kOsb2Sc1[8] = {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1};
const double kOsb34Sc1[8] = {0.4, 0.5, 0.7, 0.9, 1.1, 1.0, 1.1, 1.1};
const double kOsb34Sc2[8] = {0.3, 0.4, 0.55, 0.7, 0.9, 0.8, 0.9, 0.9};
const double kGypsumSc1[8] = {0.2, 0.4, 0.6, 0.8, 1.1, 0.95, 1.1, 1.1};
const double kGypsumSc2[8] = {0.15, 0.3, 0.45, 0.6, 0.8, 0.7, 0.8, 0.8};
const double kBoardSc1[8] = {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1};
const double kBoardSc2[8] = {0.2, 0.3, 0.45, 0.6, 0.8, 0.7, 0.8, 0.8};
const double kBoardSc2NoAnnex[8] = {0.2, 0.3, 0.45, 0.6, 0.8, 0.7, NA, NA};

// The row of k_mod values for a code, grade and service class 1-3; null when none.
// *zero_out is set when the product has no value there and the output is set to 0.
const double* kmod_row(int code, int grade, int sc, bool* zero_out)
{
    bool annex = ec5_current();
    switch (code) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_PLYWOOD:
    case MAT_KERTO_S: case MAT_KERTO_Q: case MAT_GL75: case MAT_SOLID_MEMBER:
        return sc == 3 ? kSolidSc3 : kSolidSc12;
    case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL:
        if (sc == 3) {
            *zero_out = true;
            return nullptr;
        }
        return kSolidSc12;
    case MAT_OSB:
        if (grade == 0)
            return sc == 1 ? kOsb2Sc1 : nullptr;
        if (grade == 1 || grade == 2)
            return sc == 1 ? kOsb34Sc1 : sc == 2 ? kOsb34Sc2 : nullptr;
        return nullptr;
    case MAT_PLASTERBOARD:
    case MAT_GYPSUM_FIBREBOARD:
        return sc == 1 ? kGypsumSc1 : sc == 2 ? kGypsumSc2 : nullptr;
    case MAT_PARTICLEBOARD:
        if (grade < 0)
            return nullptr;
        if (!annex)
            return sc == 1 ? kBoardSc1 : sc == 2 ? kBoardSc2NoAnnex : nullptr;
        if (grade <= 1)
            return sc == 1 ? kBoardSc1 : sc == 2 ? kBoardSc2 : nullptr;
        if (grade <= 3)
            return sc == 1 ? kOsb34Sc1 : sc == 2 ? kOsb34Sc2 : nullptr;
        return nullptr;
    case MAT_FIBREBOARD:
        if (grade == 0)
            return sc == 1 ? kBoardSc1 : sc == 2 ? (annex ? kBoardSc2 : kBoardSc2NoAnnex) : nullptr;
        if (grade == 1)
            return sc == 1 ? kGypsumSc1 : sc == 2 ? kGypsumSc2 : nullptr;
        return nullptr;
    default:
        return nullptr;
    }
}

bool is_user_material(int code, int grade)
{
    return code == MAT_USER || code == MAT_FREE || grade == MAT_USER;
}

} // namespace

// DIN EN 1995-1-1 with its national annex, Table 3.1 (DIN 1052 without one): modification factor k_mod by
// service class and load-duration class
int get_kmod(int code, int grade, int service_class, int duration_class, double* out,
             const UserMaterial* user)
{
    int cls = duration_class;
    bool class5_own = false;
    // DIN EN 1995-1-1/NA, Table NA.1: class 5 "kurz/sehr kurz" counts as "kurz"
    // unless the set keeps it as a class of its own.
    if (cls == 5 && ec5_current()) {
        if (ec5_kmod_class5_switch() == 0)
            cls = 3;
        else
            class5_own = true;
    }

    if (is_user_material(code, grade)) {
        if (!user) {
            if (out)
                *out = 0.2;
            return 1;
        }
        // The record holds classes 0-4 only, by service class 0-3.
        if (service_class < 0 || service_class > 3)
            return 0;
        const double* row = user->kmod_table[service_class];
        double v;
        if (class5_own)
            v = 0.5 * (row[3] + row[4]);
        else if (cls >= 0 && cls <= 4)
            v = row[cls];
        else
            return 0;
        if (out)
            *out = v;
        return 1;
    }

    if (is_material_code_m12_m13(code)) {
        if (out)
            *out = ijoist_kmod_web(service_class, cls);
        return 1;
    }

    if (service_class == 0) {
        if (out)
            *out = 1.0;
        return 1;
    }
    if (service_class < 1 || service_class > 3 || cls < 0 || cls > 7)
        return 0;
    bool zero_out = false;
    const double* row = kmod_row(code, grade, service_class, &zero_out);
    if (!row) {
        if (zero_out && out)
            *out = 0.0;
        return 0;
    }
    if (row[cls] == NA)
        return 0;
    if (out)
        *out = row[cls];
    return 1;
}

// DIN EN 1995-1-1 with its national annex, Table 3.2 (DIN 1052 without one): deformation factor k_def by
// service class
int get_kdef(int code, int grade, int service_class, double* out)
{
    // DIN EN 1995-1-1, Table 3.2
    double v[3] = {0.0, 0.0, 0.0};
    auto set = [&](double a, double b, double c) { v[0] = a; v[1] = b; v[2] = c; };
    switch (code) {
    case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_KERTO_S:
    case MAT_KERTO_Q: case MAT_GL75: case MAT_BEECH_BOARD: case MAT_LVL: case MAT_GLVL:
    case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST:
        set(0.6, 0.8, 2.0);
        break;
    case MAT_OSB: set(1.5, 2.25, 0.0); break;
    case MAT_PLASTERBOARD: set(3.0, 4.0, 0.0); break;
    case MAT_PLYWOOD: set(0.8, 1.0, 2.5); break;
    case MAT_PARTICLEBOARD:
        if (grade >= 2 && ec5_current())
            set(1.5, 2.25, 0.0);
        else
            set(2.25, 3.0, 0.0);
        break;
    case MAT_FIBREBOARD:
        if (grade == 0)
            set(2.25, 3.0, 0.0);
        else
            set(3.0, 4.0, 0.0);
        break;
    default:
        break;
    }
    if (out)
        *out = (service_class >= 1 && service_class <= 3) ? v[service_class - 1] : 0.0;
    return 1;
}

int get_rho_k(int code, int grade, double t, double* out, const UserMaterial* user)
{
    double v;
    if (is_user_material(code, grade)) {
        if (!user)
            return 0;
        v = user->rho_k;
    } else {
        switch (code) {
        case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_GLULAM_EC: case MAT_GLULAM_DIN: case MAT_GL75: {
            const TimberGradeRow* row = timber_grade_row(code, grade);
            if (!row)
                return 0;
            v = row->rho_k;
            break;
        }
        case MAT_OSB:
            if (grade < 0 || grade > 2) return 0;
            v = 550.0;
            break;
        case MAT_PLASTERBOARD:
            if (grade == 0) v = 680.0;
            else if (grade == 1 || grade == 2) v = 800.0;
            else return 0;
            break;
        case MAT_PLYWOOD:
            if (grade == 0 || grade == 1) v = 350.0;
            else if (grade == 2) v = 400.0;
            else if (grade >= 3 && grade <= 5) v = 600.0;
            else return 0;
            break;
        case MAT_PARTICLEBOARD:
            if (grade < 0 || grade > 3) return 0;
            if (t > 6.0 && t <= 13.0) v = 650.0;
            else if (t > 13.0 && t <= 20.0) v = 600.0;
            else if (t > 20.0 && t <= 32.0) v = 550.0;
            else if (t > 32.0 && t <= 50.0) v = 500.0;
            else v = 0.0;
            break;
        case MAT_FIBREBOARD:
            if (grade == 0) v = (t > 3.5 && t <= 5.5) ? 850.0 : 800.0;
            else if (grade == 1) v = (t <= 10.0) ? 650.0 : 600.0;
            else return 0;
            break;
        case MAT_GYPSUM_FIBREBOARD:
            if (grade < 0 || grade > 4) return 0;
            v = 1150.0;
            break;
        case MAT_KERTO_S:
            if (grade != 0) return 0;
            v = 480.0;
            break;
        case MAT_KERTO_Q:
            if (grade < 0 || grade > 1) return 0;
            v = 480.0;
            break;
        case MAT_LVL: case MAT_GLVL: case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST:
            v = 480.0;
            break;
        case MAT_STEEL_PLATE: v = 78500.0; break;  // weight density in N/m³, kept as the tables hold it
        case MAT_ALU_PLATE: v = 27000.0; break;
        case MAT_BEECH_BOARD:
            if (grade < 0 || grade > 2) return 0;
            v = 730.0;
            break;
        default:
            return 0;
        }
    }
    if (out)
        *out = v;
    return 1;
}

double get_self_weight(int code, int grade)
{
    switch (code) {
    case MAT_SOFTWOOD:
        if (grade < 0 || grade > 11) return 0.0;
        if (grade <= 5) return 4.2;
        if (grade <= 7) return 4.6;
        if (grade == 8) return 4.8;
        return 5.5;
    case MAT_HARDWOOD:
        if (grade < 0 || grade >= timber_grade_count(1)) return 0.0;
        if (grade <= 2) return 6.4;
        if (grade <= 4) return 6.7;
        if (grade == 5) return 7.0;
        return 8.4;
    case MAT_GLULAM_EC: {
        static const double w[14] = {3.7, 4.1, 4.2, 4.45, 4.6, 4.8, 4.9, 3.9, 3.9, 4.0, 4.2, 4.2, 4.3, 4.4};
        return (grade >= 0 && grade < 14) ? w[grade] : 0.0;
    }
    case MAT_GLULAM_DIN: {
        static const double w[8] = {3.7, 3.5, 4.0, 3.7, 4.2, 4.0, 4.4, 4.2};
        return (grade >= 0 && grade < 8) ? w[grade] : 0.0;
    }
    case MAT_OSB: case MAT_BEECH_BOARD: return (grade >= 0 && grade <= 2) ? 8.0 : 0.0;
    case MAT_GL75: return (grade >= 0 && grade <= 1) ? 8.0 : 0.0;
    case MAT_PARTICLEBOARD: return (grade >= 0 && grade <= 3) ? 8.0 : 0.0;
    case MAT_GYPSUM_FIBREBOARD: return (grade >= 0 && grade <= 4) ? 8.0 : 0.0;
    case MAT_VENEER_LUMBER: return 8.0;
    case MAT_PLASTERBOARD: return (grade >= 0 && grade <= 2) ? 7.0 : 0.0;
    case MAT_PLYWOOD: return (grade >= 0 && grade <= 5) ? 7.0 : 0.0;
    case MAT_FIBREBOARD: return (grade >= 0 && grade <= 1) ? 10.0 : 0.0;
    case MAT_KERTO_S: return grade == 0 ? 5.1 : 0.0;
    case MAT_KERTO_Q: return (grade >= 0 && grade <= 1) ? 5.1 : 0.0;
    case MAT_LVL: case MAT_GLVL: return (grade >= 0 && grade <= 2) ? 5.3 : 0.0;
    case MAT_IJOIST_WALL: case MAT_IJOIST_JOIST: {
        const IJoistSeries* s = ijoist_series_of_code(code);
        if (!s || grade < 0 || grade >= s->size_count)
            return 0.0;
        const IJoistSize& r = s->sizes[grade];
        return (10.0 * r.flange_width * r.flange_height + 9.0 * s->web_thickness * r.web_height) * 1e-6;
    }
    default:
        return 0.0;
    }
}

// DIN EN 1995-1-2, Table 3.1: notional charring rate beta_n of solid and glued-laminated timber (mm/min)
double get_charring_rate(int code, int grade)
{
    // beta_n: 0.8 for solid softwood, 0.7 for glulam and for hardwood of rho_k >= 290 kg/m³, 0.55 for
    // hardwood of rho_k >= 450 kg/m³.
    constexpr double kBetaSolid = 0.8, kBetaDense = 0.7, kBetaHardwood450 = 0.55;
    constexpr double kRhoDense = 290.0, kRhoHardwood450 = 450.0;
    if (code == MAT_HARDWOOD) {
        const TimberGradeRow* row = timber_grade_row(MAT_HARDWOOD, grade);
        if (row)
            return row->rho_k >= kRhoHardwood450 ? kBetaHardwood450 : row->rho_k >= kRhoDense ? kBetaDense : kBetaSolid;
    } else if (code == MAT_GLULAM_EC || code == MAT_GLULAM_DIN) {
        const TimberGradeRow* row = timber_grade_row(code, grade);
        if (row)
            return row->rho_k >= kRhoDense ? kBetaDense : kBetaSolid;
    }
    return kBetaSolid;
}
