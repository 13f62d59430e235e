#include "gui/geometry_rules.h"
#include "gui/main_window_form.h"
#include "national_annex/nad_ec5_block.h"
#include <QAction>
#include <QGridLayout>
#include <QLocale>
#include <algorithm>
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
const QString kSolidUnreinforced = QStringLiteral("Unverstärkte Durchbrüche in Nadel- oder Laubholz sind nicht zulässig");

// A length for a message: whole millimetres as they are, others with one decimal and a comma.
QString mm(double v)
{
    const double r = std::round(v);
    return (std::fabs(v - r) < 1e-9 ? QString::number(qint64(r)) : QLocale(QLocale::German).toString(v, 'f', 1)) +
           QStringLiteral(" mm");
}

// The violated rules in plain text with the values that break them.
QStringList violation_texts(const GeometryRuleInput& in, const GeometryRuleResult& r)
{
    QStringList out;
    const double h = in.h;
    const QString f_side = in.reinforced ? QStringLiteral("0,25") : QStringLiteral("0,35");
    const double side = in.reinforced ? 0.25 : 0.35;
    if (r.violated[RULE_HRO])
        out << QStringLiteral("h_ro ") + kGe + QStringLiteral(" ") + f_side + QStringLiteral(" h (h_ro = ") + mm(in.h_ro) +
                   QStringLiteral(" < ") + mm(side * h) + QStringLiteral(")");
    if (r.violated[RULE_HRU])
        out << QStringLiteral("h_ru ") + kGe + QStringLiteral(" ") + f_side + QStringLiteral(" h (h_ru = ") + mm(in.h_ru) +
                   QStringLiteral(" < ") + mm(side * h) + QStringLiteral(")");
    if (r.violated[RULE_A]) {
        const double lim = in.reinforced ? h : 0.4 * h;
        out << QStringLiteral("h_a ") + kLe + (in.reinforced ? QStringLiteral(" h") : QStringLiteral(" 0,4 h")) +
                   QStringLiteral(" (a = ") + mm(r.a) + QStringLiteral(" > ") + mm(lim) + QStringLiteral(")");
    }
    if (r.violated[RULE_HD]) {
        if (r.h_d <= 0) {
            out << QStringLiteral("h_ro + h_ru < h (h_ro + h_ru = ") + mm(double(in.h_ro) + in.h_ru) +
                       QStringLiteral(", h = ") + mm(in.h) + QStringLiteral(")");
        } else {
            const QString f = !in.reinforced ? QStringLiteral("0,15") : in.plates ? QStringLiteral("0,4") : QStringLiteral("0,3");
            const double k = !in.reinforced ? 0.15 : in.plates ? 0.4 : 0.3;
            out << QStringLiteral("h_d ") + kLe + QStringLiteral(" ") + f + QStringLiteral(" h (h_d = ") + mm(r.h_d) +
                       QStringLiteral(" > ") + mm(k * h) + QStringLiteral(")");
        }
    }
    if (r.violated[RULE_D]) {
        if (!in.reinforced)
            out << QStringLiteral("d > 50 mm (d = ") + mm(r.d) + QStringLiteral(")");
        else
            out << QStringLiteral("a/h_d ") + kLe + QStringLiteral(" 2,5 (a/h_d = ") +
                       QLocale(QLocale::German).toString(double(r.a) / r.h_d, 'f', 2) + QStringLiteral(")");
    }
    if (r.inadmissible)
        out << QStringLiteral("NKL 3 nur bei verstärkten Querschnitten (der Durchbruch ist unverstärkt)");
    if (r.solid_unreinforced)
        out << kSolidUnreinforced;
    if (r.bar_violated) {
        const QString l = in.bars == RULE_BARS_RODS ? QStringLiteral("l_e") : QStringLiteral("l");
        const QString what = in.bars == RULE_BARS_RODS ? QStringLiteral("Gewindestangen") : QStringLiteral("Schrauben");
        const double reach = (in.bars_from_top ? in.h_ro : in.h_ru) + (in.circular ? 0.85 : 1.0) * r.h_d;
        if (in.bar_length <= 0.0)
            out << what + QStringLiteral(": keine Länge gewählt");
        else if (in.bar_length > in.h)
            out << what + QStringLiteral(" länger als der Träger: ") + l + QStringLiteral(" = ") +
                       mm(in.bar_length) + QStringLiteral(" > h = ") + mm(in.h);
        else
            out << what + QStringLiteral(" kreuzen den Durchbruch nicht: ") + l + QStringLiteral(" = ") +
                       mm(in.bar_length) + QStringLiteral(" ") + kLe + QStringLiteral(" ") + mm(reach);
    }
    return out;
}

} // namespace

