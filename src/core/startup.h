// Start-up of the program: command line, position values, environment link, Qt application.
#pragma once
#include <QString>
#include <string>

// Result of checking the command line and fixing the position values.
struct StartupResult {
    bool run = false;     // true: go on and build the window
    int exit_code = 0;    // when run is false
};

// Steps before the Qt application exists: environment start-up, arguments, private data folder,
// title, file names, help. Prints the usage line or the refusal of a bad component id itself.
StartupResult startup_prepare(int argc, char** argv);

// The folder of the Qt translations: QT_PLUGIN_PATH + "/translations" when set, else Qt's own.
QString translations_folder(const QString& qt_plugin_path);
