// Report of the current national-annex set's timber parameters (DIN EN 1995-1-1 and -1-2)
// into an open output list, in the sections the current application uses.
#pragma once
#include <cstdio>

// Writes nothing without a list or without a current EC5 block.
void nad_ec5_report(FILE* list);
