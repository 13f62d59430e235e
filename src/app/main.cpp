// tavo52: one design position of an opening in a timber beam, started by the environment.
#include "core/position_files.h"
#include "core/startup.h"
#include "gui/main_window.h"
#include "gui/position_saving.h"
#include "platform/os/calllog.h"
#include "platform/screen/fonts.h"
#include "platform/viewer/oli_viewer.h"
#include "sheets/form_helper_services.h"
#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <clocale>

int main(int argc, char** argv)
{
    const QString qt_plugin_path = QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH"));

    const StartupResult start = startup_prepare(argc, argv);
    if (!start.run) return start.exit_code;
    // The helpers' message and progress sheets draw through the screen-dialog toolkit.
    sheets_offer_helper_services();

    auto* app = new QApplication(argc, argv);
    // Qt took the user's locale for everything; numbers in files keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    // With a display the environment's screen draws real fonts; headless, the fixed cells.
    if (calllog::interactive()) screen_set_metrics(SCREEN_METRICS_QT);
    show_file_refusals_in_message_boxes();
    // Preview copies that a killed run left in the temporary folder.
    oliview::remove_stale_preview_copies();

    // The interface is German whatever the user's language: Qt's own dialogs speak German too.
    const QString folder = translations_folder(qt_plugin_path);
    auto* qt_translator = new QTranslator;
    if (qt_translator->load(german, QStringLiteral("qt"), QStringLiteral("_"), folder))
        app->installTranslator(qt_translator);
    auto* qtbase_translator = new QTranslator;
    if (qtbase_translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        app->installTranslator(qtbase_translator);

    auto* window = new MainWindow;
    window->setLocale(german);
    main_window = window;
    window->show();
    // The start-up benchmark (bench/startup.sh) times the program up to its first event-loop turn.
    if (qEnvironmentVariableIsSet("TAVO52_QUIT_AT_FIRST_TURN"))
        QTimer::singleShot(0, app, &QCoreApplication::quit);
    app->exec();

    delete window;
    main_window = nullptr;
    delete qt_translator;
    delete qtbase_translator;
    delete app;
    // The environment takes 1 as the normal end of a position program.
    return 1;
}
