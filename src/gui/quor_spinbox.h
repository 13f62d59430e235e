// Decimal spin box of the forms and the loads table: takes a decimal comma or point as typed,
// always shows a decimal point.
#pragma once
#include <QDoubleSpinBox>
#include <QString>

class QUORSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit QUORSpinBox(QWidget* parent = nullptr);
    ~QUORSpinBox() override;

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

private:
    QString decimal_separator;
};
