// Hints the window derives from the inputs on screen.
#include "gui/main_window.h"

#include "core/check_opening.h"
#include "core/tavo52_data.h"
#include "core/unconfirmed_values.h"
#include "gui/geometry_rules.h"
#include <QTimer>
#include "national_annex/nad_ec5_block.h"

namespace {

// The inputs the note depends on: the reinforcement with its screw type, the shear check and wood
// kind with the set's k_cr rule, and the classes of the loads. The note looks the values up in the
// active parameter set's files, so it is made again only when one of these changes.
QByteArray hint_inputs(const TAVO52_DATA& d)
{
    bool short_term = false, accidental = false;
    for (const LoadRow& l : d.lasten) {
        short_term = short_term || l.kled == 5;
        accidental = accidental || kled_is_accidental(l.kled) != 0;
    }
    const int kcr_mode = cur_ec5_params ? cur_ec5_params->kcr_mode : 0;
    return QByteArray::number(d.verstaerkt) + ' ' + QByteArray::number(d.verst_typ) + ' ' +
           QByteArray::number(d.typ_schraube) + ' ' + QByteArray::number(d.schub) + ' ' +
           QByteArray::number(d.holzart) + ' ' + QByteArray::number(kcr_mode) + ' ' + (short_term ? '1' : '0') +
           (accidental ? '1' : '0');
}

} // namespace

void MainWindow::update_unconfirmed_hint()
{
    const int tab = tabWidget->indexOf(tab_verstaerkung);
    if (tab < 0) return;
    const QByteArray inputs = hint_inputs(data_object);
    if (inputs == hint_inputs_shown) return;
    tabWidget->setTabToolTip(tab, QString::fromStdString(unconfirmed_values_note(data_object)));
    hint_inputs_shown = inputs;
}

bool MainWindow::arrangement_rejected() const
{
    return gb_Verstaerkung->isChecked() && (rb_verst_schrauben->isChecked() || rb_verst_gewindestangen->isChecked()) &&
           schraube_passt == 0;
}

QStringList MainWindow::rule_violations() const
{
    QStringList out = evaluate_geometry_rules(geometry_rule_input(*this)).violations;
    if (arrangement_rejected() && rb_verst_schrauben->isChecked())
        out << QStringLiteral("Schraubenanordnung: kein Durchmesser und keine Länge der gewählten Schraube passen in "
                              "den Querschnitt (b = %1 mm, h = %2 mm)")
                   .arg(ed_Balken_b->value())
                   .arg(ed_Balken_h->value());
    else if (arrangement_rejected())
        out << QStringLiteral("Anordnung der Gewindestangen: kein Stab passt in die Breite (b = %1 mm)")
                   .arg(ed_Balken_b->value());
    return out;
}

void MainWindow::apply_rules()
{
    const GeometryRuleResult r = evaluate_geometry_rules(geometry_rule_input(*this));
    show_geometry_rules(*this, r, style_regel_ok, style_regel_verletzt);
    show_further_rules(*this, r, style_regel_ok, style_regel_verletzt);
    const bool was = actionCalculation->isEnabled();
    enable_design_actions(*this, !r.any_violated() && !arrangement_rejected());
    const QStringList reasons = rule_violations();
    explain_design_actions(*this, reasons);
    // The panel says why nothing can be calculated: it follows the rules, also where no input changed
    // (another parameter set) or a value was moved into its range.
    if (was != actionCalculation->isEnabled() || reasons != rules_shown) {
        rules_shown = reasons;
        QTimer::singleShot(0, this, [this] { show_results(); });
    }
}
