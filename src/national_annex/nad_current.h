// Accessors of the current national-annex set. The first call of any of them scans the
// application registry, builds the list of sets and activates "Deutschland".
#pragma once
#include "national_annex/nad_set.h"

#include <string>

const char* nad_active_name();
const char* nad_active_display_name();
// The name of the set whose values are current: the active name, or "EC-Standardparameter" while
// the active set's file was refused and the standard values stand in for it.
const char* nad_applied_set_name();
// The same as the selection dialog shows it: a user set with " (benutzerdefiniert)".
const char* nad_applied_display_name();
// While the active set's file is refused (its values are not used): its name, and why
// ("<absolute file>: <reason>"); null while the active set's own values apply. Code page 437.
const char* nad_refused_set_name();
const char* nad_refused_set_reason();
// The sentence the print and the window show while the chosen set is refused, naming it, why, and
// the set that applies (code page 437); empty while the chosen set applies.
std::string nad_refusal_note();
int nad_active_flag();
NadEc0Block* nad_part_ec0();
NadStdParams* nad_part_std();
NadEc2Block* nad_part_ec2();
NadEc3Block* nad_part_ec3();
NadEc5Block* nad_part_ec5();
NadEc6Block* nad_part_ec6();
NadEc9Block* nad_part_ec9();
int nad_country_index();

// nad_part_ec5 and nad_part_ec3 also point cur_ec9_params at the current set's EC9 block, so
// that it is set whenever the EC5 and EC3 pointers are taken.

int nad_export_active_set(const char* path);

// Test seam: forgets the list, the active name, the registry and the current set, as at the
// start of the process, so that the next accessor runs the first access again.
void nad_forget_state();
