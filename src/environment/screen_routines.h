// Screen routines of the older dialog library drawn on the environment's screen: the sand clock
// stepped by its caller, six progress bars, the zoom animation, the rubber band, the saved box,
// the button reset and the picture sheet. (The threaded wait animation is in busy_animation.h.)
#pragma once

// Sand clock: 12 frames of 31 x 61 pixels, one more on each step at least 50 ms apart.
void sandclock_start(int x, int y, int background);
void sandclock_animation_step();

// Progress bars: a bar `width` pixels wide and 8 high at (x, y). Returns the slot (0 to 5), or
// -1 when all six are in use. Framed bars stand in a box of their own.
int progress_bar_open(int x, int y, int width, int framed);
// Fills the bar to width x fraction, limited to 0 ... width.
void progress_bar_set(int slot, double fraction);
void progress_bar_set_pause(int slot, double seconds);
void progress_bar_close(int slot);
int progress_bar_fill(int slot);   // the fill in pixels, -1 for a free slot

// Outlines of steps + 1 rectangles from the first rectangle towards the second, each shown for
// the pause and erased again (exclusive-or drawing).
void zoom_animation(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
// Drags an outline from (x0, y0) to the mouse while the left button is held; the last mouse
// position comes back through x_out and y_out.
void rubber_band_rectangle(int x0, int y0, int* x_out, int* y_out);

// One box: saved and cleared to the sheet colour, then restored.
void box_save_and_clear(int x1, int y1, int x2, int y2);
void box_restore();

void button_reset(int button, int coloured, const char* comment);

// Shows the picture file in a sheet of width + 4 by height + 66 pixels at the screen's centre
// with one OK button and waits until the sheet is ended. Returns the code that ended it.
int picture_sheet(const char* title, const char* picture, int width, int height);
