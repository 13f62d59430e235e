// Cross-laminated timber catalogue: lines, types, out-of-range answers, selection
// lists, layup labels and the line rules applied when a type is built.
#include "materials/clt_catalogue.h"
#include "materials/material_names.h"
#include "materials/timber_strengths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kBold = "\xCE" "b";
const std::string kReset = "\xCE" "r";

TEST(CltCatalogue, LinesTypesAndOutOfRange)
{
    const int counts[CLT_LINE_COUNT] = {27, 18, 17, 27, 15, 15, 31, 14};
    for (int i = 0; i < CLT_LINE_COUNT; ++i)
        EXPECT_EQ(clt_type_count(i), counts[i]) << i;
    EXPECT_EQ(clt_type_count(8), 0);
    EXPECT_EQ(clt_type_count(-1), 0);

    EXPECT_STREQ(clt_type_name(3, 11), "115L/5s");
    EXPECT_STREQ(clt_type_name(3, 12), "115L/5s");
    EXPECT_STREQ(clt_type_name(4, 11), "BBS 125 220/5s");
    EXPECT_STREQ(clt_type_name(5, 14), "BBS XL 280/7s");
    EXPECT_STREQ(clt_type_name(6, 30), "KLH 8ss 320 DL");
    EXPECT_STREQ(clt_type_name(2, 17), "nicht definierter Typ");
    EXPECT_STREQ(clt_type_name(8, 0), "nicht definierter Typ");
    EXPECT_STREQ(clt_manufacturer_name(3), "Decker ED BSP");
    EXPECT_STREQ(clt_manufacturer_name(8), "nicht definierter Hersteller");

    EXPECT_DOUBLE_EQ(clt_line_value_1(2), 80.0);
    EXPECT_DOUBLE_EQ(clt_line_value_2(0), 220.0);
    EXPECT_DOUBLE_EQ(clt_line_value_2(2), 240.0);
    EXPECT_DOUBLE_EQ(clt_line_value_2(8), -1.0);
    EXPECT_DOUBLE_EQ(clt_line_value_1(8), -1.0);
    EXPECT_EQ(clt_series_get(8), nullptr);
    EXPECT_EQ(clt_type_get(2, 17), nullptr);
    EXPECT_EQ(clt_type_get(2, -1), nullptr);
    EXPECT_DOUBLE_EQ(clt_series_get(4)->line_factor, 1.1);

    const CltLayup* t = clt_type_get(6, 1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->line_index, 6);
    EXPECT_EQ(t->type_index, 1);
    EXPECT_DOUBLE_EQ(t->charring_rate, 0.9);
    EXPECT_EQ(t->charred_layers_stay, 0);
    EXPECT_DOUBLE_EQ(t->listed_strength, 2.0);
    EXPECT_DOUBLE_EQ(t->rolling_shear_strength, 1.2);
    EXPECT_DOUBLE_EQ(t->lamella_widths[3], 185.0);
}

TEST(CltCatalogue, ListsUseTheListNames)
{
    int code = 0, count = 0;
    MaterialListEntry3* m = clt_manufacturer_list(&code, &count, 7);
    EXPECT_EQ(code, 11);
    EXPECT_EQ(count, 8);
    EXPECT_STREQ(m[3].text, "Decker BSP");
    EXPECT_STREQ(m[1].text, "Derix X-LAM");
    EXPECT_EQ(m[3].code, 3);
    EXPECT_EQ(m[3].colour, 7);
    MaterialListEntry* s = clt_manufacturer_list_short(&code, &count, 9);
    EXPECT_EQ(code, 13);
    EXPECT_EQ(count, 8);
    EXPECT_STREQ(s[2].text, "Merkle X-LAM");
    EXPECT_EQ(s[2].colour, 9);
    MaterialListEntry* types = clt_type_list(6, &code, &count, 1);
    EXPECT_EQ(code, 13);
    EXPECT_EQ(count, 31);
    EXPECT_STREQ(types[18].text, "KLH 5ss 160 DL");
    count = 5;
    EXPECT_EQ(clt_type_list(8, &code, &count, 1), nullptr);
    EXPECT_EQ(count, 0);
}

