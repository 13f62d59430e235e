#include "common/test_util.h"
#include "helpers/prefixed_files.h"
#include "helpers/value_readers.h"
#include "platform/os/calllog.h"

#include "environment/stream_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using streamtest::contents;
using streamtest::stream_of;

TEST(ValueReaders, NumbersOnALineAndAcrossLines)
{
    double d[4] = {9, 9, 9, 9};
    FILE* f = stream_of("1.5 2 x 4\n-3e2\n");
    EXPECT_EQ(read_double_values(f, d, 4), 1);
    EXPECT_EQ(d[0], 1.5);
    EXPECT_EQ(d[1], 2);
    EXPECT_EQ(d[2], 0);   // parsing stops at the first token that is no number
    EXPECT_EQ(d[3], 0);
    EXPECT_EQ(read_double_values(f, d, 2), 1);
    EXPECT_EQ(d[0], -300);
    EXPECT_EQ(read_double_values(f, d, 2), 0);
    std::fclose(f);

    int v[5];
    f = stream_of("0x10 010\n9 z");
    EXPECT_EQ(scan_int_values(f, v, 5), 3);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 8);
    EXPECT_EQ(v[2], 9);
    EXPECT_EQ(v[4], 0);
    std::fclose(f);

    f = stream_of(" 1.25\n\n 2e-1 end");
    EXPECT_EQ(scan_double_values(f, d, 3), 2);
    EXPECT_EQ(d[1], 0.2);
    EXPECT_EQ(d[2], 0);
    EXPECT_EQ(scan_double_values(nullptr, d, 3), 0);
    std::fclose(f);
}

TEST(ValueReaders, GuillemetTexts)
{
    FILE* f = std::tmpfile();
    EXPECT_EQ(write_guillemet_text(f, "Pos 1"), 0);
    EXPECT_EQ(write_guillemet_text(f, nullptr), 1);
    std::fputs(("\xAE\xAF \xAE" + std::string(120, 'w') + "\xAF").c_str(), f);
    EXPECT_EQ(contents(f).substr(0, 8), "\xAEPos 1\xAF\n");
    std::rewind(f);
    char buf[101];
    EXPECT_EQ(read_guillemet_text(f, buf), 0);
    EXPECT_STREQ(buf, "Pos 1");
    EXPECT_EQ(read_guillemet_text(f, buf), 1);   // empty: not read
    std::fclose(f);
    f = stream_of(" \xAE" + std::string(120, 'w') + "\xAF");
    EXPECT_EQ(read_guillemet_text(f, buf), 1);   // more than 100 characters: not read
    std::fclose(f);
}

TEST(ValueReaders, ReplaceTextInAFile)
{
    testutil::ScratchDir dir;
    std::string path = dir.file("data.txt");
    struct Case {
        const char* before;
        const char* pattern;
        const char* replacement;
        const char* after;
        int count;
    };
    const Case cases[] = {
        {"abb\nab\n", "ab", "xa", "xxa\nxa\n", 3},      // a new occurrence from the first replacement
        {"ab ab\n", "ab", "abc", "abc abc\n", 2},        // replacement holding the pattern ends
        {"nothing\n", "ab", "x", "nothing\n", 0},
        {"no line end", "line", "LINE", "no LINE end", 1},
    };
    for (const Case& c : cases) {
        testutil::write_file(path, c.before);
        EXPECT_EQ(file_replace_text(path.c_str(), c.pattern, c.replacement), c.count) << c.before;
        EXPECT_EQ(testutil::read_file(path), c.after) << c.before;
    }
    EXPECT_EQ(file_replace_text(dir.file("missing").c_str(), "a", "b"), 0);
}

