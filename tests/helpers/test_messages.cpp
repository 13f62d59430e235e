#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "helpers/sheet_services.h"
#include "platform/os/calllog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A recording stand-in for the toolkit's services: items become lines of `drawn`, a sheet is
// "shown" by calling its paint routine once, and the tick box takes `tick`.
struct FakeSheet {
    std::vector<std::string> drawn;
    int font = 4096, colour = 0, tick = 0;
};
FakeSheet fake;

int fake_width(const char* t) { return 8 * (int)std::string(t).size(); }
int fake_text(int x, int y, const char* t)
{
    fake.drawn.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " font=" + std::to_string(fake.font) +
                         " colour=" + std::to_string(fake.colour) + " " + t);
    return fake_width(t) + 3;
}
int fake_emphasised(int x, int y, const char* t)
{
    fake.drawn.push_back("emphasised " + std::to_string(x) + "," + std::to_string(y) + " " + t);
    return *t ? fake_width(t) + 5 : 2;
}
int fake_toggle(int x, int y, const char* label, int* value)
{
    fake.drawn.push_back("toggle " + std::to_string(x) + "," + std::to_string(y) + " colour=" +
                         std::to_string(fake.colour) + " " + label);
    *value = fake.tick;
    return fake_width(label) + 20;
}
int fake_run(const HelperSheet* h)
{
    fake.drawn.push_back(std::string("sheet ") + h->title + " type=" + std::to_string(h->type) + " width=" +
                         std::to_string(h->content_width) + " height=" + std::to_string(h->content_height));
    h->fill(7);
    return 0;
}
const HelperSheetServices kFake = {
    [](int) { fake.font = 4096; fake.colour = 0; },
    [](int f) { fake.font = f; },
    [] { return fake.colour; },
    [](int c) { return fake.colour = c; },
    [](int) {},
    fake_text,
    fake_emphasised,
    fake_toggle,
    [](double, double, double, double) { return 0; },
    [](double, double, double, double) {},
    [](const char* t, int) { return fake_width(t) + 3; },
    [](int c, int) { return c; },
    [](int, int, int, int, int, int) { return 0; },
    [](int) {},
    [](int) {},
    [](int, int) {},
    [](int, int) {},
    [](int) {},
    fake_run,
};

// Every test starts from messages on, mode 0, no console target and all lists closed.
class Messages : public testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        msg_enable();
        msg_set_console_target(nullptr);
        msg_set_mode(MSG_MODE_WINDOW);
        for (int i = 0; i < 10; ++i) msg_list_close(i);
        calllog::clear();
        calllog::clear_answers();
        fake = FakeSheet{};
        helper_sheet_services_set(&kFake);
    }
    // The lines of the current list as the console presentation prints them.
    static std::string console_of_current()
    {
        testing::internal::CaptureStdout();
        msg_list_present_current(MSG_MODE_CONSOLE);
        std::string out = testing::internal::GetCapturedStdout();
        msg_set_mode(MSG_MODE_LIST);
        return out;
    }
    static std::vector<std::string> log_with(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& e : calllog::entries())
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
};

} // namespace

TEST_F(Messages, ModesRouteTheText)
{
    msg_print("^bHallo %d", 5);   // mode 0: environment message output, prefix codes skipped
    EXPECT_TRUE(calllog::contains("PrintMessage: Hallo 5"));

    msg_set_mode(MSG_MODE_CONSOLE);
    testing::internal::CaptureStdout();
    msg_error("Datei %s", "fehlt");
    msg_set_mode(MSG_MODE_DROP);
    msg_print("dropped");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FEHLER: Datei fehlt!\n");

    calllog::clear();
    msg_disable();
    msg_set_mode(MSG_MODE_WINDOW);
    msg_print("nothing");
    EXPECT_TRUE(calllog::entries().empty());
    EXPECT_EQ(msg_list_ask(), 1);
}

TEST_F(Messages, PrintInModeRestoresAndConsoleTargetSticks)
{
    msg_set_mode(MSG_MODE_DROP);
    testing::internal::CaptureStdout();
    msg_print_in_mode(MSG_MODE_CONSOLE, "once");
    msg_print("dropped again");
    msg_hint_in_mode(MSG_MODE_CONSOLE, "Wert %d", 3);
    msg_warning_in_mode(-1, "dropped");
    // A console target moves mode 0 and 4 to the console for good.
    int target = 0;
    msg_set_console_target(&target);
    msg_set_mode(MSG_MODE_SHEET);
    msg_print("first");
    msg_set_console_target(nullptr);
    msg_print("second");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "once\nHINWEIS: Wert 3.\nfirst\nsecond\n");
    EXPECT_TRUE(log_with("form_text").empty());
}

