#include "sheets/hints_page.h"

#include <cstdio>
#include <cstring>

#include "helpers/number_words.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"
#include "sheets/form_picture.h"
#include "sheets/form_state.h"
#include "sheets/view_areas.h"

namespace {

int g_pressed = 0;
int g_page_active = 1;
int g_never_active = 0;

constexpr int BUTTON_WIDTH = 212, BUTTON_HEIGHT = 21, BUTTON_Y = 130;
constexpr int FRAME_WIDTH = 365;
constexpr int POINTER_HAND = 18;
const char* const EXPLANATION[] = {
    "Programmhinweise machen den Anwender darauf aufmerksam, dass die",
    "aktuellen Einstellungen entweder den Anwendungsvoraussetzungen nicht",
    "entsprechen oder zu ung\x81ltigen bzw. au\xE1" "ergew\x94hnlichen Ergebnissen",
    "f\x81hren.",
};

int dark_green() { return Nearest_Color_Index(0, 95, 0); }

int centred_x(const char* text, double width)
{
    Pop_RFont(FORM_FONT_NORMAL);
    int w = coded_text_width(text);
    Push_RFont();
    return w > 0 ? form_round((width - (w + 3)) / 2) : form_round(width / 2);
}

}  // namespace

void hints_page_sentence(int off, char* buffer, int size)
{
    std::snprintf(buffer, size, "Von insgesamt %s m\x94glichen Programmhinweisen %s", count_as_word(HINT_COUNT),
                  off < 2 ? "ist" : "sind");
}

void hints_page_button_text(int off, char* buffer, int size)
{
    std::snprintf(buffer, size, "%d %s wieder aktivieren", off, off > 1 ? "Hinweise" : "Hinweis");
}

void hints_page(int view, HintSwitches* hints, double width)
{
    form_select_sheet(view);
    if (g_pressed == 1)
        for (int& h : hints->on) h = 1;
    g_pressed = 0;
    int off = 0;
    for (int h : hints->on) off += h == 0;
    char text[200];
    form_set_font_flags(FORM_FONT_NORMAL);
    form_set_text_colour(BLACK_CI);
    hints_page_sentence(off, text, sizeof text);
    form_label(centred_x(text, width), 50, text, nullptr);
    form_set_text_colour(dark_green());
    form_label_emphasised(centred_x(count_as_word(off), width), 75, count_as_word(off), nullptr);
    form_set_text_colour(BLACK_CI);
    form_label(centred_x("deaktiviert.", width), 100, "deaktiviert.", nullptr);
    hints_page_button_text(off, text, sizeof text);
    sva_add_image_button(view, form_round((width - BUTTON_WIDTH) / 2), BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT,
                         "but_hinweise_reaktivieren.bmp", 0, Nearest_RGB_Color(255, 251, 240), POINTER_HAND, text, 1,
                         &g_pressed, off >= 1 ? &g_page_active : &g_never_active);
    int d = form_round((width - FRAME_WIDTH) / 2);
    form_set_background(Nearest_RGB_Color(240, 240, 240));
    form_set_text_colour(dark_green());
    form_fill_box(d - 3, 202, d + 362, 262);
    form_draw_rectangle(d - 3, 202, d + 362, 262);
    form_set_background(Nearest_RGB_Color(255, 251, 240));
    form_fill_box(d + 2, 210, d + text_width_in_font("Programmhinweise", form_get_font_flags()) + 8, 193);
    form_label_emphasised(d + 5, 205, "Programmhinweise", nullptr);
    int flags = form_get_font_flags();
    form_set_font_flags(flags + 2);
    int y = 221;
    for (const char* line : EXPLANATION) {
        form_label(d + 5, y, line, nullptr);
        y += 10;
    }
    form_set_font_flags(flags);
}
