// Inside the sheet manager: the stack of sheets and their elements. Not for callers.
#pragma once

#include "platform/screen/prop_sheet.h"

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

namespace sheets {

enum Kind { BUTTON, HELP, ESCAPE, REGISTER, MEMBER, SCROLL, VSLIDER, HSLIDER, FLOAT, RADIO, LABEL };

struct Element {
    int handle = 0;
    Kind kind = BUTTON;
    QRect rect;              // screen pixels at the sheet's first place
    int code = 0;
    int activity = 1;        // 1 active, -1 inactive, 0 hidden
    int action_state = 1;    // 0: the caller draws the face
    bool framed = true;
    std::string text;        // caption, help topic, comment source
    std::string comment;
    const PSRaster* symbol = nullptr;
    int owner = 0;           // register of a member, area of a slider, button of a label
    int font = 4096, colour = 0;
    bool report_moves = false;
    // scrollable areas
    int sx = 0, sy = 0, content_w = 0, content_h = 0, step_x = 10, step_y = 10;
    int vslider = 0, hslider = 0;
    bool pane_frame = true;
    PSScrollDrawFn draw = nullptr;
    void* record = nullptr;
    // registers
    int selected = 0;
    // number fields and radio buttons
    std::string format;
    double* value = nullptr;
    int width_chars = 0;
    int radio_value = 0;
    int* target = nullptr;
};

struct Sheet {
    QRect rect;              // where it was defined
    int dx = 0, dy = 0;      // moved by the user since
    bool framed = true;
    std::string title;
    int id = 0;
    QImage beneath;
    std::vector<Element> elements;
    int next_handle = 1;
    int ok_code = -1, break_code = -1;
    int click_outside = PS_CLICK_OUTSIDE_NONE;
    int* bound_dx = nullptr;
    int* bound_dy = nullptr;
    bool active = false;
    bool auto_mode = false;   // number fields chain their edits
};

std::vector<Sheet>& stack();
Sheet* top();
Element* find(int handle);
// An element's rectangle where the sheet is now.
QRect place(const Sheet& s, const Element& e);
void draw_element(Sheet& s, Element& e);
// A scrollable area's slider track, its pane without the sliders, and the thumb on the track.
struct Slider {
    QRect track;
    int len = 0, thumb = 0, range = 0, pos = 0;
};
QRect slider_rect(const Sheet& s, const Element& area, bool vertical);
QRect view_rect(const Sheet& s, const Element& area);
Slider slider_of(const Sheet& s, const Element& area, bool vertical);
void draw_field(const QRect& r, const std::string& text, int cursor, bool active);
QRect float_field_rect(int x, int y, int width_chars);
std::string format_value(const char* format, double value);
int edit_float_field(Sheet& s, Element& e);
// Moves the sheet by the user's drag, kept on the screen.
void move_sheet(Sheet& s, int ddx, int ddy);
// Clears the editors' one-call settings.
void edit_reset();

} // namespace sheets
