// Beam-cut export objects for the geometry and import tests.
#pragma once
#include "environment/vykexport.h"
#include "environment/vykexputil.h"

namespace beamfix {

// A beam-cut object: cut point p, axis matrix a (row by row; its columns are e1, e2, e3), turning
// angle phi, relative position q and length l; cross-section data with grade code and b, h in cm.
inline VYKExportObject* beam(int id, const double* p, const double* a, double phi, double q, double l,
                             int grade = 0, double b_cm = 0.0, double h_cm = 0.0, const char* section = "")
{
    VYKExportObject* o = vyk_export_object_new(VYK_OBJ_BEAM_CUT, id, 0, "Schnitt", VYK_DATA_KIND_DEFAULT, nullptr);
    param_list_resize(&o->params, 0, 16, 0);
    for (int k = 0; k < 3; ++k) o->params.doubles[1 + k] = p[k];
    for (int k = 0; k < 9; ++k) o->params.doubles[4 + k] = a[k];
    o->params.doubles[13] = phi;
    o->params.doubles[14] = q;
    o->params.doubles[15] = l;
    BeamCutInfo info = {};
    info.ints[3] = grade;
    info.doubles[0] = b_cm;
    info.doubles[1] = h_cm;
    info.name = section;
    vyk_export_set_cut_info(o, &info);
    return o;
}

constexpr double kIdentity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
// Turned 180 degrees about z: e1 = -x, e2 = -y, e3 = z.
constexpr double kReversed[9] = {-1, 0, 0, 0, -1, 0, 0, 0, 1};

} // namespace beamfix
