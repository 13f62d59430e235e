#include "gui/fixed_text.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
constexpr int kMaxDecimals = 4;
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
