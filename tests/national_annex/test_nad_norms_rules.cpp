// Norm designations and literature lists, the rule counters, the rule flags of Eurocode 2 and
// the section switches of the Eurocode 5 report by application.
#include "national_annex/nad_norms.h"
#include "national_annex/nad_rules.h"
#include "national_annex/nad_switches.h"
#include "nad_folders.h"

#include <set>
#include <vector>

namespace {

class NadNorms : public NadFolders {
protected:
    void TearDown() override
    {
        nad_set_edition_mode(1);
        nad_set_standards_option(0);
        NadFolders::TearDown();
    }
    std::vector<std::string> standards(int code)
    {
        const char* lines[NAD_STANDARDS_MAX_LINES] = {};
        int n = nad_standards_list(code, lines);
        return std::vector<std::string>(lines, lines + n);
    }
};

} // namespace

TEST_F(NadNorms, Designations)
{
    struct Case { int code, edition, short_form, mode; const char* expected; };
    const Case cases[] = {
        {4, 0, 0, 1, "DIN EN 1992-1-1 (EC 2, Hochbau)"},
        {4, 1, 0, 1, "DIN EN 1992-1-1 (EC 2, Hochbau, 1.11)"},
        {4, 1, 1, 1, "EC 2 (1.11)"},
        {3, 1, 1, 1, "\x99N B 4700 (6.01)"},
        {0, 1, 0, 0, "DIN 1045 (7.88)"},
        {2, 1, 0, 1, "DIN-Fachbericht 102 (3.03)"},
        {2, 1, 0, 0, "DIN-Fachbericht 102 (3.09)"},
        {1, 1, 0, 1, "DIN 1045-1 (7.01) mit Ber.2 (6.05)"},
        {1, 1, 1, 1, "DIN 1045-1 (7.01)"},
        {1, 1, 0, 0, "DIN 1045-1 (8.08)"},
        {1, 1, 1, 0, "DIN 1045-1 (8.08)"},
        {13, 0, 0, 1, "DIN EN 1993-1-8 (EC 3, Anschl\x81sse)"},
        {16, 0, 0, 1, "DIN 18800"},
        {25, 0, 0, 1, "DIN 18800"},
        {14, 1, 0, 1, ""},    // a literature entry but no designation
        {33, 0, 0, 1, ""},
        {-1, 1, 1, 1, ""},
    };
    for (const Case& c : cases) {
        nad_set_edition_mode(c.mode);
        EXPECT_STREQ(nad_norm_designation(c.code, c.edition, c.short_form), c.expected)
            << "code " << c.code << " edition " << c.edition << " short " << c.short_form;
    }
    // One buffer: the second call overwrites the first's text.
    const char* first = nad_norm_designation(11, 0, 0);
    EXPECT_EQ(nad_norm_designation(22, 0, 1), first);
    EXPECT_STREQ(first, "EC 6");
}

TEST_F(NadNorms, StandardsListOfDeutschlandAndOfAUserSet)
{
    ship_both();
    user_set(1, "Mein Satz", 1);
    nad_read_list();
    ASSERT_EQ(nad_set_active("Deutschland"), 0);
    const std::vector<std::string> de = standards(19);
    ASSERT_EQ(de.size(), 6u);
    EXPECT_EQ(de[3], "DIN EN 1995-1-1/NA, Nationaler Anhang zur DIN EN 1995-1-1, Ausgabe Dezember 2010");
    EXPECT_EQ(de[5], "  Teil 10: Erg\x84nzende Bestimmungen, Ausgabe Mai 2012");
    EXPECT_EQ(standards(29).size(), 5u);
    EXPECT_EQ(standards(16).size(), 4u);   // three parts of DIN 18800 ...
    EXPECT_EQ(standards(25).size(), 1u);   // ... against part 1 only
    EXPECT_EQ(standards(6).size(), 0u);
    EXPECT_EQ(standards(33), std::vector<std::string>{""});
    EXPECT_EQ(standards(-1), std::vector<std::string>{""});

    // The longest line fits its buffer whole.
    const std::vector<std::string> plates = standards(24);
    EXPECT_EQ(plates[0].size(), 108u);

    // A user set, even one with the German country, lists no national annex.
    ASSERT_EQ(nad_set_active("Mein Satz"), 0);
    const std::vector<std::string> user = standards(19);
    ASSERT_EQ(user.size(), 3u);
    EXPECT_EQ(user[2], "  Deutsche Fassung EN 1995-1-1:2004 + AC:2006 + A1:2008, Ausgabe Dezember 2010");
    EXPECT_EQ(standards(4).size(), 3u);
}

