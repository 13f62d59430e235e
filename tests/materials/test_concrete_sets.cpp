// Concrete material sets: reset, storage in the versioned data files (including
// records written by older program versions), the downgrade to DIN 1045 (7.88)
// grades and the safety factors per design situation.
#include "materials/concrete_sets.h"

#include "helpers/messages.h"
#include "helpers/versioned_files.h"
#include "platform/os/calllog.h"

#include "environment/stream_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> tokens_of_line(const std::string& text, int line)
{
    std::istringstream in(text);
    std::string s;
    for (int i = 0; i <= line; ++i)
        std::getline(in, s);
    std::istringstream words(s);
    std::vector<std::string> out;
    while (words >> s)
        out.push_back(s);
    return out;
}

// Writes the set to a fresh file and reads it back with read_edition.
int round_trip(const ConcreteMaterialSet& in, int write_edition, int read_edition,
               ConcreteMaterialSet* out, std::string* text = nullptr)
{
    FILE* f = std::tmpfile();
    EXPECT_EQ(dfile_write_data_version(f, 1.0), 0);
    EXPECT_EQ(concrete_material_set_write(&in, write_edition), 0);
    std::fflush(f);
    if (text)
        *text = streamtest::contents(f);
    std::rewind(f);
    EXPECT_EQ(dfile_read_data_version(f, 1.0), 0);
    const int r = concrete_material_set_read(out, read_edition);
    std::fclose(f);
    return r;
}

// Reads a set from hand-written file text.
int read_text(const std::string& text, int edition, ConcreteMaterialSet* out)
{
    FILE* f = streamtest::stream_of(text);
    EXPECT_EQ(dfile_read_data_version(f, 1.0), 0);
    const int r = concrete_material_set_read(out, edition);
    std::fclose(f);
    return r;
}

class ConcreteSets : public ::testing::Test {
protected:
    void SetUp() override
    {
        msg_enable();
        msg_set_mode(MSG_MODE_WINDOW);
        calllog::clear();
    }
};

TEST_F(ConcreteSets, ResetAndCopy)
{
    ConcreteMaterialSet s;
    concrete_set_reset(&s, 0);
    EXPECT_EQ(s.concrete_code, 1);
    EXPECT_EQ(s.bending_code, 2);
    EXPECT_STREQ(s.old_concrete.name, "B25");
    EXPECT_STREQ(s.old_shear.name, "BSt 500 S");
    EXPECT_STREQ(s.concrete.name, "C25/30");
    EXPECT_STREQ(s.bending.name, "B500A");

    concrete_set_reset(&s, 1);
    EXPECT_EQ(s.concrete_code, 8);
    EXPECT_EQ(s.shear_code, 3);
    EXPECT_STREQ(s.old_concrete.name, "B55");  // code 8 clamped by the filler
    EXPECT_STREQ(s.old_bending.name, "BSt 500 S");
    EXPECT_STREQ(s.bending.name, "BSt 500 (A)");
    concrete_set_reset(&s, 2);
    EXPECT_STREQ(s.shear.name, "B500A");

    ConcreteMaterialSet d;
    concrete_set_reset(&d, 0);
    d.reserved[2] = 7;
    concrete_set_copy(&d, &s);
    EXPECT_EQ(d.concrete_code, 8);
    EXPECT_STREQ(d.shear.name, "B500A");
    EXPECT_EQ(d.reserved[2], 7);  // not copied
}

