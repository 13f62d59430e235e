#pragma once
// The connection-means menu of the older fastener dialogs: its entries and two sub-choices mapped
// to fastener type codes and back, the fastener pictures, and the coded choice field of the
// catalogues. The screw catalogue lists themselves live with the material lists.

#include "materials/screw_catalogues.h"

struct SvaChoiceEntry;

// A coded choice: the entry's value, a word not read here, and the choice's code.
struct CodedChoice {
    int value;
    int unused;
    int code;
};

// Type code of a menu entry: values[index] is the entry's list value (0 to 19); wood screws and
// special nails take the two sub-choices. -1 for an index outside the menu's 20 entries, or a
// value or a pair the menu does not offer.
int fastener_type_of_menu(int index, int first, int second, const int* values);
// List value of a type code (-1 for types below -2 or above 42); writes the sub-choices only for
// wood screws and special nails.
int fastener_menu_of_type(int type, int* first, int* second);

// Adds the type's picture (153 x 100 pixels from (x, y)) to a view area; the next free y below it,
// or 0 when the type has no picture.
int fastener_picture(int type, int area, int x, int y, int colour);

enum { CATALOGUE_CHOICE_LIMIT = 100 };

// Copies the values of the coded choices into the entries and adds a choice field over them; the
// code of the selected choice, or -1 (and no field) for 100 or more entries, a null selection or a
// selection outside the entries.
int catalogue_choice_field(int area, int x, int y, const CodedChoice* choices, SvaChoiceEntry* entries,
                           int font, int width, int count, int* selection, int* active);

// Skips the menu's index 2 onwards by one: values above 1 grow by 1. Returns the new value.
int menu_index_skip(int* index);
