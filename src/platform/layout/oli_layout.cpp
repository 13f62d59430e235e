#include "platform/layout/oli_layout.h"
#include "platform/os/calllog.h"
#include "platform/os/c_numeric.h"

#include <cstdarg>
#include <string>

namespace {

std::string fmt(const char* format, ...)
{
    const CNumericScope c_numbers;
    char buf[512];
    va_list ap;
    va_start(ap, format);
    c_vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    return buf;
}

// One command: logged always, written only when there is a stream.
void command(FILE* f, const std::string& name, const std::string& args, const std::string& line)
{
    calllog::add(name + ": " + args);
    if (f) std::fprintf(f, "#OLI %s\n", line.c_str());
}

} // namespace

void OLI_setFlags(FILE* f, int flags)
{
    command(f, "OLI_setFlags", fmt("%d", flags), fmt("flags %d", flags));
}

void OLI_setLayout(FILE* f, int layout)
{
    command(f, "OLI_setLayout", fmt("%d", layout), fmt("layout %d", layout));
}

void OLI_setMarginsCM(FILE* f, int flags, float left, float right)
{
    command(f, "OLI_setMarginsCM", fmt("%d %.3f %.3f", flags, left, right),
            fmt("margins %d %.3f %.3f", flags, left, right));
}

void OLI_setYPositionCM(FILE* f, int mode, float cm)
{
    command(f, "OLI_setYPositionCM", fmt("%d %.3f", mode, cm), fmt("ypos %d %.3f", mode, cm));
}

void OLI_reserveSpaceCM(FILE* f, float cm)
{
    command(f, "OLI_reserveSpaceCM", fmt("%.3f", cm), fmt("reserve %.3f", cm));
}

void OLI_setBookmark(FILE* f, int kind, const char* text)
{
    if (!text) {
        command(f, "OLI_setBookmark", fmt("%d null", kind), fmt("bookmark %d", kind));
        return;
    }
    // The text keeps its bytes (code page 437 and inline codes) between the list's string marks.
    std::string t(text);
    if (t.size() > 400) t.resize(400);
    command(f, "OLI_setBookmark", fmt("%d ", kind) + t,
            fmt("bookmark %d \xAE", kind) + t + "\xAF");
}

void OLI_storeYPosition(FILE* f, int slot)
{
    command(f, "OLI_storeYPosition", fmt("%d", slot), fmt("store %d", slot));
}

void OLI_restoreYPosition(FILE* f, int slot)
{
    command(f, "OLI_restoreYPosition", fmt("%d", slot), fmt("restore %d", slot));
}

void OLI_setConvertionFlags(FILE* f, int flags)
{
    command(f, "OLI_setConvertionFlags", fmt("%d", flags), fmt("convflags %d", flags));
}

void OLI_pushMargins(FILE* f)
{
    command(f, "OLI_pushMargins", "", "pushmargins");
}

void OLI_popMargins(FILE* f, int flags)
{
    command(f, "OLI_popMargins", fmt("%d", flags), fmt("popmargins %d", flags));
}

void OLI_resetMaxMargin(FILE* f)
{
    command(f, "OLI_resetMaxMargin", "", "resetmaxmargin");
}

int MT_String_Length(const char* text)
{
    if (!text) return 0;
    int n = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        if (*p == 0xCE) {
            if (!p[1]) break;
            if (p[1] == '{') {
                p += 2;
                while (*p && *p != '}' && *p != '\n') ++p;
                if (*p == '}') ++p;
                continue;
            }
            p += 2;
            continue;
        }
        if (*p != '\n') ++n;
        ++p;
    }
    return n;
}
