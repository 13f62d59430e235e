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
#include <QTableView>
#include <cmath>
#include <functional>
#include <limits>
#include "national_annex/nad_ec5_block.h"
#include "platform/os/codepage.h"

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
    // The position takes the shipped standard set (the checks' values as without a set file), so
    // that no refused set speaks in the status line.
    void SetUp() override
    {
        WindowTest::SetUp();
        std::filesystem::create_directories(dir.file("DATA/NAD"));
        ASSERT_TRUE(testutil::write_file(dir.file("DATA/NAD/Standard.NAD"),
                                         testutil::read_file(TAVO_SOURCE_DATA_DIR "/DATA/NAD/Standard.NAD")));
        ASSERT_TRUE(testutil::write_file(nad_path, "\n\nACTIV_NADNAME\n\xAE" "EC-Standardparameter\xAF\n0\n"));
    }

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
            // Each check keeps its row; its result is found by its kind.
            const CheckResult* res = nullptr;
            for (const CheckResult& c : data_object.nachweise)
                if (c.kind == (i == 0 ? 0 : i == 1 ? 2 : 3)) res = &c;
            if (r.percent == "*") {
                ASSERT_NE(res, nullptr);
                EXPECT_EQ(percent, QString::number(100.0 * res->eta, 'f', 2).toStdString() + " %");
            } else {
                EXPECT_EQ(percent, r.percent);
            }
            EXPECT_EQ(percent.find('-'), std::string::npos) << "never a sentinel as a number";
            if (r.bar < 0) EXPECT_GT(bar(i)->value(), 0);
            else EXPECT_EQ(bar(i)->value(), r.bar);
            if (r.bar != 0) {
                const QString s = bar(i)->styleSheet();
                const bool red = !res || result_row_view(res->eta).failed;
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

// The status line names each listed check that could not be verified with the cause core gives it,
// and leaves out a check switched off.
TEST(ResultRows, StatusNamesEachCheckThatCannotBeVerified)
{
    NadEc5Block block{};
    nad_ec5_set_defaults(&block);
    block.country = 1;
    NadEc5Block* const saved = cur_ec5_params;
    cur_ec5_params = &block;
    TAVO52_DATA d;
    d.holzart = 2;
    d.holzguete = 2;
    d.b = 120;
    d.h = 240;
    d.h_ro = 0;  // no upper chord: F_t,M undefined, the bending section without modulus
    d.h_ru = 70;
    LoadRow load;
    load.v_l = load.v_r = 10;
    load.m_l = load.m_r = 5;
    load.kmod = 0.9;
    load.kled = 3;
    d.lasten = {load};
    d.cal_nachweise();
    const std::string both = not_verifiable_status(d, true, true).toStdString();
    EXPECT_EQ(both, u8"Querzug am Durchbruch nicht nachweisbar: Querzugkraft F_t,90 nicht bestimmbar (Trägerhöhe h "
                    u8"oder Resthöhe h_r nicht positiv).\n"
                    u8"Biegung am Durchbruch nicht nachweisbar: Restquerschnitt ohne Fläche oder Widerstandsmoment "
                    u8"(b, h_ro oder h_ru nicht positiv).");
    EXPECT_EQ(not_verifiable_status(d, false, true).toStdString().find("Biegung"), std::string::npos);
    // k_mod 0: every check names the missing factor.
    d.h_ro = 70;
    d.lasten[0].kmod = 0;
    d.cal_nachweise();
    const QStringList lines = not_verifiable_status(d, true, true).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(QStringLiteral("nicht nachweisbar: k_mod oder Teilsicherheitsbeiwert einer Last "
                                                 "nicht positiv.")))
            << line.toStdString();
    d.lasten[0].kmod = 0.9;
    d.cal_nachweise();
    EXPECT_EQ(not_verifiable_status(d, true, true), QString());
    cur_ec5_params = saved;
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
    expect_panel(kNamesOnly, Bar::Verdict, Frame::Neutral,
                 "Nicht berechnet: Regel verletzt: h_ro ≥ 0,35 h (h_ro = 70 mm < 84 mm); h_ru ≥ 0,35 h (h_ru = 70 mm "
                 "< 84 mm); h_a ≤ 0,4 h (a = 100 mm > 96 mm); h_d ≤ 0,15 h (h_d = 100 mm > 36 mm).");
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
    const char* const why = "Veraltet: Regel verletzt: h_d ≤ 0,15 h (h_d = 37 mm > 36 mm).";
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, why);
    find<QAction>("actionCalculation")->trigger();
    expect_panel(kComputed, Bar::Outdated, Frame::Neutral, why);
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
    // Every check keeps its row and name; none has a value.
    expect_panel(kNamesOnly, Bar::Verdict, Frame::Neutral, "Keine Lasten definiert!");
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
    expect_panel({{"Querzug am Durchbruch", "nicht nachweisbar", 120}, {"Biegung am Durchbruch", "*", -1},
                  {"Schub am reduzierten Querschnitt", "*", -1}},
                 Bar::Verdict, Frame::Red, "Nicht nachweisbar: Querzug am Durchbruch");

    data_object.nachweise[0].eta = kInf;
    w->display_nachweise(0);
    expect_panel({{"Querzug am Durchbruch", "nicht nachweisbar", 120}, {"Biegung am Durchbruch", "nicht nachweisbar", 120},
                  {"Schub am reduzierten Querschnitt", "*", -1}},
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
    data_object.nachweise[0].eta = 0.4;
    data_object.nachweise.prepend(CheckResult{QStringLiteral("Querzug am Durchbruch"), 0.5, 0});
    data_object.eta_max = 0.5;
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

namespace {

// What a row shows: its percentage text ("*" a computed percentage, "" none) and its bar's own text.
struct RowState {
    const char* percent;
    const char* bar_text;
};

const char* const kRowNames[3] = {"Querzug am Durchbruch", "Biegung am Durchbruch", "Schub am reduzierten Querschnitt"};
const char* const kOff = "nicht geführt (ausgeschaltet)";

struct VerdictCase {
    const char* what;
    std::function<void(TAVO52_DATA&)> position;   // the position file's contents
    std::function<void(WindowTest&)> act;         // what the user does after opening it
    bool country;                                 // the active parameter set has a country
    RowState rows[3];
    Frame frame;
    const char* status;         // part of the status line; "" for none
    const char* rule_label;     // object name of the label (or button) that must show the violated style
    const char* summary;        // part of the printed summary; nullptr while printing is disabled
    const char* print_line;     // a further line the print must hold, or nullptr
};

// Opening and reinforcement states with what the panel, the rules and the print say of each.
class VerdictStatesTest : public ResultsPanelTest {
protected:
    NadEc5Block with_country{}, without_country{};
    NadEc5Block* saved = nullptr;

    void SetUp() override
    {
        ResultsPanelTest::SetUp();
        saved = cur_ec5_params;
        nad_ec5_set_defaults(&with_country);
        with_country.country = 1;
        nad_ec5_set_defaults(&without_country);
        without_country.country = 0;
        oli_path = dir.file("T1_01.oli");
        set_screw_table(fastener_table_spax_s_vg, {{6, {200, 400}}});
    }
    void TearDown() override
    {
        cur_ec5_params = saved;
        ResultsPanelTest::TearDown();
    }
    void press_calculate() { find<QAction>("actionCalculation")->trigger(); }

public:
    void type(const char* field, const char* text) { type_into(find<QAbstractSpinBox>(field), QString::fromLatin1(text)); }
    MainWindow& window() { return *w; }
};

std::string summary_of(const std::string& list)
{
    const size_t p = list.find("Zusammenfassung");
    return p == std::string::npos ? std::string() : list.substr(p);
}

} // namespace

TEST_F(VerdictStatesTest, PanelRulesAndPrintOfEachState)
{
    const auto rods = [](TAVO52_DATA& d) {
        // Reinforced rules at h = 600: h_ro, h_ru >= 150, h_d = 180 <= 0.3 h, a/h_d = 1.1.
        d.h = 600; d.h_ro = 170; d.h_ru = 250; d.a = 200; d.b = 200;
        d.verstaerkt = 1; d.verst_typ = 1; d.unten_gs = 0;
        d.d_r = 20; d.fest_gs = 1044; d.n_gs = 1;
    };
    const auto off = [](bool bending, bool shear) {
        return [bending, shear](TAVO52_DATA& d) { d.biegung = bending; d.schub = shear; };
    };
    const auto screws_fit = [](TAVO52_DATA& d) {
        d.h = 500; d.h_ro = 180; d.h_ru = 180; d.a = 100; d.b = 200;
        d.verstaerkt = 1; d.verst_typ = 2; d.typ_schraube = 13; d.d_schraube = 0; d.l_schraube = 1;
        d.unten_sc = 0; d.n_sc = 1;
    };
    const VerdictCase cases[] = {
        {"NKL 3 unreinforced, set with a country: inadmissible", [](TAVO52_DATA& d) { d.nkl = 3; }, nullptr, true,
         {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Nicht berechnet: Regel verletzt: NKL 3 nur bei verstärkten Querschnitten", "rb_Balken_NKL3", nullptr, nullptr},
        // An opening in solid timber must be reinforced, whatever set is active; glued-laminated timber need not.
        {"solid softwood unreinforced", [](TAVO52_DATA& d) { d.holzart = 0; }, nullptr, true,
         {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Nicht berechnet: Regel verletzt: Unverstärkte Durchbrüche in Nadel- oder Laubholz sind nicht zulässig",
         "rb_holzart_NH", nullptr, nullptr},
        {"solid hardwood unreinforced, set without a country", [](TAVO52_DATA& d) { d.holzart = 1; }, nullptr, false,
         {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Nicht berechnet: Regel verletzt: Unverstärkte Durchbrüche in Nadel- oder Laubholz sind nicht zulässig",
         "rb_holzart_LH", nullptr, nullptr},
        {"glulam DIN unreinforced", [](TAVO52_DATA& d) { d.holzart = 3; }, nullptr, true,
         {{"*", ""}, {"*", ""}, {"*", ""}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b = ", nullptr},
        {"NKL 3 unreinforced, set without a country", [](TAVO52_DATA& d) { d.nkl = 3; }, nullptr, false,
         {{"*", ""}, {"*", ""}, {"*", ""}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b = ", nullptr},
        {"bending off", off(false, true), nullptr, true, {{"*", ""}, {"", kOff}, {"*", ""}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung der geführten Nachweise u╬\\max,Ges", u8"Nicht geführt (ausgeschaltet): Biegung am Durchbruch"},
        {"shear off", off(true, false), nullptr, true, {{"*", ""}, {"*", ""}, {"", kOff}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung der geführten Nachweise u╬\\max,Ges",
         u8"Nicht geführt (ausgeschaltet): Schub am reduzierten Querschnitt"},
        {"both off", off(false, false), nullptr, true, {{"*", ""}, {"", kOff}, {"", kOff}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung der geführten Nachweise u╬\\max,Ges",
         u8"Nicht geführt (ausgeschaltet): Biegung am Durchbruch, Schub am reduzierten Querschnitt"},
        // l_ad = l_e - h_ro - h_d = 380 - 170 - 180 = 30 < max(0.5 * 20², 10 * 20) = 200.
        {"rod anchorage below the rule", [&](TAVO52_DATA& d) { rods(d); d.l_e = 380; }, nullptr, true,
         {{"Regel verletzt", ""}, {"*", ""}, {"*", ""}}, Frame::Red,
         "Verankerungslänge l_ad ≥ max{0,5 d_r²; 10 d_r} nicht eingehalten (l_ad = 30 mm < 200 mm).", nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b nicht nachweisbar: Konstruktionsregel nicht eingehalten ê "
         u8"╬{C 1 230 0 0}",
         u8"nicht eingehalten (l╬\\ad╬r = 30 mm < 200 mm) ê ╬{C 1 230 0 0}"},
        // Rods of 450 with d 20 in h_ro = h_ru = 170 at h = 600 (2 * 170 + 100 < 450); the beam then becomes
        // 440 high: the rods' range follows it, l_e moves to 440 (named in a notice) and is checked and
        // drawn as moved: l_ad = 440 - 170 - 100 = 170 < 200, no longer "rods longer than the beam".
        {"rods moved into a lower beam", [&](TAVO52_DATA& d) { rods(d); d.l_e = 450; d.h_ru = 170; },
         [](WindowTest& t) {
             static_cast<VerdictStatesTest&>(t).type("ed_Balken_h", "440");
             EXPECT_TRUE(calllog::contains("Wert angepasst: l_e [mm]: 450 liegt nicht mehr im erlaubten Bereich"));
         },
         true, {{"Regel verletzt", ""}, {"*", ""}, {"*", ""}}, Frame::Red,
         "Verankerungslänge l_ad ≥ max{0,5 d_r²; 10 d_r} nicht eingehalten (l_ad = 170 mm < 200 mm).", nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b nicht nachweisbar: Konstruktionsregel nicht eingehalten ê "
         u8"╬{C 1 230 0 0}",
         u8"nicht eingehalten (l╬\\ad╬r = 170 mm < 200 mm) ê ╬{C 1 230 0 0}"},
        // Screws 6 x 400 from the top in h = 500 (l >= 500 - 140 + 24); the beam then becomes 360 high.
        {"screws longer than the beam",
         [](TAVO52_DATA& d) {
             d.h = 500; d.h_ro = 140; d.h_ru = 140; d.a = 100; d.b = 200;
             d.verstaerkt = 1; d.verst_typ = 2; d.typ_schraube = 13; d.d_schraube = 0; d.l_schraube = 1;
             d.unten_sc = 0; d.n_sc = 1;
         },
         [](WindowTest& t) { static_cast<VerdictStatesTest&>(t).type("ed_Balken_h", "360"); }, true,
         {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Regel verletzt: Schrauben länger als der Träger: l = 400 mm > h = 360 mm", "lb_kommentar_l_schraube",
         nullptr, nullptr},
        // Screws 12 x 400 from the top in h = 400 (l >= 400 - 140 + 48): a beam 40 mm wide is narrower than
        // their two edge distances, so no arrangement.
        {"screws that do not fit across the width",
         [](TAVO52_DATA& d) {
             set_screw_table(fastener_table_spax_s_vg, {{12, {200, 400}}});
             d.h = 400; d.h_ro = 140; d.h_ru = 140; d.a = 100; d.b = 40;
             d.verstaerkt = 1; d.verst_typ = 2; d.typ_schraube = 13; d.d_schraube = 0; d.l_schraube = 1;
             d.unten_sc = 0; d.n_sc = 1;
         },
         nullptr, true, {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Regel verletzt: Schraubenanordnung: kein Durchmesser und keine Länge der gewählten Schraube passen in den "
         "Querschnitt (b = 40 mm, h = 400 mm)",
         nullptr, nullptr, nullptr},
        // Screws 6 x 400 from the top in h = 500, h_ro = h_ru = 180 (h_d = 140 <= 0.3 h): embedded 180 and
        // 400 - 180 - 140 = 80 mm. A set without a country gives them no withdrawal parameter: R_ax,k = 0.
        {"screws, set without a country", screws_fit, nullptr, false,
         {{"nicht nachweisbar", ""}, {"*", ""}, {"*", ""}}, Frame::Red,
         "Querzug am Durchbruch nicht nachweisbar: ohne deutschen nationalen Anhang gilt kein Ausziehparameter der "
         "Schraube (R_ax,k = 0).",
         nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b nicht nachweisbar: ohne deutschen nationalen Anhang "
         u8"gilt kein Ausziehparameter der Schraube (R_ax,k = 0) ê ╬{C 1 230 0 0}",
         u8"u╬\\max╬r nicht nachweisbar: ohne deutschen nationalen Anhang gilt kein Ausziehparameter der Schraube "
         u8"(R_ax,k = 0) ê ╬{C 1 230 0 0}"},
        // The same with the German annex: the lower crack line (80 mm below it) governs.
        {"screws, German set", screws_fit, nullptr, true, {{"*", ""}, {"*", ""}, {"*", ""}}, Frame::Green, "", nullptr,
         u8"╬bGesamtausnutzung aller Nachweise u╬\\max,Ges╬r╬b = ",
         u8"maßgebend untere Risslinie: 320 mm oberhalb, 80 mm unterhalb"},
        {"h_ro + h_ru >= h", nullptr,
         [](WindowTest& t) { static_cast<VerdictStatesTest&>(t).type("ed_Balken_hro", "9999"); }, true,
         {{"", ""}, {"", ""}, {"", ""}}, Frame::Neutral,
         "Regel verletzt: h_ro + h_ru < h (h_ro + h_ru = 10101 mm, h = 240 mm)", "lb_kommentar_hd", nullptr, nullptr},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TAVO52_DATA> d(position(4.0, false));
        if (c.position) c.position(*d);
        open(*d);
        cur_ec5_params = c.country ? &with_country : &without_country;
        w->typ_click();
        if (c.act) c.act(*this);
        QAction* calc = find<QAction>("actionCalculation");
        if (calc->isEnabled()) press_calculate();
        QCoreApplication::processEvents();
        const bool blocked = c.summary == nullptr;
        EXPECT_EQ(calc->isEnabled(), !blocked);
        EXPECT_EQ(find<QAction>("actionDrucken")->isEnabled(), !blocked);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(label("erg_name", i)->text().toStdString(), kRowNames[i]);
            const std::string percent = label("erg_prozent", i)->text().toStdString();
            if (std::string(c.rows[i].percent) == "*") EXPECT_NE(percent.find(" %"), std::string::npos) << percent;
            else EXPECT_EQ(percent, c.rows[i].percent);
            EXPECT_EQ(percent.find("200.00"), std::string::npos);
            EXPECT_EQ(bar(i)->isTextVisible(), c.rows[i].bar_text[0] != 0);
            if (bar(i)->isTextVisible()) EXPECT_EQ(bar(i)->text().toStdString(), c.rows[i].bar_text);
        }
        EXPECT_EQ(int(frame()), int(c.frame));
        if (c.status[0]) EXPECT_NE(status().find(c.status), std::string::npos) << status();
        else EXPECT_EQ(status(), "");
        // A rule is shown, never a notice that would take the next typed key.
        EXPECT_FALSE(calllog::contains("QMessageBox: Info: Unverstärkte"));
        if (c.rule_label) {
            QWidget* rule = w->findChild<QWidget*>(QString::fromLatin1(c.rule_label));
            ASSERT_NE(rule, nullptr);
            EXPECT_FALSE(rule->isHidden());
            EXPECT_TRUE(rule->styleSheet().contains("Salmon")) << rule->styleSheet().toStdString();
        } else {
            for (const char* button : {"rb_Balken_NKL3", "rb_holzart_NH", "rb_holzart_LH"})
                EXPECT_FALSE(find<QRadioButton>(button)->styleSheet().contains("Salmon")) << button;
            EXPECT_FALSE(find<QLabel>("lb_kommentar_hd")->styleSheet().contains("Salmon"));
        }
        if (blocked) {
            // The disabled actions say why, as the status line does.
            const std::string why = status().substr(status().find("Regel verletzt: ") + 16);
            for (const char* action : {"actionCalculation", "actionDruckvorschau", "actionDrucken"})
                EXPECT_NE(find<QAction>(action)->toolTip().toStdString().find(why.substr(0, why.size() - 1)),
                          std::string::npos)
                    << action << ": " << find<QAction>(action)->toolTip().toStdString();
        } else {
            for (const char* action : {"actionCalculation", "actionDruckvorschau", "actionDrucken"})
                EXPECT_EQ(find<QAction>(action)->toolTip().toStdString().find("Regel"), std::string::npos) << action;
            w->maske2data();
            int e = -1;
            data_object.cal_Print(&e);
            const std::string summary = summary_of(codepage::cp437_to_utf8(testutil::read_file(oli_path)));
            EXPECT_NE(summary.find(c.summary), std::string::npos) << summary;
            EXPECT_EQ(summary.find("aller Nachweise") != std::string::npos,
                      std::string(c.summary).find("aller Nachweise") != std::string::npos);
            if (c.print_line)
                EXPECT_NE(codepage::cp437_to_utf8(testutil::read_file(oli_path)).find(c.print_line), std::string::npos);
            EXPECT_EQ(codepage::cp437_to_utf8(testutil::read_file(oli_path)).find("= 2.000"), std::string::npos);
        }
        // Once the window has taken the size its panels need, none lies over another and the status
        // line is inside its frame.
        QTest::qWait(100);
        const auto top = [&](const char* n) { return find<QWidget>(n)->mapTo(w.get(), QPoint(0, 0)).y(); };
        const auto bottom = [&](const char* n) { return top(n) + find<QWidget>(n)->height(); };
        EXPECT_LE(bottom("gv_plot"), top("gb_nachweise"));
        EXPECT_LE(bottom("gb_nachweise"), top("groupBox"));
        if (!status().empty()) EXPECT_LE(bottom("erg_status"), bottom("gb_ergebnisse"));
        if (const char* keep = std::getenv("TAVO_KEEP_SHOT")) {
            // The bar rules are shown on the reinforcement tab.
            if (c.rule_label && std::string(c.rule_label).rfind("lb_kommentar_l", 0) == 0) {
                find<QTabWidget>("tabWidget")->setCurrentIndex(1);
                QTest::qWait(100);
            }
            std::string name = c.what;
            for (char& ch : name) if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
            w->grab().save(QString::fromLocal8Bit(keep) + "_" + QString::fromStdString(name) + ".png");
        }
        w.reset();
    }
}

// With automatic calculation on, a load typed into its cell is calculated at once: the panel shows
// the new numbers as current, never as outdated.
TEST_F(ResultsPanelTest, LoadCellEditWithAutomaticCalculationStaysCurrent)
{
    open_position(4.0, true);
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
    auto* tabs = find<QTabWidget>("tabWidget");
    tabs->setCurrentIndex(2);
    QCoreApplication::processEvents();
    auto* view = find<QTableView>("tv_lasten");
    const QModelIndex cell = view->model()->index(0, 3);   // M_d left
    view->setCurrentIndex(cell);
    view->edit(cell);
    QCoreApplication::processEvents();
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("6"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(data_object.lasten[0].m_l, 6.0);
    EXPECT_TRUE(w->results_current());
    expect_panel(kComputed, Bar::Verdict, Frame::Green, "");
}
