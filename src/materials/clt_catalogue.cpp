#include "materials/clt_catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "materials/clt_values.h"
#include "materials/material_names.h"
#include "materials/timber_strengths.h"
#include "platform/os/c_numeric.h"

namespace {

// One type of the catalogue: its name and its layers from the upper face down, written
// "<thickness><x|y>[:<material>]" (softwood C24 unless a material code follows).
//
// Layups are given only where the layer build-up is documented for this library. The
// manufacturers' published layer tables for the other types were not at hand, and a name
// gives the layer count and total thickness but not the single layers, so those layups are
// left out (empty text, no layers: their derived values are NaN) rather than invented. The
// names stay, so that the type indices and the selection lists remain as the manufacturers
// number them.
struct TypeRow {
    const char* name;
    const char* layers;
};

struct LineRow {
    const char* record_name;
    const char* list_name;
    const TypeRow* types;
    int type_count;
    double line_factor;
    double line_value_2;
    double charring_rate;
    int charred_layers_stay;
    double listed_strength;
    const double* listed_crossing;   // per type (lines 1 and 2), else null
    double rolling_shear_strength;
    int layer_rule;                  // 0 getters, 1 Decker f_m raise, 2 Binderholz 125,
                                     // 3 Binderholz XL, 4 KLH
};

const TypeRow kLeno[] = {
    {"70", "23.3x 23.3y 23.3x"}, {"80", ""}, {"80 plus", "24.4x 31.2y:13 24.4x"}, {"90", ""},
    {"90-4L", "22.5x 22.5y 22.5y 22.5x"}, {"100", ""}, {"100-4L", ""}, {"100 plus", ""},
    {"120", ""}, {"130", ""}, {"140", ""}, {"150", ""}, {"160", ""}, {"170", ""},
    {"180", "24.3x 24.3x 24.3y 34.3x 24.3y 24.3x 24.3x"}, {"190", ""}, {"200", ""}, {"210", ""},
    {"220", ""}, {"230", ""}, {"240", ""}, {"260", ""}, {"270", ""}, {"280", ""}, {"290", ""},
    {"300", ""}, {"310", "34.3x 34.3x 34.3y 34.3x 34.3y 34.3x 34.3y 34.3x 34.3x"},
};

const TypeRow kDerix[] = {
    {"X-60/3s", "20x 20y 20x"}, {"X-70/3s", ""}, {"X-80/3s", ""}, {"X-90/3s", ""},
    {"X-100/3s", ""}, {"X-110/3s", ""}, {"X-120/3s", ""}, {"X-100/5s", ""}, {"X-110/5s", ""},
    {"X-120/5s", ""}, {"X-130/5s", ""}, {"X-140/5s", ""}, {"X-150/5s", ""}, {"X-160/5s", ""},
    {"X-170/5s", ""}, {"X-180/5s", ""}, {"X-190/5s", ""}, {"X-200/5s", ""},
};
const double kDerixCrossing[] = {2.7, 2.3, 2.0, 2.1, 1.9, 1.7, 1.8, 3.2, 2.9,
                                 2.7, 2.5, 2.3, 2.5, 2.0, 2.2, 2.1, 2.1, 2.1};

const TypeRow kMerkle[] = {
    {"80/3s", ""}, {"100/3s", ""}, {"120/3s", ""}, {"140/3s", ""}, {"130/5s", ""},
    {"150/5s", ""}, {"160/5s", ""}, {"180/5s", ""}, {"200/5s", ""}, {"220/7s", ""},
    {"235/7s", ""}, {"240/7ss", "40x 40y 20x 40y 20x 40y 40x"}, {"250/7s", ""}, {"280/7s", ""},
    {"280/9s", ""}, {"300/9s", ""}, {"300/9ss", ""},
};
const double kMerkleCrossing[] = {2.2, 1.6, 2.2, 2.0, 2.2, 2.7, 2.0, 2.3, 2.7,
                                  2.2, 2.4, 1.3, 2.5, 2.9, 2.3, 2.5, 1.7};

const TypeRow kDecker[] = {
    {"66L/3s", ""}, {"69L/3s", ""}, {"78L/3s", ""}, {"81L/3s", ""}, {"87L/3s", ""},
    {"98L/3s", ""}, {"100L/3s", ""}, {"103L/3s", ""}, {"109L/3s", ""}, {"120L/3s", ""},
    {"109L/5s", ""}, {"115L/5s", "23x 23y 23x 23y 23x"}, {"115L/5s", "23x 23y 23x 23y 23x"},
    {"133L/5s", ""}, {"145L/5s", ""}, {"160L/5s", ""}, {"166L/5s", ""}, {"178L/5s", ""},
    {"200L/5s", ""}, {"185L/7s", ""}, {"203L/7s", ""}, {"220L/7s", ""}, {"229L/7s", ""},
    {"247L/7s", ""}, {"280L/7s", ""}, {"261L/9s", ""}, {"292L/9s", ""},
};

#define BBS(p)                                                                                   \
    {p " 60/3s", ""}, {p " 80/3s", ""}, {p " 90/3s", ""}, {p " 100/3s", ""}, {p " 120/3s", ""},  \
        {p " 100/5s", ""}, {p " 120/5s", ""}, {p " 140/5s", ""}, {p " 160/5s", ""},                \
        {p " 180/5s", ""}, {p " 200/5s", ""}, {p " 220/5s", "60x 30y 40x 30y 60x"},                \
        {p " 240/5s", ""}, {p " 260/7s", ""}, {p " 280/7s", ""}
const TypeRow kBbs125[] = {BBS("BBS 125")};
const TypeRow kBbsXl[] = {BBS("BBS XL")};
#undef BBS

const TypeRow kKlhDl[] = {
    {"KLH 3s 60 DL", ""}, {"KLH 3s 70 DL", "20x 30y 20x"}, {"KLH 3s 80 DL", ""},
    {"KLH 3s 90 DL", ""}, {"KLH 3s 100 DL", ""}, {"KLH 3s 110 DL", ""}, {"KLH 3s 120 DL", ""},
    {"KLH 5s 100 DL", ""}, {"KLH 5s 110 DL", ""}, {"KLH 5s 120 DL", ""}, {"KLH 5s 130 DL", ""},
    {"KLH 5s 140 DL", ""}, {"KLH 5s 150 DL", ""}, {"KLH 5s 160 DL", ""}, {"KLH 5s 170 DL", ""},
    {"KLH 5s 180 DL", ""}, {"KLH 5s 190 DL", ""}, {"KLH 5s 200 DL", ""},
    {"KLH 5ss 160 DL", "30x 30x 40y 30x 30x"}, {"KLH 7s 180 DL", ""}, {"KLH 7s 200 DL", ""},
    {"KLH 7s 220 DL", ""}, {"KLH 7s 240 DL", ""}, {"KLH 7ss 180 DL", ""}, {"KLH 7ss 200 DL", ""},
    {"KLH 7ss 220 DL", ""}, {"KLH 7ss 240 DL", ""}, {"KLH 7ss 260 DL", ""}, {"KLH 7ss 280 DL", ""},
    {"KLH 8ss 300 DL", "40x 40x 30y 40x 40x 30y 40x 40x"}, {"KLH 8ss 320 DL", ""},
};

const TypeRow kKlhDq[] = {
    {"KLH 3s 60 DQ", ""}, {"KLH 3s 70 DQ", ""}, {"KLH 3s 80 DQ", ""}, {"KLH 3s 90 DQ", ""},
    {"KLH 3s 100 DQ", ""}, {"KLH 3s 110 DQ", ""}, {"KLH 3s 120 DQ", ""}, {"KLH 5s 100 DQ", ""},
    {"KLH 5s 110 DQ", ""}, {"KLH 5s 120 DQ", ""}, {"KLH 5s 130 DQ", ""}, {"KLH 5s 140 DQ", ""},
    {"KLH 5s 150 DQ", ""}, {"KLH 5s 160 DQ", ""},
};

#define N(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))
const LineRow kLines[CLT_LINE_COUNT] = {
    {"Leno", "Leno", kLeno, N(kLeno), 1.0, 220.0, 0.7, 1, 2.5, nullptr, 0.7, 0},
    {"Derix X-Lam", "Derix X-LAM", kDerix, N(kDerix), 1.0, 260.0, 0.7, 1, 2.5, kDerixCrossing, 1.0, 0},
    {"Merkle X-Lam", "Merkle X-LAM", kMerkle, N(kMerkle), 1.0, 240.0, 0.7, 1, 2.5, kMerkleCrossing,
     -1.0, 0},
    {"Decker ED BSP", "Decker BSP", kDecker, N(kDecker), 1.0, 240.0, 0.8, 0, 2.5, nullptr, 1.0, 1},
    {"Binderholz BBS 125", "Binderholz BBS 125", kBbs125, N(kBbs125), 1.1, 260.0, 0.9, 0, 2.0,
     nullptr, 1.0, 2},
    {"Binderholz BBS XL", "Binderholz BBS XL", kBbsXl, N(kBbsXl), 1.1, 260.0, 0.9, 0, 2.0, nullptr,
     1.0, 3},
    {"KLH DL", "KLH DL", kKlhDl, N(kKlhDl), 1.0, 260.0, 0.9, 0, 2.0, nullptr, 1.2, 4},
    {"KLH DQ", "KLH DQ", kKlhDq, N(kKlhDq), 1.0, 260.0, 0.9, 0, 2.0, nullptr, 1.2, 4},
};
#undef N

CltSeries g_series[CLT_LINE_COUNT];
bool g_built = false;

void copy_text(char* dst, const char* src)
{
    c_snprintf(dst, 256, "%s", src);
}

// Parses "23.3x 31.2y:13 ..." into the layers; returns the layer count.
int parse_layers(const char* text, CltLayer* layers)
{
    const CNumericScope c_numbers;
    int n = 0;
    const char* p = text;
    while (*p && n < CLT_MAX_LAYERS) {
        while (*p == ' ')
            ++p;
        if (!*p)
            break;
        char* end = nullptr;
        const double t = c_strtod(p, &end);
        if (end == p)
            break;
        p = end;
        CltLayer& L = layers[n];
        L.thickness = t;
        L.direction = *p == 'y' ? 1 : 0;
        if (*p == 'x' || *p == 'y')
            ++p;
        L.material = 0;
        L.grade = 5;  // C24
        if (*p == ':') {
            L.material = static_cast<int>(std::strtol(p + 1, &end, 10));
            p = end;
        }
        L.layer_factor = 1.0;
        ++n;
    }
    return n;
}

void build_line(int index)
{
    const LineRow& row = kLines[index];
    CltSeries& s = g_series[index];
    std::memset(&s, 0, sizeof s);
    copy_text(s.name, row.record_name);
    s.line_index = index;
    s.type_count = row.type_count;
    s.line_factor = row.line_factor;
    s.line_value_1 = 80.0;
    s.line_value_2 = row.line_value_2;

    for (int k = 0; k < row.type_count; ++k) {
        CltLayup& l = s.types[k];
        copy_text(l.name, row.types[k].name);
        l.line_index = index;
        l.type_index = k;
        l.layer_count = parse_layers(row.types[k].layers, l.layers);
        l.full_plate_shear = 0;
        l.reserved = 0;
        for (double& w : l.lamella_widths)
            w = 185.0;
        l.listed_strength = row.listed_strength;
        if (row.listed_crossing)
            l.crossing_factor = row.listed_crossing[k];
        l.rolling_shear_strength = row.rolling_shear_strength;

        l.charred_layers_stay = row.charred_layers_stay;
        l.charring_rate = row.charring_rate;
        const int n = l.layer_count;
        for (int i = 0; i < n; ++i) {
            CltLayer& L = l.layers[i];
            get_E_G_moduli(L.material, L.grade, 0, L.thickness, &L.e_mean, &L.g_mean, nullptr,
                           nullptr);
            get_strengths(L.material, L.grade, 2, 6, L.thickness, L.thickness, &L.f_m, &L.f_t0,
                          &L.f_c0, &L.f_v, &L.f_c90, nullptr);
            switch (row.layer_rule) {
            case 1: {
                const double raise = 1.0 + 0.025 * n;
                L.f_m *= raise < 1.1 ? raise : 1.1;
                break;
            }
            case 2:
            case 3:
                L.f_m = 18000.0;
                L.f_t0 = row.layer_rule == 2 ? 10150.0 : 14150.0;
                L.f_c0 = row.layer_rule == 2 ? 21000.0 : 24000.0;
                L.e_mean = 12000000.0;
                break;
            case 4:
                L.f_m = 24000.0;
                L.f_t0 = 16500.0;
                L.f_c0 = 24000.0;
                L.e_mean = 12000000.0;
                L.g_mean = 690000.0;
                break;
            default:
                break;
            }
        }
        l.rolling_shear_modulus = 50000.0;
        clt_layup_evaluate(&l);
        // The computed crossing factor needs the thickness sums of the evaluation.
        if (index == 0 || index == 3)
            l.crossing_factor = clt_crossing_factor(l);
        else if (index >= 4)
            l.crossing_factor = index >= 6 ? 2.7 : 2.0;
    }
}

bool valid_line(int line_index)
{
    return line_index >= 0 && line_index < CLT_LINE_COUNT;
}

bool valid_type(int line_index, int type_index)
{
    return valid_line(line_index) && type_index >= 0 && type_index < kLines[line_index].type_count;
}

const char* const kNoType = "nicht definierter Typ";

// Selection lists: texts are heap copies made once.
MaterialListEntry3 g_manufacturers[CLT_LINE_COUNT];
MaterialListEntry g_manufacturers_short[CLT_LINE_COUNT];
MaterialListEntry g_types[CLT_LINE_COUNT][CLT_MAX_TYPES];
bool g_lists = false;

char* dup_text(const char* s)
{
    const size_t n = std::strlen(s) + 1;
    char* p = static_cast<char*>(std::malloc(n));
    if (p)
        std::memcpy(p, s, n);
    return p;
}

}  // namespace

