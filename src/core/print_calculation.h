// Printed calculation of a position: the output list with header, input data, view drawing,
// forces table, the check sections and the summary. The sections live in the data object's
// print members; this header holds the pieces they share and the tests reach.
#pragma once
#include <cstdio>
#include <string>

// Verdict texts of the output list (code page 437), each in a static buffer that the next call
// of the same function overwrites.
const char* print_color_green();
const char* print_color_red();
const char* print_color_reset();
const char* print_ok_text();
const char* print_not_ok_text();
const char* print_check_fulfilled_text();
const char* print_check_failed_text();

// Closing line of a check section: the utilisation as printed with its relation and verdict by the
// verdict rule (core/verdict.h), and "not verifiable" with the red verdict for a value that is no number.
void print_closing_line(FILE* file, double eta);
// Closing line of a check that could not be verified, with its cause (UTF-8) and the red verdict.
void print_closing_line_not_verifiable(FILE* file, const std::string& cause);
// Summary with the overall utilisation of all checks, judged like a closing line.
void print_summary(FILE* file, double eta_max);

// Drawing scale of the view drawing: the fixed-point search for the paper scale s' (cm of
// paper per mm of beam) of a drawing of K x h mm on breite x hoehe cm with its margins, then the
// first denominator N of the candidate list with s' >= 1/N. Returns 0 when no candidate fits
// (s' below 1/10000, or a drawing size that leaves no positive scale); *s_out receives s'.
double view_drawing_scale(double K, double h, double breite, double hoehe, double* s_out);

// Output-list bytes (code page 437) of a text written in UTF-8 in the source.
std::string print_cp437(const char* utf8);

// The plot file of the view drawing: "<id>01.SPF" in the folder of the output list.
std::string view_plot_path(const std::string& list_path, const std::string& id);

// What went wrong with the plot file of the last view drawing ("Die Datei\n<absolute path>\nkann
// nicht geschrieben werden: <reason>."); "" when it was written or no drawing was made. A failed plot file leaves the old one and never stops the list.
std::string view_plot_error();
void view_plot_error_reset();

// Why a print file (list, plot file) may not be saved at path: "" for a regular file or none, else
// the reason in German (a folder, a device or a pipe is never replaced).
std::string print_file_refusal(const std::string& path);
