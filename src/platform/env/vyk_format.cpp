#include "platform/env/vyk_format.h"
#include "platform/os/c_numeric.h"
#include <cstdio>
#include <cstring>

char* formatNumber(double value, int flags, int width, int mode, int decimals, char* buf)
{
    const CNumericScope c_numbers;
    (void)mode;
    if (!buf) return buf;
    if (width < 0) width = 0;
    if (width > 200) width = 200;
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    if (flags == 882) {
        c_snprintf(buf, 64, "%.*f", decimals, value);
        if (std::strchr(buf, '.')) {
            size_t n = std::strlen(buf);
            while (n > 0 && buf[n - 1] == '0') buf[--n] = '\0';
            if (n > 0 && buf[n - 1] == '.') buf[--n] = '\0';
        }
        if (std::strcmp(buf, "-0") == 0) std::strcpy(buf, "0");
        return buf;
    }
    if (flags & 16) decimals = 0;
    c_snprintf(buf, size_t(width) + 32 > 64 ? size_t(width) + 32 : 64, "%*.*f", width, decimals, value);
    return buf;
}
