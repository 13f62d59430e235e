// Streams over bytes for the reader and writer tests.
#pragma once
#include <cstdio>
#include <string>

namespace streamtest {

// A temporary stream holding the bytes, positioned at the start; the caller closes it.
inline FILE* stream_of(const std::string& bytes)
{
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

// Everything written into the stream so far.
inline std::string contents(FILE* f)
{
    std::fflush(f);
    long here = std::ftell(f);
    std::rewind(f);
    std::string out;
    int c;
    while ((c = std::fgetc(f)) != EOF) out.push_back((char)c);
    std::fseek(f, here, SEEK_SET);
    return out;
}

// The rest of the stream from where it stands.
inline std::string rest(FILE* f)
{
    std::string out;
    int c;
    while ((c = std::fgetc(f)) != EOF) out.push_back((char)c);
    return out;
}

} // namespace streamtest
