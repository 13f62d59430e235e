#include "materials/ijoist_catalogue.h"
#include "materials/material_codes.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

IJoistSeries ijoist_wall_series;
IJoistSeries ijoist_joist_series;

namespace {

bool wall_built = false;
bool joist_built = false;

// Catalogue rows: b_f, h, listed 1, listed 2, EI, listed 3, h_f, h_w, lever arm, I_y, E_ef (factor 1),
// listed 4, listed 5.
struct RowData {
    double b_f, h, l1, l2, ei, l3, h_f, h_w, z, i_y;
    int e_ef;
    double l4, l5;
};

const RowData kWallRows[8] = {
    {45, 160, 3.37, 8.5, 148, 1.41, 39, 82, 61, 1357, 10884, 58, 2.6},
    {45, 200, 4.46, 10.4, 260, 1.92, 39, 122, 81, 2410, 10785, 75, 2.9},
    {45, 240, 5.58, 12.21, 406, 2.42, 39, 162, 101, 3802, 10681, 92, 3.2},
    {45, 300, 7.32, 14.03, 691, 3.18, 39, 222, 131, 6569, 10525, 116, 3.6},
    {60, 160, 4.49, 8.99, 196, 1.41, 39, 82, 61, 1800, 10913, 59, 3.3},
    {60, 200, 5.92, 10.97, 345, 1.92, 39, 122, 81, 3183, 10837, 77, 3.6},
    {60, 240, 7.39, 12.85, 538, 2.42, 39, 162, 101, 4999, 10758, 94, 3.9},
    {60, 300, 9.66, 14.76, 912, 3.18, 39, 222, 131, 8577, 10636, 119, 4.3},
};

const RowData kJoistRows[18] = {
    {45, 200, 7.81, 13.0, 343, 2.55, 39, 122, 81, 2440, 14044, 74, 3.2},
    {45, 220, 8.79, 14.14, 433, 2.89, 39, 142, 91, 3110, 13935, 82, 3.4},
    {45, 240, 9.78, 15.26, 536, 3.23, 39, 162, 101, 3873, 13827, 90, 3.5},
    {45, 300, 12.82, 17.6, 912, 4.23, 39, 222, 131, 6752, 13506, 113, 4.1},
    {45, 360, 15.96, 18.6, 1397, 5.24, 39, 282, 161, 10581, 13200, 135, 4.6},
    {45, 400, 17.75, 19.2, 1783, 5.91, 39, 322, 181, 13706, 13006, 150, 4.9},
    {60, 200, 10.36, 13.71, 455, 2.55, 39, 122, 81, 3213, 14153, 75, 3.9},
    {60, 220, 11.65, 14.9, 575, 2.89, 39, 142, 91, 4083, 14070, 84, 4.1},
    {60, 240, 12.94, 16.07, 709, 3.23, 39, 162, 101, 5070, 13986, 92, 4.2},
    {60, 280, 15.58, 18.09, 1023, 3.9, 39, 202, 121, 7404, 13817, 108, 4.6},
    {60, 300, 16.91, 18.46, 1203, 4.23, 39, 222, 131, 8759, 13734, 116, 4.8},
    {60, 360, 20.98, 19.44, 1836, 5.24, 39, 282, 161, 13610, 13489, 140, 5.3},
    {60, 400, 23.61, 20.01, 2337, 5.91, 39, 322, 181, 17533, 13332, 155, 5.6},
    {90, 220, 17.37, 16.08, 857, 2.89, 39, 142, 91, 6029, 14209, 86, 5.5},
    {90, 240, 19.28, 17.31, 1056, 3.23, 39, 162, 101, 7463, 14151, 95, 5.6},
    {90, 300, 25.09, 19.81, 1785, 4.23, 39, 222, 131, 12774, 13975, 121, 6.2},
    {90, 360, 31.02, 20.78, 2714, 5.24, 39, 282, 161, 19668, 13801, 146, 6.7},
    {90, 400, 35.04, 21.35, 3447, 5.91, 39, 322, 181, 25186, 13687, 162, 7.0},
};

struct HeaderData {
    const char* name;
    const char* row_prefix;
    double flange_strengths[3];
    int flange_e_mean, flange_e_05;
    const RowData* rows;
    int count;
};

const HeaderData kWall = {"Steico Wall", "SW LVL,HB ", {26.0, 16.0, 22.0}, 11000, 10000, kWallRows, 8};
const HeaderData kJoist = {"Steico Joist", "SJ LVL,HB ", {48.0, 36.0, 36.0}, 13800, 11600, kJoistRows, 18};

// Static row storage: the series own their rows for the life of the process.
IJoistSize wall_sizes[8];
IJoistSize joist_sizes[18];

void build(IJoistSeries& s, const HeaderData& d, IJoistSize* rows, int unit_factor)
{
    const CNumericScope c_numbers;
    std::memset(&s, 0, sizeof s);
    s.unit_factor = unit_factor;
    c_snprintf(s.name, sizeof s.name, "%s", d.name);
    s.size_count = d.count;
    for (int i = 0; i < 3; ++i)
        s.flange_strengths[i] = d.flange_strengths[i];
    // The moduli are integer products of the factor and the listed whole number.
    s.flange_e_mean = static_cast<double>(unit_factor * d.flange_e_mean);
    s.flange_e_05 = static_cast<double>(unit_factor * d.flange_e_05);
    s.flange_density = 480.0;
    s.web_thickness = 6.0;
    const double web[4] = {31.0, 20.0, 21.0, 14.0};
    for (int i = 0; i < 4; ++i)
        s.web_strengths[i] = web[i];
    s.web_e_mean = static_cast<double>(unit_factor * 5300);
    s.web_g_mean = static_cast<double>(unit_factor * 2100);
    s.web_density = 900.0;
    s.web_extra_value = 2.4;
    s.sizes = rows;
    for (int i = 0; i < d.count; ++i) {
        const RowData& r = d.rows[i];
        IJoistSize& z = rows[i];
        std::memset(&z, 0, sizeof z);
        c_snprintf(z.name, sizeof z.name, "%s%.0f/%.0f", d.row_prefix, r.b_f, r.h);
        z.index = i;
        z.flange_width = r.b_f;
        z.height = r.h;
        z.listed_value_1 = r.l1;
        z.listed_value_2 = r.l2;
        z.bending_stiffness = r.ei;
        z.listed_value_3 = r.l3;
        z.flange_height = r.h_f;
        z.web_height = r.h_w;
        z.flange_lever_arm = r.z;
        z.inertia = r.i_y;
        z.effective_modulus = static_cast<double>(unit_factor * r.e_ef);
        z.listed_value_4 = r.l4;
        z.listed_value_5 = r.l5;
    }
}

const IJoistSize* row_of(const IJoistSeries* s, int row)
{
    if (!s || !s->sizes || row < 0 || row >= s->size_count)
        return nullptr;
    return &s->sizes[row];
}

// k_mod tables by load-duration index 0-7 (index 5: mean of 3 and 4).
const double kWebSc1[8] = {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1};
const double kWebSc2[8] = {0.2, 0.3, 0.45, 0.6, 0.9, 0.75, 1.1, 1.1};
const double kFlange[8] = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};

