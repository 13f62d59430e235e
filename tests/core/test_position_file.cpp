// Position data file: exact bytes, round trips, damaged files and failed saves.
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "common/test_util.h"
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kDefaultFile =
    "3\n0 5 1 0\n120 240 100 100 100\n1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n17 12 1\n1 1\n1 1 0 0\n"
    "1 0 0\n0 0 0 5\n50 50 4 10 23 0 1\n100 8 1 1 13 2 4\n0 1 20 1\n1 1 1\n2\n";

struct PositionFiles {
    testutil::ScratchDir dir;
    PositionFiles()
    {
        inp_path = dir.file("T1_07.inp");
        nad_path = dir.file("T1_07.nad");
    }
};

LoadRow load(const char* utf8_name, double nl, double vl, double ml, double nr, double vr, double mr, int kled,
             double kmod)
{
    LoadRow r;
    r.name = QString::fromUtf8(utf8_name);
    r.n_l = nl; r.v_l = vl; r.m_l = ml; r.n_r = nr; r.v_r = vr; r.m_r = mr;
    r.kled = kled; r.kmod = kmod;
    return r;
}

// A position far from the defaults, with values that six digits would not keep.
void fill_position(TAVO52_DATA& d)
{
    d.holzart = 2; d.holzguete = 7; d.nkl = 2; d.typ_durchbruch = 1;
    d.b = 160; d.h = 1234.5678; d.h_ro = 0.1; d.h_ru = 250.25; d.a = 300;
    d.lasten.clear();
    d.lasten.append(load("Grundlast ständig", -1.5, 12.25, 8.125, 0, 13, -9.75, 0, 0.6));
    d.lasten.append(load("Schnee Höhe über 1000 m", 0, 1e-7, 123456789, 2.5, -3.25e-3, 1, 3, 0.9));
    d.lasten.append(load("Straße Äußeres Übermaß", 7, 8, 9, 10, 11, 12, 8, 1.1));
    d.graf_breite = 15.5; d.graf_hoehe = 9.25; d.masstab_optimal = 0;
    d.ausfuehrlich = 0; d.grafik_drucken = 0;
    d.biegung = 0; d.schub = 1; d.cal_auto = 1; d.schub_kappa_kreis = 1;
    d.mit_kh = 0; d.unten_gs = 1; d.unten_sc = 1;
    d.verstaerkt = 1; d.verst_typ = 2; d.mat_laschen = 6; d.guete_laschen = 3;
    d.a_r = 60; d.h_1 = 70; d.t_r = 21; d.ftk_laschen = 12.5; d.fest_gs = 1044; d.rostfrei = 1; d.vorgebohrt = 0;
    d.l_e = 350; d.d_r = 12; d.n_gs = 3; d.n_sc = 4; d.typ_schraube = 15; d.d_schraube = 1; d.l_schraube = 9;
    d.mit_unterleg = 1; d.unterleg_reserve = 0; d.d_unterleg = 25; d.unterleg_art = 2;
    d.import_sni = 0; d.import_mat = 0; d.import_geo = 0; d.nk_sni = 4;
}

void expect_same_position(const TAVO52_DATA& a, const TAVO52_DATA& b)
{
    EXPECT_EQ(position_data_text(a), position_data_text(b));
    ASSERT_EQ(a.lasten.size(), b.lasten.size());
    for (int i = 0; i < a.lasten.size(); ++i) {
        EXPECT_EQ(a.lasten[i].name, b.lasten[i].name);
        EXPECT_EQ(a.lasten[i].m_l, b.lasten[i].m_l);
        EXPECT_EQ(a.lasten[i].v_r, b.lasten[i].v_r);
        EXPECT_EQ(a.lasten[i].kmod, b.lasten[i].kmod);
        EXPECT_EQ(a.lasten[i].kled, b.lasten[i].kled);
    }
    EXPECT_EQ(a.h, b.h);
    EXPECT_EQ(a.h_ro, b.h_ro);
    EXPECT_EQ(a.nk_sni, b.nk_sni);
    EXPECT_EQ(a.schub_kappa_kreis, b.schub_kappa_kreis);
    EXPECT_EQ(a.unterleg_art, b.unterleg_art);
}

} // namespace

