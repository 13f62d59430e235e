// Geometry of beam cuts: common system of two cuts, transformation of the cut forces, cut data.
#include "beam_fixture.h"
#include "environment/vykexputil.h"

#include <gtest/gtest.h>
#include <cmath>

using beamfix::beam;
using beamfix::kIdentity;
using beamfix::kReversed;

namespace {

const double kPi = 3.14159265358979323846;

void expect_vec(const double* v, double x, double y, double z)
{
    EXPECT_NEAR(v[0], x, 1e-12);
    EXPECT_NEAR(v[1], y, 1e-12);
    EXPECT_NEAR(v[2], z, 1e-12);
}

// Turns both edges' forces as the window does: relation of the two cuts, both against system B.
void turn_edges(VYKExportObject* left, VYKExportObject* right, double* values, CutTransformList** list)
{
    RelativeAxes rel;
    ASSERT_EQ(vyk_export_relative_axes(left, right, &rel), 1);
    VYKExportObject* objs[2] = {left, right};
    const int sel[2] = {1, 1};
    ASSERT_EQ(vyk_export_build_transforms(&rel, objs, sel, 2, list), 1);
    ASSERT_EQ(vyk_export_transform_forces(*list, values, values), 1);
}

} // namespace

// Left cut at x = 2.9, right cut at x = 3.1 of one beam along x (both with e = identity), L = 6.
//  a1 = f1 = x; e1 x f1 = 0, so a2 = f2 = y; a3 = z.  u = e1.a3 = 0, so c = P1.f1 = 2.9, X = (2.9, 0, 0).
//  s0 = (P2 - X).f1 = 0.2 > tau2 = 6e-5: a1 = -x, a2 = -y.  w0 = (P1 - P2).a3 = 0, q1 < 0.99999: no turn.
//  b1 = e1 = x, b2 = a2 = -y, b3 = x cross -y = -z.  s = 0.2 * -1 = -0.2; theta = atan2(b1.a1, b1.a3) = atan2(-1, 0).
TEST(BeamGeometry, CollinearCutsShareTheFirstBeamsAxis)
{
    const double p1[3] = {2.9, 0, 0}, p2[3] = {3.1, 0, 0};
    VYKExportObject* left = beam(1, p1, kIdentity, 0.0, 2.9 / 6.0, 6.0);
    VYKExportObject* right = beam(2, p2, kIdentity, 0.0, 3.1 / 6.0, 6.0);
    RelativeAxes rel;
    ASSERT_EQ(vyk_export_relative_axes(left, right, &rel), 1);
    expect_vec(rel.a.r1, -1, 0, 0);
    expect_vec(rel.a.r2, 0, -1, 0);
    expect_vec(rel.a.r3, 0, 0, 1);
    expect_vec(rel.x, 2.9, 0, 0);
    expect_vec(rel.b.origin, 2.9, 0, 0);
    expect_vec(rel.b.r1, 1, 0, 0);
    expect_vec(rel.b.r2, 0, -1, 0);
    expect_vec(rel.b.r3, 0, 0, -1);
    EXPECT_NEAR(rel.s, -0.2, 1e-12);
    EXPECT_NEAR(rel.z, 0.0, 1e-12);
    EXPECT_NEAR(rel.theta, -kPi / 2, 1e-12);

    // Target t = (x, -y, -z): F = diag(1, -1, -1) for both cuts, so (N, Vy, Vz) = (2, 1, 6.5) becomes
    // (2, -1, -6.5) and (Mx, My, Mz) = (0.5, 4.2, 0) becomes (0.5, -4.2, 0); likewise at the right edge.
    double v[12] = {2, 1, 6.5, 0.5, 4.2, 0, 2, 1, 6.5, 0.5, 4.8, 0};
    CutTransformList* list = nullptr;
    turn_edges(left, right, v, &list);
    const double want[12] = {2, -1, -6.5, 0.5, -4.2, 0, 2, -1, -6.5, 0.5, -4.8, 0};
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(v[i], want[i], 1e-12) << i;
    ASSERT_EQ(list->count, 2);
    // alpha: e1.t1 = 1 gives 0; e3.t3 = -1 gives pi.
    EXPECT_NEAR(list->entries[0].alpha[0], 0.0, 1e-12);
    EXPECT_NEAR(list->entries[0].alpha[2], kPi, 1e-12);
    vyk_transform_list_free(&list);
    EXPECT_EQ(list, nullptr);
    vyk_export_object_free(left);
    vyk_export_object_free(right);
}

