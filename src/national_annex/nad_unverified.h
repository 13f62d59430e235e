// Values of a shipped national-annex set that have not been checked against the published
// annex text. The list lives beside the set file, "<stem>.unverified" in DATA/NAD, one
// "block.field" name a line ('#' starts a comment); user sets carry no such list.
#pragma once

// 1 when the set whose values apply (not a refused one) lists `field` (e.g.
// "ec3.gamma_m2_accidental") as not verified.
int nad_active_value_unverified(const char* field);
// The list's file name for a set name of the set list, empty for a user set.
const char* nad_unverified_stem(const char* set_name);
