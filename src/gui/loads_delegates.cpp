#include "gui/loads_delegates.h"
#include "gui/gui_resources.h"
#include "gui/quor_spinbox.h"
#include <QComboBox>
#include <QPainter>
#include <QPixmap>

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

QWidget* SpinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QUORSpinBox(parent);
    editor->setMinimum(min_wert);
    editor->setMaximum(max_wert);
    editor->setDecimals(nachkomma);
    editor->setSingleStep(schritt);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight);
    editor->setLocale(QLocale(QLocale::German));
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = static_cast<QDoubleSpinBox*>(editor);
    box->setValue(index.model()->data(index, Qt::EditRole).toDouble());
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* box = static_cast<QDoubleSpinBox*>(editor);
    box->interpretText();
    model->setData(index, box->value(), Qt::EditRole);
}

void SpinBoxDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QString SpinBoxDelegate::displayText(const QVariant& value, const QLocale&) const
{
    // Cells always show a decimal point, whatever the program's locale.
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

QWidget* tv_ComboBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    editor->setEditable(false);
    editor->addItems(eintraege);
    connect(editor, SIGNAL(currentIndexChanged(int)), this, SLOT(currentIndexChanged(int)));
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