TEST(PositionFile, DefaultPositionIsWrittenByteForByte)
{
    PositionFiles files;
    TAVO52_DATA d;
    ASSERT_EQ(d.write_data(), 0);
    EXPECT_EQ(testutil::read_file(inp_path), kDefaultFile);
    EXPECT_EQ(testutil::read_file(nad_path), "\n\nACTIV_NADNAME\n\xae" "Deutschland\xaf\n0\n");
}

TEST(PositionFile, DoublesAreShortestRoundTripAndPercentGUpToSixDigits)
{
    struct Case { double v; const char* text; };
    const Case cases[] = {{120, "120"}, {0.6, "0.6"}, {0, "0"}, {-3.25, "-3.25"}, {1e-05, "1e-05"},
                          {123456, "123456"}, {1234567, "1234567"}, {1234.5678, "1234.5678"},
                          {0.1 + 0.2, "0.30000000000000004"}, {2.5e10, "2.5e+10"}};
    for (const Case& c : cases) EXPECT_EQ(format_file_double(c.v), c.text) << c.v;
}

TEST(PositionFile, WriteAndReadBackKeepsEveryInputAndGermanNames)
{
    PositionFiles files;
    TAVO52_DATA written;
    fill_position(written);
    ASSERT_EQ(written.write_data(), 0);
    // Names are stored in Windows-1252: "ständig" with the byte 0xE4.
    EXPECT_NE(testutil::read_file(inp_path).find("Grundlast st\xe4ndig\n"), std::string::npos);

    TAVO52_DATA read;
    ASSERT_EQ(read.read_data(), 0);
    expect_same_position(written, read);
    EXPECT_NE(cur_ec5_params, nullptr);
    EXPECT_NE(cur_ec3_params, nullptr);
}

TEST(PositionFile, RoundTripUnderGermanNumericLocale)
{
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    PositionFiles files;
    TAVO52_DATA written;
    fill_position(written);
    const int wrote = written.write_data();
    const std::string bytes = testutil::read_file(inp_path);
    TAVO52_DATA read;
    const int rd = read.read_data();
    char printed[32];
    std::snprintf(printed, sizeof printed, "%g", 0.5);
    german.end();

    EXPECT_STREQ(printed, "0,5") << "the German locale was in force";
    ASSERT_EQ(wrote, 0);
    ASSERT_EQ(rd, 0);
    EXPECT_NE(bytes.find("\n160 1234.5678 0.1 250.25 300\n"), std::string::npos);
    expect_same_position(written, read);
}

TEST(PositionFile, NamesWithLineBreaksAreWrittenOnOneLine)
{
    TAVO52_DATA d;
    d.lasten[0].name = QStringLiteral("Wind\r\nSog");
    const std::string text = position_data_text(d);
    EXPECT_NE(text.find("\n1\nWindSog\n0 0 0 0 0 0 0 0.6\n"), std::string::npos);
    TAVO52_DATA back;
    parse_position_data(back, text);
    EXPECT_EQ(back.lasten.size(), 1);
    EXPECT_EQ(back.nk_sni, 2);
}

