#include "platform/os/atomic_file.h"
#include "platform/os/paths.h"

#include <cerrno>
#include <map>
#include <mutex>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links may point at links; past this many the path is taken as it stands.
const int kMaxLinkDepth = 40;

std::string folder_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save of path replaces: the end of its chain of links (which need not exist yet).
std::string save_target(const std::string& path)
{
    std::string target = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0 || size_t(n) >= link.size()) break;
        link.resize(size_t(n));
        target = link[0] == '/' ? link : folder_of(target) + "/" + link;
    }
    return target;
}

bool write_protected(const struct stat& st, const std::string& target)
{
    // The permission bits count even for a user whom the system lets write anyway.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0;
}

// Temporary files of a save are "<name>.save-<pid>-XXXXXX".
std::string temp_prefix(const std::string& target) { return name_of(target) + ".save-"; }

// Removes the temporary files of target whose saving process no longer runs.
void remove_stale_temporaries(const std::string& target)
{
    const std::string folder = folder_of(target);
    const std::string prefix = temp_prefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        const char* name = e->d_name;
        if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0) continue;
        char* end = nullptr;
        const long pid = std::strtol(name + prefix.size(), &end, 10);
        if (end == name + prefix.size() || *end != '-' || pid <= 0 || pid > INT_MAX) continue;
        // "XXXXXX", or a settings copy's lock file "XXXXXX.lock" or working file "XXXXXX.YYYYYY".
        const std::string rest = end + 1;
        if (rest.size() != 6 && !(rest.size() == 11 && rest.compare(6, 5, ".lock") == 0) &&
            !(rest.size() == 13 && rest[6] == '.'))
            continue;
        if (pid == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;
        ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

// The permission bits (and owner) of the file being replaced, or the user's default for a new one.
void take_permissions(int fd, const std::string& target)
{
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's own files can be given away; the group and mode still follow.
        }
        ::fchmod(fd, st.st_mode & 07777);
        return;
    }
    // mkstemp creates the file 0600; a new file is as readable as any other file the user saves.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

void sync_folder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);   // some file systems cannot sync a folder; the rename itself has happened
    ::close(fd);
}

struct FileIdentity {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtime_sec = 0, mtime_nsec = 0;
    bool operator==(const FileIdentity& o) const
    {
        return exists == o.exists && (!exists || (dev == o.dev && ino == o.ino && size == o.size &&
                                                  mtime_sec == o.mtime_sec && mtime_nsec == o.mtime_nsec));
    }
};

FileIdentity identity_of(const std::string& target)
{
    FileIdentity id;
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) return id;
    id.exists = true;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime_sec = st.st_mtim.tv_sec;
    id.mtime_nsec = st.st_mtim.tv_nsec;
    return id;
}

// Reasons of our own beside the system's error numbers (which are all positive).
const int kWriteProtected = -1;   // the file's permission bits forbid writing
const int kNotRegular = -2;       // a pipe, device or socket stands where the file belongs
const int kIncomplete = -3;       // the file on disk is shorter than what was written

thread_local int t_last_error = 0;
thread_local std::string t_last_reason;

// The reason for a failed save, always in German: the system's own text is English.
std::string reason_of(int error)
{
    switch (error) {
    case 0: return std::string();
    case kWriteProtected: return "schreibgeschützt";
    case kNotRegular: return "keine reguläre Datei";
    case kIncomplete: return "die Datei wurde nicht vollständig geschrieben";
    case ENOSPC: return "Datenträger voll";
    case EDQUOT: return "Speicherkontingent erschöpft";
    case EFBIG: return "die Datei wäre größer als erlaubt";
    case EACCES: case EPERM: return "keine Schreibberechtigung";
    case EROFS: return "Datenträger schreibgeschützt";
    case ENOENT: return "der Ordner fehlt";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "an ihrer Stelle steht ein Ordner";
    case EEXIST: return "die Datei gibt es schon";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case EIO: return "Ein-/Ausgabefehler";
    default: return "Systemfehler " + std::to_string(error);
    }
}

std::mutex g_seen_mutex;
std::map<std::string, FileIdentity> g_seen;

} // namespace

std::string save_failure_reason(int error) { return reason_of(error ? error : EIO); }

void set_save_failure_reason(const std::string& reason)
{
    t_last_error = reason.empty() ? 0 : EIO;
    t_last_reason = reason;
}

void note_file_seen(const std::string& path)
{
    const std::string target = save_target(path);
    const FileIdentity id = identity_of(target);
    std::lock_guard<std::mutex> lock(g_seen_mutex);
    g_seen[target] = id;
}

bool file_changed_since_seen(const std::string& path)
{
    const std::string target = save_target(path);
    const FileIdentity now = identity_of(target);
    std::lock_guard<std::mutex> lock(g_seen_mutex);
    const auto it = g_seen.find(target);
    return it != g_seen.end() && !(it->second == now);
}

bool file_removed_since_seen(const std::string& path)
{
    const std::string target = save_target(path);
    const FileIdentity now = identity_of(target);
    std::lock_guard<std::mutex> lock(g_seen_mutex);
    const auto it = g_seen.find(target);
    return it != g_seen.end() && it->second.exists && !now.exists;
}

