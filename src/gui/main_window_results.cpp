// The results panel: three rows of check name, bar and percentage, a status line and the frame
// whose colour is the verdict. Results that no longer belong to the inputs on screen are shown in
// grey and named as outdated; the frame is green only after a passing calculation of those inputs.
#include "gui/main_window.h"
#include "gui/results_panel.h"
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include "core/verdict.h"
#include "gui/geometry_rules.h"
#include "national_annex/nad_current.h"

namespace {

const int kBarMax = 120;   // a bar shows up to 120 %

// The panel's rows, each a check the calculation lists: the opening, bending and shear.
const struct {
    int kind;
    const char* name;
} kCheckRows[3] = {{RESULT_KIND_OPENING, "Querzug am Durchbruch"},
                   {RESULT_KIND_BENDING, "Biegung am Durchbruch"},
                   {RESULT_KIND_SHEAR, "Schub am reduzierten Querschnitt"}};

QString percent_text(double p)
{
    return QLocale::c().toString(p, 'f', 2) + QStringLiteral(" %");
}

const QString kOutdatedText = QStringLiteral("color: grey;");

// Setting a font a widget has already still resolves it against the widget's parents and style.
bool set_font(QWidget* w, const QFont& f)
{
    if (w->font() == f)
        return false;
    w->setFont(f);
    return true;
}

bool set_text(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return false;
    label->setText(text);
    return true;
}

// A progress bar paints itself at once when its value changes; held back, it is painted with the
// rest of the panel at the next turn of the event loop.
void set_bar(QProgressBar* bar, int value)
{
    if (bar->value() == value)
        return;
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(true);
}

// The width a one-line plain-text label asks its layout for, worked out as the label does it;
// the label's own size hint is no help once the label has a fixed size, as it never falls below it.
int text_width(const QLabel* label)
{
    const QMargins m = label->contentsMargins();
    const int extra = 2 * label->margin() + m.left() + m.right();
    const int flags = int(label->alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter));
    return label->fontMetrics().boundingRect(0, 0, 2000 - extra, 2000, flags, label->text()).width() + extra;
}

// A label that may change its size asks the whole window to lay itself out again whenever its text
// changes. The percentages change with every calculation, so their labels are given the size the
// layout gives them, as a fixed size: the width of the widest text (at least min_width) and one
// line. Only a change of that size lays out the window again.
void pin_sizes(QLabel* const* labels, int count, int min_width)
{
    int width = min_width;
    for (int i = 0; i < count; ++i)
        width = std::max(width, text_width(labels[i]));
    for (int i = 0; i < count; ++i) {
        const QSize want(width, QFontMetrics(labels[i]->font()).height());
        if (labels[i]->minimumSize() != want || labels[i]->maximumSize() != want)
            labels[i]->setFixedSize(want);
    }
}

// A word-wrapped label asks its layout for one line's height only, whatever its text needs at the
// width it is given; the layout then lays the column out shorter than its contents, and the panels
// of the column slide over one another. Kept at the height its text needs at its width, the label
// makes the window as tall as its column.
class WrappedHeight : public QObject {
public:
    // fallback_width: the width to reckon with before the label is laid out.
    WrappedHeight(QLabel* label, int fallback_width) : QObject(label), label_(label), fallback_(fallback_width)
    {
        label->installEventFilter(this);
    }
    void fit()
    {
        // The label's own height for a width never falls below its least height: measured here.
        const int width = label_->testAttribute(Qt::WA_Resized) ? label_->width() : fallback_;
        const QMargins m = label_->contentsMargins();
        const int extra_w = m.left() + m.right() + 2 * label_->margin();
        const int extra_h = m.top() + m.bottom() + 2 * label_->margin();
        const int height = label_->text().isEmpty()
                               ? 0
                               : label_->fontMetrics()
                                         .boundingRect(QRect(0, 0, std::max(width - extra_w, 50), 100000),
                                                       int(Qt::TextWordWrap | label_->alignment()), label_->text())
                                         .height() +
                                     extra_h;
        if (label_->minimumHeight() != height)
            label_->setMinimumHeight(height);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize || e->type() == QEvent::FontChange)
            fit();
        return false;
    }

private:
    QLabel* label_;
    int fallback_;
};

void fit_wrapped_height(QLabel* label)
{
    if (auto* keeper = label->findChild<WrappedHeight*>(QString(), Qt::FindDirectChildrenOnly))
        keeper->fit();
}

} // namespace

