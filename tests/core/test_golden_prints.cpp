// The printed calculation of six whole positions compared byte for byte with the lists kept in
// tests/core/golden/ (code page 437, as the program writes them).
//
// A deliberate change of the print regenerates every golden list with one command:
//     scripts/update-golden.sh [build-dir]
// which builds test_core and runs these tests with TAVO_GOLDEN_UPDATE=1: each writes its list over
// the golden file instead of comparing. Review the result with `git diff tests/core/golden`.
//
// The positions are the files in tests/core/data/golden/, opened as the program opens them, with
// the shipped "Deutschland" national-annex set, the shipped screw tables and the shipped version
// file. Nothing in the list depends on the date, the time, the user or the scratch folder; should
// something ever do so, mask it in mask_run_dependent() below and nowhere else.
#include "common/test_util.h"
#include "pdf_text.h"

#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "fasteners/fastener_tables.h"
#include "fasteners/minimum_spacings.h"
#include "materials/timber_factors.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "output/oli_capture.h"
#include "platform/env/vyk_env.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include "platform/viewer/oli_viewer.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

struct GoldenCase {
    const char* name;    // position file data/golden/<name>.inp, golden list golden/<name>.oli
    const char* title;   // the position title of the header file (UTF-8)
};

const GoldenCase kCases[] = {
    {"unreinforced_round", "Position 1: Kreisrunder Durchbruch ohne Verstärkung"},
    {"unreinforced_rectangular", "Position 2: Rechteckiger Durchbruch ohne Verstärkung"},
    {"plates", "Position 3: Aufgeklebte Laschen"},
    {"rods", "Position 4: Eingeklebte Stahlstäbe"},
    {"screws", "Position 5: Vollgewindeschrauben"},
    {"failing", "Position 6: Überlasteter Durchbruch"},
};

std::string golden_dir()
{
    return std::filesystem::path(TAVO_TEST_DATA_DIR "/../golden").lexically_normal().string();
}

// Test names and failure lines show the position's name.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

// The one place for parts of the list that change from run to run (none so far).
std::string mask_run_dependent(std::string list) { return list; }

// An environment variable set for the life of the object and put back as it was afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

// What a reader sees of the differences: a unified diff of the two lists read in code page 437,
// or, without the diff tool, the first differing line.
std::string describe_difference(const std::string& expected, const std::string& actual, const std::string& folder,
                                const std::string& name)
{
    const std::string e = folder + "/" + name + ".expected.txt", a = folder + "/" + name + ".actual.txt";
    testutil::write_file(e, codepage::cp437_to_utf8(expected));
    testutil::write_file(a, codepage::cp437_to_utf8(actual));
    if (!QStandardPaths::findExecutable("diff").isEmpty()) {
        QProcess p;
        p.start("diff", {"-u", "--label", "golden/" + QString::fromStdString(name) + ".oli", "--label", "written now",
                         QString::fromStdString(e), QString::fromStdString(a)});
        if (p.waitForFinished(20000)) {
            std::istringstream in(p.readAllStandardOutput().toStdString());
            std::string out, line;
            int lines = 0;
            while (std::getline(in, line)) {
                if (++lines > 150) {
                    out += "... (diff cut short; the whole lists are beside each other in " + folder + ")\n";
                    break;
                }
                out += line + "\n";
            }
            return out;
        }
    }
    std::istringstream x(codepage::cp437_to_utf8(expected)), y(codepage::cp437_to_utf8(actual));
    std::string lx, ly;
    for (int n = 1;; ++n) {
        const bool gx = static_cast<bool>(std::getline(x, lx)), gy = static_cast<bool>(std::getline(y, ly));
        if (!gx && !gy) return "the lists differ only in their last line end\n";
        if (!gx || !gy || lx != ly)
            return "first difference in line " + std::to_string(n) + ":\n- " + (gx ? lx : "(end of list)") + "\n+ " +
                   (gy ? ly : "(end of list)") + "\n";
    }
}

class GoldenPrint : public ::testing::TestWithParam<GoldenCase> {
protected:
    void SetUp() override
    {
        saved_ec5_ = cur_ec5_params;
        saved_ec3_ = cur_ec3_params;
        saved_inp_ = inp_path;
        saved_nad_ = nad_path;
        saved_oli_ = oli_path;
        saved_id_ = component_id;
        saved_title_ = position_title;
        const char* p = CurOb_Privat_Datapath();
        saved_private_ = p ? p : "";
        // The shipped data as the demo environment holds it; no set of an earlier test stays active.
        std::filesystem::create_directories(dir.file("DRAM"));
        Set_CurOb_Privat_Datapath(TAVO_SOURCE_DATA_DIR "/PRIVATE");
        nad_forget_state();
        reset_writers();
        calllog::clear_answers();
    }
    void TearDown() override
    {
        nad_forget_state();
        cur_ec5_params = saved_ec5_;
        cur_ec3_params = saved_ec3_;
        inp_path = saved_inp_;
        nad_path = saved_nad_;
        oli_path = saved_oli_;
        component_id = saved_id_;
        position_title = saved_title_;
        Set_CurOb_Privat_Datapath(saved_private_.c_str());
        calllog::clear();
        calllog::clear_answers();
    }

