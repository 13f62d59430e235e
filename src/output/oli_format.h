#pragma once
// printf-style formatting of the output list's text lines.

#include <cstdarg>
#include <cstddef>
#include <string>

// The formatted text (at most 2047 bytes) cut to limit; empty for a null format or a format error.
std::string oli_vformat(const char* format, va_list ap, std::size_t limit);
