#include "platform/env/font_metrics.h"

#include <vector>

namespace {

constexpr int kDefaultFont = 4096;

struct FontState {
    int current = kDefaultFont;
    std::vector<int> saved;
};
FontState& state()
{
    static FontState s;
    return s;
}

int cell_width(int font)
{
    if (font >= 0x10000) return 9;
    if (font < kDefaultFont) return 7;
    return 8;
}

} // namespace

void Pop_RFont(int font)
{
    state().saved.push_back(state().current);
    state().current = font;
}

void Push_RFont(void)
{
    if (state().saved.empty()) {
        state().current = kDefaultFont;
        return;
    }
    state().current = state().saved.back();
    state().saved.pop_back();
}

int Current_RFont(void) { return state().current; }

void pxQTxX(const char* text, int length, int x, int y, int* xs, int* ys)
{
    int n = 0;
    if (text) {
        while (n < length && text[n]) ++n;
    }
    int w = n * cell_width(state().current);
    const int h = 16;
    xs[0] = x;
    ys[0] = y;
    xs[1] = x + w;
    ys[1] = y;
    xs[2] = x + w;
    ys[2] = y + h;
    xs[3] = x;
    ys[3] = y + h;
}
