#include "platform/screen/screen.h"

#include "platform/screen/fonts.h"
#include "platform/screen/screen_qt.h"
#include "platform/screen/screen_state.h"
#include "platform/os/regular_file.h"

#include <QFileInfo>
#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

int NPIXEL_X = screen::kWidth;
int NPIXEL_Y = screen::kHeight;
int BLACK_CI = 0x000000;
int WHITE_CI = 0xFFFFFF;
int BUTTON_CI = 0xC8D0D4;   // (212, 208, 200)
int MENUE_CI = 0xF0F0F0;

namespace screen {

State& state()
{
    static State s;
    return s;
}

namespace {

int clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// The environment's system colours, as 0xRRGGBB.
unsigned system_colour(int code)
{
    switch (code) {
    case -1: return 0xD4D0C8;   // sheet and field background
    case -6: return 0xA0A0A0;   // disabled
    case -9: return 0x000000;   // tab text
    default: return 0x808080;
    }
}

} // namespace

bool visible(int colour) { return colour != SCREEN_NO_COLOUR; }

void put(int x, int y, unsigned rgb)
{
    State& s = state();
    if (x < s.clip_x1 || x > s.clip_x2 || y < s.clip_y1 || y > s.clip_y2) return;
    QRgb* line = reinterpret_cast<QRgb*>(s.fb().scanLine(y));
    if (s.bop == 3) line[x] = 0xFF000000u | ((line[x] ^ rgb) & 0xFFFFFFu);
    else line[x] = 0xFF000000u | rgb;
}

void hline(int x1, int x2, int y, unsigned rgb)
{
    if (x1 > x2) std::swap(x1, x2);
    for (int x = x1; x <= x2; ++x) put(x, y, rgb);
}

void changed()
{
    State& s = state();
    s.dirty = true;
    if (s.buffering == 0) flush();
}

void flush()
{
    State& s = state();
    s.dirty = false;
    if (s.flush_hook) s.flush_hook();
}

} // namespace screen

using screen::Guard;
using screen::state;

// ---- colours ----

int Nearest_RGB_Color(int r, int g, int b)
{
    return screen::clamp255(r) | (screen::clamp255(g) << 8) | (screen::clamp255(b) << 16);
}

int Nearest_Color_Index(int r, int g, int b) { return Nearest_RGB_Color(r, g, b); }

