// One plausible range per value a check reads: the shipped sets pass it, a set file holding a
// value outside it (or no plain decimal number) is refused whole, and the parameter sheet
// refuses the same values where they are typed. Set names are kept whole; a damaged choice
// file is named before a save can replace it.
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_param_edit.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_plausible.h"
#include "national_annex/nad_sheet_common.h"
#include "nad_sheet_fixture.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class NadPlausible : public NadSheetFolders {
protected:
    std::string user_file() const { return dram + "/NADS/1.NAD"; }

    // User set 1 "Eigene": the values of "Deutschland" with `change` applied, as its file's bytes.
    std::string deutschland_as_user_set(const std::function<void(NadSet&)>& change,
                                        const char* name = "Eigene")
    {
        static NadSet s;
        nad_reset_current_set();
        s = nad_current_set;
        EXPECT_EQ(nad_load_set(0, "Deutschland", &s), 1);
        std::snprintf(s.set_name, sizeof s.set_name, "%s", name);
        s.flag_index = 5;
        change(s);
        mkdir((dram + "/NADS").c_str(), 0777);
        EXPECT_EQ(nad_store_user_set(1, &s), 1);
        return testutil::read_file(user_file());
    }

    // Every block of the current set holds its standard values and the header says so.
    void expect_standard_values_throughout()
    {
        static NadSet ref;
        nad_ec0_set_defaults(&ref.ec0);
        nad_ec2_set_defaults(&ref.ec2);
        nad_ec3_set_defaults(&ref.ec3);
        nad_ec5_set_defaults(&ref.ec5);
        nad_ec6_set_defaults(&ref.ec6);
        nad_ec9_set_defaults(&ref.ec9);
        const NadSet& c = nad_current_set;
        EXPECT_EQ(nad_ec0_compare(&ref.ec0, &c.ec0), 0);
        EXPECT_EQ(nad_ec2_compare(&ref.ec2, &c.ec2), 0);
        EXPECT_EQ(nad_ec3_compare(&ref.ec3, &c.ec3), 0);
        EXPECT_EQ(nad_ec5_compare(&ref.ec5, &c.ec5), 0);
        EXPECT_EQ(std::memcmp(&ref.ec9.gamma_m1, &c.ec9.gamma_m1, sizeof(double) * 9), 0);
        EXPECT_EQ(c.ec6.gamma_m_serviceability, ref.ec6.gamma_m_serviceability);
        // What the checks read through the pointers, and the country everybody asks.
        EXPECT_EQ(nad_part_ec3()->ec3_1.gamma_m2, 1.25);
        EXPECT_EQ(nad_part_ec3()->ec3_1.gamma_m2_accidental, 1.25);
        EXPECT_EQ(nad_part_ec5()->kcr_mode, 1);
        EXPECT_EQ(nad_country_index(), 0);
        EXPECT_EQ(nad_part_ec5()->country, 0);
        EXPECT_EQ(nad_part_ec3()->country, 0);
        EXPECT_STREQ(c.set_name, "EC-Standard");
    }
};

// The ranges hold the standard values, both shipped sets and the ranges' own bounds are sane.
TEST_F(NadPlausible, ShippedSetsAndStandardValuesPass)
{
    int n = 0;
    const NadPlausibleRange* table = nad_plausible_ranges(&n);
    ASSERT_GT(n, 20);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(table[i].field);
        EXPECT_LT(table[i].min, table[i].max);
        EXPECT_GT(std::strlen(table[i].reason), 10u);
    }
    nad_reset_current_set();
    EXPECT_EQ(nad_implausible_value(nad_current_set), "");
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        calllog::clear();
        EXPECT_EQ(nad_set_active(set), 0);
        EXPECT_EQ(nad_implausible_value(nad_current_set), "");
        EXPECT_FALSE(calllog::contains("wird nicht verwendet"));
    }
}

