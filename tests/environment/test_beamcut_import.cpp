// The internal-force import of the older dialogs: its own table, the stand-in tools, the
// single-cut result form and the refusals.
#include "environment/beamcut_import.h"
#include "../core/import_env_fixture.h"
#include "environment/tool_exchange.h"
#include "platform/os/calllog.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <string>

using importfix::five_rows;

namespace {

const char* const kLabels[2] = {"linker Rand", "rechter Rand"};

FILE* bytes_file(const std::string& bytes)
{
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

void expect_empty_getters()
{
    float v[12] = {};
    EXPECT_EQ(beamcut_result_values(0, v), 0);
    EXPECT_EQ(beamcut_result_accidental(1), 0);
    EXPECT_EQ(beamcut_result_kmod(1), 0.0);
    EXPECT_EQ(beamcut_result_text_2(0), nullptr);
    EXPECT_EQ(beamcut_result_text_7(0), nullptr);
    EXPECT_EQ(beamcut_set_object(0), nullptr);
    EXPECT_EQ(beamcut_set_rows(1), 0);
}

class BeamCutImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        beamcut_forget_component();
        beamcut_import_clear();
        calllog::clear();
        calllog::clear_answers();
    }
    void TearDown() override
    {
        beamcut_import_clear();
        beamcut_forget_component();
    }
    void put_component(const std::string& name) { importfix::put_component(env, name); }
    bool tool_started() const { return importfix::tool_started(env); }
    toolfix::ScratchEnvironment env;
};

} // namespace

// A table read by another import (through the shared reader) is not this import's table.
TEST(BeamCutTable, GettersStayEmptyWithoutAnImportOfTheirOwn)
{
    beamcut_import_clear();
    BeamCutTable other = {};
    FILE* f = bytes_file(importfix::result_file(2, importfix::two_cuts(), {2, 3}, five_rows()));
    ASSERT_EQ(beamcut_table_read(&other, f, 2), 5);
    std::fclose(f);
    EXPECT_EQ(other.rows_per_set[1], 3);
    expect_empty_getters();
    beamcut_table_clear(&other);
}

TEST_F(BeamCutImport, ImportThroughTheToolsFillsItsTable)
{
    put_component("TRAEGER");
    ASSERT_EQ(import_beamcut_multi(1000, 4159, 0, 1, 2, kLabels), 5);
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 1 " + env.exec() + "/Trobavex " + env.components() +
                                  "/TRAEGER.EX2 1000 4159 0 1 2 linker Rand rechter Rand"));
    EXPECT_EQ(beamcut_set_rows(0), 2);
    EXPECT_EQ(beamcut_set_rows(1), 3);
    EXPECT_EQ(beamcut_set_rows(2), 0);
    ASSERT_NE(beamcut_set_object(1), nullptr);
    EXPECT_EQ(beamcut_set_object(2), nullptr);
    float v[12];
    ASSERT_EQ(beamcut_result_values(2, v), 1);
    EXPECT_FLOAT_EQ(v[2], 9);
    EXPECT_FLOAT_EQ(v[10], 12);
    EXPECT_EQ(beamcut_result_accidental(1), 1);
    EXPECT_DOUBLE_EQ(beamcut_result_kmod(1), double(1.1f));
    EXPECT_EQ(beamcut_result_text(0), nullptr);   // written empty
    EXPECT_STREQ(beamcut_result_text_2(4), "R3");
    EXPECT_EQ(beamcut_result_text_3(4), nullptr);
    EXPECT_EQ(beamcut_result_values(5, v), 0);
    ASSERT_NE(beamcut_last_component_stem(), nullptr);
    EXPECT_EQ(std::string(beamcut_last_component_stem()), env.components() + "/TRAEGER");

    // The next import asks in the environment's box whether to take the same component.
    calllog::clear();
    calllog::push_answer(1);
    ASSERT_EQ(import_beamcut_multi(1000, 4159, 0, 1, 2, kLabels), 5);
    EXPECT_TRUE(calllog::contains("Answer_is_Yes: Gleiches Bauteil\n(TRAEGER)\nwie zuvor?"));
    EXPECT_FALSE(calllog::contains("VYOSelct"));

    // Zero sets: no count and no labels go to the tool, and nothing is imported.
    calllog::clear();
    calllog::push_answer(1);
    EXPECT_EQ(import_beamcut_multi(1000, 4159, 0, 1, 0, kLabels), 0);
    EXPECT_TRUE(calllog::contains("/TRAEGER.EX2 1000 4159 0 1"));
    EXPECT_FALSE(calllog::contains("/TRAEGER.EX2 1000 4159 0 1 0"));
    expect_empty_getters();
}

