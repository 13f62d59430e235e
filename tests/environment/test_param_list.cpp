#include "environment/param_list.h"
#include "environment/text_block.h"
#include "stream_util.h"
#include "common/test_util.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

using streamtest::contents;
using streamtest::rest;
using streamtest::stream_of;

namespace {
const std::string O = "\xAE", C = "\xAF";

std::string written(const ParamList& l)
{
    FILE* f = std::tmpfile();
    EXPECT_EQ(param_list_write(f, &l), 1);
    std::string s = contents(f);
    std::fclose(f);
    return s;
}
} // namespace

TEST(ParamList, WrittenAndReadBackByteForByte)
{
    ParamList l;
    param_list_init(&l);
    EXPECT_EQ(written(l), "0 0 0\n");

    ASSERT_EQ(param_list_resize(&l, 2, 3, 3), 1);
    l.ints[0] = 3;
    l.ints[1] = -7;
    l.doubles[0] = 1.5;
    l.doubles[1] = -0.000123;
    l.doubles[2] = 12345678.9;
    l.strings[0] = strdup("abc");
    l.strings[2] = strdup("Tr\x84ger \xE1");   // code page 850 letters pass unchanged
    const std::string expected = "2 3 3\n 3 -7\n 1.500000e+00 -1.230000e-04 1.234568e+07\n" + O + "abc" + C +
                                 "\n" + O + C + "\n" + O + "Tr\x84ger \xE1" + C + "\n";
    EXPECT_EQ(written(l), expected);

    FILE* f = stream_of(expected);
    ParamList back;
    ASSERT_EQ(param_list_read(f, 0, 0, 0, &back, 1), 1);
    EXPECT_EQ(back.int_count, 2);
    EXPECT_EQ(back.double_count, 3);
    EXPECT_EQ(back.doubles[2], 12345680.0);   // six decimals of the exponent form
    EXPECT_STREQ(param_list_get_string(&back, 1), "");   // a null slot comes back as an empty text
    EXPECT_STREQ(back.strings[2], "Tr\x84ger \xE1");
    std::fclose(f);
    std::string again = written(back);
    EXPECT_EQ(again, expected);

    // Under a German numeric locale the numbers keep their decimal point both ways.
    {
        testutil::GermanNumericLocale german;
        ASSERT_TRUE(german.active());
        EXPECT_EQ(written(back), expected);
        FILE* g = stream_of(expected);
        ParamList de;
        EXPECT_EQ(param_list_read(g, 0, 0, 0, &de, 1), 1);
        EXPECT_EQ(de.doubles[0], 1.5);
        param_list_free(&de);
        std::fclose(g);
    }
    param_list_free(&back);
    param_list_free(&l);
    EXPECT_EQ(l.ints, nullptr);
    EXPECT_EQ(l.string_count, 0);
}

TEST(ParamList, ReadingSizesAndFailures)
{
    ParamList l;
    FILE* f = stream_of("1 2 0\n 5\n 1.0 2.5e1\nafter");
    ASSERT_EQ(param_list_read(f, 0, 0, 0, &l, 1), 1);
    EXPECT_EQ(l.int_count, 1);
    EXPECT_EQ(l.ints[0], 5);
    EXPECT_EQ(l.doubles[1], 25.0);
    EXPECT_EQ(l.strings, nullptr);
    param_list_free(&l);
    std::fclose(f);

    // Sized by the caller: extra values are read and dropped; a negative kind reads no count.
    f = stream_of("3 1\n 1 2 3\n" + O + "s" + C + "\nnext");
    ASSERT_EQ(param_list_read(f, 2, -1, 4, &l, 0), 1);
    EXPECT_EQ(l.int_count, 2);
    EXPECT_EQ(l.ints[1], 2);
    EXPECT_EQ(l.double_count, 0);
    EXPECT_EQ(l.string_count, 4);
    EXPECT_STREQ(l.strings[0], "s");
    EXPECT_EQ(l.strings[1], nullptr);
    EXPECT_EQ(rest(f), "\nnext");
    param_list_free(&l);
    std::fclose(f);

    const char* bad[] = {"", "1 x 0", "2 0 0\n 1", "0 1 0\n abc", "0 0 2\n\xAE" "a\xAF", "-1 0 0",
                         "2000000000 0 0\n 1"};
    for (const char* b : bad) {
        FILE* s = stream_of(b);
        EXPECT_EQ(param_list_read(s, 0, 0, 0, &l, 1), 0) << b;
        param_list_free(&l);
        std::fclose(s);
    }
}

TEST(ParamList, OverLongStringsAreCutAndTheNextFieldsReadRight)
{
    std::string s99(99, 'a'), s120(120, 'b');
    FILE* f = stream_of("0 0 3\n" + O + s99 + C + "\n" + O + s120 + C + "\n" + O + "third" + C + "\n0 1 0\n 2.5\n");
    ParamList l;
    ASSERT_EQ(param_list_read(f, 0, 0, 0, &l, 1), 1);
    EXPECT_EQ(std::string(l.strings[0]), s99);
    EXPECT_EQ(std::string(l.strings[1]), s120.substr(0, 99));
    EXPECT_STREQ(l.strings[2], "third");
    ParamList next;
    ASSERT_EQ(param_list_read(f, 0, 0, 0, &next, 1), 1);
    EXPECT_EQ(next.doubles[0], 2.5);
    param_list_free(&l);
    param_list_free(&next);
    std::fclose(f);
}

