// The concrete and reinforcing-steel forms: the parameter forms' starting grades, E_cm following
// f_ck in the unit the page shows, the grade rows' heights and the bar area sheet.
#include "materials/concrete_forms.h"
#include "sheets/form_fields.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets/sheets_fixture.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

class ConcreteForms : public SheetsTest {
protected:
    void SetUp() override
    {
        SheetsTest::SetUp();
        concrete_pages_link_mode(0);
        for (int i = 0; i < REBAR_AREA_ROWS; ++i) rebar_area_counts()[i] = 0;
    }
};

// A record that holds nothing of "C25/30".
ConcreteGradeRecord odd_concrete()
{
    ConcreteGradeRecord r = {};
    std::strcpy(r.name, "C50/60");
    r.f_ck = 50000;
    r.e_cm = 1;
    r.density = 1800;
    r.lightweight = 1;
    return r;
}

// E_cm of f_ck 25 N/mm²: f_cm = 33, E_c0m = 9500 * 33^(1/3) = 30471.5 N/mm², and
// alpha_i = 0.8 + 0.2 * 33 / 88 = 0.875, so E_cm = 26663 N/mm² (26 662 629 kN/m²).
constexpr double kEcm25 = 26662629.0;

ConcreteGradeRecord* watched = nullptr;
double shown_ecm = 0, shown_fck = 0;
QImage shown;
void watch_fields()
{
    shown_ecm = watched->e_cm;
    shown_fck = watched->f_ck;
    shown = screen_image().copy();
}
void grab_sheet() { shown = screen_image().copy(); }

} // namespace

TEST_F(ConcreteForms, CancellingTheFormLeavesTheStartingGrade)
{
    ConcreteGradeRecord c = odd_concrete();
    EXPECT_EQ(concrete_params_form(&c), 0);   // nothing scripted: the sheet is cancelled
    EXPECT_STREQ(c.name, "C25/30");
    EXPECT_EQ(c.f_ck, 25000);
    EXPECT_EQ(c.lightweight, 0);
    EXPECT_EQ(c.density, 2200);
    EXPECT_NEAR(c.e_cm, kEcm25, 0.5);
    EXPECT_EQ(form_sheet_depth(), 0);
    EXPECT_EQ(form_float_entry_count(), 0);

    RebarGradeRecord s = {};
    std::strcpy(s.name, "frei");
    s.f_yk = 1;
    EXPECT_EQ(rebar_params_form(&s), 0);
    EXPECT_STREQ(s.name, "BSt 500 (A)");
    EXPECT_EQ(s.f_yk, 500000);
}

// While the form waits, the page shows f_ck 25 and E_cm 26662.6 MN/m²; confirmed, the record
// is back in kN/m².
TEST_F(ConcreteForms, ConfirmedFormShowsTheModulusInMNPerSquareMetre)
{
    ConcreteGradeRecord c = odd_concrete();
    watched = &c;
    Set_CallSometimesFunc_to_PS(watch_fields);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(concrete_params_form(&c), 1);
    Set_CallSometimesFunc_to_PS(nullptr);
    EXPECT_NEAR(shown_fck, 25.0, 1e-9);
    EXPECT_NEAR(shown_ecm, 26662.6, 0.05);
    shown.save(QString::fromStdString(testing::TempDir() + "/concrete_params_form.png"));
    EXPECT_EQ(c.f_ck, 25000);
    EXPECT_NEAR(c.e_cm, kEcm25, 0.5);
}

