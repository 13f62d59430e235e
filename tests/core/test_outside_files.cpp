// Every reader of a file from outside the program, with a pipe, a link to a device, a folder or a
// file too large for its format in that file's place: the reader ends at once, reads nothing and
// the file is named with the reason.
#include "../environment/tool_fixture.h"
#include "core/import_forces.h"
#include "environment/tool_exchange.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "fasteners/fastener_tables.h"
#include "import_env_fixture.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "national_annex/nad_wusl_tables.h"
#include "output/oli_picture.h"
#include "platform/env/ini_screen.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_help.h"
#include "platform/os/calllog.h"
#include "platform/os/regular_file.h"
#include "common/test_util.h"
#include <QMessageBox>
#include <QSettings>
#include <QString>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Kind { Fifo, DevZero, Folder, Oversized };

struct KindCase {
    Kind kind;
    const char* what;
    const char* reason;   // start of the reason
};

const KindCase kKinds[] = {
    {Kind::Fifo, "FIFO", "ist keine Datei (eine Pipe)"},
    {Kind::DevZero, "link to /dev/zero", "ist keine Datei (ein Gerät)"},
    {Kind::Folder, "folder", "ist keine Datei (ein Ordner)"},
    {Kind::Oversized, "oversized file", "ist größer als "},
};

// Puts the special file at path; an oversized file is sparse, one byte past the bound.
void make_special(Kind kind, const std::string& path, std::size_t bound)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::remove_all(path);
    switch (kind) {
    case Kind::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
    case Kind::DevZero: ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); break;
    case Kind::Folder: std::filesystem::create_directory(path); break;
    case Kind::Oversized:
        ASSERT_TRUE(testutil::write_file(path, "3\n"));
        ASSERT_EQ(::truncate(path.c_str(), off_t(bound) + 1), 0);
        break;
    }
}

// The scratch environment every reader finds its files in.
struct Environment {
    toolfix::ScratchEnvironment tools;
    std::string privat = tools.root() + "/DATA/PRIVATE";
    std::string dram = tools.root() + "/DRAM";
    std::string old_cwd = std::filesystem::current_path().string();
    Environment()
    {
        std::filesystem::create_directories(privat);
        std::filesystem::create_directories(dram);
        ::setenv("DRAM", dram.c_str(), 1);
        vyk_env_reset();
        Set_CurOb_Privat_Datapath(privat.c_str());
        inp_path = tools.root() + "/T1_07.inp";
        nad_path = tools.root() + "/T1_07.nad";
    }
    ~Environment()
    {
        ::unsetenv("DRAM");
        vyk_env_reset();
    }
};

struct Reader {
    const char* what;
    std::string (*file)(const Environment& e);   // the file it reads
    std::size_t bound;
    // Runs the reader; true when it read nothing and ended as a refused file makes it end.
    std::function<bool(Environment& e)> read;
    bool own_message;   // names the file in its own report instead of the reporter's message
};

bool position_refused(Environment&, const char* reason)
{
    TAVO52_DATA d;
    const bool ended = d.read_data() == 1;
    return ended && d.open_report.outcome == PositionReadReport::Unreadable && d.open_report.reason.rfind(reason, 0) == 0;
}

const char* g_reason = "";

