// The results panel in each of its states: what the rows, bars, status line and frame say, and
// that no verdict is shown for results that do not belong to the inputs on screen.
#include "gui/exit_dialog.h"
#include "gui/results_panel.h"
#include "window_fixture.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>
#include <limits>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

// Verdict: each bar red when its own value fails, else green; Outdated: every bar grey.
enum class Bar { Verdict, Outdated };
enum class Frame { Neutral, Green, Red };

struct Row {
    std::string name;
    std::string percent;   // "*" for any computed percentage
    int bar;               // -1 for any value above 0
};

class ResultsPanelTest : public WindowTest {
protected:
    // Unreinforced glulam GL30h within every geometry rule (see the rule tests), bending and shear on.
    static TAVO52_DATA* position(double m_d, bool auto_calc)
    {
        TAVO52_DATA* d = base_position();
        d->h_ro = 102;
        d->h_ru = 102;
        d->a = 90;
        d->biegung = 1;
        d->schub = 1;
        d->cal_auto = auto_calc ? 1 : 0;
        LoadRow load;
        load.v_l = load.v_r = 2.0;
        load.m_l = load.m_r = m_d;
        load.kled = 0;
        d->lasten = {load};
        return d;
    }

    void open_position(double m_d, bool auto_calc)
    {
        std::unique_ptr<TAVO52_DATA> d(position(m_d, auto_calc));
        open(*d);
    }

    QLabel* label(const char* base, int i)
    {
        return find<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i).toLatin1().constData());
    }
    QProgressBar* bar(int i)
    {
        return find<QProgressBar>(QStringLiteral("erg_balken_%1").arg(i).toLatin1().constData());
    }

    Frame frame()
    {
        const QString s = find<QGroupBox>("gb_ergebnisse")->styleSheet();
        if (s.contains("color : green")) return Frame::Green;
        if (s.contains("color : red")) return Frame::Red;
        EXPECT_FALSE(s.contains("background-color")) << "no verdict colour: " << s.toStdString();
        return Frame::Neutral;
    }

    std::string status()
    {
        auto* l = find<QLabel>("erg_status");
        return l->isVisible() ? l->text().toStdString() : std::string();
    }

    // The rows as shown, their bars' style and the frame; the percentages of computed rows are
    // those of the result list, two decimals with a point.
    void expect_panel(const std::vector<Row>& rows, Bar style, Frame f, const std::string& status_part)
    {
        QCoreApplication::processEvents();
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const Row& r = rows[i];
            EXPECT_EQ(label("erg_name", i)->text().toStdString(), r.name);
            const std::string percent = label("erg_prozent", i)->text().toStdString();
            if (r.percent == "*") {
                ASSERT_LT(i, data_object.nachweise.size());
                EXPECT_EQ(percent, QString::number(100.0 * data_object.nachweise[i].eta, 'f', 2).toStdString() + " %");
            } else {
                EXPECT_EQ(percent, r.percent);
            }
            EXPECT_EQ(percent.find('-'), std::string::npos) << "never a sentinel as a number";
            if (r.bar < 0) EXPECT_GT(bar(i)->value(), 0);
            else EXPECT_EQ(bar(i)->value(), r.bar);
            if (r.bar != 0) {
                const QString s = bar(i)->styleSheet();
                const bool red = i < data_object.nachweise.size() && result_row_view(data_object.nachweise[i].eta).failed;
                const char* want = style == Bar::Outdated ? "#a0a0a0" : red ? "#cc0000" : "#006400";
                EXPECT_TRUE(s.contains(want)) << want;
            }
            if (!percent.empty()) {
                EXPECT_EQ(label("erg_prozent", i)->styleSheet().contains("grey"), style == Bar::Outdated);
            }
        }
        EXPECT_EQ(int(frame()), int(f));
        if (status_part.empty()) EXPECT_EQ(status(), "");
        else EXPECT_NE(status().find(status_part), std::string::npos) << status();
    }
};

const std::vector<Row> kComputed = {{"Querzug am Durchbruch", "*", -1},
                                    {"Biegung am Durchbruch", "*", -1},
                                    {"Schub am reduzierten Querschnitt", "*", -1}};
const std::vector<Row> kNamesOnly = {{"Querzug am Durchbruch", "", 0},
                                     {"Biegung am Durchbruch", "", 0},
                                     {"Schub am reduzierten Querschnitt", "", 0}};

} // namespace

