// Whitespace-separated number reading shared by the block readers: every read reports
// whether it yielded its value, so a reader can stop at the first one that does not.
// Numbers are read and written with a decimal point whatever the process locale.
#pragma once
#include <cstdio>

#include "national_annex/nad_plausible.h"
#include "platform/os/c_numeric.h"
#include <cctype>
#include <initializer_list>
#include <string>

namespace nadio {

// The first word a double was expected at that is no plain decimal number ("0x1p1", "nan",
// "1.3x"); empty while there was none. The set loader clears it before reading and refuses
// the set when it is set afterwards. A "#" (the next block's keyword) or the end of the file
// ends a short older block and is no fault.
inline std::string& bad_number()
{
    static std::string word;
    return word;
}

inline bool rd(FILE* f, int* v) { return c_fscanf(f, "%d", v) == 1; }
inline bool rd(FILE* f, double* v)
{
    char buf[64] = "";
    const int got = c_fscanf(f, " %63[-+0-9.]", buf);
    const int next = fgetc(f);
    if (next != EOF) ungetc(next, f);
    const bool ends_here = next == EOF || std::isspace(next);
    if (got != 1 && (next == EOF || next == '#')) return false;
    double d = 0;
    if (got != 1 || !ends_here || !nad_parse_decimal(buf, &d, false)) {
        if (bad_number().empty()) {
            char rest[32] = "";
            if (!ends_here && fscanf(f, "%31s", rest) != 1) rest[0] = '\0';
            bad_number() = std::string(buf) + rest;
            if (bad_number().empty()) bad_number() = "?";
        }
        return false;
    }
    *v = d;
    return true;
}
inline bool drop_number(FILE* f) { double d; return rd(f, &d); }
// Reads one whitespace-delimited word (at most 63 characters kept).
inline bool rd_word(FILE* f, char* word64) { return fscanf(f, "%63s", word64) == 1; }

// fprintf that remembers the first failed write; later calls then write nothing.
struct Writer {
    FILE* f;
    bool ok;
    explicit Writer(FILE* file) : f(file), ok(file != nullptr) {}
    template <typename... A>
    void operator()(const char* fmt, A... args)
    {
        if (ok && c_fprintf(f, fmt, args...) < 0) ok = false;
    }
    void operator()(const char* text)
    {
        if (ok && fputs(text, f) < 0) ok = false;
    }
};

} // namespace nadio
