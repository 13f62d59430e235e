// A temporary stream whose bytes the tests read back, and a reset of all writer state.
#pragma once
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "output/oli_text_block.h"
#include "output/oli_writer.h"
#include "platform/os/calllog.h"

#include <cstdio>
#include <string>
#include <vector>

struct Capture {
    FILE* f = std::tmpfile();
    ~Capture()
    {
        if (f) std::fclose(f);
    }
    std::string text()
    {
        std::fflush(f);
        long n = std::ftell(f);
        std::string s(size_t(n > 0 ? n : 0), '\0');
        std::rewind(f);
        size_t got = n > 0 ? std::fread(&s[0], 1, size_t(n), f) : 0;
        s.resize(got);
        std::fseek(f, 0, SEEK_END);
        return s;
    }
};

inline void reset_writers()
{
    oli_text_layer_reset();
    oli_writer_state_reset();
    oli_paragraph_state_reset();
    grf_state_reset();
    calllog::clear();
}

// Call-log entries that begin with a prefix.
inline std::vector<std::string> log_of(const std::string& prefix)
{
    std::vector<std::string> out;
    for (const auto& e : calllog::entries())
        if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
    return out;
}

inline int count_of(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// The stream without the layout-command lines (those are checked through the call log).
inline std::string blocks_only(const std::string& s)
{
    std::string out;
    size_t p = 0;
    while (p < s.size()) {
        size_t e = s.find('\n', p);
        size_t end = e == std::string::npos ? s.size() : e + 1;
        if (s.compare(p, 5, "#OLI ") != 0) out += s.substr(p, end - p);
        p = end;
    }
    return out;
}
