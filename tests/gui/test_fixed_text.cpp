// Cell numbers of the loads table: the text must be byte for byte the one QString::number writes and
// the value the one that text reads back as, so that a table filled in one go equals one typed in.
#include "gui/fixed_text.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void expect_as_qt(double v, int decimals)
{
    const FixedText f = fixed_text(v, decimals);
    const QString qt = QString::number(v, 'f', decimals);
    ASSERT_EQ(f.text, qt) << v << " with " << decimals;
    const double read = qt.toDouble();
    // Bitwise, so that -0.0 and 0.0 count as different.
    ASSERT_EQ(std::memcmp(&f.value, &read, sizeof read), 0) << v << " with " << decimals;
}

} // namespace

TEST(FixedText, EdgeValuesAsQString)
{
    // Zeros of both signs, negatives that round to zero, exact halves (odd multiples of 1/16 and 1/8,
    // which are binary fractions), values a hair either side of a half, the limits of the fast range,
    // and what is beyond it.
    const double values[] = {0.0, -0.0, 1e-300, -1e-300, 0.0001, -0.0001, 0.0004999, -0.0005, 0.0005,
                             0.0625, -0.0625, 0.1875, 0.125, -0.375, 2.5, 0.25, 0.2499999, 0.5, 0.9999996,
                             -0.9999996, 1.0005, 1.0015, 2.675, 1.005, 123456789.0625, 999999999.9996,
                             -999999999.9994, 1e9, -1e9, 1e15, -1e20, 5e-324, 0.1 + 0.2, 4.35, 8.345,
                             std::nextafter(0.0005, 0.0), std::nextafter(0.0005, 1.0),
                             std::nextafter(0.0625, 0.0), std::nextafter(0.0625, 1.0),
                             HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (double v : values)
        for (int decimals : {0, 1, 2, 3, 4, 5}) expect_as_qt(v, decimals);
}

TEST(FixedText, SweepOfImportLikeNumbersAsQString)
{
    // Forces as the result file gives them (floats, turned into member axes by sums and products)
    // and as typed (thousandths), over the magnitudes a table holds.
    std::uint64_t s = 88172645463325252ull;
    const auto next = [&s] {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    };
    for (int i = 0; i < 200000; ++i) {
        const double unit = double(next() % 1000000) / 1e6;
        const double magnitude = std::pow(10.0, double(int(next() % 13)) - 4.0);
        const double sign = next() % 2 ? -1.0 : 1.0;
        const float as_float = float(sign * unit * magnitude);
        expect_as_qt(double(as_float), 3);
        expect_as_qt(double(as_float) * 0.8660254037844386 + 0.5 * double(as_float), 3);
        expect_as_qt(sign * double(next() % 20000000) / 1000.0, 3);
        expect_as_qt(double(next() % 200) / 100.0, 2);
        expect_as_qt(sign * double(next() % 65536) / 16.0, 3);  // every multiple of 1/16, halves among them
    }
}

TEST(FixedText, ReadsItsOwnFormAsQStringToDouble)
{
    struct Case {
        const char* text;
        int decimals;  // -1: not of the form
    };
    const Case cases[] = {{"0", 0},       {"-0", 0},          {"0.000", 3},     {"-0.000", 3},   {"5.123", 3},
                          {"-12.5", 1},   {"0.1", 1},         {"17", 0},        {"0.90", 2},     {"2.675", 3},
                          {"123456789012.345", 3},            {"999999999999999", 0},             {"0.00000000000001", 14},
                          {"1234567890123.456", -1},          {"", -1},         {"-", -1},       {"01.5", -1},
                          {"1.", -1},     {".5", -1},         {"+1.0", -1},     {"1e3", -1},     {" 1.0", -1},
                          {"1.0 ", -1},   {"1,5", -1},        {"--1", -1},      {"1.2.3", -1},   {"inf", -1}};
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        double v = 1.0;
        int places = -1;
        ASSERT_EQ(read_fixed_text(text, &v, &places), c.decimals >= 0) << c.text;
        if (c.decimals < 0) continue;
        EXPECT_EQ(places, c.decimals) << c.text;
        const double qt = text.toDouble();
        EXPECT_EQ(std::memcmp(&v, &qt, sizeof v), 0) << c.text;
    }
    // Digits of other scripts are no digits of this form.
    double v = 0.0;
    int places = 0;
    EXPECT_FALSE(read_fixed_text(QString::fromUtf8("\u0661.5"), &v, &places));
}
