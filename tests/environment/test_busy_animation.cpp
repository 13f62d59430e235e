#include "environment/busy_animation.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(BusyAnimation, StartsAndStopsItsThread)
{
    using clock = std::chrono::steady_clock;
    auto t0 = clock::now();
    busy_animation_stop();   // nothing runs: returns at once
    EXPECT_LT(clock::now() - t0, std::chrono::milliseconds(50));

    screen_reset();
    pxFgc(Nearest_RGB_Color(20, 140, 70));
    pxRect(560, 450, 720, 580);
    const QImage before = screen_image().copy();
    // A hundred rounds: the thread draws under the framebuffer lock while this thread draws too,
    // and each stop leaves the screen beneath the animation as it was.
    for (int round = 0; round < 100; ++round) {
        EXPECT_EQ(busy_animation_start(-1, 10), 1);
        EXPECT_EQ(busy_animation_running(), 1);
        EXPECT_EQ(busy_animation_start(5, 5), 1);   // already running: no second thread
        pxFgc(Nearest_RGB_Color(20, 140, 70));
        pxRect(0, 0, 20, 20);
        busy_animation_stop();
        EXPECT_EQ(busy_animation_running(), 0);
    }
    pxFgc(WHITE_CI);
    pxRect(0, 0, 20, 20);
    EXPECT_TRUE(screen_image() == before);
}

TEST(BusyAnimation, TimerZoomAndPickTolerance)
{
    clock_timer_start(0);
    EXPECT_EQ(clock_timer_expired(), 1);
    clock_timer_start(60);
    EXPECT_EQ(clock_timer_expired(), 0);

    zoom_set(4, 30);
    EXPECT_EQ(zoom_steps(), 4);
    zoom_set(-1, 0);
    EXPECT_EQ(zoom_steps(), 10);
    EXPECT_EQ(zoom_pause(), 15);

    struct Case {
        int x, y, near;
    };
    // Segment (0,0)-(10,10); distance of (x, y) from the line is |x - y| / sqrt(2).
    const Case cases[] = {{5, 5, 1}, {5, 9, 1}, {5, 10, 0}, {14, 14, 0}, {-3, -3, 1}, {-4, -4, 0}};
    for (const Case& c : cases) EXPECT_EQ(point_near_segment(0, 0, 10, 10, c.x, c.y), c.near) << c.x << "," << c.y;
    pick_tolerance_set(0);
    EXPECT_EQ(point_near_segment(0, 0, 10, 10, 5, 6), 0);
    EXPECT_EQ(point_near_segment(3, 3, 3, 3, 3, 3), 0);   // no length
    pick_tolerance_set(3);
    EXPECT_EQ(pick_tolerance(), 3);
}