// Each damaged file opens; the lines that fit are applied, the others keep the object's values.
TEST(PositionFile, DamagedFilesOpenAndKeepDefaultsWhereLinesDoNotFit)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string expect;   // the file the object writes afterwards
    };
    auto with = [](std::string s, const std::string& from, const std::string& to) {
        size_t p = s.find(from);
        EXPECT_NE(p, std::string::npos) << from;
        return p == std::string::npos ? s : s.replace(p, from.size(), to);
    };
    const std::string d = kDefaultFile;
    const std::string no_loads = with(d, "1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n", "0\n");
    std::string crlf;
    for (char c : with(d, "120 240", "130 250")) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const Case cases[] = {
        {"an empty file is no position: nothing is applied", "", d},
        {"a first line that is no version applies nothing", with(d, "3\n", "PK\x03\x04\n"), d},
        {"short line 2 is skipped", with(d, "0 5 1 0\n", "2 7 3\n"), d},
        {"line 3 with a missing field is skipped", with(d, "120 240 100 100 100", "130 250 100 100"), d},
        {"two blanks in a row give another count", with(d, "0 5 1 0\n", "2  7 3 1\n"), d},
        {"a trailing blank gives another count", with(d, "\n1 0 0\n", "\n0 1 1 \n"), d},
        {"a tab is no separator", with(d, "1 1 1\n", "0\t0 0\n"), d},
        {"a decimal comma converts that field to 0", with(d, "120 240", "120,5 240"),
         with(d, "120 240", "0 240")},
        {"CRLF reads like LF", crlf, with(d, "120 240", "130 250")},
        {"line 7 with three fields", with(d, "1 1 0 0\n", "0 1 1\n"), with(d, "1 1 0 0\n", "0 1 1 0\n")},
        {"a huge count stops at the end of the file; the lines after the load are taken as loads",
         with(with(d, "\n1\nA st", "\n2000000000\nA st"), "17 12 1\n", "20 10 0\n"), d},
        {"a negative count gives no loads", with(d, "1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n", "-4\n"), no_loads},
        {"a load with a short values line is left out, the next is read",
         with(d, "1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n", "2\nkaputt\n1 2 3\nB lang\n1 2 3 4 5 6 1 0.7\n"),
         with(d, "1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n", "1\nB lang\n1 2 3 4 5 6 1 0.7\n")},
        {"version 1 ignores line 14", with(with(d, "3\n", "1\n"), "1 1 1\n2\n", "1 1 1\n4\n"), d},
        {"version 2 reads line 14", with(with(d, "3\n", "2\n"), "1 1 1\n2\n", "1 1 1\n4\n"),
         with(d, "1 1 1\n2\n", "1 1 1\n4\n")},
        {"a file that ends after the loads keeps the options", "3\n1 2 2 1\n100 200 50 60 70\n0\n",
         with(with(no_loads, "0 5 1 0\n", "1 2 2 1\n"), "120 240 100 100 100", "100 200 50 60 70")},
        {"letters where numbers belong store 0", with(d, "50 50 4 10 23 0 1", "x 50 4 10 23 0 y"),
         with(d, "50 50 4 10 23 0 1", "0 50 4 10 23 0 0")},
    };
    for (const Case& c : cases) {
        TAVO52_DATA obj;
        parse_position_data(obj, c.bytes);
        EXPECT_EQ(position_data_text(obj), c.expect) << c.what;
    }
}

TEST(PositionFile, LineSevenWithThreeFieldsClearsTheCircularShearOption)
{
    TAVO52_DATA d;
    d.schub_kappa_kreis = 1;
    std::string bytes = kDefaultFile;
    bytes.replace(bytes.find("1 1 0 0\n"), 8, "0 0 1\n");
    parse_position_data(d, bytes);
    EXPECT_EQ(d.biegung, 0);
    EXPECT_EQ(d.schub, 0);
    EXPECT_EQ(d.cal_auto, 1);
    EXPECT_EQ(d.schub_kappa_kreis, 0);
}

TEST(PositionFile, ReadingAMissingFileKeepsTheDefaultLoad)
{
    PositionFiles files;
    TAVO52_DATA d;
    EXPECT_EQ(d.read_data(), 1);
    EXPECT_EQ(position_data_text(d), kDefaultFile);
    EXPECT_NE(cur_ec5_params, nullptr);
}

