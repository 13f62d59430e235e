#include "gui/fixed_text.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int kMaxDecimals = 4;
// Decimals of up to this many digits are integers below 2^53 once the point is dropped.
constexpr int kDigitsExact = 15;
// Beyond this the integer of v * 10^decimals may pass 2^53, where dividing it no longer reads back exactly.
constexpr double kLargest = 1e9;

// Nearest integer of a * scale for 0 <= a < kLargest; false for an exact half, whose rounding is left
// to QString::number.
bool nearest_scaled(double a, double scale, std::uint64_t* n)
{
    const double p = a * scale;
    if (p < 0.25) {  // the exact product is below a half, whatever p's rounding lost
        *n = 0;
        return true;
    }
    const double err = std::fma(a, scale, -p);  // a * scale - p, exactly
    const double whole = std::floor(p);
    // p - whole and the half taken off are exact for p >= 0.25; the sign of the sum is that of
    // the exact fraction of a * scale above whole, less a half.
    const double above_half = ((p - whole) - 0.5) + err;
    if (above_half == 0.0) return false;
    *n = std::uint64_t(whole) + (above_half > 0.0 ? 1 : 0);
    return true;
}

} // namespace

FixedText fixed_text(double v, int decimals)
{
    std::uint64_t n = 0;
    if (decimals >= 1 && decimals <= kMaxDecimals && std::isfinite(v) && std::fabs(v) < kLargest &&
        nearest_scaled(std::fabs(v), kPowersOfTen[decimals], &n)) {
        // A negative number that rounds to zero keeps its sign, as QString::number writes it; -0.0
        // does not, being no negative number.
        const bool negative = v < 0.0;
        QChar buffer[32];
        QChar* end = buffer + sizeof buffer / sizeof buffer[0];
        QChar* p = end;
        std::uint64_t rest = n;
        for (int d = 0; d < decimals; ++d, rest /= 10) *--p = QChar('0' + int(rest % 10));
        *--p = QChar('.');
        do {
            *--p = QChar('0' + int(rest % 10));
            rest /= 10;
        } while (rest != 0);
        if (negative) *--p = QChar('-');
        const double magnitude = double(n) / kPowersOfTen[decimals];
        return {QString(p, int(end - p)), negative ? -magnitude : magnitude};
    }
    QString text = QString::number(v, 'f', decimals);
    const double value = text.toDouble();
    return {text, value};
}

bool read_fixed_text(const QString& text, double* value, int* decimals)
{
    const int n = text.size();
    const QChar* c = text.constData();
    int i = 0;
    const bool negative = n > 0 && c[0] == QLatin1Char('-');
    if (negative) ++i;
    const auto digit = [&](int k) { return k < n && c[k].unicode() >= '0' && c[k].unicode() <= '9'; };
    std::uint64_t whole = 0;
    const int first = i;
    while (digit(i)) whole = 10 * whole + (c[i++].unicode() - '0');
    const int whole_digits = i - first;
    if (whole_digits == 0 || (whole_digits > 1 && c[first] == QLatin1Char('0')))
        return false;
    int places = 0;
    if (i < n && c[i] == QLatin1Char('.')) {
        ++i;
        while (digit(i)) {
            whole = 10 * whole + (c[i++].unicode() - '0');
            ++places;
        }
        if (places == 0)
            return false;
    }
    if (i != n || whole_digits + places > kDigitsExact)
        return false;
    // An integer below 2^53 divided by a power of ten is the double nearest to the decimal.
    const double magnitude = double(whole) / kPowersOfTen[places];
    *value = negative ? -magnitude : magnitude;
    *decimals = places;
    return true;
}
