// Opening a file from outside the program for reading: only a regular file, and only one no
// larger than its format can hold, so that a pipe, a device or a huge file never stops the program.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// Why a file was not opened, for a message that names it (German, UTF-8): "ist keine Datei
// (ein Ordner)", "ist größer als 65536 Bytes", "kann nicht gelesen werden (...)". Empty when the
// file simply does not exist.
struct FileRefusal {
    bool missing = false;
    std::string reason;
};

// Opens path for reading when it is a regular file of at most max_bytes (a link to one counts).
// The open never blocks on a pipe. Returns nullptr otherwise, with *why set. Without `why` the
// refusal of an existing file goes to the refusal reporter; a caller that asks for the reason
// names the file itself. `mode` is "r" or "rb".
FILE* open_regular_file(const std::string& path, std::size_t max_bytes, const char* mode = "rb",
                        FileRefusal* why = nullptr);

// Reads the whole file as open_regular_file allows; false, with *why set, when it is refused or
// a read fails.
bool read_regular_file(const std::string& path, std::size_t max_bytes, std::string& bytes,
                       FileRefusal* why = nullptr);

// The whole file as read_regular_file reads it, or nothing when it is refused or missing; for
// readers that go through a text stream.
std::string regular_file_text(const std::string& path, std::size_t max_bytes);

// The message that names a refused file: "Die Datei\n<path>\n<reason>."
std::string file_refusal_message(const std::string& path, const std::string& reason);

// Where refusals of existing files are reported. By default they go to the call log and standard
// error and are kept for a reporter set later (the program's start reads files before it can show
// a message); the program shows them in a message box. nullptr restores the default.
using FileRefusalReporter = void (*)(const std::string& path, const std::string& reason);
void set_file_refusal_reporter(FileRefusalReporter reporter);
// Hands a refusal to the reporter, for a caller that asked for the reason and has no message of its own.
void report_file_refusal(const std::string& path, const std::string& reason);

// The largest file each format can hold, with room to spare; a larger one is no such file.
namespace file_bounds {
constexpr std::size_t kSmallText = std::size_t(64) << 10;     // header, choice file, answers, lists
constexpr std::size_t kSettings = std::size_t(1) << 20;       // window settings, fonts and colours
constexpr std::size_t kPosition = std::size_t(16) << 20;      // position data file
constexpr std::size_t kTable = std::size_t(16) << 20;         // annex sets, WUSL and screw tables
constexpr std::size_t kToolResult = std::size_t(64) << 20;    // internal-force tool's result
constexpr std::size_t kHelp = std::size_t(16) << 20;          // help texts
constexpr std::size_t kPicture = std::size_t(64) << 20;       // pictures
constexpr std::size_t kBackup = std::size_t(256) << 20;       // a program's data and its backup copies
} // namespace file_bounds