void init_clt_catalogue()
{
    for (int i = 0; i < CLT_LINE_COUNT; ++i)
        build_line(i);
    g_built = true;
}

void init_clt_catalogue_once()
{
    if (!g_built)
        init_clt_catalogue();
}

CltSeries* clt_series_get(int line_index)
{
    if (!valid_line(line_index))
        return nullptr;
    init_clt_catalogue_once();
    return &g_series[line_index];
}

CltLayup* clt_type_get(int line_index, int type_index)
{
    if (!valid_type(line_index, type_index))
        return nullptr;
    init_clt_catalogue_once();
    return &g_series[line_index].types[type_index];
}

const char* clt_manufacturer_name(int line_index)
{
    static char buffer[256];
    const CltSeries* s = clt_series_get(line_index);
    copy_text(buffer, s ? s->name : "nicht definierter Hersteller");
    return buffer;
}

const char* clt_type_name(int line_index, int type_index)
{
    static char buffer[256];
    const CltLayup* l = clt_type_get(line_index, type_index);
    copy_text(buffer, l ? l->name : kNoType);
    return buffer;
}

double clt_line_value_1(int line_index)
{
    const CltSeries* s = clt_series_get(line_index);
    return s ? s->line_value_1 : -1.0;
}

double clt_line_value_2(int line_index)
{
    const CltSeries* s = clt_series_get(line_index);
    return s ? s->line_value_2 : -1.0;
}

