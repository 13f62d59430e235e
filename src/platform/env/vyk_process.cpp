#include "platform/env/vyk_process.h"
#include "platform/env/vyk_env.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string slashes(const char* p)
{
    std::string s = p ? p : "";
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

bool executable(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), X_OK) == 0;
}

// The tools are Windows programs by name; here they may stand without the ".exe".
std::string resolve_program(const std::string& path)
{
    if (executable(path)) return path;
    if (path.size() > 4) {
        std::string ext = path.substr(path.size() - 4);
        for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".exe" && executable(path.substr(0, path.size() - 4)))
            return path.substr(0, path.size() - 4);
    }
    return path;
}

} // namespace

std::intptr_t VYKSpawnv(int mode, const char* path, const char* const* argv)
{
    std::string prog = resolve_program(slashes(path));
    std::vector<std::string> args;
    std::string line = "VYKSpawnv: " + std::to_string(mode) + " " + prog;
    if (argv) {
        for (int i = 0; argv[i]; ++i) {
            args.push_back(i == 0 ? prog : std::string(argv[i]));
            if (i > 0) line += " " + std::string(argv[i]);
        }
    }
    if (args.empty()) args.push_back(prog);
    calllog::add(line);

    std::vector<char*> cargs;
    for (auto& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    std::fflush(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, prog.c_str(), nullptr, nullptr, cargs.data(), environ) != 0)
        return -1;
    if (mode == 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (mode == 2) return pid;
    // Nobody asks for the end of a tool started with mode 1: reap it when it ends, so that no
    // finished tool stays behind as a zombie for the rest of the run.
    std::thread([pid] {
        int st = 0;
        while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {}
    }).detach();
    return 0;
}

int CheckVYKProcess(std::intptr_t handle)
{
    if (handle <= 0) return 1;
    int status = 0;
    pid_t r = ::waitpid(pid_t(handle), &status, WNOHANG);
    return r == 0 ? 0 : 1;
}

void ShowVYKProcessWindow(std::intptr_t handle, int how)
{
    calllog::add("ShowVYKProcessWindow: " + std::to_string(handle) + " " + std::to_string(how));
}

int FindVYKWindow(const char* title, int n)
{
    const char* temp = VYKGetEnv("TEMP");
    if (!title || !temp) return 0;
    std::string bytes(title, strnlen(title, n > 0 ? size_t(n) : 0));
    std::string prefix = codepage::cp1252_to_utf8(bytes);
    DIR* d = ::opendir((std::string(temp) + "/.windows").c_str());
    if (!d) return 0;
    int found = 0;
    while (dirent* e = ::readdir(d)) {
        if (std::strncmp(e->d_name, prefix.c_str(), prefix.size()) == 0 && e->d_name[0] != '.') {
            found = 1;
            break;
        }
    }
    ::closedir(d);
    return found;
}

void VYKSleep(int ms)
{
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int VYKRunToFile(const char* path, const char* const* argv, const char* output)
{
    if (!path || !output) return -1;
    std::string prog = resolve_program(slashes(path));
    std::vector<std::string> args;
    std::string line = "VYKRunToFile: " + prog;
    if (argv) {
        for (int i = 0; argv[i]; ++i) {
            args.push_back(i == 0 ? prog : std::string(argv[i]));
            if (i > 0) line += " " + std::string(argv[i]);
        }
    }
    if (args.empty()) args.push_back(prog);
    line += " > " + std::string(output);
    calllog::add(line);

    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) return -1;
    int ok = ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
             ::posix_spawn_file_actions_addopen(&actions, 1, output, O_WRONLY | O_CREAT | O_TRUNC, 0644) == 0 &&
             ::posix_spawn_file_actions_adddup2(&actions, 1, 2) == 0;
    std::vector<char*> cargs;
    for (auto& a : args) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    std::fflush(nullptr);
    pid_t pid = 0;
    if (ok) ok = ::posix_spawn(&pid, prog.c_str(), &actions, nullptr, cargs.data(), environ) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    if (!ok) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
