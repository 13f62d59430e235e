#include "annex_fixture.h"
#include "fasteners/embedding_strength.h"
#include "fasteners/penetration.h"
#include "fasteners/required_thickness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
std::vector<int> list1() { return {connection_messages_1, connection_messages_1 + connection_messages_1_count}; }
std::vector<int> list2() { return {connection_messages_2, connection_messages_2 + connection_messages_2_count}; }
}

TEST(Penetration, PositionCodesUsableLengthAndMessages)
{
    struct Case {
        const char* what; int country; int n; double d, l, theta, t1, t2;
        int code; double usable; int planes; std::vector<int> m1, m2;
    };
    const Case cases[] = {
        {"stays in member 1", -1, 1, 4, 40, 90, 50, 30, 0, 40, 0, {}, {84}},
        {"ends in member 2, DIN", -1, 1, 4, 60, 90, 30, 40, 1, 30, 1, {86}, {}},
        {"ends in member 2, annex: 30 < 8 d", 1, 1, 4, 60, 90, 30, 40, 1, 30, 1, {86, 137}, {}},
        // l' = 60 sin 30 = 30, p = 10 < 4 d = 16
        {"slanted, short penetration", -1, 1, 4, 60, 30, 20, 40, 1, 10, 0, {86, 8}, {}},
        {"ends in the third member", -1, 2, 4, 90, 90, 30, 40, 3, 20, 2, {87}, {}},
        {"leaves the third member", -1, 2, 4, 90, 90, 30, 20, 4, 30, 2, {}, {88}},
        // EC values without annex: p_min = d, so 5 mm keeps the plane for d 4
        {"country 0 minimum", 0, 1, 4, 35, 90, 30, 20, 1, 5, 1, {86, 8, 137}, {}},
        // the point stays in member 2 with room to spare (t2 - p >= l'): code 85, result 2
        {"deep second member", -1, 1, 4, 35, 90, 30, 40, 2, 5, 0, {85}, {}},
        // neither single nor double shear and through member 2: usable = p - t2
        {"three planes, through", -1, 3, 4, 90, 90, 30, 20, 0, 40, 0, {}, {}},
    };
    for (const Case& c : cases) {
        CurrentAnnex annex(c.country);
        connection_messages_clear();
        double usable = -7;
        int planes = -7;
        EXPECT_EQ(penetration_length_check(c.n, c.d, c.l, c.theta, c.t1, c.t2, &usable, &planes), c.code) << c.what;
        EXPECT_NEAR(usable, c.usable, 1e-9) << c.what;
        EXPECT_EQ(planes, c.planes) << c.what;
        EXPECT_EQ(list1(), c.m1) << c.what;
        EXPECT_EQ(list2(), c.m2) << c.what;
    }
}

TEST(Penetration, FullListTakesNoMoreCodes)
{
    CurrentAnnex none(-1);
    connection_messages_clear();
    for (int i = 0; i < 600; ++i) connection_message_add_1(1);
    EXPECT_EQ(connection_messages_1_count, 500);
    double usable;
    EXPECT_EQ(penetration_length_check(1, 4, 60, 90, 30, 40, &usable, nullptr), 1);
    EXPECT_EQ(connection_messages_1_count, 500);
    EXPECT_EQ(connection_messages_1[499], 1);
    EXPECT_DOUBLE_EQ(connector_min_thickness_side(5), 24.0);
    EXPECT_DOUBLE_EQ(connector_min_thickness_middle(10), 50.0);
}

