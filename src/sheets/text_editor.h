// Multi-line text editor item of a view area: the caller's buffer wrapped at word boundaries,
// edited in place with the mouse and the keys, a selection, the clipboard and the wheel.
#pragma once
#include "sheets/view_areas.h"

// State of one editor item, owned by the item.
struct SvaTextState {
    int capacity;          // entries of the line-start table
    int line_count;        // entries in use; the last is the end of the text
    int cursor_x, cursor_y;  // drawn cursor; x = 0: none on the screen
    int x1, y1, x2, y2;    // editor rectangle on the screen while editing
    int font;              // raster font, 0 for fixed 8-pixel cells
    int erase_colour;
    int text_colour;
    int max_length;
    int length;
    int visible_lines;
    int first_line;
    char** line_starts;
    char* cursor;
    char* text;
    char* selection_start;
    char* selection_end;
    SvaItem* item;
};

constexpr int SVA_EDITOR_DEFAULT_FONT = 4099;
constexpr int SVA_EDITOR_LINE_HEIGHT = 14;
constexpr int SVA_EDITOR_FIRST_CAPACITY = 50;
constexpr int SVA_CLIPBOARD_MAX = 5000;

// Keys of the editor (control codes and 256 + scan code).
enum SvaEditorKey {
    SVA_KEY_CTRL_A = 1, SVA_KEY_CTRL_C = 3, SVA_KEY_BACKSPACE = 8, SVA_KEY_CTRL_V = 22, SVA_KEY_CTRL_X = 24,
    SVA_KEY_HOME = 327, SVA_KEY_UP = 328, SVA_KEY_PAGE_UP = 329, SVA_KEY_LEFT = 331, SVA_KEY_RIGHT = 333,
    SVA_KEY_END = 335, SVA_KEY_DOWN = 336, SVA_KEY_PAGE_DOWN = 337, SVA_KEY_DELETE = 339,
    SVA_KEY_CTRL_END = 373, SVA_KEY_CTRL_HOME = 375,
};

SvaTextState* sva_text_state_new(SvaItem* item, char* buffer, int max_length);
void sva_text_state_free(SvaTextState* state);
SvaTextState* sva_active_text_editor(void);
void sva_text_set_active(SvaTextState* state);

// Drawing (rebuilds the line table as it goes).
void sva_draw_text_lines(SvaItem* item, int x1, int y1, int x2, int y2);
// The line table alone, for a usable width in pixels.
void sva_text_break_lines(SvaTextState* state, int usable_width);

void sva_text_cursor_show(SvaTextState* state);
void sva_text_cursor_hide(SvaTextState* state);
void sva_scroll_to_cursor(SvaTextState* state);
void caret_from_mouse(SvaTextState* state);
// The cursor under a screen point (what caret_from_mouse does with the mouse position).
void sva_text_place_cursor(SvaTextState* state, int mouse_x, int mouse_y);
void redraw_text_field(SvaTextState* state);
void move_caret(int dx, int dy, SvaTextState* state);
int sva_text_cursor_line(const SvaTextState* state);

void sva_text_insert_char(int c, SvaTextState* state);
void sva_text_delete_selection(SvaTextState* state);
void sva_text_paste(const char* text, SvaTextState* state);
void draw_scroll_marks(SvaTextState* state);
void sva_insert_special_character(void);
void copy_text_range_to_clipboard(const char* start, const char* end);

// One key as the editing loop handles it; returns 1 when the editor must be redrawn.
int sva_text_key(int key, SvaTextState* state);

// The editing loop, entered by a click inside the editor; returns when the user clicks outside.
void sva_text_edit(SvaItem* item, int x1, int y1, int x2, int y2, int pane_x1, int pane_y1, int pane_x2,
                   int pane_y2);

int sva_text_width(const char* text, int n);
void sva_text_extent(const char* text, int n, int x, int y, int* xs, int* ys);

// The editor's right-button menu.
const struct MenueRecord* sva_text_editor_menu(void);
