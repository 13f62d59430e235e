#include "sheets/form_buttons.h"

#include "platform/screen/screen.h"
#include "sheets/form_fields.h"
#include "sheets/view_areas.h"

namespace {
constexpr int POINTER_HAND = 18;
constexpr int IMAGE_SIZE = 12;
constexpr int IMAGE_INDENT = 20;

void image_square(int view, int x, int y, const char* bitmap, int state)
{
    if (bitmap) sva_add_bitmap(view, bitmap, x, y - 10, x + IMAGE_SIZE, y + 2, WHITE_CI);
    LastElement = FormLastElement{x, x + IMAGE_SIZE, y - 10, y + 2, state};
}
}  // namespace

void form_button_rect(double x, double y, double w, double h, int vertical, int horizontal, int* x1, int* y1,
                      int* x2, int* y2)
{
    int ix = static_cast<int>(x), iy = static_cast<int>(y), iw = static_cast<int>(w), ih = static_cast<int>(h);
    *x1 = horizontal == 1 ? ix - iw : horizontal == 4 ? static_cast<int>(x - w / 2) : ix;
    *y1 = vertical == 2 ? iy - ih : vertical == 4 ? static_cast<int>(y - h / 2) : iy;
    *x2 = *x1 + iw;
    *y2 = *y1 + ih;
}

int form_image_button(int view, double x, double y, double w, double h, int vertical, int horizontal,
                      const char* bitmap, const char* inactive_bitmap, int colour, int value, int* target,
                      int active)
{
    int x1, y1, x2, y2;
    form_button_rect(x, y, w, h, vertical, horizontal, &x1, &y1, &x2, &y2);
    LastElement = FormLastElement{x1, x2, y1, y2, active};
    int result = 0;
    if (active) {
        if (bitmap) result = sva_add_bitmap(view, bitmap, x1, y1, x2, y2, colour);
        sva_add_icon_button(view, x1, y1, x2, y2, value, target);
        sva_set_last_icon_value(view, POINTER_HAND);
    } else if (inactive_bitmap) {
        result = sva_add_bitmap(view, inactive_bitmap, x1, y1, x2, y2, colour);
    }
    return result;
}

void form_image_radio(int view, int x, int y, int value, int* selection, const char* on_active,
                      const char* off_active, const char* on_inactive, const char* off_inactive, int* group)
{
    int active = group ? *group : 1;
    bool on = selection && *selection == value;
    sva_add_radio(view, x + IMAGE_INDENT, y, "", 0, WHITE_CI, value, selection, group);
    image_square(view, x, y, active ? (on ? on_active : off_active) : (on ? on_inactive : off_inactive), active);
}

void form_image_toggle(int view, int x, int y, int* value, const char* on_active, const char* off_active,
                       const char* on_inactive, const char* off_inactive, int* active)
{
    int a = active ? *active : 1;
    bool on = value && *value;
    sva_add_toggle(view, x + IMAGE_INDENT, y, "", 0, WHITE_CI, value, active);
    image_square(view, x, y, a ? (on ? on_active : off_active) : (on ? on_inactive : off_inactive), a);
}