// The bad values of a damaged or mistyped file, each in place of one value the checks read: the
// whole set falls back to the standard values (the file's valid EC3 gamma_M2 of 1.35 included)
// and the message names the file, the field, the value, the range and the set that applies.
TEST_F(NadPlausible, SetFileWithABadValueIsRefusedWhole)
{
    struct Case {
        const char* what;
        std::function<void(NadSet&)> plant;   // a value whose text is unique in the file
        const char* planted;                  // that text
        const char* bad;                      // what stands there instead
        const char* named;                    // in the message (UTF-8)
    };
    auto glulam = [](NadSet& s) { s.ec5.gamma_m_glulam = 1.41; };
    const Case cases[] = {
        {"zero", glulam, " 1.41 ", " 0 ", "gamma_M Brettschichtholz = 0 liegt nicht zwischen 1,0 und 1,5"},
        {"negative", glulam, " 1.41 ", " -1.3 ", "gamma_M Brettschichtholz = -1.3 liegt nicht zwischen 1,0 und 1,5"},
        {"tenfold small", glulam, " 1.41 ", " 0.13 ", "gamma_M Brettschichtholz = 0.13 liegt nicht zwischen"},
        {"tenfold large", glulam, " 1.41 ", " 13 ", "gamma_M Brettschichtholz = 13 liegt nicht zwischen"},
        {"nan", glulam, " 1.41 ", " nan ", "Der Wert \"nan\" ist keine Dezimalzahl."},
        {"inf", glulam, " 1.41 ", " inf ", "Der Wert \"inf\" ist keine Dezimalzahl."},
        {"exponent", glulam, " 1.41 ", " 1e308 ", "Der Wert \"1e308\" ist keine Dezimalzahl."},
        {"trailing letter", glulam, " 1.41 ", " 1.3x ", "Der Wert \"1.3x\" ist keine Dezimalzahl."},
        {"hex", glulam, " 1.41 ", " 0x1p1 ", "Der Wert \"0x1p1\" ist keine Dezimalzahl."},
        {"word", glulam, " 1.41 ", " abc ", "Der Wert \"abc\" ist keine Dezimalzahl."},
        {"k_cr decimal slip", [](NadSet& s) { s.ec5.kcr_other = 0.31; }, " 0.31 ", " 6.7 ",
         "k_cr andere = 6.7 liegt nicht zwischen 0,3 und 1,0"},
        {"k_cr huge", [](NadSet& s) { s.ec5.kcr_solid_glulam = 0.37; }, " 0.37 ", " 1000000 ",
         "k_cr Voll- und Brettschichtholz = 1e+06 liegt nicht zwischen 0,3 und 1,0"},
        {"k_mod", [](NadSet& s) { s.ec5.kmod[4][2] = 0.93; }, " 0.93\n", " 1.5\n",
         "k_mod (KLED sehr kurz, NKL 3) = 1.5 liegt nicht zwischen 0 (ausgenommen) und 1,1"},
        // EN 1995-1-1 Table 3.1 ends at 1.10: a hundredth more is refused, as is 0.
        {"k_mod 1.11", [](NadSet& s) { s.ec5.kmod[4][0] = 0.93; }, " 0.93\n", " 1.11\n",
         "k_mod (KLED sehr kurz, NKL 1) = 1.11 liegt nicht zwischen 0 (ausgenommen) und 1,1"},
        {"k_mod 0", [](NadSet& s) { s.ec5.kmod[0][1] = 0.93; }, " 0.93 ", " 0.00 ",
         "k_mod (KLED ständig, NKL 2) = 0 liegt nicht zwischen 0 (ausgenommen) und 1,1"},
        {"k_cr rule", [](NadSet& s) { s.ec5.kcr_mode = 2; }, " 150 2 0.67", " 150 7 0.67",
         "k_cr-Regel = 7 ist weder 1 noch 2."},
        {"class-5 switch", [](NadSet& s) { s.ec5.kmod_na1_note_b = 1; }, " 1 1.30 1.30 1.00", " 2 1.30 1.30 1.00",
         "Schalter k_mod kurz/sehr kurz (Tab. NA.1 b) = 2 ist weder 0 noch 1."},
        {"EC3 gamma_M2 accidental", [](NadSet& s) { s.ec3.ec3_1.gamma_m2_accidental = 1.2345; }, "1.234500", "0.13",
         "gamma_M2 außergewöhnlich = 0.13 liegt nicht zwischen 1,0 und 1,5"},
        {"EC3 gamma_M1", [](NadSet& s) { s.ec3.ec3_1.gamma_m1 = 1.2345; }, "1.234500", "13",
         "gamma_M1 = 13 liegt nicht zwischen 1,0 und 1,3"},
        {"EC9 gamma_M1", [](NadSet& s) { s.ec9.gamma_m1 = 1.2345; }, "1.234500", "0",
         "gamma_M1 Aluminium = 0 liegt nicht zwischen 1,0 und 1,5"},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Every k_mod element is named by its own load-duration and service class.
    static const char* const kKled[5] = {"ständig", "lang", "mittel", "kurz", "sehr kurz"};
    for (int kled = 0; kled < 5; ++kled)
        for (int nkl = 0; nkl < 3; ++nkl) {
            static std::string names[15], planted = " 0.93";
            std::string& named = names[kled * 3 + nkl];
            named = std::string("k_mod (KLED ") + kKled[kled] + ", NKL " + char('1' + nkl) + ") = 1.52 liegt nicht";
            all.push_back({"k_mod element", [kled, nkl](NadSet& s) { s.ec5.kmod[kled][nkl] = 0.93; }, planted.c_str(),
                           " 1.52", named.c_str()});
        }
    for (const Case& c : all) {
        SCOPED_TRACE(c.what);
        SCOPED_TRACE(c.named);
        nad_forget_state();
        std::string bytes = deutschland_as_user_set([&](NadSet& s) {
            s.ec3.ec3_1.gamma_m2 = 1.35;
            c.plant(s);
        });
        const size_t at = bytes.find(c.planted);
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(bytes.find(c.planted, at + 1), std::string::npos) << "the planted text is not unique";
        bytes.replace(at, std::strlen(c.planted), c.bad);
        ASSERT_TRUE(testutil::write_file(user_file(), bytes));
        calllog::clear();
        EXPECT_EQ(nad_set_active("Eigene"), -1);
        EXPECT_TRUE(calllog::contains(c.named));
        EXPECT_TRUE(calllog::contains("NADS/1.NAD wird nicht verwendet"));
        EXPECT_TRUE(calllog::contains("Es gelten die EC-Standardparameter"));
        expect_standard_values_throughout();
        EXPECT_EQ(nad_active_set_load_failed(), 1);
        // The reports name the set whose values they show.
        EXPECT_STREQ(nad_applied_set_name(), "EC-Standardparameter");
    }
    // The same file with a plausible value is taken, the EC3 value with it; k_mod 1.10 is the
    // table's largest value and is taken in every place.
    nad_forget_state();
    deutschland_as_user_set([](NadSet& s) {
        s.ec3.ec3_1.gamma_m2 = 1.35;
        s.ec5.kmod[4][2] = 1.10;
        s.ec5.kmod[0][0] = 0.01;
    });
    EXPECT_EQ(nad_set_active("Eigene"), 0);
    EXPECT_EQ(nad_part_ec3()->ec3_1.gamma_m2, 1.35);
    EXPECT_EQ(nad_part_ec5()->kmod[4][2], 1.10);
    EXPECT_EQ(nad_part_ec5()->kmod[0][0], 0.01);
    EXPECT_EQ(nad_country_index(), 1);
    EXPECT_STREQ(nad_applied_set_name(), "Eigene");
}

// A set file is read whole or not at all: cut at every block boundary (before the keyword and
// just after it), cut to half its length, one block left out, or a count (the header's flag and
// country, each block's version and country) replaced by "nan", "-1" or "1e308": refused, the
// message names the absolute file and what is wrong with its line, the standard values apply
// throughout and the accessors name the refused set. The same for a user set.
TEST_F(NadPlausible, CutSetFileOrBadCountIsRefusedWhole)
{
    const std::string shipped = testutil::read_file(data + "/NAD/Deutschland.NAD");
    const auto line_of = [](const std::string& text, size_t at) {
        return "Zeile " + std::to_string(1 + std::count(text.begin(), text.begin() + long(at), '\n'));
    };
    struct Case {
        std::string what, bytes, named;
    };
    std::vector<Case> cases;
    const char* const keywords[] = {"#EC0", "#EC2", "#EC3", "#EC5", "#EC6", "#EC9"};
    for (const char* kw : keywords) {
        const size_t at = shipped.find(std::string("\n\n") + kw + "\n");
        ASSERT_NE(at, std::string::npos) << kw;
        cases.push_back({std::string("cut before ") + kw, shipped.substr(0, at), std::string("Block ") + kw + " fehlt."});
        const std::string after = shipped.substr(0, at + 3 + std::strlen(kw));   // up to the keyword's line end
        cases.push_back({std::string("cut after ") + kw, after,
                         std::string("Block ") + kw +
                             (std::strcmp(kw, "#EC3") == 0
                                  ? std::string(": ein Abschnitt des Blocks fehlt")
                                  : ": die Datei endet in Zeile " +
                                        std::to_string(std::count(after.begin(), after.end(), '\n')) +
                                        " vor dem letzten Wert (die Datei ist abgeschnitten)")});
    }
    // Half the shipped file ends just after the EC0 block; a cut inside the EC5 values.
    cases.push_back({"half", shipped.substr(0, shipped.size() / 2), "Block #EC2 fehlt."});
    const std::string in_ec5 = shipped.substr(0, shipped.find("0.60 0.80 2.00"));
    cases.push_back({"cut inside #EC5", in_ec5,
                     "Block #EC5: die Datei endet in Zeile " +
                         std::to_string(1 + std::count(in_ec5.begin(), in_ec5.end(), '\n'))});
    {
        std::string without = shipped;
        const size_t from = without.find("\n\n#EC5\n"), to = without.find("\n\n#EC6\n");
        without.erase(from, to - from);
        cases.push_back({"without #EC5", without, "Block #EC5 fehlt."});
    }
    // Each count, found by the text before it.
    const struct { const char* before; const char* count; const char* part; } counts[] = {
        {"\n\n ", "18", "Kopfzeile"},
        {"\xAF ", "1", "Kopfzeile"},
        {" 0.80 0.70 0.50\n ", "5", "Block #EC0"},
        {" 200.000000\n\n\n#EC3\n EC3-1 Parameter\n ", "4", "Block #EC3"},
        {" EC3-8 Parameter\n ", "4", "Block #EC3"},
        {"#EC5\n ", "17", "Block #EC5"},
        {"#EC5\n 17\n ", "1", "Block #EC5"},
        {"#EC6\n ", "1", "Block #EC6"},
        {"#EC6\n 1\n ", "1", "Block #EC6"},
        {"#EC9\n ", "3", "Block #EC9"},
        {"#EC9\n 3\n ", "1", "Block #EC9"},
    };
    {
        // The EC2 version stands after the block's first 77 numbers, on a line of its own.
        const size_t ec2 = shipped.find("#EC2\n");
        const size_t at = shipped.find("\n 18\n", ec2);
        ASSERT_NE(at, std::string::npos);
        for (const char* bad : {"nan", "-1", "1e308", "99999999999"}) {
            std::string b = shipped;
            b.replace(at + 2, 2, bad);
            cases.push_back({std::string("EC2 version ") + bad, b, "Block #EC2, " + line_of(shipped, at + 2)});
        }
    }
    for (const auto& c : counts) {
        const size_t at = shipped.find(std::string(c.before) + c.count);
        ASSERT_NE(at, std::string::npos) << c.before;
        const size_t pos = at + std::strlen(c.before);
        for (const char* bad : {"nan", "-1", "1e308", "99999999999"}) {
            std::string b = shipped;
            b.replace(pos, std::strlen(c.count), bad);
            cases.push_back({std::string(c.part) + " count " + c.count + " -> " + bad, b,
                             std::string(c.part) + ", " + line_of(shipped, pos)});
        }
    }
    // One above each bound, a whole number that fits: 20 flag pictures (0 to 19), block layouts
    // and country indexes below 100.
    const struct { const char* before; const char* count; const char* above; const char* part; const char* named; } above[] = {
        {"\n\n ", "18", "20", "Kopfzeile", "Die Flaggennummer 20 liegt nicht zwischen 0 und 19."},
        {"\xAF ", "1", "100", "Kopfzeile", "Der Landesindex 100 liegt nicht zwischen 0 und 99."},
        {"#EC5\n ", "17", "100", "Block #EC5", "Die Versionsnummer 100 liegt nicht zwischen 0 und 99."},
        {"#EC9\n 3\n ", "1", "100", "Block #EC9", "Der Landesindex 100 liegt nicht zwischen 0 und 99."},
    };
    for (const auto& c : above) {
        const size_t pos = shipped.find(std::string(c.before) + c.count) + std::strlen(c.before);
        std::string b = shipped;
        b.replace(pos, std::strlen(c.count), c.above);
        cases.push_back({std::string(c.part) + " count " + c.count + " -> " + c.above, b,
                         std::string(c.part) + ", " + line_of(shipped, pos) + ": " + c.named});
    }
    const std::string path = data + "/NAD/Deutschland.NAD";
    std::set<std::string> shown;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nad_forget_state();
        ship("Deutschland.NAD", c.bytes);
        calllog::clear();
        EXPECT_EQ(nad_set_active("Deutschland"), -1);
        expect_standard_values_throughout();
        ASSERT_NE(nad_refused_set_name(), nullptr);
        EXPECT_STREQ(nad_refused_set_name(), "Deutschland");
        const std::string reason = nad_refused_set_reason();
        EXPECT_EQ(reason.find(path + ": "), 0u) << reason;
        EXPECT_NE(reason.find(c.named), std::string::npos) << reason << "\n" << c.named;
        // Shown once for each file and reason in a run.
        if (shown.insert(reason).second) {
            EXPECT_TRUE(calllog::contains(path + " wird nicht verwendet:"));
            EXPECT_TRUE(calllog::contains(c.named));
        }
        EXPECT_STREQ(nad_applied_set_name(), "EC-Standardparameter");
    }
    // The whole file is taken again and nothing is named.
    nad_forget_state();
    ship("Deutschland.NAD", shipped);
    calllog::clear();
    EXPECT_EQ(nad_set_active("Deutschland"), 0);
    EXPECT_FALSE(calllog::contains("wird nicht verwendet"));
    EXPECT_EQ(nad_refused_set_name(), nullptr);
    EXPECT_EQ(nad_country_index(), 1);

    // A user set cut to half its length.
    nad_forget_state();
    const std::string user = deutschland_as_user_set([](NadSet&) {});
    ASSERT_TRUE(testutil::write_file(user_file(), user.substr(0, user.size() / 2)));
    calllog::clear();
    EXPECT_EQ(nad_set_active("Eigene"), -1);
    EXPECT_TRUE(calllog::contains(user_file() + " wird nicht verwendet:"));
    EXPECT_TRUE(calllog::contains("(die Datei ist abgeschnitten)"));
    expect_standard_values_throughout();
    EXPECT_STREQ(nad_refused_set_name(), "Eigene");
}

