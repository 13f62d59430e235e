// Numbers typed into the window's fields and the loads table's cells: each is taken exactly as typed
// or refused with a message that names the field and the numbers it takes; the input keeps its value.
#include "gui/loads_delegates.h"
#include "gui/options_dialog.h"
#include "gui/quor_spinbox.h"
#include "platform/env/qt_message_box.h"
#include "window_fixture.h"
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

namespace {

class WindowNumbers : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        std::unique_ptr<TAVO52_DATA> d(base_position());
        d->verstaerkt = 1;
        d->verst_typ = 0;
        d->mat_laschen = 14;   // free material: f_t,k is typed
        d->ftk_laschen = 10.0;
        d->t_r = 4.0;
        LoadRow free_row;
        free_row.name = QStringLiteral("frei");
        free_row.kled = 8;
        free_row.kmod = 0.9;
        free_row.v_l = 31.5;
        d->lasten = {free_row};
        open(*d);
        calllog::clear();
    }

    // The messages about refused entries since the last call.
    std::vector<std::string> refusals()
    {
        std::vector<std::string> found;
        for (const std::string& e : calllog::entries())
            if (e.rfind("QMessageBox: Eingabe nicht übernommen: ", 0) == 0)
                found.push_back(e.substr(std::string("QMessageBox: Eingabe nicht übernommen: ").size()));
        calllog::clear();
        return found;
    }

    // Types into a loads cell through its editor and leaves it with Enter.
    void type_into_cell(int row, int column, const QString& text)
    {
        QTableView* tv = w->tv_lasten;
        const QModelIndex index = tv->model()->index(row, column);
        tv->setCurrentIndex(index);
        tv->edit(index);
        auto* editor = qobject_cast<QUORSpinBox*>(tv->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->findChild<QLineEdit*>()->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor is closed and deleted after the event that ended it.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    double cell_value(int row, int column) { return w->loads_model()->item(row, column)->data(Qt::EditRole).toDouble(); }
};

struct Entry {
    const char* typed;
    double value;         // afterwards: the typed number, or the value before when refused
    const char* message;  // the refusal, empty when taken
};

} // namespace

TEST_F(WindowNumbers, FieldsTakeTheNumberTypedOrNameWhatTheyTake)
{
    struct Field {
        const char* name;
        std::vector<Entry> entries;
    };
    const Field fields[] = {
        {"ed_Balken_h",
         {{"12,5", 240, "h [mm]: \"12,5\" ist keine ganze Zahl.\nErlaubt sind ganze Zahlen von 60 bis 9999."},
          {"12.5", 240, "h [mm]: \"12.5\" ist keine ganze Zahl.\nErlaubt sind ganze Zahlen von 60 bis 9999."},
          {"99999999", 240,
           "h [mm]: \"99999999\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 60 bis 9999."},
          {"3e2", 300, ""},
          {"2,6e2", 260, ""}}},
        {"ed_Balken_b",
         {{"20", 120, "b [mm]: \"20\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 40 bis 999."},
          {"1000", 120,
           "b [mm]: \"1000\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 40 bis 999."},
          {"b1", 120, "b [mm]: \"b1\" ist keine Zahl.\nErlaubt sind ganze Zahlen von 40 bis 999."},
          {"140", 140, ""}}},
        {"ed_Verst_tr",
         {{"4,5", 4.5, ""},
          {"1.5e1", 15, ""},
          {"4,25", 15,
           "Dicke t_r [mm]: \"4,25\" hat mehr als eine Nachkommastelle.\nErlaubt sind Zahlen von 1 bis 900 mit "
           "höchstens einer Nachkommastelle."}}},
        {"sb_laschen_ftk",
         {{"12,5", 12.5, ""},
          {"1e6", 12.5,
           "f_t,k [N/mm²]: \"1e6\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind Zahlen von 0.01 bis 99.99 "
           "mit höchstens 2 Nachkommastellen."}}},
    };
    for (const Field& f : fields) {
        auto* box = find<QAbstractSpinBox>(f.name);
        for (const Entry& e : f.entries) {
            type_into(box, QString::fromUtf8(e.typed));
            const double value = box->property("value").toDouble();
            EXPECT_EQ(value, e.value) << f.name << " " << e.typed;
            const std::vector<std::string> found = refusals();
            if (*e.message) {
                ASSERT_EQ(found.size(), 1u) << f.name << " " << e.typed;
                EXPECT_EQ(found[0], e.message);
            } else {
                EXPECT_TRUE(found.empty()) << f.name << " " << e.typed << ": " << found[0];
            }
        }
    }
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT")) {
        const auto box = qt_make_message_box(QMessageBox::Warning, QString::fromUtf8("Eingabe nicht übernommen"),
                                             QString::fromUtf8(fields[0].entries[0].message), QMessageBox::Ok);
        box->grab().save(QString::fromLocal8Bit(keep) + QStringLiteral("_refusal.png"));
        w->tabWidget->setCurrentIndex(1);
        w->grab().save(QString::fromLocal8Bit(keep) + QStringLiteral("_reinforcement.png"));
    }
    // What the fields show reaches the data object unchanged.
    w->maske2data();
    EXPECT_EQ(data_object.h, 260);
    EXPECT_EQ(data_object.b, 140);
    EXPECT_EQ(data_object.t_r, 15);
    EXPECT_EQ(data_object.ftk_laschen, 12.5);
}

