// Output-list sections of the concrete materials: the blocks' bytes, the set section's
// choice of layout, the side-by-side layout calls and the marks of the factor table.
#include "materials/concrete_output.h"

#include "output/oli_capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

class ConcreteOutput : public ::testing::Test {
protected:
    void SetUp() override { reset_writers(); }
    Capture out;
};

TEST_F(ConcreteOutput, ConcreteAndSteelSections)
{
    ConcreteGradeRecord c{};
    concrete_grade_din1045_1(&c, 3, 0, 2200);
    concrete_grade_output(out.f, &c);
    const std::string t = out.text();
    // e_cm 26662629 kN/m² -> 26662.6 MN/m²; eps_c2 -0.002 -> -2.00 per mille
    const std::string expected =
        "#SHOWTABLE\n0 1 7\n"
        " Betonfestigkeitsklasse \xCE" "bC25/30\n"
        "  charakteristische Zylinderdruckfestigkeit f\xCE\\" "ck\xCEr = 25.0 MN/m\xCE/2\xCEr\n"
        "  Abminderungswert zur Ber\x81" "cksichtigung der Langzeitwirkung \xBA = 0.850\n"
        "  Dehnung bei Erreichen der Festigkeitsgrenze \xBE\xCE\\" "c2\xCEr = -2.00 \x89\n"
        "  maximale Dehnung \xBE\xCE\\" "c2u\xCEr = -3.50 \x89\n"
        "  Exponent in Gl.65 (Parabelabschn. des Parabel-Rechteck Diagr.) n = 2.00\n"
        "  Dichte \xCB\xCE\\" "c\xCEr = 2200 kg/m\xCE/3\xCEr\n"
        "  mittlerer Elastizit\x84tsmodul E\xCE\\" "cm\xCEr = 26662.6 MN/m\xCE/2\xCEr\n"
        "0 0 -1 -1\n#END_OF_TEXT\n";
    EXPECT_NE(t.find(expected), std::string::npos) << t;
    EXPECT_TRUE(calllog::contains("OLI_setYPositionCM: 1 -0.800"));

    Capture s;
    RebarGradeRecord r{};
    rebar_grade_b500(&r, 1);
    rebar_grade_output(s.f, &r, 2);
    const std::string st = s.text();
    EXPECT_NE(st.find("#SHOWTABLE\n0 1 4\n Betonstahlsorte (Schubbewehrung) \xCE" "bB500B\n"),
              std::string::npos);
    // f_tk 525000 -> 525.0; eps_su 0.025 -> 25.00 per mille
    EXPECT_NE(st.find("Zugfestigkeit f\xCE\\" "tk\xCEr = 525.0 MN/m"), std::string::npos);
    EXPECT_NE(st.find("Bruchdehnung \xBE\xCE\\" "su\xCEr = 25.00 \x89\n"), std::string::npos);
}

TEST_F(ConcreteOutput, SideBySideAndSummary)
{
    ConcreteGradeRecord c{};
    concrete_grade_din1045_1(&c, 3, 1, 1800);
    RebarGradeRecord r{};
    rebar_grade_b500(&r, 0);
    concrete_rebar_output(out.f, &c, &r, 1.5, 1.15);
    const std::string t = out.text();
    EXPECT_EQ(count_of(t, "#SHOWTABLE"), 3);
    EXPECT_NE(t.find("#SHOWTABLE\n0 1 0\n Materialsicherheitsbeiwerte \xC0\xCE\\" "c\xCEr = 1.50, "
                     "\xC0\xCE\\s\xCEr = 1.15\n0 0 -1 -1\n#END_OF_TEXT\n"),
              std::string::npos);
    // the steel starts at the stored position, 9 cm from the left
    EXPECT_TRUE(calllog::contains("OLI_storeYPosition: 0"));
    EXPECT_TRUE(calllog::contains("OLI_restoreYPosition: 0"));
    EXPECT_LT(t.find("store 0"), t.find("restore 0"));
    EXPECT_LT(t.find("restore 0"), t.find("Betonstahlsorte"));

    Capture s;
    concrete_material_summary(s.f, &c, &r, 1.5, 1.15);
    EXPECT_NE(s.text().find("#SHOWTABLE\n0 3 0\n Betonfestigkeitsklasse \xCE" "bLC25/28\xCEr mit "
                            "\xCB\xCE\\" "c\xCEr = 1800 kg/m\xCE/3\xCEr\n Betonstahlsorte \xCE" "bB500A\n"),
              std::string::npos);
}

TEST_F(ConcreteOutput, SetSection)
{
    ConcreteMaterialSet set;
    concrete_set_reset(&set, 1);
    set.concrete_code = 9;
    concrete_grade_din1045_1(&set.concrete, 4, 0, 2200);
    concrete_material_set_output(out.f, &set, 1, "");
    EXPECT_EQ(out.text(), "#SHOWTABLE\n0 2 0\n Betonfestigkeitsklasse \xCE" "bC30/37\xCEr\n"
                          " Betonstahlsorte \xCE" "bBSt 500 (A)\n0 0 -1 -1\n#END_OF_TEXT\n");

    Capture free_steel;
    set.bending_code = REBAR_CODE_FREE;
    concrete_material_set_output(free_steel.f, &set, 1, "Baustoffe");
    const std::string t = free_steel.text();
    EXPECT_EQ(t.find("#SHOWTABLE\n0 1 0\n \xCE_Baustoffe:\n"), 0u);
    EXPECT_NE(t.find("0 1 7\n"), std::string::npos);
    EXPECT_NE(t.find("(Biegebewehrung) \xCE" "bBSt 500 (A)"), std::string::npos);
    EXPECT_NE(t.find("(Schubbewehrung) \xCE" "bBSt 500 (A)"), std::string::npos);

    Capture old;
    concrete_set_reset(&set, 0);
    set.shear_code = 1;
    old_rebar_grade(&set.old_shear, 1);
    concrete_material_set_output(old.f, &set, 0, nullptr);
    EXPECT_EQ(old.text(), "#SHOWTABLE\n0 3 0\n Betonfestigkeitsklasse \xCE" "bB25\xCEr\n"
                          " Betonstahlsorte (Biegebewehrung) \xCE" "bBSt 500 S\n"
                          " Betonstahlsorte (Schubbewehrung) \xCE" "bBSt 420 S\n"
                          "0 0 -1 -1\n#END_OF_TEXT\n");
}

TEST_F(ConcreteOutput, FactorTableMarksDeviations)
{
    oli_writer_init(3, 2, 1);
    ConcreteSafetyFactors f;
    concrete_safety_factors(1, 0, &f);
    f.gamma_c[0] = 1.35;
    concrete_safety_factor_sheet(out.f, 1, &f, 1, 0, nullptr);
    const std::string t = out.text();
    EXPECT_NE(t.find("Materialsicherheitsbeiwerte"), std::string::npos);
    EXPECT_NE(t.find("Brand"), std::string::npos);
    EXPECT_NE(t.find("1.35"), std::string::npos);
    // only the changed value is marked
    EXPECT_EQ(count_of(t, "\xCE" "b  1.35"), 1);
    EXPECT_EQ(count_of(t, "\xCE" "b"), 1);

    Capture none;
    const int nothing[5] = {0, 0, 0, 0, 0};
    concrete_safety_factor_sheet(none.f, 1, &f, 1, 0, nothing);
    EXPECT_EQ(none.text().find("Brand"), std::string::npos);
    EXPECT_EQ(none.text().find("1.35"), std::string::npos);
}

}  // namespace
