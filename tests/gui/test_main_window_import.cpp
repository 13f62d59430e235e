// Internal-force import into the loads table, end to end with the stand-in component selection
// and internal-force tool: rows, classes and k_mod, the count check, material and dimension takeover.
#include "../core/import_fixture.h"
#include "../environment/tool_fixture.h"
#include "core/import_forces.h"
#include "gui/main_window_import.h"
#include "platform/env/qt_message_box.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using importfix::row;

namespace {

class WindowImport : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        open(*std::unique_ptr<TAVO52_DATA>(base_position()));
        env = std::make_unique<toolfix::ScratchEnvironment>();
        last_component = nullptr;
        calllog::clear();
        w->loads_model()->removeRows(0, w->loads_model()->rowCount());
    }
    void TearDown() override
    {
        env.reset();
        last_component = nullptr;
        WindowTest::TearDown();
    }
    void component(int grade, double b_cm, double h_cm, const std::vector<int>& counts,
                   const std::vector<importfix::Row>& rows)
    {
        testutil::write_file(env->components() + "/BALKEN.EX2",
                             importfix::component_export(importfix::two_cuts(grade, b_cm, h_cm), counts, rows));
    }
    void switches(bool sni, bool mat, bool geo)
    {
        w->cb_import_sni->setChecked(sni);
        w->cb_import_mat->setChecked(mat);
        w->cb_import_geo->setChecked(geo);
    }
    QString cell(int r, int c) const { return w->loads_model()->item(r, c)->text(); }
    std::unique_ptr<toolfix::ScratchEnvironment> env;
};

} // namespace

// Both cuts lie on one beam along x: the common system is (x, -y, -z), so every V (force along z)
// and M (moment about y) changes its sign and N stays (hand-derived in the geometry tests).
TEST_F(WindowImport, PairsLeftAndRightRowsIntoLoadsWithClassAndKmod)
{
    component(2006, 12.5, 30.0, {2, 2},
              {row(6.5, 4.2, 0, 0, 0, 0.9, "LK 1"), row(9.1, 5.9, 0, 0, 1, 1.1, "LK 2: Schnee \x84"),
               row(0, 0, 6.4, 4.8, 1, 0.5, "rechts"), row(0, 0, 9.0, 6.7, 0, 0.6, "rechts")});
    switches(true, true, true);
    ASSERT_TRUE(run_force_import(*w));
    ASSERT_EQ(w->loads_model()->rowCount(), 2);
    // Left names, markers and k_mod; right N, V, M.
    EXPECT_EQ(cell(0, 0), QStringLiteral("LK 1"));
    EXPECT_EQ(cell(1, 0), QString::fromUtf8("LK 2: Schnee ä"));
    const char* want[2][6] = {{"0.000", "-6.500", "-4.200", "0.000", "-6.400", "-4.800"},
                              {"0.000", "-9.100", "-5.900", "0.000", "-9.000", "-6.700"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 6; ++c) EXPECT_EQ(cell(r, c + 1), QString::fromLatin1(want[r][c])) << r << " " << c;
    EXPECT_EQ(cell(0, 7), QStringLiteral("frei"));
    EXPECT_EQ(cell(0, 8), QStringLiteral("0.90"));
    EXPECT_EQ(cell(1, 7), QString::fromUtf8("außergewöhnlich"));
    EXPECT_EQ(cell(1, 8), QStringLiteral("1.10"));

    // Grade code 2006 (D18, hardwood by the old standard): hardwood, grade index (6 + 2) mod 8 = 0.
    EXPECT_TRUE(w->rb_holzart_LH->isChecked());
    EXPECT_EQ(w->cb_holzguete->currentIndex(), 0);
    // 12.5 cm and 30.0 cm: 125 mm and 300 mm.
    EXPECT_EQ(w->ed_Balken_b->value(), 125);
    EXPECT_EQ(w->ed_Balken_h->value(), 300);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: Materialdaten importiert\nQuerschnittsabmessungen importiert\n"
                                  "2 Schnittgrößenkombinationen importiert\n"));
    // The imported table is cleared once taken over.
    EXPECT_EQ(imported_force_rows_of_set(0), 0);
    EXPECT_EQ(imported_force_header(0), nullptr);

    // The rows reach the data object as loads entered by hand do.
    w->maske2data();
    ASSERT_EQ(data_object.lasten.size(), 2);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].v_l, -6.5);
    EXPECT_EQ(data_object.lasten[0].kled, 8);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].kmod, 0.9);
    EXPECT_EQ(data_object.lasten[1].kled, 6);
}

