// The message boxes of qt_message_box.h for libraries without widgets: icons and answers are the
// program's own names, so a caller needs no widget header. Logged, scripted and answered alike.
#pragma once
#include <QString>

enum class BoxIcon { Information, Warning, Critical };

// The values are the widget toolkit's, so a test scripts an answer into the call log either way.
enum class BoxAnswer : int { Ok = 0x00000400, Yes = 0x00004000, No = 0x00010000 };

// A box with one button; the button taken, or the scripted answer where no person can answer.
BoxAnswer message_box(BoxIcon icon, const QString& title, const QString& text, BoxAnswer button = BoxAnswer::Ok);
// A question with the buttons Yes and No; where no person can answer, the scripted answer, else No.
BoxAnswer question_box(BoxIcon icon, const QString& title, const QString& text);
