// The table of the window's input fields: what a user enters reaches the data object, what a file
// holds reaches the form, and each field's change sets off what it must.
#include "window_fixture.h"
#include "gui/main_window_bindings.h"
#include "materials/fastener_type_names.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

class BindingTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Two diameters per screw type, each with lengths on both sides of what the beam admits.
        for (FastenerTable* t : {&fastener_table_spax_s_vg, &fastener_table_assy_plus_vg_z, &fastener_table_assy_plus_vg_s})
            set_screw_table(*t, {{8, {200, 300, 360}}, {10, {200, 300, 360, 400}}});
    }
    void TearDown() override
    {
        bind_trace = nullptr;
        WindowTest::TearDown();
    }

    // Picks an item as with the keyboard: first item, then down past the ones before it.
    void choose(QComboBox* box, int index)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), index) << box->objectName().toStdString();
    }
    void toggle_group(QGroupBox* box) { QTest::keyClick(box, Qt::Key_Space); }

    // A 200 x 400 beam, h_ro = h_ru = 140, a = 100, reinforced with screws of the given type.
    std::unique_ptr<TAVO52_DATA> screw_position(int type)
    {
        std::unique_ptr<TAVO52_DATA> d(base_position());
        d->b = 200;
        d->h = 400;
        d->h_ro = 140;
        d->h_ru = 140;
        d->a = 100;
        d->verstaerkt = 1;
        d->verst_typ = REINFORCEMENT_SCREWS;
        d->typ_schraube = type;
        d->d_schraube = 0;
        return d;
    }
};

// Every member the table binds, each checked by the tests below; a row without a case fails here.
const std::set<std::string> kCheckedMembers = {
    "cal_auto", "typ_durchbruch", "nkl", "holzart", "holzguete", "mit_kh", "b", "h", "h_ro", "h_ru", "a",
    "biegung", "schub", "schub_kappa_kreis", "lasten", "verstaerkt", "verst_typ", "mat_laschen", "guete_laschen",
    "ftk_laschen", "a_r", "h_1", "t_r", "unten_gs", "l_e", "d_r", "fest_gs", "n_gs", "unten_sc", "n_sc",
    "vorgebohrt", "rostfrei", "mit_unterleg", "unterleg_art", "typ_schraube", "d_schraube", "sc_d", "l_schraube",
    "sc_l", "import_sni", "import_mat", "import_geo"};

} // namespace

TEST_F(BindingTest, EveryRowIsCoveredHere)
{
    for (const FieldBinding& f : MainWindow::field_bindings())
        EXPECT_TRUE(kCheckedMembers.count(f.member)) << f.member << " has no case in these tests";
}

