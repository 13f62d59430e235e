#include "national_annex/nad_ec6_ec9_blocks.h"

#include "national_annex/nad_numio.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstddef>

NadEc9Block* cur_ec9_params = nullptr;

using nadio::rd;

// EN 1996-1-1 2.4.3(1): gamma_M of masonry; 2.4.4: gamma_M for serviceability.
NadEc6Block* nad_ec6_set_defaults(NadEc6Block* b)
{
    if (!b) return nullptr;
    b->country = 0;
    b->gamma_m_persistent = 1.5;
    b->gamma_m_accidental = 1.5;
    b->gamma_m_seismic = 1.5;
    b->gamma_m_serviceability = 1.0;
    return b;
}

// DIN EN 1996-1-1/NA, NDP 2.4.3(1): gamma_M persistent and accidental; DIN EN 1998-1/NA: seismic.
NadEc6Block* nad_ec6_set_alt_defaults(NadEc6Block* b)
{
    if (!nad_ec6_set_defaults(b)) return nullptr;
    b->country = 1;
    b->gamma_m_accidental = 1.3;
    b->gamma_m_seismic = 1.2;
    return b;
}

// EN 1999-1-1 6.1.3(1): gamma_M1, gamma_M2; 8.1.1(2): gamma_M of joints; 6.2.5(1): the constant c.
NadEc9Block* nad_ec9_set_defaults(NadEc9Block* b)
{
    if (!b) return nullptr;
    b->country = 0;
    b->version = 3;
    b->gamma_m1 = 1.1;
    b->gamma_m2 = 1.25;
    b->gamma_mp = 1.25;
    b->gamma_mw = 1.25;
    b->gamma_ms_ser = 1.1;
    b->gamma_ms_ult = 1.25;
    b->gamma_ma = 3.0;
    b->gamma_mp_ser = 1.0;
    b->c_constant = 1.2;
    return b;
}

// DIN EN 1999-1-1/NA, NDP 6.1.3(1) and 8.1.1(2): the German set keeps the values of EN 1999-1-1.
NadEc9Block* nad_ec9_set_alt_defaults(NadEc9Block* b)
{
    if (!nad_ec9_set_defaults(b)) return nullptr;
    b->country = 1;
    return b;
}

NadEc6Block* nad_ec6_set_country(NadEc6Block* b, int country)
{
    if (b) b->country = country;
    return b;
}

NadEc9Block* nad_ec9_set_country(NadEc9Block* b, int country)
{
    if (b) b->country = country;
    return b;
}

void nad_ec6_write(FILE* file, const NadEc6Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nadio::Writer w(file);
    w(" %d\n", 1);
    w(" %d\n", b->country);
    w(" %lf", b->gamma_m_persistent);
    w(" %lf", b->gamma_m_accidental);
    w(" %lf", b->gamma_m_seismic);
    w(" %lf\n", b->gamma_m_serviceability);
}

void nad_ec9_write(FILE* file, const NadEc9Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nadio::Writer w(file);
    w(" %d\n", 3);
    w(" %d\n", b->country);
    for (double v : {b->gamma_m1, b->gamma_m2, b->gamma_mp, b->gamma_mw, b->gamma_ms_ser, b->gamma_ms_ult,
                     b->gamma_ma})
        w(" %lf", v);
    w(" %lf\n", b->gamma_mp_ser);
    w(" %lf\n", b->c_constant);
}

void nad_ec6_read(FILE* file, NadEc6Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    // A cut-off block keeps the standard factors rather than zeros.
    nad_ec6_set_defaults(b);
    int v = 0;
    if (!nadio::rd_count(file, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer") ||
        !nadio::rd_count(file, &b->country, 0, nadio::kMaxCountry, "Der Landesindex") || v <= 0)
        return;
    for (double* p : {&b->gamma_m_persistent, &b->gamma_m_accidental, &b->gamma_m_seismic,
                      &b->gamma_m_serviceability})
        if (!rd(file, p)) return;
}

void nad_ec9_read(FILE* file, NadEc9Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nad_ec9_set_defaults(b);
    int v = 0;
    if (!nadio::rd_count(file, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer")) return;
    int country = 0;
    bool ok = nadio::rd_count(file, &country, 0, nadio::kMaxCountry, "Der Landesindex");
    b->version = v;
    if (!ok || v <= 0) return;
    b->country = country;
    if (!rd(file, &b->gamma_m1) || !rd(file, &b->gamma_m2) || !rd(file, &b->gamma_mp) || v == 1) return;
    for (double* p : {&b->gamma_mw, &b->gamma_ms_ser, &b->gamma_ms_ult, &b->gamma_ma, &b->gamma_mp_ser})
        if (!rd(file, p)) return;
    if (v == 2) return;
    rd(file, &b->c_constant);
}

namespace {

// 1 when both blocks name the same country and every listed factor agrees within 0.0001.
template <typename Block, size_t N>
int same_factors(const Block* a, const Block* b, const double Block::*const (&factors)[N])
{
    if (!a || !b || a->country != b->country) return 0;
    for (auto m : factors)
        if (std::fabs(a->*m - b->*m) > 0.0001) return 0;
    return 1;
}

} // namespace

int nad_ec6_equal(const NadEc6Block* a, const NadEc6Block* b)
{
    static const double NadEc6Block::*const ds[] = {&NadEc6Block::gamma_m_persistent,
                                                    &NadEc6Block::gamma_m_accidental, &NadEc6Block::gamma_m_seismic,
                                                    &NadEc6Block::gamma_m_serviceability};
    return same_factors(a, b, ds);
}

int nad_ec9_equal(const NadEc9Block* a, const NadEc9Block* b)
{
    static const double NadEc9Block::*const ds[] = {&NadEc9Block::gamma_m1,     &NadEc9Block::gamma_m2,
                                                    &NadEc9Block::gamma_mp,     &NadEc9Block::gamma_mw,
                                                    &NadEc9Block::gamma_ms_ser, &NadEc9Block::gamma_ms_ult,
                                                    &NadEc9Block::gamma_ma,     &NadEc9Block::gamma_mp_ser,
                                                    &NadEc9Block::c_constant};
    return same_factors(a, b, ds);
}

void nad_ec6_copy(NadEc6Block* dst, const NadEc6Block* src)
{
    if (dst && src) *dst = *src;
}

void nad_ec9_copy(NadEc9Block* dst, const NadEc9Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}
