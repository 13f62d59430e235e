#include "national_annex/nad_paths.h"

#include "platform/env/vyk_env.h"

namespace nadpath {

std::string folder(const char* key)
{
    const char* v = VYKGetEnv(key);
    return v ? std::string(v) : std::string();
}

std::string join(const std::string& a, const std::string& b)
{
    if (a.empty()) return b;
    if (a.back() == '/') return a + b;
    return a + "/" + b;
}

} // namespace nadpath
