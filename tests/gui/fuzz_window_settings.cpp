// Any bytes as the window settings of a position, as the shared fonts and colours file and as
// the user settings: read and applied to a window. Must return, never crash or hang, and hand
// back only sane values. The bytes are screened before QSettings reads them.
#include "common/fuzz_util.h"
#include "gui/window_settings.h"
#include "platform/env/ini_screen.h"

#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QToolBar>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // The screened copies go to the scratch folder, in memory.
        setenv("TMPDIR", fuzzutil::scratch().c_str(), 1);
        static int argc = 1;
        static char name[] = "fuzz_window_settings";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    // The program's window carries one named tool bar, whose place the state holds.
    static QMainWindow& window = *[] {
        auto* w = new QMainWindow;
        auto* bar = new QToolBar(w);
        bar->setObjectName(QStringLiteral("toolBar"));
        w->addToolBar(Qt::TopToolBarArea, bar);
        return w;
    }();
    (void)app;
    // A fresh name each time: the settings reader caches files by name.
    static unsigned long n = 0;
    const std::string path = fuzzutil::path("settings" + std::to_string(n++ % 1000) + ".ini");
    fuzzutil::write(path, data, size);
    // The screen keeps what it let through: a second pass leaves nothing more out.
    const QByteArray screened = screened_ini(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (screened_ini(screened) != screened) std::abort();
    const QString qpath = QString::fromStdString(path);
    const FontsColors fc = read_fonts_colors(qpath);
    if (!fonts_colors_sane(fc)) std::abort();
    load_window_settings(&window, qpath);
    // Every key of every section, as the user settings reader may ask for any of them.
    read_settings_file(qpath, [](QSettings& s) {
        for (const QString& key : s.allKeys()) (void)s.value(key);
    });
    std::remove(path.c_str());
    return 0;
}
