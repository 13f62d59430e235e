// Cross-laminated timber cases with unequal layer moduli and thick layers in fire, worked out by hand.
#include "materials/clt_check.h"
#include "materials/clt_fire.h"
#include "materials/clt_layup.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// C24 layers "thickness direction E" from the top (E in kN/m²), G 690 N/mm², G_R 50 N/mm².
struct Layer { double t; int direction; double e; };
CltLayup layup_of(std::initializer_list<Layer> layers)
{
    CltLayup l;
    std::memset(&l, 0, sizeof l);
    for (const Layer& p : layers) {
        CltLayer& L = l.layers[l.layer_count++];
        L.material = 0;
        L.grade = 5;
        L.thickness = p.t;
        L.direction = p.direction;
        L.e_mean = p.e;
        L.g_mean = 690000.0;
        L.f_m = 24000.0;
        L.f_v = 4000.0;
    }
    l.rolling_shear_modulus = 50000.0;
    l.type_index = 1;
    l.rolling_shear_strength = 1.0;
    return l;
}
} // namespace

TEST(CltCases, EachLayerStressesWithItsOwnModulus)
{
    // 40x (E 14000 N/mm²) - 20y - 40x (E 11000 N/mm²), b 1000, M 10 kNm:
    // centroid = (14 * 40 * 20 + 11 * 40 * 80) / (14 * 40 + 11 * 40) = 46.4 mm; offsets 26.4 and -33.6;
    // EI = 14e6 * 0.04 * (0.0264^2 + 0.04^2 / 12) + 11e6 * 0.04 * (0.0336^2 + 0.04^2 / 12)
    //    = 464.964 + 555.409 = 1020.373 kNm²;
    // top of layer 0 (z 46.4 mm): 10 * 0.001 * 14e6 / 1020.373 * 0.0464 = 6.366297 N/mm²;
    // bottom of layer 2 (z -53.6 mm): 10 * 0.001 * 11e6 / 1020.373 * -0.0536 = -5.778277 N/mm²
    CltLayup l = layup_of({{40, 0, 14000000.0}, {20, 1, 11000000.0}, {40, 0, 11000000.0}});
    clt_layup_evaluate(&l);
    EXPECT_NEAR(l.centroid_x, 46.4, 1e-9);
    CltCheckResult r;
    ASSERT_EQ(clt_stress_check(&l, 1000, 0, 1, 8, 1.0, 0.8, 1.3, 10, 0, 0, &r), 1);
    EXPECT_NEAR(r.bending_stiffness, 1020.373333, 1e-6);
    EXPECT_NEAR(r.layers[0].sigma_top, 6.366297, 1e-6);
    EXPECT_NEAR(r.layers[2].sigma_bottom, -5.778277, 1e-6);
    EXPECT_NEAR(r.sigma_max, 6.366297, 1e-6);
    EXPECT_NEAR(r.sigma_min, -5.778277, 1e-6);
    // bottom of layer 0 (z 6.4 mm) at 14000 and top of layer 2 (z -13.6 mm) at 11000: 0.878110 and -1.466130
    EXPECT_NEAR(r.layers[0].sigma_bottom, 0.878110, 1e-6);
    EXPECT_NEAR(r.layers[2].sigma_top, -1.466130, 1e-6);
    EXPECT_EQ(r.bending_layer, 0);
}

TEST(CltCases, ThickLayerAfterFallOff)
{
    // 20x-40y-20x, beta 0.65, fire on the upper face, layers not held: the first layer burns at 0.65 in
    // 20 / 0.65 = 30.769 min; the 40 mm layer behind it at 1.3 up to 25 mm (19.231 min), its rest at 0.65;
    // k_0 = 1 from 20 min on, so 7 mm are added.
    CltLayup l = layup_of({{20, 0, 11000000.0}, {40, 1, 11000000.0}, {20, 0, 11000000.0}});
    l.charring_rate = 0.65;
    const struct { double t, d_ef; const char* arithmetic; } cases[] = {
        {45, 45.5, "20 + 1.3 * 14.231 = 20 + 18.5 (below 25 mm) + 7"},
        // T = 21.231 min: 1.3 * T = 27.6 exceeds 25: 25 mm at 1.3, 2 min left at 0.65
        {52, 53.3, "20 + 25 + 0.65 * 2 + 7"},
        {60, 58.5, "T = 29.231: 25 mm at 1.3, 10 min left: 20 + 25 + 0.65 * 10 + 7"},
        // 20 min left after the first 25 mm: 0.65 * 20 = 13 mm of the 15 mm rest (1.3 would burn it through)
        {70, 65.0, "20 + 25 + 0.65 * 20 + 7"},
        // T = 49.231: 25 at 1.3 leaves 30 min; the rest 15 mm at 0.65 takes 23.077 min; 6.923 min at 1.3
        // into the third layer: 9.0 mm
        {80, 76.0, "20 + 40 + 1.3 * 6.923 + 7"},
    };
    for (const auto& k : cases)
        EXPECT_NEAR(clt_char_depth(&l, 0, k.t, 0, 0, 1, 2), k.d_ef, 1e-9) << k.arithmetic;
}
