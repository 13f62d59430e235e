#include "national_annex/nad_paths.h"

#include "platform/env/vyk_env.h"

namespace nadpath {

std::string folder(const char* key)
{
    const char* v = VYKGetEnv(key);
    return v ? std::string(v) : std::string();
}


} // namespace nadpath
