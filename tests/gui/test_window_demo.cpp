// The demo position calculated in the window, checked on the picture of the window.
#include "window_fixture.h"
#include <QLabel>

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
