// A whole list written by the writers as the printed calculation does it, read back by the
// viewer stand-in and rendered to PDF.
#include "oli_capture.h"
#include "common/test_util.h"
#include "helpers/mem_counted.h"
#include "output/grf_dimension.h"
#include "output/grf_shapes.h"
#include "output/oli_table.h"
#include "platform/layout/oli_layout.h"
#include "platform/viewer/oli_viewer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

namespace {

void write_list(FILE* f, FILE* plot)
{
    grf_set_colour_mode(1);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    oli_writer_init(3, 2, 1);
    std::fprintf(f, "#CONTENTS\n Pos. 7 Tr\x84ger \xA3 Durchbruch \n");
    oli_version_line(f, "k7-tvo52");
    oli_heading(f, 1, "Eingabedaten");
    oli_heading(f, 2, "Balken");
    oli_text(f, "Balken aus GL24h \xCE" "b120/400 mm\xCEr, \xCB\xCE\\k\xCEr = %.0lf kg/m\xCE/3\xCEr, NKL 1", 385.0);
    oli_text(f, "f\xCE\\m,k\xCEr = %.2lf N/mm\xFD", 24.0);
    oli_text(f, " ");
    // view drawing: a beam with an opening, a chain of dimensions
    plot_open_grey(plot, 0, -100, 4000, 500, 0.1, 0, "Pos. %d", 7);
    plot_set_font(2);
    plot_set_pen(1);
    plot_set_filling(5);
    grf_begin_block(f, -200, -400, 4200, 600, 0.0035, 0, nullptr);
    grf_set_line_rgb(0, 0, 0);
    grf_set_fill_rgb(248, 195, 62);
    grf_set_fill_pattern(64);
    grf_filled_rectangle(0, 0, 4000, 400);
    grf_out(" 6 %lf\n", 0.05);
    grf_rectangle(0, 0, 4000, 400);
    grf_set_fill_pattern(0);
    grf_filled_rectangle(1800, 120, 2200, 280);
    grf_rectangle(1800, 120, 2200, 280);
    grf_filled_circle(3000, 200, 100);
    grf_arc(3000, 200, 100, 0, 360);
    PtrArr chain{};
    for (double x : {0.0, 1800.0, 2200.0, 4000.0}) grf_point_list_add(&chain, x, 0);
    grf_set_dimension_style(8);
    grf_dimension_chain(&chain, "mm", 2, -200, 0.1, 1, 0);
    ptrarr_clear(&chain);
    std::fprintf(f, " -1\n");
    plot_close();
    // forces table
    OliColumn* cols = nullptr;
    char names[2][16] = {"LK 1", "LK 2 au\xE1" "en"};
    double v[2] = {12.5, 2e100}, k[2] = {0.9, 1.1};
    oli_table_columns_alloc(4, &cols);
    std::strcpy(cols[0].title, " ");
    std::strcpy(cols[0].short_title, "Nr.");
    cols[0].width = 2;
    std::strcpy(cols[1].title, " ");
    std::strcpy(cols[1].short_title, "Name");
    std::strcpy(cols[1].type, "TXT");
    cols[1].width = cols[1].decimals = 16;
    cols[1].values = names;
    std::strcpy(cols[2].title, "linker Rand");
    std::strcpy(cols[2].short_title, "V\xCE\\d\xCEr");
    std::strcpy(cols[2].type, "kN");
    cols[2].width = 7;
    cols[2].decimals = 2;
    cols[2].values = v;
    std::strcpy(cols[3].title, "=");
    std::strcpy(cols[3].short_title, "k\xCE\\mod\xCEr");
    std::strcpy(cols[3].type, "-");
    cols[3].width = 6;
    cols[3].decimals = 3;
    cols[3].values = k;
    oli_heading(f, 2, "Schnittgr\x94\xE1" "en");
    OliTabelle(f, 4, 2, cols, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, nullptr);
    mem_free_and_null(&cols);
    oli_heading(f, 1, "Ergebnisse");
    oli_limit_check_line(f, "\xD6\xCE\\d\xCEr/f\xCE\\v,d\xCEr =", 0.85, "<=", 1.0, 2, "", "\xCE{C 1 0 160 0}ok.\xCE{C 768}",
                         "nicht ok. !!");
    oli_remark(f, "Bemerkung in kleiner Schrift");
    oli_heading(f, 1, "Zusammenfassung");
    oli_centred_line(f, "Ausnutzung %.1f %%", 85.0);
    oli_close_bookmarks(f);
}

} // namespace

TEST(ListToPdf, WritersOutputRendersWithHeadingsAndCells)
{
    reset_writers();
    testutil::ScratchDir dir;
    std::string list = dir.file("K7-TEST_01.oli"), plotfile = dir.file("K7-TEST01.SPF");
    FILE* f = std::fopen(list.c_str(), "w");
    FILE* plot = std::fopen(plotfile.c_str(), "w");
    ASSERT_TRUE(f && plot);
    write_list(f, plot);
    std::fclose(f);
    std::string bytes = testutil::read_file(list);
    oliview::Document d = oliview::parse(bytes.data(), bytes.size());
    EXPECT_EQ(d.skipped, 0);
    std::string plotted = testutil::read_file(plotfile);
    EXPECT_EQ(plotted.compare(plotted.size() - 6, 6, "*EOI\n\n"), 0);
    calllog::clear();
    Quick_OLI_View("K7-TEST", list.c_str());
    std::string pdf = list + ".pdf";
    ASSERT_FALSE(testutil::read_file(pdf).empty());
    if (const char* keep = std::getenv("TAVO_SAMPLE_OUT")) QFile::copy(QString::fromStdString(pdf), keep);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(p.waitForFinished(20000));
    std::string text = p.readAllStandardOutput().toStdString();
    for (const char* want : {"1. Eingabedaten", "1.1. Balken", "1.2. Schnittgr\xC3\xB6\xC3\x9F" "en", "2. Ergebnisse",
                             "3. Zusammenfassung", "LK 1", "12.50", "n.e.", "linker Rand", "1800", "K7-TVO52 Version",
                             "Tr\xC3\xA4ger \xCE\x94 Durchbruch"})
        EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
}
