// Number fields of the forms and the loads table. Each takes exactly the number typed, with a
// decimal comma or point and in exponent form too, or refuses it with a message that names the
// numbers it takes and keeps its value; nothing typed is rounded, cut or moved into the range.
// The decimal box always shows a decimal point.
#pragma once
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QValidator>
#include "gui/typed_number.h"

// What both kinds of field do with a typed text; the field names itself in its messages by the
// property "feldname".
class TypedEntry {
public:
    // Shows the message for a refused text once: a text refused once is not refused again until
    // the user edits it (Qt may ask twice while one edit ends).
    void refuse(const QWidget* box, const QString& typed, const NumberRule& rule) const;
    void edited() { has_shown = false; }
    // Sets the box to take its value when the edit ends and to forget a refusal when edited.
    void watch(QAbstractSpinBox* box, QLineEdit* edit);
    // Acceptable for a text the rule takes; any other is still being typed.
    static QValidator::State validity(const QString& text, const NumberRule& rule);

private:
    mutable QString shown_refusal;
    mutable bool has_shown = false;
};

class QUORSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit QUORSpinBox(QWidget* parent = nullptr);
    ~QUORSpinBox() override;

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;
    void fixup(QString& text) const override;

    // Shows at least this many decimals and more only where the value has them; -1 shows decimals().
    void setShownDecimals(int decimals) { shown_decimals = decimals; }
    NumberRule rule() const { return {minimum(), maximum(), decimals()}; }
    // Ends the edit: true when the typed text was taken, false when it was refused (then the
    // message was shown and the box shows its value again).
    bool take_typed();

private:
    QString decimal_separator;
    int shown_decimals = -1;
    TypedEntry entry;
};

class QUORIntSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit QUORIntSpinBox(QWidget* parent = nullptr);
    ~QUORIntSpinBox() override;

    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;
    NumberRule rule() const { return {double(minimum()), double(maximum()), 0}; }

private:
    TypedEntry entry;
};