TEST(Embedding, RulesAndResultCodes)
{
    CurrentAnnex none(-1);
    double f1, f2;
    // nail d 4 softwood rho 380: 0.082*380*4^-0.3 = 20.558
    const double g = 0.082 * 380 * std::pow(4.0, -0.3);
    EXPECT_EQ(embedding_strength(&f1, &f2, 0, 4, 0, 0, 0, 20, 40, 380, 380, 0, 0, 0, 0, nullptr, nullptr), 0);
    EXPECT_NEAR(f1, g, 1e-9);
    EXPECT_NEAR(f1, 20.558, 1e-3);
    EXPECT_NEAR(f2, g, 1e-9);
    // plywood first member: 0.11*380*4^-0.3 = 27.578
    embedding_strength(&f1, &f2, 0, 4, 0, 0, 0, 20, 40, 380, 380, 6, 0, 0, 0, nullptr, nullptr);
    EXPECT_NEAR(f1, 0.11 * 380 * std::pow(4.0, -0.3), 1e-9);
    EXPECT_NEAR(f2, g, 1e-9);
    // bolt d 12 along the grain: 0.082*0.88*rho; plasterboard first member has none: code 158
    EXPECT_EQ(embedding_strength(&f1, &f2, 30, 12, 1, 0, 0, 20, 40, 380, 380, 0, 0, 0, 0, nullptr, nullptr), 0);
    EXPECT_NEAR(f1, 0.082 * 0.88 * 380, 1e-9);
    EXPECT_EQ(embedding_strength(&f1, &f2, 30, 12, 1, 0, 0, 20, 40, 380, 380, 5, 0, 0, 0, nullptr, nullptr), 158);
    EXPECT_EQ(f1, 0.0);
    EXPECT_EQ(embedding_strength(&f1, &f2, 30, 12, 1, 0, 0, 20, 40, 380, 380, 0, 5, 0, 0, nullptr, nullptr), 159);
    // d 6 dowel-rule fastener without a set: k90 = 1, code 1008, no dependence on the angle
    EXPECT_EQ(embedding_strength(&f1, &f2, 29, 6, 1, 1.2, 0.3, 20, 40, 380, 380, 0, 0, 0, 0, nullptr, nullptr), 1008);
    EXPECT_NEAR(f1, 0.082 * 0.94 * 380, 1e-9);
    EXPECT_NEAR(f2, 0.082 * 0.94 * 380, 1e-9);
    // both plates: 0 and 0, code 0
    EXPECT_EQ(embedding_strength(&f1, &f2, 30, 12, 1, 0, 0, 5, 5, 0, 0, 12, 16, 0, 0, nullptr, nullptr), 0);
    EXPECT_EQ(f1 + f2, 0.0);
    // wood screw 7 mm: nail rule without a set, dowel rule with one (at 90 degrees k90 = 1.35 + 0.105)
    embedding_strength(&f1, nullptr, 5, 7, 0, M_PI / 2, M_PI / 2, 20, 40, 380, 380, 0, 0, 0, 0, nullptr, nullptr);
    EXPECT_NEAR(f1, 0.082 * 380 * std::pow(7.0, -0.3), 1e-9);
    {
        CurrentAnnex annex(1);
        embedding_strength(&f1, nullptr, 5, 7, 0, M_PI / 2, M_PI / 2, 20, 40, 380, 380, 0, 0, 0, 0, nullptr, nullptr);
        EXPECT_NEAR(f1, 0.082 * 0.93 * 380 / 1.455, 1e-9);
    }
    EXPECT_NEAR(embedding_factor_k90(12, 1), 1.08, 1e-12);
    EXPECT_EQ(embedding_factor_k90(12, 4), 0.0);
    // user laws: the second member's law takes its own density (c0 d^0 t^0 rho^1 = rho)
    UserEmbeddingLaw law{1.0, 0.0, 0.0, 1.0, 1};
    embedding_strength(&f1, &f2, 0, 4, 0, 0, 0, 20, 40, 380, 450, -999, -999, 0, 0, &law, &law);
    EXPECT_DOUBLE_EQ(f1, 380.0);
    EXPECT_DOUBLE_EQ(f2, 450.0);
}

