#include "helpers/versioned_files.h"

#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "platform/os/calllog.h"

#include "environment/stream_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using streamtest::contents;
using streamtest::stream_of;

class VersionedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        msg_enable();
        msg_set_mode(MSG_MODE_WINDOW);
        calllog::clear();
        mem_count_reset();
    }
};

} // namespace

TEST_F(VersionedFiles, WrittenBytesReadBack)
{
    FILE* f = std::tmpfile();
    ASSERT_EQ(dfile_write_data_version(f, 2.0), 0);
    dfile_write_struct_version(1.1);
    char c = 'x';
    double d = 12345.678;
    int i = -7;
    dfile_write_field(&c, 'c');
    dfile_write_field(&d, 'd');
    dfile_write_field(&i, 'i');
    dfile_write_field("Wort", 's');
    dfile_write_field("zwei Worte", 't');
    dfile_write_field("", 't');
    dfile_write_newline();
    char* counted = mem_strdup_counted("a b\nc");
    char* none = nullptr;
    dfile_write_counted_text(&counted);
    dfile_write_counted_text(&none);
    dfile_write_comment("Ende");
    EXPECT_EQ(dfile_write_field(&i, 'x'), 1);
    dfile_end_struct_write();

    const std::string expected = " 2.000000  # Datenversionsnummer\n"
                                 " 1.100000 # Strukturversionsnummer\n"
                                 " x  1.234568e+04  -7  Wort  zwei\x8CWorte  !\xA7$%&/()=? \n"
                                 " 5 a b\nc\n"
                                 " 0 \n"
                                 "# Ende\n";
    EXPECT_EQ(contents(f), expected);

    std::rewind(f);
    ASSERT_EQ(dfile_read_data_version(f, 2.0), 0);
    ASSERT_EQ(dfile_read_struct_version(1.1), 0);
    EXPECT_EQ(dfile_current_version(), 1.1);
    char rc = 0, s[DFILE_TEXT_SIZE], t[DFILE_TEXT_SIZE], e[DFILE_TEXT_SIZE] = "old";
    double rd = 0;
    int ri = 0;
    EXPECT_EQ(dfile_read_field(&rc, 'c', 1.0, 0), 0);
    EXPECT_EQ(dfile_read_field(&rd, 'd', 1.0, 0), 0);
    EXPECT_EQ(dfile_read_field(&ri, 'i', 1.0, 0), 0);
    EXPECT_EQ(dfile_read_field(s, 's', 1.0, 0), 0);
    EXPECT_EQ(dfile_read_field(t, 't', 1.0, 0), 0);
    EXPECT_EQ(dfile_read_field(e, 't', 1.0, 0), 0);
    EXPECT_EQ(rc, 'x');
    EXPECT_EQ(rd, 12345.68);   // seven significant digits survive
    EXPECT_EQ(ri, -7);
    EXPECT_STREQ(s, "Wort");
    EXPECT_STREQ(t, "zwei Worte");
    EXPECT_STREQ(e, "");
    char* back = nullptr;
    EXPECT_EQ(dfile_read_counted_text(&back, 1.0, nullptr), 0);
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back, "a b\nc");
    EXPECT_EQ(dfile_read_counted_text(&back, 1.0, nullptr), 0);
    EXPECT_EQ(back, nullptr);   // length 0: no string
    dfile_end_struct();
    EXPECT_EQ(dfile_current_version(), 2.0);
    mem_free_and_null(&counted);
    EXPECT_EQ(mem_count(), 0);
    std::fclose(f);
}

TEST_F(VersionedFiles, FieldsNewerThanTheRecordTakeDefaults)
{
    FILE* f = stream_of(" 2.0 # Daten\n 1.1 # Struktur\n 17  \x8C  # Kommentar\n 9\n");
    ASSERT_EQ(dfile_read_data_version(f, 2.0), 0);
    ASSERT_EQ(dfile_read_struct_version(2.0), 0);
    int a = 0, b = 0, v = 0;
    double d = 0;
    char text[DFILE_TEXT_SIZE] = "x";
    // Introduced in 1.2, the record is 1.1: defaults, nothing consumed.
    EXPECT_EQ(dfile_read_field(&a, 'i', 1.2, 2.5), 0);
    EXPECT_EQ(dfile_read_field(&b, 'i', 1.2, -2.5), 0);
    EXPECT_EQ(dfile_read_field(&d, 'd', 1.2, 0.75), 0);
    EXPECT_EQ(dfile_read_field(text, 's', 1.2, 0), 0);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, -3);
    EXPECT_EQ(d, 0.75);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(dfile_read_int_since(1.5, 4.5), 5);
    EXPECT_EQ(dfile_read_field(&v, 'i', 1.1, 0), 0);
    EXPECT_EQ(v, 17);
    // Text presence is tested at 2 decimals: 1.1 - 1.104 rounds to 0, so the text is read;
    // the lone 0x8C is the empty text.
    std::strcpy(text, "x");
    EXPECT_EQ(dfile_read_text_default(text, 1.104, "vorgabe"), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(dfile_read_text_default(text, 1.2, "vorgabe"), 0);
    EXPECT_STREQ(text, "vorgabe");
    char* counted = nullptr;
    EXPECT_EQ(dfile_read_counted_text(&counted, 1.2, "neu"), 0);
    ASSERT_NE(counted, nullptr);
    EXPECT_STREQ(counted, "neu");
    mem_free_and_null(&counted);
    // The comment behind the fields was skipped.
    EXPECT_EQ(dfile_read_int(), 9);
    // End of file: reads report 1.
    EXPECT_EQ(dfile_read_field(&v, 'i', 1.0, 0), 1);
    EXPECT_EQ(v, 17);   // unchanged
    dfile_end_struct();
    std::fclose(f);
}

