// Geometry of exported beam cuts: local systems of the beams, the common system of two cuts, the
// transformation of cut forces into it, and the cross-section data that a cut carries.
#pragma once
#include "environment/vykexport.h"

// Origin and three vectors. Taken transposed, the vectors of a beam's system are its axes e1, e2, e3.
struct BeamLocalSystem {
    double origin[3];
    double r1[3];
    double r2[3];
    double r3[3];
};

// Cross-section data of a beam cut: integer 3 is the timber grade code, doubles 0 and 1 are the
// width and height in cm. The name points into the object.
struct BeamCutInfo {
    int ints[5];
    double doubles[8];
    const char* name;
};

// Force matrix F and moment matrix G (row by row) and the angles between the beam's axes and the
// target's axes in radians (alpha[0]: first axes, alpha[2]: third axes).
struct CutTransform {
    double F[9];
    double G[9];
    double alpha[3];
};

struct CutTransformList {
    int count;
    int capacity;
    CutTransform* entries;
};

// System A belongs to the second beam, system B to the first; x is the crossing point.
struct RelativeAxes {
    BeamLocalSystem a;
    BeamLocalSystem b;
    double x[3];
    double s;
    double zero;
    double z;
    double w;
    double d;
    double theta;
};

int vyk_beam_local_system(const VYKExportObject* object, BeamLocalSystem* system, int mode, int transpose);

int vyk_export_get_cut_info(const VYKExportObject* object, BeamCutInfo* info);
int vyk_export_set_cut_info(VYKExportObject* object, const BeamCutInfo* info);
int vyk_export_get_int(const VYKExportObject* object, int type, int i);
double vyk_export_get_double(const VYKExportObject* object, int type, int i);
const char* vyk_export_get_string(const VYKExportObject* object, int type, int i);
int vyk_export_get_int2(const VYKExportObject* object);

int vyk_beam_transform(const BeamLocalSystem* target, const VYKExportObject* object, CutTransform* transform);
int vyk_beam_transform_pair(const RelativeAxes* pair, const VYKExportObject* object, CutTransform* transform,
                            int which);
int vyk_transform_vectors(const CutTransform* transform, const double* force_in, const double* moment_in,
                          double* force_out, double* moment_out);

int vyk_transform_list_resize(CutTransformList** holder, int n);
void vyk_transform_list_free(CutTransformList** holder);
int vyk_export_build_transforms(const RelativeAxes* pair, VYKExportObject* const* objects, const int* selectors,
                                int n, CutTransformList** holder);
int vyk_export_transform_forces(const CutTransformList* list, const double* in, double* out);
int vyk_export_relative_axes(const VYKExportObject* first, const VYKExportObject* second, RelativeAxes* result);
int vyk_export_relative_axes_rev(const VYKExportObject* first, const VYKExportObject* second,
                                 RelativeAxes* result, int reverse);

double vyk_vector_angle(const double* a, const double* b);
double vyk_plan_angle(const BeamLocalSystem* system, const double* vector);
double* vyk_negate_end_forces(double* values);

// Per-beam systems in the plane of a common system S: for each beam-cut object k, the transform into
// a system whose first vector is the beam's axis made orthogonal to S's second vector, reversed when
// the beam ends farther from S's origin than it starts and again unless selector k is 1 (always
// without selectors). The beams' own systems and the new ones are copied out when arrays are given.
int vyk_beam_systems_transforms(const BeamLocalSystem* common, VYKExportObject* const* objects, const int* selectors,
                                int n, int mode, CutTransformList** holder, BeamLocalSystem* local_out,
                                BeamLocalSystem* system_out);
int vyk_beam_systems_transforms_all(const BeamLocalSystem* common, VYKExportObject* const* objects, int n, int mode,
                                    CutTransformList** holder, BeamLocalSystem* local_out,
                                    BeamLocalSystem* system_out);
// A common system fitted to the beam-cut objects among n objects: origin at the mean of the beams'
// near ends, second vector the normal of their far ends. 0 for a null system, else 1.
int vyk_common_system(VYKExportObject* const* objects, int n, int mode, BeamLocalSystem* system,
                      double* largest_distance);
// Plan projection of n point records (position and direction, six doubles each) into x, y and the
// direction angle (three doubles each). placement = x0, y0, angle psi (zeros when null).
int vyk_plan_projection(const BeamLocalSystem* system, const double* placement, const double* points, int n,
                        double* out_points, BeamLocalSystem* out_system);
