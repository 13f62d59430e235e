#include "platform/os/paths.h"
#include <gtest/gtest.h>

TEST(Paths, JoinAndNativeSeparators)
{
    struct Case { const char* folder; const char* name; const char* path; };
    const Case cases[] = {{"/srv/DATA", "NAD\\Deutschland.NAD", "/srv/DATA/NAD/Deutschland.NAD"},
                          {"/srv/DRAM/", "\\tavo52_fonts", "/srv/DRAM/tavo52_fonts"},
                          // A folder is taken as given: a backslash is part of a name here.
                          {"C:\\VYK\\EXEC", "Trobavex.exe", "C:\\VYK\\EXEC/Trobavex.exe"},
                          {"/srv/a\\b", "NADS/1.NAD", "/srv/a\\b/NADS/1.NAD"},
                          {"", "\\tavo52_fonts", "/tavo52_fonts"},
                          {"", "T1_07.inp", "T1_07.inp"},
                          {"/", "tmp", "/tmp"}};
    for (const Case& c : cases) EXPECT_EQ(path_join(c.folder, c.name), c.path) << c.folder << " + " << c.name;
    EXPECT_EQ(native_path("a\\b\\c.txt"), "a/b/c.txt");
}
