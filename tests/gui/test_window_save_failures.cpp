// A save that fails names the file and the system's reason; a save past the process's file-size
// limit fails like one on a full disk instead of ending the program.
#include "gui/position_saving.h"
#include "platform/os/atomic_file.h"
#include "window_fixture.h"
#include <QMessageBox>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <sys/mount.h>
#include <sys/statvfs.h>
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

namespace {

// A folder on a small disk of its own (a tmpfs, where the tests may mount one), filled to leave
// a given room free.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder) : folder_(folder)
    {
        std::filesystem::create_directories(folder);
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    // Fills the disk with a file of its own until at most `bytes` are free.
    void leave_free(long bytes)
    {
        const int fd = ::open((folder_ + "/fill").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::string block(4096, 'x');
        for (;;) {
            struct statvfs s;
            if (fd < 0 || ::statvfs(folder_.c_str(), &s) != 0 || long(s.f_bavail * s.f_bsize) <= bytes) break;
            if (::write(fd, block.data(), block.size()) != ssize_t(block.size())) break;
        }
        if (fd >= 0) ::close(fd);
    }
    void empty() { std::filesystem::remove(folder_ + "/fill"); }
private:
    std::string folder_;
    bool mounted_ = false;
};

bool holds_keys(const std::string& text, std::initializer_list<const char*> keys)
{
    for (const char* k : keys)
        if (text.find(std::string("\n") + k + "=") == std::string::npos) return false;
    return text.size() > 0 && text.back() == '\n';
}

} // namespace

// "Daten sichern" on a nearly full disk: every file the window saves (settings, fonts and colours,
// position, choice) ends either as it was or complete with the new values, and every file not
// saved is named with its reason.
TEST_F(WindowTest, SavesOnAFullDiskKeepTheOldFileOrWriteTheNewOneWhole)
{
    SmallDisk disk(dir.file("disk"));
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    std::filesystem::create_directories(dir.file("disk/DRAM"));
    inp_path = dir.file("disk/T1_01.inp");
    nad_path = dir.file("disk/T1_01.nad");
    ini_path = dir.file("disk/T1_01.ini");
    fonts_path = dir.file("disk/DRAM/tavo52_fonts");
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    for (const long free_kib : {0L, 4L, 8L}) {
        const std::string kib = std::to_string(free_kib) + " KiB free";
        disk.empty();
        for (const std::string* p : {&inp_path, &nad_path, &ini_path, &fonts_path}) std::filesystem::remove(*p);
        w.reset();
        open(*position);
        w->actionDaten_sichern->trigger();
        std::map<const std::string*, std::string> old;
        for (const std::string* p : {&inp_path, &nad_path, &ini_path, &fonts_path}) {
            old[p] = testutil::read_file(*p);
            ASSERT_FALSE(old[p].empty()) << *p;
        }
        // New values in every file: a colour, the window's size, the beam's width and the choice.
        calllog::push_answer(0x336699);
        w->set_application_color_background();
        w->resize(w->width() + 40, w->height() + 30);
        type_into(w->ed_Balken_b, QStringLiteral("140"));
        disk.leave_free(free_kib * 1024);
        calllog::clear();
        w->actionDaten_sichern->trigger();
        disk.empty();

        const std::string inp = testutil::read_file(inp_path), nad = testutil::read_file(nad_path);
        const std::string ini = testutil::read_file(ini_path), fonts = testutil::read_file(fonts_path);
        struct Seen {
            const std::string* path;
            bool same, complete_new;
        };
        const Seen seen[] = {
            {&inp_path, inp == old[&inp_path], inp == position_data_text(data_object) && inp.find("\n140 240 ") != std::string::npos},
            {&nad_path, nad == old[&nad_path], nad == old[&nad_path]},
            {&ini_path, ini == old[&ini_path], ini != old[&ini_path] && holds_keys(ini, {"mainwindowGeometry", "mainwindowState", "Font"})},
            {&fonts_path, fonts == old[&fonts_path],
             fonts.find("\\x33\\x33\\x66\\x66\\x99\\x99") != std::string::npos &&
                 holds_keys(fonts, {"Font", "FontTable", "MainWindowBackground", "ErgWindowBackground_ok",
                                    "ErgWindowBackground_fehler", "ToolBarBackground", "TableHeaderBackground"})},
        };
        for (const Seen& s : seen) {
            EXPECT_TRUE(s.same || s.complete_new) << kib << ": " << *s.path << " holds\n" << testutil::read_file(*s.path);
            // A file left as it was, though its content changed, is named with the reason.
            if (s.same && s.path != &nad_path) {
                EXPECT_TRUE(calllog::contains("\n" + *s.path + "\nkonnte nicht gespeichert werden!\n(Grund: ") ||
                            calllog::contains("Die Positionsdaten konnten nicht gespeichert werden!\n" + *s.path + "\n(Grund: "))
                    << kib << ": " << *s.path << " not named";
            }
        }
        if (free_kib == 0) {
            EXPECT_TRUE(calllog::contains("(Grund: Datenträger voll)")) << kib;
        }
    }

    // Started on the full disk, with the temporary folder there too: the settings cannot be read,
    // are named, and the next save keeps the user's file unless the user agrees.
    const std::string fonts = testutil::read_file(fonts_path);
    const char* tmpdir = std::getenv("TMPDIR");
    const std::string old_tmpdir = tmpdir ? tmpdir : "";
    setenv("TMPDIR", dir.file("disk").c_str(), 1);
    w.reset();
    disk.leave_free(0);
    calllog::clear();
    open_file();
    if (old_tmpdir.empty()) unsetenv("TMPDIR");
    else setenv("TMPDIR", old_tmpdir.c_str(), 1);
    EXPECT_TRUE(calllog::contains("file refused: Die Datei\n" + fonts_path + "\nkann nicht gelesen werden (Datenträger voll)."));
    disk.empty();
    calllog::clear();
    w->actionDaten_sichern->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Speichern: Die Einstellungsdatei\n" + fonts_path));
    EXPECT_EQ(testutil::read_file(fonts_path), fonts);
}

// A fonts and colours file that cannot be read at start is named, and the window's save does not
// replace the user's values by the defaults it showed unless the user says so.
TEST_F(WindowTest, ASettingsFileNotReadAtStartIsNamedAndReplacedOnlyWhenAsked)
{
    const std::string theirs = "[General]\nFont=\"DejaVu Sans,11,-1,5,50,0,0,0,0,0\"\n;" + std::string(2 << 20, 'x') + "\n";
    ASSERT_TRUE(testutil::write_file(fonts_path, theirs));
    const std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    EXPECT_TRUE(calllog::contains("file refused: Die Datei\n" + fonts_path + "\nist größer als"));
    calllog::clear();
    w->actionDaten_sichern->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Speichern: Die Einstellungsdatei\n" + fonts_path +
                                  "\nkonnte beim Start nicht gelesen werden"));
    EXPECT_EQ(testutil::read_file(fonts_path), theirs) << "nobody answered: the file stays";
    EXPECT_NE(testutil::read_file(inp_path), "") << "the position is saved all the same";

    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    w->actionDaten_sichern->trigger();
    EXPECT_NE(testutil::read_file(fonts_path).find("MainWindowBackground"), std::string::npos);
}
