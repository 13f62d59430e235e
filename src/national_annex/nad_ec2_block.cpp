#include "national_annex/nad_ec2_block.h"

#include "national_annex/nad_numio.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

// The compare walks the doubles from cmin_dur to r_inf_post as one run.
static_assert(offsetof(NadEc2Block, r_inf_post) - offsetof(NadEc2Block, cmin_dur) == 133 * sizeof(double),
              "the doubles of the EC2 block must lie contiguous");

namespace {

const int kDoubleRun = 134;

template <size_t N>
void set(double (&dst)[N], std::initializer_list<double> v)
{
    size_t i = 0;
    for (double x : v)
        if (i < N) dst[i++] = x;
}

void set_names(NadEc2Block* b)
{
    static const char* const exposure[12] = {"---", "X0 ", "XC1", "XC2", "XC3", "XC4",
                                             "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};
    static const char* const joints[4] = {"verzahnt", "rau", "glatt", "sehr glatt"};
    // Code page 850: 0x84 a-umlaut, 0x81 u-umlaut, 0x94 o-umlaut, 0xE1 sharp s.
    static const char* const situations[4] = {"st\x84ndig/ver\x84nderlich", "Erm\x81" "dung", "Erdbeben",
                                              "au\xE1" "ergew\x94hnlich"};
    for (int i = 0; i < 12; ++i) c_snprintf(b->exposure_class_names[i], 5, "%s", exposure[i]);
    for (int i = 0; i < 4; ++i) c_snprintf(b->joint_surface_names[i], 11, "%s", joints[i]);
    for (int i = 0; i < 4; ++i) c_snprintf(b->situation_names[i], 21, "%s", situations[i]);
}

} // namespace

// EN 1992-1-1: gamma_C, gamma_S 2.4.2.4(1) Table 2.1N, alpha_cc 3.1.6(1)P, c_min,dur 4.4.1.2(5)
// Table 4.4N, shear 6.2.2 and 6.2.3; each other field's clause stands beside it in the header
// (EN 1992-1-2 for fire, EN 1992-2 for bridges).
NadEc2Block* nad_ec2_set_defaults(NadEc2Block* b)
{
    if (!b) return nullptr;
    b->country = 0;
    b->version = 1;
    set_names(b);
    set(b->cmin_dur, {0, 1, 1.5, 2.5, 2.5, 3, 3.5, 4, 4.5, 3.5, 4, 4.5});
    set(b->dc_dur_gamma, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    set(b->gamma_c, {1.5, 1.5, 1.5, 1.2});
    set(b->gamma_s, {1.15, 1.15, 1.15, 1});
    set(b->gamma_c_bridges, {1.5, 1.5, 1.5, 1.2});
    set(b->gamma_s_bridges, {1.15, 1.15, 1.15, 1});
    b->gamma_c_sls = 1;
    b->gamma_s_sls = 1;
    b->dc_dev = 1;
    b->dc_dur_st = 0;
    b->dc_dur_add = 0;
    b->alpha_cc = 1;
    b->alpha_ct = 1;
    b->alpha_cc_pl = 0.8;
    b->alpha_ct_pl = 0.8;
    b->alpha_lcc = 0.85;
    b->alpha_lct = 0.85;
    b->gamma_ce = 1.2;
    b->as_min_beam = 0.26;
    b->as_min_column = 0.1;
    b->as_vmin_wall = 0.002;
    b->as_min_beam_floor = 0.0013;
    b->as_min_column_floor = 0.002;
    set(b->k_redistribution, {0.44, 1.25, 0.54, 1.25, 0.7, 0.8});
    b->v12_factor = 0.7;
    b->c_rdc = 0.18;
    b->v_min = 0.0525;
    b->k1_shear = 0.15;
    b->nu_shear = 0.6;
    b->nu_torsion = 0.6;
    b->c_lrdc = 0.15;
    b->v_lmin = 0.042;
    b->k_l1 = 0.15;
    b->nu_l_shear = 0.5;
    b->nu_l_torsion = 0.5;
    b->cot_theta_min = 1;
    b->cot_theta_max = 2.5;
    b->nu_1 = 0.6;
    b->nu_1l = 0.5;
    b->alpha_cw = 1;
    b->k_flange = 0.4;
    set(b->joint_c, {0.5, 0.4, 0.2, 0.05});
    set(b->joint_mu, {0.9, 0.7, 0.6, 0.5});
    set(b->joint_nu, {0.6, 0.6, 0.6, 0.6});
    b->rho_w_min = 0.08;
    b->cot_theta_f_tension = 1;
    b->cot_theta_f_compression = 1.2;
    b->k_p = 1.5;
    b->k3_crack = 3.4;
    b->k4_crack = 0.425;
    b->k1_fatigue = 0.85;
    b->gamma_f_fat = 1;
    set(b->k_slenderness, {1, 1.3, 1.5, 1.2, 0.4});
    b->k1_bar_spacing = 1;
    b->beta1 = 0.15;
    b->beta2 = 0.25;
    b->theta0_divisor = 200;
    b->lambda_c_factor = 0.5;
    b->k_hsc_section = 1.1;
    b->k_m_hsc = 0.95;
    b->lambda_lim_factor = 10.78;
    b->alpha_cc_bridges = 0.85;
    b->alpha_ct_bridges = 1;
    b->c_rdc_bridges = 0.18;
    b->v_min_bridges = 0.0525;
    b->k1_shear_bridges = 0.15;
    b->cot_theta_min_bridges = 1;
    b->cot_theta_max_bridges = 2.5;
    b->alpha_cw_bridges = 1;
    b->nu_1_bridges = 0.6;
    b->k1_fatigue_bridges = 0.85;
    set(b->k_stress_limits, {0.6, 0.45, 0.8, 1, 0.65});
    b->as_min_column_bridges = 0.1;
    b->as_min_column_floor_bridges = 0.002;
    b->r_sup_pre = 1.05;
    b->r_sup_post = 1.1;
    b->r_inf_pre = 0.9;
    // A reused record would otherwise keep whatever it held: take the value the reader's
    // country upgrade gives.
    b->r_inf_post = 0.9;
    b->as_min_beam_mode = 2;
    b->as_min_column_mode = 2;
    b->as_vmin_wall_mode = 2;
    b->k2_mode = 2;
    b->k4_mode = 2;
    b->v_min_mode = 2;
    b->nu_mode = 2;
    b->v_lmin_mode = 2;
    b->nu_l_mode = 2;
    b->nu_1_mode = 2;
    b->nu_1l_mode = 2;
    b->rho_w_min_mode = 2;
    b->lambda_c_mode = 1;
    b->rebar_class_fire = 0;
    b->hsc_class = 1;
    b->lambda_lim_mode = 2;
    b->as_min_column_bridges_mode = 2;
    b->v_min_bridges_mode = 2;
    b->nu_1_bridges_mode = 2;
    b->reserved_a = 0;
    b->reserved_b = 0;
    b->reserved_switch = 0;
    return b;
}

// Nationally determined values of the same clauses as nad_ec2_set_defaults (EN 1992-1-1
// 2.4.2.4(1), 3.1.6(1)P, 4.4.1.2(5), 6.2.2, 6.2.3, 6.2.5(1), 7.3.4(3), 7.4.2(2), 9.2.2(5)).
void nad_ec2_set_alt_defaults(int norm, NadEc2Block* b)
{
    if (!b) return;
    double stress[5];
    memcpy(stress, b->k_stress_limits, sizeof stress);
    const double sup_pre = b->r_sup_pre, sup_post = b->r_sup_post, inf_pre = b->r_inf_pre;
    nad_ec2_set_defaults(b);
    if (norm == 4 || norm == 21) return;
    memcpy(b->k_stress_limits, stress, sizeof stress);
    b->r_sup_pre = sup_pre;
    b->r_sup_post = sup_post;
    b->r_inf_pre = inf_pre;
    set(b->cmin_dur, {0, 0, 1, 2, 2, 2.5, 4, 4, 4, 4, 4, 4});
    set(b->dc_dur_gamma, {0, 0, 0, 0, 0, 0, 1, 0.5, 0, 1, 0.5, 0});
    set(b->gamma_c, {1.5, 1.5, 1.5, 1.3});
    set(b->gamma_c_bridges, {1.5, 1.5, 1.5, 1.3});
    set(b->gamma_s_bridges, {1.5, 1.5, 1.5, 1.3});
    b->dc_dev = 1.5;
    b->alpha_cc = 0.85;
    b->alpha_cc_pl = 0.85;
    b->alpha_ct_pl = 1;
    b->alpha_lcc = 0.75;
    b->alpha_lct = 1;
    b->gamma_ce = 1.5;
    b->as_min_beam = 1;
    b->as_min_column = 0.15;
    b->as_vmin_wall = 0.0015;
    b->as_min_beam_floor = 0;
    b->as_min_column_floor = 0;
    set(b->k_redistribution, {0.64, 0.8, 0.72, 0.8, 0.7, 0.85});
    b->v12_factor = 0.8;
    b->c_rdc = 0.15;
    b->v_min = 0;
    b->k1_shear = 0.12;
    b->nu_shear = 0.75;
    b->nu_torsion = 0.75;
    b->v_lmin = 0;
    b->k_l1 = 0.12;
    b->nu_l_shear = 0.75;
    b->nu_l_torsion = 0.75;
    b->cot_theta_min = 0.5773503;
    b->cot_theta_max = 3;
    b->nu_1 = 0.75;
    b->nu_1l = 0.75;
    b->k_flange = 0;
    if (nad_edition_mode() == 1) {
        set(b->joint_c, {2.4, 2, 1.4, 0});
        set(b->joint_mu, {1, 0.7, 0.6, 0.5});
        set(b->joint_nu, {0.75, 0.75, 0.75, 0.75});
    } else {
        set(b->joint_c, {0.5, 0.4, 0.2, 0});
        set(b->joint_mu, {0.9, 0.7, 0.6, 0.5});
        set(b->joint_nu, {0.7, 0.5, 0.2, 0});
    }
    b->rho_w_min = 0.16;
    b->k_p = 1;
    b->k3_crack = 0;
    b->k4_crack = 0.2777778;
    b->k1_fatigue = 1;
    set(b->k_slenderness, {1, 0.8, 0.6, 0.7, 2.4});
    b->beta1 = 0.25;
    b->lambda_c_factor = 0;
    b->k_hsc_section = 1;
    b->k_m_hsc = 1;
    b->lambda_lim_factor = 16;
    b->c_rdc_bridges = 0.15;
    b->v_min_bridges = 0;
    b->k1_shear_bridges = 0.12;
    b->cot_theta_min_bridges = 0.5773503;
    b->cot_theta_max_bridges = 3;
    b->nu_1_bridges = 0.75;
    b->k1_fatigue_bridges = 1;
    b->as_min_column_bridges = 0.15;
    b->as_min_column_floor_bridges = 0;
    b->k2_mode = 1;
    b->k4_mode = 1;
}

void nad_ec2_write(FILE* file, const NadEc2Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nadio::Writer w(file);
    w(" %d %d", b->k2_mode, b->k4_mode);
    w(" %d %d", b->as_min_beam_mode, b->v_min_mode);
    w(" %d %d", b->nu_mode, b->v_lmin_mode);
    w(" %d %d", b->nu_l_mode, b->nu_1_mode);
    w(" %d %lf", b->rho_w_min_mode, b->dc_dev);
    w(" %lf %lf", b->dc_dur_st, b->dc_dur_add);
    w(" %lf %lf\n", b->gamma_f_fat, b->alpha_ct);
    w(" %lf %lf", b->as_min_beam, b->rho_w_min);
    w(" %lf %lf", b->cot_theta_f_tension, b->cot_theta_f_compression);
    w(" %lf %lf", b->k_redistribution[0], b->k_redistribution[1]);
    w(" %lf %lf\n", b->k_redistribution[2], b->k_redistribution[3]);
    w(" %lf %lf", b->k_redistribution[4], b->k_redistribution[5]);
    w(" %lf %lf", b->nu_torsion, b->c_rdc);
    w(" %lf %lf", b->v_min, b->k1_shear);
    w(" %lf %lf", b->nu_shear, b->c_lrdc);
    w(" %lf %lf\n", b->v_lmin, b->k_l1);
    w(" %lf %lf", b->nu_l_shear, b->cot_theta_min);
    w(" %lf %lf", b->cot_theta_max, b->reserved_b);
    w(" %lf %lf", b->nu_1, b->alpha_cw);
    w(" %lf %lf", b->k_flange, b->k1_fatigue);
    w(" %lf %lf\n", b->k3_crack, b->k4_crack);
    for (int i = 0; i < 4; ++i) w(" %lf %lf", b->joint_c[i], b->joint_mu[i]);
    w("\n");
    for (double v : b->cmin_dur) w(" %lf", v);
    w("\n");
    for (double v : b->dc_dur_gamma) w(" %lf", v);
    w("\n");
    w(" %d\n", 18);
    w(" %d %lf %lf\n", b->nu_1l_mode, b->nu_1l, b->reserved_a);
    w(" %d %lf %d %lf\n", b->as_min_column_mode, b->as_min_column, b->as_vmin_wall_mode, b->as_vmin_wall);
    w(" %d %lf %d\n", b->lambda_c_mode, b->lambda_c_factor, b->rebar_class_fire);
    for (double v : b->k_slenderness) w(" %lf", v);
    w("\n");
    w(" %lf %lf %lf\n", b->alpha_cc, b->alpha_cc_pl, b->alpha_ct_pl);
    w(" %lf\n", b->k_p);
    w(" %lf %lf %lf %lf %lf %lf %lf %lf\n", b->beta1, b->nu_l_torsion, b->k1_bar_spacing, b->beta2, b->gamma_c_sls,
      b->gamma_s_sls, b->as_min_column_floor, b->as_min_beam_floor);
    for (int i = 0; i < 4; ++i) w(" %lf %lf", b->gamma_c[i], b->gamma_s[i]);
    w("\n");
    w(" %d %d\n", b->reserved_switch, b->country);
    for (double v : b->joint_nu) w(" %lf", v);
    w("\n");
    w(" %lf %lf\n", b->alpha_lcc, b->alpha_lct);
    w(" %d %lf\n", b->hsc_class, b->k_hsc_section);
    w(" %lf\n", b->gamma_ce);
    w(" %lf\n", b->k_m_hsc);
    w(" %d %lf\n", b->lambda_lim_mode, b->lambda_lim_factor);
    w(" %lf\n", b->v12_factor);
    w(" %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->alpha_cc_bridges, b->alpha_ct_bridges,
      b->c_rdc_bridges, b->v_min_bridges, b->k1_shear_bridges, b->cot_theta_min_bridges, b->cot_theta_max_bridges,
      b->alpha_cw_bridges, b->nu_1_bridges, b->k1_fatigue_bridges, b->as_min_column_bridges,
      b->as_min_column_floor_bridges);
    w(" %d %d %d\n", b->as_min_column_bridges_mode, b->v_min_bridges_mode, b->nu_1_bridges_mode);
    w(" %lf  %lf  %lf  %lf %lf\n", b->k_stress_limits[0], b->k_stress_limits[1], b->k_stress_limits[2],
      b->k_stress_limits[3], b->k_stress_limits[4]);
    for (int i = 0; i < 4; ++i) w(" %lf %lf", b->gamma_c_bridges[i], b->gamma_s_bridges[i]);
    w("\n");
    w(" %lf %lf", b->r_sup_pre, b->r_inf_pre);
    w(" %lf %lf", b->r_sup_post, b->r_inf_post);
    w("\n");
    w(" %lf\n", b->theta0_divisor);
}

namespace {

using nadio::rd;

struct Reader {
    FILE* f;
    bool ok = true;
    void i(int* p) { ok = ok && rd(f, p); }
    void d(double* p) { ok = ok && rd(f, p); }
    void word(char* w64) { ok = ok && nadio::rd_word(f, w64); }
    template <size_t N>
    void ds(double (&a)[N]) { for (double& x : a) d(&x); }
};

} // namespace

// An older block of a national set takes the values of EN 1992-2 2.4.2.4(1), 6.2.2(101), 6.2.3,
// 6.8.7(101), 9.5.2(2) and of EN 1992-1-1 5.10.9(1)P that it does not carry.
void nad_ec2_read(FILE* file, NadEc2Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nad_ec2_set_defaults(b);
    b->version = 0;
    Reader r{file};
    r.i(&b->k2_mode); r.i(&b->k4_mode);
    r.i(&b->as_min_beam_mode); r.i(&b->v_min_mode);
    r.i(&b->nu_mode); r.i(&b->v_lmin_mode);
    r.i(&b->nu_l_mode); r.i(&b->nu_1_mode);
    r.i(&b->rho_w_min_mode); r.d(&b->dc_dev);
    r.d(&b->dc_dur_st); r.d(&b->dc_dur_add);
    r.d(&b->gamma_f_fat); r.d(&b->alpha_ct);
    r.d(&b->as_min_beam); r.d(&b->rho_w_min);
    r.d(&b->cot_theta_f_tension); r.d(&b->cot_theta_f_compression);
    r.ds(b->k_redistribution);
    r.d(&b->nu_torsion); r.d(&b->c_rdc);
    r.d(&b->v_min); r.d(&b->k1_shear);
    r.d(&b->nu_shear); r.d(&b->c_lrdc);
    r.d(&b->v_lmin); r.d(&b->k_l1);
    r.d(&b->nu_l_shear); r.d(&b->cot_theta_min);
    char reserved_b_word[64] = "";
    r.d(&b->cot_theta_max); r.word(reserved_b_word);
    r.d(&b->nu_1); r.d(&b->alpha_cw);
    r.d(&b->k_flange); r.d(&b->k1_fatigue);
    r.d(&b->k3_crack); r.d(&b->k4_crack);
    for (int k = 0; k < 4; ++k) { r.d(&b->joint_c[k]); r.d(&b->joint_mu[k]); }
    r.ds(b->cmin_dur);
    r.ds(b->dc_dur_gamma);
    int v = 0;
    r.ok = r.ok && nadio::rd_count(r.f, &v, 0, nadio::kMaxBlockVersion, "Die Versionsnummer");
    if (r.ok && v != 12) b->reserved_b = c_strtod(reserved_b_word, nullptr);
    char skipped[64];
    if (v >= 1) {
        r.i(&b->nu_1l_mode); r.d(&b->nu_1l);
        if (v == 12) r.word(skipped); else r.d(&b->reserved_a);
    }
    if (v >= 2) { r.i(&b->as_min_column_mode); r.d(&b->as_min_column); r.i(&b->as_vmin_wall_mode); r.d(&b->as_vmin_wall); }
    if (v >= 3) { r.i(&b->lambda_c_mode); r.d(&b->lambda_c_factor); r.i(&b->rebar_class_fire); }
    if (v >= 4) r.ds(b->k_slenderness);
    if (v >= 5) { r.d(&b->alpha_cc); r.d(&b->alpha_cc_pl); r.d(&b->alpha_ct_pl); }
    if (v >= 6) r.d(&b->k_p);
    if (v >= 7) {
        r.d(&b->beta1); r.d(&b->nu_l_torsion); r.d(&b->k1_bar_spacing); r.d(&b->beta2);
        if (v == 12) { r.word(skipped); r.word(skipped); } else { r.d(&b->gamma_c_sls); r.d(&b->gamma_s_sls); }
        r.d(&b->as_min_column_floor); r.d(&b->as_min_beam_floor);
        for (int k = 0; k < 4; ++k) { r.d(&b->gamma_c[k]); r.d(&b->gamma_s[k]); }
        r.i(&b->reserved_switch); r.i(&b->country);
        r.ds(b->joint_nu);
        r.d(&b->alpha_lcc); r.d(&b->alpha_lct);
    }
    if (v >= 8) { r.i(&b->hsc_class); r.d(&b->k_hsc_section); }
    if (v >= 9) r.d(&b->gamma_ce);
    if (v >= 10) r.d(&b->k_m_hsc);
    if (v >= 11) { r.i(&b->lambda_lim_mode); r.d(&b->lambda_lim_factor); }
    if (v >= 12) r.d(&b->v12_factor);
    if (v >= 15) {
        for (double* p : {&b->alpha_cc_bridges, &b->alpha_ct_bridges, &b->c_rdc_bridges, &b->v_min_bridges,
                          &b->k1_shear_bridges, &b->cot_theta_min_bridges, &b->cot_theta_max_bridges,
                          &b->alpha_cw_bridges, &b->nu_1_bridges, &b->k1_fatigue_bridges,
                          &b->as_min_column_bridges, &b->as_min_column_floor_bridges})
            r.d(p);
        r.i(&b->as_min_column_bridges_mode); r.i(&b->v_min_bridges_mode); r.i(&b->nu_1_bridges_mode);
    }
    if (v >= 16) r.ds(b->k_stress_limits);
    if (v >= 17) {
        for (int k = 0; k < 4; ++k) { r.d(&b->gamma_c_bridges[k]); r.d(&b->gamma_s_bridges[k]); }
        r.d(&b->r_sup_pre); r.d(&b->r_inf_pre); r.d(&b->r_sup_post); r.d(&b->r_inf_post);
    }
    if (v >= 18) r.d(&b->theta0_divisor);
    if (!r.ok) {
        b->version = 0;
        if (nad_verbose) printf(" EC2:              (failed)\n");
        return;
    }
    if (v <= 6) {
        b->v_min = 1.5 * b->v_min;
        b->nu_torsion = b->nu_shear;
        b->nu_l_torsion = b->nu_l_shear;
    }
    if (v <= 16 && b->country == 0) {
        b->r_sup_pre = b->r_sup_post = b->r_inf_pre = b->r_inf_post = 1.0;
    }
    if (v <= 16 && b->country != 0) {
        b->gamma_c_bridges[3] = 1.3;
        b->r_inf_pre = 0.95;
        b->r_inf_post = 0.9;
    }
    if (v <= 14 && b->country != 0) {
        b->c_rdc_bridges = 0.15;
        b->k1_shear_bridges = 0.12;
        b->cot_theta_max_bridges = 1.75;
        b->nu_1_bridges = 0.75;
        b->k1_fatigue_bridges = 1.0;
        b->as_min_column_bridges = 0.15;
        b->as_min_column_floor_bridges = 0.003;
    }
    if (v != 0) b->version = v;
    nad_ec2_fix_switches(b, 0);
    if (nad_verbose) printf(" EC2: version=%2d  (ok)\n", v);
}

NadEc2Block* nad_ec2_set_country(NadEc2Block* b, int country)
{
    if (b) b->country = country;
    return b;
}

// EN 1992-1-2 6.4.2.1(3) and 6.4.2.2(2): k and k_m of high-strength concrete are 1.0 in a national set.
int nad_ec2_fix_switches(NadEc2Block* b, int repair)
{
    if (!b) return 0;
    if (b->country != 0) {
        b->k_hsc_section = 1.0;
        b->k_m_hsc = 1.0;
    }
    int bad = 0;
    auto check = [&](int* p, int lo, int hi, int fix) {
        if (*p < lo || *p > hi) {
            ++bad;
            if (repair) *p = fix;
        }
    };
    for (int* p : {&b->as_min_beam_mode, &b->as_min_column_mode, &b->as_vmin_wall_mode, &b->k2_mode, &b->k4_mode,
                   &b->v_min_mode, &b->nu_mode, &b->v_lmin_mode, &b->nu_l_mode, &b->nu_1_mode, &b->nu_1l_mode,
                   &b->rho_w_min_mode, &b->lambda_lim_mode, &b->as_min_column_bridges_mode,
                   &b->v_min_bridges_mode, &b->nu_1_bridges_mode})
        check(p, 1, 2, 2);
    check(&b->rebar_class_fire, 0, 1, 0);
    check(&b->hsc_class, 1, 3, 1);
    check(&b->reserved_switch, 0, 2, 1);
    return bad;
}

int nad_ec2_compare(const NadEc2Block* a, const NadEc2Block* b)
{
    if (!a || !b) return 1;
    const char* base_a = reinterpret_cast<const char*>(a) + offsetof(NadEc2Block, cmin_dur);
    const char* base_b = reinterpret_cast<const char*>(b) + offsetof(NadEc2Block, cmin_dur);
    for (int i = 0; i < kDoubleRun; ++i) {
        double x, y;
        memcpy(&x, base_a + i * sizeof(double), sizeof x);
        memcpy(&y, base_b + i * sizeof(double), sizeof y);
        if (std::fabs(x - y) > 0.0001) return 1;
    }
    if (a->country != b->country || a->reserved_switch != b->reserved_switch) return 1;
    const int NadEc2Block::*sw[] = {
        &NadEc2Block::as_min_beam_mode, &NadEc2Block::as_min_column_mode, &NadEc2Block::as_vmin_wall_mode,
        &NadEc2Block::k2_mode, &NadEc2Block::k4_mode, &NadEc2Block::v_min_mode, &NadEc2Block::nu_mode,
        &NadEc2Block::v_lmin_mode, &NadEc2Block::nu_l_mode, &NadEc2Block::nu_1_mode, &NadEc2Block::nu_1l_mode,
        &NadEc2Block::rho_w_min_mode, &NadEc2Block::lambda_c_mode, &NadEc2Block::rebar_class_fire,
        &NadEc2Block::hsc_class, &NadEc2Block::lambda_lim_mode, &NadEc2Block::as_min_column_bridges_mode,
        &NadEc2Block::v_min_bridges_mode, &NadEc2Block::nu_1_bridges_mode};
    for (auto m : sw)
        if (a->*m != b->*m) return 1;
    return 0;
}

void nad_ec2_copy(NadEc2Block* dst, const NadEc2Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    const double ra = dst->reserved_a, rb = dst->reserved_b;
    *dst = *src;
    dst->version = version;
    dst->reserved_a = ra;
    dst->reserved_b = rb;
}
