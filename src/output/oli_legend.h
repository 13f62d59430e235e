// Symbol legend (symbols of a calculation with their meanings) and the numbered literature
// list that legend lines refer to. Both lists are process-wide and kept until cleared.
#pragma once
#include <cstdio>

void oli_legend_clear();
int oli_legend_add(const char* key, const char* text, ...);
int oli_legend_add_numbered(const char* key_format, const char* text, int n);
int oli_legend_add_reference(const char* key_format, const char* ref_format, const char* source);
int oli_legend_add_reference_n(const char* key_format, const char* ref_format, int n, const char* source);
int oli_legend_count();
void oli_legend_mark();
void oli_legend_restore();
void oli_legend_drop(int n);
void oli_legend(FILE* stream);
void oli_legend_tabbed(FILE* stream);

void oli_literature_clear();
int oli_literature_ref(const char* text);   // number from 1; 0 when the list is full
void oli_literature_list(FILE* stream);
