#pragma once
// Built-in catalogue of cross-laminated timber panels: eight product lines, each a
// list of panel types (layups of up to 20 board layers). Built once on first use;
// building a type also evaluates it (see clt_layup.h). Texts are answered in static
// buffers that the next call of the same operation overwrites.

#include "materials/clt_layup.h"
#include "materials/material_names.h"

enum : int { CLT_LINE_COUNT = 8, CLT_MAX_TYPES = 31 };

struct CltSeries {
    char name[256];
    int line_index;
    int type_count;
    double line_factor;   // 1.1 for both Binderholz lines, else 1.0
    double line_value_1;  // 80.0
    double line_value_2;  // 220.0, 240.0 or 260.0
    CltLayup types[CLT_MAX_TYPES];
};

void init_clt_catalogue();
void init_clt_catalogue_once();

CltSeries* clt_series_get(int line_index);
CltLayup* clt_type_get(int line_index, int type_index);
const char* clt_manufacturer_name(int line_index);
const char* clt_type_name(int line_index, int type_index);
double clt_line_value_1(int line_index);
double clt_line_value_2(int line_index);
// Number of types of the line; 0 for an index outside 0..7.
int clt_type_count(int line_index);

void init_clt_name_lists();
// {colour, text, line index}; list code 11, count 8.
MaterialListEntry3* clt_manufacturer_list(int* list_code_out, int* count_out, int colour);
// {colour, text}; list code 13, count 8.
MaterialListEntry* clt_manufacturer_list_short(int* list_code_out, int* count_out, int colour);
// The line's type names; list code 13; null and count 0 for a line outside 0..7.
MaterialListEntry* clt_type_list(int line_index, int* list_code_out, int* count_out, int colour);

// 1 when fewer than two layers or every layer has the material and grade of layer 0.
int clt_same_material(const CltLayup* layup);
// "20.0-30.0-20.0" with the layers of key_direction in bold (0xCE 'b' ... 0xCE 'r');
// with_material 1 appends the material name(s).
const char* clt_layup_label(const CltLayup* layup, int key_direction, int with_material);
// "<material>, 30.0 mm, x-Richtung" of one layer, bold when its direction is key_direction.
const char* clt_layer_text(const CltLayup* layup, int key_direction, int layer_index);
