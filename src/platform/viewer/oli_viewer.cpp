#include "platform/viewer/oli_viewer.h"
#include "platform/env/vyk_message.h"
#include "platform/os/calllog.h"
#include "platform/os/c_numeric.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace {

std::string str(const char* s) { return s ? s : ""; }

// Parses and renders the list into *doc; returns the PDF path, or "" when nothing could be written.
std::string make_pdf(const char* prefix, const char* path, oliview::Document* doc)
{
    if (!path || !*path) return std::string();
    if (!QFileInfo::exists(QString::fromLocal8Bit(path))) return std::string();
    *doc = oliview::parse_file(path);
    std::string pdf = oliview::pdf_path_for(path);
    if (!oliview::render_pdf(*doc, pdf, str(prefix))) return std::string();
    return pdf;
}

std::string absolute(const std::string& path)
{
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).absoluteFilePath().toLocal8Bit().toStdString();
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

namespace oliview {

QPrintPreviewDialog* make_preview_dialog(const Document& doc, const std::string& title)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    auto* dialog = new QPrintPreviewDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Druckvorschau ") + QString::fromLocal8Bit(title.c_str()));
    QPrinter* printer = dialog->printer();
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setDocName(QString::fromLocal8Bit(title.c_str()));
    // The dialog keeps its own copy: the list it came from may be written anew meanwhile.
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [doc](QPrinter* p) { render_to_printer(doc, p); });
    dialog->resize(800, 1000);
    return dialog;
}

} // namespace oliview

void Quick_OLI_View(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    oliview::Document doc;
    std::string pdf = make_pdf(prefix, path, &doc);
    calllog::add("Quick_OLI_View: " + str(prefix) + " " + str(path) + (pdf.empty() ? " (no PDF)" : " -> " + pdf));
    if (pdf.empty() || !calllog::interactive()) return;
    // The program's own preview: no desktop viewer needs to be there.
    if (QPrintPreviewDialog* dialog = oliview::make_preview_dialog(doc, str(prefix))) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    Init_Message();
    Set_Message_Title("Druckvorschau");
    Set_Message_Symbol(1, 0, 0, 0);
    const std::string line = "Die Druckliste liegt als PDF unter " + absolute(pdf);
    Fill_Message(line.c_str());
    Draw_Message();
}

void Quick_OLI_Print(const char* prefix, const char* path)
{
    const CNumericScope c_numbers;
    oliview::Document doc;
    std::string pdf = make_pdf(prefix, path, &doc);
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
    std::string line = "Die Druckliste liegt als PDF unter " + absolute(pdf);
    Fill_Message(line.c_str());
    Draw_Message();
}
