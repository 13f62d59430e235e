#include "gui/loads_delegates.h"
#include "gui/fixed_text.h"
#include "gui/gui_resources.h"
#include "gui/quor_spinbox.h"
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <cmath>
#include <vector>

namespace {

struct SizedCell {
    QStyleOptionViewItem look;
    QSize size;
};

// Cells sized while a CellSizeMemo lives, by their text.
QHash<QString, std::vector<SizedCell>>* g_sized_cells = nullptr;
int g_memo_scopes = 0;

// Everything of a cell's options that its size may follow, the style being that of the same widget.
bool same_look(const QStyleOptionViewItem& a, const QStyleOptionViewItem& b)
{
    return a.widget == b.widget && a.state == b.state && a.direction == b.direction && a.rect == b.rect &&
           a.features == b.features && a.checkState == b.checkState && a.decorationSize == b.decorationSize &&
           a.decorationPosition == b.decorationPosition && a.decorationAlignment == b.decorationAlignment &&
           a.displayAlignment == b.displayAlignment && a.textElideMode == b.textElideMode &&
           a.showDecorationSelected == b.showDecorationSelected && a.viewItemPosition == b.viewItemPosition &&
           a.icon.cacheKey() == b.icon.cacheKey() && a.font == b.font && a.backgroundBrush == b.backgroundBrush &&
           a.palette == b.palette && a.locale == b.locale;
}

QSize styled_size(const QStyleOptionViewItem& look)
{
    const QStyle* style = look.widget ? look.widget->style() : QApplication::style();
    return style->sizeFromContents(QStyle::CT_ItemViewItem, &look, QSize(), look.widget);
}

// QStyledItemDelegate::sizeHint with the options the delegate's own initStyleOption gives.
template <class Init>
QSize cell_size(const QStyleOptionViewItem& option, const QModelIndex& index, Init init)
{
    const QVariant fixed = index.data(Qt::SizeHintRole);
    if (fixed.isValid())
        return qvariant_cast<QSize>(fixed);
    QStyleOptionViewItem look = option;
    init(&look, index);
    if (!g_sized_cells)
        return styled_size(look);
    std::vector<SizedCell>& same_text = (*g_sized_cells)[look.text];
    for (const SizedCell& c : same_text)
        if (same_look(c.look, look))
            return c.size;
    const QSize size = styled_size(look);
    same_text.push_back({look, size});
    return size;
}

// Decimals the number editors keep: as many as a user types in any reasonable case.
const int kEditorDecimals = 9;

} // namespace

CellSizeMemo::CellSizeMemo()
{
    if (g_memo_scopes++ == 0)
        g_sized_cells = new QHash<QString, std::vector<SizedCell>>;
}

CellSizeMemo::~CellSizeMemo()
{
    if (--g_memo_scopes == 0) {
        delete g_sized_cells;
        g_sized_cells = nullptr;
    }
}

SpinBoxDelegate::SpinBoxDelegate(QObject* parent, int decimals, double minimum, double maximum, double step)
    : QStyledItemDelegate(parent), nachkomma(decimals), min_wert(minimum), max_wert(maximum), schritt(step)
{
}

SpinBoxDelegate::~SpinBoxDelegate() = default;

void SpinBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    opt.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    QStyledItemDelegate::paint(painter, opt, index);
}

QSize SpinBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return cell_size(option, index, [this](QStyleOptionViewItem* o, const QModelIndex& i) { initStyleOption(o, i); });
}

