// Starting programs with an argument list: output into a file, exit status, and no zombie left
// behind by a tool that nobody waits for.
#include "common/test_util.h"
#include "platform/env/vyk_process.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <chrono>
#include <sys/wait.h>
#include <thread>

TEST(Process, RunToFileKeepsArgumentsWholeAndReportsTheStatus)
{
    testutil::ScratchDir dir;
    const std::string out = dir.file("out.txt");
    // One argument with blanks, quotes and a semicolon reaches the program unchanged.
    const char* argv[] = {"/bin/sh", "-c", "printf '%s|' \"$0\"; echo err >&2; exit 3", "a b;'\"c", nullptr};
    EXPECT_EQ(VYKRunToFile("/bin/sh", argv, out.c_str()), 3);
    EXPECT_EQ(testutil::read_file(out), "a b;'\"c|err\n");

    const char* none[] = {"/no/such/program", nullptr};
    EXPECT_EQ(VYKRunToFile("/no/such/program", none, out.c_str()), -1);
    EXPECT_EQ(VYKRunToFile("/bin/sh", argv, dir.file("no/such/folder/out.txt").c_str()), -1);
}

TEST(Process, ToolStartedWithoutWaitingIsReapedWhenItEnds)
{
    const char* argv[] = {"/bin/true", nullptr};
    ASSERT_EQ(VYKSpawnv(1, "/bin/true", argv), 0);
    int st = 0;
    pid_t r = 0;
    for (int i = 0; i < 50; ++i) {
        r = ::waitpid(-1, &st, WNOHANG);
        if (r < 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(r, -1);
    EXPECT_EQ(errno, ECHILD);
}
