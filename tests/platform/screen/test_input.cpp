#include "screen_fixture.h"

TEST_F(ScreenTest, EmptyScriptCancelsEveryWaitAndSaysWhere)
{
    M_LEFT = 1;
    EXPECT_EQ(GetVYKMessage(VYK_EV_LEFT_DOWN | VYK_EV_KEY, nullptr), 0);
    EXPECT_EQ(M_LEFT, 0);   // a cancelled wait leaves no button held
    EXPECT_EQ(getkey(), KEY_ESC);
    EXPECT_EQ(Get_Mouse_Event(), 0);
    EXPECT_TRUE(calllog::contains("waiting for input at GetVYKMessage"));
    EXPECT_TRUE(calllog::contains("waiting for input at getkey"));
}

TEST_F(ScreenTest, ScriptedEventsArriveInOrderAndMoveTheMouse)
{
    input_script_click(40, 50);
    input_script_type("a");
    input_script_wheel(-1);
    VYKMessage m;
    InitVYKMessage(&m);
    EXPECT_EQ(GetVYKMessage(VYK_EV_LEFT_DOWN, &m), VYK_EV_LEFT_DOWN);   // the move is passed over
    EXPECT_EQ(m.x * 1000 + m.y, 40050);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(hitkey(), 1);
    EXPECT_EQ(GetVYKMessage(VYK_EV_KEY, &m), VYK_EV_KEY);               // the release is passed over
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(m.key, 'a');
    EXPECT_EQ(hitkey(), 0);
    EXPECT_EQ(Get_Mouse_Event(), 1);
    EXPECT_EQ(M_SCROLL, -1);
    EXPECT_EQ(input_script_pending(), 0);
}

TEST_F(ScreenTest, RestrictionKeepsThePointerInside)
{
    Init_Mouse_Move_Restriction(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Pop_Mouse_Move_Restriction(100, 100, 200, 150);
    msStCu(10, 400);
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 100150);
    Push_Mouse_Move_Restriction();
    msStCu(10, 400);
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 10400);
}

namespace {
int g_idle_calls = 0;
void count_idle() { ++g_idle_calls; }
} // namespace

TEST_F(ScreenTest, IdleFunctionRunsBetweenEvents)
{
    g_idle_calls = 0;
    Define_Call_Allways_Function(count_idle);
    input_script_key('x');
    input_script_key('y');
    getkey();
    getkey();
    Activate_Call_Allways_Function(0);
    getkey();
    EXPECT_EQ(g_idle_calls, 2);
    Define_Call_Allways_Function(nullptr);
}

// Numbers typed into number fields: plain decimals with a point or a comma, finite; anything
// else leaves the value as it was.
TEST_F(ScreenTest, TypedDecimalsArePlainAndFinite)
{
    struct Case {
        const char* text;
        bool taken;
        double value;
    } cases[] = {
        {"12.5", true, 12.5},  {" -3,25 ", true, -3.25}, {"+7", true, 7},    {".5", true, 0.5},
        {"9999999999", true, 9999999999.0},
        {"1e10", false, 0},    {"nan", false, 0},        {"inf", false, 0},  {"1e400", false, 0},
        {"0x1p1", false, 0},   {"1.2.3", false, 0},      {"1,2.3", false, 0}, {"", false, 0},
        {"-", false, 0},       {"12a", false, 0},
    };
    for (const Case& c : cases) {
        double v = -99;
        EXPECT_EQ(Read_Typed_Decimal(c.text, &v), c.taken ? 1 : 0) << c.text;
        EXPECT_EQ(v, c.taken ? c.value : -99) << c.text;
    }
    // A word of a line (as a set file holds it): tabs around it, CR and LF after it, in any order;
    // a CR before the number, inside it or without the line flag is no number.
    const int line = PLAIN_DECIMAL_LINE, comma = PLAIN_DECIMAL_COMMA;
    struct LineCase {
        const char* text;
        int flags;
        bool taken;
    } words[] = {
        {"12.5\r\n", line, true},      {"\t12.5\t\r", line, true}, {"12.5\n\r", line, true},
        {"12,5\r\n", line | comma, true}, {"12,5\r\n", line, false}, {"12.5\r", 0, false},
        {"12.5\t", comma, false},       {"\r12.5", line, false},    {"12.5\r3", line, false},
        {"1\r.5", line, false},
    };
    for (const LineCase& c : words) {
        double v = -99;
        EXPECT_EQ(Read_Plain_Decimal(c.text, &v, c.flags), c.taken ? 1 : 0) << c.text << " flags " << c.flags;
        EXPECT_EQ(v, c.taken ? 12.5 : -99) << c.text;
    }
}

namespace {
int g_checked = 0;
int refuse_all(const char*, double*) { ++g_checked; return 0; }
} // namespace

// The in-place editor stores a typed number only through the check; text left as shown keeps
// the value exactly, without asking.
TEST_F(ScreenTest, ShortEditFloatStoresOnlyWhatTheCheckTakes)
{
    double v = 2.345;
    input_script_key(KEY_ENTER);
    EXPECT_EQ(Short_Edit_Float(100, 100, "%5.2f", &v), KEY_ENTER);
    EXPECT_EQ(v, 2.345);   // shown as 2.35, not rounded to it
    input_script_type("8");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(Short_Edit_Float(100, 100, "%5.2f", &v), KEY_ENTER);
    EXPECT_EQ(v, 8.0);
    g_checked = 0;
    Set_Typed_Number_Check(refuse_all);
    input_script_type("9");
    input_script_key(KEY_TAB);
    EXPECT_EQ(Short_Edit_Float(100, 100, "%5.2f", &v), KEY_TAB);
    Set_Typed_Number_Check(nullptr);
    EXPECT_EQ(v, 8.0);
    EXPECT_EQ(g_checked, 1);
}

// A wait for the mouse leaves the keys it passes over queued, in order, as waiting keys; a wait
// while the button is held ends at a key, which stays queued.
TEST_F(ScreenTest, MouseWaitsLeaveKeysQueued)
{
    input_script_key('a');
    input_script_move(10, 10);
    input_script_key('b');
    input_script_press(20, 20);
    input_script_key('c');
    EXPECT_EQ(GetVYKMessage(VYK_EV_LEFT_DOWN, nullptr), VYK_EV_LEFT_DOWN);
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 20020);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(Get_Mouse_Event(), 0);   // 'a' waits at the front: the held button's wait ends
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(input_script_pending(), 3);
    EXPECT_EQ(input_drop_waiting_keys(), 2);   // 'a' and 'b' were passed over; 'c' is still to come
    EXPECT_EQ(getkey(), 'c');
    EXPECT_EQ(input_script_pending(), 0);
}
