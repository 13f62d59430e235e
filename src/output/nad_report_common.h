// Pieces the national-annex parameter reports share.
#pragma once
#include "output/oli_table.h"
#include <cstdio>
#include <string>

// Output-list flags of the parameter reports: keep the tables together on a page.
const int kNadReportFlags = OLI_LIST_FLAGS_NORMAL;

// The title table of the design parameters with the active set's name, and the small move
// up after it.
void nad_report_design_title(FILE* list);

// The chapter table's start with its column heading "Kapitel", "Wert", "Bedeutung"; the
// columns end where the value and the meaning texts of the lines begin. A sub-heading (the
// column names of a group of rows) is a heading row too, so a new page repeats it.
void nad_report_chapter_head(FILE* list, const char* sub_heading = nullptr);

// Ends the chapter table and begins the next one right below it, with the sub-heading of the
// rows that follow (none: the column heading alone).
void nad_report_chapter_break(FILE* list, const char* sub_heading = nullptr);

// What a part heading says after the designation of its standard: ", NA <set>" for a set of a
// national annex, ", <set> (ohne nationalen Anhang)" for the code's own values (country 0).
std::string nad_report_set_suffix();
