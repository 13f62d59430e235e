// Scrollable view areas: panes inside a property sheet that show a display list of typed
// items in content coordinates, scrolled by optional sliders. An area is named by its slot
// number (0..19); a bad number or a free slot makes every operation do nothing.
#pragma once
#include <cstdint>

struct SvaItem;
struct SvaTextState;

// Called after the user changed an item: the value pointer of a number field, the new value
// of the state int of check boxes, alternatives, choices and image choices. Result ignored.
using SvaChangeCallback = int (*)(intptr_t value);
// Draws a graphics item into its screen rectangle.
using SvaDrawCallback = void (*)(int x1, int y1, int x2, int y2, void* data);

constexpr int SVA_MAX_AREAS = 20;
constexpr int SVA_HANDLE_RESERVED = 9999;
constexpr int SVA_SLIDER_WIDTH = 17;

// Font style bits the constructors take out of a font code.
constexpr int SVA_FONT_BOLD = 0x10000;
constexpr int SVA_FONT_SHADOW = 0x20000;
constexpr int SVA_FONT_LIGHT_SHADOW = 0x40000;

// Short keys as the key functions deliver them.
constexpr int SVA_KEY_ESC = 27;
constexpr int SVA_KEY_ENTER = 13;
constexpr int SVA_KEY_F1 = 315;

enum SvaItemType {
    SVA_TEXT = 1,
    SVA_LINE = 2,
    SVA_BITMAP = 3,
    SVA_GRAPHICS = 4,
    SVA_PICTURE = 5,
    SVA_ROTATED_TEXT = 6,
    SVA_TOGGLE = 7,
    SVA_RADIO = 8,
    SVA_LABELLED_VALUE = 9,
    SVA_FLOAT_FIELD = 10,
    SVA_BOX = 11,
    SVA_ICON_BUTTON = 12,
    SVA_GROUP_MARKER = 13,
    SVA_ICON = 14,
    SVA_TEXT_FIELD = 15,
    SVA_CHOICE_FIELD = 16,
    SVA_LIST_FIELD = 17,
    SVA_IMAGE_BUTTON = 18,
    SVA_TEXT_EDITOR = 19,
};

// One slot of the view-area table.
struct Scrollable_View_Area {
    int x1, y1, x2, y2;           // pane in sheet pixels, less 17 per slider
    int background;               // palette index of the pane
    int frame_flag;               // 1: framed pane
    int content_width, content_height;
    int scroll_x, scroll_y;       // remembered scroll position
    int handle;                   // sheet area handle; negative free, 9999 reserved
    int vslider, hslider;         // slider handles, 0 none
    int active;                   // 1: drawn and takes input
    int end_on_key;               // a waiting key ends the hover loop
    int end_on_right_button;      // the right button ends the hover loop
    int* stop_flag;               // the hover loop ends when this int becomes nonzero
    int hover_rect_flag, hover_x1, hover_y1, hover_x2, hover_y2;
    int break_code;
    int* break_target;
    int ok_code;
    int* ok_target;
    int help_code;
    int* help_target;
    SvaItem* first_item;
    SvaItem* last_item;
};

// A bitmap picture for type 5: a mask of one-bit rows drawn in the item colour.
struct SvaPicture {
    int width, height;
    int mode;
    const unsigned char* mask;
};

// One entry of a choice field's table.
struct SvaChoiceEntry {
    int colour;
    const char* text;
};

// One item of a display list. Field meanings vary with the type (see the constructors).
struct SvaItem {
    int type;
    int colour;        // pxFgc colour; type 16: visible width; type 18: pointer shape
    int font;          // raster font without style bits; type 18: code stored when clicked
    int number;        // per type: value, width, pointer shape, key ...
    int x1, y1;        // content position; texts: left end of the baseline
    int x2;            // right edge; texts, labels, fields: style (0 plain, 1 bold, 2/3 shadow)
    int y2;            // bottom edge; turned text: orientation; text field: visible width
    int number2;       // per type: highlight colour, entry count, transparent colour, background
    int* state;        // the caller's int the item shows and changes
    int* active;       // the caller's int that enables the item
    double* value;     // type 10
    char* text;        // owned copy (types 15 and 19: the caller's buffer)
    char* text2;       // owned: comment of an inactive field, caption of an image button
    SvaDrawCallback draw_callback;
    SvaChangeCallback change_callback;
    void* link1;       // type 4: data; type 5: picture; types 7, 8: on image
    void* link2;       // types 7, 8: off image; 9, 12: own value; 14: image; 19: editor state
    void* link3;       // types 9, 12: target int; type 16: entry table
    SvaItem* next;
    // Type 10: typed numbers outside [lower, upper] are refused (ranged nonzero); decimals of
    // the limits in the refusal.
    int ranged;
    double lower, upper;
    int range_decimals;
};

// The slot table; a caller names an area by its index.
Scrollable_View_Area* sva_slot(int area);   // null for a bad number or a free slot