bool GeometryRuleResult::any_violated() const
{
    for (bool v : violated)
        if (v) return true;
    return inadmissible || solid_unreinforced || bar_violated;
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
    // Residual heights that leave no opening: the rule they break is that they fit the beam.
    if (no_height)
        r.text[RULE_HD] = rich(QStringLiteral("h") + sub("ro") + QStringLiteral(" + h") + sub("ru") +
                               QStringLiteral(" &lt; h"));
    r.inadmissible = in.service_class_3 && in.annex_country && !in.reinforced;
    r.solid_unreinforced = in.solid_timber && !in.reinforced;
    if (in.reinforced && !in.plates && in.bars != RULE_BARS_NONE) {
        // The crack line lies at the opening's far edge, for a circle 0.15 h_d inside it.
        const QString l = in.bars == RULE_BARS_RODS ? QStringLiteral("l") + sub("e") : QStringLiteral("l");
        const QString side = in.bars_from_top ? QStringLiteral("h") + sub("ro") : QStringLiteral("h") + sub("ru");
        r.bar_text = rich(side + (in.circular ? QStringLiteral(" + 0,85 h") : QStringLiteral(" + h")) + sub("d") +
                          QStringLiteral(" &lt; ") + l + QStringLiteral(" ") + kLe + QStringLiteral(" h"));
        const double reach = (in.bars_from_top ? in.h_ro : in.h_ru) + (in.circular ? 0.85 : 1.0) * r.h_d;
        r.bar_violated = in.bar_length > in.h || !(in.bar_length > reach);
    }
    r.violations = violation_texts(in, r);
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
    in.service_class_3 = ui.rb_Balken_NKL3->isChecked();
    in.annex_country = cur_ec5_params && cur_ec5_params->country != 0;
    in.solid_timber = ui.rb_holzart_NH->isChecked() || ui.rb_holzart_LH->isChecked();
    if (ui.rb_verst_gewindestangen->isChecked()) {
        in.bars = RULE_BARS_RODS;
        in.bar_length = ui.ed_GS_le->value();
        in.bars_from_top = ui.rb_oben_gs->isChecked();
    } else if (ui.rb_verst_schrauben->isChecked()) {
        in.bars = RULE_BARS_SCREWS;
        in.bar_length = ui.cob_l_schraube->currentIndex() >= 0 ? ui.cob_l_schraube->currentData().toDouble() : 0.0;
        in.bars_from_top = ui.rb_oben_sc->isChecked();
    }
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

namespace {

// The rule label beside a bar length: made on first use, in the row below the group's last one.
QLabel* bar_rule_label(QGroupBox* group, const char* name)
{
    if (auto* l = group->findChild<QLabel*>(QLatin1String(name)))
        return l;
    auto* grid = qobject_cast<QGridLayout*>(group->layout());
    if (!grid)
        return nullptr;
    auto* l = new QLabel(group);
    l->setObjectName(QLatin1String(name));
    l->setFont(group->font());
    grid->addWidget(l, grid->rowCount(), 0, 1, std::max(2, grid->columnCount()));
    return l;
}

} // namespace

void show_further_rules(Ui_MainWindow& ui, const GeometryRuleResult& r, const QString& style_ok,
                        const QString& style_violated)
{
    // The button's own look while the rule holds; the rule's salmon while it is violated.
    const QString nkl3 = r.inadmissible ? QStringLiteral("QRadioButton { background-color: Salmon; }") : QString();
    set_style_sheet(ui.rb_Balken_NKL3, nkl3);
    ui.rb_Balken_NKL3->setToolTip(r.inadmissible ? QStringLiteral("Unverstärkte Durchbrüche sind in NKL 3 nicht zulässig.")
                                                 : QString());
    // The chosen solid wood kind carries the rule; the other kinds keep their own look.
    for (QRadioButton* kind : {ui.rb_holzart_NH, ui.rb_holzart_LH}) {
        const bool marked = r.solid_unreinforced && kind->isChecked();
        set_style_sheet(kind, marked ? QStringLiteral("QRadioButton { background-color: Salmon; }") : QString());
        kind->setToolTip(marked ? kSolidUnreinforced + QLatin1Char('.') : QString());
    }
    const bool rods = !r.bar_text.isEmpty() && ui.rb_verst_gewindestangen->isChecked();
    const bool screws = !r.bar_text.isEmpty() && ui.rb_verst_schrauben->isChecked();
    struct { QGroupBox* group; const char* name; bool active; } bars[] = {
        {ui.gb_stahlstab, "lb_kommentar_le", rods}, {ui.gb_schraube, "lb_kommentar_l_schraube", screws}};
    for (const auto& b : bars) {
        QLabel* l = bar_rule_label(b.group, b.name);
        if (!l) continue;
        // A kind not chosen shows no rule.
        l->setVisible(b.active);
        if (!b.active) continue;
        l->setText(r.bar_text);
        set_style_sheet(l, r.bar_violated ? style_violated : style_ok);
    }
}

void explain_design_actions(Ui_MainWindow& ui, const QStringList& reasons)
{
    for (QAction* a : {ui.actionCalculation, ui.actionDruckvorschau, ui.actionDrucken}) {
        // The action's own tip is kept the first time, before any reason is added to it.
        if (!a->property("own_tool_tip").isValid())
            a->setProperty("own_tool_tip", a->toolTip());
        const QString own = a->property("own_tool_tip").toString();
        a->setToolTip(a->isEnabled() || reasons.isEmpty()
                          ? own
                          : own + QStringLiteral("\nNicht möglich, solange eine Regel verletzt ist:\n") +
                                reasons.join(QLatin1Char('\n')));
    }
}