// Dimensions the answer file may carry: one the field does not take (outside its range, no number
// at all, infinite) leaves the beam as it was and is named in the message, as a typed one would be.
TEST_F(WindowImport, DimensionsThatAreNoLengthLeaveTheBeamAsItWas)
{
    const int b0 = w->ed_Balken_b->value(), h0 = w->ed_Balken_h->value();
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    struct Case {
        double b_cm, h_cm;
        int b_mm, h_mm;
    } cases[] = {
        {inf, 30.0, b0, 300},
        {14.0, inf, 140, h0},
        {nan, -inf, b0, h0},
        {0.5, 5000.0, b0, h0},   // 5 mm, 50,000 mm
    };
    for (const Case& c : cases) {
        w->ed_Balken_b->setValue(b0);
        w->ed_Balken_h->setValue(h0);
        last_component = nullptr;
        component(4005, c.b_cm, c.h_cm, {1, 1}, {row(1, 1, 0, 0, 0, 0.9, "a"), row(0, 0, 1, 1, 0, 0.9, "x")});
        switches(true, false, true);
        ASSERT_TRUE(run_force_import(*w)) << c.b_cm << " " << c.h_cm;
        EXPECT_EQ(w->ed_Balken_b->value(), c.b_mm) << c.b_cm;
        EXPECT_EQ(w->ed_Balken_h->value(), c.h_mm) << c.h_cm;
        w->loads_model()->removeRows(0, w->loads_model()->rowCount());
        if (c.b_cm == 0.5) {
            EXPECT_TRUE(calllog::contains("b = 0.5 cm nicht übernommen (erlaubt sind 40 bis 999 mm)\n"));
            EXPECT_TRUE(calllog::contains("h = 5000 cm nicht übernommen (erlaubt sind 60 bis 9999 mm)\n"));
        }
    }
}

TEST_F(WindowImport, DifferentRowCountsOfTheEdgesAppendNothing)
{
    component(4005, 14.0, 28.0, {3, 2},
              {row(1, 1, 0, 0, 0, 0.9, "a"), row(2, 2, 0, 0, 0, 0.9, "b"), row(3, 3, 0, 0, 0, 0.9, "c"),
               row(0, 0, 1, 1, 0, 0.9, "x"), row(0, 0, 2, 2, 0, 0.9, "y")});
    switches(true, false, true);
    EXPECT_FALSE(run_force_import(*w));
    EXPECT_EQ(w->loads_model()->rowCount(), 0);
    EXPECT_TRUE(calllog::contains(
        "QMessageBox: Fehler: Fehler! 3 Zeilen am linken Rand, 2 Zeilen am rechten Rand!\n Import abgebrochen\n"));
    EXPECT_EQ(qt_last_message_box_icon(), QMessageBox::Critical) << "an error box carries the error icon";
    // The dimensions taken over before the count check stay.
    EXPECT_EQ(w->ed_Balken_b->value(), 140);
    EXPECT_EQ(w->ed_Balken_h->value(), 280);
}

TEST_F(WindowImport, SwitchesChooseWhatIsTakenOver)
{
    const std::vector<importfix::Row> rows = {row(1, 1, 0, 0, 0, 0.9, "a"), row(0, 0, 1, 1, 0, 0.9, "b")};
    // Loads unticked, material ticked: grade code 8003 keeps the wood kind and selects index 5.
    component(8003, 20.0, 40.0, {1, 1}, rows);
    w->rb_holzart_BSH_EC->setChecked(true);
    switches(false, true, false);
    const int b_before = w->ed_Balken_b->value();
    EXPECT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->loads_model()->rowCount(), 0);
    EXPECT_TRUE(w->rb_holzart_BSH_EC->isChecked());
    EXPECT_EQ(w->cb_holzguete->currentIndex(), 5);
    EXPECT_EQ(w->ed_Balken_b->value(), b_before);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: Materialdaten importiert\n0 Schnittgrößenkombinationen importiert\n"));

    // Loads only: neither material nor dimensions change.
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);   // same component as before
    component(1007, 20.0, 40.0, {1, 1}, rows);
    switches(true, false, false);
    EXPECT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->loads_model()->rowCount(), 1);
    EXPECT_TRUE(w->rb_holzart_BSH_EC->isChecked());
    EXPECT_EQ(w->ed_Balken_b->value(), b_before);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: 1 Schnittgrößenkombinationen importiert\n"));
}

