#include "helpers/file_backups.h"

#include "helpers/prefixed_files.h"
#include "common/test_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string g_memory = "data 1\n";
int g_fail = 0;

int save_memory(FILE* f)
{
    if (g_fail) {
        std::fputs("half", f);
        return 7;
    }
    return std::fputs(g_memory.c_str(), f) < 0 ? 1 : 0;
}

std::string g_loaded;

int load_plain(FILE* f)
{
    g_loaded.clear();
    int ch;
    while ((ch = std::fgetc(f)) != EOF) g_loaded += (char)ch;
    std::fclose(f);
    return 0;
}

int load_with_path(FILE* f, const char* path)
{
    load_plain(f);
    g_loaded += std::string("@") + path;
    return 0;
}

class FileBackups : public ::testing::Test {
protected:
    testutil::ScratchDir dir;
    void SetUp() override
    {
        g_memory = "data 1\n";
        g_fail = 0;
        dfile_backup_paths(save_memory, (dir.path() + "/").c_str(), "pos", dir.file("pos.dat").c_str(),
                           "");
    }
};

} // namespace

TEST_F(FileBackups, PathsSaveAndLoad)
{
    EXPECT_EQ(std::string(dfile_backup_path()), dir.file("pos.bak"));
    EXPECT_EQ(std::string(dfile_second_backup_path()), dir.file("pos.clcbak"));
    EXPECT_EQ(std::string(dfile_compare_path()), dir.file("pos.cmp"));

    EXPECT_EQ(dfile_backup_exists(), 0);
    EXPECT_EQ(dfile_open_backup(), nullptr);
    EXPECT_EQ(dfile_load_backup(load_plain), 1);
    ASSERT_EQ(dfile_save_backup(), 0);
    EXPECT_EQ(dfile_backup_exists(), 1);
    EXPECT_EQ(testutil::read_file(dir.file("pos.bak")), "data 1\n");
    FILE* f = dfile_open_backup();
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_EQ(dfile_load_backup(load_plain), 0);
    EXPECT_EQ(g_loaded, "data 1\n");
    EXPECT_EQ(dfile_load_from(load_with_path, dir.file("pos.bak").c_str()), 0);
    EXPECT_EQ(g_loaded, "data 1\n@" + dir.file("pos.bak"));

    // A failing save keeps the previous backup whole and reports the callback's result.
    g_memory = "data 2\n";
    g_fail = 1;
    EXPECT_EQ(dfile_save_backup(), 7);
    EXPECT_EQ(testutil::read_file(dir.file("pos.bak")), "data 1\n");

    g_fail = 0;
    ASSERT_EQ(dfile_save_second_backup(), 0);
    EXPECT_EQ(dfile_load_second_backup(load_plain), 0);
    EXPECT_EQ(g_loaded, "data 2\n");
    EXPECT_EQ(dfile_remove_second_backup(), 0);
    EXPECT_EQ(dfile_file_exists(dir.file("pos.clcbak").c_str()), 0);
}

