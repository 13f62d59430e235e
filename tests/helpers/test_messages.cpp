#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "platform/os/calllog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    std::vector<std::string> drawn = log_with("form_text");
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], "form_text: 15,20 font=69632 colour=0 FEHLER: Datei fehlt!");
    EXPECT_EQ(drawn[1], "form_text: 15,36 font=4096 colour=0 halb");   // 20 + 16
    EXPECT_EQ(drawn[2], "form_text: 15,44 font=4096 colour=0 normal"); // 36 + 8

    // 'Wert ' is 5 characters of 8 pixels: 40 + 3; 'blau' 4 characters: 32 + 3.
    calllog::clear();
    char coded[] = "Wert \xCE" "C12 blau\xCEr weiter";
    msg_draw_coded_text(10, 50, coded);
    drawn = log_with("form_text");
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], "form_text: 10,50 font=4096 colour=0 Wert ");
    EXPECT_EQ(drawn[1], "form_text: 53,50 font=4096 colour=12 blau");
    EXPECT_EQ(drawn[2], "form_text: 88,50 font=4096 colour=0  weiter");

    calllog::clear();
    char blank_first[] = "\xCE" "C 12 blau\xCEr";
    msg_draw_coded_text(0, 0, blank_first);
    drawn = log_with("form_text");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], "form_text: 0,0 font=4096 colour=12 12 blau");

    // An emphasised segment: 'fett' is 4 * 8 + 5 wide, so ' danach' starts at 37.
    calllog::clear();
    char bold[] = "\xCE" "Bfett\xCEr danach";
    msg_draw_coded_text(0, 0, bold);
    EXPECT_TRUE(calllog::contains("form_label_emphasised: 0,0 colour=0 fett"));
    EXPECT_TRUE(calllog::contains("form_text: 37,0 font=4096 colour=0  danach"));
}

TEST_F(Messages, AskShowsTheListWithItsTickBox)
{
    msg_list_open();
    msg_list_set_title(0, "Hinweise");
    msg_to_list("Zeile eins");
    calllog::push_answer(1);   // the person ticks "do not show again"
    EXPECT_EQ(msg_list_ask(), 0);
    // Widest line: 10 characters * 8 + 3 = 83, + 40 = 123; height 16 * 1 + 70.
    EXPECT_TRUE(calllog::contains("form_run_register: Hinweise width=123 height=86"));
    EXPECT_TRUE(calllog::contains("form_text: 15,20 font=4096 colour=0 Zeile eins"));
    EXPECT_TRUE(calllog::contains("form_toggle: -61,61 Diesen Hinweis nicht nochmal anzeigen"));
    EXPECT_EQ(msg_list_ask(), 1);   // nothing scripted: left unticked
    calllog::push_answer(1);
    EXPECT_EQ(msg_list_ask_with_toggle("Immer so"), 1);
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