IJoistNameEntry wall_names[8];
IJoistNameEntry joist_names[18];
bool wall_names_filled = false;
bool joist_names_filled = false;

char* dup_text(const char* s)
{
    size_t n = std::strlen(s) + 1;
    char* p = static_cast<char*>(std::malloc(n));
    if (p)
        std::memcpy(p, s, n);
    return p;
}

IJoistNameEntry* name_list(IJoistSeries& s, IJoistNameEntry* entries, bool& filled,
                           int* list_code_out, int* count_out, int colour)
{
    if (list_code_out)
        *list_code_out = 13;
    for (int i = 0; i < s.size_count; ++i) {
        if (!filled)
            entries[i].text = dup_text(s.sizes[i].name);
        entries[i].colour = colour;
    }
    filled = true;
    if (count_out)
        *count_out = s.size_count;
    return entries;
}

} // namespace

void ijoist_build_wall_series(int unit_factor)
{
    build(ijoist_wall_series, kWall, wall_sizes, unit_factor);
    wall_built = true;
}

void ijoist_build_joist_series(int unit_factor)
{
    build(ijoist_joist_series, kJoist, joist_sizes, unit_factor);
    joist_built = true;
}

void ijoist_table_wall(int unit_factor)
{
    if (!wall_built)
        ijoist_build_wall_series(unit_factor);
}

