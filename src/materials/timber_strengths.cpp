#include "materials/timber_strengths.h"

#include "materials/annex_link.h"
#include "materials/board_values.h"
#include "materials/material_codes.h"
#include "materials/timber_grades.h"

#include <algorithm>
#include <cmath>

namespace {

void put(double* out, double v)
{
    if (out)
        *out = v;
}

bool along_grain(int kind) { return kind == 6 || kind == 8; }
bool across_grain(int kind) { return kind == 7 || kind == 9; }

// Tension and compression (kN/m²) of a row along or across the grain; false,
// with nothing written, for any other loading kind.
bool put_grain_strengths(const TimberGradeRow& row, int loading_kind, double* f_t, double* f_c)
{
    if (along_grain(loading_kind)) {
        put(f_t, row.f_t0_k * 1000.0);
        put(f_c, row.f_c0_k * 1000.0);
        return true;
    }
    if (across_grain(loading_kind)) {
        put(f_t, row.f_t90_k * 1000.0);
        put(f_c, row.f_c90_k * 1000.0);
        return true;
    }
    return false;
}

// Stores the depth factor and scales bending, and tension when it was written.
void apply_depth_factor(double kh, double* k_h, double* f_m, double* f_t, bool wrote_ft)
{
    *k_h = kh;
    if (f_m)
        *f_m *= kh;
    if (f_t && wrote_ft)
        *f_t *= kh;
}

// Beech LVL girder (code 17): f_v,k (N/mm²) and the depth factor (600/h)^0.13 of its shear and bending
// strengths.
constexpr double kGl75Fvk = 4.5;
double gl75_depth_factor(double h) { return std::pow(600.0 / h, 0.13); }

// Glulam f_v,k (N/mm²) that goes with the German k_cr = 2.5/f_v,k.
constexpr double kGlulamFvkGerman = 3.5;

// Beech LVL girder: factor 0.892 + 0.0009 d on the compressive strength, growing up to 0.0009 d = 0.288.
constexpr double kGl75Fc90Base = 0.892, kGl75Fc90Slope = 0.0009, kGl75Fc90Growth = 0.288;

// Beech LVL girder (code 17): compressive strength for service class 1 or others.
double gl75_fc0(int service_class) { return service_class == 1 ? 59400.0 : 49500.0; }
double gl75_fc90(int service_class) { return service_class == 1 ? 14800.0 : 12300.0; }

// DIN EN 1995-1-1, 3.2 (3.1): strengths of solid timber with k_h = min((150/h)^0.2, 1.3)
int solid_strengths(int code, int grade, int loading_kind, double b, double h, double* f_m,
                    double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h)
{
    const TimberGradeRow* row = timber_grade_row(code, grade);
    if (!row)
        return 0;
    put(f_m, row->f_m_k * 1000.0);
    put(f_v, row->f_v_k * 1000.0);
    put(f_c90, row->f_c90_k * 1000.0);
    const bool wrote_ft = put_grain_strengths(*row, loading_kind, f_t, f_c);
    // DIN EN 1995-1-1, 3.2(3): k_h for solid timber of depth below 150 mm
    if (ec5_current() && k_h) {
        double d = std::max(b, h);
        if (d > 0.0 && d <= 150.0) {
            double kh = std::min(std::pow(150.0 / d, 0.2), 1.3);
            apply_depth_factor(kh, k_h, f_m, f_t, wrote_ft);
        }
    }
    return 1;
}

// DIN EN 1995-1-1, 3.3 (3.2): strengths of glulam with k_h = min((600/h)^0.1, 1.1); f_v,k by the
// national annex
int glulam_strengths(int code, int grade, int loading_kind, double b, double h, double* f_m,
                     double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h)
{
    const TimberGradeRow* row = timber_grade_row(code, grade);
    if (!row)
        return 0;
    double fv = row->f_v_k;
    if (code == MAT_GLULAM_DIN && ec5_current())
        fv = GlulamDinGradesEc[grade].f_v_k;
    if (ec5_current() && ec5_kcr_mode() == 2)
        fv = kGlulamFvkGerman;  // DIN EN 1995-1-1/NA, NCI to 6.1.7: f_v,k of glulam 3.5 N/mm² with k_cr = 2.5/f_v,k
    put(f_m, row->f_m_k * 1000.0);
    put(f_v, fv * 1000.0);
    put(f_c90, row->f_c90_k * 1000.0);
    const bool wrote_ft = put_grain_strengths(*row, loading_kind, f_t, f_c);
    // DIN EN 1995-1-1, 3.3(3): k_h for glulam of depth below 600 mm (DIN 1052: exponent 0.14)
    if (k_h) {
        double d = std::max(b, h);
        if (d > 0.0 && d < 600.0) {
            double e = ec5_current() ? 0.1 : 0.14;
            double kh = std::min(std::pow(600.0 / d, e), 1.1);
            apply_depth_factor(kh, k_h, f_m, f_t, wrote_ft);
        }
    }
    return 1;
}

int gl75_strengths(int grade, int service_class, int loading_kind, double b, double h,
                   double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h)
{
    const TimberGradeRow* row = timber_grade_row(MAT_GL75, grade);
    if (!row || h <= 0.0)
        return 0;
    double k = gl75_depth_factor(h);  // no bounds: values below 1 are used
    put(k_h, k);
    put(f_m, 75000.0 * k);
    put(f_v, kGl75Fvk * 1000.0 * k);
    put(f_c90, gl75_fc90(service_class));
    double d = std::max(b, h);
    if (along_grain(loading_kind)) {
        put(f_t, 60000.0 * std::pow(600.0 / d, 0.1));
        put(f_c, gl75_fc0(service_class));
    } else if (across_grain(loading_kind)) {
        put(f_t, row->f_t90_k * 1000.0 * std::pow(600.0 / d, 0.1));
        double c = (kGl75Fc90Slope * d < kGl75Fc90Growth) ? kGl75Fc90Base + kGl75Fc90Slope * d : 1.18;
        put(f_c, gl75_fc0(service_class) * c);
    }
    return 1;
}

} // namespace

