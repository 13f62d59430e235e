#include "core/print_text.h"
#include "core/print_calculation.h"

#include "output/oli_paragraph.h"
#include "output/oli_writer.h"

#include <cstdarg>
#include <string>
#include <vector>

namespace {

std::string fill(const char* utf8_format, va_list ap)
{
    const std::string format = print_cp437(utf8_format);
    va_list copy;
    va_copy(copy, ap);
    const int n = std::vsnprintf(nullptr, 0, format.c_str(), copy);
    va_end(copy);
    if (n <= 0) return std::string();
    std::vector<char> buf(std::size_t(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format.c_str(), ap);
    return std::string(buf.data(), std::size_t(n));
}

}  // namespace

void print_text(FILE* file, const char* utf8_format, ...)
{
    va_list ap;
    va_start(ap, utf8_format);
    const std::string text = fill(utf8_format, ap);
    va_end(ap);
    oli_text(file, "%s", text.c_str());
}

void print_heading(FILE* file, int level, const char* utf8_format, ...)
{
    va_list ap;
    va_start(ap, utf8_format);
    const std::string text = fill(utf8_format, ap);
    va_end(ap);
    oli_heading(file, level, "%s", text.c_str());
}
