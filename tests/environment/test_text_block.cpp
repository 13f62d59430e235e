#include "environment/text_block.h"
#include "stream_util.h"

#include <gtest/gtest.h>

#include <string>

using streamtest::contents;
using streamtest::rest;
using streamtest::stream_of;

namespace {
const std::string O = "\xAE", C = "\xAF";
}

TEST(TextBlock, ChunksAtTheirLimits)
{
    struct Case {
        int length;
        std::string header;
        int chunks;
    };
    // 100 characters make one chunk; 101 two (100 + 1); 250 three (100, 100, 50).
    for (Case c : {Case{100, "TXB100\n", 1}, Case{101, "TXB101\n", 2}, Case{250, "TXB250\n", 3}}) {
        std::string text;
        for (int i = 0; i < c.length; ++i) text.push_back((char)('a' + i % 26));
        FILE* f = std::tmpfile();
        txb_write(f, text.c_str());
        std::string bytes = contents(f);
        std::string expected = c.header;
        for (int pos = 0; pos < c.length; pos += 100) expected += O + text.substr(pos, 100) + C + "\n";
        EXPECT_EQ(bytes, expected) << c.length;
        int chunks = 0;
        for (char ch : bytes) chunks += ch == '\xAE';
        EXPECT_EQ(chunks, c.chunks);
        std::rewind(f);
        char* back = txb_read(f);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(std::string(back), text);
        EXPECT_EQ(text_size(back), c.length + 1);
        text_free(back);
        std::fclose(f);
    }
}

TEST(TextBlock, LineEndsEmptyAndBrokenBlocks)
{
    FILE* f = std::tmpfile();
    txb_write(f, "\n");
    EXPECT_EQ(contents(f), "TXB1\n" + O + "\x01" + C + "\n");
    std::rewind(f);
    char* back = txb_read(f);
    EXPECT_STREQ(back, "\n");
    text_free(back);
    std::fclose(f);

    f = std::tmpfile();
    txb_write(f, "");
    txb_write(f, nullptr);
    EXPECT_EQ(contents(f), "TXB0\nTXB0\n");
    std::rewind(f);
    EXPECT_EQ(txb_read(f), nullptr);   // an empty text reads back as none
    std::fclose(f);

    struct Case {
        const char* what;
        std::string bytes;
        const char* expected;   // null: none
    };
    const Case cases[] = {
        {"no block", "XYZ", nullptr},
        {"no length", "TXBx", nullptr},
        {"chunks stop early", "TXB10\n" + O + "abc" + C + "\nrest", "abc"},
        {"chunk longer than the length", "TXB2\n" + O + "abcdef" + C + "\n", "ab"},
        {"CRLF and several chunks", "TXB4\r\n" + O + "ab" + C + "\r\n" + O + "cd" + C + "\r\n", "abcd"},
        {"unterminated chunk at the end", "TXB5\n" + O + "abc", "abc"},
    };
    for (const Case& c : cases) {
        FILE* s = stream_of(c.bytes);
        char* t = txb_read(s);
        if (c.expected) {
            ASSERT_NE(t, nullptr) << c.what;
            EXPECT_STREQ(t, c.expected) << c.what;
        } else {
            EXPECT_EQ(t, nullptr) << c.what;
        }
        text_free(t);
        std::fclose(s);
    }
    EXPECT_EQ(text_size(nullptr), 0);
    EXPECT_EQ(text_free(nullptr), nullptr);
}

TEST(MarkedString, LimitsFollowedByFurtherFields)
{
    char buf[MARKED_STRING_SIZE];
    std::string s255(255, 'x'), s300(300, 'y');
    FILE* f = stream_of(" \t\n" + O + s255 + C + " " + O + s300 + C + " " + O + "next" + C + " 42\n" +
                        O + C + "#");
    EXPECT_EQ(read_marked_string(f, buf), 255);
    EXPECT_EQ(std::string(buf), s255);
    EXPECT_EQ(read_marked_string(f, buf), 255);   // cut, and the rest skipped up to its closing mark
    EXPECT_EQ(std::string(buf), s300.substr(0, 255));
    EXPECT_EQ(read_marked_string(f, buf), 4);
    EXPECT_STREQ(buf, "next");
    int n = 0;
    EXPECT_EQ(std::fscanf(f, "%d", &n), 1);
    EXPECT_EQ(n, 42);
    EXPECT_EQ(read_marked_string(f, buf), 0);
    EXPECT_EQ(read_marked_string(f, buf), -1);   // '#' is no opening mark, and it is consumed
    EXPECT_EQ(rest(f), "");
    EXPECT_EQ(read_marked_string(f, buf), -1);   // end of file
    std::fclose(f);

    f = stream_of(O + "open to the end");
    EXPECT_EQ(read_marked_string(f, buf), 15);
    EXPECT_STREQ(buf, "open to the end");
    std::fclose(f);
}

TEST(KeywordSearch, FindsFromTheStartWithItsNumber)
{
    FILE* f = stream_of("MULTICUT 3\nRESULTS\nRESULTS 12\nline after\n");
    int number = -5;
    EXPECT_EQ(find_keyword_line("RESULTS", f, &number), 1);
    EXPECT_EQ(number, -5);   // keyword alone: unchanged
    EXPECT_EQ(rest(f), "RESULTS 12\nline after\n");
    EXPECT_EQ(find_keyword_line("RESULTS 1", f, &number), 1);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(find_keyword_line("MULTICUT", f, &number), 1);   // always from the start
    EXPECT_EQ(number, 3);
    EXPECT_EQ(find_keyword_line("MULTICUT", f, nullptr), 1);
    EXPECT_EQ(find_keyword_line("MISSING", f, &number), 0);
    std::fclose(f);
}
