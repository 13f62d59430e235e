// The form toolkit's drawing state: one current form (a view-area key) that receives labels,
// fields and sketches, with font flags and colours for new elements, and the measurement of
// texts that carry inline 0xCE codes.
#pragma once

// Style bits of the font flags; the low 16 bits are the raster font code.
constexpr int FORM_FONT_NORMAL = 4096;
constexpr int FORM_FONT_SMALL = 4098;   // the normal code + 2
constexpr int FORM_BOLD = 0x10000;
constexpr int FORM_EMPHASISED = 0x20000;
constexpr int FORM_FRAMED = 0x40000;
constexpr int FORM_STYLE_BITS = FORM_BOLD | FORM_EMPHASISED | FORM_FRAMED;
constexpr int FORM_INLINE_CODE = 0xCE;
// Grey of inactive elements.
constexpr int FORM_INACTIVE_R = 198, FORM_INACTIVE_G = 195, FORM_INACTIVE_B = 198;

// One page area of an open sheet, as the runners register it.
struct FormArea {
    int escape;          // escape-area handle of the page
    int view;            // view-area key
    int x1, y1, x2, y2;  // corners on the sheet
    int* dx;             // where the running sheet keeps its displacement
    int* dy;
};
constexpr int FORM_MAX_AREAS = 20;

// Appends an area (nothing with FORM_MAX_AREAS registered); removes the last one.
void form_register_area(int escape, int view, int x1, int y1, int x2, int y2, int* dx, int* dy);
void form_unregister_area(void);
int form_area_count(void);
const FormArea* form_area_of(int view);   // the last registered area of the key, or null

void form_select_sheet(int key);
int form_current_sheet(void);
void form_set_font_flags(int flags);
int form_get_font_flags(void);
int form_set_text_colour(int colour);
int form_get_text_colour(void);
void form_set_background(int colour);
int form_get_background(void);
int form_escape_area(void);
void form_area_origin(int* x, int* y);
int form_inactive_colour(void);

int coded_text_width(const char* text);
int text_width_in_font(const char* text, int flags);

// Labels and texts; each returns its width in pixels.
struct FormActive {
    int active;
};
int form_label(int x, int y, const char* text, const int* active);
int form_text(int x, int y, const char* text, const FormActive* active);
int form_printf(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
int form_label_emphasised(int x, int y, const char* text, const int* active);
int form_printf_emphasised(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
int form_label_small(int x, int y, const char* text, const int* active);
int form_label_small_emphasised(int x, int y, const char* text, const int* active);
int form_label_with_icon(int x, int y, const char* text, int value, int* target, const int* active);
int form_label_clickable(int x, int y, const char* text, int value, int* target, const int* active);
int form_label_subscript(int x, int y, const char* symbol, const char* subscript, const int* active);
int form_symbol(int x, int y, const char* symbol, const char* subscript, const int* active);
int form_symbol_bold(int x, int y, const char* symbol, const char* subscript, const int* active);
int form_symbol_sub_sup(int x, int y, const char* symbol, const char* subscript, const char* superscript,
                        const int* active);
int form_label_with_unit(int x, int y, const char* text, const char* second, int vertical, int alignment,
                         const int* active);
int form_symbol_aligned(int x, int y, const char* text, const char* second, int vertical, int alignment,
                        const int* active);
int form_label_aligned(int x, int y, const char* text, int vertical, int alignment, const int* active);
int form_label_centred(int y, const char* text, const int* active);
int form_caption_centred(int y, const char* text, const int* active);

// Half away from zero, as every pixel position of the toolkit is rounded.
int form_round(double v);
