// Every value row of the timber report and the combination factors of the load-factor report
// against the set that was activated: both shipped sets, and a user set in which every value
// differs from every other, so that a row printing a neighbour's value cannot pass by chance.
#include "national_annex/nad_ec0_names.h"
#include "national_annex/nad_folders.h"
#include "national_annex/nad_test_util.h"
#include "output/nad_report_ec0.h"
#include "output/nad_report_ec5.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <sys/stat.h>
#include <vector>

namespace {

class NadReportValues : public NadFolders {
protected:
    void SetUp() override
    {
        NadFolders::SetUp();
        ship_both();
        // User set "Werte": "Deutschland" with every EC5 factor and every combination factor
        // of buildings distinct, all inside their plausible ranges.
        static NadSet s;
        nad_reset_current_set();
        s = nad_current_set;
        ASSERT_EQ(nad_load_set(0, "Deutschland", &s), 1);
        std::snprintf(s.set_name, sizeof s.set_name, "%s", "Werte");
        NadEc5Block& e = s.ec5;
        double* gammas[] = {&e.gamma_m_solid,          &e.gamma_m_glulam,          &e.gamma_m_clt,
                            &e.gamma_m_lvl_plywood_osb, &e.gamma_m_particleboard,   &e.gamma_m_hard_fibreboard,
                            &e.gamma_m_medium_fibreboard, &e.gamma_m_mdf,           &e.gamma_m_soft_fibreboard,
                            &e.gamma_m_connections,     &e.gamma_m_punched_metal_plates,
                            &e.gamma_m_steel_in_connections, &e.gamma_m_plasterboard};
        for (size_t i = 0; i < sizeof gammas / sizeof gammas[0]; ++i) *gammas[i] = 1.01 + 0.01 * double(i);
        e.gamma_m_accidental = 1.21;
        e.gamma_m_fire = 1.22;
        for (int d = 0; d < 5; ++d)
            for (int c = 0; c < 3; ++c) e.kmod[d][c] = 0.30 + 0.05 * (3 * d + c);
        e.kdef[0] = 0.61, e.kdef[1] = 0.82, e.kdef[2] = 2.03;
        for (int r = 0; r < 3; ++r) e.deflection_limits[r][0] = 301 + r, e.deflection_limits[r][1] = 151 + r;
        e.kshape_factor = 0.11, e.kshape_max = 1.41, e.ltb_factor = 1.23;
        for (int r = 0; r < 12; ++r)
            for (int k = 0; k < 4; ++k) s.ec0.psi_buildings[r][k] = 0.01 * (4 * r + k + 1);
        mkdir((dram + "/NADS").c_str(), 0777);
        ASSERT_EQ(nad_store_user_set(1, &s), 1);
    }

    static std::vector<std::string> lines_of(const std::string& text)
    {
        std::vector<std::string> out;
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find('\n', at);
            if (end == std::string::npos) end = text.size();
            out.push_back(text.substr(at, end - at));
            at = end + 1;
        }
        return out;
    }

    // The decimal numbers of a text, in order.
    static std::vector<double> numbers_in(const std::string& text)
    {
        std::vector<double> v;
        for (size_t i = 0; i < text.size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(text[i])) && (i == 0 || !std::isalnum((unsigned char)text[i - 1]))) {
                char* end = nullptr;
                v.push_back(std::strtod(text.c_str() + i, &end));
                i = size_t(end - text.c_str());
            }
        return v;
    }

    // The numbers after `key` on the one line that holds it.
    static std::vector<double> row(const std::vector<std::string>& lines, const std::string& key)
    {
        const std::string* found = nullptr;
        for (const std::string& l : lines)
            if (l.find(key) != std::string::npos) {
                EXPECT_EQ(found, nullptr) << "two lines hold " << key;
                found = &l;
            }
        EXPECT_NE(found, nullptr) << "no line holds " << key;
        if (!found) return {};
        return numbers_in(found->substr(found->find(key) + key.size()));
    }

    static void expect_values(const std::vector<double>& printed, std::vector<double> expected, const std::string& key,
                              double tolerance = 0.005)
    {
        ASSERT_EQ(printed.size(), expected.size()) << key;
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(printed[i], expected[i], tolerance) << key << " #" << i;
    }
};

