// The geometry rules of the opening: each rule just inside and just outside its limit, the texts
// of the unreinforced and reinforced rules, and their display with the three design actions.
#include "gui/geometry_rules.h"
#include "gui/main_window_form.h"
#include <QMainWindow>
#include <gtest/gtest.h>

namespace {

struct RuleCase {
    const char* what;
    int h, h_ro, h_ru, a;
    bool circular, reinforced, plates;
    const char* violated;   // hro hru a hd d
};

std::string mask(const GeometryRuleResult& r)
{
    std::string m;
    for (bool v : r.violated) m += v ? '1' : '0';
    return m;
}

} // namespace

TEST(GeometryRules, EachRuleAtItsBoundary)
{
    // Unreinforced, h = 400: h_ro, h_ru >= 140; a <= 160; h_d <= 0.15 h = 60; d > 50.
    // Reinforced, h = 400: h_ro, h_ru >= 100; a <= 400; h_d <= 160 (plates) or 120 (rods, screws); a/h_d <= 2.5.
    const RuleCase cases[] = {
        {"unreinforced, all hold (h_d 60, d = sqrt(100^2 + 60^2) = 116.6)", 400, 170, 170, 100, false, false, false, "00000"},
        {"h_ro 140 = 0.35 h holds", 400, 140, 200, 100, false, false, false, "00000"},
        {"h_ro 139 < 140", 400, 139, 201, 100, false, false, false, "10000"},
        {"h_ru 140 holds", 400, 200, 140, 100, false, false, false, "00000"},
        {"h_ru 139 < 140", 400, 201, 139, 100, false, false, false, "01000"},
        {"a 160 = 0.4 h holds", 400, 170, 170, 160, false, false, false, "00000"},
        {"a 161 > 160", 400, 170, 170, 161, false, false, false, "00100"},
        {"h_d 61 > 60", 400, 170, 169, 100, false, false, false, "00010"},
        {"h_ro = h_ru = 140: h_d 120 > 60 only", 400, 140, 140, 100, false, false, false, "00010"},
        {"h 406, h_d 61 > 0.15 * 406 = 60.9 (the label's limit)", 406, 172, 173, 100, false, false, false, "00010"},
        {"h_d 0 is no opening", 400, 200, 200, 100, false, false, false, "00010"},
        {"h_d -20 is no opening", 400, 210, 210, 100, false, false, false, "00010"},
        {"a 30, h_d 40: d = 50 not > 50", 400, 180, 180, 30, false, false, false, "00001"},
        {"a 30, h_d 41: d = 50.99", 400, 180, 179, 30, false, false, false, "00000"},
        {"circle h_d 50: d = 50", 400, 175, 175, 999, true, false, false, "00001"},
        {"circle h_d 51", 400, 175, 174, 999, true, false, false, "00000"},
        {"rods, all hold (h_d 120 = 0.3 h, a/h_d 1.67)", 400, 140, 140, 200, false, true, false, "00000"},
        {"rods, h_ro 100 = 0.25 h holds", 400, 100, 180, 200, false, true, false, "00000"},
        {"rods, h_ro 99 < 100", 400, 99, 181, 200, false, true, false, "10000"},
        {"rods, h_ru 99 < 100", 400, 181, 99, 200, false, true, false, "01000"},
        {"rods, h_d 121 > 120", 400, 140, 139, 200, false, true, false, "00010"},
        {"plates, h_d 121 <= 160", 400, 140, 139, 200, false, true, true, "00000"},
        {"rods, h_d 140 = 0.35 h > 0.3 h", 400, 130, 130, 200, false, true, false, "00010"},
        {"plates, h_d 140 = 0.35 h <= 0.4 h", 400, 130, 130, 200, false, true, true, "00000"},
        {"plates, h_d 161 > 160", 400, 120, 119, 200, false, true, true, "00010"},
        {"plates, a 400 = h, a/h_d = 400/160 = 2.5", 400, 120, 120, 400, false, true, true, "00000"},
        {"plates, a 401 > h, a/h_d = 2.506", 400, 120, 120, 401, false, true, true, "00101"},
        {"rods, a/h_d = 250/100 = 2.5 holds", 400, 150, 150, 250, false, true, false, "00000"},
        {"rods, a/h_d = 251/100 > 2.5", 400, 150, 150, 251, false, true, false, "00001"},
        {"rods, h_d -20 is no opening", 400, 210, 210, 100, false, true, false, "00010"},
        {"screws, circle h_d 0", 400, 200, 200, 0, true, true, false, "00010"},
    };
    for (const RuleCase& c : cases) {
        GeometryRuleInput in;
        in.h = c.h; in.h_ro = c.h_ro; in.h_ru = c.h_ru; in.a = c.a;
        in.circular = c.circular; in.reinforced = c.reinforced; in.plates = c.plates;
        const GeometryRuleResult r = evaluate_geometry_rules(in);
        EXPECT_EQ(mask(r), c.violated) << c.what;
        EXPECT_EQ(r.any_violated(), std::string(c.violated) != "00000") << c.what;
    }
}

