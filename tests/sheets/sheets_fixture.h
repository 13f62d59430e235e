// A clean screen in cell metrics, no view areas, no tables and an empty input script for every
// test of the toolkit; one sheet covers the screen so that areas have a sheet to live on.
#pragma once

#include "platform/screen/screen_fixture.h"
#include "sheets/table_editor.h"
#include "sheets/text_editor.h"
#include "sheets/view_area_drawing.h"
#include "sheets/view_area_input.h"
#include "sheets/view_areas.h"

class SheetsTest : public ScreenTest {
public:
    void SetUp() override
    {
        ScreenTest::SetUp();
        sva_delete_all();
        for (int t = 0; t < TABLE_MAX_SLOTS; ++t) table_free(t);
        M_LEFT = M_RIGHT = M_SCROLL = 0;
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
    }
    void TearDown() override
    {
        sva_delete_all();
        for (int t = 0; t < TABLE_MAX_SLOTS; ++t) table_free(t);
        ScreenTest::TearDown();
    }

    // Pixels of the colour inside the rectangle.
    static int count_pixels(int x1, int y1, int x2, int y2, unsigned rgb)
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (screen_pixel(x, y) == rgb) ++n;
        return n;
    }
};
