#include "gui/quor_spinbox.h"
#include <QLineEdit>
#include <QLocale>
#include <QRegExp>
#include <QRegExpValidator>

QUORSpinBox::QUORSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
    decimal_separator = QStringLiteral(",");
    // The pattern alone decides which keystrokes are taken: sign, digits, one separator, nine decimals.
    QString pattern = QStringLiteral("-?[0-9]*[.");
    if (decimal_separator != QLatin1String("."))
        pattern += decimal_separator;
    pattern += QStringLiteral("]?[0-9]{,9}");
    pattern += suffix();
    auto* validator = new QRegExpValidator(QRegExp(pattern), this);
    lineEdit()->setValidator(validator);
    setAlignment(Qt::AlignRight);
}

QUORSpinBox::~QUORSpinBox() = default;

QValidator::State QUORSpinBox::validate(QString& /*text*/, int& /*pos*/) const
{
    return QValidator::Acceptable;
}

double QUORSpinBox::valueFromText(const QString& text) const
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!suffix().isEmpty())
        t.remove(suffix(), Qt::CaseSensitive);
    return t.toDouble();   // not a number, "" and "-" give 0
}

QString QUORSpinBox::textFromValue(double value) const
{
    QString t = QDoubleSpinBox::textFromValue(value);
    t.replace(QLocale().decimalPoint(), QLatin1Char('.'));
    return t;
}