TEST_F(BeamCutImport, RefusalsStartNoTool)
{
    put_component("TRAEGER");
    const char* labels[11] = {};
    testing::internal::CaptureStdout();
    EXPECT_EQ(import_beamcut_multi(1000, 4159, 0, 1, 11, labels), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
    EXPECT_FALSE(calllog::contains("VYKSpawnv"));

    // An archive that cannot be unpacked gives no export file for the tool.
    SelectedComponent packed = {};
    packed.archived = 1;
    std::strcpy(packed.name, "ARCHIV");
    std::strcpy(packed.archive_path, (env.components() + "/ARCHIV.7z").c_str());
    testutil::write_file(packed.archive_path, "damaged");
    EXPECT_EQ(import_beamcut_multi_classic(&packed, 1000, 4159, 0, 1, 2, kLabels), 0);
    EXPECT_FALSE(tool_started());

    // The tool's window is open already: the notice, and nothing started.
    calllog::clear();
    env.open_window("VYK - Schnittgrößenauswahl");
    SelectedComponent plain = {};
    std::strcpy(plain.path_stem, (env.components() + "/TRAEGER").c_str());
    EXPECT_EQ(import_beamcut_multi_classic(&plain, 1000, 4159, 0, 1, 2, kLabels), 0);
    EXPECT_TRUE(calllog::contains("Das VYK-Werkzeug zur Auswahl von Schnittgrößen-\nsätzen ist bereits aktiv. "
                                  "Bitte schließen Sie\ndas Fenster und versuchen es erneut."));
    EXPECT_FALSE(tool_started());
}

TEST(BeamCutTable, SingleCutFormWithItsInfoTexts)
{
    beamcut_import_clear();
    const std::string rows = "V:3\n2 3\n 1.5 2.5 3.5 0 0.9 \xAE" "A\xAF \xAE" "B\xAF\n"
                             " 4 5 6 1 1.1 \xAE\xAF \xAE" "D\xAF\n";
    const std::string info = "2 Info\n\xAE" "i1\xAF \xAE\xAF \xAE" "i3\xAF \xAE" "i4\xAF \xAE" "i5\xAF\n"
                             "\xAE" "j1\xAF \xAE" "j2\xAF \xAE" "j3\xAF \xAE" "j4\xAF \xAE" "j5\xAF\n";
    FILE* f = bytes_file(rows + info);
    ASSERT_EQ(beamcut_read_single(f), 2);
    std::fclose(f);
    float v[3];
    ASSERT_EQ(beamcut_result_values(1, v), 1);
    EXPECT_FLOAT_EQ(v[0], 4);
    EXPECT_FLOAT_EQ(v[2], 6);
    EXPECT_EQ(beamcut_result_accidental(1), 1);
    EXPECT_STREQ(beamcut_result_text(0), "A");
    EXPECT_EQ(beamcut_result_text(1), nullptr);
    EXPECT_STREQ(beamcut_result_text_3(0), "i1");
    EXPECT_EQ(beamcut_result_text_4(0), nullptr);
    EXPECT_STREQ(beamcut_result_text_7(1), "j5");
    EXPECT_EQ(beamcut_set_object(0), nullptr);   // no sets in this form

    // An Info block of the wrong count keeps the rows without their texts.
    f = bytes_file(rows + "3 Info\n\xAE" "i1\xAF");
    EXPECT_EQ(beamcut_read_single(f), 2);
    std::fclose(f);
    EXPECT_STREQ(beamcut_result_text_2(1), "D");
    EXPECT_EQ(beamcut_result_text_3(0), nullptr);

    // No version line, no positive counts, or fewer rows than stated: nothing.
    for (const std::string& bad : {std::string("2 3\n"), std::string("V:1\n0 3\n"), std::string("V:1\n2 -1\n"),
                                   std::string("V:1\n3 3\n 1 2 3 0 1 \xAE\xAF \xAE\xAF\n")}) {
        f = bytes_file(bad);
        EXPECT_EQ(beamcut_read_single(f), 0) << bad;
        std::fclose(f);
        expect_empty_getters();
    }
}
