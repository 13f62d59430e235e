#include "environment/dialog_text.h"
#include "platform/screen/fonts.h"
#include "platform/os/calllog.h"
#include "stream_util.h"

#include <gtest/gtest.h>

#include <string>

TEST(DialogText, WidthsThroughTheFontService)
{
    EXPECT_EQ(text_width(nullptr), 0);
    EXPECT_EQ(text_width(""), 0);
    EXPECT_EQ(text_width("abcd"), 32);                      // 4 cells of 8 pixels
    EXPECT_EQ(text_pixel_width_in_font("abcd", 0x10000), 36); // emphasised cells of 9
    EXPECT_EQ(text_pixel_width_in_font(nullptr, 0x10000), 0);
    EXPECT_EQ(Current_RFont(), 4096);                         // the font is restored
}

TEST(DialogText, TrimsPaddingAndLines)
{
    EXPECT_STREQ(trim_blanks_copy("   "), "");
    EXPECT_STREQ(trim_blanks_copy(" zwei Worte "), "zwei Worte");
    EXPECT_STREQ(pad_copy("abc", 5), "abc  ");
    EXPECT_STREQ(pad_copy("abcdef", 3), "abc");
    EXPECT_EQ(std::string(pad_copy("x", 600)).size(), 511u);
    EXPECT_EQ(std::string(trim_blanks_copy(std::string(700, 'q').c_str())).size(), 511u);
    EXPECT_EQ(length_without_trailing_blanks("ab  "), 2);
    char t[] = "a b?c";
    EXPECT_EQ(blanks_to_question_marks(t), 5);
    EXPECT_STREQ(t, "a?b?c");
    question_marks_to_blanks(t);
    EXPECT_STREQ(t, "a b c");
    EXPECT_EQ(sign_of(0.0), 1);
    EXPECT_EQ(sign_of(-0.1), -1);

    FILE* f = streamtest::stream_of("erste\r\nzweite\n");
    char buf[32];
    EXPECT_STREQ(read_line_without_end(buf, 32, f), "erste");
    EXPECT_STREQ(read_line_without_end(buf, 32, f), "zweite");
    EXPECT_EQ(read_line_without_end(buf, 32, f), nullptr);
    EXPECT_EQ(read_line_without_end(buf, 0, f), nullptr);
    std::fclose(f);
}

TEST(DialogText, GermanLettersAndEntities)
{
    const std::string latin1 = "\xC4\xD6\xDC\xDF\xE4\xF6\xFC";
    const std::string dos = "\x8E\x99\x9A\xE1\x84\x94\x81";
    EXPECT_EQ(std::string(umlauts_latin1_to_dos(latin1.c_str())), dos);
    EXPECT_EQ(std::string(umlauts_dos_to_latin1(dos.c_str())), latin1);
    const std::string others = "a\xA7\xB0\xE9\xFF";   // other high bytes pass both ways
    EXPECT_EQ(std::string(umlauts_dos_to_latin1(umlauts_latin1_to_dos(others.c_str()))), others);

    EXPECT_STREQ(umlauts_to_html("Tr\x84ger Stra\xE1" "e \x9A"), "Tr&auml;ger Stra&szlig;e &Uuml;");
    std::string many(300, '\x81');   // each letter becomes 6 bytes: cut after more than 503
    std::string html = umlauts_to_html(many.c_str());
    EXPECT_LE(html.size(), 510u);
    EXPECT_GT(html.size(), 503u);
    EXPECT_STREQ(apostrophes_to_accents("it's"), "it\xB4s");
}

TEST(DialogText, FileNameCheck)
{
    calllog::clear();
    EXPECT_EQ(check_file_name("...", 1), 1);
    EXPECT_EQ(check_file_name("", 1), 1);
    EXPECT_EQ(check_file_name("a:b", 0), 0);
    EXPECT_TRUE(calllog::entries().empty());
    EXPECT_EQ(check_file_name("..", 1), 0);
    EXPECT_TRUE(calllog::contains("Draw_Message: Eine Datei darf weder '.' noch '..' hei\xC3\x9F" "en!"));
    EXPECT_EQ(check_file_name("a|b", 1), 0);
    EXPECT_TRUE(calllog::contains("Unzul\xC3\xA4ssige Zeichen (\\/:*?\"<>|) im Dateinamen!"));
}

TEST(DialogTextDeathTest, OutOfMemoryStopEndsWithCodeThree)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(stop_out_of_memory(), testing::ExitedWithCode(3), "");
}