// DIN EN 1995-1-1 with its national annex (DIN 1052 without one): characteristic strengths of a grade,
// bending and tension with the size factor k_h
int get_strengths(int code, int grade, int service_class, int loading_kind, double b, double h,
                  double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h)
{
    switch (code) {
    case MAT_SOFTWOOD:
    case MAT_HARDWOOD:
    case MAT_VENEER_LUMBER:
        return solid_strengths(code, grade, loading_kind, b, h, f_m, f_t, f_c, f_v, f_c90, k_h);
    case MAT_GLULAM_EC:
    case MAT_GLULAM_DIN:
        return glulam_strengths(code, grade, loading_kind, b, h, f_m, f_t, f_c, f_v, f_c90, k_h);
    case MAT_GL75:
        return gl75_strengths(grade, service_class, loading_kind, b, h, f_m, f_t, f_c, f_v, f_c90, k_h);
    default:
        break;
    }
    int r = board_strengths(code, grade, service_class, loading_kind, b, f_m, f_t, f_c, f_v, f_c90);
    return r < 0 ? 0 : r;
}

// EN 338 and EN 14080: mean moduli of a grade, their 5 % values as 2/3 (softwood, G of solid timber) or
// 5/6 of the mean
int get_E_G_moduli(int code, int grade, int kind, double thickness,
                   double* e_mean, double* g_mean, double* e_05, double* g_05)
{
    const TimberGradeRow* row = timber_grade_row(code, grade);
    if (row) {
        // 5 % values: 2/3 or 5/6 of the mean, the factor includes the conversion to kN/m²
        const double two_thirds = 2000.0 / 3.0, five_sixths = 2500.0 / 3.0;
        double fe = (code == MAT_SOFTWOOD || code == MAT_VENEER_LUMBER) ? two_thirds : five_sixths;
        double fg = (code == MAT_GLULAM_EC || code == MAT_GLULAM_DIN) ? five_sixths : two_thirds;
        put(e_mean, row->e0_mean * 1000.0);
        put(g_mean, row->g_mean * 1000.0);
        put(e_05, row->e0_mean * fe);
        put(g_05, row->g_mean * fg);
        return 1;
    }
    if (timber_grade_count(code) > 0)
        return 0;  // timber code, grade out of range
    int r = board_moduli(code, grade, kind, thickness, e_mean, g_mean, e_05);
    return r < 0 ? 0 : r;
}

int get_e90_mean(int code, int grade, double* out)
{
    const TimberGradeRow* row = timber_grade_row(code, grade);
    if (!row)
        return 0;
    put(out, row->e90_mean * 1000.0);
    return 1;
}

