#include "platform/os/codepage.h"
#include <gtest/gtest.h>

TEST(Codepage, GermanLettersInEachCodePage)
{
    // ä ö ü Ä Ö Ü ß: DOS bytes 84 94 81 8E 99 9A E1; Windows-1252 and Latin-1: E4 F6 FC C4 D6 DC DF.
    const std::string utf8 = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F";
    EXPECT_EQ(codepage::utf8_to_cp437(utf8), "\x84\x94\x81\x8E\x99\x9A\xE1");
    EXPECT_EQ(codepage::utf8_to_cp1252(utf8), "\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
    EXPECT_EQ(codepage::cp437_to_utf8("\x84\x94\x81\x8E\x99\x9A\xE1"), utf8);
    EXPECT_EQ(codepage::latin1_to_utf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), utf8);
}

TEST(Codepage, SymbolsAndMissingCharacters)
{
    EXPECT_EQ(codepage::cp437_char(0xF2), U'\u2265');   // >=
    EXPECT_EQ(codepage::cp437_char(0xF3), U'\u2264');   // <=
    EXPECT_EQ(codepage::cp437_char(0xAE), U'\u00AB');   // the marked-string brackets
    EXPECT_EQ(codepage::cp437_char(0xAF), U'\u00BB');
    EXPECT_EQ(codepage::cp1252_char(0x80), U'\u20AC');
    EXPECT_EQ(codepage::utf8_to_latin1("\xE2\x82\xAC"), "?");
    EXPECT_EQ(codepage::utf8_to_cp437("a\xFF" "b"), "a?b");  // broken UTF-8 never overruns
}
