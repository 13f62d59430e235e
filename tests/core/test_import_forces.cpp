// The internal-force import: reading the tool's result file, and the whole exchange with the
// stand-in component selection and internal-force tool.
#include "core/import_forces.h"
#include "core/tavo52_data.h"
#include "../environment/tool_fixture.h"
#include "environment/tool_exchange.h"
#include "environment/vykexputil.h"
#include "import_env_fixture.h"
#include "platform/os/calllog.h"

#include <gtest/gtest.h>
#include <QMessageBox>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

using importfix::five_rows;
using importfix::row;

namespace {

const char* const kNames[2] = {"linker Rand", "rechter Rand"};

int read_result(const std::string& bytes, int n)
{
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    int r = read_beam_cut_results(f, n);
    std::fclose(f);
    return r;
}

class Import : public ::testing::Test {
protected:
    void SetUp() override
    {
        last_component = nullptr;
        clear_imported_forces();
        calllog::clear();
        calllog::clear_answers();
    }
    void TearDown() override
    {
        clear_imported_forces();
        last_component = nullptr;
    }
    void put_component(const std::string& name) { importfix::put_component(env, name); }
    bool tool_started() const { return importfix::tool_started(env); }
    toolfix::ScratchEnvironment env;
};

} // namespace

TEST(ImportedTable, RowsAreSplitByTheCountsOfTheSets)
{
    ASSERT_EQ(read_result(importfix::result_file(2, importfix::two_cuts(), {2, 3}, five_rows()), 2), 5);
    EXPECT_EQ(imported_force_rows_of_set(0), 2);
    EXPECT_EQ(imported_force_rows_of_set(1), 3);
    EXPECT_EQ(imported_force_rows_of_set(2), 0);
    ASSERT_NE(imported_force_header(1), nullptr);
    EXPECT_EQ(imported_force_header(1)->header.id, 2);
    EXPECT_EQ(imported_force_header(2), nullptr);
    float v[12];
    ASSERT_EQ(imported_force_values(2, v), 1);
    EXPECT_FLOAT_EQ(v[2], 9);
    EXPECT_FLOAT_EQ(v[10], 12);
    EXPECT_EQ(imported_force_accidental(1), 1);
    EXPECT_DOUBLE_EQ(imported_force_kmod(1), double(1.1f));
    EXPECT_STREQ(imported_force_text2(4), "R3");
    // The first text was written empty: its slot stays null; slots 3 to 7 are never filled.
    EXPECT_EQ(imported_force_text1(0), nullptr);
    EXPECT_EQ(imported_force_text3(0), nullptr);
    EXPECT_EQ(imported_force_values(5, v), 0);

    clear_imported_forces();
    EXPECT_EQ(imported_force_header(0), nullptr);
    EXPECT_EQ(imported_force_rows_of_set(0), 0);
    EXPECT_EQ(imported_force_values(0, v), 0);
    EXPECT_EQ(imported_force_accidental(1), 0);
    EXPECT_EQ(imported_force_kmod(1), 0.0);
    EXPECT_EQ(imported_force_text2(4), nullptr);
}

TEST(ImportedTable, IncompleteOrInconsistentFilesImportNothing)
{
    const std::string good = importfix::result_file(2, importfix::two_cuts(), {2, 3}, five_rows());
    auto rows_missing_text = five_rows();
    std::string no_second_text = importfix::result_file(2, importfix::two_cuts(), {2, 3}, rows_missing_text);
    no_second_text = no_second_text.substr(0, no_second_text.rfind("\xAE"));   // last row's second text cut off
    struct Case {
        const char* what;
        std::string bytes;
        int n;
    } cases[] = {
        {"three sets while two were asked", importfix::result_file(3, importfix::two_cuts(), {2, 3}, five_rows()), 2},
        {"no MULTICUT", good.substr(good.find('\n') + 1), 2},
        {"no RESULTS", good.substr(0, good.find("RESULTS")), 2},
        {"negative count", importfix::result_file(2, importfix::two_cuts(), {-1, 6}, five_rows()), 2},
        {"no rows", importfix::result_file(2, importfix::two_cuts(), {0, 0}, {}), 2},
        {"second text missing", no_second_text, 2},
        {"fewer rows than stated", importfix::result_file(2, importfix::two_cuts(), {2, 4}, five_rows()), 2},
        {"eleven sets", good, 11},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read_result(c.bytes, c.n), 0) << c.what;
        EXPECT_EQ(imported_force_rows_of_set(0), 0) << c.what;
    }
    clear_imported_forces();
}

