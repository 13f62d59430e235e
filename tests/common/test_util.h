// Small helpers shared by the test programs: scratch folders and whole-file reads.
#pragma once
#include <string>

namespace testutil {

// A fresh empty folder below the system's temp folder, removed when the object dies.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
private:
    std::string path_;
};

// Switches LC_NUMERIC of the process to German (decimal comma), as Qt does from the user's
// environment; builds the locale into a folder of its own when the system has none installed.
// The numeric locale goes back to "C" when the object dies.
class GermanNumericLocale {
public:
    GermanNumericLocale();
    ~GermanNumericLocale();
    GermanNumericLocale(const GermanNumericLocale&) = delete;
    GermanNumericLocale& operator=(const GermanNumericLocale&) = delete;
    bool active() const { return active_; }
    void end();   // back to "C" before the object dies
private:
    bool active_ = false;
};

// A file system of 64 KiB mounted at folder (created) and filled to the last byte, for writes
// that find the disk full; unmounted when the object dies. Needs root: mounted() says.
class FullDisk {
public:
    explicit FullDisk(const std::string& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool mounted() const { return mounted_; }
    void fill() const;     // takes the space left (done by the constructor)
    void unfill() const;   // gives it back
private:
    std::string folder_;
    bool mounted_ = false;
};

std::string read_file(const std::string& path);                       // empty when missing
bool write_file(const std::string& path, const std::string& bytes);

} // namespace testutil