// The user fills every field of the form; maske2data takes each into its member.
TEST_F(BindingTest, WhatTheUserEntersReachesEveryMember)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->typ_durchbruch = 1;
    d->schub = 1;
    d->schub_kappa_kreis = 0;
    d->b = 200;
    d->h = 400;
    d->h_ro = 140;
    d->h_ru = 140;
    d->a = 120;
    d->mit_kh = 1;
    d->biegung = 1;
    d->verstaerkt = 0;
    d->verst_typ = 0;
    d->mat_laschen = 0;
    d->vorgebohrt = 1;
    d->rostfrei = 0;
    d->mit_unterleg = 0;
    d->unterleg_art = 1;
    d->import_sni = d->import_mat = d->import_geo = 1;
    d->lasten.clear();
    open(*d);

    // Beam and opening; the shear switch of a circle before the opening becomes a rectangle.
    click(find<QCheckBox>("cb_Schub_kappa_kreis"));
    click(find<QRadioButton>("rb_typ_durchbruch_recht"));
    click(find<QRadioButton>("rb_Balken_NKL2"));
    click(find<QRadioButton>("rb_holzart_BSH_DIN"));
    choose(find<QComboBox>("cb_holzguete"), 4);
    click(find<QCheckBox>("cb_kh"));
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("180"));
    type_into(find<QSpinBox>("ed_Balken_h"), QStringLiteral("380"));
    type_into(find<QSpinBox>("ed_Balken_hro"), QStringLiteral("130"));
    type_into(find<QSpinBox>("ed_Balken_hru"), QStringLiteral("135"));
    type_into(find<QSpinBox>("ed_Balken_a"), QStringLiteral("110"));
    click(find<QCheckBox>("cb_Biegung"));
    click(find<QCheckBox>("cb_Schub"));
    click(find<QPushButton>("pb_last_new"));

    // Plates of a free material, then rods, then screws, each with its own fields.
    toggle_group(find<QGroupBox>("gb_Verstaerkung"));
    click(find<QRadioButton>("rb_verst_laschen"));
    choose(find<QComboBox>("cob_mat_laschen"), 5);
    type_into(find<QDoubleSpinBox>("sb_laschen_ftk"), QStringLiteral("12,5"));
    type_into(find<QSpinBox>("ed_Verst_ar"), QStringLiteral("60"));
    type_into(find<QSpinBox>("ed_Verst_h1"), QStringLiteral("70"));
    type_into(find<QDoubleSpinBox>("ed_Verst_tr"), QStringLiteral("21,5"));
    click(find<QRadioButton>("rb_verst_gewindestangen"));
    click(find<QRadioButton>("rb_unten_gs"));
    choose(find<QComboBox>("cob_dr_GS"), 3);   // 12 mm
    // Rectangle, rods from below: l_e from h_ru + h_d + l_ad = 135 + 115 + max(120, 72) = 370 to h = 380.
    type_into(find<QDoubleSpinBox>("ed_GS_le"), QStringLiteral("375"));
    choose(find<QComboBox>("cob_fest_GS"), 5);  // FK 8.8
    type_into(find<QSpinBox>("ed_Verst_n_GS"), QStringLiteral("2"));
    click(find<QRadioButton>("rb_verst_schrauben"));
    choose(find<QComboBox>("cob_typ_schraube"), 2);   // countersunk, 15
    choose(find<QComboBox>("cob_d_schraube"), 1);     // 10 mm
    // From above: l >= h - h_ru + 4 d = 380 - 135 + 40 = 285 and l <= h = 380: 300 or 360.
    choose(find<QComboBox>("cob_l_schraube"), 2);     // 360 mm
    type_into(find<QSpinBox>("ed_Verst_n_SC"), QStringLiteral("2"));
    click(find<QCheckBox>("cb_vorgebohrt"));
    // From below: l >= 380 - 130 + 40 = 290, so 360 stays.
    click(find<QRadioButton>("rb_unten_sc"));
    click(find<QCheckBox>("cb_rostfrei"));
    click(find<QCheckBox>("cb_mit_unterleg"));
    click(find<QRadioButton>("rb_gedreht"));
    click(find<QCheckBox>("cb_import_mat"));
    click(find<QCheckBox>("cb_import_geo"));
    click(find<QCheckBox>("cb_import_sni"));
    find<QAction>("action_cal_auto")->trigger();
    QCoreApplication::processEvents();

    // Every member scribbled over first, so that each value below is one maske2data wrote.
    TAVO52_DATA& r0 = data_object;
    for (int* m : {&r0.cal_auto, &r0.typ_durchbruch, &r0.nkl, &r0.holzart, &r0.holzguete, &r0.mit_kh, &r0.biegung,
                   &r0.schub, &r0.schub_kappa_kreis, &r0.verstaerkt, &r0.verst_typ, &r0.mat_laschen,
                   &r0.guete_laschen, &r0.unten_gs, &r0.fest_gs, &r0.n_gs, &r0.unten_sc, &r0.n_sc, &r0.vorgebohrt,
                   &r0.rostfrei, &r0.mit_unterleg, &r0.unterleg_art, &r0.typ_schraube, &r0.d_schraube,
                   &r0.l_schraube, &r0.import_sni, &r0.import_mat, &r0.import_geo})
        *m = -7;
    for (double* m : {&r0.b, &r0.h, &r0.h_ro, &r0.h_ru, &r0.a, &r0.ftk_laschen, &r0.a_r, &r0.h_1, &r0.t_r, &r0.l_e,
                      &r0.d_r, &r0.sc_d, &r0.sc_l})
        *m = -7.5;
    r0.lasten.clear();
    w->maske2data();
    const TAVO52_DATA& r = data_object;
    EXPECT_EQ(r.cal_auto, 1);
    EXPECT_EQ(r.typ_durchbruch, 0);
    EXPECT_EQ(r.nkl, 2);
    EXPECT_EQ(r.holzart, 3);
    EXPECT_EQ(r.holzguete, 4);
    EXPECT_EQ(r.mit_kh, 0);
    EXPECT_EQ(r.b, 180);
    EXPECT_EQ(r.h, 380);
    EXPECT_EQ(r.h_ro, 130);
    EXPECT_EQ(r.h_ru, 135);
    EXPECT_EQ(r.a, 110);
    EXPECT_EQ(r.biegung, 0);
    EXPECT_EQ(r.schub, 0);
    EXPECT_EQ(r.schub_kappa_kreis, 1);
    EXPECT_EQ(r.lasten.size(), 1);
    EXPECT_EQ(r.verstaerkt, 1);
    EXPECT_EQ(r.verst_typ, REINFORCEMENT_SCREWS);
    EXPECT_EQ(r.mat_laschen, 14);
    EXPECT_EQ(r.guete_laschen, 0);   // the free material's list has one entry
    EXPECT_EQ(r.ftk_laschen, 12.5);
    EXPECT_EQ(r.a_r, 60);
    EXPECT_EQ(r.h_1, 70);
    EXPECT_EQ(r.t_r, 21.5);
    EXPECT_EQ(r.unten_gs, 1);
    EXPECT_EQ(r.l_e, 375);
    EXPECT_EQ(r.d_r, 12);
    EXPECT_EQ(r.fest_gs, 27);
    EXPECT_EQ(r.n_gs, 2);
    EXPECT_EQ(r.unten_sc, 1);
    EXPECT_EQ(r.n_sc, 2);
    EXPECT_EQ(r.vorgebohrt, 0);
    EXPECT_EQ(r.rostfrei, 1);
    EXPECT_EQ(r.mit_unterleg, 1);
    EXPECT_EQ(r.unterleg_art, 2);
    EXPECT_EQ(r.typ_schraube, 15);
    EXPECT_EQ(r.d_schraube, 1);
    EXPECT_EQ(r.sc_d, 10);
    EXPECT_EQ(r.l_schraube, 2);
    EXPECT_EQ(r.sc_l, 360);
    EXPECT_EQ(r.import_sni, 0);
    EXPECT_EQ(r.import_mat, 0);
    EXPECT_EQ(r.import_geo, 0);
}

