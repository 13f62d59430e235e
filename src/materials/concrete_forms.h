// Input forms of the concrete material library on the form toolkit: the grade rows with which a
// user picks a concrete and a reinforcing steel from the grade lists, the parameter pages of a
// freely defined concrete or steel (inside the row or as forms of their own), and a sheet that
// adds up the cross-section area of reinforcing bars. Texts in code page 850.
#pragma once
#include "materials/concrete_grades.h"

// The label "Betongüte" at x and the concrete grade row 75 pixels to its right; the height used
// below the row (0, 23, 46, or the parameter page's height).
int concrete_material_sheet(int area, int x, int y, ConcreteGradeRecord* record, GradeList* list, int* current);
// The concrete grade row alone, its list at x.
int concrete_grade_row(int area, int x, int y, ConcreteGradeRecord* record, GradeList* list, int* current);
// The label "Stahlgüte" at x and the steel grade row 75 pixels to its right; the height used.
int rebar_grade_row(int area, int x, int y, RebarGradeRecord* record, GradeList* list, int* current);

// Parameter pages of a free definition with the origin (x, y); 183 and 107 pixels high.
int concrete_param_page(int area, int x, int y, ConcreteGradeRecord* record);
int rebar_param_page(int area, int x, int y, RebarGradeRecord* record);

// Run the parameter form on the record, starting from "C25/30" or "BSt 500 (A)": 1 when
// confirmed (the record keeps the edited values), 0 when cancelled (the record holds the
// starting grade).
int concrete_params_form(ConcreteGradeRecord* record);
int rebar_params_form(RebarGradeRecord* record);

// 0 draws a free definition's parameter page inside the grade row; any other value a link that
// runs the parameter form.
void concrete_pages_link_mode(int mode);

// Runs the area sheet of bars of 6 to 28 mm: the total area in m², or -1 when cancelled. The
// counts and the sheet's place are kept for the run.
double rebar_area_sheet(void);
enum { REBAR_AREA_ROWS = 9 };
// The kept counts (for tests and for a caller that presets them).
double* rebar_area_counts(void);