// Rows and verdicts of single utilisations, judged on the value printed with three decimals.
TEST(ResultRows, ThresholdsSentinelsAndValuesThatAreNoNumber)
{
    const struct { double eta; const char* text; int bar; bool failed; } cases[] = {
        {0.0, "0.00 %", 0, false},
        {0.5, "50.00 %", 50, false},
        {1.0005, "100.05 %", 100, false},
        {1.0093, "100.93 %", 100, false},   // printed 1.009
        {1.0095, "100.95 %", 100, true},    // printed 1.010
        {1.01, "101.00 %", 101, true},
        {1.35, "135.00 %", 120, true},
        {-1.0, "", 0, false},                // the checks' mark for nothing computed
        {kInf, "nicht nachweisbar", 120, true},
        {std::nan(""), "nicht nachweisbar", 120, true},
    };
    for (const auto& c : cases) {
        const ResultRowView v = result_row_view(c.eta);
        EXPECT_EQ(v.text.toStdString(), c.text) << c.eta;
        EXPECT_EQ(v.bar, c.bar) << c.eta;
        EXPECT_EQ(v.failed, c.failed) << c.eta;
    }
}

TEST(ResultRows, FrameVerdicts)
{
    const auto list = [](std::vector<std::pair<int, double>> rows) {
        QVector<CheckResult> out;
        for (auto [kind, eta] : rows) out.append(CheckResult{QStringLiteral("x"), eta, kind});
        return out;
    };
    const struct { const char* what; bool current; QVector<CheckResult> results; bool bending, shear; double eta_max;
                   PanelVerdict want; } cases[] = {
        {"all pass", true, list({{0, 0.3}, {2, 0.5}, {3, 0.2}}), true, true, 0.5, PanelVerdict::Passed},
        {"one fails", true, list({{0, 0.3}, {2, 1.2}, {3, 0.2}}), true, true, 1.2, PanelVerdict::Failed},
        {"tolerated", true, list({{0, 1.009}}), false, false, 1.009, PanelVerdict::Passed},
        {"outdated", false, list({{0, 0.3}}), false, false, 0.3, PanelVerdict::None},
        {"no loads", true, list({{0, -1}, {2, -1}, {3, -1}}), true, true, 0.0, PanelVerdict::None},
        {"opening check not run", true, list({{2, 0.5}}), true, false, kInf, PanelVerdict::Failed},
        {"nothing ran", true, list({}), false, false, kInf, PanelVerdict::None},
        {"bending on, not in the list", true, list({{0, 0.3}}), true, false, 0.3, PanelVerdict::Failed},
        {"not verifiable", true, list({{0, kInf}}), false, false, kInf, PanelVerdict::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(panel_verdict(c.current, c.results, c.bending, c.shear, c.eta_max)), int(c.want)) << c.what;
}

TEST_F(ResultsPanelTest, NewPositionShowsNamesOnlyAndNoVerdict)
{
    // No file: a new position (its beam is what the data object holds; whether a rule holds varies).
    open_file();
    expect_panel(kNamesOnly, Bar::Verdict, Frame::Neutral, "icht berechnet");
    const QImage shot = find<QGroupBox>("gb_ergebnisse")->grab().toImage();
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT")) shot.save(QString::fromLocal8Bit(keep) + "_new.png");
    w.reset();
    // The demo beam with its opening of 100 x 100 in 240: h_d = 100 > 0.15 h breaks a rule.
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    expect_panel(kNamesOnly, Bar::Verdict, Frame::Neutral, "Nicht berechnet: eine Geometrieregel ist verletzt.");
    w.reset();
    open_position(4.0, false);
    expect_panel(kNamesOnly, Bar::Verdict, Frame::Neutral, "Noch nicht berechnet.");
}

TEST_F(ResultsPanelTest, PassingAndFailingCalculations)
{
    open_position(4.0, false);
    find<QAction>("actionCalculation")->trigger();
    ASSERT_EQ(data_object.nachweise.size(), 3);
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
    const QImage shot = find<QGroupBox>("gb_ergebnisse")->grab().toImage();
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT")) shot.save(QString::fromLocal8Bit(keep) + "_passed.png");

    // Five times the moment: bending fails, the frame turns red.
    w->loads_model()->item(0, 3)->setData(20.0, Qt::EditRole);
    w->loads_model()->item(0, 6)->setData(20.0, Qt::EditRole);
    find<QAction>("actionCalculation")->trigger();
    ASSERT_GT(data_object.nachweise[1].eta, 1.01);
    expect_panel(kComputed, Bar::Verdict, Frame::Red, "");
}

TEST_F(ResultsPanelTest, ChangesNotYetCalculatedAndViolatedRulesGreyTheResults)
{
    open_position(4.0, false);
    find<QAction>("actionCalculation")->trigger();
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");

    // Without automatic calculation a new grade waits for the calculator: the old values in grey.
    find<QComboBox>("cb_holzguete")->setCurrentIndex(4);
    EXPECT_FALSE(w->results_current());
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, "Veraltet: die Eingaben wurden");
    const QImage shot = find<QGroupBox>("gb_ergebnisse")->grab().toImage();
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT")) shot.save(QString::fromLocal8Bit(keep) + "_outdated.png");
    find<QAction>("actionCalculation")->trigger();
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");

    // A violated rule blocks calculating: the results stay grey until the rule holds again.
    type_into(find<QSpinBox>("ed_Balken_hru"), QStringLiteral("101"));   // h_d = 37 > 0.15 h = 36
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, "Veraltet: eine Geometrieregel ist verletzt.");
    find<QAction>("actionCalculation")->trigger();
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, "Veraltet: eine Geometrieregel ist verletzt.");
    type_into(find<QSpinBox>("ed_Balken_hru"), QStringLiteral("102"));
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, "Veraltet: die Eingaben wurden");
    find<QAction>("actionCalculation")->trigger();
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
}

