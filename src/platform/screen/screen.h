// The virtual screen of the environment library: a framebuffer of fixed size that every
// px call paints into pixel-exact, with colours, line and fill styles, texts, bitmaps,
// a clip viewport and saved screen rectangles. Coordinates are screen pixels, y downwards,
// and rectangles include both corners.
//
// A colour value is the exact RGB value packed as r | g << 8 | b << 16, the form the
// output writers use, so every "nearest" colour is the colour itself. Negative values are
// the environment's system colours (-1 sheet and field background, -6 disabled grey, -9
// tab text); SCREEN_NO_COLOUR draws nothing.
#pragma once

#include <cstddef>

extern int NPIXEL_X;   // screen width in pixels (1280)
extern int NPIXEL_Y;   // screen height in pixels (1024)
extern int BLACK_CI;
extern int WHITE_CI;
extern int BUTTON_CI;  // face of buttons
extern int MENUE_CI;   // background of menus and full-screen sheets

enum { SCREEN_NO_COLOUR = -10000 };

// Colours.
int Nearest_RGB_Color(int r, int g, int b);     // components are clamped to 0..255
int Nearest_Color_Index(int r, int g, int b);   // the same value: the screen has every colour
void pxQCR(int colour, int* r, int* g, int* b); // components of a colour value or system colour
int GetVYKColor(int code);                      // a system colour (-1, -6, -9) as its RGB value
unsigned screen_rgb(int colour);                // 0xRRGGBB of a colour value or system colour

// Drawing state.
void pxFgc(int colour);
int pxQFgc(void);
void pxBgc(int colour);
int pxQBgc(void);
void pxSLn(int style);                  // 0 solid; 1 dotted; 2 dashed; 9 the user pattern
void pxSULn(unsigned pattern);          // user line pattern, bit 31 first, and selects it
void pxSUFA(const int* rows16);         // user fill pattern: 16 rows of 16 bits, bit 15 left
void pxSFA(int style);                  // 0 solid fill (drops the user pattern)
int pxSBop(int mode);                   // 0 copy, 3 exclusive or; returns the previous mode

// Viewport (clip rectangle) and buffering.
void pxView(int x1, int y1, int x2, int y2);
void pxQVwp(int* x1, int* y1, int* x2, int* y2);
int pxBuff(int state);                  // -1 switches buffering on; returns the previous state
void pxFlsh(void);                      // shows what was drawn

// Primitives.
void pxCls(void);                       // fills the viewport in the background colour
void pxDot(int x, int y);
void pxLine(int x1, int y1, int x2, int y2);
void pxTkLn(int x1, int y1, int x2, int y2, int width);
void pxRect(int x1, int y1, int x2, int y2);   // filled, both corners included
void pxFill(int n, const int* xs, const int* ys); // filled polygon in the fill pattern
// A one-bit mask, rows of (width + 7) / 8 bytes, leftmost pixel in bit 7. Mode 2 draws the set
// bits only (foreground); any other mode draws clear bits in the background colour as well.
void pxMask(int x1, int y1, int x2, int y2, const unsigned char* bits, int mode);

// Texts in the current raster font (see fonts.h), in code page 437.
void pxText(int x, int y, const char* text, int length);   // y is the baseline
// Box text: mode 200 + horizontal (1 left, 2 centre, 4 right) + vertical (0 top, 8 middle,
// 24 bottom), plus 256, 512 or 1024 for text turned by 90, 180 or 270 degrees.
void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int length, int mode);
// Graphic text: character height in pixels, width factor, letter spacing as a part of the
// height, orientation in radians counter-clockwise; placed with the box-text modes.
void pxChH(double height);
void pxExpF(double factor);
void pxSpac(double spacing);
void pxOrnt(double angle, int reserved);
void pxGBTt(int x, int y, const char* text, int length, int mode);
double pxQGTX(const char* text, int length);   // width of a graphic text in pixels

// Screen rectangles. pxQSvR gives the bytes a rectangle needs; pxSvRc copies it into a buffer
// of that size and pxStRc copies it back. Save_/Restore_Screen_Rectangle keep the pixels in the
// library, last saved first restored, matched by the rectangle.
size_t pxQSvR(int x1, int y1, int x2, int y2);
void pxSvRc(int x1, int y1, int x2, int y2, void* buffer);
void pxStRc(int x1, int y1, int x2, int y2, const void* buffer);
void Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
void Restore_Screen_Rectangle(int x1, int y1, int x2, int y2);

// Bitmaps. The file is looked for as given, then by its name in the screen's picture folders
// (screen_picture_folder, then $DATA/BITMAPS); a missing file draws a framed placeholder with
// the file's name. With r >= 0 the colour (r, g, b) is transparent. The destination rectangle
// is filled by stretching. For the partial form the source rectangle's second corner may be a
// width and height (when it lies before the first) or -1 (the destination's size).
void pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int mode, int reserved,
                          int r, int g, int b);
void pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1,
                                 int x2, int y2, int mode, int reserved, int r, int g, int b);
void screen_picture_folder(const char* folder);   // null: none
// The path a bitmap is read from, or an empty text when it is missing. At most size bytes.
int screen_find_picture(const char* file, char* path, size_t size);

// Relief frames and texts of the sheets: relief 1 or 2 a one-pixel frame (1 raised, 2 sunken),
// 3 or 4 a two-pixel frame (3 raised, 4 sunken); mode 1 also fills the inside.
void Draw_Funny_Area_to_PS(int relief, int x1, int y1, int x2, int y2, int mode);
void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int mode);
// The sheet box: frame and face of a sheet without title row.
void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2);

// For tests and the program: back to a white screen, default state, no saved rectangles.
void screen_reset(void);
// Writes the framebuffer (or the rectangle, when x2 >= x1) as PNG. 1 when written.
int screen_save_png(const char* path, int x1, int y1, int x2, int y2);
unsigned screen_pixel(int x, int y);   // 0xRRGGBB at a pixel, 0 outside
// Called with the dirty state after drawing while buffering is off, and on pxFlsh; the view
// registers here. Runs on the drawing thread.
typedef void (*ScreenFlushFn)(void);
void screen_set_flush_hook(ScreenFlushFn fn);

// Where a display is there, shows the window with the screen (and lets it paint once) or hides
// it again when no sheet is open; without a display they do nothing.
void screen_show(void);
void screen_hide(void);

// The framebuffer lock. Every px call takes it; a thread that draws a sequence that must not
// be interleaved (the busy animation) holds it around the sequence. Recursive.
void screen_lock(void);
void screen_unlock(void);