// Built again while its fields hold the shown values, the page keeps E_cm in the shown unit;
// with e_auto off it leaves E_cm alone.
TEST_F(ConcreteForms, RebuiltPageKeepsTheModulusInTheShownUnit)
{
    int area = sva_create(0, 0, 600, 400, 0, 0);
    ASSERT_GE(area, 0);
    ConcreteGradeRecord c = {};
    concrete_grade_din1045_1(&c, 3, 0, 2200);
    ASSERT_GE(form_level_push(nullptr, 0), 1);
    form_select_sheet(area);
    EXPECT_EQ(concrete_param_page(area, 20, 0, &c), 183);
    EXPECT_NEAR(c.e_cm, 26662.6, 0.05);
    c.f_ck = 30;   // the user types 30 MN/m²
    sva_clear(area);
    concrete_param_page(area, 20, 0, &c);
    // f_ck 30: f_cm = 38, E_c0m = 9500 * 38^(1/3) = 31938.8, alpha_i = 0.8 + 0.2 * 38 / 88
    // = 0.88636, E_cm = 28309.4 N/mm².
    EXPECT_NEAR(c.e_cm, 28309.4, 0.1);
    c.e_auto = 0;
    c.e_cm = 31000;
    sva_clear(area);
    concrete_param_page(area, 20, 0, &c);
    EXPECT_EQ(c.e_cm, 31000);
    form_level_pop();
    EXPECT_EQ(c.f_ck, 30000);
    EXPECT_NEAR(c.e_cm, 31000000, 1e-6);
    form_select_sheet(-1);
}

TEST_F(ConcreteForms, GradeRowHeightsAndTheSeparator)
{
    int area = sva_create(0, 0, 800, 600, 0, 0);
    ASSERT_GE(area, 0);
    form_select_sheet(area);
    GradeList* all = concrete_grade_list(1, 0xF);   // old grades, lightweight, free, alpha
    ConcreteGradeRecord c = {};
    concrete_grade_din1045_1(&c, 3, 0, 2200);

    int current = 5;   // the separator below "B55" stands for "B55"
    EXPECT_EQ(concrete_material_sheet(area, 10, 10, &c, all, &current), 23);   // the alpha row
    EXPECT_EQ(current, 4);
    current = 23;      // a lightweight grade: density and alpha
    EXPECT_EQ(concrete_grade_row(area, 85, 10, &c, all, &current), 46);
    current = 34;      // "frei" with the page inside the row
    EXPECT_EQ(concrete_grade_row(area, 85, 10, &c, all, &current), 183);
    concrete_pages_link_mode(1);
    EXPECT_EQ(concrete_grade_row(area, 85, 10, &c, all, &current), 23);
    bool link = false;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
        link = link || (it->type == SVA_TEXT && it->text && std::strcmp(it->text, "-> Betonparameter definieren") == 0 &&
                        it->colour == Nearest_RGB_Color(0, 0, 255));
    EXPECT_TRUE(link);
    grade_list_free(all);

    GradeList* steel = rebar_grade_list(2);
    RebarGradeRecord s = {};
    current = 7;       // "frei"
    EXPECT_EQ(rebar_grade_row(area, 10, 200, &s, steel, &current), 23);
    concrete_pages_link_mode(0);
    EXPECT_EQ(rebar_grade_row(area, 10, 200, &s, steel, &current), 107);
    current = 6;       // the separator below "B500B"
    EXPECT_EQ(rebar_grade_row(area, 10, 200, &s, steel, &current), 0);
    EXPECT_EQ(current, 5);
    grade_list_free(steel);
    form_select_sheet(-1);
}

// The sheet is 218 x 330 pixels around the screen's centre: its left edge at 640 - 109 = 531,
// its top at 512 - 165 = 347; the count fields stand 80 pixels in, rows 25 apart from 45 below
// the top; the buttons 10 pixels above the bottom edge (346 + 330 - 10 - 24 = 642).
TEST_F(ConcreteForms, AreaSheetAddsUpTheBars)
{
    const int x1 = NPIXEL_X / 2 - 109, y1 = NPIXEL_Y / 2 - 165, buttons = y1 + 329 - 10 - 24;
    const int row_12mm = y1 + 45 + 3 * 25;
    // Three bars of 12 mm: 3 * pi/4 * 0.012² = 0.00033929 m², 3.39 cm² (rounded to 6 decimals
    // in m²: 0.000339).
    input_script_click(x1 + 80 + 5, row_12mm + 5);
    input_script_key(KEY_BACKSPACE);
    input_script_key(KEY_BACKSPACE);
    input_script_type("3");
    input_script_key(KEY_ENTER);
    input_script_click(x1 + 112 + 10, buttons + 10);
    Set_CallSometimesFunc_to_PS(grab_sheet);
    EXPECT_NEAR(rebar_area_sheet(), 0.000339, 1e-12);
    Set_CallSometimesFunc_to_PS(nullptr);
    shown.save(QString::fromStdString(testing::TempDir() + "/rebar_area_sheet.png"));
    EXPECT_EQ(rebar_area_counts()[3], 3);
    EXPECT_EQ(prop_sheet_depth(), 1);   // only the fixture's sheet

    // The counts stay for the next run; cancelled (nothing scripted) it gives -1.
    EXPECT_EQ(rebar_area_sheet(), -1);
    EXPECT_EQ(rebar_area_counts()[3], 3);

    // All counts 0, accepted: 0.
    rebar_area_counts()[3] = 0;
    input_script_click(x1 + 112 + 10, buttons + 10);
    EXPECT_EQ(rebar_area_sheet(), 0);
}