TEST(RequiredThickness, SimplifiedCheckOfANail)
{
    CurrentAnnex none(-1);
    // nail f_u 600, d 4, l 60, t1 24, t2 60, softwood rho 350: f_h = 0.082*350*4^-0.3 = 18.935 on both sides,
    // beta 1, M_y = 0.3*600*4^2.6 = 6616.5; t1_req = 2.3 (sqrt(1/2) + 1) sqrt(6616.5/(18.935*4)) = 36.70;
    // the point ends in member 2: t2_req = 1.15 (2/sqrt 2 + 2) * 9.3466 = 36.70; factor 24/36.70 = 0.654
    const double root = std::sqrt(0.3 * 600 * std::pow(4.0, 2.6) / (0.082 * 350 * std::pow(4.0, -0.3) * 4));
    double usable, factor, t1r, t2r;
    int planes;
    EXPECT_EQ(simplified_thickness_check(0, 600, 1, 4, 60, 90, 0, 0, 0, 0, 24, 60, 350, 350, 0, 0, 0, 0, nullptr,
                                         nullptr, &usable, &planes, &factor, &t1r, &t2r), 1);
    EXPECT_DOUBLE_EQ(usable, 36.0);
    EXPECT_NEAR(t1r, 2.3 * (std::sqrt(0.5) + 1) * root, 1e-9);
    EXPECT_NEAR(t1r, 36.70, 0.005);
    EXPECT_NEAR(t2r, 1.15 * (2 / std::sqrt(2.0) + 2) * root, 1e-9);
    EXPECT_NEAR(factor, 24 / t1r, 1e-12);
    // steel plate of 24 mm as member 1: t1_req 0.1, t2_req 10 d = 40, factor 36/40
    simplified_thickness_check(0, 600, 1, 4, 60, 90, 0, 0, 0, 0, 24, 60, 350, 350, 12, 0, 0, 0, nullptr, nullptr,
                               &usable, &planes, &factor, &t1r, &t2r);
    EXPECT_DOUBLE_EQ(t1r, 0.1);
    EXPECT_DOUBLE_EQ(t2r, 40.0);
    EXPECT_DOUBLE_EQ(factor, 0.9);
    // plate of 3 mm: k = 9 + (2*3/4 - 1) = 9.5 -> 38; special nail 22 with 1.9 mm: 10 d? no, below 2 mm: k 9 (1.9 <= 2)
    simplified_thickness_check(0, 600, 1, 4, 60, 90, 0, 0, 0, 0, 3, 60, 350, 350, 12, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, &t2r);
    EXPECT_DOUBLE_EQ(t2r, 38.0);
    simplified_thickness_check(22, 600, 1, 4, 60, 90, 0, 0, 0, 0, 2, 60, 350, 350, 12, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, &t2r);
    EXPECT_DOUBLE_EQ(t2r, 40.0);
    simplified_thickness_check(22, 600, 1, 4, 60, 90, 0, 0, 0, 0, 1.9, 60, 350, 350, 12, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, &t2r);
    EXPECT_DOUBLE_EQ(t2r, 36.0);
    // plywood member 1: f_h,1 = 0.11*350*4^-0.3, beta = 0.082/0.11; computed t1_req 30.69 exceeds 7 d = 28
    simplified_thickness_check(0, 600, 1, 4, 60, 90, 0, 0, 0, 0, 24, 60, 350, 350, 6, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr, &factor, &t1r, nullptr);
    const double b = 0.082 / 0.11;
    const double t1p = 2.3 * (std::sqrt(b / (1 + b)) + 1) *
                       std::sqrt(0.3 * 600 * std::pow(4.0, 2.6) / (0.11 * 350 * std::pow(4.0, -0.3) * 4));
    EXPECT_NEAR(t1r, t1p, 1e-9);
    EXPECT_NEAR(t1r, 30.69, 0.005);
    EXPECT_NEAR(factor, 24 / t1p, 1e-12);
    // types outside the list write nothing
    double untouched = -5;
    for (int type : {25, 29, 30})
        EXPECT_EQ(simplified_thickness_check(type, 600, 1, 12, 60, 90, 0, 0, 0, 0, 24, 60, 350, 350, 0, 0, 0, 0,
                                             nullptr, nullptr, &untouched, nullptr, &untouched, &untouched,
                                             &untouched), 0);
    EXPECT_EQ(untouched, -5);
}