int clt_type_count(int line_index)
{
    const CltSeries* s = clt_series_get(line_index);
    return s ? s->type_count : 0;
}

void init_clt_name_lists()
{
    init_clt_catalogue_once();
    if (!g_lists) {
        for (int i = 0; i < CLT_LINE_COUNT; ++i) {
            char* text = dup_text(kLines[i].list_name);
            g_manufacturers[i] = {0, text, i};
            g_manufacturers_short[i] = {0, text};
            for (int k = 0; k < g_series[i].type_count; ++k)
                g_types[i][k] = {0, dup_text(g_series[i].types[k].name)};
        }
    }
    g_lists = true;
}

namespace {

// Gives every entry of a list the colour and reports the list's code and length.
template <class Entry>
Entry* coloured_list(Entry* list, int n, int colour, int code, int* list_code_out, int* count_out)
{
    for (int k = 0; k < n; ++k)
        list[k].colour = colour;
    if (list_code_out)
        *list_code_out = code;
    if (count_out)
        *count_out = n;
    return list;
}

} // namespace

MaterialListEntry3* clt_manufacturer_list(int* list_code_out, int* count_out, int colour)
{
    if (!g_lists)
        init_clt_name_lists();
    return coloured_list(g_manufacturers, CLT_LINE_COUNT, colour, 11, list_code_out, count_out);
}

