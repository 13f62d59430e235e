// The demo position calculated in the window, checked on the picture of the window.
#include "window_fixture.h"
#include <QLabel>
#include "core/verdict.h"
#include <cmath>
#include <filesystem>

TEST_F(WindowTest, DemoPositionBarsOnThePicture)
{
    const std::string demo = testutil::read_file(std::string(TAVO_SOURCE_DATA_DIR) + "/../demo/work/DEMO_01.inp");
    ASSERT_FALSE(demo.empty());
    ASSERT_TRUE(testutil::write_file(inp_path, demo));
    open_file();
    find<QAction>("actionCalculation")->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(data_object.nachweise.size(), 3);
    const QImage shot = w->grab().toImage();
    if (const char* keep = std::getenv("TAVO_KEEP_SHOT"))   // a picture for a person to look at
        shot.save(QString::fromLocal8Bit(keep));
    for (int i = 0; i < 3; ++i) {
        auto* bar = find<QProgressBar>(QStringLiteral("erg_balken_%1").arg(i).toLatin1().constData());
        const double p = 100.0 * data_object.nachweise[i].eta;
        EXPECT_EQ(bar->value(), static_cast<int>(std::min(p, 120.0)));
        ASSERT_GE(bar->value(), 3) << "a bar too short to show its colour";
        // A point inside the filled part, clear of the 2-pixel border.
        const QPoint inside = bar->mapTo(w.get(), QPoint(6, bar->height() / 2));
        const QColor want = p > 100.1 ? QColor(0xcc, 0x00, 0x00) : QColor(0x00, 0x64, 0x00);
        EXPECT_EQ(shot.pixelColor(inside * shot.devicePixelRatio()).name().toStdString(), want.name().toStdString())
            << "bar " << i << " at " << p << " %";
        auto* percent = find<QLabel>(QStringLiteral("erg_prozent_%1").arg(i).toLatin1().constData());
        EXPECT_EQ(percent->text(), QString::number(p, 'f', 2) + QStringLiteral(" %"));
    }
}

// The positions of the golden prints are positions a user can make: each opens in the window with
// the shipped screw tables and sets without a violated rule and without a value the window had to
// adjust, and is calculated there; the overloaded one fails by its utilisations, the others pass.
TEST_F(WindowTest, GoldenPositionsOpenWithoutViolatedRuleOrAdjustedValue)
{
    const std::string source = std::string(TAVO_SOURCE_DATA_DIR);
    std::filesystem::create_directories(dir.file("DATA/NAD"));
    for (const char* f : {"Standard.NAD", "Deutschland.NAD", "Deutschland.unverified"})
        std::filesystem::copy_file(source + "/DATA/NAD/" + f, dir.file(std::string("DATA/NAD/") + f));
    for (const char* f : {"ec5_spax_s_vg.dat", "ec5_assy_plus_vg_z.dat", "ec5_assy_plus_vg_s.dat"})
        std::filesystem::copy_file(source + "/PRIVATE/" + f, dir.file(std::string("DATA/PRIVATE/") + f));
    const char* p = CurOb_Privat_Datapath();
    const std::string saved = p ? p : "";
    Set_CurOb_Privat_Datapath(dir.file("DATA/PRIVATE").c_str());
    for (const char* name : {"unreinforced_round", "unreinforced_rectangular", "plates", "rods", "screws", "failing"}) {
        SCOPED_TRACE(name);
        const std::string inp = testutil::read_file(source + "/../tests/core/data/golden/" + name + ".inp");
        ASSERT_FALSE(inp.empty());
        ASSERT_TRUE(testutil::write_file(inp_path, inp));
        calllog::clear();
        open_file();
        QCoreApplication::processEvents();
        EXPECT_EQ(w->rule_violations().join("; ").toStdString(), "");
        for (const std::string& entry : calllog::entries())
            EXPECT_EQ(entry.find("QMessageBox"), std::string::npos) << entry;
        // The form holds the file's values: written back, the position is the file byte for byte.
        w->maske2data();
        EXPECT_EQ(position_data_text(data_object), inp);
        QAction* calc = find<QAction>("actionCalculation");
        ASSERT_TRUE(calc->isEnabled());
        calc->trigger();
        QCoreApplication::processEvents();
        ASSERT_FALSE(data_object.nachweise.isEmpty());
        for (const CheckResult& r : data_object.nachweise) {
            EXPECT_TRUE(std::isfinite(r.eta)) << r.name.toStdString();
            EXPECT_TRUE(not_verifiable_cause(data_object, r.kind).empty()) << r.name.toStdString();
        }
        EXPECT_FALSE(detailing_breach(data_object));
        EXPECT_EQ(verdict_passes(data_object.eta_max), std::string(name) != "failing") << data_object.eta_max;
        w.reset();
    }
    Set_CurOb_Privat_Datapath(saved.c_str());
}