TEST_F(NadReportValues, TimberReportRowsShowTheirOwnValues)
{
    for (const char* set : {"Deutschland", "EC-Standardparameter", "Werte"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        const NadEc5Block& b = *nad_part_ec5();
        const auto lines = lines_of(nadtest::text_of([](FILE* f) { nad_ec5_report(f); }));

        expect_values(row(lines, " st\204ndig und vor\201bergehend   Vollholz"), {b.gamma_m_solid}, "solid");
        expect_values(row(lines, "                             Brettschichtholz"), {b.gamma_m_glulam}, "glulam");
        expect_values(row(lines, " au\341ergew\224hnlich             alle Arten"), {b.gamma_m_accidental}, "accidental");
        expect_values(row(lines, " Brandschutz"), {b.gamma_m_fire}, "fire");
        const char* const durations[5] = {" st\204ndig   ", " lange     ", " mittel    ", " kurz      ", " sehr kurz "};
        for (int d = 0; d < 5; ++d)
            expect_values(row(lines, durations[d]), {b.kmod[d][0], b.kmod[d][1], b.kmod[d][2]}, durations[d]);
        expect_values(row(lines, " k\316\\def\316r"), {b.kdef[0], b.kdef[1], b.kdef[2]}, "k_def");
        const char* const limits[3] = {" w\316\\inst\316r   ", " w\316\\fin\316r   ", " w\316\\net,fin\316r     l/"};
        for (int r = 0; r < 3; ++r)
            expect_values(row(lines, limits[r]), {b.deflection_limits[r][0], b.deflection_limits[r][1]}, limits[r], 0.5);
        expect_values(row(lines, " k\316\\shape\316r = 1 + "), {b.kshape_factor, b.kshape_max}, "k_shape");
        // The German annex's clause only with that annex.
        expect_values(row(lines, b.country ? "NCI Zu 6.3.3(2) = " : " Faktor f\201r die bezogene Kippschlankheit = "),
                      {b.ltb_factor}, "ltb");

        // The chapter table: gamma_M by the material its row names.
        std::map<std::string, double> printed;
        const std::string gamma = "\300\316\\M\316r = ";
        for (const std::string& l : lines) {
            const size_t at = l.find(gamma);
            if (at == std::string::npos) continue;
            char* end = nullptr;
            const double v = std::strtod(l.c_str() + at + gamma.size(), &end);
            std::string material(end);
            material.erase(0, material.find_first_not_of(' '));
            EXPECT_EQ(printed.count(material), 0u) << material;
            printed[material] = v;
        }
        std::map<std::string, double> expected = {
            {"Vollholz", b.gamma_m_solid},
            {"Brettschichtholz", b.gamma_m_glulam},
            {"Brettsperrholz", b.gamma_m_clt},
            {"LVL, Sperrholz, OSB", b.gamma_m_lvl_plywood_osb},
            {"Spanplatten", b.gamma_m_particleboard},
            {"Harte Faserplatten", b.gamma_m_hard_fibreboard},
            {"Mittelharte Faserplatten", b.gamma_m_medium_fibreboard},
            {"MDF-Faserplatten", b.gamma_m_mdf},
            {"Weiche Faserplatten", b.gamma_m_soft_fibreboard},
            {"Verbindungen", b.gamma_m_connections},
            {"Nagelplatten", b.gamma_m_punched_metal_plates},
        };
        if (b.country) {
            expected["Stahl in Verbindungen"] = b.gamma_m_steel_in_connections;
            expected["Gipskarton, etc."] = b.gamma_m_plasterboard;
        }
        ASSERT_EQ(printed.size(), expected.size());
        for (const auto& [material, value] : expected) {
            ASSERT_EQ(printed.count(material), 1u) << material;
            EXPECT_NEAR(printed[material], value, 0.005) << material;
        }
    }
}

// The four combination factors of every row of buildings, psi2,E included: in the shipped sets
// psi2,E equals psi2 in most rows, in "Werte" no two are alike.
TEST_F(NadReportValues, CombinationFactorsOfBuildingsShowTheirOwnColumns)
{
    for (const char* set : {"Deutschland", "EC-Standardparameter", "Werte"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        const NadEc0Block& b = *nad_part_ec0();
        // The table of buildings only: the bridges' tables name some of the same actions.
        const std::string text = nadtest::text_of([](FILE* f) { nad_ec0_report(f); });
        const size_t from = text.find(" \316HKombinationsbeiwerte\n");
        ASSERT_NE(from, std::string::npos);
        const auto lines = lines_of(text.substr(from, text.find("#END_OF_TEXT", from) - from));
        for (int r = 0; r < 12; ++r) {
            char key[80];
            std::snprintf(key, sizeof key, " %-30s   %-5s", kEc0BuildingPsiRows[r][0], kEc0BuildingPsiRows[r][1]);
            const double* p = b.psi_buildings[r];
            expect_values(row(lines, key), {p[0], p[1], p[2], p[3]}, key);
        }
    }
}

} // namespace
