// Property sheets of the environment library: one modal sheet at a time over the virtual
// screen (nested sheets stack), with buttons, escape areas, register tabs, scrollable areas,
// in-place editors and menus. Edit_Prop_Sheet waits on the input queue (input.h) and returns the
// code of the element used. Element handles are positive ints, unique within their sheet;
// a call with a handle the top sheet does not know does nothing.
#pragma once

#include <cstddef>

// A button picture: a one-bit raster (rows of bytes_per_row bytes, leftmost pixel in bit 7), or
// one of the built-in symbols, or, with neither, an empty face of the given size.
struct PSRaster {
    int width;
    int height;
    int bytes_per_row;
    const unsigned char* bits;
    int symbol;   // PS_SYMBOL_*, 0 for none
};
enum { PS_SYMBOL_NONE = 0, PS_SYMBOL_OK = 1, PS_SYMBOL_BREAK = 2, PS_SYMBOL_MORE = 3, PS_SYMBOL_HELP = 4 };
extern const PSRaster SYMBOLIC_OK_RASTER[1];
extern const PSRaster SYMBOLIC_BREAK_RASTER[1];
extern const PSRaster SYMBOLIC_MORE_RASTER[1];

enum {
    PS_TITLE_ROW = 33,        // height of a framed sheet's title row
    PS_SLIDER_WIDTH = 17,     // width of a scroll bar
    PS_BUTTON_HEIGHT = 24,
    PS_CLICK_OUTSIDE_NONE = -1
};

// Sheets. Define_Prop_Sheet saves the screen beneath the rectangle and draws the sheet: with
// framed non-zero a frame and a title row of PS_TITLE_ROW pixels (unless the no-frame flag was
// set for it). The other flags and the id are kept but change nothing. Returns the sheet's
// depth (1 for the first sheet).
int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int framed, int flag2, const char* title, int id, int flag3);
// Removes the top sheet and restores the screen beneath it.
void Undefine_Prop_Sheet(void);
// Draws the elements of the top sheet and runs the draw callbacks of its scrollable areas.
void Activate_Prop_Sheet(void);
// Moves the rectangle x1, y1, x2, y2 (corners[0..3]) onto the screen base, keeping its size
// where it fits. Returns 1 when it moved.
int Check_Prop_Sheet_Frames(int* corners);
void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2);
void Set_NoFrameFlag_to_Next_PropSheet(void);
void VYKSetMinMaxSize(int min_w, int min_h, int max_w, int max_h);
int prop_sheet_depth(void);   // sheets now defined
// The top sheet's current rectangle (after dragging); 0 without a sheet.
int prop_sheet_rect(int* x1, int* y1, int* x2, int* y2);

// Waits for the user and returns the code of the element used: a button's code, an escape
// area's code, a register member's code; Enter and Esc give the OK and break codes, a click
// outside the sheet the code of Set_ClickOutsideEvent_to_PS. Dragging the title row moves the
// sheet and goes on waiting. With nothing to wait on (empty script, no display) it returns the
// break code.
int Edit_Prop_Sheet(void);
// The codes of the OK and break keys for the top sheet (or the next one, without a sheet).
// Unset, they are the codes of the sheet's OK and break symbol buttons.
void Set_Windows_OK_Button(int code);
void Set_Windows_Break_Button(int code);
// Runs between events while a sheet waits (the print helpers' periodic routine). Null: none.
typedef void (*PSCallSometimesFn)();
void Set_CallSometimesFunc_to_PS(PSCallSometimesFn routine);
PSCallSometimesFn prop_sheet_call_sometimes(void);

// How far the user moved the top sheet: bound ints follow every move.
void Prop_Sheet_Displacement(int* dx, int* dy);
void Inquire_Prop_Sheet_Displacement(int* dx, int* dy);

// Buttons. kind 1 is a push button. The face shows the text, or the symbol, in the normal font;
// the button is as wide as its text plus 16 (or its symbol plus 8) and PS_BUTTON_HEIGHT high.
int Add_Single_Button_to_PS(int x, int y, int kind, int code, const char* text, const PSRaster* symbol, int flags);
// The help button: shows the help topic (through Helpview) and goes on waiting.
int Add_Help_to_PS(int x, int y, int kind, int flag2, int flag3, const char* topic);
// 1 active (and redrawn), -1 inactive (greyed, not hit), 0 hidden (neither drawn nor hit).
void Change_Activity_PS(int handle, int state);
// 0: the sheet never draws the button's face (its caller draws a picture over it).
void Change_Action_State_PS(int handle, int state);
int ActivState_of_Button_PS(int handle);   // 1 when active
void Reset_Button_Frame(int handle);        // the button loses its frame
void Set_Comment_to_Button_PS(int handle, const char* comment);
const char* Comment_of_Button_PS(int handle);
void Snap_Colored_Layout_of_Single_Button(int handle);   // redraws the face in its colours
void Move_Mouse_Cursor_to_Button_of_PS(int handle, int dx, int dy);
// A text beside a button (or radio button) that is hit like the button itself.
int Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour);
// The rectangle of an element in screen pixels; 0 when unknown.
int prop_sheet_element_rect(int handle, int* x1, int* y1, int* x2, int* y2);

// Escape areas: events inside end Edit_Prop_Sheet with the code (clicks always, mouse moves
// where asked).
int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int flags, int code);
void Set_Escape_Area_to_MouseMoveEvent(int handle, int on);
// A click outside the top sheet ends Edit_Prop_Sheet with code (PS_CLICK_OUTSIDE_NONE: ignored).
void Set_ClickOutsideEvent_to_PS(int code);

