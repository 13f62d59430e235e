#include "platform/os/c_numeric.h"

#include <cstdlib>

CNumericScope::CNumericScope()
{
    // The thread's locale as it is, with only the numeric category taken from "C".
    const locale_t base = duplocale(uselocale(locale_t(0)));
    if (base == locale_t(0)) return;
    own_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (own_ == locale_t(0)) {
        freelocale(base);
        return;
    }
    previous_ = uselocale(own_);
}

CNumericScope::~CNumericScope()
{
    if (own_ == locale_t(0)) return;
    uselocale(previous_);
    freelocale(own_);
}

namespace {

// One "C" locale for the whole process, made on first use and kept: switching to it costs a
// pointer swap, cheap enough for every single write.
locale_t c_locale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

struct CForOneCall {
    locale_t previous;
    CForOneCall() : previous(c_locale() ? uselocale(c_locale()) : locale_t(0)) {}
    ~CForOneCall()
    {
        if (previous) uselocale(previous);
    }
};

} // namespace

int c_vfprintf(FILE* stream, const char* format, va_list ap)
{
    const CForOneCall c;
    return std::vfprintf(stream, format, ap);
}

int c_vsnprintf(char* buffer, size_t size, const char* format, va_list ap)
{
    const CForOneCall c;
    return std::vsnprintf(buffer, size, format, ap);
}

int c_fprintf(FILE* stream, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int n = c_vfprintf(stream, format, ap);
    va_end(ap);
    return n;
}

int c_snprintf(char* buffer, size_t size, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int n = c_vsnprintf(buffer, size, format, ap);
    va_end(ap);
    return n;
}

int c_fscanf(FILE* stream, const char* format, ...)
{
    const CForOneCall c;
    va_list ap;
    va_start(ap, format);
    const int n = std::vfscanf(stream, format, ap);
    va_end(ap);
    return n;
}

int c_sscanf(const char* text, const char* format, ...)
{
    const CForOneCall c;
    va_list ap;
    va_start(ap, format);
    const int n = std::vsscanf(text, format, ap);
    va_end(ap);
    return n;
}

double c_strtod(const char* text, char** end)
{
    if (c_locale()) return strtod_l(text, end, c_locale());
    return std::strtod(text, end);
}

double c_atof(const char* text)
{
    return c_strtod(text, nullptr);
}
