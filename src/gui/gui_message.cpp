#include "gui/gui_message.h"
#include "platform/os/calllog.h"

void gui_message_box(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    calllog::add("QMessageBox: " + title.toStdString() + ": " + text.toStdString());
    if (calllog::has_answer() || !calllog::interactive()) {
        calllog::pop_answer(QMessageBox::Ok);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.exec();
}
