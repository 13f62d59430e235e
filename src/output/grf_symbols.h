// Ready-made symbols of the drawing writer for structural drawings: fasteners, supports,
// level marks, leader texts, section lines, hatched strips and reinforcement labels. Symbol
// sizes are page centimetres unless stated; each symbol restores the drawing state it changes.
#pragma once

void grf_fastener_symbol(int n, int type, double size, double x, double y, double extra);
void grf_support_triangle(double x, double y, double angle_deg, int pattern, int hinge, int base, double size);
void grf_fixed_support_hatch(double x, double y, double angle_deg, double size);
void grf_level_mark(double x, double y, const char* text, int filled, double size);
void grf_level_mark_ground(double x, double y, const char* text, double size);
void grf_level_mark_two_texts(double x, double y, double length, const char* text, const char* text2,
                              int pattern, double size);
void grf_leader_text(double x1, double y1, double x2, double y2, double text_height, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
void grf_leader_level_mark(double x1, double y1, double x2, double y2, int no_triangle, double text_height,
                           const char* format, ...) __attribute__((format(printf, 7, 8)));
void grf_section_line(double x1, double y1, double x2, double y2, double size, const char* label1,
                      const char* label2);
void grf_hatched_strip(double x1, double y1, double x2, double y2, double width, int side);
// grade index 0..2, diameter index 0..11; returns 1 when drawn, 0 for a segment under 5 units
int grf_rebar_label(double x1, double y1, double x2, double y2, double size, int grade, int diameter,
                    double spacing, double area, double cover, double value, int number);
