// The parameter reports as the viewer prints them: on every page no two words overlap, so that
// tables placed side by side keep apart. Pages go to TAVO_PICTURE_DIR as pictures to look at.
#include "national_annex/nad_folders.h"
#include "national_annex/nad_test_util.h"
#include "output/nad_report_all.h"
#include "output/nad_report_ec0.h"
#include "output/nad_report_ec2.h"
#include "output/nad_report_ec5.h"
#include "platform/layout/oli_layout.h"
#include "platform/viewer/oli_viewer.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Word {
    int page;
    std::string text;
    double x0, y0, x1, y1;
};

// Every word of the PDF with its page and box in points, as pdftotext finds them.
std::vector<Word> pdf_words(const std::string& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(30000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" "
                                       "yMax=\"([-0-9.]+)\">([^<]*)</word>");
    std::vector<Word> out;
    int page = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        out.push_back({page, m.captured(5).replace("&amp;", "&").toStdString(), m.captured(1).toDouble(),
                       m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return out;
}

std::vector<std::string> words_of(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(oliview::plain(oliview::decode_text(line)));
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// The last word of each table row that goes on in the next line, with that line's first word:
// lines of the chapter tables blank up to the explanation column.
std::vector<std::pair<std::string, std::string>> continued_rows(const std::string& list)
{
    std::vector<std::pair<std::string, std::string>> out;
    std::istringstream in(list);
    std::string prev;
    bool table = false;
    for (std::string line; std::getline(in, line);) {
        if (line == " Kapitel      Wert                          Bedeutung") table = true;
        else if (line.rfind("#END_OF_TEXT", 0) == 0) table = false;
        else if (table && line.size() > 44 && line.find_first_not_of(' ') >= 40 && !prev.empty()) {
            const auto a = words_of(prev), b = words_of(line);
            if (!a.empty() && !b.empty()) out.emplace_back(a.back(), b.front());
        }
        prev = table ? line : std::string();
    }
    return out;
}

class NadReportLayout : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    }

    // The report rendered as the viewer prints it; the pairs of words that overlap.
    std::vector<std::string> overlaps(const std::string& list, const char* name)
    {
        const std::string pdf = root.file(std::string(name) + ".pdf");
        const oliview::Document d = oliview::parse(list.data(), list.size());
        EXPECT_TRUE(oliview::render_pdf(d, pdf, name));
        if (const char* dir = std::getenv("TAVO_PICTURE_DIR"))
            QProcess::execute("pdftoppm", {"-png", "-r", "70", QString::fromStdString(pdf),
                                           QString::fromStdString(std::string(dir) + "/" + name)});
        const auto words = pdf_words(pdf);
        EXPECT_GT(words.size(), 20u);
        std::vector<std::string> out;
        // Words touch at their edges and a subscript sits inside its line; a shared area of more
        // than a point each way is an overlap.
        for (size_t i = 0; i < words.size(); ++i)
            for (size_t j = i + 1; j < words.size(); ++j) {
                const Word& a = words[i];
                const Word& b = words[j];
                if (a.page != b.page) continue;
                const double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
                const double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
                if (w > 1.0 && h > 1.0)
                    out.push_back("page " + std::to_string(a.page) + ": \"" + a.text + "\" / \"" + b.text + "\"");
            }
        return out;
    }
};

// The words of a rendered report that come within three quarters of a character of a column
// rule: a rule is a pixel column dark from just above a word to just below it.
std::vector<std::string> words_at_rules(const std::string& pdf)
{
    const int dpi = 200;
    const double s = dpi / 72.0;
    const QString stem = QString::fromStdString(pdf + "_page");
    QProcess::execute("pdftoppm", {"-png", "-r", QString::number(dpi), QString::fromStdString(pdf), stem});
    std::vector<std::string> out;
    QImage page;
    int loaded = 0;
    for (const Word& w : pdf_words(pdf)) {
        if (w.page != loaded) {
            loaded = w.page;
            // pdftoppm pads the page number to the width of the last page's
            const QString form = QStringLiteral("%1-%2.png");
            if (!page.load(form.arg(stem).arg(loaded))) page.load(form.arg(stem).arg(loaded, 2, 10, QLatin1Char('0')));
        }
        if (page.isNull()) continue;
        if (w.text == "Kapitel" || w.text == "Wert" || w.text == "Bedeutung") continue;   // heading rows
        const QString text = QString::fromStdString(w.text);
        const double room = 0.75 * (w.x1 - w.x0) / std::max(1, int(text.size())) * s;
        const int ya = int(w.y0 * s) - 2, yb = int(w.y1 * s) + 2;
        auto rule = [&](int x) {
            if (x < 0 || x >= page.width() || ya < 0 || yb >= page.height()) return false;
            for (int y = ya; y <= yb; ++y)
                if (qGray(page.pixel(x, y)) >= 235) return false;
            return true;
        };
        for (int x = int(w.x0 * s - room); x <= int(w.x1 * s + room); ++x)
            if (rule(x)) {
                out.push_back("page " + std::to_string(w.page) + ": \"" + w.text + "\" at a rule");
                break;
            }
    }
    return out;
}

TEST_F(NadReportLayout, LoadFactorReportsOfBuildingsAndBridges)
{
    application(0, 1);
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        const std::string list = nadtest::text_of([](FILE* f) { nad_ec0_report(f); });
        for (const std::string& o : overlaps(list, set[0] == 'D' ? "nad_ec0_de" : "nad_ec0_ec")) ADD_FAILURE() << o;
    }
}

