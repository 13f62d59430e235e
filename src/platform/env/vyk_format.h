// Number formatting of the environment library.
#pragma once

// Writes value right-aligned in `width` characters with `decimals` decimals into buf (at least
// width + 32 bytes, or 64 when width is smaller) and returns buf. Flags 16: an integer. Flags 882:
// a short number, at most `decimals` decimals, trailing zeros dropped, no padding.
char* formatNumber(double value, int flags, int width, int mode, int decimals, char* buf);
