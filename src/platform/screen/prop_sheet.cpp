#include "platform/screen/prop_sheet.h"

// First cut: every call is there; the sheets answer as if the user broke off.

int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int framed, int flag2, const char* title, int id, int flag3)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    (void)framed;
    (void)flag2;
    (void)title;
    (void)id;
    (void)flag3;
    return 0;
}

void Undefine_Prop_Sheet(void)
{
}

void Activate_Prop_Sheet(void)
{
}

int Check_Prop_Sheet_Frames(int* corners)
{
    (void)corners;
    return 0;
}

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
}

void Set_NoFrameFlag_to_Next_PropSheet(void)
{
}

void VYKSetMinMaxSize(int min_w, int min_h, int max_w, int max_h)
{
    (void)min_w;
    (void)min_h;
    (void)max_w;
    (void)max_h;
}

int prop_sheet_depth(void)
{
    return 0;
}

int prop_sheet_rect(int* x1, int* y1, int* x2, int* y2)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    return 0;
}

int Edit_Prop_Sheet(void)
{
    return 0;
}

void Set_Windows_OK_Button(int code)
{
    (void)code;
}

void Set_Windows_Break_Button(int code)
{
    (void)code;
}

void Set_CallSometimesFunc_to_PS(PSCallSometimesFn routine)
{
    (void)routine;
}

PSCallSometimesFn prop_sheet_call_sometimes(void)
{
    return 0;
}

void Prop_Sheet_Displacement(int* dx, int* dy)
{
    (void)dx;
    (void)dy;
}

void Inquire_Prop_Sheet_Displacement(int* dx, int* dy)
{
    (void)dx;
    (void)dy;
}

int Add_Single_Button_to_PS(int x, int y, int kind, int code, const char* text, const PSRaster* symbol, int flags)
{
    (void)x;
    (void)y;
    (void)kind;
    (void)code;
    (void)text;
    (void)symbol;
    (void)flags;
    return 0;
}

int Add_Help_to_PS(int x, int y, int kind, int flag2, int flag3, const char* topic)
{
    (void)x;
    (void)y;
    (void)kind;
    (void)flag2;
    (void)flag3;
    (void)topic;
    return 0;
}

void Change_Activity_PS(int handle, int state)
{
    (void)handle;
    (void)state;
}

void Change_Action_State_PS(int handle, int state)
{
    (void)handle;
    (void)state;
}

int ActivState_of_Button_PS(int handle)
{
    (void)handle;
    return 0;
}

void Reset_Button_Frame(int handle)
{
    (void)handle;
}

void Set_Comment_to_Button_PS(int handle, const char* comment)
{
    (void)handle;
    (void)comment;
}

const char* Comment_of_Button_PS(int handle)
{
    (void)handle;
    return nullptr;
}

void Snap_Colored_Layout_of_Single_Button(int handle)
{
    (void)handle;
}

void Move_Mouse_Cursor_to_Button_of_PS(int handle, int dx, int dy)
{
    (void)handle;
    (void)dx;
    (void)dy;
}

int Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour)
{
    (void)button;
    (void)x;
    (void)y;
    (void)text;
    (void)font;
    (void)colour;
    return 0;
}

int prop_sheet_element_rect(int handle, int* x1, int* y1, int* x2, int* y2)
{
    (void)handle;
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    return 0;
}

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int flags, int code)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    (void)flags;
    (void)code;
    return 0;
}

void Set_Escape_Area_to_MouseMoveEvent(int handle, int on)
{
    (void)handle;
    (void)on;
}

void Set_ClickOutsideEvent_to_PS(int code)
{
    (void)code;
}

int Add_Register_to_PS(int x1, int y1, int x2, int y2, int flags)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    (void)flags;
    return 0;
}

int Add_Member_to_Register(int reg, int from, int to, int active, int code)
{
    (void)reg;
    (void)from;
    (void)to;
    (void)active;
    (void)code;
    return 0;
}

void Set_Selected_Register_Member(int member)
{
    (void)member;
}