// The rows' labels come from the toolkit's grade choices: emphasised, in black, with the list
// 75 pixels to the right (its item 7 pixels further in).
TEST_F(ConcreteForms, GradeLabelsAreTheToolkitsGradeChoices)
{
    int area = sva_create(0, 0, 800, 600, 0, 0);
    ASSERT_GE(area, 0);
    form_select_sheet(area);
    form_set_text_colour(Nearest_RGB_Color(0, 0, 255));
    GradeList* concrete = concrete_grade_list(1, 0xF);
    GradeList* steel = rebar_grade_list(2);
    ConcreteGradeRecord c = {};
    RebarGradeRecord s = {};
    int cc = 0, sc = 0;
    concrete_material_sheet(area, 10, 10, &c, concrete, &cc);
    rebar_grade_row(area, 10, 200, &s, steel, &sc);
    struct Seen {
        std::string text;
        int x, y, style, colour;
    };
    std::vector<Seen> labels;
    std::vector<int> lists;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
        if (it->type == SVA_TEXT) labels.push_back({it->text, it->x1, it->y1, it->x2, it->colour});
        if (it->type == SVA_CHOICE_FIELD) lists.push_back(it->x1 * 1000 + it->y1);
    }
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "Betong\x81te");
    EXPECT_EQ(labels[0].x * 1000 + labels[0].y, 10010);
    EXPECT_EQ(labels[0].style, 2);   // emphasised
    EXPECT_EQ(labels[0].colour, BLACK_CI);
    bool steel_label = false;
    for (const Seen& l : labels)
        steel_label = steel_label || (l.text == "Stahlg\x81te" && l.x == 10 && l.y == 200 && l.style == 2);
    EXPECT_TRUE(steel_label);
    EXPECT_EQ(lists, (std::vector<int>{92010, 92200}));
    grade_list_free(concrete);
    grade_list_free(steel);
    form_select_sheet(-1);
}

// Without a list a row draws only its label (the concrete grade row none) and takes no height; a
// current entry beyond the list counts as its last entry.
TEST_F(ConcreteForms, RowsWithoutAListAndEntriesBeyondTheList)
{
    int area = sva_create(0, 0, 800, 600, 0, 0);
    ASSERT_GE(area, 0);
    form_select_sheet(area);
    ConcreteGradeRecord c = {};
    RebarGradeRecord s = {};
    int current = 0;
    EXPECT_EQ(concrete_material_sheet(area, 10, 10, &c, nullptr, &current), 0);
    EXPECT_EQ(concrete_grade_row(area, 85, 40, &c, nullptr, &current), 0);
    EXPECT_EQ(rebar_grade_row(area, 10, 200, &s, nullptr, &current), 0);
    std::vector<std::string> labels;
    int lists = 0;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
        if (it->type == SVA_TEXT) labels.push_back(it->text);
        if (it->type == SVA_CHOICE_FIELD) ++lists;
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Betong\x81te", "Stahlg\x81te"}));
    EXPECT_EQ(lists, 0);

    GradeList* steel = rebar_grade_list(2);
    ASSERT_GT(steel->count, 1);
    current = steel->count + 5;
    rebar_grade_row(area, 10, 300, &s, steel, &current);
    EXPECT_EQ(current, steel->count - 1);
    GradeList* concrete = concrete_grade_list(1, 0xF);
    current = -3;
    concrete_grade_row(area, 85, 400, &c, concrete, &current);
    EXPECT_EQ(current, 0);
    grade_list_free(concrete);
    grade_list_free(steel);
    form_select_sheet(-1);
}
