// Viewer stand-in: every writer's output and the forms of the other modules parse and render;
// broken lists render what they hold; the PDF's text carries headings and table cells.
#include "platform/viewer/oli_viewer.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A list as the writers produce it (opening commands, title, headings, paragraphs, a table with
// a sentinel and a rule, a drawing with text, polygon, fill and colours), typed out by hand.
const std::string kSample =
    "#OLI flags 896\n#OLI layout 4115\n#CONTENTS\n Position 1 \n"
    "#OLI margins 1 15.200 0.000\n\n#SHOWPARA\n0x0\n3\n-1\n K7-TVO52 Version: ???\n#END_OF_TEXT\n0x0\n-1\n"
    "#OLI margins 1 0.000 0.000\n#OLI ypos 1 0.254\n#OLI reserve 3.000\n"
    "#OLI bookmark 16 \xAE\xCE@1. Eingabedaten\xAF\n"
    "\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eingabedaten\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
    "#OLI ypos 1 0.100\n"
    "\n#SHOWPARA\n0x0\n7\n-1\n Balken aus GL24h \xCE" "b120/400 mm\xCEr, \xCB\xCE\\k\xCEr = 385 kg/m\xCE/3\xCEr\n"
    "#END_OF_TEXT\n0x4\n0x40\n4\n0x0 1\n1 1.14\n-1\n \xCEH\xCE@1.1.\xCEtSchnittgr\x94\xE1" "en\xCEr\n#END_OF_TEXT\n0x0\n-1\n"
    "#OLI ypos 1 0.100\n"
    "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 2\n 4.000000 12.000000\n"
    " \xCEr Nr \xCEr  Name   \xCEr   V\xCE\\d\xCEr \n \xCEr    \xCEr        \xCEr    kN \n"
    "   1  Last A      12.50\n   2  Last B      n.e. \n \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }\n#END_OF_TEXT\n"
    "#OLI ypos 1 -0.400\n"
    "#SHOWGRAFIC\n 1 0 0\n Ansicht\n 0 0 0\n-1\n0.000000 10.000000 0.000000 4.000000\n"
    "50 0 0 0\n51 230 230 230\n 6 0.05\n 1  0.000000 1.000000 10.000000 1.000000\n"
    " 20  43\n 24  2.000000 3.000000 8.000000 1.000000\n"
    " 18 3 1.000000 1.000000 2.000000 1.000000 1.500000 2.000000 \n"
    " 13 0.300000\n 14 0.000000 0\n 10 5.000000 2.000000 5.000000 2.000000 210 \xAEL = 4000 mm\xAF\n"
    " 30\n 38 2 0.1 0.1 0\n 1  0.000000 0.000000 10.000000 4.000000\n 31\n -1\n"
    "\n#SHOWPARA\n0x0\n7\n-1\n \xCE{C 1 0 160 0}\xCEHok.\xCEr\xCE{C 768}\n#END_OF_TEXT\n0x0\n-1\n"
    "#OLI bookmark 17\n";

std::string pdf_text(const std::string& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(20000)) return std::string();
    return p.readAllStandardOutput().toStdString();
}

int count_kind(const oliview::Document& d, oliview::Block::Kind k)
{
    int n = 0;
    for (const auto& b : d.blocks) n += b.kind == k;
    return n;
}

} // namespace

TEST(OliViewer, ParsesEveryBlockForm)
{
    oliview::Document d = oliview::parse(kSample.data(), kSample.size());
    EXPECT_EQ(d.skipped, 0);
    EXPECT_EQ(count_kind(d, oliview::Block::Para), 5);
    EXPECT_EQ(count_kind(d, oliview::Block::Table), 1);
    EXPECT_EQ(count_kind(d, oliview::Block::Graphic), 1);
    EXPECT_EQ(count_kind(d, oliview::Block::Title), 1);
    for (const auto& b : d.blocks) {
        if (b.kind == oliview::Block::Table) {
            EXPECT_EQ(b.header_lines, 2);
            EXPECT_EQ(b.boundaries, (std::vector<double>{4, 12}));
            EXPECT_EQ(b.lines.size(), 5u);
            EXPECT_EQ(oliview::plain(b.lines[2]), "  1  Last A      12.50");
        }
        if (b.kind == oliview::Block::Graphic) {
            EXPECT_TRUE(b.complete);
            EXPECT_EQ(b.gcaptions[0], "Ansicht");
            EXPECT_EQ(b.extents[1], 10.0);
        }
        if (b.kind == oliview::Block::Para && b.mode == 4) {
            EXPECT_EQ(b.tabs, std::vector<double>{1.14});
        }
    }
    // the list font's symbols and code page 437
    EXPECT_EQ(oliview::plain(oliview::decode_text("\xCB\xCE\\k\xCEr \xF3 \x94\xE1 \xC0 \xFD")), "\xCF\x81k \xE2\x89\xA4 \xC3\xB6\xC3\x9F \xCE\xB3 \xC2\xB2");
}

