// Steel and aluminium grades: rows, thickness limits, unknown codes, user grades.
// Expected values are the grade tables' (DIN EN 10025 yield strengths by thickness;
// EN 1999-1-1 Table 3.2 for aluminium).
#include "materials/alu_grades.h"

#include <string>
#include "materials/steel_grades.h"
#include "materials/timber_grade_codes.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"

#include <gtest/gtest.h>

namespace {

TEST(SteelGrades, RowsOfBothTables)
{
    const SteelGradeRecord* r = steel_grade_record(7);
    EXPECT_STREQ(r->name, "S355 (St52)");
    EXPECT_DOUBLE_EQ(r->f_y1, 360);
    EXPECT_DOUBLE_EQ(r->f_u, 490);
    EXPECT_DOUBLE_EQ(r->factor, 0.8);
    r = steel_grade_record(0x10007);
    EXPECT_STREQ(r->name, "S355");
    EXPECT_DOUBLE_EQ(r->f_y1, 355);
    EXPECT_STREQ(steel_grade_name(0), "S235JR (St37-2)");
    EXPECT_STREQ(steel_grade_name(43), "S550GD");
    EXPECT_DOUBLE_EQ(steel_grade_record(43)->f_u, 560);
    EXPECT_DOUBLE_EQ(steel_grade_record(0x10000)->f_y1, 235);
    double g = 0;
    EXPECT_DOUBLE_EQ(steel_grade_e(7, &g), 210000);
    EXPECT_DOUBLE_EQ(g, 81000);
}

TEST(SteelGrades, YieldStrengthAtThicknessLimits)
{
    struct Case { int code; double t, fy; };
    const Case cases[] = {
        {4, 40.0, 360}, {4, 40.5, 335}, {0x10004, 40.0, 355}, {0, 41, 215},
        {22, 80.0, 180}, {27, 80.5, 640}, {44, 40, 240}, {44, 41, 215}, {0x1002C, 40, 235},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(steel_grade_fy(c.code, c.t), c.fy) << "code " << c.code << " t " << c.t;
}

TEST(SteelGrades, UnknownCodesGiveTheDefaultRecord)
{
    EXPECT_STREQ(steel_grade_name(44), "?????");
    EXPECT_STREQ(steel_grade_name(0x8003), "?????");
    EXPECT_EQ(steel_grade_record(44)->code, 44);
    EXPECT_DOUBLE_EQ(steel_grade_record(0x1002C)->f_y1, 235);
    EXPECT_DOUBLE_EQ(steel_grade_record(-1 & 0x7fff)->f_u, 360);
}

TEST(SteelGrades, DesignStrengths)
{
    double out[4] = {0, 0, 0, 0};
    // f_d = 240 / 1.1 = 218.1818; shear f_d / sqrt(3) = 125.967
    EXPECT_TRUE(steel_design_strengths(5, 10, 1.1, out));
    EXPECT_NEAR(out[0], 218.1818, 1e-4);
    EXPECT_NEAR(out[1], 218.1818, 1e-4);
    EXPECT_NEAR(out[2], 125.9673, 1e-4);
    EXPECT_NEAR(out[3], 218.1818, 1e-4);
    EXPECT_FALSE(steel_design_strengths(44, 10, 1.0, out));
    EXPECT_DOUBLE_EQ(out[0], 240);  // the default record's values are still written
    EXPECT_TRUE(steel_design_strengths(5, 10, 0.0, out));
    EXPECT_DOUBLE_EQ(out[2], 0.0);
    EXPECT_FALSE(steel_design_strengths(5, 10, 1.1, nullptr));
}

TEST(SteelGrades, UserGrades)
{
    steel_grade_clear_user();
    SteelGradeRecord rec = *steel_grade_record(7);
    rec.code = 3;
    rec.name = "Eigene 1";
    EXPECT_EQ(steel_grade_add(&rec), 0x8003);
    rec.name = "Eigene 2";
    rec.f_y1 = 300;
    EXPECT_EQ(steel_grade_add(&rec), 0x8003);
    EXPECT_EQ(steel_grade_user_count(), 1);
    EXPECT_STREQ(steel_grade_name(0x8003), "Eigene 2");
    EXPECT_DOUBLE_EQ(steel_grade_fy(0x8003, 10), 300);
    EXPECT_EQ(steel_grade_add(nullptr), 0);
    EXPECT_EQ(steel_grade_remove(0x8003), 1);
    EXPECT_EQ(steel_grade_remove(0x8003), 0);
    EXPECT_EQ(steel_grade_user_count(), 0);
    EXPECT_STREQ(steel_grade_user_at(0)->name, "?????");
    EXPECT_EQ(steel_grade_code_at(3, nullptr, 0), 5);
}

TEST(AluGrades, RowsAndNames)
{
    EXPECT_STREQ(alu_grade_name(0), "3004 H14");
    EXPECT_DOUBLE_EQ(alu_grade_f_o(0), 180);
    EXPECT_DOUBLE_EQ(alu_grade_f_u(0), 220);
    EXPECT_STREQ(alu_grade_alloy(0), "3004");
    EXPECT_STREQ(alu_grade_temper(0), "H14");
    EXPECT_STREQ(alu_grade_name(43), "6082 T6/T651");
    EXPECT_DOUBLE_EQ(alu_grade_t_min(43), 6.001);
    EXPECT_DOUBLE_EQ(alu_grade_t_max(43), 12.5);
    EXPECT_STREQ(alu_grade_name(42), "6082 T6/T651");
    EXPECT_DOUBLE_EQ(alu_grade_t_min(42), 0);
    EXPECT_DOUBLE_EQ(alu_grade_t_max(42), 6);
    EXPECT_STREQ(alu_grade_name(30), "5083 O/H111 \xF3 50");
    const AluGradeRecord* r = alu_grade_record(60);
    EXPECT_STREQ(r->temper, "T6, t \xF3 20 mm");
    EXPECT_DOUBLE_EQ(r->f_o, 160);
    EXPECT_DOUBLE_EQ(r->n_p, 16);
    EXPECT_STREQ(r->buckling_class, "A");
    r = alu_grade_record(96);
    EXPECT_STREQ(alu_grade_name(96), "6082 T6 (T)");
    EXPECT_DOUBLE_EQ(r->f_u, 290);
    EXPECT_DOUBLE_EQ(r->rho_o_haz, 0);
    EXPECT_DOUBLE_EQ(r->e, 70000);
    EXPECT_DOUBLE_EQ(r->alpha_t, 2.3e-05);
    // every built-in grade has its name, also where the values are not held
    for (int id = 0; id < ALU_BUILTIN_COUNT; ++id)
        EXPECT_STRNE(alu_grade_name(id), "?????") << id;
}

// Extrusion grades filled from EN 1999-1-1 Table 3.2b, a secondary-source grade and one that
// still has no values. Each filled row must sit at the id whose name carries its alloy and temper.
TEST(AluGrades, ExtrusionRowsAndTheirSources)
{
    struct Case { int id; const char* name; double t_max, f_o, f_u, rho_o_haz; const char* cls; double n_p; };
    const Case cases[] = {
        {57, "6060 T5 \xF3 5", 5, 120, 160, 0.42, "B", 17},            // 50 / 120 = 0.417
        {73, "6063 T66 > 10", 25, 180, 225, 0.42, "A", 21},            // 75 / 180 = 0.417
        {80, "6106 T6", 10, 200, 250, 0.48, "A", 20},                  // 95 / 200 = 0.475
        {52, "5083 H12/22/32", 10, 200, 280, 0.68, "B", 14},           // 135 / 200 = 0.675
    };
    for (const Case& c : cases) {
        const AluGradeRecord* r = alu_grade_record(c.id);
        EXPECT_STREQ(alu_grade_name(c.id), c.name) << c.id;
        EXPECT_DOUBLE_EQ(r->t_max, c.t_max) << c.id;
        EXPECT_DOUBLE_EQ(alu_grade_f_o(c.id), c.f_o) << c.id;
        EXPECT_DOUBLE_EQ(alu_grade_f_u(c.id), c.f_u) << c.id;
        EXPECT_DOUBLE_EQ(r->rho_o_haz, c.rho_o_haz) << c.id;
        EXPECT_NEAR(r->f_o_haz / r->f_o, c.rho_o_haz, 0.0051) << c.id;   // rounded to two places
        EXPECT_STREQ(r->buckling_class, c.cls) << c.id;
        EXPECT_DOUBLE_EQ(r->n_p, c.n_p) << c.id;
        EXPECT_EQ(alu_grade_source(c.id), ALU_SOURCE_TABLE_3_2B) << c.id;
    }
    // every row with values: the alloy starts the name, so no row slipped to a neighbour's id
    for (int id = 0; id < ALU_BUILTIN_COUNT; ++id) {
        if (alu_grade_source(id) == ALU_SOURCE_NONE) continue;
        const std::string name = alu_grade_name(id), alloy = alu_grade_record(id)->alloy;
        EXPECT_EQ(name.compare(0, alloy.size() + 1, alloy + " "), 0) << id << " " << name;
    }
    EXPECT_EQ(alu_grade_source(32), ALU_SOURCE_SECONDARY);
    EXPECT_DOUBLE_EQ(alu_grade_f_u(32), 305);
    EXPECT_STREQ(alu_grade_source_text(32), "secondary source, not checked against the standard");
    EXPECT_EQ(alu_grade_source(0), ALU_SOURCE_TABLE_3_2A);
    // 8011A has no source: its name stays, its values are the unlisted default
    EXPECT_EQ(alu_grade_source(47), ALU_SOURCE_NONE);
    EXPECT_STREQ(alu_grade_name(47), "8011A H14");
    EXPECT_DOUBLE_EQ(alu_grade_f_u(47), 220);
    EXPECT_STREQ(alu_grade_source_text(47), "not available");
}

TEST(AluGrades, UnknownIdsAndUserGrades)
{
    alu_grade_clear_user();
    EXPECT_DOUBLE_EQ(alu_grade_f_u(97), 220);
    EXPECT_STREQ(alu_grade_name(97), "?????");
    EXPECT_DOUBLE_EQ(alu_grade_t_max(97), 10);
    EXPECT_STREQ(alu_grade_name(0x8005), "?????");
    AluGradeRecord rec = *alu_grade_record(42);
    rec.id = 5;
    rec.f_u = 333;
    EXPECT_EQ(alu_grade_add(&rec), 0x8005);
    EXPECT_DOUBLE_EQ(alu_grade_f_u(0x8005), 333);
    EXPECT_STREQ(alu_grade_alloy(0x8005), "6082");
    rec.f_u = 334;
    EXPECT_EQ(alu_grade_add(&rec), 0x8005);
    EXPECT_EQ(alu_grade_user_count(), 1);
    EXPECT_DOUBLE_EQ(alu_grade_f_u(0x8005), 334);
    EXPECT_EQ(alu_grade_remove(0x8005), 1);
    EXPECT_DOUBLE_EQ(alu_grade_f_u(0x8005), 220);
    EXPECT_EQ(alu_grade_id_at(2, nullptr, 0), 0);
}

} // namespace

// A sheet fills its string list through the plain-black append routine of the screen layer.
TEST(GradeLists, FillASheetsStringList)
{
    PSStringList* list = Create_Stringlist_of_PS();
    const int steel[] = {0, 43};
    EXPECT_EQ(steel_grade_fill_list(list, steel, 2, 43), 1);
    const int alu[] = {0};
    EXPECT_EQ(alu_grade_fill_name_list(list, alu, 1, 7), 0);
    const int timber[] = {123, 8000};
    EXPECT_EQ(timber_grade_fill_list(list, timber, 2, 8000), 1);
    ASSERT_EQ(Count_of_Stringlist_of_PS(list), 5);
    const char* texts[] = {"S235JR (St37-2)", "S550GD", "3004", "C14", "Tr\x84ger GL70"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(Text_of_Stringlist_of_PS(list, i), texts[i]);
        EXPECT_EQ(Colour_of_Stringlist_of_PS(list, i), BLACK_CI);
    }
    Free_Stringlist_of_PS(list);
}
