// File names as the environment writes them (backslashes) turned into paths of this system.
#pragma once
#include <string>

// Backslashes become slashes; nothing else changes.
std::string native_path(const std::string& path);

// folder + "/" + name, without doubling a separator at the seam; the name alone when folder is empty.
// The folder is taken as given (a backslash in it is part of a name here); only the program's own
// relative name is written with slashes.
std::string path_join(const std::string& folder, const std::string& name);

// The path as a message shows it: absolute (from the working folder) and without "." or "..".
std::string absolute_path(const std::string& path);