ResultRowView result_row_view(double eta)
{
    ResultRowView v;
    if (std::isnan(eta) || std::isinf(eta)) {
        v.text = QStringLiteral("nicht nachweisbar");
        v.bar = kBarMax;
        v.failed = true;
        return v;
    }
    if (eta < 0.0)
        return v;
    const double p = 100.0 * eta;
    v.text = percent_text(p);
    v.bar = static_cast<int>(std::min(p, double(kBarMax)));
    v.failed = !verdict_passes(eta);
    return v;
}

PanelVerdict panel_verdict(bool current, const QVector<CheckResult>& results, bool bending_on, bool shear_on,
                           double eta_max, bool rule_breached)
{
    if (!current)
        return PanelVerdict::None;
    if (rule_breached)
        return PanelVerdict::Failed;
    bool computed = false, missing_value = false, failed = false;
    for (const CheckResult& r : results) {
        const ResultRowView v = result_row_view(r.eta);
        if (v.text.isEmpty())
            missing_value = true;
        else
            computed = true;
        failed = failed || v.failed;
    }
    const auto has = [&](int kind) {
        return std::any_of(results.begin(), results.end(), [kind](const CheckResult& r) { return r.kind == kind; });
    };
    const bool check_missing = !has(RESULT_KIND_OPENING) || (bending_on && !has(RESULT_KIND_BENDING)) ||
                               (shear_on && !has(RESULT_KIND_SHEAR));
    // Nothing computed (no loads): nothing to judge.
    if (!computed && !failed)
        return PanelVerdict::None;
    if (failed || check_missing || !verdict_passes(eta_max))
        return PanelVerdict::Failed;
    if (missing_value)
        return PanelVerdict::None;
    return PanelVerdict::Passed;
}

QString not_verifiable_status(const TAVO52_DATA& d, bool bending_on, bool shear_on)
{
    const bool on[3] = {true, bending_on, shear_on};
    QStringList lines;
    for (int i = 0; i < 3; ++i) {
        const bool listed = std::any_of(d.nachweise.begin(), d.nachweise.end(),
                                        [&](const CheckResult& r) { return r.kind == kCheckRows[i].kind; });
        if (!on[i] || !listed)
            continue;
        const std::string cause = not_verifiable_cause(d, kCheckRows[i].kind);
        if (!cause.empty())
            lines << QStringLiteral("%1 nicht nachweisbar: %2.")
                         .arg(QString::fromUtf8(kCheckRows[i].name), QString::fromUtf8(cause.c_str()));
    }
    return lines.join(QLatin1Char('\n'));
}

QString detailing_breach_text(const DetailingBreach& b)
{
    const QString values = QStringLiteral(" (l_ad = %1 mm < %2 mm)").arg(std::round(b.have)).arg(std::round(b.need));
    switch (b.rule) {
    case DetailingRule::RodAnchorage:
        return QStringLiteral("Verankerungslänge l_ad ≥ max{0,5 d_r²; 10 d_r} nicht eingehalten") + values;
    case DetailingRule::ScrewEmbedment:
        return QStringLiteral("Einbindelänge der Schrauben l_ad ≥ 4 d nicht eingehalten") + values;
    case DetailingRule::None: break;
    }
    return QString();
}

// The three result rows with their names and percentages, and the status line below them.
void MainWindow::build_result_bars()
{
    erg_layout = new QGridLayout(gb_ergebnisse);
    erg_layout->setObjectName(QStringLiteral("erg_layout"));
    const int line = QFontMetrics(font()).height();
    // The percentages' column holds the widest percentage at least.
    erg_prozent_width = QFontMetrics(font()).horizontalAdvance(percent_text(999.99));
    for (int r = 0; r < 3; ++r) {
        erg_name[r] = new QLabel(QStringLiteral(" "), gb_ergebnisse);
        erg_name[r]->setObjectName(QStringLiteral("erg_name_%1").arg(r));
        // The name may run on over the percentages' column.
        erg_layout->addWidget(erg_name[r], 2 * r + 1, 0, 1, 2);
        erg_balken[r] = new QProgressBar(gb_ergebnisse);
        erg_balken[r]->setObjectName(QStringLiteral("erg_balken_%1").arg(r));
        erg_balken[r]->setRange(0, kBarMax);
        erg_balken[r]->setValue(0);
        erg_balken[r]->setTextVisible(false);
        erg_balken[r]->setStyleSheet(style_balken_ok);
        erg_balken[r]->setMaximumHeight(line);
        erg_layout->addWidget(erg_balken[r], 2 * r + 2, 0);
        // Nothing is computed yet: no percentage.
        erg_prozent[r] = new QLabel(QString(), gb_ergebnisse);
        erg_prozent[r]->setObjectName(QStringLiteral("erg_prozent_%1").arg(r));
        erg_prozent[r]->setMinimumWidth(erg_prozent_width);
        erg_layout->addWidget(erg_prozent[r], 2 * r + 2, 1);
        erg_name[r]->setFont(font());
        erg_prozent[r]->setFont(font());
    }
    erg_status = new QLabel(gb_ergebnisse);
    erg_status->setObjectName(QStringLiteral("erg_status"));
    erg_status->setWordWrap(true);
    erg_layout->addWidget(erg_status, 7, 0, 1, 2);
    for (QLabel* wrapped : {erg_status, lb_Schub_kappa_kreis})
        (new WrappedHeight(wrapped, gv_plot->minimumWidth() - 40))->fit();
}

