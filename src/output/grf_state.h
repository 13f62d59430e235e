// Drawing writer: one process-wide state for the current graphic block of the output list and
// the attached plot file. Shapes, dimensions and texts all draw through this state.
// Coordinates are user units; the block carries page centimetres (user units times the scale).
#pragma once
#include <cstdio>

// Six caption lines of 80 characters: upper 1..3, lower 1..3; a line is present when its
// first character is not zero.
typedef char GrfCaptions[6][80];

void grf_write_block_header(FILE* stream, double x1, double y1, double x2, double y2, double sx,
                            double sy, double angle, const GrfCaptions* captions);
void grf_begin_block(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                     double angle, const GrfCaptions* captions);
void grf_begin_block_plain(FILE* stream, double x1, double y1, double x2, double y2, double sx,
                           double sy);

typedef void (*PlotHeaderWriter)(FILE* file, const char* tag, double origin_x, double origin_y,
                                 double width, double height);
void plot_open_grey(FILE* file, double x1, double y1, double x2, double y2, double scale,
                    double angle, const char* title_format, ...)
    __attribute__((format(printf, 8, 9)));
void plot_open_colour(FILE* file, double x1, double y1, double x2, double y2, double scale,
                      double angle, const char* title_format, ...)
    __attribute__((format(printf, 8, 9)));
void plot_open_with_header(FILE* file, double x1, double y1, double x2, double y2, double scale,
                           double angle, const char* tag, PlotHeaderWriter writer);
void plot_close();
int plot_set_pen(int n);
int plot_set_filling(int n);
int plot_set_linetype(int n);
int plot_set_font(int n);
void plot_set_layer(int n);

void grf_push_state();
void grf_pop_state();
void grf_set_fill_enabled(int flag);
int grf_get_fill_enabled();
void grf_set_fill_pattern(int n);
void grf_fill_blank();
void grf_set_colour_mode(int flag);
int grf_get_colour_mode();
void grf_set_dash(int style);
void grf_redirect_stream(FILE* stream);
void grf_restore_stream();
void oli_set_layout_version(int n);
int oli_get_layout_version();
void grf_set_text_angle(double angle);
double grf_get_text_angle();
void grf_bbox_reset();
void grf_bbox_get(double* min_x, double* min_y, double* max_x, double* max_y);
void grf_paper_to_user(double length, double* in_x, double* in_y);
void grf_to_paper(double x, double y, double* page_x, double* page_y);

// Colours: packed 0x00BBGGRR.
void grf_set_line_colour(int packed);
void grf_set_line_rgb(int r, int g, int b);
void grf_set_line_lighten(double percent);
void grf_set_fill_colour(int packed);
void grf_set_fill_rgb(int r, int g, int b);
void grf_set_fill_lighten(double percent);
void rgb_lighten(int* r, int* g, int* b, double percent);
int rgb_pack(int r, int g, int b);
void rgb_unpack(int packed, int* r, int* g, int* b);
int rgb_lighten_to_index(int packed, double percent);
int rgb_darken_to_index(int packed, double percent);
void grf_group_open();
void grf_fill_def_open();
void grf_fill_def_close();
void grf_group(int id, int pattern);

// Texts (code page 437).
void grf_text(double x, double y, const char* text);
void grf_text_centred(double x, double y, const char* text);
void grf_text_aligned(double x, double y, int vertical, int horizontal, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void grf_label_at(double x, double y, const char* text);
void grf_label_middle_right(double x, double y, const char* text);
void grf_label_middle_centre(double x, double y, const char* text);
void grf_label_vertical(double x, double y, const char* text);
void grf_label_bottom_centre(double x, double y, const char* text);
void grf_label_top_centre(double x, double y, const char* text);
void grf_label_aligned(double x, double y, int vertical, int horizontal, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

// Read access for the shapes and dimensions of this library.
struct GrfState {
    FILE* stream;
    FILE* saved_stream;
    FILE* plot;
    double plot_scale;
    int levels;
    int point_id, entity_id;
    int pen, filling, linetype, font;
    int saved_pen, saved_filling, saved_linetype, saved_font;
    double sx, sy, smax;
    double rotation, text_angle;
    double saved_rotation, saved_text_angle;
    double flip_h;
    int x_dir, y_dir, downward;
    double sign;
    int stagger;
    double bbox[4];
    int fill_enabled;
    int colour_mode;
    int line_rgb[3];
    double line_percent;
    int fill_rgb[3];
    double fill_percent;
    int group_id;
    int dim_style;
    int layout_version;
    int chart_valid;
};
GrfState& grf_state();
void grf_state_reset();   // as at process start (tests)

// Helpers shared by the shapes: bounding box, rotation, plot y.
void grf_bbox_add(double x, double y);
void grf_turn(double* x, double* y);     // by the block rotation
double grf_plot_y(double y);             // mirrored in downward blocks
int grf_out(const char* format, ...) __attribute__((format(printf, 1, 2)));   // to the block
int grf_plot(const char* format, ...) __attribute__((format(printf, 1, 2)));  // to the plot file
