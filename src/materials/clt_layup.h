#pragma once
// Cross-laminated timber: the layup record of one panel type (or a caller's own
// layup) and its evaluation per unit width of panel: layer values from the
// material getters, thickness sums, stiffness-weighted centroids, static
// moments and the shear correction factors with rolling shear in the cross layers.
// Thicknesses and offsets in mm; strengths and moduli in kN/m² as the getters
// deliver them; rolling shear strength in N/mm²; charring rate in mm/min.

enum : int { CLT_MAX_LAYERS = 20 };

struct CltLayer {
    int material;   // material code (0 softwood, 13 veneer lumber)
    int grade;      // grade index within the material
    int direction;  // 0 = x, 1 = y
    double thickness;
    double offset;  // centre of the layer above the reference centroid (positive upward)
    double layer_factor;
    double f_m;
    double f_t0;
    double f_c0;
    double f_c90;
    double f_v;
    double static_moment_x_bottom, static_moment_x_mid, static_moment_x_top;
    double static_moment_y_bottom, static_moment_y_mid, static_moment_y_top;
    double e_mean;
    double g_mean;
};

struct CltLayup {
    char name[256];
    int line_index;
    int type_index;          // also the rolling-shear rule of the stress check (0, 2 or other)
    int layer_count;         // 1..20
    int full_plate_shear;    // 0: plate shear sum quartered
    int reserved;
    int charred_layers_stay; // 1: charred layers stay in place in the charring operations
    double total_thickness;
    double lamella_widths[4];
    double crossing_factor;
    double rolling_shear_strength;  // N/mm², -1.0 where none is given
    double listed_strength;
    double rolling_shear_modulus;   // G_R in kN/m²; <= 0.01 means one tenth of the layer's G
    double plate_shear_sum;
    double spare_value;
    double thickness_x;
    double thickness_y;
    double charring_rate;
    double shear_correction_x;
    double shear_correction_y;
    double centroid_x;  // depth below the upper face of the E*t-weighted centroid of direction 0
    double centroid_y;  // the same for direction 1
    CltLayer layers[CLT_MAX_LAYERS];
};

// Layer count clamped to 0..20, so that a damaged count never walks off the layer array.
int clt_valid_layer_count(const CltLayup* layup);
// G_R of a layer: the layup's rolling shear modulus when above 0.01, else g_mean / 10.
double clt_rolling_shear_modulus_of(const CltLayup* layup, const CltLayer* layer);

// Whole evaluation in place: layer values from the getters (service class 1, loading
// kind 6), plate shear sum, thickness sums, centroids, static moments, shear correction.
void clt_layup_values(CltLayup* layup);
// The evaluation without the getter step (the layer values as they stand).
void clt_layup_evaluate(CltLayup* layup);
// Total thickness if missing (< 1 mm), both centroids, every offset from centroid_x.
void clt_layup_centroids(CltLayup* layup);
// As clt_layup_centroids, with the offsets measured from centroid_y when from_y != 0.
void clt_compute_section(CltLayup* layup, int from_y);
// Static moments (bottom, centre, top) of every layer for direction 0 or 1; E in MN/m², m.
void clt_static_moments(CltLayup* layup, int direction);
// kappa = (EI)^2 / (GA J) of a unit strip for bending carried by the layers of direction.
double clt_shear_correction(const CltLayup* layup, int direction);
double clt_shear_corr_x(const CltLayup* layup);
double clt_shear_corr_y(const CltLayup* layup);
// 0.001 * sum g_mean * t, times 0.25 unless full_plate_shear.
double clt_plate_shear_sum(const CltLayup* layup);
double clt_thickness_sum(const CltLayup* layup, int direction);
