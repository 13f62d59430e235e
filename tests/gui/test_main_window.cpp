// The main window driven as a user drives it: form structure, loads, grades, transfer, calculate.
#include "window_fixture.h"
#include <QRadioButton>
#include "gui/exit_dialog.h"
#include "gui/loads_delegates.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QEventLoop>
#include <QTimer>

TEST_F(WindowTest, FormStructure)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    open(*d);
    EXPECT_EQ(w->windowTitle().toStdString(), "K7-KIRN, Position 7: Pfette");

    struct Field { const char* name; double min, max, step; int decimals; };
    const Field fields[] = {
        {"ed_Balken_b", 40, 999, 10, 0},       {"ed_Balken_h", 60, 9999, 10, 0},
        {"ed_Balken_hro", 20, 9999, 10, 0},    {"ed_Balken_hru", 20, 9999, 10, 0},
        {"ed_Balken_a", 0, 9999, 10, 0},       {"ed_Balken_b_2", 40, 999, 10, 0},
        {"ed_Balken_h_2", 60, 9999, 10, 0},    {"ed_Balken_hro_2", 20, 9999, 10, 0},
        {"ed_Balken_hru_2", 20, 9999, 10, 0},  {"ed_Balken_a_2", 0, 9999, 10, 0},
        {"ed_Verst_ar", 10, 9999, 10, 0},      {"ed_Verst_h1", 10, 9999, 10, 0},
        {"ed_Verst_n_GS", 1, 99, 1, 0},        {"ed_Verst_n_SC", 1, 99, 1, 0},
        {"sb_laschen_ftk", 0.01, 99.99, 1, 2}, {"ed_Verst_tr", 1.0, 900.0, 1, 1},
        {"ed_GS_le", 0, 9999, 10, 0},
    };
    for (const Field& f : fields) {
        auto* box = find<QAbstractSpinBox>(f.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->locale(), QLocale::c()) << f.name;
        if (auto* sb = qobject_cast<QSpinBox*>(box)) {
            EXPECT_EQ(sb->minimum(), f.min) << f.name;
            EXPECT_EQ(sb->maximum(), f.max) << f.name;
            EXPECT_EQ(sb->singleStep(), f.step) << f.name;
        } else if (auto* db = qobject_cast<QDoubleSpinBox*>(box)) {
            EXPECT_DOUBLE_EQ(db->minimum(), f.min) << f.name;
            EXPECT_DOUBLE_EQ(db->maximum(), f.max) << f.name;
            EXPECT_DOUBLE_EQ(db->singleStep(), f.step) << f.name;
            EXPECT_EQ(db->decimals(), f.decimals) << f.name;
        }
    }
    EXPECT_TRUE(find<QUORSpinBox>("sb_laschen_ftk"));
    EXPECT_TRUE(find<QUORSpinBox>("ed_Verst_tr"));

    // Combo boxes the window fills: texts and user values.
    struct Combo { const char* name; QStringList texts; QVariantList data; };
    const Combo combos[] = {
        {"cob_mat_laschen", {"Nadelholz", "Laubholz", "Brettschichtholz DIN", "Brettschichtholz EC", "Sperrholz",
                             "freies Material"}, {0, 1, 3, 2, 6, 14}},
        {"cob_dr_GS", {" 6", " 8", "10", "12", "14", "16", "20"}, {6.0, 8.0, 10.0, 12.0, 14.0, 16.0, 20.0}},
        {"cob_fest_GS", {"FK  3.6", "FK  4.6", "FK  4.8", "FK  5.6", "FK  5.8", "FK  8.8", "B500A/B"},
         {22, 23, 24, 25, 26, 27, 1044}},
        {"cob_typ_schraube", {"SPAX Senkkopf", "ASSY-plus Zylinderkopf", "ASSY-plus Senkfräskopf"}, {13, 14, 15}},
    };
    for (const Combo& c : combos) {
        auto* box = find<QComboBox>(c.name);
        ASSERT_EQ(box->count(), c.texts.size()) << c.name;
        for (int i = 0; i < box->count(); ++i) {
            EXPECT_EQ(box->itemText(i), c.texts[i]) << c.name;
            EXPECT_EQ(box->itemData(i).toDouble(), c.data[i].toDouble()) << c.name;
        }
    }

    // Tabs, tool bar order (right to left), the automatic-calculation switch.
    auto* tabs = find<QTabWidget>("tabWidget");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0).toStdString(), "System          ");
    EXPECT_EQ(tabs->tabText(1).toStdString(), "Verstärkung");
    EXPECT_EQ(tabs->tabText(2).toStdString(), "Schnittgrößen");
    auto* bar = find<QToolBar>("toolBar");
    EXPECT_EQ(bar->layoutDirection(), Qt::RightToLeft);
    QStringList order;
    for (QAction* a : bar->actions())
        order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    EXPECT_EQ(order.join(' ').toStdString(),
              "actionEnde actionHilfe actionDaten_sichern actionDrucken actionDruckvorschau actionEinstellungen "
              "actionSchnittgr_import | actionNationalerAnhang actionCalculation action_cal_auto");
    auto* autoCalc = find<QAction>("action_cal_auto");
    EXPECT_TRUE(autoCalc->isCheckable());
    EXPECT_FALSE(autoCalc->icon().pixmap(45, 37, QIcon::Normal, QIcon::Off).isNull());
    EXPECT_NE(autoCalc->icon().pixmap(45, 37, QIcon::Normal, QIcon::On).toImage(),
              autoCalc->icon().pixmap(45, 37, QIcon::Normal, QIcon::Off).toImage());

    // The form's own connections.
    auto* sni = find<QCheckBox>("cb_import_sni");
    click(sni);
    EXPECT_EQ(find<QCheckBox>("cb_import_mat")->isEnabled(), sni->isChecked());
    EXPECT_EQ(find<QCheckBox>("cb_import_geo")->isEnabled(), sni->isChecked());
    tabs->setCurrentIndex(1);
    auto* reinforced = find<QGroupBox>("gb_Verstaerkung");
    reinforced->setChecked(true);
    EXPECT_TRUE(find<QGroupBox>("gb_querschnitt_2")->isEnabled());
    auto* pressed = find<QRadioButton>("rb_gepresst");
    auto* top = find<QRadioButton>("rb_oben_sc");
    find<QRadioButton>("rb_verst_schrauben")->click();
    top->setChecked(true);
    pressed->setEnabled(true);
    pressed->click();
    EXPECT_TRUE(top->isChecked()) << "the washer radios exclude only each other";
}