// Right cut on a beam running the other way (f1 = -x, f2 = -y, f3 = z), P2 = (3.1, 0, 0).
//  a1 = -x, a2 = f2 = -y, a3 = (-x) cross (-y) = z.  c = P1.f1 = -2.9; X = P2 + f1 (c - P2.f1) = (2.9, 0, 0).
//  s0 = (P2 - X).f1 = -0.2 < -tau2: no turn.  b1 = x, b2 = -y, b3 = -z (as for collinear cuts).
//  Right transform: c = f1.t1 = -1, h = -1; F = -[f_i . t_j] = [[1,0,0],[0,-1,0],[0,0,1]];
//  (N, Vy, Vz) = (10, 0, 6.5) -> (10, 0, 6.5); (Mx, My, Mz) = (0, 4.8, 0) -> (0, -4.8, 0); alpha1 = pi.
TEST(BeamGeometry, ReversedBeamKeepsItsAxialForceAndTurnsAsAWhole)
{
    const double p1[3] = {2.9, 0, 0}, p2[3] = {3.1, 0, 0};
    VYKExportObject* left = beam(1, p1, kIdentity, 0.0, 2.9 / 6.0, 6.0);
    VYKExportObject* right = beam(2, p2, kReversed, 0.0, 2.9 / 6.0, 6.0);
    double v[12] = {10, 0, 6.5, 0, 4.2, 0, 10, 0, 6.5, 0, 4.8, 0};
    CutTransformList* list = nullptr;
    turn_edges(left, right, v, &list);
    const double want[12] = {10, 0, -6.5, 0, -4.2, 0, 10, 0, 6.5, 0, -4.8, 0};
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(v[i], want[i], 1e-12) << i;
    const CutTransform& t = list->entries[1];
    EXPECT_GT(t.F[0], 0.0);
    EXPECT_NEAR(t.alpha[0], kPi, 1e-12);
    vyk_transform_list_free(&list);
    vyk_export_object_free(left);
    vyk_export_object_free(right);
}

TEST(BeamGeometry, OtherObjectsPassUnchangedAndTurningAngleModes)
{
    const double p[3] = {1, 2, 3};
    VYKExportObject* b = beam(1, p, kIdentity, 1e-11, 0.5, 4.0);
    VYKExportObject* cs = vyk_export_object_new(VYK_OBJ_COORD_SYSTEM, 2, 0, "cs", 0, nullptr);
    RelativeAxes rel;
    EXPECT_EQ(vyk_export_relative_axes(b, cs, &rel), 0);
    expect_vec(rel.b.r1, 1, 0, 0);

    // A turning angle within 1e-10 leaves mode 1 equal to mode 0.
    BeamLocalSystem s0, s1;
    vyk_beam_local_system(b, &s0, 0, 0);
    vyk_beam_local_system(b, &s1, 1, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s0.r2[i], s1.r2[i]);
    // phi = pi/2 turns e2 into e3: row (a, b, c) -> (a, b cos - c sin, b sin + c cos).
    b->params.doubles[13] = kPi / 2;
    vyk_beam_local_system(b, &s1, 1, 0);
    expect_vec(s1.r2, 0, 0, 1);
    expect_vec(s1.r3, 0, -1, 0);
    expect_vec(s1.origin, 1, 2, 3);

    // The coordinate-system object gets the unit entry: its forces pass unchanged.
    CutTransformList* list = nullptr;
    VYKExportObject* objs[2] = {b, cs};
    rel = {};
    rel.b.r1[0] = -1;
    rel.b.r2[1] = 1;
    rel.b.r3[2] = -1;
    ASSERT_EQ(vyk_export_build_transforms(&rel, objs, nullptr, 2, &list), 1);
    double v[12] = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6};
    vyk_export_transform_forces(list, v, v);
    for (int i = 6; i < 12; ++i) EXPECT_EQ(v[i], i - 5);
    EXPECT_EQ(vyk_export_transform_forces(nullptr, v, v), 0);
    vyk_transform_list_free(&list);
    vyk_export_object_free(b);
    vyk_export_object_free(cs);
}