TEST(ValueReaders, PositionHeaderFile)
{
    testutil::ScratchDir dir;
    std::string path = dir.file("T1");
    testutil::write_file(path, "1234567:Tr\x84ger \x81" "ber Fenster\n");
    EXPECT_EQ(read_position_header_file(path.c_str()), 0);
    EXPECT_STREQ(position_header_number(), "123456");
    EXPECT_STREQ(position_header_title(), "Tr\x84ger \x81" "ber Fenster");

    testutil::write_file(path, "x\n12\n" + std::string(60, 't') + "\n");
    EXPECT_EQ(read_position_header_file(path.c_str()), 0);
    EXPECT_STREQ(position_header_number(), "12");
    EXPECT_EQ(std::string(position_header_title()), std::string(50, 't'));

    // A number line of 15 characters: 10 are read as the line, its last 5 become the title.
    testutil::write_file(path, "x\n123456789012345\n");
    EXPECT_EQ(read_position_header_file(path.c_str()), 0);
    EXPECT_STREQ(position_header_number(), "123456");
    EXPECT_STREQ(position_header_title(), "12345");

    testutil::write_file(path, "x\n12\n");
    EXPECT_EQ(read_position_header_file(path.c_str()), 1);   // no third line
    testutil::write_file(path, "");
    EXPECT_EQ(read_position_header_file(path.c_str()), 1);
    EXPECT_EQ(read_position_header_file(dir.file("none").c_str()), 1);
}

TEST(ValueReaders, ErrorListsPagesAndBoxes)
{
    testutil::ScratchDir dir;
    set_file_prefix((dir.path() + "/T1_").c_str());
    FILE* list = error_list_open("err.oli");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(error_list_line(list, 7, "Fehler A"), 7);
    EXPECT_EQ(error_list_line(nullptr, 8, "x"), 8);
    FILE* src = stream_of("Zeile\n");
    EXPECT_EQ(list_append_failed_check(list, src), 0);
    EXPECT_EQ(list_append_file(list, nullptr), 1);
    EXPECT_EQ(contents(list), "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Fehler A\n \xCE" "bDer Nachweis kann nicht gef\x81hrt "
                              "werden ==>\xCE" "r\n#END_OF_TEXT\nZeile\n#END_OF_TEXT\n");
    std::fclose(list);
    std::fclose(src);

    FILE* page = oli_position_title("12", "Dach", 0);
    ASSERT_NE(page, nullptr);
    std::fclose(page);
    std::string text = testutil::read_file(dir.file("T1_"));   // the bare prefix names the page
    EXPECT_EQ(text.rfind("#NEWPAGE\n", 0), 0u);
    EXPECT_NE(text.find("#CONTENTS\n POS. 12: Dach\n"), std::string::npos);

    testutil::write_file(dir.file("T1_a.tmp"), "1");
    testutil::write_file(dir.file("T1_b.tmp"), "2");
    testutil::write_file(dir.file("T1_c.dat"), "3");
    EXPECT_EQ(copy_prefixed_file("c.dat", "d.dat", 0), 1);
    EXPECT_EQ(testutil::read_file(dir.file("T1_d.dat")), "3");
    EXPECT_EQ(remove_prefixed_files_matching("*.tmp"), 2);
    EXPECT_EQ(prefixed_file_exists("a.tmp"), 0);
    EXPECT_EQ(prefixed_file_exists("c.dat"), 1);
    set_file_prefix(nullptr);

    calllog::clear();
    EXPECT_EQ(show_read_error(), 101);
    EXPECT_EQ(show_write_error(), 102);
    EXPECT_EQ(show_data_error(), 103);
    EXPECT_TRUE(calllog::contains("Draw_Message: Schreibfehler !!!"));
}

TEST(ValueReaders, SiblingProgramAnswerIsCached)
{
    testutil::ScratchDir dir;
    setenv("EXEC", dir.path().c_str(), 1);
    int first = sibling_program_present();
    EXPECT_EQ(first, 0);
    testutil::write_file(dir.file("K7-MOSK.exe"), "");
    EXPECT_EQ(sibling_program_present(), first);
    unsetenv("EXEC");
}
