// Raster fonts of the environment library: a font stack and the text box of a text.
// Without the environment's screen a fixed-cell metric stands in, so that widths are the
// same on every machine: 8 pixels a character, 9 in an emphasised font (bit 0x10000 and up),
// 7 in the small fonts (codes below 4096), 16 pixels high.
#pragma once

// Selects a raster font; the font that was current is kept until Push_RFont.
void Pop_RFont(int font);
// Returns to the font that was current before the matching Pop_RFont.
void Push_RFont(void);
int Current_RFont(void);
// Corners of the box of the first length characters of text placed at (x, y), counter-clockwise
// from the top left: xs[0..3], ys[0..3]. The width is xs[1] - xs[0].
void pxQTxX(const char* text, int length, int x, int y, int* xs, int* ys);