TEST_F(Import, FirstImportRunsTheSelectionAndTheToolWithItsArguments)
{
    put_component("TRAEGER");
    ASSERT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 5);
    EXPECT_FALSE(calllog::contains("QMessageBox: Bauteil"));
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 1 " + env.exec() + "/VYOSelct 3"));
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 1 " + env.exec() + "/Trobavex " + env.components() +
                                  "/TRAEGER.EX2 1000 4159 0 1 2 linker Rand rechter Rand"));
    EXPECT_TRUE(calllog::contains("watch_tool_window: VYK - Schnittgrößenauswahl: Bitte wählen Sie Schnittgrößen aus"));
    ASSERT_NE(last_component, nullptr);
    EXPECT_STREQ(last_component->name, "TRAEGER");
    EXPECT_EQ(imported_force_rows_of_set(1), 3);
    // A component that is no archive keeps its export file.
    EXPECT_TRUE(std::filesystem::exists(env.components() + "/TRAEGER.EX2"));

    // Second import: the question names the component; Yes skips the selection.
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    ASSERT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 5);
    EXPECT_TRUE(calllog::contains("QMessageBox: Bauteil: Gleiches Bauteil (TRAEGER) wie zuvor?"));
    EXPECT_FALSE(calllog::contains("VYOSelct"));

    // No: the selection runs again and picks the new first component.
    put_component("ANDERER");
    calllog::clear();
    calllog::push_answer(QMessageBox::No);
    ASSERT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 5);
    EXPECT_TRUE(calllog::contains("VYOSelct"));
    EXPECT_STREQ(last_component->name, "ANDERER");
}

TEST_F(Import, CancelledSelectionImportsNothing)
{
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_EQ(last_component, nullptr);
    EXPECT_FALSE(tool_started());
}

TEST_F(Import, ArchivedComponentIsUnpackedBy7zaAndItsExportFileDeletedAfterwards)
{
    const std::string pack = env.root() + "/pack";
    std::filesystem::create_directories(pack);
    testutil::write_file(pack + "/AAAA.EX2", importfix::component_export(importfix::two_cuts(), {2, 3}, five_rows()));
    ASSERT_EQ(std::system(("cd '" + pack + "' && 7za a -t7z -y -bd '" + env.components() +
                           "/ARCHIV.7z' AAAA.EX2 >/dev/null").c_str()),
              0);
    ASSERT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 5);
    EXPECT_TRUE(calllog::contains("Trobavex " + env.temp() + "/AAAA.EX2 1000"));
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/AAAA.EX2"));

    // Also when the result turns out unusable: the export file is gone after the tool.
    testutil::write_file(pack + "/AAAA.EX2", importfix::component_export(importfix::two_cuts(), {2, 4}, five_rows()));
    std::filesystem::remove(env.components() + "/ARCHIV.7z");
    ASSERT_EQ(std::system(("cd '" + pack + "' && 7za a -t7z -y -bd '" + env.components() +
                           "/ARCHIV.7z' AAAA.EX2 >/dev/null").c_str()),
              0);
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/AAAA.EX2"));

    // A damaged archive gives no export file: the tool is not started, and the archive is named.
    testutil::write_file(env.components() + "/ARCHIV.7z", "damaged");
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_FALSE(tool_started());
    EXPECT_EQ(imported_forces_failure(), "Das Bauteil kann nicht aus dem Archiv\n" + env.components() +
                                             "/ARCHIV.7z\nentpackt werden: 7-Zip fehlt oder meldet einen Fehler "
                                             "(Protokoll 7zprot.txt im TEMP-Ordner).");
}

TEST_F(Import, OpenToolWindowGivesTheNoticeAndStartsNothing)
{
    put_component("TRAEGER");
    env.open_window("VYK - Schnittgrößenauswahl");
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_TRUE(calllog::contains("QMessageBox: Info: Das VYK-Werkzeug zur Auswahl von Schnittgrößen-\nsätzen ist "
                                  "bereits aktiv. Bitte schließen Sie\ndas Fenster und versuchen es erneut."));
    EXPECT_FALSE(tool_started());
}

TEST_F(Import, StaleResultFileIsNotImportedAgain)
{
    put_component("TRAEGER");
    // The tool does not come up this time; the result of an earlier run must not count.
    std::filesystem::remove(env.exec() + "/Trobavex");
    testutil::write_file(env.temp() + "/Trobavex.res",
                         importfix::result_file(2, importfix::two_cuts(), {2, 3}, five_rows()));
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_FALSE(std::filesystem::exists(env.temp() + "/Trobavex.res"));
}