int Selected_Register_Member(int reg)
{
    (void)reg;
    return 0;
}

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int flag1, int flag2, int step_x, int step_y, PSScrollDrawFn draw, void* record, int flag3)
{
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    (void)flag1;
    (void)flag2;
    (void)step_x;
    (void)step_y;
    (void)draw;
    (void)record;
    (void)flag3;
    return 0;
}

int Add_VSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d)
{
    (void)handle;
    (void)a;
    (void)b;
    (void)c;
    (void)d;
    return 0;
}

int Add_HSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d)
{
    (void)handle;
    (void)a;
    (void)b;
    (void)c;
    (void)d;
    return 0;
}

void Set_VSlider_Speed(int slider, double speed, double reserved)
{
    (void)slider;
    (void)speed;
    (void)reserved;
}

void Set_HSlider_Speed(int slider, double speed, double reserved)
{
    (void)slider;
    (void)speed;
    (void)reserved;
}

void Set_Scrollable_Area_PS(int handle, int sx, int sy)
{
    (void)handle;
    (void)sx;
    (void)sy;
}

void Inquire_Scrollable_Area_PS(int handle, int* sx, int* sy)
{
    (void)handle;
    (void)sx;
    (void)sy;
}

void Resize_Origin_of_Scrollable_Area_PS(int handle, int content_w, int content_h)
{
    (void)handle;
    (void)content_w;
    (void)content_h;
}

void Reshape_Scrollable_Area_PS(int handle, int x1, int y1, int x2, int y2, int a, int b, int c, int d)
{
    (void)handle;
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    (void)a;
    (void)b;
    (void)c;
    (void)d;
}

void Set_Scrollable_Area_PS_Frameflag(int handle, int flag)
{
    (void)handle;
    (void)flag;
}

int scrollable_area_view(int handle, int* x1, int* y1, int* x2, int* y2)
{
    (void)handle;
    (void)x1;
    (void)y1;
    (void)x2;
    (void)y2;
    return 0;
}

int Short_Edit_Float(int x, int y, const char* format, double* value)
{
    (void)x;
    (void)y;
    (void)format;
    (void)value;
    return 0;
}

int Short_Edit_Text(int x, int y, char* buf, int visible, int flags)
{
    (void)x;
    (void)y;
    (void)buf;
    (void)visible;
    (void)flags;
    return 0;
}

void Set_Short_Edit_Text_Scrollmode(int max_length)
{
    (void)max_length;
}

int Add_Float_to_PS(int x, int y, int width_chars, const char* format, int flags, int code, double* value)
{
    (void)x;
    (void)y;
    (void)width_chars;
    (void)format;
    (void)flags;
    (void)code;
    (void)value;
    return 0;
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode(void)
{
}

int Add_Radio_Button_to_PS(int x, int y, int code, int value, int* target)
{
    (void)x;
    (void)y;
    (void)code;
    (void)value;
    (void)target;
    return 0;
}

int Menue_Manager(MenueRecord* menu)
{
    (void)menu;
    return 0;
}

int Get_UserSelected_SpecialCharacter(void)
{
    return 0;
}

PSStringList* Create_Stringlist_of_PS(void)
{
    return nullptr;
}

void Free_Stringlist_of_PS(PSStringList* list)
{
    (void)list;
}

void Fill_Stringlist_of_PS(void* list, const char* text)
{
    (void)list;
    (void)text;
}

void Fill_Colored_Stringlist_of_PS(PSStringList* list, const char* text, int colour)
{
    (void)list;
    (void)text;
    (void)colour;
}

int Count_of_Stringlist_of_PS(const PSStringList* list)
{
    (void)list;
    return 0;
}

const char* Text_of_Stringlist_of_PS(const PSStringList* list, int index)
{
    (void)list;
    (void)index;
    return nullptr;
}

int Colour_of_Stringlist_of_PS(const PSStringList* list, int index)
{
    (void)list;
    (void)index;
    return 0;
}

void prop_sheet_reset(void)
{
}

int LAST_SHEET_EDIT_KEY = 0;
const PSRaster SYMBOLIC_OK_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_OK}};
const PSRaster SYMBOLIC_BREAK_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_BREAK}};
const PSRaster SYMBOLIC_MORE_RASTER[1] = {{16, 16, 2, nullptr, PS_SYMBOL_MORE}};
