// The output list's symbol bytes as the viewer shows them: every byte the reports write for a
// Greek letter or a sign comes out as that letter, never as the code page's box-drawing glyph.
#include "platform/viewer/oli_viewer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NadReportGlyphs, EverySymbolByteDecodesToItsLetter)
{
    struct Case { unsigned char byte; const char* utf8; };
    const Case cases[] = {
        {0xC0, "\u03B3"}, {0xE0, "\u03B1"}, {0xBB, "\u03B2"}, {0xC1, "\u03B7"}, {0xC7, "\u03BD"}, {0xC6, "\u03BC"},
        {0xC5, "\u019B"}, {0xB0, "\u03B8"}, {0xCB, "\u03C1"}, {0xA3, "\u0394"}, {0xBE, "\u03B5"}, {0xB8, "\u03C8"},
        {0xBC, "\u03C7"}, {0x8C, "\u00D8"}, {0xF2, "\u2265"}, {0xF3, "\u2264"}, {0xFD, "\u00B2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte));
        EXPECT_EQ(oliview::plain(oliview::decode_text(std::string(1, char(c.byte)))), c.utf8);
    }
    // As the load-factor and concrete reports write them: psi with a subscript, min cot theta.
    EXPECT_EQ(oliview::plain(oliview::decode_text("\xB8\xCE\\0\xCEr \xB8\xCE\\2E\xCEr")), "\u03C80 \u03C82E");
    EXPECT_EQ(oliview::plain(oliview::decode_text("min cot \xB0")), "min cot \u03B8");
    EXPECT_EQ(oliview::plain(oliview::decode_text("\xC7\xCE\\min\xCEr")), "\u03BDmin");
}

} // namespace