TEST_F(NadReportLayout, TimberReportOfBothSets)
{
    application(0, 1);
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        const std::string list = nadtest::text_of([](FILE* f) { nad_ec5_report(f); });
        for (const std::string& o : overlaps(list, set[0] == 'D' ? "nad_ec5_de" : "nad_ec5_ec")) ADD_FAILURE() << o;
    }
}

} // namespace

namespace {

// All reports one after the other, as the print writes them: no row is left alone at the top of
// a page (the "(NA.7)" line of the timber chapter table belongs to the row before it).
TEST_F(NadReportLayout, AllReportsKeepTheirLastRowsWithTheirTables)
{
    for (int app : {0, 73, 220, 242, 1, 150, 151})
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        SCOPED_TRACE(app);
        application(app, app == 0);
        ASSERT_EQ(nad_set_active(set), 0);
        for (int alone = 0; alone < 2; ++alone) {
            // The combined report, and the concrete report alone (its rows fall at other page ends).
            const std::string list = nadtest::text_of([alone](FILE* f) {
                if (alone) {
                    nad_ec2_report(f);
                    return;
                }
                nad_report_ec0_if_relevant(f);
                nad_report_all(f);
            });
            const std::string name =
                std::string(set[0] == 'D' ? "nad_all_de_" : "nad_all_ec_") + std::to_string(app) + (alone ? "_ec2" : "");
            for (const std::string& o : overlaps(list, name.c_str())) ADD_FAILURE() << o;
            const auto words = pdf_words(root.file(name + ".pdf"));
            // the chapter tables of the concrete report (the heading rows centre their names)
            if (app == 0 && alone)
                for (const std::string& o : words_at_rules(root.file(name + ".pdf"))) ADD_FAILURE() << o;
            for (size_t i = 1; i < words.size(); ++i)
                if (words[i].page != words[i - 1].page)
                    EXPECT_NE(words[i].text.rfind("(NA.", 0), 0u) << "page " << words[i].page << " starts with " << words[i].text;
            // Each part names the set it shows, and a set without an annex cites no rule of one.
            for (size_t at = list.find("#SHOWTABLE\n0 0 1\n"); at != std::string::npos;
                 at = list.find("#SHOWTABLE\n0 0 1\n", at + 1)) {
                const std::string heading = list.substr(at + 17, list.find('\n', at + 17) - at - 17);
                EXPECT_NE(heading.find(set), std::string::npos) << heading;
            }
            if (set[0] == 'E')
                for (const char* annex : {"NA EC", "NCI", "Tabelle NA.", "NA-DE", "NAD ", "(NA."})
                    EXPECT_EQ(list.find(annex), std::string::npos) << annex;
            // Rows stay whole: a table line that holds only an explanation stands on the page of the
            // line it continues (its first word directly after that line's last, on one page).
            for (const auto& pair : continued_rows(list)) {
                bool whole = false;
                for (size_t i = 0; i + 1 < words.size() && !whole; ++i)
                    whole = words[i].text == pair.first && words[i + 1].text == pair.second && words[i].page == words[i + 1].page;
                EXPECT_TRUE(whole) << "row split: \"" << pair.first << "\" / \"" << pair.second << "\"";
            }
        }
    }
}

// The concrete report moved down a centimetre at a time, so that its exposure-class rows fall at
// a page end: every page that holds a class row holds the column heading and the sub-heading
// naming the class columns above it.
TEST_F(NadReportLayout, ContinuedTablesRepeatHeadingAndSubHeading)
{
    application(0, 1);
    static const QRegularExpression class_name("^X[A-Z]*[0-9]$");
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        int broken = 0;   // shifts at which the class rows went over two pages
        for (int cm = 0; cm < 24; ++cm) {
            SCOPED_TRACE(cm);
            const std::string list = nadtest::text_of([cm](FILE* f) {
                OLI_setYPositionCM(f, 1, float(cm));
                nad_ec2_report(f);
            });
            const std::string name = std::string(set[0] == 'D' ? "nad_sub_de_" : "nad_sub_ec_") + std::to_string(cm);
            overlaps(list, name.c_str());
            const auto words = pdf_words(root.file(name + ".pdf"));
            int page = 0, first_class_page = 0;
            size_t heading = 0, sub = 0;   // where this page's heading and sub-heading are
            for (size_t i = 0; i < words.size(); ++i) {
                const Word& w = words[i];
                if (w.page != page) page = w.page, heading = sub = 0;
                if (w.text == "Kapitel") heading = i + 1;
                if (w.text == "Exp.Kl.") sub = i + 1;
                if (!class_name.match(QString::fromStdString(w.text)).hasMatch()) continue;
                if (!first_class_page) first_class_page = page;
                if (page != first_class_page) ++broken, first_class_page = page;
                EXPECT_TRUE(heading && sub && heading < sub) << "page " << page << ": " << w.text << " without its headings";
            }
        }
        EXPECT_GT(broken, 0);
    }
}

} // namespace
