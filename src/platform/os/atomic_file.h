// Saving a file so that a crash or a full disk never leaves half a file behind:
// the content goes to a temporary file in the same folder, which then replaces the old one.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

// Calls write() on a temporary stream beside path and renames it over path when every write,
// flush and close succeeded; the folder is synced after the rename. On failure the old file
// stays as it was and false is returned.
// - A write-protected file is refused (false, nothing written).
// - A symbolic link stays a link: the file it points to is saved.
// - An existing file keeps its permission bits (and owner where allowed); a new one gets the
//   user's default.
// - Temporary files that a killed save of the same file left behind are removed.
bool save_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write);

// As save_file_atomically, for a file that must not exist yet: fails (the reason "die Datei gibt
// es schon") where a file is, also one another program creates while this one writes.
bool save_new_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write);

// Why the last save of this thread failed, in German ("Datenträger voll", "keine
// Schreibberechtigung", "schreibgeschützt", ...); empty after a successful save.
std::string last_save_failure_reason();
// The German reason for a system error number, as a failed save or write gives it (0 reads as an
// input/output error).
std::string save_failure_reason(int error);
// For a save that failed before or after the file itself was written (its copy, its check): the
// reason the next last_save_failure_reason() gives.
void set_save_failure_reason(const std::string& reason);

// True when the file at path (or the file a link there points to) exists and is write-protected,
// so that a save refuses it.
bool file_is_write_protected(const std::string& path);

// The file a save of path replaces: the end of its chain of symbolic links.
std::string save_target_of(const std::string& path);

// Removes what killed saves of the file at path left beside it (temporary files of processes that
// no longer run, with their lock and working files).
void remove_save_leftovers(const std::string& path);

// A write past the process's file-size limit would end the program with SIGXFSZ; ignored, it
// fails as a write error and the save reports it like a full disk. Called once at start.
void ignore_file_size_signal();

// Two programs on one file: the identity of a file (device, inode, size, modification time) as
// this program last read or saved it. A save of path is a successful one that notes it again.
void note_file_seen(const std::string& path);
// True when path was noted and the file there is now another one, was changed, created or removed:
// another inode or device, another length, or another modification time to the nanosecond.
bool file_changed_since_seen(const std::string& path);
// True when path was noted as an existing file and there is none now.
bool file_removed_since_seen(const std::string& path);

// Where a save puts this program's version beside a file it keeps: the first of "<path>.neu",
// "<path>.neu2", "<path>.neu3", ... from copy *number on (1 is ".neu") that does not exist; the
// number used is returned in *number.
std::string free_copy_path(const std::string& path, int* number = nullptr);

// Saves a copy beside `original` through write(name), starting with *name (copy number `number`);
// where another program took that name meanwhile, the next free copy name is tried, and *name says
// which one holds the copy. False on a failure of the write's own.
bool save_under_free_copy_name(std::string* name, const std::string& original, int number,
                               const std::function<bool(const std::string&)>& write);

// Empty when a file can be written in folder (a probe is created, written and removed), else why
// not in German ("Datenträger voll", "keine Schreibberechtigung", "ist kein Ordner").
std::string folder_write_refusal(const std::string& folder);

// The message of a file that could not be written: "Die Datei\n<absolute path>\nkann nicht
// geschrieben werden: <reason>."
std::string write_failure_message(const std::string& path, const std::string& reason);
