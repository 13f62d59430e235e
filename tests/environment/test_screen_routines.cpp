#include "environment/busy_animation.h"
#include "environment/screen_routines.h"
#include "platform/os/calllog.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"

#include <gtest/gtest.h>

namespace {

class ScreenRoutines : public ::testing::Test {
protected:
    void SetUp() override
    {
        prop_sheet_reset();
        screen_reset();
        input_script_clear();
        pxFgc(Nearest_RGB_Color(90, 40, 160));
        const int xs[3] = {0, 900, 200}, ys[3] = {0, 300, 800};
        pxFill(3, xs, ys);   // something to restore
        before_ = screen_image().copy();
    }
    bool unchanged() const { return screen_image() == before_; }
    QImage before_;
};

} // namespace

TEST_F(ScreenRoutines, ProgressBarsFillClampedAndSixAtMost)
{
    int bars[6];
    for (int i = 0; i < 6; ++i) bars[i] = progress_bar_open(100, 100 + 40 * i, 200, i % 2);
    EXPECT_EQ(bars[5], 5);
    const QImage six = screen_image().copy();
    EXPECT_EQ(progress_bar_open(500, 500, 100, 1), -1);   // a seventh is refused and draws nothing
    EXPECT_TRUE(screen_image() == six);

    struct Case {
        double fraction;
        int fill;
    };
    for (const Case& c : {Case{0.25, 50}, Case{1.7, 200}, Case{0.5, 100}, Case{-0.3, 0}}) {
        progress_bar_set(bars[1], c.fraction);
        EXPECT_EQ(progress_bar_fill(bars[1]), c.fill) << c.fraction;
    }
    progress_bar_set(bars[0], 0.5);   // rows 0 and 7 of the filled part, and the empty part
    EXPECT_EQ(screen_pixel(150, 100), 0x2060C0u);   // (32, 96, 192)
    EXPECT_EQ(screen_pixel(150, 107), 0x204080u);   // (32, 64, 128)
    EXPECT_EQ(screen_pixel(250, 103), 0xEBF5E1u);   // (235, 245, 225)
    progress_bar_set(7, 0.5);                       // no such slot: ignored

    for (int i = 5; i >= 0; i -= 2) progress_bar_close(bars[i]);   // the framed ones
    EXPECT_EQ(progress_bar_fill(bars[1]), -1);
    EXPECT_EQ(screen_image().copy(90, 130, 230, 40), before_.copy(90, 130, 230, 40));
    for (int i = 4; i >= 0; i -= 2) progress_bar_close(bars[i]);
    EXPECT_EQ(progress_bar_open(10, 10, 50, 0), 0);   // bars are free again
    progress_bar_close(0);
}

TEST_F(ScreenRoutines, ZoomRubberBandAndBoxLeaveTheScreenAsItWas)
{
    zoom_set(3, 0);
    zoom_animation(10, 10, 50, 40, 300, 200, 700, 600);
    zoom_set(-1, 0);
    EXPECT_TRUE(unchanged());

    input_script_press(120, 130);
    input_script_move(200, 220);
    input_script_move(260, 180);
    input_script_release(260, 180);
    int x = 0, y = 0;
    rubber_band_rectangle(100, 100, &x, &y);
    EXPECT_EQ(x * 1000 + y, 260180);
    EXPECT_TRUE(unchanged());
    rubber_band_rectangle(100, 100, &x, &y);   // nothing scripted: ends at once
    EXPECT_TRUE(unchanged());

    box_save_and_clear(50, 50, 150, 90);
    EXPECT_EQ(screen_pixel(100, 70), 0xD4D0C8u);   // the sheet colour
    box_restore();
    EXPECT_TRUE(unchanged());
}

TEST_F(ScreenRoutines, PictureSheetEndsOnItsButtonAndSandClockSteps)
{
    // Sheet 304 x 166 at the centre: (488, 429)-(791, 594); the 24-pixel button at (622, 429 + 32 + 100 + 5).
    input_script_click(630, 575);
    EXPECT_EQ(picture_sheet("Bild", "fehlt.bmp", 300, 100), 1);
    EXPECT_TRUE(unchanged());

    sandclock_start(600, 700, WHITE_CI);
    sandclock_animation_step();   // frame 0 (the placeholder) in the clock's rectangle
    EXPECT_NE(screen_pixel(600, 700), before_.pixel(600, 700) & 0xFFFFFFu);
    sandclock_animation_step();   // within 50 ms: nothing more
}
