// Two programs on one position: a save over a position, choice or settings file that the other
// program saved since this one read it is never made silently; the user overwrites, keeps the
// other version and saves beside it, or saves nothing.
#include "gui/position_saving.h"
#include "gui/window_settings.h"
#include "window_fixture.h"
#include <QMessageBox>
#include "core/position_files.h"
#include "platform/os/regular_file.h"
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The other program: a process of its own that reads the position, changes b and saves it.
void other_program_saves_the_position(double b)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TAVO52_DATA d;
        d.read_data();
        d.b = b;
        ::_exit(d.write_data());
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::string question_about(const std::string& path)
{
    for (const std::string& e : calllog::entries())
        if (e.rfind("QMessageBox: Speichern: Diese Datei", 0) == 0 && e.find("von einem anderen Programm ge") != std::string::npos &&
            e.find(path) != std::string::npos)
            return e;
    return std::string();
}

} // namespace

TEST_F(WindowTest, TwoWindowsSavingTheSamePositionAskBeforeTheSecondSaveOverwrites)
{
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    other_program_saves_the_position(140);
    const std::string theirs = testutil::read_file(inp_path);
    ASSERT_NE(theirs.find("\n140 240 "), std::string::npos);

    // Nobody answers: nothing is saved, the other version stays.
    calllog::clear();
    EXPECT_FALSE(save_position());
    EXPECT_NE(question_about(inp_path), "");
    EXPECT_EQ(testutil::read_file(inp_path), theirs);

    // Keep theirs and save mine beside it.
    calllog::clear();
    calllog::push_answer(QMessageBox::Save);
    EXPECT_TRUE(save_position());
    EXPECT_EQ(testutil::read_file(inp_path), theirs);
    EXPECT_NE(testutil::read_file(inp_path + ".neu").find("\n120 240 "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(nad_path + ".neu"));
    EXPECT_NE(question_about(inp_path).find(inp_path + ".neu"), std::string::npos) << "the question names the copy";

    // A third program changes the position again; keeping it too puts mine in a second copy.
    const std::string first_copy = testutil::read_file(inp_path + ".neu");
    other_program_saves_the_position(160);
    const std::string third = testutil::read_file(inp_path);
    calllog::clear();
    calllog::push_answer(QMessageBox::Save);
    EXPECT_TRUE(save_position());
    EXPECT_NE(question_about(inp_path).find(inp_path + ".neu2"), std::string::npos) << "the question names the new copy";
    EXPECT_EQ(testutil::read_file(inp_path), third);
    EXPECT_EQ(testutil::read_file(inp_path + ".neu"), first_copy) << "the first copy is not replaced";
    EXPECT_NE(testutil::read_file(inp_path + ".neu2").find("\n120 240 "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(nad_path + ".neu2"));

    // Overwrite: mine replaces theirs, and the next save asks nothing.
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_TRUE(save_position());
    EXPECT_NE(testutil::read_file(inp_path).find("\n120 240 "), std::string::npos);
    calllog::clear();
    EXPECT_TRUE(save_position());
    EXPECT_EQ(question_about(inp_path), "");

    // Only the choice file changed: the window's save asks all the same.
    ASSERT_TRUE(testutil::write_file(nad_path, "Standard\n0\n"));
    calllog::clear();
    EXPECT_FALSE(save_position());
    EXPECT_NE(question_about(nad_path), "");
    EXPECT_EQ(testutil::read_file(nad_path), "Standard\n0\n");
}

// The other program deleted the position: it is called deleted, and keeping every version saves
// the position anew under its own name, so that the next start opens it.
TEST_F(WindowTest, APositionDeletedByAnotherProgramIsSavedAnewUnderItsName)
{
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    type_into(w->ed_Balken_b, QStringLiteral("140"));
    std::filesystem::remove(inp_path);
    calllog::clear();
    w->actionDaten_sichern->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Speichern: Diese Datei wurde seit dem Öffnen von einem anderen Programm "
                                  "gelöscht:\n" + inp_path + "\n"));
    EXPECT_FALSE(calllog::contains("geändert")) << "a deleted file is not called changed";
    EXPECT_FALSE(std::filesystem::exists(inp_path)) << "nobody answered: nothing saved";

    calllog::clear();
    calllog::push_answer(QMessageBox::Save);   // the box's default button
    w->actionDaten_sichern->trigger();
    EXPECT_NE(testutil::read_file(inp_path).find("\n140 240 "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(inp_path + ".neu"));
    TAVO52_DATA next;
    EXPECT_EQ(next.read_data(), 0);
    EXPECT_EQ(next.b, 140) << "the next start opens the saved values";
}

// The other program replaced the settings file and the shared fonts file: the window's save asks
// for each before writing over them.
TEST_F(WindowTest, SettingsChangedByAnotherProgramAreNotOverwrittenSilently)
{
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    ASSERT_TRUE(save_window_settings(w.get(), QString::fromStdString(ini_path)));
    const std::string other_fonts = "[General]\nFont=\"DejaVu Sans,11,-1,5,50,0,0,0,0,0\"\n";
    ASSERT_TRUE(testutil::write_file(fonts_path + ".other", other_fonts));
    std::filesystem::rename(fonts_path + ".other", fonts_path);
    const std::string other_ini = "[General]\nFont=x\n";
    ASSERT_TRUE(testutil::write_file(ini_path + ".other", other_ini));
    std::filesystem::rename(ini_path + ".other", ini_path);

    calllog::clear();
    EXPECT_TRUE(save_window_settings(w.get(), QString::fromStdString(ini_path))) << "a cancelled save is no failure";
    EXPECT_TRUE(write_fonts_colors(QString::fromStdString(fonts_path), reset_fonts_colors()));
    EXPECT_NE(question_about(ini_path), "");
    EXPECT_NE(question_about(fonts_path), "");
    EXPECT_EQ(testutil::read_file(ini_path), other_ini);
    EXPECT_EQ(testutil::read_file(fonts_path), other_fonts);

    calllog::push_answer(QMessageBox::Save);
    EXPECT_TRUE(write_fonts_colors(QString::fromStdString(fonts_path), reset_fonts_colors()));
    EXPECT_EQ(testutil::read_file(fonts_path), other_fonts);
    EXPECT_NE(testutil::read_file(fonts_path + ".neu").find("MainWindowBackground"), std::string::npos);
    // Kept again: a second copy, the first one as it was.
    const std::string first_copy = testutil::read_file(fonts_path + ".neu");
    FontsColors other = reset_fonts_colors();
    other.background = QColor(1, 2, 3);
    calllog::push_answer(QMessageBox::Save);
    EXPECT_TRUE(write_fonts_colors(QString::fromStdString(fonts_path), other));
    EXPECT_EQ(testutil::read_file(fonts_path + ".neu"), first_copy);
    EXPECT_NE(testutil::read_file(fonts_path + ".neu2").find("MainWindowBackground"), std::string::npos);
    EXPECT_EQ(testutil::read_file(fonts_path), other_fonts);

    calllog::push_answer(QMessageBox::Yes);
    EXPECT_TRUE(save_window_settings(w.get(), QString::fromStdString(ini_path)));
    EXPECT_NE(testutil::read_file(ini_path).find("mainwindowGeometry"), std::string::npos);
}

// The program shows a refused file in a "Datei" box, with its absolute name.
TEST(FileRefusals, AreShownInAMessageBoxOnceTheProgramAsksForIt)
{
    testutil::ScratchDir dir;
    const std::string fifo = dir.file("T1_07.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    calllog::clear();
    // Read at start, before the program can show a message: shown once it can.
    set_file_refusal_reporter(nullptr);
    EXPECT_TRUE(read_position_title(fifo).isEmpty());
    EXPECT_FALSE(calllog::contains("QMessageBox: Datei:"));
    show_file_refusals_in_message_boxes();
    EXPECT_TRUE(calllog::contains("QMessageBox: Datei: Die Datei\n" + fifo + "\nist keine Datei (eine Pipe)."));

    calllog::clear();
    EXPECT_TRUE(read_position_title(fifo).isEmpty());
    set_file_refusal_reporter(nullptr);
    int shown = 0;
    for (const std::string& e : calllog::entries()) shown += e.rfind("QMessageBox: Datei:", 0) == 0;
    EXPECT_EQ(shown, 1) << "shown once, not kept for later";
    EXPECT_FALSE(calllog::contains("file refused:"));
}
