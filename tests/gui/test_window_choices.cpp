// Grade lists, tab copying and the arrangement checks of rods and screws.
#include "window_fixture.h"
#include "fasteners/minimum_spacings.h"
#include "materials/timber_strengths.h"
#include "national_annex/nad_ec5_block.h"
#include "platform/env/vyk_env.h"
#include <filesystem>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <cmath>

namespace {

QStringList items(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

bool item_enabled(QComboBox* box, int i)
{
    auto* m = qobject_cast<QStandardItemModel*>(box->model());
    return m->item(i)->isEnabled();
}

// A beam b x 400 with h_ro above and h_ru 100 below the opening, reinforced by screws of product 13.
void use_screws(TAVO52_DATA& d, double b, double h_ro)
{
    d.b = b;
    d.h = 400;
    d.h_ro = h_ro;
    d.h_ru = 100;
    d.verstaerkt = 1;
    d.verst_typ = 2;
    d.typ_schraube = 13;
}

} // namespace

TEST_F(WindowTest, BeamGradeListPerWoodKind)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    struct Case { const char* button; int count; const char* first; const char* current; };
    const Case cases[] = {
        {"rb_holzart_LH", 8, "D18", "D18"},
        {"rb_holzart_NH", 12, "C14", "C24 (S10)"},
        {"rb_holzart_BSH_DIN", 8, "GL24h (BS11)", "GL24h (BS11)"},
        {"rb_holzart_BSH_EC", 14, "GL20h", "GL30h"},   // the grade the position had for this kind
    };
    auto* grade = find<QComboBox>("cb_holzguete");
    for (const Case& c : cases) {
        click(find<QRadioButton>(c.button));
        EXPECT_EQ(grade->count(), c.count) << c.button;
        EXPECT_EQ(grade->itemText(0).toStdString(), c.first) << c.button;
        EXPECT_EQ(grade->currentText().toStdString(), c.current) << c.button;
    }
    EXPECT_EQ(items(grade).last().toStdString(), "GL32c");
}

// Each wood kind keeps the grade chosen for it while the others are tried; the kept grade is the
// one the data object takes and the print shows.
TEST_F(WindowTest, EachWoodKindKeepsItsGrade)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->holzguete = 2;   // GL24h
    open(*d);
    auto* grade = find<QComboBox>("cb_holzguete");
    ASSERT_EQ(grade->currentText().toStdString(), "GL24h");
    click(find<QRadioButton>("rb_holzart_NH"));
    EXPECT_EQ(grade->currentText().toStdString(), "C24 (S10)");   // not chosen before: the default
    grade->setCurrentIndex(7);                                     // C30 (S13)
    click(find<QRadioButton>("rb_holzart_LH"));
    click(find<QRadioButton>("rb_holzart_BSH_EC"));
    EXPECT_EQ(grade->currentText().toStdString(), "GL24h");
    w->maske2data();
    EXPECT_EQ(data_object.holzart, 2);
    EXPECT_EQ(data_object.holzguete, 2);
    click(find<QRadioButton>("rb_holzart_NH"));
    EXPECT_EQ(grade->currentText().toStdString(), "C30 (S13)");
}

