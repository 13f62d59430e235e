// Start-up: command line, file names, private data folder and the position title.
#include "core/position_files.h"
#include "core/startup.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_help.h"
#include "platform/os/atomic_file.h"
#include "common/test_util.h"
#include <QDir>
#include <QLibraryInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {

// Runs the start-up with a working folder and environment of its own, and goes back afterwards.
struct StartupRun {
    testutil::ScratchDir env;
    std::string old_cwd = std::filesystem::current_path().string();
    StartupRun()
    {
        std::filesystem::create_directories(env.file("work"));
        std::filesystem::create_directories(env.file("DATA/PRIVATE"));
        setenv("_VYK_CWD_", env.file("work").c_str(), 1);
        setenv("DATA", env.file("DATA").c_str(), 1);
        setenv("DRAM", env.file("DRAM").c_str(), 1);
        vyk_env_reset();
    }
    ~StartupRun()
    {
        std::filesystem::current_path(old_cwd);
        unsetenv("_VYK_CWD_");
        unsetenv("DATA");
        unsetenv("DRAM");
        vyk_env_reset();
    }
    StartupResult run(std::vector<std::string> args)
    {
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        return startup_prepare(int(args.size()), argv.data());
    }
};

} // namespace

TEST(Startup, CommandLineCases)
{
    const char* kUsage = "usage: tavo52 Bauteilkennung Icon-Id File-Id Pos-Id\n";
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool run;
        int exit_code;
        const char* inp;   // expected position data file when run
        const char* out;   // expected start of standard output
        const char* err;   // expected part of standard error
    };
    const Case cases[] = {
        {"three arguments", {"tavo52", "T1", "0", "7"}, false, 2, "", kUsage, ""},
        {"file id 7", {"tavo52", "T1", "0", "7", "0"}, true, 0, "T1_07.inp", "", ""},
        {"file id 07", {"tavo52", "T1", "0", "07", "0"}, true, 0, "T1_07.inp", "", ""},
        {"file id 99", {"tavo52", "T1", "0", "99", "0"}, true, 0, "T1_99.inp", "", ""},
        {"extra arguments are ignored", {"tavo52", "T1", "0", "7", "0", "x", "y"}, true, 0, "T1_07.inp", "", ""},
        {"file id of letters", {"tavo52", "T1", "0", "abc", "0"}, false, 2, "", kUsage, "File-Id \"abc\""},
        {"hexadecimal file id", {"tavo52", "T1", "0", "0x10", "0"}, false, 2, "", kUsage, "File-Id \"0x10\""},
        {"file id beyond int", {"tavo52", "T1", "0", "99999999999", "0"}, false, 2, "", kUsage, "keine ein- oder zweistellige"},
        {"exponent", {"tavo52", "T1", "0", "1e3", "0"}, false, 2, "", kUsage, "File-Id \"1e3\""},
        {"three digits", {"tavo52", "T1", "0", "123", "0"}, false, 2, "", kUsage, "File-Id \"123\""},
        {"number followed by letters", {"tavo52", "T1", "0", " 12b", "0"}, false, 2, "", kUsage, "File-Id"},
        {"sign", {"tavo52", "T1", "0", "+7", "0"}, false, 2, "", kUsage, "File-Id"},
        {"empty file id", {"tavo52", "T1", "0", "", "0"}, false, 2, "", kUsage, "File-Id"},
        {"component id of Latin-1 bytes", {"tavo52", "Tr\xe4ger", "0", "1", "0"}, false, 2, "", kUsage,
         "Bauteilkennung \"Tr\\xE4ger\" enthält Bytes, die kein UTF-8 sind"},
        {"component id cut inside a letter", {"tavo52", "T\xc3", "0", "1", "0"}, false, 2, "", kUsage, "kein UTF-8"},
        {"overlong slash", {"tavo52", "a\xc0\xaf" "b", "0", "1", "0"}, false, 2, "", kUsage, "kein UTF-8"},
        {"component id in UTF-8", {"tavo52", "Tr\xc3\xa4ger", "0", "1", "0"}, true, 0, "Tr\xc3\xa4ger_01.inp", "", ""},
        {"15 characters", {"tavo52", "ABCDEFGHIJKLMNO", "0", "1", "0"}, true, 0, "ABCDEFGHIJKLMNO_01.inp", "", ""},
        {"16 characters", {"tavo52", "ABCDEFGHIJKLMNOP", "0", "1", "0"}, false, 2, "", "", "15 Zeichen"},
        {"slash", {"tavo52", "../T1", "0", "1", "0"}, false, 2, "", "", "Pfadtrenner"},
        {"backslash", {"tavo52", "a\\b", "0", "1", "0"}, false, 2, "", "", "Pfadtrenner"},
        {"dot dot", {"tavo52", "x..y", "0", "1", "0"}, false, 2, "", "", "\"..\""},
        {"option of the print queue", {"tavo52", "-dfoo", "0", "1", "0"}, false, 2, "", "", "beginnt mit \"-\""},
        {"a lone dash", {"tavo52", "-", "0", "1", "0"}, false, 2, "", "", "beginnt mit \"-\""},
        {"end of options", {"tavo52", "--", "0", "1", "0"}, false, 2, "", "", "beginnt mit \"-\""},
        {"dash inside", {"tavo52", "T-1", "0", "1", "0"}, true, 0, "T-1_01.inp", "", ""},
        {"empty component id", {"tavo52", "", "0", "1", "0"}, false, 2, "", "", "Bauteilkennung \"\" ist leer"},
        {"newline", {"tavo52", "T1\nx", "0", "1", "0"}, false, 2, "", "", "\"T1\\x0Ax\" enthält ein Steuerzeichen"},
        {"tab", {"tavo52", "T\t1", "0", "1", "0"}, false, 2, "", "", "Steuerzeichen"},
        {"delete", {"tavo52", "T\x7f", "0", "1", "0"}, false, 2, "", "", "Steuerzeichen"},
        {"C1 control", {"tavo52", "T\xc2\x85", "0", "1", "0"}, false, 2, "", "", "Steuerzeichen"},
        {"right-to-left override", {"tavo52", "T\xe2\x80\xae" "fdp", "0", "1", "0"}, false, 2, "", "", "Steuerzeichen"},
        // Characters are counted, not bytes: eight ä are 16 bytes.
        {"8 umlauts", {"tavo52", "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4", "0", "1", "0"}, true, 0,
         "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4_01.inp", "", ""},
        {"15 characters with umlauts", {"tavo52", "ABCDEFGHIJKLMN\xc3\xa4", "0", "1", "0"}, true, 0,
         "ABCDEFGHIJKLMN\xc3\xa4_01.inp", "", ""},
        {"16 characters with an umlaut", {"tavo52", "ABCDEFGHIJKLMNO\xc3\xa4", "0", "1", "0"}, false, 2, "", "", "15 Zeichen"},
    };
    for (const Case& c : cases) {
        StartupRun s;
        inp_path.clear();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        StartupResult r = s.run(c.args);
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(r.run, c.run) << c.what;
        if (!c.run) {
            EXPECT_EQ(r.exit_code, c.exit_code) << c.what;
            EXPECT_TRUE(inp_path.empty()) << c.what;
        } else {
            EXPECT_EQ(inp_path, c.inp) << c.what;
        }
        EXPECT_EQ(out.substr(0, std::string(c.out).size()), c.out) << c.what;
        EXPECT_NE(err.find(c.err), std::string::npos) << c.what << ": " << err;
        // A refusal is one line.
        EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 1) << c.what << ": " << err;
        // The working folder was entered and nothing was written into it.
        EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(s.env.file("work"))) << c.what;
        EXPECT_TRUE(std::filesystem::is_empty(s.env.file("work"))) << c.what;
    }
}

