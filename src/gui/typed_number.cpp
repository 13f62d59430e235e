#include "gui/typed_number.h"
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// Editors that keep every decimal a user may type say nothing about decimals.
const int kDecimalsWithoutMention = 9;

bool is_digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

bool parse_typed_number(const QString& text, double* value, int* decimals)
{
    const QString t = text.trimmed();
    const int n = t.size();
    int i = 0;
    bool minus = false;
    if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        minus = t[i++] == QLatin1Char('-');
    QString whole;
    while (i < n && is_digit(t[i]))
        whole += t[i++];
    const int digits = whole.size();
    QString fraction;
    if (i < n && (t[i] == QLatin1Char(',') || t[i] == QLatin1Char('.'))) {
        ++i;
        while (i < n && is_digit(t[i]))
            fraction += t[i++];
    }
    if (digits == 0 && fraction.isEmpty())
        return false;
    long exponent = 0;
    QString exponent_text;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        bool negative = false;
        if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
            negative = t[i++] == QLatin1Char('-');
        const int first = i;
        while (i < n && is_digit(t[i])) {
            // Far beyond any double: the value says so, the count of decimals need not grow further.
            if (exponent < 100000)
                exponent = exponent * 10 + (t[i].unicode() - '0');
            ++i;
        }
        if (i == first)
            return false;
        if (negative)
            exponent = -exponent;
        exponent_text = QStringLiteral("e") + QString::number(exponent);
    }
    if (i != n)
        return false;

    QString significant = fraction;
    while (significant.endsWith(QLatin1Char('0')))
        significant.chop(1);
    const bool zero = std::all_of(whole.begin(), whole.end(), [](QChar c) { return c == QLatin1Char('0'); }) &&
                      significant.isEmpty();
    *decimals = zero ? 0 : static_cast<int>(std::max<long>(0, static_cast<long>(significant.size()) - exponent));

    const QString plain = (digits ? whole : QStringLiteral("0")) + QLatin1Char('.') +
                          (fraction.isEmpty() ? QStringLiteral("0") : fraction) + exponent_text;
    bool ok = false;
    double v = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(v)) {
        // Too large or too small for a double: infinite or zero, which the range then judges.
        QString lead = whole;
        while (lead.startsWith(QLatin1Char('0')))
            lead.remove(0, 1);
        v = zero ? 0.0 : (lead.size() + exponent > 0 ? HUGE_VAL : 0.0);
    }
    if (minus)
        v = -v;
    *value = v;
    return true;
}

TypedReading read_typed_number(const QString& text, const NumberRule& rule)
{
    TypedReading r;
    double v = 0.0;
    int decimals = 0;
    if (!parse_typed_number(text, &v, &decimals)) {
        r.reason = QStringLiteral("ist keine Zahl");
        return r;
    }
    if (decimals > rule.decimals && std::isfinite(v)) {
        r.reason = rule.decimals == 0 ? QStringLiteral("ist keine ganze Zahl")
                   : rule.decimals == 1
                       ? QStringLiteral("hat mehr als eine Nachkommastelle")
                       : QStringLiteral("hat mehr als %1 Nachkommastellen").arg(rule.decimals);
        return r;
    }
    if (!(v >= rule.minimum && v <= rule.maximum)) {
        r.reason = QStringLiteral("liegt außerhalb des erlaubten Bereichs");
        return r;
    }
    r.taken = true;
    r.value = v == 0.0 ? 0.0 : v;  // no minus zero from "-0"
    return r;
}

QString plain_number_text(double v, int decimals)
{
    QString t = QString::number(v, 'f', std::max(0, std::min(decimals, kDecimalsWithoutMention)));
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t;
}

QString allowed_numbers_text(const NumberRule& rule)
{
    const QString range = QStringLiteral("von %1 bis %2")
                              .arg(plain_number_text(rule.minimum, rule.decimals),
                                   plain_number_text(rule.maximum, rule.decimals));
    if (rule.decimals <= 0)
        return QStringLiteral("ganze Zahlen ") + range;
    if (rule.decimals >= kDecimalsWithoutMention)
        return QStringLiteral("Zahlen ") + range;
    return QStringLiteral("Zahlen ") + range +
           (rule.decimals == 1 ? QStringLiteral(" mit höchstens einer Nachkommastelle")
                               : QStringLiteral(" mit höchstens %1 Nachkommastellen").arg(rule.decimals));
}

QString refused_number_text(const QString& field, const QString& typed, const TypedReading& reading,
                            const NumberRule& rule)
{
    const QString head = field.isEmpty() ? QString() : field + QStringLiteral(": ");
    return head + QStringLiteral("\"%1\" %2.\nErlaubt sind %3.").arg(typed.trimmed(), reading.reason,
                                                                    allowed_numbers_text(rule));
}
