// A save that fails names the file and the system's reason; a save past the process's file-size
// limit fails like one on a full disk instead of ending the program.
#include "gui/position_saving.h"
#include "platform/os/atomic_file.h"
#include "window_fixture.h"
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

TEST_F(WindowTest, SaveFailuresNameTheFileAndTheReason)
{
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    // Past the file-size limit, in a process of its own that sets up as the program does.
    const std::string before = testutil::read_file(inp_path);
    data_object.lasten.clear();
    for (int i = 0; i < 200; ++i) data_object.lasten.append(LoadRow());
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        ignore_file_size_signal();
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        calllog::clear();
        const bool saved = save_position();
        const bool named = calllog::contains("QMessageBox: Fehler: Die Positionsdaten konnten nicht gespeichert werden!\n") &&
                           calllog::contains(inp_path) &&
                           calllog::contains("\n(Grund: die Datei wäre größer als erlaubt)");
        ::_exit(!saved && named ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure was not named with its reason";
    EXPECT_EQ(testutil::read_file(inp_path), before);

    // A folder in place of the choice file (there when the position opens).
    w.reset();
    std::filesystem::create_directory(nad_path);
    open(*position);
    calllog::clear();
    EXPECT_FALSE(save_position());
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler: Die Datei\n" + nad_path +
                                  "\nkonnte nicht gespeichert werden!\n(Grund: an ihrer Stelle steht ein Ordner)"));
}
