// The tool-bar actions run their steps in a fixed order: what is on screen is what gets saved.
#include "window_fixture.h"
#include <QSpinBox>

TEST_F(WindowTest, SaveStoresTheSettingsAndTheValuesOnScreen)
{
    std::unique_ptr<TAVO52_DATA> position(base_position());
    open(*position);
    type_into(find<QSpinBox>("ed_Balken_b"), QStringLiteral("140"));
    type_into(find<QSpinBox>("ed_Balken_a"), QStringLiteral("90"));
    std::filesystem::remove(ini_path);
    std::filesystem::remove(fonts_path);

    find<QAction>("actionDaten_sichern")->trigger();

    // b, h, h_ro, h_ru, a: the typed width and length, not the opened ones.
    EXPECT_NE(testutil::read_file(inp_path).find("\n140 240 70 70 90\n"), std::string::npos)
        << testutil::read_file(inp_path);
    EXPECT_TRUE(std::filesystem::exists(ini_path));
    EXPECT_TRUE(std::filesystem::exists(fonts_path));
    EXPECT_FALSE(calllog::contains("QMessageBox: Fehler:"));
}
