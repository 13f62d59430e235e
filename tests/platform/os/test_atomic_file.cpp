// Saving through a temporary file: permissions, write-protected files, links, a failed write and
// the leftovers of a save that was killed.
#include "platform/os/atomic_file.h"
#include "common/test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

bool save_text(const std::string& path, const std::string& text)
{
    return save_file_atomically(path, [&](FILE* f) { return std::fputs(text.c_str(), f) >= 0; });
}

mode_t mode_of(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool is_link(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::vector<std::string> names_in(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (e->d_name[0] != '.') names.push_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

mode_t user_default_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TEST(AtomicSave, FilesLinksAndPermissions)
{
    struct Case {
        const char* name;
        const char* before;     // old content of the real file, null: none
        mode_t mode;            // its permission bits
        const char* link;       // the saved path is a link to the real file: its text; null: no link
        bool saved;
    };
    const Case cases[] = {
        {"new file", nullptr, 0, nullptr, true},
        {"kept permissions", "old", 0640, nullptr, true},
        {"executable bits kept", "old", 0750, nullptr, true},
        {"write-protected", "old", 0444, nullptr, false},
        {"link to a file", "old", 0604, "real.inp", true},
        {"link to a missing file", nullptr, 0, "real.inp", true},
        {"link into another folder", "old", 0600, "sub/real.inp", true},
        {"link to a write-protected file", "old", 0400, "real.inp", false},
    };
    for (const Case& c : cases) {
        testutil::ScratchDir dir;
        ::mkdir(dir.file("sub").c_str(), 0777);
        const std::string real = dir.file(c.link ? c.link : "pos.inp");
        const std::string path = dir.file("pos.inp");
        if (c.before) {
            ASSERT_TRUE(testutil::write_file(real, c.before));
            ASSERT_EQ(::chmod(real.c_str(), c.mode), 0);
        }
        if (c.link) {
            ASSERT_EQ(::symlink(c.link, path.c_str()), 0);
        }

        EXPECT_EQ(save_text(path, "new"), c.saved) << c.name;
        EXPECT_EQ(file_is_write_protected(path), !c.saved) << c.name;
        EXPECT_EQ(testutil::read_file(real), c.saved ? "new" : c.before) << c.name;
        EXPECT_EQ(mode_of(real), c.before ? c.mode : user_default_mode()) << c.name;
        if (c.link) {
            EXPECT_TRUE(is_link(path)) << c.name;
        }
        // nothing but the file (and the link) is left in either folder
        EXPECT_EQ(names_in(dir.path()).size(), c.link ? 3u - (c.link[0] == 's') : 2u) << c.name;
        EXPECT_EQ(names_in(dir.file("sub")).size(), c.link && c.link[0] == 's' ? 1u : 0u) << c.name;
    }
}

TEST(AtomicSave, FailedWriteKeepsTheOldFile)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file("pos.inp");
    ASSERT_TRUE(testutil::write_file(path, "old"));
    EXPECT_FALSE(save_file_atomically(path, [](FILE* f) { return std::fputs("half", f) < 0; }));
    EXPECT_EQ(testutil::read_file(path), "old");
    EXPECT_EQ(names_in(dir.path()).size(), 1u);
}

// A save killed between writing and renaming leaves its temporary file; the next save of the
// same file removes it, and leaves alone what a running save of another process holds.
TEST(AtomicSave, NextSaveRemovesWhatAKilledSaveLeft)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file("pos.inp");
    ASSERT_TRUE(save_text(path, "first"));
    for (int kill = 0; kill < 3; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            (void)save_file_atomically(path, [](FILE* f) {
                std::fputs("torn", f);
                std::fflush(f);
                ::raise(SIGKILL);
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    // each killed save removed the one before it: the file and the last leftover
    EXPECT_EQ(names_in(dir.path()).size(), 2u);
    EXPECT_EQ(testutil::read_file(path), "first");
    // a temporary file of a process that still runs (this one's parent) and another file's
    const std::string running = dir.file("pos.inp.save-" + std::to_string(::getppid()) + "-abcdef");
    const std::string other = dir.file("other.inp.save-999999999-abcdef");
    ASSERT_TRUE(testutil::write_file(running, "x"));
    ASSERT_TRUE(testutil::write_file(other, "x"));

    ASSERT_TRUE(save_text(path, "second"));
    EXPECT_EQ(testutil::read_file(path), "second");
    std::vector<std::string> left = names_in(dir.path());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"other.inp.save-999999999-abcdef", "pos.inp",
                                              "pos.inp.save-" + std::to_string(::getppid()) + "-abcdef"}));
}

namespace {

// Rewrites the file in place (same inode) and sets its modification time.
void rewrite_in_place(const std::string& path, const std::string& text, time_t sec, long nsec)
{
    ASSERT_TRUE(testutil::write_file(path, text));
    const struct timespec times[2] = {{sec, nsec}, {sec, nsec}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

// Two programs on one file: what counts as a change since this program read or saved the file.
TEST(ChangeDetection, EveryRewriteRemovalAndReplacementIsSeenOwnSavesAreNot)
{
    const time_t second = 1700000000;
    struct Case {
        const char* name;
        std::function<void(const std::string&)> other;   // what the other program does after the note
        bool changed, removed;
    };
    const Case cases[] = {
        {"nothing", [](const std::string&) {}, false, false},
        {"same bytes, same time again", [&](const std::string& p) { rewrite_in_place(p, "abcd", second, 100); }, false, false},
        {"same length, same second, other nanoseconds",
         [&](const std::string& p) { rewrite_in_place(p, "wxyz", second, 200); }, true, false},
        {"other length, same time", [&](const std::string& p) { rewrite_in_place(p, "abcde", second, 100); }, true, false},
        {"replaced by another file",
         [&](const std::string& p) {
             ASSERT_TRUE(testutil::write_file(p + ".x", "abcd"));
             const struct timespec times[2] = {{second, 100}, {second, 100}};
             ::utimensat(AT_FDCWD, (p + ".x").c_str(), times, 0);
             ASSERT_EQ(std::rename((p + ".x").c_str(), p.c_str()), 0);
         },
         true, false},
        {"removed", [](const std::string& p) { std::remove(p.c_str()); }, true, true},
        // This program's own save notes what it wrote: no change of anybody else.
        {"saved here", [](const std::string& p) { ASSERT_TRUE(save_text(p, "saved here")); }, false, false},
    };
    for (const Case& c : cases) {
        testutil::ScratchDir dir;
        const std::string path = dir.file("pos.nad");
        rewrite_in_place(path, "abcd", second, 100);
        note_file_seen(path);
        c.other(path);
        EXPECT_EQ(file_changed_since_seen(path), c.changed) << c.name;
        EXPECT_EQ(file_removed_since_seen(path), c.removed) << c.name;
    }
    // A file never noted is nobody's concern here.
    testutil::ScratchDir dir;
    EXPECT_FALSE(file_changed_since_seen(dir.file("never.nad")));
}

// A copy saved beside a kept file takes the next free name and never replaces one; a failed save
// gives its reason in German.
TEST(AtomicSave, CopiesTakeAFreeNameAndFailuresGiveTheirReason)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file("pos.inp");
    EXPECT_EQ(free_copy_path(path), path + ".neu");
    ASSERT_TRUE(save_new_file_atomically(free_copy_path(path), [](FILE* f) { return std::fputs("one", f) >= 0; }));
    int number = 1;
    EXPECT_EQ(free_copy_path(path, &number), path + ".neu2");
    EXPECT_EQ(number, 2);
    EXPECT_FALSE(save_new_file_atomically(path + ".neu", [](FILE* f) { return std::fputs("two", f) >= 0; }));
    EXPECT_EQ(last_save_failure_reason(), "die Datei gibt es schon");
    EXPECT_EQ(testutil::read_file(path + ".neu"), "one");
    // Another program creates the file while this one writes it: the other's file stays.
    const std::string raced = dir.file("raced.inp.neu");
    EXPECT_FALSE(save_new_file_atomically(raced, [&](FILE* f) {
        return testutil::write_file(raced, "theirs") && std::fputs("mine", f) >= 0;
    }));
    EXPECT_EQ(testutil::read_file(raced), "theirs");

    const std::string fifo = dir.file("pipe.inp"), folder = dir.file("folder.inp"), locked = dir.file("locked.inp");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_TRUE(testutil::write_file(locked, "old"));
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const std::pair<std::string, const char*> failures[] = {
        {fifo, "keine reguläre Datei"},
        {folder, "an ihrer Stelle steht ein Ordner"},
        {locked, "schreibgeschützt"},
        {dir.file("missing/pos.inp"), "der Ordner fehlt"},
    };
    for (const auto& f : failures) {
        EXPECT_FALSE(save_text(f.first, "new")) << f.first;
        EXPECT_EQ(last_save_failure_reason(), f.second) << f.first;
    }
    struct stat st;
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) << "the pipe stays";
    // The file on disk ends short of what was written (cut here by hand): the old file stays.
    const std::string cut = dir.file("cut.inp");
    ASSERT_TRUE(testutil::write_file(cut, "old"));
    EXPECT_FALSE(save_file_atomically(cut, [](FILE* f) {
        return std::fputs("abcdef", f) >= 0 && std::fflush(f) == 0 && ::ftruncate(::fileno(f), 3) == 0;
    }));
    EXPECT_EQ(last_save_failure_reason(), "die Datei wurde nicht vollständig geschrieben");
    EXPECT_EQ(testutil::read_file(cut), "old");
    EXPECT_EQ(save_failure_reason(ENOSPC), "Datenträger voll");
    EXPECT_TRUE(save_text(path, "x"));
    EXPECT_EQ(last_save_failure_reason(), "");
}
