// Parameter blocks of a national-annex set: default texts, round trips, older layouts.
#include "national_annex/nad_ec0_block.h"
#include "national_annex/nad_ec2_block.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_ec6_ec9_blocks.h"
#include "national_annex/nad_switches.h"
#include "nad_test_util.h"
#include "common/test_util.h"
#include "platform/os/c_numeric.h"

#include <gtest/gtest.h>

using nadtest::stream_of;
using nadtest::text_of;

namespace {

NadEc5Block ec5_defaults() { NadEc5Block b; nad_ec5_set_defaults(&b); return b; }
NadEc3Block ec3_defaults() { NadEc3Block b; nad_ec3_set_defaults(&b); return b; }
bool starts_with(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }
bool ends_with(const std::string& s, const std::string& p)
{
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

} // namespace

TEST(NadBlockText, DefaultBlocksWriteTheirGoldenText)
{
    const NadEc5Block ec5 = ec5_defaults();
    EXPECT_EQ(text_of([&](FILE* f) { nad_ec5_write(f, &ec5); }),
              " 17\n 0\n 0\n 0 0.670000 0.670000 1.000000\n 0\n"
              " 1.300000 1.300000 1.200000 1.300000 1.300000 1.300000\n"
              " 1.300000 1.300000 1.300000 1.250000 1.000000\n"
              " 1.300000 1.300000\n 0\n 0\n 0\n 0 0\n 0 1.30 1.30 1.00\n"
              " 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n 0.50 0.55 0.65 0.70 0.90\n"
              " 0.60 0.80 2.00\n"
              " 300 200 300 150 100 150 1 0.67 1.00 1 1 1.00\n"
              " 0  \n 0  \n 0  \n 0  \n"
              " 0.150000 2.000000 1.000000\n 1.300000 \n");

    const NadEc3Block ec3 = ec3_defaults();
    EXPECT_EQ(text_of([&](FILE* f) { nad_ec3_write(f, &ec3); }),
              " EC3-1 Parameter\n"
              " 4 1.000000 1.000000 1.250000 1.000000 1.000000 1.250000 0 1.000000\n"
              " 0.400000 0.750000 0 1.000000 1 1.000000\n"
              " EC3-8 Parameter\n"
              " 4 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n"
              " 3 1.200000\n"
              " 1.000000 1.150000 1.150000 1.350000\n"
              " 1.000000\n");

    NadEc6Block ec6;
    nad_ec6_set_defaults(&ec6);
    EXPECT_EQ(text_of([&](FILE* f) { nad_ec6_write(f, &ec6); }), " 1\n 0\n 1.500000 1.500000 1.500000 1.000000\n");
    NadEc9Block ec9;
    nad_ec9_set_defaults(&ec9);
    EXPECT_EQ(text_of([&](FILE* f) { nad_ec9_write(f, &ec9); }),
              " 3\n 0\n 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000 1.000000\n 1.200000\n");

    // EC0: 28 building pairs, 12 psi rows, the version, 60 bridge pairs, 52 psi rows, the factor a,
    // and the twelve psi2,E values on one line without a line end.
    NadEc0Block ec0;
    nad_ec0_set_defaults(&ec0);
    const std::string t0 = text_of([&](FILE* f) { nad_ec0_write(f, &ec0); });
    EXPECT_TRUE(starts_with(t0, " 1.35 1.00\n 1.50 0.00\n 1.35 0.00\n"));
    EXPECT_NE(t0.find("\n 0.50 0.20 0.00\n 0.70 0.50 0.20\n 0.60 0.20 0.00\n 0.60 0.50 0.00\n 1.00 1.00 1.00\n"
                      " 0.80 0.70 0.50\n 5\n 1.35 1.00\n"),
              std::string::npos);
    EXPECT_TRUE(ends_with(t0, " 1.00 0.00 1.00\n 0.80 0.70 0.60\n"
                              " 0.30 0.60 0.80 0.60 0.30 0.00 0.00 0.50 0.00 0.00 1.00 0.50"));

    // EC2: the unversioned head, then the version 18 on a line of its own.
    NadEc2Block ec2;
    nad_ec2_set_defaults(&ec2);
    const std::string t2 = text_of([&](FILE* f) { nad_ec2_write(f, &ec2); });
    EXPECT_TRUE(starts_with(t2, " 2 2 2 2 2 2 2 2 2 1.000000 0.000000 0.000000 1.000000 1.000000\n"));
    EXPECT_NE(t2.find("\n 18\n 2 0.500000 0.000000\n"), std::string::npos);
    EXPECT_TRUE(ends_with(t2, " 1.050000 0.900000 1.100000 0.900000\n 200.000000\n"));
}

namespace {

template <typename B, typename W, typename R>
B round_trip(const B& in, W write, R read, B start)
{
    std::string text = text_of([&](FILE* f) { write(f, &in); });
    FILE* f = stream_of(text);
    B out = start;
    read(f, &out);
    fclose(f);
    return out;
}

} // namespace

// Value -> file -> value for every block, with non-default values throughout.
TEST(NadBlockText, EveryBlockReadsBackWhatItWrote)
{
    NadEc5Block ec5 = ec5_defaults();
    ec5.country = 1;
    ec5.use_table_na1 = ec5.use_na11 = ec5.use_table_na4 = ec5.use_table_na15 = 1;
    ec5.threaded_rods_na = ec5.ltb_na = ec5.simplified_fasteners_na = ec5.kmod_na1_note_b = 1;
    ec5.use_na20 = ec5.use_na21 = ec5.use_na816 = ec5.use_na7_hole = 1;
    ec5.gamma_m_lvl_plywood_osb = 1.35;
    ec5.gamma_m_solid = 1.234;      // written "%.2f": comes back 1.23
    ec5.gamma_m_clt = 1.2345678;    // written "%lf": comes back 1.234568
    ec5.kmod[3][1] = 0.95;
    ec5.kdef[2] = 2.5;
    ec5.deflection_limits[2][1] = 125;
    ec5.kcr_mode = 2;
    ec5.wnetfin_mode = 2;
    ec5.kshape_factor = 0.05;
    ec5.kshape_max = 1.3;
    ec5.ltb_factor = 1.4;
    NadEc5Block ec5_back = round_trip(ec5, nad_ec5_write, [](FILE* f, NadEc5Block* b) { nad_ec5_read(f, b, 1); },
                                      NadEc5Block{});
    EXPECT_EQ(ec5_back.version, 17);
    EXPECT_DOUBLE_EQ(ec5_back.gamma_m_solid, 1.23);
    EXPECT_DOUBLE_EQ(ec5_back.gamma_m_clt, 1.234568);
    ec5.gamma_m_solid = 1.23;
    ec5.gamma_m_clt = 1.234568;
    EXPECT_EQ(nad_ec5_compare(&ec5, &ec5_back), 0);

    NadEc3Block ec3;
    nad_ec3_set_annex_defaults(&ec3);
    ec3.ec3_1.gamma_m_fi = 1.05;
    ec3.ec3_1.f_given = 1;
    ec3.ec3_8.gamma_mf[1][1] = 1.4;
    ec3.ec3_8.shear_lag_note = 2;
    NadEc3Block ec3_back =
        round_trip(ec3, nad_ec3_write, [](FILE* f, NadEc3Block* b) { nad_ec3_read(f, b, 1); }, NadEc3Block{});
    ec3_back.country = 1;   // the container's country comes from the set's header, not the block
    EXPECT_EQ(ec3_back.ec3_1.version, 4);
    EXPECT_EQ(ec3_back.ec3_8.version, 4);
    EXPECT_EQ(nad_ec3_compare(&ec3, &ec3_back), 0);

    NadEc0Block ec0;
    nad_ec0_set_defaults(&ec0);
    ec0.psi_buildings[7][3] = 0.55;
    ec0.gamma_bridges[2][7][0] = 1.45;
    ec0.psi_rail_bridges[30][2] = 0.25;
    ec0.rail_factor_a[2] = 0.65;
    NadEc0Block ec0_back =
        round_trip(ec0, nad_ec0_write, [](FILE* f, NadEc0Block* b) { nad_ec0_read(f, b, 1); }, NadEc0Block{});
    EXPECT_EQ(ec0_back.version, 5);
    EXPECT_EQ(nad_ec0_compare(&ec0, &ec0_back), 0);

    NadEc2Block ec2;
    nad_set_edition_mode(0);
    nad_ec2_set_alt_defaults(0, &ec2);
    nad_set_edition_mode(1);
    ec2.country = 1;
    ec2.reserved_switch = 2;
    ec2.hsc_class = 3;
    ec2.theta0_divisor = 150;
    NadEc2Block ec2_back = round_trip(ec2, nad_ec2_write, nad_ec2_read, NadEc2Block{});
    EXPECT_EQ(ec2_back.version, 18);
    EXPECT_EQ(nad_ec2_compare(&ec2, &ec2_back), 0);
    EXPECT_STREQ(ec2_back.situation_names[3], "au\xE1" "ergew\x94hnlich");

    NadEc6Block ec6;
    nad_ec6_set_alt_defaults(&ec6);
    NadEc6Block ec6_back = round_trip(ec6, nad_ec6_write, nad_ec6_read, NadEc6Block{});
    EXPECT_EQ(nad_ec6_equal(&ec6, &ec6_back), 1);
    NadEc9Block ec9;
    nad_ec9_set_alt_defaults(&ec9);
    ec9.c_constant = 1.1;
    NadEc9Block ec9_back = round_trip(ec9, nad_ec9_write, nad_ec9_read, NadEc9Block{});
    EXPECT_EQ(nad_ec9_equal(&ec9, &ec9_back), 1);
    EXPECT_EQ(ec9_back.version, 3);
}

namespace {

// EC5 text of version 10 (country given): fields of later versions are missing.
std::string ec5_v10(int country)
{
    return " 10\n " + std::to_string(country) +
           "\n 0\n 0 0.67 0.67 1.0\n 0\n 1.3 1.3 1.25 1.3 1.3 1.3\n 1.3 1.3 1.3 1.25 1.0\n 1.3 1.3\n 0\n 0\n 0\n"
           " 0 0\n 1 1.30 1.30 1.00\n 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n"
           " 0.50 0.55 0.65 0.70 0.90\n 0.60 0.80 2.00\n 300 200 300 150 100 150 2 0.67 1.00 2 1 1.00\n";
}

NadEc5Block read_ec5(const std::string& text)
{
    NadEc5Block b{};
    FILE* f = stream_of(text);
    nad_ec5_read(f, &b, 1);
    fclose(f);
    return b;
}

} // namespace

TEST(NadBlockUpgrade, Ec5OlderVersionsTakeTheirCountrysRules)
{
    struct Case {
        const char* what;
        std::string text;
        int version, na_switches;
        double kshape_factor, kshape_max, gamma_m_lvl, kmod_short_sc1;
        int kcr_mode;
    };
    std::string cut = ec5_v10(1);
    cut.replace(cut.find(" 0.60 0.70 0.80 0.90 1.10\n"), 5, " 0.60 x");   // a word among the k_mod values
    const Case cases[] = {
        {"version 10, country set", ec5_v10(1), 10, 1, 0.05, 1.3, 1.25, 0.9, 2},
        {"version 10, no country", ec5_v10(0), 10, 0, 0.15, 2.0, 1.25, 0.9, 2},
        // Reading stops at the word: the gamma_M of version 3 stay, k_mod and the rest keep the
        // defaults, and no upgrade rule runs (the NA switches stay 0 despite the country).
        {"non-numeric k_mod", cut, 10, 0, 0.15, 2.0, 1.25, 0.9, 1},
        {"version 2 only", " 2\n 1\n 1\n 0 0.67 0.67 1.0\n 1\n", 2, 1, 0.05, 1.3, 1.2, 0.9, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NadEc5Block b = read_ec5(c.text);
        EXPECT_EQ(b.version, c.version);
        EXPECT_EQ(b.use_na20, c.na_switches);
        EXPECT_EQ(b.use_na21, c.na_switches);
        EXPECT_EQ(b.use_na816, c.na_switches);
        EXPECT_EQ(b.use_na7_hole, c.na_switches);
        EXPECT_DOUBLE_EQ(b.kshape_factor, c.kshape_factor);
        EXPECT_DOUBLE_EQ(b.kshape_max, c.kshape_max);
        EXPECT_DOUBLE_EQ(b.gamma_m_lvl_plywood_osb, c.gamma_m_lvl);
        EXPECT_DOUBLE_EQ(b.kmod[3][0], c.kmod_short_sc1);
        EXPECT_EQ(b.kcr_mode, c.kcr_mode);
    }

    // A null file leaves every field but the version unchanged.
    NadEc5Block b = ec5_defaults();
    b.gamma_m_solid = 9;
    nad_ec5_read(nullptr, &b, 1);
    EXPECT_EQ(b.version, 0);
    EXPECT_EQ(b.gamma_m_solid, 9);
}

TEST(NadBlockUpgrade, Ec3Ec6Ec9OlderAndCutBlocks)
{
    // EC3-1 of version 2 (six factors and the switch): the later fields keep their defaults.
    NadEc3Block ec3{};
    FILE* f = stream_of(" EC3-1 Parameter\n 2 1.0 1.1 1.25 1.0 1.0 1.15 1\n EC3-8 Parameter\n"
                        " 4 1.3 1.0 1.0 1.0 1.1 1.1\n");   // EC3-8 cut after the six factors
    nad_ec3_read(f, &ec3, 1);
    fclose(f);
    EXPECT_EQ(ec3.ec3_1.version, 2);
    EXPECT_DOUBLE_EQ(ec3.ec3_1.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(ec3.ec3_1.gamma_m2_accidental, 1.15);
    EXPECT_EQ(ec3.ec3_1.ltb_f_general, 1);
    EXPECT_DOUBLE_EQ(ec3.ec3_1.lambda_lt0, 0.4);
    EXPECT_EQ(ec3.ec3_8.version, 0);                 // the cut block failed ...
    EXPECT_DOUBLE_EQ(ec3.ec3_8.gamma_m3, 1.3);       // ... keeping the six factors read
    EXPECT_DOUBLE_EQ(ec3.ec3_8.eta_shear, 1.2);

    // Oldest single-file layout: only " EC3-8 Parameter", country, an EC3-1 text, six factors.
    f = stream_of("#NAD\n EC3-8 Parameter\n 1\n 2 1.0 1.1 1.25 1.0 1.0 1.15 1\n 1.3 1.0 1.0 1.0 1.1 1.1\n#NAD\n");
    fgets(std::string(8, ' ').data(), 6, f);
    nad_ec3_read(f, &ec3, 0);
    fclose(f);
    EXPECT_EQ(ec3.country, 1);
    EXPECT_DOUBLE_EQ(ec3.ec3_1.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(ec3.ec3_8.gamma_m3, 1.3);

    struct Ec9Case { const char* text; int version; double gamma_mw, c; };
    const Ec9Case ec9_cases[] = {
        {" 1\n 1\n 1.2 1.3 1.4\n", 1, 1.25, 1.2},
        {" 2\n 1\n 1.2 1.3 1.4 1.5 1.1 1.25 3.0 1.0\n", 2, 1.5, 1.2},
        {" 3\n 1\n 1.2 1.3 1.4 1.5 1.1 1.25 3.0 1.0\n 1.1\n", 3, 1.5, 1.1},
    };
    for (const Ec9Case& c : ec9_cases) {
        SCOPED_TRACE(c.text);
        NadEc9Block b{};
        f = stream_of(c.text);
        nad_ec9_read(f, &b);
        fclose(f);
        EXPECT_EQ(b.version, c.version);
        EXPECT_DOUBLE_EQ(b.gamma_m1, 1.2);
        EXPECT_DOUBLE_EQ(b.gamma_mw, c.gamma_mw);
        EXPECT_DOUBLE_EQ(b.c_constant, c.c);
    }

    // A cut-off EC6 block keeps the standard factors after the cut, not zeros.
    NadEc6Block ec6{};
    f = stream_of(" 1\n 1\n 1.6 1.3");
    nad_ec6_read(f, &ec6);
    fclose(f);
    EXPECT_EQ(ec6.country, 1);
    EXPECT_DOUBLE_EQ(ec6.gamma_m_persistent, 1.6);
    EXPECT_DOUBLE_EQ(ec6.gamma_m_accidental, 1.3);
    EXPECT_DOUBLE_EQ(ec6.gamma_m_seismic, 1.5);
    EXPECT_DOUBLE_EQ(ec6.gamma_m_serviceability, 1.0);
}

TEST(NadBlockUpgrade, Ec2OlderVersionsAndCountryRules)
{
    NadEc2Block src;
    nad_ec2_set_defaults(&src);
    src.v_min = 0.035;
    src.reserved_a = 0.123;
    src.reserved_b = 0.456;
    src.gamma_c_sls = 1.111;
    src.gamma_s_sls = 1.222;
    src.v12_factor = 0.777;
    src.cot_theta_max_bridges = 2.2;
    src.r_sup_pre = 1.2;
    const std::string full = text_of([&](FILE* f) { nad_ec2_write(f, &src); });
    const size_t version_at = full.find("\n 18\n");
    const std::string head = full.substr(0, version_at + 1);
    const std::string after_v12 = full.substr(0, full.find(" 0.777000\n") + 10);
    const size_t stress_at = full.find("  ", full.find(" 0.777000\n"));   // the k_stress line's double blanks
    const std::string after_v16 = full.substr(0, full.find('\n', stress_at) + 1);
    auto with_version = [&](std::string text, int v) {
        return text.replace(version_at + 1, 4, " " + std::to_string(v) + "\n");
    };
    auto read = [](const std::string& text, int country) {
        std::string t = text;
        if (country) {
            size_t p = t.find("\n 0 0\n");   // reserved_switch and country (version 7 and later)
            if (p != std::string::npos) t.replace(p, 6, "\n 0 1\n");
        }
        NadEc2Block b{};
        FILE* f = stream_of(t);
        nad_ec2_read(f, &b);
        fclose(f);
        return b;
    };

    // Version 6: head, then the lines of versions 1 to 6; v_min scaled by 1.5 (0.035 * 1.5 = 0.0525).
    NadEc2Block v6 = read(head + " 6\n 2 0.5 0.0\n 2 0.1 2 0.002\n 1 0.5 0\n 1 1.3 1.5 1.2 0.4\n 1 0.8 0.8\n 1.5\n", 0);
    EXPECT_EQ(v6.version, 6);
    EXPECT_NEAR(v6.v_min, 0.0525, 1e-12);
    EXPECT_EQ(v6.nu_torsion, v6.nu_shear);
    EXPECT_EQ(v6.nu_l_torsion, v6.nu_l_shear);
    EXPECT_DOUBLE_EQ(v6.r_inf_post, 1.0);

    // Version 14 of a country set: the bridge values follow the country's rules.
    NadEc2Block v14c = read(with_version(after_v12, 14), 1);
    EXPECT_EQ(v14c.version, 14);
    EXPECT_EQ(v14c.country, 1);
    EXPECT_DOUBLE_EQ(v14c.cot_theta_max_bridges, 1.75);
    EXPECT_DOUBLE_EQ(v14c.as_min_column_floor_bridges, 0.003);
    EXPECT_DOUBLE_EQ(v14c.gamma_c_bridges[3], 1.3);
    EXPECT_DOUBLE_EQ(v14c.r_inf_pre, 0.95);
    EXPECT_DOUBLE_EQ(v14c.k_hsc_section, 1.0);   // always 1.0 in a country set
    EXPECT_DOUBLE_EQ(v14c.k_m_hsc, 1.0);
    NadEc2Block v14 = read(with_version(after_v12, 14), 0);
    EXPECT_DOUBLE_EQ(v14.cot_theta_max_bridges, 2.5);
    EXPECT_DOUBLE_EQ(v14.as_min_column_floor_bridges, 0.002);
    EXPECT_DOUBLE_EQ(v14.k_hsc_section, 1.1);

    // Version 16 without a country: all four prestressing scatter factors 1.0.
    NadEc2Block v16 = read(with_version(after_v16, 16), 0);
    EXPECT_EQ(v16.version, 16);
    EXPECT_DOUBLE_EQ(v16.cot_theta_max_bridges, 2.2);
    EXPECT_DOUBLE_EQ(v16.k_stress_limits[4], 0.65);
    for (double r : {v16.r_sup_pre, v16.r_sup_post, v16.r_inf_pre, v16.r_inf_post}) EXPECT_DOUBLE_EQ(r, 1.0);

    // Version 12 holds words where reserved_a, reserved_b and the two SLS factors stand.
    std::string v12text = with_version(after_v12, 12);
    for (const char* value : {"0.123000", "0.456000", "1.111000", "1.222000"})
        v12text.replace(v12text.find(value), 8, "wordword");
    NadEc2Block v12 = read(v12text, 0);
    EXPECT_EQ(v12.version, 12);
    EXPECT_EQ(v12.reserved_a, 0);
    EXPECT_EQ(v12.reserved_b, 0);
    EXPECT_DOUBLE_EQ(v12.gamma_c_sls, 1.0);
    EXPECT_DOUBLE_EQ(v12.v12_factor, 0.777);

    // A cut head: version 0, values read so far kept, the rest default, no upgrade.
    NadEc2Block cut = read(head.substr(0, 40), 0);
    EXPECT_EQ(cut.version, 0);

    NadEc2Block sw;
    nad_ec2_set_defaults(&sw);
    sw.hsc_class = 4;
    EXPECT_GT(nad_ec2_fix_switches(&sw, 0), 0);
    EXPECT_EQ(sw.hsc_class, 4);
    EXPECT_GT(nad_ec2_fix_switches(&sw, 1), 0);
    EXPECT_EQ(sw.hsc_class, 1);
}

TEST(NadBlockUpgrade, Ec0OlderLayouts)
{
    NadEc0Block src;
    nad_ec0_set_defaults(&src);
    std::string persistent, other_situations, psi;
    char num[32];
    for (int s = 0; s < 4; ++s)
        for (const auto& k : src.gamma_buildings[s]) {
            c_snprintf(num, sizeof num, " %.2f %.2f\n", k[0], k[1]);
            (s == 0 ? persistent : other_situations) += num;
        }
    for (const auto& r : src.psi_buildings) {
        c_snprintf(num, sizeof num, " %.2f %.2f %.2f\n", r[0], r[1], r[2]);
        psi += num;
    }
    const std::string buildings = persistent + other_situations + psi;

    // Version 3: no footbridge pair; each situation's kind 7 takes the road-traffic pair.
    std::string v3 = buildings + " 3\n";
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 15; ++k)
            if (k != 7) { c_snprintf(num, sizeof num, " %.2f %.2f\n", 1.0 + k * 0.01 + s * 0.1, 0.0); v3 += num; }
    for (int i = 0; i < (14 + 7 + 31) * 3 + 3; ++i) v3 += " 0.5";
    NadEc0Block b;
    nad_ec0_set_defaults(&b);
    b.psi_buildings[0][3] = 0.99;
    FILE* f = stream_of(v3);
    nad_ec0_read(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 3);
    for (int s = 0; s < 4; ++s) {
        EXPECT_DOUBLE_EQ(b.gamma_bridges[s][7][0], 1.06 + s * 0.1);
        EXPECT_DOUBLE_EQ(b.gamma_bridges[s][8][0], 1.08 + s * 0.1);
    }
    EXPECT_DOUBLE_EQ(b.psi_buildings[0][3], 0.99);   // no psi2,E values below version 5
    EXPECT_DOUBLE_EQ(b.rail_factor_a[2], 0.5);

    // No version number after the building psi rows: version 2, the bridges keep their values.
    nad_ec0_set_defaults(&b);
    f = stream_of(buildings + " x 9 9 9\n");
    nad_ec0_read(f, &b, 1);
    fclose(f);
    EXPECT_EQ(b.version, 2);
    EXPECT_DOUBLE_EQ(b.gamma_bridges[0][0][0], 1.35);

    // Old single file: " Lastfaktoren 0" carries the persistent building factors only.
    nad_ec0_set_defaults(&b);
    b.gamma_buildings[1][0][0] = 7;
    b.psi_buildings[11][2] = 7;
    f = stream_of(" Lastfaktoren 0\n 1.40 1.10\n" + persistent.substr(11) + psi + "#NAD\n");
    nad_ec0_read(f, &b, 0);
    fclose(f);
    EXPECT_DOUBLE_EQ(b.gamma_buildings[0][0][0], 1.40);
    EXPECT_DOUBLE_EQ(b.gamma_buildings[1][0][0], 7);     // accidental factors not in this layout
    EXPECT_DOUBLE_EQ(b.psi_buildings[11][2], 0.5);

    // Compare tolerance 0.0001; the version is not compared.
    NadEc0Block x, y;
    nad_ec0_set_defaults(&x);
    nad_ec0_set_defaults(&y);
    y.version = 5;
    y.psi_road_bridges[3][1] += 0.00005;
    EXPECT_EQ(nad_ec0_compare(&x, &y), 0);
    y.psi_road_bridges[3][1] += 0.01;
    EXPECT_EQ(nad_ec0_compare(&x, &y), 1);
}

// Under a German numeric locale the blocks are written with the same bytes as under "C" and
// read back to the same values: a decimal comma would end every number at its point.
TEST(NadBlockUpgrade, BlocksKeepTheirPointUnderAGermanNumericLocale)
{
    NadEc0Block b;
    nad_ec0_set_defaults(&b);
    b.gamma_buildings[0][0][0] = 1.3;
    const std::string in_c = nadtest::text_of([&](FILE* f) { nad_ec0_write(f, &b); });
    ASSERT_NE(in_c.find(" 1.30 "), std::string::npos);

    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    EXPECT_EQ(nadtest::text_of([&](FILE* f) { nad_ec0_write(f, &b); }), in_c);
    NadEc0Block back;
    nad_ec0_set_defaults(&back);
    back.gamma_buildings[0][0][0] = 7;
    FILE* f = stream_of(in_c);
    nad_ec0_read(f, &back, 1);
    fclose(f);
    EXPECT_DOUBLE_EQ(back.gamma_buildings[0][0][0], 1.3);
    EXPECT_EQ(nad_ec0_compare(&back, &b), 0);
}

TEST(NadBlockCompare, ToleranceAndIgnoredFields)
{
    NadEc5Block a = ec5_defaults(), b = ec5_defaults();
    b.gamma_m_fire = 1.1;
    b.v10_switch = 0;
    EXPECT_EQ(nad_ec5_compare(&a, &b), 0);   // fire factor and its switch are not compared
    b.kmod[4][2] = 0.95;
    EXPECT_EQ(nad_ec5_compare(&a, &b), 1);
    b.version = 9;
    EXPECT_EQ(nad_ec5_compare(&a, &b), 0);   // blocks older than version 10 never differ

    NadEc3Block x = ec3_defaults(), y = ec3_defaults();
    y.ec3_1.gamma_m1 += 0.00005;
    EXPECT_EQ(nad_ec3_1_compare(&x.ec3_1, &y.ec3_1), 0);
    y.ec3_1.gamma_m1 += 0.001;
    EXPECT_EQ(nad_ec3_1_compare(&x.ec3_1, &y.ec3_1), 1);
    EXPECT_EQ(nad_ec3_8_compare(&x.ec3_8, nullptr), 1);

    NadEc2Block c, d;
    nad_ec2_set_defaults(&c);
    nad_ec2_set_defaults(&d);
    d.theta0_divisor += 0.00005;
    d.situation_names[0][0] = 'X';
    EXPECT_EQ(nad_ec2_compare(&c, &d), 0);
    d.r_inf_post += 0.01;   // the last double of the compared run
    EXPECT_EQ(nad_ec2_compare(&c, &d), 1);

    NadEc6Block e, g;
    nad_ec6_set_defaults(&e);
    nad_ec6_set_defaults(&g);
    g.gamma_m_seismic += 0.00005;
    EXPECT_EQ(nad_ec6_equal(&e, &g), 1);
    g.country = 1;
    EXPECT_EQ(nad_ec6_equal(&e, &g), 0);
}

TEST(NadSectionSearch, StopsAtTheNextSetAndReadsTheNumber)
{
    FILE* f = stream_of("first\n EC5 Parameter\n#NAD\n Lastfaktoren 3\nnext line\n");
    char line[64];
    fgets(line, sizeof line, f);
    const long start = ftell(f);
    int value = -1;
    EXPECT_EQ(nad_find_section(f, " Lastfaktoren", "#NAD", &value), 2);
    EXPECT_EQ(ftell(f), start);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(nad_find_section(f, " EC5 Parameter", "#NAD", &value), 1);
    fgets(line, sizeof line, f);
    EXPECT_STREQ(line, "#NAD\n");
    EXPECT_EQ(nad_find_section(f, " Lastfaktoren", "#XYZ", &value), 1);
    EXPECT_EQ(value, 3);
    fgets(line, sizeof line, f);
    EXPECT_STREQ(line, "next line\n");
    EXPECT_EQ(nad_find_section(f, " Fehlt", "#NAD", nullptr), 0);
    fclose(f);
}
