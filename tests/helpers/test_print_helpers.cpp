#include "helpers/print_helpers.h"
#include "platform/screen/prop_sheet.h"
#include "common/test_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {
int g_calls_a = 0, g_calls_b = 0;   // distinct bodies keep the two routines apart
void routine_a() { ++g_calls_a; }
void routine_b() { ++g_calls_b; }
} // namespace

TEST(PrintHelpers, OptionalStreamAndConsole)
{
    EXPECT_EQ(fprintf_if_open(nullptr, "%d", 5), 0);
    testutil::ScratchDir dir;
    FILE* f = std::fopen(dir.file("out.txt").c_str(), "w");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fprintf_if_open(f, " %d %s\n", 12, "ab"), 7);
    std::fclose(f);
    EXPECT_EQ(testutil::read_file(dir.file("out.txt")), " 12 ab\n");

    testing::internal::CaptureStdout();
    console_enable(0);
    EXPECT_EQ(console_printf("hidden"), 0);
    runtime_measure_switch(1);   // prints through the console: nothing
    runtime_measure_switch(0);
    console_enable(1);
    EXPECT_EQ(console_printf("shown %d", 1), 7);
    runtime_measure_switch(1);
    runtime_measure_switch(1);
    runtime_measure_switch(0);
    runtime_measure_switch(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "shown 1\n>> Rechenzeitmessung aktiviert\n\n>> Rechenzeitmessung aktiviert\n"
              "\n>> Rechenzeitmessung deaktiviert\n");
}

TEST(PrintHelpers, Stopwatches)
{
    testing::internal::CaptureStdout();
    runtime_start(3);   // measurement off: ignored
    runtime_stop(3, "x");
    runtime_measure_switch(1);
    runtime_start(7);
    runtime_stop(7, "Rechnung");
    runtime_start(100);   // outside 0..99: ignored
    runtime_stop(100, nullptr);
    runtime_stop(-1, nullptr);
    runtime_measure_switch(0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_search(out, std::regex(">> Rechenzeit  7:       0\\.0[0-9] sec \\(Rechnung\\)\n")))
        << out;
    EXPECT_EQ(out.find("Rechenzeit  3"), std::string::npos);
    EXPECT_EQ(out.find("Rechenzeit 100"), std::string::npos);
}

// The console's lines keep the decimal point when Qt set a German numeric locale.
TEST(PrintHelpers, ConsoleNumbersKeepTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    testing::internal::CaptureStdout();
    console_printf("%10.2f sec\n", 1.5);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "      1.50 sec\n");
}

TEST(PrintHelpers, CallbackStackRegistersItsTopWithTheSheets)
{
    auto registered = [] { return (CallSometimesFn)prop_sheet_call_sometimes(); };
    call_sometimes_push(routine_a);
    EXPECT_EQ(registered(), routine_a);
    call_sometimes_push(routine_b);
    EXPECT_EQ(registered(), routine_b);
    call_sometimes_pop();
    EXPECT_EQ(registered(), routine_a);
    call_sometimes_pop();
    EXPECT_EQ(registered(), nullptr);
    call_sometimes_pop();   // empty: null again
    EXPECT_EQ(registered(), nullptr);

    for (int i = 0; i < 11; ++i) call_sometimes_push(i % 2 ? routine_a : routine_b);   // grows past 10
    call_sometimes_suspend();
    EXPECT_EQ(registered(), nullptr);
    call_sometimes_resume();
    EXPECT_EQ(registered(), routine_b);   // the eleventh push (i = 10) is on top
    call_sometimes_pop();
    EXPECT_EQ(registered(), routine_a);
    call_sometimes_clear();
    EXPECT_EQ(registered(), nullptr);
    call_sometimes_resume();
    EXPECT_EQ(registered(), nullptr);
}