// With automatic calculation on, a new grade recalculates at once: sigma_m = M / W_n stays, f_m,k
// falls from 30 (GL30h) to 28 N/mm² (GL28h), so the bending utilisation rises by 30 / 28.
TEST_F(ResultsPanelTest, AutomaticCalculationKeepsThePanelCurrent)
{
    open_position(4.0, true);
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
    const double gl30h = data_object.nachweise[1].eta;
    find<QComboBox>("cb_holzguete")->setCurrentIndex(4);
    EXPECT_NEAR(data_object.nachweise[1].eta, gl30h * 30.0 / 28.0, 1e-12);
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
    click(find<QRadioButton>("rb_Balken_NKL2"));
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
}

TEST_F(ResultsPanelTest, NoLoadsShowNoPercentageAndNoBar)
{
    open_position(4.0, true);
    w->loads_model()->removeRow(0);
    QCoreApplication::processEvents();
    ASSERT_EQ(data_object.lasten.size(), 0);
    // The opening check has nothing to check and leaves its row out; the other two have no value.
    expect_panel({{"Biegung am Durchbruch", "", 0}, {"Schub am reduzierten Querschnitt", "", 0}, {"", "", 0}},
                 Bar::Verdict, Frame::Neutral, "Keine Lasten definiert!");
}

// What a calculation leaves when the opening check could not run, or a value is no number: the
// rows that are there, no green frame, and the check named.
TEST_F(ResultsPanelTest, OpeningCheckThatCouldNotRunIsNamed)
{
    open_position(4.0, false);
    find<QAction>("actionCalculation")->trigger();
    // The list as the checks leave it when the opening check fails: bending and shear only.
    data_object.nachweise.removeFirst();
    data_object.eta_max = kInf;
    w->display_nachweise(0);
    expect_panel({{"Biegung am Durchbruch", "*", -1}, {"Schub am reduzierten Querschnitt", "*", -1}, {"", "", 0}},
                 Bar::Verdict, Frame::Red, "Nicht nachweisbar: Querzug am Durchbruch");

    data_object.nachweise[0].eta = kInf;
    w->display_nachweise(0);
    expect_panel({{"Biegung am Durchbruch", "nicht nachweisbar", 120}, {"Schub am reduzierten Querschnitt", "*", -1},
                  {"", "", 0}},
                 Bar::Verdict, Frame::Red, "Nicht nachweisbar: Querzug am Durchbruch");

    // The percentages' column is as wide as its widest text and at least as wide as "999.99 %":
    // it widens for the longer text, every row's label with it, and narrows again for a number.
    const auto column = [&] {
        int width = QFontMetrics(w->font()).horizontalAdvance(QStringLiteral("999.99 %"));
        for (int i = 0; i < 3; ++i) {
            QLabel alone(label("erg_prozent", i)->text());
            alone.setFont(label("erg_prozent", i)->font());
            width = std::max(width, alone.sizeHint().width());
        }
        return width;
    };
    const QLabel* first = label("erg_prozent", 0);
    QCoreApplication::processEvents();
    const int wide = first->width();
    EXPECT_EQ(wide, column());
    EXPECT_GT(wide, QFontMetrics(w->font()).horizontalAdvance(QStringLiteral("999.99 %")));
    EXPECT_EQ(label("erg_prozent", 1)->width(), wide);
    EXPECT_EQ(label("erg_prozent", 2)->width(), wide);
    data_object.nachweise[0].eta = 0.5;
    w->display_nachweise(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(first->text(), QStringLiteral("50.00 %"));
    EXPECT_EQ(first->width(), column());
    EXPECT_LT(first->width(), wide);
    EXPECT_EQ(label("erg_prozent", 1)->width(), first->width());
}

// The reset colours give the frame the colour of its verdict, and none without one.
TEST_F(ResultsPanelTest, ResetColoursFollowTheVerdict)
{
    open_position(4.0, false);
    w->set_application_default_color();
    EXPECT_EQ(int(frame()), int(Frame::Neutral));
    find<QAction>("actionCalculation")->trigger();
    w->set_application_default_color();
    EXPECT_TRUE(find<QGroupBox>("gb_ergebnisse")->styleSheet().contains("#bcffcf"));
    data_object.nachweise[1].eta = 1.0095;   // printed 1.010
    data_object.eta_max = 1.0095;
    w->set_application_default_color();
    EXPECT_TRUE(find<QGroupBox>("gb_ergebnisse")->styleSheet().contains("#ff9999"));
}

// Every button text of the exit, options and national-annex dialogs fits its button.
TEST_F(WindowTest, DialogsShowTheirWholeTexts)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    for (const char* action : {"actionEnde", "actionEinstellungen", "actionNationalerAnhang"})
        find<QAction>(action)->trigger();
    QCoreApplication::processEvents();
    int dialogs = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top == w.get()) continue;
        ++dialogs;
        if (const char* keep = std::getenv("TAVO_KEEP_SHOT"))
            top->grab().save(QString::fromLocal8Bit(keep) + "_" + top->objectName() + ".png");
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
            if (!b->isVisible()) continue;
            EXPECT_GE(b->width(), b->sizeHint().width())
                << top->objectName().toStdString() << ": " << b->text().toStdString();
        }
        top->hide();
    }
    EXPECT_EQ(dialogs, 3);
    EXPECT_GE(w->exitDialog()->butExitNoSave->width(), 181);
}

