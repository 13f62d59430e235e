// Report of the current national-annex set's concrete parameters (EN 1992-1-1, and by their
// rules EN 1992-1-2 and EN 1992-2) into an open output list.
#pragma once
#include <cstdio>

// Writes nothing without a list.
void nad_ec2_report(FILE* list);
// The EN 1992-1-1 part; nothing without a current EC2 block. Reads the rule flags as set.
void nad_ec2_report_body(FILE* list);
