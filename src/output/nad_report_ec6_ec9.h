// Reports of the current national-annex set's masonry (EN 1996-1-1) and aluminium
// (EN 1999-1-1) partial factors into an open output list.
#pragma once
#include <cstdio>

// Each writes nothing without a list or without the current set's block.
void nad_ec6_report(FILE* list);
void nad_ec9_report(FILE* list);
