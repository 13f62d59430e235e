#pragma once
// Fastener type codes (-2 to 46), their display names and the family tests of the fastener design.

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

int is_wood_screw_type(int code);
int is_screw_type_group1(int code);   // SPAX family: 11, 12, 13, 44
int is_screw_type_group2(int code);   // ASSY family: 14, 15, 43
int is_fully_threaded_screw(int code, int assy_variant, int spax_variant);
int is_countersunk_screw(int code, int variant);
int is_special_nail_type(int code);
int is_nail_type(int code);
int is_nail_or_screw_type(int code);
int is_pin_fastener_type(int code);
int is_connector_type(int code);
// Screws thicker than 6 mm are designed as bolts (30), thinner ones as nails (0).
int lateral_rule_type(int code, double d);

int is_board_or_engineered_material(int material);
int is_nonveneer_board_material(int material);
int is_metal_plate_material(int material);
