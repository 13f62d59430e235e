// Message boxes of the Qt side (no parent, one button). Each is logged as
// "QMessageBox: <title>: <text>"; where no person can answer (no display, or a test scripted an
// answer) the box is not shown and the scripted answer, else the box's own button, is taken.
#pragma once
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QString>
#include <memory>

QMessageBox::StandardButton qt_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButton button = QMessageBox::Ok);
// A question with the buttons Yes and No; where no person can answer, the scripted answer, else No.
QMessageBox::StandardButton qt_question_box(QMessageBox::Icon icon, const QString& title, const QString& text);

// The box qt_message_box shows: icon, title, text and the buttons with German texts.
std::unique_ptr<QMessageBox> qt_make_message_box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons);
// The icon of the last box asked for, shown or answered by a script.
QMessageBox::Icon qt_last_message_box_icon();

// The interface is German whatever translations are installed: the standard buttons get German texts.
QString qt_german_button_text(QDialogButtonBox::StandardButton button);
void qt_german_buttons(QMessageBox* box);
void qt_german_buttons(QDialogButtonBox* box);