TEST(BeamGeometry, CutInfoOfBeamAndOtherObjects)
{
    const double p[3] = {0, 0, 0};
    VYKExportObject* b = beam(1, p, kIdentity, 0, 0, 1, 2006, 12.5, 30.0, "BSH");
    BeamCutInfo info;
    ASSERT_EQ(vyk_export_get_cut_info(b, &info), 1);
    EXPECT_EQ(info.ints[3], 2006);
    EXPECT_DOUBLE_EQ(info.doubles[0], 12.5);
    EXPECT_DOUBLE_EQ(info.doubles[1], 30.0);
    EXPECT_STREQ(info.name, "BSH");

    // Flag bit cleared: all zero, still 1.
    ASSERT_EQ(vyk_export_set_cut_info(b, nullptr), 1);
    ASSERT_EQ(vyk_export_get_cut_info(b, &info), 1);
    EXPECT_EQ(info.ints[3], 0);
    EXPECT_EQ(info.doubles[0], 0.0);

    VYKExportObject* plain = vyk_export_object_new(3, 2, 0, "p", 0, nullptr);
    EXPECT_EQ(vyk_export_get_cut_info(plain, &info), 0);   // no data part
    EXPECT_EQ(vyk_export_get_cut_info(nullptr, &info), 0);
    EXPECT_EQ(vyk_export_set_cut_info(plain, &info), 0);
    vyk_export_object_free(plain);
    vyk_export_object_free(b);
}

namespace {

// Two rafters in the x-z plane meeting at the ridge (4, 0, 3), each 5 long, cut at their start.
// Rafter 1 from (0, 0, 0): e1 = (0.8, 0, 0.6), e2 = y, e3 = e1 x e2 = (-0.6, 0, 0.8).
// Rafter 2 from (8, 0, 0): e1 = (-0.8, 0, 0.6), e2 = y, e3 = (-0.6, 0, -0.8).
const double kRafter1[9] = {0.8, 0, -0.6, 0, 1, 0, 0.6, 0, 0.8};
const double kRafter2[9] = {-0.8, 0, -0.6, 0, 1, 0, 0.6, 0, -0.8};

} // namespace

// Reference point: rafter 2's ends lie 5 and 8 from rafter 1's start, 5 and 0 from its end, so the
// reference is rafter 1's end (4, 0, 3), which is the near end of both. Origin = (4, 0, 3).
// Newell over the far ends (0,0,0), (8,0,0) and the origin: n = (0, -36 + 12, 0) = (0, -24, 0),
// second = (0, -1, 0); g = e1 (near end is the end); first = g; third = first x second = (0.6, 0, -0.8)
// has z < 0, so second = (0, 1, 0) and third = (-0.6, 0, 0.8).
// One rafter alone: q = 0 gives the start as reference; the two-point polygon has no normal, so
// first = -e1 = (-0.8, 0, -0.6), second = -e2 = (0, -1, 0), third = (-0.6, 0, 0.8).
TEST(BeamGeometry, CommonSystemOfTwoRaftersAndOfOne)
{
    const double p1[3] = {0, 0, 0}, p2[3] = {8, 0, 0};
    VYKExportObject* objs[2] = {beam(1, p1, kRafter1, 0, 0, 5), beam(2, p2, kRafter2, 0, 0, 5)};
    BeamLocalSystem s;
    double d = -1;
    ASSERT_EQ(vyk_common_system(objs, 2, 0, &s, &d), 1);
    expect_vec(s.origin, 4, 0, 3);
    expect_vec(s.r1, 0.8, 0, 0.6);
    expect_vec(s.r2, 0, 1, 0);
    expect_vec(s.r3, -0.6, 0, 0.8);
    EXPECT_NEAR(d, 0.0, 1e-12);

    ASSERT_EQ(vyk_common_system(objs, 1, 0, &s, &d), 1);
    expect_vec(s.origin, 0, 0, 0);
    expect_vec(s.r1, -0.8, 0, -0.6);
    expect_vec(s.r2, 0, -1, 0);
    expect_vec(s.r3, -0.6, 0, 0.8);
    EXPECT_EQ(vyk_common_system(objs, 2, 0, nullptr, &d), 0);
    for (auto* o : objs) vyk_export_object_free(o);
}