TEST(RequiredThickness, NailShearPlaneCapacity)
{
    CurrentAnnex none(-1);
    FastenerResult r{};
    // the nail of the simplified check above: factor 24/36.70; M_y 6616.5, f_h 18.935:
    // F = 0.654 * sqrt(2 * 6616.5 * 18.935 * 4) = 0.654 * 1001.1 = 654.7 N
    const double My = 0.3 * 600 * std::pow(4.0, 2.6);
    const double fh = 0.082 * 350 * std::pow(4.0, -0.3);
    const double t1req = 2.3 * (std::sqrt(0.5) + 1) * std::sqrt(My / (fh * 4));
    const double F = nail_shear_plane_capacity(1, 4, 60, 600, 0, 0, 24, 60, 350, 350, 0, 0, 0, 0, 0, 0, nullptr,
                                               nullptr, &r);
    EXPECT_NEAR(F, 24 / t1req * std::sqrt(2 * My * fh * 4), 1e-9);
    EXPECT_NEAR(F, 654.7, 0.1);
    EXPECT_DOUBLE_EQ(r.f_v_k, F);
    EXPECT_DOUBLE_EQ(r.m_y_k, My);
    // the point leaves member 2 (t2 20 < p 36): factor 1, message 11
    EXPECT_NEAR(nail_shear_plane_capacity(1, 4, 60, 600, 0, 0, 24, 20, 350, 350, 0, 0, 0, 0, 0, 0, nullptr, nullptr, &r),
                std::sqrt(2 * My * fh * 4), 1e-9);
    EXPECT_EQ(r.message_code, 11);
    // the nail stays in member 1: factor 0, message 6
    EXPECT_EQ(nail_shear_plane_capacity(1, 4, 20, 600, 0, 0, 24, 60, 350, 350, 0, 0, 0, 0, 0, 0, nullptr, nullptr, &r), 0.0);
    EXPECT_EQ(r.message_code, 6);
    // plywood as member 1: each member keeps its own embedding strength in the record,
    // f_h,1 = 0.11 * 350 * 4^-0.3 = 25.4005, f_h,2 = 0.082 * 350 * 4^-0.3 = 18.9349, and the capacity
    // is factor * sqrt(2 M_y f_h,1 d)
    r = FastenerResult{};
    const double F6 = nail_shear_plane_capacity(1, 4, 60, 600, 0, 0, 24, 60, 350, 350, 0, 0, 6, 0, 0, 0, nullptr,
                                                nullptr, &r);
    EXPECT_NEAR(r.f_h_1, 25.4005, 1e-4);
    EXPECT_NEAR(r.f_h_2, 18.9349, 1e-4);
    EXPECT_DOUBLE_EQ(r.f_u_used, 600);
    EXPECT_GT(r.reduction_factor, 0.0);
    EXPECT_NEAR(F6, r.reduction_factor * std::sqrt(2 * My * 25.4005 * 4), 0.1);
}