TEST(OliViewer, FormsOfOtherModules)
{
    // a position title page, and the parameter reports' tables: counts, column lines, five zeros
    const std::string other =
        "#NEWPAGE\n#OLI flags 896\n#OLI layout 4115\n#CONTENTS\n POS. 1: Dach\n"
        "#SHOWTABLE\n1 3 0\n Parameter\n \xC0\xCE\\M\xCEr\n \xBB \xC1\n \xBC \xC5\n1 0 -1 -1 2\n 27 45\n"
        " Zeile eins\n Zeile zwei\n#END_OF_TEXT\n"
        "#SHOWTABLE\n0 1 0\n \xDA\xC4\xC4\xBF Rahmen\n0 0 0 0 0\n"
        "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n text\n#END_OF_TEXT\n"
        "#OLI margins 65537 9.000 0.000\n#OLI store 4\n#OLI restore 4\n#OLI ypos 4 0.000\n#OLI resetmaxmargin\n"
        "#SHOWTABLE\n 0 0 1\n Bemerkung\n 0 0 0 0\n";
    oliview::Document d = oliview::parse(other.data(), other.size());
    EXPECT_EQ(d.skipped, 0);
    EXPECT_EQ(count_kind(d, oliview::Block::NewPage), 1);
    EXPECT_EQ(count_kind(d, oliview::Block::Table), 4);
    EXPECT_EQ(d.blocks[3].kind, oliview::Block::Title);
    EXPECT_EQ(oliview::plain(d.blocks[3].lines[0]), "POS. 1: Dach");
    testutil::ScratchDir dir;
    EXPECT_TRUE(oliview::render_pdf(d, dir.file("o.pdf"), "o"));
}

TEST(OliViewer, DamagedAndTruncatedListsRenderWhatTheyHave)
{
    const std::string broken = "#SHOWFOO\n#SHOWTABLE\nkaputt\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 99 1 2\n"
                               " 18 5 1 2\n 1  x\n -1\n#SHOWPARA\n0x3\n7\n-1\n";
    oliview::Document d = oliview::parse(broken.data(), broken.size());
    EXPECT_GE(d.skipped, 4);
    // a header that runs off the end of the list (found by the fuzzer)
    const std::string cut_header = "#SHOWTABLEO\n \xdc\xba\xb1)\xbd_OF_TEXT\n#SHOWGRAFIC\n 0 0 0\n 0 0 0EN\x98" "D_2 2\n 1  0 0 -1\n";
    oliview::Document c = oliview::parse(cut_header.data(), cut_header.size());
    testutil::ScratchDir scratch;
    EXPECT_TRUE(oliview::render_pdf(d, scratch.file("d.pdf"), "d"));
    EXPECT_TRUE(oliview::render_pdf(c, scratch.file("c.pdf"), "c"));
    for (size_t cut = 0; cut <= kSample.size(); cut += 7) {
        oliview::Document t = oliview::parse(kSample.data(), cut);
        (void)t;
    }
    size_t cut = kSample.find(" 20  43");
    oliview::Document t = oliview::parse(kSample.data(), cut);
    ASSERT_FALSE(t.blocks.empty());
    EXPECT_FALSE(t.blocks.back().complete);
    testutil::ScratchDir dir;
    std::string pdf = dir.file("t.pdf");
    ASSERT_TRUE(oliview::render_pdf(t, pdf, "t"));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        EXPECT_NE(pdf_text(pdf).find("Eingabedaten"), std::string::npos);
    }
}

TEST(OliViewer, ViewWritesPdfWithHeadingsAndCells)
{
    testutil::ScratchDir dir;
    std::string list = dir.file("K7-TEST_01.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    calllog::clear();
    Quick_OLI_View("K7-TEST", list.c_str());
    std::string pdf = list + ".pdf";
    EXPECT_TRUE(calllog::contains("Quick_OLI_View: K7-TEST " + list + " -> " + pdf));
    ASSERT_FALSE(testutil::read_file(pdf).empty());
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    std::string text = pdf_text(pdf);
    for (const char* want : {"1. Eingabedaten", "Schnittgr\xC3\xB6\xC3\x9F" "en", "Last A", "12.50", "n.e.", "L = 4000 mm",
                             "Position 1", "ok."})
        EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
}

TEST(OliViewer, PrintWithoutQueueSaysSo)
{
    testutil::ScratchDir dir;
    std::string list = dir.file("p.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    calllog::clear();
    Quick_OLI_Print("K7-TEST", list.c_str());
    EXPECT_TRUE(calllog::contains("Quick_OLI_Print: K7-TEST"));
    EXPECT_FALSE(testutil::read_file(list + ".pdf").empty());
    calllog::clear();
    Quick_OLI_View("K7-TEST", dir.file("fehlt.oli").c_str());
    EXPECT_TRUE(calllog::contains("(no PDF)"));
}

TEST(OliViewer, CrLfListsAndPageBreaks)
{
    std::string crlf;
    for (char c : kSample) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    oliview::Document a = oliview::parse(kSample.data(), kSample.size());
    oliview::Document b = oliview::parse(crlf.data(), crlf.size());
    EXPECT_EQ(a.blocks.size(), b.blocks.size());
    EXPECT_EQ(b.skipped, 0);

    // a long table runs over the page; reserved space that does not fit starts a new page
    std::string list = "#OLI flags 640\n#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.000000\n \xCEr Nr \xCEr Wert\n \xCEr    \xCEr   kN\n";
    for (int i = 1; i <= 150; ++i) list += "   " + std::to_string(i) + "   Zeile" + std::to_string(i) + "\n";
    list += "#END_OF_TEXT\n#OLI reserve 25.000\n\n#SHOWPARA\n0x0\n7\n-1\n Nach der Tabelle\n#END_OF_TEXT\n0x0\n-1\n";
    testutil::ScratchDir dir;
    std::string pdf = dir.file("long.pdf");
    ASSERT_TRUE(oliview::render_pdf(oliview::parse(list.data(), list.size()), pdf, "long"));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    std::string text = pdf_text(pdf);
    EXPECT_NE(text.find("Seite 2"), std::string::npos);
    EXPECT_NE(text.find("Zeile150"), std::string::npos);
    EXPECT_NE(text.find("Seite 4"), std::string::npos);   // 150 rows fill three pages; the reserve opens the fourth
    size_t last = text.find("Nach der Tabelle");
    ASSERT_NE(last, std::string::npos);
    EXPECT_GT(last, text.find("Seite 3"));
}
