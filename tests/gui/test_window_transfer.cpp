// Transfer between the data object and the form, calculating, the results panel and leaving.
#include "window_fixture.h"
#include "gui/exit_dialog.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QApplication>
#include <cstdio>

// Every field of the form, written to a file, opened, and copied back by leaving.
TEST_F(WindowTest, RoundTripOverAllFields)
{
    set_screw_table(fastener_table_assy_plus_vg_s, {{8, {200, 300}}, {10, {200, 300, 360, 400}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    TAVO52_DATA& p = *d;
    p.cal_auto = 0;
    p.typ_durchbruch = 1;
    p.nkl = 2;
    p.holzart = 3;
    p.holzguete = 4;
    p.mit_kh = 0;
    p.b = 140;
    p.h = 420.7;   // shown and stored as 420
    p.h_ro = 130;
    p.h_ru = 150;
    p.a = 140;     // a circle's length is its height h_d = 420 - 130 - 150
    p.biegung = 0;
    p.schub = 1;
    p.schub_kappa_kreis = 1;
    p.verstaerkt = 1;
    p.verst_typ = 2;
    p.mat_laschen = 6;
    p.guete_laschen = 3;
    p.ftk_laschen = 12.5;
    p.a_r = 60;
    p.h_1 = 70;
    p.t_r = 21.5;
    p.l_e = 350;
    p.d_r = 14;
    p.fest_gs = 27;
    p.n_gs = 4;
    p.unten_gs = 1;
    p.typ_schraube = 15;
    p.d_schraube = 1;
    p.l_schraube = 2;   // 360 mm: from below l >= 420 - 130 + 4 * 10 = 330
    p.n_sc = 1;
    p.vorgebohrt = 1;
    p.unten_sc = 1;
    p.rostfrei = 1;
    p.mit_unterleg = 1;
    p.unterleg_art = 2;
    p.import_sni = 0;
    p.import_mat = 1;
    p.import_geo = 0;
    p.lasten.clear();
    LoadRow a;
    a.name = QStringLiteral("Wind");
    a.n_l = 1.5; a.v_l = -2.25; a.m_l = 3.125; a.n_r = 4; a.v_r = 5.5; a.m_r = -6.75;
    a.kled = 8; a.kmod = 1.05;
    LoadRow b;
    b.name = QStringLiteral("Schnee");
    b.v_l = 10; b.kled = 2; b.kmod = 0.1;   // a stale k_mod: the transfer takes the table value
    p.lasten << a << b;
    open(p);
    QAction* leave = find<QAction>("actionEnde");
    leave->trigger();
    w->exitDialog()->hide();

    const TAVO52_DATA& r = data_object;
    EXPECT_EQ(r.cal_auto, 0);
    EXPECT_EQ(r.typ_durchbruch, 1);
    EXPECT_EQ(r.nkl, 2);
    EXPECT_EQ(r.holzart, 3);
    EXPECT_EQ(r.holzguete, 4);
    EXPECT_EQ(r.mit_kh, 0);
    EXPECT_DOUBLE_EQ(r.b, 140);
    EXPECT_DOUBLE_EQ(r.h, 420);
    EXPECT_DOUBLE_EQ(r.h_ro, 130);
    EXPECT_DOUBLE_EQ(r.h_ru, 150);
    EXPECT_DOUBLE_EQ(r.a, 140);
    EXPECT_EQ(r.biegung, 0);
    EXPECT_EQ(r.schub, 1);
    EXPECT_EQ(r.schub_kappa_kreis, 1);
    EXPECT_EQ(r.verstaerkt, 1);
    EXPECT_EQ(r.verst_typ, 2);
    EXPECT_EQ(r.mat_laschen, 6);
    EXPECT_EQ(r.guete_laschen, 3);
    EXPECT_DOUBLE_EQ(r.ftk_laschen, 12.5);
    EXPECT_DOUBLE_EQ(r.a_r, 60);
    EXPECT_DOUBLE_EQ(r.h_1, 70);
    EXPECT_DOUBLE_EQ(r.t_r, 21.5);
    EXPECT_DOUBLE_EQ(r.l_e, 350);
    EXPECT_DOUBLE_EQ(r.d_r, 14);
    EXPECT_EQ(r.fest_gs, 27);
    EXPECT_EQ(r.n_gs, 4);
    EXPECT_EQ(r.unten_gs, 1);
    EXPECT_EQ(r.typ_schraube, 15);
    EXPECT_EQ(r.d_schraube, 1);
    EXPECT_EQ(r.l_schraube, 2);
    EXPECT_DOUBLE_EQ(r.sc_d, 10);
    EXPECT_DOUBLE_EQ(r.sc_l, 360);
    EXPECT_EQ(r.n_sc, 1);
    EXPECT_EQ(r.vorgebohrt, 1);
    EXPECT_EQ(r.unten_sc, 1);
    EXPECT_EQ(r.rostfrei, 1);
    EXPECT_EQ(r.mit_unterleg, 1);
    EXPECT_EQ(r.unterleg_art, 2);
    EXPECT_EQ(r.import_sni, 0);
    EXPECT_EQ(r.import_mat, 1);
    EXPECT_EQ(r.import_geo, 0);
    ASSERT_EQ(r.lasten.size(), 2);
    const LoadRow& ra = r.lasten[0];
    EXPECT_EQ(ra.name.toStdString(), "Wind");
    EXPECT_DOUBLE_EQ(ra.n_l, 1.5);
    EXPECT_DOUBLE_EQ(ra.v_l, -2.25);
    EXPECT_DOUBLE_EQ(ra.m_l, 3.125);
    EXPECT_DOUBLE_EQ(ra.n_r, 4);
    EXPECT_DOUBLE_EQ(ra.v_r, 5.5);
    EXPECT_DOUBLE_EQ(ra.m_r, -6.75);
    EXPECT_EQ(ra.kled, 8);
    EXPECT_DOUBLE_EQ(ra.kmod, 1.05);
    EXPECT_EQ(r.lasten[1].name.toStdString(), "Schnee");
    EXPECT_EQ(r.lasten[1].kled, 2);
    // Glued-laminated timber in service class 2, medium-term: k_mod = 0.80 (DIN EN 1995-1-1, Table 3.1).
    EXPECT_DOUBLE_EQ(r.lasten[1].kmod, 0.8);
}

TEST_F(WindowTest, UnknownPlateMaterialAndNegativeScrewIndexes)
{
    set_screw_table(fastener_table_spax_s_vg, {{8, {200, 300}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->mat_laschen = 99;
    d->l_schraube = -1;
    d->d_schraube = -1;
    d->lasten.clear();
    open(*d);
    // A material no item carries is named and taken as softwood, which an empty choice reads as.
    auto* material = find<QComboBox>("cob_mat_laschen");
    EXPECT_EQ(material->currentIndex(), 0);
    EXPECT_TRUE(calllog::contains("Material Laschen: in der Datei 99, übernommen 0"));
    EXPECT_EQ(find<QComboBox>("cob_guete_laschen")->itemText(0).toStdString(), "C14");
    EXPECT_EQ(data_object.l_schraube, 0);
    EXPECT_EQ(data_object.d_schraube, 0);
    w->maske2data();
    EXPECT_TRUE(data_object.lasten.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Calculating by hand and automatically

TEST_F(WindowTest, CalculationsPerKindOfChange)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    // Inside the limits of NCI NA.6.7 (h_d = 36 <= 0.15 h, h_ro = h_ru = 102 >= 0.35 h, a <= 0.4 h),
    // which also hold for the lower heights typed below; a violated rule would block calculating.
    d->h_ro = 102;
    d->h_ru = 102;
    d->a = 90;
    open(*d);
    QAction* calc = find<QAction>("actionCalculation");
    QAction* autoCalc = find<QAction>("action_cal_auto");
    ASSERT_FALSE(autoCalc->isChecked());
    EXPECT_EQ(w->calculations_run(), 0) << "saved without automatic calculation: nothing calculated at opening";
    EXPECT_EQ(find<QLabel>("erg_name_0")->text().toStdString(), "Querzug am Durchbruch");

    auto count = [&](const std::function<void()>& change) {
        const int before = w->calculations_run();
        change();
        QCoreApplication::processEvents();
        return w->calculations_run() - before;
    };
    // Without automatic calculation only the action calculates.
    EXPECT_EQ(count([&] { type_into(find<QSpinBox>("ed_Balken_h"), QStringLiteral("239")); }), 0);
    EXPECT_EQ(count([&] { calc->trigger(); }), 1);
    EXPECT_GT(data_object.nachweise.size(), 0);

    // Switching it on calculates at once.
    EXPECT_EQ(count([&] { autoCalc->trigger(); }), 1);
    ASSERT_TRUE(calc->isEnabled());
    struct Change { const char* what; std::function<void()> act; bool calculates; };
    const std::vector<Change> changes = {
        {"beam height", [&] { QTest::keyClick(find<QSpinBox>("ed_Balken_h"), Qt::Key_Down); }, true},
        {"bending switch", [&] { click(find<QCheckBox>("cb_Biegung")); }, true},
        {"shear switch", [&] { click(find<QCheckBox>("cb_Schub")); }, true},
        {"wood kind", [&] { click(find<QRadioButton>("rb_holzart_BSH_DIN")); }, true},
        {"opening type", [&] { click(find<QRadioButton>("rb_typ_durchbruch_recht")); }, true},
        {"new load row", [&] { click(find<QPushButton>("pb_last_new")); }, true},
        {"service class", [&] { click(find<QRadioButton>("rb_Balken_NKL2")); }, true},
        {"grade", [&] { find<QComboBox>("cb_holzguete")->setCurrentIndex(2); }, true},
        {"k_h switch", [&] { click(find<QCheckBox>("cb_kh")); }, true},
        {"import switch", [&] { click(find<QCheckBox>("cb_import_sni")); }, false},
    };
    // Each change that moves a result calculates exactly once, however many slots it passes.
    for (const Change& c : changes)
        EXPECT_EQ(count(c.act), c.calculates ? 1 : 0) << c.what;
    // A load edited in the table, and one deleted.
    auto* model = w->loads_model();
    EXPECT_EQ(count([&] { model->item(0, 2)->setData(7.5, Qt::EditRole); }), 1);
    EXPECT_EQ(count([&] { model->removeRow(0); }), 1);
}

// With automatic calculation on, opening a position calculates once, and a change of the beam's
// grade alone recalculates: the bending stress stays sigma_m = M / W_n, only f_m,k falls from 30
// (GL30h) to 28 N/mm² (GL28h), so the bending utilisation rises by the factor 30 / 28.
TEST_F(WindowTest, OpeningCalculatesOnceAndAGradeChangeRecalculates)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->h_ro = 102;
    d->h_ru = 102;
    d->a = 90;
    d->cal_auto = 1;
    d->biegung = 1;
    LoadRow load;
    load.m_l = load.m_r = 4.0;
    load.kled = 0;
    d->lasten = {load};
    open(*d);
    EXPECT_EQ(w->calculations_run(), 1);
    ASSERT_GE(data_object.nachweise.size(), 2);
    ASSERT_EQ(data_object.nachweise[1].kind, 2);
    const double gl30h = data_object.nachweise[1].eta;
    ASSERT_GT(gl30h, 0.0);

    find<QComboBox>("cb_holzguete")->setCurrentIndex(4);  // GL28h
    EXPECT_EQ(w->calculations_run(), 2);
    EXPECT_NEAR(data_object.nachweise[1].eta, gl30h * 30.0 / 28.0, 1e-9);
    EXPECT_EQ(find<QLabel>("erg_prozent_1")->text(), QString::number(100.0 * gl30h * 30.0 / 28.0, 'f', 2) + " %");
}

// With automatic calculation on, every key typed into an unreinforced softwood position lands in
// its field: the rule is shown on the wood kind, no notice takes a key, nothing is calculated until
// the opening is reinforced.
TEST_F(WindowTest, SoftwoodWithoutReinforcementIsARuleNotANotice)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->holzart = 0;
    d->h_ro = 102;   // inside the geometry limits: only the wood kind's rule is broken
    d->h_ru = 102;
    d->a = 90;
    d->cal_auto = 1;
    open(*d);
    calllog::clear();
    auto* a = find<QSpinBox>("ed_Balken_a");
    type_into(a, QStringLiteral("80"));
    EXPECT_EQ(a->value(), 80);
    EXPECT_FALSE(calllog::contains("Unverstärkte"));
    EXPECT_EQ(w->calculations_run(), 0);
    EXPECT_FALSE(find<QAction>("actionDrucken")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("rb_holzart_NH")->styleSheet().contains("Salmon"));

    find<QGroupBox>("gb_Verstaerkung")->setChecked(true);   // plates
    EXPECT_TRUE(find<QAction>("actionDrucken")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("rb_holzart_NH")->styleSheet().contains("Salmon"));
    EXPECT_GE(w->calculations_run(), 1);
}

// ---------------------------------------------------------------------------------------------
// Leaving: the exit dialog's three answers against the file on disk

TEST_F(WindowTest, ExitDialogAnswers)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    const std::string original = testutil::read_file(inp_path);
    auto* h = find<QSpinBox>("ed_Balken_h");
    type_into(h, QStringLiteral("300"));
    ExitDialog* dlg = w->exitDialog();
    auto leave = [&] {
        find<QAction>("actionEnde")->trigger();
        EXPECT_TRUE(dlg->isVisible());
    };

    // Cancel, Escape: back to the window, the file untouched.
    leave();
    EXPECT_FALSE(quits_after([&] { QTest::mouseClick(dlg->butAbbruch, Qt::LeftButton); }));
    EXPECT_FALSE(dlg->isVisible());
    leave();
    EXPECT_FALSE(quits_after([&] { QTest::keyClick(dlg, Qt::Key_Escape); }));
    EXPECT_FALSE(dlg->isVisible());
    leave();
    QApplication::setActiveWindow(dlg);
    EXPECT_FALSE(quits_after([&] { QTest::keyClick(dlg, Qt::Key_A, Qt::AltModifier); }));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(testutil::read_file(inp_path), original);

    // End without saving: quits, the file as the last save wrote it.
    leave();
    EXPECT_TRUE(quits_after([&] { QTest::mouseClick(dlg->butExitNoSave, Qt::LeftButton); }));
    EXPECT_EQ(testutil::read_file(inp_path), original);
    leave();
    QApplication::setActiveWindow(dlg);
    EXPECT_TRUE(quits_after([&] { QTest::keyClick(dlg, Qt::Key_O, Qt::AltModifier); }));
    EXPECT_EQ(testutil::read_file(inp_path), original);

    // End with saving: the file holds the new height, then quits.
    leave();
    QApplication::setActiveWindow(dlg);
    EXPECT_TRUE(quits_after([&] { QTest::keyClick(dlg, Qt::Key_S, Qt::AltModifier); }));
    EXPECT_NE(testutil::read_file(inp_path), original);
    EXPECT_NE(testutil::read_file(inp_path).find("\n120 300 70 70 100\n"), std::string::npos);

    // A save that fails says so and does not end the program.
    dlg->hide();
    inp_path = dir.file("missing/folder/T1_01.inp");
    calllog::clear();
    leave();
    EXPECT_FALSE(quits_after([&] { QTest::mouseClick(dlg->butExitSave, Qt::LeftButton); }));
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler:"));
    EXPECT_TRUE(dlg->isVisible());
    dlg->hide();
}

TEST_F(WindowTest, ClosingByTheFrameSavesNothing)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    const std::string original = testutil::read_file(inp_path);
    type_into(find<QSpinBox>("ed_Balken_h"), QStringLiteral("300"));
    w->close();
    EXPECT_EQ(testutil::read_file(inp_path), original);
}

TEST_F(WindowTest, SaveActionWritesTheFormAndReportsAFailure)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("160"));
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_NE(testutil::read_file(inp_path).find("\n160 240 70 70 100\n"), std::string::npos);
    EXPECT_FALSE(calllog::contains("QMessageBox: Fehler:"));
    inp_path = dir.file("missing/folder/T1_01.inp");
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler:"));
}

// A write-protected position file, directly or behind a link, is refused and named; its bytes
// and permissions stay. A writable file behind a link is saved and the link kept.
TEST_F(WindowTest, SaveRefusesAWriteProtectedFileAndKeepsLinks)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("160"));
    const std::string real = dir.file("real_01.inp");
    struct Case {
        const char* name;
        mode_t mode;
        bool link;
        bool saved;
    };
    const Case cases[] = {
        {"write-protected", 0444, false, false},
        {"write-protected behind a link", 0400, true, false},
        {"writable behind a link", 0640, true, true},
    };
    for (const Case& c : cases) {
        std::remove(real.c_str());
        std::remove(dir.file("link_01.inp").c_str());
        ASSERT_TRUE(testutil::write_file(real, "old\n"));
        ASSERT_EQ(::chmod(real.c_str(), c.mode), 0);
        inp_path = real;
        if (c.link) {
            inp_path = dir.file("link_01.inp");
            ASSERT_EQ(::symlink("real_01.inp", inp_path.c_str()), 0);
        }
        calllog::clear();
        find<QAction>("actionDaten_sichern")->trigger();
        const std::string named = "QMessageBox: Fehler: Die Positionsdaten konnten nicht gespeichert werden!\n"
                                  "Die Datei " + inp_path + " ist schreibgesch\xc3\xbctzt und wurde nicht "
                                  "\xc3\xbc" "berschrieben.";
        EXPECT_EQ(calllog::contains(named), !c.saved) << c.name;
        EXPECT_EQ(testutil::read_file(real) == "old\n", !c.saved) << c.name;
        struct stat st;
        ASSERT_EQ(::stat(real.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << c.name;
        struct stat lst;
        if (c.link) {
            ASSERT_EQ(::lstat(inp_path.c_str(), &lst), 0);
            EXPECT_TRUE(S_ISLNK(lst.st_mode)) << c.name;
        }
    }
}
