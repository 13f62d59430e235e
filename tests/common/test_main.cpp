// One main for every test program: headless Qt, C numerics, googletest.
#include <QApplication>
#include <gtest/gtest.h>
#include <clocale>
#include <cstdlib>

extern "C" const char* __lsan_default_suppressions()
{
    // Qt's offscreen plugin and fontconfig keep a few blocks until exit.
    return "leak:libqoffscreen.so\nleak:libfontconfig.so\nleak:libQt5Gui.so\n";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
