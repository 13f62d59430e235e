// Numbers in files and lists do not depend on the process's numeric locale: everything is done
// once under "C" and once under a German LC_NUMERIC (decimal comma) as Qt sets it from the user's
// environment, and the bytes and values must be the same.
#include "test_print_fixture.h"

#include "core/position_file.h"
#include "environment/param_list.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"
#include "platform/viewer/oli_viewer.h"

#include <charconv>
#include <cstring>
#include <memory>

namespace {

std::string stream_text(FILE* f)
{
    std::fflush(f);
    std::rewind(f);
    std::string s;
    for (int c; (c = std::fgetc(f)) != EOF;) s += char(c);
    return s;
}

struct Outcome {
    std::string set_bytes;        // the shipped German set, read and written again
    double k_cr = 0;
    std::vector<double> etas;     // the checks with that set
    std::string position;         // a position file, read back and written again
    double position_kmod = 0;
    std::string params;           // a parameter list, read back and written again
    double param = 0;
    std::string list, plot;       // the printed calculation and its plot file
    std::string list_numbers;     // numbers the viewer reads from the list
};

}  // namespace

class NumericLocaleTest : public PrintTest {
protected:
    Outcome run()
    {
        Outcome o;
        std::unique_ptr<NadSet> set(new NadSet());
        FILE* in = std::fopen(TAVO_SOURCE_DATA_DIR "/DATA/NAD/Deutschland.NAD", "rb");
        EXPECT_NE(in, nullptr);
        if (!in) return o;
        EXPECT_EQ(nad_read_set(in, set.get()), 1);
        std::fclose(in);
        FILE* out = std::tmpfile();
        nad_write_set(out, set.get());
        o.set_bytes = stream_text(out);
        std::fclose(out);

        cur_ec5_params = &set->ec5;
        cur_ec3_params = &set->ec3;
        d.holzart = 2;   // glulam: the German set's crack factor 2.5 / 3.5
        d.cal_nachweise();
        o.k_cr = d.k_cr;
        for (const CheckResult& r : d.nachweise) o.etas.push_back(r.eta);

        const double kmod = d.lasten[0].kmod;
        d.lasten[0].kmod = 0.55;
        TAVO52_DATA back;
        parse_position_data(back, position_data_text(d));
        d.lasten[0].kmod = kmod;
        o.position = position_data_text(back);
        o.position_kmod = back.lasten.isEmpty() ? 0 : back.lasten[0].kmod;

        ParamList l;
        param_list_init(&l);
        param_list_resize(&l, 1, 2, 0);
        l.ints[0] = 3;
        l.doubles[0] = 1.3;
        l.doubles[1] = -0.000125;
        FILE* pf = std::tmpfile();
        param_list_write(pf, &l);
        std::rewind(pf);
        ParamList lb;
        param_list_init(&lb);
        EXPECT_EQ(param_list_read(pf, 0, 0, 0, &lb, 1), 1);
        std::fclose(pf);
        FILE* pf2 = std::tmpfile();
        param_list_write(pf2, &lb);
        o.params = stream_text(pf2);
        std::fclose(pf2);
        o.param = lb.double_count > 0 ? lb.doubles[0] : 0;
        param_list_free(&l);
        param_list_free(&lb);

        reset_writers();
        o.list = print();
        o.plot = testutil::read_file(view_plot_path(oli_path, "POS"));
        const oliview::Document doc = oliview::parse_file(oli_path);
        char buf[40];
        auto add = [&](double v) {
            o.list_numbers.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr) += ' ';
        };
        for (const oliview::Block& b : doc.blocks) {
            for (double v : b.args) add(v);
            for (double v : b.boundaries) add(v);
            for (double v : b.extents) add(v);
            for (const oliview::GraphicItem& g : b.items) {
                for (double v : {g.x1, g.y1, g.x2, g.y2, g.height, g.width}) add(v);
                for (double v : g.points) add(v);
            }
        }
        return o;
    }
};

TEST_F(NumericLocaleTest, FilesListsAndResultsAreTheSameUnderAGermanNumericLocale)
{
    const Outcome c = run();
    testutil::GermanNumericLocale german;
    ASSERT_TRUE(german.active());
    char comma[8];
    std::snprintf(comma, sizeof comma, "%.1f", 1.5);
    const Outcome de = run();
    german.end();

    EXPECT_STREQ(comma, "1,5") << "the German numeric locale was in force";
    // k_cr = 2.5 / 3.5 from the set's "2.5" and "3.5", not 2 / 3 from "2,5"-less reading
    EXPECT_NEAR(c.k_cr, 2.5 / 3.5, 1e-12);
    EXPECT_EQ(de.k_cr, c.k_cr);
    ASSERT_EQ(c.etas.size(), 3u);
    EXPECT_EQ(de.etas, c.etas);
    EXPECT_EQ(de.set_bytes, c.set_bytes);
    EXPECT_NE(c.set_bytes.find("1.3"), std::string::npos);
    EXPECT_EQ(de.position, c.position);
    EXPECT_EQ(c.position_kmod, 0.55);
    EXPECT_EQ(de.position_kmod, 0.55);
    EXPECT_EQ(de.params, c.params);
    EXPECT_EQ(c.param, 1.3);
    EXPECT_EQ(de.param, 1.3);
    EXPECT_FALSE(c.list.empty());
    EXPECT_EQ(de.list, c.list);
    EXPECT_FALSE(c.plot.empty());
    EXPECT_EQ(de.plot, c.plot);
    EXPECT_EQ(de.list_numbers, c.list_numbers);
}