TEST_F(Messages, ListsKeepLinesWithTheDuplicateRule)
{
    EXPECT_EQ(msg_list_open(), 0);
    EXPECT_EQ(msg_list_open(), 1);
    EXPECT_EQ(msg_list_open(), 2);
    EXPECT_EQ(msg_list_open(), 3);
    EXPECT_EQ(msg_list_select(3), 0);
    msg_set_mode(MSG_MODE_LIST);
    msg_print("abc");
    msg_print("abc");   // same text: begins a stored line
    msg_print("ab");    // two characters are never taken as duplicates
    msg_print("ab");
    msg_print("abcd");  // no stored line begins with it: new
    msg_print("ok");
    msg_print("ok");
    EXPECT_EQ(msg_list_count(3), 6);
    EXPECT_EQ(console_of_current(), "abc\n\nab\n\nab\n\nabcd\n\nok\n\nok\n\n");

    // Eleven lines grow the list past its first ten slots and keep their order.
    msg_list_close(3);
    EXPECT_EQ(msg_list_open(), 3);
    for (int i = 0; i < 11; ++i) msg_print("Zeile %02d", i);
    EXPECT_EQ(msg_list_line_count(), 11);
    std::string out = console_of_current();
    EXPECT_EQ(out.substr(0, 9), "Zeile 00\n");
    EXPECT_EQ(out.substr(out.size() - 10), "Zeile 10\n\n");

    // A message to a closed list is lost; lists beyond 9 do not exist.
    msg_list_close(3);
    msg_print("lost");
    EXPECT_EQ(msg_list_count(3), 0);
    EXPECT_EQ(msg_list_count(10), 0);
    EXPECT_EQ(msg_list_select(10), 2);
    EXPECT_EQ(msg_list_select(3), 1);
    EXPECT_EQ(msg_list_set_title(3, "x"), 1);
    for (int i = 3; i < 10; ++i) EXPECT_EQ(msg_list_open(), i);   // the lowest closed first
    EXPECT_EQ(msg_list_open(), -1);
}

TEST_F(Messages, LongMessagesAreCut)
{
    msg_list_open();
    msg_set_mode(MSG_MODE_LIST);
    std::string longer(700, 'x');
    msg_to_list("%s", longer.c_str());
    std::string out = console_of_current();
    EXPECT_EQ(out, std::string(498, 'x') + "\n\n");
}

TEST_F(Messages, ListAsMessageBoxAndQuestion)
{
    msg_list_open();
    msg_list_set_symbol(0, 2);
    msg_to_list("^bErste");
    msg_to_list("Zweite");
    msg_list_present(0, MSG_MODE_WINDOW);
    EXPECT_TRUE(calllog::contains("Draw_Message: Erste\nZweite"));

    calllog::push_answer(1);
    EXPECT_EQ(msg_list_confirm(), 1);
    calllog::push_answer(0);
    EXPECT_EQ(msg_list_confirm_default_no(), 0);
    msg_set_mode(MSG_MODE_CONSOLE);
    EXPECT_EQ(msg_list_confirm(), 0);   // never asks on the console
}