TEST(GeometryRules, CircleTakesItsHeightAsLengthAndDiameter)
{
    GeometryRuleInput in;
    in.h = 500; in.h_ro = 150; in.h_ru = 150; in.a = 17; in.circular = true;
    const GeometryRuleResult r = evaluate_geometry_rules(in);
    EXPECT_EQ(r.h_d, 200);
    EXPECT_EQ(r.a, 200);
    EXPECT_DOUBLE_EQ(r.d, 200.0);
}

TEST(GeometryRules, Texts)
{
    GeometryRuleInput in;
    in.h = 400; in.h_ro = 170; in.h_ru = 170; in.a = 100;
    GeometryRuleResult r = evaluate_geometry_rules(in);
    const QString sub = QStringLiteral("<span style=\" vertical-align:sub;\">");
    EXPECT_EQ(r.text[RULE_HRO], QStringLiteral("<html><head/><body><p>h") + sub +
                                    QStringLiteral("ro</span> \u2265 0,35 h</p></body></html>"));
    EXPECT_EQ(r.text[RULE_A], QStringLiteral("<html><head/><body><p>h") + sub +
                                  QStringLiteral("a</span> \u2264 0,4 h</p></body></html>"));
    EXPECT_EQ(r.text[RULE_D], QStringLiteral(" d > 50"));

    in.reinforced = true;
    r = evaluate_geometry_rules(in);
    EXPECT_TRUE(r.text[RULE_HRU].contains(QStringLiteral("ru</span> \u2265 0,25 h")));
    EXPECT_TRUE(r.text[RULE_A].contains(QStringLiteral("a</span> \u2264 h</p>")));
    EXPECT_TRUE(r.text[RULE_HD].contains(QStringLiteral("d</span> \u2264 0,3 h")));
    EXPECT_EQ(r.text[RULE_D], QStringLiteral("<html><head/><body><p>a/h") + sub +
                                  QStringLiteral("d</span> \u2264 2,5</p></body></html>"));
    in.plates = true;
    EXPECT_TRUE(evaluate_geometry_rules(in).text[RULE_HD].contains(QStringLiteral("d</span> \u2264 0,4 h")));
}

TEST(GeometryRules, LabelsOfBothTabsAndTheActions)
{
    const QString ok = QStringLiteral("border: 1px solid DimGrey; background-color: LightGreen ; qproperty-alignment: AlignCenter;");
    const QString bad = QStringLiteral("border: 1px solid DimGrey; background-color: Salmon ; qproperty-alignment: AlignCenter;");
    QMainWindow mw;
    Ui_MainWindow ui;
    ui.setupUi(&mw);

    GeometryRuleInput in;
    in.h = 400; in.h_ro = 170; in.h_ru = 169; in.a = 100;   // h_d 61 > 60
    GeometryRuleResult r = evaluate_geometry_rules(in);
    show_geometry_rules(ui, r, ok, bad);
    EXPECT_EQ(ui.lb_kommentar_hd->styleSheet(), bad);
    EXPECT_EQ(ui.lb_kommentar_hd_2->styleSheet(), bad);
    EXPECT_EQ(ui.lb_kommentar_hro->styleSheet(), ok);
    EXPECT_EQ(ui.lb_kommentar_d_2->text(), QStringLiteral(" d > 50"));
    EXPECT_TRUE(geometry_rule_shown_violated(ui, bad));

    in.h_ru = 170;
    show_geometry_rules(ui, evaluate_geometry_rules(in), ok, bad);
    EXPECT_FALSE(geometry_rule_shown_violated(ui, bad));
    EXPECT_EQ(ui.lb_kommentar_hd_2->styleSheet(), ok);

    enable_design_actions(ui, false);
    EXPECT_FALSE(ui.actionCalculation->isEnabled());
    EXPECT_FALSE(ui.actionDruckvorschau->isEnabled());
    EXPECT_FALSE(ui.actionDrucken->isEnabled());
    enable_design_actions(ui, true);
    EXPECT_TRUE(ui.actionCalculation->isEnabled() && ui.actionDruckvorschau->isEnabled() && ui.actionDrucken->isEnabled());
}

