// Geometry rules of the opening (DIN EN 1995-1-1/NA, NCI NA.6.7 unreinforced, NA.6.8.4 reinforced):
// each rule's label text and whether the dimensions violate it, and their display on the form.
#pragma once
#include <QString>

class QWidget;
class Ui_MainWindow;

enum GeometryRule { RULE_HRO, RULE_HRU, RULE_A, RULE_HD, RULE_D, RULE_COUNT };

struct GeometryRuleInput {
    int h = 0, h_ro = 0, h_ru = 0, a = 0;  // mm, as on the system tab
    bool circular = false;
    bool reinforced = false;
    bool plates = false;                    // reinforced by plates (else rods or screws)
};

struct GeometryRuleResult {
    int h_d = 0;      // opening height h - h_ro - h_ru
    int a = 0;        // opening length; h_d for a circular opening
    double d = 0;     // diagonal of a rectangular opening, diameter of a circular one
    QString text[RULE_COUNT];
    bool violated[RULE_COUNT] = {};
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

// Calculate, preview and print are enabled and disabled together.
void enable_design_actions(Ui_MainWindow& ui, bool enabled);

// Gives a widget a style sheet unless it has that one already: applying a sheet re-polishes the
// widget and its children, which costs more than the rest of a redisplay.
void set_style_sheet(QWidget* w, const QString& style);
