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

// Why the last save of this thread failed, in German ("kein Platz auf dem Datenträger", ...);
// empty after a successful save.
std::string last_save_failure_reason();

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
// True when path was noted and the file there is now another one, was changed, created or removed.
bool file_changed_since_seen(const std::string& path);

// The system's reason for a failed write (errno), in German as a save failure names it.
std::string write_failure_reason(int error);

// Empty when a file can be written in folder (a probe is created, written and removed), else why
// not in German ("kein Platz auf dem Datenträger", "keine Schreibberechtigung", "ist kein Ordner").
std::string folder_write_refusal(const std::string& folder);

// The message of a file that could not be written: "Die Datei\n<absolute path>\nkann nicht
// geschrieben werden: <reason>."
std::string write_failure_message(const std::string& path, const std::string& reason);
