// Component selection with the stand-in tool, its answer file, 7-Zip extraction and the tool watch.
#include "environment/tool_exchange.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"
#include "platform/os/calllog.h"
#include "stream_util.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>
#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

using streamtest::stream_of;

namespace {

std::string marked(const std::string& s) { return "\xAE" + s + "\xAF"; }

} // namespace

TEST(ComponentAnswer, ReadsCompleteAnswersAndRefusesMalformedOnes)
{
    const std::string six = marked("Tr\x84ger 1") + "\n" + marked("b") + marked("c") + "\t" + marked("/p/stem") +
                            marked("e") + marked("f") + "\n";
    struct Case {
        std::string bytes;
        int ok;
        int archived;
        const char* stem;
        const char* archive;
    } cases[] = {
        {"1 2\n" + six + "0\n", 1, 0, "/p/stem", ""},
        // The flag 0 leaves the archive path empty even when a seventh string follows.
        {"1 2\n" + six + "0\n" + marked("/a.7z"), 1, 0, "/p/stem", ""},
        {"1 2\n" + six + "1\n" + marked("/a.7z"), 1, 1, "/p/stem", "/a.7z"},
        // A missing flag stays 0.
        {"1 2\n" + six, 1, 0, "/p/stem", ""},
        // Malformed answers select nothing and keep no field of an earlier one.
        {"1 2\n" + marked("n") + marked("b") + marked("c") + "x" + marked("e") + marked("f") + "0\n", 0, 0, "", ""},
        {"1 2\n" + six + "1\n", 0, 0, "", ""},
        {"1\n" + six, 0, 0, "", ""},
        {"1 2\n" + marked("n") + marked("b") + marked("c") + marked("") + marked("e") + marked("f") + "0\n", 0, 0,
         "", ""},
    };
    for (const auto& c : cases) {
        FILE* f = stream_of(c.bytes);
        SelectedComponent s;
        std::memset(&s, 'x', sizeof s);
        EXPECT_EQ(read_component_answer(f, &s), c.ok) << c.bytes;
        std::fclose(f);
        if (!c.ok) continue;
        EXPECT_EQ(s.archived, c.archived);
        EXPECT_STREQ(s.path_stem, c.stem);
        EXPECT_STREQ(s.archive_path, c.archive);
        EXPECT_STREQ(s.name, "Tr\x84ger 1");
        EXPECT_EQ(s.value_2, 2);
    }
}

TEST(ComponentAnswer, OverlongStringsAreCutAndTheNextFieldStillReads)
{
    const std::string longname(100, 'N');
    const std::string bytes = "0 0 " + marked(longname) + marked("") + marked("") + marked(std::string(300, 's')) +
                              marked("") + marked("") + " 1 " + marked(std::string(300, 'a'));
    FILE* f = stream_of(bytes);
    SelectedComponent s;
    ASSERT_EQ(read_component_answer(f, &s), 1);
    std::fclose(f);
    EXPECT_EQ(std::string(s.name), std::string(39, 'N'));
    EXPECT_EQ(std::string(s.path_stem), std::string(259, 's'));
    EXPECT_EQ(std::string(s.archive_path), std::string(255, 'a'));
}

TEST(ComponentSelection, StandInToolAnswersWithTheFirstComponent)
{
    toolfix::ScratchEnvironment env;
    testutil::write_file(env.components() + "/B_SECOND.EX2", "x");
    testutil::write_file(env.components() + "/A_FIRST.7z", "x");
    calllog::clear();
    SelectedComponent* s = select_component(3);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->name, "A_FIRST");
    EXPECT_EQ(s->archived, 1);
    EXPECT_EQ(std::string(s->archive_path), env.components() + "/A_FIRST.7z");
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 1 " + env.exec() + "/VYOSelct 3"));
    EXPECT_TRUE(calllog::contains("watch_tool_window: VYK - Bauteilauswahl"));
    // The answer is deleted after reading and the tool's window is closed.
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/VYOSelct.tmp"));
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/.windows/VYK - Bauteilauswahl"));

    // No component offered: the tool answers nothing, which is a cancelled selection.
    std::filesystem::remove_all(env.components());
    EXPECT_EQ(select_component(3), nullptr);
}

