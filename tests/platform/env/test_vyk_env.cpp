// Stand-ins of the environment library: values, folders, files, tools, windows and boxes.
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_files.h"
#include "platform/env/vyk_format.h"
#include "platform/env/vyk_help.h"
#include "platform/env/vyk_message.h"
#include "platform/env/vyk_process.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(VykEnv, ValuesLoseTrailingSeparatorsAndStayValid)
{
    setenv("TAVO_TEST_DIR", "/tmp/env/", 1);
    const char* first = VYKGetEnv("TAVO_TEST_DIR");
    EXPECT_STREQ(first, "/tmp/env");
    // Only a slash separates folders: a trailing backslash belongs to the name.
    setenv("TAVO_TEST_DIR", "/srv/a\\b\\", 1);
    EXPECT_STREQ(VYKGetEnv("TAVO_TEST_DIR"), "/srv/a\\b\\");
    EXPECT_STREQ(first, "/tmp/env") << "an earlier answer stays readable";
    unsetenv("TAVO_TEST_DIR");
    EXPECT_EQ(VYKGetEnv("TAVO_TEST_DIR"), nullptr);
    EXPECT_EQ(VYKGetEnv(nullptr), nullptr);
}

TEST(VykEnv, PrivateDataFolderDefaultsToDataPrivateAndTakesLatin1)
{
    vyk_env_reset();
    unsetenv("DATA");
    EXPECT_EQ(CurOb_Privat_Datapath(), nullptr);
    setenv("DATA", "/srv/vyk/DATA/", 1);
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/srv/vyk/DATA/PRIVATE");
    setenv("DATA", "/srv/vyk\\2026/DATA", 1);
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/srv/vyk\\2026/DATA/PRIVATE");
    Set_CurOb_Privat_Datapath("/home/j\xfcrgen/PRIVATE");   // Latin-1 ü
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/home/j\xc3\xbcrgen/PRIVATE");
    unsetenv("DATA");
    vyk_env_reset();
}

TEST(VykEnv, StdioTableIsNeverNull)
{
    vyk_env_reset();
    ASSERT_NE(VYK_STDIO_FCT, nullptr);
    EXPECT_EQ(VYK_STDIO_FCT->count, 18);
    VYKStdioTable mine = *VYK_STDIO_FCT;
    VYKSetStdioFctPtr(&mine);
    EXPECT_EQ(VYK_STDIO_FCT, &mine);
    vyk_env_reset();
}

TEST(VykFiles, DirectorySearchIsCaseInsensitiveAndSeparatesFilesFromFolders)
{
    testutil::ScratchDir dir;
    for (const char* f : {"APP1.DEF", "app2.def", "App3.txt", "other"}) testutil::write_file(dir.file(f), "x");
    fs::create_directory(dir.file("APPDIR.DEF"));
    fs::create_directory(dir.file("Sub"));

    auto collect = [](int (*first)(const char*, DOSFindRecord*), const std::string& pattern) {
        std::set<std::string> names;
        DOSFindRecord rec;
        for (int r = first(pattern.c_str(), &rec); r == 0; r = DOSFindNext(&rec)) names.insert(rec.name);
        DOSFindClose(&rec);
        EXPECT_EQ(rec.state, nullptr);
        return names;
    };
    std::string windows_pattern = dir.path() + "\\APP*.DEF";
    EXPECT_EQ(collect(DOSFindFirstFile, windows_pattern), (std::set<std::string>{"APP1.DEF", "app2.def"}));
    EXPECT_EQ(collect(DOSFindFirstFile, dir.path() + "/*.*").size(), 4u);
    EXPECT_EQ(collect(DOSFindFirstDirectory, dir.path() + "/*.*"), (std::set<std::string>{"APPDIR.DEF", "Sub"}));
    EXPECT_TRUE(collect(DOSFindFirstFile, dir.path() + "/*.xyz").empty());
    EXPECT_TRUE(collect(DOSFindFirstFile, dir.path() + "/missing/*.*").empty());
}

TEST(VykFiles, CopyAndRemove)
{
    testutil::ScratchDir dir;
    testutil::write_file(dir.file("a"), "Inhalt");
    testutil::write_file(dir.file("b"), "alt");
    EXPECT_EQ(VYKCopyFile(dir.file("a").c_str(), dir.file("b").c_str(), 0), 1);
    EXPECT_EQ(testutil::read_file(dir.file("b")), "Inhalt");
    EXPECT_EQ(VYKCopyFile(dir.file("fehlt").c_str(), dir.file("c").c_str(), 0), 0);
    EXPECT_EQ(VYKRemoveFile(dir.file("b").c_str(), 0), 0);
    EXPECT_FALSE(fs::exists(dir.file("b")));
    EXPECT_EQ(VYKRemoveFile(dir.file("b").c_str(), 0), -1);
}