double get_fc90k(int code, int grade, int service_class, int loading_kind)
{
    switch (code) {
    case MAT_SOFTWOOD:
    case MAT_VENEER_LUMBER:
    case MAT_HARDWOOD:
    case MAT_GLULAM_EC:
    case MAT_GLULAM_DIN: {
        const TimberGradeRow* row = timber_grade_row(code, grade);
        return row ? row->f_c90_k * 1000.0 : 0.0;
    }
    case MAT_OSB: return (grade >= 0 && grade <= 2) ? 10000.0 : 0.0;
    case MAT_PLYWOOD:
        if (grade >= 0 && grade <= 2) return 4000.0;
        if (grade == 3) return 9000.0;
        if (grade == 4) return loading_kind == 0 ? 9000.0 : 10000.0;
        if (grade == 5) return 10000.0;
        return 0.0;
    case MAT_FIBREBOARD:
        if (grade == 0) return 12000.0;
        if (grade == 1) return 8000.0;
        return 0.0;
    case MAT_KERTO_S: return grade == 0 ? 6000.0 : 0.0;
    case MAT_KERTO_Q: return (grade == 0 || grade == 1) ? 9000.0 : 0.0;
    case MAT_GL75: return (grade == 0 || grade == 1) ? gl75_fc90(service_class) : 0.0;
    case MAT_BEECH_BOARD:
        if (grade == 0 || grade == 1) return 14000.0;
        if (grade == 2) return service_class == 1 ? 26400.0 : 22000.0;
        return 0.0;
    case MAT_LVL:
    case MAT_GLVL:
        if (grade == 0) return 3600.0;
        if (grade == 1 || grade == 2) return 4000.0;
        return 0.0;
    default:
        return 0.0;
    }
}

double get_ft90k(int code, int grade)
{
    switch (code) {
    case MAT_SOFTWOOD: return 0.4;
    case MAT_HARDWOOD: return ec5_current() ? 0.6 : 0.5;
    case MAT_GLULAM_EC:
    case MAT_GLULAM_DIN: return 0.5;
    case MAT_GL75: return grade == 0 ? 0.6 : 1.5;
    case MAT_LVL:
    case MAT_GLVL: return grade == 0 ? 3.6 : 4.0;
    default: return 0.0;
    }
}

// DIN EN 1995-1-1 with its national annex: crack factor k_cr of the shear strength
double get_fvk_kcr(int code, int grade, double /*b*/, double h)
{
    if (!ec5_current())
        return 1.0;
    int mode = ec5_kcr_mode();
    if (mode != 2) {
        switch (code) {
        case MAT_SOFTWOOD: case MAT_HARDWOOD: case MAT_SOLID_MEMBER: case MAT_GLULAM_EC: case MAT_GLULAM_DIN:
        case MAT_GL75:
            return ec5_kcr_first();
        default:
            return ec5_kcr_second();
        }
    }
    // DIN EN 1995-1-1/NA, NCI to 6.1.7(2): k_cr = 2.0/f_v,k (solid softwood), 2.5/f_v,k (glulam)
    switch (code) {
    case MAT_HARDWOOD:
    case MAT_SOLID_MEMBER:  // solid timber without an f_v,k of its own: the hardwood value
        return ec5_kcr_first();
    case MAT_SOFTWOOD: {
        const TimberGradeRow* row = timber_grade_row(MAT_SOFTWOOD, grade);
        return row ? 2.0 / row->f_v_k : 0.0;  // 0: grade not available
    }
    case MAT_GLULAM_EC:
    case MAT_GLULAM_DIN:
        return 2.5 / kGlulamFvkGerman;
    case MAT_GL75:
        if ((grade != 0 && grade != 1) || h <= 0.0)
            return 0.0;
        return 2.5 / (kGl75Fvk * gl75_depth_factor(h));
    default:
        return ec5_kcr_second();
    }
}

// DIN EN 1995-1-1, 3.4 (3.4): length factor k_l = min((3000/l)^(s/2), 1.1) of LVL in tension, s = 0.12
double lvl_length_factor(double length)
{
    if (!(length > 0.0))
        return 1.1;
    return std::min(std::pow(3000.0 / length, 0.06), 1.1);
}

double gl75_compression_factor(int flag, double x)
{
    double c = (kGl75Fc90Slope * x >= kGl75Fc90Growth) ? 1.0 : std::min(kGl75Fc90Base + kGl75Fc90Slope * x, 1.0);
    return flag == 1 ? c * 1.2 : c;
}