TEST_F(ConcreteSets, StoredSetReadsBack)
{
    ConcreteMaterialSet s;
    concrete_set_reset(&s, 1);
    s.concrete_code = 9;  // C30/37
    concrete_grade_din1045_1(&s.concrete, 4, 0, 2200);
    s.bending_code = 3;   // BSt 500 (A)
    s.shear_code = REBAR_CODE_FREE;
    std::snprintf(s.shear.name, sizeof s.shear.name, "%s", "Mein Stahl");
    s.shear.f_yk = 450000;
    s.shear.f_tk = 480000;
    s.shear.eps_su = 0.02;
    s.shear.e_s = 205000000;

    ConcreteMaterialSet r;
    concrete_set_reset(&r, 0);
    r.reserved[0] = 5;
    std::string text;
    ASSERT_EQ(round_trip(s, 1, 1, &r, &text), 0);
    // line 0 is the data version; then: 1.0, 9, 0, 2200.0, 0.0 / 3, 0.0 / 999 and the steel record
    EXPECT_EQ(tokens_of_line(text, 1),
              (std::vector<std::string>{"1.000000e+00", "9", "0", "2.200000e+03", "0.000000e+00"}));
    EXPECT_EQ(tokens_of_line(text, 2), (std::vector<std::string>{"3", "0.000000e+00"}));
    EXPECT_EQ(tokens_of_line(text, 3).at(0), "999");
    EXPECT_EQ(tokens_of_line(text, 3).at(1), "1.000000");  // the steel record's version line

    EXPECT_EQ(r.concrete_code, 9);
    EXPECT_STREQ(r.concrete.name, "C30/37");
    EXPECT_EQ(r.bending_code, 3);
    EXPECT_STREQ(r.bending.name, "BSt 500 (A)");
    EXPECT_EQ(r.shear_code, REBAR_CODE_FREE);
    EXPECT_STREQ(r.shear.name, "Mein Stahl");
    EXPECT_DOUBLE_EQ(r.shear.f_tk, 480000);
    EXPECT_DOUBLE_EQ(r.shear.e_s, 205000000);
    EXPECT_EQ(r.reserved[0], 0);
    EXPECT_DOUBLE_EQ(concrete_material_set_leading_value(), 1.0);

    // read back with the newer naming
    ASSERT_EQ(round_trip(s, 1, 2, &r), 0);
    EXPECT_STREQ(r.bending.name, "B500A");

    // a free concrete whose name begins with a digit survives (the version line comes first)
    s.concrete_code = CONCRETE_CODE_FREE;
    std::snprintf(s.concrete.name, sizeof s.concrete.name, "%s", "25er Beton");
    s.concrete.e_auto = 0;
    s.concrete.e_cm = 31000000;
    ASSERT_EQ(round_trip(s, 2, 2, &r), 0);
    EXPECT_EQ(r.concrete_code, CONCRETE_CODE_FREE);
    EXPECT_STREQ(r.concrete.name, "25er Beton");
    EXPECT_EQ(r.concrete.e_auto, 0);
    EXPECT_DOUBLE_EQ(r.concrete.e_cm, 31000000);

    // the older edition stores no free definition: B55 and BSt 500 S come back
    s.bending_code = REBAR_CODE_FREE;
    ASSERT_EQ(round_trip(s, 0, 0, &r), 0);
    EXPECT_EQ(r.concrete_code, 4);
    EXPECT_STREQ(r.old_concrete.name, "B55");
    EXPECT_EQ(r.bending_code, 2);
    EXPECT_EQ(r.shear_code, 2);
    EXPECT_STREQ(r.old_shear.name, "BSt 500 S");
    EXPECT_STREQ(r.shear.name, "BSt 500 S (nicht mehr genormt!)");
}

