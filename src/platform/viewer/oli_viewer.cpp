#include "platform/viewer/oli_viewer.h"
#include "platform/env/vyk_message.h"
#include "platform/os/calllog.h"
#include "platform/os/c_numeric.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

std::string str(const char* s) { return s ? s : ""; }

// Parses and renders the list; returns the PDF path, or "" when nothing could be written.
std::string make_pdf(const char* prefix, const char* path)
{
    if (!path || !*path) return std::string();
    if (!QFileInfo::exists(QString::fromLocal8Bit(path))) return std::string();
    oliview::Document doc = oliview::parse_file(path);
    std::string pdf = oliview::pdf_path_for(path);
    if (!oliview::render_pdf(doc, pdf, str(prefix))) return std::string();
    return pdf;
}

bool print_queue_configured()
{
    if (QStandardPaths::findExecutable("lpstat").isEmpty() || QStandardPaths::findExecutable("lp").isEmpty())
        return false;
    QProcess q;
    q.start("lpstat", {"-a"});
    if (!q.waitForFinished(5000)) {
        q.kill();
        return false;
    }
    return q.exitCode() == 0 && !q.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

void Quick_OLI_View(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    std::string pdf = make_pdf(prefix, path);
    calllog::add("Quick_OLI_View: " + str(prefix) + " " + str(path) + (pdf.empty() ? " (no PDF)" : " -> " + pdf));
    if (pdf.empty() || !calllog::interactive()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(pdf.c_str())));
}

void Quick_OLI_Print(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    std::string pdf = make_pdf(prefix, path);
    if (pdf.empty()) {
        calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " (no PDF)");
        return;
    }
    if (print_queue_configured()) {
        // An absolute path after "--": no file name can pass for one of the queue's options.
        const QString file = QFileInfo(QString::fromLocal8Bit(pdf.c_str())).absoluteFilePath();
        int rc = QProcess::execute("lp", {QStringLiteral("--"), file});
        calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " -> lp " + pdf +
                     (rc == 0 ? "" : " (lp failed)"));
        return;
    }
    calllog::add("Quick_OLI_Print: " + str(prefix) + " " + str(path) + " -> no print queue, " + pdf);
    Init_Message();
    Set_Message_Title("Drucken");
    Set_Message_Symbol(1, 0, 0, 0);
    Fill_Message("Es ist kein Drucker eingerichtet.");
    // The folder the program runs in is no place a person knows: the path is given in full.
    const std::string full = QFileInfo(QString::fromLocal8Bit(pdf.c_str())).absoluteFilePath().toLocal8Bit().toStdString();
    std::string line = "Die Druckliste liegt als PDF unter " + full;
    Fill_Message(line.c_str());
    Draw_Message();
}
