#include "environment/vykexputil.h"

#include "environment/vyk_startup.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct V3 {
    double x, y, z;
};

V3 v3(const double* p) { return {p[0], p[1], p[2]}; }
void put(double* p, V3 v)
{
    p[0] = v.x;
    p[1] = v.y;
    p[2] = v.z;
}
V3 add(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 mul(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
V3 neg(V3 a) { return {-a.x, -a.y, -a.z}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 unit(V3 a)
{
    double l = std::sqrt(dot(a, a));
    return l > 0.0 ? mul(a, 1.0 / l) : a;
}

void default_system(BeamLocalSystem* s)
{
    std::memset(s, 0, sizeof *s);
    s->r1[0] = s->r2[1] = s->r3[2] = 1.0;
}

void default_transform(CutTransform* t)
{
    std::memset(t, 0, sizeof *t);
    t->F[0] = t->F[4] = t->F[8] = 1.0;
    t->G[0] = t->G[4] = t->G[8] = 1.0;
}

bool is_beam(const VYKExportObject* o) { return o && o->header.type == VYK_OBJ_BEAM_CUT; }

const VYKExportData* default_data(const VYKExportObject* o)
{
    if (!o || o->ops != vyk_export_default_ops() || !o->data) return nullptr;
    return static_cast<const VYKExportData*>(o->data);
}

double pd(const VYKExportObject* o, int i) { return param_list_get_double(&o->params, i); }

// Axes e1, e2, e3 of a beam (its system in mode 0, transposed).
void beam_axes(const VYKExportObject* o, BeamLocalSystem* s) { vyk_beam_local_system(o, s, 0, 1); }

double clamped_acos(double x)
{
    if (x > 1.0) x = 1.0;
    if (x < -1.0) x = -1.0;
    return std::atan2(std::sqrt(1.0 - x * x), x);
}

void compute_transform(const BeamLocalSystem* target, const VYKExportObject* object, CutTransform* t)
{
    BeamLocalSystem b;
    beam_axes(object, &b);
    const V3 e[3] = {v3(b.r1), v3(b.r2), v3(b.r3)};
    const V3 tv[3] = {v3(target->r1), v3(target->r2), v3(target->r3)};
    const double h = dot(e[0], tv[0]) < 0.0 ? -1.0 : 1.0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) t->F[3 * i + j] = h * dot(e[i], tv[j]);
        t->alpha[i] = clamped_acos(dot(e[i], tv[i]));
    }
    std::memcpy(t->G, t->F, sizeof t->F);
}

void turn(const double* m, const double* in, double* out)
{
    double r[3];
    for (int j = 0; j < 3; ++j) r[j] = in[0] * m[j] + in[1] * m[3 + j] + in[2] * m[6 + j];
    out[0] = r[0];
    out[1] = r[1];
    out[2] = r[2];
}

} // namespace

int vyk_beam_local_system(const VYKExportObject* object, BeamLocalSystem* system, int mode, int transpose)
{
    if (!system) return 0;
    default_system(system);
    if (!object) return 0;
    double* vec[3] = {system->r1, system->r2, system->r3};
    if (object->header.type == VYK_OBJ_BEAM_CUT) {
        for (int k = 0; k < 3; ++k) system->origin[k] = pd(object, 1 + k);
        const double phi = pd(object, 13);
        const bool turned = std::fabs(phi) > 1e-10;
        if (mode == 0 || mode == 1) {
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) vec[r][c] = pd(object, 4 + 3 * r + c);
            if (mode == 1 && turned) {
                const double cs = std::cos(phi), sn = std::sin(phi);
                for (int r = 0; r < 3; ++r) {
                    const double b = vec[r][1], c = vec[r][2];
                    vec[r][1] = b * cs - c * sn;
                    vec[r][2] = b * sn + c * cs;
                }
            }
        } else if (mode == 2 && turned) {
            const double cs = std::cos(phi), sn = std::sin(phi);
            system->r2[0] = 0.0;
            system->r2[1] = cs;
            system->r2[2] = sn;
            system->r3[0] = 0.0;
            system->r3[1] = -sn;
            system->r3[2] = cs;
        }
    } else if (object->header.type == VYK_OBJ_COORD_SYSTEM) {
        for (int k = 0; k < 3; ++k) system->origin[k] = pd(object, k);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) vec[r][c] = pd(object, 3 + 3 * r + c);
    }
    if (transpose == 1) {
        std::swap(system->r1[1], system->r2[0]);
        std::swap(system->r1[2], system->r3[0]);
        std::swap(system->r2[2], system->r3[1]);
    }
    return 1;
}

