// The list of available national-annex sets, activation, and the position's choice block.
#pragma once
#include <cstdio>

enum { NAD_LIST_CAPACITY = 300 };

struct NadList {
    char* names[NAD_LIST_CAPACITY];      // 0 "EC-Standardparameter", 1 "Deutschland", then user sets
    int file_numbers[NAD_LIST_CAPACITY]; // 0 built-in, n user set file n
    int flag_indexes[NAD_LIST_CAPACITY];
    int count;                           // 0 before the first build, at least 2 afterwards
    char* active_name;                   // owned copy, null until first set
    int active_flag_index;
};

extern NadList nad_list;

void nad_read_list();
// Activates the set named by nad_list.active_name (unknown: "Deutschland").
// Returns 1 when its set file was read; 0 leaves the standard values in place and is logged.
int nad_activate();
void nad_ensure_active();
// Writes "\n\nACTIV_NADNAME\n" and the active name between 0xAE and 0xAF with a line end.
void nad_write_active_name(FILE* file);
// Replaces the active name by a copy of `name` (no activation).
void nad_set_active_name(const char* name);

// 1 when the last activation could not load the active set's file, so that the current set
// holds only the standard values (the failure is also logged on the console every time).
int nad_active_set_load_failed();

// Activation by name: null means "Deutschland", "lokale Definitionen" counts as "Deutschland".
// Returns 0 when the named set is active; -1 when it was found but its set file could not be
// loaded; for an unknown name "Deutschland" is activated and the warning sheet says so: the
// result of the selection sheet when the user asks for another set from it, else 0. A null
// name returns the result of nad_activate.
int nad_set_active(const char* name);
// Reads the choice block of an open file and activates its set ("Deutschland" without one).
void nad_read_active_name(FILE* file);