// Rafter 1 against the default system: e1 minus its y part is e1 itself; the end (4, 0, 3) lies farther
// from the origin than the start, so the first vector is -e1 = (-0.8, 0, -0.6), third = (0.6, 0, -0.8).
// With selector 1 it stays: h = -1 and F = -[e_i . n_j] = diag(1, -1, 1). Without selectors it is
// reversed again to e1, and F is the unit matrix.
TEST(BeamGeometry, PerBeamSystemsInTheCommonPlane)
{
    const double p1[3] = {0, 0, 0};
    VYKExportObject* objs[1] = {beam(1, p1, kRafter1, 0, 0, 5)};
    CutTransformList* list = nullptr;
    BeamLocalSystem local[1], made[1];
    const int sel[1] = {1};
    ASSERT_EQ(vyk_beam_systems_transforms(nullptr, objs, sel, 1, 0, &list, local, made), 1);
    expect_vec(local[0].r1, 0.8, 0, 0.6);
    expect_vec(made[0].r1, -0.8, 0, -0.6);
    expect_vec(made[0].r3, 0.6, 0, -0.8);
    const double diag[9] = {1, 0, 0, 0, -1, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(list->entries[0].F[i], diag[i], 1e-12) << i;

    ASSERT_EQ(vyk_beam_systems_transforms_all(nullptr, objs, 1, 0, &list, nullptr, made), 1);
    expect_vec(made[0].r1, 0.8, 0, 0.6);
    const double unit[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(list->entries[0].F[i], unit[i], 1e-12) << i;
    vyk_transform_list_free(&list);
    vyk_export_object_free(objs[0]);
}

// psi = 90 degrees on the default system: a1' = cos r1 - sin r3 = -z, a3' = sin r1 + cos r3 = x.
// p = (3, 5, 7): x = -7 + 1 = -6, y = 3 + 2 = 5; u = x: angle = atan2(-(u.a3'), u.a1') = atan2(-1, 0).
TEST(BeamGeometry, PlanProjectionAndAngles)
{
    const double placement[3] = {1, 2, kPi / 2};
    const double pts[6] = {3, 5, 7, 1, 0, 0};
    double out[3];
    BeamLocalSystem os;
    ASSERT_EQ(vyk_plan_projection(nullptr, placement, pts, 1, out, &os), 1);
    EXPECT_NEAR(out[0], -6, 1e-12);
    EXPECT_NEAR(out[1], 5, 1e-12);
    EXPECT_NEAR(out[2], -kPi / 2, 1e-12);
    expect_vec(os.r1, 0, 0, -1);
    EXPECT_EQ(vyk_plan_projection(nullptr, placement, nullptr, 1, out, &os), 0);

    const double a[3] = {0, 1, 0}, b[3] = {1, 1, 0};
    EXPECT_NEAR(vyk_vector_angle(a, b), kPi / 4, 1e-12);
    EXPECT_NEAR(vyk_vector_angle(nullptr, a), kPi / 2, 1e-12);
    const double v[3] = {0, 0, 1};
    EXPECT_NEAR(vyk_plan_angle(nullptr, v), -kPi / 2, 1e-12);   // atan2(-(v.z), v.x)
    double forces[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    vyk_negate_end_forces(forces);
    EXPECT_EQ(forces[5], 6);
    EXPECT_EQ(forces[6], -7);
    EXPECT_EQ(forces[11], -12);
}
