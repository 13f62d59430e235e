#include "output/oli_format.h"
#include "platform/os/c_numeric.h"

#include <cstdio>

std::string oli_vformat(const char* format, va_list ap, std::size_t limit)
{
    if (!format) return std::string();
    char buf[2048];
    int n = c_vsnprintf(buf, sizeof buf, format, ap);
    if (n < 0) return std::string();
    std::string s(buf);
    if (s.size() > limit) s.resize(limit);
    return s;
}
