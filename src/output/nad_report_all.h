// The parameter reports of the current national-annex set, each written when the current
// application has rules in its Eurocode part.
#pragma once
#include <cstdio>

// EC2, EC3, EC5, EC6 and EC9 in that order, each when its part's rule count is not 0.
void nad_report_all(FILE* list);
// The EN 1990 report when any of the parts has rules.
void nad_report_ec0_if_relevant(FILE* list);
