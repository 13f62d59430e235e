// Viewer stand-in: every writer's output and the forms of the other modules parse and render;
// broken lists render what they hold; the PDF's text carries headings and table cells.
#include "platform/viewer/oli_viewer.h"
#include "platform/os/calllog.h"
#include "common/test_util.h"
#include "platform/os/c_numeric.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QDialog>
#include <QLabel>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QPrinter>
#include <QTest>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

bool have_poppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// The words of a page (the first unless told) with their boxes in points, as pdftotext finds them.
struct Word {
    std::string text;
    double x0, y0, x1, y1;
};

std::vector<Word> pdf_words(const std::string& pdf, int page = 1)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(20000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>");
    std::vector<Word> out;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        out.push_back({m.captured(5).replace("&amp;", "&").toStdString(), m.captured(1).toDouble(),
                       m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return out;
}

// Page 1 rasterised at the given resolution; hairlines come out one pixel wide.
QImage pdf_page(const std::string& pdf, int dpi)
{
    QString png = QString::fromStdString(pdf) + ".page";
    QProcess::execute("pdftoppm", {"-png", "-singlefile", "-thinlinemode", "solid", "-r", QString::number(dpi), "-f", "1", "-l", "1",
                                   QString::fromStdString(pdf), png});
    return QImage(png + ".png");
}

std::string render(const std::string& list, const testutil::ScratchDir& dir, const char* name)
{
    std::string pdf = dir.file(name);
    oliview::Document d = oliview::parse(list.data(), list.size());
    EXPECT_EQ(d.skipped, 0);
    EXPECT_TRUE(oliview::render_pdf(d, pdf, name));
    return pdf;
}

std::string log_text()
{
    std::string all;
    for (const std::string& e : calllog::entries()) all += e + "\n";
    return all;
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

// The list's numbers (column boundaries, tab stops, picture extents) are read with their
// decimal point when Qt set a German numeric locale.
TEST(OliViewer, NumbersAreReadWithTheirPointUnderAGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    oliview::Document d = oliview::parse(kSample.data(), kSample.size());
    EXPECT_EQ(d.skipped, 0);
    int checked = 0;
    for (const auto& b : d.blocks) {
        if (b.kind == oliview::Block::Para && b.mode == 4) {
            EXPECT_EQ(b.tabs, std::vector<double>{1.14});
            ++checked;
        }
        if (b.kind == oliview::Block::Graphic) {
            EXPECT_EQ(b.extents[1], 10.0);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
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
    // out-of-range numbers and one enormous line: rendered, in reasonable time
    const std::string hostile =
        "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 3\n 99999999 -5 12\n a\n b\n 1 2 3\n#END_OF_TEXT\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 4\n 20  -2147483648\n 24  1 3 2 1\n 20  1e300\n 24  1 3 2 1\n"
        " 38 1e300 0\n 1  0 0 1 1\n -1\n"
        "\n#SHOWPARA\n0x0\n4\n-1\n 1." + std::string(3000, '1') + ". " + std::string(200000, 'w') +
        "\n#END_OF_TEXT\n0x0\n-1\n";
    oliview::Document h = oliview::parse(hostile.data(), hostile.size());
    EXPECT_TRUE(oliview::render_pdf(h, scratch.file("h.pdf"), "h"));
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

// "%FONT%" at the very end of a picture record once threw out of the parser and ended the
// program; numbers beyond int (codes, colours, counts, command arguments) are limited where read.
TEST(OliViewer, HostileRecordsAreReadWithinRange)
{
    const std::string font_at_end = testutil::read_file(TAVO_TEST_DATA_DIR "/picture_font_at_line_end.oli");
    ASSERT_FALSE(font_at_end.empty());
    oliview::Document f = oliview::parse(font_at_end.data(), font_at_end.size());
    ASSERT_EQ(f.blocks.size(), 1u);
    ASSERT_EQ(f.blocks[0].items.size(), 1u);
    EXPECT_EQ(f.blocks[0].items[0].kind, oliview::GraphicItem::Picture);
    EXPECT_EQ(f.blocks[0].items[0].text, "");

    const std::string huge =
        "#OLI store 1e300\n#OLI ypos -1e300 5e299\n"
        "#SHOWTABLE\n -1e300 2 0\n a\n b\n 1e300 0 -1 -1 1e300\n 1e300\n x\n#END_OF_TEXT\n"
        "#SHOWPARA\n0x40\n1e300\n0 1\n0 1e300\n-1\n x\n#END_OF_TEXT\n0x0\n-1\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-999 1e300 -1e300\n-1e300 1e300 0 4\n"
        " 1e300 1 2\n 50 1e300 -1e300 7\n 18 1e300 1 2\n 9 1 1 1 1 -1e300 \xAEx\xAF\n 0\n";
    oliview::Document h = oliview::parse(huge.data(), huge.size());
    ASSERT_EQ(h.blocks.size(), 5u);
    EXPECT_EQ(h.blocks[0].args[0], 1e6);
    EXPECT_EQ(h.blocks[2].counts[0], 0);
    EXPECT_EQ(h.blocks[2].header_lines, 5);
    ASSERT_EQ(h.blocks[2].boundaries.size(), 1u);
    EXPECT_EQ(h.blocks[2].boundaries[0], 1e6);
    ASSERT_EQ(h.blocks[3].tabs.size(), 1u);
    EXPECT_EQ(h.blocks[3].tabs[0], 1e6);
    const oliview::Block& g = h.blocks[4];
    EXPECT_EQ(g.extents[0], -1e6);
    ASSERT_EQ(g.items.size(), 2u);
    EXPECT_EQ(g.items[0].line_rgb[0], 255);
    EXPECT_EQ(g.items[0].line_rgb[1], 0);
    EXPECT_EQ(g.items[0].line_rgb[2], 7);
    testutil::ScratchDir scratch;
    EXPECT_TRUE(oliview::render_pdf(h, scratch.file("h.pdf"), "h"));
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
    // the tab after the heading number leaves its gap
    EXPECT_TRUE(QString::fromStdString(text).contains(QRegularExpression("1\\.1\\. +Schnittgr"))) << text;
}

TEST(OliViewer, PrintWithoutQueueSaysSo)
{
    testutil::ScratchDir dir;
    std::string list = dir.file("p.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    calllog::clear();
    // A list named relative to the working folder: the message names the PDF by its full path.
    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Quick_OLI_Print("K7-TEST", "p.oli");
    std::filesystem::current_path(was);
    EXPECT_TRUE(calllog::contains("Quick_OLI_Print: K7-TEST"));
    EXPECT_TRUE(calllog::contains("Die Druckliste liegt als PDF unter " + list + ".pdf"));
    EXPECT_FALSE(testutil::read_file(list + ".pdf").empty());
    calllog::clear();
    Quick_OLI_View("K7-TEST", dir.file("fehlt.oli").c_str());
    EXPECT_TRUE(calllog::contains("(no PDF)"));
}

// With a print queue the PDF goes to "lp" as an absolute path after "--", so that a list named
// like an option ("-dfoo.oli" in the working folder) is printed, never taken for a queue's name.
TEST(OliViewer, PrintHandsThePdfToTheQueueAfterTheEndOfOptions)
{
    testutil::ScratchDir dir;
    const std::string bin = dir.file("bin");
    ASSERT_EQ(::mkdir(bin.c_str(), 0777), 0);
    ASSERT_TRUE(testutil::write_file(bin + "/lpstat", "#!/bin/sh\necho 'queue accepting requests'\n"));
    ASSERT_TRUE(testutil::write_file(bin + "/lp", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" +
                                                      dir.file("lp.args") + "\"\n"));
    ::chmod((bin + "/lpstat").c_str(), 0755);
    ::chmod((bin + "/lp").c_str(), 0755);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (bin + ":" + path).c_str(), 1);
    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ASSERT_TRUE(testutil::write_file("-dfoo.oli", kSample));
    Quick_OLI_Print("K7-TEST", "-dfoo.oli");
    std::filesystem::current_path(was);
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(testutil::read_file(dir.file("lp.args")), "--\n" + dir.file("-dfoo.oli.pdf") + "\n");
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

// A heading longer than the line goes on below, indented under its text, and nothing of it is
// lost; a word longer than a whole line is broken; a note set in a narrow column at the right
// margin stays on one line.
TEST(OliViewer, LongLinesWrapInsteadOfBeingCut)
{
    const std::string heading =
        "1.1. Tr\x84gerdurchbruch rechteckig mit eingeklebten Stahlst\x84" "ben gem\x84\xE1 DIN EN 1995-1-1/NA:2013-08, "
        "NCI NA.6.8.4";
    const std::string longword(150, 'x');
    const std::string list = "#OLI margins 1 15.200 0.000\n\n#SHOWPARA\n0x0\n3\n-1\n K7-TVO52 Version: ???\n#END_OF_TEXT\n0x0\n-1\n"
                             "#OLI margins 1 0.000 0.000\n"
                             "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@" + heading + "\xCEr\n#END_OF_TEXT\n0x0\n-1\n"
                             "\n#SHOWPARA\n0x0\n7\n-1\n " + longword + "\n#END_OF_TEXT\n0x0\n-1\n";
    testutil::ScratchDir dir;
    std::string pdf = render(list, dir, "wrap.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    std::vector<Word> words = pdf_words(pdf);
    std::string joined, xs;
    for (const Word& w : words) {
        if (w.text.find_first_not_of('x') == std::string::npos) xs += w.text;
        else joined += (joined.empty() ? "" : " ") + w.text;
    }
    EXPECT_NE(joined.find("K7-TVO52 Version: ??? 1.1. Tr\xC3\xA4gerdurchbruch rechteckig mit eingeklebten Stahlst\xC3\xA4" "ben "
                          "gem\xC3\xA4\xC3\x9F DIN EN 1995-1-1/NA:2013-08, NCI NA.6.8.4"),
              std::string::npos)
        << joined;
    EXPECT_EQ(xs, longword);
    const double right = (2.0 + 17.0) / 2.54 * 72 + 0.5, page = 21.0 / 2.54 * 72;
    const Word* number = nullptr;
    const Word* first = nullptr;
    const Word* last = nullptr;
    for (const Word& w : words) {
        if (w.text == "1.1.") number = &w;
        if (w.text == "Tr\xC3\xA4gerdurchbruch") first = &w;
        if (w.text == "NA.6.8.4") last = &w;
        if (w.text != "???" && w.text.find("Version") == std::string::npos && w.text != "K7-TVO52") {
            EXPECT_LE(w.x1, right) << w.text;
        }
        EXPECT_LE(w.x1, page) << w.text;
    }
    ASSERT_TRUE(number && first && last);
    EXPECT_GT(last->y0, first->y0 + 5);                 // on a line of its own below
    double start = last->x0;
    for (const Word& w : words)
        if (std::fabs(w.y0 - last->y0) < 1) start = std::min(start, w.x0);
    EXPECT_NEAR(start, first->x0, 2.0) << "hanging indent under the heading's text";
    // the version note: one line
    const Word* version = nullptr;
    for (const Word& w : words)
        if (w.text == "???") version = &w;
    ASSERT_TRUE(version);
    EXPECT_LT(version->y1, number->y0);
}

// A formula line breaks between its parts (after ", " or before "→"), and where a part is longer
// than the line, never beside a relation sign: no symbol stands at a line's end without its value.
TEST(OliViewer, FormulaLinesBreakBetweenTheirParts)
{
    std::string parts = " Balkenbreite = 140 mm, H\x94he des reduzierten Querschnitts h\xCE\\ef\xCEr = 280 mm, "
                        "k\xCE\\cr\xCEr = 0.714 \x88 A\xCE\\ef\xCEr = 28000 mm\xCE/2\xCEr, \xD5\xCE\\max\xCEr = 2.169";
    for (int i = 0; i < 3; ++i) parts += ", Wert" + std::to_string(i) + " = " + std::to_string(100 + i) + " kN";
    parts += " \x88 ok.";
    std::string blanks = " ";
    for (int i = 0; i < 30; ++i) blanks += "sym" + std::to_string(i) + " = " + std::to_string(i) + ".50 ";
    const std::string list = "\n#SHOWPARA\n0x0\n7\n-1\n" + parts + "\n#END_OF_TEXT\n0x0\n-1\n"
                             "\n#SHOWPARA\n0x0\n7\n-1\n" + blanks + "\n#END_OF_TEXT\n0x0\n-1\n";
    testutil::ScratchDir dir;
    const std::string pdf = render(list, dir, "formula.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    // the printed lines, word by word
    std::vector<std::vector<std::string>> lines;
    double at = -1;
    for (const Word& w : pdf_words(pdf)) {
        if (lines.empty() || std::fabs(w.y0 - at) > 5) lines.emplace_back();   // subscripts sit lower
        if (lines.back().empty()) at = w.y0;
        lines.back().push_back(w.text);
    }
    ASSERT_GE(lines.size(), 4u);
    auto relation = [](const std::string& w) {
        return w == "=" || w == "<" || w == ">" || w == "\xE2\x89\xA4" || w == "\xE2\x89\xA5";
    };
    bool kappa = false;
    for (size_t k = 1; k < lines.size(); ++k) {   // after the page's head line
        std::string all;
        for (const std::string& w : lines[k]) all += w + " ";
        EXPECT_FALSE(relation(lines[k].front())) << k << ": " << all;
        EXPECT_FALSE(relation(lines[k].back())) << all;
        if (all.find("\xCE\xBA") != std::string::npos) {
            kappa = true;
            EXPECT_NE(all.find("= 2.169"), std::string::npos) << "the symbol with its value: " << all;
        }
        // the line of parts: each printed line but its last ends after a comma or before the arrow
        const bool of_parts = all.find("sym") == std::string::npos;
        const bool next_of_parts = k + 1 < lines.size() && lines[k + 1][0].find("sym") == std::string::npos;
        if (of_parts && next_of_parts)
            EXPECT_TRUE(lines[k].back().back() == ',' || lines[k + 1].front() == "\xE2\x86\x92") << all;
    }
    EXPECT_TRUE(kappa);
}

// Table cells wider than the widths the list gives (a value with more digits, headers with
// subscripts) and a table wider than the page: no text runs into its neighbour or across a
// column line, and every column stays on the page. Texts filling their cells (a load name cut to
// its 15 characters, the longest load-duration class) keep their room at both rules and stay
// left-aligned with the shorter texts of their column.
TEST(OliViewer, TableCellsKeepToTheirColumns)
{
    // Nr (3), f_t90,d (7), F_t90R,d (5: its values need 6), N_R,d (7), u
    std::string list =
        "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 4\n 4.000000 12.000000 18.000000 26.000000\n"
        " \xCEr Nr \xCEr f\xCE\\t90,d\xCEr \xCEr F\xCE\\t90R,d\xCEr \xCEr N\xCE\\R,d\xCEr  \xCEr  u  \n"
        " \xCEr    \xCEr N/mm\xCE/2\xCEr \xCEr  kN  \xCEr   kN   \xCEr  -  \n"
        "   1   0.231 12.528  26.976 0.185\n"
        "   2   0.346 112.528 126.976 0.243\n"
        "   3 -13.117 -3.345  -5.707 0.185\n#END_OF_TEXT\n#OLI ypos 1 -0.400\n";
    // thirty columns of ten characters: 300 characters to a row
    list += "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 29\n";
    for (int c = 1; c < 30; ++c) list += " " + std::to_string(c * 10) + ".000000";
    list += "\n";
    std::string head = " ", row = " ";
    for (int c = 0; c < 30; ++c) {
        char cell[32];
        std::snprintf(cell, sizeof cell, "\xCEr   S%02d    ", c);
        head += cell;
        c_snprintf(cell, sizeof cell, " %9.3f", 1000.0 + c + 0.125);
        row += cell;
    }
    list += head + "\n" + row + "\n#END_OF_TEXT\n#OLI ypos 1 -0.400\n";
    // the forces table's text columns as the table writer writes them (code page 437): Nr (4),
    // Name (17), V (8), KLED (17), kmod
    list += "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 4\n 4.000000 21.000000 29.000000 46.000000\n"
            " \xCEr Nr.\xCEr      Name       \xCEr   V    \xCEr      KLED       \xCEr kmod  \n"
            " \xCEr    \xCEr                 \xCEr   kN   \xCEr                 \xCEr   -   \n";
    const char* const classes[] = {"st\x84ndig", "lang",     "mittel",   "kurz", "sehr kurz",
                                   "kurz/sehr kurz", "au\xE1\x65rgew\x94hnlich", "Erdbeben", "frei"};
    for (int i = 0; i < 9; ++i) {
        char line[96];
        const std::string name = i == 8 ? "\x9A\x62\x65rlagerung N~" : std::string("Last ") + char('A' + i);
        c_snprintf(line, sizeof line, "%4d  %-15s%8.2f  %-15s%7.3f\n", i + 1, name.c_str(), 10.0 * (i + 1), classes[i], 0.9);
        list += line;
    }
    list += "#END_OF_TEXT\n";
    testutil::ScratchDir dir;
    std::string pdf = render(list, dir, "table.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    std::vector<Word> words = pdf_words(pdf);
    std::string all;
    for (const Word& w : words) all += w.text + " ";
    for (const char* want : {"12.528", "112.528", "126.976", "0.243", "S00", "S29", "1000.125", "1029.125"})
        EXPECT_NE(all.find(want), std::string::npos) << want << "\n" << all;
    const double right = (2.0 + 17.0) / 2.54 * 72 + 0.5;
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_LE(words[i].x1, right) << words[i].text;
        for (size_t j = i + 1; j < words.size(); ++j) {
            const Word &a = words[i], &b = words[j];
            bool same_row = std::min(a.y1, b.y1) - std::max(a.y0, b.y0) > 0.5 * std::min(a.y1 - a.y0, b.y1 - b.y0);
            EXPECT_FALSE(same_row && a.x0 < b.x1 - 0.3 && b.x0 < a.x1 - 0.3) << a.text << " overlaps " << b.text;
        }
    }
    // the column lines: pixel columns that are drawn through the whole of the first table
    const int dpi = 200;
    QImage page = pdf_page(pdf, dpi);
    ASSERT_FALSE(page.isNull());
    double top = 1e9, bottom = 0;
    for (const Word& w : words)
        if (w.text == "Nr" || w.text == "126.976") {
            top = std::min(top, w.y0);
            bottom = std::max(bottom, w.y1);
        }
    // pixel columns dark from top to bottom (points)
    auto rules_between = [&](double from, double to) {
        const int ya = int(from * dpi / 72), yb = int(to * dpi / 72);
        EXPECT_LT(ya, yb);
        std::vector<int> lines;
        for (int x = 0; x < page.width(); ++x) {
            int dark = 0;
            for (int yy = ya; yy <= yb; ++yy) dark += qGray(page.pixel(x, yy)) < 235;
            if (dark == yb - ya + 1) lines.push_back(x);
        }
        return lines;
    };
    // a word keeps most of a character's room from either rule: it never touches one
    const double char_w = [&] {
        for (const Word& w : words)
            if (w.text == "126.976") return (w.x1 - w.x0) / 7.0;
        return 0.0;
    }();
    ASSERT_GT(char_w, 0);
    auto keeps_room = [&](const Word& w, const std::vector<int>& lines) {
        const double room = 0.75 * char_w * dpi / 72;
        for (int x : lines)
            EXPECT_FALSE(x > w.x0 * dpi / 72 - room && x < w.x1 * dpi / 72 + room) << w.text << " touches a column line";
    };
    std::vector<int> lines = rules_between(top, bottom);
    EXPECT_GE(lines.size(), 6u);   // both edges and four column lines
    for (const Word& w : words) {
        if (w.y1 < top || w.y0 > bottom) continue;
        for (int x : lines) EXPECT_FALSE(x > w.x0 * dpi / 72 + 1 && x < w.x1 * dpi / 72 - 1) << w.text << " crosses a column line";
        if (w.text.find_first_of("0123456789") == 0 || w.text[0] == '-') keeps_room(w, lines);
    }
    for (const char* want : {"-13.117", "-3.345", "-5.707"}) EXPECT_NE(all.find(want), std::string::npos) << want;

    // the forces table's rows: from its heading to the row of the cut name
    double ftop = -1, fbottom = -1, first_row = -1;
    for (const Word& w : words) {
        if (w.text == "Nr.") ftop = w.y0;
        if (w.text == "Last" && first_row < 0) first_row = w.y0;
        if (w.text == "\xC3\x9C" "berlagerung") fbottom = w.y1;
    }
    ASSERT_GT(ftop, 0);
    ASSERT_GT(fbottom, ftop);
    lines = rules_between(ftop, fbottom);
    EXPECT_GE(lines.size(), 6u);
    std::vector<Word> cells;   // the data rows' words
    for (const Word& w : words)
        if (w.y0 >= first_row - 1 && w.y1 <= fbottom + 0.5) cells.push_back(w);
    std::sort(cells.begin(), cells.end(), [](const Word& a, const Word& b) { return a.y0 < b.y0 - 2 || (a.y0 < b.y0 + 2 && a.x0 < b.x0); });
    std::vector<std::vector<Word>> rows;   // word by word from the left
    for (const Word& w : cells) {
        keeps_room(w, lines);
        if (rows.empty() || std::fabs(rows.back()[0].y0 - w.y0) > 2) rows.emplace_back();
        rows.back().push_back(w);
    }
    ASSERT_EQ(rows.size(), 9u);
    std::string texts;
    double class_x = -1;
    for (const auto& r : rows) {
        for (const Word& w : r) texts += w.text + " ";
        // Nr, the name's first word, V, the class's first word: names and classes start alike
        ASSERT_GE(r.size(), 5u);
        size_t v = 2;
        while (v < r.size() && r[v].text.find('.') == std::string::npos) ++v;
        ASSERT_LT(v + 1, r.size());
        EXPECT_NEAR(r[1].x0, rows[0][1].x0, 0.5) << r[1].text << " is not left-aligned";
        if (class_x < 0) class_x = r[v + 1].x0;
        EXPECT_NEAR(r[v + 1].x0, class_x, 0.5) << r[v + 1].text << " is not left-aligned";
    }
    for (const char* want : {"au\xC3\x9F" "ergew\xC3\xB6hnlich", "N~", "kurz/sehr", "Erdbeben"})
        EXPECT_NE(texts.find(want), std::string::npos) << want << "\n" << texts;
}

// The reports' title is a table of captions only; they move up half a centimetre after it, as after
// every table, and the next table must still begin below the title's last line.
TEST(OliViewer, ATableAfterACaptionOnlyTitleStaysBelowIt)
{
    const std::string list =
        "#SHOWTABLE\n1 3 0\n Ausgew\204hlte Nachweisparameter\n Deutschland\n \n Titelzeile (EC5)\n0 0 0 0 0\n"
        "#OLI ypos 1 -0.500\n"
        "#SHOWTABLE\n0 1 0\n Materialsicherheitsbeiwerte\n1 0 -1 -1 2\n 27 45\n"
        " Bemessungssituation         Holzart            Wert\n"
        " Brandschutz                 alle Arten         1.00\n#END_OF_TEXT\n";
    testutil::ScratchDir dir;
    const std::string pdf = render(list, dir, "title.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    double title_bottom = -1, caption_top = -1;
    for (const Word& w : pdf_words(pdf)) {
        if (w.text == "(EC5)") title_bottom = w.y1;
        if (w.text == "Materialsicherheitsbeiwerte") caption_top = w.y0;
    }
    ASSERT_GT(title_bottom, 0);
    ASSERT_GT(caption_top, 0);
    EXPECT_GE(caption_top, title_bottom);
}

// Areas of the extended colour records: the blank fill pattern is painted in the fill colour set
// before it (rods in the view drawing), a white area clears a hatch below it (the opening), and
// without a fill colour the blank fill is the paper's white.
TEST(OliViewer, AreasTakeTheirFillColour)
{
    // extents 10 x 4 cm at scale 1: user point (x, y) lies at (2 + x, 1.5 + 4 - y) cm on the page
    const std::string list =
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 10.000000 0.000000 4.000000\n"
        "51 248 195 62\n 20  43\n 18 4 0.000000 0.000000 0.000000 4.000000 10.000000 4.000000 10.000000 0.000000 \n"
        "51 20 180 240\n 20  0\n 24  1.000000 3.000000 2.000000 1.000000\n"
        "51 255 255 255\n 20  43\n 24  4.000000 3.000000 6.000000 1.000000\n"
        " -1\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 10.000000 0.000000 4.000000\n"
        " 20  55\n 24  0.000000 4.000000 10.000000 0.000000\n 20  0\n 24  1.000000 3.000000 2.000000 1.000000\n -1\n";
    testutil::ScratchDir dir;
    std::string pdf = render(list, dir, "fill.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    const int dpi = 50;
    QImage page = pdf_page(pdf, dpi);
    ASSERT_FALSE(page.isNull());
    auto at = [&](double x, double y, double block_top) {
        return page.pixelColor(int((2.0 + x) / 2.54 * dpi), int((1.5 + block_top + 4.0 - y) / 2.54 * dpi));
    };
    auto near = [](QColor c, int r, int g, int b) {
        return std::abs(c.red() - r) <= 3 && std::abs(c.green() - g) <= 3 && std::abs(c.blue() - b) <= 3;
    };
    QColor rod = at(1.5, 2.0, 0), opening = at(5.0, 2.0, 0);
    EXPECT_TRUE(near(rod, 20, 180, 240)) << rod.name().toStdString();
    EXPECT_TRUE(near(opening, 255, 255, 255)) << opening.name().toStdString();
    // the second block starts below the first (4 cm and 0.2 cm of air)
    QColor blank = at(1.5, 2.0, 4.2), solid = at(5.0, 2.0, 4.2);
    EXPECT_TRUE(near(blank, 255, 255, 255)) << blank.name().toStdString();
    EXPECT_LT(solid.lightness(), 200) << solid.name().toStdString();
}

// Tables from one to ninety columns of ten characters take every font size from the text size down
// to the smallest; at each size a cell of one style is one piece of text, never one per character.
TEST(OliViewer, TableCellsAreDrawnWholeAtEveryFontSize)
{
    std::string list;
    int cells = 0;
    for (int cols = 1; cols <= 90; ++cols) {
        list += "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 " + std::to_string(cols - 1) + "\n";
        for (int c = 1; c < cols; ++c) list += " " + std::to_string(c * 10) + ".000000";
        list += "\n ";
        for (int c = 0; c < cols; ++c) {
            char cell[16];
            c_snprintf(cell, sizeof cell, " %9.3f", 100.0 + c + 0.125);
            list += cell;
        }
        list += "\n#END_OF_TEXT\n#OLI ypos 1 -0.400\n";
        cells += cols;
    }
    testutil::ScratchDir dir;
    render(list, dir, "sizes.pdf");
    const oliview::RenderStats& stats = oliview::last_render_stats();
    ASSERT_EQ(stats.table_px.size(), 90u);
    // 0.3 cm at 300 dpi is 35 px; the sizes whose round trip through centimetres fell short are among them.
    EXPECT_EQ(stats.table_px.front(), 35);
    for (int px : {32, 16, 8, 4})
        EXPECT_NE(std::find(stats.table_px.begin(), stats.table_px.end(), px), stats.table_px.end()) << px;
    // One draw per cell, and on every page its number and its head line.
    EXPECT_EQ(stats.text_draws, cells + 2 * stats.pages);
}

// The preview shows the pages of the PDF: a table of 150 rows runs over three pages and a reserve
// opens the fourth, in the PDF, in the preview's pages and in the pictures of the sheets.
TEST(OliViewer, PreviewShowsThePagesOfThePdf)
{
    std::string list = "#OLI flags 640\n#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.000000\n \xCEr Nr \xCEr Wert\n \xCEr    \xCEr   kN\n";
    for (int i = 1; i <= 150; ++i) list += "   " + std::to_string(i) + "   Zeile" + std::to_string(i) + "\n";
    list += "#END_OF_TEXT\n#OLI reserve 25.000\n\n#SHOWPARA\n0x0\n7\n-1\n Nach der Tabelle\n#END_OF_TEXT\n0x0\n-1\n";
    const oliview::Document doc = oliview::parse(list.data(), list.size());
    testutil::ScratchDir dir;
    ASSERT_TRUE(oliview::render_pdf(doc, dir.file("long.pdf"), "long"));
    ASSERT_EQ(oliview::last_render_stats().pages, 4);

    const std::string path = dir.file("long.oli");
    ASSERT_TRUE(testutil::write_file(path, list));
    QDialog* dialog = oliview::make_preview_dialog(path, "K7-TEST");
    ASSERT_NE(dialog, nullptr);
    // The list may be written anew while the preview is open: the preview keeps its own copy.
    ASSERT_TRUE(testutil::write_file(path, "damaged"));
    dialog->show();
    QCoreApplication::processEvents();
    auto has_label = [dialog](const QString& text) {
        for (const QLabel* l : dialog->findChildren<QLabel*>())
            if (l->text() == text) return true;
        return false;
    };
    EXPECT_TRUE(has_label("Seite 1 von 4"));
    QTest::keyClick(dialog, Qt::Key_PageDown);
    QTest::keyClick(dialog, Qt::Key_PageDown);
    EXPECT_TRUE(has_label("Seite 3 von 4"));
    dialog->close();   // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const std::vector<QImage> sheets = oliview::render_images(doc, 150);
    ASSERT_EQ(sheets.size(), 4u);
    EXPECT_EQ(sheets[0].width(), std::lround(21.0 / 2.54 * 150));
    // A page drawn on its own is the page drawn in sequence (at the PDF's resolution, where the
    // preview takes its page breaks from).
    ASSERT_TRUE(testutil::write_file(path, list));
    oliview::PagedList pages;
    ASSERT_TRUE(pages.open(path, ""));
    ASSERT_EQ(pages.pages(), 4);
    const std::vector<QImage> fine = oliview::render_images(doc, 300);
    ASSERT_EQ(fine.size(), 4u);
    for (int n : {1, 2, 3, 4}) EXPECT_TRUE(pages.page(n, 300) == fine[size_t(n - 1)]) << "page " << n;
}

// The pages of a PDF as pdftotext lays them out, each as its lines that hold text.
std::vector<std::vector<std::string>> pdf_pages(const std::string& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(20000)) return {};
    std::vector<std::vector<std::string>> pages(1);
    std::istringstream in(p.readAllStandardOutput().toStdString());
    for (std::string l; std::getline(in, l);) {
        size_t ff;
        while ((ff = l.find('\f')) != std::string::npos) {
            l.erase(ff, 1);
            pages.emplace_back();
        }
        if (l.find_first_not_of(' ') != std::string::npos) pages.back().push_back(l);
    }
    while (!pages.empty() && pages.back().empty()) pages.pop_back();
    return pages;
}

// What a table's writer puts after a table: a move up, a rule not met and the closing line.
std::string closing_lines(int n)
{
    return "#OLI ypos 1 -0.400\n"
           "\n#SHOWPARA\n0x0\n7\n-1\n Regel" + std::to_string(n) + " nicht eingehalten\n#END_OF_TEXT\n0x0\n-1\n"
           "\n#SHOWPARA\n0x0\n7\n-1\n Schluss" + std::to_string(n) + " = 0.500 \x88 ok.\n#END_OF_TEXT\n0x0\n-1\n";
}

// The pages of the list rendered as "<prefix>_01.oli".
std::vector<std::vector<std::string>> list_pages(const std::string& list, const std::string& prefix)
{
    testutil::ScratchDir dir;
    const std::string path = dir.file(prefix + "_01.oli"), pdf = path + ".pdf";
    EXPECT_TRUE(testutil::write_file(path, list));
    EXPECT_TRUE(oliview::render_list_pdf(path, pdf, prefix).ok);
    return pdf_pages(pdf);
}

// The page (from 0) whose text holds the word standing alone; -1 when none does.
int page_of(const std::vector<std::vector<std::string>>& pages, const std::string& word)
{
    for (size_t n = 0; n < pages.size(); ++n)
        for (const std::string& l : pages[n]) {
            const size_t at = l.find(word);
            if (at != std::string::npos && (at == 0 || l[at - 1] == ' ') &&
                (at + word.size() == l.size() || l[at + word.size()] == ' '))
                return int(n);
        }
    return -1;
}

// The text that follows a table (its closing line, a rule not met) stays on the page of the
// table's last row, wherever the page ends; a short table goes over whole with it and with the
// heading of its section. Each section
// begins a page and is one line longer than the one before, so that the table's end passes
// every place near the page's foot.
TEST(OliViewer, TheLinesAfterATableStayWithItsLastRow)
{
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils not installed";
    std::string list = "#CONTENTS\n Position 7: Keep \n";
    const int kSections = 16;
    for (int i = 1; i <= kSections; ++i) {
        if (i > 1) list += "#NEWPAGE\n";
        list += "\n#SHOWPARA\n0x0\n7\n-1\n";
        for (int k = 0; k < 50 + i; ++k) list += " Text " + std::to_string(i) + "." + std::to_string(k) + "\n";
        list += "#END_OF_TEXT\n0x0\n-1\n#OLI reserve 3.000\n"
                "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@2." + std::to_string(i) + ". Abschnitt" + std::to_string(i) +
                "\xCEr\n#END_OF_TEXT\n0x0\n-1\n#OLI ypos 1 0.100\n"
                "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 6.000000\n \xCEr Nr    \xCEr Wert\n \xCEr       \xCEr   kN\n";
        const int rows = 1 + i % 4;
        for (int r = 1; r <= rows; ++r)
            list += "   " + std::to_string(r) + "     " +
                    (r == rows ? "Ende" + std::to_string(i) : r == 1 ? "Anfang" + std::to_string(i) : "W") + "\n";
        list += "#END_OF_TEXT\n" + closing_lines(i);
    }
    const auto pages = list_pages(list, "K");
    ASSERT_GE(pages.size(), 3u);
    auto page_of = [&](const std::string& word) { return ::page_of(pages, word); };
    for (int i = 1; i <= kSections; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_GE(page_of("Ende" + n), 0) << i;
        EXPECT_EQ(page_of("Ende" + n), page_of("Regel" + n)) << "section " << i;
        EXPECT_EQ(page_of("Ende" + n), page_of("Schluss" + n)) << "section " << i;
        const std::string first = (i % 4 == 0 ? "Ende" : "Anfang") + n;   // the table's first row
        EXPECT_EQ(page_of(first), page_of("Abschnitt" + n)) << "section " << i << ": the heading with its table";
    }
    for (size_t n = 1; n < pages.size(); ++n) {
        ASSERT_GE(pages[n].size(), 2u);
        EXPECT_EQ(pages[n][1].find("Schluss"), std::string::npos) << "page " << n + 1 << " begins with a closing line";
        EXPECT_EQ(pages[n][1].find("Regel"), std::string::npos) << "page " << n + 1;
    }
}

// A table longer than half a page, without a heading before it, ends at every height of a page:
// a row never leaves its wrapped line (a line blank but for its last cell) behind, and the last
// row goes over with the closing lines when they do not fit below it.
TEST(OliViewer, ALongTableKeepsItsRowsWholeAndItsLastRowWithItsClosingLines)
{
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils not installed";
    std::string list = "#CONTENTS\n Position 3: Unterzug \n";
    // two lines a row, about 30 rows to a page: 22 to 37 rows end at every height around a page's end
    const int kFirst = 22, kTables = 16;
    auto id = [](int t, int r) { return std::to_string(t) + "x" + std::to_string(r); };
    for (int t = 0; t < kTables; ++t) {
        if (t > 0) list += "#NEWPAGE\n";
        list += "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 6.000000\n \xCEr Nr    \xCEr Kraft\n \xCEr       \xCEr    kN\n";
        for (int r = 1; r <= kFirst + t; ++r)
            list += "   " + std::to_string(r) + "     F" + id(t, r) + "\n          w" + id(t, r) + "\n";
        list += "#END_OF_TEXT\n" + closing_lines(t);
    }
    const auto pages = list_pages(list, "K3");
    auto page_of = [&](const std::string& word) { return ::page_of(pages, word); };
    int split = 0;   // tables that go over a page
    for (int t = 0; t < kTables; ++t) {
        const int last = kFirst + t;
        for (int r = 1; r <= last; ++r) {
            ASSERT_GE(page_of("F" + id(t, r)), 0) << id(t, r);
            EXPECT_EQ(page_of("F" + id(t, r)), page_of("w" + id(t, r))) << "row " << id(t, r) << " split";
        }
        EXPECT_EQ(page_of("F" + id(t, last)), page_of("Regel" + std::to_string(t))) << "table " << t;
        EXPECT_EQ(page_of("F" + id(t, last)), page_of("Schluss" + std::to_string(t))) << "table " << t;
        split += page_of("F" + id(t, 1)) != page_of("F" + id(t, last));
    }
    EXPECT_GE(split, 3) << "the fixture no longer reaches a page's end";
    EXPECT_LE(split, kTables - 3) << "the fixture no longer ends inside a page";
}

// A table of any length: each page starts with the table's heading rows, says "Seite n von m" and
// carries the component id and the position title in its head line; no row is split or lost, and
// every row ends within the page's text area (its foot 1.8 cm above the sheet's edge). The lengths:
// a one-page list, a page filled exactly, one row more, and a table over several pages.
TEST(OliViewer, ContinuationPagesRepeatTheHeadingsAndCountThePages)
{
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils not installed";
    const double area_bottom = (29.7 - 1.8) / 2.54 * 72;   // points from the sheet's top
    testutil::ScratchDir dir;
    // Renders a table of `count` rows and checks its pages; the rows on page 1.
    auto check = [&](int count, int want_pages) {
        SCOPED_TRACE(std::to_string(count) + " rows");
        std::string list = "#CONTENTS\n Position 3: Unterzug \n#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 6.000000\n"
                           " \xCEr Nr    \xCEr Kraft\n \xCEr       \xCEr    kN\n";
        for (int i = 1; i <= count; ++i)
            list += "   " + std::to_string(i) + (i < 10 ? "     " : i < 100 ? "    " : "   ") + "F" + std::to_string(i) + "\n";
        list += "#END_OF_TEXT\n";
        const std::string path = dir.file("K7_01.oli"), pdf = path + ".pdf";
        EXPECT_TRUE(testutil::write_file(path, list));
        const oliview::RenderResult res = oliview::render_list_pdf(path, pdf, "K7");
        EXPECT_TRUE(res.ok) << res.error;
        if (want_pages > 0) EXPECT_EQ(res.pages, want_pages);
        std::string rows;
        int first_page_rows = 0;
        for (int n = 1; n <= res.pages; ++n) {
            QProcess p;
            p.start("pdftotext", {"-layout", "-f", QString::number(n), "-l", QString::number(n), QString::fromStdString(pdf), "-"});
            EXPECT_TRUE(p.waitForFinished(20000));
            const std::string text = p.readAllStandardOutput().toStdString();
            std::istringstream in(text);
            std::vector<std::string> lines;
            for (std::string l; std::getline(in, l);)
                if (l.find_first_not_of(" \f") != std::string::npos) lines.push_back(l);
            if (lines.size() < 4u) {
                ADD_FAILURE() << text;
                return 0;
            }
            EXPECT_NE(lines[0].find("K7"), std::string::npos) << "page " << n << "\n" << text;
            EXPECT_NE(lines[0].find("Position 3: Unterzug"), std::string::npos) << "page " << n;
            // After the head line (and the title on page 1) the headings "Nr Kraft" and "kN".
            const size_t h = n == 1 ? 2 : 1;
            EXPECT_NE(lines[h].find("Nr"), std::string::npos) << "page " << n << "\n" << text;
            EXPECT_NE(lines[h].find("Kraft"), std::string::npos) << "page " << n;
            EXPECT_NE(lines[h + 1].find("kN"), std::string::npos) << "page " << n;
            const std::string number = "Seite " + std::to_string(n) + " von " + std::to_string(res.pages);
            EXPECT_NE(lines.back().find(number), std::string::npos) << text;
            for (size_t k = h + 2; k + 1 < lines.size(); ++k) rows += lines[k] + "\n";
            if (n == 1) first_page_rows = int(lines.size()) - int(h) - 3;
            // every row's words end within the text area
            for (const Word& w : pdf_words(pdf, n))
                if (w.text[0] == 'F') EXPECT_LE(w.y1, area_bottom) << w.text << " on page " << n;
        }
        // Every row once, whole, in order.
        std::istringstream in(rows);
        int expect = 1;
        for (std::string l; std::getline(in, l); ++expect) {
            std::istringstream cells(l);
            std::string nr, f;
            cells >> nr >> f;
            EXPECT_EQ(nr, std::to_string(expect));
            EXPECT_EQ(f, "F" + std::to_string(expect));
        }
        EXPECT_EQ(expect, count + 1);
        return first_page_rows;
    };
    const int full = check(200, 0);   // the rows that fill page 1
    ASSERT_GT(full, 10);
    check(5, 1);
    check(full, 1);
    check(full + 1, 2);
}

// The PDF is written beside its place and renamed there when whole: a folder in its place, a
// read-only folder, a file-size limit or a cancelled render leave the old PDF as it was, and
// the failure names the file and the reason in German.
TEST(OliViewer, AFailedOrCancelledRenderLeavesTheOldPdf)
{
    std::string list = "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.000000\n \xCEr Nr \xCEr Wert\n \xCEr    \xCEr   kN\n";
    for (int i = 1; i <= 400; ++i) list += "   " + std::to_string(i) + "   Zeile" + std::to_string(i) + "\n";
    list += "#END_OF_TEXT\n";
    testutil::ScratchDir dir;
    const std::string path = dir.file("L_01.oli"), pdf = path + ".pdf";
    ASSERT_TRUE(testutil::write_file(path, list));
    const std::string old = "%PDF-1.4 the old one\n";
    auto leftovers = [&dir]() {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            n += name != "L_01.oli" && name != "L_01.oli.pdf" && name != "ro";
        }
        return n;
    };

    // Cancelled on the third page of the drawing.
    ASSERT_TRUE(testutil::write_file(pdf, old));
    int calls = 0, total_seen = 0;
    oliview::RenderResult res = oliview::render_list_pdf(path, pdf, "L", [&](int page, int total) {
        ++calls;
        total_seen = std::max(total_seen, total);
        return !(total > 0 && page >= 3);
    });
    EXPECT_TRUE(res.cancelled);
    EXPECT_FALSE(res.ok);
    EXPECT_GE(total_seen, 5);   // the drawing was under way, with the count of pages known
    EXPECT_EQ(testutil::read_file(pdf), old);
    EXPECT_EQ(leftovers(), 0);

    // A folder where the PDF should go.
    const std::string in_place = dir.file("M_01.oli");
    ASSERT_TRUE(testutil::write_file(in_place, list));
    ASSERT_EQ(::mkdir((in_place + ".pdf").c_str(), 0777), 0);
    res = oliview::render_list_pdf(in_place, in_place + ".pdf", "M");
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.error, "Die Datei\n" + in_place + ".pdf\nkann nicht geschrieben werden: an ihrer Stelle steht ein Ordner.");
    std::filesystem::remove(in_place);
    std::filesystem::remove(in_place + ".pdf");

    // A read-only folder (root may write anyway: then there is nothing to see).
    const std::string ro = dir.file("ro");
    ASSERT_EQ(::mkdir(ro.c_str(), 0777), 0);
    ASSERT_TRUE(testutil::write_file(ro + "/R_01.oli", list));
    ASSERT_TRUE(testutil::write_file(ro + "/R_01.oli.pdf", old));
    ::chmod(ro.c_str(), 0555);
    if (::access(ro.c_str(), W_OK) != 0) {
        res = oliview::render_list_pdf(ro + "/R_01.oli", ro + "/R_01.oli.pdf", "R");
        EXPECT_FALSE(res.ok);
        EXPECT_EQ(res.error, "Die Datei\n" + ro + "/R_01.oli.pdf\nkann nicht geschrieben werden: keine Schreibberechtigung.");
        EXPECT_EQ(testutil::read_file(ro + "/R_01.oli.pdf"), old);
    }
    ::chmod(ro.c_str(), 0777);

    // A file-size limit below the PDF's size, in a child process that takes the signal as an error.
    ASSERT_TRUE(testutil::write_file(pdf, old));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        const oliview::RenderResult r = oliview::render_list_pdf(path, pdf, "L");
        const bool named = r.error == "Die Datei\n" + pdf + "\nkann nicht geschrieben werden: die Datei wäre größer als erlaubt.";
        ::_exit(!r.ok && named ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(testutil::read_file(pdf), old);
    EXPECT_EQ(leftovers(), 0);
}

// A print queue that refuses the job ("no default destination"): the user is told with the queue's words.
TEST(OliViewer, AFailingPrintQueueIsReported)
{
    testutil::ScratchDir dir;
    const std::string bin = dir.file("bin");
    ASSERT_EQ(::mkdir(bin.c_str(), 0777), 0);
    ASSERT_TRUE(testutil::write_file(bin + "/lpstat", "#!/bin/sh\necho 'queue accepting requests'\n"));
    ASSERT_TRUE(testutil::write_file(bin + "/lp", "#!/bin/sh\necho 'lp: Error - no default destination available.' >&2\nexit 1\n"));
    ::chmod((bin + "/lpstat").c_str(), 0755);
    ::chmod((bin + "/lp").c_str(), 0755);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (bin + ":" + path).c_str(), 1);
    const std::string list = dir.file("p.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    calllog::clear();
    Quick_OLI_Print("K7-TEST", list.c_str());
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(calllog::contains("(lp failed)"));
    EXPECT_TRUE(calllog::contains("Die Druckliste konnte nicht gedruckt werden!"));
    EXPECT_TRUE(calllog::contains("no default destination available")) << log_text();
}

// A folder in the PDF's place: nothing is shown or handed on, and the message names the file.
TEST(OliViewer, APdfThatCannotBeWrittenIsNeitherShownNorPrinted)
{
    testutil::ScratchDir dir;
    const std::string list = dir.file("p.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    ASSERT_EQ(::mkdir((list + ".pdf").c_str(), 0777), 0);
    for (bool print : {false, true}) {
        calllog::clear();
        if (print) Quick_OLI_Print("K7-TEST", list.c_str());
        else Quick_OLI_View("K7-TEST", list.c_str());
        EXPECT_TRUE(calllog::contains("(no PDF")) << log_text();
        EXPECT_TRUE(calllog::contains("Die PDF-Datei der Druckliste kann nicht geschrieben werden!"));
        EXPECT_TRUE(calllog::contains("Die Datei\n" + list + ".pdf\nkann nicht geschrieben werden: an ihrer Stelle steht ein Ordner."));
        EXPECT_FALSE(calllog::contains("-> lp"));
        EXPECT_FALSE(calllog::contains("liegt als PDF"));
    }
}

// The last column has no blank after its cells: a text there starts at the column's left edge
// whatever its length, while a number keeps to the right edge.
TEST(OliViewer, TextInTheLastColumnIsNotRightAligned)
{
    const std::string list =
        "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 6.000000\n"
        " \xCEr Nr  \xCEr Nachweis\n"
        " \xCEr     \xCEr -\n"
        "   1   ok\n"
        "   2   nicht ok\n"
        "   3   0.5\n"
        "   4   12.25\n#END_OF_TEXT\n";
    testutil::ScratchDir dir;
    const std::string pdf = render(list, dir, "last_column.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    double ok = -1, nicht = -1, half = -1, big = -1;
    for (const Word& w : pdf_words(pdf)) {
        if (w.text == "ok" && ok < 0) ok = w.x0;
        if (w.text == "nicht") nicht = w.x0;
        if (w.text == "0.5") half = w.x1;
        if (w.text == "12.25") big = w.x1;
    }
    ASSERT_GT(ok, 0);
    ASSERT_GT(nicht, 0);
    EXPECT_NEAR(ok, nicht, 0.5);
    ASSERT_GT(half, 0);
    ASSERT_GT(big, 0);
    EXPECT_NEAR(half, big, 0.5);
}

// A column of texts that all begin one blank after their rule stays left-aligned where one text
// fills the column to its rule and another ends one character before it: the column is widened
// for the longer one, and neither moves to the right edge.
TEST(OliViewer, TextsThatFillTheirColumnStayLeftAligned)
{
    // the text column runs from character 4 to 12: " Langtxt" fills it, " Kurztx " ends one short
    const std::string list =
        "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 2\n 4.000000 12.000000\n"
        " \xCEr Nr \xCEr Text    \xCEr Wert\n"
        "   1  Langtxt  12.50\n"
        "   2  Kurztx   3.25\n"
        "   3  Ab       0.75\n#END_OF_TEXT\n";
    testutil::ScratchDir dir;
    const std::string pdf = render(list, dir, "left_texts.pdf");
    if (!have_poppler()) GTEST_SKIP() << "poppler tools not installed";
    double lang = -1, kurz = -1, ab = -1;
    for (const Word& w : pdf_words(pdf)) {
        if (w.text == "Langtxt") lang = w.x0;
        if (w.text == "Kurztx") kurz = w.x0;
        if (w.text == "Ab") ab = w.x0;
    }
    ASSERT_GT(lang, 0);
    ASSERT_GT(kurz, 0);
    ASSERT_GT(ab, 0);
    EXPECT_NEAR(kurz, lang, 0.5);
    EXPECT_NEAR(ab, lang, 0.5);
}

namespace {

// The preview copies "tavo-preview-*" in a folder.
std::vector<std::string> preview_copies(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("tavo-preview-", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// TMPDIR set to a folder of the test for the life of the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& folder) : was_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "")
    {
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TempFolder()
    {
        if (was_.empty()) ::unsetenv("TMPDIR");
        else ::setenv("TMPDIR", was_.c_str(), 1);
    }

private:
    std::string was_;
};

// A process that has ended: its id is free (until the system hands it out again).
pid_t dead_pid()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

// The preview's copy of the list carries the process id in its name and is gone when the preview
// closes, when the program ends with the preview open, and, after a kill, at the next start.
TEST(OliViewer, PreviewCopiesAreRemovedAtCloseAtExitAndAfterAKill)
{
    testutil::ScratchDir dir;
    const std::string tmp = dir.file("tmp");
    std::filesystem::create_directories(tmp);
    const TempFolder temp(tmp);
    const std::string list = dir.file("L_01.oli");
    ASSERT_TRUE(testutil::write_file(list, kSample));
    const std::string own = "tavo-preview-" + std::to_string(::getpid()) + "-";

    QDialog* dialog = oliview::make_preview_dialog(list, "L");
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> copies = preview_copies(tmp);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].substr(0, own.size()), own);
    EXPECT_EQ(copies[0].size(), own.size() + 6 + 4) << copies[0];
    dialog->show();
    dialog->close();   // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview_copies(tmp).empty());

    // A run that ends, and one that is killed, each with a preview open.
    for (bool killed : {false, true}) {
        const pid_t child = ::fork();
        if (child == 0) {
            QDialog* open = oliview::make_preview_dialog(list, "L");
            if (!open || preview_copies(tmp).size() != 1) ::_exit(3);
            if (killed) ::raise(SIGKILL);
            // The end of a run without the destructors of the test program's own statics.
            std::quick_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (killed) {
            ASSERT_TRUE(WIFSIGNALED(status)) << status;
            ASSERT_EQ(preview_copies(tmp), std::vector<std::string>{"tavo-preview-" + std::to_string(child) + "-" +
                                                                    preview_copies(tmp)[0].substr(preview_copies(tmp)[0].size() - 10)});
        } else {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            EXPECT_TRUE(preview_copies(tmp).empty());
        }
    }

    // The next start removes the killed run's copy and those of other ended runs, and only those:
    // not its own, not one of a running process, not an older nameless copy that is held open,
    // nothing of another name.
    const std::string gone = "tavo-preview-" + std::to_string(dead_pid()) + "-abc123.oli";
    const std::string mine = own + "abc123.oli", running = "tavo-preview-1-abc123.oli";
    const std::string old_free = "tavo-preview-qwe123.oli", old_held = "tavo-preview-rty123.oli";
    const std::string other = "tavo-preview-notes.txt", short_name = "tavo-preview-.oli";
    for (const std::string& name : {gone, mine, running, old_free, old_held, other, short_name})
        ASSERT_TRUE(testutil::write_file(tmp + "/" + name, "x"));
    // Nameless copies of an earlier version: an hour old, older than this run.
    const std::time_t hour_ago = std::time(nullptr) - 3600;
    for (const std::string& name : {old_free, old_held}) {
        const struct timespec times[2] = {{hour_ago, 0}, {hour_ago, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (tmp + "/" + name).c_str(), times, 0), 0);
    }
    const int held = ::open((tmp + "/" + old_held).c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    oliview::remove_stale_preview_copies();
    ::close(held);
    std::vector<std::string> want = {mine, running, old_held, other, short_name};
    std::sort(want.begin(), want.end());
    EXPECT_EQ(preview_copies(tmp), want);
}

namespace {

// Message boxes shown as to a person, as with a display, while the offscreen platform draws them.
class ShownMessages {
public:
    ShownMessages() : qpa_(std::getenv("QT_QPA_PLATFORM")), display_(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "")
    {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::setenv("DISPLAY", ":99", 1);
        calllog::clear_answers();
    }
    ~ShownMessages()
    {
        if (qpa_.empty()) ::unsetenv("QT_QPA_PLATFORM");
        else ::setenv("QT_QPA_PLATFORM", qpa_.c_str(), 1);
        if (display_.empty()) ::unsetenv("DISPLAY");
        else ::setenv("DISPLAY", display_.c_str(), 1);
    }

private:
    std::string qpa_, display_;
};

// Watches the screen while a print or preview runs: whether its progress showed, and the first
// message box that became the active modal widget, with the progress dialogs visible beside it.
// The box is answered with a click on its OK; when the click does not close it, the progress is
// cancelled so that the test ends.
struct MessageWatch {
    bool saw_progress = false;
    QString text;
    int progress_beside = 0;
    bool clicked = false;
    bool forced = false;   // the OK did not close the box
    QTimer poll;
    int waited = 0;

    MessageWatch()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) saw_progress = true;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (clicked) {
                if (!box || ++waited < 50) return;
                forced = true;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* p = qobject_cast<QProgressDialog*>(w)) p->cancel(), p->hide();
                if (waited > 100) box->done(QMessageBox::Ok);
                return;
            }
            if (!box || !box->isVisible()) return;
            text = box->text();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QProgressDialog*>(w) && w->isVisible() && box->parentWidget() != w) ++progress_beside;
            clicked = true;
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        poll.start(10);
    }
    bool closed_by_ok() const { return clicked && !forced; }
};

// A list of many pages, so that the progress dialog is on screen while the PDF is drawn.
std::string long_list()
{
    std::string list = "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.000000\n \xCEr Nr \xCEr Wert\n \xCEr    \xCEr   kN\n";
    for (int i = 1; i <= 600; ++i) list += "   " + std::to_string(i) + "   Zeile" + std::to_string(i) + "\n";
    return list + "#END_OF_TEXT\n";
}

} // namespace

// A message at the end of a print or preview is the active modal widget, no progress dialog stays
// on top of it, its OK closes it, and it names the PDF in full: printing without a printer, and a preview that cannot copy
// the list into a full temporary folder (it says why before it names the PDF).
TEST(OliViewer, MessagesAfterAPrintAreNotHiddenByTheProgress)
{
    if (!QStandardPaths::findExecutable("lpstat").isEmpty()) GTEST_SKIP() << "a print queue may be configured here";
    testutil::ScratchDir dir;
    // A folder a person names in German: the path keeps its letters in the message.
    const std::string list = dir.file("Tr\u00e4ger_01.oli");
    ASSERT_TRUE(testutil::write_file(list, long_list()));
    const ShownMessages shown;
    oliview::set_progress_delay(0);
    {
        MessageWatch watch;
        Quick_OLI_Print("L", list.c_str());
        EXPECT_TRUE(watch.saw_progress);
        EXPECT_EQ(watch.text, QStringLiteral("Es ist kein Drucker eingerichtet.\nDie Druckliste liegt als PDF unter ") +
                                  QString::fromStdString(list + ".pdf"));
        EXPECT_EQ(watch.progress_beside, 0);
        EXPECT_TRUE(watch.closed_by_ok());
    }

    const std::string small = dir.file("small");
    const testutil::FullDisk full(small);
    if (!full.mounted()) {
        oliview::set_progress_delay(500);
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    full.unfill();
    ASSERT_TRUE(testutil::write_file(small + "/L_01.oli", long_list()));
    full.fill();
    {
        // The PDF of a list named relative to the working folder, on the full file system.
        const std::filesystem::path was = std::filesystem::current_path();
        std::filesystem::current_path(small);
        MessageWatch watch;
        Quick_OLI_View("L", "L_01.oli");
        std::filesystem::current_path(was);
        EXPECT_TRUE(watch.saw_progress);
        EXPECT_EQ(watch.text, QString::fromUtf8("Die PDF-Datei der Druckliste kann nicht geschrieben werden!\nDie Datei\n") +
                                  QString::fromStdString(small) +
                                  QString::fromUtf8("/L_01.oli.pdf\nkann nicht geschrieben werden: Datenträger voll."));
        EXPECT_EQ(watch.progress_beside, 0);
        EXPECT_TRUE(watch.closed_by_ok());
    }
    {
        const TempFolder temp(small);
        MessageWatch watch;
        Quick_OLI_View("L", list.c_str());
        EXPECT_TRUE(watch.saw_progress);
        const QString want_start = QStringLiteral("Die Vorschau kann nicht gezeigt werden.\nDie Datei\n") +
                                   QString::fromStdString(small) + QStringLiteral("/tavo-preview-%1-").arg(::getpid());
        const QString want_end = QString::fromUtf8(".oli\nkann nicht geschrieben werden: Datenträger voll.\n"
                                                   "(die Kopie der Druckliste für die Vorschau im temporären Ordner)\n"
                                                   "Die Druckliste liegt als PDF unter ") +
                                 QString::fromStdString(list + ".pdf");
        EXPECT_TRUE(watch.text.startsWith(want_start)) << watch.text.toStdString();
        EXPECT_TRUE(watch.text.endsWith(want_end)) << watch.text.toStdString();
        EXPECT_EQ(watch.progress_beside, 0);
        EXPECT_TRUE(watch.closed_by_ok());
        EXPECT_TRUE(preview_copies(small).empty());
    }
    oliview::set_progress_delay(500);
}
