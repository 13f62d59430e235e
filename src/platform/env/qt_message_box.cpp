#include "platform/env/qt_message_box.h"
#include "platform/os/calllog.h"

QMessageBox::StandardButton qt_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButton button)
{
    calllog::add("QMessageBox: " + title.toStdString() + ": " + text.toStdString());
    if (calllog::has_answer() || !calllog::interactive())
        return static_cast<QMessageBox::StandardButton>(calllog::pop_answer(button));
    QMessageBox box(icon, title, text, button);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