int vyk_export_get_cut_info(const VYKExportObject* object, BeamCutInfo* info)
{
    if (!info) return 0;
    std::memset(info, 0, sizeof *info);
    if (!object || !object->data) return 0;
    const VYKExportData* d = default_data(object);
    if (!is_beam(object) || !d || !(d->flags & 1)) return 1;
    for (int i = 0; i < 5; ++i) info->ints[i] = param_list_get_int(&d->params, i);
    for (int i = 0; i < 8; ++i) info->doubles[i] = param_list_get_double(&d->params, i);
    const char* name = param_list_get_string(&d->params, 0);
    info->name = name ? name : "";
    return 1;
}

int vyk_export_set_cut_info(VYKExportObject* object, const BeamCutInfo* info)
{
    if (!is_beam(object) || !default_data(object)) return 0;
    auto* d = static_cast<VYKExportData*>(object->data);
    ParamList* p = &d->params;
    const int ni = p->int_count < 5 ? 5 : p->int_count;
    const int nd = p->double_count < 8 ? 8 : p->double_count;
    const int ns = p->string_count < 1 ? 1 : p->string_count;
    if (!param_list_resize(p, ni, nd, ns)) return 0;
    std::free(p->strings[0]);
    p->strings[0] = nullptr;
    if (!info) {
        d->flags &= ~1;
        for (int i = 0; i < 5; ++i) p->ints[i] = 0;
        return 1;
    }
    d->flags |= 1;
    for (int i = 0; i < 5; ++i) p->ints[i] = info->ints[i];
    for (int i = 0; i < 8; ++i) p->doubles[i] = info->doubles[i];
    if (info->name) {
        p->strings[0] = vyk_strdup(__FILE__, __LINE__, "name", info->name);
        if (!p->strings[0]) return 0;
    }
    return 1;
}

int vyk_export_get_int(const VYKExportObject* object, int type, int i)
{
    if (!object || object->header.type != type || !object->data) return 0;
    return param_list_get_int(&object->params, i);
}

double vyk_export_get_double(const VYKExportObject* object, int type, int i)
{
    if (!object || object->header.type != type || !object->data) return 0.0;
    return param_list_get_double(&object->params, i);
}

const char* vyk_export_get_string(const VYKExportObject* object, int type, int i)
{
    if (!object || object->header.type != type || !object->data) return "";
    const char* s = param_list_get_string(&object->params, i);
    return s ? s : "";
}

int vyk_export_get_int2(const VYKExportObject* object)
{
    if (!object || (object->header.type != VYK_OBJ_BEAM_CUT && object->header.type != VYK_OBJ_COORD_SYSTEM))
        return 0;
    return param_list_get_int(&object->params, 2);
}

int vyk_beam_transform(const BeamLocalSystem* target, const VYKExportObject* object, CutTransform* transform)
{
    if (!transform) return 0;
    default_transform(transform);
    if (!target || !is_beam(object)) return 0;
    compute_transform(target, object, transform);
    return 1;
}

int vyk_beam_transform_pair(const RelativeAxes* pair, const VYKExportObject* object, CutTransform* transform,
                            int which)
{
    if (!pair) {
        if (transform) default_transform(transform);
        return 0;
    }
    return vyk_beam_transform(which == 1 ? &pair->b : &pair->a, object, transform);
}

int vyk_transform_vectors(const CutTransform* transform, const double* force_in, const double* moment_in,
                          double* force_out, double* moment_out)
{
    if (!transform) return 0;
    const double zero[3] = {0.0, 0.0, 0.0};
    if (force_out) turn(transform->F, force_in ? force_in : zero, force_out);
    if (moment_out) turn(transform->G, moment_in ? moment_in : zero, moment_out);
    return 1;
}

int vyk_transform_list_resize(CutTransformList** holder, int n)
{
    if (!holder) return 0;
    if (n < 0) n = 0;
    if (!*holder) {
        *holder = static_cast<CutTransformList*>(vyk_calloc(__FILE__, __LINE__, "list", 1, sizeof(CutTransformList)));
        if (!*holder) return 0;
    }
    CutTransformList* l = *holder;
    if (n > l->capacity) {
        void* p = vyk_realloc(__FILE__, __LINE__, "entries", l->entries, sizeof(CutTransform) * size_t(n));
        if (!p) return 0;
        l->entries = static_cast<CutTransform*>(p);
        l->capacity = n;
    }
    for (int k = l->count; k < n; ++k) default_transform(&l->entries[k]);
    l->count = n;
    return 1;
}

