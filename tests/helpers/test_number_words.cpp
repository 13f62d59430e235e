#include "helpers/number_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(NumberWords, NumbersInWords)
{
    struct Case {
        unsigned n;
        const char* words;   // code page 850: ü is 0x81, ö is 0x94
    };
    const Case cases[] = {
        {0, "Null"},
        {1, "Eins"},
        {7, "Sieben"},
        {12, "Zw\x94lf"},
        {16, "Sechszehn"},
        {21, "Einundzwanzig"},
        {30, "Dreissig"},
        {35, "F\x81nfunddreissig"},
        {99, "Neunundneunzig"},
        {100, "Einhundert"},
        {101, "Einhunderteins"},
        {120, "Einhundertzwanzig"},
        {1001, "Eintausendeins"},
        {2001, "Zweitausendeins"},
        {1000000, "Einemillion"},
        {2000000, "Zweimillionen"},
        {2000021, "Zweimillioneneinundzwanzig"},
        {1000000000, "Einemilliarde"},
        {4294967295u, "Viermilliardenzweihundertvierundneunzigmillionenneunhundertsiebenundsechzigtausend"
                      "zweihundertf\x81nfundneunzig"},
    };
    for (const Case& c : cases) EXPECT_STREQ(number_to_german_words(c.n), c.words) << c.n;
    EXPECT_STREQ(words_of_number(0), "");
    EXPECT_STREQ(word_below_1000(101, 0), "einhundertein");
    EXPECT_STREQ(word_below_100(0, 1), "-Fehler-");
    EXPECT_STREQ(word_below_100(100, 1), "-Fehler-");
    EXPECT_STREQ(word_below_20(20, 1), "-Fehler-");
    EXPECT_STREQ(word_of_tens(47), "vierzig");
    EXPECT_STREQ(word_of_tens(19), "-Fehler-");
    EXPECT_STREQ(word_below_million(1000), "eintausend");
    EXPECT_STREQ(word_below_milliard(0), "");
}

TEST(NumberWords, CountWords)
{
    EXPECT_STREQ(count_as_word(0), "keiner");
    EXPECT_STREQ(count_as_word(1), "einer");
    EXPECT_STREQ(count_as_word(5), "f\x81nf");
    EXPECT_STREQ(count_as_word(9), "neun");
    EXPECT_STREQ(count_as_word(10), "10");
    EXPECT_STREQ(count_as_word((unsigned)-1), "-1");
}

TEST(NumberWords, Enumerations)
{
    enum_reset();
    enum_append_text("a");
    enum_append_text("b");
    enum_finish_text("c");
    EXPECT_STREQ(enum_text(), "a, b und c");
    enum_reset();
    enum_append_number(1);
    enum_finish_number(2);
    EXPECT_STREQ(enum_text(), "1 und 2");
    enum_clear();
    enum_finish_text("allein");
    EXPECT_STREQ(enum_text(), "allein");

    struct Case {
        std::vector<int> numbers;
        const char* text;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 7}, "1 bis 4 und 7"},
        {{2, 5, 6, 7, 9}, "2, 5 bis 7 und 9"},
        {{1, 2, 3, 4}, "1 bis 3 und 4"},
        {{1, 4, 5, 9}, "1, 4 bis 5 und 9"},
        {{3, 4}, "3 und 4"},
        {{7}, "7"},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(enum_number_list((int)c.numbers.size(), c.numbers.data()), c.text);

    // A long enumeration is cut at its 299 characters, never beyond.
    enum_reset();
    for (int i = 0; i < 200; ++i) enum_append_number(i);
    EXPECT_EQ(std::string(enum_text()).size(), 299u);
}