TEST(CltCatalogue, LabelsAndLayerTexts)
{
    const CltLayup* klh = clt_type_get(6, 1);  // "KLH 3s 70 DL": 20x 30y 20x
    const std::string c24 = material_long_name(0, 5);
    EXPECT_EQ(clt_layup_label(klh, 0, 1),
              kBold + "20.0" + kReset + "-30.0-" + kBold + "20.0" + kReset + " " + c24);
    EXPECT_EQ(clt_layup_label(klh, 1, 0), "20.0-" + kBold + "30.0" + kReset + "-20.0");

    const CltLayup* plus = clt_type_get(0, 2);  // "80 plus": veneer lumber in the middle
    EXPECT_EQ(clt_same_material(plus), 0);
    const std::string lvl = material_long_name(13, 5);
    EXPECT_EQ(clt_layup_label(plus, 0, 1), kBold + "24.4" + kReset + "-31.2-" + kBold + "24.4" +
                                               kReset + "\n" + c24 + " - " + lvl + " - " + c24);
    EXPECT_STREQ(clt_layup_label(nullptr, 0, 1), "nicht definierter Typ");

    EXPECT_EQ(clt_layer_text(klh, 0, 0), kBold + c24 + ", 20.0 mm, x-Richtung" + kReset);
    EXPECT_EQ(clt_layer_text(klh, 0, 1), c24 + ", 30.0 mm, y-Richtung");
    EXPECT_STREQ(clt_layer_text(klh, 0, 3), "nicht definierter Typ");
    EXPECT_STREQ(clt_layer_text(nullptr, 0, 0), "nicht definierter Typ");
}

TEST(CltCatalogue, LayupsAreSymmetricAndMatchTheirNames)
{
    struct Known {
        int line, type;
        double total;
    };
    // The totals the type names carry (the first line's to within 1.3 mm).
    const Known known[] = {{0, 0, 70},   {0, 2, 80},   {0, 4, 90},   {0, 14, 180}, {0, 26, 310},
                           {1, 0, 60},   {2, 11, 240}, {3, 11, 115}, {3, 12, 115}, {4, 11, 220},
                           {5, 11, 220}, {6, 1, 70},   {6, 18, 160}, {6, 29, 300}};
    for (const Known& k : known) {
        const CltLayup* l = clt_type_get(k.line, k.type);
        ASSERT_NE(l, nullptr);
        const int n = l->layer_count;
        ASSERT_GE(n, 3) << l->name;
        EXPECT_NEAR(l->total_thickness, k.total, 1.3 + 1e-9) << l->name;  // "310": 9 x 34.3 = 308.7
        EXPECT_EQ(l->layers[0].direction, 0) << l->name;
        EXPECT_EQ(l->layers[n - 1].direction, 0) << l->name;
        for (int i = 0; i < n; ++i) {
            EXPECT_DOUBLE_EQ(l->layers[i].thickness, l->layers[n - 1 - i].thickness) << l->name;
            EXPECT_EQ(l->layers[i].direction, l->layers[n - 1 - i].direction) << l->name;
        }
        // symmetric: both centroids at mid-depth, kappa evaluated
        EXPECT_NEAR(l->centroid_x, 0.5 * l->total_thickness, 1e-9) << l->name;
        EXPECT_GT(l->shear_correction_x, 0.0) << l->name;
    }
}

TEST(CltCatalogue, LineRulesWhenBuilding)
{
    init_clt_catalogue();  // rebuild under the current (no) national annex
    // computed crossing factor: "70" 8*23.3/69.9 = 2.666667; "90-4L" capped at 3.5
    EXPECT_NEAR(clt_type_get(0, 0)->crossing_factor, 2.666667, 1e-6);
    EXPECT_DOUBLE_EQ(clt_type_get(0, 4)->crossing_factor, 3.5);
    EXPECT_DOUBLE_EQ(clt_type_get(1, 0)->crossing_factor, 2.7);
    EXPECT_DOUBLE_EQ(clt_type_get(2, 11)->crossing_factor, 1.3);
    EXPECT_DOUBLE_EQ(clt_type_get(4, 0)->crossing_factor, 2.0);
    EXPECT_DOUBLE_EQ(clt_type_get(7, 0)->crossing_factor, 2.7);
    EXPECT_DOUBLE_EQ(clt_type_get(2, 0)->rolling_shear_strength, -1.0);
    EXPECT_DOUBLE_EQ(clt_type_get(0, 0)->rolling_shear_modulus, 50000.0);

    // Decker, five layers: f_m * min(1 + 0.025*5, 1.1) = f_m * 1.1
    const CltLayup* decker = clt_type_get(3, 11);
    double f_m = 0;
    get_strengths(0, 5, 2, 6, 23, 23, &f_m, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NEAR(decker->layers[2].f_m, 1.1 * f_m, 1e-6);
    EXPECT_DOUBLE_EQ(decker->charring_rate, 0.8);

    // Binderholz XL and KLH override the getters
    const CltLayup* xl = clt_type_get(5, 11);
    EXPECT_DOUBLE_EQ(xl->layers[0].f_t0, 14150.0);
    EXPECT_DOUBLE_EQ(xl->layers[0].e_mean, 12000000.0);
    const CltLayup* dl = clt_type_get(6, 18);
    EXPECT_DOUBLE_EQ(dl->layers[1].g_mean, 690000.0);
    EXPECT_DOUBLE_EQ(dl->layers[1].f_m, 24000.0);
    // 0.25 * 0.001 * 690000 * 160 = 27600
    EXPECT_NEAR(dl->plate_shear_sum, 27600.0, 1e-6);
}

}  // namespace
