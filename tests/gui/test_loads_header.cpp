// Delegates of the loads table and the two-level header with its proxy model.
#include "gui/hierarchical_header.h"
#include "gui/loads_delegates.h"
#include "gui/quor_spinbox.h"
#include <QComboBox>
#include <QIcon>
#include <QStyleOptionViewItem>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Header tree of the loads table: ten sections under six top cells.
QStandardItemModel* loads_header(QObject* parent)
{
    auto* m = new QStandardItemModel(parent);
    QList<QStandardItem*> top;
    for (const char* n : {"Name", "linker Rand ", "rechter Rand", "Lasteinwir-\nkungsdauer", "kmod", ""})
        top << new QStandardItem(QString::fromUtf8(n));
    for (int p : {1, 2})
        for (const char* n : {" Nd", "Vd", "Md"})
            top[p]->appendColumn({new QStandardItem(QString::fromUtf8(n))});
    m->appendRow(top);
    return m;
}

} // namespace

TEST(SpinBoxDelegate, DisplayTextHasAPointAndItsDecimals)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SpinBoxDelegate two(nullptr, 2, -9999, 9999, 1);
    SpinBoxDelegate three(nullptr, 3, 0.1, 2.0, 1);
    EXPECT_EQ(two.displayText(-12.5, QLocale()).toStdString(), "-12.50");
    EXPECT_EQ(three.displayText(-0.25, QLocale()).toStdString(), "-0.250");
    EXPECT_EQ(three.displayText(QStringLiteral("abc"), QLocale()).toStdString(), "0.000");
    two.setDecimals(0);
    EXPECT_EQ(two.displayText(12.5, QLocale()).toStdString(), "13");
    QLocale::setDefault(QLocale::c());
}

// Cell texts are shown as they are where writing their number again gives the same text; every
// other text shows its number written again, as before.
TEST(SpinBoxDelegate, CellTextsShowAsTheirNumberWrittenAgain)
{
    const char* const texts[] = {"0.000", "-0.000", "-0.001", "5.123", "-12.500", "12.5", "12.50000", "007.000",
                                 "+1.000", "1,000", " 1.000", "1.000 ", "1e3", "", "-", ".500", "1.", "abc",
                                 "123456789012.345", "1234567890123.456", "-999999999999.999", "0", "-0", "17",
                                 "0.9", "0.90", "-0.00", "5.125", "5.135", "-0.0049", "0.005", "2.675", "1.0005",
                                 "-0.0625", "0.125", "9999.9995", "-0.5", "0.5", "1.5", "2.5"};
    for (int decimals : {0, 1, 2, 3, 4}) {
        const SpinBoxDelegate d(nullptr, decimals, -9999, 9999, 1);
        for (const char* t : texts) {
            const QString text = QString::fromLatin1(t);
            EXPECT_EQ(d.displayText(text, QLocale()), QLocale::c().toString(text.toDouble(), 'f', decimals))
                << t << " with " << decimals;
        }
        // Texts of three decimals as the table writes them, shown with fewer or more.
        for (int k = -4000; k <= 4000; ++k) {
            const QString text = QString::number(k * 0.0625 + k * k * 0.0001, 'f', 3);
            ASSERT_EQ(d.displayText(text, QLocale()), QLocale::c().toString(text.toDouble(), 'f', decimals))
                << text.toStdString() << " with " << decimals;
        }
        EXPECT_EQ(d.displayText(-0.0, QLocale()), QLocale::c().toString(-0.0, 'f', decimals));
        EXPECT_EQ(d.displayText(2.5, QLocale()), QLocale::c().toString(2.5, 'f', decimals));
    }
}

// Sizes given while a memo lives are those laid out each time: for cells repeated, cells that
// differ only in state, icon or font, and for distinct numbers.
TEST(CellSizeMemo, SizesEqualThoseLaidOutEachTime)
{
    QTableView view;
    auto* numbers = new SpinBoxDelegate(&view, 3, -9999, 9999, 1);
    auto* button = new tv_ButtonDelegate(&view);  // makes the icon's resource known
    QStandardItemModel model(0, 3);
    ASSERT_FALSE(QIcon(QStringLiteral(":/button/images/trash.png")).isNull());
    const QIcon icon(QStringLiteral(":/button/images/trash.png"));
    for (int r = 0; r < 40; ++r) {
        auto* kmod = new QStandardItem(r % 3 ? QStringLiteral("0.90") : QStringLiteral("1.10"));
        kmod->setEnabled(r % 2);
        auto* trash = new QStandardItem();
        if (r % 4) trash->setData(icon, Qt::DecorationRole);
        model.appendRow({new QStandardItem(QString::number(r * r * 1.125, 'f', 3)), kmod, trash});
    }
    model.item(7, 0)->setData(QFont(QStringLiteral("Sans"), 30), Qt::FontRole);
    model.item(8, 0)->setText(model.item(7, 0)->text());
    view.setModel(&model);
    view.setItemDelegateForColumn(0, numbers);
    view.setItemDelegateForColumn(1, numbers);
    view.setItemDelegateForColumn(2, button);
    QStyleOptionViewItem small;
    small.initFrom(&view);
    small.widget = &view;
    small.decorationSize = QSize(16, 16);
    QStyleOptionViewItem large = small;
    large.font.setPointSize(small.font.pointSize() + 12);
    large.decorationSize = QSize(32, 32);

    std::vector<QSize> each_time;
    for (const QStyleOptionViewItem& o : {small, large})
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < 3; ++c) each_time.push_back(view.itemDelegateForColumn(c)->sizeHint(o, model.index(r, c)));
    {
        const CellSizeMemo memo;
        size_t k = 0;
        for (const QStyleOptionViewItem& o : {small, large})
            for (int r = 0; r < model.rowCount(); ++r)
                for (int c = 0; c < 3; ++c, ++k)
                    ASSERT_EQ(view.itemDelegateForColumn(c)->sizeHint(o, model.index(r, c)), each_time[k]) << r << " " << c;
    }
    // Cells of another look are told apart: the large font and icons give larger cells.
    EXPECT_GT(each_time[3 * 40 + 3].width(), each_time[3].width());
    EXPECT_GT(each_time[5].width(), each_time[2].width());  // an icon against none
    EXPECT_NE(each_time[7 * 3], each_time[8 * 3]);
}

