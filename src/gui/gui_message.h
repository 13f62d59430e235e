// Message boxes of the window. Each is logged; where no person can answer (no display, or a test
// scripted an answer) the box is not shown and the scripted or the default answer is taken.
#pragma once
#include <QMessageBox>
#include <QString>

// Shows a box with a single OK button.
void gui_message_box(QMessageBox::Icon icon, const QString& title, const QString& text);
