#pragma once
// Names of the material library: selection lists of material classes, grades,
// board sub-types and directions, and the display names of a material and
// grade. Texts are in code page 437. Lists are built once per run; the name
// functions answer in static buffers that the next call overwrites.

struct MaterialListEntry {
    int colour;
    const char* text;
};

struct MaterialListEntry3 {
    int colour;
    const char* text;
    int code;
};

// Colours of the drawing library, as exact RGB values.
enum : int {
    MATERIAL_LIST_BLACK = 0x000000,
    MATERIAL_LIST_GREY = 0xBEBEBE  // the colour nearest to (190, 190, 190)
};

// Builds the screw catalogue lists not built yet and has both I-joist series built (unit factor
// 1000) on every call, then every other list once.
void material_lists_init();

// The list of a selector (-5 ... 19, -11, -12, -13, -999) with its display width and
// entry count; null for a selector without list (width and count untouched for an
// unknown selector). Every entry of the material lists is coloured with colour.
MaterialListEntry* material_grade_list(int selector, int* width_out, int* count_out, int colour);

// Long display name, e.g. "Nadelvollholz, C24 (S10)" or "Stahlblech S355 (St52)".
const char* material_long_name(int code, int grade);
// The grade or sub-type text alone.
const char* material_short_name(int code, int grade);
// For a user-defined material (code -999 or 14, or grade -999): "<name> (benutzerdefiniert)"
// with the user material's name (trailing blanks removed), null without a name;
// otherwise the long name.
const char* material_display_name(int code, int grade, const char* user_material_name);

// Connection-means list by mask (0x20 none, 0x10 glued, 0x01 nails/staples/screws,
// 0x02 dowels and bolts, 0x04 ring and disc connectors, 0x08 further disc connectors);
// each entry's connection code goes to codes_out[i] (room for 20).
MaterialListEntry* fastener_type_list(int mask, int colour, int* count_out, int* codes_out);

// Board materials (codes 4-9 and 19), width 11.
MaterialListEntry3* board_material_list(int* width_out, int* count_out, int colour);
// Material classes 4-11, "Frei" (14) and "Ohne" (15), width 11; fresh copies of the texts each call.
MaterialListEntry3* board_class_list(int* width_out, int* count_out, int colour);

// Length texts "%3.0lf mm" of one row of the loaded fastener tables; empty for an
// unknown kind or row.
MaterialListEntry* fastener_length_list(int fastener_kind, int row, int colour, int* count_out);
