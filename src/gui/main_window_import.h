// The window's half of the internal-force import: forces of the left and the right edge of the
// opening turned into member axes and appended to the loads table, with the beam's material and
// cross-section taken over on request.
#pragma once

class MainWindow;

// Runs the import as the tool-bar action does; false when the two edges delivered different
// numbers of rows (nothing is appended then).
bool run_force_import(MainWindow& window);

// The importer with no preset component.
int import_beam_cut_results(int a, int b, int c, int d, int n, const char* const* names);

// Index in the grade list of the window for an environment grade code (5 for unknown codes).
int grade_index_of_code(int code);
