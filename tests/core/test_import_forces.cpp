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

    // A damaged archive gives no export file: the tool is not started.
    testutil::write_file(env.components() + "/ARCHIV.7z", "damaged");
    calllog::clear();
    calllog::push_answer(QMessageBox::Yes);
    EXPECT_EQ(Import_BeamCutMultiResults(nullptr, 1000, 4159, 0, 1, 2, kNames), 0);
    EXPECT_FALSE(tool_started());
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