// l_e takes whole millimetres between the rule's least length and h; below it is refused with
// that range rather than put back silently.
TEST_F(WindowNumbers, RodLengthBelowItsLeastIsNamedWithTheRange)
{
    click(w->rb_verst_gewindestangen);
    auto* le = w->ed_GS_le;
    const int lo = int(le->minimum()), hi = int(le->maximum());
    ASSERT_LT(lo, hi);
    le->setValue(hi);
    calllog::clear();
    type_into(le, QString::number(lo - 10));
    EXPECT_EQ(le->value(), hi);
    const std::vector<std::string> found = refusals();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "l_e [mm]: \"" + std::to_string(lo - 10) +
                            "\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von " +
                            std::to_string(lo) + " bis " + std::to_string(hi) + ".");
    type_into(le, QString::number(lo));
    EXPECT_EQ(le->value(), lo);
}

TEST_F(WindowNumbers, LoadCellsTakeTheNumberTypedOrNameWhatTheyTake)
{
    struct Cell {
        int column;
        const char* allowed;   // the end of every refusal of the cell
        std::vector<Entry> entries;
    };
    const char* forces = "\nErlaubt sind Zahlen von -9999 bis 9999.";
    // k_mod of a "frei" row: above 0 up to 1.10 (EN 1995-1-1 Table 3.1); the cell shows three decimals.
    const char* kmod_range = "\nErlaubt sind Zahlen von 0.001 bis 1.1.";
    const Cell cells[] = {
        {2, forces,
         {{"1e6", 31.5, "V_d linker Rand [kN]: \"1e6\" liegt außerhalb des erlaubten Bereichs."},
          {"99999999", 31.5, "V_d linker Rand [kN]: \"99999999\" liegt außerhalb des erlaubten Bereichs."},
          {"3x", 31.5, "V_d linker Rand [kN]: \"3x\" ist keine Zahl."},
          {"1,5e3", 1500, ""},
          {"12,345", 12.345, ""},
          {"-0.5", -0.5, ""}}},
        {6, forces, {{"-9999", -9999, ""}, {"-10000", -9999, "M_d rechter Rand [kNm]: \"-10000\" liegt außerhalb des erlaubten Bereichs."}}},
        {8, kmod_range,
         {{"2,5", 0.9, "k_mod: \"2,5\" liegt außerhalb des erlaubten Bereichs."},
          {"1,10", 1.1, ""},
          {"1,11", 1.1, "k_mod: \"1,11\" liegt außerhalb des erlaubten Bereichs."},
          {"1,5", 1.1, "k_mod: \"1,5\" liegt außerhalb des erlaubten Bereichs."},
          {"2,0", 1.1, "k_mod: \"2,0\" liegt außerhalb des erlaubten Bereichs."},
          {"2,01", 1.1, "k_mod: \"2,01\" liegt außerhalb des erlaubten Bereichs."},
          {"0", 1.1, "k_mod: \"0\" liegt außerhalb des erlaubten Bereichs."},
          {"0,85", 0.85, ""}}},
    };
    for (const Cell& c : cells)
        for (const Entry& e : c.entries) {
            type_into_cell(0, c.column, QString::fromUtf8(e.typed));
            EXPECT_EQ(cell_value(0, c.column), e.value) << e.typed;   // exactly the number typed
            const std::vector<std::string> found = refusals();
            if (*e.message) {
                ASSERT_EQ(found.size(), 1u) << e.typed;
                EXPECT_EQ(found[0], std::string(e.message) + c.allowed);
            } else {
                EXPECT_TRUE(found.empty()) << e.typed;
            }
        }
    w->maske2data();
    EXPECT_DOUBLE_EQ(data_object.lasten[0].v_l, -0.5);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].m_r, -9999);
    EXPECT_DOUBLE_EQ(data_object.lasten[0].kmod, 0.85);
}

