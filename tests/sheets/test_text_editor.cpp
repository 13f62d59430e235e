#include "platform/env/vyk_user.h"
#include "sheets_fixture.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// An editor item of 200 x 100 pixels on the screen at (100, 100), its lines broken.
struct Editor {
    int area;
    char* buffer;
    SvaTextState* s;
    Editor(const char* text, int max)
    {
        area = sva_create(0, 0, 600, 600, 0, 0);
        buffer = text_copy_n(text, max);
        sva_add_text_editor(area, 100, 100, 300, 200, buffer, max, BLACK_CI, WHITE_CI, 1, nullptr);
        s = static_cast<SvaTextState*>(sva_slot(area)->last_item->link2);
        s->x1 = 100, s->y1 = 100, s->x2 = 300, s->y2 = 200;
        sva_draw_text_lines(s->item, 100, 100, 300, 200);
    }
    ~Editor() { std::free(buffer); }
    std::string line(int i) const { return std::string(s->line_starts[i], s->line_starts[i + 1]); }
    void keys(std::initializer_list<int> codes)
    {
        for (int k : codes)
            if (sva_text_key(k, s)) sva_draw_text_lines(s->item, 100, 100, 300, 200);
    }
};

} // namespace

// Usable width 200 - 20 = 180 pixels: 22 cells of 8 fit, the 23rd does not.
TEST_F(SheetsTest, EditorBreaksLinesAtSpacesOrInsideLongWords)
{
    Editor e("the quick brown fox jumps over the lazy dog\n", 100);
    ASSERT_EQ(e.s->line_count, 3);
    EXPECT_EQ(e.line(0), "the quick brown fox ");
    EXPECT_EQ(e.line(1), "jumps over the lazy dog\n");
    EXPECT_EQ(*e.s->line_starts[2], '\0');

    Editor word("abcdefghijklmnopqrstuvwxyz\n\nz\n", 100);
    ASSERT_EQ(word.s->line_count, 5);
    EXPECT_EQ(word.line(0), "abcdefghijklmnopqrstuvw");
    EXPECT_EQ(word.line(1), "xyz\n");
    EXPECT_EQ(word.line(2), "\n");
    EXPECT_EQ(word.line(3), "z\n");
}

TEST_F(SheetsTest, EditorLineTableGrowsFourfold)
{
    std::string text;
    for (int i = 0; i < 60; ++i) text += "x\n";
    Editor e(text.c_str(), 200);
    EXPECT_EQ(e.s->line_count, 61);
    EXPECT_EQ(e.s->capacity, 200);
    EXPECT_EQ(e.line(59), "x\n");
}

TEST_F(SheetsTest, EditorKeysKeepTheFinalNewlineAndTheMaximum)
{
    Editor e("ab\n", 5);
    e.keys({SVA_KEY_BACKSPACE});                      // at the start: nothing
    EXPECT_STREQ(e.buffer, "ab\n");
    e.keys({SVA_KEY_CTRL_END, SVA_KEY_DELETE});       // on the final newline: nothing
    EXPECT_STREQ(e.buffer, "ab\n");
    e.keys({SVA_KEY_CTRL_HOME, 'x', 'y', 'z'});       // the fifth character is the last that fits
    EXPECT_STREQ(e.buffer, "xyab\n");
    EXPECT_EQ(e.s->length, 5);
    e.keys({SVA_KEY_END, SVA_KEY_BACKSPACE});         // End goes onto the newline
    EXPECT_STREQ(e.buffer, "xya\n");
    e.keys({SVA_KEY_HOME, SVA_KEY_DELETE, '\r'});     // Enter inserts a newline
    EXPECT_STREQ(e.buffer, "\nya\n");
    e.keys({SVA_KEY_CTRL_A, 'q'});                    // typing replaces the selection
    EXPECT_STREQ(e.buffer, "q\n");
    e.keys({SVA_KEY_CTRL_A, SVA_KEY_CTRL_X});
    EXPECT_STREQ(e.buffer, "\n");
    char clip[16];
    VYKGetClipboardText(clip, sizeof clip);
    EXPECT_STREQ(clip, "q");
    EXPECT_EQ(std::memcmp(e.buffer, "\n\0\0\0\0\0", 6), 0);   // freed bytes are zero
}