unsigned screen_rgb(int colour)
{
    if (colour < 0) return screen::system_colour(colour);
    unsigned c = (unsigned)colour;
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

void pxQCR(int colour, int* r, int* g, int* b)
{
    unsigned rgb = screen_rgb(colour);
    if (r) *r = (rgb >> 16) & 0xFF;
    if (g) *g = (rgb >> 8) & 0xFF;
    if (b) *b = rgb & 0xFF;
}

int GetVYKColor(int code)
{
    int r, g, b;
    pxQCR(code, &r, &g, &b);
    return Nearest_RGB_Color(r, g, b);
}

// ---- state ----

void pxFgc(int colour) { Guard l; state().fg = colour; }
int pxQFgc(void) { Guard l; return state().fg; }
void pxBgc(int colour) { Guard l; state().bg = colour; }
int pxQBgc(void) { Guard l; return state().bg; }

void pxSLn(int style)
{
    Guard l;
    switch (style) {
    case 0: state().line_pattern = 0xFFFFFFFFu; break;
    case 1: state().line_pattern = 0xAAAAAAAAu; break;
    case 2: state().line_pattern = 0xFF00FF00u; break;
    case 9: state().line_pattern = state().user_line; break;
    default: state().line_pattern = 0xFFFFFFFFu; break;
    }
}

void pxSULn(unsigned pattern)
{
    Guard l;
    state().user_line = pattern;
    state().line_pattern = pattern;
}

void pxSUFA(const int* rows16)
{
    Guard l;
    if (!rows16) return;
    for (int i = 0; i < 16; ++i) state().fill[i] = (unsigned)rows16[i] & 0xFFFFu;
    state().user_fill = true;
}

void pxSFA(int style)
{
    Guard l;
    (void)style;
    state().user_fill = false;
}

int pxSBop(int mode)
{
    Guard l;
    int prev = state().bop;
    state().bop = mode == 3 ? 3 : 0;
    return prev;
}

// ---- viewport and buffering ----

void pxView(int x1, int y1, int x2, int y2)
{
    Guard l;
    screen::State& s = state();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    s.clip_x1 = std::max(0, x1);
    s.clip_y1 = std::max(0, y1);
    s.clip_x2 = std::min(NPIXEL_X - 1, x2);
    s.clip_y2 = std::min(NPIXEL_Y - 1, y2);
}

void pxQVwp(int* x1, int* y1, int* x2, int* y2)
{
    Guard l;
    screen::State& s = state();
    if (x1) *x1 = s.clip_x1;
    if (y1) *y1 = s.clip_y1;
    if (x2) *x2 = s.clip_x2;
    if (y2) *y2 = s.clip_y2;
}

int pxBuff(int st)
{
    Guard l;
    int prev = state().buffering;
    state().buffering = st;
    if (st == 0 && state().dirty) screen::flush();
    return prev;
}

void pxFlsh(void)
{
    Guard l;
    screen::flush();
}

// ---- primitives ----

void pxCls(void)
{
    Guard l;
    screen::State& s = state();
    if (!screen::visible(s.bg)) return;
    unsigned rgb = screen_rgb(s.bg);
    for (int y = s.clip_y1; y <= s.clip_y2; ++y) screen::hline(s.clip_x1, s.clip_x2, y, rgb);
    screen::changed();
}

void pxDot(int x, int y)
{
    Guard l;
    if (!screen::visible(state().fg)) return;
    screen::put(x, y, screen_rgb(state().fg));
    screen::changed();
}

// Bresenham's line, both ends included, each pixel drawn once (so that an exclusive-or line
// drawn twice leaves nothing); the line pattern runs along it from its first pixel.
void pxLine(int x1, int y1, int x2, int y2)
{
    Guard l;
    screen::State& s = state();
    if (!screen::visible(s.fg)) return;
    unsigned rgb = screen_rgb(s.fg);
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int step = 0;
    for (;;) {
        if (s.line_pattern & (0x80000000u >> (step & 31))) screen::put(x1, y1, rgb);
        ++step;
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
    screen::changed();
}

void pxRect(int x1, int y1, int x2, int y2)
{
    Guard l;
    screen::State& s = state();
    if (!screen::visible(s.fg)) return;
    if (y1 > y2) std::swap(y1, y2);
    unsigned rgb = screen_rgb(s.fg);
    for (int y = y1; y <= y2; ++y) screen::hline(x1, x2, y, rgb);
    screen::changed();
}

namespace {

bool pattern_set(int x, int y)
{
    const screen::State& s = state();
    if (!s.user_fill) return true;
    unsigned row = s.fill[((y % 16) + 16) % 16];
    return (row & (0x8000u >> (((x % 16) + 16) % 16))) != 0;
}

// Even-odd scanline fill through pixel centres, each pixel drawn once.
void fill_polygon(int n, const double* xs, const double* ys)
{
    screen::State& s = state();
    unsigned rgb = screen_rgb(s.fg);
    double ymin = ys[0], ymax = ys[0];
    for (int i = 1; i < n; ++i) {
        ymin = std::min(ymin, ys[i]);
        ymax = std::max(ymax, ys[i]);
    }
    std::vector<double> cuts;
    for (int y = (int)std::ceil(ymin - 0.5); y <= (int)std::floor(ymax - 0.5) + 1; ++y) {
        double cy = y + 0.5;
        cuts.clear();
        for (int i = 0; i < n; ++i) {
            double ax = xs[i], ay = ys[i], bx = xs[(i + 1) % n], by = ys[(i + 1) % n];
            if ((ay <= cy && by > cy) || (by <= cy && ay > cy))
                cuts.push_back(ax + (cy - ay) * (bx - ax) / (by - ay));
        }
        std::sort(cuts.begin(), cuts.end());
        for (size_t k = 0; k + 1 < cuts.size(); k += 2) {
            int xa = (int)std::ceil(cuts[k] - 0.5), xb = (int)std::ceil(cuts[k + 1] - 0.5) - 1;
            for (int x = xa; x <= xb; ++x)
                if (pattern_set(x, y)) screen::put(x, y, rgb);
        }
    }
}

} // namespace

// A polygon over integer corners covers the pixels whose squares it covers: the corners are
// taken as pixel centres and the outline widened by half a pixel, so that a rectangle given by
// its corner pixels fills them inclusively.
void pxFill(int n, const int* xs, const int* ys)
{
    Guard l;
    if (n < 3 || !xs || !ys || !screen::visible(state().fg)) return;
    double cx = 0, cy = 0;
    for (int i = 0; i < n; ++i) {
        cx += xs[i];
        cy += ys[i];
    }
    cx /= n;
    cy /= n;
    std::vector<double> fx(n), fy(n);
    for (int i = 0; i < n; ++i) {
        fx[i] = xs[i] + 0.5 + (xs[i] > cx ? 0.5 : (xs[i] < cx ? -0.5 : 0));
        fy[i] = ys[i] + 0.5 + (ys[i] > cy ? 0.5 : (ys[i] < cy ? -0.5 : 0));
    }
    fill_polygon(n, fx.data(), fy.data());
    screen::changed();
}

void pxTkLn(int x1, int y1, int x2, int y2, int width)
{
    Guard l;
    if (width <= 1) {
        pxLine(x1, y1, x2, y2);
        return;
    }
    if (!screen::visible(state().fg)) return;
    double dx = x2 - x1, dy = y2 - y1, len = std::sqrt(dx * dx + dy * dy);
    double h = width / 2.0;
    double nx = len > 0 ? -dy / len * h : 0, ny = len > 0 ? dx / len * h : h;
    double ex = len > 0 ? dx / len * 0.5 : 0.5, ey = len > 0 ? dy / len * 0.5 : 0;
    // The band of the given width around the centre line through the pixel centres, both end
    // pixels covered.
    double ax = x1 + 0.5 - ex, ay = y1 + 0.5 - ey, bx = x2 + 0.5 + ex, by = y2 + 0.5 + ey;
    if (len <= 0) {
        ax = x1 + 0.5 - h;
        bx = x1 + 0.5 + h;
        ay = by = y1 + 0.5;
        nx = 0;
        ny = h;
    }
    double px[4] = {ax + nx, bx + nx, bx - nx, ax - nx};
    double py[4] = {ay + ny, by + ny, by - ny, ay - ny};
    fill_polygon(4, px, py);
    screen::changed();
}

void pxMask(int x1, int y1, int x2, int y2, const unsigned char* bits, int mode)
{
    Guard l;
    if (!bits) return;
    screen::State& s = state();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int w = x2 - x1 + 1, h = y2 - y1 + 1, row_bytes = (w + 7) / 8;
    unsigned fg = screen_rgb(s.fg), bg = screen_rgb(s.bg);
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            bool set = (bits[(size_t)r * row_bytes + c / 8] & (0x80 >> (c % 8))) != 0;
            if (set && screen::visible(s.fg)) screen::put(x1 + c, y1 + r, fg);
            else if (!set && mode != 2 && screen::visible(s.bg)) screen::put(x1 + c, y1 + r, bg);
        }
    }
    screen::changed();
}

