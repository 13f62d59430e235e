// Heading strips and the hints page drawn onto a form.
#include <cstring>
#include <string>
#include <vector>
#include <cstdlib>

#include "helpers/number_words.h"
#include "sheets/form_fields.h"
#include "sheets/form_state.h"
#include "sheets/form_buttons.h"
#include "sheets/form_tooltips.h"
#include "sheets/heading_strips.h"
#include "sheets/hints_page.h"
#include "sheets_fixture.h"

namespace {

class FormPageTest : public SheetsTest {
public:
    int area = -1;
    void SetUp() override
    {
        SheetsTest::SetUp();
        area = sva_create(20, 20, 600, 400, 0, 0);
        form_select_sheet(area);
    }
    std::string texts()
    {
        std::string all;
        for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (it->type == SVA_TEXT && it->text) all += std::string(it->text) + "|";
        return all;
    }
};

TEST_F(FormPageTest, StripOfThreeColumns)
{
    HeadingStrip strip{};
    heading_strip_reset(&strip, 3);
    EXPECT_EQ(heading_strip_width(&strip), 8);
    const char* symbols[] = {"k", "a", "b"};
    int starts[] = {8, 76, 144};   // 8 + k * (63 + 5)
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(heading_strip_add_column(&strip, "Faktor", symbols[i], "", "", 0, 63, 5)->x_offset, starts[i]);
    EXPECT_EQ(heading_strip_width(&strip), 8 + 3 * 68);   // 212
    // The room reserved holds three: a fourth is not written.
    EXPECT_EQ(heading_strip_add_column(&strip, "x", "x", "", "", 0, 63, 5), nullptr);
    // Without units one heading row: the symbols at y - 16.
    heading_strip_draw_auto(0, 100, &strip);
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
        if (it->type == SVA_TEXT) {
            EXPECT_EQ(it->y1, 84);
        }
    }
    heading_strip_free(&strip);
}

TEST_F(FormPageTest, HintsPageWording)
{
    struct Case {
        int off;
        const char* verb;
        const char* button;
    } cases[] = {{0, "ist", "0 Hinweis wieder aktivieren"},
                 {1, "ist", "1 Hinweis wieder aktivieren"},
                 {2, "sind", "2 Hinweise wieder aktivieren"}};
    for (const Case& c : cases) {
        HintSwitches hints = {{1, 1, 1, 1}};
        for (int i = 0; i < c.off; ++i) hints.on[i] = 0;
        sva_clear(area);
        hints_page(area, &hints, 500);
        std::string shown = texts();
        std::string sentence = std::string("Von insgesamt ") + count_as_word(4) + " m\x94glichen Programmhinweisen " +
                               c.verb + "|";
        // The three lines whole and in their order: sentence, count, "deaktiviert.".
        EXPECT_EQ(shown.rfind(sentence + count_as_word(c.off) + "|deaktiviert.|", 0), 0u) << shown;
        SvaItem* button = nullptr;
        for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (it->type == SVA_IMAGE_BUTTON) button = it;
        ASSERT_NE(button, nullptr);
        EXPECT_STREQ(button->text2, c.button);
        EXPECT_EQ(*button->active, c.off > 0 ? 1 : 0);   // inactive while no hint is off
        // The caption stands centred on the button; grey while the button is inactive.
        bool caption = false;
        const int middle = (button->x1 + button->x2) / 2;
        for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (it->type == SVA_TEXT && std::strcmp(it->text, c.button) == 0) {
                int w = text_width_in_font(c.button, FORM_FONT_NORMAL) - 3;
                caption = std::abs(it->x1 + w / 2 - middle) <= 1 && it->y1 > button->y1 && it->y1 <= button->y2 &&
                          it->colour == (c.off > 0 ? BLACK_CI : form_inactive_colour());
            }
        EXPECT_TRUE(caption) << c.off;
    }
}

// The explanation stays inside its frame whatever the font's width: every small text below the
// title ends left of the frame's right edge, and the frame reaches below the last line.
TEST_F(FormPageTest, HintsPageExplanationStaysInItsFrame)
{
    HintSwitches hints = {{1, 1, 1, 1}};
    sva_clear(area);
    hints_page(area, &hints, 500);
    const int d = (500 - 365) / 2 + 1;   // 67.5 rounds to 68
    int last = 0, frame_bottom = 0;
    std::string words;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
        if (it->type == SVA_BOX && it->x1 == d - 3) frame_bottom = std::max(it->y1, it->y2);
        if (it->type != SVA_TEXT || it->y1 <= 205) continue;
        EXPECT_LE(it->x1 + text_width_in_font(it->text, FORM_FONT_SMALL), d + 362) << it->text;
        last = std::max(last, it->y1);
        words += std::string(words.empty() ? "" : " ") + it->text;
    }
    EXPECT_EQ(words, "Programmhinweise machen den Anwender darauf aufmerksam, dass die aktuellen Einstellungen "
                     "entweder den Anwendungsvoraussetzungen nicht entsprechen oder zu ung\x81ltigen bzw. "
                     "au\xE1" "ergew\x94hnlichen Ergebnissen f\x81hren.");
    EXPECT_GT(frame_bottom, last);
}

}  // namespace