TEST_F(NadNorms, StandardsListFollowsEditionModeAndStandardsOption)
{
    ship_both();
    ASSERT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_EQ(standards(1).size(), 4u);
    nad_set_edition_mode(0);
    const std::vector<std::string> newer = standards(1);
    ASSERT_EQ(newer.size(), 3u);
    EXPECT_EQ(newer[1], "  Ausgabe August 2008");
    // The Fachbericht entries keep March 2009 in both modes.
    EXPECT_EQ(standards(2)[0], "DIN-Fachbericht 102: Betonbr\x81" "cken, M\x84rz 2009");

    nad_set_standards_option(1);
    const std::vector<std::string> pre = standards(10);
    ASSERT_EQ(pre.size(), 4u);
    EXPECT_EQ(pre[3], "DIN V ENV 1992-1-2/NA, Nationaler Anhang zur DIN V ENV 1992-1-2, DIN-Fachbericht 92, 2000");
    nad_set_active_name("deutschland");   // case counts
    EXPECT_EQ(standards(10).size(), 3u);
}

TEST(NadRuleCounters, SumTheListedRules)
{
    EXPECT_EQ(nad_sheet_rule_count_0(), 4);
    EXPECT_EQ(nad_sheet_rule_count_1(), 16);
    EXPECT_EQ(nad_sheet_rule_count_2(), 4);
    EXPECT_EQ(nad_sheet_rule_count_3(), 4);
    EXPECT_EQ(nad_sheet_rule_count_4(), 0);
    EXPECT_EQ(nad_sheet_rule_count_5(), 2);
}

namespace {
std::set<int> ec2_rules_set()
{
    nad_ec2_rule_flags();
    std::set<int> on;
    for (int i = 0; i < NAD_EC2_RULES; ++i)
        if (ec2_rule[i]) on.insert(i);
    return on;
}
} // namespace

TEST_F(NadFolders, Ec2RuleFlagsByApplication)
{
    struct Case { int app; int show_all; std::set<int> rules; };
    const Case cases[] = {
        {1, 0, {0, 2, 30}},
        {32, 0, {0, 1, 2, 3, 4, 6, 7, 10, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 29, 30}},
        {84, 0, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 24, 25, 27, 28, 30}},
        {54, 0, {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 24, 25, 26, 27, 28, 29, 30, 31}},
        {58, 0, {0, 2, 3, 4, 6, 10, 14, 18, 21, 24, 30}},
        {94, 0, {0, 1, 2, 3, 4, 8, 18, 25, 26, 30}},
        {105, 0, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 26, 30}},
        {242, 0, {0, 1, 2, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 30}},
        {114, 0, {0, 1, 2, 3, 10, 11, 17, 18, 21, 24, 31}},   // bridges: rule 30 cleared
        {115, 0, {0, 1, 2, 3, 10, 11, 17, 18, 21, 24, 25, 26, 31}},
        {220, 0, {0, 1, 2, 3, 4, 9, 10, 14, 17, 18, 21, 24, 25, 30}},
    };
    for (const Case& c : cases) {
        application(c.app, c.show_all);
        EXPECT_EQ(ec2_rules_set(), c.rules) << "application " << c.app;
    }
    // Showing all rules adds every rule but 30, which keeps the application's state.
    std::set<int> all;
    for (int i = 0; i < NAD_EC2_RULES; ++i) all.insert(i);
    application(1, 1);
    EXPECT_EQ(ec2_rules_set(), all);
    application(114, 1);
    all.erase(30);
    EXPECT_EQ(ec2_rules_set(), all);
}

TEST_F(NadFolders, Ec2RuleFlagsFromRuleStrings)
{
    nad_registry.has_current_row = 1;
    nad_registry.current_row = 0;
    nad_registry.rows[0].rules_defined = 1;
    char ec2[] = "1010";   // rules 0 and 2; positions past the string are not relevant
    nad_registry.rows[0].rules[2] = ec2;
    EXPECT_EQ(ec2_rules_set(), (std::set<int>{0, 2, 30}));   // neither 30 nor 31: 30 is set
    nad_registry.rows[0].rules[2] = nullptr;
    EXPECT_EQ(ec2_rules_set().size(), 33u);
}

TEST_F(NadFolders, Ec5SectionsByApplication)
{
    struct Case { int app, show_all; int sections[NAD_EC5_SECTIONS]; };
    const Case cases[] = {
        {73, 0, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {76, 0, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {220, 0, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {242, 0, {1, 1, 1, 1, 1, 1, 1, 0, 1}},
        {242, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {150, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        application(c.app, c.show_all);
        nad_ec5_report_select();
        for (int i = 0; i < NAD_EC5_SECTIONS; ++i)
            EXPECT_EQ(ec5_section[i], c.sections[i]) << "application " << c.app << " section " << i;
    }
}
