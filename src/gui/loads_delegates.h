// Item delegates of the loads table: number cells, the load-duration class list and the delete cell.
#pragma once
#include <QStringList>
#include <QStyledItemDelegate>

class SpinBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SpinBoxDelegate(QObject* parent, int decimals, double minimum, double maximum, double step);
    ~SpinBoxDelegate() override;

    void setDecimals(int decimals) { nachkomma = decimals; }
    void setRange(double minimum, double maximum) { min_wert = minimum; max_wert = maximum; }
    int decimals() const { return nachkomma; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
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
};

class tv_ComboBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    tv_ComboBoxDelegate(QObject* parent, int mode);
    ~tv_ComboBoxDelegate() override;

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

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
