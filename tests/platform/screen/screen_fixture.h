// A clean virtual screen in cell metrics for every test, and pixel helpers.
#pragma once

#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"

#include <gtest/gtest.h>

#include <QImage>

#include <set>
#include <utility>

class ScreenTest : public ::testing::Test {
public:
    void SetUp() override
    {
        prop_sheet_reset();
        screen_reset();
        screen_set_metrics(SCREEN_METRICS_CELL);
        input_script_clear();
        calllog::clear();
    }
    void TearDown() override
    {
        prop_sheet_reset();
        input_script_clear();
    }

    static QImage grab() { return screen_image().copy(); }

    // Pixels in the rectangle that are not white.
    static std::set<std::pair<int, int>> inked(int x1, int y1, int x2, int y2)
    {
        std::set<std::pair<int, int>> s;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (screen_pixel(x, y) != 0xFFFFFFu) s.insert({x, y});
        return s;
    }

    struct Box {
        int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
        bool operator==(const Box& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
    };
    static Box bounds(int x1, int y1, int x2, int y2)
    {
        Box b;
        for (const auto& p : inked(x1, y1, x2, y2)) {
            b.x1 = std::min(b.x1, p.first);
            b.y1 = std::min(b.y1, p.second);
            b.x2 = std::max(b.x2, p.first);
            b.y2 = std::max(b.y2, p.second);
        }
        return b;
    }
};

inline std::ostream& operator<<(std::ostream& os, const ScreenTest::Box& b)
{
    return os << "(" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ")";
}