TEST_F(FileBackups, CompareAndChangeChecks)
{
    testutil::write_file(dir.file("a"), "abc");
    testutil::write_file(dir.file("b"), "abc");
    testutil::write_file(dir.file("c"), "abcd");
    testutil::write_file(dir.file("d"), "abd");
    EXPECT_EQ(dfile_compare_files(dir.file("a").c_str(), dir.file("b").c_str()), 0);
    EXPECT_EQ(dfile_compare_files(dir.file("a").c_str(), dir.file("c").c_str()), 1);   // prefix
    EXPECT_EQ(dfile_compare_files(dir.file("c").c_str(), dir.file("a").c_str()), 1);
    EXPECT_EQ(dfile_compare_files(dir.file("a").c_str(), dir.file("d").c_str()), 1);
    EXPECT_EQ(dfile_compare_files(dir.file("a").c_str(), dir.file("none").c_str()), 1);

    testutil::write_file(dir.file("pos.dat"), "data 1\n");
    EXPECT_EQ(dfile_changed_against_data(), 0);
    EXPECT_EQ(testutil::read_file(dir.file("pos.cmp")), "data 1\n");
    g_memory = "data 2\n";
    EXPECT_EQ(dfile_changed_against_data(), 1);
    EXPECT_EQ(dfile_changed_against_backup(), 1);   // no backup yet
    g_fail = 1;
    testutil::write_file(dir.file("pos.dat"), "half");
    EXPECT_EQ(dfile_changed_against_data(), 1);   // a failing callback counts as changed

    // With a companion file named but missing, the check is "changed" and writes nothing.
    g_fail = 0;
    dfile_backup_paths_in_dir(save_memory, (dir.path() + "/").c_str(), "pos", "pos.dat", "pos.cmp2");
    dfile_save_second_backup();
    std::remove(dir.file("pos.cmp").c_str());
    EXPECT_EQ(dfile_changed_against_second_backup(), 1);
    EXPECT_EQ(dfile_file_exists(dir.file("pos.cmp").c_str()), 0);
    testutil::write_file(dir.file("pos.cmp2"), "x");
    EXPECT_EQ(dfile_changed_against_second_backup(), 0);

    dfile_save_backup();
    EXPECT_EQ(dfile_remove_all_backups(), 0);
    for (const char* name : {"pos.bak", "pos.clcbak", "pos.cmp"})
        EXPECT_EQ(dfile_file_exists(dir.file(name).c_str()), 0) << name;
}

TEST_F(FileBackups, Copies)
{
    testutil::write_file(dir.file("src"), std::string("a\0b\r\n", 5));
    testutil::write_file(dir.file("dst"), "keep");
    EXPECT_EQ(dfile_copy(dir.file("dst").c_str(), dir.file("missing").c_str()), 1);
    EXPECT_EQ(testutil::read_file(dir.file("dst")), "keep");
    EXPECT_EQ(dfile_copy(dir.file("dst").c_str(), dir.file("src").c_str()), 0);
    EXPECT_EQ(testutil::read_file(dir.file("dst")), std::string("a\0b\r\n", 5));
    EXPECT_EQ(dfile_copy(dir.file("no/such/dst").c_str(), dir.file("src").c_str()), 1);

    const std::string old_prefix = get_file_prefix();
    set_file_prefix((dir.path() + "/P").c_str());
    testutil::write_file(dir.file("P.one"), "prefixed");
    EXPECT_EQ(dfile_copy_prefixed(".two", ".one"), 0);
    EXPECT_EQ(testutil::read_file(dir.file("P.two")), "prefixed");
    set_file_prefix(old_prefix.c_str());

    // Paths beyond 259 characters are handled as well.
    std::string long_name = dir.file(std::string(200, 'n')) + "/" + std::string(100, 'm');
    ASSERT_EQ(system(("mkdir -p " + dir.file(std::string(200, 'n'))).c_str()), 0);
    EXPECT_EQ(dfile_copy(long_name.c_str(), dir.file("src").c_str()), 0);
    EXPECT_EQ(dfile_file_exists(long_name.c_str()), 1);
}

// Switching the module off holds for the rest of the run, so it is tried in a child process.
TEST_F(FileBackups, SwitchedOff)
{
    testutil::write_file(dir.file("a"), "abc");
    testutil::write_file(dir.file("pos.dat"), "data 1\n");
    dfile_save_backup();
    EXPECT_EXIT(
        {
            dfile_backup_disable();
            int bad = 0;
            bad |= dfile_compare_files(dir.file("a").c_str(), dir.file("a").c_str()) != 1;
            bad |= dfile_changed_against_data() != 1;
            bad |= dfile_changed_against_backup() != 1;
            bad |= dfile_save_backup() != 1;
            bad |= dfile_open_backup() != nullptr;
            dfile_remove_all_backups();
            bad |= dfile_backup_exists() != 1;   // not deleted, and existence still answers
            bad |= dfile_load_backup(load_plain) != 0;
            std::exit(bad ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}
