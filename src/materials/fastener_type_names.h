#pragma once
// Fastener type codes (-2 to 46) and their display names, for the material lists and the fastener design.

enum FastenerTypeCode {
    FT_NONE = -2, FT_GLUED = -1, FT_NAIL = 0, FT_STAPLE = 1,
    // wood screws, group 1 to 3, class A to C
    FT_WOOD_SCREW_1A = 2, FT_WOOD_SCREW_1B = 3, FT_WOOD_SCREW_1C = 4,
    FT_WOOD_SCREW_2A = 5, FT_WOOD_SCREW_2B = 6, FT_WOOD_SCREW_2C = 7,
    FT_WOOD_SCREW_3A = 8, FT_WOOD_SCREW_3B = 9, FT_WOOD_SCREW_3C = 10,
    FT_WOOD_SCREW_FIRST = FT_WOOD_SCREW_1A, FT_WOOD_SCREW_LAST = FT_WOOD_SCREW_3C,
    FT_SPAX_S_TG = 11, FT_SPAX_T_TG = 12, FT_SPAX_S_VG = 13,
    FT_ASSY_VG_Z = 14, FT_ASSY_VG_S = 15,
    // special nails, group 1 to 3, class A to C (16 to 24) and D to F (34 to 42)
    FT_SPECIAL_NAIL_1A = 16, FT_SPECIAL_NAIL_1B = 17, FT_SPECIAL_NAIL_1C = 18,
    FT_SPECIAL_NAIL_2A = 19, FT_SPECIAL_NAIL_2B = 20, FT_SPECIAL_NAIL_2C = 21,
    FT_SPECIAL_NAIL_3A = 22, FT_SPECIAL_NAIL_3B = 23, FT_SPECIAL_NAIL_3C = 24,
    FT_RING_A1 = 25, FT_CONNECTOR_C1 = 26, FT_CONNECTOR_C5 = 27, FT_CONNECTOR_C10 = 28,
    FT_DOWEL = 29, FT_BOLT = 30,
    FT_CONNECTOR_B1 = 31, FT_CONNECTOR_C2 = 32, FT_CONNECTOR_C11 = 33,
    FT_SPECIAL_NAIL_1D = 34, FT_SPECIAL_NAIL_1E = 35, FT_SPECIAL_NAIL_1F = 36,
    FT_SPECIAL_NAIL_2D = 37, FT_SPECIAL_NAIL_2E = 38, FT_SPECIAL_NAIL_2F = 39,
    FT_SPECIAL_NAIL_3D = 40, FT_SPECIAL_NAIL_3E = 41, FT_SPECIAL_NAIL_3F = 42,
    FT_ASSY_USER = 43, FT_SPAX_USER = 44, FT_SIMPSON_CNA = 45, FT_SIMPSON_CSA = 46
};

// Name in the DOS code page of the libraries (family != 0: the family's common name).
// The pointer stays valid; a later call for the same code rewrites its text.
const char* fastener_type_name(int code, int family);
// The same names in Latin-1, from buffers of their own.
const char* fastener_type_name_alt(int code, int family);