TEST_F(WindowImport, NothingImportedShowsTheCountZero)
{
    switches(true, true, true);
    EXPECT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->loads_model()->rowCount(), 0);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: 0 Schnittgrößenkombinationen importiert\n"));
}

TEST(GradeIndex, CodesMapToTheWindowsGradeLists)
{
    const int cases[][2] = {{0, 0},    {1000, 0}, {1011, 11}, {1012, 5}, {2000, 2}, {2005, 7}, {2006, 0},
                            {2007, 1}, {3007, 7}, {4005, 5},  {5006, 0}, {6003, 3}, {7013, 13}, {8003, 5}};
    for (const auto& c : cases) EXPECT_EQ(grade_index_of_code(c[0]), c[1]) << c[0];
}

TEST_F(WindowImport, DemoComponentGivesTheDemoLoads)
{
    std::filesystem::copy_file(std::string(TAVO_SOURCE_DATA_DIR) + "/../demo/DATA/BAUTEILE/DECKENBALKEN.EX2",
                               env->components() + "/DECKENBALKEN.EX2");
    switches(true, true, true);
    ASSERT_TRUE(run_force_import(*w));
    ASSERT_EQ(w->loads_model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("LK 1: g + s"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("6.500"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("4.200"));
    EXPECT_EQ(cell(0, 6), QStringLiteral("4.800"));
    EXPECT_EQ(cell(1, 0), QString::fromUtf8("LK 2: außergewöhnlich"));
    EXPECT_EQ(cell(1, 7), QString::fromUtf8("außergewöhnlich"));
    // C24 by the Eurocode (grade code 4005): softwood, grade index 5; 12 x 24 cm.
    EXPECT_TRUE(w->rb_holzart_NH->isChecked());
    EXPECT_EQ(w->cb_holzguete->currentIndex(), 5);
    EXPECT_EQ(w->ed_Balken_b->value(), 120);
    EXPECT_EQ(w->ed_Balken_h->value(), 240);
}

TEST_F(WindowImport, MoreThanTenThousandValuesAreAllRead)
{
    // 420 rows per edge, 840 in all, 12 values each: 10080 values, past a buffer of 10000 slots.
    std::vector<importfix::Row> rows;
    for (int i = 0; i < 420; ++i) rows.push_back(row(i, 0, 0, 0, 0, 0.9, "L"));
    for (int i = 0; i < 420; ++i) rows.push_back(row(0, 0, i, 0, 0, 0.9, "R"));
    component(4005, 12.0, 24.0, {420, 420}, rows);
    switches(true, false, false);
    ASSERT_TRUE(run_force_import(*w));
    ASSERT_EQ(w->loads_model()->rowCount(), 420);
    EXPECT_EQ(cell(419, 2), QStringLiteral("-419.000"));
    EXPECT_EQ(cell(419, 5), QStringLiteral("-419.000"));
}

TEST_F(WindowImport, CutWithoutCrossSectionKeepsTheBeamSize)
{
    component(4005, 0.0, 0.0, {1, 1}, {row(1, 1, 0, 0, 0, 0.9, "a"), row(0, 0, 1, 1, 0, 0.9, "b")});
    switches(true, false, true);
    const int b = w->ed_Balken_b->value(), h = w->ed_Balken_h->value();
    EXPECT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->ed_Balken_b->value(), b);
    EXPECT_EQ(w->ed_Balken_h->value(), h);
    EXPECT_EQ(w->loads_model()->rowCount(), 1);
}

TEST_F(WindowImport, ToolBarActionRunsTheImport)
{
    std::filesystem::copy_file(std::string(TAVO_SOURCE_DATA_DIR) + "/../demo/DATA/BAUTEILE/DECKENBALKEN.EX2",
                               env->components() + "/DECKENBALKEN.EX2");
    switches(true, false, false);
    w->actionSchnittgr_import->trigger();
    EXPECT_EQ(w->loads_model()->rowCount(), 2);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: 2 Schnittgrößenkombinationen importiert\n"));
}

// A large import lands as a whole: every row in order with its numbers, the loads of the data object
// in step with the table, and with automatic calculation on a single calculation for all of it.
TEST_F(WindowImport, TwoThousandRowsLandInOrderWithOneCalculation)
{
    const int n = 2000;
    std::vector<importfix::Row> rows;
    for (int k = 0; k < n; ++k) rows.push_back(row(0.001 * k, 0.5 + 0.002 * k, 0, 0, k % 3 == 0, 0.8, "L" + std::to_string(k)));
    for (int k = 0; k < n; ++k) rows.push_back(row(0, 0, 1.0 + 0.001 * k, 0.003 * k, 0, 0.9, "r"));
    component(4005, 12.0, 24.0, {n, n}, rows);
    switches(true, false, false);
    // Inside the geometry limits (as in the window tests), so that calculating is enabled.
    w->ed_Balken_hro->setValue(102);
    w->ed_Balken_hru->setValue(102);
    w->ed_Balken_a->setValue(90);
    w->action_cal_auto->setChecked(true);
    ASSERT_TRUE(w->actionCalculation->isEnabled());
    const int before = w->calculations_run();
    ASSERT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->calculations_run() - before, 1);
    ASSERT_EQ(w->loads_model()->rowCount(), n);
    // As in the two-row case: N stays, V and M change sign; the left rows give name, class and k_mod.
    w->maske2data();
    ASSERT_EQ(data_object.lasten.size(), n);
    for (int k = 0; k < n; k += 199) {
        EXPECT_EQ(cell(k, 0), QString::fromStdString("L" + std::to_string(k)));
        EXPECT_EQ(cell(k, 2), QString::number(-0.001 * k, 'f', 3)) << k;
        EXPECT_EQ(cell(k, 6), QString::number(-0.003 * k, 'f', 3)) << k;
        EXPECT_EQ(cell(k, 7), k % 3 == 0 ? QString::fromUtf8("außergewöhnlich") : QStringLiteral("frei"));
        const LoadRow& l = data_object.lasten[k];
        EXPECT_DOUBLE_EQ(l.v_l, cell(k, 2).toDouble());
        EXPECT_DOUBLE_EQ(l.m_l, cell(k, 3).toDouble());
        EXPECT_DOUBLE_EQ(l.v_r, cell(k, 5).toDouble());
        EXPECT_DOUBLE_EQ(l.m_r, cell(k, 6).toDouble());
        EXPECT_EQ(l.kled, k % 3 == 0 ? 6 : 8);
        if (l.kled == 8) {
            EXPECT_DOUBLE_EQ(l.kmod, 0.8);
        }
    }
    // Every row is sized and shown: the view knows all rows after the batch.
    EXPECT_EQ(w->tv_lasten->model()->rowCount(), n);
    EXPECT_EQ(w->tv_lasten->rowHeight(n - 1), w->tv_lasten->rowHeight(0));
    EXPECT_EQ(w->tv_lasten->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
    EXPECT_EQ(w->tv_lasten->horizontalHeader()->sectionResizeMode(9), QHeaderView::ResizeToContents);

    // The same rows appended one at a time, as rows entered by hand are, give the same table and the
    // same results as the batch.
    std::vector<QStringList> batched(n);
    for (int k = 0; k < n; ++k)
        for (int c = 0; c < 9; ++c) batched[size_t(k)] << cell(k, c);
    const QVector<CheckResult> batch_results = data_object.nachweise;
    ASSERT_FALSE(batch_results.isEmpty());
    w->loads_model()->removeRows(0, n);
    for (const QStringList& r : batched)
        w->newLast(r[0], r[1].toDouble(), r[2].toDouble(), r[3].toDouble(), r[4].toDouble(), r[5].toDouble(),
                   r[6].toDouble(), TAVO52_DATA::kled_index_from_text(r[7]), r[8].toDouble());
    w->display_nachweise(1);
    ASSERT_EQ(w->loads_model()->rowCount(), n);
    for (int k = 0; k < n; ++k)
        for (int c = 0; c < 9; ++c) ASSERT_EQ(cell(k, c), batched[size_t(k)][c]) << k << " " << c;
    EXPECT_EQ(w->tv_lasten->rowHeight(n - 1), w->tv_lasten->rowHeight(0));
    ASSERT_EQ(data_object.nachweise.size(), batch_results.size());
    for (int i = 0; i < batch_results.size(); ++i) {
        EXPECT_EQ(data_object.nachweise[i].name, batch_results[i].name);
        EXPECT_EQ(data_object.nachweise[i].eta, batch_results[i].eta) << i;
    }

    // A cell edited afterwards reaches the next calculation; deleting a row drops exactly that load.
    w->loads_model()->item(5, 2)->setData(QStringLiteral("-7.250"), Qt::EditRole);
    w->loads_model()->removeRow(0);
    w->maske2data();
    ASSERT_EQ(data_object.lasten.size(), n - 1);
    EXPECT_DOUBLE_EQ(data_object.lasten[4].v_l, -7.25);
    EXPECT_EQ(data_object.lasten[0].name, QStringLiteral("L1"));
}

// Loads appended in one go give the table, the sizes and the parsed loads that the same loads added
// one by one give, down to the sign of a zero: wide numbers that set the column widths, repeated
// and distinct cells, negatives that round to zero, halves, and a class out of range.
TEST_F(WindowImport, LoadsAppendedAtOnceMatchLoadsAddedOneByOne)
{
    QVector<LoadRow> loads;
    const double numbers[] = {-12345.678, 0.0, -0.0, -0.0001, 0.0625, 1.0005, 9876.54321, -0.375};
    for (int k = 0; k < 300; ++k) {
        LoadRow l;
        l.name = QStringLiteral("Lastfall %1").arg(k % 7);
        l.n_l = numbers[k % 8];
        l.v_l = 0.001 * k - 0.15;
        l.m_l = numbers[(k / 3) % 8];
        l.n_r = 0.0;
        l.v_r = -k * 1.125;
        l.m_r = numbers[(k + 5) % 8];
        l.kled = k % 11 - 1;  // -1 and 9 are out of range
        l.kmod = k % 4 == 0 ? 0.125 : 0.8 + 0.01 * (k % 5);
        loads.append(l);
    }
    struct Table {
        std::vector<QStringList> cells;
        std::vector<bool> kmod_enabled;
        std::vector<int> widths;
        QVector<LoadRow> parsed;
    };
    const auto table = [&] {
        QCoreApplication::processEvents();
        Table t;
        for (int r = 0; r < w->loads_model()->rowCount(); ++r) {
            t.cells.emplace_back();
            for (int c = 0; c < 9; ++c) t.cells.back() << cell(r, c);
            t.kmod_enabled.push_back(w->loads_model()->item(r, 8)->isEnabled());
        }
        // The columns sized by their contents; the name column takes what is left.
        for (int c = 1; c < 10; ++c) t.widths.push_back(w->tv_lasten->columnWidth(c));
        w->maske2data();
        t.parsed = data_object.lasten;
        return t;
    };
    {
        const MainWindow::LoadsBatch batch(*w);
        w->append_loads(loads);
    }
    const Table at_once = table();
    // Rows 1 and 21 hold the same class and k_mod, rows 0 to 2 the same M at the left edge; a cell
    // edited in one stays in its row.
    ASSERT_EQ(cell(21, 8), cell(1, 8));
    ASSERT_EQ(cell(2, 3), cell(1, 3));
    w->loads_model()->item(1, 8)->setData(QStringLiteral("1.23"), Qt::EditRole);
    w->loads_model()->item(1, 7)->setData(QStringLiteral("frei"), Qt::EditRole);
    w->loads_model()->item(1, 3)->setData(QStringLiteral("4.000"), Qt::EditRole);
    EXPECT_EQ(cell(21, 8), at_once.cells[21][8]);
    EXPECT_EQ(cell(21, 7), at_once.cells[21][7]);
    EXPECT_EQ(cell(2, 3), at_once.cells[2][3]);
    EXPECT_EQ(cell(0, 3), at_once.cells[0][3]);
    w->loads_model()->removeRows(0, w->loads_model()->rowCount());
    for (const LoadRow& l : loads) w->newLast(l.name, l.n_l, l.v_l, l.m_l, l.n_r, l.v_r, l.m_r, l.kled, l.kmod);
    // Rows added one by one leave the columns as they were; the header sizes them afresh here, each
    // cell laid out on its own.
    ASSERT_TRUE(QMetaObject::invokeMethod(w->tv_lasten->horizontalHeader(), "resizeSections"));
    const Table one_by_one = table();

    ASSERT_EQ(at_once.cells.size(), size_t(loads.size()));
    EXPECT_EQ(at_once.cells, one_by_one.cells);
    EXPECT_EQ(at_once.kmod_enabled, one_by_one.kmod_enabled);
    EXPECT_EQ(at_once.widths, one_by_one.widths);
    // Spot checks by hand: -0.0001 shows "-0.000", -0.0 shows "0.000", 0.0625 rounds up to "0.063".
    EXPECT_EQ(at_once.cells[3][1], QStringLiteral("-0.000"));
    EXPECT_EQ(at_once.cells[2][1], QStringLiteral("0.000"));
    EXPECT_EQ(at_once.cells[4][1], QStringLiteral("0.063"));
    EXPECT_EQ(at_once.cells[20][8], QStringLiteral("0.13"));  // "frei" keeps its k_mod 0.125
    // Any other class shows the k_mod the calculation takes: GL30h, NKL 1, permanent 0.60, not 0.125.
    EXPECT_EQ(at_once.cells[0][8], QStringLiteral("0.60"));
    ASSERT_EQ(at_once.parsed.size(), one_by_one.parsed.size());
    for (int k = 0; k < loads.size(); ++k) {
        const LoadRow& a = at_once.parsed[k];
        const LoadRow& b = one_by_one.parsed[k];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.kled, b.kled) << k;
        const double av[] = {a.n_l, a.v_l, a.m_l, a.n_r, a.v_r, a.m_r, a.kmod};
        const double bv[] = {b.n_l, b.v_l, b.m_l, b.n_r, b.v_r, b.m_r, b.kmod};
        EXPECT_EQ(std::memcmp(av, bv, sizeof av), 0) << k;
    }
    EXPECT_EQ(at_once.parsed[3].n_l, 0.0);
    EXPECT_TRUE(std::signbit(at_once.parsed[3].n_l));  // "-0.000" reads as -0.0
    EXPECT_EQ(at_once.parsed[0].kled, 0);              // class -1 is taken as "ständig"
}

