// Sheet and page descriptors and the runners that show them as modal property sheets: one
// page (form_run) or several pages under register tabs (form_run_register). A sheet may be
// opened from a callback of another; sheets nest at most FORM_MAX_LEVELS deep.
#pragma once
#include "sheets/table_editor.h"

// Element codes a sheet returns.
constexpr int FORM_CODE_CANCEL = 100;
constexpr int FORM_CODE_CONFIRM = 200;
constexpr int FORM_CODE_TAB = 1000;    // + page
constexpr int FORM_CODE_PAGE = 2000;   // + page: a click into the page's area

struct SheetDescriptor {
    int type;
    int identifier;
    char title[100];
    int content_height, content_width;
    int top_margin, bottom_margin, left_margin, right_margin;
    int tab_height, tab_width;
    char bitmap[100];
    char help_topic[52];
    void (*status_text)(char* buffer);
    void (*after_definition)(int x1, int y1, int x2, int y2);
    int (*element)(int code);
    int (*confirm_veto)(void);
    int (*cancel_veto)(void);
    int (*page_change)(int old_page, int new_page);
    void (*each_pass)(int page);
    void (*at_end)(void);
    int last_page;
    int preset_code;
};

struct PageDescriptor {
    int state;   // 1 normal, 0 disabled, -2 no tab and no area
    char upper_tab_text[50];
    char tab_text[50];
    int tab_colour, disabled_tab_colour;
    int area_x, area_y, area_width, area_height;
    int horizontal_slider, vertical_slider;
    int saved_scroll_x, saved_scroll_y;
    int table_row_size;
    int table_width, table_left, table_top;
    TableRowCallback table_row;
    void (*table_init)(int table);
    void (*fill)(int view, int table);
    int (*check)(int table);
};

constexpr int FORM_STATUS_TEXT_SIZE = 200;
constexpr int FORM_MAX_TABS = 64;

SheetDescriptor* form_register_defaults(SheetDescriptor* d);
void form_pages_init(int n, PageDescriptor* pages);

int form_run(SheetDescriptor* d, PageDescriptor* page);
int form_run_register(SheetDescriptor* d, int n, PageDescriptor* pages);

// The older register runner: sheet size from the content height and width, the title record's
// title, status text and help topic; 1 confirmed, 0 cancelled.
struct FormTitleRecord {
    char title[200];
    int a, b;
};
int form_run_register_classic(int height, int width, const FormTitleRecord* title, int n, PageDescriptor* pages,
                              void (*status_text)(char* buffer), const char* help_topic);

// The register row of a sheet: where each page's tab lies (from = to = -1: no tab).
struct RegisterLayout {
    int tab_width;
    int row_left, row_right;
    int from[FORM_MAX_TABS], to[FORM_MAX_TABS];
};
RegisterLayout form_register_layout(const SheetDescriptor* d, int n, const PageDescriptor* pages, int sheet_left,
                                    int sheet_right);
// The sheet's rectangle for n pages, centred on (cx, cy).
void form_sheet_rect(const SheetDescriptor* d, int n, int cx, int cy, int* x1, int* y1, int* x2, int* y2);

// Steering of the innermost sheet from its callbacks.
void form_set_page_state(int page, int state);
int form_get_page_state(int page);
void form_page_switch(int page);
int form_current_page(void);
void form_set_page_table_shown(int page, int flag);
int form_commit(void);
void form_sheet_origin(int* x, int* y);
void form_request_cancel(void);
void form_request_confirm(void);
void form_request_redraw(void);
void form_set_cursor_to_default(int flag);
void form_cursor_to_default_on(void);
void form_cursor_to_default_off(void);
void form_no_operation(void);
int form_sheet_depth(void);
