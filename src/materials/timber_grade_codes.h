#pragma once
// Timber grade codes of the data exchanged with the environment's other
// programs: one integer carries the material class in its thousands.
#include "materials/timber_grades.h"

// A grade row of the built-in tables under its exchange code.
struct TimberGradeCodeRecord {
    int code;
    TimberGradeRow values;
};

// Class 0-9 of a grade code, -1 for any other code.
int timber_material_of_grade(int code);
// Grade code of class and index (class 3: the index itself); -1 for another class.
int timber_grade_code(int material_class, int index);
// Record of a code; the first record of class 0 (1000, "C14") for a code outside all ranges.
const TimberGradeCodeRecord* timber_grade_record(int code);
const char* timber_grade_name(int code);
// Always 0: there are no user-defined grade codes.
int timber_grade_user_count();
// codes[i] for 0 <= i < n, else 1001.
int timber_grade_code_at(int i, const int* codes, int n);
// Appends the names of the n codes through the callback; position of key (0 when absent or n < 1).
typedef void (*GradeListAppend)(void* list, const char* text);
int timber_grade_fill_list(void* list, GradeListAppend append, const int* codes, int n, int key);
// The same into a sheet's string list (a PSStringList), in plain black.
int timber_grade_fill_list(void* list, const int* codes, int n, int key);
// "Nadelholz", "Laubholz", "Brettschichtholz", "", ...; "nicht definiertes Material" outside 0-9.
const char* timber_material_class_name(int material_class);
