// A sheet driven as a user types and clicks: keys that arrive while the toolkit waits for the
// mouse, numbers typed into fields, field entries that a callback reads after confirmation,
// and sheets whose pages could not all get a view area.
#include <climits>
#include <cstring>
#include <string>

#include "sheets/form_fields.h"
#include "sheets/form_sheets.h"
#include "sheets/form_state.h"
#include "sheets/user_comment_sheet.h"
#include "sheets_fixture.h"

namespace {

// The default sheet (200 x 150 content, margins 8, title row 33) around the screen's centre:
// its page area starts at (centre x - 108 + 8, centre y - 113 + 33 + 8).
int page_x() { return NPIXEL_X / 2 - 108 + 8; }
int page_y() { return NPIXEL_Y / 2 - 113 + 41; }

class TypedInputTest : public SheetsTest {
public:
    SheetDescriptor d;
    PageDescriptor pages[25];
    void SetUp() override
    {
        SheetsTest::SetUp();
        form_register_defaults(&d);
        form_pages_init(25, pages);
        sva_reset_short_keys();
    }
    bool hint_shown(const std::string& fragment)
    {
        for (const std::string& e : calllog::entries())
            if (e.find("HINWEIS") != std::string::npos && e.find(fragment) != std::string::npos) return true;
        return false;
    }
};

int g_vetoes = 0;
int veto_first_cancel() { return ++g_vetoes == 1; }
void empty_page(int view, int) { sva_add_text(view, 10, 20, "Seite", 4096, BLACK_CI, 0); }

} // namespace

// Enter and Esc while the pointer rests over the page end the sheet as the sheet's own keys;
// the wait for the mouse leaves them queued.
TEST_F(TypedInputTest, EnterAndEscWhileHoveringEndTheSheet)
{
    struct Case {
        const char* what;
        int keys[2];
        int result, vetoes;
    } cases[] = {
        {"Enter confirms", {KEY_ENTER, 0}, 1, 0},
        {"Esc cancels, the veto keeps the sheet, Enter confirms", {KEY_ESC, KEY_ENTER}, 1, 1},
    };
    for (const Case& c : cases) {
        g_vetoes = 0;
        pages[0].fill = empty_page;
        d.cancel_veto = veto_first_cancel;
        input_script_move(page_x() + 50, page_y() + 50);
        for (int k : c.keys)
            if (k) input_script_key(k);
        EXPECT_EQ(form_run(&d, pages), c.result) << c.what;
        EXPECT_EQ(g_vetoes, c.vetoes) << c.what;
        EXPECT_EQ(input_script_pending(), 0) << c.what;
        input_script_clear();
    }
}

namespace {
int g_number = 0;
void int_page(int, int)
{
    static int editable = 1;
    form_int_field(20, 30, &g_number, 10, &editable);
}
// The field's item starts at content (27, 30); a click 2 pixels in and 4 above the baseline.
void click_int_field() { input_script_click(page_x() + 29, page_y() + 26); }
} // namespace

// Typed numbers are read as plain decimals, finite, and checked against the int range before
// they become an int: a refused entry keeps the old value and a hint names the range.
TEST_F(TypedInputTest, IntegerFieldRefusesWhatIsNoIntAndSaysWhy)
{
    struct Case {
        const char* typed;
        int expected;
        const char* hint;   // null: taken without a hint
    } cases[] = {
        {"9999999999", 3, "-2147483648 bis 2147483647"},
        {"1e10", 3, "keine Zahl"},
        {"nan", 3, "keine Zahl"},
        {"1e400", 3, "keine Zahl"},
        {"0x1p1", 3, "keine Zahl"},
        {"-4,5", -5, nullptr},      // a comma is a decimal point; halves round away from zero
        {" 12.5 ", 13, nullptr},
    };
    for (const Case& c : cases) {
        calllog::clear();
        g_number = 3;
        pages[0].fill = int_page;
        click_int_field();
        input_script_type(c.typed);
        input_script_key(KEY_ENTER);   // ends the field
        input_script_key(KEY_ENTER);   // confirms the sheet
        EXPECT_EQ(form_run(&d, pages), 1) << c.typed;
        EXPECT_EQ(g_number, c.expected) << c.typed;
        if (c.hint) EXPECT_TRUE(hint_shown(c.hint)) << c.typed;
        else EXPECT_FALSE(hint_shown("Eingabe")) << c.typed;
        input_script_clear();
    }
}

