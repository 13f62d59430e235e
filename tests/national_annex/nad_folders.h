// Fixture folders DATA, DRAM and EXEC for the national-annex tests, with the shipped sets
// and user sets on demand; every test starts as a fresh process would.
#pragma once
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_registry.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "common/test_util.h"

class NadFolders : public ::testing::Test {
protected:
    testutil::ScratchDir root;
    std::string data = root.file("DATA"), dram = root.file("DRAM"), exec = root.file("EXEC");

    void SetUp() override
    {
        for (const std::string& d : {data, data + "/NAD", dram, exec}) mkdir(d.c_str(), 0777);
        setenv("DATA", data.c_str(), 1);
        setenv("DRAM", dram.c_str(), 1);
        setenv("EXEC", exec.c_str(), 1);
        unsetenv("VYK_CUROB_APPLICATION");
        nad_forget_state();
    }
    void TearDown() override { nad_forget_state(); }

    void ship(const char* name, const std::string& bytes)
    {
        ASSERT_TRUE(testutil::write_file(data + "/NAD/" + name, bytes));
    }
    void ship_both()
    {
        const std::string shipped = std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/NAD/";
        for (const char* name : {"Standard.NAD", "Deutschland.NAD"}) ship(name, testutil::read_file(shipped + name));
    }
    // A user set numbered n: the standard values under its own header.
    void user_set(int n, const char* name, int country)
    {
        static NadSet s;
        mkdir((dram + "/NADS").c_str(), 0777);
        nad_reset_current_set();
        s = nad_current_set;
        snprintf(s.set_name, sizeof s.set_name, "%s", name);
        s.flag_index = n;
        s.country = country;
        nad_store_user_set(n, &s);
    }
    // Makes the registry answer for application `app` without rule strings.
    static void application(int app, int show_all)
    {
        nad_registry.has_current_row = 1;
        nad_registry.current_row = 0;
        nad_registry.rows[0].rules_defined = 0;
        nad_registry.current_app_number = app;
        nad_registry.show_all_rules = show_all;
    }
};