// A cross-section taken over that leaves the opening no room breaks a rule: the message says so
// with the rule and its values, as the form's labels and the disabled actions do.
TEST_F(WindowImport, ImportThatBreaksARuleSaysSo)
{
    // h = 600 with h_ro = h_ru = 255: h_d = 90 = 0.15 h, a = 90, every rule holds.
    w->ed_Balken_a->setValue(90);
    w->ed_Balken_h->setValue(600);
    w->ed_Balken_hro->setValue(255);
    w->ed_Balken_hru->setValue(255);
    ASSERT_TRUE(w->actionCalculation->isEnabled());
    const std::vector<importfix::Row> rows = {row(1, 1, 0, 0, 0, 0.9, "a"), row(0, 0, 1, 1, 0, 0.9, "x")};
    component(4005, 12.0, 60.0, {1, 1}, rows);
    switches(true, false, true);
    ASSERT_TRUE(run_force_import(*w));
    EXPECT_FALSE(calllog::contains("Achtung"));

    // A 120/240 section: h_ro + h_ru = 510 >= 240.
    calllog::clear();
    last_component = nullptr;
    component(4005, 12.0, 24.0, {1, 1}, rows);
    ASSERT_TRUE(run_force_import(*w));
    EXPECT_EQ(w->ed_Balken_h->value(), 240);
    EXPECT_FALSE(w->actionCalculation->isEnabled());
    EXPECT_TRUE(calllog::contains("Querschnittsabmessungen importiert\n1 Schnittgrößenkombinationen importiert\n\n"
                                  "Achtung: die Eingaben verletzen eine Regel; Berechnen, Vorschau und Drucken sind "
                                  "gesperrt:\nh_ro + h_ru < h (h_ro + h_ru = 510 mm, h = 240 mm)\n"))
        << [] { std::string all; for (const auto& e : calllog::entries()) all += e + "|"; return all; }();
}

