#include "common/test_util.h"
#include "helpers/prefixed_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

TEST(PrefixedFiles, PrefixFolderAndNames)
{
    set_file_prefix("C:\\Daten\\Pos12_");
    EXPECT_STREQ(get_file_prefix_folder(), "C:\\Daten");
    set_file_prefix("C:Pos12");
    EXPECT_STREQ(get_file_prefix_folder(), "C:");
    set_file_prefix("/home/pos/T1_");
    EXPECT_STREQ(get_file_prefix_folder(), "/home/pos");
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    set_file_prefix("Pos12");
    EXPECT_STREQ(get_file_prefix_folder(), cwd);

    set_file_prefix("ab");
    char buf[8];
    EXPECT_EQ(build_prefixed_name(buf, "cd", 4), nullptr);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(build_prefixed_name(buf, "cd", 5), buf);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_STREQ(prefixed_name(".dat"), "ab.dat");

    // 250 + 11 characters reach 261: every prefixed operation refuses the name.
    set_file_prefix(std::string(250, 'p').c_str());
    EXPECT_EQ(prefixed_name("12345678901"), nullptr);
    EXPECT_NE(prefixed_name("1234567890"), nullptr);
    EXPECT_EQ(open_prefixed_file("12345678901", "w"), nullptr);
    EXPECT_EQ(prefixed_file_exists("12345678901"), 0);
    EXPECT_EQ(remove_prefixed_file("12345678901"), 1);
    EXPECT_EQ(rename_prefixed_file("1", "12345678901"), 0);
    set_file_prefix(nullptr);
    EXPECT_STREQ(get_file_prefix(), "");
}

TEST(PrefixedFiles, FilesByTheirSuffix)
{
    testutil::ScratchDir dir;
    set_file_prefix((dir.path() + "/T1_").c_str());
    FILE* f = open_prefixed_file("01.dat", "w");
    ASSERT_NE(f, nullptr);
    std::fputs("x", f);
    std::fclose(f);
    EXPECT_EQ(prefixed_file_exists("01.dat"), 1);
    EXPECT_EQ(rename_prefixed_file("01.dat", "02.dat"), 1);
    EXPECT_EQ(testutil::read_file(dir.file("T1_02.dat")), "x");
    EXPECT_EQ(remove_prefixed_file("02.dat"), 0);
    EXPECT_EQ(remove_prefixed_file("02.dat"), 1);
    set_file_prefix(nullptr);
}

TEST(PrefixedFiles, TemporaryFiles)
{
    testutil::ScratchDir dir;
    const char* old = std::getenv("TEMP");
    std::string saved = old ? old : "";
    setenv("TEMP", dir.path().c_str(), 1);
    char name[PREFIXED_NAME_MAX + 1];
    ASSERT_EQ(temp_file_name(name), name);
    EXPECT_EQ(std::string(name).rfind(dir.path() + "/VYK", 0), 0u);
    EXPECT_NE(access(name, F_OK), 0);   // only the name is handed back
    EXPECT_EQ(temp_file_name(nullptr), nullptr);

    std::vector<FILE*> open;
    for (int i = 0; i < 5; ++i) {
        FILE* t = temp_file_open("w+");
        ASSERT_NE(t, nullptr) << i;
        open.push_back(t);
    }
    EXPECT_EQ(temp_file_open("w+"), nullptr);   // all five slots in use
    for (FILE* t : open) EXPECT_EQ(temp_file_close(t), 1);
    EXPECT_EQ(temp_file_close(stdout), 0);
    FILE* again = temp_file_open("w");
    EXPECT_NE(again, nullptr);
    temp_file_close(again);
    if (old) setenv("TEMP", saved.c_str(), 1);
    else unsetenv("TEMP");
}