// A wrapped status line asks for the lines it needs as its least height, so that the window grows
// for it instead of pressing the panels above it onto one another.
void MainWindow::fit_status_height()
{
    fit_wrapped_height(erg_status);
    // The panel's least height is given to it outright: a least height the column takes from its
    // items' own hints leaves out what a wrapped line adds.
    const int least = erg_layout->totalMinimumSize().height();
    if (gb_ergebnisse->minimumHeight() != least)
        gb_ergebnisse->setMinimumHeight(least);
}

void MainWindow::apply_result_frame(PanelVerdict verdict)
{
    if (verdict == PanelVerdict::None) {
        set_style_sheet(gb_ergebnisse, QStringLiteral("QGroupBox { color : black;  border-width: 1px; border-color: grey; "
                                                      "border-style: solid; border-radius: 4px;}"));
        return;
    }
    const bool failed = verdict == PanelVerdict::Failed;
    const QColor& c = failed ? color_ergwin_fehler : color_ergwin_ok;
    const QString ink = failed ? QStringLiteral("red") : QStringLiteral("green");
    set_style_sheet(gb_ergebnisse, QStringLiteral("QGroupBox { background-color: ") + c.name() +
                                       QStringLiteral("; color : ") + ink +
                                       QStringLiteral(";  border-width: 1px; border-color: ") + ink +
                                       QStringLiteral("; border-style: solid; border-radius: 4px;}"));
}

bool MainWindow::results_current() const
{
    return calc_gen >= 0 && calc_gen == input_gen;
}

