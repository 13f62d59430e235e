#include "platform/env/qt_message_box.h"
#include "platform/os/calllog.h"
#include <QAbstractButton>
#include <QPushButton>

namespace {

QMessageBox::Icon g_last_icon = QMessageBox::NoIcon;

QMessageBox::StandardButton show_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton unanswered)
{
    calllog::add("QMessageBox: " + title.toStdString() + ": " + text.toStdString());
    g_last_icon = icon;
    if (calllog::has_answer() || !calllog::interactive())
        return static_cast<QMessageBox::StandardButton>(calllog::pop_answer(unanswered));
    const std::unique_ptr<QMessageBox> box = qt_make_message_box(icon, title, text, buttons);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

} // namespace

QMessageBox::StandardButton qt_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButton button)
{
    return show_box(icon, title, text, button, button);
}

QMessageBox::StandardButton qt_question_box(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    return show_box(icon, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

std::unique_ptr<QMessageBox> qt_make_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons);
    qt_german_buttons(box.get());
    return box;
}

QMessageBox::Icon qt_last_message_box_icon() { return g_last_icon; }

QString qt_german_button_text(QDialogButtonBox::StandardButton button)
{
    switch (button) {
    case QDialogButtonBox::Ok: return QStringLiteral("OK");
    case QDialogButtonBox::Yes: return QStringLiteral("&Ja");
    case QDialogButtonBox::YesToAll: return QStringLiteral("Ja, &alle");
    case QDialogButtonBox::No: return QStringLiteral("&Nein");
    case QDialogButtonBox::NoToAll: return QStringLiteral("N&ein, keine");
    case QDialogButtonBox::Cancel:
    case QDialogButtonBox::Abort: return QStringLiteral("Abbrechen");
    case QDialogButtonBox::Help: return QStringLiteral("Hilfe");
    case QDialogButtonBox::Save: return QStringLiteral("Speichern");
    case QDialogButtonBox::SaveAll: return QStringLiteral("Alle speichern");
    case QDialogButtonBox::Open: return QStringLiteral("Öffnen");
    case QDialogButtonBox::Close: return QStringLiteral("Schließen");
    case QDialogButtonBox::Discard: return QStringLiteral("Verwerfen");
    case QDialogButtonBox::Apply: return QStringLiteral("Anwenden");
    case QDialogButtonBox::Reset: return QStringLiteral("Zurücksetzen");
    case QDialogButtonBox::RestoreDefaults: return QStringLiteral("Voreinstellungen");
    case QDialogButtonBox::Retry: return QStringLiteral("Wiederholen");
    case QDialogButtonBox::Ignore: return QStringLiteral("Ignorieren");
    default: return QString();
    }
}

void qt_german_buttons(QMessageBox* box)
{
    for (QAbstractButton* b : box->buttons()) {
        const QString text = qt_german_button_text(
            static_cast<QDialogButtonBox::StandardButton>(int(box->standardButton(b))));
        if (!text.isEmpty()) b->setText(text);
    }
}

void qt_german_buttons(QDialogButtonBox* box)
{
    for (QAbstractButton* b : box->buttons()) {
        // Buttons shown by their icon alone keep no text.
        if (b->text().isEmpty()) continue;
        const QString text = qt_german_button_text(box->standardButton(b));
        if (!text.isEmpty()) b->setText(text);
    }
}
