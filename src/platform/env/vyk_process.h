// Starting the environment's tools and watching their windows.
#pragma once
#include <cstdint>

// Starts the program `path` with the argument vector `argv` (path first, null-terminated), never
// through a shell. A missing "X.exe" is looked for as "X" beside it.
//   mode 0: waits for the end; returns the exit status, -1 when it could not start.
//   mode 1: returns at once; 0 when started, -1 when not.
//   mode 2: returns at once with a process handle (> 0) for CheckVYKProcess, -1 when not started.
std::intptr_t VYKSpawnv(int mode, const char* path, const char* const* argv);

// 1 when the process of the handle has ended (or is unknown), 0 while it runs.
int CheckVYKProcess(std::intptr_t handle);
// Brings the process's window to the front; recorded only.
void ShowVYKProcessWindow(std::intptr_t handle, int how);

// 1 while a tool window whose title begins with the first n bytes of `title` (Windows-1252) is
// open. A tool marks its window by a file $TEMP/.windows/<title in UTF-8> while it runs.
int FindVYKWindow(const char* title, int n);

void VYKSleep(int ms);

// Starts the program `path` with the argument vector `argv` (never through a shell), its standard
// output and error going to the file `output` (replaced) and its input from /dev/null, and waits
// for its end. Returns the exit status, -1 when it could not start or `output` cannot be written.
int VYKRunToFile(const char* path, const char* const* argv, const char* output);