// A file's values, different from the defaults and from the case above, all reach the form.
TEST_F(BindingTest, WhatTheFileHoldsReachesEveryWidget)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    TAVO52_DATA& p = *d;
    p.cal_auto = 0;
    p.typ_durchbruch = 1;
    p.nkl = 3;
    p.holzart = 1;
    p.holzguete = 2;
    p.mit_kh = 0;
    p.b = 160;
    p.h = 360;
    p.h_ro = 120;
    p.h_ru = 130;
    p.a = 110;   // a circle's length is its height h_d = 360 - 120 - 130
    p.biegung = 0;
    p.schub = 1;
    p.schub_kappa_kreis = 1;
    p.verstaerkt = 1;
    p.verst_typ = REINFORCEMENT_RODS;
    p.mat_laschen = 3;
    p.guete_laschen = 2;
    p.ftk_laschen = 9.5;
    p.a_r = 55;
    p.h_1 = 65;
    p.t_r = 18.5;
    p.unten_gs = 0;
    // Circle, rods from above: l_e from h_ro + 0.85 h_d + max(10 d, d²/2) = 120 + 93.5 + 100 = 313.5 to 360.
    p.l_e = 340;
    p.d_r = 10;
    p.fest_gs = 25;
    p.n_gs = 2;
    p.unten_sc = 1;
    p.typ_schraube = 14;
    p.d_schraube = 0;
    p.l_schraube = 1;
    p.n_sc = 3;
    p.vorgebohrt = 0;
    p.rostfrei = 1;
    p.mit_unterleg = 1;
    p.unterleg_art = 2;
    p.import_sni = 0;
    p.import_mat = 1;
    p.import_geo = 0;
    p.lasten.clear();
    LoadRow a;
    a.name = QStringLiteral("Wind");
    a.v_l = 4.5;
    a.kled = 3;
    LoadRow b;
    b.name = QStringLiteral("Schnee");
    p.lasten << a << b;
    open(p);

    EXPECT_FALSE(find<QAction>("action_cal_auto")->isChecked());
    struct Button { const char* name; bool checked; };
    const Button buttons[] = {
        {"rb_typ_durchbruch_recht", false}, {"rb_typ_durchbruch_kreis", true}, {"rb_Balken_NKL1", false},
        {"rb_Balken_NKL2", false}, {"rb_Balken_NKL3", true}, {"rb_holzart_NH", false}, {"rb_holzart_LH", true},
        {"rb_holzart_BSH_DIN", false}, {"rb_holzart_BSH_EC", false}, {"cb_kh", false}, {"cb_Biegung", false},
        {"cb_Schub", true}, {"cb_Schub_kappa_kreis", true}, {"rb_verst_laschen", false},
        {"rb_verst_gewindestangen", true}, {"rb_verst_schrauben", false}, {"rb_oben_gs", true},
        {"rb_unten_gs", false}, {"rb_oben_sc", false}, {"rb_unten_sc", true}, {"cb_vorgebohrt", false},
        {"cb_rostfrei", true}, {"cb_mit_unterleg", true}, {"rb_gedreht", true}, {"rb_gepresst", false},
        {"cb_import_sni", false}, {"cb_import_mat", true}, {"cb_import_geo", false}};
    for (const Button& b : buttons)
        EXPECT_EQ(find<QAbstractButton>(b.name)->isChecked(), b.checked) << b.name;
    EXPECT_TRUE(find<QGroupBox>("gb_Verstaerkung")->isChecked());

    struct Number { const char* name; double value; };
    const Number numbers[] = {{"ed_Balken_b", 160},   {"ed_Balken_h", 360},   {"ed_Balken_hro", 120},
                              {"ed_Balken_hru", 130}, {"ed_Balken_a", 110},   {"ed_Balken_b_2", 160},
                              {"ed_Balken_h_2", 360}, {"ed_Balken_hro_2", 120}, {"ed_Balken_hru_2", 130},
                              {"ed_Balken_a_2", 110}, {"sb_laschen_ftk", 9.5}, {"ed_Verst_ar", 55},
                              {"ed_Verst_h1", 65},    {"ed_Verst_tr", 18.5},  {"ed_GS_le", 340},
                              {"ed_Verst_n_GS", 2},   {"ed_Verst_n_SC", 3}};
    for (const Number& n : numbers) {
        auto* box = find<QAbstractSpinBox>(n.name);
        ASSERT_NE(box, nullptr);
        const double shown = qobject_cast<QSpinBox*>(box) ? qobject_cast<QSpinBox*>(box)->value()
                                                          : qobject_cast<QDoubleSpinBox*>(box)->value();
        EXPECT_EQ(shown, n.value) << n.name;
    }

    struct Choice { const char* name; const char* text; };
    const Choice choices[] = {{"cb_holzguete", "D30"},        {"cob_mat_laschen", "Brettschichtholz DIN"},
                              {"cob_guete_laschen", "GL28h (BS14)"}, {"cob_dr_GS", "10"},
                              {"cob_fest_GS", "FK  5.6"},     {"cob_typ_schraube", "ASSY-plus Zylinderkopf"},
                              {"cob_d_schraube", "8"},        {"cob_l_schraube", "300"}};
    for (const Choice& c : choices)
        EXPECT_EQ(find<QComboBox>(c.name)->currentText().toStdString(), c.text) << c.name;

    auto* loads = w->loads_model();
    ASSERT_EQ(loads->rowCount(), 2);
    EXPECT_EQ(loads->item(0, 0)->text().toStdString(), "Wind");
    EXPECT_EQ(loads->item(0, 2)->text().toStdString(), "4.500");
    EXPECT_EQ(loads->item(1, 0)->text().toStdString(), "Schnee");
}

