// The parameter sheets of a national-annex set: each fills a view area with the values of one
// Eurocode block as editable number fields, switches and toggles over rows and pictures, showing
// the sections the current application uses. The caller runs the input loop; a toggled section
// shows after the next build.
#pragma once
#include "national_annex/nad_set.h"

#include <cstdint>

void nad_ec0_sheet(int area, NadEc0Block* block, int editable);
void nad_ec2_sheet(int area, NadEc2Block* block, int editable);
void nad_ec3_sheet(int area, NadEc3Block* block, int editable);
void nad_ec5_sheet(int area, NadEc5Block* block, int editable);
void nad_ec6_sheet(int area, NadEc6Block* block, int editable);
void nad_ec9_sheet(int area, NadEc9Block* block, int editable);

// Rows of the tables of each sheet (see nad_sheet_table_row).
int nad_ec2_sheet_row(int area, int y, int height, const char* clause, const char* parameter, const char* explanation,
                      int font);
int nad_ec5_sheet_row(int area, int y, int height, const char* text1, const char* text2, const char* text3, int font);
int nad_ec6_sheet_row(int area, int y, int height, const char* text1, const char* text2, const char* text3, int font);
int nad_ec9_sheet_row(int area, int y, int height, const char* text1, const char* text2, const char* text3, int font);
int nad_ec3_1_sheet_row(int area, int y, int height, const char* text1, const char* text2, const char* text3, int font);
int nad_ec3_8_sheet_row(int area, int y, int height, const char* text1, const char* text2, const char* text3, int font);
int nad_ec3_1_sheet(int area, int y, NadEc31Block* sub, int editable);
int nad_ec3_8_sheet(int area, int y, NadEc38Block* sub, int editable);

// The EC5 sheet's pictures (index 1 to 9) and the crack-factor toggle's callback.
void nad_ec5_draw_picture(int x1, int y1, int x2, int y2, void* index);
int nad_ec5_kcr_toggled(intptr_t state);
int nad_ec5_stub();
int nad_ec3_1_stub();
int nad_ec3_8_stub();

// The sheets' open sections; they last for the run.
extern int ec6_sheet_open, ec5_section_open[10], ec3_1_open, ec3_fire_open, ec3_8_open[4];
extern int ec0_buildings_open, ec0_bridges_open, ec2_buildings_open, ec2_fire_open, ec2_bridges_open;
// The picture file of the EC5 sheet (nine pictures, see nad_ec5_draw_picture).
extern const char* const kNadEc5Pictures;
