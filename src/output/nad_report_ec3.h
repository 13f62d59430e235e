// Report of the current national-annex set's steel parameters (EN 1993-1-1, -1-2, -1-5, -1-8,
// -1-9 and EN 1993-6) into an open output list, the parts the current application uses.
#pragma once
#include <cstdio>

// Writes nothing without a list or without the current set's EC3 container.
void nad_ec3_report(FILE* list);
void nad_ec3_1_report(FILE* list);
void nad_ec3_8_report_joints(FILE* list);
void nad_ec3_8_report_plates(FILE* list);
void nad_ec3_8_report_fatigue(FILE* list);
void nad_ec3_8_report_crane(FILE* list);