// Each field's change, made as a user makes it, sets off every trigger of its row, and the ones
// the window relies on are there: the geometry rules, the recalculation, the refills and checks.
TEST_F(BindingTest, EachFieldsChangeSetsOffItsTriggers)
{
    std::unique_ptr<TAVO52_DATA> d = screw_position(FT_ASSY_VG_S);
    d->l_schraube = 1;
    d->l_e = 390;
    open(*d);

    std::vector<std::pair<std::string, std::string>> ran;
    bind_trace = [&](const char* member, const char* slot) { ran.emplace_back(member, slot); };

    // What must run, independent of the table: by member, the window's functions in the order they
    // run (a list is refilled before the calculation that reads it).
    const std::map<std::string, std::vector<std::string>> must = {
        {"cal_auto", {"h_check_click"}},
        {"typ_durchbruch", {"note_input_change", "typ_click"}},
        {"nkl", {"note_input_change", "apply_rules", "recalculate_if_auto"}},
        {"holzart", {"note_input_change", "fill_cb_Holzguete_balken", "b_check_click"}},
        {"holzguete", {"note_input_change", "b_check_click", "recalculate_if_auto"}},
        {"mit_kh", {"note_input_change", "recalculate_if_auto"}},
        {"b", {"note_input_change", "b_check_click", "h_check_click"}},
        {"h", {"note_input_change", "h_check_click"}},
        {"h_ro", {"note_input_change", "h_check_click"}},
        {"h_ru", {"note_input_change", "h_check_click"}},
        {"a", {"note_input_change", "h_check_click"}},
        {"biegung", {"note_input_change", "display_nachweise_checkauto"}},
        {"schub", {"note_input_change", "display_nachweise_checkauto", "set_schub_kappa_kreis"}},
        {"schub_kappa_kreis", {"note_input_change", "recalculate_if_auto"}},
        {"verstaerkt", {"note_input_change", "verstaerkungs_click"}},
        {"verst_typ", {"note_input_change", "verstaerkungs_typ_click"}},
        {"mat_laschen", {"note_input_change", "fill_cb_Holzguete_laschen"}},
        {"guete_laschen", {"note_input_change", "fill_ftk_laschen"}},
        {"ftk_laschen", {"note_input_change", "recalculate_if_auto"}},
        {"a_r", {"note_input_change", "h_check_click"}},
        {"h_1", {"note_input_change", "h_check_click"}},
        {"t_r", {"note_input_change", "recalculate_if_auto"}},
        {"unten_gs", {"note_input_change", "verstaerkungs_typ_click"}},
        {"l_e", {"note_input_change", "h_check_click", "GS_le_scheck"}},
        {"d_r", {"note_input_change", "b_check_click", "h_check_click", "GS_le_scheck"}},
        {"fest_gs", {"note_input_change", "recalculate_if_auto"}},
        {"n_gs", {"note_input_change", "recalculate_if_auto"}},
        {"unten_sc", {"note_input_change", "verstaerkungs_typ_click"}},
        {"n_sc", {"note_input_change", "recalculate_if_auto"}},
        {"vorgebohrt", {"note_input_change", "verstaerkungs_typ_click"}},
        {"rostfrei", {"note_input_change", "recalculate_if_auto"}},
        {"mit_unterleg", {"note_input_change", "recalculate_if_auto"}},
        {"unterleg_art", {"note_input_change", "recalculate_if_auto"}},
        {"typ_schraube", {"note_input_change", "fill_d_schraube", "recalculate_if_auto"}},
        {"d_schraube", {"note_input_change", "fill_l_schraube", "h_check_click", "b_check_click"}},
        {"l_schraube", {"note_input_change", "b_check_click", "h_check_click"}},
    };

    // A change of one widget as a user makes it: a step of a number, the next item, a click.
    const auto change = [&](QObject* o) {
        if (auto* a = qobject_cast<QAction*>(o)) {
            a->trigger();
        } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
            toggle_group(g);
        } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
            click(b);
        } else if (auto* c = qobject_cast<QComboBox*>(o)) {
            c->setFocus();
            const int before = c->currentIndex();
            QTest::keyClick(c, Qt::Key_Down);
            if (c->currentIndex() == before)
                QTest::keyClick(c, Qt::Key_Up);
        } else if (auto* s = qobject_cast<QAbstractSpinBox*>(o)) {
            const QString before = s->text();
            QTest::keyClick(s, Qt::Key_Up);
            if (s->text() == before)
                QTest::keyClick(s, Qt::Key_Down);
        }
        QCoreApplication::processEvents();
    };

    for (const FieldBinding& f : MainWindow::field_bindings()) {
        if (f.triggers.empty())
            continue;
        const QList<QObject*> widgets = f.widgets(*w);
        // A radio group's change is a click on a button that is off.
        QObject* target = widgets.first();
        for (QObject* o : widgets)
            if (auto* rb = qobject_cast<QRadioButton*>(o); rb && !rb->isChecked()) {
                target = rb;
                break;
            }
        // The reinforcement's fields are enabled only with it, and with their kind of it.
        const std::string m = f.member;
        if (m != "verstaerkt" && !find<QGroupBox>("gb_Verstaerkung")->isChecked())
            toggle_group(find<QGroupBox>("gb_Verstaerkung"));
        if (m == "mat_laschen" || m == "guete_laschen" || m == "ftk_laschen" || m == "t_r")
            click(find<QRadioButton>("rb_verst_laschen"));
        if (m == "unten_gs" || m == "l_e" || m == "d_r" || m == "fest_gs" || m == "n_gs")
            click(find<QRadioButton>("rb_verst_gewindestangen"));
        if (m == "unten_sc" || m == "typ_schraube")
            click(find<QRadioButton>("rb_verst_schrauben"));
        if (m == "ftk_laschen")
            choose(find<QComboBox>("cob_mat_laschen"), 5);   // free material: the strength is typed
        if (m == "a")
            click(find<QRadioButton>("rb_typ_durchbruch_recht"));
        // The circle's shear switch only with a circle and the shear check on.
        if (m == "schub_kappa_kreis") {
            click(find<QRadioButton>("rb_typ_durchbruch_kreis"));
            if (!find<QCheckBox>("cb_Schub")->isChecked())
                click(find<QCheckBox>("cb_Schub"));
        }
        // The copy boxes sit on the second tab.
        find<QTabWidget>("tabWidget")->setCurrentIndex(target->objectName().endsWith("_2") ? 1 : 0);
        QCoreApplication::processEvents();
        ran.clear();
        change(target);
        std::vector<std::string> in_order;
        for (const auto& r : ran)
            if (r.first == m)
                in_order.push_back(r.second);
        const std::set<std::string> fired(in_order.begin(), in_order.end());
        for (const BindTrigger& t : f.triggers)
            EXPECT_TRUE(fired.count(t.slot)) << m << " (" << target->objectName().toStdString() << "): " << t.slot
                                             << " did not run";
        const auto expected = must.find(m);
        if (target->objectName().endsWith("_2")) {
            EXPECT_TRUE(fired.count("h_check_click")) << target->objectName().toStdString();
            continue;
        }
        ASSERT_NE(expected, must.end()) << m;
        auto next = in_order.begin();
        for (const std::string& slot : expected->second) {
            next = std::find(next, in_order.end(), slot);
            EXPECT_TRUE(next != in_order.end()) << m << ": " << slot << " is not set off, or not in its turn";
            if (next == in_order.end())
                break;
        }
    }
}

