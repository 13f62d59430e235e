#pragma once
// Structural-steel grades: 44 built-in grades in two tables (the second with
// the nominal yield strengths of EN 10025), and user-defined grades.
// Code: bits 0-15 the built-in index 0-43, bits 16 and up the table
// (1 = second table); bit 15 (0x8000) marks a user grade (bits 0-14 its number).

struct SteelGradeRecord {
    int code;
    const char* name;
    double e;        // N/mm²
    double g;        // N/mm²
    double nu;
    double alpha_t;  // 1/K
    double f_y1;     // yield strength for t <= t1, N/mm²
    double f_y2;     // yield strength for t > t1
    double t1;       // mm
    double t2;       // mm (data only)
    double f_u;      // N/mm²
    double factor;
};

// The record of a code; the table's default record ("?????") when not listed. Never null.
const SteelGradeRecord* steel_grade_record(int code);
const char* steel_grade_name(int code);
// f_y2 when thickness > t1, else f_y1.
double steel_grade_fy(int code, double thickness);
// E; G is written to *g_out when not null.
double steel_grade_e(int code, double* g_out);
// out[0] = out[1] = out[3] = f_y/gamma_m, out[2] = f_d/sqrt(3); all 0 with gamma_m 0.
// false for a null out or a built-in index above 43 (values still written).
bool steel_design_strengths(int code, double thickness, double gamma_m, double out[4]);

int steel_grade_add(const SteelGradeRecord* record);
int steel_grade_remove(int code);
void steel_grade_clear_user();
int steel_grade_user_count();
const SteelGradeRecord* steel_grade_user_at(int i);
const SteelGradeRecord* steel_grade_default(int table);

// codes[i] for 0 <= i < n, else 5.
int steel_grade_code_at(int i, const int* codes, int n);
// Appends the names of the n codes to a property-sheet list through the
// callback and returns the position of key among them (0 when absent or n < 1).
typedef void (*StringListAppend)(void* list, const char* text);
int steel_grade_fill_list(void* list, StringListAppend append, const int* codes, int n, int key);
// The same into a sheet's string list (a PSStringList), in plain black.
int steel_grade_fill_list(void* list, const int* codes, int n, int key);
