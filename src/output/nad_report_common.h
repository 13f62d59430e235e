// Pieces the national-annex parameter reports share.
#pragma once
#include "output/oli_table.h"
#include <cstdio>

// Output-list flags of the parameter reports: keep the tables together on a page.
const int kNadReportFlags = OLI_LIST_FLAGS_NORMAL;

// The title table of the design parameters with the active set's name, and the small move
// up after it.
void nad_report_design_title(FILE* list);

// The chapter table's start with its column heading "Kapitel", "Wert", "Bedeutung"; the
// columns end where the value and the meaning texts of the lines begin.
void nad_report_chapter_head(FILE* list);

// What a part heading says after the designation of its standard: ", NA <set>" for a set of a
// national annex, ", <set> (ohne nationalen Anhang)" for the code's own values (country 0).
const char* nad_report_set_suffix();