QWidget* SpinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QUORSpinBox(parent);
    editor->setMinimum(min_wert);
    editor->setMaximum(max_wert);
    // The editor keeps every decimal typed; the cell's decimals are only what it shows.
    editor->setDecimals(kEditorDecimals);
    editor->setShownDecimals(nachkomma);
    editor->setSingleStep(schritt);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight);
    editor->setLocale(QLocale(QLocale::German));
    editor->setProperty("feldname", feldname);
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = static_cast<QDoubleSpinBox*>(editor);
    box->setValue(index.model()->data(index, Qt::EditRole).toDouble());
    box->setProperty("start_wert", box->value());
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* box = qobject_cast<QUORSpinBox*>(editor);
    if (!box)
        return;
    // A refused text leaves the cell as it was; so does an editor left on the value it opened with,
    // which keeps a value with more decimals than the editor holds.
    if (!box->take_typed() || box->value() == box->property("start_wert").toDouble())
        return;
    model->setData(index, box->value(), Qt::EditRole);
}

void SpinBoxDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QString SpinBoxDelegate::displayText(const QVariant& value, const QLocale&) const
{
    // Cells always show a decimal point, whatever the program's locale. A cell text as the table
    // writes its numbers is read without a general parse; one written with as many decimals as
    // shown is shown as it is, unless it is a zero with a minus, which the number does not show.
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString();
        double v = 0.0;
        int places = 0;
        if (read_fixed_text(text, &v, &places))
            return places == nachkomma && (v != 0.0 || !std::signbit(v)) ? text : fixed_text(v, nachkomma).text;
    }
    return QLocale::c().toString(value.toDouble(), 'f', nachkomma);
}

void SpinBoxDelegate::valueChanged(double)
{
    emit commitData(qobject_cast<QUORSpinBox*>(sender()));
}

tv_ComboBoxDelegate::tv_ComboBoxDelegate(QObject* parent, int mode) : QStyledItemDelegate(parent)
{
    if (mode == 1 || mode == 2) {
        eintraege << QStringLiteral("ständig") << QStringLiteral("lang") << QStringLiteral("mittel")
                  << QStringLiteral("kurz") << QStringLiteral("sehr kurz")
                  << (mode == 2 ? QStringLiteral("kurz/sehr kurz") : QStringLiteral("--------------"))
                  << QStringLiteral("außergewöhnlich") << QStringLiteral("Erdbeben") << QStringLiteral("frei");
    } else {
        eintraege << QStringLiteral("leer");
    }
}

tv_ComboBoxDelegate::~tv_ComboBoxDelegate() = default;

QSize tv_ComboBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return cell_size(option, index, [this](QStyleOptionViewItem* o, const QModelIndex& i) { initStyleOption(o, i); });
}

QWidget* tv_ComboBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    editor->setEditable(false);
    editor->addItems(eintraege);
    // The editor reports to this delegate; createEditor is const only by the base class's signature.
    connect(editor, QOverload<int>::of(&QComboBox::currentIndexChanged), const_cast<tv_ComboBoxDelegate*>(this),
            &tv_ComboBoxDelegate::currentIndexChanged);
    return editor;
}

void tv_ComboBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.model()->data(index, Qt::EditRole).toString();
        const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0)
            box->setCurrentIndex(i);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void tv_ComboBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void tv_ComboBoxDelegate::currentIndexChanged(int)
{
    emit commitData(qobject_cast<QComboBox*>(sender()));
}

tv_ButtonDelegate::tv_ButtonDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
    gui_init_resources();
}

tv_ButtonDelegate::~tv_ButtonDelegate() = default;

QSize tv_ButtonDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return cell_size(option, index, [this](QStyleOptionViewItem* o, const QModelIndex& i) { initStyleOption(o, i); });
}

void tv_ButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const QPixmap pix(QStringLiteral(":/button/images/trash.png"));
    const QRect& r = option.rect;
    const int cx = (r.left() + r.right()) / 2;
    const int cy = (r.top() + r.bottom()) / 2;
    const QRectF target(cx - pix.width() / 2, cy - pix.height() / 2, pix.width(), pix.height());
    if (option.state & QStyle::State_Selected)
        painter->fillRect(r, option.palette.highlight());
    painter->drawPixmap(target, pix, QRectF(pix.rect()));
}
