// Shared helpers of the national-annex tests: block text through temporary streams.
#pragma once
#include <cstdio>
#include <string>

namespace nadtest {

// A temporary stream holding `text`, positioned at its start.
inline FILE* stream_of(const std::string& text)
{
    FILE* f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    return f;
}

// Everything `write` puts into a stream.
template <typename W>
std::string text_of(W write)
{
    FILE* f = tmpfile();
    write(f);
    fflush(f);
    std::string out;
    rewind(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fclose(f);
    return out;
}

} // namespace nadtest