void vyk_transform_list_free(CutTransformList** holder)
{
    if (!holder || !*holder) return;
    vyk_free(__FILE__, __LINE__, "entries", (*holder)->entries);
    vyk_free(__FILE__, __LINE__, "list", *holder);
    *holder = nullptr;
}

int vyk_export_build_transforms(const RelativeAxes* pair, VYKExportObject* const* objects, const int* selectors,
                                int n, CutTransformList** holder)
{
    if (!holder || !vyk_transform_list_resize(holder, n)) return 0;
    CutTransformList* l = *holder;
    for (int k = 0; k < l->count; ++k) {
        default_transform(&l->entries[k]);
        if (pair && objects && is_beam(objects[k]))
            vyk_beam_transform_pair(pair, objects[k], &l->entries[k], selectors ? selectors[k] : 0);
    }
    return 1;
}

int vyk_export_transform_forces(const CutTransformList* list, const double* in, double* out)
{
    if (!list) return 0;
    if (!out) return 1;
    for (int k = 0; k < list->count; ++k) {
        double f[6] = {0, 0, 0, 0, 0, 0};
        if (in) std::memcpy(f, in + 6 * k, sizeof f);
        vyk_transform_vectors(&list->entries[k], f, f + 3, out + 6 * k, out + 6 * k + 3);
    }
    return 1;
}

int vyk_export_relative_axes(const VYKExportObject* first, const VYKExportObject* second, RelativeAxes* result)
{
    if (!result) return 0;
    default_system(&result->a);
    default_system(&result->b);
    result->s = result->zero = result->z = result->w = result->d = result->theta = 0.0;
    if (!is_beam(first) || !is_beam(second)) return 0;

    BeamLocalSystem s1, s2;
    beam_axes(first, &s1);
    beam_axes(second, &s2);
    const V3 p1 = v3(s1.origin), e1 = v3(s1.r1);
    const V3 p2 = v3(s2.origin), f1 = v3(s2.r1), f2 = v3(s2.r2);
    const double q1 = pd(first, 14), l1 = pd(first, 15);
    const double q2 = pd(second, 14), l2 = pd(second, 15);

    V3 a1 = f1;
    V3 a2 = cross(e1, f1);
    a2 = dot(a2, a2) < 0.00001 * 0.00001 ? f2 : unit(a2);
    V3 a3 = cross(a1, a2);

    const double u = dot(e1, a3), v = dot(e1, f1);
    const double c = std::fabs(u) >= 0.00001 ? dot(sub(p2, p1), a3) / u * v + dot(p1, f1) : dot(p1, f1);
    const V3 x = add(p2, mul(f1, c - dot(p2, f1)));

    const double s0 = dot(sub(p2, x), f1), tau2 = 0.00001 * l2;
    if (s0 > -tau2 && (q2 < 0.00001 || s0 > tau2)) {
        a1 = neg(a1);
        a2 = neg(a2);
    }
    const double w0 = dot(sub(p1, p2), a3), tau1 = 0.00001 * l1;
    if (w0 < tau1 && (w0 < -tau1 || q1 > 0.99999)) {
        a2 = neg(a2);
        a3 = neg(a3);
    }
    const V3 b1 = dot(e1, a3) < 0.0 ? neg(e1) : e1;
    const V3 b2 = a2;
    const V3 b3 = cross(b1, b2);

    put(result->a.origin, p2);
    put(result->a.r1, a1);
    put(result->a.r2, a2);
    put(result->a.r3, a3);
    put(result->b.origin, p1);
    put(result->b.r1, b1);
    put(result->b.r2, b2);
    put(result->b.r3, b3);
    put(result->x, x);
    result->s = dot(sub(p2, x), a1);
    result->zero = 0.0;
    result->z = dot(sub(p1, x), a1);
    result->w = dot(sub(p1, p2), a3);
    result->d = dot(sub(p1, x), a2);
    result->theta = std::atan2(dot(b1, a1), dot(b1, a3));
    return 1;
}

