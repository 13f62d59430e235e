#pragma once
// Stress check of a cross-laminated timber strip for one bending direction:
// normal stresses from bending and shear stresses from a shear force in every
// layer against design strengths k_mod * f_k * c / gamma_M. The layup must have
// been evaluated (clt_layup.h). Stresses in N/mm², M in kNm, V in kN, b in mm.

#include "materials/clt_layup.h"

struct CltLayerCheck {
    double k_mod;
    double sigma_bottom, sigma_mid, sigma_top;
    double eta_sigma_bottom, eta_sigma_mid, eta_sigma_top;
    double f_m_d, f_t0_d, f_c0_d, f_v_d;
    double z_bottom, z_mid, z_top;
    double tau_bottom, tau_mid, tau_top;
    double eta_tau_bottom, eta_tau_mid, eta_tau_top;
    double eta_bottom, eta_mid, eta_top;
};

struct CltCheckResult {
    double moment;
    double other_force;  // stored, not evaluated
    double shear_force;
    double sigma_min;
    double sigma_max;
    double tau_max;
    double eta_max;       // 99.9 when the check cannot run
    double eta_bending;
    double eta_shear;
    double bending_stiffness;  // kN m²
    double shear_stiffness;
    double gamma_m;
    double spare;
    double e_mean;        // thickness-weighted mean E of the direction; -1 without such layers
    int bending_layer;    // -1 if none
    int shear_layer;
    int duration_class;   // 8: k_mod given by the caller
    int service_class;
    int layer_count;
    int direction;
    CltLayerCheck layers[CLT_MAX_LAYERS];
};

// 1 when the check ran; 0 when refused (no layer of direction d, or a negative mean E);
// 1 and nothing done for a null layup or result.
int clt_stress_check(const CltLayup* layup, double b, int d, int service_class, int duration_class,
                     double c, double kmod_given, double gamma_m, double moment,
                     double other_force, double shear_force, CltCheckResult* result);

// Rolling shear strength in N/mm² by layer thickness t (mm).
double clt_rolling_shear_by_thickness(double t);
double clt_rolling_shear_by_limit(double t);
