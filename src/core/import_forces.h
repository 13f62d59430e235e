// Import of internal-force sets from the environment: the component, its export file, the
// internal-force tool "Trobavex" and the table of the combinations it delivers.
#pragma once
#include "environment/beamcut_import.h"

#include <cstdio>
#include <string>

class QString;
struct LoadRow;
struct SelectedComponent;
struct VYKExportObject;

constexpr int IMPORT_MAX_SETS = BEAMCUT_MAX_SETS;

// The table and its readers are those of the environment's import; this import fills its own.
using ImportedCutRow = BeamCutRow;
using ImportedForces = BeamCutTable;

extern ImportedForces imported_forces;
// The component of the last import of the run, offered again by the next one.
extern SelectedComponent* last_component;

// Runs the whole exchange and fills the imported table. The question "Gleiches Bauteil ..." takes a
// scripted answer (Yes or No) where no person can answer. Returns the number of rows
// when the table was read completely, else 0.
int Import_BeamCutMultiResults(SelectedComponent* component, int a, int b, int c, int d, int n,
                               const char* const* names);
// Reads the tool's result file for n sets into the imported table; the row count or 0, with *why
// (when given) saying what the file lacks.
int read_beam_cut_results(FILE* stream, int n, std::string* why = nullptr);
// Why the last import brought nothing in, for its message (German, UTF-8): the file by its
// absolute path and the reason. Empty after a complete import and when no component was chosen.
std::string imported_forces_failure(void);

VYKExportObject* imported_force_header(int set);
int imported_force_rows_of_set(int set);
int imported_force_values(int row, float* values);
int imported_force_accidental(int row);
double imported_force_kmod(int row);
const char* imported_force_text1(int row);
const char* imported_force_text2(int row);
const char* imported_force_text3(int row);
const char* imported_force_text4(int row);
const char* imported_force_text5(int row);
const char* imported_force_text6(int row);
const char* imported_force_text7(int row);

// An imported load passes the checks of a typed one: every force and moment and k_mod a finite
// number within the loads' limits. Empty when it does; else one line naming the combination (its
// number from 1 and its name), each value refused and what is allowed, for the import's message.
QString imported_load_refusal(int number, const LoadRow& load);

// The tool's k_mod is read in single precision: the decimal it stands for, as the tool wrote it
// (1.1 for the float nearest 1.1, not 1.1000000238...), so that the bound of Table 3.1 holds it.
double imported_kmod_decimal(double widened);

void clear_imported_forces(void);
void free_imported_forces(void);