// Register tabs. Members are tabs from x = from to x = to on the register's row; a click on an
// active member ends Edit_Prop_Sheet with its code. Members are numbered from 1.
int Add_Register_to_PS(int x1, int y1, int x2, int y2, int flags);
int Add_Member_to_Register(int reg, int from, int to, int active, int code);
void Set_Selected_Register_Member(int member);
int Selected_Register_Member(int reg);

// Scrollable areas: a pane with a content size and a scroll position (clamped to 0 .. content
// minus pane). The callback draws the pane; it runs on activation, on every scroll and on
// Set_Scrollable_Area_PS, clipped to the pane. Sliders of PS_SLIDER_WIDTH pixels lie inside the
// pane's rectangle at the right and bottom; the pane's content rectangle shrinks by them.
typedef void (*PSScrollDrawFn)(int handle, int sx, int sy, int x1, int y1, int x2, int y2, void* record);
int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int flag1, int flag2, int step_x, int step_y,
                              PSScrollDrawFn draw, void* record, int flag3);
int Add_VSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d);
int Add_HSlider_to_Scrollable_Area(int handle, int a, int b, int c, int d);
void Set_VSlider_Speed(int slider, double speed, double reserved);
void Set_HSlider_Speed(int slider, double speed, double reserved);
void Set_Scrollable_Area_PS(int handle, int sx, int sy);
void Inquire_Scrollable_Area_PS(int handle, int* sx, int* sy);
void Resize_Origin_of_Scrollable_Area_PS(int handle, int content_w, int content_h);
void Reshape_Scrollable_Area_PS(int handle, int x1, int y1, int x2, int y2, int a, int b, int c, int d);
void Set_Scrollable_Area_PS_Frameflag(int handle, int flag);
// The pane's drawing rectangle (without sliders) in screen pixels.
int scrollable_area_view(int handle, int* x1, int* y1, int* x2, int* y2);

// In-place line editors at (x, y), the top left of the field. They take keys and clicks from
// the input queue. Tab, Enter, Up and Down (and Shift+Tab) end the edit with that key
// (LAST_SHEET_EDIT_KEY) and return it; Esc or a click elsewhere return 0 and leave the value
// as it was. Short_Edit_Text edits buf in a field of `visible` characters; its text is at most
// the scroll mode's length (Set_Short_Edit_Text_Scrollmode, else `visible`) long, and buf must
// hold that many bytes plus the end.
extern int LAST_SHEET_EDIT_KEY;
int Short_Edit_Float(int x, int y, const char* format, double* value);
int Short_Edit_Text(int x, int y, char* buf, int visible, int flags);
void Set_Short_Edit_Text_Scrollmode(int max_length);

// A plain decimal number: optionally signed, digits with at most one decimal point (no exponent,
// no hexadecimal, no inf or nan), finite, with spaces before and after it allowed. The flags
// widen what else is taken. 1 with *value set (unless value is null); 0 for anything else,
// *value untouched.
enum {
    PLAIN_DECIMAL_COMMA = 1,   // a comma serves as the decimal point too
    PLAIN_DECIMAL_LINE = 2     // tabs before and after it, CR and LF after it: a word of a line
};
int Read_Plain_Decimal(const char* text, double* value, int flags);
// A number as typed into a number field: a plain decimal number with a point or a comma, spaces
// around it allowed (Read_Plain_Decimal with PLAIN_DECIMAL_COMMA).
int Read_Typed_Decimal(const char* text, double* value);
// Every number typed into Short_Edit_Float or a sheet's number field passes this check before
// it is stored: 1 stores *value, 0 refuses the entry and the field keeps its old value. Without a
// check, Read_Typed_Decimal decides. The sheets toolkit installs its own, which also checks the
// field's range and says why it refuses.
using TypedNumberCheck = int (*)(const char* text, double* value);
void Set_Typed_Number_Check(TypedNumberCheck check);
// A number field: a click edits it in place and ends Edit_Prop_Sheet with its code.
int Add_Float_to_PS(int x, int y, int width_chars, const char* format, int flags, int code, double* value);
// Auto mode: a number field edited with Tab or Enter goes on to the next field.
void Set_Prop_Sheet_Edit_Float_Auto_Mode(void);
// One alternative of a radio group: a click sets *target to value, redraws the group and ends
// Edit_Prop_Sheet with code.
int Add_Radio_Button_to_PS(int x, int y, int code, int value, int* target);

// Menus. A menu is a header and its entries; an entry with a submenu opens it, an enabled entry
// with an action runs the action. Returns 1 when an action ran, 0 otherwise.
struct MenueEntry;
struct MenueRecord {
    int count;          // entries
    int longest;        // characters of the longest entry text
    int flag1;          // 1
    int flag2;          // 0
    int flag3;          // 1
    MenueEntry* entries;
    int reserved1;
    int reserved2;
};
struct MenueEntry {
    const char* text;
    int enabled;
    MenueRecord* submenu;
    const char* key_text;
    int reserved;
    void (*action)(void);
};
int Menue_Manager(MenueRecord* menu);

// The special-character picker: the chosen character code, or -1.
int Get_UserSelected_SpecialCharacter(void);

// String lists of the sheets: texts with a colour, appended in order.
struct PSStringList;
PSStringList* Create_Stringlist_of_PS(void);
void Free_Stringlist_of_PS(PSStringList* list);
// Appends a text in plain black; list is a PSStringList*. Fits the grade lists' append routine.
void Fill_Stringlist_of_PS(void* list, const char* text);
void Fill_Colored_Stringlist_of_PS(PSStringList* list, const char* text, int colour);
int Count_of_Stringlist_of_PS(const PSStringList* list);
const char* Text_of_Stringlist_of_PS(const PSStringList* list, int index);
int Colour_of_Stringlist_of_PS(const PSStringList* list, int index);

// For tests: drops every sheet without restoring and clears the sheet settings.
void prop_sheet_reset(void);
