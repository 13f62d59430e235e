// What the helpers' message sheet and progress sheet use of the screen-dialog toolkit. The
// toolkit is built on the helpers, so it offers these services itself (the sheets library's
// sheets_offer_helper_services); until it has, sheet output draws nothing and shows no sheet.
#pragma once

// A one-page sheet: the message list sheet is of type 1 with one "Weiter" button.
struct HelperSheet {
    int type;
    const char* title;
    int content_width, content_height;
    int horizontal_slider, vertical_slider;
    void (*fill)(int view);
};

struct HelperSheetServices {
    // The current form.
    void (*select_sheet)(int view);
    void (*set_font_flags)(int flags);
    int (*get_text_colour)(void);
    int (*set_text_colour)(int colour);
    void (*set_background)(int colour);
    // Items on the current form; each returns its width in pixels.
    int (*text)(int x, int y, const char* text);
    int (*label_emphasised)(int x, int y, const char* text);
    int (*toggle)(int x, int y, const char* label, int* value);   // editable
    int (*fill_box)(double x1, double y1, double x2, double y2);  // in the background colour
    void (*draw_rectangle)(double x1, double y1, double x2, double y2);   // in the text colour
    int (*text_width_in_font)(const char* text, int flags);
    int (*lighten_colour)(int colour, int percent);
    // View areas of the current property sheet.
    int (*area_create)(int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider);
    void (*area_delete)(int view);
    void (*area_clear)(int view);
    void (*area_set_background)(int view, int colour);
    void (*area_set_activity)(int view, int flag);
    void (*area_update)(int view);
    // Runs a one-page sheet; 1 confirmed, 0 cancelled.
    int (*run_sheet)(const HelperSheet* sheet);
};

// The services are copied; null withdraws them.
void helper_sheet_services_set(const HelperSheetServices* services);
// The registered services, or null.
const HelperSheetServices* helper_sheet_services(void);