void ijoist_table_joist(int unit_factor)
{
    if (!joist_built)
        ijoist_build_joist_series(unit_factor);
}

const IJoistSeries* ijoist_series_of_code(int code)
{
    if (code == MAT_IJOIST_WALL) {
        ijoist_table_wall(1000);
        return &ijoist_wall_series;
    }
    if (code == MAT_IJOIST_JOIST) {
        ijoist_table_joist(1000);
        return &ijoist_joist_series;
    }
    return nullptr;
}

double ijoist_kmod_web(int service_class, int duration_index)
{
    if (duration_index < 0 || duration_index > 7)
        return 0.0;
    if (service_class == 1)
        return kWebSc1[duration_index];
    if (service_class == 2)
        return kWebSc2[duration_index];
    return 0.0;
}

double ijoist_kmod_flange(int service_class, int duration_index)
{
    if (duration_index < 0 || duration_index > 7)
        return 0.0;
    if (service_class == 1 || service_class == 2)
        return kFlange[duration_index];
    return 0.0;
}

void ijoist_support_area(const IJoistSeries* series, int row, double length_1, double length_2,
                         double* out_1, double* out_2, double* out_3)
{
    const IJoistSize* r = row_of(series, row);
    if (!r)
        return;
    auto area = [&](double l) {
        return (l + 30.0 + r->flange_width) * 2.0 * r->flange_height
               + 3.0 * series->web_thickness * r->web_height;
    };
    if (out_1)
        *out_1 = area(length_1 < 30.0 ? 30.0 : length_1);
    if (out_2)
        *out_2 = area(length_2 < 30.0 ? 30.0 : length_2);
    if (out_3)
        *out_3 = area(30.0);
}

double ijoist_flange_area(const IJoistSeries* series, int row)
{
    const IJoistSize* r = row_of(series, row);
    return r ? 2.0 * r->flange_height * r->flange_width : 0.0;
}

double ijoist_mass_per_length(const IJoistSeries* series, int row)
{
    const IJoistSize* r = row_of(series, row);
    if (!r)
        return 0.0;
    return 2.0 * series->flange_density * r->flange_width * r->flange_height
           + series->web_thickness * series->web_density * r->web_height;
}

int ijoist_find_size(const IJoistSeries* series, double height, double flange_width)
{
    if (!series || !series->sizes || series->size_count <= 0)
        return -1;
    for (int i = 0; i < series->size_count; ++i) {
        const IJoistSize& r = series->sizes[i];
        if (std::fabs(r.height - height) < 1.0 && std::fabs(r.flange_width - flange_width) < 1.0)
            return i;
    }
    for (int i = 0; i < series->size_count; ++i) {
        if (std::fabs(series->sizes[i].height - height) < 1.0)
            return i;
    }
    return -1;
}

IJoistNameEntry* ijoist_name_list_wall(int* list_code_out, int* count_out, int colour)
{
    ijoist_table_wall(1000);
    return name_list(ijoist_wall_series, wall_names, wall_names_filled, list_code_out, count_out, colour);
}

IJoistNameEntry* ijoist_name_list_joist(int* list_code_out, int* count_out, int colour)
{
    ijoist_table_joist(1000);
    return name_list(ijoist_joist_series, joist_names, joist_names_filled, list_code_out, count_out,
                     colour);
}