TEST(PositionFile, FailedSaveReturnsOneAndKeepsTheOldFile)
{
    PositionFiles files;
    TAVO52_DATA d;
    d.b = 99;

    // The target is a folder: the rename over it fails, the folder stays as it was.
    std::filesystem::create_directory(inp_path);
    EXPECT_EQ(d.write_data(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(inp_path));
    std::filesystem::remove(inp_path);

    // The folder does not exist.
    const std::string saved = inp_path;
    inp_path = files.dir.file("fehlt/T1_07.inp");
    EXPECT_EQ(d.write_data(), 1);
    inp_path = saved;

    // The disk fills up while writing (a file size limit): the old file keeps its bytes.
    ASSERT_TRUE(testutil::write_file(inp_path, "alter Inhalt\n"));
    struct rlimit old_limit;
    getrlimit(RLIMIT_FSIZE, &old_limit);
    struct rlimit small = old_limit;
    small.rlim_cur = 64;
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = d.write_data();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(testutil::read_file(inp_path), "alter Inhalt\n");
    int files_left = 0;
    for (const auto& e : std::filesystem::directory_iterator(files.dir.path())) {
        (void)e;
        ++files_left;
    }
    EXPECT_EQ(files_left, 1) << "no temporary file stays behind";
}

// Every value not taken as the file holds it is named with the value the position uses instead.
TEST(PositionFile, ReportNamesEveryValueNotTakenAsItStands)
{
    using Finding = PositionReadReport::Finding;
    struct Case {
        const char* what;
        std::string bytes;
        PositionReadReport::Outcome outcome;
        int ended_after_line;
        std::vector<Finding> findings;
        int loads = -1;   // the loads read, where a case is about them
    };
    auto with = [](std::string s, const std::string& from, const std::string& to) {
        return s.replace(s.find(from), from.size(), to);
    };
    const std::string d = kDefaultFile;
    // The default's one load with the class and k_mod given: left out and named.
    auto refused_kmod = [&](const char* what, const std::string& kled, const std::string& kmod) {
        return Case{what, with(d, " 0 0.6\n", " " + kled + " " + kmod + "\n"), PositionReadReport::Read, 0,
                    {{"Last 1 \"A st\xc3\xa4ndig\"", "k_mod \"" + kmod + "\" (erlaubt k_mod über 0 bis 1.1)", "weggelassen"}},
                    0};
    };
    const Case cases[] = {
        {"a whole file", d, PositionReadReport::Read, 0, {}},
        {"empty", "", PositionReadReport::NotPositionData, 0, {}},
        {"garbage", "\x7f" "ELF\x02\x01\n\n", PositionReadReport::NotPositionData, 0, {}},
        {"not finite and too large", with(d, "120 240 100 100 100", "nan inf -infinity 1e400 1e308"),
         PositionReadReport::Read, 0,
         {{"b", "\"nan\"", "120"}, {"h", "\"inf\"", "240"}, {"h_ro", "\"-infinity\"", "100"},
          {"h_ru", "\"1e400\"", "100"}}},
        {"letters store 0", with(d, "0 5 1 0", "0 x 1 0"), PositionReadReport::Read, 0,
         {{"Holzgüte", "\"x\"", "0"}}},
        {"a line with the wrong count keeps its values", with(d, "\n1 1\n", "\n1\n"), PositionReadReport::Read, 0,
         {{"ausführlich, Grafik drucken", "\"1\"", "1 1"}}},
        {"a load value that is not finite", with(d, "0 0 0 0 0 0 0 0.6", "0 nan 0 0 0 0 0 0.6"),
         PositionReadReport::Read, 0, {{"Last 1 V_d links", "\"nan\"", "0"}}},
        {"ends inside the loads", "3\n0 5 1 0\n120 240 100 100 100\n2\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n",
         PositionReadReport::Read, 6,
         {{"Anzahl Lasten", "2", "1 gelesen"},
          {"Grafikbreite, Grafikhöhe, Maßstab optimal", "fehlt", "17 12 1"},
          {"ausführlich, Grafik drucken", "fehlt", "1 1"},
          {"Biegung, Schub, automatisch rechnen, Schub kappa Kreis", "fehlt", "1 1 0 0"},
          {"k_h, Gewindestangen unten, Schrauben unten", "fehlt", "1 0 0"},
          {"verstärkt, Verstärkungsart, Material Laschen, Güte Laschen", "fehlt", "0 0 0 5"},
          {"a_r, h_1, t_r, f_t,k Laschen, Stahlgüte Gewindestangen, rostfrei, vorgebohrt", "fehlt",
           "50 50 4 10 23 0 1"},
          {"l_e, d_r, Anzahl Gewindestangen, Anzahl Schrauben, Schraubentyp, Schraubendurchmesser, "
           "Schraubenlänge", "fehlt", "100 8 1 1 13 2 4"},
          {"Unterlegscheibe, Reserve Unterlegscheibe, d Unterlegscheibe, Art Unterlegscheibe", "fehlt",
           "0 1 20 1"},
          {"Import Schnittgrößen, Import Material, Import Geometrie", "fehlt", "1 1 1"},
          {"Nachkommastellen Schnittgrößen", "fehlt", "2"}}},
        {"a load line cut short", with(d, "0 0 0 0 0 0 0 0.6\n", "0 0 0\n"), PositionReadReport::Read, 0,
         {{"Last 1 \"A st\xc3\xa4ndig\"", "Werte unvollständig", "weggelassen"}}},
        {"version 3 without its last line", d.substr(0, d.size() - 2), PositionReadReport::Read, 15,
         {{"Nachkommastellen Schnittgrößen", "fehlt", "2"}}},
        // k_mod of a load above 0 up to 1.10 (the largest of EN 1995-1-1 Table 3.1); any other is
        // neither moved into the range nor used: the load is left out and named.
        {"k_mod 1.10", with(d, " 0 0.6\n", " 8 1.10\n"), PositionReadReport::Read, 0, {}, 1},
        {"k_mod 0.001", with(d, " 0 0.6\n", " 8 0.001\n"), PositionReadReport::Read, 0, {}, 1},
        refused_kmod("k_mod 1.11", "8", "1.11"),
        refused_kmod("k_mod 1.5", "8", "1.5"),
        refused_kmod("k_mod 2", "8", "2"),
        refused_kmod("k_mod 2.01 in a class other than frei", "3", "2.01"),
        refused_kmod("k_mod 0", "8", "0"),
        refused_kmod("k_mod not a number", "8", "nan"),
        refused_kmod("k_mod of letters", "8", "x"),
        // A switch holds 0 or 1; any other value keeps the position's own.
        {"switch of int max", with(d, "\n1 1\n", "\n2147483647 1\n"), PositionReadReport::Read, 0,
         {{"ausführlich", "\"2147483647\" (erlaubt 0 oder 1)", "1"}}},
        {"switches of 2 and -1", with(d, "\n1 1 0 0\n", "\n1 1 2 -1\n"), PositionReadReport::Read, 0,
         {{"automatisch rechnen", "\"2\" (erlaubt 0 oder 1)", "0"}, {"Schub kappa Kreis", "\"-1\" (erlaubt 0 oder 1)", "0"}}},
        {"switch of letters", with(d, "\n1 1 1\n2\n", "\n1 1 on\n2\n"), PositionReadReport::Read, 0,
         {{"Import Geometrie", "\"on\" (erlaubt 0 oder 1)", "0"}}},
        {"switches of 0 and 1", with(d, "\n50 50 4 10 23 0 1\n", "\n50 50 4 10 23 1 0\n"), PositionReadReport::Read, 0, {}},
    };
    for (const Case& c : cases) {
        TAVO52_DATA obj;
        PositionReadReport report;
        parse_position_data(obj, c.bytes, &report);
        EXPECT_EQ(report.outcome, c.outcome) << c.what;
        EXPECT_EQ(report.ended_after_line, c.ended_after_line) << c.what;
        ASSERT_EQ(report.findings.size(), c.findings.size()) << c.what;
        for (size_t i = 0; i < c.findings.size(); ++i) {
            EXPECT_EQ(report.findings[i].field, c.findings[i].field) << c.what;
            EXPECT_EQ(report.findings[i].found, c.findings[i].found) << c.what;
            EXPECT_EQ(report.findings[i].taken, c.findings[i].taken) << c.what;
        }
        EXPECT_EQ(report.damaged(), c.outcome != PositionReadReport::Read || !c.findings.empty()) << c.what;
        if (c.loads >= 0) {
            EXPECT_EQ(obj.lasten.size(), c.loads) << c.what;
        }
        EXPECT_TRUE(std::isfinite(obj.b) && std::isfinite(obj.h) && std::isfinite(obj.lasten.value(0).v_l))
            << c.what;
    }
}

TEST(PositionFile, UnreadableFileIsNamedAndKeptBesideTheNewOneOnSave)
{
    PositionFiles files;
    const std::string original = "3\n0 5 1 0\nalter Inhalt\n";
    ASSERT_TRUE(testutil::write_file(inp_path, original));
    ::chmod(inp_path.c_str(), 0200);
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TAVO52_DATA d;
    EXPECT_EQ(d.read_data(), 1);
    EXPECT_EQ(d.open_report.outcome, PositionReadReport::Unreadable);
    EXPECT_EQ(d.open_report.reason, "kann nicht gelesen werden (keine Leseberechtigung)");
    EXPECT_EQ(d.lasten.size(), 1) << "a new position's default load";

    ASSERT_EQ(d.write_data(), 0);
    ::chmod((inp_path + ".bak").c_str(), 0600);
    EXPECT_EQ(testutil::read_file(inp_path + ".bak"), original);
    EXPECT_EQ(testutil::read_file(inp_path), kDefaultFile);
    EXPECT_FALSE(d.open_report.damaged());

    // The next save replaces the file the program wrote itself: no second copy.
    ASSERT_EQ(d.write_data(), 0);
    EXPECT_FALSE(std::filesystem::exists(inp_path + ".bak2"));
}

// A save of a damaged file that fails (here: the file is write-protected) and is tried again keeps
// one backup; a damaged file opened later replaces that backup instead of adding ".bak2".
TEST(PositionFile, RepeatedBackupsOfADamagedFileKeepOne)
{
    PositionFiles files;
    const std::string damaged = "3\n0 5 1 0\nx\n";
    ASSERT_TRUE(testutil::write_file(inp_path, damaged));
    TAVO52_DATA d;
    d.read_data();
    ASSERT_TRUE(d.open_report.damaged());
    ::chmod(inp_path.c_str(), 0444);
    for (int attempt = 0; attempt < 3; ++attempt) EXPECT_EQ(d.write_data(), 1) << attempt;
    ::chmod(inp_path.c_str(), 0644);
    ASSERT_EQ(d.write_data(), 0);
    EXPECT_EQ(testutil::read_file(inp_path + ".bak"), damaged);

    const std::string damaged_again = "3\n1 5 1 0\ny\n";
    ASSERT_TRUE(testutil::write_file(inp_path, damaged_again));
    TAVO52_DATA later;
    later.read_data();
    ASSERT_EQ(later.write_data(), 0);
    EXPECT_EQ(testutil::read_file(inp_path + ".bak"), damaged_again);

    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(files.dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"T1_07.inp", "T1_07.inp.bak", "T1_07.nad"}));
}