TEST(ParamList, ResizeCopyGatherScatter)
{
    ParamList l;
    param_list_init(&l);
    const int is[] = {10, 20, 30};
    const double ds[] = {1.5, 2.5};
    const char* ss[] = {"eins", nullptr, "drei"};
    const int to[] = {4, -1, 0};   // item 0 to slot 4, item 1 skipped, item 2 to slot 0
    ASSERT_EQ(param_list_scatter(&l, is, nullptr, 3, to, ds, nullptr, 2, nullptr, ss, nullptr, 3, nullptr), 1);
    EXPECT_EQ(l.int_count, 5);
    EXPECT_EQ(l.ints[4], 10);
    EXPECT_EQ(l.ints[0], 30);
    EXPECT_EQ(l.ints[1], 0);
    EXPECT_EQ(l.double_count, 2);
    EXPECT_STREQ(l.strings[2], "drei");
    EXPECT_EQ(l.strings[1], nullptr);
    EXPECT_EQ(param_list_any_set(&l), 1);

    ParamList c;
    param_list_init(&c);
    ASSERT_EQ(param_list_copy(&c, &l), 1);
    EXPECT_NE(c.strings[0], l.strings[0]);
    EXPECT_EQ(written(c), written(l));

    int io[7];
    const int idef[] = {0, 0, 0, 0, 0, 66, 77};
    double dout[3];
    const char* sout[4];
    const char* sdef[] = {"", "", "", "vier"};
    EXPECT_EQ(param_list_gather(&l, io, idef, 7, dout, nullptr, 3, sout, sdef, 4), 1);
    EXPECT_EQ(io[4], 10);
    EXPECT_EQ(io[6], 77);
    EXPECT_EQ(dout[2], 0.0);
    EXPECT_EQ(sout[0], l.strings[0]);   // pointers into the list, not copies
    EXPECT_STREQ(sout[3], "vier");

    ASSERT_EQ(param_list_resize(&l, 2, 0, 1), 1);   // shrinking frees what falls away
    EXPECT_EQ(l.ints[1], 0);
    EXPECT_EQ(l.doubles, nullptr);
    EXPECT_EQ(param_list_get_int(&l, 2), 0);
    EXPECT_EQ(param_list_get_double(&l, 0), 0.0);
    EXPECT_STREQ(param_list_get_string(&l, 5), "");
    EXPECT_STREQ(param_list_get_string(nullptr, 0), "");
    param_list_zero(&l);
    EXPECT_EQ(param_list_any_set(&l), 0);
    EXPECT_EQ(param_list_copy(&l, nullptr), 1);
    EXPECT_EQ(l.int_count, 0);
    param_list_free(&c);
    param_list_free(&l);
}

TEST(ParamHeader, WriteAndReadBack)
{
    ParamHeader h;
    vyk_param_header_clear(&h);
    ASSERT_EQ(vyk_param_header_set(3, 17, -1, "Balken 1", &h), 1);
    FILE* f = std::tmpfile();
    ASSERT_EQ(vyk_param_header_write(f, &h), 1);
    EXPECT_EQ(contents(f), "0x3 17 " + O + "Balken 1" + C + " -1 0\n");
    char* comment = strdup("Zeile 1\nZeile 2");
    vyk_param_header_set_comment(comment, &h);
    ASSERT_EQ(vyk_param_header_write(f, &h), 1);
    std::fputs("after\n", f);
    EXPECT_EQ(contents(f), "0x3 17 " + O + "Balken 1" + C + " -1 0\n0x3 17 " + O + "Balken 1" + C +
                               " -1 1\nTXB15\n" + O + "Zeile 1\x01Zeile 2" + C + "\n#EOC\nafter\n");
    std::rewind(f);
    ParamHeader a, b;
    ASSERT_EQ(vyk_param_header_read(f, &a), 1);
    EXPECT_EQ(a.type, 3);
    EXPECT_EQ(a.link, -1);
    EXPECT_EQ(a.comment, nullptr);
    ASSERT_EQ(vyk_param_header_read(f, &b), 1);
    EXPECT_STREQ(b.name, "Balken 1");
    EXPECT_STREQ(b.comment, "Zeile 1\nZeile 2");
    EXPECT_EQ(rest(f), "after\n");
    vyk_param_header_free(&a);
    vyk_param_header_free(&b);
    vyk_param_header_free(&h);
    std::fclose(f);

    struct Case {
        std::string bytes;
        int ok, type, id, link;
        const char* name;
    };
    const Case cases[] = {
        {"3 5 " + O + "n" + C + " 7 0\n", 1, 3, 5, 7, "n"},   // 3 and 0x3 read the same
        {"010 5 " + O + "n" + C + "\n", 1, 8, 5, 0, "n"},      // octal; no link, no comment
        {"0x10 5 nothing\n", 1, 16, 5, 0, ""},                 // no opening mark: empty name
        {"0x10\n", 0, 0, 0, 0, nullptr},
        {"0x3 1 " + O + std::string(250, 'z') + C + " 4 0\n", 1, 3, 1, 4, nullptr},
    };
    for (const Case& c : cases) {
        FILE* s = stream_of(c.bytes);
        ParamHeader r;
        EXPECT_EQ(vyk_param_header_read(s, &r), c.ok) << c.bytes;
        if (c.ok) {
            EXPECT_EQ(r.type, c.type);
            EXPECT_EQ(r.id, c.id);
            EXPECT_EQ(r.link, c.link);
            if (c.name) EXPECT_STREQ(r.name, c.name);
            else EXPECT_EQ(std::strlen(r.name), 199u);   // long names keep 199 characters
        }
        vyk_param_header_free(&r);
        std::fclose(s);
    }
}

