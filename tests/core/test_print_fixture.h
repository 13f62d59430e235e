// Common set-up of the printed-calculation tests: the check fixture's position and annex, the
// position's files in a scratch folder, the writers and the call log as at start.
#pragma once
#include "check_fixture.h"
#include "common/test_util.h"

#include "core/position_files.h"
#include "core/print_calculation.h"
#include "output/oli_capture.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"

#include <sstream>
#include <string>
#include <vector>

class PrintTest : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        saved_oli_ = oli_path;
        saved_id_ = component_id;
        saved_title_ = position_title;
        oli_path = dir.file("POS_07.oli");
        component_id = "POS";
        position_title = QString::fromUtf8("Position 7: Träger über Flur");
        reset_writers();
    }
    void TearDown() override
    {
        oli_path = saved_oli_;
        component_id = saved_id_;
        position_title = saved_title_;
        calllog::clear_answers();
        CheckTest::TearDown();
    }

    // Every writer's state and the call log, with the answers a test scripted.
    static void reset_writers()
    {
        ::reset_writers();
        calllog::clear_answers();
    }

    // The list as written, read in code page 437 (inline codes show as ╬).
    std::string list() const { return codepage::cp437_to_utf8(testutil::read_file(oli_path)); }

    // The list written without notice and without showing it.
    std::string print()
    {
        int e = -1;
        d.cal_Print(&e);
        EXPECT_EQ(e, 0);
        return list();
    }

    // Data rows of the first table after `after` in the list, each split into its cells.
    static std::vector<std::vector<std::string>> table_rows(const std::string& text, const std::string& after)
    {
        std::vector<std::vector<std::string>> rows;
        size_t p = text.find(after);
        if (p == std::string::npos) return rows;
        p = text.find("#SHOWTABLE\n", p);
        if (p == std::string::npos) return rows;
        const size_t end = text.find("#END_OF_TEXT", p);
        std::istringstream in(text.substr(p, end - p));
        std::string line;
        for (int i = 0; i < 4 && std::getline(in, line); ++i) {}   // block start, counts, boundaries
        while (std::getline(in, line)) {
            if (line.find("╬r") != std::string::npos) continue;   // header lines
            std::istringstream cells(line);
            std::vector<std::string> row;
            for (std::string c; cells >> c;) row.push_back(c);
            rows.push_back(row);
        }
        return rows;
    }

    static bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

    testutil::ScratchDir dir;

private:
    std::string saved_oli_, saved_id_;
    QString saved_title_;
};
