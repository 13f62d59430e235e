// Saving a file so that a crash or a full disk never leaves half a file behind:
// the content goes to a temporary file in the same folder, which then replaces the old one.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

// Calls write() on a temporary stream beside path and renames it over path when every write,
// flush and close succeeded. On failure the old file stays as it was and false is returned.
bool save_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write);
