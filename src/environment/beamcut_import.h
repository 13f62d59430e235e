// Import of internal-force sets through the internal-force tool "Trobavex" for the older screen
// dialogs: the table of combinations and its readers, which the window's import shares, and a
// copy of the import of its own with message boxes of the environment library and its own table.
#pragma once
#include <cstdio>
#include <string>

struct SelectedComponent;
struct VYKExportObject;

constexpr int BEAMCUT_MAX_SETS = 10;      // sets one import may ask for
constexpr int BEAMCUT_MAX_HEADERS = 16;

struct BeamCutRow {
    int accidental;     // non-zero: accidental combination
    float kmod;
    float* values;      // values_per_row values: per set the force and the moment vector of its cut
    char* texts[7];     // text slots 1 to 7 (DOS code page), null when empty or absent
};

struct BeamCutTable {
    int valid;          // 1 only after a complete read
    BeamCutRow* rows;
    int row_count;
    int values_per_row;
    int set_count;
    VYKExportObject* headers[BEAMCUT_MAX_HEADERS];
    int rows_per_set[BEAMCUT_MAX_SETS];
};

// ---- shared by both imports ----

// Frees the rows of a table and sets its row count to 0.
void beamcut_table_free_rows(BeamCutTable* table);
// Frees rows and export objects and sets every count and the valid flag to 0.
void beamcut_table_clear(BeamCutTable* table);
// Reads the tool's result file for n sets ("MULTICUT", the sets' export objects, "RESULTS", the
// row counts and the rows). Returns the row count when every row was read, else 0, with *why (when
// given) saying what the file lacks in German: "ist leer", "endet in Zeile 9 vorzeitig
// (unvollständig)", "ist in Zeile 7 beschädigt (Zahl erwartet)".
int beamcut_table_read(BeamCutTable* table, FILE* stream, int n, std::string* why = nullptr);
// The argument vector of the tool: [program, export file, a, b, c, d] and, when n is not 0, n and
// the n labels (an absent label as an empty text).
void beamcut_tool_arguments(const std::string& program, const std::string& export_file, int a, int b, int c,
                            int d, int n, const char* const* labels, std::string* out, int* count);
// Starts the tool on the export file and watches its window until it is closed; the path of the
// result file "Trobavex.res" in temp (an earlier result removed first), empty without EXEC.
std::string beamcut_run_tool(const std::string& temp, const std::string& export_file, int a, int b, int c, int d,
                             int n, const char* const* labels);

// ---- the import of the older dialogs ----

// Imports n sets (at most 10) for the component, or with none given for the last one or a newly
// selected one. The number of rows read, 0 on failure or cancellation.
int import_beamcut_multi_classic(SelectedComponent* component, int a, int b, int c, int d, int n,
                                 const char* const* labels);
int import_beamcut_multi(int a, int b, int c, int d, int n, const char* const* labels);
// The single-cut variant: rows of any width with five info texts each.
int import_beamcut_single_classic(SelectedComponent* component, int a, int b, int c, int d);
int import_beamcut_single(int a, int b, int c, int d);
// Reads a result file of the single-cut form into this import's table; the number of rows.
int beamcut_read_single(FILE* stream);

// Getters of this import's table; empty results (0, null) unless its last read was complete.
int beamcut_result_values(int row, float* target);
int beamcut_result_accidental(int row);
double beamcut_result_kmod(int row);
const char* beamcut_result_text(int row);
const char* beamcut_result_text_2(int row);
const char* beamcut_result_text_3(int row);
const char* beamcut_result_text_4(int row);
const char* beamcut_result_text_5(int row);
const char* beamcut_result_text_6(int row);
const char* beamcut_result_text_7(int row);
VYKExportObject* beamcut_set_object(int set);
int beamcut_set_rows(int set);
const char* beamcut_last_component_stem(void);
void beamcut_results_free(void);
void beamcut_import_clear(void);
// Forgets the last component (for a fresh run).
void beamcut_forget_component(void);