// Typing a geometry field runs the rules: the other tab's copy follows and the rules are
// evaluated anew.
TEST_F(BindingTest, TypingAGeometryFieldRunsTheRules)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    // Unreinforced: h_ro, h_ru >= 0.35 h = 140 and h_d = 400 - 170 - 170 = 60 <= 0.15 h = 60 hold.
    d->h = 400;
    d->h_ro = 170;
    d->h_ru = 170;
    open(*d);
    ASSERT_TRUE(w->rule_violations().isEmpty()) << w->rule_violations().join(QStringLiteral("; ")).toStdString();
    type_into(find<QSpinBox>("ed_Balken_h"), QStringLiteral("480"));
    EXPECT_EQ(find<QSpinBox>("ed_Balken_h_2")->value(), 480);
    // h = 480: h_d = 140 > 0.15 h = 72.
    const QStringList broken = w->rule_violations();
    ASSERT_EQ(broken.size(), 1) << broken.join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(broken[0].startsWith(QStringLiteral("h_d"))) << broken[0].toStdString();
    EXPECT_TRUE(broken[0].contains(QStringLiteral("0,15 h"))) << broken[0].toStdString();
}

// Whether the screws fit is what the check that ran last found: a new screw type is checked for
// its lengths only, and a type without an admissible length blocks calculating.
TEST_F(BindingTest, ScrewTypeWithoutAdmissibleLengthDoesNotFit)
{
    set_screw_table(fastener_table_spax_s_vg, {{10, {300, 360}}});
    set_screw_table(fastener_table_assy_plus_vg_z, {{10, {120, 200}}});
    std::unique_ptr<TAVO52_DATA> d = screw_position(FT_SPAX_S_VG);
    d->unten_sc = 0;
    d->l_schraube = 0;
    open(*d);
    // From above: l >= h - h_ru + 4 d = 400 - 140 + 40 = 300 and l <= h = 400: 300 and 360 fit.
    ASSERT_EQ(w->screw_fits(), 1);
    choose(find<QComboBox>("cob_typ_schraube"), 1);
    // The second type's 120 and 200 mm are both shorter than 300 mm.
    EXPECT_EQ(find<QComboBox>("cob_l_schraube")->count(), 2);
    EXPECT_EQ(w->screw_fits(), 0);
    EXPECT_TRUE(w->arrangement_rejected());
}

