#include "gui/quor_spinbox.h"
#include "platform/env/qt_message_box.h"
#include <QLineEdit>
#include <QLocale>
#include <cmath>

void TypedEntry::refuse(const QWidget* box, const QString& typed, const NumberRule& rule) const
{
    if (has_shown && typed == shown_refusal)
        return;
    has_shown = true;
    shown_refusal = typed;
    const TypedReading reading = read_typed_number(typed, rule);
    qt_message_box(QMessageBox::Warning, QStringLiteral("Eingabe nicht übernommen"),
                   refused_number_text(box->property("feldname").toString(), typed, reading, rule));
}

void TypedEntry::watch(QAbstractSpinBox* box, QLineEdit* edit)
{
    // A value is taken when the edit ends, never a part of the number on the way ("999" of "99999999").
    box->setKeyboardTracking(false);
    // Every keystroke stays in the field: what cannot be taken is named when the edit ends.
    QObject::connect(edit, &QLineEdit::textEdited, box, [this] { edited(); });
}

QValidator::State TypedEntry::validity(const QString& text, const NumberRule& rule)
{
    return read_typed_number(text, rule).taken ? QValidator::Acceptable : QValidator::Intermediate;
}

QUORSpinBox::QUORSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
    decimal_separator = QStringLiteral(",");
    setAlignment(Qt::AlignRight);
    entry.watch(this, lineEdit());
}

QUORSpinBox::~QUORSpinBox() = default;

QValidator::State QUORSpinBox::validate(QString& text, int&) const
{
    return TypedEntry::validity(text, rule());
}

double QUORSpinBox::valueFromText(const QString& text) const
{
    const TypedReading r = read_typed_number(text, rule());
    return r.taken ? r.value : value();
}

QString QUORSpinBox::textFromValue(double v) const
{
    QString t = QDoubleSpinBox::textFromValue(v);
    t.replace(QLocale().decimalPoint(), QLatin1Char('.'));
    t.replace(locale().decimalPoint(), QLatin1Char('.'));
    if (shown_decimals >= 0 && t.contains(QLatin1Char('.'))) {
        const int point = t.indexOf(QLatin1Char('.'));
        while (t.size() - point - 1 > shown_decimals && t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    return t;
}

void QUORSpinBox::fixup(QString& text) const
{
    // Left as it is, the text is not taken and the box shows its value again.
    entry.refuse(this, text, rule());
}

bool QUORSpinBox::take_typed()
{
    const QString typed = lineEdit()->displayText();
    if (!read_typed_number(typed, rule()).taken) {
        entry.refuse(this, typed, rule());
        interpretText();
        return false;
    }
    interpretText();
    return true;
}

QUORIntSpinBox::QUORIntSpinBox(QWidget* parent) : QSpinBox(parent)
{
    entry.watch(this, lineEdit());
}

QUORIntSpinBox::~QUORIntSpinBox() = default;

QValidator::State QUORIntSpinBox::validate(QString& text, int&) const
{
    return TypedEntry::validity(text, rule());
}

int QUORIntSpinBox::valueFromText(const QString& text) const
{
    const TypedReading r = read_typed_number(text, rule());
    return r.taken ? static_cast<int>(r.value) : value();
}

void QUORIntSpinBox::fixup(QString& text) const
{
    entry.refuse(this, text, rule());
}