// A result file the import cannot take: nothing comes in, and the failure names the file by its
// absolute path and what is wrong, down to the line. Lines of the good file: "MULTICUT" is
// line 1, "RESULTS" line L, the row counts L + 1 and the five rows L + 2 to L + 6.
TEST_F(Import, EachBadResultFileIsNamedWithItsReason)
{
    put_component("TRAEGER");
    const std::string good = importfix::result_file(2, importfix::two_cuts(), {2, 3}, five_rows());
    const size_t results_at = good.find("RESULTS");
    const long L = long(std::count(good.begin(), good.begin() + long(results_at), '\n')) + 1;
    std::vector<size_t> row_start;   // byte where each of the five rows begins
    for (size_t p = good.find('\n', good.find('\n', results_at) + 1) + 1; p < good.size(); p = good.find('\n', p) + 1)
        row_start.push_back(p);
    ASSERT_EQ(row_start.size(), 5u);
    std::string damaged = good;
    damaged.replace(damaged.find("0.000000", row_start[2]), 8, "x.000000");   // first value of row 3
    std::string bad_flag = good;
    bad_flag.replace(bad_flag.find(" 0 0.600000", row_start[2]), 2, " ?");    // its accidental flag
    const std::string cut_in_row = good.substr(0, row_start[4] + 20);        // inside the values of row 5
    const std::string cut_in_text = good.substr(0, good.size() - 3);         // "R3" of row 5 without its mark
    const std::string sets3 = importfix::result_file(3, importfix::two_cuts(), {2, 3}, five_rows());
    const std::string source = env.root() + "/answer";
    const struct {
        const char* what;
        std::string bytes;   // the tool's answer; none: the tool writes nothing
        bool folder;         // a folder in the result file's place
        std::string reason;
    } cases[] = {
        {"missing", "", false, "fehlt: das Werkzeug wurde ohne Auswahl geschlossen oder konnte sie nicht schreiben"},
        {"empty", "-", false, "ist leer"},
        {"damaged value", damaged, false, "ist in Zeile " + std::to_string(L + 4) + " beschädigt (Zahl erwartet)"},
        {"damaged flag", bad_flag, false, "ist in Zeile " + std::to_string(L + 4) + " beschädigt (ganze Zahl erwartet)"},
        {"cut in a row", cut_in_row, false,
         "endet in Zeile " + std::to_string(L + 6) + " vorzeitig (unvollständig: Zahl erwartet)"},
        {"cut in a text", cut_in_text, false,
         "endet in Zeile " + std::to_string(L + 6) +
             " vorzeitig (unvollständig: Text zwischen den Zeichen 0xAE und 0xAF erwartet)"},
        {"cut before RESULTS", good.substr(0, results_at), false,
         "enthält keine Zeile \"RESULTS\" (unvollständig oder beschädigt)"},
        {"three sets", sets3, false, "ist in Zeile 2 beschädigt (3 Sätze statt 2)"},
        {"no file", "", true, "ist keine Datei (ein Ordner)"},
    };
    const std::string tool = env.exec() + "/Trobavex";
    // Marks its window as open while it runs, as the tool does, so that the watch ends soon.
    auto put_tool = [&tool](const std::string& make) {
        ASSERT_TRUE(testutil::write_file(tool, "#!/bin/sh\nmkdir -p \"$TEMP/.windows\"\n"
                                               ": > \"$TEMP/.windows/VYK - Schnittgrößenauswahl\"\n" + make +
                                                   "\nsleep 0.2\nrm -f \"$TEMP/.windows/VYK - Schnittgrößenauswahl\"\n"));
        ::chmod(tool.c_str(), 0755);
    };
    for (const auto& c : cases) {
        std::string make;
        if (c.folder) make = "mkdir \"$TEMP/Trobavex.res\"";
        else if (c.bytes == "-") make = ": > \"$TEMP/Trobavex.res\"";
        else if (!c.bytes.empty()) {
            ASSERT_TRUE(testutil::write_file(source, c.bytes));
            make = "cat '" + source + "' > \"$TEMP/Trobavex.res\"";
        }
        put_tool(make);
        calllog::push_answer(QMessageBox::Yes);
        EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0) << c.what;
        EXPECT_EQ(imported_forces_failure(),
                  "Die Ergebnisdatei des Schnittgrößenwerkzeugs\n" + env.temp() + "/Trobavex.res\n" + c.reason + ".")
            << c.what;
        EXPECT_EQ(imported_force_rows_of_set(0), 0) << c.what;
        std::filesystem::remove_all(env.temp() + "/Trobavex.res");
    }
    // The good file again: no failure is left over.
    ASSERT_TRUE(testutil::write_file(source, good));
    put_tool("cat '" + source + "' > \"$TEMP/Trobavex.res\"");
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 5);
    EXPECT_EQ(imported_forces_failure(), "");
}

