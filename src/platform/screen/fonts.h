// Raster fonts of the environment library: a font stack, the metrics of a font and the box of
// a text. Font codes: 4096 normal, 4098 small, 4099 editor, 0 fixed cells, 0x1006 comment;
// bit 0x10000 bold (0x20000 and 0x40000 are style bits the sheets strip).
//
// Two metric modes. Cell metrics, the default, give every character a cell of 7 pixels plus
// 1 pixel of space (9 in a bold font), 13 pixels high with the baseline 10 below the top, on
// every machine, so that widths and pixels can be tested. Qt metrics draw DejaVu at fixed pixel
// sizes, for looks; the program selects them where a display is there, or RVZ_METRICS=qt.
#pragma once

extern int RFONT_HEIGHT;   // height of font 0
extern int RFONT_WIDTH;    // character width of font 0 without its space
extern int RFONT_SPACE;    // space after each character of font 0

enum { SCREEN_METRICS_CELL = 0, SCREEN_METRICS_QT = 1 };
void screen_set_metrics(int mode);
int screen_metrics(void);

// Selects a raster font; the font that was current is kept until Push_RFont.
void Pop_RFont(int font);
// Returns to the font that was current before the matching Pop_RFont.
void Push_RFont(void);
// Selects a font without keeping the previous one.
void Set_RFont(int font);
void pxSFnt(int font);
int Current_RFont(void);

// Metrics of the current font: ascent (top to baseline), descent, height, and the width of a
// text of at most length bytes.
int font_ascent(void);
int font_descent(void);
int font_height(void);
int font_text_pixels(const char* text, int length);

// Corners of the box of the first length characters of text with its baseline at (x, y),
// clockwise from the top left: xs[0..3], ys[0..3]. The width is xs[1] - xs[0].
void pxQTxX(const char* text, int length, int x, int y, int* xs, int* ys);