TEST(ComponentSelection, OpenWindowGivesTheNoticeAndStartsNothing)
{
    toolfix::ScratchEnvironment env;
    env.open_window("VYK - Bauteilauswahl (Projekt 12)");
    calllog::clear();
    EXPECT_EQ(select_component(3), nullptr);
    EXPECT_TRUE(calllog::contains("Draw_Message: Das VYK-Werkzeug zur Auswahl von Bauteilen\nist bereits aktiv. "
                                  "Bitte schließen Sie\ndas Fenster und versuchen es erneut."));
    EXPECT_FALSE(calllog::contains("VYKSpawnv"));
}

TEST(ToolWatch, EndsAfterThreeSecondsWhenNoWindowOpens)
{
    toolfix::ScratchEnvironment env;
    // Under a display the screen view's window is made once beforehand, so that only the watch is timed.
    screen_show();
    screen_hide();
    const auto t0 = std::chrono::steady_clock::now();
    watch_tool_window("VYK - Keins", 11, "Warte", 5, -110);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    // 30 pauses of 100 ms.
    EXPECT_GE(s, 2.9);
    EXPECT_LT(s, 4.5);
}

TEST(ArchiveExtraction, RealSevenZipUnpacksOneMemberWithoutShell)
{
    toolfix::ScratchEnvironment env;
    // Made in a plain folder, then moved to a path with a quote, a semicolon, a dollar sign and
    // double quotes: harmless for an argument vector, fatal for a command line.
    const std::string plain = env.root() + "/plain";
    std::filesystem::create_directories(plain);
    testutil::write_file(plain + "/AAAA.EX2", "export data\n");
    testutil::write_file(plain + "/other.txt", "other\n");
    const std::string cmd = "cd '" + plain + "' && 7za a -t7z -y -bd comp.7z AAAA.EX2 other.txt >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string src = env.root() + "/pro'j;$x";
    std::filesystem::create_directories(src);
    const std::string archive = src + "/comp \"1\".7z";
    std::filesystem::rename(plain + "/comp.7z", archive);

    ASSERT_EQ(extract_from_archive(archive.c_str(), "AAAA.EX2", env.temp().c_str()), 0);
    EXPECT_EQ(testutil::read_file(env.temp() + "/AAAA.EX2"), "export data\n");
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/other.txt"));
    EXPECT_NE(testutil::read_file(env.temp() + "/7zprot.txt").find("Everything is Ok"), std::string::npos);

    // An archive whose name begins with "-", given relative to the working folder: a name, no switch.
    std::filesystem::copy_file(archive, src + "/-t7z.7z");
    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(src);
    std::filesystem::remove(env.temp() + "/AAAA.EX2");
    EXPECT_EQ(extract_from_archive("-t7z.7z", "AAAA.EX2", env.temp().c_str()), 0);
    std::filesystem::current_path(was);
    EXPECT_EQ(testutil::read_file(env.temp() + "/AAAA.EX2"), "export data\n");

    // A damaged archive: the archiver's failure, its output kept for inspection.
    testutil::write_file(env.root() + "/bad.7z", "no archive");
    EXPECT_EQ(extract_from_archive((env.root() + "/bad.7z").c_str(), "AAAA.EX2", env.temp().c_str()), 5);
    EXPECT_FALSE(testutil::read_file(env.temp() + "/7zprot.txt").empty());

    EXPECT_EQ(extract_from_archive((env.root() + "/missing.7z").c_str(), "AAAA.EX2", env.temp().c_str()), 1);
    EXPECT_EQ(extract_from_archive(archive.c_str(), "AAAA.EX2", (env.root() + "/no/such").c_str()), 2);
    ::unsetenv("TEMP");
    EXPECT_EQ(extract_from_archive(archive.c_str(), "AAAA.EX2", env.exec().c_str()), 4);
    ::unsetenv("EXEC");
    EXPECT_EQ(extract_from_archive(archive.c_str(), "AAAA.EX2", env.root().c_str()), 3);
}

TEST(ToolPresence, InternalForceToolIsFoundInExec)
{
    toolfix::ScratchEnvironment env;
    EXPECT_EQ(trobavex_available(), 1);
    std::filesystem::remove(env.exec() + "/Trobavex");
    EXPECT_EQ(trobavex_available(), 0);
    ::unsetenv("EXEC");
    EXPECT_EQ(trobavex_available(), 0);
}

