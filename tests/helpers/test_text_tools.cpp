#include "helpers/mem_counted.h"
#include "helpers/text_tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

TEST(TextTools, AnglesBitsAndExtremes)
{
    EXPECT_DOUBLE_EQ((double)angle_to_0_360(-30), 330);
    EXPECT_DOUBLE_EQ((double)angle_to_0_360(720), 0);
    EXPECT_DOUBLE_EQ((double)angle_to_pm180(190), -170);
    EXPECT_DOUBLE_EQ((double)angle_to_pm180(180), -180);

    EXPECT_EQ(bit_is_set(2, 33), 1);   // n modulo 32: bit 1
    EXPECT_EQ(bit_is_set(2, 0), 0);
    int v = 0;
    bit_assign(1, &v, 31);
    bit_set(&v, 4);
    EXPECT_EQ((unsigned)v, 0x80000010u);
    bit_assign(0, &v, 31);
    bit_clear(&v, 4);
    EXPECT_EQ(v, 0);

    const double a[] = {3, 1, 1};
    int i = -1;
    EXPECT_EQ(array_min(a, 3, &i), 1);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(array_max(a, 3, &i), 3);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(array_min(a, 0, &i), 1e31);
    int lo = -7, hi = -7;
    array_min_max_index(0, a, &lo, &hi);
    EXPECT_EQ(lo, -7);   // nothing written for n <= 0
    array_min_max_index(3, a, &lo, nullptr);
    EXPECT_EQ(lo, 1);

    // F = 6 over L = 3: at mid-length both ordinates F/L = 2; at a third 2F/L = 4 and 0.
    double s, e;
    trapezoid_ordinates(&s, &e, 6, 1.5, 3);
    EXPECT_DOUBLE_EQ(s, 2);
    EXPECT_DOUBLE_EQ(e, 2);
    trapezoid_ordinates(&s, &e, 6, 1, 3);
    EXPECT_DOUBLE_EQ(s, 4);
    EXPECT_NEAR(e, 0, 1e-15);
    trapezoid_ordinates(&s, &e, 6, 1, 0.000001);
    EXPECT_EQ(s, 0);

    FlagSet f;
    int before = mem_count();
    EXPECT_EQ(flag_set_init(&f, 9, 5), 0);
    EXPECT_EQ(f.bits[0] | f.bits[1], 0);
    mem_free_and_null(&f.bits);
    EXPECT_EQ(mem_count(), before);
}

TEST(TextTools, InPlaceTexts)
{
    char t1[] = "ab   ";
    EXPECT_EQ(text_trim_trailing_blanks(t1), 3);
    EXPECT_STREQ(t1, "ab");
    EXPECT_EQ(text_trim_trailing_blanks(t1), 0);

    char t2[] = "ab \n";
    EXPECT_EQ(text_trim_line_end(t2), 1);
    EXPECT_STREQ(t2, "ab");
    char t3[] = "ab\n";
    EXPECT_EQ(text_trim_line_end(t3), 1);
    EXPECT_STREQ(t3, "ab\n");

    char t4[] = "a b\nc\rd";
    text_encode_blanks(t4);
    EXPECT_EQ(std::string(t4), "a\xFE" "b\xFD" "c\xFC" "d");
    EXPECT_EQ(text_decode_blanks(t4), 7);
    EXPECT_STREQ(t4, "a b\nc\rd");

    char t5[] = "\t  a\nb";
    EXPECT_STREQ(text_collapse_blanks(t5), " a b");
    EXPECT_EQ(text_collapse_blanks(nullptr), nullptr);

    char t6[8] = "abc";
    EXPECT_STREQ(text_pad_to_width(t6, 5), "abc  ");
    char t7[] = "abcdef";
    EXPECT_STREQ(text_pad_to_width(t7, 4), "abcd");
}

TEST(TextTools, NewTextsAndSearch)
{
    char dotted[] = "a.b.c";
    int count = 0;
    char* r = text_replace_char(dotted, ".", "::", &count);
    EXPECT_STREQ(r, "a::b::c");
    EXPECT_EQ(count, 2);
    std::free(r);
    EXPECT_EQ(text_replace_char(dotted, "x", "::", &count), dotted);
    EXPECT_EQ(count, 0);

    char* c = text_collapse_blanks_copy("x \t y");
    EXPECT_STREQ(c, "x y");
    std::free(c);

    char** words = nullptr;
    int n = 0;
    ASSERT_EQ(text_split_words("  ab\tc\r\n", &n, &words), 1);
    ASSERT_EQ(n, 2);
    EXPECT_STREQ(words[0], "ab");
    EXPECT_STREQ(words[1], "c");
    for (int i = 0; i < n; ++i) std::free(words[i]);
    std::free(words);
    n = -1;
    EXPECT_EQ(text_split_words("   ", &n, &words), 0);
    EXPECT_EQ(n, -1);

    EXPECT_EQ(text_find_from(4, "hello lo", "lo"), 6);
    EXPECT_EQ(text_find_from(20, "hello lo", "lo"), 0);
    EXPECT_EQ(text_find_from(0, "hello lo", "xy"), -1);
    EXPECT_EQ(text_word_count(" one two\tthree "), 3);
}

TEST(TextTools, RotatingCopies)
{
    EXPECT_STREQ(ring_left("abcdef", 2), "ab");
    EXPECT_STREQ(ring_right("abcdef", 10), "abcdef");
    EXPECT_STREQ(ring_mid("abcdef", 2, 10), "cdef");
    EXPECT_EQ(ring_mid("abcdef", 6, 1), nullptr);

    char* first = ring_left("first", 5);
    for (int i = 0; i < 7; ++i) ring_left("x", 1);
    EXPECT_STREQ(first, "first");          // seven later copies leave it alone
    char* ninth = ring_left("abc", 3);     // the ninth reuses the first one's buffer
    EXPECT_EQ(ninth, first);
    EXPECT_STREQ(first, "abc");
    ring_release(ninth);
}

TEST(TextTools, VersionTexts)
{
    int a = -1, b = -1;
    char s[4];
    version_text_parse("Stand 3.2021rev2", &a, &b, s);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 2021);
    version_text_parse("nothing", &a, &b, s);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(std::string(s, 3), "???");
    EXPECT_EQ(version_text_compare("Stand 1.2023a", "Stand 12.2022b"), 1);
    EXPECT_EQ(version_text_compare("V 1.2020", "V 2.2020"), -1);
    EXPECT_EQ(version_text_compare("V 2.2020", "V 2.2020"), 0);
}
