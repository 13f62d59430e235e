// Word-wrapped text in a view area.
#pragma once

// Adds each non-empty line of text, wrapped to width pixels in the current raster font, as a text
// item at (x, *y) in font and colour; *y grows by step for every line, empty ones included.
void wrap_text_into_view_area(int area, int x, int width, int* y, const char* text, int font, int colour,
                              int step);