    // Opens the position as the program does and writes its list without showing it; the list's bytes.
    std::string print(const GoldenCase& c)
    {
        inp_path = std::string(TAVO_TEST_DATA_DIR "/golden/") + c.name + ".inp";
        nad_path = dir.file("GOLD_01.nad");   // none: the position takes "Deutschland"
        oli_path = dir.file("GOLD_01.oli");
        component_id = "GOLD";
        position_title = QString::fromUtf8(c.title);
        EXPECT_TRUE(read_ec5_spax_s_vg() && read_ec5_assy_plus_vg_z() && read_ec5_assy_plus_vg_s())
            << "the shipped screw tables cannot be read";
        EXPECT_EQ(d.read_data(), 0) << c.name;
        EXPECT_FALSE(d.open_report.damaged()) << c.name << ": the position file is not read whole";
        EXPECT_NE(cur_ec5_params, nullptr);
        window_spacings();
        int e = -1;
        d.cal_Print(&e);
        return testutil::read_file(oli_path);
    }

    // The minimum spacings of rods and screws, which the window works out from the beam and the
    // fastener before a print: rods as type 30 predrilled, screws as their product.
    void window_spacings()
    {
        if (!d.verstaerkt || (d.verst_typ != 1 && d.verst_typ != 2)) return;
        get_rho_k(d.holzart, d.holzguete, d.h, &d.rho_k, nullptr);
        const bool rods = d.verst_typ == 1;
        if (!rods) {
            const FastenerTable* t = d.typ_schraube == 13   ? &fastener_table_spax_s_vg
                                     : d.typ_schraube == 14 ? &fastener_table_assy_plus_vg_z
                                                            : &fastener_table_assy_plus_vg_s;
            ASSERT_LT(d.d_schraube, t->row_count);
            d.sc_d = t->rows[d.d_schraube].d;
        }
        const double dia = rods ? d.d_r : d.sc_d;
        fastener_minimum_spacings(rods ? 30 : d.typ_schraube, rods ? 1 : d.vorgebohrt, 1, 0, 0, d.holzart, d.rho_k,
                                  dia, dia, 0.0, 0.0, d.h, d.h, nullptr, &d.a_2, nullptr, &d.a_3c, nullptr, &d.a_4c);
    }

    TAVO52_DATA d;
    testutil::ScratchDir dir;
    // The version line reads the program's version file of the shipped data.
    ScopedEnv exec_{"EXEC", TAVO_SOURCE_DATA_DIR "/EXEC"};
    ScopedEnv data_{"DATA", TAVO_SOURCE_DATA_DIR "/DATA"};
    // The user's own sets: none, in a folder of the test's own.
    ScopedEnv dram_{"DRAM", dir.file("DRAM")};

private:
    NadEc5Block* saved_ec5_ = nullptr;
    NadEc3Block* saved_ec3_ = nullptr;
    std::string saved_inp_, saved_nad_, saved_oli_, saved_id_, saved_private_;
    QString saved_title_;
};

} // namespace

TEST_P(GoldenPrint, ListEqualsGoldenFile)
{
    const GoldenCase& c = GetParam();
    const std::string written = mask_run_dependent(print(c));
    ASSERT_FALSE(written.empty()) << c.name << ": no list written";
    const std::string golden_path = golden_dir() + "/" + c.name + ".oli";

    const char* update = std::getenv("TAVO_GOLDEN_UPDATE");
    if (update && std::string(update) == "1") {
        ASSERT_TRUE(testutil::write_file(golden_path, written)) << golden_path;
        GTEST_SKIP() << "golden list written: " << golden_path;
    }

    const std::string golden = mask_run_dependent(testutil::read_file(golden_path));
    if (golden == written) return;
    // The list written now stays for comparison in a fixed folder below the system's temp folder.
    const std::string keep = (std::filesystem::temp_directory_path() / "tavo52-golden").string();
    std::filesystem::create_directories(keep);
    const std::string kept = keep + "/" + c.name + ".oli";
    testutil::write_file(kept, written);
    ADD_FAILURE() << (golden.empty() ? "no golden list " + golden_path : "the list differs from " + golden_path)
                  << "\nthe list written now: " << kept
                  << "\nif the change is intended, regenerate the golden lists: scripts/update-golden.sh [build-dir]\n"
                  << describe_difference(golden, written, keep, c.name);
}

// The golden lists as pages, read as a checking engineer reads them: no symbol at a line's end
// without its value, no page that begins with the closing line of a table on the page before.
TEST_P(GoldenPrint, PagesKeepFormulasAndVerdictsWithTheirText)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    const GoldenCase& c = GetParam();
    const std::string list = dir.file(std::string(c.name) + ".oli"), pdf = list + ".pdf";
    ASSERT_TRUE(testutil::write_file(list, testutil::read_file(golden_dir() + "/" + c.name + ".oli")));
    const oliview::RenderResult res = oliview::render_list_pdf(list, pdf, "GOLD");
    ASSERT_TRUE(res.ok) << res.error;
    const std::vector<std::string> pages = pdf_pages(pdf);
    ASSERT_EQ(int(pages.size()), res.pages);
    for (const std::string& fault : reading_faults(pages)) ADD_FAILURE() << c.name << ", " << fault;
}

INSTANTIATE_TEST_SUITE_P(Positions, GoldenPrint, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });
