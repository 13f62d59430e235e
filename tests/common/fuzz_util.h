// Helpers of the fuzz harnesses whose readers take files: a scratch folder of the process,
// bytes written to a file there, and a stream over the bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace fuzzutil {

// A folder of this process below TMPDIR (else the memory file system, else /tmp), removed at
// exit. Readers that save through fsync run far faster in memory.
inline const std::string& scratch()
{
    // The exit handler takes its own copy: it runs after the string below is gone.
    static char removed_at_exit[4096];
    static const std::string dir = [] {
        const char* base = std::getenv("TMPDIR");
        std::string root = base && *base ? base : std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string t = root + "/tavo-fuzz.XXXXXX";
        if (t.size() >= sizeof removed_at_exit || !mkdtemp(t.data())) std::abort();
        std::memcpy(removed_at_exit, t.c_str(), t.size() + 1);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(removed_at_exit, ec);
        });
        return t;
    }();
    return dir;
}

inline std::string path(const std::string& name) { return scratch() + "/" + name; }

inline std::string folder(const std::string& name)
{
    std::error_code ec;
    std::filesystem::create_directories(path(name), ec);
    return path(name);
}

inline void write(const std::string& file, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// A read stream over the bytes; the caller closes it.
inline FILE* stream(const uint8_t* data, size_t size)
{
    FILE* f = std::tmpfile();
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::rewind(f);
    return f;
}

inline std::string text(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

} // namespace fuzzutil
