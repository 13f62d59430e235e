#include "platform/env/qt_message_box.h"
#include "platform/os/calllog.h"

namespace {

QMessageBox::StandardButton show_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton unanswered)
{
    calllog::add("QMessageBox: " + title.toStdString() + ": " + text.toStdString());
    if (calllog::has_answer() || !calllog::interactive())
        return static_cast<QMessageBox::StandardButton>(calllog::pop_answer(unanswered));
    QMessageBox box(icon, title, text, buttons);
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
