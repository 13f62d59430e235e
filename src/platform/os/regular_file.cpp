#include "platform/os/regular_file.h"
#include "platform/os/calllog.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Refusals made before a reporter was set, handed to the first one set.
std::vector<std::pair<std::string, std::string>> g_pending;
const std::size_t kMaxPending = 16;

void default_reporter(const std::string& path, const std::string& reason)
{
    const std::string message = file_refusal_message(path, reason);
    calllog::add("file refused: " + message);
    std::fprintf(stderr, "%s\n", message.c_str());
    if (g_pending.size() < kMaxPending) g_pending.emplace_back(path, reason);
}

FileRefusalReporter g_reporter = default_reporter;

std::string kind_of(mode_t mode)
{
    if (S_ISDIR(mode)) return "ein Ordner";
    if (S_ISFIFO(mode)) return "eine Pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "ein Gerät";
    if (S_ISSOCK(mode)) return "ein Socket";
    return "keine gewöhnliche Datei";
}

std::string system_reason(int error)
{
    if (error == EACCES || error == EPERM) return "kann nicht gelesen werden (keine Leseberechtigung)";
    return std::string("kann nicht gelesen werden (") + std::strerror(error) + ")";
}

// Opens path without blocking and keeps the descriptor only for a regular file within the bound.
int open_checked(const std::string& path, std::size_t max_bytes, FileRefusal& why)
{
    why = FileRefusal();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) {
            why.missing = true;
            return -1;
        }
        struct stat st;
        why.reason = ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? "ist keine Datei (" + kind_of(st.st_mode) + ")"
                                                                          : system_reason(error);
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        why.reason = system_reason(errno);
    } else if (!S_ISREG(st.st_mode)) {
        why.reason = "ist keine Datei (" + kind_of(st.st_mode) + ")";
    } else if (st.st_size < 0 || std::uintmax_t(st.st_size) > max_bytes) {
        why.reason = "ist größer als " + std::to_string(max_bytes) + " Bytes und wird nicht gelesen";
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        return fd;
    }
    ::close(fd);
    return -1;
}

// Only a caller that did not ask for the reason leaves the message to the reporter.
void report(const std::string& path, const FileRefusal& why, bool asked)
{
    if (!asked && !why.missing && g_reporter) g_reporter(path, why.reason);
}

} // namespace

std::string file_refusal_message(const std::string& path, const std::string& reason)
{
    return "Die Datei\n" + path + "\n" + reason + ".";
}

void set_file_refusal_reporter(FileRefusalReporter reporter)
{
    g_reporter = reporter ? reporter : default_reporter;
    const auto pending = std::move(g_pending);
    g_pending.clear();
    if (reporter)
        for (const auto& refusal : pending) reporter(refusal.first, refusal.second);
}

void report_file_refusal(const std::string& path, const std::string& reason)
{
    if (g_reporter) g_reporter(path, reason);
}

FILE* open_regular_file(const std::string& path, std::size_t max_bytes, const char* mode, FileRefusal* why)
{
    FileRefusal local;
    FileRefusal& w = why ? *why : local;
    const int fd = open_checked(path, max_bytes, w);
    if (fd < 0) {
        report(path, w, why != nullptr);
        return nullptr;
    }
    FILE* f = ::fdopen(fd, mode && mode[0] == 'r' ? mode : "rb");
    if (!f) {
        w.reason = system_reason(errno);
        ::close(fd);
        report(path, w, why != nullptr);
    }
    return f;
}

std::string regular_file_text(const std::string& path, std::size_t max_bytes)
{
    std::string bytes;
    read_regular_file(path, max_bytes, bytes);
    return bytes;
}

bool read_regular_file(const std::string& path, std::size_t max_bytes, std::string& bytes, FileRefusal* why)
{
    FileRefusal local;
    FileRefusal& w = why ? *why : local;
    bytes.clear();
    const int fd = open_checked(path, max_bytes, w);
    if (fd < 0) {
        report(path, w, why != nullptr);
        return false;
    }
    // Never more than the bound, even when the file grows while it is read.
    char buffer[65536];
    for (;;) {
        const std::size_t room = max_bytes - bytes.size();
        const ssize_t n = ::read(fd, buffer, room < sizeof buffer ? room + 1 : sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            w.reason = system_reason(errno);
            break;
        }
        if (n == 0) {
            ::close(fd);
            return true;
        }
        if (std::size_t(n) > room) {
            w.reason = "ist größer als " + std::to_string(max_bytes) + " Bytes und wird nicht gelesen";
            break;
        }
        bytes.append(buffer, std::size_t(n));
    }
    ::close(fd);
    bytes.clear();
    report(path, w, why != nullptr);
    return false;
}
