// The helpers' progress sheet drawn through the toolkit, the wait window and the marker
// animation.
#include <vector>

#include "helpers/messages.h"
#include "helpers/progress_sheet.h"
#include "platform/env/vyk_message.h"
#include "platform/os/calllog.h"
#include "sheets/form_helper_services.h"
#include "sheets_fixture.h"

namespace {

class ProgressTest : public SheetsTest {
public:
    ProgressRecord records[3];
    void SetUp() override
    {
        SheetsTest::SetUp();
        sheets_offer_helper_services();
        msg_enable();
        progress_enable();
        progress_descriptor_init(records, 2);
        std::snprintf(records[0].text1, PROGRESS_TEXT, "Berechnung");
        std::snprintf(records[1].text1, PROGRESS_TEXT, "Lastf\x84lle");
        std::snprintf(records[2].text1, PROGRESS_TEXT, "Nachweise");
        records[1].a = 10;
    }
    void TearDown() override
    {
        progress_close();
        SheetsTest::TearDown();
    }
    // The screen pixel at a content point of the sheet's view area.
    static unsigned content_pixel(int x, int y)
    {
        Scrollable_View_Area* s = sva_slot(progress_view_area());
        return s ? screen_pixel(s->x1 + x, s->y1 + y) : 0;
    }
    static const SvaItem* text_item(const char* text)
    {
        for (SvaItem* it = sva_slot(progress_view_area())->first_item; it; it = it->next)
            if (it->type == SVA_TEXT && std::string(it->text) == text) return it;
        return nullptr;
    }
};

TEST_F(ProgressTest, SheetSizeFollowsWidthAndSteps)
{
    // Width -1 takes the least width, 200, + 14; two steps 48 * 2 + 31 + 42 = 169 high.
    int w = 0, h = 0;
    progress_sheet_size(records, &w, &h);
    EXPECT_EQ(w, 214);
    EXPECT_EQ(h, 169);
    progress_open(records);
    ASSERT_TRUE(progress_is_open());
    int x1, y1, x2, y2;
    ASSERT_EQ(prop_sheet_rect(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x2 - x1 + 1, 214);
    EXPECT_EQ(y2 - y1 + 1, 169);
    progress_close();
    EXPECT_FALSE(progress_is_open());
    records[0].a = 5000;   // no wider than the screen less 44
    progress_sheet_size(records, &w, &h);
    EXPECT_EQ(w, NPIXEL_X - 44 + 14);
}

TEST_F(ProgressTest, BarsFillByTheirCount)
{
    EXPECT_EQ(progress_bar_end(300, 5, 10), 140);   // round(0.5 * 236) + 22
    EXPECT_EQ(progress_bar_end(200, 5, 10), 90);    // round(0.5 * 136) + 22
    EXPECT_EQ(progress_bar_end(200, 15, 10), 158);  // a count past the total stays in its box
    progress_open(records);
    for (int i = 0; i < 5; ++i) progress_step(0);
    const unsigned bar = 0x0058B0, box = 0xFFFFE1;
    // Step 0 at y 30: its bar's outer rows at 39 and 50 in the bar colour, from 22 to 90.
    EXPECT_EQ(content_pixel(22, 39), bar);
    EXPECT_EQ(content_pixel(90, 50), bar);
    EXPECT_EQ(content_pixel(91, 39), box);
    EXPECT_NE(text_item("5 von 10"), nullptr);
    // A step with total 0 does not count; dropping a step greys it.
    progress_step(1);
    EXPECT_EQ(content_pixel(25, 30 + 47 + 12), 0xE1E1E1u);   // the inactive box (225, 225, 225)
    progress_drop_step(0);
    EXPECT_EQ(text_item("Lastf\x84lle")->colour, Nearest_RGB_Color(120, 120, 120));
    EXPECT_EQ(text_item("5 von 10"), nullptr);
    // A maximum is counted as such; step numbers outside 0..4 are ignored.
    records[2].b = 1;
    progress_set_step_total(1, 4);
    progress_step_with_text(1, "Schnitt 1");
    progress_step(-1);
    progress_step(5);
    EXPECT_NE(text_item("1 von maximal 4"), nullptr);
    EXPECT_NE(text_item("Schnitt 1"), nullptr);
}

TEST_F(ProgressTest, WaitWindowShowsOnceAndHides)
{
    calllog::clear();
    wait_window_update("zu fr\x81h");   // nothing before the window is shown
    EXPECT_FALSE(wait_window_shown());
    EXPECT_FALSE(calllog::contains("Show_Message"));
    wait_window_printf("Schritt %d", 1);
    wait_window_update("Schritt %d", 2);
    EXPECT_TRUE(wait_window_shown());
    int shows = 0;
    for (const std::string& e : calllog::entries()) shows += e.rfind("Show_Message", 0) == 0;
    EXPECT_EQ(shows, 1);
    wait_window_hide();
    EXPECT_FALSE(wait_window_shown());
    msg_disable();
    wait_window_printf("aus");
    EXPECT_FALSE(wait_window_shown());
    msg_enable();
}

TEST_F(ProgressTest, MarkerAnimationLeavesTheScreenAsItWas)
{
    pxFgc(Nearest_RGB_Color(200, 30, 30));
    pxRect(100, 100, 300, 200);
    std::vector<unsigned> before;
    for (int y = 80; y < 420; ++y)
        for (int x = 80; x < 520; ++x) before.push_back(screen_pixel(x, y));
    int colour = pxQFgc();
    move_marker_animation(100, 100, 200, 150, 300, 300, 500, 400);
    std::vector<unsigned> after;
    for (int y = 80; y < 420; ++y)
        for (int x = 80; x < 520; ++x) after.push_back(screen_pixel(x, y));
    EXPECT_EQ(after, before);
    EXPECT_EQ(pxQFgc(), colour);
    EXPECT_EQ(pxSBop(0), 0);
}

}  // namespace
