#include "national_annex/nad_ec5_block.h"

#include "national_annex/nad_numio.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"

#include <cstring>

NadEc5Block* cur_ec5_params = nullptr;

// EN 1995-1-1 2.4.1, Table 2.3: gamma_M; 3.1.3, Table 3.1: k_mod of solid and glued-laminated timber;
// 3.1.4, Table 3.2: k_def; 7.2, Table 7.2: deflection limits; 6.1.7(2): k_cr; 6.1.8: k_shape;
// EN 1995-1-2 2.3(1): gamma_M,fi.
NadEc5Block* nad_ec5_set_defaults(NadEc5Block* b)
{
    if (!b) return nullptr;
    static const double kmod[5][3] = {
        {0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.8, 0.8, 0.65}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9}};
    static const double limits[3][2] = {{300, 150}, {200, 100}, {300, 150}};
    b->country = 0;
    b->version = 17;
    b->use_table_na1 = 0;
    b->use_na11 = 0;
    b->gamma_m_lvl_plywood_osb = 1.2;
    b->gamma_m_particleboard = 1.3;
    b->gamma_m_hard_fibreboard = 1.3;
    b->gamma_m_medium_fibreboard = 1.3;
    b->gamma_m_mdf = 1.3;
    b->gamma_m_soft_fibreboard = 1.3;
    b->gamma_m_connections = 1.3;
    b->gamma_m_punched_metal_plates = 1.25;
    b->gamma_m_steel_in_connections = 1.3;
    b->gamma_m_plasterboard = 1.3;
    b->use_table_na4 = 0;
    b->use_table_na15 = 0;
    b->threaded_rods_na = 0;
    b->ltb_na = 0;
    b->simplified_fasteners_na = 0;
    b->kmod_na1_note_b = 0;
    b->v10_switch = 1;
    b->gamma_m_solid = 1.3;
    b->gamma_m_glulam = 1.3;
    b->gamma_m_accidental = 1.0;
    b->gamma_m_fire = 1.0;
    memcpy(b->kmod, kmod, sizeof kmod);
    b->kdef[0] = 0.6;
    b->kdef[1] = 0.8;
    b->kdef[2] = 2.0;
    memcpy(b->deflection_limits, limits, sizeof limits);
    b->kcr_mode = 1;
    b->wnetfin_mode = 1;
    b->kcr_solid_glulam = 0.67;
    b->kcr_other = 1.0;
    b->use_na20 = 0;
    b->use_na21 = 0;
    b->use_na816 = 0;
    b->use_na7_hole = 0;
    b->kshape_factor = 0.15;
    b->kshape_max = 2.0;
    b->ltb_factor = 1.0;
    b->gamma_m_clt = 1.3;
    return b;
}

void nad_ec5_write(FILE* file, const NadEc5Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nadio::Writer w(file);
    w(" %d\n", 17);
    w(" %d\n", b->country);
    w(" %d\n", b->use_table_na1);
    w(" %d %lf %lf %lf\n", b->kcr_mode == 0 ? 1 : 0, b->kcr_solid_glulam, b->kcr_solid_glulam, b->kcr_other);
    w(" %d\n", b->use_na11);
    w(" %lf %lf %lf %lf %lf %lf\n", b->gamma_m_solid, b->gamma_m_glulam, b->gamma_m_lvl_plywood_osb,
      b->gamma_m_particleboard, b->gamma_m_hard_fibreboard, b->gamma_m_medium_fibreboard);
    w(" %lf %lf %lf %lf %lf\n", b->gamma_m_mdf, b->gamma_m_soft_fibreboard, b->gamma_m_connections,
      b->gamma_m_punched_metal_plates, b->gamma_m_accidental);
    w(" %lf %lf\n", b->gamma_m_steel_in_connections, b->gamma_m_plasterboard);
    w(" %d\n", b->use_table_na4);
    w(" %d\n", b->use_table_na15);
    w(" %d\n", b->threaded_rods_na);
    w(" %d %d\n", b->ltb_na, b->simplified_fasteners_na);
    w(" %d %.2f %.2f %.2f\n", b->kmod_na1_note_b, b->gamma_m_solid, b->gamma_m_glulam, b->gamma_m_accidental);
    for (int sc = 0; sc < 3; ++sc)
        w(" %.2f %.2f %.2f %.2f %.2f\n", b->kmod[0][sc], b->kmod[1][sc], b->kmod[2][sc], b->kmod[3][sc],
          b->kmod[4][sc]);
    w(" %.2f %.2f %.2f\n", b->kdef[0], b->kdef[1], b->kdef[2]);
    w(" %.0f %.0f %.0f", b->deflection_limits[0][0], b->deflection_limits[1][0], b->deflection_limits[2][0]);
    w(" %.0f %.0f %.0f", b->deflection_limits[0][1], b->deflection_limits[1][1], b->deflection_limits[2][1]);
    w(" %d %.2f %.2f", b->kcr_mode, b->kcr_solid_glulam, b->kcr_other);
    w(" %d", b->wnetfin_mode);
    w(" %d %.2f\n", b->v10_switch, b->gamma_m_fire);
    w(" %d  \n", b->use_na21);
    w(" %d  \n", b->use_na20);
    w(" %d  \n", b->use_na816);
    w(" %d  \n", b->use_na7_hole);
    w(" %f %f %f\n", b->kshape_factor, b->kshape_max, b->ltb_factor);
    w(" %lf \n", b->gamma_m_clt);
}