namespace {
int g_limited = 5;
void limited_page(int, int)
{
    static int editable = 1;
    form_int_field_limited(20, 30, &g_limited, 6, 1, 10, &editable);
}
} // namespace

TEST_F(TypedInputTest, LimitedIntegerFieldNamesItsOwnRange)
{
    g_limited = 5;
    pages[0].fill = limited_page;
    click_int_field();
    input_script_type("11");
    input_script_key(KEY_ENTER);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run(&d, pages), 1);
    EXPECT_EQ(g_limited, 5);
    EXPECT_TRUE(hint_shown("\"11\" liegt nicht im erlaubten Bereich; erlaubt sind Werte von 1 bis 10"));
}

namespace {
int g_shown_number = 0;
int g_redraws = 0;
int g_view = -1;
void remember_view(int view, int)
{
    g_view = view;
    int_page(view, 0);
}
// A check that draws the page again after confirmation, reading the field's shadow.
int redraw_check(int)
{
    ++g_redraws;
    sva_redraw(g_view);
    g_shown_number = g_number;
    return 0;
}
} // namespace

// After confirmation the integer fields have their values; the page's items, which a check
// callback may still draw, show memory that is still the fields' (the sanitizers watch this).
TEST_F(TypedInputTest, CheckCallbackRedrawsAfterConfirmation)
{
    g_number = 3;
    g_redraws = 0;
    pages[0].fill = remember_view;
    pages[0].check = redraw_check;
    click_int_field();
    input_script_type("8");
    input_script_key(KEY_ENTER);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(form_run(&d, pages), 1);
    EXPECT_EQ(g_redraws, 1);
    EXPECT_EQ(g_shown_number, 8);
    EXPECT_EQ(g_number, 8);
    EXPECT_EQ(form_int_entry_count(), 0);
}

// A register sheet of 25 pages: only 20 view areas exist, so five pages stay without one. Run
// twenty times, it leaves every table slot, view area and hover registration free.
TEST_F(TypedInputTest, RegisterSheetFreesEverySlotItTook)
{
    for (int j = 0; j < 25; ++j) {
        pages[j].fill = empty_page;
        std::snprintf(pages[j].tab_text, sizeof pages[j].tab_text, "%d", j + 1);
    }
    d.content_width = 1000;
    for (int run = 0; run < 20; ++run) {
        input_script_key(KEY_ESC);
        EXPECT_EQ(form_run_register(&d, 25, pages), 0) << run;
    }
    for (int t = 0; t < TABLE_MAX_SLOTS; ++t) EXPECT_EQ(table_slot(t), nullptr) << t;
    for (int a = 0; a < SVA_MAX_AREAS; ++a) EXPECT_EQ(sva_slot(a), nullptr) << a;
    EXPECT_EQ(form_area_count(), 0);
}

// The remarks sheet edits a copy that ends with the line end the editor keeps; what comes back
// is the text as typed, line ends inside it included.
TEST_F(TypedInputTest, RemarksKeepTheirLineEnds)
{
    const int x1 = NPIXEL_X / 2 - 300 + 5, y1 = NPIXEL_Y / 2 - 200 + 34, x2 = NPIXEL_X / 2 - 300 + 599 - 5;
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {
        {nullptr, "ab\ncd"},
        {"x", "xab\ncd"},        // the editor's final line end is not handed back
        {"x\n", "xab\ncd\n"},   // typing goes in before the final line end
    };
    for (const Case& c : cases) {
        input_script_click(x1 + 300, y1 + 200);   // into the editor, below the text: the cursor at its end
        input_script_type("ab");
        input_script_key(KEY_ENTER);
        input_script_type("cd");
        input_script_click(x1 + 300, y1 + 20);    // beside the editor: the editing ends
        input_script_click(x2 - 40 + 18, y1 + 15 + 18);   // "bestätigen"
        char* back = user_comment_sheet(c.before ? strdup(c.before) : nullptr, "Anmerkungen");
        ASSERT_NE(back, nullptr);
        EXPECT_STREQ(back, c.after);
        std::free(back);
        input_script_clear();
    }
}