// Every input a user can change on the system tab and among the plates: with automatic
// calculation on, each one leaves the panel current; with it off, each one that changes the
// position greys the results until the calculator is pressed.
TEST_F(ResultsPanelTest, EveryInputRecalculatesOrGreysTheResults)
{
    for (const bool auto_calc : {true, false}) {
        SCOPED_TRACE(auto_calc ? "automatic" : "by hand");
        std::unique_ptr<TAVO52_DATA> d(position(4.0, auto_calc));
        d->verstaerkt = 1;
        d->verst_typ = 0;   // plates
        d->a_r = 60;
        d->h_1 = 60;
        open(*d);
        QAction* calc = find<QAction>("actionCalculation");
        calc->trigger();
        ASSERT_TRUE(w->results_current());
        auto* tabs = find<QTabWidget>("tabWidget");
        int checked = 0;
        for (int tab = 0; tab < 2; ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            std::vector<QWidget*> inputs;
            for (QWidget* x : tabs->currentWidget()->findChildren<QWidget*>())
                if (qobject_cast<QAbstractSpinBox*>(x) || qobject_cast<QComboBox*>(x) || qobject_cast<QCheckBox*>(x) ||
                    qobject_cast<QRadioButton*>(x))
                    inputs.push_back(x);
            for (QWidget* x : inputs) {
                if (!x->isVisible() || !x->isEnabled() || x->objectName().startsWith("cb_import")) continue;
                SCOPED_TRACE(x->objectName().toStdString());
                w->maske2data();
                const std::string before = position_data_text(data_object);
                if (auto* sb = qobject_cast<QAbstractSpinBox*>(x)) {
                    sb->setFocus();
                    QTest::keyClick(sb, Qt::Key_Up);
                } else if (auto* cob = qobject_cast<QComboBox*>(x)) {
                    if (cob->count() < 2) continue;
                    cob->setCurrentIndex((cob->currentIndex() + 1) % cob->count());
                } else if (auto* b = qobject_cast<QAbstractButton*>(x)) {
                    click(b);
                }
                QCoreApplication::processEvents();
                w->maske2data();
                const bool changed = position_data_text(data_object) != before;
                // A change that breaks a rule cannot be calculated; the panel then says so.
                if (!calc->isEnabled()) {
                    EXPECT_FALSE(w->results_current());
                    EXPECT_NE(status().find("Veraltet"), std::string::npos);
                } else if (auto_calc) {
                    EXPECT_TRUE(w->results_current());
                } else {
                    EXPECT_EQ(w->results_current(), !changed);
                }
                checked += changed;
                if (calc->isEnabled()) calc->trigger();
            }
        }
        EXPECT_GE(checked, 20);
        w.reset();
    }
}
