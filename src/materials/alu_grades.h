#pragma once
// Aluminium alloy grades: 97 built-in grades (alloy, temper, thickness range
// and characteristic values) and user-defined grades. Id 0-96 for a built-in
// grade; bit 15 (0x8000) marks a user grade (bits 0-14 its number).

struct AluGradeRecord {
    int id;
    const char* name;
    const char* alloy;
    const char* temper;
    double t_min;      // mm
    double t_max;      // mm
    double e;          // N/mm²
    double g;          // N/mm²
    double nu;
    double alpha_t;    // 1/K
    double f_o;        // 0.2 % proof strength, N/mm²
    double f_u;        // ultimate strength, N/mm²
    double a;          // elongation, %
    double f_o_haz;    // N/mm²
    double f_u_haz;    // N/mm²
    double rho_o_haz;
    double rho_u_haz;
    const char* buckling_class;  // "A" or "B"
    double n_p;
};

enum { ALU_BUILTIN_COUNT = 97 };

// Where the values of a built-in grade come from; a grade without values answers NONE.
enum AluValueSource {
    ALU_SOURCE_NONE, ALU_SOURCE_TABLE_3_2A, ALU_SOURCE_TABLE_3_2B, ALU_SOURCE_TABLE_3_2C, ALU_SOURCE_SECONDARY
};
AluValueSource alu_grade_source(int id);
// The source as a short text ("not available" for a grade without values).
const char* alu_grade_source_text(int id);

// The record of an id; the default record (id 97, "?????") when not listed.
const AluGradeRecord* alu_grade_record(int id);
const char* alu_grade_name(int id);
const char* alu_grade_alloy(int id);
const char* alu_grade_temper(int id);
double alu_grade_t_min(int id);
double alu_grade_t_max(int id);
double alu_grade_f_o(int id);
double alu_grade_f_u(int id);

int alu_grade_add(const AluGradeRecord* record);
int alu_grade_remove(int id);
void alu_grade_clear_user();
int alu_grade_user_count();
const AluGradeRecord* alu_grade_user_at(int i);
const AluGradeRecord* alu_grade_default();

// ids[i] for 0 <= i < n, else 0.
int alu_grade_id_at(int i, const int* ids, int n);
// Appends the alloy text of each of the n ids through the callback and
// returns the position of key among them (0 when absent or n < 1).
typedef void (*AluListAppend)(void* list, const char* text);
int alu_grade_fill_name_list(void* list, AluListAppend append, const int* ids, int n, int key);
// The same into a sheet's string list (a PSStringList), in plain black.
int alu_grade_fill_name_list(void* list, const int* ids, int n, int key);
