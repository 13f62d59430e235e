// What the results panel shows for a result list: a row per check and a verdict for the frame.
// A verdict is given only for a calculation of the inputs on screen; a value that was not
// computed shows no number and no bar.
#pragma once
#include <QString>
#include <QVector>
#include "core/tavo52_data.h"
#include "core/verdict.h"

struct ResultRowView {
    QString text;          // "45.75 %", "nicht nachweisbar", or empty when nothing was computed
    int bar = 0;           // 0 .. 120
    bool failed = false;   // the check does not pass (or could not be verified)
};

// One row for a utilisation as the checks leave it: a negative value is the checks' mark for
// "not computed" (no loads), a value that is no finite number could not be verified.
ResultRowView result_row_view(double eta);

enum class PanelVerdict { None, Passed, Failed };

// The frame's verdict. None unless the results belong to the inputs on screen and something was
// computed; Failed when any check fails, could not be verified, or a check switched on is missing
// from the list (the opening check that could not run).
// A detailing rule not met (rule_breached) fails the verdict whatever the utilisations.
PanelVerdict panel_verdict(bool current, const QVector<CheckResult>& results, bool bending_on, bool shear_on,
                           double eta_max, bool rule_breached = false);

// The status line for the checks of the list that could not be verified, one line each with the
// check and its cause (core's not_verifiable_cause); empty when every listed check was verified.
QString not_verifiable_status(const TAVO52_DATA& d, bool bending_on, bool shear_on);

// The detailing rule that is not met, named with its values; empty when every rule is met.
QString detailing_breach_text(const DetailingBreach& b);