// Forces or k_mod that are no finite number (nan, inf, 1e308 read as single precision) or lie beyond
// what a typed cell takes are refused: the combination is named in the message and not appended,
// the others are, and nothing that is no number reaches the data object.
TEST_F(WindowImport, NonFiniteOrHugeValuesAreRefusedAndNamed)
{
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    // k_mod above 0 up to 1.10 (EN 1995-1-1 Table 3.1), in the tool's single precision.
    component(4005, 12.0, 24.0, {10, 10},
              {row(nan, 1, 0, 0, 0, 0.9, "A"), row(1, inf, 0, 0, 0, 0.9, "B"), row(1, 1, 0, 0, 0, 1e308, "C"),
               row(12000, 1, 0, 0, 0, 0.9, "E"), row(2, 3, 0, 0, 0, 0.8, "D"), row(1, 1, 0, 0, 0, 1.11, "F"),
               row(1, 1, 0, 0, 1, 1.5, "G"), row(1, 1, 0, 0, 0, 2.0, "H"), row(1, 1, 0, 0, 0, 2.01, "I"),
               row(1, 1, 0, 0, 0, 1.10, "J"),
               row(0, 0, 1, 1, 0, 0.9, "r"), row(0, 0, 1, 1e308, 0, 0.9, "r"), row(0, 0, 1, 1, 0, 0.9, "r"),
               row(0, 0, 1, 1, 0, 0.9, "r"), row(0, 0, 4, 5, 0, 0.9, "r"), row(0, 0, 1, 1, 0, 0.9, "r"),
               row(0, 0, 1, 1, 0, 0.9, "r"), row(0, 0, 1, 1, 0, 0.9, "r"), row(0, 0, 1, 1, 0, 0.9, "r"),
               row(0, 0, 1, 1, 0, 0.9, "r")});
    switches(true, false, false);
    ASSERT_TRUE(run_force_import(*w));
    ASSERT_EQ(w->loads_model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("D"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("-2.000"));
    EXPECT_EQ(cell(0, 6), QStringLiteral("-5.000"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("J"));
    EXPECT_EQ(cell(1, 8), QStringLiteral("1.10"));
    const std::string allowed = " (erlaubt sind Kräfte und Momente von -9999 bis 9999, k_mod über 0 bis 1.1)\n";
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: 2 Schnittgrößenkombinationen importiert\nKombination 1 \"A\" "
                                  "nicht übernommen: "));
    EXPECT_TRUE(calllog::contains("Kombination 6 \"F\" nicht übernommen: k_mod = 1.11" + allowed));
    EXPECT_TRUE(calllog::contains("Kombination 7 \"G\" nicht übernommen: k_mod = 1.5" + allowed));
    EXPECT_TRUE(calllog::contains("Kombination 8 \"H\" nicht übernommen: k_mod = 2" + allowed));
    EXPECT_TRUE(calllog::contains("Kombination 9 \"I\" nicht übernommen: k_mod = 2.01" + allowed));
    EXPECT_TRUE(calllog::contains("V_d links = nan"));
    EXPECT_TRUE(calllog::contains("Kombination 2 \"B\" nicht übernommen: M_d links = -inf, M_d rechts = -inf" +
                                  allowed));
    EXPECT_TRUE(calllog::contains("Kombination 3 \"C\" nicht übernommen: k_mod = inf" + allowed));
    EXPECT_TRUE(calllog::contains("Kombination 4 \"E\" nicht übernommen: V_d links = -12000" + allowed));
    EXPECT_FALSE(calllog::contains("Kombination 5"));
    w->maske2data();
    ASSERT_EQ(data_object.lasten.size(), 2);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].kmod, 0.8);
    EXPECT_EQ(data_object.lasten[1].kmod, 1.1);
}