namespace {

// Reads the fields that block version v carries; false at the first value that cannot be read.
bool read_fields(FILE* f, NadEc5Block* b, int v)
{
    using nadio::rd;
    using nadio::drop_number;
    if (v < 1) return true;
    if (!rd(f, &b->use_table_na1)) return false;
    for (int i = 0; i < 4; ++i)
        if (!drop_number(f)) return false;
    if (v >= 2 && !rd(f, &b->use_na11)) return false;
    if (v >= 3) {
        if (!drop_number(f) || !drop_number(f)) return false;
        if (!rd(f, &b->gamma_m_lvl_plywood_osb) || !rd(f, &b->gamma_m_particleboard) ||
            !rd(f, &b->gamma_m_hard_fibreboard) || !rd(f, &b->gamma_m_medium_fibreboard))
            return false;
        if (!rd(f, &b->gamma_m_mdf) || !rd(f, &b->gamma_m_soft_fibreboard) || !rd(f, &b->gamma_m_connections) ||
            !rd(f, &b->gamma_m_punched_metal_plates) || !drop_number(f))
            return false;
        if (!rd(f, &b->gamma_m_steel_in_connections) || !rd(f, &b->gamma_m_plasterboard)) return false;
        if (!rd(f, &b->use_table_na4)) return false;
    }
    if (v >= 4 && !rd(f, &b->use_table_na15)) return false;
    if (v >= 5 && !rd(f, &b->threaded_rods_na)) return false;
    if (v >= 6 && (!rd(f, &b->ltb_na) || !rd(f, &b->simplified_fasteners_na))) return false;
    if (v >= 7) {
        if (!rd(f, &b->kmod_na1_note_b) || !rd(f, &b->gamma_m_solid) || !rd(f, &b->gamma_m_glulam) ||
            !rd(f, &b->gamma_m_accidental))
            return false;
        for (int sc = 0; sc < 3; ++sc)
            for (int ldc = 0; ldc < 5; ++ldc)
                if (!rd(f, &b->kmod[ldc][sc])) return false;
        for (double& k : b->kdef)
            if (!rd(f, &k)) return false;
        for (int col = 0; col < 2; ++col)
            for (int row = 0; row < 3; ++row)
                if (!rd(f, &b->deflection_limits[row][col])) return false;
    }
    if (v >= 8 && (!rd(f, &b->kcr_mode) || !rd(f, &b->kcr_solid_glulam) || !rd(f, &b->kcr_other))) return false;
    if (v >= 9 && !rd(f, &b->wnetfin_mode)) return false;
    if (v >= 10 && (!rd(f, &b->v10_switch) || !rd(f, &b->gamma_m_fire))) return false;
    if (v >= 11 && !rd(f, &b->use_na21)) return false;
    if (v >= 12 && !rd(f, &b->use_na20)) return false;
    if (v >= 13 && !rd(f, &b->use_na816)) return false;
    if (v >= 14 && !rd(f, &b->use_na7_hole)) return false;
    if (v >= 15 && (!rd(f, &b->kshape_factor) || !rd(f, &b->kshape_max))) return false;
    if (v >= 16 && !rd(f, &b->ltb_factor)) return false;
    if (v >= 17 && !rd(f, &b->gamma_m_clt)) return false;
    return true;
}

} // namespace

