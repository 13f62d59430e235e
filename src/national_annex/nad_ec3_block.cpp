#include "national_annex/nad_ec3_block.h"

#include "national_annex/nad_numio.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"

#include <cmath>

NadEc3Block* cur_ec3_params = nullptr;

using nadio::rd;

// EN 1993-1-1 6.1(1): gamma_M0, gamma_M1, gamma_M2; 6.3.2.3(1), (2): lambda_LT,0, beta, f and k_c;
// EN 1993-1-2 2.3(1): gamma_M,fi.
void nad_ec3_1_set_defaults(NadEc31Block* s)
{
    if (!s) return;
    s->version = 4;
    s->gamma_m0 = 1.0;
    s->gamma_m1 = 1.0;
    s->gamma_m2 = 1.25;
    s->gamma_m0_accidental = 1.0;
    s->gamma_m1_accidental = 1.0;
    s->gamma_m2_accidental = 1.25;
    s->ltb_f_general = 0;
    s->gamma_m_fi = 1.0;
    s->lambda_lt0 = 0.4;
    s->beta_lt = 0.75;
    s->f_given = 0;
    s->f_value = 1.0;
    s->kc_from_table = 1;
    s->kc_value = 1.0;
}

// DIN EN 1993-1-1/NA, NDP 6.1(1): gamma_M1 and the accidental gamma_M2; NDP 6.3.2.2(2): f also in
// the general case.
void nad_ec3_1_set_annex_defaults(NadEc31Block* s)
{
    if (!s) return;
    nad_ec3_1_set_defaults(s);
    s->gamma_m1 = 1.1;
    s->gamma_m2_accidental = 1.15;
    s->ltb_f_general = 1;
}

// EN 1993-1-8 2.2(2), Table 2.1: gamma_M3 to gamma_M7; EN 1993-1-5 3.1(1) and 5.1(2): shear lag and
// eta; EN 1993-1-9 3(7), Table 3.1: gamma_Mf; EN 1993-6 7.5(1): gamma_M,ser of crane runways.
void nad_ec3_8_set_defaults(NadEc38Block* s)
{
    if (!s) return;
    s->version = 4;
    s->gamma_m3 = 1.25;
    s->gamma_m4 = 1.0;
    s->gamma_m5 = 1.0;
    s->gamma_m6_ser = 1.0;
    s->gamma_m7 = 1.1;
    s->gamma_m3_ser = 1.1;
    s->shear_lag_note = 3;
    s->eta_shear = 1.2;
    s->gamma_mf[0][0] = 1.0;
    s->gamma_mf[0][1] = 1.15;
    s->gamma_mf[1][0] = 1.15;
    s->gamma_mf[1][1] = 1.35;
    s->gamma_m_ser_crane = 1.0;
}

// DIN EN 1993-1-8/NA, NDP 2.2(2): the German set keeps the recommended values of EN 1993-1-8.
void nad_ec3_8_set_annex_defaults(NadEc38Block* s) { nad_ec3_8_set_defaults(s); }

void nad_ec3_set_defaults(NadEc3Block* b)
{
    if (!b) return;
    b->country = 0;
    nad_ec3_1_set_defaults(&b->ec3_1);
    nad_ec3_8_set_defaults(&b->ec3_8);
}

void nad_ec3_set_annex_defaults(NadEc3Block* b)
{
    if (!b) return;
    b->country = 1;
    nad_ec3_1_set_annex_defaults(&b->ec3_1);
    nad_ec3_8_set_annex_defaults(&b->ec3_8);
}

NadEc3Block* nad_ec3_set_country(NadEc3Block* b, int country)
{
    if (b) b->country = country;
    return b;
}

void nad_ec3_1_write(FILE* file, const NadEc31Block* s)
{
    const CNumericScope c_numbers;
    if (!file || !s) return;
    nadio::Writer w(file);
    w(" %d", 4);
    for (double v : {s->gamma_m0, s->gamma_m1, s->gamma_m2, s->gamma_m0_accidental, s->gamma_m1_accidental,
                     s->gamma_m2_accidental})
        w(" %lf", v);
    w(" %d", s->ltb_f_general);
    w(" %lf", s->gamma_m_fi);
    w("\n");
    w(" %lf %lf %d %lf %d %lf\n", s->lambda_lt0, s->beta_lt, s->f_given, s->f_value, s->kc_from_table, s->kc_value);
}

