#include "fasteners/fastener_types.h"

int is_wood_screw_type(int code) { return code >= 2 && code <= 10; }
int is_screw_type_group1(int code) { return code == 11 || code == 12 || code == 13 || code == 44; }
int is_screw_type_group2(int code) { return code == 14 || code == 15 || code == 43; }

int is_fully_threaded_screw(int code, int assy_variant, int spax_variant)
{
    if (code == 13 || code == 14 || code == 15) return 1;
    if (code == 43) return assy_variant >= 1 && assy_variant <= 3;
    if (code == 44) return spax_variant == 1 || spax_variant == 2;
    return 0;
}

int is_countersunk_screw(int code, int variant)
{
    if (code == 11 || code == 13 || code == 15) return 1;
    if (code == 43) return variant >= 0 && variant <= 3;
    if (code == 44) return variant == 2 || variant == 4;
    return 0;
}

int is_special_nail_type(int code)
{
    return (code >= 16 && code <= 24) || (code >= 34 && code <= 42) || code == 45 || code == 46;
}

int is_nail_type(int code) { return code == 0 || is_special_nail_type(code); }
int is_nail_or_screw_type(int code) { return code == 0 || (code >= 2 && code <= 24) || (code >= 34 && code <= 46); }
int is_pin_fastener_type(int code) { return (code >= 0 && code <= 24) || (code >= 34 && code <= 46); }
int is_connector_type(int code) { return (code >= 25 && code <= 28) || (code >= 31 && code <= 33); }

int lateral_rule_type(int code, double d)
{
    if ((code >= 2 && code <= 15) || code == 43 || code == 44) return d > 6.001 ? 30 : 0;
    return code;
}

int is_board_or_engineered_material(int m)
{
    return (m >= 4 && m <= 11) || m == 18 || m == 19 || (m >= -13 && m <= -10);
}

int is_nonveneer_board_material(int m) { return m == 4 || m == 5 || m == 7 || m == 8 || m == 9; }
int is_metal_plate_material(int m) { return m == 12 || m == 16; }
