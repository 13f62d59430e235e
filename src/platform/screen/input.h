// Mouse and keys of the environment library, and the one input queue every blocking wait takes
// from. The queue has two sources: a script that tests fill before they call (click, press,
// release, move, wheel, key, typed text), and, where a display is there, the real events of the
// screen's view, which a nested event loop waits for. With an empty script and no display a wait
// returns its cancel answer and records "waiting for input at <function>" in the call log, so
// nothing can hang.
#pragma once

// The mouse as the last event left it. The sheets also write them (to move the pointer, or to
// let a press count as held).
extern int M_XPOS;
extern int M_YPOS;
extern int M_LEFT;     // 1 while the left button is down
extern int M_RIGHT;    // 1 while the right button is down
extern int M_SCROLL;   // wheel steps of the last event: +1 away from the user, -1 towards

// Key codes: characters and Ctrl+letter controls as themselves, the rest 256 + scan code.
enum {
    KEY_CTRL_A = 1, KEY_CTRL_C = 3, KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13,
    KEY_CTRL_V = 22, KEY_CTRL_X = 24, KEY_ESC = 27,
    KEY_F1 = 315, KEY_HOME = 327, KEY_UP = 328, KEY_PGUP = 329, KEY_LEFT = 331, KEY_RIGHT = 333,
    KEY_END = 335, KEY_DOWN = 336, KEY_PGDN = 337, KEY_INS = 338, KEY_DEL = 339,
    KEY_SHIFT_TAB = 271, KEY_CTRL_END = 373, KEY_CTRL_HOME = 375
};

// Event bits of GetVYKMessage.
enum {
    VYK_EV_LEFT_UP = 0x1,
    VYK_EV_MOVE = 0x2,
    VYK_EV_RIGHT = 0x8,            // right button pressed or released
    VYK_EV_LEFT_DOWN = 0x20,
    VYK_EV_WHEEL = 0x4000,
    VYK_EV_KEY = 0x10000,
    VYK_EV_LEAVE = 0x80000,
    VYK_EV_TIMEOUT = 0x40000000    // the record's timeout passed without another event
};

// The event record. Its sixth field is the key code, its seventh the time-out in ms.
struct VYKMessage {
    int event;       // the event bit that ended the wait, 0 for none
    int x, y;        // mouse position
    int buttons;     // 1 left, 2 right
    int wheel;
    int key;
    int timeout_ms;
    int reserved[9];
};
void InitVYKMessage(VYKMessage* record);
// Waits for an event whose bit is in mask and returns that bit (0 on cancel). Mouse events
// outside the mask still update the mouse globals; keys outside it stay queued, in order, for
// the next reader. The record (may be null) receives the event.
int GetVYKMessage(int mask, VYKMessage* record);

// Mouse.
void msStat(int* x, int* y, int* left);   // current position and left button
void msStCu(int x, int y);                // moves the pointer (within the restriction)
int msVisi(int visible);                  // -1 hides, 0 shows; returns the previous state
// Waits for the next mouse event (press, release, move or wheel) and updates the globals.
// Returns 1, or 0 on cancel with the buttons released. A key ends the wait as well: it stays
// queued and the left button counts as released, so a wait while the button is held ends.
int Get_Mouse_Event(void);
void Save_Mouse_Position(void);
void Restore_Mouse_Position(void);
// The rectangle the pointer is kept in; Pop_ narrows it and keeps the previous, Push_ restores.
void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Push_Mouse_Move_Restriction(void);

// Keys.
int getkey(void);       // waits for a key; KEY_ESC on cancel
int hitkey(void);       // 1 when a key is waiting (scripted keys count)
int getkeymask(void);   // 1 asks a running interaction to end; 0 unless a test set it
void screen_set_keymask(int mask);

// The idle function runs between events inside every wait while it is active.
typedef void (*CallAllwaysFn)(void);
void Define_Call_Allways_Function(CallAllwaysFn fn);
void Activate_Call_Allways_Function(int active);

// The script. Positions are screen pixels; a click is a press and a release at one point, and
// moves the pointer there first.
void input_script_click(int x, int y);
void input_script_right_click(int x, int y);
void input_script_press(int x, int y);
void input_script_release(int x, int y);
void input_script_move(int x, int y);
void input_script_wheel(int steps);
void input_script_key(int code);
void input_script_type(const char* text);   // one key event per byte
void input_script_clear(void);
int input_script_pending(void);             // events not yet taken

// The events themselves, for the sheet manager: one event of the queue, waiting as described.
enum InputKind {
    INPUT_NONE = 0,  // cancel: nothing scripted and no display
    INPUT_MOVE, INPUT_PRESS, INPUT_RELEASE, INPUT_RIGHT_PRESS, INPUT_RIGHT_RELEASE,
    INPUT_WHEEL, INPUT_KEY
};
struct InputEvent {
    int kind;
    int x, y;
    int key;
    int wheel;
};
// Takes the next event; where is the waiting function's name for the log. The mouse globals
// follow the event. timeout_ms > 0 gives up after that long under a display (INPUT_NONE).
InputEvent input_next(const char* where, int timeout_ms);
// Puts a real event (from the view) into the queue; wakes a waiting loop.
void input_post(const InputEvent& event);
// Gives an event back to the front of the queue, for the next wait to take.
void input_unget(const InputEvent& event);
// Takes the keys that are waiting: those a wait passed over on its way to a later event. Keys
// queued after the last event taken are still to come and stay. Returns how many were taken.
int input_drop_waiting_keys(void);
