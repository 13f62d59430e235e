// Report of the current national-annex set's partial factors of actions and combination factors
// (EN 1990) for buildings and bridges into an open output list, the sections the current
// application uses.
#pragma once
#include <cstdio>

// Writes nothing without a list or without the current set's EC0 block.
void nad_ec0_report(FILE* list);
