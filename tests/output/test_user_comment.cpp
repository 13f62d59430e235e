// The user's remarks in the output list: nothing for blank remarks, the logo block, and lines
// wrapped at the writers' pixel width (8 pixels a character in the test metrics).
#include "environment/dialog_text.h"
#include "environment/text_wrap.h"
#include "oli_capture.h"
#include "output/user_comment.h"

#include <gtest/gtest.h>
#include <string>

TEST(UserComment, BlankRemarksWriteNothing)
{
    reset_writers();
    for (const char* remarks : {(const char*)nullptr, "", " ", "\n"}) {
        Capture c;
        user_comment_write(c.f, remarks);
        user_comment_write_plain(c.f, remarks);
        EXPECT_EQ(c.text(), "") << (remarks ? remarks : "null");
    }
}

TEST(UserComment, WrapsAtTheWidthAfterTheLastBlank)
{
    const int per_char = text_width("abcdefghij") / 10;
    ASSERT_GT(per_char, 0);
    struct Case { const char* text; int chars; const char* line; const char* rest; };
    const Case cases[] = {
        {"ab cd ef", 5, "ab ", "cd ef"},          // grows too wide at "f": after the last blank
        {"abcdefgh", 3, "abc", "defgh"},          // no blank: where it grew too wide
        {"ab\ncd", 10, "ab", "cd"},               // the line end ends the line
        {"\nab", 10, "", "ab"},
        {"abc", 10, "abc", ""},
        {"abc", 0, "a", "bc"},                     // at least one character
    };
    for (const Case& c : cases) {
        const char* next = nullptr;
        int n = wrap_line_length(c.text, c.chars * per_char, &next);
        EXPECT_EQ(std::string(c.text, size_t(n)), c.line) << c.text;
        EXPECT_STREQ(next, c.rest) << c.text;
    }
}

TEST(UserComment, LogoBlockAndWrappedLines)
{
    reset_writers();
    Capture c;
    // 600 pixels of the logo version hold fewer characters than the whole line below.
    std::string words;
    while (text_width(words.c_str()) <= 700) words += "wort ";
    user_comment_write(c.f, (words + "\n\nEnde").c_str());
    const std::string out = c.text();
    EXPECT_NE(out.find("#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n-1\n"),
              std::string::npos);
    // Two pieces of the long line (each text line of the list begins with a blank), the empty line
    // as a blank, then the last word.
    const size_t end = out.find("\n  \n Ende\n");
    ASSERT_NE(end, std::string::npos) << out;
    const size_t first = out.find(" wort ");
    ASSERT_NE(first, std::string::npos);
    const size_t break_at = out.find('\n', first);
    ASSERT_LT(break_at, end);
    const std::string line1 = out.substr(first + 1, break_at - first - 1);
    const std::string line2 = out.substr(break_at + 2, end - break_at - 2);
    EXPECT_EQ(line1 + line2, words);
    EXPECT_LE(text_width(line1.c_str()), 600);
    EXPECT_GT(text_width((line1 + "wort").c_str()), 600);
}
