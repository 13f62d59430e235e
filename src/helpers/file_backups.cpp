#include "helpers/file_backups.h"

#include "helpers/prefixed_files.h"
#include "platform/os/atomic_file.h"
#include "platform/os/regular_file.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

bool g_enabled = true;
DfileSaveCallback g_save = nullptr;
std::string g_backup, g_second_backup, g_compare, g_data, g_companion;
std::string g_copy_destination, g_copy_source;   // names last resolved by dfile_copy_prefixed

std::string text_of(const char* s) { return s ? std::string(s) : std::string(); }

void remove_if_enabled(const std::string& path)
{
    if (g_enabled && !path.empty()) std::remove(path.c_str());
}

} // namespace

void dfile_backup_paths(DfileSaveCallback callback, const char* folder, const char* base_name,
                        const char* data_path, const char* companion_path)
{
    g_save = callback;
    std::string stem = text_of(folder) + text_of(base_name);
    g_backup = stem + ".bak";
    g_second_backup = stem + ".clcbak";
    g_compare = stem + ".cmp";
    if (data_path) g_data = data_path;
    if (companion_path) g_companion = companion_path;
}

void dfile_backup_paths_in_dir(DfileSaveCallback callback, const char* folder,
                               const char* base_name, const char* data_file_name,
                               const char* companion_file_name)
{
    std::string data = text_of(folder) + text_of(data_file_name);
    std::string companion = text_of(folder) + text_of(companion_file_name);
    dfile_backup_paths(callback, folder, base_name, data_file_name ? data.c_str() : nullptr,
                       companion_file_name ? companion.c_str() : nullptr);
}

void dfile_backup_disable() { g_enabled = false; }

int dfile_save_to(const char* path)
{
    if (!g_enabled || !g_save || !path) return 1;
    int r = 0;
    bool saved = save_file_atomically(path, [&r](FILE* f) {
        r = g_save(f);
        return r == 0;
    });
    if (r != 0) return r;
    return saved ? 0 : 1;
}

int dfile_save_backup() { return dfile_save_to(g_backup.c_str()); }

int dfile_save_second_backup() { return dfile_save_to(g_second_backup.c_str()); }

FILE* dfile_open_backup()
{
    if (!g_enabled || !dfile_file_exists(g_backup.c_str())) return nullptr;
    return open_regular_file(g_backup, file_bounds::kBackup, "r");
}

int dfile_load_from(DfileLoaderWithPath loader, const char* path)
{
    if (!loader || !path || !dfile_file_exists(path)) return 1;
    FILE* f = open_regular_file(path, file_bounds::kBackup, "r");
    if (!f) return 1;
    return loader(f, path);
}

namespace {

int load_plain(DfileLoader loader, const std::string& path)
{
    if (!loader || !dfile_file_exists(path.c_str())) return 1;
    FILE* f = open_regular_file(path, file_bounds::kBackup, "r");
    if (!f) return 1;
    return loader(f);
}

} // namespace

int dfile_load_backup(DfileLoader loader) { return load_plain(loader, g_backup); }

int dfile_load_second_backup(DfileLoader loader) { return load_plain(loader, g_second_backup); }

int dfile_backup_exists() { return dfile_file_exists(g_backup.c_str()); }

int dfile_file_exists(const char* path)
{
    return path && path[0] && access(path, F_OK) == 0 ? 1 : 0;
}

int dfile_compare_files(const char* path_a, const char* path_b)
{
    if (!g_enabled || !path_a || !path_b) return 1;
    FILE* a = open_regular_file(path_a, file_bounds::kBackup, "rb");
    if (!a) return 1;
    FILE* b = open_regular_file(path_b, file_bounds::kBackup, "rb");
    if (!b) {
        std::fclose(a);
        return 1;
    }
    int result;
    for (;;) {
        int ca = std::fgetc(a), cb = std::fgetc(b);
        if (ca != cb) {   // a differing byte, or one file ending before the other
            result = 1;
            break;
        }
        if (ca == EOF) {
            result = 0;
            break;
        }
    }
    std::fclose(a);
    std::fclose(b);
    return result;
}

int dfile_changed_against(const char* path)
{
    if (!g_enabled || !g_save) return 1;
    FILE* f = std::fopen(g_compare.c_str(), "w");
    if (!f) return 1;
    int r = g_save(f);
    bool closed = std::fclose(f) == 0;
    if (r != 0 || !closed) return 1;
    return dfile_compare_files(path, g_compare.c_str());
}

int dfile_changed_against_backup() { return dfile_changed_against(g_backup.c_str()); }

int dfile_changed_against_data() { return dfile_changed_against(g_data.c_str()); }

int dfile_changed_against_second_backup()
{
    if (!g_companion.empty() && !dfile_file_exists(g_companion.c_str())) return 1;
    return dfile_changed_against(g_second_backup.c_str());
}

int dfile_remove_backup()
{
    remove_if_enabled(g_backup);
    return 0;
}

int dfile_remove_second_backup()
{
    remove_if_enabled(g_second_backup);
    return 0;
}

int dfile_remove_all_backups()
{
    remove_if_enabled(g_backup);
    remove_if_enabled(g_second_backup);
    remove_if_enabled(g_compare);
    return 0;
}

int dfile_copy(const char* destination, const char* source)
{
    if (!destination || !source) return 1;
    FILE* in = open_regular_file(source, file_bounds::kBackup, "rb");
    if (!in) return 1;
    bool ok = save_file_atomically(destination, [in](FILE* out) {
        char buffer[8192];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            if (std::fwrite(buffer, 1, n, out) != n) return false;
        return !std::ferror(in);
    });
    std::fclose(in);
    return ok ? 0 : 1;
}

int dfile_copy_prefixed(const char* destination_name, const char* source_name)
{
    const char* d = destination_name ? prefixed_name(destination_name) : nullptr;
    if (!d) return 1;
    g_copy_destination = d;   // prefixed_name answers in a shared buffer
    const char* s = source_name ? prefixed_name(source_name) : nullptr;
    if (!s) return 1;
    g_copy_source = s;
    return dfile_copy(g_copy_destination.c_str(), g_copy_source.c_str());
}

const char* dfile_backup_path() { return g_backup.c_str(); }
const char* dfile_second_backup_path() { return g_second_backup.c_str(); }
const char* dfile_compare_path() { return g_compare.c_str(); }