TEST_F(VersionedFiles, VersionResults)
{
    FILE* f = stream_of(" 3.0 \n");
    EXPECT_EQ(dfile_read_data_version(f, 2.0), 2);
    EXPECT_TRUE(calllog::contains("Alte Programmversion -> kann Daten nicht lesen!"));
    std::fclose(f);
    f = stream_of(" -1 \n");
    EXPECT_EQ(dfile_read_data_version(f, 2.0), -1);
    std::fclose(f);
    f = stream_of("# nur Kommentar\n");
    EXPECT_EQ(dfile_read_data_version(f, 2.0), 1);
    std::fclose(f);
    f = stream_of(" 1.0\n 4.0\n");
    EXPECT_EQ(dfile_read_data_version(f, 2.0), 0);
    EXPECT_EQ(dfile_read_struct_version(3.0), 2);
    dfile_end_struct();
    std::fclose(f);
}

TEST_F(VersionedFiles, CommentsAndOverlongWords)
{
    // A comment of more than 298 bytes after the "#": its remainder is read as data.
    std::string long_comment = "#" + std::string(298, 'k') + "42\n";
    // A word of 300 letters is cut to 255 and the next field is read from the right place.
    std::string long_word(300, 'w');
    FILE* f = stream_of(" 1.0\n" + long_comment + long_word + " 8 #5\n 6\n");
    ASSERT_EQ(dfile_read_data_version(f, 1.0), 0);
    EXPECT_EQ(dfile_read_int(), 42);
    char word[DFILE_TEXT_SIZE];
    EXPECT_EQ(dfile_read_field(word, 's', 0, 0), 0);
    EXPECT_EQ(std::strlen(word), 255u);
    EXPECT_EQ(dfile_read_int(), 8);
    EXPECT_EQ(dfile_read_int(), 6);   // "#5" began a comment
    std::fclose(f);

    // A written text keeps at most 255 characters.
    FILE* w = std::tmpfile();
    dfile_write_data_version(w, 1.0);
    dfile_write_field(std::string(300, 'a').c_str(), 't');
    EXPECT_EQ(contents(w), " 1.000000  # Datenversionsnummer\n " + std::string(255, 'a') + " ");
    std::fclose(w);
}

TEST_F(VersionedFiles, BrokenCountsAndNesting)
{
    // A counted text that claims far more bytes than the file holds fails without a string.
    FILE* f = stream_of(" 1.0\n 2000000000 abc\n");
    ASSERT_EQ(dfile_read_data_version(f, 1.0), 0);
    char* text = nullptr;
    EXPECT_EQ(dfile_read_counted_text(&text, 0, nullptr), 1);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(mem_count(), 0);
    std::fclose(f);

    // 19 nested records are supported; the 20th is refused.
    std::string body = " 1.0\n";
    for (int k = 0; k < 20; ++k) body += " 1.0\n";
    f = stream_of(body);
    ASSERT_EQ(dfile_read_data_version(f, 1.0), 0);
    for (int k = 0; k < DFILE_MAX_NESTING; ++k) ASSERT_EQ(dfile_read_struct_version(1.0), 0) << k;
    EXPECT_EQ(dfile_read_struct_version(1.0), 1);
    std::fclose(f);
}

TEST_F(VersionedFiles, PlaceholdersAndEscapes)
{
    FILE* w = std::tmpfile();
    dfile_write_data_version(w, 1.0);
    for (char t : {'c', 'd', 'i', 's', 't'}) EXPECT_EQ(dfile_write_placeholder(t), 0);
    EXPECT_EQ(dfile_write_placeholder('q'), 1);
    EXPECT_EQ(contents(w), " 1.000000  # Datenversionsnummer\n *  -1.000000e+00  0  ***  *** ");
    std::fclose(w);

    char text[8] = "a b";
    EXPECT_EQ(dfile_escape_text(text), 3);
    EXPECT_STREQ(text, "a\x8C" "b");
    EXPECT_EQ(dfile_unescape_text(text), 3);
    EXPECT_STREQ(text, "a b");
    char empty[2] = "";
    EXPECT_EQ(dfile_escape_text(empty), 1);
    EXPECT_STREQ(empty, "\x8C");
    EXPECT_EQ(dfile_unescape_text(empty), 0);
    EXPECT_STREQ(empty, "");
}
