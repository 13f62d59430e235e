// Builds a cross-laminated timber layup from raw bytes (layer count, directions, thicknesses,
// moduli, including out-of-range counts and odd values) and runs the evaluation, the design
// values, the stress check, the charring depths and the residual section on it.
#include "materials/clt_catalogue.h"
#include "materials/clt_check.h"
#include "materials/clt_fire.h"
#include "materials/clt_layup.h"
#include "materials/clt_values.h"

#include <cstdint>
#include <cstring>

namespace {

struct Bytes {
    const uint8_t* p;
    size_t n;
    double value(double scale)
    {
        if (n == 0)
            return 0.0;
        const double v = (static_cast<double>(*p) - 16.0) * scale;
        ++p;
        --n;
        return v;
    }
    int small(int top)
    {
        if (n == 0)
            return 0;
        const int v = *p % (top + 1);
        ++p;
        --n;
        return v;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    Bytes b{data, size};
    static CltLayup l;
    std::memset(&l, 0, sizeof l);
    l.layer_count = static_cast<int>(static_cast<int8_t>(b.small(255)));  // may be negative or > 20
    l.type_index = b.small(3);
    l.line_index = b.small(9);
    l.charred_layers_stay = b.small(1);
    l.full_plate_shear = b.small(1);
    l.rolling_shear_modulus = b.value(5000.0);
    l.rolling_shear_strength = b.value(0.1);
    l.charring_rate = b.value(0.05);
    l.lamella_widths[0] = b.value(10.0);
    l.lamella_widths[1] = b.value(10.0);
    for (int i = 0; i < CLT_MAX_LAYERS; ++i) {
        CltLayer& L = l.layers[i];
        L.direction = b.small(2);
        L.thickness = b.value(1.0);
        L.material = b.small(1) ? 13 : 0;
        L.grade = b.small(12);
    }
    clt_layup_values(&l);
    for (int d = 0; d <= 1; ++d) {
        clt_inertia(&l, d);
        clt_bending_stiffness(&l, d);
        clt_transformed_inertia(&l, d);
        clt_shear_stiffness(&l, d);
        clt_effective_bending_stiffness(&l, d, 4.0);
        clt_shear_flexibility_factor(&l, d, 3000.0);
        clt_mean_fc0(&l, d, 1);
        clt_mean_e_or_minus_one(&l, d);
        clt_mean_g(&l, d);
        clt_crossing_factor_for_line(l, 150.0);
        CltCheckResult r;
        clt_stress_check(&l, 1000.0, d, 1, b.small(8), 1.0, 0.8, 1.3, 10.0, 0.0, 20.0, &r);
    }
    clt_crossing_factor_width(l, 100.0);
    clt_torsional_stiffness(&l);
    double largest = 0.0;
    clt_interface_thickness(&l, &largest);
    clt_layup_label(&l, 0, 1);
    clt_layer_text(&l, 0, b.small(25) - 2);
    for (int side = 0; side <= 3; ++side) {
        clt_char_depth(&l, side, b.value(2.0), b.value(1.0), b.value(1.0), 1.0, 2.0);
        clt_char_depth_k(&l, side, b.value(2.0), b.value(1.0), b.value(1.0), b.value(0.1), b.value(0.1));
    }
    static CltLayup rest;
    clt_residual_section(&rest, &l, b.small(1), b.value(2.0), b.value(2.0));
    return 0;
}
