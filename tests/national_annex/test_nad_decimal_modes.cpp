// The plain decimal as the three readers of typed and stored numbers take it: a sheet's number
// field (Read_Typed_Decimal), a value in a set file (nad_parse_decimal without comma) and a
// value typed on a parameter sheet (nad_parse_decimal with comma). They differ only in the comma
// and in the blanks allowed around the number; this table holds each one to what it accepts.
#include <gtest/gtest.h>

#include "national_annex/nad_plausible.h"
#include "platform/screen/prop_sheet.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr double kNo = -99.0; // "refused": the out value stays as it was

struct Case {
    std::string text;
    double typed; // Read_Typed_Decimal
    double file;  // nad_parse_decimal(text, &v, false)
    double sheet; // nad_parse_decimal(text, &v, true)
};

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string digits(char d, size_t n) { return std::string(n, d); }

TEST(NadDecimalModes, EachReaderKeepsItsSeparatorsAndBlanks)
{
    const Case cases[] = {
        // point and comma
        {"1.5", 1.5, 1.5, 1.5},
        {"1,5", 1.5, kNo, 1.5},
        {"1.", 1.0, 1.0, 1.0},
        {".5", 0.5, 0.5, 0.5},
        {"1,", 1.0, kNo, 1.0},
        {",5", 0.5, kNo, 0.5},
        {"1.5.", kNo, kNo, kNo},
        {"1,5,", kNo, kNo, kNo},
        {"1,2.3", kNo, kNo, kNo},
        {"1.2,3", kNo, kNo, kNo},
        {".", kNo, kNo, kNo},
        {",", kNo, kNo, kNo},
        // blanks around and inside: spaces for all; tabs, CR and LF only for the annex readers
        {" 1.5", 1.5, 1.5, 1.5},
        {"1.5 ", 1.5, 1.5, 1.5},
        {"   1.5   ", 1.5, 1.5, 1.5},
        {"\t1.5", kNo, 1.5, 1.5},
        {"1.5\t", kNo, 1.5, 1.5},
        {" \t1.5", kNo, 1.5, 1.5},
        {"\t 1.5", kNo, 1.5, 1.5},
        {"1.5\r\n", kNo, 1.5, 1.5},
        {"1.5\n", kNo, 1.5, 1.5},
        {"1.5\n\n", kNo, 1.5, 1.5},
        {"1.5 \t \r\n", kNo, 1.5, 1.5},
        {"\t-2,5\r\n", kNo, kNo, -2.5},
        {"\n1.5", kNo, kNo, kNo},
        {"\r1.5", kNo, kNo, kNo},
        {"\v1.5", kNo, kNo, kNo},
        {"1.5\f", kNo, kNo, kNo},
        {"1.5\n 2", kNo, kNo, kNo},
        {"1 5", kNo, kNo, kNo},
        {"1. 5", kNo, kNo, kNo},
        {"1\t5", kNo, kNo, kNo},
        // nothing, signs
        {"", kNo, kNo, kNo},
        {" ", kNo, kNo, kNo},
        {"\t", kNo, kNo, kNo},
        {"-", kNo, kNo, kNo},
        {"+", kNo, kNo, kNo},
        {"-.", kNo, kNo, kNo},
        {"+1", 1.0, 1.0, 1.0},
        {" +1.5 ", 1.5, 1.5, 1.5},
        {"-0", -0.0, -0.0, -0.0},
        {"- 1", kNo, kNo, kNo},
        {"+-1", kNo, kNo, kNo},
        {"--1", kNo, kNo, kNo},
        {"1-", kNo, kNo, kNo},
        {"1+", kNo, kNo, kNo},
        // what strtod would take but a plain decimal is not
        {"1e3", kNo, kNo, kNo},
        {"1E3", kNo, kNo, kNo},
        {"1e-400", kNo, kNo, kNo},
        {"nan", kNo, kNo, kNo},
        {"NaN", kNo, kNo, kNo},
        {"inf", kNo, kNo, kNo},
        {"-infinity", kNo, kNo, kNo},
        {"0x1p1", kNo, kNo, kNo},
        {"0x10", kNo, kNo, kNo},
        {"12a", kNo, kNo, kNo},
        {"a12", kNo, kNo, kNo},
        {"1.3x", kNo, kNo, kNo},
        {"\xEF\xBC\x91", kNo, kNo, kNo}, // a full-width digit one
        {"\xB2", kNo, kNo, kNo},
        // leading zeros and long digit strings
        {"007.50", 7.5, 7.5, 7.5},
        {"000", 0.0, 0.0, 0.0},
        {"-000,000", -0.0, kNo, -0.0},
        {"3.14159265358979323846264338327950288419716939937510", 3.141592653589793, 3.141592653589793, 3.141592653589793},
        {"9999999999", 9999999999.0, 9999999999.0, 9999999999.0},
        {"1" + digits('0', 308), 1e308, 1e308, 1e308},                 // the largest power of ten a double holds
        {"1" + digits('0', 309), kNo, kNo, kNo},                       // 1e309 is past the largest double
        {digits('9', 1000), kNo, kNo, kNo},
        {"0." + digits('0', 400) + "1", 0.0, 0.0, 0.0},                // 1e-401 underflows to zero
        {"0." + digits('0', 320) + "5", 5e-321, 5e-321, 5e-321},       // a subnormal
        {"," + digits('0', 400) + "1", 0.0, kNo, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text.substr(0, 40) + "\"");
        double v = kNo;
        EXPECT_EQ(Read_Typed_Decimal(c.text.c_str(), &v), c.typed != kNo ? 1 : 0);
        EXPECT_TRUE(same_bits(v, c.typed)) << "typed: " << v;
        v = kNo;
        EXPECT_EQ(nad_parse_decimal(c.text.c_str(), &v, false), c.file != kNo);
        EXPECT_TRUE(same_bits(v, c.file)) << "file: " << v;
        v = kNo;
        EXPECT_EQ(nad_parse_decimal(c.text.c_str(), &v, true), c.sheet != kNo);
        EXPECT_TRUE(same_bits(v, c.sheet)) << "sheet: " << v;
    }
}

TEST(NadDecimalModes, NoTextIsNoNumber)
{
    double v = kNo;
    EXPECT_EQ(Read_Typed_Decimal(nullptr, &v), 0);
    EXPECT_FALSE(nad_parse_decimal(nullptr, &v, false));
    EXPECT_FALSE(nad_parse_decimal(nullptr, &v, true));
    EXPECT_EQ(v, kNo);
    // The annex reader may be asked only whether a text is a number.
    EXPECT_TRUE(nad_parse_decimal("2,5", nullptr, true));
    EXPECT_FALSE(nad_parse_decimal("2,5", nullptr, false));
}

} // namespace