// Admissibility and the bars' length: each at its boundary, with the text that names the violation.
TEST(GeometryRules, ServiceClassAndBarLengthAtTheirBoundaries)
{
    struct Case {
        const char* what;
        bool reinforced, nkl3, country, circular, from_top;
        int bars;
        double length;
        bool violated;
        const char* names;   // part of the violation text, or ""
    };
    // h = 400, h_ro = 150, h_ru = 130: h_d = 120; from the top the bars must pass h_ro + h_d = 270
    // (circle: 150 + 0.85 * 120 = 252), from the bottom h_ru + h_d = 250; at most h = 400.
    const Case cases[] = {
        {"NKL 3 unreinforced, country", false, true, true, false, true, RULE_BARS_NONE, 0, true,
         "NKL 3 nur bei verstärkten Querschnitten"},
        {"NKL 3 unreinforced, no country", false, true, false, false, true, RULE_BARS_NONE, 0, false, ""},
        {"NKL 2 unreinforced, country", false, false, true, false, true, RULE_BARS_NONE, 0, false, ""},
        {"NKL 3 reinforced, country", true, true, true, false, true, RULE_BARS_RODS, 300, false, ""},
        {"rods 400 = h", true, false, false, false, true, RULE_BARS_RODS, 400, false, ""},
        {"rods 401 > h", true, false, false, false, true, RULE_BARS_RODS, 401, true,
         "Gewindestangen länger als der Träger: l_e = 401 mm > h = 400 mm"},
        {"rods 270 end at the opening's lower edge", true, false, false, false, true, RULE_BARS_RODS, 270, true,
         "Gewindestangen kreuzen den Durchbruch nicht: l_e = 270 mm ≤ 270 mm"},
        {"rods 271 cross it", true, false, false, false, true, RULE_BARS_RODS, 271, false, ""},
        {"rods 253 cross a circle's crack line at 252", true, false, false, true, true, RULE_BARS_RODS, 253, false, ""},
        {"rods 252 from the top of a circle", true, false, false, true, true, RULE_BARS_RODS, 252, true,
         "l_e = 252 mm ≤ 252 mm"},
        {"rods 251 from the bottom cross at 250", true, false, false, false, false, RULE_BARS_RODS, 251, false, ""},
        {"screws 400.5 > h", true, false, false, false, true, RULE_BARS_SCREWS, 400.5, true,
         "Schrauben länger als der Träger: l = 400,5 mm > h = 400 mm"},
    };
    for (const Case& c : cases) {
        GeometryRuleInput in;
        in.h = 400; in.h_ro = 150; in.h_ru = 130; in.a = 100;
        in.reinforced = c.reinforced; in.service_class_3 = c.nkl3; in.annex_country = c.country;
        in.circular = c.circular; in.bars_from_top = c.from_top; in.bars = c.bars; in.bar_length = c.length;
        const GeometryRuleResult r = evaluate_geometry_rules(in);
        if (c.reinforced) EXPECT_EQ(mask(r), "00000") << c.what;
        EXPECT_EQ(r.inadmissible || r.bar_violated, c.violated) << c.what;
        EXPECT_EQ(r.violations.join("|").contains(QString::fromUtf8(c.names)), true)
            << c.what << ": " << r.violations.join("|").toStdString();
        if (!c.violated && c.reinforced) EXPECT_TRUE(r.violations.isEmpty()) << c.what;
    }
}

// Residual heights that fill the beam name the rule they break, with their values.
TEST(GeometryRules, OpeningThatDoesNotFitTheBeam)
{
    GeometryRuleInput in;
    in.h = 240; in.h_ro = 9999; in.h_ru = 102; in.a = 90;
    const GeometryRuleResult r = evaluate_geometry_rules(in);
    EXPECT_TRUE(r.violated[RULE_HD]);
    EXPECT_TRUE(r.text[RULE_HD].contains(QStringLiteral("ro</span> + h<span style=\" vertical-align:sub;\">ru</span> &lt; h")));
    EXPECT_EQ(r.violations, QStringList{QStringLiteral("h_ro + h_ru < h (h_ro + h_ru = 10101 mm, h = 240 mm)")});
}
