// Export objects, block frame, "<VXP" records and the object search.
#include "environment/vykexport.h"
#include "stream_util.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

using streamtest::contents;
using streamtest::rest;
using streamtest::stream_of;

namespace {

std::string written(const VYKExportObject* o)
{
    FILE* f = std::tmpfile();
    EXPECT_EQ(vyk_export_object_write(f, o), 1);
    std::string s = contents(f);
    std::fclose(f);
    return s;
}

// Object with a header name in code page 437, its own list, an object comment and a data part.
VYKExportObject* full_object()
{
    VYKExportObject* o = vyk_export_object_new(3, 7, 2, "Tr\x84ger", VYK_DATA_KIND_DEFAULT, nullptr);
    param_list_resize(&o->params, 1, 1, 1);
    o->params.ints[0] = 5;
    o->params.doubles[0] = 1.5;
    o->params.strings[0] = strdup("ab");
    vyk_export_object_set_comment(o, "Zeile 1\nZeile 2");
    auto* d = static_cast<VYKExportData*>(o->data);
    d->flags = 1;
    param_list_resize(&d->params, 1, 0, 0);
    d->params.ints[0] = 4005;
    return o;
}

const std::string kFullBytes = std::string("\n") +
                               "0x3 7 \xAETr\x84ger\xAF 2 0\n"
                               "268435457\n"   // bit 28 (object comment) + data kind 1
                               "1 1 1\n"
                               " 5\n"
                               " 1.500000e+00\n"
                               "\xAE" "ab\xAF\n"
                               "TXB15\n"
                               "\xAEZeile 1\x01Zeile 2\xAF\n"
                               "#VXP_OBJECT_EOC\n"
                               "1\n"
                               "1 0 0\n"
                               " 4005\n"
                               "\n"
                               "#VXP_OBJECT_EOD\n";

} // namespace

TEST(ExportObject, FullObjectWritesExactBytesAndReadsBackTheSame)
{
    VYKExportObject* o = full_object();
    EXPECT_EQ(written(o), kFullBytes);
    vyk_export_object_free(o);

    FILE* f = stream_of(kFullBytes + "next");
    VYKExportObject* r = vyk_export_object_read(f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(rest(f), "next");
    std::fclose(f);
    EXPECT_EQ(r->header.type, 3);
    EXPECT_EQ(r->header.id, 7);
    EXPECT_EQ(r->header.link, 2);
    EXPECT_STREQ(vyk_export_object_comment(r), "Zeile 1\nZeile 2");
    ASSERT_EQ(r->ops, vyk_export_default_ops());
    auto* d = static_cast<VYKExportData*>(r->data);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->flags, 1);
    EXPECT_EQ(param_list_get_int(&d->params, 0), 4005);
    EXPECT_EQ(written(r), kFullBytes);
    vyk_export_object_free(r);
}

TEST(ExportObject, PlainObjectHasKindZeroAndNothingIsSkippedAfterItsList)
{
    VYKExportObject* o = vyk_export_object_new(4, 1, 0, nullptr, 0, nullptr);
    const std::string bytes = written(o);
    EXPECT_EQ(bytes, "\n0x4 1 \xAE\xAF 0 0\n0\n0 0 0\n");
    vyk_export_object_free(o);

    FILE* f = stream_of(bytes + "#VXP_OBJECT_EOD\nrest\n");
    VYKExportObject* r = vyk_export_object_read(f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->ops, nullptr);
    EXPECT_EQ(r->data, nullptr);
    EXPECT_EQ(rest(f), "\n#VXP_OBJECT_EOD\nrest\n");
    std::fclose(f);
    vyk_export_object_free(r);
}