// Every input that a result depends on counts as a change; the panel greys its results at the
// next turn of the event loop unless a calculation of the new inputs has come first.
void MainWindow::connect_result_inputs()
{
    const auto changed = [this] { note_input_change(); };
    connect_fields(BindPhase::Results);
    // The model tells its item's change before its data change; the window calculates on the item's
    // change, so that is where the change is counted, ahead of that calculation.
    connect(lasten_model, &QStandardItemModel::itemChanged, this, changed);
    connect(lasten_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(lasten_model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(lasten_model, &QAbstractItemModel::modelReset, this, changed);
}

void MainWindow::note_input_change()
{
    ++input_gen;
    if (panel_refresh_queued)
        return;
    panel_refresh_queued = true;
    QTimer::singleShot(0, this, [this] {
        panel_refresh_queued = false;
        // A calculation of the new inputs has shown its results already.
        if (shown_gen != input_gen)
            show_results();
    });
}

// Why the panel gives no verdict, or what it could not verify; empty when the verdict says it all.
QString MainWindow::results_status(PanelVerdict verdict) const
{
    const bool calculated = calc_gen >= 0;
    if (!results_current()) {
        QString why;
        if (!actionCalculation->isEnabled()) {
            const QStringList rules = rule_violations();
            why = rules.isEmpty() ? QStringLiteral("eine Regel ist verletzt.")
                                  : QStringLiteral("Regel verletzt: ") + rules.join(QStringLiteral("; ")) +
                                        QLatin1Char('.');
        }
        if (!calculated)
            return why.isEmpty() ? QStringLiteral("Noch nicht berechnet.") : QStringLiteral("Nicht berechnet: ") + why;
        return QStringLiteral("Veraltet: ") +
               (why.isEmpty() ? QStringLiteral("die Eingaben wurden seit der letzten Berechnung geändert.") : why);
    }
    if (data_object.lasten.isEmpty())
        return QStringLiteral("Keine Lasten definiert!");
    const QString breach = detailing_breach_text(detailing_breach(data_object));
    if (!breach.isEmpty())
        return breach + QLatin1Char('.');
    QStringList missing;
    const auto has = [&](int kind) {
        return std::any_of(data_object.nachweise.begin(), data_object.nachweise.end(),
                           [kind](const CheckResult& r) { return r.kind == kind; });
    };
    const bool on[3] = {true, cb_Biegung->isChecked(), cb_Schub->isChecked()};
    for (int i = 0; i < 3; ++i)
        if (on[i] && !has(kCheckRows[i].kind))
            missing << QString::fromUtf8(kCheckRows[i].name);
    if (!missing.isEmpty())
        return QStringLiteral("Nicht nachweisbar: ") + missing.join(QStringLiteral(", "));
    const QString causes = not_verifiable_status(data_object, cb_Biegung->isChecked(), cb_Schub->isChecked());
    if (!causes.isEmpty())
        return causes;
    if (verdict == PanelVerdict::None)
        return QStringLiteral("Ohne Ergebnis: keine Ausnutzung berechnet.");
    return QString();
}

void MainWindow::show_results()
{
    const int line = QFontMetrics(font()).height();
    const bool calculated = calc_gen >= 0;
    const bool current = results_current();
    const QVector<CheckResult>& list = data_object.nachweise;
    const bool breach = calculated && bool(detailing_breach(data_object));
    // Each check keeps its row, whether performed or not.
    const bool on[3] = {true, cb_Biegung->isChecked(), cb_Schub->isChecked()};
    bool percent_changed = false;
    for (int i = 0; i < 3; ++i) {
        set_text(erg_name[i], QString::fromUtf8(kCheckRows[i].name));
        const CheckResult* res = nullptr;
        if (calculated)
            for (const CheckResult& r : list)
                if (r.kind == kCheckRows[i].kind) res = &r;
        ResultRowView v;
        QString bar_text;
        if (!on[i]) {
            bar_text = QStringLiteral("nicht geführt (ausgeschaltet)");
        } else if (res && i == 0 && breach) {
            // The checks' 2.0 marks the rule; it is no utilisation.
            v.text = QStringLiteral("Regel verletzt");
            v.bar = kBarMax;
            v.failed = true;
        } else if (res && !not_verifiable_cause(data_object, kCheckRows[i].kind).empty()) {
            // The checks' mark (2.0, +inf) is no utilisation: the status line names the cause.
            v.text = QStringLiteral("nicht nachweisbar");
            v.bar = kBarMax;
            v.failed = true;
        } else if (res) {
            v = result_row_view(res->eta);
        } else if (current && !data_object.lasten.isEmpty()) {
            v.text = QStringLiteral("nicht nachweisbar");
            v.bar = kBarMax;
            v.failed = true;
        }
        set_bar(erg_balken[i], v.bar);
        QString style = !current ? style_balken_veraltet : v.failed ? style_balken_fehler : style_balken_ok;
        if (!bar_text.isEmpty())
            style += QStringLiteral(" QProgressBar { color: grey; }");
        set_style_sheet(erg_balken[i], style);
        if (erg_balken[i]->format() != bar_text)
            erg_balken[i]->setFormat(bar_text);
        erg_balken[i]->setTextVisible(!bar_text.isEmpty());
        // A bar with a text is as high as the text with the bar's border around it.
        erg_balken[i]->setMaximumHeight(bar_text.isEmpty() ? line : line + 6);
        percent_changed |= set_text(erg_prozent[i], v.text);
    }
    for (int i = 0; i < 3; ++i) {
        set_font(erg_name[i], font());
        percent_changed |= set_font(erg_prozent[i], font());
        set_style_sheet(erg_prozent[i], current ? QString() : kOutdatedText);
    }
    // Fonts are also given to every widget at once, past this panel.
    if (percent_changed || erg_prozent[0]->font() != erg_prozent_pinned_font) {
        pin_sizes(erg_prozent, 3, erg_prozent_width);
        erg_prozent_pinned_font = erg_prozent[0]->font();
    }
    // Setting a stretch lays out the whole window again, even an unchanged one.
    if (erg_layout->rowStretch(0) != 2)
        erg_layout->setRowStretch(0, 2);
    const PanelVerdict verdict =
        panel_verdict(current, list, cb_Biegung->isChecked(), cb_Schub->isChecked(), data_object.eta_max, breach);
    QString status = results_status(verdict);
    // A refused national-annex set is said whatever the results: the standard values stand in.
    // Its reason names the set file by its whole path, which would make the window taller than the
    // screen: the status line says what applies, its tool tip why.
    const std::string refused = nad_refusal_note();
    const std::string::size_type why = refused.find(" Grund: ");
    if (!refused.empty())
        status += (status.isEmpty() ? QString() : QStringLiteral("\n")) +
                  dos_to_latin1_qstring(refused.substr(0, why).c_str());
    set_font(erg_status, font());
    erg_status->setText(status);
    erg_status->setToolTip(why == std::string::npos ? QString() : dos_to_latin1_qstring(refused.substr(why + 1).c_str()));
    set_style_sheet(erg_status, current ? QStringLiteral("color: #cc0000;") : kOutdatedText);
    erg_status->setVisible(!status.isEmpty());
    fit_status_height();
    apply_result_frame(verdict);
    shown_gen = input_gen;
}