int vyk_export_relative_axes_rev(const VYKExportObject* first, const VYKExportObject* second,
                                 RelativeAxes* result, int reverse)
{
    int r = vyk_export_relative_axes(first, second, result);
    if (r && reverse == 1) {
        for (double* v : {result->a.r2, result->a.r3, result->b.r1, result->b.r2})
            put(v, neg(v3(v)));
        result->w = -result->w;
        result->d = -result->d;
    }
    return r;
}

double vyk_vector_angle(const double* a, const double* b)
{
    const double ex[3] = {1.0, 0.0, 0.0};
    const V3 va = v3(a ? a : ex), vb = v3(b ? b : ex);
    const V3 c = cross(va, vb);
    const double s = std::sqrt(dot(c, c)), k = dot(va, vb);
    if (s == 0.0 && k == 0.0) return 0.0;
    return std::atan2(s, k);
}

double vyk_plan_angle(const BeamLocalSystem* system, const double* vector)
{
    BeamLocalSystem def;
    default_system(&def);
    const BeamLocalSystem* s = system ? system : &def;
    const double ex[3] = {1.0, 0.0, 0.0};
    const V3 v = v3(vector ? vector : ex);
    const double y = -dot(v, v3(s->r3)), x = dot(v, v3(s->r1));
    if (x == 0.0 && y == 0.0) return 0.0;
    return std::atan2(y, x);
}

double* vyk_negate_end_forces(double* values)
{
    if (values)
        for (int i = 6; i < 12; ++i) values[i] = -values[i];
    return values;
}

namespace {

struct BeamEnds {
    V3 start, end, e1, e2;
    double length, q;
};

BeamEnds ends_of(const VYKExportObject* o, int mode)
{
    BeamLocalSystem s;
    vyk_beam_local_system(o, &s, mode, 1);
    BeamEnds b;
    b.e1 = v3(s.r1);
    b.e2 = v3(s.r2);
    b.q = pd(o, 14);
    b.length = pd(o, 15);
    b.start = sub(v3(s.origin), mul(b.e1, b.q * b.length));
    b.end = add(b.start, mul(b.e1, b.length));
    return b;
}

double dist(V3 a, V3 b)
{
    const V3 d = sub(a, b);
    return std::sqrt(dot(d, d));
}

void put_system(BeamLocalSystem* s, V3 o, V3 a, V3 b, V3 c)
{
    put(s->origin, o);
    put(s->r1, a);
    put(s->r2, b);
    put(s->r3, c);
}

} // namespace

int vyk_beam_systems_transforms(const BeamLocalSystem* common, VYKExportObject* const* objects, const int* selectors,
                                int n, int mode, CutTransformList** holder, BeamLocalSystem* local_out,
                                BeamLocalSystem* system_out)
{
    if (!holder || !vyk_transform_list_resize(holder, n)) return 0;
    CutTransformList* l = *holder;
    BeamLocalSystem def;
    default_system(&def);
    const BeamLocalSystem* s = common ? common : &def;
    const V3 s_origin = v3(s->origin), s1 = v3(s->r1), s2 = v3(s->r2);
    for (int k = 0; k < l->count; ++k) {
        default_transform(&l->entries[k]);
        if (!objects || !is_beam(objects[k])) continue;
        BeamLocalSystem local;
        vyk_beam_local_system(objects[k], &local, mode, 1);
        if (local_out) local_out[k] = local;
        const BeamEnds b = ends_of(objects[k], mode);
        V3 first = sub(b.e1, mul(s2, dot(b.e1, s2)));
        if (dot(first, first) == 0.0) {
            first = s1;
        } else {
            first = unit(first);
            if (dist(b.end, s_origin) > dist(b.start, s_origin)) first = neg(first);
        }
        if (!selectors || selectors[k] == 0) first = neg(first);
        BeamLocalSystem target;
        put_system(&target, v3(local.origin), first, s2, cross(first, s2));
        vyk_beam_transform(&target, objects[k], &l->entries[k]);
        if (system_out) system_out[k] = target;
    }
    return 1;
}

int vyk_beam_systems_transforms_all(const BeamLocalSystem* common, VYKExportObject* const* objects, int n, int mode,
                                    CutTransformList** holder, BeamLocalSystem* local_out,
                                    BeamLocalSystem* system_out)
{
    return vyk_beam_systems_transforms(common, objects, nullptr, n, mode, holder, local_out, system_out);
}