TEST(ExportObject, DataPartWithFlagsZeroAndEmptyComment)
{
    VYKExportObject* o = vyk_export_object_new(3, 1, 0, "x", VYK_DATA_KIND_DEFAULT, nullptr);
    EXPECT_EQ(written(o), "\n0x3 1 \xAEx\xAF 0 0\n1\n0 0 0\n0\n\n#VXP_OBJECT_EOD\n");
    // An empty comment is written as an empty text block and reads back as none.
    vyk_export_object_set_comment(o, "");
    const std::string bytes = written(o);
    EXPECT_EQ(bytes, "\n0x3 1 \xAEx\xAF 0 0\n268435457\n0 0 0\nTXB0\n#VXP_OBJECT_EOC\n0\n\n#VXP_OBJECT_EOD\n");
    vyk_export_object_free(o);
    FILE* f = stream_of(bytes);
    VYKExportObject* r = vyk_export_object_read(f);
    std::fclose(f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(vyk_export_object_comment(r), nullptr);
    ASSERT_NE(r->data, nullptr);
    vyk_export_object_free(r);
}

TEST(ExportObject, UnknownDataKindSkipsToEndOfDataAndBrokenInputGivesNull)
{
    FILE* f = stream_of("0x3 1 \xAEx\xAF 0 0\n2\n0 0 0\nforeign data\n\n#VXP_OBJECT_EOD\nafter\n");
    VYKExportObject* r = vyk_export_object_read(f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->data, nullptr);
    EXPECT_EQ(rest(f), "after\n");
    std::fclose(f);
    vyk_export_object_free(r);

    // Kind 1 with an unreadable data part: the object stays, without data.
    f = stream_of("0x3 1 \xAEx\xAF 0 0\n1\n0 0 0\nzz\n#VXP_OBJECT_EOD\n");
    r = vyk_export_object_read(f);
    std::fclose(f);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->data, nullptr);
    vyk_export_object_free(r);

    for (const char* bad : {"", "0x3\n", "0x3 1 \xAEx\xAF 0 0\n", "0x3 1 \xAEx\xAF 0 0\n0\n2 0 0\n 1\n"}) {
        f = stream_of(bad);
        EXPECT_EQ(vyk_export_object_read(f), nullptr) << bad;
        std::fclose(f);
    }
}

TEST(ExportBlock, SectionsEndObjectAndHeaderObject)
{
    EXPECT_STREQ(vyk_block_section_name(1), "#VXP_HEADER");
    EXPECT_STREQ(vyk_block_section_name(2), "#VXP_EINWNCHW");
    EXPECT_STREQ(vyk_block_section_name(4), "#VXP_PARAM");
    EXPECT_STREQ(vyk_block_section_name(7), "#VXP_??????");
    EXPECT_STREQ(vyk_block_section_name(-1), "#VXP_??????");

    FILE* f = std::tmpfile();
    EXPECT_EQ(vyk_block_write_section(f, 3), 1);
    EXPECT_EQ(vyk_block_write_end(f, 5), 1);
    EXPECT_EQ(vyk_block_write_end(f, 6), 1);
    EXPECT_EQ(contents(f), "\n#VXP_OBJECTS\n"
                           "\n0x1 5 \xAE" "End_Of_VYKExportBlock\xAF -1 0\n0\n0 0 0\n"
                           "\n0x1 6 \xAE" "End_Of_VYKExportBlock\xAF -1 0\n0\n0 0 0\n");
    EXPECT_EQ(vyk_block_find_section(f, 3, 1), 1);
    EXPECT_EQ(vyk_block_write_section(nullptr, 3), 0);
    std::fclose(f);

    f = std::tmpfile();
    EXPECT_EQ(vyk_export_header_write(f, nullptr), 1);
    std::rewind(f);
    VYKExportObject* h = vyk_export_header_read(f);
    std::fclose(f);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->header.type, 2);
    EXPECT_EQ(h->params.int_count, 3);
    EXPECT_EQ(h->params.string_count, 6);
    EXPECT_EQ(h->params.ints[0], 1);
    vyk_export_object_free(h);

    // Any other object is no header.
    f = stream_of("0x3 1 \xAEx\xAF 0 0\n0\n0 0 0\n");
    EXPECT_EQ(vyk_export_header_read(f), nullptr);
    std::fclose(f);
}

