// Names of materials and grades, the selection lists and the timber grade codes.
#include "annex_scope.h"
#include "materials/material_names.h"
#include "materials/timber_grade_codes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(MaterialNames, LongNames)
{
    struct Case { bool annex; int code, grade; const char* name; };
    const Case cases[] = {
        {true, 1, 0, "Laubholz, D18"},
        {false, 1, 0, "Laubholz, D30"},
        {false, 1, 6, "Laubholz"},
        {true, 0, 5, "Nadelvollholz, C24 (S10)"},
        {true, 0, 12, "Nadelvollholz"},
        {false, 3, 7, "Brettschichtholz DIN, GL36c (BS18)"},
        {false, 2, 0, "Brettschichtholz EC, GL20h"},
        {false, 17, 1, "Baubuche GL75, GL75 hochkant"},
        {false, 12, 2, "Stahlblech S355 (St52)"},
        {false, 12, 0, "Stahlblech S235 (St37)"},
        {false, 12, 4, "Stahlblech S355J0 (St52-3)"},
        {false, 12, -1, "Stahlblech "},
        {false, 13, 0, "nicht definiertes Material"},
        {false, 4, 1, "OSB 3"},
        {false, 4, -1, "OSB"},
        {false, 6, 3, "Sperrholz F40/30"},
        {false, 6, -1, "Sperrholz "},
        {false, 6, 6, "Sperrholz "},  // past the list: the prefix alone
        {false, 9, 1, "Fermacell 12,5 mm"},
        {false, 18, 2, "Baubuche Q 40 mm"},
        {false, 19, 1, "Steico LVL X t\xF3" "24"},
        {false, -11, 2, "Steico GLVL X t\xF2" "27"},
        {false, -12, 0, "Steico Wall SW LVL,HB 45/160"},
        {false, -13, 17, "Steico Joist SJ LVL,HB 90/400"},
        {false, 16, 42, "Aluminiumblech 6082 T6/T651"},
        {false, 14, 0, "frei "},
        {false, 15, 0, "ohne"},
        {false, -10, 0, "nicht definiertes Material"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        EXPECT_STREQ(material_long_name(c.code, c.grade), c.name) << c.code << "/" << c.grade;
    }
}

TEST(MaterialNames, ShortAndDisplayNames)
{
    EXPECT_STREQ(material_short_name(15, 0), "--- ");
    EXPECT_STREQ(material_short_name(12, 7), "S355 (St52)");
    EXPECT_STREQ(material_short_name(6, 2), "F25/10");
    EXPECT_STREQ(material_short_name(16, 0), "nicht definiertes Material");
    EXPECT_STREQ(material_short_name(2, 1), "GL22h");
    EXPECT_STREQ(material_display_name(-999, 0, "Eiche   "), "Eiche (benutzerdefiniert)");
    EXPECT_STREQ(material_display_name(0, -999, "Esche"), "Esche (benutzerdefiniert)");
    EXPECT_EQ(material_display_name(14, 0, nullptr), nullptr);
    EXPECT_STREQ(material_display_name(6, 0, nullptr), "Sperrholz F20/10");
}

TEST(MaterialNames, GradeLists)
{
    struct Case { bool annex; int selector, width, count; const char* first; const char* last; };
    const Case cases[] = {
        {false, 1, 3, 6, "D30", "D70"},
        {true, 1, 3, 8, "D18", "D70"},
        {true, 0, 7, 12, "C14", "C50"},
        {false, -1, 14, 4, "Nadelholz", "Brettschicht DIN"},
        {false, -3, 14, 9, "Nadelholz", "Faserplatte"},
        {false, -2, 2, 4, " 1", ""},
        {false, -4, 14, 4, "Platte parallel", "Scheibe senkrecht"},
        {false, 3, 10, 8, "GL24h (BS11)", "GL36c (BS18)"},
        {false, 6, 6, 6, "F20/10", "F60/10"},
        {false, 9, 5, 5, "10 mm", "25 mm"},
        {false, 12, 9, 2, "S235 (St37)", "S355 (St52)"},
        {false, 15, 4, 1, "-----", "-----"},
        {false, 16, 15, 97, "3004 H14", "6082 T6 (T)"},
        {false, 19, 7, 3, "R", "X t\xF2" "27"},
        {false, -13, 17, 18, "SJ LVL,HB 45/200", "SJ LVL,HB 90/400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selector);
        std::unique_ptr<AnnexScope> annex;
        if (c.annex)
            annex.reset(new AnnexScope(1));
        int width = 0, count = 0;
        MaterialListEntry* list = material_grade_list(c.selector, &width, &count, 5);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(count, c.count);
        EXPECT_STREQ(list[0].text, c.first);
        EXPECT_STREQ(list[count - 1].text, c.last);
        EXPECT_EQ(list[0].colour, 5);
    }
    int width = 0, count = 0;
    EXPECT_EQ(material_grade_list(-999, &width, &count, 0), nullptr);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(count, 1);
    width = count = -1;
    EXPECT_EQ(material_grade_list(13, &width, &count, 0), nullptr);
    EXPECT_EQ(width, -1);
    EXPECT_EQ(count, -1);
    MaterialListEntry* classes = material_grade_list(-5, &width, &count, 5);
    EXPECT_EQ(classes[2].colour, MATERIAL_LIST_GREY);
    EXPECT_EQ(classes[1].colour, 5);
}

TEST(MaterialNames, OtherLists)
{
    int count = 0, codes[20] = {};
    MaterialListEntry* means = fastener_type_list(0x30, 2, &count, codes);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(means[0].text, "ohne Verbund");
    EXPECT_EQ(codes[0], 0);
    EXPECT_STREQ(means[1].text, "Klebeverbindung");
    EXPECT_EQ(codes[1], 1);
    fastener_type_list(0x3f, 2, &count, codes);
    EXPECT_EQ(count, 20);
    EXPECT_EQ(codes[19], 19);

    int width = 0;
    MaterialListEntry3* boards = board_material_list(&width, &count, 1);
    EXPECT_EQ(width, 11);
    ASSERT_EQ(count, 7);
    EXPECT_STREQ(boards[2].text, "Sperrholz");
    EXPECT_EQ(boards[6].code, 19);
    MaterialListEntry3* classes = board_class_list(&width, &count, 1);
    ASSERT_EQ(count, 10);
    EXPECT_STREQ(classes[8].text, "Frei");
    EXPECT_EQ(classes[9].code, 15);

    fastener_length_list(99, 0, 0, &count);
    EXPECT_EQ(count, 0);
    fastener_length_list(13, 40, 0, &count);  // row past the table
    EXPECT_EQ(count, 0);
}

TEST(TimberGradeCodes, ClassesAndRecords)
{
    struct Case { int code, cls; };
    const Case cases[] = {{1011, 0}, {1012, -1}, {14, 3}, {15, -1}, {0, 3},  {2007, 1},
                          {3000, 2}, {4011, 4},  {5007, 5}, {6007, 6}, {7013, 7}, {8006, 8},
                          {9005, 9}, {9006, -1}, {-1, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(timber_material_of_grade(c.code), c.cls) << c.code;
    EXPECT_EQ(timber_grade_code(3, 7), 7);
    EXPECT_EQ(timber_grade_code(0, 5), 1005);
    EXPECT_EQ(timber_grade_code(9, 5), 9005);
    EXPECT_EQ(timber_grade_code(10, 0), -1);
    EXPECT_STREQ(timber_grade_name(123), "C14");
    EXPECT_STREQ(timber_grade_name(8000), "Tr\x84ger GL70");
    EXPECT_STREQ(timber_grade_name(14), "Kerto");
    EXPECT_DOUBLE_EQ(timber_grade_record(1000)->values.f_v_k, 2);
    EXPECT_DOUBLE_EQ(timber_grade_record(5006)->values.f_v_k, 3.4);
    EXPECT_DOUBLE_EQ(timber_grade_record(9005)->values.f_v_k, 4.5);
    EXPECT_DOUBLE_EQ(timber_grade_record(9002)->values.f_t90_k, 0.01);
    EXPECT_DOUBLE_EQ(timber_grade_record(7)->values.rho_k, 0);
    EXPECT_STREQ(timber_material_class_name(3), "");
    EXPECT_STREQ(timber_material_class_name(8), "Furnier");
    EXPECT_STREQ(timber_material_class_name(10), "nicht definiertes Material");
    const int codes[3] = {1000, 4005, 7002};
    EXPECT_EQ(timber_grade_code_at(5, codes, 3), 1001);
    EXPECT_EQ(timber_grade_code_at(1, codes, 3), 4005);
    EXPECT_EQ(timber_grade_user_count(), 0);
}

} // namespace