TEST(VykProcess, SpawnWaitsOrReturnsAndFindsProgramsWithoutExe)
{
    testutil::ScratchDir dir;
    const std::string tool = dir.file("Werkzeug");
    testutil::write_file(tool, "#!/bin/sh\necho \"$1|$2\" > \"$(dirname \"$0\")/args.txt\"\nexit 3\n");
    chmod(tool.c_str(), 0755);
    const std::string exe = tool + ".exe";
    const char* argv[] = {exe.c_str(), "mit Leerzeichen", "\"; rm -rf /", nullptr};
    calllog::clear();
    EXPECT_EQ(VYKSpawnv(0, exe.c_str(), argv), 3);
    EXPECT_EQ(testutil::read_file(dir.file("args.txt")), "mit Leerzeichen|\"; rm -rf /\n");
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 0 " + tool));

    std::intptr_t h = VYKSpawnv(2, exe.c_str(), argv);
    ASSERT_GT(h, 0);
    for (int i = 0; i < 200 && !CheckVYKProcess(h); ++i) VYKSleep(10);
    EXPECT_EQ(CheckVYKProcess(h), 1);
    EXPECT_EQ(VYKSpawnv(1, dir.file("fehlt").c_str(), nullptr), -1);
}

TEST(VykProcess, WindowWatchMatchesTitlePrefixesInWindows1252)
{
    testutil::ScratchDir temp;
    setenv("TEMP", temp.path().c_str(), 1);
    const char* title = "VYK - Schnittgr\xf6\xdf" "enauswahl";   // 26 bytes in Windows-1252
    EXPECT_EQ(FindVYKWindow(title, 26), 0);
    fs::create_directories(temp.file(".windows"));
    testutil::write_file(temp.file(".windows/VYK - Schnittgrößenauswahl (Position 1)"), "");
    EXPECT_EQ(FindVYKWindow(title, 26), 1);
    EXPECT_EQ(FindVYKWindow("VYK - Bauteilauswahl", 20), 0);
    unsetenv("TEMP");
    EXPECT_EQ(FindVYKWindow(title, 26), 0);
}

TEST(VykMessage, BoxesAreLoggedAndTakeScriptedAnswers)
{
    calllog::clear();
    calllog::clear_answers();
    Init_Message();
    Set_Message_Title("Frage");
    Fill_Message("Gleiches Bauteil");
    Fill_Message("(Tr\x84ger)");   // DOS ä
    Fill_Message("wie zuvor?");
    calllog::push_answer(1);
    EXPECT_EQ(Answer_is_Yes(0), 1);
    EXPECT_TRUE(calllog::contains("Answer_is_Yes: Gleiches Bauteil\n(Träger)\nwie zuvor?"));
    // Nothing scripted and no display: the cancel answer, logged.
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_TRUE(calllog::contains("answer: none scripted"));
    Draw_Message();
    Show_Message();
    Quit_Message();
    EXPECT_TRUE(calllog::contains("Draw_Message: Gleiches Bauteil"));
}

TEST(VykHelp, TopicsOfTheBoundFile)
{
    testutil::ScratchDir dir;
    testutil::write_file(dir.file("K7.HLP"), "#TOPIC haupt\r\nHaupttext\r\n#TOPIC optionen\nOptionen\nzweite\n");
    calllog::clear();
    Init_Helpview(dir.path().c_str(), "K7.HLP");
    EXPECT_STREQ(Helpview_topic_text("optionen"), "Optionen\nzweite\n");
    EXPECT_STREQ(Helpview_topic_text("haupt"), "Haupttext\n");
    EXPECT_STREQ(Helpview_topic_text("fehlt"), "");
    Helpview("haupt");
    EXPECT_TRUE(calllog::contains("Helpview: haupt"));
}

TEST(VykHelp, ShippedHelpFileHasBothTopics)
{
    Init_Helpview(TAVO_SOURCE_DATA_DIR "/PRIVATE", "K7_TAVO52.HLP");
    EXPECT_NE(std::string(Helpview_topic_text("haupt")).find("Durchbruch"), std::string::npos);
    EXPECT_NE(std::string(Helpview_topic_text("optionen")).find("Nachkommastellen"), std::string::npos);
}

TEST(VykFormat, NumbersRightAlignedIntegersAndShortForm)
{
    char buf[128];
    EXPECT_STREQ(formatNumber(3.14159, 0, 8, 0, 2, buf), "    3.14");
    EXPECT_STREQ(formatNumber(2.6, 16, 5, 0, 3, buf), "    3");
    EXPECT_STREQ(formatNumber(1.50, 882, 20, 5, 2, buf), "1.5");
    EXPECT_STREQ(formatNumber(1.35, 882, 20, 5, 2, buf), "1.35");
    EXPECT_STREQ(formatNumber(2.0, 882, 20, 5, 2, buf), "2");
    EXPECT_EQ(std::string(formatNumber(1e300, 0, 10, 0, 2, buf)).size(), 63u) << "bounded";
}
