#include "platform/env/message_box.h"
#include "platform/env/qt_message_box.h"

static_assert(int(BoxAnswer::Ok) == QMessageBox::Ok && int(BoxAnswer::Yes) == QMessageBox::Yes &&
                  int(BoxAnswer::No) == QMessageBox::No,
              "answers keep the toolkit's values");

namespace {

QMessageBox::Icon qt_icon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Information: break;
    }
    return QMessageBox::Information;
}

} // namespace

BoxAnswer message_box(BoxIcon icon, const QString& title, const QString& text, BoxAnswer button)
{
    return BoxAnswer(int(qt_message_box(qt_icon(icon), title, text, QMessageBox::StandardButton(int(button)))));
}

BoxAnswer question_box(BoxIcon icon, const QString& title, const QString& text)
{
    return BoxAnswer(int(qt_question_box(qt_icon(icon), title, text)));
}