TEST_F(ConcreteSets, DensityAndOlderRecords)
{
    ConcreteMaterialSet r;
    concrete_set_reset(&r, 1);
    // normal-weight takes 2200 whatever the file holds; lightweight keeps its density
    ASSERT_EQ(read_text(" 1.0\n 1.0 9 0 1800.0 0.0\n 3 0.0\n 4 0.0\n", 1, &r), 0);
    EXPECT_DOUBLE_EQ(r.concrete.density, 2200.0);
    EXPECT_STREQ(r.shear.name, "BSt 500 (B)");
    ASSERT_EQ(read_text(" 1.0\n 1.0 9 1 1800.0 0.0\n 3 0.0\n 3 0.0\n", 1, &r), 0);
    EXPECT_STREQ(r.concrete.name, "LC30/33");
    EXPECT_DOUBLE_EQ(r.concrete.density, 1800.0);

    // record of version 1.1: e_cm stored, e_auto (from 1.2) takes 1
    ASSERT_EQ(read_text(" 1.0\n 1.0 999\n 1.1 # S\n Frei\x8C" "Beton 30000 0.85 -0.002 -0.0035 2 0 "
                        "2400 0 27000000\n 3 0.0\n 3 0.0\n",
                        1, &r),
              0);
    EXPECT_STREQ(r.concrete.name, "Frei Beton");
    EXPECT_EQ(r.concrete.e_auto, 1);
    EXPECT_DOUBLE_EQ(r.concrete.e_cm, 27000000);
    EXPECT_DOUBLE_EQ(r.concrete.density, 2200);

    // record without a version (the name comes first): e_cm from f_ck:
    // f_cm 38, alpha_i = 0.8 + 38/440 = 0.886364; 0.886364 * 9500000 * 38^(1/3) = 28309361
    ASSERT_EQ(read_text(" 1.0\n 1.0 999\n Alt 30000 0.85 -0.002 -0.0035 2 0 2200 0\n 3 0.0\n 3 0.0\n",
                        1, &r),
              0);
    EXPECT_STREQ(r.concrete.name, "Alt");
    EXPECT_NEAR(r.concrete.e_cm, 28309361.1, 0.5);
    EXPECT_EQ(r.concrete.e_auto, 1);

    // a record newer than the program is refused
    EXPECT_EQ(read_text(" 1.0\n 1.0 999\n 1.3 # S\n X 30000 0.85 -0.002 -0.0035 2 0 2200 0 1 1\n", 1,
                        &r),
              1);
    // a file cut short fails
    EXPECT_EQ(read_text(" 1.0\n 1.0 9 0\n", 1, &r), 1);
}

TEST_F(ConcreteSets, DowngradeToOlderGrades)
{
    EXPECT_EQ(concrete_grade_to_old(3, "x"), 3);
    EXPECT_EQ(concrete_grade_to_old(10, "Balken"), 3);
    // the message window shows the code-page-850 text
    EXPECT_TRUE(calllog::contains("PrintMessage: Betongüte C35/45 (Balken) wird in B45 geändert"));
    EXPECT_EQ(concrete_grade_to_old(12, nullptr), 1);  // C45/55 and above: B25
    EXPECT_EQ(concrete_grade_to_old(6, nullptr), 0);   // C16/20: B15
    EXPECT_EQ(concrete_grade_to_old(20, nullptr), 1);
    calllog::clear();
    EXPECT_EQ(rebar_grade_to_old(4, "Buegel"), 2);
    EXPECT_TRUE(calllog::contains("Stahlgüte BSt 500 (B) (Buegel) wird in BSt 500 S geändert"));
    EXPECT_EQ(rebar_grade_to_old(1, "x"), 1);
}

