// Word wrapping to a pixel width in the current raster font, for remarks written into output
// lists and view areas.
#pragma once

// Length of the next line of text: up to its line end, or, where it grows wider than width, up to
// and including the last blank within it (without one, up to the character that makes it too
// wide, at least one character). next receives the start of the line after it.
int wrap_line_length(const char* text, int width, const char** next);