MaterialListEntry* clt_manufacturer_list_short(int* list_code_out, int* count_out, int colour)
{
    if (!g_lists)
        init_clt_name_lists();
    return coloured_list(g_manufacturers_short, CLT_LINE_COUNT, colour, 13, list_code_out, count_out);
}

MaterialListEntry* clt_type_list(int line_index, int* list_code_out, int* count_out, int colour)
{
    if (!g_lists)
        init_clt_name_lists();
    if (!valid_line(line_index)) {
        if (list_code_out)
            *list_code_out = 13;
        if (count_out)
            *count_out = 0;
        return nullptr;
    }
    return coloured_list(g_types[line_index], g_series[line_index].type_count, colour, 13, list_code_out,
                         count_out);
}

int clt_same_material(const CltLayup* layup)
{
    const int n = clt_valid_layer_count(layup);
    for (int i = 1; i < n; ++i)
        if (layup->layers[i].material != layup->layers[0].material ||
            layup->layers[i].grade != layup->layers[0].grade)
            return 0;
    return 1;
}

const char* clt_layup_label(const CltLayup* layup, int key_direction, int with_material)
{
    const CNumericScope c_numbers;
    static char buffer[2048];
    if (!layup) {
        copy_text(buffer, kNoType);
        return buffer;
    }
    const int n = clt_valid_layer_count(layup);
    size_t used = 0;
    auto append = [&](const char* format, const char* text, double value, int is_text) {
        if (used >= sizeof buffer)
            return;
        const int w = is_text ? c_snprintf(buffer + used, sizeof buffer - used, format, text)
                              : c_snprintf(buffer + used, sizeof buffer - used, format, value);
        if (w > 0)
            used += static_cast<size_t>(w);
        if (used >= sizeof buffer)
            used = sizeof buffer - 1;
    };
    buffer[0] = '\0';
    for (int i = 0; i < n; ++i) {
        const bool bold = layup->layers[i].direction == key_direction;
        if (i > 0)
            append("%s", "-", 0.0, 1);
        append(bold ? "\xCE" "b%.1lf\xCE" "r" : "%.1lf", nullptr, layup->layers[i].thickness, 0);
    }
    if (with_material != 1 || n == 0)
        return buffer;
    if (clt_same_material(layup)) {
        append(" %s", material_long_name(layup->layers[0].material, layup->layers[0].grade), 0.0, 1);
    } else {
        append("\n%s", material_long_name(layup->layers[0].material, layup->layers[0].grade), 0.0, 1);
        for (int i = 1; i < n; ++i)
            append(" - %s", material_long_name(layup->layers[i].material, layup->layers[i].grade),
                   0.0, 1);
    }
    return buffer;
}

const char* clt_layer_text(const CltLayup* layup, int key_direction, int layer_index)
{
    const CNumericScope c_numbers;
    static char buffer[512];
    if (!layup || layer_index < 0 || layer_index >= clt_valid_layer_count(layup)) {
        copy_text(buffer, kNoType);
        return buffer;
    }
    const CltLayer& L = layup->layers[layer_index];
    const char* name = material_long_name(L.material, L.grade);
    if (L.direction == key_direction)
        c_snprintf(buffer, sizeof buffer, "\xCE" "b%s, %.1lf mm, x-Richtung\xCE" "r", name,
                      L.thickness);
    else
        c_snprintf(buffer, sizeof buffer, "%s, %.1lf mm, y-Richtung", name, L.thickness);
    return buffer;
}
