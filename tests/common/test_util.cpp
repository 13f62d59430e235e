#include "test_util.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testutil {

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
