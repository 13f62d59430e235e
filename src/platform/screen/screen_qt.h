// The Qt side of the virtual screen: the framebuffer itself, the text renderer behind the px
// text calls, and the widget that shows the framebuffer 1:1 where a display is there.
#pragma once

#include <QImage>
#include <QString>

// The framebuffer (RGB32). Hold screen_lock() while reading it from another thread.
QImage& screen_image();
// Draws an image onto the screen at (x, y) through the clip viewport, leaving out pixels whose
// alpha is 0; with `tint` >= 0 every drawn pixel takes that colour value.
void screen_blit(const QImage& image, int x, int y, int tint);
// Copies an image onto the screen at (x, y) as it is: no viewport, no drawing mode. For putting
// back saved pixels.
void screen_paste(const QImage& image, int x, int y);
// Code page 437 bytes (at most length, stopping at a zero byte) as Unicode.
QString screen_text(const char* text, int length);
// The text in the current font as an alpha mask (white on transparent) of its box.
QImage font_render_mask(const QString& text);
