#include "platform/screen/input.h"

#include "platform/os/calllog.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

int M_XPOS = 0;
int M_YPOS = 0;
int M_LEFT = 0;
int M_RIGHT = 0;
int M_SCROLL = 0;

namespace {

constexpr int kIdleMs = 50;   // the idle function runs at least this often while a view waits

struct Restriction {
    int x1, y1, x2, y2;
};

// A queued event; a key that a wait passed over on its way to a later event is "waiting".
struct Queued {
    InputEvent e;
    bool passed;
};

struct Input {
    std::deque<Queued> queue;
    CallAllwaysFn idle = nullptr;
    bool idle_active = false;
    int keymask = 0;
    int visible = 0;
    int saved_x = 0, saved_y = 0;
    Restriction limit{0, 0, 1 << 20, 1 << 20};
    std::vector<Restriction> limits;
    QEventLoop* loop = nullptr;
};

Input& in()
{
    static Input s;
    return s;
}

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

void set_position(int x, int y)
{
    const Restriction& r = in().limit;
    M_XPOS = clamp(x, std::max(0, r.x1), std::min(NPIXEL_X - 1, r.x2));
    M_YPOS = clamp(y, std::max(0, r.y1), std::min(NPIXEL_Y - 1, r.y2));
}

void apply(const InputEvent& e)
{
    M_SCROLL = 0;
    switch (e.kind) {
    case INPUT_MOVE: set_position(e.x, e.y); break;
    case INPUT_PRESS: set_position(e.x, e.y); M_LEFT = 1; break;
    case INPUT_RELEASE: set_position(e.x, e.y); M_LEFT = 0; break;
    case INPUT_RIGHT_PRESS: set_position(e.x, e.y); M_RIGHT = 1; break;
    case INPUT_RIGHT_RELEASE: set_position(e.x, e.y); M_RIGHT = 0; break;
    case INPUT_WHEEL: M_SCROLL = e.wheel; break;
    default: break;
    }
}

void run_idle()
{
    if (in().idle && in().idle_active) in().idle();
}

void push(int kind, int x, int y, int key, int wheel) { in().queue.push_back({{kind, x, y, key, wheel}, false}); }

// Waits in a nested event loop of the view until more than `known` events are queued or the
// time is up; returns false when the time ran out.
bool wait_on_view(int timeout_ms, size_t known)
{
    ScreenView* view = ScreenView::instance();
    if (!view) return false;
    view->show();
    view->raise();
    view->activateWindow();
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer since;
    since.start();
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run_idle();
        if (in().queue.size() > known || (timeout_ms > 0 && since.elapsed() >= timeout_ms)) loop.quit();
    });
    tick.start(kIdleMs);
    QEventLoop* outer = in().loop;
    in().loop = &loop;
    loop.exec();
    in().loop = outer;
    return in().queue.size() > known;
}

bool display() { return calllog::interactive() && QCoreApplication::instance() != nullptr; }

// Takes the first queued event the wait accepts. Keys it does not accept stay queued in their
// order for the next reader; other events on the way are applied to the mouse and dropped.
bool take_accepted(int accept_mask, InputEvent* out);

int event_bit(int kind);

bool take_accepted(int accept_mask, InputEvent* out)
{
    auto& q = in().queue;
    size_t keys = 0;
    while (keys < q.size()) {
        Queued& entry = q[keys];
        if (event_bit(entry.e.kind) & accept_mask) {
            InputEvent e = entry.e;
            for (size_t k = 0; k < keys; ++k) q[k].passed = true;
            q.erase(q.begin() + (std::ptrdiff_t)keys);
            apply(e);
            e.x = M_XPOS;
            e.y = M_YPOS;
            *out = e;
            return true;
        }
        if (entry.e.kind == INPUT_KEY) {
            ++keys;
            continue;
        }
        apply(entry.e);
        q.erase(q.begin() + (std::ptrdiff_t)keys);
    }
    return false;
}

constexpr int kAcceptAll = -1;

InputEvent next_accepted(const char* where, int timeout_ms, int accept_mask)
{
    run_idle();
    for (;;) {
        InputEvent e;
        if (take_accepted(accept_mask, &e)) return e;
        if (!display()) {
            calllog::add(std::string("waiting for input at ") + (where ? where : "?"));
            M_LEFT = 0;
            M_RIGHT = 0;
            return InputEvent{INPUT_NONE, M_XPOS, M_YPOS, 0, 0};
        }
        if (!wait_on_view(timeout_ms, in().queue.size())) return InputEvent{INPUT_NONE, M_XPOS, M_YPOS, 0, 0};
    }
}

} // namespace

InputEvent input_next(const char* where, int timeout_ms) { return next_accepted(where, timeout_ms, kAcceptAll); }

void input_post(const InputEvent& event)
{
    in().queue.push_back({event, false});
    if (in().loop) in().loop->quit();
}

void input_unget(const InputEvent& event) { in().queue.push_front({event, false}); }

int input_drop_waiting_keys(void)
{
    int dropped = 0;
    auto& q = in().queue;
    for (auto it = q.begin(); it != q.end();) {
        if (it->e.kind == INPUT_KEY && it->passed) {
            it = q.erase(it);
            ++dropped;
        } else {
            ++it;
        }
    }
    return dropped;
}

// ---- the script ----

