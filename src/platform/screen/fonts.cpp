#include "platform/screen/fonts.h"

#include "platform/os/codepage.h"
#include "platform/screen/screen_qt.h"
#include "platform/screen/screen_state.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

int RFONT_HEIGHT = 13;
int RFONT_WIDTH = 7;
int RFONT_SPACE = 1;

namespace {

constexpr int kDefaultFont = 4096;
constexpr int kBold = 0x10000;
constexpr int kStyleBits = 0x70000;
// The fixed cell: 7 pixels of character and 1 of space (2 in bold), 13 high, baseline at 10.
constexpr int kCellAscent = 10;
constexpr int kCellDescent = 3;

struct Fonts {
    int current = kDefaultFont;
    std::vector<int> saved;
    int mode = -1;   // -1: not chosen yet
};

Fonts& fonts()
{
    static Fonts f;
    return f;
}

bool qt_usable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

bool cell_mode()
{
    Fonts& f = fonts();
    if (f.mode < 0) {
        const char* env = std::getenv("RVZ_METRICS");
        f.mode = env && std::strcmp(env, "qt") == 0 ? SCREEN_METRICS_QT : SCREEN_METRICS_CELL;
    }
    return f.mode == SCREEN_METRICS_CELL || !qt_usable();
}

int cell_width(int font) { return (font & kBold) ? 9 : 8; }

QFont qt_font(int code)
{
    bool bold = (code & kBold) != 0;
    int base = code & ~kStyleBits;
    QFont f(QStringLiteral("DejaVu Sans"));
    int px = 12;
    switch (base) {
    case 0: f = QFont(QStringLiteral("DejaVu Sans Mono")); px = 13; break;
    case 4098: px = 10; break;
    case 4099: f = QFont(QStringLiteral("DejaVu Sans Mono")); px = 12; break;
    case 0x1006: px = 11; f.setItalic(true); break;
    default: break;
    }
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int text_length(const char* text, int length)
{
    int n = 0;
    if (text)
        while (n < length && text[n]) ++n;
    return n;
}

} // namespace

void screen_set_metrics(int mode)
{
    screen::Guard l;
    fonts().mode = mode == SCREEN_METRICS_QT ? SCREEN_METRICS_QT : SCREEN_METRICS_CELL;
    if (cell_mode()) {
        RFONT_HEIGHT = 13;
        RFONT_WIDTH = 7;
        RFONT_SPACE = 1;
    } else {
        QFontMetrics m(qt_font(0));
        RFONT_HEIGHT = m.height();
        RFONT_WIDTH = m.horizontalAdvance(QLatin1Char('M')) - 1;
        RFONT_SPACE = 1;
    }
}

int screen_metrics(void) { return cell_mode() ? SCREEN_METRICS_CELL : SCREEN_METRICS_QT; }

void Pop_RFont(int font)
{
    screen::Guard l;
    fonts().saved.push_back(fonts().current);
    fonts().current = font;
}

void Push_RFont(void)
{
    screen::Guard l;
    Fonts& f = fonts();
    if (f.saved.empty()) {
        f.current = kDefaultFont;
        return;
    }
    f.current = f.saved.back();
    f.saved.pop_back();
}

void Set_RFont(int font)
{
    screen::Guard l;
    fonts().current = font;
}

void pxSFnt(int font) { Set_RFont(font); }

int Current_RFont(void)
{
    screen::Guard l;
    return fonts().current;
}

int font_ascent(void)
{
    screen::Guard l;
    return cell_mode() ? kCellAscent : QFontMetrics(qt_font(fonts().current)).ascent();
}

int font_descent(void)
{
    screen::Guard l;
    return cell_mode() ? kCellDescent : QFontMetrics(qt_font(fonts().current)).descent();
}

int font_height(void) { return font_ascent() + font_descent(); }

int font_text_pixels(const char* text, int length)
{
    screen::Guard l;
    int n = text_length(text, length);
    if (cell_mode()) return n * cell_width(fonts().current);
    return QFontMetrics(qt_font(fonts().current)).horizontalAdvance(screen_text(text, n));
}

void pxQTxX(const char* text, int length, int x, int y, int* xs, int* ys)
{
    int w = font_text_pixels(text, length);
    int top = y - font_ascent(), bottom = y + font_descent() - 1;
    xs[0] = x;
    ys[0] = top;
    xs[1] = x + w;
    ys[1] = top;
    xs[2] = x + w;
    ys[2] = bottom;
    xs[3] = x;
    ys[3] = bottom;
}

QString screen_text(const char* text, int length)
{
    int n = text_length(text, length);
    return QString::fromStdString(codepage::glyphs_to_utf8(std::string(text ? text : "", (size_t)n)));
}

// In cell metrics a character is a solid block in its cell, so that drawn texts are the same on
// every machine.
QImage font_render_mask(const QString& text)
{
    screen::Guard l;
    int font = fonts().current;
    if (cell_mode()) {
        // A combining mark (the bar over lambda) shares the cell of its letter.
        int cw = cell_width(font), cells = 0;
        for (QChar c : text) cells += c.isMark() ? 0 : 1;
        QImage img(std::max(1, cw * cells), kCellAscent + kCellDescent, QImage::Format_ARGB32);
        img.fill(0u);
        int cell = -1;
        for (QChar c : text) {
            if (!c.isMark()) ++cell;
            if (c.isSpace() || c.isMark()) continue;
            for (int y = 3; y < kCellAscent; ++y)
                for (int x = 1; x < cw - 2; ++x) img.setPixel(cell * cw + x, y, 0xFFFFFFFFu);
        }
        return img;
    }
    QFont f = qt_font(font);
    QFontMetrics m(f);
    QImage img(std::max(1, m.horizontalAdvance(text)), std::max(1, m.height()), QImage::Format_ARGB32);
    img.fill(0u);
    QPainter p(&img);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(0, m.ascent(), text);
    return img;
}

// ---- texts on the screen ----

namespace {

// Places the mask of a text (turned by quarter turns) in the box by the mode's alignment.
void place_mask(QImage mask, int x1, int y1, int x2, int y2, int mode)
{
    int turn = (mode & 1024) ? 270 : (mode & 512) ? 180 : (mode & 256) ? 90 : 0;
    if (turn) mask = mask.transformed(QTransform().rotate(-turn));   // 90: reading upwards
    int m = mode % 256 - 200;
    int h = m & 7, v = m - h;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int x = h == 4 ? x2 - mask.width() + 1 : h == 2 ? (x1 + x2 + 1) / 2 - mask.width() / 2 : x1;
    int y = v == 24 ? y2 - mask.height() + 1 : v == 8 ? (y1 + y2 + 1) / 2 - mask.height() / 2 : y1;
    screen_blit(mask, x, y, screen::state().fg);
}

} // namespace

void pxText(int x, int y, const char* text, int length)
{
    screen::Guard l;
    if (!text || !screen::visible(screen::state().fg)) return;
    QImage mask = font_render_mask(screen_text(text, length));
    screen_blit(mask, x, y - font_ascent(), screen::state().fg);
    screen::changed();
}

void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int length, int mode)
{
    screen::Guard l;
    if (!text || !screen::visible(screen::state().fg)) return;
    place_mask(font_render_mask(screen_text(text, length)), x1, y1, x2, y2, mode);
    screen::changed();
}

