#include "materials/material_codes.h"

// The tests compare the code as an unsigned 32-bit value, exactly.
int is_material_code_m12_m13(int code)
{
    unsigned c = static_cast<unsigned>(code);
    return (c == static_cast<unsigned>(-13) || c == static_cast<unsigned>(-12)) ? 1 : 0;
}

int is_solid_timber_material(int code)
{
    unsigned c = static_cast<unsigned>(code);
    return (c == 0u || c == 1u || c == static_cast<unsigned>(-10)) ? 1 : 0;
}

int is_glulam_material(int code)
{
    unsigned c = static_cast<unsigned>(code);
    return (c == 2u || c == 3u || c == 17u) ? 1 : 0;
}

int is_timber_member_material(int code)
{
    return (is_solid_timber_material(code) || is_glulam_material(code)) ? 1 : 0;
}

int is_graded_timber_material(int code)
{
    return (code == MAT_SOFTWOOD || code == MAT_HARDWOOD || code == MAT_GLULAM_EC || code == MAT_GLULAM_DIN
            || code == MAT_GL75) ? 1 : 0;
}