// Text after the position's last line would be dropped by a save: it is named when the file opens.
TEST(PositionFile, ExtraTextAfterTheLastLineIsNamed)
{
    struct Case { const char* what; std::string tail; bool named; std::string found; };
    const Case cases[] = {
        {"a note at the end", "Notiz von Hand\n", true, "Zeile 17: \"Notiz von Hand\""},
        {"after blank lines, without a line end", "\n\r\nrest", true, "Zeile 19: \"rest\""},
        {"blank lines only", "\n  \r\n\n", false, ""},
    };
    for (const Case& c : cases) {
        TAVO52_DATA obj;
        PositionReadReport report;
        parse_position_data(obj, kDefaultFile + c.tail, &report);
        EXPECT_EQ(report.damaged(), c.named) << c.what;
        if (!c.named) continue;
        ASSERT_EQ(report.findings.size(), 1u) << c.what;
        EXPECT_EQ(report.findings[0].field, "Text nach der letzten Zeile 16") << c.what;
        EXPECT_EQ(report.findings[0].found, c.found) << c.what;
        EXPECT_EQ(report.findings[0].taken, "weggelassen") << c.what;
    }
}

TEST(PositionFile, ReadingAFolderOrDamagedFileIsReported)
{
    PositionFiles files;
    std::filesystem::create_directory(inp_path);
    TAVO52_DATA d;
    EXPECT_EQ(d.read_data(), 1);
    EXPECT_EQ(d.open_report.outcome, PositionReadReport::Unreadable);
    EXPECT_EQ(d.open_report.reason, "ist keine Datei (ein Ordner)");
    std::filesystem::remove(inp_path);

    ASSERT_TRUE(testutil::write_file(inp_path, "3\n0 5 1 0\n-140 1e300 nan 100 100\n"));
    EXPECT_EQ(d.read_data(), 0);
    EXPECT_EQ(d.open_report.ended_after_line, 3);
    EXPECT_EQ(d.open_report.findings.at(0).field, "h_ro");
    EXPECT_EQ(d.b, -140) << "the form checks its own ranges";
}

