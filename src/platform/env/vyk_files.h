// File services of the environment library: copy, remove, directory search.
#pragma once

// Copies src to dst, replacing dst; 1 when done, 0 otherwise. The flag is accepted and ignored.
int VYKCopyFile(const char* src, const char* dst, int flag);
// Removes a file; 0 when done, -1 otherwise.
int VYKRemoveFile(const char* path, int flag);

// Directory search over a pattern "folder\name" or "folder/name" with * and ? in the name part
// ("*.*" matches every name), without regard to case. The first call returns 0 when an
// entry matches and fills `name`; DOSFindNext returns 0 while a further entry follows; DOSFindClose
// ends the search. DOSFindFirstFile finds files, DOSFindFirstDirectory folders (not "." and "..").
struct DOSFindRecord {
    char name[260];         // name of the current entry, without its folder
    int is_directory;
    void* state;            // owned by the search; null after DOSFindClose
};
int DOSFindFirstFile(const char* pattern, DOSFindRecord* rec);
int DOSFindFirstDirectory(const char* pattern, DOSFindRecord* rec);
int DOSFindNext(DOSFindRecord* rec);
void DOSFindClose(DOSFindRecord* rec);
