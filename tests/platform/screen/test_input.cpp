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
