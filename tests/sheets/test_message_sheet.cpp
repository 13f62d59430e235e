// The helpers' messages on real sheets: mode-4 lines on the current form, and the list sheet
// with its tick box, which the person ticks with the mouse.
#include <cstdlib>
#include <string>
#include <vector>

#include "helpers/messages.h"
#include "helpers/sheet_services.h"
#include "sheets/form_helper_services.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets_fixture.h"

namespace {

class MessageSheetTest : public SheetsTest {
public:
    void SetUp() override
    {
        SheetsTest::SetUp();
        sheets_offer_helper_services();
        msg_enable();
        msg_set_console_target(nullptr);
        for (int i = 0; i < 10; ++i) msg_list_close(i);
    }
    void TearDown() override
    {
        msg_set_mode(MSG_MODE_WINDOW);
        for (int i = 0; i < 10; ++i) msg_list_close(i);
        Set_CallSometimesFunc_to_PS(nullptr);
        SheetsTest::TearDown();
    }
};

struct Shown {
    int x, y, style;
    std::string text;
    bool operator==(const Shown& o) const { return x == o.x && y == o.y && style == o.style && text == o.text; }
};

std::vector<Shown> texts_of(int area)
{
    std::vector<Shown> out;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
        if (it->type == SVA_TEXT) out.push_back({it->x1, it->y1, it->x2, it->text});
    return out;
}

TEST_F(MessageSheetTest, ModeFourLinesStandAtTheirPositions)
{
    int area = sva_create(20, 20, 600, 400, 0, 0);
    form_select_sheet(area);
    msg_set_mode(MSG_MODE_SHEET);
    msg_error("Datei fehlt");   // emphasised (bold), then a line step of 16
    msg_print("^2halb");        // half a line step: 8
    msg_print("normal");
    std::vector<Shown> expected = {{15, 20, 1, "FEHLER: Datei fehlt!"}, {15, 36, 0, "halb"}, {15, 44, 0, "normal"}};
    EXPECT_EQ(texts_of(area), expected);
}

// Ticks the list sheet's tick box once the sheet waits; then the input ends, which leaves the
// sheet like its "Weiter" button. With a picture folder the ticked sheet is saved.
int g_ticks = 0;
const char* g_picture = nullptr;
void tick_the_box()
{
    for (int a = 0; a < SVA_MAX_AREAS; ++a) {
        Scrollable_View_Area* s = sva_slot(a);
        if (!s || s->handle < 0) continue;
        for (SvaItem* it = s->first_item; it; it = it->next) {
            if (it->type != SVA_TOGGLE) continue;
            if (g_ticks > 0) {
                input_script_click(s->x1 + it->x1 - s->scroll_x - 15, s->y1 + it->y1 - s->scroll_y - 4);
                --g_ticks;
            } else if (const char* dir = std::getenv("TAVO_PICTURE_DIR"); dir && g_picture) {
                std::string path = std::string(dir) + "/" + g_picture;
                screen_save_png(path.c_str(), 300, 300, 980, 720);
                g_picture = nullptr;
            }
            return;
        }
    }
}

TEST_F(MessageSheetTest, ListSheetTickBoxIsReadBack)
{
    if (std::getenv("TAVO_PICTURE_DIR")) screen_set_metrics(SCREEN_METRICS_QT);
    Set_CallSometimesFunc_to_PS(tick_the_box);
    for (int ticks : {1, 0, 2}) {
        int list = msg_list_open();
        msg_list_set_title(list, "Programmhinweis");
        msg_to_list("^bHINWEIS: Die Querzugtragf\x84higkeit ist nicht nachgewiesen.");
        msg_to_list("Bitte pr\x81" "fen Sie die Verst\x84rkung.");
        g_ticks = ticks;
        g_picture = ticks == 1 ? "message_list_sheet.png" : nullptr;
        // Ticked once: "do not show again" (0); twice: unticked again (1).
        EXPECT_EQ(msg_list_ask(), ticks == 1 ? 0 : 1) << ticks;
        EXPECT_EQ(g_ticks, 0);
        EXPECT_EQ(form_sheet_depth(), 0);
        msg_list_close(list);
    }
    int list = msg_list_open();
    msg_to_list("Eine Zeile");
    g_ticks = 1;
    EXPECT_EQ(msg_list_ask_with_toggle("Immer so verfahren"), 1);
    msg_list_close(list);
    screen_set_metrics(SCREEN_METRICS_CELL);
}

}  // namespace