TEST_F(WindowTest, PlateGradeListsAndTensileStrength)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->verstaerkt = 1;
    d->verst_typ = 0;
    open(*d);
    find<QTabWidget>("tabWidget")->setCurrentIndex(1);
    auto* material = find<QComboBox>("cob_mat_laschen");
    auto* grade = find<QComboBox>("cob_guete_laschen");
    auto* ftk = find<QUORSpinBox>("sb_laschen_ftk");
    struct Case { int material; int count; const char* first; int current; };
    // Hardwood plates offer all eight grades, so that the list position is the grade table row.
    const Case cases[] = {{1, 8, "D18", 0}, {3, 8, "GL24h (BS11)", 0}, {2, 14, "GL20h", 0},
                          {6, 6, "F20/10", 0}, {0, 12, "C14", 5}};
    for (const Case& c : cases) {
        material->setCurrentIndex(material->findData(c.material));
        EXPECT_EQ(grade->count(), c.count) << c.material;
        EXPECT_EQ(grade->itemText(0).toStdString(), c.first) << c.material;
        EXPECT_EQ(grade->currentIndex(), c.current) << c.material;
        EXPECT_FALSE(ftk->isEnabled()) << c.material;
    }
    // Softwood C24 plate: f_t,0,k from the strength getter, kN/m² x 0.001 = N/mm².
    double f_t = 0;
    ASSERT_TRUE(get_strengths(0, 5, 1, 6, find<QSpinBox>("ed_Verst_ar")->value(),
                              find<QUORSpinBox>("ed_Verst_tr")->value(), nullptr, &f_t, nullptr, nullptr, nullptr,
                              nullptr));
    EXPECT_NEAR(ftk->value(), std::round(f_t * 0.001 * 100) / 100, 1e-9);
    // Hardwood D30 (row 2): the strength of D30, not of the row two places above.
    material->setCurrentIndex(material->findData(1));
    grade->setCurrentIndex(2);
    double f_t_d30 = 0;
    get_strengths(1, 2, 1, 6, find<QSpinBox>("ed_Verst_ar")->value(), find<QUORSpinBox>("ed_Verst_tr")->value(),
                  nullptr, &f_t_d30, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NEAR(ftk->value(), std::round(f_t_d30 * 0.001 * 100) / 100, 1e-9);

    // "freies Material": only "---", the field is the user's and keeps what was typed.
    ftk->setValue(7.5);
    material->setCurrentIndex(material->findData(14));
    EXPECT_EQ(items(grade), QStringList{QStringLiteral("---")});
    EXPECT_TRUE(ftk->isEnabled());
    EXPECT_DOUBLE_EQ(ftk->value(), 7.5);
}

TEST_F(WindowTest, DimensionsFollowAcrossTheTabs)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->verstaerkt = 1;
    open(*d);
    auto* tabs = find<QTabWidget>("tabWidget");
    tabs->setCurrentIndex(1);
    type_into(find<QSpinBox>("ed_Balken_h_2"), QStringLiteral("300"));
    tabs->setCurrentIndex(0);
    EXPECT_EQ(find<QSpinBox>("ed_Balken_h")->value(), 300);
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("140"));
    tabs->setCurrentIndex(2);
    EXPECT_EQ(find<QSpinBox>("ed_Balken_b_2")->value(), 140) << "copied while the system tab was shown";
    EXPECT_EQ(find<QLabel>("lb_kommentar_hd_2")->text(), find<QLabel>("lb_kommentar_hd")->text());
}

