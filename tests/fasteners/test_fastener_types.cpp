#include "fasteners/fastener_types.h"

#include <gtest/gtest.h>
#include <string>

TEST(FastenerTypes, NamesInBothCodePages)
{
    struct Case { int code, family; const char* dos; };
    const Case cases[] = {
        {-2, 0, "ohne Verbund"}, {-1, 1, "Klebeverbindung"}, {0, 0, "Nagel"}, {1, 1, "Klammer"},
        {2, 0, "Schraube 1A"}, {4, 0, "Schraube 1C"}, {5, 0, "Schraube 2A"}, {10, 0, "Schraube 3C"},
        {2, 1, "Holzschraube"}, {13, 0, "SPAX Senkkopf Vollgewinde"}, {13, 1, "SPAX Senkkopf Vollgewinde"},
        {14, 0, "ASSY-plus VG Zylinderkopf"}, {15, 0, "ASSY-plus VG Senkfr\x84st.kopf"},
        {16, 0, "Sondernagel 1A"}, {24, 0, "Sondernagel 3C"}, {24, 1, "Sondernagel"},
        {34, 0, "Sondernagel 1D"}, {42, 0, "Sondernagel 3F"}, {40, 1, "Sondernagel"},
        {25, 0, "Ringd\x81""bel A1"}, {25, 1, "Ringd\x81""bel A1/B1"}, {27, 1, "Scheibend\x81""bel C5"},
        {28, 1, "Scheibend\x81""bel C10/C11"}, {29, 1, "Stabd\x81""bel"}, {30, 0, "Bolzen"},
        {33, 1, "Scheibend\x81""bel C11/C10"}, {43, 0, "ASSY benutzerdefiniert"},
        {44, 1, "SPAX benutzerdefiniert"}, {45, 0, "Simpson CNA"}, {46, 0, "Simpson CSA"},
        {-3, 0, "nicht definiert"}, {47, 1, "nicht definiert"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(fastener_type_name(c.code, c.family), c.dos) << c.code;
        std::string latin1 = c.dos;
        for (char& ch : latin1) {
            if (ch == '\x81') ch = '\xFC';
            if (ch == '\x84') ch = '\xE4';
        }
        EXPECT_EQ(std::string(fastener_type_name_alt(c.code, c.family)), latin1) << c.code;
    }
    EXPECT_EQ(std::string(fastener_type_name(15, 0)).size(), 27u);   // the longest name
}

TEST(FastenerTypes, KeptPointerKeepsItsTextAfterCallsForOtherCodes)
{
    // Selection lists keep these pointers: a call for a related code must not rename them.
    const char* p19 = fastener_type_name(19, 0);
    const char* p14 = fastener_type_name(14, 0);
    fastener_type_name(34, 0);
    fastener_type_name(43, 0);
    EXPECT_STREQ(p19, "Sondernagel 2A");
    EXPECT_STREQ(p14, "ASSY-plus VG Zylinderkopf");
    EXPECT_EQ(fastener_type_name(19, 1), p19);          // same code, same buffer, new text
    EXPECT_STREQ(p19, "Sondernagel");
}

TEST(FastenerTypes, FamilyPredicatesOverEveryCode)
{
    for (int c = -5; c <= 50; ++c) {
        const bool wood = c >= 2 && c <= 10;
        const bool spax = c == 11 || c == 12 || c == 13 || c == 44;
        const bool assy = c == 14 || c == 15 || c == 43;
        const bool special = (c >= 16 && c <= 24) || (c >= 34 && c <= 42) || c == 45 || c == 46;
        const bool connector = (c >= 25 && c <= 28) || (c >= 31 && c <= 33);
        const bool pin = (c >= 0 && c <= 24) || (c >= 34 && c <= 46);
        EXPECT_EQ(is_wood_screw_type(c), wood) << c;
        EXPECT_EQ(is_screw_type_group1(c), spax) << c;
        EXPECT_EQ(is_screw_type_group2(c), assy) << c;
        EXPECT_EQ(is_special_nail_type(c), special) << c;
        EXPECT_EQ(is_nail_type(c), c == 0 || special) << c;
        EXPECT_EQ(is_connector_type(c), connector) << c;
        EXPECT_EQ(is_pin_fastener_type(c), pin) << c;
        EXPECT_EQ(is_nail_or_screw_type(c), pin && c != 1) << c;
    }
}

TEST(FastenerTypes, ThreadHeadAndLateralRules)
{
    EXPECT_EQ(is_fully_threaded_screw(13, 0, 0), 1);
    EXPECT_EQ(is_fully_threaded_screw(11, 1, 1), 0);
    EXPECT_EQ(is_fully_threaded_screw(43, 0, 1), 0);
    EXPECT_EQ(is_fully_threaded_screw(43, 3, 0), 1);
    EXPECT_EQ(is_fully_threaded_screw(44, 0, 1), 1);
    EXPECT_EQ(is_fully_threaded_screw(44, 0, 3), 0);
    EXPECT_EQ(is_countersunk_screw(12, 0), 0);
    EXPECT_EQ(is_countersunk_screw(43, -1), 0);
    EXPECT_EQ(is_countersunk_screw(43, 0), 1);
    EXPECT_EQ(is_countersunk_screw(44, 4), 1);
    EXPECT_EQ(is_countersunk_screw(44, 3), 0);
    EXPECT_EQ(lateral_rule_type(5, 6.0), 0);
    EXPECT_EQ(lateral_rule_type(5, 6.001), 0);   // strict: exactly 6.001 is still thin
    EXPECT_EQ(lateral_rule_type(13, 8.0), 30);
    EXPECT_EQ(lateral_rule_type(29, 8.0), 29);
    EXPECT_EQ(lateral_rule_type(1, 10.0), 1);
    EXPECT_EQ(is_board_or_engineered_material(-13), 1);
    EXPECT_EQ(is_board_or_engineered_material(-14), 0);
    EXPECT_EQ(is_board_or_engineered_material(12), 0);
    EXPECT_EQ(is_board_or_engineered_material(19), 1);
    EXPECT_EQ(is_nonveneer_board_material(6), 0);
    EXPECT_EQ(is_nonveneer_board_material(9), 1);
    EXPECT_EQ(is_metal_plate_material(16), 1);
    EXPECT_EQ(is_metal_plate_material(13), 0);
}
