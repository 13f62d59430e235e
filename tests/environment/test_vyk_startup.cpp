// Start-up of the environment link and the allocation wrappers.
#include "environment/vyk_startup.h"
#include "platform/env/vyk_env.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct KeepCwd {
    std::filesystem::path cwd = std::filesystem::current_path();
    ~KeepCwd()
    {
        std::filesystem::current_path(cwd);
        unsetenv("_VYK_CWD_");
        vyk_env_reset();
    }
};
}

TEST(VykStartup, WorkingFolderCases)
{
    KeepCwd keep;
    testutil::ScratchDir dir;
    const auto start = std::filesystem::current_path();

    unsetenv("_VYK_CWD_");
    testing::internal::CaptureStdout();
    vyk_startup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(std::filesystem::current_path(), start);

    setenv("_VYK_CWD_", dir.file("fehlt").c_str(), 1);
    calllog::clear();
    testing::internal::CaptureStdout();
    vyk_startup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "VYKCheckCWD: Fehler beim Setzen des CWD=" + dir.file("fehlt") + "\n");
    EXPECT_EQ(std::filesystem::current_path(), start);
    EXPECT_EQ(VYK_STDIO_FCT, vyk_stdio_table()) << "start-up goes on and registers the table";
    EXPECT_TRUE(calllog::contains("SetVYKDllDirectory: (null)"));

    setenv("_VYK_CWD_", dir.path().c_str(), 1);
    vyk_startup();
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.path()));
}

TEST(VykStartup, StdioTableBeginsWithCountAndHasFprintfSeventh)
{
    const VYKStdioTable* t = vyk_stdio_table();
    EXPECT_EQ(t->count, 18);
    EXPECT_EQ(t->fopen_fn, &std::fopen);
    EXPECT_EQ(t->fprintf_fn, &std::fprintf);
    EXPECT_EQ(t->sprintf_fn, &std::sprintf);
    // The seventh pointer after the count, counted through the record's memory.
    using Fn = void (*)();
    const Fn* first = reinterpret_cast<const Fn*>(&t->fopen_fn);
    EXPECT_EQ(reinterpret_cast<const void*>(first[6]), reinterpret_cast<const void*>(&std::fprintf));
}

TEST(VykStartup, WrappersDoWhatTheRuntimeDoes)
{
    vyk_free(__FILE__, __LINE__, "null", nullptr);
    char* p = static_cast<char*>(vyk_realloc(__FILE__, __LINE__, "null", nullptr, 8));
    ASSERT_NE(p, nullptr);
    std::strcpy(p, "abc");
    p = static_cast<char*>(vyk_realloc(__FILE__, __LINE__, "null", p, 4096));
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "abc");
    vyk_free(__FILE__, __LINE__, "null", p);
    char* s = vyk_strdup(__FILE__, __LINE__, "null", "Träger");
    EXPECT_STREQ(s, "Träger");
    vyk_free(__FILE__, __LINE__, "null", s);
    int* z = static_cast<int*>(vyk_calloc(__FILE__, __LINE__, "null", 4, sizeof(int)));
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z[0] + z[1] + z[2] + z[3], 0);
    vyk_free(__FILE__, __LINE__, "null", z);
}
