#include "sheets/hints_page.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "environment/text_wrap.h"
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

constexpr int EXPLANATION_Y = 221, LINE_STEP = 10, FRAME_BOTTOM = 262;
constexpr int TEXT_ROOM = FRAME_WIDTH - 12;   // from 5 pixels inside the frame to 4 before its right edge

// The explanation in its four lines where each fits into the frame in the font; otherwise the
// same words wrapped to the frame, so that no line runs past it.
std::vector<std::string> explanation_lines(int font)
{
    std::vector<std::string> lines;
    Pop_RFont(font & ~FORM_STYLE_BITS);
    bool fits = true;
    std::string all;
    for (const char* line : EXPLANATION) {
        fits = fits && coded_text_width(line) <= TEXT_ROOM;
        all += (all.empty() ? "" : " ") + std::string(line);
    }
    if (fits) {
        lines.assign(std::begin(EXPLANATION), std::end(EXPLANATION));
    } else {
        for (const char* p = all.c_str(); *p;) {
            const char* next = p;
            int n = wrap_line_length(p, TEXT_ROOM, &next);
            std::string line(p, (size_t)std::max(n, 0));
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
            if (next == p) break;
            p = next;
        }
    }
    Push_RFont();
    return lines;
}

// The button's picture carries no words: its caption stands centred on it, grey while inactive.
void button_caption(int view, int x, const char* text, bool active)
{
    Pop_RFont(FORM_FONT_NORMAL);
    int w = coded_text_width(text);
    Push_RFont();
    int colour = active ? BLACK_CI : form_inactive_colour();
    sva_add_text(view, x + (BUTTON_WIDTH - w) / 2, BUTTON_Y + BUTTON_HEIGHT / 2 + 5, text, FORM_FONT_NORMAL, colour,
                 0);
}

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
    button_caption(view, form_round((width - BUTTON_WIDTH) / 2), text, off >= 1);
    int d = form_round((width - FRAME_WIDTH) / 2);
    int flags = form_get_font_flags();
    std::vector<std::string> lines = explanation_lines(flags + 2);
    int bottom = std::max(FRAME_BOTTOM, EXPLANATION_Y + LINE_STEP * (int)lines.size() + 1);
    form_set_background(Nearest_RGB_Color(240, 240, 240));
    form_set_text_colour(dark_green());
    form_fill_box(d - 3, 202, d + 362, bottom);
    form_draw_rectangle(d - 3, 202, d + 362, bottom);
    form_set_background(Nearest_RGB_Color(255, 251, 240));
    form_fill_box(d + 2, 210, d + text_width_in_font("Programmhinweise", form_get_font_flags()) + 8, 193);
    form_label_emphasised(d + 5, 205, "Programmhinweise", nullptr);
    form_set_font_flags(flags + 2);
    int y = EXPLANATION_Y;
    for (const std::string& line : lines) {
        form_label(d + 5, y, line.c_str(), nullptr);
        y += LINE_STEP;
    }
    form_set_font_flags(flags);
}