// A section taken over gives the rod length the range of the new beam at once: the value it moves
// is named, and the rule label, the status line and the side view show the moved value; the user
// then types a length of the new range and it is taken.
TEST_F(WindowImport, ImportedSectionGivesTheRodLengthItsRange)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->b = 200; d->h = 400; d->h_ro = 150; d->h_ru = 150; d->a = 100;
    d->verstaerkt = 1; d->verst_typ = 1; d->unten_gs = 0; d->d_r = 8; d->l_e = 380; d->n_gs = 1;
    open(*d);
    auto* le = w->ed_GS_le;
    // d_r = 8: l_ad = max(10 d, d²/2) = 80; from the top l_e runs from h_ro + h_d + l_ad = 150 + 100 + 80 = 330 to 400.
    ASSERT_DOUBLE_EQ(le->minimum(), 330.0);
    ASSERT_DOUBLE_EQ(le->maximum(), 400.0);
    calllog::clear();
    component(4005, 12.0, 24.0, {1, 1}, {row(1, 1, 0, 0, 0, 0.9, "a"), row(0, 0, 1, 1, 0, 0.9, "x")});
    switches(true, false, true);
    ASSERT_TRUE(run_force_import(*w));
    ASSERT_EQ(w->ed_Balken_h->value(), 240);
    // h = 240 with h_ro = h_ru = 150 kept: h_d = -60, l_e from 150 - 60 + 80 = 170 to 240.
    EXPECT_DOUBLE_EQ(le->minimum(), 170.0);
    EXPECT_DOUBLE_EQ(le->maximum(), 240.0);
    EXPECT_DOUBLE_EQ(le->value(), 240.0);
    EXPECT_TRUE(calllog::contains("Wert angepasst: l_e [mm]: 380 liegt nicht mehr im erlaubten Bereich von 170 bis "
                                  "240.\nDer Wert ist jetzt 240."));
    QCoreApplication::processEvents();
    const auto rod_length_drawn = [&] {
        for (QGraphicsItem* item : w->gv_plot->scene()->items())
            if (auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item))
                if (rect->brush().color() == QColor(20, 180, 240)) return rect->rect().height();
        return -1.0;
    };
    EXPECT_DOUBLE_EQ(rod_length_drawn(), 240.0);
    auto* status = w->findChild<QLabel*>(QStringLiteral("erg_status"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text().indexOf(QStringLiteral("380")), -1) << status->text().toStdString();
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("lb_kommentar_le"))->styleSheet().contains("Salmon"));

    // Reinforced rules at h = 240: h_ro, h_ru >= 60, h_d = 240 - 84 - 84 = 72 <= 0.3 h = 72; l_e from
    // 84 + 72 + 80 = 236 to 240.
    type_into(w->ed_Balken_hro, QStringLiteral("84"));
    type_into(w->ed_Balken_hru, QStringLiteral("84"));
    EXPECT_DOUBLE_EQ(le->minimum(), 236.0);
    calllog::clear();
    type_into(le, QStringLiteral("238"));
    EXPECT_DOUBLE_EQ(le->value(), 238.0);
    EXPECT_FALSE(calllog::contains("Eingabe nicht übernommen"));
    EXPECT_DOUBLE_EQ(rod_length_drawn(), 238.0);
    EXPECT_TRUE(w->actionCalculation->isEnabled());
    type_into(le, QStringLiteral("200"));
    EXPECT_DOUBLE_EQ(le->value(), 238.0);
    EXPECT_TRUE(calllog::contains("von 236 bis 240")) << [] { std::string all; for (const auto& e : calllog::entries()) all += e + "|"; return all; }();
}

