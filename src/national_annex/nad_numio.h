// Whitespace-separated number reading shared by the block readers: every read reports
// whether it yielded its value, so a reader can stop at the first one that does not.
// Numbers are read and written with a decimal point whatever the process locale.
#pragma once
#include <cstdio>

#include "platform/os/c_numeric.h"
#include <initializer_list>

namespace nadio {

inline bool rd(FILE* f, int* v) { return c_fscanf(f, "%d", v) == 1; }
inline bool rd(FILE* f, double* v) { return c_fscanf(f, "%lf", v) == 1; }
inline bool drop_number(FILE* f) { double d; return c_fscanf(f, "%lf", &d) == 1; }
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
