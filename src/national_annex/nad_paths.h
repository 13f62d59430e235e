// Paths of the national-annex files below the environment's folders.
#pragma once
#include <string>

namespace nadpath {

// Folder of an environment entry ("DATA", "DRAM", "EXEC"), empty when unset.
std::string folder(const char* key);

} // namespace nadpath
