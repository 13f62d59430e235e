#include "platform/os/atomic_file.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

bool save_file_atomically(const std::string& path, const std::function<bool(FILE*)>& write)
{
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // mkstemp creates the file 0600; a saved file is as readable as any other file the user saves.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    FILE* f = ::fdopen(fd, "w");
    if (!f) {
        ::close(fd);
        std::remove(temp.c_str());
        return false;
    }
    bool ok = write(f);
    ok = std::fflush(f) == 0 && ok && !std::ferror(f);
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}