TEST_F(Messages, SheetModeDrawsLinesWithPrefixAndInlineCodes)
{
    msg_set_mode(MSG_MODE_SHEET);
    msg_error("Datei fehlt");
    msg_print("^2halb");
    msg_print("normal");
    ASSERT_EQ(fake.drawn.size(), 3u);
    EXPECT_EQ(fake.drawn[0], "text 15,20 font=69632 colour=0 FEHLER: Datei fehlt!");
    EXPECT_EQ(fake.drawn[1], "text 15,36 font=4096 colour=0 halb");   // 20 + 16
    EXPECT_EQ(fake.drawn[2], "text 15,44 font=4096 colour=0 normal"); // 36 + 8

    // 'Wert ' is 5 characters of 8 pixels: 40 + 3; 'blau' 4 characters: 32 + 3.
    fake.drawn.clear();
    char coded[] = "Wert \xCE" "C12 blau\xCEr weiter";
    msg_draw_coded_text(10, 50, coded);
    ASSERT_EQ(fake.drawn.size(), 3u);
    EXPECT_EQ(fake.drawn[0], "text 10,50 font=4096 colour=0 Wert ");
    EXPECT_EQ(fake.drawn[1], "text 53,50 font=4096 colour=12 blau");
    EXPECT_EQ(fake.drawn[2], "text 88,50 font=4096 colour=0  weiter");

    fake.drawn.clear();
    char blank_first[] = "\xCE" "C 12 blau\xCEr";
    msg_draw_coded_text(0, 0, blank_first);
    ASSERT_EQ(fake.drawn.size(), 1u);
    EXPECT_EQ(fake.drawn[0], "text 0,0 font=4096 colour=12 12 blau");

    // An emphasised segment: 'fett' is 4 * 8 + 5 wide, so ' danach' starts at 37.
    fake.drawn.clear();
    char bold[] = "\xCE" "Bfett\xCEr danach";
    msg_draw_coded_text(0, 0, bold);
    ASSERT_EQ(fake.drawn.size(), 2u);
    EXPECT_EQ(fake.drawn[0], "emphasised 0,0 fett");
    EXPECT_EQ(fake.drawn[1], "text 37,0 font=4096 colour=0  danach");

    // Without the toolkit's services nothing is drawn.
    helper_sheet_services_set(nullptr);
    fake.drawn.clear();
    msg_print("niemand");
    EXPECT_TRUE(fake.drawn.empty());
}

TEST_F(Messages, AskShowsTheListWithItsTickBox)
{
    msg_list_open();
    msg_list_set_title(0, "Hinweise");
    msg_to_list("Zeile eins");
    fake.tick = 1;   // the person ticks "do not show again"
    EXPECT_EQ(msg_list_ask(), 0);
    // Widest line: 10 characters * 8 + 3 = 83, + 40 = 123; but the tick box with its text,
    // 37 * 8 + 3 + 20 = 319, needs 15 on either side: 349. Height 16 * 1 + 70. The box at
    // (349 - 245) / 2 = 52 would end past the sheet, so it starts at 15; 20 + 16 + 25 = 61 below
    // the top, in grey.
    const int grey = 130 << 16 | 130 << 8 | 130;
    std::vector<std::string> expected = {
        "sheet Hinweise type=1 width=349 height=86", "text 15,20 font=4096 colour=0 Zeile eins",
        "toggle 15,61 colour=" + std::to_string(grey) + " Diesen Hinweis nicht nochmal anzeigen"};
    EXPECT_EQ(fake.drawn, expected);
    fake.tick = 0;
    EXPECT_EQ(msg_list_ask(), 1);   // left unticked
    fake.tick = 1;
    fake.drawn.clear();
    EXPECT_EQ(msg_list_ask_with_toggle("Immer so"), 1);
    // 'Immer so' is 8 * 8 + 3 + 20 = 87 wide, 117 with its margins, below the line's 123: the
    // box at (123 - 245) / 2 = -61 is moved to 15.
    EXPECT_EQ(fake.drawn.front(), "sheet Hinweise type=1 width=123 height=86");
    EXPECT_EQ(fake.drawn.back(), "toggle 15,61 colour=0 Immer so");   // the caller's text in black
    // Messages off: nothing is shown and the hint stays on.
    msg_disable();
    fake.drawn.clear();
    EXPECT_EQ(msg_list_ask(), 1);
    EXPECT_TRUE(fake.drawn.empty());
}

TEST_F(Messages, FontWidths)
{
    EXPECT_EQ(font_text_width("abc", 4096), 27);           // 3 * 8 + 3
    EXPECT_EQ(font_text_width("abc", 4096 | 65536), 29);   // emphasis removed for measuring, + 5
    EXPECT_EQ(font_text_width("", 4096), 3);
}

TEST_F(Messages, PrintingLeavesNoBlockBehind)
{
    int before = mem_count();
    msg_set_mode(MSG_MODE_DROP);
    msg_print("x");
    msg_print_in_mode(MSG_MODE_DROP, "y");
    EXPECT_EQ(mem_count(), before);
}