// A block older than the switches of DIN EN 1995-1-1/NA (NA.20, NA.21, NA.8.1.6, NA.7) and k_shape of
// EN 1995-1-1 6.1.8 takes the annex's rules and factors when the set is a national one (NDP 6.1.8(1)).
void nad_ec5_read(FILE* file, NadEc5Block* b, int at_block)
{
    const CNumericScope c_numbers;
    if (!b) return;
    b->version = 0;
    if (!file) return;
    nad_ec5_set_defaults(b);
    b->version = 0;   // stays 0 until a version has been read
    if (!at_block && nad_find_section(file, " EC5 Parameter", "#NAD", nullptr) != 1) {
        if (nad_verbose) printf(" EC5: version=%2d  (ok)\n", 0);
        return;
    }
    int v = 0;
    bool ok = nadio::rd_count(file, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer") &&
              nadio::rd_count(file, &b->country, 0, nadio::kMaxCountry, "Der Landesindex");
    if (ok) {
        b->version = v;
        if (v == 0) ok = nadio::drop_number(file);
    }
    ok = ok && read_fields(file, b, v);
    if (!ok) {
        if (nad_verbose) printf(" EC5:              (failed)\n");
        return;
    }
    const int flag = b->country != 0 ? 1 : 0;
    if (v < 11) b->use_na21 = flag;
    if (v < 12) b->use_na20 = flag;
    if (v < 13) b->use_na816 = flag;
    if (v < 14) b->use_na7_hole = flag;
    if (v < 15) {
        b->kshape_factor = flag ? 0.05 : 0.15;
        b->kshape_max = flag ? 1.3 : 2.0;
    }
    if (nad_verbose) printf(" EC5: version=%2d  (ok)\n", v);
}

NadEc5Block* nad_ec5_set_country(NadEc5Block* b, int country)
{
    if (b) b->country = country;
    return b;
}

int nad_ec5_compare(const NadEc5Block* a, const NadEc5Block* b)
{
    if (!a || !b) return 0;
    if (a->version < 10 || b->version < 10) return 0;
    if (a->country != b->country || a->use_table_na1 != b->use_table_na1 || a->use_na11 != b->use_na11 ||
        a->gamma_m_clt != b->gamma_m_clt)
        return 1;
    const double NadEc5Block::*factors[] = {
        &NadEc5Block::gamma_m_lvl_plywood_osb, &NadEc5Block::gamma_m_particleboard,
        &NadEc5Block::gamma_m_hard_fibreboard, &NadEc5Block::gamma_m_medium_fibreboard,
        &NadEc5Block::gamma_m_mdf, &NadEc5Block::gamma_m_soft_fibreboard, &NadEc5Block::gamma_m_connections,
        &NadEc5Block::gamma_m_punched_metal_plates, &NadEc5Block::gamma_m_steel_in_connections,
        &NadEc5Block::gamma_m_plasterboard, &NadEc5Block::gamma_m_solid, &NadEc5Block::gamma_m_glulam,
        &NadEc5Block::gamma_m_accidental, &NadEc5Block::kcr_solid_glulam, &NadEc5Block::kcr_other,
        &NadEc5Block::kshape_factor, &NadEc5Block::kshape_max, &NadEc5Block::ltb_factor};
    for (auto m : factors)
        if (a->*m != b->*m) return 1;
    const int NadEc5Block::*switches[] = {
        &NadEc5Block::use_table_na4, &NadEc5Block::use_table_na15, &NadEc5Block::threaded_rods_na,
        &NadEc5Block::ltb_na, &NadEc5Block::simplified_fasteners_na, &NadEc5Block::kmod_na1_note_b,
        &NadEc5Block::kcr_mode, &NadEc5Block::wnetfin_mode, &NadEc5Block::use_na20, &NadEc5Block::use_na21,
        &NadEc5Block::use_na816, &NadEc5Block::use_na7_hole};
    for (auto m : switches)
        if (a->*m != b->*m) return 1;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j)
            if (a->kmod[i][j] != b->kmod[i][j]) return 1;
    for (int i = 0; i < 3; ++i) {
        if (a->kdef[i] != b->kdef[i]) return 1;
        for (int j = 0; j < 2; ++j)
            if (a->deflection_limits[i][j] != b->deflection_limits[i][j]) return 1;
    }
    return 0;
}

void nad_ec5_copy(NadEc5Block* dst, const NadEc5Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}