TEST_F(ConcreteSets, SafetyFactors)
{
    ConcreteSafetyFactors f;
    concrete_safety_factors(0, 0, &f);
    EXPECT_DOUBLE_EQ(f.gamma_c[0], 1.0);
    concrete_safety_factors(1, 0, &f);
    EXPECT_DOUBLE_EQ(f.gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(f.gamma_c[1], 1.3);
    EXPECT_DOUBLE_EQ(f.gamma_s[1], 1.0);
    EXPECT_DOUBLE_EQ(f.gamma_c[4], 1.0);
    EXPECT_DOUBLE_EQ(f.gamma_s[4], 1.0);

    // German annex: concrete 1.5 persistent, 1.2 accidental (the block's fourth), 1.5, 1.5
    concrete_settings_init();
    const ConcreteDesignSettings* s = concrete_settings();
    EXPECT_EQ(s->factor_mode, 2);
    EXPECT_STREQ(s->annex_name, "Deutschland");
    EXPECT_DOUBLE_EQ(s->factors.gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(s->factors.gamma_c[1], 1.2);
    EXPECT_DOUBLE_EQ(s->factors.gamma_s[1], 1.0);
    EXPECT_DOUBLE_EQ(s->factors.gamma_s[3], 1.15);
    EXPECT_DOUBLE_EQ(s->factors.gamma_c[4], 1.0);

    // stored without the fire values
    concrete_safety_factors(1, 0, &f);
    FILE* file = std::tmpfile();
    dfile_write_data_version(file, 1.0);
    ASSERT_EQ(concrete_safety_factors_write(&f), 0);
    std::rewind(file);
    ConcreteSafetyFactors g;
    concrete_safety_factors(0, 0, &g);
    g.gamma_c[4] = 9.0;
    ASSERT_EQ(dfile_read_data_version(file, 1.0), 0);
    ASSERT_EQ(concrete_safety_factors_read(&g), 0);
    std::fclose(file);
    EXPECT_DOUBLE_EQ(g.gamma_c[1], 1.3);
    EXPECT_DOUBLE_EQ(g.gamma_s[3], 1.15);
    EXPECT_DOUBLE_EQ(g.gamma_c[4], 9.0);
    ConcreteSafetyFactors h;
    concrete_safety_factors_copy(&h, &g);
    EXPECT_DOUBLE_EQ(h.gamma_s[0], 1.15);
}

TEST_F(ConcreteSets, SituationNames)
{
    EXPECT_STREQ(design_situation_name(0), "st\x84ndig und vor\x81" "bergehend");
    EXPECT_STREQ(design_situation_name(1), "au\xE1" "ergew\x94hnlich");
    EXPECT_STREQ(design_situation_short_name(3), "Erm\x81" "d.");
    EXPECT_STREQ(design_situation_name(5), "???");
    EXPECT_STREQ(design_situation_short_name(-1), "???");
}

}  // namespace

// A grade record on file: its version line, then its name and fields on a line of their own, so that
// the next record starts on a fresh line.
TEST_F(ConcreteSets, GradeRecordsEachEndTheirLine)
{
    ConcreteGradeRecord c{};
    concrete_grade_din1045_1(&c, 4, 0, 2200);  // C30/37
    RebarGradeRecord s{};
    std::snprintf(s.name, sizeof s.name, "%s", "B500X");
    s.f_yk = 500000;
    s.f_tk = 525000;
    s.eps_su = 0.025;
    s.e_s = 200000000;
    FILE* f = std::tmpfile();
    ASSERT_EQ(dfile_write_data_version(f, 1.0), 0);
    ASSERT_EQ(concrete_record_write(&c), 0);
    ASSERT_EQ(rebar_record_write(&s), 0);
    std::fflush(f);
    const std::string text = streamtest::contents(f);
    std::fclose(f);
    // line 0 is the data version
    EXPECT_EQ(tokens_of_line(text, 1).at(0), "1.200000");
    // name, f_ck, alpha, eps_c2, eps_c2u, n, lightweight, density, 0, e_auto, E_cm
    const std::vector<std::string> concrete = tokens_of_line(text, 2);
    ASSERT_EQ(concrete.size(), 11u);
    EXPECT_EQ(concrete.at(1), "3.000000e+04");
    EXPECT_EQ(tokens_of_line(text, 3).at(0), "1.000000");
    EXPECT_EQ(tokens_of_line(text, 4),
              (std::vector<std::string>{"B500X", "5.000000e+05", "5.250000e+05", "2.500000e-02", "2.000000e+08",
                                        "0.000000e+00"}));
    EXPECT_EQ(text.back(), '\n');
}