TEST(Startup, FileNamesFoldersAndHelp)
{
    StartupRun s;
    ASSERT_TRUE(s.run({"tavo52", "T1", "0", "7", "0"}).run);
    EXPECT_EQ(component_id, "T1");
    EXPECT_EQ(file_id, 7);
    EXPECT_EQ(oli_path, "T1_07.oli");
    EXPECT_EQ(ini_path, "T1_07.ini");
    EXPECT_EQ(nad_path, "T1_07.nad");
    EXPECT_EQ(fonts_path, s.env.file("DRAM") + "/tavo52_fonts");
    EXPECT_STREQ(CurOb_Privat_Datapath(), s.env.file("DATA/PRIVATE").c_str());
    EXPECT_STREQ(VYK_Data_Path(), s.env.file("DATA/PRIVATE").c_str());
    EXPECT_EQ(std::string(Helpview_file()), s.env.file("DATA/PRIVATE") + "/K7_TAVO52.HLP");

    // Without DRAM the shared fonts file stays in the working folder.
    unsetenv("DRAM");
    ASSERT_TRUE(s.run({"tavo52", "T1", "0", "7", "0"}).run);
    EXPECT_EQ(fonts_path, "tavo52_fonts");
}

TEST(Startup, PositionTitleFromHeaderFile)
{
    struct Case { const char* what; const char* bytes; const char* title; };
    const Case cases[] = {
        {"Windows-1252 letters", "Kopf\n12\nTr\xe4ger \xfc" "ber T\xfcr\n", "Position 12: Träger über Tür"},
        {"DOS letters", "Kopf\n12\nTr\x84ger \x81" "ber T\x81r\n", "Position 12: Träger über Tür"},
        {"CRLF line ends", "Kopf\r\n12\r\nTr\xe4ger\r\nmehr\r\n", "Position 12: Träger"},
        {"no line end at the end", "Kopf\n12\nDach", "Position 12: Dach"},
        {"title missing", "Kopf\n12\n", "Position 12: "},
        {"number and title missing", "Kopf\n", "Position : "},
        {"empty file", "", "Position : "},
    };
    testutil::ScratchDir dir;
    for (const Case& c : cases) {
        ASSERT_TRUE(testutil::write_file(dir.file("T1_07.txt"), c.bytes));
        EXPECT_EQ(read_position_title(dir.file("T1_07.txt")), QString::fromUtf8(c.title)) << c.what;
    }
    EXPECT_TRUE(read_position_title(dir.file("fehlt.txt")).isEmpty());

    StartupRun s;
    ASSERT_TRUE(testutil::write_file(s.env.file("work/T1_07.txt"), "Kopf\n3\nSt\x81tze\n"));
    ASSERT_TRUE(s.run({"tavo52", "T1", "0", "7", "0"}).run);
    EXPECT_EQ(position_title, QString::fromUtf8("Position 3: Stütze"));
}

