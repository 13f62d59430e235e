#pragma once
// Fastener type codes (-2 to 46) and their display names, for the material lists and the fastener design.

enum FastenerTypeCode {
    FT_NONE = -2, FT_GLUED = -1, FT_NAIL = 0, FT_STAPLE = 1,
    FT_WOOD_SCREW_FIRST = 2, FT_WOOD_SCREW_LAST = 10,
    FT_SPAX_S_TG = 11, FT_SPAX_T_TG = 12, FT_SPAX_S_VG = 13,
    FT_ASSY_VG_Z = 14, FT_ASSY_VG_S = 15,
    FT_RING_A1 = 25, FT_DOWEL = 29, FT_BOLT = 30,
    FT_ASSY_USER = 43, FT_SPAX_USER = 44, FT_SIMPSON_CNA = 45, FT_SIMPSON_CSA = 46
};

// Name in the DOS code page of the libraries (family != 0: the family's common name).
// The pointer stays valid; a later call for the same code rewrites its text.
const char* fastener_type_name(int code, int family);
// The same names in Latin-1, from buffers of their own.
const char* fastener_type_name_alt(int code, int family);