// Life cycle.
int sva_create(int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider);
int sva_reserve(void);
void sva_attach(int area, int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider);
void sva_delete(int area);
void sva_clear(int area);
void sva_delete_all(void);
void sva_free_items(int area);

// Area settings.
void sva_set_background(int area, int palette_index);
int sva_get_background(int area);
void sva_set_frameflag(int area, int flag);
void sva_set_escape_target(int area, int code, int* target);
void sva_set_enter_target(int area, int code, int* target);
void sva_set_help_target(int area, int code, int* target);
void sva_set_end_on_key(int area, int flag);
void sva_set_end_on_right_button(int area, int flag);
void sva_set_stop_flag(int area, int* flag);
void sva_set_hover_rect(int area, int x1, int y1, int x2, int y2);
void sva_set_activity(int area, int activity);
void sva_reshape(int area, int x1, int y1, int x2, int y2);
void sva_update(int area);

// Items. The constructors append to the area's list and grow its content extent.
SvaItem* sva_new_item(int area);
int sva_add_text(int area, int x, int y, const char* text, int font, int colour, int alignment);
int sva_add_line(int area, int x1, int y1, int x2, int y2, int colour);
int sva_add_bitmap(int area, const char* file, int x1, int y1, int x2, int y2, int colour);
void sva_add_graphics(int area, int x1, int y1, int x2, int y2, void* data, SvaDrawCallback draw);
void sva_add_picture(int area, int x, int y, const SvaPicture* picture, int colour);
void sva_add_rotated_text(int area, int x, int y, const char* text, int font, int colour, int angle);
int sva_add_toggle(int area, int x, int y, const char* label, int font, int colour, int* state, int* active);
int sva_add_radio(int area, int x, int y, const char* label, int font, int colour, int value, int* state,
                  int* active);
void sva_add_labelled_value(int area, int x, int y, const char* text, int font, int colour, int alignment,
                            int highlight_colour, int own_value, int* target);
int sva_add_float_field(int area, int x, int y, double* value, const char* format, int font, int colour,
                        int* active);
int sva_add_box(int area, int x1, int y1, int x2, int y2, int colour);
void sva_add_icon_button(int area, int x1, int y1, int x2, int y2, int value, int* target);
void sva_add_group_marker(int area, int key);
void sva_add_icon(int area, const void* image, int x1, int y1, int x2, int y2, int colour);
void sva_add_text_field(int area, int x, int y, char* buffer, int font, int colour, int* active);
void sva_add_choice_field(int area, int x, int y, const SvaChoiceEntry* entries, int font, int visible_width,
                          int count, int* selection, int* active);
void sva_add_list_field(int area, int x, int y, const char* file, int image_width, int image_height, int count,
                        int number, int* selection, int* active);
// Returns the y just below the button, like a bitmap; 0 for a bad area.
int sva_add_image_button(int area, int x, int y, int width, int height, const char* file, int source_y,
                         int transparent_colour, int pointer_shape, const char* caption, int code, int* result,
                         int* active);
int sva_add_text_editor(int area, int x1, int y1, int x2, int y2, char* buffer, int max_length, int text_colour,
                        int background, int frame_flag, int* active);

// Modifiers of the last item; each acts only on the types it names.
void sva_set_last_bitmap_fixed(int area);
void sva_set_last_toggle_images(int area, const void* on_image, const void* off_image);
void sva_set_last_icon_value(int area, int pointer_shape);
void sva_set_last_icon_comment(int area, const char* text, int font, int colour, int flag);
void sva_set_last_text_width(int area, int n);
void sva_set_last_field_comment(int area, const char* text);
void sva_set_last_callback(int area, SvaChangeCallback callback);
// The range a typed number must lie in, for the last item when it is a number field.
void sva_set_last_range(int area, double lower, double upper, int decimals);
void sva_set_last_editor_font(int area, int font);

// Group markers: everything from the first marker with the key on is freed.
void sva_delete_from_marker(int area, int key);

// Queries and scrolling (scrolling: view_area_input.cpp).
void sva_inquire_scroll(int area, int* x, int* y);
void sva_save_scroll(int area);
void sva_get_view_size(int area, int* w, int* h);
void sva_get_extent(int area, int* w, int* h);
void sva_get_screen_origin(int area, int* x, int* y);

// A new zero-filled buffer of n + 1 bytes with at most n characters of the text, or "\n" for
// no text; null when memory runs out. Free with free().
char* text_copy_n(const char* text, int n);
// Width of the first n characters in the current raster font.
int text_pixel_width(const char* text, int n);

// Short keys read once from the user settings; nonzero switches a key on.
int sva_short_key_break(void);
int sva_short_key_ok(void);
int sva_short_key_help(void);
int sva_any_short_key(void);
// Test seam: forget the short keys read so far, so that the next sva_create reads them again.
void sva_reset_short_keys(void);

// The built-in look of an item type while it is inactive.
constexpr int SVA_INACTIVE_R = 190, SVA_INACTIVE_G = 190, SVA_INACTIVE_B = 190;