// A TEMP folder the tool cannot write its answer into: a file in its place, or a file system
// that is full before the tool starts or that the tool fills. The folder is named by its
// absolute path, also when TEMP is given relative to the working folder.
TEST_F(Import, ATempFolderThatCannotBeWrittenIsNamed)
{
    put_component("TRAEGER");
    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(env.root());
    const std::string blocked = env.root() + "/blocked";
    ASSERT_TRUE(testutil::write_file(blocked, "a file"));
    ::setenv("TEMP", "blocked", 1);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_EQ(imported_forces_failure(), "Der TEMP-Ordner\n" + blocked + "\nist kein Ordner.\n"
                                         "Das Schnittgrößenwerkzeug kann dort keine Ergebnisdatei schreiben.");
    EXPECT_FALSE(tool_started());
    ::setenv("TEMP", "./TEMP/../gone", 1);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_EQ(imported_forces_failure().substr(0, imported_forces_failure().find('\n', 17)),
              "Der TEMP-Ordner\n" + env.root() + "/gone");
    std::filesystem::current_path(was);

    // A small file system of its own: full from the start, then filled by the tool itself.
    const std::string small = env.root() + "/small";
    const testutil::FullDisk full(small);
    if (!full.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    ::setenv("TEMP", small.c_str(), 1);
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_EQ(imported_forces_failure(), "Der TEMP-Ordner\n" + small + "\nDatenträger voll.\n"
                                         "Das Schnittgrößenwerkzeug kann dort keine Ergebnisdatei schreiben.");
    EXPECT_FALSE(tool_started());

    full.unfill();
    const std::string fill = "dd if=/dev/zero of='" + small + "/fill' bs=1k 2>/dev/null";
    const std::string tool = env.exec() + "/Trobavex";
    ASSERT_TRUE(testutil::write_file(tool, "#!/bin/sh\n" + fill + "\nprintf 'MULTICUT\\n2\\n' > \"$TEMP/Trobavex.res\"\n"));
    ::chmod(tool.c_str(), 0755);
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_EQ(imported_forces_failure(), "Die Ergebnisdatei des Schnittgrößenwerkzeugs\n" + small +
                                             "/Trobavex.res\nist leer.\nDer TEMP-Ordner\n" + small +
                                             "\nDatenträger voll.");
}

TEST_F(Import, MoreThanTenSetsAreRefused)
{
    put_component("TRAEGER");
    const char* names[11] = {};
    testing::internal::CaptureStdout();
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 11, names), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
    EXPECT_FALSE(calllog::contains("VYKSpawnv"));
}

// An imported load takes the limits of a typed one: each value beyond them, or no finite number,
// is named; values on the limits pass.
TEST(ImportedLoad, RefusalNamesEachValueBeyondTheLimits)
{
    const double nan = std::nan(""), inf = HUGE_VAL;
    struct Case {
        double v_l, m_r, kmod;
        const char* named;   // what the refusal names, empty when the load passes
    } cases[] = {
        {9999, -9999, 1.1, ""},
        {-9999, 9999, 0.01, ""},
        {9999.5, 0, 0.9, "V_d links = 9999.5"},
        {0, -inf, 0.9, "M_d rechts = -inf"},
        {nan, 0, 0.9, "V_d links = nan"},
        // k_mod above 0 up to 1.10, the largest of EN 1995-1-1 Table 3.1.
        {0, 0, 1.11, "k_mod = 1.11"},
        {0, 0, 1.5, "k_mod = 1.5"},
        {0, 0, 2.0, "k_mod = 2"},
        {0, 0, 2.01, "k_mod = 2.01"},
        {0, 0, 0.0, "k_mod = 0"},
        {0, 0, -0.5, "k_mod = -0.5"},
        {1e308, 0, nan, "V_d links = 1e+308, k_mod = nan"},
    };
    for (const Case& c : cases) {
        LoadRow load;
        load.name = QStringLiteral("LK 7");
        load.v_l = c.v_l;
        load.m_r = c.m_r;
        load.kmod = c.kmod;
        const QString why = imported_load_refusal(3, load);
        if (!*c.named) {
            EXPECT_TRUE(why.isEmpty()) << why.toStdString();
            continue;
        }
        EXPECT_EQ(why.toStdString(), std::string("Kombination 3 \"LK 7\" nicht übernommen: ") + c.named +
                                         " (erlaubt sind Kräfte und Momente von -9999 bis 9999, k_mod über 0 bis 1.1)\n");
    }
    // The tool writes k_mod in single precision: 1.10 arrives as 1.1000000238... and is taken as 1.1.
    const struct {
        float single;
        double taken;
    } singles[] = {{1.1f, 1.1}, {1.11f, 1.11}, {0.9f, 0.9}, {2.01f, 2.01}, {0.001f, 0.001}};
    for (const auto& k : singles) {
        EXPECT_EQ(imported_kmod_decimal(double(k.single)), k.taken) << k.single;
        LoadRow load;
        load.kmod = imported_kmod_decimal(double(k.single));
        EXPECT_EQ(imported_load_refusal(1, load).isEmpty(), k.taken <= 1.1) << k.single;
    }
}