void input_script_click(int x, int y)
{
    push(INPUT_MOVE, x, y, 0, 0);
    push(INPUT_PRESS, x, y, 0, 0);
    push(INPUT_RELEASE, x, y, 0, 0);
}

void input_script_right_click(int x, int y)
{
    push(INPUT_MOVE, x, y, 0, 0);
    push(INPUT_RIGHT_PRESS, x, y, 0, 0);
    push(INPUT_RIGHT_RELEASE, x, y, 0, 0);
}

void input_script_press(int x, int y) { push(INPUT_PRESS, x, y, 0, 0); }
void input_script_release(int x, int y) { push(INPUT_RELEASE, x, y, 0, 0); }
void input_script_move(int x, int y) { push(INPUT_MOVE, x, y, 0, 0); }
void input_script_wheel(int steps) { push(INPUT_WHEEL, 0, 0, 0, steps); }
void input_script_key(int code) { push(INPUT_KEY, 0, 0, code, 0); }

void input_script_type(const char* text)
{
    for (const char* p = text; p && *p; ++p) push(INPUT_KEY, 0, 0, (unsigned char)*p, 0);
}

void input_script_clear(void)
{
    in().queue.clear();
    in().keymask = 0;
    M_LEFT = M_RIGHT = M_SCROLL = 0;
}

int input_script_pending(void) { return (int)in().queue.size(); }

// ---- events ----

void InitVYKMessage(VYKMessage* record)
{
    if (!record) return;
    *record = VYKMessage{};
}

namespace {

int event_bit(int kind)
{
    if (kind == INPUT_NONE) return 0;
    switch (kind) {
    case INPUT_MOVE: return VYK_EV_MOVE;
    case INPUT_PRESS: return VYK_EV_LEFT_DOWN;
    case INPUT_RELEASE: return VYK_EV_LEFT_UP;
    case INPUT_RIGHT_PRESS:
    case INPUT_RIGHT_RELEASE: return VYK_EV_RIGHT;
    case INPUT_WHEEL: return VYK_EV_WHEEL;
    case INPUT_KEY: return VYK_EV_KEY;
    default: return 0;
    }
}

} // namespace

namespace {

void fill_record(VYKMessage* record, int bit, const InputEvent& e)
{
    if (!record) return;
    record->event = bit;
    record->x = M_XPOS;
    record->y = M_YPOS;
    record->buttons = (M_LEFT ? 1 : 0) | (M_RIGHT ? 2 : 0);
    record->wheel = e.wheel;
    record->key = e.kind == INPUT_KEY ? e.key : 0;
}

} // namespace

int GetVYKMessage(int mask, VYKMessage* record)
{
    int timeout = (mask & VYK_EV_TIMEOUT) && record ? record->timeout_ms : 0;
    InputEvent e = next_accepted("GetVYKMessage", timeout, mask & ~VYK_EV_TIMEOUT);
    if (e.kind == INPUT_NONE) {
        // Under a display an empty wait means the time-out passed.
        int bit = display() && timeout > 0 ? VYK_EV_TIMEOUT : 0;
        fill_record(record, bit, e);
        return bit;
    }
    int bit = event_bit(e.kind);
    fill_record(record, bit, e);
    return bit;
}

// ---- mouse ----

void msStat(int* x, int* y, int* left)
{
    if (x) *x = M_XPOS;
    if (y) *y = M_YPOS;
    if (left) *left = M_LEFT;
}

void msStCu(int x, int y) { set_position(x, y); }

int msVisi(int visible)
{
    int prev = in().visible;
    in().visible = visible;
    return prev;
}

// A key ends the wait for the mouse and stays queued for the next reader; the button then counts
// as released, so that a loop that waits while it is held comes to an end.
int Get_Mouse_Event(void)
{
    if (!in().queue.empty() && in().queue.front().e.kind == INPUT_KEY) {
        M_LEFT = 0;
        return 0;
    }
    InputEvent e = input_next("Get_Mouse_Event", 0);
    if (e.kind == INPUT_NONE) return 0;
    if (e.kind != INPUT_KEY) return 1;
    input_unget(e);
    M_LEFT = 0;
    return 0;
}

void Save_Mouse_Position(void)
{
    in().saved_x = M_XPOS;
    in().saved_y = M_YPOS;
}

void Restore_Mouse_Position(void) { set_position(in().saved_x, in().saved_y); }

void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    in().limits.clear();
    in().limit = Restriction{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    in().limits.push_back(in().limit);
    in().limit = Restriction{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    set_position(M_XPOS, M_YPOS);
}

void Push_Mouse_Move_Restriction(void)
{
    if (in().limits.empty()) {
        in().limit = Restriction{0, 0, 1 << 20, 1 << 20};
        return;
    }
    in().limit = in().limits.back();
    in().limits.pop_back();
}

// ---- keys ----

int getkey(void)
{
    InputEvent e = next_accepted("getkey", 0, VYK_EV_KEY);
    return e.kind == INPUT_KEY ? e.key : KEY_ESC;
}

int hitkey(void)
{
    for (const Queued& q : in().queue)
        if (q.e.kind == INPUT_KEY) return 1;
    return 0;
}

int getkeymask(void) { return in().keymask; }
void screen_set_keymask(int mask) { in().keymask = mask; }

// ---- idle ----

void Define_Call_Allways_Function(CallAllwaysFn fn)
{
    in().idle = fn;
    in().idle_active = fn != nullptr;
}

void Activate_Call_Allways_Function(int active) { in().idle_active = active != 0; }
