// Nationally determined parameters of EN 1992 (concrete) of one set. Cover values in cm.
// Every `_mode` switch: 1 the value field is a fixed value, 2 it is the factor of the formula.
#pragma once
#include <cstdio>

struct NadEc2Block {
    int country;
    int version;                         // 1 after the reset, the version read after reading
    char exposure_class_names[12][5];
    char joint_surface_names[4][11];
    char situation_names[4][21];
    // Doubles from cmin_dur to r_inf_post lie contiguous; the compare walks them.
    double cmin_dur[12];                 // 4.4.1.2(5)
    double dc_dur_gamma[12];             // 4.4.1.2(6)
    double gamma_c[4];                   // 2.4.2.4(1): persistent/transient, fatigue, seismic, accidental
    double gamma_s[4];
    double gamma_c_bridges[4];           // EN 1992-2 2.4.2.4(1)
    double gamma_s_bridges[4];
    double gamma_c_sls;
    double gamma_s_sls;
    double dc_dev;                       // 4.4.1.3(1)P
    double dc_dur_st;
    double dc_dur_add;
    double alpha_cc;                     // 3.1.6(1)P
    double alpha_ct;
    double alpha_cc_pl;                  // 12.3.1(1)
    double alpha_ct_pl;
    double alpha_lcc;                    // 11.3.5
    double alpha_lct;
    double gamma_ce;                     // 5.8.6(3)
    double as_min_beam;                  // 9.2.1.1(1)
    double as_min_column;                // 9.5.2(2)
    double as_vmin_wall;                 // 9.6.2(1)
    double as_min_beam_floor;
    double as_min_column_floor;
    double k_redistribution[6];          // 5.5(4)
    double v12_factor;
    double c_rdc;                        // 6.2.2(1)
    double v_min;
    double k1_shear;
    double nu_shear;                     // 6.2.2(6)
    double nu_torsion;                   // 6.3.2(4)
    double c_lrdc;                       // 11.6.1(1)
    double v_lmin;
    double k_l1;
    double nu_l_shear;                   // 11.6.1(2)
    double nu_l_torsion;
    double cot_theta_min;                // 6.2.3(2)
    double cot_theta_max;
    double nu_1;                         // 6.2.3(3)
    double nu_1l;                        // 11.6.2(1)
    double alpha_cw;
    double k_flange;                     // 6.2.4(6)
    double joint_c[4];                   // 6.2.5(1)
    double joint_mu[4];
    double joint_nu[4];
    double rho_w_min;                    // 9.2.2(5)
    double cot_theta_f_tension;          // 6.2.4(4)
    double cot_theta_f_compression;
    double k_p;                          // 12.6.3(2)
    double k3_crack;                     // 7.3.4(3)
    double k4_crack;
    double k1_fatigue;                   // 6.8.7(1)
    double gamma_f_fat;                  // 6.8.4(1)
    double k_slenderness[5];             // 7.4.2(2)
    double k1_bar_spacing;               // 8.2(2)
    double beta1;                        // 9.2.1.2(1)
    double beta2;                        // 9.2.1.4(1)
    double theta0_divisor;               // 5.2
    double lambda_c_factor;              // EN 1992-1-2 3.3.3(1)
    double k_hsc_section;                // EN 1992-1-2 6.4.2.1(3)
    double k_m_hsc;                      // EN 1992-1-2 6.4.2.2(2)
    double lambda_lim_factor;            // 5.8.3.1(1)
    double alpha_cc_bridges;             // EN 1992-2 3.1.6(101)P
    double alpha_ct_bridges;
    double c_rdc_bridges;
    double v_min_bridges;
    double k1_shear_bridges;
    double cot_theta_min_bridges;
    double cot_theta_max_bridges;
    double alpha_cw_bridges;
    double nu_1_bridges;
    double k1_fatigue_bridges;
    double k_stress_limits[5];           // EN 1992-2 7.2
    double as_min_column_bridges;
    double as_min_column_floor_bridges;
    double r_sup_pre;                    // 5.10.9(1)P
    double r_sup_post;
    double r_inf_pre;
    double r_inf_post;
    int as_min_beam_mode;
    int as_min_column_mode;
    int as_vmin_wall_mode;
    int k2_mode;
    int k4_mode;
    int v_min_mode;
    int nu_mode;
    int v_lmin_mode;
    int nu_l_mode;
    int nu_1_mode;
    int nu_1l_mode;
    int rho_w_min_mode;
    int lambda_c_mode;
    int rebar_class_fire;                // EN 1992-1-2 3.2.3(5)
    int hsc_class;                       // EN 1992-1-2 6.1(5)
    int lambda_lim_mode;
    int as_min_column_bridges_mode;
    int v_min_bridges_mode;
    int nu_1_bridges_mode;
    double reserved_a;
    double reserved_b;
    int reserved_switch;
};

NadEc2Block* nad_ec2_set_defaults(NadEc2Block* block);
void nad_ec2_set_alt_defaults(int norm, NadEc2Block* block);
void nad_ec2_write(FILE* file, const NadEc2Block* block);
void nad_ec2_read(FILE* file, NadEc2Block* block);
NadEc2Block* nad_ec2_set_country(NadEc2Block* block, int country);
int nad_ec2_fix_switches(NadEc2Block* block, int repair);
int nad_ec2_compare(const NadEc2Block* a, const NadEc2Block* b);   // 1 when they differ
void nad_ec2_copy(NadEc2Block* dst, const NadEc2Block* src);
