// The shipped set files "Standard.NAD" and "Deutschland.NAD" of the DATA folder.
// With TAVO_WRITE_NAD_DATA=1 in the environment this test writes both files from the values
// below; otherwise it checks that the committed files are exactly what the values give.
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "national_annex/nad_switches.h"
#include "nad_test_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/test_util.h"

namespace {

const std::string kNadDir = std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/NAD";

void block_defaults(NadSet* s)
{
    memset(s, 0, sizeof *s);
    nad_ec0_set_defaults(&s->ec0);
    nad_ec2_set_defaults(&s->ec2);
    nad_ec3_set_defaults(&s->ec3);
    nad_ec5_set_defaults(&s->ec5);
    nad_ec6_set_defaults(&s->ec6);
    nad_ec9_set_defaults(&s->ec9);
}

// "EC-Standardparameter": the block defaults under the standard header.
void standard_set(NadSet* s)
{
    block_defaults(s);
    s->flag_index = 19;
    s->country = 0;
    snprintf(s->set_name, sizeof s->set_name, "%s", "EC-Standard");
}

// "Deutschland": the German national annexes. data/DATA/NAD/README.md gives the clause of
// every value and says which values are not verified against the annex texts.
void deutschland_set(NadSet* s)
{
    block_defaults(s);
    s->flag_index = 18;
    s->country = 1;
    snprintf(s->set_name, sizeof s->set_name, "%s", "Deutschland");

    // EN 1990/NA: the building values equal the block's defaults (Tables NA.A.1.1, NA.A.1.2(B)).

    // EN 1992-1-1/NA and EN 1992-2/NA.
    NadEc2Block& c = s->ec2;
    const int edition = nad_edition_mode();
    nad_set_edition_mode(0);                 // joint values of 6.2.5 as DIN EN 1992-1-1/NA gives them
    nad_ec2_set_alt_defaults(0, &c);
    nad_set_edition_mode(edition);
    c.country = 1;
    c.v_min = 0.0525;                         // 6.2.2(1): 0.0525/gamma_C k^3/2 f_ck^1/2 (d <= 600 mm)
    c.v_min_bridges = 0.0525;
    c.v_lmin = 0.042;
    c.alpha_cc_pl = 0.70;                     // 12.3.1(1)
    c.alpha_ct_pl = 0.70;
    for (int i = 0; i < 3; ++i) c.gamma_s_bridges[i] = 1.15;
    c.gamma_s_bridges[3] = 1.0;
    c.gamma_c_bridges[3] = 1.3;
    c.cot_theta_max_bridges = 1.75;           // DIN EN 1992-2/NA 6.2.3(2)
    c.as_min_column_floor_bridges = 0.003;
    c.r_sup_pre = 1.05;                       // 5.10.9(1)P
    c.r_inf_pre = 0.95;
    c.r_sup_post = 1.10;
    c.r_inf_post = 0.90;
    c.k_hsc_section = 1.0;
    c.k_m_hsc = 1.0;

    // EN 1993-1-1/NA, 1993-1-2/NA, 1993-1-5/NA, 1993-1-8/NA, 1993-1-9/NA, 1993-6/NA.
    nad_ec3_set_annex_defaults(&s->ec3);

    // EN 1995-1-1/NA:2013-08.
    NadEc5Block& t = s->ec5;
    t.country = 1;
    t.use_table_na1 = 1;
    t.use_na11 = 1;
    t.gamma_m_lvl_plywood_osb = 1.3;          // Table NA.2: 1.3 for all wood-based panels
    t.use_table_na4 = 1;
    t.use_table_na15 = 1;
    t.threaded_rods_na = 1;
    t.ltb_na = 1;
    t.simplified_fasteners_na = 1;
    t.kmod_na1_note_b = 1;                    // Table NA.1 (b): "kurz/sehr kurz"
    t.kcr_mode = 2;                           // NDP 6.1.7(2)
    t.kcr_solid_glulam = 0.67;
    t.kcr_other = 1.0;
    t.wnetfin_mode = 2;
    t.use_na20 = t.use_na21 = t.use_na816 = t.use_na7_hole = 1;
    t.kshape_factor = 0.05;                   // NDP 6.1.8: k_shape = min(1 + 0.05 h/b; 1.3)
    t.kshape_max = 1.3;
    t.ltb_factor = 1.4;

    // EN 1996-1-1/NA and EN 1999-1-1/NA.
    nad_ec6_set_alt_defaults(&s->ec6);
    nad_ec9_set_alt_defaults(&s->ec9);
}

std::string set_text(void (*build)(NadSet*))
{
    static NadSet s;
    build(&s);
    return nadtest::text_of([&](FILE* f) { nad_write_set(f, &s); });
}

} // namespace

TEST(NadShippedSets, FilesAreWhatTheirValuesWrite)
{
    const std::string standard = set_text(standard_set);
    const std::string deutschland = set_text(deutschland_set);
    const char* write = getenv("TAVO_WRITE_NAD_DATA");
    if (write && strcmp(write, "1") == 0) {
        ASSERT_TRUE(testutil::write_file(kNadDir + "/Standard.NAD", standard));
        ASSERT_TRUE(testutil::write_file(kNadDir + "/Deutschland.NAD", deutschland));
    }
    EXPECT_EQ(testutil::read_file(kNadDir + "/Standard.NAD"), standard);
    EXPECT_EQ(testutil::read_file(kNadDir + "/Deutschland.NAD"), deutschland);
}