// Screws from the top, h = 400, h_ru = 100, d = 8: lengths from h - h_ru + 4 d = 332 mm up to h = 400 mm.
TEST_F(WindowTest, ScrewLengthsFitTheDepth)
{
    set_screw_table(fastener_table_spax_s_vg, {{8, {300, 330, 332, 340, 400, 420}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    use_screws(*d, 200, 180);   // h_d = 120 = 0.3 h, the limit with screws
    d->unten_sc = 0;
    d->d_schraube = 0;
    d->l_schraube = 0;
    d->n_sc = 1;
    open(*d);
    auto* lengths = find<QComboBox>("cob_l_schraube");
    ASSERT_EQ(lengths->count(), 6);
    const bool expected[] = {false, false, true, true, true, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(item_enabled(lengths, i), expected[i]) << lengths->itemText(i).toStdString();
    EXPECT_EQ(lengths->currentText().toStdString(), "332") << "the first admissible length is chosen";
    EXPECT_EQ(w->screw_fits(), 1);
    EXPECT_TRUE(find<QAction>("actionCalculation")->isEnabled());
    // Washer kinds only for the countersunk product 15.
    EXPECT_FALSE(find<QRadioButton>("rb_gedreht")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("rb_gepresst")->isEnabled());
}

// n = (b - 2 a4,c) / a2 + 1: b = 2 a4,c gives one screw; a narrower beam gives none and blocks calculating.
TEST_F(WindowTest, ScrewsAcrossTheWidth)
{
    set_screw_table(fastener_table_spax_s_vg, {{8, {360, 380, 400}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    use_screws(*d, 200, 180);   // h_d = 120 = 0.3 h, the limit with screws
    d->vorgebohrt = 1;
    d->n_sc = 1;
    d->d_schraube = 0;   // a diameter and a length of the table: a screw without length is no arrangement
    d->l_schraube = 0;
    open(*d);
    const double rho = data_object.rho_k;
    ASSERT_GT(rho, 0.0);
    double a2 = 0, a4c = 0;
    fastener_minimum_spacings(13, 1, 1, 0, 0, 2, rho, 8, 8, 0, 0, 400, 400, nullptr, &a2, nullptr, nullptr, nullptr,
                              &a4c);
    ASSERT_GT(a2, 0.0);
    const int b_one = static_cast<int>(std::ceil(2 * a4c));
    ASSERT_GE(b_one, 41);
    auto* b = find<QSpinBox>("ed_Balken_b");
    type_into(b, QString::number(b_one));
    EXPECT_EQ(w->screw_fits(), 1);
    EXPECT_EQ(find<QSpinBox>("ed_Verst_n_SC")->maximum(), static_cast<int>((b_one - 2 * a4c) / a2 + 1));
    EXPECT_TRUE(find<QAction>("actionCalculation")->isEnabled());
    type_into(b, QString::number(b_one - 2));
    EXPECT_EQ(w->screw_fits(), 0);
    EXPECT_FALSE(find<QAction>("actionCalculation")->isEnabled());
    EXPECT_FALSE(find<QAction>("actionDrucken")->isEnabled());
    EXPECT_FALSE(item_enabled(find<QComboBox>("cob_d_schraube"), 0));
}

TEST_F(WindowTest, EmptyScrewTablesOfferNothingAndBlockCalculating)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->verstaerkt = 1;
    d->verst_typ = 2;
    d->d_schraube = 3;   // stale indexes from an older file
    d->l_schraube = 7;
    open(*d);
    EXPECT_EQ(find<QComboBox>("cob_d_schraube")->count(), 0);
    EXPECT_EQ(find<QComboBox>("cob_l_schraube")->count(), 0);
    EXPECT_EQ(w->screw_fits(), 0);
    EXPECT_FALSE(find<QAction>("actionCalculation")->isEnabled());
    const int before = w->calculations_run();
    find<QAction>("actionCalculation")->trigger();
    w->display_nachweise(1);
    EXPECT_EQ(w->calculations_run(), before);
}

TEST_F(WindowTest, RodsAcrossTheWidthAndTheirLength)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->b = 200;
    d->h = 400;
    d->h_ro = 150;
    d->h_ru = 150;
    d->a = 100;
    d->typ_durchbruch = 0;
    d->verstaerkt = 1;
    d->verst_typ = 1;
    d->unten_gs = 0;
    d->d_r = 12;
    d->n_gs = 1;
    open(*d);
    // Rectangular opening, rods from the top, d_r = 12: l_ad = max(10 d, d²/2) = 120 <= h_ro = 150,
    // so l_e runs from h_ro + h_d + l_ad = 150 + 100 + 120 = 370 to h = 400.
    auto* le = find<QDoubleSpinBox>("ed_GS_le");
    EXPECT_DOUBLE_EQ(le->minimum(), 370.0);
    EXPECT_DOUBLE_EQ(le->maximum(), 400.0);
    EXPECT_EQ(w->screw_fits(), 1);
    EXPECT_TRUE(find<QAction>("actionCalculation")->isEnabled());
    // Rods are spaced as fitted bolts, by the dowel rule: a2 = 3 d = 36, a4,c = 3 d = 36, so
    // (200 - 2 * 36) / 36 + 1 = 4.56: four rods across the width (a loose bolt's a2 = 4 d would give 3).
    EXPECT_EQ(find<QSpinBox>("ed_Verst_n_GS")->maximum(), 4);

    // d_r = 20: l_ad = max(200, 200) = 200 > 150: the notice, the range stays.
    calllog::clear();
    auto* dr = find<QComboBox>("cob_dr_GS");
    dr->setCurrentIndex(dr->findData(20.0));
    EXPECT_TRUE(calllog::contains("Info: Der gewählte Gewindestahldurchmesser ist zu groß\noder die Querschnittshöhe ist zu klein"));
    EXPECT_DOUBLE_EQ(le->minimum(), 370.0);

    // A beam too narrow for one rod: (40 - 2 a4,c) / a2 + 1 < 1 for a bolt of 20 mm; the count keeps at
    // least 1 and calculating is blocked.
    double a2 = 0, a4c = 0;
    fastener_minimum_spacings(30, 1, 1, 0, 0, 2, data_object.rho_k, 20, 20, 0, 0, 400, 400, nullptr, &a2, nullptr,
                              nullptr, nullptr, &a4c);
    ASSERT_LT(static_cast<int>((40 - 2 * a4c) / a2 + 1), 1);
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("40"));
    auto* n = find<QSpinBox>("ed_Verst_n_GS");
    EXPECT_EQ(w->screw_fits(), 0);
    EXPECT_EQ(n->minimum(), 1);
    EXPECT_EQ(n->maximum(), 1);
    EXPECT_FALSE(find<QAction>("actionCalculation")->isEnabled());
    const int before = w->calculations_run();
    w->display_nachweise(1);
    EXPECT_EQ(w->calculations_run(), before);
}

// After the diameter check has tried every diameter, the data object holds the chosen one's values.
TEST_F(WindowTest, ScrewValuesBelongToTheChosenDiameter)
{
    set_screw_table(fastener_table_spax_s_vg, {{8, {360, 380, 400}}, {10, {360, 380, 400}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    use_screws(*d, 240, 100);
    d->vorgebohrt = 0;
    d->d_schraube = 0;
    d->n_sc = 1;
    open(*d);
    ASSERT_EQ(find<QComboBox>("cob_d_schraube")->currentIndex(), 0);
    ASSERT_TRUE(item_enabled(find<QComboBox>("cob_d_schraube"), 1)) << "both diameters fit";
    click(find<QRadioButton>("rb_unten_sc"));   // runs the checks again
    double a2 = 0, a3c = 0, a4c = 0;
    fastener_minimum_spacings(13, 0, 1, 0, 0, 2, data_object.rho_k, 8, 8, 0, 0, 400, 400, nullptr, &a2, nullptr,
                              &a3c, nullptr, &a4c);
    EXPECT_DOUBLE_EQ(data_object.sc_d, 8.0);
    EXPECT_DOUBLE_EQ(data_object.a_2, a2);
    EXPECT_DOUBLE_EQ(data_object.a_3c, a3c);
    EXPECT_DOUBLE_EQ(data_object.a_4c, a4c);
}

// The reinforcement tab's tool tip names unconfirmed product values while screws are chosen, and
// says nothing for rods.
TEST_F(WindowTest, UnconfirmedScrewValuesShowOnTheReinforcementTab)
{
    std::filesystem::copy_file(TAVO_SOURCE_DATA_DIR "/PRIVATE/ec5_spax_s_vg.dat", dir.file("DATA/PRIVATE/ec5_spax_s_vg.dat"));
    const char* p = CurOb_Privat_Datapath();
    const std::string saved = p ? p : "";
    Set_CurOb_Privat_Datapath(dir.file("DATA/PRIVATE").c_str());
    set_screw_table(fastener_table_spax_s_vg, {{8, {360, 380, 400}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    use_screws(*d, 200, 180);
    open(*d);
    auto* tabs = find<QTabWidget>("tabWidget");
    const int tab = tabs->indexOf(tabs->findChild<QWidget*>("tab_verstaerkung"));
    ASSERT_GE(tab, 0);
    EXPECT_TRUE(tabs->tabToolTip(tab).contains(QStringLiteral("Produktwerte der Vollgewindeschraube")))
        << tabs->tabToolTip(tab).toStdString();
    click(find<QRadioButton>("rb_verst_gewindestangen"));
    w->maske2data();
    EXPECT_EQ(tabs->tabToolTip(tab), QString());
    Set_CurOb_Privat_Datapath(saved.c_str());
}

// The screw diameter changes only by the user's hand or when the product has it no more: a section
// too narrow for it keeps it chosen and blocks calculating; another product without it picks the
// first that fits and says so.
TEST_F(WindowTest, ScrewDiameterStaysUntilItIsGone)
{
    set_screw_table(fastener_table_spax_s_vg, {{6, {360, 380, 400}}, {10, {360, 380, 400}}});
    set_screw_table(fastener_table_assy_plus_vg_z, {{6, {360, 380, 400}}, {8, {360, 380, 400}}});
    std::unique_ptr<TAVO52_DATA> d(base_position());
    use_screws(*d, 240, 180);
    d->vorgebohrt = 1;
    d->d_schraube = 1;   // 10 mm
    d->n_sc = 1;
    open(*d);
    auto* dia = find<QComboBox>("cob_d_schraube");
    ASSERT_DOUBLE_EQ(dia->currentData().toDouble(), 10.0);
    ASSERT_EQ(w->screw_fits(), 1);
    double a2 = 0, a4c_6 = 0, a4c_10 = 0;
    const double rho = data_object.rho_k;
    fastener_minimum_spacings(13, 1, 1, 0, 0, 2, rho, 6, 6, 0, 0, 400, 400, nullptr, &a2, nullptr, nullptr, nullptr,
                              &a4c_6);
    fastener_minimum_spacings(13, 1, 1, 0, 0, 2, rho, 10, 10, 0, 0, 400, 400, nullptr, &a2, nullptr, nullptr, nullptr,
                              &a4c_10);
    const int narrow = std::max(40, static_cast<int>(std::ceil(2 * a4c_6)));
    ASSERT_LT(narrow, 2 * a4c_10) << "one 6 mm screw fits across, no 10 mm screw does";
    calllog::clear();
    type_into(find<QSpinBox>("ed_Balken_b"), QString::number(narrow));
    EXPECT_DOUBLE_EQ(dia->currentData().toDouble(), 10.0);
    EXPECT_EQ(w->screw_fits(), 0);
    EXPECT_FALSE(find<QAction>("actionCalculation")->isEnabled());
    EXPECT_FALSE(calllog::contains("QMessageBox: Schrauben"));

    // The product with 6 and 8 mm: 10 mm is gone, the first diameter that fits is taken and named.
    auto* type = find<QComboBox>("cob_typ_schraube");
    type->setCurrentIndex(type->findData(14));
    EXPECT_DOUBLE_EQ(dia->currentData().toDouble(), 6.0);
    EXPECT_TRUE(calllog::contains("QMessageBox: Schrauben: Den Durchmesser d = 10 mm gibt es für \"ASSY-plus "
                                  "Zylinderkopf\" nicht.\nGewählt ist jetzt d = 6 mm."));
    EXPECT_EQ(w->screw_fits(), 1);
    // Back to the first product: 6 mm is there, it stays, and nothing is said.
    calllog::clear();
    type->setCurrentIndex(type->findData(13));
    EXPECT_DOUBLE_EQ(dia->currentData().toDouble(), 6.0);
    EXPECT_FALSE(calllog::contains("QMessageBox: Schrauben"));
}

// The rods' length and count follow the section's allowed range; a value moved to the range's end
// is named with the range, never moved silently.
TEST_F(WindowTest, RodValuesMovedByTheSectionAreNamed)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->b = 200;
    d->h = 400;
    d->h_ro = 150;
    d->h_ru = 150;
    d->typ_durchbruch = 0;
    d->verstaerkt = 1;
    d->verst_typ = 1;
    d->unten_gs = 0;
    d->d_r = 12;
    d->l_e = 380;
    d->n_gs = 2;
    open(*d);
    auto* le = find<QDoubleSpinBox>("ed_GS_le");
    ASSERT_DOUBLE_EQ(le->value(), 380.0);
    ASSERT_EQ(find<QSpinBox>("ed_Verst_n_GS")->value(), 2);
    calllog::clear();
    // d_r = 14: l_ad = max(10 d, d²/2) = 140, l_e from h_ro + h_d + l_ad = 150 + 100 + 140 = 390 to h = 400.
    auto* dr = find<QComboBox>("cob_dr_GS");
    dr->setCurrentIndex(dr->findData(14.0));
    EXPECT_DOUBLE_EQ(le->value(), 390.0);
    EXPECT_TRUE(calllog::contains("QMessageBox: Wert angepasst: l_e [mm]: 380 liegt nicht mehr im erlaubten Bereich "
                                  "von 390 bis 400.\nDer Wert ist jetzt 390."));
    calllog::clear();
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("40"));
    EXPECT_EQ(find<QSpinBox>("ed_Verst_n_GS")->value(), 1);
    EXPECT_TRUE(calllog::contains("QMessageBox: Wert angepasst: Anzahl Gewindestangen je Seite: 2 liegt nicht mehr im "
                                  "erlaubten Bereich von 1 bis 1.\nDer Wert ist jetzt 1."));
}
