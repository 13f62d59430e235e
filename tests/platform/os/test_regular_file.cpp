// Reading files from outside: a pipe, a device, a folder or a file too large for its format is
// refused at once and named; a regular file within the bound is read whole.
#include "platform/os/regular_file.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Each kind of file that is no readable regular file, in place of the file a reader opens.
struct Special {
    const char* what;
    void (*make)(const std::string& path);
    const char* reason;
};

const Special kSpecials[] = {
    {"FIFO without writer", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, "ist keine Datei (eine Pipe)"},
    {"link to /dev/zero", [](const std::string& p) { ASSERT_EQ(::symlink("/dev/zero", p.c_str()), 0); },
     "ist keine Datei (ein Gerät)"},
    {"folder", [](const std::string& p) { std::filesystem::create_directory(p); }, "ist keine Datei (ein Ordner)"},
    {"file one byte over the bound", [](const std::string& p) { ASSERT_TRUE(testutil::write_file(p, std::string(101, 'x'))); },
     "ist größer als 100 Bytes und wird nicht gelesen"},
    {"socket",
     [](const std::string& p) {
         const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un a{};
         a.sun_family = AF_UNIX;
         ASSERT_LT(p.size(), sizeof a.sun_path);
         std::snprintf(a.sun_path, sizeof a.sun_path, "%s", p.c_str());
         ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
         ::close(s);
     },
     "ist keine Datei (ein Socket)"},
};

} // namespace

TEST(RegularFile, SpecialFilesAreRefusedAtOnceWithTheirReason)
{
    for (const Special& c : kSpecials) {
        testutil::ScratchDir dir;
        const std::string path = dir.file("f");
        c.make(path);
        const auto start = std::chrono::steady_clock::now();

        std::string bytes = "alt";
        FileRefusal why;
        EXPECT_FALSE(read_regular_file(path, 100, bytes, &why)) << c.what;
        EXPECT_FALSE(why.missing) << c.what;
        EXPECT_EQ(why.reason, c.reason) << c.what;
        EXPECT_TRUE(bytes.empty()) << c.what;

        why = FileRefusal();
        EXPECT_EQ(open_regular_file(path, 100, "r", &why), nullptr) << c.what;
        EXPECT_EQ(why.reason, c.reason) << c.what;

        // Without a question for the reason, the refusal is reported with the file's name.
        calllog::clear();
        EXPECT_EQ(regular_file_text(path, 100), "") << c.what;
        EXPECT_TRUE(calllog::contains("file refused: Die Datei\n" + path + "\n" + c.reason + ".")) << c.what;

        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.what;
    }
}

TEST(RegularFile, RegularFilesUpToTheBoundAreReadAndMissingOnesAreNotReported)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file("f");
    const std::string content(100, 'x');
    ASSERT_TRUE(testutil::write_file(path, content));
    std::string bytes;
    EXPECT_TRUE(read_regular_file(path, 100, bytes));
    EXPECT_EQ(bytes, content);
    // A link to a regular file is that file.
    ASSERT_EQ(::symlink(path.c_str(), dir.file("link").c_str()), 0);
    EXPECT_EQ(regular_file_text(dir.file("link"), 100), content);
    FILE* f = open_regular_file(path, 100, "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x');
    std::fclose(f);

    calllog::clear();
    FileRefusal why;
    EXPECT_FALSE(read_regular_file(dir.file("none"), 100, bytes, &why));
    EXPECT_TRUE(why.missing);
    EXPECT_EQ(regular_file_text(dir.file("none"), 100), "");
    EXPECT_TRUE(calllog::entries().empty()) << "a missing file is no refusal";
}

// The size the file system states is checked when the file is opened; what the read then finds is
// bounded again. A file of /proc states the size 0 and holds more, as a file grown after the
// size query does: beyond the bound it is refused, within it read whole.
TEST(RegularFile, AFileHoldingMoreThanItsStatedSizeIsStillBounded)
{
    const std::string path = "/proc/self/status";
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || st.st_size != 0) GTEST_SKIP() << "no /proc";
    std::string bytes;
    FileRefusal why;
    EXPECT_FALSE(read_regular_file(path, 16, bytes, &why));
    EXPECT_EQ(why.reason, "ist größer als 16 Bytes und wird nicht gelesen");
    EXPECT_EQ(bytes, "");
    EXPECT_TRUE(read_regular_file(path, 1 << 20, bytes, &why));
    EXPECT_EQ(bytes.compare(0, 5, "Name:"), 0) << bytes.substr(0, 40);
    EXPECT_EQ(regular_file_text(path, 16), "");
}
