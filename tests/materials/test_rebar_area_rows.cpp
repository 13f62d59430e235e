// Each row of the bar area sheet by hand: n bars of the row's diameter d give n * pi * d^2 / 4.
#include "materials/concrete_forms.h"
#include "sheets/sheets_fixture.h"

#include <cmath>

namespace {

class RebarAreaRows : public SheetsTest {
protected:
    void SetUp() override
    {
        SheetsTest::SetUp();
        for (int i = 0; i < REBAR_AREA_ROWS; ++i) rebar_area_counts()[i] = 0;
    }
    void TearDown() override
    {
        for (int i = 0; i < REBAR_AREA_ROWS; ++i) rebar_area_counts()[i] = 0;
        SheetsTest::TearDown();
    }
};

// Seven bars in one row at a time, accepted with "übernehmen" (the sheet of 218 x 330 pixels
// around the screen's centre, its buttons 10 pixels above the bottom edge, "übernehmen" 112 in).
// 7 * pi/4 * d^2 in m², e.g. 20 mm: 7 * 0.785398 * 0.0004 = 0.00219911 m²; 25 mm: 0.00343612.
TEST_F(RebarAreaRows, EachRowCountsBarsOfItsOwnDiameter)
{
    const double diameters_mm[REBAR_AREA_ROWS] = {6, 8, 10, 12, 14, 16, 20, 25, 28};
    const int x1 = NPIXEL_X / 2 - 109, y1 = NPIXEL_Y / 2 - 165, buttons = y1 + 329 - 10 - 24;
    for (int i = 0; i < REBAR_AREA_ROWS; ++i) {
        SCOPED_TRACE(diameters_mm[i]);
        for (int k = 0; k < REBAR_AREA_ROWS; ++k) rebar_area_counts()[k] = k == i ? 7 : 0;
        input_script_click(x1 + 112 + 10, buttons + 10);
        const double d = diameters_mm[i] / 1000;
        EXPECT_NEAR(rebar_area_sheet(), 7 * 3.14159265358979 / 4 * d * d, 1e-6);
    }
    // All rows together: the sum of the rows, 7 * pi/4 * (6² + 8² + ... + 28²) = 7 * 0.785398 * 2605 mm² = 14322.0 mm².
    for (int k = 0; k < REBAR_AREA_ROWS; ++k) rebar_area_counts()[k] = 7;
    input_script_click(x1 + 112 + 10, buttons + 10);
    EXPECT_NEAR(rebar_area_sheet(), 7 * 3.14159265358979 / 4 * 2605e-6, 1e-5);
}

} // namespace
