// Set files ("NAD/Version 1"): writer, reader, loader by number or stem, user-set store,
// and the one-time migration of the old single file of user sets.
#pragma once
#include <cstdio>
#include "national_annex/nad_set.h"

void nad_write_set(FILE* file, const NadSet* set);
int nad_read_set(FILE* file, NadSet* set);                 // 1 when the first line is "NAD/Version %d"
// number > 0: user set DRAM/NADS/<number>.NAD; 0: built-in DATA/NAD/<stem>.NAD. 1 when read.
// A file that is not whole (a block missing or cut, a count out of its bound, a word where a
// number belongs) or holds an implausible value is refused whole: the set then holds the standard
// values, the refusal is shown naming the file, and 0 is returned.
int nad_load_set(int number, const char* stem, NadSet* set);
// Why the last nad_load_set refused its file ("<absolute file>: <reason>", code page 437);
// empty after a load that succeeded.
const char* nad_last_load_refusal();
// Writes `set` as user set file `number` (through a temporary file); a null set deletes it.
// 1 when done; 0 when the DRAM folder is unset or the file could not be written (the old file
// then stays as it was).
int nad_store_user_set(int number, const NadSet* set);
// 1 when a set file can hold `name` as it is: 1 to 99 characters, none of them 0xAE, 0xAF or a
// line end. A set whose name it cannot hold is not stored.
int nad_set_name_storable(const char* name);
void nad_ec2_load_deutschland(NadEc2Block* block);
void nad_migrate_old_sets();

// Writes a file through a temporary file in the same folder renamed over `path`.
// Returns 1 on success; on failure the old file stays as it was and 0 is returned.
int nad_write_file_atomic(const char* path, void (*writer)(FILE* file, const void* context), const void* context);
