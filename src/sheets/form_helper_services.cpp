#include "sheets/form_helper_services.h"

#include <cstdio>

#include "helpers/sheet_services.h"
#include "sheets/form_fields.h"
#include "sheets/form_picture.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets/screen_widgets.h"
#include "sheets/view_areas.h"

namespace {

int text(int x, int y, const char* t) { return form_text(x, y, t, nullptr); }
int label_emphasised(int x, int y, const char* t) { return form_label_emphasised(x, y, t, nullptr); }

int toggle(int x, int y, const char* label, int* value)
{
    static const int editable = 1;
    return form_toggle(x, y, label, value, &editable);
}

int set_text_colour(int colour) { return form_set_text_colour(colour); }

// The helpers' sheets are one page each; the page is set up once and then kept, so that a
// horizontal slider a long list needed stays for later lists.
void (*g_fill)(int view) = nullptr;
void fill_page(int view, int) { if (g_fill) g_fill(view); }

int run_sheet(const HelperSheet* h)
{
    static SheetDescriptor d;
    static PageDescriptor page;
    static bool page_ready = false;
    form_register_defaults(&d);
    if (!page_ready) {
        form_pages_init(1, &page);
        page_ready = true;
    }
    d.type = h->type;
    std::snprintf(d.title, sizeof d.title, "%s", h->title ? h->title : "");
    d.content_width = h->content_width;
    d.content_height = h->content_height;
    page.horizontal_slider = h->horizontal_slider;
    page.vertical_slider = h->vertical_slider;
    page.fill = fill_page;
    void (*outer)(int) = g_fill;   // a message sheet may be shown from inside another
    g_fill = h->fill;
    int result = form_run_register(&d, 1, &page);
    g_fill = outer;
    return result;
}

const HelperSheetServices kServices = {
    form_select_sheet,
    form_set_font_flags,
    form_get_text_colour,
    set_text_colour,
    form_set_background,
    text,
    label_emphasised,
    toggle,
    form_fill_box,
    form_draw_rectangle,
    text_width_in_font,
    lighten_colour,
    sva_create,
    sva_delete,
    sva_clear,
    sva_set_background,
    sva_set_activity,
    sva_update,
    run_sheet,
};

}  // namespace

void sheets_offer_helper_services(void) { helper_sheet_services_set(&kServices); }
