#pragma once
// The family tests of the fastener design over the fastener type codes.
#include "materials/fastener_type_names.h"

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