// ---- saved rectangles ----

namespace {

QRect normal_rect(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// The part of a rectangle on the screen, as a copy of the framebuffer with the part that lies
// off the screen left black.
QImage copy_rect(const QRect& r) { return state().fb().copy(r); }

void paste_rect(const QRect& r, const QImage& img)
{
    QImage& fb = state().fb();
    QRect on = r.intersected(fb.rect());
    for (int y = on.top(); y <= on.bottom(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(img.constScanLine(y - r.top()));
        QRgb* dst = reinterpret_cast<QRgb*>(fb.scanLine(y));
        std::memcpy(dst + on.left(), src + (on.left() - r.left()), sizeof(QRgb) * (size_t)on.width());
    }
}

} // namespace

size_t pxQSvR(int x1, int y1, int x2, int y2)
{
    QRect r = normal_rect(x1, y1, x2, y2);
    return sizeof(QRgb) * (size_t)r.width() * (size_t)r.height();
}

void pxSvRc(int x1, int y1, int x2, int y2, void* buffer)
{
    Guard l;
    if (!buffer) return;
    QRect r = normal_rect(x1, y1, x2, y2);
    QImage img = copy_rect(r).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(static_cast<char*>(buffer) + sizeof(QRgb) * (size_t)r.width() * y, img.constScanLine(y),
                    sizeof(QRgb) * (size_t)r.width());
}

void pxStRc(int x1, int y1, int x2, int y2, const void* buffer)
{
    Guard l;
    if (!buffer) return;
    QRect r = normal_rect(x1, y1, x2, y2);
    QImage img(r.size(), QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(img.scanLine(y), static_cast<const char*>(buffer) + sizeof(QRgb) * (size_t)r.width() * y,
                    sizeof(QRgb) * (size_t)r.width());
    paste_rect(r, img);
    screen::changed();
}

void Save_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    Guard l;
    QRect r = normal_rect(x1, y1, x2, y2);
    state().saves.push_back({r, copy_rect(r)});
}

void Restore_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    Guard l;
    QRect r = normal_rect(x1, y1, x2, y2);
    auto& saves = state().saves;
    for (size_t i = saves.size(); i-- > 0;) {
        if (saves[i].rect != r) continue;
        paste_rect(r, saves[i].pixels);
        saves.erase(saves.begin() + (long)i);
        screen::changed();
        return;
    }
}

// ---- bitmaps ----

void screen_picture_folder(const char* folder)
{
    Guard l;
    state().picture_folder = folder ? folder : "";
}

int screen_find_picture(const char* file, char* path, size_t size)
{
    if (path && size) path[0] = '\0';
    if (!file || !*file) return 0;
    QString name = QString::fromLocal8Bit(file);
    name.replace('\\', '/');
    QStringList tries{name};
    QString base = QFileInfo(name).fileName();
    std::string folder;
    {
        Guard l;
        folder = state().picture_folder;
    }
    if (!folder.empty()) tries << QDir(QString::fromStdString(folder)).filePath(base);
    if (const char* data = std::getenv("DATA")) tries << QDir(QString::fromLocal8Bit(data)).filePath("BITMAPS/" + base);
    for (const QString& t : tries) {
        // The environment's file names are case-insensitive.
        QFileInfo fi(t);
        QString found;
        if (fi.isFile()) found = fi.filePath();
        else {
            QDir dir = fi.dir();
            for (const QString& e : dir.entryList(QDir::Files))
                if (e.compare(fi.fileName(), Qt::CaseInsensitive) == 0) found = dir.filePath(e);
        }
        if (found.isEmpty()) continue;
        QByteArray b = found.toLocal8Bit();
        if (!path || (size_t)b.size() >= size) return 0;
        std::memcpy(path, b.constData(), (size_t)b.size() + 1);
        return 1;
    }
    return 0;
}

namespace {

struct Picture {
    QImage image;
    bool found = false;
};

Picture load_picture(const char* file)
{
    Picture p;
    std::vector<char> path(4096);
    if (screen_find_picture(file, path.data(), path.size())) {
        p.image = QImage::fromData(QByteArray::fromStdString(regular_file_text(path.data(), file_bounds::kPicture)))
                      .convertToFormat(QImage::Format_ARGB32);
        p.found = !p.image.isNull();
    }
    return p;
}

// A missing picture: a grey frame with a cross and the file's name, so that the layout can be
// seen until the artwork is there.
void draw_placeholder(const char* file, const QRect& r)
{
    QImage img(r.size(), QImage::Format_ARGB32);
    img.fill(0xFFF4F4F4u);
    QPainter p(&img);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(0, 0, r.width() - 1, r.height() - 1);
    p.drawLine(0, 0, r.width() - 1, r.height() - 1);
    p.drawLine(0, r.height() - 1, r.width() - 1, 0);
    p.end();
    screen_blit(img, r.left(), r.top(), -1);
    QString base = QFileInfo(QString::fromLocal8Bit(file ? file : "?").replace('\\', '/')).fileName();
    QByteArray name = base.toLatin1();
    int prev_fg = state().fg;
    int prev_view[4] = {state().clip_x1, state().clip_y1, state().clip_x2, state().clip_y2};
    pxView(std::max(r.left(), prev_view[0]), std::max(r.top(), prev_view[1]), std::min(r.right(), prev_view[2]),
           std::min(r.bottom(), prev_view[3]));
    state().fg = 0x404040;
    pxBTxt(r.left(), r.top(), r.right(), r.bottom(), name.constData(), name.size(), 210);
    state().fg = prev_fg;
    pxView(prev_view[0], prev_view[1], prev_view[2], prev_view[3]);
}

void draw_picture(const char* file, QRect src, const QRect& dst, int r, int g, int b)
{
    Picture p = load_picture(file);
    if (!p.found) {
        draw_placeholder(file, dst);
        return;
    }
    if (src.isNull()) src = p.image.rect();
    QImage part = p.image.copy(src);
    if (part.size() != dst.size()) part = part.scaled(dst.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (r >= 0) {
        QRgb key = qRgb(r, g, b);
        for (int y = 0; y < part.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == (key & 0xFFFFFFu)) line[x] = 0;
        }
    }
    screen_blit(part, dst.left(), dst.top(), -1);
}

} // namespace

void pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int mode, int reserved, int r, int g,
                          int b)
{
    (void)mode;
    (void)reserved;
    Guard l;
    draw_picture(file, QRect(), normal_rect(x1, y1, x2, y2), r, g, b);
    screen::changed();
}

void pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2, int y2,
                                 int mode, int reserved, int r, int g, int b)
{
    (void)mode;
    (void)reserved;
    Guard l;
    QRect dst = normal_rect(x1, y1, x2, y2);
    int w = sx2 < 0 ? dst.width() : (sx2 < sx1 ? sx2 : sx2 - sx1 + 1);
    int h = sy2 < 0 ? dst.height() : (sy2 < sy1 ? sy2 : sy2 - sy1 + 1);
    draw_picture(file, QRect(sx1, sy1, std::max(1, w), std::max(1, h)), dst, r, g, b);
    screen::changed();
}

// ---- reliefs ----

void Draw_Funny_Area_to_PS(int relief, int x1, int y1, int x2, int y2, int mode)
{
    Guard l;
    int prev = state().fg;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (mode == 1) {
        state().fg = GetVYKColor(-1);
        pxRect(x1, y1, x2, y2);
    }
    bool sunken = relief == 2 || relief == 4;
    int light = 0xFFFFFF, dark = Nearest_RGB_Color(128, 128, 128);
    int width = relief >= 3 ? 2 : 1;
    for (int i = 0; i < width; ++i) {
        state().fg = sunken ? dark : light;
        pxLine(x1 + i, y1 + i, x2 - i, y1 + i);
        pxLine(x1 + i, y1 + i + 1, x1 + i, y2 - i);
        state().fg = sunken ? light : dark;
        pxLine(x1 + i + 1, y2 - i, x2 - i, y2 - i);
        pxLine(x2 - i, y1 + i + 1, x2 - i, y2 - i - 1);
    }
    if (relief == 4) {
        state().fg = 0xFFFFFF;
        pxRect(x1 + 2, y1 + 2, x2 - 2, y2 - 2);
    }
    state().fg = prev;
}

