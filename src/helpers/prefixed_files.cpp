#include "helpers/prefixed_files.h"

#include "platform/env/vyk_env.h"
#include "platform/env/vyk_files.h"
#include "platform/env/vyk_message.h"
#include "platform/layout/oli_layout.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <algorithm>
#include <climits>
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
    std::string pattern = path_join(temp_folder(), "VYKXXXXXX");
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
    // Reading takes only a regular file; a write creates or replaces one.
    if (mode && mode[0] == 'r' && !std::strchr(mode, '+')) return open_regular_file(name, file_bounds::kTable, mode);
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

int copy_prefixed_file(const char* source_suffix, const char* target_suffix, int flag)
{
    std::string from, to;
    if (!make_name(source_suffix, from) || !make_name(target_suffix, to)) return 0;
    return VYKCopyFile(from.c_str(), to.c_str(), flag) ? 1 : 0;
}

int remove_prefixed_files_matching(const char* pattern_suffix)
{
    std::string pattern;
    if (!make_name(pattern_suffix, pattern)) return -1;
    size_t part = pattern.find_last_of("\\/");
    if (part != std::string::npos) ++part;
    else if ((part = pattern.find(':')) != std::string::npos) ++part;
    else part = 0;
    std::vector<std::string> found;
    DOSFindRecord rec;
    if (DOSFindFirstFile(pattern.c_str(), &rec) == 0) {
        do {
            found.push_back(pattern.substr(0, part) + rec.name);
        } while (DOSFindNext(&rec) == 0);
    }
    DOSFindClose(&rec);
    int count = 0;
    for (const std::string& name : found) {
        char full[PATH_MAX];
        if (!realpath(name.c_str(), full)) continue;
        std::remove(full);
        ++count;
    }
    return count;
}

FILE* error_list_open(const char* suffix)
{
    FILE* f = open_prefixed_file(suffix, "w+");
    if (f) std::fputs("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", f);
    return f;
}

int error_list_line(FILE* stream, int value, const char* text)
{
    if (stream) std::fprintf(stream, " %s\n", text ? text : "");
    return value;
}

int list_append_file(FILE* stream, FILE* source)
{
    if (!stream || !source) return 1;
    std::rewind(source);
    char buf[200];
    while (std::fgets(buf, sizeof buf, source)) std::fputs(buf, stream);
    std::fputs("#END_OF_TEXT\n", stream);
    return 0;
}

int list_append_failed_check(FILE* stream, FILE* source)
{
    if (!stream) return 1;
    std::fputs(" \xCE" "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCE" "r\n", stream);
    std::fputs("#END_OF_TEXT\n", stream);
    if (source) list_append_file(stream, source);
    return 0;
}

void message_box_text(const char* text)
{
    Init_Message();
    Fill_Message(text ? text : "");
    Draw_Message();
}

int show_read_error()
{
    message_box_text("Lesefehler !!!");
    return 101;
}

int show_write_error()
{
    message_box_text("Schreibfehler !!!");
    return 102;
}

int show_data_error()
{
    message_box_text("Datenfehler !!!");
    return 103;
}

namespace {

std::string g_position_number;   // at most 6 characters
std::string g_position_title;    // at most 50 characters

// The text up to its line end, at most max characters.
std::string cut_line(const char* text, size_t max)
{
    std::string s = text;
    size_t end = s.find_first_of("\r\n");
    if (end != std::string::npos) s.resize(end);
    if (s.size() > max) s.resize(max);
    return s;
}

} // namespace

int read_position_header_file(const char* path)
{
    g_position_number.clear();
    g_position_title.clear();
    FILE* f = path ? open_regular_file(path, file_bounds::kSmallText, "r") : nullptr;
    if (!f) return 1;
    // Lines are read in pieces of these limits, as the environment's own reader does.
    char line1[101], line2[11], line3[101];
    int result = 0;
    if (!std::fgets(line1, sizeof line1, f)) {
        result = 1;
    } else if (std::fgets(line2, sizeof line2, f)) {
        g_position_number = cut_line(line2, 6);
        if (std::fgets(line3, sizeof line3, f)) g_position_title = cut_line(line3, 50);
        else result = 1;
    } else {
        std::string l = cut_line(line1, 100);
        size_t colon = l.find(':');
        g_position_number = l.substr(0, std::min<size_t>(colon == std::string::npos ? l.size() : colon, 6));
        if (colon != std::string::npos) g_position_title = l.substr(colon + 1, 50);
    }
    std::fclose(f);
    return result;
}

int read_position_header(const char* component_id)
{
    std::string name = std::string(component_id ? component_id : "").substr(0, 4);
    return read_position_header_file(name.c_str());
}

const char* position_header_number() { return g_position_number.c_str(); }
const char* position_header_title() { return g_position_title.c_str(); }

FILE* oli_position_title(const char* number, const char* title, int no_new_page)
{
    FILE* f = open_prefixed_file("", "w");
    if (!f) return nullptr;
    if (!no_new_page) std::fputs("#NEWPAGE\n", f);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    std::fputs("#CONTENTS\n", f);
    std::fprintf(f, " POS. %s: %s\n", number ? number : "", title ? title : "");
    return f;
}
