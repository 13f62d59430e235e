#include "gui/position_saving.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "gui/exit_dialog.h"
#include "platform/env/qt_message_box.h"
#include "platform/os/atomic_file.h"
#include "platform/os/calllog.h"
#include "platform/os/regular_file.h"
#include <QFileInfo>
#include <QPushButton>

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

QString save_failure_reason_text()
{
    const std::string reason = last_save_failure_reason();
    return reason.empty() ? QString() : QStringLiteral("\n(Grund: %1)").arg(QString::fromStdString(reason));
}

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
                   QStringLiteral("Die Datei\n%1\nkonnte nicht gespeichert werden!").arg(absolute_file_path(path)) +
                       save_failure_reason_text());
}

std::pair<std::vector<std::string>, std::vector<std::string>> files_changed_elsewhere(const std::vector<std::string>& paths)
{
    std::pair<std::vector<std::string>, std::vector<std::string>> found;
    // A deleted file is a changed one too: the second question only for those.
    for (const std::string& p : paths)
        if (file_changed_since_seen(p)) (file_removed_since_seen(p) ? found.second : found.first).push_back(p);
    return found;
}

ChangedFileAnswer ask_about_changed_files(const std::vector<std::string>& changed, const std::vector<std::string>& beside,
                                          const std::vector<std::string>& deleted)
{
    QString files, copies, gone;
    for (const std::string& p : changed) files += absolute_file_path(p) + QLatin1Char('\n');
    for (const std::string& p : beside) copies += absolute_file_path(p) + QLatin1Char('\n');
    for (const std::string& p : deleted) gone += absolute_file_path(p) + QLatin1Char('\n');
    const QString title = QStringLiteral("Speichern");
    QString text;
    if (!changed.empty())
        text = (changed.size() == 1
                    ? QStringLiteral("Diese Datei wurde seit dem Öffnen von einem anderen Programm geändert:\n%1\n"
                                     "Soll sie überschrieben werden? Sonst bleibt die andere Fassung erhalten und Ihre "
                                     "Eingaben werden daneben gespeichert als\n%2")
                    : QStringLiteral("Diese Dateien wurden seit dem Öffnen von einem anderen Programm geändert:\n%1\n"
                                     "Sollen sie überschrieben werden? Sonst bleiben die anderen Fassungen erhalten und "
                                     "Ihre Eingaben werden daneben gespeichert als\n%2"))
                   .arg(files, copies);
    if (!deleted.empty()) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += (deleted.size() == 1
                     ? QStringLiteral("Diese Datei wurde seit dem Öffnen von einem anderen Programm gelöscht:\n%1\n"
                                      "Sie wird mit Ihren Eingaben wieder unter ihrem Namen gespeichert.")
                     : QStringLiteral("Diese Dateien wurden seit dem Öffnen von einem anderen Programm gelöscht:\n%1\n"
                                      "Sie werden mit Ihren Eingaben wieder unter ihrem Namen gespeichert."))
                    .arg(gone);
    }
    calllog::add("QMessageBox: " + title.toStdString() + ": " + text.toStdString());
    int answer = QMessageBox::Cancel;
    if (calllog::has_answer() || !calllog::interactive()) {
        answer = calllog::pop_answer(QMessageBox::Cancel);
    } else {
        QMessageBox box(QMessageBox::Warning, title, text);
        QPushButton* overwrite =
            changed.empty() ? nullptr : box.addButton(QStringLiteral("Überschreiben"), QMessageBox::DestructiveRole);
        // The default keeps every version there is: the other program's and the user's.
        QPushButton* keep = box.addButton(changed.empty() ? QStringLiteral("Speichern") : QStringLiteral("Daneben speichern"),
                                          QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(keep);
        box.exec();
        if (overwrite && box.clickedButton() == overwrite) answer = QMessageBox::Yes;
        else if (box.clickedButton() == keep) answer = QMessageBox::Save;
    }
    if (answer == QMessageBox::Yes) return ChangedFileAnswer::Overwrite;
    if (answer == QMessageBox::Save) return ChangedFileAnswer::SaveBeside;
    return ChangedFileAnswer::Cancel;
}

void show_file_refusals_in_message_boxes()
{
    set_file_refusal_reporter([](const std::string& path, const std::string& reason) {
        qt_message_box(QMessageBox::Warning, QStringLiteral("Datei"),
                       QString::fromStdString(file_refusal_message(absolute_file_path(path).toStdString(), reason)));
    });
}

bool save_position()
{
    // Another program saved or deleted the position since it was opened here: never overwritten unasked.
    const auto elsewhere = files_changed_elsewhere({inp_path, nad_path});
    if (!elsewhere.first.empty() || !elsewhere.second.empty()) {
        PositionCopies copies = position_copies_for(elsewhere.second);
        std::vector<std::string> beside;
        // Both files go beside as a pair; a deleted one is saved under its own name.
        for (const std::string* p : {&copies.inp, &copies.nad})
            if (*p != inp_path && *p != nad_path) beside.push_back(*p);
        switch (ask_about_changed_files(elsewhere.first, beside, elsewhere.second)) {
        case ChangedFileAnswer::Cancel:
            return false;
        case ChangedFileAnswer::SaveBeside: {
            if (elsewhere.first.empty()) break;   // only deleted: saved anew under their names
            const PositionCopies asked = copies;
            if (write_position_copies(data_object, copies) == 0) {
                // Another program took a name the question gave: the names used are named.
                if (copies.inp != asked.inp || copies.nad != asked.nad)
                    qt_message_box(QMessageBox::Information, QStringLiteral("Speichern"),
                                   QStringLiteral("Ihre Eingaben wurden gespeichert als\n%1\n%2")
                                       .arg(absolute_file_path(copies.inp), absolute_file_path(copies.nad)));
                return true;
            }
            report_failed_save(data_object.save_failed_path);
            return false;
        }
        case ChangedFileAnswer::Overwrite:
            break;
        }
    }
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
        qt_message_box(QMessageBox::Critical, QStringLiteral("Fehler"),
                       position_save_failure_text() + save_failure_reason_text());
    else
        report_failed_save(data_object.save_failed_path);
    return false;
}
