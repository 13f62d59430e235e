#include "sheets/user_comment_sheet.h"
#include "sheets_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// The window's close button (the break code, which a sheet without input takes) keeps the remarks.
TEST_F(SheetsTest, ClosingTheCommentSheetKeepsTheRemarks)
{
    char* remarks = strdup("Auflager pr\x81" "fen");
    const int depth = prop_sheet_depth();
    char* back = user_comment_sheet(remarks, "Anmerkungen");
    EXPECT_EQ(back, remarks);
    EXPECT_STREQ(back, "Auflager pr\x81" "fen");
    EXPECT_EQ(prop_sheet_depth(), depth);
    EXPECT_EQ(sva_slot(0), nullptr);
    std::free(back);
    EXPECT_EQ(user_comment_sheet(nullptr, "Anmerkungen"), nullptr);
}

// "bestätigen" (the right one of the three buttons, 40 pixels from the view area's right edge)
// hands back a fresh copy of the edited text.
TEST_F(SheetsTest, ConfirmingTheCommentSheetReturnsACopy)
{
    // The sheet is 600 x 400 pixels around the screen's centre; its view area starts 5 pixels in
    // and 34 down and ends 5 pixels inside the right and bottom edges.
    const int x2 = NPIXEL_X / 2 - 300 + 599 - 5, y1 = NPIXEL_Y / 2 - 200 + 34;
    input_script_click(x2 - 40 + 18, y1 + 15 + 18);
    char* remarks = strdup("alt");
    const auto old_address = reinterpret_cast<std::uintptr_t>(remarks);
    char* back = user_comment_sheet(remarks, "Anmerkungen");
    ASSERT_NE(back, nullptr);
    EXPECT_NE(reinterpret_cast<std::uintptr_t>(back), old_address);   // the old remarks were freed
    EXPECT_STREQ(back, "alt");
    std::free(back);
}

// "Hilfe" opens the topic and the sheet goes on; text typed into the editor comes back after
// "bestätigen". The editor starts 60 pixels below the view area's top, 5 in from its left.
TEST_F(SheetsTest, HelpThenTypedRemarksAreConfirmed)
{
    const int x1 = NPIXEL_X / 2 - 300 + 5, y1 = NPIXEL_Y / 2 - 200 + 34, x2 = NPIXEL_X / 2 - 300 + 599 - 5;
    input_script_click(x2 - 80 + 18, y1 + 15 + 18);   // "Hilfe"
    input_script_click(x1 + 5 + 20, y1 + 60 + 20);    // into the editor
    input_script_type("Stoss beachten");
    input_script_click(x1 + 300, y1 + 20);             // beside the editor: the editing ends
    input_script_click(x2 - 40 + 18, y1 + 15 + 18);   // "bestätigen"
    static QImage shown;
    Set_CallSometimesFunc_to_PS([] { shown = screen_image().copy(); });
    char* back = user_comment_sheet(nullptr, "Anmerkungen");
    Set_CallSometimesFunc_to_PS(nullptr);
    shown.save(QString::fromStdString(testing::TempDir() + "/user_comment_sheet.png"));
    EXPECT_TRUE(calllog::contains("Helpview: USER_COMMENT"));
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back, "Stoss beachten");
    std::free(back);
}