void nad_ec3_8_write(FILE* file, const NadEc38Block* s)
{
    const CNumericScope c_numbers;
    if (!file || !s) return;
    nadio::Writer w(file);
    w(" %d", 4);
    for (double v : {s->gamma_m3, s->gamma_m4, s->gamma_m5, s->gamma_m6_ser, s->gamma_m7, s->gamma_m3_ser})
        w(" %lf", v);
    w("\n");
    w(" %d %lf\n", s->shear_lag_note, s->eta_shear);
    for (double v : {s->gamma_mf[0][0], s->gamma_mf[0][1], s->gamma_mf[1][0], s->gamma_mf[1][1]})
        w(" %lf", v);
    w("\n");
    w(" %lf\n", s->gamma_m_ser_crane);
}

void nad_ec3_write(FILE* file, const NadEc3Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    fputs(" EC3-1 Parameter\n", file);
    nad_ec3_1_write(file, &b->ec3_1);
    fputs(" EC3-8 Parameter\n", file);
    nad_ec3_8_write(file, &b->ec3_8);
}

namespace {

bool read_ec3_1(FILE* f, NadEc31Block* s)
{
    int v = 0;
    if (!nadio::rd_count(f, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer")) return false;
    s->version = v;
    if (!rd(f, &s->gamma_m0) || !rd(f, &s->gamma_m1) || !rd(f, &s->gamma_m2)) return false;
    if (v > 0 && (!rd(f, &s->gamma_m0_accidental) || !rd(f, &s->gamma_m1_accidental) ||
                  !rd(f, &s->gamma_m2_accidental)))
        return false;
    if (v > 1 && !rd(f, &s->ltb_f_general)) return false;
    if (v > 2 && !rd(f, &s->gamma_m_fi)) return false;
    if (v > 3 && !(rd(f, &s->lambda_lt0) && rd(f, &s->beta_lt) && rd(f, &s->f_given) && rd(f, &s->f_value) &&
                   rd(f, &s->kc_from_table) && rd(f, &s->kc_value)))
        return false;
    return true;
}

bool read_ec3_8(FILE* f, NadEc38Block* s)
{
    int v = 0;
    if (!nadio::rd_count(f, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer")) return false;
    for (double* p : {&s->gamma_m3, &s->gamma_m4, &s->gamma_m5, &s->gamma_m6_ser, &s->gamma_m7, &s->gamma_m3_ser})
        if (!rd(f, p)) return false;
    if (v > 1 && (!rd(f, &s->shear_lag_note) || !rd(f, &s->eta_shear))) return false;
    if (v > 2)
        for (double* p : {&s->gamma_mf[0][0], &s->gamma_mf[0][1], &s->gamma_mf[1][0], &s->gamma_mf[1][1]})
            if (!rd(f, p)) return false;
    if (v > 3 && !rd(f, &s->gamma_m_ser_crane)) return false;
    s->version = v;
    return true;
}

// One sub-block over its defaults; version 0 until a version has been read. 0 when it was read.
template <typename Sub>
int read_sub_block(FILE* file, Sub* s, void (*set_defaults)(Sub*), bool (*read)(FILE*, Sub*), const char* name)
{
    const CNumericScope c_numbers;
    if (!s) return 1;
    set_defaults(s);
    s->version = 0;
    if (file && read(file, s)) {
        if (nad_verbose) printf(" %s: version=%2d  (ok)\n", name, s->version);
        return 0;
    }
    if (nad_verbose) printf(" %s:              (failed)\n", name);
    return 1;
}

} // namespace

int nad_ec3_1_read(FILE* file, NadEc31Block* s)
{
    return read_sub_block(file, s, nad_ec3_1_set_defaults, read_ec3_1, "EC3_1");
}

int nad_ec3_8_read(FILE* file, NadEc38Block* s)
{
    return read_sub_block(file, s, nad_ec3_8_set_defaults, read_ec3_8, "EC3_8");
}

int nad_ec3_read(FILE* file, NadEc3Block* b, int at_block)
{
    const CNumericScope c_numbers;
    if (!file || !b) return 1;
    b->country = 0;
    nad_ec3_1_set_defaults(&b->ec3_1);
    b->ec3_1.version = 0;
    nad_ec3_8_set_defaults(&b->ec3_8);
    b->ec3_8.version = 0;
    if (!at_block) {
        if (nad_find_section(file, " EC3 Parameter", "#NAD", nullptr) == 1) {
            rd(file, &b->country);
        } else if (nad_find_section(file, " EC3-8 Parameter", "#NAD", nullptr) == 1) {
            // Oldest layout: country, the EC3-1 text and the six EC3-8 partial factors.
            rd(file, &b->country);
            nad_ec3_1_read(file, &b->ec3_1);
            NadEc38Block* s = &b->ec3_8;
            for (double* p : {&s->gamma_m3, &s->gamma_m4, &s->gamma_m5, &s->gamma_m6_ser, &s->gamma_m7,
                              &s->gamma_m3_ser})
                if (!rd(file, p)) break;
            return 0;
        } else {
            return 1;
        }
    }
    if (nad_find_section(file, " EC3-1 Parameter", "#NAD", nullptr) != 1) return 1;
    if (nad_ec3_1_read(file, &b->ec3_1) != 0) return 1;
    if (nad_find_section(file, " EC3-8 Parameter", "#NAD", nullptr) != 1) return 1;
    return nad_ec3_8_read(file, &b->ec3_8);
}

int nad_ec3_1_compare(const NadEc31Block* a, const NadEc31Block* b)
{
    if (!a || !b) return 1;
    if (a->version < 2 || b->version < 2) return 0;
    const double NadEc31Block::*ds[] = {
        &NadEc31Block::gamma_m0, &NadEc31Block::gamma_m1, &NadEc31Block::gamma_m2,
        &NadEc31Block::gamma_m0_accidental, &NadEc31Block::gamma_m1_accidental,
        &NadEc31Block::gamma_m2_accidental, &NadEc31Block::gamma_m_fi, &NadEc31Block::lambda_lt0,
        &NadEc31Block::beta_lt, &NadEc31Block::f_value, &NadEc31Block::kc_value};
    for (auto m : ds)
        if (std::fabs(a->*m - b->*m) > 0.0001) return 1;
    return a->ltb_f_general != b->ltb_f_general || a->f_given != b->f_given || a->kc_from_table != b->kc_from_table;
}

int nad_ec3_8_compare(const NadEc38Block* a, const NadEc38Block* b)
{
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    const double NadEc38Block::*ds[] = {&NadEc38Block::gamma_m3,     &NadEc38Block::gamma_m4,
                                        &NadEc38Block::gamma_m5,     &NadEc38Block::gamma_m6_ser,
                                        &NadEc38Block::gamma_m7,     &NadEc38Block::gamma_m3_ser,
                                        &NadEc38Block::eta_shear,    &NadEc38Block::gamma_m_ser_crane};
    for (auto m : ds)
        if (std::fabs(a->*m - b->*m) > 0.0001) return 1;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (std::fabs(a->gamma_mf[i][j] - b->gamma_mf[i][j]) > 0.0001) return 1;
    return a->shear_lag_note != b->shear_lag_note;
}

int nad_ec3_compare(const NadEc3Block* a, const NadEc3Block* b)
{
    if (!a || !b) return 1;
    if (a->country != b->country) return 1;
    return nad_ec3_1_compare(&a->ec3_1, &b->ec3_1) || nad_ec3_8_compare(&a->ec3_8, &b->ec3_8);
}

void nad_ec3_1_copy(NadEc31Block* dst, const NadEc31Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

void nad_ec3_8_copy(NadEc38Block* dst, const NadEc38Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

void nad_ec3_copy(NadEc3Block* dst, const NadEc3Block* src)
{
    if (!dst || !src) return;
    nad_ec3_1_copy(&dst->ec3_1, &src->ec3_1);
    nad_ec3_8_copy(&dst->ec3_8, &src->ec3_8);
}

int nad_ec3_stub() { return 0; }
