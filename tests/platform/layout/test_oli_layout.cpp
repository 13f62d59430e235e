#include "platform/layout/oli_layout.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"

#include <gtest/gtest.h>
#include <cstdio>

TEST(MtStringLength, CountsPrintedCharactersOnly)
{
    struct Case { const char* text; int expect; };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"N\xCE\\d\xCEr", 2},                        // subscript code and reset count nothing
        {"\xCE" "b5.00\xCEr", 4},
        {"x \xCE{\xCEL 0 0.5 0.5 1 1 } y", 4},      // an inline graphic counts nothing
        {"\xCE{\xCER 3 -1 -1 -1 -1", 0},             // unterminated graphic to the end
        {"ab\xCE", 2},                               // a lone code byte at the end
        {"a\n", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(MT_String_Length(c.text), c.expect) << c.text;
    EXPECT_EQ(MT_String_Length(nullptr), 0);
}

TEST(OliCommands, OneLinePerCommandAndOneLogEntry)
{
    testutil::ScratchDir dir;
    std::string path = dir.file("l.oli");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_TRUE(f);
    calllog::clear();
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    OLI_setMarginsCM(f, 1, 0.0f, 17.0f);
    OLI_setYPositionCM(f, 1, -0.4f);
    OLI_reserveSpaceCM(f, 3.0f);
    OLI_setBookmark(f, 16, "\xCE@1. Eingabedaten");
    OLI_setBookmark(f, 17, nullptr);
    OLI_storeYPosition(f, 4);
    OLI_restoreYPosition(f, 4);
    OLI_setConvertionFlags(f, 1);
    OLI_pushMargins(f);
    OLI_popMargins(f, 0);
    OLI_resetMaxMargin(f);
    std::fclose(f);
    EXPECT_EQ(testutil::read_file(path),
              "#OLI flags 896\n#OLI layout 4115\n#OLI margins 1 0.000 17.000\n#OLI ypos 1 -0.400\n"
              "#OLI reserve 3.000\n#OLI bookmark 16 \xAE\xCE@1. Eingabedaten\xAF\n#OLI bookmark 17\n"
              "#OLI store 4\n#OLI restore 4\n#OLI convflags 1\n#OLI pushmargins\n#OLI popmargins 0\n"
              "#OLI resetmaxmargin\n");
    auto log = calllog::entries();
    ASSERT_EQ(log.size(), 13u);
    EXPECT_EQ(log[0], "OLI_setFlags: 896");
    EXPECT_EQ(log[6], "OLI_setBookmark: 17 null");
}

TEST(OliCommands, NullStreamIsLoggedButWritesNothing)
{
    calllog::clear();
    OLI_setFlags(nullptr, 640);
    EXPECT_TRUE(calllog::contains("OLI_setFlags: 640"));
}
