#include "platform/env/vyk_help.h"
#include "platform/os/calllog.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <sstream>
#include <string>

namespace {
std::string& help_file() { static std::string f; return f; }
std::string& topic_text() { static std::string t; return t; }
QPointer<QPlainTextEdit>& help_window() { static QPointer<QPlainTextEdit> w; return w; }

std::string trim_cr(std::string s)
{
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}
} // namespace

void Init_Helpview(const char* folder, const char* file)
{
    std::string f = file ? file : "";
    std::string d = folder ? folder : "";
    help_file() = path_join(d, f);
    calllog::add("Init_Helpview: " + help_file());
}

const char* Helpview_file(void) { return help_file().c_str(); }

const char* Helpview_topic_text(const char* topic)
{
    topic_text().clear();
    std::istringstream in(regular_file_text(help_file(), file_bounds::kHelp));
    std::string want = topic ? topic : "", line;
    bool inside = false;
    while (std::getline(in, line)) {
        line = trim_cr(line);
        if (line.rfind("#TOPIC ", 0) == 0) {
            if (inside) break;
            inside = line.substr(7) == want;
            continue;
        }
        if (inside) topic_text() += line + "\n";
    }
    return topic_text().c_str();
}

namespace {

// The window's title names what the help is about, not the topic's key.
QString help_title(const std::string& topic)
{
    if (topic == "haupt") return QString::fromUtf8("Hilfe zum Hauptfenster");
    if (topic == "optionen") return QString::fromUtf8("Hilfe zu den Einstellungen");
    return QString::fromUtf8("Hilfe");
}

// The window the help belongs to: the active one, else the first visible main window.
QWidget* help_owner()
{
    if (QWidget* w = QApplication::activeWindow()) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QMainWindow")) return w;
    return nullptr;
}

} // namespace

QWidget* Helpview_window(const char* topic)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    const std::string t = topic ? topic : "";
    QString text = QString::fromUtf8(Helpview_topic_text(t.c_str()));
    if (text.isEmpty()) text = QString::fromUtf8("Zu \"%1\" gibt es keinen Hilfetext.").arg(QString::fromStdString(t));
    if (!help_window()) {
        help_window() = new QPlainTextEdit;
        help_window()->setAttribute(Qt::WA_DeleteOnClose);
        help_window()->setReadOnly(true);
        help_window()->resize(520, 360);
    }
    help_window()->setWindowTitle(help_title(t));
    help_window()->setPlainText(text);
    if (const QWidget* owner = help_owner()) {
        QRect r = help_window()->frameGeometry();
        r.moveCenter(owner->frameGeometry().center());
        help_window()->move(r.topLeft());
    }
    return help_window();
}

void Helpview(const char* topic)
{
    std::string t = topic ? topic : "";
    calllog::add("Helpview: " + t);
    if (!calllog::interactive()) return;
    if (QWidget* w = Helpview_window(t.c_str())) {
        w->show();
        w->raise();
    }
}
