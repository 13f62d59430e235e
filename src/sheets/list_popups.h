// Drop-down lists of choice fields (coloured texts) and image choice fields (pictures cut
// from one bitmap strip), drawn over the screen and run by a modal loop.
#pragma once
#include "sheets/view_areas.h"

// Where a list opens and how many rows it shows.
struct SvaListPlacement {
    int rows;
    int top;
};

constexpr int SVA_TEXT_LIST_ROW = 13;

// Placement of an image list under or above a field at screen y, inside a pane.
SvaListPlacement image_list_placement(int pane_top, int pane_bottom, int y, int image_height, int count);
// Placement of a text list for a field whose baseline is at screen y.
SvaListPlacement text_list_placement(int y, int count);

// Scroll-bar values of a list longer than its window.
struct SvaListThumb {
    int track, thumb;
    double step;
    int offset;
};
SvaListThumb list_thumb(int height, int visible_rows, int count, int first);
// First visible index that centres the current one, limited to 0..count - rows.
int list_first_index(int current, int rows, int count);

int run_image_list_popup(int pane_top, int pane_bottom, int x, int y, SvaItem* item);
int run_text_list_popup(int x, int y, SvaItem* item);
void draw_image_list(int left, int width, int top, int height, int highlighted, int first, int visible_rows,
                     int thumb_size, int thumb_offset, const SvaItem* item);
void draw_text_list(int left, int text_x, int width, int top, int height, int font, int highlighted,
                    int visible_rows, int thumb_size, int thumb_offset, const SvaChoiceEntry* entries);