TEST(Startup, TranslationsFolder)
{
    testutil::ScratchDir plugins;
    std::filesystem::create_directory(plugins.file("translations"));
    EXPECT_EQ(translations_folder(QString::fromStdString(plugins.path())),
              QString::fromStdString(plugins.file("translations")));
    const QString qt_own = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    EXPECT_EQ(translations_folder(QString()), qt_own);
    EXPECT_EQ(translations_folder(QStringLiteral("/nicht/da")), qt_own);
}

// A save larger than the process may write fails like one on a full disk: the start-up makes the
// program ignore SIGXFSZ (the test itself does not), the old file stays and no temporary is left.
TEST(Startup, SaveBeyondTheFileSizeLimitFailsInsteadOfEndingTheProgram)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file("T1_07.inp");
    ASSERT_TRUE(testutil::write_file(path, "alter Inhalt\n"));
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::dup2(::open("/dev/null", O_WRONLY), 1);
        StartupRun s;
        s.run({"tavo52"});   // the start-up up to the usage line
        const std::string big(100000, 'x');
        const bool saved = save_file_atomically(path, [&](FILE* f) { return std::fwrite(big.data(), 1, big.size(), f) == big.size(); });
        const int error = errno;
        ::_exit(!saved && error == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not fail with EFBIG";
    EXPECT_EQ(testutil::read_file(path), "alter Inhalt\n");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1) << "no temporary file stays behind";
}
