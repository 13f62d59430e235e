#include "gui/geometry_rules.h"
#include "gui/main_window_form.h"
#include <cmath>

namespace {

QString rich(const QString& body)
{
    return QStringLiteral("<html><head/><body><p>") + body + QStringLiteral("</p></body></html>");
}

QString sub(const char* index)
{
    return QStringLiteral("<span style=\" vertical-align:sub;\">") + QString::fromLatin1(index) +
           QStringLiteral("</span>");
}

const QString kGe = QString(QChar(0x2265));
const QString kLe = QString(QChar(0x2264));

} // namespace

bool GeometryRuleResult::any_violated() const
{
    for (bool v : violated)
        if (v) return true;
    return false;
}

GeometryRuleResult evaluate_geometry_rules(const GeometryRuleInput& in)
{
    GeometryRuleResult r;
    const double h = in.h;
    r.h_d = in.h - in.h_ro - in.h_ru;
    r.a = in.circular ? r.h_d : in.a;
    r.d = in.circular ? r.h_d : std::sqrt(double(r.a) * r.a + double(r.h_d) * r.h_d);
    // An opening without height (h_ro + h_ru >= h) lies under every upper limit; it is no opening.
    const bool no_height = r.h_d <= 0;

    if (!in.reinforced) {
        r.text[RULE_HRO] = rich(QStringLiteral("h") + sub("ro") + QStringLiteral(" ") + kGe + QStringLiteral(" 0,35 h"));
        r.text[RULE_HRU] = rich(QStringLiteral("h") + sub("ru") + QStringLiteral(" ") + kGe + QStringLiteral(" 0,35 h"));
        r.text[RULE_A] = rich(QStringLiteral("h") + sub("a") + QStringLiteral(" ") + kLe + QStringLiteral(" 0,4 h"));
        r.text[RULE_HD] = rich(QStringLiteral("h") + sub("d") + QStringLiteral(" ") + kLe + QStringLiteral(" 0,15 h"));
        r.text[RULE_D] = QStringLiteral(" d > 50");
        r.violated[RULE_HRO] = in.h_ro < 0.35 * h;
        r.violated[RULE_HRU] = in.h_ru < 0.35 * h;
        r.violated[RULE_A] = r.a > 0.4 * h;
        // The limit is 0.15 h, as the label says.
        r.violated[RULE_HD] = no_height || r.h_d > 0.15 * h;
        r.violated[RULE_D] = r.d <= 50.0;
    } else {
        r.text[RULE_HRO] = rich(QStringLiteral("h") + sub("ro") + QStringLiteral(" ") + kGe + QStringLiteral(" 0,25 h"));
        r.text[RULE_HRU] = rich(QStringLiteral("h") + sub("ru") + QStringLiteral(" ") + kGe + QStringLiteral(" 0,25 h"));
        r.text[RULE_A] = rich(QStringLiteral("h") + sub("a") + QStringLiteral(" ") + kLe + QStringLiteral(" h"));
        const double f = in.plates ? 0.4 : 0.3;
        r.text[RULE_HD] = rich(QStringLiteral("h") + sub("d") + QStringLiteral(" ") + kLe +
                               (in.plates ? QStringLiteral(" 0,4 h") : QStringLiteral(" 0,3 h")));
        r.text[RULE_D] = rich(QStringLiteral("a/h") + sub("d") + QStringLiteral(" ") + kLe + QStringLiteral(" 2,5"));
        r.violated[RULE_HRO] = in.h_ro < 0.25 * h;
        r.violated[RULE_HRU] = in.h_ru < 0.25 * h;
        r.violated[RULE_A] = r.a > in.h;
        r.violated[RULE_HD] = no_height || r.h_d > f * h;
        r.violated[RULE_D] = !no_height && double(r.a) / r.h_d > 2.5;
    }
    return r;
}

GeometryRuleInput geometry_rule_input(const Ui_MainWindow& ui)
{
    GeometryRuleInput in;
    in.h = ui.ed_Balken_h->value();
    in.h_ro = ui.ed_Balken_hro->value();
    in.h_ru = ui.ed_Balken_hru->value();
    in.a = ui.ed_Balken_a->value();
    in.circular = ui.rb_typ_durchbruch_kreis->isChecked();
    in.reinforced = ui.gb_Verstaerkung->isChecked();
    in.plates = ui.rb_verst_laschen->isChecked();
    return in;
}

void set_style_sheet(QWidget* w, const QString& style)
{
    if (w->styleSheet() != style)
        w->setStyleSheet(style);
}

void show_geometry_rules(Ui_MainWindow& ui, const GeometryRuleResult& r, const QString& style_ok,
                         const QString& style_violated)
{
    QLabel* const sys[RULE_COUNT] = {ui.lb_kommentar_hro, ui.lb_kommentar_hru, ui.lb_kommentar_a,
                                     ui.lb_kommentar_hd, ui.lb_kommentar_d};
    QLabel* const verst[RULE_COUNT] = {ui.lb_kommentar_hro_2, ui.lb_kommentar_hru_2, ui.lb_kommentar_a_2,
                                       ui.lb_kommentar_hd_2, ui.lb_kommentar_d_2};
    for (int i = 0; i < RULE_COUNT; ++i) {
        sys[i]->setText(r.text[i]);
        set_style_sheet(sys[i], r.violated[i] ? style_violated : style_ok);
    }
    for (int i = 0; i < RULE_COUNT; ++i) {
        verst[i]->setText(sys[i]->text());
        set_style_sheet(verst[i], sys[i]->styleSheet());
    }
}

bool geometry_rule_shown_violated(const Ui_MainWindow& ui, const QString& style_violated)
{
    for (const QLabel* l : {ui.lb_kommentar_hro, ui.lb_kommentar_hru, ui.lb_kommentar_a, ui.lb_kommentar_hd,
                            ui.lb_kommentar_d})
        if (l->styleSheet() == style_violated) return true;
    return false;
}

void enable_design_actions(Ui_MainWindow& ui, bool enabled)
{
    ui.actionCalculation->setEnabled(enabled);
    ui.actionDruckvorschau->setEnabled(enabled);
    ui.actionDrucken->setEnabled(enabled);
}