// The sheet takes only plain decimal numbers inside the field's range: each bad entry is refused
// with a message naming the field, what was typed and the range, the value stays, and the saved
// file loads again. A comma counts as the decimal point.
TEST_F(NadPlausible, SheetRefusesWhatTheLoaderRefuses)
{
    sva_delete_all();
    prop_sheet_reset();
    deutschland_as_user_set([](NadSet& s) { s.ec5.kcr_mode = 1; });
    ASSERT_EQ(nad_set_active("Eigene"), 0);
    NadEc5Block* b = nad_part_ec5();
    // Only the crack-factor section open, so that its fields stand at the top of the page.
    const int saved[10] = {ec5_section_open[0], ec5_section_open[1], ec5_section_open[2], ec5_section_open[3],
                           ec5_section_open[4], ec5_section_open[5], ec5_section_open[6], ec5_section_open[7],
                           ec5_section_open[8], ec5_section_open[9]};
    // One section open at a time, so that its fields stand at the top of the page.
    auto open_only = [](int section) {
        for (int i = 0; i < 10; ++i) ec5_section_open[i] = i == section;
    };

    // Where the fields stand: the page's content coordinates, as a scratch area shows them.
    auto place_of = [&](const double* member, int* x, int* y) {
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
        const int scratch = sva_create(10, 10, 500, 900, 0, 1);
        nad_ec5_sheet(scratch, b, 1);
        for (const SvaItem* it = sva_slot(scratch)->first_item; it; it = it->next)
            if (nad_sheet_number_member(it) == member) *x = it->x1, *y = it->y1;
        nad_sheet_clear(scratch);
        sva_delete(scratch);
        Undefine_Prop_Sheet();
    };
    int gx = -1, gy = -1, kx = -1, ky = -1;
    open_only(1);
    place_of(&b->gamma_m_glulam, &gx, &gy);
    open_only(5);
    place_of(&b->kcr_solid_glulam, &kx, &ky);
    ASSERT_GE(gy, 0);
    ASSERT_GE(ky, 0);
    ASSERT_LT(std::max(gy, ky), 440);   // inside the visible pane

    const int px = NPIXEL_X / 2 - 210 + 8, py = NPIXEL_Y / 2 - 280 + 40;
    auto type_into = [&](int x, int y, const char* text) {
        input_script_click(px + x + 3, py + y - 3);
        input_script_type("\b\b\b\b\b\b\b\b\b\b\b\b");
        input_script_type(text);
        input_script_key(KEY_ENTER);
        input_script_key(KEY_ESC);
    };
    struct Bad { int x, y; const char* typed; const char* named; };
    // The section a place was taken in: material factors (1) or crack factor (5).
    auto section_of = [&](int x) { return x == gx ? 1 : 5; };
    const Bad bad[] = {
        {gx, gy, "0", "gamma_M Brettschichtholz = 0 liegt nicht zwischen 1,0 und 1,5"},
        {gx, gy, "-1.3", "gamma_M Brettschichtholz = -1.3 liegt nicht zwischen"},
        {gx, gy, "0.13", "gamma_M Brettschichtholz = 0.13 liegt nicht zwischen"},
        {gx, gy, "13", "gamma_M Brettschichtholz = 13 liegt nicht zwischen"},
        {gx, gy, "nan", "gamma_M Brettschichtholz: \"nan\" ist keine Dezimalzahl; erlaubt sind Werte von 1,0 bis 1,5."},
        {gx, gy, "inf", "\"inf\" ist keine Dezimalzahl"},
        {gx, gy, "1e308", "\"1e308\" ist keine Dezimalzahl"},
        {gx, gy, "1.3x", "\"1.3x\" ist keine Dezimalzahl"},
        {gx, gy, "0x1p1", "\"0x1p1\" ist keine Dezimalzahl"},
        {gx, gy, "abc", "gamma_M Brettschichtholz: \"abc\" ist keine Dezimalzahl"},
        {gx, gy, "", "gamma_M Brettschichtholz: kein Wert eingegeben"},
        {kx, ky, "6.7", "k_cr Voll- und Brettschichtholz = 6.7 liegt nicht zwischen 0,3 und 1,0"},
    };
    for (const Bad& c : bad) {
        SCOPED_TRACE(c.typed);
        calllog::clear();
        open_only(section_of(c.x));
        type_into(c.x, c.y, c.typed);
        input_script_key(KEY_ENTER);   // ok: the set is saved
        EXPECT_EQ(nad_parameter_sheet(5), 1);
        EXPECT_EQ(input_script_pending(), 0);
        EXPECT_TRUE(calllog::contains(c.named));
        EXPECT_EQ(b->gamma_m_glulam, 1.3);
        EXPECT_EQ(b->kcr_solid_glulam, 0.67);
    }
    // Typed plausibly, with a German comma: taken and saved.
    open_only(1);
    type_into(gx, gy, "1,25");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(5), 1);
    open_only(5);
    type_into(kx, ky, "0.5");
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(5), 1);
    EXPECT_EQ(b->gamma_m_glulam, 1.25);
    EXPECT_EQ(b->kcr_solid_glulam, 0.5);
    EXPECT_EQ(b->kcr_other, 1.0);
    nad_forget_state();
    ASSERT_EQ(nad_set_active("Eigene"), 0);
    EXPECT_DOUBLE_EQ(nad_part_ec5()->gamma_m_glulam, 1.25);
    EXPECT_DOUBLE_EQ(nad_part_ec5()->kcr_solid_glulam, 0.5);
    for (int i = 0; i < 10; ++i) ec5_section_open[i] = saved[i];
}

