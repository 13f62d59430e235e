#include "environment/busy_animation.h"

#include "platform/env/vyk_process.h"
#include "platform/screen/screen.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

namespace {

constexpr int kFrames = 12;
constexpr int kFrameSize = 84;     // each frame of the strip is 84 x 84 pixels,
constexpr int kFrameStride = 85;   // one pixel apart, from x = 1 and y = 1
constexpr int kFramePause = 100;   // ms
constexpr int kPauseSlice = 10;
const char kStrip[] = "Anima2.bmp";

// Shared between the caller's thread and the animation thread.
std::atomic<int> g_running{0};
std::atomic<int> g_x{0}, g_y{0};
std::thread g_thread;
std::mutex g_thread_mutex;

// One frame over the saved screen: drawn as one piece under the framebuffer lock, so that no
// drawing of the caller's thread falls between restoring the background and the frame.
void draw_frame(int x, int y, int frame)
{
    screen_lock();
    int buffered = pxBuff(-1);
    Restore_Screen_Rectangle(x, y, x + kFrameSize - 1, y + kFrameSize - 1);
    Save_Screen_Rectangle(x, y, x + kFrameSize - 1, y + kFrameSize - 1);
    pxDrawPartialTransparentDIB(kStrip, 1 + kFrameStride * frame, 1, kFrameSize, kFrameSize, x, y,
                                x + kFrameSize - 1, y + kFrameSize - 1, 0, 0, 255, 255, 0);
    pxBuff(buffered);
    pxFlsh();   // from this thread the view is asked for a queued update
    screen_unlock();
}

void busy_animation_thread()
{
    const int x = g_x.load(), y = g_y.load();
    Save_Screen_Rectangle(x, y, x + kFrameSize - 1, y + kFrameSize - 1);
    for (int frame = 0; g_running.load(); frame = (frame + 1) % kFrames) {
        draw_frame(x, y, frame);
        // The pause in slices, so that a stop is seen within one slice.
        for (int waited = 0; waited < kFramePause && g_running.load(); waited += kPauseSlice) VYKSleep(kPauseSlice);
    }
    screen_lock();
    Restore_Screen_Rectangle(x, y, x + kFrameSize - 1, y + kFrameSize - 1);
    pxFlsh();
    screen_unlock();
}

double clock_seconds()
{
    using namespace std::chrono;
    static const steady_clock::time_point origin = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - origin).count() * 0.001;
}

double g_deadline = 0;
int g_zoom_steps = 10;
int g_zoom_pause = 15;
int g_pick_tolerance = 3;

} // namespace

int busy_animation_start(int x, int y)
{
    std::lock_guard<std::mutex> lock(g_thread_mutex);
    if (g_running.load()) return 1;
    if (g_thread.joinable()) g_thread.join();
    if (x < 0 || y < 0) {
        x = NPIXEL_X / 2 - 41;
        y = NPIXEL_Y / 2 - 41;
    }
    g_x = x;
    g_y = y;
    g_running = 1;
    try {
        g_thread = std::thread(busy_animation_thread);
    } catch (...) {
        g_running = 0;
        return 0;
    }
    return 1;
}

void busy_animation_stop()
{
    std::lock_guard<std::mutex> lock(g_thread_mutex);
    if (!g_running.exchange(0)) return;
    // Joining replaces the fixed pause: the caller draws again only after the thread ended.
    if (g_thread.joinable()) g_thread.join();
}

int busy_animation_running() { return g_running.load(); }

void clock_timer_start(double seconds) { g_deadline = clock_seconds() + seconds; }
int clock_timer_expired() { return clock_seconds() >= g_deadline ? 1 : 0; }

void zoom_set(int steps, int pause_ms)
{
    if (steps < 0) {
        g_zoom_steps = 10;
        g_zoom_pause = 15;
        return;
    }
    g_zoom_steps = steps;
    g_zoom_pause = pause_ms;
}

int zoom_steps() { return g_zoom_steps; }
int zoom_pause() { return g_zoom_pause; }

void pick_tolerance_set(int pixels) { g_pick_tolerance = pixels; }
int pick_tolerance() { return g_pick_tolerance; }

int point_near_segment(int x1, int y1, int x2, int y2, int x, int y)
{
    int t = g_pick_tolerance;
    if (x < std::min(x1, x2) - t || x > std::max(x1, x2) + t || y < std::min(y1, y2) - t ||
        y > std::max(y1, y2) + t)
        return 0;
    double dx = x2 - x1, dy = y2 - y1;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0) return 0;
    double dist = std::fabs(dy * (x - x1) - dx * (y - y1)) / len;
    return dist <= t ? 1 : 0;
}