// Choosing the first entry of a list after another one takes the first: into the data object, and
// for the beam's grade also across a change of the wood kind and back.
TEST_F(BindingTest, FirstEntryOfAListAfterAnotherIsTaken)
{
    std::unique_ptr<TAVO52_DATA> d = screw_position(FT_ASSY_VG_S);
    d->holzart = 0;   // softwood: the list opens on "C24 (S10)", index 5
    d->verst_typ = REINFORCEMENT_PLATES;
    d->mat_laschen = 0;
    open(*d);
    struct List {
        const char* box;
        int TAVO52_DATA::*member;
        int other;   // the entry chosen before the first
        const char* kind;   // the reinforcement kind that enables the list, or nullptr
    };
    const List lists[] = {
        {"cb_holzguete", &TAVO52_DATA::holzguete, 3, nullptr},
        {"cob_mat_laschen", &TAVO52_DATA::mat_laschen, 1, "rb_verst_laschen"},   // Nadelholz is code 0
        {"cob_guete_laschen", &TAVO52_DATA::guete_laschen, 2, "rb_verst_laschen"},
        {"cob_d_schraube", &TAVO52_DATA::d_schraube, 1, "rb_verst_schrauben"},   // 8 mm, which fits b = 200
    };
    for (const List& l : lists) {
        SCOPED_TRACE(l.box);
        if (l.kind) click(find<QRadioButton>(l.kind));
        auto* box = find<QComboBox>(l.box);
        choose(box, l.other);
        choose(box, 0);
        data_object.*l.member = -7;
        w->maske2data();
        EXPECT_EQ(data_object.*l.member, 0);
    }
    click(find<QRadioButton>("rb_holzart_LH"));
    click(find<QRadioButton>("rb_holzart_NH"));
    EXPECT_EQ(find<QComboBox>("cb_holzguete")->currentText().toStdString(), "C14");
}

