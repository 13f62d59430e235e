// Geometry rules of the opening (DIN EN 1995-1-1/NA, NCI NA.6.7 unreinforced, NA.6.8.4 reinforced):
// each rule's label text and whether the dimensions violate it, and their display on the form.
#pragma once
#include <QString>
#include <QStringList>

class QWidget;
class Ui_MainWindow;

enum GeometryRule { RULE_HRO, RULE_HRU, RULE_A, RULE_HD, RULE_D, RULE_COUNT };

enum RuleBars { RULE_BARS_NONE, RULE_BARS_RODS, RULE_BARS_SCREWS };

struct GeometryRuleInput {
    int h = 0, h_ro = 0, h_ru = 0, a = 0;  // mm, as on the system tab
    bool circular = false;
    bool reinforced = false;
    bool plates = false;                    // reinforced by plates (else rods or screws)
    // Admissibility: service class 3 with a parameter set of a country admits reinforced openings only.
    bool service_class_3 = false;
    bool annex_country = false;
    // Solid softwood or hardwood: an opening in it must be reinforced, whatever set is active.
    bool solid_timber = false;
    // Rods or screws of the reinforcement: their length (mm) and the edge they are put in from.
    int bars = RULE_BARS_NONE;
    double bar_length = 0.0;
    bool bars_from_top = true;
};

struct GeometryRuleResult {
    int h_d = 0;      // opening height h - h_ro - h_ru
    int a = 0;        // opening length; h_d for a circular opening
    double d = 0;     // diagonal of a rectangular opening, diameter of a circular one
    QString text[RULE_COUNT];
    bool violated[RULE_COUNT] = {};
    // An unreinforced opening in service class 3 where the set's country admits reinforced ones only.
    bool inadmissible = false;
    // An unreinforced opening in solid softwood or hardwood.
    bool solid_unreinforced = false;
    // Rods or screws must cross the opening's crack line from their side and stay inside the beam.
    QString bar_text;        // rich text of the rule; empty without rods or screws
    bool bar_violated = false;
    // Every violated rule in plain text with the values that break it, for messages and tool tips.
    QStringList violations;
    bool any_violated() const;
};

GeometryRuleResult evaluate_geometry_rules(const GeometryRuleInput& in);

// The rule inputs as the system tab shows them.
GeometryRuleInput geometry_rule_input(const Ui_MainWindow& ui);

// Gives the five rule labels of both tabs their texts and styles.
void show_geometry_rules(Ui_MainWindow& ui, const GeometryRuleResult& r, const QString& style_ok,
                         const QString& style_violated);

// A rule counts as violated while its system-tab label carries the violated style.
bool geometry_rule_shown_violated(const Ui_MainWindow& ui, const QString& style_violated);

// The service-class, wood-kind and bar-length rules on the form: the service class 3 button, the
// chosen solid wood kind's button and a rule label
// beside the rod length and the screw lengths (made on first use), in the rules' styles.
void show_further_rules(Ui_MainWindow& ui, const GeometryRuleResult& r, const QString& style_ok,
                        const QString& style_violated);

// The calculate, preview and print actions' tool tips: their own text, and while they are
// disabled the rules that stop them.
void explain_design_actions(Ui_MainWindow& ui, const QStringList& reasons);

// Calculate, preview and print are enabled and disabled together.
void enable_design_actions(Ui_MainWindow& ui, bool enabled);

// Gives a widget a style sheet unless it has that one already: applying a sheet re-polishes the
// widget and its children, which costs more than the rest of a redisplay.
void set_style_sheet(QWidget* w, const QString& style);
