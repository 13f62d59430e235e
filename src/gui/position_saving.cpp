#include "gui/position_saving.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "gui/exit_dialog.h"
#include "platform/env/qt_message_box.h"
#include <QFileInfo>

namespace {

QString u(const std::string& utf8) { return QString::fromStdString(utf8); }

QString findings_text(const PositionReadReport& report)
{
    QString text;
    for (const PositionReadReport::Finding& f : report.findings)
        text += QStringLiteral("\n%1: in der Datei %2, übernommen %3").arg(u(f.field), u(f.found), u(f.taken));
    return text;
}

} // namespace

QString absolute_file_path(const std::string& path)
{
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).absoluteFilePath();
}

void report_position_read(const PositionReadReport& report, const std::string& path)
{
    if (!report.damaged()) return;
    const QString name = absolute_file_path(path);
    const QString keep = QStringLiteral("Die Datei wird erst nach Rückfrage überschrieben; ihr bisheriger Inhalt "
                                        "bleibt dann als Kopie daneben erhalten.");
    if (report.outcome != PositionReadReport::Read) {
        qt_message_box(QMessageBox::Critical, QStringLiteral("Positionsdatei"),
                       QStringLiteral("Die Positionsdatei\n%1\n%2.\n\nDie Position wird mit den Vorgabewerten "
                                      "geöffnet. %3")
                           .arg(name, u(report.reason), keep));
        return;
    }
    QString text = QStringLiteral("Die Positionsdatei\n%1\nwurde nicht vollständig gelesen.").arg(name);
    if (report.ended_after_line > 0)
        text += QStringLiteral(" Sie endet vorzeitig nach Zeile %1.").arg(report.ended_after_line);
    text += QStringLiteral("\n\nFolgende Angaben wurden ersetzt:") + findings_text(report);
    qt_message_box(QMessageBox::Warning, QStringLiteral("Positionsdatei"), text + QStringLiteral("\n\n") + keep);
}

void report_failed_save(const std::string& path)
{
    qt_message_box(QMessageBox::Critical, QStringLiteral("Fehler"),
                   QStringLiteral("Die Datei\n%1\nkonnte nicht gespeichert werden!").arg(absolute_file_path(path)));
}

bool save_position()
{
    if (data_object.open_report.damaged()) {
        const QString question =
            QStringLiteral("Die Positionsdatei\n%1\nwurde beim Öffnen nicht fehlerfrei gelesen. Soll sie durch die "
                           "angezeigten Eingaben ersetzt werden?\n\nIhr bisheriger Inhalt bleibt als\n%2\nerhalten.")
                .arg(absolute_file_path(inp_path), absolute_file_path(position_backup_path(inp_path)));
        if (qt_question_box(QMessageBox::Question, QStringLiteral("Speichern"), question) != QMessageBox::Yes)
            return false;
    }
    if (data_object.write_data() == 0) return true;
    if (data_object.save_failed_path == inp_path)
        qt_message_box(QMessageBox::Critical, QStringLiteral("Fehler"), position_save_failure_text());
    else
        report_failed_save(data_object.save_failed_path);
    return false;
}