TEST(LineRoutines, GuillemetsDelimitersAndLines)
{
    char buf[GUILLEMET_BUFFER_SIZE];
    FILE* f = stream_of(" x " + O + "ab" + C + "\t" + O + "end of file");
    EXPECT_EQ(read_guillemet_string(f, buf), 0);   // 'x' consumed
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(read_guillemet_string(f, buf), 2);
    EXPECT_EQ(read_guillemet_string(f, buf), 11);  // the end of the file ends the string
    EXPECT_STREQ(buf, "end of file");
    std::fclose(f);

    char small[4];
    f = stream_of("  [abcdef] [x]");
    EXPECT_EQ(read_delimited_string(f, small, 4, '[', ']'), 3);
    EXPECT_STREQ(small, "abc");
    EXPECT_EQ(read_delimited_string(f, small, 4, '[', ']'), 1);   // the cut string's rest was skipped
    EXPECT_EQ(read_delimited_string(f, nullptr, 4, '[', ']'), -1);
    EXPECT_EQ(read_delimited_string(f, small, 0, '[', ']'), -1);
    std::fclose(f);

    f = std::tmpfile();
    EXPECT_EQ(write_guillemet_string(f, nullptr), 0);
    EXPECT_EQ(write_delimited_string(f, "q", '<', '>'), 0);
    EXPECT_EQ(contents(f), O + C + "<q>");
    std::fclose(f);
    EXPECT_NE(write_guillemet_string(nullptr, "x"), 0);

    char t[] = "  a b  ";
    EXPECT_EQ(trim_text(t, 2), 5);
    EXPECT_EQ(trim_text(t, 1), 3);
    EXPECT_STREQ(t, "a b");
    char target[6];
    EXPECT_EQ(copy_text_trimmed(" abcdefg", target, 6, 0), 5);
    EXPECT_STREQ(target, " abcd");
    EXPECT_EQ(copy_text_trimmed(" ab ", target, 6, 3 | 4), 5);
    EXPECT_STREQ(target, "ab   ");
    EXPECT_EQ(copy_text_trimmed("x", nullptr, 6, 0), 0);

    f = stream_of("one\r\n" + std::string(20, 'L') + "\n\nKEY rest\nafter\n");
    char line[8];
    EXPECT_EQ(read_text_line(f, line, 8), 4);
    EXPECT_STREQ(line, "one");
    EXPECT_EQ(read_text_line(f, line, 8), 8);      // 7 kept, the rest of the line skipped
    EXPECT_EQ(read_text_line(f, line, 8), 1);      // empty line
    EXPECT_EQ(find_line_with_keyword(f, "KEY", 0), 1);
    EXPECT_EQ(rest(f), "after\n");
    EXPECT_EQ(find_line_with_keyword(f, "one", 1), 1);
    EXPECT_EQ(find_line_with_keyword(f, "KEY", 0), 1);
    EXPECT_EQ(find_line_with_keyword(f, "KEY", 0), 0);
    EXPECT_EQ(find_line_with_keyword(f, "", 1), 0);
    EXPECT_EQ(read_text_line(f, line, 8), 1);      // end of file
    EXPECT_EQ(read_text_line(nullptr, line, 8), 1);
    EXPECT_EQ(read_text_line(f, line, 0), -1);
    std::fclose(f);

    int v[4] = {9, 9, 9, 9};
    f = stream_of("0x10 010 9 x 5\n7\n");
    EXPECT_EQ(read_int_values(f, v, 4), 1);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 8);
    EXPECT_EQ(v[2], 9);
    EXPECT_EQ(v[3], 0);   // parsing stops at the first token that is no number
    EXPECT_EQ(read_int_values(f, v, 2), 1);
    EXPECT_EQ(v[0], 7);
    EXPECT_EQ(read_int_values(f, v, 2), 0);
    EXPECT_EQ(v[0], 0);
    std::fclose(f);
}
