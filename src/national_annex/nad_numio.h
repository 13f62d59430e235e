// Whitespace-separated number reading shared by the block readers: every read reports
// whether it yielded its value, so a reader can stop at the first one that does not.
// Numbers are read and written with a decimal point whatever the process locale.
#pragma once
#include <cstdio>

#include "national_annex/nad_plausible.h"
#include "platform/os/c_numeric.h"
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace nadio {

// The first word a number was expected at that is no plain number ("0x1p1", "nan", "1.3x",
// "1e308" where a whole number belongs); empty while there was none. The set loader clears it
// before reading and refuses the set when it is set afterwards.
inline std::string& bad_number()
{
    static std::string word;
    return word;
}

// Whether that word stood where a whole number belongs.
inline bool& bad_wants_whole()
{
    static bool whole = false;
    return whole;
}

// Where the first fault of the reading lies (file offset), -1 while there was none; and whether
// it was a value missing: the end of the file or the next block's "#" came where a value belongs.
// Readers of older, shorter layouts stop before that point, so the set loader refuses a set
// whose block runs out: such a file was cut.
inline long& fault_offset()
{
    static long offset = -1;
    return offset;
}
inline bool& value_missing()
{
    static bool missing = false;
    return missing;
}
// The first count read outside its bound, as the loader's message names it; empty while none.
inline std::string& bad_count()
{
    static std::string what;
    return what;
}
inline void clear_faults()
{
    bad_number().clear();
    bad_wants_whole() = false;
    bad_count().clear();
    fault_offset() = -1;
    value_missing() = false;
}
inline bool any_fault() { return fault_offset() >= 0; }

inline void note_fault(FILE* f, bool missing)
{
    if (fault_offset() >= 0) return;
    fault_offset() = f ? std::ftell(f) : 0;
    if (fault_offset() < 0) fault_offset() = 0;
    value_missing() = missing;
}

// Reads one token made of the scan set; 1 when it stands alone, 0 when the value is missing (end
// of file or the next keyword), -1 when the word there is something else (kept in bad_number).
inline int token(FILE* f, const char* scan, char (&buf)[64])
{
    buf[0] = '\0';
    const int got = c_fscanf(f, scan, buf);
    const int next = fgetc(f);
    if (next != EOF) ungetc(next, f);
    const bool ends_here = next == EOF || std::isspace(next);
    if (got != 1 && (next == EOF || next == '#')) {
        note_fault(f, true);
        return 0;
    }
    if (got == 1 && ends_here) return 1;
    if (bad_number().empty()) {
        char rest[32] = "";
        if (!ends_here && fscanf(f, "%31s", rest) != 1) rest[0] = '\0';
        bad_number() = std::string(buf) + rest;
        if (bad_number().empty()) bad_number() = "?";
    }
    note_fault(f, false);
    return -1;
}

// A whole number: an optional sign and digits that fit an int, standing alone.
inline bool rd(FILE* f, int* v)
{
    char buf[64];
    const bool first = bad_number().empty();
    const int t = token(f, " %63[-+0-9]", buf);
    if (first && !bad_number().empty()) bad_wants_whole() = true;
    if (t != 1) return false;
    errno = 0;
    char* end = nullptr;
    const long long x = std::strtoll(buf, &end, 10);
    if (end != buf && *end == '\0' && errno == 0 && x >= INT_MIN && x <= INT_MAX) {
        *v = int(x);
        return true;
    }
    if (bad_number().empty()) {
        bad_number() = buf;
        bad_wants_whole() = true;
    }
    note_fault(f, false);
    return false;
}

inline bool rd(FILE* f, double* v)
{
    char buf[64];
    const int t = token(f, " %63[-+0-9.]", buf);
    if (t != 1) return false;
    double d = 0;
    if (nad_parse_decimal(buf, &d, false)) {
        *v = d;
        return true;
    }
    if (bad_number().empty()) bad_number() = buf;
    note_fault(f, false);
    return false;
}

// A count that says how much follows or which layout a block has (a version, a country, a
// flag): a whole number within [lo, hi]; outside it the reading stops and the count is named.
inline bool rd_count(FILE* f, int* v, int lo, int hi, const char* what)
{
    int x = 0;
    if (!rd(f, &x)) return false;
    if (x < lo || x > hi) {
        if (bad_count().empty())
            bad_count() = std::string(what) + " " + std::to_string(x) + " liegt nicht zwischen " + std::to_string(lo) +
                          " und " + std::to_string(hi);
        note_fault(f, false);
        return false;
    }
    *v = x;
    return true;
}

// Bounds of the counts of a set file: block layouts are numbered from 0 and far below 100 (a
// later layout than this program knows reads as its latest); 20 flag pictures; country indexes.
constexpr int kMaxBlockVersion = 99;
constexpr int kMaxFlagIndex = 19;
constexpr int kMaxCountry = 99;

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
