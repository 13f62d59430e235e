#pragma once
// Built-in catalogue of two I-joist products (flanges of laminated veneer
// lumber, web of hardboard): material code -12 is the wall series (8 sizes),
// -13 the joist series (18 sizes). A row's position is its grade index.

struct IJoistSize {
    char name[256];
    int index;
    double flange_width;       // b_f, mm
    double height;             // h, mm
    double listed_value_1;
    double listed_value_2;
    double bending_stiffness;  // EI, kNm²
    double listed_value_3;
    double flange_height;      // h_f, mm
    double web_height;         // h_w = h - 2 h_f, mm
    double flange_lever_arm;   // mm
    double inertia;            // I_y, cm^4
    double effective_modulus;  // E_ef, N/mm² x unit factor
    double listed_value_4;
    double listed_value_5;
};

struct IJoistSeries {
    char name[256];
    int size_count;
    int unit_factor;
    double flange_strengths[3];
    double flange_e_mean;
    double flange_e_05;
    double flange_density;
    double web_thickness;
    double web_strengths[4];
    double web_e_mean;
    double web_g_mean;
    double web_density;
    double web_extra_value;
    IJoistSize* sizes;
};

struct IJoistNameEntry {
    int colour;
    const char* text;
};

// The two series records; read them after ijoist_table_wall / ijoist_table_joist.
extern IJoistSeries ijoist_wall_series;
extern IJoistSeries ijoist_joist_series;

// Build the series once (a later factor is ignored).
void ijoist_table_wall(int unit_factor);
void ijoist_table_joist(int unit_factor);
void ijoist_build_wall_series(int unit_factor);
void ijoist_build_joist_series(int unit_factor);

// The series of a material code (-12 wall, -13 joist), built with factor 1000; null otherwise.
const IJoistSeries* ijoist_series_of_code(int code);

// k_mod of the web and of the flanges by service class (1, 2) and load-duration index 0-7; 0.0 otherwise.
double ijoist_kmod_web(int service_class, int duration_index);
double ijoist_kmod_flange(int service_class, int duration_index);

// Bearing areas in mm² with A(l) = (l + 30 + b_f) 2 h_f + 3 t_w h_w: out_1 = A(max(length_1, 30)),
// out_2 = A(max(length_2, 30)), out_3 = A(30). Null outputs are skipped; a row out of range writes nothing.
void ijoist_support_area(const IJoistSeries* series, int row, double length_1, double length_2,
                         double* out_1, double* out_2, double* out_3);
// 2 h_f b_f in mm²; 0 for a row out of range.
double ijoist_flange_area(const IJoistSeries* series, int row);
// 2 rho_f b_f h_f + t_w rho_w h_w (kg/m³ x mm²); 0 for a row out of range.
double ijoist_mass_per_length(const IJoistSeries* series, int row);
// Row of the size (height and flange width within 1 mm), else the first row of that height, else -1.
int ijoist_find_size(const IJoistSeries* series, double height, double flange_width);

// The size-name lists: write 13 to list_code_out and the row count to count_out.
IJoistNameEntry* ijoist_name_list_wall(int* list_code_out, int* count_out, int colour);
IJoistNameEntry* ijoist_name_list_joist(int* list_code_out, int* count_out, int colour);
