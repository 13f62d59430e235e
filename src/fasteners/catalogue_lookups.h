#pragma once
// Questions about the fastener catalogue by fastener type code: row counts, diameters, lengths,
// dimensions by key, matching rows and lengths, diameter choice lists, approval texts, and the
// thickness lists and connector pairs of the material selection lists.

#include "materials/screw_catalogues.h"   // ChoiceEntry

int fastener_table_row_count(int type);
int fastener_length_count(int type, int n);
double fastener_diameter(int type, int n);
double fastener_length(int type, int n, int j);
double fastener_effective_length(int type, int n, int j);
// Index of the last row whose diameter is within 0.001 mm of diameter; 0 when none.
int fastener_row_of_diameter(int type, double diameter);
// Index of the last of the row's lengths within 0.01 mm of length; 0 when none.
int fastener_length_index(int type, int n, double length);
// "d", "d1", "dk", "ds", "fak_lef", "k", "xLE100", "xLE200", "xGT200", "n_l"; 0 for other keys.
double fastener_dim_by_key(int type, int n, const char* key);
// "t", "dc", "a1", "a2", "d1".."d5", "h1".."h3", "hc", "he", "r", "t1", "db_max", "db_min", "F".
double connector_dim_by_key(int type, int n, const char* key);
// The two diameter choice lists (50 entries, texts "%6.2lf mm"); count_out receives the row count.
ChoiceEntry* fastener_diameter_list(int type, int value, int* count_out);
ChoiceEntry* fastener_diameter_list_2(int type, int value, int* count_out);
// ", ABZ-9.1-449" and the like, to be appended to the product name; "" when none.
const char* fastener_approval_text(int type);
double board_thickness_of_entry(int index);
double lvl_thickness_of_entry(int index);
int connector_pair_second(int type);
int connector_pair_first(int type);