// A 44-character set name survives the sheet's save and is found again by the position that
// stored it; a name the file format cannot hold is not stored and the failed save is named.
TEST_F(NadPlausible, LongSetNameSurvivesSaving)
{
    sva_delete_all();
    prop_sheet_reset();
    const char* name = "Projekt Sporthalle Nordstadt 2024 Variante B";
    ASSERT_EQ(std::strlen(name), 44u);
    deutschland_as_user_set([](NadSet&) {}, name);
    ASSERT_EQ(nad_set_active(name), 0);
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(5), 1);
    EXPECT_NE(testutil::read_file(user_file()).find(std::string("\xAE") + name + "\xAF"), std::string::npos);
    nad_forget_state();
    calllog::clear();
    EXPECT_EQ(nad_set_active(name), 0);
    EXPECT_FALSE(calllog::contains("Warnung"));
    EXPECT_STREQ(nad_active_name(), name);
    EXPECT_STREQ(nad_current_set.set_name, name);

    // A name holding the closing mark cannot be stored: the file keeps its bytes and the sheet says so.
    const std::string before = testutil::read_file(user_file());
    std::snprintf(nad_current_set.set_name, sizeof nad_current_set.set_name, "%s", "Halle \xAF B");
    EXPECT_EQ(nad_set_name_storable(nad_current_set.set_name), 0);
    EXPECT_EQ(nad_set_name_storable(std::string(99, 'x').c_str()), 1);
    EXPECT_EQ(nad_set_name_storable(""), 0);
    calllog::clear();
    input_script_key(KEY_ENTER);
    EXPECT_EQ(nad_parameter_sheet(5), -1);
    EXPECT_TRUE(calllog::contains("konnte nicht gespeichert werden"));
    EXPECT_TRUE(calllog::contains(user_file()));
    EXPECT_EQ(testutil::read_file(user_file()), before);
}