TEST(SpinBoxDelegate, CommitsOnEnterButNotWhileTypingOrOnEscape)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("1.000"));
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new SpinBoxDelegate(&view, 2, -9999, 9999, 1));
    view.show();
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        view.edit(model.index(0, 0));
        ASSERT_EQ(view.findChildren<QUORSpinBox*>().size(), 1);
        auto* editor = view.findChild<QUORSpinBox*>();
        ASSERT_NE(editor, nullptr);
        editor->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(editor, QStringLiteral("7,25"));
        EXPECT_EQ(editor->text().toStdString(), "7,25");
        EXPECT_EQ(model.data(model.index(0, 0)).toString().toStdString(), "1.000") << "typing alone writes nothing";
        QTest::keyClick(editor, Qt::Key(key));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (key == Qt::Key_Escape)
            EXPECT_EQ(model.data(model.index(0, 0)).toString().toStdString(), "1.000");
        else
            EXPECT_DOUBLE_EQ(model.data(model.index(0, 0)).toDouble(), 7.25);
    }
}

TEST(ComboBoxDelegate, ListsByModeAndWritesOnSelection)
{
    tv_ComboBoxDelegate m1(nullptr, 1), m2(nullptr, 2), other(nullptr, 0);
    ASSERT_EQ(m1.items().size(), 9);
    EXPECT_EQ(m1.items().at(5).toStdString(), "--------------");
    EXPECT_EQ(m2.items().at(5).toStdString(), "kurz/sehr kurz");
    EXPECT_EQ(m2.items().at(6).toStdString(), "außergewöhnlich");
    EXPECT_EQ(other.items(), QStringList{QStringLiteral("leer")});

    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("kurz"));
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new tv_ComboBoxDelegate(&view, 2));
    view.show();
    view.edit(model.index(0, 0));
    auto* box = view.findChild<QComboBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentText().toStdString(), "kurz");
    box->setCurrentIndex(8);   // as a pick from the list does
    EXPECT_EQ(model.data(model.index(0, 0)).toString().toStdString(), "frei") << "written before the editor closes";
}

TEST(HierarchicalHeader, ProxyRolesAndLeafSections)
{
    QStandardItemModel source(2, 10);
    auto* tree = loads_header(&source);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    EXPECT_FALSE(proxy.data(proxy.index(0, 0), 256).isValid()) << "without trees the source answers";
    qRegisterMetaType<Qt::Orientation>("Qt::Orientation");
    QSignalSpy spy(&proxy, &QAbstractItemModel::headerDataChanged);
    proxy.setHorizontalHeaderModel(tree);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(2).toInt(), 5);   // sections 0..5 of the six top cells
    EXPECT_EQ(proxy.data(QModelIndex(), 256).value<QObject*>(), tree);
    EXPECT_FALSE(proxy.data(QModelIndex(), 257).isValid());

    QTableView view;
    view.setModel(&proxy);
    auto* header = new HierarchicalHeaderView(Qt::Horizontal, &view);
    view.setHorizontalHeader(header);
    view.resize(900, 300);
    view.show();
    QCoreApplication::processEvents();
    const QFontMetrics fm(view.font());
    // The force sections stack a parent cell over the leaf: taller than a single-level header.
    QHeaderView plain(Qt::Horizontal);
    plain.setModel(&source);
    EXPECT_GT(header->sizeHint().height(), plain.sizeHint().height());
    // A spanning cell never widens its leaves: " Nd" is no wider than "linker Rand " needs.
    EXPECT_LT(header->sectionSizeHint(1), fm.horizontalAdvance(QStringLiteral("linker Rand ")) + 20);
    const QImage img = view.grab().toImage();
    EXPECT_FALSE(img.isNull());
    delete tree;
    QCoreApplication::processEvents();
    EXPECT_FALSE(proxy.data(QModelIndex(), 256).isValid()) << "a destroyed tree is no longer handed out";
}

TEST(ButtonDelegate, SelectedCellIsHighlightedAroundTheIcon)
{
    QStandardItemModel model(1, 1);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new tv_ButtonDelegate(&view));
    view.setColumnWidth(0, 60);
    view.setRowHeight(0, 30);
    view.show();
    QCoreApplication::processEvents();
    const QRect cell = view.visualRect(model.index(0, 0));
    const QColor highlight = view.palette().color(QPalette::Active, QPalette::Highlight);
    QImage before = view.viewport()->grab().toImage();
    EXPECT_NE(before.pixelColor(cell.left() + 2, cell.top() + 2), highlight);
    view.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select);
    view.setFocus();
    QCoreApplication::processEvents();
    QImage after = view.viewport()->grab().toImage();
    // The corner is filled, the centre shows the icon (not the highlight).
    EXPECT_NE(after.pixelColor(cell.left() + 2, cell.top() + 2), before.pixelColor(cell.left() + 2, cell.top() + 2));
    EXPECT_NE(after.pixelColor(cell.center()), after.pixelColor(cell.left() + 2, cell.top() + 2));
}
