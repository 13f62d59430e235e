// A scratch environment (EXEC with the shipped stand-in tools, TEMP, DATA/BAUTEILE) with the
// process environment pointing at it for the life of the object.
#pragma once
#include "common/test_util.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace toolfix {

class ScratchEnvironment {
public:
    ScratchEnvironment()
    {
        namespace fs = std::filesystem;
        exec_ = dir_.file("EXEC");
        temp_ = dir_.file("TEMP");
        data_ = dir_.file("DATA");
        fs::create_directories(exec_);
        fs::create_directories(temp_);
        fs::create_directories(data_ + "/BAUTEILE");
        for (const char* tool : {"VYOSelct", "Trobavex"}) {
            const std::string to = exec_ + "/" + tool;
            fs::copy_file(std::string(TAVO_SOURCE_DATA_DIR) + "/EXEC/" + tool, to);
            fs::permissions(to, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        }
        set("EXEC", exec_);
        set("TEMP", temp_);
        set("DATA", data_);
    }
    ~ScratchEnvironment()
    {
        for (const char* k : {"EXEC", "TEMP", "DATA"}) ::unsetenv(k);
    }
    const std::string& exec() const { return exec_; }
    const std::string& temp() const { return temp_; }
    std::string components() const { return data_ + "/BAUTEILE"; }
    std::string root() const { return dir_.path(); }
    // Marks the window of a tool as open, as the tool itself does while it runs (title in UTF-8).
    void open_window(const std::string& title) const
    {
        std::filesystem::create_directories(temp_ + "/.windows");
        testutil::write_file(temp_ + "/.windows/" + title, "");
    }

private:
    static void set(const char* key, const std::string& value) { ::setenv(key, value.c_str(), 1); }
    testutil::ScratchDir dir_;
    std::string exec_, temp_, data_;
};

} // namespace toolfix