void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int mode)
{
    (void)mode;
    Guard l;
    if (!text) return;
    Pop_RFont(font);
    pxText(x, y, text, (int)std::strlen(text));
    Push_RFont();
}

void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2)
{
    Guard l;
    int prev = state().fg;
    state().fg = GetVYKColor(-1);
    pxRect(x1, y1, x2, y2);
    state().fg = BLACK_CI;
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
    Draw_Funny_Area_to_PS(1, x1 + 1, y1 + 1, x2 - 1, y2 - 1, 0);
    state().fg = prev;
}

// ---- the screen as a whole ----

void screen_reset(void)
{
    Guard l;
    screen::State& s = state();
    s.fb().fill(0xFFFFFFFFu);
    s.fg = BLACK_CI;
    s.bg = WHITE_CI;
    s.line_pattern = s.user_line = 0xFFFFFFFFu;
    s.user_fill = false;
    s.bop = 0;
    s.clip_x1 = s.clip_y1 = 0;
    s.clip_x2 = NPIXEL_X - 1;
    s.clip_y2 = NPIXEL_Y - 1;
    s.buffering = 0;
    s.saves.clear();
    s.chh = 12;
    s.expf = 1;
    s.spac = 0;
    s.orient = 0;
}

int screen_save_png(const char* path, int x1, int y1, int x2, int y2)
{
    if (!path) return 0;
    Guard l;
    QImage img = x2 >= x1 ? copy_rect(normal_rect(x1, y1, x2, y2)) : state().fb();
    return img.save(QString::fromLocal8Bit(path), "PNG") ? 1 : 0;
}

unsigned screen_pixel(int x, int y)
{
    Guard l;
    if (x < 0 || y < 0 || x >= NPIXEL_X || y >= NPIXEL_Y) return 0;
    return state().fb().pixel(x, y) & 0xFFFFFFu;
}

void screen_set_flush_hook(ScreenFlushFn fn)
{
    Guard l;
    state().flush_hook = fn;
}

void screen_lock(void) { state().mutex.lock(); }
void screen_unlock(void) { state().mutex.unlock(); }

QImage& screen_image() { return state().fb(); }

void screen_paste(const QImage& image, int x, int y)
{
    Guard l;
    paste_rect(QRect(x, y, image.width(), image.height()), image.convertToFormat(QImage::Format_RGB32));
    screen::changed();
}

void screen_blit(const QImage& image, int x, int y, int tint)
{
    Guard l;
    QImage src = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    unsigned t = tint >= 0 ? screen_rgb(tint) : 0;
    for (int r = 0; r < src.height(); ++r) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(r));
        for (int c = 0; c < src.width(); ++c) {
            if (qAlpha(line[c]) < 128) continue;
            screen::put(x + c, y + r, tint >= 0 ? t : (line[c] & 0xFFFFFFu));
        }
    }
}