int vyk_common_system(VYKExportObject* const* objects, int n, int mode, BeamLocalSystem* system,
                      double* largest_distance)
{
    if (largest_distance) *largest_distance = 0.0;
    if (!system) return 0;
    default_system(system);
    std::vector<BeamEnds> beams;
    for (int k = 0; objects && k < n; ++k)
        if (is_beam(objects[k])) beams.push_back(ends_of(objects[k], mode));
    if (beams.empty()) return 1;

    const BeamEnds& f = beams[0];
    V3 ref;
    if (beams.size() == 1) {
        ref = f.q > 0.5 ? f.end : f.start;
    } else {
        // Judged against the object at index 1 when it is a beam, else against the second beam.
        const BeamEnds other = is_beam(objects[1]) ? ends_of(objects[1], mode) : beams[1];
        const double to_start = std::min(dist(other.start, f.start), dist(other.end, f.start));
        const double to_end = std::min(dist(other.start, f.end), dist(other.end, f.end));
        ref = to_start > to_end ? f.end : f.start;
    }
    std::vector<V3> near_ends, far_ends;
    V3 origin = {0, 0, 0};
    double lengths = 0.0;
    for (const BeamEnds& b : beams) {
        const bool start_near = dist(b.start, ref) <= dist(b.end, ref);
        near_ends.push_back(start_near ? b.start : b.end);
        far_ends.push_back(start_near ? b.end : b.start);
        origin = add(origin, near_ends.back());
        lengths += b.length * b.length;
    }
    origin = mul(origin, 1.0 / double(beams.size()));

    // Newell's normal of the polygon: the far ends in list order, then the origin.
    std::vector<V3> poly = far_ends;
    poly.push_back(origin);
    V3 nrm = {0, 0, 0};
    for (size_t i = 0; i < poly.size(); ++i) {
        const V3 a = poly[i], b = poly[(i + 1) % poly.size()];
        nrm.x += (a.y - b.y) * (a.z + b.z);
        nrm.y += (a.z - b.z) * (a.x + b.x);
        nrm.z += (a.x - b.x) * (a.y + b.y);
    }
    const bool first_near_is_start = dist(f.start, ref) <= dist(f.end, ref);
    const V3 g = first_near_is_start ? neg(f.e1) : f.e1;
    V3 first, second;
    if (dot(nrm, nrm) > 1e-6 * lengths) {
        second = unit(nrm);
        first = sub(g, mul(second, dot(g, second)));
        if (dot(first, first) > 0.0) first = unit(first);
        else if (second.x != 0.0) first = unit(V3{second.y, -second.x, 0.0});
        else first = unit(V3{0.0, second.z, -second.y});
    } else {
        first = g;
        second = first_near_is_start ? neg(f.e2) : f.e2;
    }
    V3 third = cross(first, second);
    if (third.z < 0.0) {
        second = neg(second);
        third = neg(third);
    }
    put_system(system, origin, first, second, third);
    if (largest_distance) {
        double d = 0.0;
        for (const BeamEnds& b : beams)
            for (V3 p : {b.start, b.end}) d = std::max(d, std::fabs(dot(sub(p, origin), second)));
        *largest_distance = d;
    }
    return 1;
}

int vyk_plan_projection(const BeamLocalSystem* system, const double* placement, const double* points, int n,
                        double* out_points, BeamLocalSystem* out_system)
{
    BeamLocalSystem def;
    default_system(&def);
    const BeamLocalSystem* s = system ? system : &def;
    const double x0 = placement ? placement[0] : 0.0, y0 = placement ? placement[1] : 0.0;
    const double psi = placement ? placement[2] : 0.0;
    const V3 r1 = v3(s->r1), r3 = v3(s->r3), o = v3(s->origin);
    const V3 a1 = sub(mul(r1, std::cos(psi)), mul(r3, std::sin(psi)));
    const V3 a3 = add(mul(r1, std::sin(psi)), mul(r3, std::cos(psi)));
    if (!points) return 0;
    if (out_system) {
        if (n <= 0) *out_system = def;
        else put_system(out_system, o, a1, v3(s->r2), a3);
    }
    for (int i = 0; i < n && out_points; ++i) {
        const V3 p = v3(points + 6 * i), u = v3(points + 6 * i + 3);
        out_points[3 * i] = dot(sub(p, o), a1) + x0;
        out_points[3 * i + 1] = dot(sub(p, o), a3) + y0;
        const double y = -dot(u, a3), x = dot(u, a1);
        out_points[3 * i + 2] = (x == 0.0 && y == 0.0) ? 0.0 : std::atan2(y, x);
    }
    return 1;
}
