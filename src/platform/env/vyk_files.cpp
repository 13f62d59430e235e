#include "platform/env/vyk_files.h"
#include "platform/os/calllog.h"
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fnmatch.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Search {
    std::vector<std::pair<std::string, bool>> entries;
    size_t next = 0;
};

void fill(DOSFindRecord* rec, const std::pair<std::string, bool>& e)
{
    std::snprintf(rec->name, sizeof rec->name, "%s", e.first.c_str());
    rec->is_directory = e.second ? 1 : 0;
}

int find_first(const char* pattern, DOSFindRecord* rec, bool directories)
{
    if (!rec) return -1;
    rec->state = nullptr;
    rec->name[0] = '\0';
    rec->is_directory = 0;
    if (!pattern) return -1;
    std::string p = pattern;
    std::replace(p.begin(), p.end(), '\\', '/');
    std::string folder = ".", mask = p;
    size_t slash = p.rfind('/');
    if (slash != std::string::npos) {
        folder = slash == 0 ? "/" : p.substr(0, slash);
        mask = p.substr(slash + 1);
    }
    if (mask == "*.*") mask = "*";
    auto* s = new Search;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        bool dir = it->is_directory(ec2);
        if (dir != directories) continue;
        std::string name = it->path().filename().string();
        if (name == "." || name == "..") continue;
        if (::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) == 0) s->entries.push_back({name, dir});
    }
    std::sort(s->entries.begin(), s->entries.end());
    if (s->entries.empty()) {
        delete s;
        return -1;
    }
    fill(rec, s->entries[0]);
    s->next = 1;
    rec->state = s;
    return 0;
}

} // namespace

int VYKCopyFile(const char* src, const char* dst, int flag)
{
    (void)flag;
    if (!src || !dst) return 0;
    std::error_code ec;
    fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec);
    calllog::add(std::string("VYKCopyFile: ") + src + " -> " + dst);
    return ec ? 0 : 1;
}

int VYKRemoveFile(const char* path, int flag)
{
    (void)flag;
    if (!path) return -1;
    return std::remove(path) == 0 ? 0 : -1;
}

int DOSFindFirstFile(const char* pattern, DOSFindRecord* rec) { return find_first(pattern, rec, false); }
int DOSFindFirstDirectory(const char* pattern, DOSFindRecord* rec) { return find_first(pattern, rec, true); }

int DOSFindNext(DOSFindRecord* rec)
{
    if (!rec || !rec->state) return -1;
    auto* s = static_cast<Search*>(rec->state);
    if (s->next >= s->entries.size()) return -1;
    fill(rec, s->entries[s->next++]);
    return 0;
}

void DOSFindClose(DOSFindRecord* rec)
{
    if (!rec) return;
    delete static_cast<Search*>(rec->state);
    rec->state = nullptr;
}