const Reader kReaders[] = {
    {"position file", [](const Environment&) { return inp_path; }, file_bounds::kPosition,
     [](Environment& e) { return position_refused(e, g_reason); }, true},
    {"position header", [](const Environment& e) { return e.tools.root() + "/T1_07.txt"; }, file_bounds::kSmallText,
     [](Environment& e) { return read_position_title(e.tools.root() + "/T1_07.txt").isEmpty(); }, false},
    {"choice file", [](const Environment&) { return nad_path; }, file_bounds::kSmallText,
     [](Environment&) {
         testutil::write_file(inp_path, "3\n");
         TAVO52_DATA d;
         d.read_data();
         return true;
     },
     false},
    {"settings file", [](const Environment& e) { return e.dram + "/tavo52_fonts"; }, file_bounds::kSettings,
     [](Environment& e) {
         bool called = false;
         return !read_settings_file(QString::fromStdString(e.dram + "/tavo52_fonts"), [&](QSettings&) { called = true; }) &&
                !called;
     },
     false},
    {"annex set", [](const Environment& e) { return e.tools.root() + "/DATA/NAD/Deutschland.NAD"; }, file_bounds::kTable,
     [](Environment&) {
         static NadSet s;
         return nad_load_set(0, "Deutschland", &s) == 0;
     },
     false},
    {"user set", [](const Environment& e) { return e.dram + "/NADS/1.NAD"; }, file_bounds::kTable,
     [](Environment&) {
         static NadSet s;
         return nad_load_set(1, nullptr, &s) == 0;
     },
     false},
    {"WUSL tables", [](const Environment& e) { return e.tools.root() + "/DATA/NAD/WUSL-Tabs.def"; }, file_bounds::kTable,
     [](Environment&) {
         static NadStdParams p;
         return nad_wusl_read_defs(&p) == 0;
     },
     false},
    {"screw table", [](const Environment& e) { return e.privat + "/ec5_spax_s_vg.dat"; }, file_bounds::kTable,
     [](Environment&) { return read_ec5_spax_s_vg() == 0; }, false},
    {"help", [](const Environment& e) { return e.privat + "/K7_TAVO52.HLP"; }, file_bounds::kHelp,
     [](Environment& e) {
         Init_Helpview(e.privat.c_str(), "K7_TAVO52.HLP");
         return std::string(Helpview_topic_text("TAVO52")).empty();
     },
     false},
    {"picture in the output list", [](const Environment& e) { return e.privat + "/Bild.bmp"; }, file_bounds::kPicture,
     [](Environment& e) {
         FILE* out = std::tmpfile();
         OliPictureOptions embed{};
         embed.flags = 0x1000;
         const bool written = oli_text_picture_record(out, 5, 3, (e.privat + "/Bild.bmp").c_str(), &embed) == 0;
         std::string list(64, '\0');
         std::rewind(out);
         list.resize(std::fread(&list[0], 1, list.size(), out));
         std::fclose(out);
         return written && list.size() >= 4 && list.compare(list.size() - 4, 4, "{\n}\n") == 0;
     },
     false},
};

} // namespace

TEST(OutsideFiles, EveryReaderRefusesSpecialAndOversizedFilesAtOnceAndNamesThem)
{
    for (const Reader& r : kReaders) {
        for (const KindCase& k : kKinds) {
            Environment env;
            const std::string path = r.file(env);
            make_special(k.kind, path, r.bound);
            calllog::clear();
            g_reason = k.reason;
            const auto start = std::chrono::steady_clock::now();
            EXPECT_TRUE(r.read(env)) << r.what << ", " << k.what;
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << r.what << ", " << k.what;
            if (!r.own_message) {
                EXPECT_TRUE(calllog::contains("file refused: Die Datei\n" + path + "\n" + k.reason))
                    << r.what << ", " << k.what;
            }
            std::filesystem::remove_all(path);
        }
    }
}

// The internal-force tool leaves a pipe, a device or a folder as its result: the import ends
// without rows and its failure names the file and what it is.
TEST(OutsideFiles, ToolResultThatIsNoFileEndsTheImportCleanly)
{
    const char* const names[2] = {"linker Rand", "rechter Rand"};
    const struct {
        const char* what;
        const char* make;   // shell command that puts the result in place
        const char* reason;
    } cases[] = {
        {"FIFO", "mkfifo \"$TEMP/Trobavex.res\"", "ist keine Datei (eine Pipe)"},
        {"link to /dev/zero", "ln -s /dev/zero \"$TEMP/Trobavex.res\"", "ist keine Datei (ein Gerät)"},
        {"folder", "mkdir \"$TEMP/Trobavex.res\"", "ist keine Datei (ein Ordner)"},
    };
    for (const auto& c : cases) {
        toolfix::ScratchEnvironment env;
        importfix::put_component(env, "TRAEGER");
        const std::string tool = env.exec() + "/Trobavex";
        ASSERT_TRUE(testutil::write_file(tool, std::string("#!/bin/sh\n") + c.make + "\n"));
        ::chmod(tool.c_str(), 0755);
        last_component = nullptr;
        clear_imported_forces();
        calllog::clear();
        calllog::clear_answers();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, names), 0) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
        EXPECT_EQ(imported_forces_failure(), "Die Ergebnisdatei des Schnittgrößenwerkzeugs\n" + env.temp() +
                                                 "/Trobavex.res\n" + c.reason + ".")
            << c.what;
        EXPECT_EQ(imported_force_rows_of_set(0), 0) << c.what;
        clear_imported_forces();
        last_component = nullptr;
    }
}
