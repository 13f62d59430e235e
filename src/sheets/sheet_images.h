// Built-in pictures of the toolkit: one-bit masks of check marks, alternatives and arrows, the
// eye of the visual-check button, and multi-layer tree-view images (one mask and colour per
// layer) for the table editor's icons.
#pragma once

// A one-bit mask as pxMask takes it: rows of (width + 7) / 8 bytes, leftmost pixel in bit 7.
struct SheetMask {
    int width, height;
    const unsigned char* bits;
};

// A tree-view image: layers drawn in order, each a mask in its own colour; a layer colour of -1
// takes the colour handed to Draw_TreeViewImage.
constexpr int TREE_IMAGE_MAX_LAYERS = 8;
struct TreeViewImage {
    int width, height;
    int layers;
    const unsigned char* masks[TREE_IMAGE_MAX_LAYERS];
    int colours[TREE_IMAGE_MAX_LAYERS];
};

// Draws the image centred at (x, y).
void Draw_TreeViewImage(const TreeViewImage* image, int x, int y, int colour);

const SheetMask& mask_check_on();
const SheetMask& mask_check_off();
const SheetMask& mask_radio_on();
const SheetMask& mask_radio_off();
const SheetMask& mask_drop_down();
const SheetMask& mask_arrow_up();
const SheetMask& mask_arrow_down();
const SheetMask& mask_open_marker();
const SheetMask& mask_eye();   // 35 x 20, 5 bytes a row

// Draws a mask with its top-left corner at (x, y) in the current colour, set bits only.
void draw_mask_at(const SheetMask& mask, int x, int y);

// Table editor icons; their layer colours are set by table_prepare_images.
TreeViewImage& tree_image_delete();
TreeViewImage& tree_image_duplicate();
TreeViewImage& tree_image_duplicate_unavailable();
TreeViewImage& tree_image_append();
TreeViewImage& tree_image_column_button();
