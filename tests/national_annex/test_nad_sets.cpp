// Set files, the list of sets, activation, the position's choice block, migration of the old
// single file and the application registry, over fixture DATA, DRAM and EXEC folders.
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_set_files.h"
#include "nad_folders.h"
#include "platform/os/calllog.h"
#include "nad_test_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "common/test_util.h"
#include "platform/os/calllog.h"
#include <cstdio>

namespace {

const std::string kShipped = std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/NAD/";

using NadSets = NadFolders;

} // namespace

// The first access loads "Deutschland" from the DATA folder; the values the checks read.
TEST_F(NadSets, FirstAccessLoadsDeutschland)
{
    ship_both();
    // As the position reader does it; the EC9 pointer comes with the other two.
    cur_ec3_params = nad_part_ec3();
    cur_ec5_params = nad_part_ec5();
    ASSERT_EQ(cur_ec5_params, &nad_current_set.ec5);
    EXPECT_EQ(nad_active_set_load_failed(), 0);
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_STREQ(nad_current_set.set_name, "Deutschland");
    EXPECT_EQ(nad_active_flag(), 18);
    EXPECT_EQ(nad_country_index(), 1);
    EXPECT_EQ(cur_ec5_params->country, 1);
    EXPECT_EQ(cur_ec5_params->kcr_mode, 2);
    EXPECT_DOUBLE_EQ(cur_ec5_params->kcr_solid_glulam, 0.67);
    EXPECT_EQ(cur_ec5_params->kmod_na1_note_b, 1);
    EXPECT_DOUBLE_EQ(cur_ec5_params->gamma_m_solid, 1.3);
    EXPECT_DOUBLE_EQ(cur_ec5_params->gamma_m_glulam, 1.3);
    EXPECT_DOUBLE_EQ(cur_ec5_params->gamma_m_lvl_plywood_osb, 1.3);
    EXPECT_DOUBLE_EQ(cur_ec5_params->gamma_m_accidental, 1.0);
    EXPECT_EQ(cur_ec3_params->country, 1);
    EXPECT_DOUBLE_EQ(cur_ec3_params->ec3_1.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(cur_ec3_params->ec3_1.gamma_m2, 1.25);
    EXPECT_DOUBLE_EQ(cur_ec3_params->ec3_1.gamma_m2_accidental, 1.15);
    ASSERT_EQ(cur_ec9_params, &nad_current_set.ec9);
    EXPECT_DOUBLE_EQ(cur_ec9_params->gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(nad_part_ec2()->gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(nad_part_ec2()->gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(nad_part_ec2()->gamma_s[3], 1.0);

    // The built-in standard set comes from "Standard.NAD": EC values, no country.
    EXPECT_EQ(nad_set_active("EC-Standardparameter"), 0);
    EXPECT_EQ(nad_active_flag(), 19);
    EXPECT_EQ(cur_ec5_params->country, 0);
    EXPECT_EQ(cur_ec5_params->kcr_mode, 1);
    EXPECT_DOUBLE_EQ(cur_ec5_params->gamma_m_lvl_plywood_osb, 1.2);
    EXPECT_DOUBLE_EQ(cur_ec3_params->ec3_1.gamma_m1, 1.0);
    EXPECT_STREQ(nad_active_display_name(), "EC-Standardparameter");
}

// A missing or damaged "Deutschland.NAD": the standard values stay, and the failure is logged
// on every activation and reported to the caller.
TEST_F(NadSets, UnloadableDeutschlandFallsBackToStandardValuesAndSaysSo)
{
    for (const char* content : {static_cast<const char*>(nullptr), "NAD-Version 1\n garbage\n"}) {
        SCOPED_TRACE(content ? "damaged" : "missing");
        nad_forget_state();
        remove((data + "/NAD/Deutschland.NAD").c_str());
        if (content) ship("Deutschland.NAD", content);
        testing::internal::CaptureStdout();
        NadEc5Block* ec5 = nad_part_ec5();
        const int again = nad_set_active("Deutschland");
        const std::string console = testing::internal::GetCapturedStdout();
        EXPECT_EQ(again, -1);
        EXPECT_EQ(nad_active_set_load_failed(), 1);
        EXPECT_STREQ(nad_active_name(), "Deutschland");
        EXPECT_STREQ(nad_current_set.set_name, "EC-Standard");
        EXPECT_EQ(ec5->country, 0);
        EXPECT_EQ(ec5->kcr_mode, 1);
        EXPECT_DOUBLE_EQ(ec5->gamma_m_lvl_plywood_osb, 1.2);
        const std::string line = "the set file of \"Deutschland\" could not be loaded";
        const size_t first = console.find(line);
        ASSERT_NE(first, std::string::npos);
        EXPECT_NE(console.find(line, first + 1), std::string::npos);   // logged each time
    }
}

TEST_F(NadSets, ListStopsAtTheFirstMissingUserSet)
{
    ship_both();
    user_set(1, "Eins", 0);
    user_set(2, "Lang", 1);
    const std::string two = dram + "/NADS/2.NAD";
    std::string bytes = testutil::read_file(two);
    bytes.replace(bytes.find("Lang"), 4, "A set name far longer than twenty-seven characters");
    ASSERT_TRUE(testutil::write_file(two, bytes));
    user_set(4, "Vier", 0);
    for (int build = 0; build < 2; ++build) {
        nad_read_list();
        ASSERT_EQ(nad_list.count, 4);
        EXPECT_STREQ(nad_list.names[0], "EC-Standardparameter");
        EXPECT_STREQ(nad_list.names[1], "Deutschland");
        EXPECT_STREQ(nad_list.names[2], "Eins");
        EXPECT_EQ(nad_list.file_numbers[3], 2);
        EXPECT_EQ(nad_list.flag_indexes[3], 2);
        EXPECT_STREQ(nad_list.active_name, "Deutschland");
    }
    // The list and the set record keep the full name.
    EXPECT_STREQ(nad_list.names[3], "A set name far longer than twenty-seven characters");
    EXPECT_EQ(nad_set_active(nad_list.names[3]), 0);
    EXPECT_STREQ(nad_current_set.set_name, "A set name far longer than twenty-seven characters");
    EXPECT_EQ(nad_current_set.user_set, 1);
    EXPECT_EQ(nad_part_ec5()->country, 1);
    EXPECT_STREQ(nad_active_display_name(), "A set name far longer than twenty-seven characters (benutzerdefiniert)");

    nad_store_user_set(2, nullptr);
    nad_read_list();
    EXPECT_EQ(nad_list.count, 3);   // 4.NAD stands beyond the gap
}

TEST_F(NadSets, OldSingleFileMigratesOnce)
{
    std::string old = "; user sets of an older release\n";
    const char* names[3] = {"Alt Eins", "Alt Zwei", "Alt Drei"};
    for (int k = 0; k < 3; ++k) {
        NadEc2Block ec2;
        nad_ec2_set_defaults(&ec2);
        NadEc3Block ec3;
        nad_ec3_set_annex_defaults(&ec3);
        NadEc5Block ec5;
        nad_ec5_set_defaults(&ec5);
        ec5.gamma_m_lvl_plywood_osb = 1.2 + 0.01 * k;
        NadEc0Block ec0;
        nad_ec0_set_defaults(&ec0);
        old += "#NAD\n " + std::to_string(5 + k) + " \xAE" + names[k] + "\xAF\n";
        old += nadtest::text_of([&](FILE* f) { nad_ec2_write(f, &ec2); });
        old += " EC3 Parameter\n 1\n" + nadtest::text_of([&](FILE* f) { nad_ec3_write(f, &ec3); });
        old += " EC5 Parameter\n" + nadtest::text_of([&](FILE* f) { nad_ec5_write(f, &ec5); });
        old += " Lastfaktoren\n" + nadtest::text_of([&](FILE* f) { nad_ec0_write(f, &ec0); }) + "\n";
    }
    ASSERT_TRUE(testutil::write_file(dram + "/NADs-EC2.DEF", old));

    nad_read_list();
    ASSERT_EQ(nad_list.count, 5);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_STREQ(nad_list.names[2 + k], names[k]);
        EXPECT_EQ(nad_list.flag_indexes[2 + k], 5 + k);
        static NadSet s;
        nad_reset_current_set();
        s = nad_current_set;
        ASSERT_EQ(nad_load_set(k + 1, nullptr, &s), 1);
        EXPECT_EQ(s.country, 0);
        EXPECT_DOUBLE_EQ(s.ec5.gamma_m_lvl_plywood_osb, 1.2 + 0.01 * k);
        EXPECT_DOUBLE_EQ(s.ec3.ec3_1.gamma_m1, 1.1);
        EXPECT_DOUBLE_EQ(s.ec6.gamma_m_persistent, 1.5);
        EXPECT_DOUBLE_EQ(s.ec9.c_constant, 1.2);
    }
    // The folder NADS is the sign that the migration ran: a second build changes nothing.
    remove((dram + "/NADS/3.NAD").c_str());
    nad_read_list();
    EXPECT_EQ(nad_list.count, 4);
    EXPECT_EQ(testutil::read_file(dram + "/NADs-EC2.DEF"), old);
}

TEST_F(NadSets, ChoiceBlockWrittenAndReadBack)
{
    ship_both();
    user_set(1, "Eins", 0);
    const std::string block = nadtest::text_of(nad_write_active_name);
    EXPECT_EQ(block, "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n");

    struct Case { const char* what; std::string file; const char* active; int country; bool warns; };
    const Case cases[] = {
        {"user set", "0\n\nACTIV_NADNAME\n\xAE" "Eins\xAF\n0\n", "Eins", 0, false},
        {"Deutschland", block + "0\n", "Deutschland", 1, false},
        {"unknown name", "\n\nACTIV_NADNAME\n\xAE" "Nirgendwo\xAF\n0\n", "Deutschland", 1, true},
        {"local definitions", "\n\nACTIV_NADNAME\n\xAE" "lokale Definitionen\xAF\n", "Deutschland", 1, false},
        {"no block", "0\n", "Deutschland", 1, false},
        {"empty name", "\n\nACTIV_NADNAME\n\xAE\xAF\n", "Deutschland", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nad_set_active("EC-Standardparameter");
        FILE* f = nadtest::stream_of(c.file);
        calllog::clear();
        nad_read_active_name(f);
        fclose(f);
        EXPECT_STREQ(nad_active_name(), c.active);
        EXPECT_EQ(nad_part_ec5()->country, c.country);
        EXPECT_EQ(calllog::contains("Warnung: Nirgendwo -> Deutschland"), c.warns);
    }
}

TEST_F(NadSets, RegistryAndVersionFile)
{
    mkdir((exec + "/Traeger").c_str(), 0777);
    mkdir((exec + "/Stuetze").c_str(), 0777);
    ASSERT_TRUE(testutil::write_file(exec + "/Traeger/app0042.def",
                                     "#NAME\n\xAETr\x84ger\xAF\n#NADS -1\n0 1 11101 0 0 1101 0 0 0 1\n"));
    ASSERT_TRUE(testutil::write_file(exec + "/Stuetze/APP0043.DEF", "#NADS 96\n#GROUP\nx\n\xAEStab\xAF\n"));
    ASSERT_TRUE(testutil::write_file(exec + "/Stuetze/APP0044.DEF", "#NADS 0\n"));
    ASSERT_TRUE(testutil::write_file(exec + "/Traeger/VERSION", "3.10.2\nneu <a7\n"));
    ASSERT_TRUE(testutil::write_file(exec + "/Stuetze/VERSION", "1\r\n<b2\n"));
    setenv("VYK_CUROB_APPLICATION", "42", 1);
    nad_scan_applications();
    ASSERT_EQ(nad_registry.app_count, 2);
    const AppRegistryRow* traeger = nad_registry.rows[0].app_number == 42 ? &nad_registry.rows[0] : &nad_registry.rows[1];
    const AppRegistryRow* stuetze = traeger == &nad_registry.rows[0] ? &nad_registry.rows[1] : &nad_registry.rows[0];
    EXPECT_EQ(traeger->eurocode_mask, 550);   // bits 1, 2, 5, 9
    EXPECT_STREQ(traeger->app_name, "TR\x84GER");
    EXPECT_STREQ(traeger->service, "Bauteil");
    EXPECT_EQ(stuetze->eurocode_mask, 96);
    EXPECT_STREQ(stuetze->app_name, "STUETZE");
    EXPECT_STREQ(stuetze->service, "Stab");
    EXPECT_EQ(nad_current_application(), 42);
    EXPECT_EQ(nad_rules_defined(), 1);
    EXPECT_EQ(nad_rule_is_relevant(2, 3), 0);
    for (int p : {0, 1, 2, 4}) EXPECT_EQ(nad_rule_is_relevant(2, p), 1);
    EXPECT_EQ(nad_rule_is_relevant(2, 5), 0);
    EXPECT_EQ(nad_rule_is_relevant(3, 7), 1);   // no rule string for Eurocode 3

    EXPECT_STREQ(read_application_version("Traeger"), "3.10.a7");
    EXPECT_STREQ(read_application_version("Stuetze"), "b2");   // a first line shorter than two characters
    EXPECT_EQ(read_application_version("Fehlt"), nullptr);
    // A first line longer than the version text's buffer: the marks write no further than its end.
    ASSERT_TRUE(testutil::write_file(exec + "/Stuetze/VERSION", std::string(300, 'x') + "\n<a7\n"));
    EXPECT_EQ(std::string(read_application_version("Stuetze")), std::string(254, 'x') + "a");

    // An application number no row carries: every rule is relevant, the mask is 623.
    nad_forget_state();
    setenv("VYK_CUROB_APPLICATION", "7", 1);
    nad_scan_applications();
    EXPECT_EQ(nad_registry.current_eurocode_mask, 623);
    EXPECT_EQ(nad_rule_is_relevant(2, 3), 1);
    unsetenv("VYK_CUROB_APPLICATION");
}

// Another version number on the first line reads alike; a first line of another form is refused.
TEST_F(NadSets, SetFileVariants)
{
    std::string bytes = testutil::read_file(kShipped + "Deutschland.NAD");
    bytes.replace(0, 13, "NAD/Version 7");
    ship("Deutschland.NAD", bytes);
    static NadSet s;
    nad_reset_current_set();
    s = nad_current_set;
    ASSERT_EQ(nad_load_set(0, "Deutschland", &s), 1);
    EXPECT_EQ(s.country, 1);
    EXPECT_EQ(s.ec5.kcr_mode, 2);
    EXPECT_EQ(s.ec6.country, 1);
    EXPECT_DOUBLE_EQ(s.ec9.gamma_ma, 3.0);

    // Written on Windows: CRLF line ends read the same.
    std::string crlf;
    for (char ch : testutil::read_file(kShipped + "Deutschland.NAD")) {
        if (ch == '\n') crlf += '\r';
        crlf += ch;
    }
    ship("Deutschland.NAD", crlf);
    ASSERT_EQ(nad_load_set(0, "Deutschland", &s), 1);
    EXPECT_STREQ(s.set_name, "Deutschland");
    EXPECT_DOUBLE_EQ(s.ec6.gamma_m_accidental, 1.3);
    EXPECT_DOUBLE_EQ(s.ec3.ec3_1.gamma_m2_accidental, 1.15);
    EXPECT_DOUBLE_EQ(s.ec5.kshape_factor, 0.05);
    EXPECT_EQ(s.ec2.version, 18);
    EXPECT_DOUBLE_EQ(s.ec2.r_inf_pre, 0.95);

    s.ec5.kcr_mode = 7;
    ship("Deutschland.NAD", "NAD-Version 1\n" + bytes.substr(14));
    EXPECT_EQ(nad_load_set(0, "Deutschland", &s), 0);
    EXPECT_EQ(s.ec5.kcr_mode, 7);   // nothing read
    unsetenv("DATA");
    EXPECT_EQ(nad_load_set(0, "Deutschland", &s), 0);
}

// An active name set directly on a never-filled record: the standard values, no file.
TEST_F(NadSets, ActiveNameWithoutActivationGivesStandardValues)
{
    ship_both();
    nad_set_active_name("Deutschland");
    NadEc3Block* ec3 = nad_part_ec3();
    EXPECT_EQ(nad_current_set.flag_index, 19);
    EXPECT_EQ(ec3->country, 0);
    EXPECT_DOUBLE_EQ(ec3->ec3_1.gamma_m1, 1.0);
    nad_ensure_active();   // a name exists: nothing happens
    EXPECT_EQ(nad_country_index(), 0);
}

// A table header without its format word once left counts without values, and the value
// reader wrote through the null array at start-up. Each count is bounded on its own: a header of
// 0 columns and a huge row count once passed and its table took minutes and gigabytes to write.
TEST_F(NadSets, WindAndSnowTableWithDamagedHeaderIsLeftOut)
{
    ship_both();
    ship("WUSL-Tabs.val", "#NAD\nDeutschland\n2\n~TAB3\nSchnee DE\n0.85 1.1\n2.5 3\n");
    const std::string head = "#TAB3\nSchneelast\nkN/m2\n1 2 3 4\n15 26 7 8\n";
    struct Case { const char* what; std::string defs; bool taken; };
    const Case cases[] = {
        {"no format word", testutil::read_file(TAVO_TEST_DATA_DIR "/wusl_header_without_format.def"), false},
        {"0 columns, huge row count", head + "0 2147483647 %f\n", false},
        {"huge column count, 0 rows", head + "2147483647 0 %f\n", false},
        {"0 rows", head + "2 0 %f\n", false},
        {"0 columns", head + "0 2 %f\n", false},
        {"columns beyond 100", head + "101 2 %f\n", false},
        {"rows beyond 1000", head + "2 1001 %f\n", false},
        {"negative", head + "-1 2 %f\n", false},
        {"nan", head + "nan 2 %f\n", false},
        {"1e308", head + "2 1e308 %f\n", false},
        {"largest", head + "100 1000 %f\n", true},
        {"sound", head + "2 2 %f\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nad_forget_state();
        ship("WUSL-Tabs.def", c.defs);
        NadStdParams* p = nad_part_std();
        EXPECT_EQ(p->mode, 2);
        EXPECT_EQ(p->tables[2] != nullptr, c.taken);
        if (!c.taken || !p->tables[2]) continue;
        EXPECT_DOUBLE_EQ(p->tables[2]->values[1], 1.1);
        // Written whole in a moment: a body of at most 100 000 values.
        const std::string body = nadtest::text_of([&](FILE* f) { nad_wusl_write_tables(f, p); });
        EXPECT_LT(body.size(), 1000000u);
    }
}

TEST_F(NadSets, WindAndSnowTables)
{
    ship_both();
    ship("WUSL-Tabs.def",
         "#TAB3\nSchneelast\nkN/m2\n1 2 3 4\n15 26 7 8\n2 2 %6.3f\n"
         "#TAB12\nzu gross\nx\n1 2 3 4\n5 6 7 8\n1 1 %f\n"
         "#TAB8\nNur EC\n-\n0 0 0 0\n0 0 0 0\n1 1 %f\n"
         "#TAB9\nNur Land\n-\n0 0 0 0\n0 0 0 0\n1 1 %f\n");
    ship("WUSL-Tabs.val",
         "#NAD\nEC-Standardparameter\n1\n~DATA\n1 5 6\n~TAB3\nEC Schnee\n1 2\n3 4\n~TAB8\nEC\n8\n"
         "~TAB99\n15 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n"
         "#NAD\nDeutschland und mehr\n2\n~TAB3\nSchnee DE\n0.85 1.1\n2.5 3\n~TAB9\nDE\n9\n");
    NadStdParams* p = nad_part_std();
    ASSERT_NE(p->tables[2], nullptr);
    int defined = 0;
    for (const WuslTable* t : p->tables) defined += t != nullptr;
    EXPECT_EQ(defined, 3);                               // "#TAB12" is out of range
    EXPECT_EQ(p->tables[2]->layout[4], 14);              // stored as the difference to the first
    EXPECT_EQ(p->tables[2]->layout[5], 24);
    EXPECT_STREQ(p->tables[2]->title, "Schneelast");
    // "Deutschland" matches the record "Deutschland und mehr" by its beginning.
    EXPECT_DOUBLE_EQ(p->tables[2]->values[3], 3.0);
    EXPECT_STREQ(p->tables[2]->set_title, "Schnee DE");
    EXPECT_EQ(p->mode, 2);
    EXPECT_EQ(p->tables[8]->set_loaded, 0);              // a country set drops table 9
    EXPECT_EQ(p->tables[7]->set_loaded, 1);
    EXPECT_EQ(p->data_values[0], 5);
    EXPECT_EQ(p->tab99_values[9], 10);                   // a count of 15 reads ten values

    nad_set_active("EC-Standardparameter");
    EXPECT_EQ(p->mode, 1);
    EXPECT_EQ(p->tables[7]->set_loaded, 0);              // the standard set drops table 8
    EXPECT_DOUBLE_EQ(p->tables[2]->values[3], 4.0);

    const std::string body = nadtest::text_of([&](FILE* f) { nad_wusl_write_tables(f, p); });
    EXPECT_NE(body.find("~TAB3\nEC Schnee\n  1.000  2.000\n  3.000  4.000\n\n"), std::string::npos);
    static NadStdParams back;
    back = NadStdParams{};
    for (int i = 0; i < 10; ++i)
        if (p->tables[i]) {
            back.tables[i] = static_cast<WuslTable*>(calloc(1, sizeof(WuslTable)));
            *back.tables[i] = *p->tables[i];
            back.tables[i]->values = static_cast<double*>(calloc(4, sizeof(double)));
            back.tables[i]->set_loaded = 0;
            back.tables[i]->set_title = nullptr;
            back.tables[i]->title = back.tables[i]->unit = back.tables[i]->format = nullptr;
        }
    FILE* f = nadtest::stream_of(body);
    nad_wusl_read_tables(f, &back);
    fclose(f);
    EXPECT_EQ(nad_wusl_compare(p, &back), 0);
    nad_wusl_free_tables(&back);
}