TEST_F(WindowNumbers, OptionsTakeTheNumberTypedOrNameWhatTheyTake)
{
    OptionsDialog* options = w->optionsDialog();
    options->show_options();
    auto* width = options->findChild<QAbstractSpinBox*>(QStringLiteral("sb_graf_breite"));
    auto* decimals = options->findChild<QAbstractSpinBox*>(QStringLiteral("sb_nk_sni"));
    type_into(width, QStringLiteral("12,5"));
    type_into(decimals, QStringLiteral("3"));
    EXPECT_TRUE(refusals().empty());
    type_into(decimals, QStringLiteral("2147483647"));
    type_into(width, QStringLiteral("0"));
    const std::vector<std::string> found = refusals();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "Nachkommastellen: \"2147483647\" liegt außerhalb des erlaubten Bereichs.\n"
                        "Erlaubt sind ganze Zahlen von 0 bis 4.");
    EXPECT_EQ(found[1], "Breite [cm]: \"0\" liegt außerhalb des erlaubten Bereichs.\n"
                        "Erlaubt sind Zahlen von 1 bis 99.99 mit höchstens 2 Nachkommastellen.");
    options->storedata();
    EXPECT_EQ(data_object.graf_breite, 12.5);
    EXPECT_EQ(data_object.nk_sni, 3);
    options->hide();
}

// With more decimals the force columns widen, and a longer number typed or set later widens its
// column too: every cell's text fits its column.
TEST_F(WindowNumbers, ForceColumnsFitTheirNumbers)
{
    w->tabWidget->setCurrentIndex(2);
    QTableView* tv = w->tv_lasten;
    const auto expect_fitting = [&](const std::string& what) {
        QCoreApplication::processEvents();
        for (int c = 1; c <= 6; ++c) {
            auto* delegate = static_cast<SpinBoxDelegate*>(tv->itemDelegateForColumn(c));
            QStyleOptionViewItem option;
            option.initFrom(tv->viewport());
            option.font = tv->font();
            const QModelIndex index = tv->model()->index(0, c);
            EXPECT_GE(tv->columnWidth(c), delegate->sizeHint(option, index).width()) << what << " column " << c;
        }
    };
    for (int decimals : {3, 4, 0, 3}) {
        data_object.nk_sni = decimals;
        w->set_tabelle_nachkomma();
        expect_fitting("decimals " + std::to_string(decimals));
    }
    type_into_cell(0, 2, QStringLiteral("-3123,456"));
    expect_fitting("typed");
    w->loads_model()->item(0, 5)->setData(-9876.5, Qt::EditRole);
    expect_fitting("set");
    calllog::push_answer(16);   // the font choice answers 16 points
    w->set_tabellen_font();
    ASSERT_EQ(tv->font().pointSize(), 16);
    expect_fitting("larger table font");
    w->set_application_default_font();
    expect_fitting("default font");
    data_object.nk_sni = 4;
    w->set_tabelle_nachkomma();
    expect_fitting("default font, 4 decimals");
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT"))
        tv->grab().save(QString::fromLocal8Bit(keep) + QStringLiteral("_loads.png"));
}