// ---------------------------------------------------------------------------------------------
// Loads table

namespace {

QString shown(QTableView* tv, int row, int col)
{
    const QModelIndex i = tv->model()->index(row, col);
    auto* del = qobject_cast<QStyledItemDelegate*>(tv->itemDelegateForColumn(col));
    return del ? del->displayText(i.data(), QLocale()) : i.data().toString();
}

} // namespace

TEST_F(WindowTest, AddEditReclassAndDeleteLoads)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->lasten.clear();
    open(*d);
    auto* tv = find<QTableView>("tv_lasten");
    auto* model = w->loads_model();
    find<QTabWidget>("tabWidget")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    click(find<QPushButton>("pb_last_new"));
    click(find<QPushButton>("pb_last_new"));
    ASSERT_EQ(model->rowCount(), 2);
    // Default row: empty name, six zeros shown with two decimals, "kurz", a disabled k_mod 0.9, the trash icon.
    EXPECT_EQ(model->item(0, 0)->text().toStdString(), "");
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(shown(tv, 0, c).toStdString(), "0.00");
    EXPECT_EQ(model->item(0, 7)->text().toStdString(), "kurz");
    EXPECT_EQ(shown(tv, 0, 8).toStdString(), "0.900");
    EXPECT_FALSE(model->item(0, 8)->isEnabled());
    EXPECT_FALSE(model->item(0, 9)->data(Qt::DecorationRole).value<QIcon>().isNull());

    // Type a shear force with a decimal comma into row 0.
    tv->setFocus();
    tv->setCurrentIndex(tv->model()->index(0, 2));
    tv->edit(tv->model()->index(0, 2));
    auto* editor = tv->findChild<QUORSpinBox*>();
    ASSERT_NE(editor, nullptr);
    editor->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(editor, QStringLiteral("-12,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(model->item(0, 2)->data(Qt::EditRole).toDouble(), -12.5);
    EXPECT_EQ(shown(tv, 0, 2).toStdString(), "-12.50");

    // Reclass row 1 to "frei": k_mod becomes editable; then "mittel": the computed k_mod again.
    auto reclass = [&](int row, const char* text) {
        tv->edit(tv->model()->index(row, 7));
        auto* box = tv->findChild<QComboBox*>();
        ASSERT_NE(box, nullptr);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    reclass(1, "frei");
    EXPECT_EQ(model->item(1, 7)->text().toStdString(), "frei");
    EXPECT_TRUE(model->item(1, 8)->isEnabled());
    EXPECT_EQ(shown(tv, 1, 8).toStdString(), "0.900") << "the value stays until edited";
    reclass(1, "mittel");
    EXPECT_FALSE(model->item(1, 8)->isEnabled());
    // Glued-laminated timber in service class 1, medium-term: k_mod = 0.80 (DIN EN 1995-1-1, Table 3.1).
    EXPECT_EQ(model->item(1, 8)->text().toStdString(), "0.80");
    reclass(1, "ständig");
    EXPECT_EQ(model->item(1, 8)->text().toStdString(), "0.60");   // permanent: 0.60

    // A k_mod typed into a "frei" row survives the transfer; any other row takes the computed one.
    reclass(0, "frei");
    tv->edit(tv->model()->index(0, 8));
    editor = tv->findChild<QUORSpinBox*>();
    ASSERT_NE(editor, nullptr);
    editor->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(editor, QStringLiteral("1,05"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    model->item(1, 8)->setText(QStringLiteral("1.99"));   // a stale k_mod shown in a "ständig" row
    w->maske2data();
    ASSERT_EQ(data_object.lasten.size(), 2);
    EXPECT_EQ(data_object.lasten[0].kled, 8);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].kmod, 1.05);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].v_l, -12.5);
    EXPECT_EQ(data_object.lasten[1].kled, 0);
    EXPECT_DOUBLE_EQ(data_object.lasten[1].kmod, 0.6);

    // The trash cell removes exactly its row; a click elsewhere removes nothing.
    model->item(0, 0)->setText(QStringLiteral("first"));
    model->item(1, 0)->setText(QStringLiteral("second"));
    QTest::mouseClick(tv->viewport(), Qt::LeftButton, Qt::NoModifier, tv->visualRect(tv->model()->index(0, 3)).center());
    EXPECT_EQ(model->rowCount(), 2);
    QTest::mouseClick(tv->viewport(), Qt::LeftButton, Qt::NoModifier, tv->visualRect(tv->model()->index(0, 9)).center());
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->item(0, 0)->text().toStdString(), "second");
}

