// The set folders of the national-annex tests with a clean virtual screen in cell metrics and
// an empty input script, for the tests that drive the sets' sheets.
#pragma once

#include "nad_folders.h"
#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "sheets/view_areas.h"

class NadSheetFolders : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        prop_sheet_reset();
        screen_reset();
        screen_set_metrics(SCREEN_METRICS_CELL);
        input_script_clear();
        sva_delete_all();
        calllog::clear();
        ship_both();
    }
    void TearDown() override
    {
        input_script_clear();
        sva_delete_all();
        prop_sheet_reset();
        NadFolders::TearDown();
    }
};
