#include "test_util.h"
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testutil {

FullDisk::FullDisk(const std::string& folder) : folder_(folder)
{
    std::filesystem::create_directories(folder);
    mounted_ = ::geteuid() == 0 &&
               std::system(("mount -t tmpfs -o size=64k tmpfs '" + folder + "' 2>/dev/null").c_str()) == 0;
    if (mounted_) fill();
}

FullDisk::~FullDisk()
{
    if (mounted_) std::system(("umount '" + folder_ + "'").c_str());
}

void FullDisk::fill() const
{
    if (mounted_) std::system(("dd if=/dev/zero of='" + folder_ + "/fill' bs=1k 2>/dev/null").c_str());
}

void FullDisk::unfill() const { std::remove((folder_ + "/fill").c_str()); }

ScratchDir::ScratchDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "tavo_test_XXXXXX").string();
    char* p = mkdtemp(templ.data());
    path_ = p ? p : templ;
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

namespace {

bool german_decimal_comma()
{
    return std::localeconv()->decimal_point[0] == ',';
}

bool set_german_numeric()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_DE@euro"})
        if (std::setlocale(LC_NUMERIC, name) && german_decimal_comma()) return true;
    return false;
}

// The locale built once for the whole test program, when the system has none.
bool build_german_locale()
{
    static ScratchDir folder;
    static int built = -1;
    if (built < 0) {
        const std::string cmd = "localedef -i de_DE -f UTF-8 '" + folder.file("de_DE.UTF-8") + "' >/dev/null 2>&1";
        built = std::filesystem::exists("/usr/share/i18n/locales/de_DE") && std::system(cmd.c_str()) == 0;
    }
    if (built == 1) setenv("LOCPATH", folder.path().c_str(), 1);
    return built == 1;
}

}  // namespace

GermanNumericLocale::GermanNumericLocale()
{
    active_ = set_german_numeric() || (build_german_locale() && set_german_numeric());
}

GermanNumericLocale::~GermanNumericLocale()
{
    end();
}

void GermanNumericLocale::end()
{
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    active_ = false;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return bool(out);
}

} // namespace testutil
