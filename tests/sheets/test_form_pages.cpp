// Heading strips and the hints page drawn onto a form.
#include <cstring>
#include <string>

#include "helpers/number_words.h"
#include "sheets/form_fields.h"
#include "sheets/form_state.h"
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
        EXPECT_NE(shown.find(sentence), std::string::npos) << c.off;
        EXPECT_NE(shown.find(std::string(count_as_word(c.off)) + "|"), std::string::npos) << c.off;
        SvaItem* button = nullptr;
        for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (it->type == SVA_IMAGE_BUTTON) button = it;
        ASSERT_NE(button, nullptr);
        EXPECT_STREQ(button->text2, c.button);
        EXPECT_EQ(*button->active, c.off > 0 ? 1 : 0);   // inactive while no hint is off
    }
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
