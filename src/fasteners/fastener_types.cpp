#include "fasteners/fastener_types.h"
#include "materials/material_codes.h"

int is_wood_screw_type(int code) { return code >= FT_WOOD_SCREW_1A && code <= FT_WOOD_SCREW_3C; }
int is_screw_type_group1(int code) { return code == FT_SPAX_S_TG || code == FT_SPAX_T_TG || code == FT_SPAX_S_VG ||
    code == FT_SPAX_USER; }
int is_screw_type_group2(int code) { return code == FT_ASSY_VG_Z || code == FT_ASSY_VG_S || code == FT_ASSY_USER; }

int is_fully_threaded_screw(int code, int assy_variant, int spax_variant)
{
    if (code == FT_SPAX_S_VG || code == FT_ASSY_VG_Z || code == FT_ASSY_VG_S) return 1;
    if (code == FT_ASSY_USER) return assy_variant >= 1 && assy_variant <= 3;
    if (code == FT_SPAX_USER) return spax_variant == 1 || spax_variant == 2;
    return 0;
}

int is_countersunk_screw(int code, int variant)
{
    if (code == FT_SPAX_S_TG || code == FT_SPAX_S_VG || code == FT_ASSY_VG_S) return 1;
    if (code == FT_ASSY_USER) return variant >= 0 && variant <= 3;
    if (code == FT_SPAX_USER) return variant == 2 || variant == 4;
    return 0;
}

int is_special_nail_type(int code)
{
    return (code >= FT_SPECIAL_NAIL_1A && code <= FT_SPECIAL_NAIL_3C) ||
        (code >= FT_SPECIAL_NAIL_1D && code <= FT_SPECIAL_NAIL_3F) || code == FT_SIMPSON_CNA || code == FT_SIMPSON_CSA;
}

int is_nail_type(int code) { return code == FT_NAIL || is_special_nail_type(code); }
int is_nail_or_screw_type(int code) { return code == FT_NAIL ||
    (code >= FT_WOOD_SCREW_1A && code <= FT_SPECIAL_NAIL_3C) ||
    (code >= FT_SPECIAL_NAIL_1D && code <= FT_SIMPSON_CSA); }
int is_pin_fastener_type(int code) { return (code >= FT_NAIL && code <= FT_SPECIAL_NAIL_3C) ||
    (code >= FT_SPECIAL_NAIL_1D && code <= FT_SIMPSON_CSA); }
int is_connector_type(int code) { return (code >= FT_RING_A1 && code <= FT_CONNECTOR_C10) ||
    (code >= FT_CONNECTOR_B1 && code <= FT_CONNECTOR_C11); }

int lateral_rule_type(int code, double d)
{
    if ((code >= FT_WOOD_SCREW_1A && code <= FT_ASSY_VG_S) || code == FT_ASSY_USER ||
        code == FT_SPAX_USER) return d > 6.001 ? 30 : 0;
    return code;
}

int is_board_or_engineered_material(int m)
{
    return (m >= MAT_OSB && m <= MAT_KERTO_Q) || m == MAT_BEECH_BOARD || m == MAT_LVL ||
        (m >= MAT_IJOIST_JOIST && m <= MAT_SOLID_MEMBER);
}

int is_nonveneer_board_material(int m) { return m == MAT_OSB || m == MAT_PLASTERBOARD || m == MAT_PARTICLEBOARD ||
    m == MAT_FIBREBOARD || m == MAT_GYPSUM_FIBREBOARD; }
int is_metal_plate_material(int m) { return m == MAT_STEEL_PLATE || m == MAT_ALU_PLATE; }