// A choice file without its block is named (absolute path) and kept beside itself before the
// next save replaces it; "Deutschland" applies meanwhile.
TEST_F(NadPlausible, DamagedChoiceFileIsNamedAndKept)
{
    const std::string path = dram + "/POS_01.nad";
    const std::string damaged = "\n\nACTIV_NADNAM\n\xAE" "Eigene\xAF\n0\n";
    ASSERT_TRUE(testutil::write_file(path, damaged));
    calllog::clear();
    FILE* f = std::fopen(path.c_str(), "r");
    ASSERT_NE(f, nullptr);
    nad_read_active_name(f);
    std::fclose(f);
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_TRUE(calllog::contains("Die Auswahl des Nationalen Anhangs ist beschädigt"));
    EXPECT_TRUE(calllog::contains(path));
    EXPECT_TRUE(calllog::contains("Es gilt der Parametersatz \"Deutschland\""));
    EXPECT_EQ(testutil::read_file(path + ".bak"), damaged);

    // An intact file says nothing.
    ASSERT_TRUE(testutil::write_file(path, "\n\nACTIV_NADNAME\n\xAE" "EC-Standardparameter\xAF\n0\n"));
    calllog::clear();
    f = std::fopen(path.c_str(), "r");
    nad_read_active_name(f);
    std::fclose(f);
    EXPECT_FALSE(calllog::contains("beschädigt"));
    EXPECT_STREQ(nad_active_name(), "EC-Standardparameter");
}

// Plain decimal numbers only.
TEST(NadDecimal, PlainNumbersOnly)
{
    struct Case { const char* text; bool comma; bool ok; double value; };
    const Case cases[] = {
        {"1.3", false, true, 1.3}, {" -0.5 ", false, true, -0.5}, {"+2", false, true, 2}, {".5", false, true, 0.5},
        {"1,25", true, true, 1.25}, {"1,25", false, false, 0}, {"", false, false, 0}, {"-", false, false, 0},
        {"1.2.3", false, false, 0}, {"1e3", false, false, 0}, {"0x1p1", false, false, 0}, {"nan", false, false, 0},
        {"inf", false, false, 0}, {"1.3x", false, false, 0}, {"abc", false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -99;
        EXPECT_EQ(nad_parse_decimal(c.text, &v, c.comma), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

} // namespace