namespace {

TEST_F(FormPageTest, ToolTipsSplitLongLinesAndNeedAnActiveElement)
{
    int dx = 0, dy = 0;
    form_register_area(-1, area, 20, 20, 600, 400, &dx, &dy);
    form_select_sheet(area);
    int editable = 1;
    double v = 1;
    form_float_field_plain(10, 30, &v, 5, 1, &editable);
    form_set_tooltip(std::string(250, 'x').c_str(), 0, 0);
    form_set_tooltip("a\nb", 0, 0);
    ASSERT_EQ(form_tooltip_count(), 2);
    const ToolTip* tip = form_tooltip(0);
    ASSERT_EQ(tip->line_count, 3);
    EXPECT_EQ(std::strlen(tip->lines[0]), 99u);
    EXPECT_EQ(std::strlen(tip->lines[1]), 99u);
    EXPECT_EQ(std::strlen(tip->lines[2]), 52u);
    EXPECT_EQ(form_tooltip(1)->box_height, 2 * 12 + 6);
    int inactive = 0;
    form_float_field_plain(10, 50, &v, 5, 1, &inactive);
    form_set_tooltip("no", 0, 0);
    EXPECT_EQ(form_tooltip_count(), 2);
    form_select_sheet(area);   // a new selection drops the tips
    EXPECT_EQ(form_tooltip_count(), 0);
    form_unregister_area();
}

}  // namespace

namespace {

std::vector<unsigned> pixels(int x1, int y1, int x2, int y2)
{
    std::vector<unsigned> out;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) out.push_back(screen_pixel(x, y));
    return out;
}

TEST_F(FormPageTest, HoverButtonsRollOverAndRestore)
{
    int clicked = 0;
    // Without the hover handler no caption button is drawn.
    form_text_button(area, 10, 10, 80, 0, 0, "Start", 1, &clicked, 1);
    EXPECT_EQ(form_hover_button_count(), 0);

    int dx = 0, dy = 0;
    int escape = Add_Escape_Area_to_PS(20, 20, 600, 400, 0, 2000);
    form_register_area(escape, area, 20, 20, 600, 400, &dx, &dy);
    form_select_sheet(area);
    int frame = Nearest_RGB_Color(0, 0, 160);
    form_hover_framed_button(area, 100, 50, 81, 2, 4, BLACK_CI, frame, 0, "Weiter", 2, &clicked, 1);
    ASSERT_EQ(form_hover_button_count(), 1);
    const HoverButton* b = form_hover_button(0);
    // Centred on x 100 and ending at y 50: 80 wide, 18 high; the record ends one pixel short.
    EXPECT_EQ(b->x1, 60);
    EXPECT_EQ(b->x2, 139);
    EXPECT_EQ(b->y1, 32);
    EXPECT_EQ(b->y2, 50);
    EXPECT_EQ(b->caption_style, 0x10000);
    EXPECT_EQ(LastElement.x2, 139);
    // An image button without a roll-over picture counts no record.
    EXPECT_EQ(form_hover_image_button(area, 200, 50, 20, 20, 0, 0, "a.bmp", "b.bmp", nullptr, nullptr, WHITE_CI, 3,
                                      &clicked, 1),
              nullptr);
    EXPECT_EQ(form_hover_button_count(), 1);
    sva_update(area);
    Activate_Prop_Sheet();   // the sheet draws the pane

    // In screen pixels the button lies at 20 + 60 .. 20 + 140, 20 + 32 .. 20 + 50.
    std::vector<unsigned> before = pixels(80, 52, 160, 70);
    EXPECT_GT(SheetsTest::count_pixels(80, 52, 160, 70, 0x0000A0), 0);   // the frame is drawn
    M_XPOS = 100;
    M_YPOS = 60;
    form_hover_handler();   // the caption is written bold over it
    EXPECT_NE(pixels(80, 52, 160, 70), before);
    M_XPOS = 300;
    form_hover_handler();   // leaving restores the screen saved under it
    EXPECT_EQ(pixels(80, 52, 160, 70), before);

    // A bitmap button shows its roll-over picture and, when left, its own picture again.
    EXPECT_STREQ(form_hover_image_button(area, 300, 100, 120, 40, 0, 0, "knopf.bmp", "aus.bmp", "knopf_ro.bmp",
                                         "aus_ro.bmp", WHITE_CI, 4, &clicked, 1),
                 "knopf_ro.bmp");
    ASSERT_EQ(form_hover_button_count(), 2);
    EXPECT_STREQ(form_hover_button(1)->normal, "knopf.bmp");
    sva_update(area);
    Activate_Prop_Sheet();
    std::vector<unsigned> shown = pixels(320, 120, 440, 160);
    M_XPOS = 380;
    M_YPOS = 140;
    form_hover_handler();
    EXPECT_NE(pixels(320, 120, 440, 160), shown);
    M_XPOS = 590;
    form_hover_handler();
    EXPECT_EQ(pixels(320, 120, 440, 160), shown);
    form_unregister_area();
}