// The k_mod column follows the service class at once, as the calculation does; a "frei" row keeps
// its own. GL30h (DIN EN 1995-1-1, Table 3.1): NKL 1 and 2 permanent 0.60, long-term 0.70, short-term
// 0.90, instantaneous 1.10; NKL 3 0.50, 0.55, 0.70, 0.90.
TEST_F(WindowTest, KmodColumnFollowsTheServiceClass)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->lasten.clear();
    for (int klasse : {0, 1, 3, 4, 8}) {
        LoadRow l;
        l.kled = klasse;
        l.kmod = klasse == 8 ? 1.05 : 0.6;
        d->lasten.append(l);
    }
    open(*d);
    const struct { const char* button; std::vector<std::string> shown; } steps[] = {
        {nullptr, {"0.60", "0.70", "0.90", "1.10", "1.05"}},
        {"rb_Balken_NKL3", {"0.50", "0.55", "0.70", "0.90", "1.05"}},
        {"rb_Balken_NKL2", {"0.60", "0.70", "0.90", "1.10", "1.05"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button ? step.button : "opened");
        if (step.button) click(find<QRadioButton>(step.button));
        QCoreApplication::processEvents();
        std::vector<std::string> shown;
        for (int r = 0; r < w->loads_model()->rowCount(); ++r)
            shown.push_back(w->loads_model()->item(r, 8)->text().toStdString());
        EXPECT_EQ(shown, step.shown);
        // The calculation takes what the column shows.
        w->maske2data();
        for (int r = 0; r < data_object.lasten.size(); ++r)
            EXPECT_DOUBLE_EQ(data_object.lasten[r].kmod, std::stod(step.shown[r])) << r;
    }
}

TEST_F(WindowTest, LoadClassOutsideTheRangeFromAFileOpensAsPermanent)
{
    std::unique_ptr<TAVO52_DATA> d(base_position());
    d->lasten[0].kled = 42;
    open(*d);
    ASSERT_EQ(w->loads_model()->rowCount(), 1);
    EXPECT_EQ(w->loads_model()->item(0, 7)->text().toStdString(), "ständig");
}
