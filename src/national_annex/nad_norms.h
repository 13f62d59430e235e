// Designations of the standards a calculation follows, keyed by the norm code 0..32, and the
// lines of their literature entries (with the German national annex for "Deutschland").
#pragma once

enum { NAD_NORM_CODE_MAX = 32, NAD_STANDARDS_MAX_LINES = 6 };

// The designation in the long or short form, with or without its edition; empty for a code
// that names no standard. Static buffer, overwritten by the next call.
const char* nad_norm_designation(int code, int with_edition, int short_form);

// Fills lines[0..n-1] (lines holds at least NAD_STANDARDS_MAX_LINES pointers) with the
// literature entry of code and returns n. Static buffers, overwritten by the next call.
int nad_standards_list(int code, const char** lines);
