// The parameter sheets of a set: their rows by application, their fields, and one sheet edited
// through scripted input and saved into the user set's file.
#include "national_annex/nad_current.h"
#include "national_annex/nad_display_options.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_param_edit.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_sheet_common.h"
#include "nad_sheet_fixture.h"
#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

class NadParamSheets : public NadSheetFolders {
protected:
    int area = -1;
    void SetUp() override
    {
        NadSheetFolders::SetUp();
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
        area = sva_create(10, 10, 500, 900, 0, 1);
    }
    std::vector<const SvaItem*> items(int type) const
    {
        std::vector<const SvaItem*> v;
        for (const SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (it->type == type) v.push_back(it);
        return v;
    }
    // A text or the label of a toggle.
    const SvaItem* text(const char* t) const
    {
        for (int type : {SVA_TEXT, SVA_TOGGLE})
            for (const SvaItem* it : items(type))
                if (it->text && std::strcmp(it->text, t) == 0) return it;
        return nullptr;
    }
    // The number fields of the area and the one bound to a member.
    std::vector<const SvaItem*> number_fields() const
    {
        std::vector<const SvaItem*> v;
        for (const SvaItem* it : items(SVA_TEXT_FIELD))
            if (nad_sheet_number_member(it)) v.push_back(it);
        return v;
    }
    const SvaItem* field_of(const double* value) const
    {
        for (const SvaItem* it : number_fields())
            if (nad_sheet_number_member(it) == value) return it;
        return nullptr;
    }
};

// The EC9 rows: with rule (9, 1) off the tension row goes and the 6.2 row moves up by its
// height (two lines of 13 and 6, as "Bruchversagen infolge Zug" wraps at the cell metrics).
TEST_F(NadParamSheets, AluminiumRowsByRule)
{
    NadEc9Block* b = nad_part_ec9();
    nad_ec9_sheet(area, b, 1);
    ASSERT_NE(text("6.2"), nullptr);
    EXPECT_EQ(text("6.2")->y1, 197);
    EXPECT_NE(field_of(&b->gamma_mp_ser), nullptr);
    EXPECT_EQ(number_fields().size(), 9u);

    nad_registry.has_current_row = 1;
    nad_registry.current_row = 0;
    nad_registry.rows[0].rules_defined = 1;
    char rules9[] = "101";   // ultimate, no tension, connections
    nad_registry.rows[0].rules[9] = rules9;
    nad_ec9_sheet(area, b, 1);
    EXPECT_EQ(text("6.2")->y1, 197 - 32);
    EXPECT_EQ(field_of(&b->gamma_m2), nullptr);
    nad_registry.rows[0].rules[9] = nullptr;
}

// The EC0 bridges bar lies below an open, a closed, or no buildings section.
TEST_F(NadParamSheets, BuildingsSectionMovesTheBridges)
{
    NadEc0Block* b = nad_part_ec0();
    auto bridge_bar_y = [&] {
        const SvaItem* t = text("Faktoren f\201r den Br\201ckenbau");
        return t ? t->y1 - 15 : -1;   // the title bar starts 15 above the title's baseline
    };
    nad_ec0_sheet(area, b, 1);
    EXPECT_EQ(bridge_bar_y(), 1555);
    ec0_buildings_open = 0;
    nad_ec0_sheet(area, b, 1);
    EXPECT_EQ(bridge_bar_y(), 44);
    ec0_buildings_open = 1;
    // Kind 11 of the bridges is stored but has no field; the factor a has three.
    EXPECT_EQ(field_of(&b->gamma_bridges[0][11][0]), nullptr);
    EXPECT_NE(field_of(&b->rail_factor_a[2]), nullptr);
    // Read-only: every field is bound to an enable word that is 0.
    nad_ec0_sheet(area, b, 0);
    for (const SvaItem* f : number_fields()) ASSERT_EQ(*f->active, 0);
}

// EC5: the chapter table of a set with the annex shows its switches and the k_cr toggle; the
// standard set shows the two k_cr fields instead. k_cr fields follow kcr_mode.
TEST_F(NadParamSheets, TimberSheetOfBothSets)
{
    NadEc5Block* b = nad_part_ec5();
    ASSERT_EQ(b->country, 1);
    nad_ec5_sheet(area, b, 1);
    EXPECT_NE(text("Materialsicherheitsbeiwerte"), nullptr);
    EXPECT_NE(text("Gipskarton, etc."), nullptr);
    ASSERT_NE(field_of(&b->kcr_other), nullptr);
    EXPECT_EQ(*field_of(&b->kcr_other)->active, 0);   // kcr_mode 2: the fixed values are not edited
    // The toggle of 6.1.7 (2) switches the mode.
    nad_ec5_kcr_toggled(0);
    EXPECT_EQ(b->kcr_mode, 1);
    nad_ec5_kcr_toggled(1);
    EXPECT_EQ(b->kcr_mode, 2);

    ASSERT_EQ(nad_set_active("EC-Standardparameter"), 0);
    nad_ec5_sheet(area, b, 1);
    EXPECT_EQ(text("Gipskarton, etc."), nullptr);
    EXPECT_NE(text("Andere"), nullptr);   // the two k_cr rows instead
    EXPECT_NE(field_of(&b->kcr_solid_glulam), nullptr);

    // Application 73: only the chapter table.
    application(73, 0);
    nad_ec5_sheet(area, b, 1);
    EXPECT_EQ(text("Materialsicherheitsbeiwerte"), nullptr);
    EXPECT_NE(text("EN 1995-1-1 (Eurocode 5, Grundnorm)"), nullptr);
}

// EC2: application 1 without rule strings shows the partial factors and alpha_cc only; the
// torsion alternatives follow the shear switch but cannot be clicked.
TEST_F(NadParamSheets, ConcreteSheetRows)
{
    NadEc2Block* b = nad_part_ec2();
    application(1, 0);
    nad_ec2_sheet(area, b, 1);
    EXPECT_NE(field_of(&b->gamma_c[0]), nullptr);
    EXPECT_NE(field_of(&b->alpha_cc), nullptr);
    EXPECT_EQ(field_of(&b->alpha_ct), nullptr);
    EXPECT_EQ(text("EN 1992-1-2 (Eurocode 2, Brandfall)"), nullptr);

    application(0, 1);   // every rule
    nad_ec2_sheet(area, b, 1);
    const SvaItem* torsion = field_of(&b->nu_torsion);
    ASSERT_NE(torsion, nullptr);
    int locked_radios = 0;
    for (const SvaItem* r : items(SVA_RADIO))
        if (r->state == &b->nu_mode && *r->active == 0) ++locked_radios;
    EXPECT_EQ(locked_radios, 2);
    EXPECT_NE(field_of(&b->k_stress_limits[4]), nullptr);
}

// EC3 for application 151: the general part with the accidental factors and buckling, none of
// the other parts.
TEST_F(NadParamSheets, SteelSheetOfApplication151)
{
    NadEc3Block* b = nad_part_ec3();
    application(151, 0);
    nad_ec3_sheet(area, b, 1);
    EXPECT_NE(field_of(&b->ec3_1.gamma_m2_accidental), nullptr);
    EXPECT_NE(field_of(&b->ec3_1.lambda_lt0), nullptr);
    EXPECT_EQ(field_of(&b->ec3_8.gamma_m3), nullptr);
    EXPECT_EQ(field_of(&b->ec3_8.eta_shear), nullptr);
}

// A user set's aluminium factor typed into its sheet and confirmed is saved into its file; the
// cancelled sheet puts the value back; the built-in set is shown read-only and not written.
TEST_F(NadParamSheets, EditedSheetIsSavedIntoTheUserSet)
{
    nad_ec9_sheet(area, nad_part_ec9(), 1);
    ASSERT_NE(field_of(&nad_part_ec9()->gamma_m1), nullptr);
    const int fy = field_of(&nad_part_ec9()->gamma_m1)->y1;
    sva_delete_all();
    prop_sheet_reset();
    user_set(1, "Eigene", 0);
    ASSERT_EQ(nad_set_active("Eigene"), 0);
    const std::string path = dram + "/NADS/1.NAD";
    const double old_value = nad_part_ec9()->gamma_m1;

    // The sheet is 420 x 560 around the centre; its pane starts 8 and 40 inside; gamma_M1
    // stands at content (136, fy) below the wrapped explanation of 6.1.3 (1).
    const int px = NPIXEL_X / 2 - 210 + 8, py = NPIXEL_Y / 2 - 280 + 40;
    auto type_into_gamma_m1 = [&](const char* text) {
        input_script_click(px + 136 + 10, py + fy - 3);
        input_script_type("\b\b\b\b\b\b\b\b");
        input_script_type(text);
        input_script_key(KEY_ENTER);   // takes the value and goes on to the next field,
        input_script_key(KEY_ESC);     // which is left as it is
    };
    type_into_gamma_m1("1.33");
    input_script_key(KEY_ESC);
    EXPECT_EQ(nad_parameter_sheet(9), 0);
    EXPECT_EQ(nad_part_ec9()->gamma_m1, old_value);

    type_into_gamma_m1("1.33");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(9), 1);
    EXPECT_EQ(input_script_pending(), 0);
    EXPECT_DOUBLE_EQ(nad_part_ec9()->gamma_m1, 1.33);
    // Read back from the file as the next run would.
    nad_forget_state();
    ASSERT_EQ(nad_set_active("Eigene"), 0);
    EXPECT_DOUBLE_EQ(nad_part_ec9()->gamma_m1, 1.33);
    // Written through a temporary file: nothing of it is left beside the set.
    EXPECT_EQ(testutil::read_file(path + ".tmp"), "");