TEST(RequiredThickness, UnequalMembersTakeEachMembersEmbeddingStrength)
{
    CurrentAnnex none(-1);
    const double halfPi = std::acos(0.0);
    // bolt d 12 with thread (embedding diameter d), f_u 400: M_y = 0.3*400*12^2.6 = 76 745;
    // f_h,0 = 0.082 (1 - 0.01*12) rho: side rho 350 along the grain 25.256, middle rho 450 across it
    // (k_90 = 1.35 + 0.015*12 = 1.53) 32.472/1.53 = 21.224; beta = f_h,middle / f_h,side = 0.84035
    const double My = 0.3 * 400 * std::pow(12.0, 2.6);
    const double fh_side = 0.082 * 0.88 * 350;
    const double fh_middle = 0.082 * 0.88 * 450 / 1.53;
    const double beta = fh_middle / fh_side;
    const double side_root = std::sqrt(My / (fh_side * 12)), middle_root = std::sqrt(My / (fh_middle * 12));
    // point side: 1.15 * 4 / sqrt(1 + beta) * sqrt(M_y / (d f_h,middle)) = 3.3909 * 17.359 = 58.86
    EXPECT_NEAR(required_point_thickness(1, 12, 120, 90, 30, 0, 0, 1, 0, 0.0, halfPi, 0, 400, 60, 60, 350, 450, 0, 0,
                                         0, 0, nullptr, nullptr),
                1.15 * 4 / std::sqrt(1 + beta) * middle_root, 1e-9);
    EXPECT_NEAR(1.15 * 4 / std::sqrt(1 + beta) * middle_root, 58.86, 0.01);
    // without thread the strengths are those of d + 1 = 13 (f_h,0 = 0.082 * 0.87 rho, k_90 = 1.545), the
    // root keeps d: beta = (450 / 1.545) / 350 = 0.83218; 1.15 * 4 / sqrt(1.83218) * 17.544 = 59.62
    const double fh13_middle = 0.082 * 0.87 * 450 / 1.545, beta13 = fh13_middle / (0.082 * 0.87 * 350);
    const double point13 = 1.15 * 4 / std::sqrt(1 + beta13) * std::sqrt(My / (12 * fh13_middle));
    EXPECT_NEAR(required_point_thickness(1, 12, 120, 90, 30, 0, 0, 0, 0, 0.0, halfPi, 0, 400, 60, 60, 350, 450, 0, 0,
                                         0, 0, nullptr, nullptr),
                point13, 1e-9);
    EXPECT_NEAR(point13, 59.62, 0.01);
    // side member: 2.3 (sqrt(beta / (1 + beta)) + 1) * sqrt(M_y / (d f_h,side)) = 3.8542 * 15.913 = 61.33
    EXPECT_NEAR(required_side_thickness(30, 0, 0, 12, 1, 0, 0.0, halfPi, 0, 400, 60, 60, 350, 450, 0, 0, 0, 0, nullptr,
                                        nullptr),
                2.3 * (std::sqrt(beta / (1 + beta)) + 1) * side_root, 1e-9);
    // the second member by the side-member rule with its own strength: 3.8542 * 17.359 = 66.91
    EXPECT_NEAR(required_second_thickness(12, 30, 0, 0, 1, 0, 0.0, halfPi, 0, 400, 60, 60, 350, 450, 0, 0, 0, 0,
                                          nullptr, nullptr),
                2.3 * (std::sqrt(beta / (1 + beta)) + 1) * middle_root, 1e-9);
    EXPECT_NEAR(2.3 * (std::sqrt(beta / (1 + beta)) + 1) * middle_root, 66.91, 0.01);
    // a proprietary screw beside a board member needs at least 1.2 d: 4 mm SPAX with M_y 0 (variant,
    // no set) in OSB gives 4.8
    EXPECT_DOUBLE_EQ(required_second_thickness(4, 11, 0, 1, 1, 0, halfPi, halfPi, 0, 600, 20, 60, 550, 350, 4, 0, 0, 0,
                                               nullptr, nullptr),
                     4.8);

    // Ring and shear-plate connectors (types 25 to 28) need their embedment x: the side member
    // max(3 x, 24 mm), the middle member max(5 x, 24 mm), whatever the joint's other values.
    struct Connector { double x, side, middle; };
    const Connector connectors[] = {
        {7, 24, 35},      // 3 × 7 = 21 < 24; 5 × 7 = 35
        {8, 24, 40},      // 3 × 8 = 24 on the minimum
        {10, 30, 50},     // 3 × 10, 5 × 10
        {4.8, 24, 24},    // 5 × 4.8 = 24 on the minimum
        {15, 45, 75},     // 3 × 15, 5 × 15
    };
    for (int type : {25, 26, 27, 28})
        for (const Connector& c : connectors) {
            EXPECT_DOUBLE_EQ(required_side_thickness(type, 0, 0, 12, 1, 0, 0.0, halfPi, c.x, 400, 60, 60, 350, 450, 0, 0, 0,
                                                     0, nullptr, nullptr),
                             c.side) << type << " x " << c.x;
            EXPECT_DOUBLE_EQ(required_point_thickness(1, 12, 120, 90, type, 0, 0, 1, 0, 0.0, halfPi, c.x, 400, 60, 60, 350,
                                                      450, 0, 0, 0, 0, nullptr, nullptr),
                             c.middle) << type << " x " << c.x;
            EXPECT_DOUBLE_EQ(middle_thickness_equal_members(12, type, 0, 0, 1, 0, halfPi, c.x, 400, 60, 350, 0, 0, nullptr,
                                                            nullptr),
                             c.middle) << type << " x " << c.x;
            EXPECT_DOUBLE_EQ(side_thickness_equal_members(12, type, 0, 0, 1, 0, halfPi, c.x, 400, 60, 350, 0, 0, nullptr,
                                                          nullptr),
                             c.middle) << type << " x " << c.x;
        }
    // The types beside the connectors take the formula: a dowel (29) with the bolt's values above
    // gives the bolt's side thickness 61.33, not 3 x.
    EXPECT_NEAR(required_side_thickness(29, 0, 0, 12, 1, 0, 0.0, halfPi, 10, 400, 60, 60, 350, 450, 0, 0, 0, 0, nullptr,
                                        nullptr),
                61.33, 0.01);
}