TEST(VxpRecord, KeysWriteReadAndFind)
{
    int keys[7];
    FILE* f = stream_of("4|5|6\nrest");
    EXPECT_EQ(vxp_record_read_keys(f, keys), 1);
    const int three[7] = {4, 5, 6, -1, -1, -1, -1};
    EXPECT_EQ(std::memcmp(keys, three, sizeof keys), 0);
    EXPECT_EQ(rest(f), "rest");
    std::fclose(f);
    for (const char* bad : {"1;2\n", "x\n", "1|"}) {
        f = stream_of(bad);
        EXPECT_EQ(vxp_record_read_keys(f, keys), 0) << bad;
        std::fclose(f);
    }

    VXPParamRecord* r = vxp_record_new();
    const int k[7] = {1, 2, 3, 4, 5, 6, 2};
    std::memcpy(r->keys, k, sizeof k);
    vxp_record_resize(r, 1, 13, 0);
    r->params.ints[0] = 9;
    for (int i = 0; i < 13; ++i) r->params.doubles[i] = i + 0.5;
    f = std::tmpfile();
    std::fputs("head\n", f);
    ASSERT_EQ(vxp_record_write(f, r), 1);
    const std::string bytes = contents(f);
    EXPECT_EQ(bytes.substr(0, 25), "head\n\n<VXP\n1|2|3|4|5|6|2\n");
    std::rewind(f);

    VXPParamRecord found;
    vxp_record_init(&found);
    const int miss[7] = {-1, -1, -1, -1, -1, -1, 3};
    EXPECT_EQ(vxp_record_find(f, miss, &found), 0);
    std::rewind(f);
    const int hit[7] = {1, -1, -1, -1, -1, -1, 2};
    ASSERT_EQ(vxp_record_find(f, hit, &found), 1);
    std::fclose(f);
    EXPECT_EQ(vxp_record_first_int(&found), 9);
    EXPECT_DOUBLE_EQ(vxp_record_kmod(&found), 12.5);
    // Key 24 (k_mod) lies at index 12 of the member layout; key 12 is absent from it.
    const int wanted[3] = {24, 6, 12};
    double v[3];
    EXPECT_EQ(vxp_record_gather(&found, wanted, 3, v), 1);
    EXPECT_DOUBLE_EQ(v[0], 12.5);
    EXPECT_DOUBLE_EQ(v[1], 6.5);
    EXPECT_DOUBLE_EQ(v[2], 0.0);
    EXPECT_EQ(vxp_record_gather(nullptr, wanted, 3, v), 0);
    vxp_record_clear(&found);
    vxp_record_free(r);

    EXPECT_EQ(vxp_layout_for_kind(2), vxp_layout_for_kind(0));
    EXPECT_EQ(vxp_layout_for_kind(4), nullptr);
    EXPECT_EQ(vxp_layout_index(vxp_layout_for_kind(1), 18), 6);
    EXPECT_STREQ(vxp_layout_entry(vxp_layout_for_kind(0), 7)->symbol, "V\xC1");
    EXPECT_EQ(vxp_layout_index(vxp_layout_all(), 24), 24);
}

TEST(ExportSearch, MatchesTypeAndLinkWordAndReportsAMiss)
{
    VYKExportObject* a = vyk_export_object_new(3, 1, 10, "a", 0, nullptr);
    VYKExportObject* b = vyk_export_object_new(4, 2, 10, "b", 0, nullptr);
    VYKExportObject* c = vyk_export_object_new(4, 3, 11, "c", 0, nullptr);
    VYKExportBlock block;
    ptrarr_init(&block.items, 0);
    for (auto* o : {a, b, c}) ptrarr_set(&block.items, ptrarr_count(&block.items), o);

    const int key_b[2] = {10, 4};   // ID (link word), type
    EXPECT_EQ(Find_VYKExportParam_Obj(key_b, &block), b);
    EXPECT_EQ(vyk_block_find_object(4, 11, &block), c);
    testing::internal::CaptureStdout();
    const int key_none[2] = {12, 3};
    EXPECT_EQ(Find_VYKExportParam_Obj(key_none, &block), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Find_VYKExportParam_Obj: (type=3, ID=12) nicht gefunden\n");
    EXPECT_EQ(Find_VYKExportParam_Obj(nullptr, &block), nullptr);

    ptrarr_clear(&block.items);
    for (auto* o : {a, b, c}) vyk_export_object_free(o);
}