    ASSERT_EQ(nad_set_active("Deutschland"), 0);
    const std::string shipped = testutil::read_file(data + "/NAD/Deutschland.NAD");
    type_into_gamma_m1("9.99");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(9), 0);
    EXPECT_NE(nad_part_ec9()->gamma_m1, 9.99);
    EXPECT_EQ(testutil::read_file(data + "/NAD/Deutschland.NAD"), shipped);
}

// The display options: "alle Regeln darstellen" + ok sets mask 623 and show_all_rules; an
// application row + ok takes its mask and number; "abbrechen" keeps everything as it was, the
// alternatives included.
TEST_F(NadParamSheets, DisplayOptions)
{
    sva_delete_all();
    prop_sheet_reset();
    nad_scan_applications();
    AppRegistry& r = nad_registry;
    r.app_count = 2;
    char a[] = "TRAEGER", b[] = "STUETZE", s1[] = "Holz", s2[] = "Stahl";
    r.rows[0] = AppRegistryRow{a, s1, {}, 550, 42, 1};
    r.rows[1] = AppRegistryRow{b, s2, {}, 8, 43, 1};
    r.has_current_row = 1, r.current_row = 0, r.current_eurocode_mask = 550, r.current_app_number = 42;
    r.show_all_rules = 0;

    // Sheet 320 wide, 18 * 2 + 130 high around the centre; the upper pane starts 10 and 39
    // inside; the lower pane 10 in and 28 above the bottom; "ok" at (262, 1), "abbrechen" at (240, 1).
    const int h = 18 * 2 + 130, x1 = NPIXEL_X / 2 - 160, y1 = NPIXEL_Y / 2 - h / 2, y2 = y1 + h - 1;
    auto click_upper = [&](int x, int y) { input_script_click(x1 + 10 + x + 3, y1 + 39 + y - 4); };
    auto click_ok = [&] { input_script_click(x1 + 10 + 262 + 8, y2 - 28 + 1 + 8); };
    auto click_cancel = [&] { input_script_click(x1 + 10 + 240 + 8, y2 - 28 + 1 + 8); };

    click_upper(50, 58 + 18);   // the second application (ignored: "optimieren" is chosen, rows live)
    click_upper(30, 20);        // "alle Regeln darstellen"
    click_cancel();
    EXPECT_EQ(nad_display_options_sheet(), 0);
    EXPECT_EQ(r.has_current_row, 1);
    EXPECT_EQ(r.current_row, 0);
    EXPECT_EQ(r.current_app_number, 42);

    click_upper(50, 58 + 18);
    click_ok();
    EXPECT_EQ(nad_display_options_sheet(), 1);
    EXPECT_EQ(r.current_row, 1);
    EXPECT_EQ(r.current_app_number, 43);
    EXPECT_EQ(r.current_eurocode_mask, 8);
    EXPECT_EQ(r.show_all_rules, 0);

    click_upper(30, 20);
    click_ok();
    EXPECT_EQ(nad_display_options_sheet(), 1);
    EXPECT_EQ(r.current_eurocode_mask, 623);
    EXPECT_EQ(r.current_app_number, 0);
    EXPECT_EQ(r.show_all_rules, 1);

    // The break key leaves it like "abbrechen".
    input_script_key(KEY_ESC);
    EXPECT_EQ(nad_display_options_sheet(), 0);
    EXPECT_EQ(r.show_all_rules, 1);
    r.app_count = 0;
}

} // namespace