TEST(OtherTools, PlanEditorAndPhotoViewerReportWhatIsMissing)
{
    toolfix::ScratchEnvironment env;
    env.open_window("VYK - Planbearbeitung");
    calllog::clear();
    EXPECT_EQ(run_plan_editor_1("plan.dat"), 0);
    EXPECT_TRUE(calllog::contains("Draw_Message: Das VYK-Werkzeug zur Planbearbeitung\nist bereits aktiv."));
    EXPECT_FALSE(calllog::contains("VYKSpawnv"));

    start_photo_viewer("bild.jpg");
    EXPECT_TRUE(calllog::contains("Draw_Message: Das VYK-Werkzeug\n- LUMBRIX -\nist nicht installiert!"));
    ::unsetenv("EXEC");
    calllog::clear();
    start_photo_viewer("bild.jpg");
    EXPECT_TRUE(calllog::contains("Draw_Message: Das EXEC-Verzeichnis\nist nicht ermittelbar!"));
    EXPECT_EQ(run_plan_editor("a", "b"), 0);
}

TEST(ToolWatch, WaitBoxRunsItsSquareAndLeavesNoTrace)
{
    screen_reset();
    pxFgc(Nearest_RGB_Color(40, 90, 20));
    pxRect(500, 400, 800, 600);   // something beneath the box
    const QImage before = screen_image().copy();

    WaitBox box;
    // The plan editor's text is wider than the box in cell metrics (40 x 8 pixels from cx - 130).
    wait_box_open(&box, "Warte auf Ende des Planerstellungsmoduls", 40, -130);
    const int cx = 640, cy = 512;
    auto inside = [&](int k) { return screen_pixel(cx - 110 + 23 * k + 7, cy + 7); };
    EXPECT_EQ(screen_pixel(cx - 129, cy - 29), 0xFFFFFFu);   // white box
    EXPECT_EQ(screen_pixel(cx - 110, cy), 0x0080FFu);        // square 0 outlined in blue
    EXPECT_EQ(inside(0), 0xFFFFFFu);
    wait_box_step(&box);
    EXPECT_EQ(inside(1), 0x0080FFu);                         // the first step fills square 1
    EXPECT_EQ(screen_pixel(cx - 110 + 23, cy), 0x000000u);   // outlined in black
    for (int i = 0; i < 9; ++i) wait_box_step(&box);
    EXPECT_EQ(inside(0), 0x0080FFu);                         // after square 9 comes square 0
    EXPECT_EQ(inside(1), 0xFFFFFFu);
    wait_box_close(&box);
    EXPECT_TRUE(screen_image() == before);
}

// Under a display the wait box shows on the screen view while the tool's window is open; the
// copy taken half-way holds a square further on than the first. TAVO_PICTURE_DIR keeps that copy.
TEST(ToolWatch, WaitBoxRunsOnTheScreenViewUnderADisplay)
{
    if (!calllog::interactive()) GTEST_SKIP() << "needs a display";
    toolfix::ScratchEnvironment env;
    screen_reset();
    screen_set_metrics(SCREEN_METRICS_QT);   // real letters, as the program draws them on a display
    const QImage before = screen_image().copy();
    env.open_window("VYK - Planbearbeitung");
    QImage halfway;
    std::thread tool([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(900));
        screen_lock();
        halfway = screen_image().copy();
        screen_unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        std::filesystem::remove(env.temp() + "/.windows/VYK - Planbearbeitung");
    });
    watch_tool_window("VYK - Planbearbeitung", 21, "Warte auf Ende des Planerstellungsmoduls", 40, -130);
    tool.join();
    // Square k lies at (cx - 110 + 23 k, cy); after about seven steps one of squares 2..9 is filled.
    int filled = -1;
    for (int k = 0; k < 10; ++k)
        if (halfway.pixel(640 - 110 + 23 * k + 7, 512 + 7) == qRgb(0, 128, 255)) filled = k;
    EXPECT_GE(filled, 2);
    EXPECT_TRUE(screen_image() == before);
    if (const char* dir = std::getenv("TAVO_PICTURE_DIR"))
        halfway.copy(640 - 140, 512 - 40, 280, 80).save(QString::fromUtf8(dir) + "/wait_box.png");
    screen_set_metrics(SCREEN_METRICS_CELL);
}
