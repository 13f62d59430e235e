#include "platform/os/paths.h"

#include <filesystem>
#include <system_error>

std::string native_path(const std::string& path)
{
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

std::string path_join(const std::string& folder, const std::string& name)
{
    if (folder.empty()) return native_path(name);
    std::string f = folder;
    std::string n = native_path(name);
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    size_t skip = 0;
    while (skip < n.size() && n[skip] == '/') ++skip;
    return f == "/" ? "/" + n.substr(skip) : f + "/" + n.substr(skip);
}

std::string absolute_path(const std::string& path)
{
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}
