// Message boxes of the Qt side (no parent, one button). Each is logged as
// "QMessageBox: <title>: <text>"; where no person can answer (no display, or a test scripted an
// answer) the box is not shown and the scripted answer, else the box's own button, is taken.
#pragma once
#include <QMessageBox>
#include <QString>

QMessageBox::StandardButton qt_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButton button = QMessageBox::Ok);
// A question with the buttons Yes and No; where no person can answer, the scripted answer, else No.
QMessageBox::StandardButton qt_question_box(QMessageBox::Icon icon, const QString& title, const QString& text);
