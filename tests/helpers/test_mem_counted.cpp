#include "helpers/mem_counted.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
struct PadGuard {
    ~PadGuard() { mem_set_pad(0); }
};
} // namespace

TEST(MemCounted, CountsPadAndZeroFill)
{
    PadGuard guard;
    mem_count_reset();
    EXPECT_EQ(mem_realloc_counted(nullptr, 0, 1), nullptr);
    EXPECT_EQ(mem_count(), 1);   // a request for nothing still counts

    EXPECT_EQ(mem_set_pad(-5), 0);
    EXPECT_EQ(mem_set_pad(8), 8);
    unsigned char* p = (unsigned char*)mem_realloc_counted(nullptr, 0, 1);
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p[i], 0);
    EXPECT_EQ(mem_count(), 2);
    mem_set_pad(0);

    for (int i = 0; i < 8; ++i) p[i] = 0xAB;
    p = (unsigned char*)mem_realloc_counted(p, 16, 1);   // growing with zero fill clears old bytes
    for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
    EXPECT_EQ(mem_count(), 2);   // resizing does not count

    EXPECT_EQ(mem_realloc_counted(p, 0, 0), nullptr);   // block stays allocated and counted
    EXPECT_EQ(mem_count(), 2);
    mem_free_and_null(&p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(mem_count(), 1);
    mem_free_and_null(&p);
    EXPECT_EQ(mem_count(), 1);
    mem_count_reset();
}

TEST(MemCounted, MatrixCopiesAndStrings)
{
    mem_count_reset();
    double** m = mem_matrix_alloc(nullptr, 3, 2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m[1] - m[0], 2);
    EXPECT_EQ(m[2] - m[0], 4);
    EXPECT_EQ((void*)m[0], (void*)(m + 3));
    m[2][1] = 5;
    EXPECT_EQ(mem_count(), 1);
    EXPECT_EQ(mem_matrix_alloc(nullptr, 0, 5), nullptr);
    EXPECT_EQ(mem_count(), 1);
    mem_free_and_null(&m);

    const double v[] = {1.5, 2.5, 3.5};
    double* d = nullptr;
    mem_copy_doubles(3, &d, v);
    EXPECT_EQ(d[2], 3.5);
    mem_copy_doubles(2, &d, v + 1);
    EXPECT_EQ(d[0], 2.5);
    EXPECT_EQ(mem_count(), 1);
    mem_free_and_null(&d);

    char* s = mem_strdup_counted("abc");
    EXPECT_STREQ(s, "abc");
    mem_free_and_null(&s);
    EXPECT_EQ(mem_count(), 0);
    mem_check_or_exit(&d);   // not null: nothing happens
}

TEST(MemCountedDeathTest, OutOfMemoryStopsWithCodeThree)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(mem_realloc_counted(nullptr, -16, 0), testing::ExitedWithCode(3), "");
    EXPECT_EXIT(mem_check_or_exit(nullptr), testing::ExitedWithCode(3), "");
}
