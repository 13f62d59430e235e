// Input fields of a form: scaled floating-point fields, integer fields edited through a double,
// limited fields, texts, toggles, alternatives and choice lists. Registries remember the bound
// variables per open sheet level, so that a closing sheet can scale values back and round
// the integers. The registries grow as needed; sheets nest at most FORM_MAX_LEVELS deep.
#pragma once
#include <cstdint>

constexpr int FORM_MAX_LEVELS = 5;
constexpr int FORM_NOT_REGISTERED = -99999999;

struct FloatFieldEntry {
    double* value;
    double factor;
    int level;
};
struct IntFieldEntry {
    int* value;
    double shadow;   // the double the view area edits
    int level;
};
struct LimitEntry {
    double* value;
    double lower, upper;
    int level;
};

// Extent of the last field, for tool tips.
struct FormLastElement {
    int x1, x2, y1, y2;
    int state;
};
extern FormLastElement LastElement;

// Per page of a sheet level: its check callback (nonzero refuses confirmation) and table.
using FormPageCheck = int (*)(int table);
struct FormLevelPage {
    FormPageCheck check;
    int table;
};

// Opens a sheet level (returns its number, 1 for the outermost) or refuses a level past the
// limit with a console line (-1). Closing undoes the factors and rounds the integers of the
// level, then drops its entries.
int form_level_push(const FormLevelPage* pages, int page_count);
void form_level_pop(void);
int form_level_depth(void);
void form_level_set_page(int page, FormPageCheck check, int table);
void form_release_level_fields(void);
// Applies what was entered without closing: the factors are undone and those entries dropped;
// the integers take their rounded shadows and stay registered.
void form_commit_fields(void);

int form_float_field(int x, int y, double* value, double factor, int c, int d, const int* state);
int form_float_field_plain(int x, int y, double* value, int c, int d, const int* state);
int form_float_field_coloured(int x, int y, double* value, int c, int d, int colour, const int* state);
int form_float_field_labelled(int x, int y, const char* label, double* value, int c, int d, const char* unit,
                              const int* state);
int form_symbol_float_field(int x, int y, const char* symbol, const char* subscript, double* value, double factor,
                            int c, int d, const char* unit, const int* state);
int form_float_field_limited(int x, int y, double* value, double factor, int c, int d, double lower, double upper,
                             const char* name, const int* state);
int form_add_limited_float(int x, int y, double* value, int* state);
int form_clamp_float(intptr_t value);
int form_int_field(int x, int y, int* value, int c, const int* state);
int form_int_field_limited(int x, int y, int* value, int c, int lower, int upper, const int* state);
void form_set_int_field(int* value, int v);
int form_get_int_field(const int* value);
int form_text_field(int x, int y, char* buffer, int unused, const int* state);
int form_text_field_fixed(int x, int y, char* buffer, int n, const int* state);
int form_text_field_visible(int x, int y, char* buffer, int n, int m, const int* state);
int form_toggle(int x, int y, const char* label, int* value, const int* state);
struct FormGroup {
    int active;
};
int form_radio(int x, int y, const char* label, int choice, int* selection, FormGroup* group);
int form_choice_list(int x, int y, const char* first, const int* colours, int step, int count, int* selection,
                     const int* state);
// The entries of a grade list as a choice field shows them: count entries of step bytes from
// first, a colour index and a flag word each; FORM_CHOICE_DISABLED marks an entry that cannot be
// chosen (the separators of the material lists).
constexpr int FORM_CHOICE_DISABLED = 0x1000;
struct GradeChoiceSource {
    int count;
    int step;
    const char* first;
    const int* colours;
    const int* flags;
};
// A choice list whose selection first moves up past disabled entries (never below entry 0).
int form_choice_list_enabled(int x, int y, const GradeChoiceSource* source, int* selection, const int* state);
// "Betongüte" / "Stahlgüte" emphasised in black, the editable list 75 pixels to the right.
int form_concrete_grade_choice(int unused, int x, int y, int unused2, const GradeChoiceSource* source, int* selection);
int form_steel_grade_choice(int unused, int x, int y, int unused2, const GradeChoiceSource* source, int* selection);
int form_choice_width(const char* first, int step, int count, int flags);
int form_transfer_values(int level);

// Registry sizes, for tests.
int form_float_entry_count(void);
int form_int_entry_count(void);
int form_limit_entry_count(void);