// A switch stored as neither 0 nor 1 is refused by the position file, which keeps the member's own
// value: the form then shows that 0 or 1, never a tick for the refused number. For 0 and 1 "rostfrei"
// is ticked for 1 only, like every other switch.
TEST_F(BindingTest, StoredSwitchValuesOtherThanZeroAndOne)
{
    struct Switch {
        const char* box;
        int TAVO52_DATA::*member;
    };
    const Switch switches[] = {
        {"cb_rostfrei", &TAVO52_DATA::rostfrei},       {"cb_vorgebohrt", &TAVO52_DATA::vorgebohrt},
        {"cb_mit_unterleg", &TAVO52_DATA::mit_unterleg}, {"cb_kh", &TAVO52_DATA::mit_kh},
        {"cb_Biegung", &TAVO52_DATA::biegung},         {"cb_import_mat", &TAVO52_DATA::import_mat},
    };
    for (int stored : {2, -1, 1, 0}) {
        SCOPED_TRACE(stored);
        std::unique_ptr<TAVO52_DATA> d = screw_position(FT_ASSY_VG_S);
        d->import_sni = 1;   // so that the import switches are shown as enabled
        for (const Switch& s : switches) d.get()->*s.member = stored;
        open(*d);
        const bool in_file = stored == 0 || stored == 1;
        for (const Switch& s : switches) {
            const int held = data_object.*s.member;
            EXPECT_TRUE(held == 0 || held == 1) << s.box << " holds " << held;
            if (in_file) EXPECT_EQ(held, stored) << s.box;
            EXPECT_EQ(find<QAbstractButton>(s.box)->isChecked(), held == 1) << s.box;
        }
    }
}
