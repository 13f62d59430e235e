// Inside the virtual screen: the state every px call shares. Not for callers of the library.
#pragma once

#include "platform/screen/screen.h"

#include <QImage>
#include <QRect>

#include <mutex>
#include <string>
#include <vector>

namespace screen {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

struct SavedRect {
    QRect rect;
    QImage pixels;
};

struct State {
    std::recursive_mutex mutex;
    int fg = 0x000000;
    int bg = 0xFFFFFF;
    unsigned line_pattern = 0xFFFFFFFFu;
    unsigned user_line = 0xFFFFFFFFu;
    bool user_fill = false;
    unsigned fill[16] = {};
    int bop = 0;
    int clip_x1 = 0, clip_y1 = 0, clip_x2 = kWidth - 1, clip_y2 = kHeight - 1;
    int buffering = 0;
    bool dirty = false;
    std::vector<SavedRect> saves;
    std::string picture_folder;
    ScreenFlushFn flush_hook = nullptr;
    double chh = 12, expf = 1, spac = 0, orient = 0;   // graphic text
    // The framebuffer, white until drawn on; callers hold the lock, as for every member. Made on
    // first use: a program that only sets fonts or hooks never pays for five megabytes of pixels.
    QImage& fb()
    {
        if (fb_.isNull()) {
            fb_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
            fb_.fill(0xFFFFFFFFu);
        }
        return fb_;
    }

private:
    QImage fb_;
};

State& state();

struct Guard {
    Guard() { state().mutex.lock(); }
    ~Guard() { state().mutex.unlock(); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

bool visible(int colour);
// One pixel through the clip viewport in the drawing mode; rgb is 0xRRGGBB.
void put(int x, int y, unsigned rgb);
void hline(int x1, int x2, int y, unsigned rgb);
// After drawing: shows it unless buffering is on.
void changed();
void flush();

} // namespace screen