TEST_F(SheetsTest, EditorFullBufferTakesACharacterOnlyAfterASelectionMadeRoom)
{
    Editor e("abcd\n", 5);
    e.keys({SVA_KEY_CTRL_HOME, 'z'});
    EXPECT_STREQ(e.buffer, "abcd\n");
    e.s->selection_start = e.buffer + 1;
    e.s->selection_end = e.buffer + 3;
    e.keys({'z'});
    EXPECT_STREQ(e.buffer, "azd\n");
}

TEST_F(SheetsTest, EditorPasteTakesCrLfAsOneLineBreakAndStopsAtTheMaximum)
{
    Editor e(nullptr, 600);
    VYKSetClipboardText("a\r\nb\r\nc\rd");
    e.keys({SVA_KEY_CTRL_V});
    EXPECT_STREQ(e.buffer, "a\nb\nc\nd\n");

    Editor big(nullptr, 600);
    std::string many(700, 'w');
    VYKSetClipboardText(many.c_str());
    big.keys({SVA_KEY_CTRL_V});
    EXPECT_EQ(big.s->length, 600);
    EXPECT_EQ(std::strlen(big.buffer), 600u);
    EXPECT_EQ(big.buffer[599], '\n');
    for (int i = 0; i < 20; ++i) big.keys({SVA_KEY_DOWN, SVA_KEY_PAGE_DOWN, 'x', SVA_KEY_END});
    EXPECT_EQ(std::strlen(big.buffer), 600u);
}

TEST_F(SheetsTest, EditorCursorFollowsLinesAndTheMouse)
{
    Editor e("abc\ndefgh\ni\n", 50);
    e.keys({SVA_KEY_CTRL_HOME, SVA_KEY_RIGHT, SVA_KEY_RIGHT, SVA_KEY_DOWN});
    EXPECT_EQ(e.s->cursor - e.buffer, 6);   // "de|fgh": same column on the next line
    e.keys({SVA_KEY_DOWN});
    EXPECT_EQ(e.s->cursor - e.buffer, 11);  // the short last line ends on its newline
    e.keys({SVA_KEY_DOWN});
    EXPECT_EQ(e.s->cursor - e.buffer, 11);  // no line below the last

    // Second line, between "de" and "f" (boundary 16 + 2 = 18 from x1 + 7).
    sva_text_place_cursor(e.s, 100 + 7 + 19, 100 + 7 + 14);
    EXPECT_EQ(e.s->cursor - e.buffer, 6);
    sva_text_place_cursor(e.s, 100 + 7 + 190, 100 + 7 + 14);
    EXPECT_EQ(e.s->cursor - e.buffer, 9);   // right of the text: onto its newline
    sva_text_place_cursor(e.s, 120, 199);
    EXPECT_EQ(e.s->cursor - e.buffer, 11);  // below the text: onto the final newline
}

// A click into the editor starts editing; typed keys go in until a click outside ends it.
TEST_F(SheetsTest, EditingRunsFromAClickInsideToAClickOutside)
{
    int area = sva_create(100, 100, 500, 400, 0, 0);
    char* buffer = text_copy_n("ab\n", 40);
    sva_add_text_editor(area, 10, 10, 210, 110, buffer, 40, BLACK_CI, WHITE_CI, 1, nullptr);
    sva_update(area);
    input_script_click(150, 130);
    input_script_type("Hi");
    input_script_click(450, 350);
    EXPECT_EQ(sva_edit(area), 0);
    EXPECT_STREQ(buffer, "abHi\n");
    EXPECT_EQ(sva_active_text_editor(), nullptr);
    std::free(buffer);
}
