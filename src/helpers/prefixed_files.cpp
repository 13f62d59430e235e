#include "helpers/prefixed_files.h"

#include "platform/env/vyk_env.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

std::string g_prefix;
std::string g_folder;
char g_name[PREFIXED_NAME_MAX + 1];

struct TempSlot {
    FILE* stream = nullptr;
    std::string name;
};
TempSlot g_slots[5];

// prefix + suffix, or false when the name would reach 261 characters.
bool make_name(const char* suffix, std::string& out)
{
    out = g_prefix + (suffix ? suffix : "");
    return out.size() <= (size_t)PREFIXED_NAME_MAX;
}

std::string temp_folder()
{
    const char* t = VYKGetEnv("TEMP");
    return t && *t ? t : P_tmpdir;
}

// Creates a new empty file "VYK......" in TEMP; -1 when that fails.
int make_temp(std::string& name)
{
    std::string pattern = temp_folder() + "/VYKXXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = mkstemp(buf.data());
    if (fd >= 0) name = buf.data();
    return fd;
}

} // namespace

const char* set_file_prefix(const char* text)
{
    g_prefix = text ? text : "";
    if (g_prefix.size() > (size_t)PREFIXED_NAME_MAX) g_prefix.resize(PREFIXED_NAME_MAX);
    size_t sep = g_prefix.find_last_of("\\/");
    if (sep != std::string::npos) {
        g_folder = g_prefix.substr(0, sep);
    } else if ((sep = g_prefix.rfind(':')) != std::string::npos) {
        g_folder = g_prefix.substr(0, sep + 1);
    } else {
        char cwd[4096];
        g_folder = getcwd(cwd, sizeof cwd) ? cwd : "";
    }
    if (g_folder.size() > (size_t)PREFIXED_NAME_MAX) g_folder.resize(PREFIXED_NAME_MAX);
    return g_prefix.c_str();
}

const char* get_file_prefix() { return g_prefix.c_str(); }
const char* get_file_prefix_folder() { return g_folder.c_str(); }

char* build_prefixed_name(char* buffer, const char* suffix, int size)
{
    if (!buffer || size < 1) return nullptr;
    std::string name = g_prefix + (suffix ? suffix : "");
    bool fits = name.size() + 1 <= (size_t)size;
    size_t n = fits ? name.size() : (size_t)size - 1;
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
    return fits ? buffer : nullptr;
}

const char* prefixed_name(const char* suffix)
{
    std::string name;
    if (!make_name(suffix, name)) return nullptr;
    std::memcpy(g_name, name.c_str(), name.size() + 1);
    return g_name;
}

FILE* open_prefixed_file(const char* suffix, const char* mode)
{
    std::string name;
    if (!make_name(suffix, name)) return nullptr;
    return std::fopen(name.c_str(), mode);
}

int prefixed_file_exists(const char* suffix)
{
    std::string name;
    if (!make_name(suffix, name)) return 0;
    return access(name.c_str(), F_OK) == 0 ? 1 : 0;
}

int remove_prefixed_file(const char* suffix)
{
    std::string name;
    if (!make_name(suffix, name)) return 1;
    return std::remove(name.c_str()) == 0 ? 0 : 1;
}

int rename_prefixed_file(const char* old_suffix, const char* new_suffix)
{
    std::string from, to;
    if (!make_name(old_suffix, from) || !make_name(new_suffix, to)) return 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 1 : 0;
}

char* temp_file_name(char* buffer)
{
    if (!buffer) return nullptr;
    std::string name;
    int fd = make_temp(name);
    if (fd < 0 || name.size() > (size_t)PREFIXED_NAME_MAX) {
        if (fd >= 0) {
            close(fd);
            unlink(name.c_str());
        }
        buffer[0] = '\0';
        return nullptr;
    }
    close(fd);
    unlink(name.c_str());
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    return buffer;
}

FILE* temp_file_open(const char* mode)
{
    for (TempSlot& slot : g_slots) {
        if (slot.stream) continue;
        std::string name;
        int fd = make_temp(name);
        if (fd < 0) return nullptr;
        // The file is created and opened in one step, so nobody can slip in between.
        FILE* f = fdopen(fd, mode);
        if (!f) {
            close(fd);
            unlink(name.c_str());
            return nullptr;
        }
        slot.stream = f;
        slot.name = name;
        return f;
    }
    return nullptr;
}

int temp_file_close(FILE* stream)
{
    if (!stream) return 0;
    for (TempSlot& slot : g_slots) {
        if (slot.stream != stream) continue;
        int ok = std::fclose(stream) == 0;
        std::remove(slot.name.c_str());
        slot.stream = nullptr;
        slot.name.clear();
        return ok ? 1 : 0;
    }
    return 0;
}
