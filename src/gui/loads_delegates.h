// Item delegates of the loads table: number cells, the load-duration class list and the delete cell.
#pragma once
#include <QStringList>
#include <QStyledItemDelegate>

// While one lives, a cell of the loads table whose look (text, font, icon, features, state and the
// rest of its style options) equals that of a cell sized before takes that cell's size instead of
// being laid out again: for sizing many rows at once, with nothing changing in between.
class CellSizeMemo {
public:
    CellSizeMemo();
    ~CellSizeMemo();
    CellSizeMemo(const CellSizeMemo&) = delete;
    CellSizeMemo& operator=(const CellSizeMemo&) = delete;
};

class SpinBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SpinBoxDelegate(QObject* parent, int decimals, double minimum, double maximum, double step);
    ~SpinBoxDelegate() override;

    void setDecimals(int decimals) { nachkomma = decimals; }
    void setRange(double minimum, double maximum) { min_wert = minimum; max_wert = maximum; }
    int decimals() const { return nachkomma; }
    // Names the column in the editor's messages about refused numbers.
    void setFieldName(const QString& name) { feldname = name; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QString displayText(const QVariant& value, const QLocale& locale) const override;

public slots:
    void valueChanged(double);

private:
    int nachkomma;
    double min_wert;
    double max_wert;
    double schritt;
    QString feldname;
};

class tv_ComboBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    tv_ComboBoxDelegate(QObject* parent, int mode);
    ~tv_ComboBoxDelegate() override;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    const QStringList& items() const { return eintraege; }

public slots:
    void currentIndexChanged(int);

private:
    QStringList eintraege;
};

class tv_ButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit tv_ButtonDelegate(QObject* parent);
    ~tv_ButtonDelegate() override;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