// A result file the import cannot read brings nothing in: the "Fehler" box names the file by its
// absolute path and the line where it is damaged, instead of "0 Schnittgrößenkombinationen importiert".
TEST_F(WindowImport, ADamagedResultFileIsNamedInTheErrorBox)
{
    std::string bytes = importfix::component_export(importfix::two_cuts(), {1, 1},
                                                     {row(1, 2, 0, 0, 0, 0.9, "L"), row(0, 0, 3, 4, 0, 0.9, "R")});
    bytes.replace(bytes.rfind("0.900000"), 8, "x");   // k_mod of the right edge's row
    testutil::write_file(env->components() + "/BALKEN.EX2", bytes);
    switches(true, false, false);
    EXPECT_FALSE(run_force_import(*w));
    EXPECT_EQ(w->loads_model()->rowCount(), 0);
    const std::string result = testutil::read_file(env->temp() + "/Trobavex.res");
    const size_t at = result.find(" x ");
    ASSERT_NE(at, std::string::npos);
    const long line = long(std::count(result.begin(), result.begin() + long(at), '\n')) + 1;
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler: Die Ergebnisdatei des Schnittgrößenwerkzeugs\n" + env->temp() +
                                  "/Trobavex.res\nist in Zeile " + std::to_string(line) +
                                  " beschädigt (k_mod erwartet).\nEs wurden keine Schnittgrößen importiert.\n"))
        << (calllog::entries().empty() ? std::string() : calllog::entries().back());
    EXPECT_FALSE(calllog::contains("0 Schnittgrößenkombinationen importiert"));
}