void pxChH(double height) { screen::Guard l; screen::state().chh = height; }
void pxExpF(double factor) { screen::Guard l; screen::state().expf = factor; }
void pxSpac(double spacing) { screen::Guard l; screen::state().spac = spacing; }
void pxOrnt(double angle, int reserved)
{
    (void)reserved;
    screen::Guard l;
    screen::state().orient = angle;
}

namespace {

// Graphic text in cell metrics: a character is 0.6 of the height wide times the width factor.
double cell_char_width() { return screen::state().chh * 0.6 * screen::state().expf; }

QFont graphic_font()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, (int)std::lround(screen::state().chh)));
    f.setStretch(std::max(1, (int)std::lround(screen::state().expf * 100)));
    f.setLetterSpacing(QFont::AbsoluteSpacing, screen::state().spac * screen::state().chh);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

double pxQGTX(const char* text, int length)
{
    screen::Guard l;
    int n = text_length(text, length);
    double gap = screen::state().spac * screen::state().chh;
    if (cell_mode()) return n * cell_char_width() + (n > 1 ? (n - 1) * gap : 0);
    return QFontMetricsF(graphic_font()).horizontalAdvance(screen_text(text, n));
}

void pxGBTt(int x, int y, const char* text, int length, int mode)
{
    screen::Guard l;
    screen::State& s = screen::state();
    if (!text || !screen::visible(s.fg)) return;
    QString t = screen_text(text, length);
    double w = pxQGTX(text, length), h = s.chh;
    int m = mode % 256 - 200;
    int hor = m & 7, ver = m - hor;
    double ax = hor == 4 ? w : hor == 2 ? w / 2 : 0;
    double ay = ver == 24 ? h : ver == 8 ? h / 2 : 0;
    // Drawn into a mask around the anchor, turned about it, then placed.
    int size = (int)std::ceil(std::sqrt(w * w + h * h)) * 2 + 4;
    QImage mask(size, size, QImage::Format_ARGB32);
    mask.fill(0u);
    QPainter p(&mask);
    p.translate(size / 2, size / 2);
    p.rotate(-s.orient * 180.0 / M_PI);
    p.translate(-ax, -ay);
    if (cell_mode()) {
        double cw = cell_char_width(), gap = s.spac * s.chh;
        for (int i = 0; i < t.size(); ++i)
            if (!t[i].isSpace())
                p.fillRect(QRectF(i * (cw + gap) + cw * 0.15, h * 0.2, cw * 0.7, h * 0.8), Qt::white);
    } else {
        QFont f = graphic_font();
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QPointF(0, QFontMetricsF(f).ascent()), t);
    }
    p.end();
    screen_blit(mask, x - size / 2, y - size / 2, s.fg);
    screen::changed();
}