TEST_F(FormPageTest, ImportButtonsWithoutTheTool)
{
    int result = 0, active = 1;
    const char* exec = std::getenv("EXEC");
    std::string kept = exec ? exec : "";
    unsetenv("EXEC");   // the internal-force tool is not there: the button is inactive
    int w = form_import_buttons(10, 50, nullptr, 7, &result, &active);
    SvaItem* button = nullptr;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
        if (it->type == SVA_IMAGE_BUTTON) button = it;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(*button->active, 0);
    EXPECT_STREQ(button->text2, "Werte aus VYK-Bauteil\nimportieren");
    // The lead text, the picture of the program family and "Programmen ..." before the button.
    int lead = text_width_in_font("Lagergr\x94\xE1" "en importieren aus ", FORM_FONT_NORMAL);
    int end = 10 + lead + 21 + text_width_in_font("Programmen ...", FORM_FONT_NORMAL);
    EXPECT_EQ(w, end - 10 + 54);
    EXPECT_EQ(button->x1, end + 3);
    if (exec) setenv("EXEC", kept.c_str(), 1);
}

}  // namespace

namespace {

// The toolkit's buttons with the pictures the program ships, for a person to look at.
TEST_F(FormPageTest, ButtonPicturesShip)
{
    const char* kept = std::getenv("DATA");
    std::string old = kept ? kept : "";
    std::string source = TAVO_TEST_DATA_DIR;
    setenv("DATA", (source.substr(0, source.rfind("/tests/")) + "/data/DATA").c_str(), 1);
    char path[512];
    for (const char* name : {"textbuttonbg.bmp", "TextButtonBg.bmp", "TextButtonBg_ro.bmp", "TextButtonBgInaktive.bmp",
                             "TextButtonBgInaktive_ro.bmp", "SniGrImportButton.bmp", "SniK7.bmp", "deskbuts.bmp",
                             "but_hinweise_reaktivieren.bmp"})
        EXPECT_EQ(screen_find_picture(name, path, sizeof path), 1) << name;

    const char* dir = std::getenv("TAVO_PICTURE_DIR");
    if (dir) screen_set_metrics(SCREEN_METRICS_QT);
    int dx = 0, dy = 0, clicked = 0, on = 1, off = 0;
    int escape = Add_Escape_Area_to_PS(20, 20, 600, 400, 0, 2000);
    form_register_area(escape, area, 20, 20, 600, 400, &dx, &dy);
    form_select_sheet(area);
    form_text_button(area, 20, 20, 100, 0, 0, "Berechnen", 1, &clicked, 1);
    form_text_button(area, 140, 20, 100, 0, 0, "Drucken", 2, &clicked, 0);
    form_hover_framed_button(area, 260, 20, 100, 0, 0, BLACK_CI, Nearest_RGB_Color(0, 0, 160), 0, "Weiter", 3,
                             &clicked, 1);
    form_import_buttons(20, 90, nullptr, 4, &clicked, &on);
    form_ascii_import_button(20, 150, nullptr, 5, &clicked, &on);
    form_delete_all_button(20, 180, "alle l\x94schen", 6, &clicked, &on);
    // The view area's answer: the y just below the 38 pixels high button (+ 9, as the pane
    // already reaches further down, past the delete button's 180 + 36).
    EXPECT_EQ(form_file_search_button(400, 170, 7, &clicked, &off), 170 + 38 + 9);
    EXPECT_EQ(form_hover_button_count(), 3);
    HintSwitches hints = {{1, 0, 1, 0}};
    int page = sva_create(20, 420, 600, 720, 0, 0);
    hints_page(page, &hints, 500);
    sva_update(area);
    sva_update(page);
    Activate_Prop_Sheet();
    if (dir) screen_save_png((std::string(dir) + "/form_buttons.png").c_str(), 0, 0, 620, 740);
    form_unregister_area();
    screen_set_metrics(SCREEN_METRICS_CELL);
    if (kept)
        setenv("DATA", old.c_str(), 1);
    else
        unsetenv("DATA");
}

}  // namespace