TEST(PositionFile, FailedWriteOfTheChoiceFileFailsTheSave)
{
    PositionFiles files;
    std::filesystem::create_directory(nad_path);
    TAVO52_DATA d;
    EXPECT_EQ(d.write_data(), 1);
    EXPECT_EQ(d.save_failed_path, nad_path);
    EXPECT_EQ(testutil::read_file(inp_path), kDefaultFile) << "the position data file itself was written";
    std::filesystem::remove(nad_path);
    EXPECT_EQ(d.write_data(), 0);
    EXPECT_EQ(d.save_failed_path, "");
}

// Two programs on one position: a change of the choice file alone counts, and copies saved beside
// the other program's files take a free number together and replace nothing.
TEST(PositionFile, ChoiceFileChangesAreSeenAndCopiesReplaceNothing)
{
    PositionFiles files;
    TAVO52_DATA d;
    ASSERT_EQ(d.write_data(), 0);
    ASSERT_EQ(d.read_data(), 0);
    EXPECT_TRUE(position_files_changed_elsewhere().empty());
    const std::string choice = testutil::read_file(nad_path);
    ASSERT_TRUE(testutil::write_file(nad_path, "Standard\n0\n"));
    EXPECT_EQ(position_files_changed_elsewhere(), std::vector<std::string>{nad_path});

    ASSERT_TRUE(testutil::write_file(inp_path + ".neu", "theirs"));
    PositionCopies copies = position_copies_for({});
    EXPECT_EQ(copies.inp, inp_path + ".neu2");
    EXPECT_EQ(copies.nad, nad_path + ".neu2");
    // Another program takes the data copy's name meanwhile: the next one is used.
    ASSERT_TRUE(testutil::write_file(inp_path + ".neu2", "third"));
    ASSERT_EQ(write_position_copies(d, copies), 0);
    EXPECT_EQ(copies.inp, inp_path + ".neu3");
    EXPECT_EQ(testutil::read_file(inp_path + ".neu"), "theirs");
    EXPECT_EQ(testutil::read_file(inp_path + ".neu2"), "third");
    EXPECT_EQ(testutil::read_file(inp_path + ".neu3"), kDefaultFile);
    EXPECT_EQ(testutil::read_file(copies.nad), choice);
    // A deleted file is saved under its own name again.
    std::filesystem::remove(inp_path);
    EXPECT_EQ(position_copies_for({inp_path}).inp, inp_path);
}
