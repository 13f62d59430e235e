// Dimension lines of the drawing writer: a line between two points with end marks and its value
// text (cm, m or mm with the half-unit superscript), chains over a point list, and the choice of
// a drawing scale from a fixed table.
#pragma once
#include "environment/ptrarr.h"

void grf_set_dimension_style(int flags);   // 1 no mark at P1, 2 none at P2, 8 open dots
double grf_dimension_line(double x1, double y1, double x2, double y2, double s, const char* text,
                          const char* superscript, double fit_length, int placement);
double grf_dimension_cm(int placement, double x1, double y1, double x2, double y2, double s, double divisor);
double grf_dimension_cm_nonzero(double x1, double y1, double x2, double y2, double s, double divisor,
                                int placement);
double grf_dimension_value(double x1, double y1, double x2, double y2, double s);
double grf_dimension_mm(double x1, double y1, double x2, double y2, double s, int placement);
double grf_dimension_mm_offset(double x1, double y1, double x2, double y2, double offset, double s,
                               int placement);
void grf_dimension_projected(int n, const double* xs, const double* ys, double x1, double y1, double x2,
                             double y2, double s);

struct GrfPoint {
    double x, y;
};
int grf_point_list_add(PtrArr* list, double x, double y);
double grf_dimension_chain(PtrArr* list, const char* unit, int direction, double position, double s,
                           double divisor, int placement);
double grf_dimension_chain_rotated(PtrArr* list, const char* unit, double x, double y, double angle, double s,
                                   double divisor, int placement);
int grf_choose_scale(double width, double height, double object_width, double object_height);
int grf_scale_denominator(int index);   // 0..17, else 0

// The value texts the formatters would write (for checks): text and superscript.
void grf_dimension_cm_text(double length, double divisor, char* text, char* superscript);
int grf_dimension_value_text(double length, char* text, char* superscript);
void grf_dimension_mm_text(double length, char* text, char* superscript);