std::string free_copy_path(const std::string& path, int* number)
{
    // ".neu", ".neu2", ...: far more copies than this would be no help to anyone.
    const int kMaxCopies = 999;
    int n = number && *number > 1 ? *number : 1;
    for (; n < kMaxCopies; ++n) {
        const std::string candidate = path + ".neu" + (n > 1 ? std::to_string(n) : std::string());
        struct stat st;
        if (::lstat(candidate.c_str(), &st) != 0 && errno == ENOENT) break;
    }
    if (number) *number = n;
    return path + ".neu" + (n > 1 ? std::to_string(n) : std::string());
}

bool save_under_free_copy_name(std::string* name, const std::string& original, int number,
                               const std::function<bool(const std::string&)>& write)
{
    // Another program taking every free name in turn, this many times, is no race but a fault.
    const int kMaxTries = 20;
    for (int tries = 0; tries < kMaxTries; ++tries) {
        if (write(*name)) return true;
        struct stat st;
        if (::lstat(name->c_str(), &st) != 0) return false;   // a failure of its own, not a name taken
        ++number;
        *name = free_copy_path(original, &number);
    }
    return false;
}

std::string save_target_of(const std::string& path) { return save_target(path); }

void remove_save_leftovers(const std::string& path) { remove_stale_temporaries(save_target(path)); }

void ignore_file_size_signal() { ::signal(SIGXFSZ, SIG_IGN); }

bool file_is_write_protected(const std::string& path)
{
    const std::string target = save_target(path);
    struct stat st;
    return ::stat(target.c_str(), &st) == 0 && write_protected(st, target);
}

std::string last_save_failure_reason() { return t_last_reason.empty() ? reason_of(t_last_error) : t_last_reason; }

namespace {

bool save_once(const std::string& path, const std::function<bool(FILE*)>& write, bool must_be_new);

bool save_checked(const std::string& path, const std::function<bool(FILE*)>& write, bool must_be_new)
{
    errno = 0;
    const bool saved = save_once(path, write, must_be_new);
    // A failure the system did not explain is a write the caller's data refused.
    t_last_error = saved ? 0 : (errno != 0 ? errno : EIO);
    t_last_reason.clear();
    return saved;
}

} // namespace

bool save_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write)
{
    return save_checked(path, write, false);
}

bool save_new_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write)
{
    return save_checked(path, write, true);
}

namespace {

// Puts the finished temporary file in place: over the old file, or, for a file that must be new,
// only where none is (also when another program creates one meanwhile).
bool put_in_place(const std::string& temp, const std::string& target, bool must_be_new)
{
    if (!must_be_new) return std::rename(temp.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that rename: a second link fails where a file already is.
    if (::link(temp.c_str(), target.c_str()) != 0) return false;
    ::unlink(temp.c_str());
    return true;
}

bool save_once(const std::string& path, const std::function<bool(FILE*)>& write, bool must_be_new)
{
    const std::string target = save_target(path);
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (must_be_new) {
            errno = EEXIST;
            return false;
        }
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return false;
        }
        // A rename would put the file in the place of a pipe or device another program relies on.
        if (!S_ISREG(st.st_mode)) {
            errno = kNotRegular;
            return false;
        }
        if (write_protected(st, target)) {
            errno = kWriteProtected;
            return false;
        }
    }
    remove_stale_temporaries(target);
    std::string temp = folder_of(target) + "/" + temp_prefix(target) + std::to_string(::getpid()) + "-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    take_permissions(fd, target);
    FILE* f = ::fdopen(fd, "w");
    if (!f) {
        ::close(fd);
        std::remove(temp.c_str());
        return false;
    }
    bool ok = write(f);
    ok = std::fflush(f) == 0 && ok && !std::ferror(f);
    ok = ::fsync(::fileno(f)) == 0 && ok;
    if (ok) {
        // What the file holds on disk must be all that was written.
        const long written = std::ftell(f);
        struct stat done;
        if (written < 0 || ::fstat(::fileno(f), &done) != 0 || done.st_size != off_t(written)) {
            ok = false;
            errno = kIncomplete;
        }
    }
    const int write_error = errno;
    ok = std::fclose(f) == 0 && ok;
    if (!ok && errno == 0) errno = write_error;
    if (ok && put_in_place(temp, target, must_be_new)) {
        sync_folder(folder_of(target));
        note_file_seen(target);
        return true;
    }
    const int error = errno;
    std::remove(temp.c_str());
    errno = error;
    return false;
}

} // namespace


std::string folder_write_refusal(const std::string& folder)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) return errno == ENOENT ? "existiert nicht" : reason_of(errno);
    if (!S_ISDIR(st.st_mode)) return "ist kein Ordner";
    std::string probe = folder + "/.tavo-probe-" + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return reason_of(errno);
    // A full file system takes the name but not the first byte.
    const char byte = 0;
    int error = 0;
    if (::write(fd, &byte, 1) != 1 || ::fsync(fd) != 0) error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error) error = errno;
    ::unlink(probe.c_str());
    return error ? reason_of(error) : std::string();
}

std::string write_failure_message(const std::string& path, const std::string& reason)
{
    return "Die Datei\n" + absolute_path(path) + "\nkann nicht geschrieben werden: " + reason + ".";
}
