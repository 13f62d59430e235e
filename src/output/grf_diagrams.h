// Value diagrams and charts of the drawing writer: the diagram of a quantity along a member,
// a chart frame with axes, ticks and grid, a quick curve block, framed value diagrams with
// automatic value labels and a bold text.
#pragma once
#include <cstdio>

struct MemberDiagram {
    char name[13];
    int pattern;             // fill pattern of the area; below 0 no pattern record
    double start_x, start_y, end_x, end_y;
    int base_line;           // non-zero: dashed reference line
    int style;               // copied, not used by the drawing
    int count;
    double* positions;       // counted allocator, owned by the descriptor
    double* values;
    double scale;            // user length per value unit
    double label_offset;     // cm
    int decimals;
    int side;                // non-zero: positive values to the other side
};

void grf_diagram_init(MemberDiagram* diagram, int n);
void grf_diagram_copy(MemberDiagram* to, const MemberDiagram* from);
void grf_diagram_free(MemberDiagram* diagram);
void grf_member_diagram(const MemberDiagram* diagram);
void grf_bold_label_at(double x, double y, const char* text);

struct ChartFrame {
    double width, height;                  // cm on the page
    double top, right, bottom, left;       // cm outside the value ranges
    double x_min, x_max, y_min, y_max;
    int y_axis_side;                       // 1: y labels left; else x reversed; 3: x title left
    int x_axis_side;                       // 0: x labels below; else y reversed; 2: y title above
    double x_step, y_step;                 // not positive: no ticks
    int grid;
    char x_title[100];
    char y_title[100];
};

ChartFrame* grf_chart_init(ChartFrame* chart);
int grf_axis(FILE* stream, const ChartFrame* chart);   // 0 drawn, 1 a range is empty
void grf_chart_end();
void grf_curve_block(FILE* stream, int n, const double* xs, const double* ys, int x_flag, int y_flag,
                     double width, double height);
int grf_value_diagram(double x1, double y1, double x2, double y2, const double* positions, const double* values,
                      int n, const char* title, const char* unit, double text_height);
int grf_value_diagram_even(double x1, double y1, double x2, double y2, double p1, double p2,
                           const double* values, int n, const char* title, const char* unit,
                           double text_height);
