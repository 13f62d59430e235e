#include "fasteners/catalogue_menus.h"

#include "fasteners/fastener_types.h"
#include "sheets/view_areas.h"

namespace {

// List values of the connection-means menu (0 to 19) and the type codes of its plain entries.
enum MenuValue {
    MENU_NONE = 0, MENU_GLUED = 1, MENU_NAIL = 2, MENU_STAPLE = 3, MENU_WOOD_SCREW = 4,
    MENU_SCREW_PRODUCTS = 5,    // 5 to 9: types 11 to 15
    MENU_SPECIAL_NAIL = 10,
    MENU_CONNECTORS = 11,       // 11 to 16: types 25 to 30
    MENU_DISC_CONNECTORS = 17,  // 17 to 19: types 31 to 33
    MENU_LAST = 19
};

// Wood screws 2 to 10 and special nails of the classes A to C (16 to 24): group 0 to 2 and
// class 0 to 2. Special nails of the classes D to F (34 to 42): group 1 to 3 and class 3 to 5.
constexpr int kSubChoices = 3;
constexpr int kNailsDtoF = FT_SPECIAL_NAIL_1D;

bool in_range(int v, int lo, int hi) { return v >= lo && v <= hi; }

int special_nail_type(int first, int second)
{
    if (in_range(first, 0, 2) && in_range(second, 0, 2))
        return FT_SPECIAL_NAIL_1A + kSubChoices * first + second;
    if (in_range(first, 1, 3) && in_range(second, 3, 5))
        return kNailsDtoF + kSubChoices * (first - 1) + (second - 3);
    return -1;
}

void write_pair(int* first, int* second, int a, int b)
{
    if (first) *first = a;
    if (second) *second = b;
}

// The picture file of a type code, null for none.
const char* picture_file(int type)
{
    if (is_wood_screw_type(type)) return "Schraube.bmp";
    if (is_special_nail_type(type)) return "SonderNagel.bmp";
    switch (type) {
    case FT_NAIL: return "Nagel.bmp";
    case FT_SPAX_S_TG: return "SPAX_Teil_Senk.bmp";
    case FT_SPAX_T_TG: return "SPAX_Teil_Teller.bmp";
    case FT_SPAX_S_VG: case FT_ASSY_VG_Z: case FT_ASSY_VG_S: return "SPAX_Voll.bmp";
    case FT_RING_A1: return "Ringduebel_A1.bmp";
    case FT_CONNECTOR_C1: return "Scheibenduebel_C1.bmp";
    case FT_CONNECTOR_C5: return "Scheibenduebel_C5.bmp";
    case FT_CONNECTOR_C10: return "Scheibenduebel_C10.bmp";
    case FT_DOWEL: return "Stabduebel_G10.bmp";
    case FT_BOLT: return "Bolzen.bmp";
    case FT_CONNECTOR_B1: return "Scheibenduebel_B1.bmp";
    case FT_CONNECTOR_C2: return "Scheibenduebel_C2.bmp";
    case FT_CONNECTOR_C11: return "Scheibenduebel_C11.bmp";
    default: return nullptr;
    }
}

constexpr int kPictureWidth = 153, kPictureHeight = 100;

} // namespace

int fastener_type_of_menu(int index, int first, int second, const int* values)
{
    // The menu has one entry per list value; an index past it would read outside the caller's list.
    if (!values || index < 0 || index > MENU_LAST)
        return -1;
    int value = values[index];
    switch (value) {
    case MENU_NONE: return FT_NONE;
    case MENU_GLUED: return FT_GLUED;
    case MENU_NAIL: return FT_NAIL;
    case MENU_STAPLE: return FT_STAPLE;
    case MENU_WOOD_SCREW:
        if (!in_range(first, 0, 2) || !in_range(second, 0, 2))
            return -1;
        return FT_WOOD_SCREW_FIRST + kSubChoices * first + second;
    case MENU_SPECIAL_NAIL: return special_nail_type(first, second);
    default: break;
    }
    if (in_range(value, MENU_SCREW_PRODUCTS, MENU_SPECIAL_NAIL - 1))
        return FT_SPAX_S_TG + (value - MENU_SCREW_PRODUCTS);
    if (in_range(value, MENU_CONNECTORS, MENU_DISC_CONNECTORS - 1))
        return FT_RING_A1 + (value - MENU_CONNECTORS);
    if (in_range(value, MENU_DISC_CONNECTORS, MENU_LAST))
        return FT_CONNECTOR_B1 + (value - MENU_DISC_CONNECTORS);
    return -1;
}

int fastener_menu_of_type(int type, int* first, int* second)
{
    switch (type) {
    case FT_NONE: return MENU_NONE;
    case FT_GLUED: return MENU_GLUED;
    case FT_NAIL: return MENU_NAIL;
    case FT_STAPLE: return MENU_STAPLE;
    default: break;
    }
    if (is_wood_screw_type(type)) {
        int k = type - FT_WOOD_SCREW_FIRST;
        write_pair(first, second, k / kSubChoices, k % kSubChoices);
        return MENU_WOOD_SCREW;
    }
    if (in_range(type, FT_SPECIAL_NAIL_1A, FT_SPECIAL_NAIL_3C)) {
        const int k = type - FT_SPECIAL_NAIL_1A;
        write_pair(first, second, k / kSubChoices, k % kSubChoices);
        return MENU_SPECIAL_NAIL;
    }
    if (in_range(type, kNailsDtoF, FT_SPECIAL_NAIL_3F)) {
        int k = type - kNailsDtoF;
        write_pair(first, second, 1 + k / kSubChoices, 3 + k % kSubChoices);
        return MENU_SPECIAL_NAIL;
    }
    if (in_range(type, FT_SPAX_S_TG, FT_ASSY_VG_S)) return MENU_SCREW_PRODUCTS + (type - FT_SPAX_S_TG);
    if (in_range(type, FT_RING_A1, FT_BOLT)) return MENU_CONNECTORS + (type - FT_RING_A1);
    if (in_range(type, FT_CONNECTOR_B1, FT_CONNECTOR_C11)) return MENU_DISC_CONNECTORS + (type - FT_CONNECTOR_B1);
    return -1;
}

int fastener_picture(int type, int area, int x, int y, int colour)
{
    const char* file = picture_file(type);
    if (!file)
        return 0;
    return sva_add_bitmap(area, file, x, y, x + kPictureWidth, y + kPictureHeight, colour);
}

int catalogue_choice_field(int area, int x, int y, const CodedChoice* choices, SvaChoiceEntry* entries,
                           int font, int width, int count, int* selection, int* active)
{
    if (count >= CATALOGUE_CHOICE_LIMIT || !selection || *selection < 0 || *selection >= count || !choices ||
        !entries)
        return -1;
    for (int i = 0; i < count; ++i)
        entries[i].colour = choices[i].value;
    sva_add_choice_field(area, x, y, entries, font, width, count, selection, active);
    return choices[*selection].code;
}

int menu_index_skip(int* index)
{
    if (!index)
        return 0;
    if (*index > 1)
        ++*index;
    return *index;
}
