// The program's glyphs: every byte of its code page is drawn on the sheets and shown by the list
// viewer as one and the same glyph, the output list's symbol bytes as their Greek letters and
// signs; and every byte the reports and the parameter sheets write has a real glyph of the
// fonts, never a box-drawing stand-in.
#include "national_annex/nad_current.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_test_util.h"
#include "output/nad_report_all.h"
#include "output/nad_report_ec0.h"
#include "platform/os/codepage.h"
#include "platform/screen/fonts.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"
#include "platform/viewer/oli_viewer.h"
#include "sheets/view_areas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

// The symbol bytes of the list font and what they must show; every other byte shows its code
// page 437 character.
const std::map<unsigned char, const char*> kSymbols = {
    {0x88, "\u2192"}, {0x89, "\u2030"}, {0x8C, "\u00D8"}, {0xA3, "\u0394"}, {0xB0, "\u03B8"}, {0xB2, "\u03A3"},
    {0xB8, "\u03C8"}, {0xBA, "\u03B1"}, {0xBB, "\u03B2"}, {0xBC, "\u03C7"}, {0xBE, "\u03B5"}, {0xC0, "\u03B3"},
    {0xC1, "\u03B7"}, {0xC4, "\u03BB\u0304"}, {0xC5, "\u03BB"}, {0xC6, "\u03BC"}, {0xC7, "\u03BD"},
    {0xCB, "\u03C1"}, {0xCC, "\u03C3"}, {0xD5, "\u03BA"}, {0xD6, "\u03C4"}, {0xFA, "\u00B3"},
    // letters and signs the code page has itself
    {0x81, "\u00FC"}, {0xE0, "\u03B1"}, {0xE1, "\u00DF"}, {0xEE, "\u03B5"}, {0xF2, "\u2265"}, {0xF3, "\u2264"},
    {0xFD, "\u00B2"}, {0xEC, "\u221E"},
};

std::string expected(unsigned char b)
{
    auto it = kSymbols.find(b);
    if (it != kSymbols.end()) return it->second;
    std::string s;
    codepage::append_utf8(s, codepage::cp437_char(b));
    return s;
}

// Drawn as the screen draws a sheet's text, at the program's own fonts.
QImage drawn(const QString& text, int font)
{
    Pop_RFont(font);
    QImage m = font_render_mask(text);
    Push_RFont();
    return m;
}

TEST(NadReportGlyphs, EveryByteIsTheSameGlyphOnTheSheetsAndInTheViewer)
{
    screen_set_metrics(SCREEN_METRICS_QT);
    for (int b = 0x20; b < 0x100; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, char(b)), want = expected((unsigned char)b);
        if (b != 0xCE) EXPECT_EQ(oliview::plain(oliview::decode_text(byte)), want);   // 0xCE: the list's inline code
        EXPECT_EQ(codepage::glyphs_to_utf8(byte), want);
        for (int font : {4096, 4098, 0x11000}) {
            const QImage sheet = drawn(screen_text(byte.c_str(), 1), font & 0xFFFF);
            EXPECT_TRUE(sheet == drawn(QString::fromUtf8(want.c_str()), font & 0xFFFF)) << "font " << font;
        }
    }
    // Back from the viewer's text to the bytes, the longer glyph first.
    EXPECT_EQ(codepage::utf8_to_glyphs("\u03BB\u0304 \u03BB \u03B3M \u00FC"), "\xC4 \xC5 \xC0M \x81");
    // As the load-factor and concrete reports write them: psi with a subscript, min cot theta.
    EXPECT_EQ(oliview::plain(oliview::decode_text("\xB8\xCE\\0\xCEr \xB8\xCE\\2E\xCEr")), "\u03C80 \u03C82E");
    EXPECT_EQ(oliview::plain(oliview::decode_text("min cot \xB0")), "min cot \u03B8");
    screen_set_metrics(SCREEN_METRICS_CELL);
}

class NadGlyphsWritten : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        prop_sheet_reset();
        screen_reset();
        screen_set_metrics(SCREEN_METRICS_QT);
        sva_delete_all();
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
        area = sva_create(20, 20, 20 + 404, 20 + 4000, 0, 1);
    }
    void TearDown() override
    {
        sva_delete_all();
        prop_sheet_reset();
        screen_set_metrics(SCREEN_METRICS_CELL);
        NadFolders::TearDown();
    }
    int area = -1;
};

// A glyph the fonts draw as a letter or sign: not a box-drawing or block piece of the code page
// (the mark of a symbol byte nobody mapped), and in the sheets' and the viewer's font.
void expect_real_glyph(unsigned char b, const std::string& where)
{
    const QString g = QString::fromUtf8(codepage::glyph_utf8(b));
    const QFont font(QStringLiteral("DejaVu Sans"));
    for (const uint u : g.toUcs4()) {
        EXPECT_FALSE(u >= 0x2500 && u <= 0x25FF) << where << ": byte " << int(b) << " shows a box piece";
        EXPECT_FALSE(u == 0x019B || u == 0x2310 || u == 0x2302) << where << ": byte " << int(b);
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(u)) << where << ": byte " << int(b) << " has no glyph";
    }
}

TEST_F(NadGlyphsWritten, EveryByteOfTheReportsAndSheetsOfBothSetsHasItsGlyph)
{
    application(0, 1);
    std::set<unsigned char> seen;
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        ASSERT_EQ(nad_set_active(set), 0);
        const std::string list = nadtest::text_of([](FILE* f) {
            nad_report_ec0_if_relevant(f);
            nad_report_all(f);
        });
        for (size_t i = 0; i < list.size(); ++i) {
            const unsigned char c = (unsigned char)list[i];
            if (c == 0xCE) ++i;   // an inline code and its letter
            else if (c >= 0x80 && c != 0xAE && c != 0xAF) seen.insert(c);
        }
        const std::function<void()> sheets[] = {
            [&] { nad_ec0_sheet(area, nad_part_ec0(), 1); }, [&] { nad_ec2_sheet(area, nad_part_ec2(), 1); },
            [&] { nad_ec3_sheet(area, nad_part_ec3(), 1); }, [&] { nad_ec5_sheet(area, nad_part_ec5(), 1); },
            [&] { nad_ec6_sheet(area, nad_part_ec6(), 1); }, [&] { nad_ec9_sheet(area, nad_part_ec9(), 1); }};
        for (const auto& build : sheets) {
            build();
            for (const SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
                if (it->text)
                    for (const char* p = it->text; *p; ++p)
                        if ((unsigned char)*p >= 0x80) seen.insert((unsigned char)*p);
        }
    }
    // The letters the reports and sheets are known to need are among them.
    for (unsigned char b : {0xA3, 0xC0, 0xC4, 0xC5, 0xBB, 0xBC, 0xCB, 0xB0, 0xBE, 0xC6, 0xC7, 0xB8, 0xC1})
        EXPECT_TRUE(seen.count(b)) << "byte " << int(b) << " no longer written";
    for (unsigned char b : seen) expect_real_glyph(b, "written");
}

} // namespace
