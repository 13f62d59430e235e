// The dialog that asks how the program ends: with saving, without saving, or not at all.
#pragma once
#include <QDialog>
#include <QPushButton>
#include <QString>

// The text of the "Fehler" box after the position data could not be saved; a write-protected
// position file is named as such (it is refused, never replaced).
QString position_save_failure_text();

class Ui_ExitDialog {
public:
    QPushButton* butAbbruch;
    QPushButton* butExitNoSave;
    QPushButton* butExitSave;

    void setupUi(QDialog* dialog);
    void retranslateUi(QDialog* dialog);
};

namespace Ui {
class ExitDialog : public Ui_ExitDialog {};
}

class ExitDialog : public QDialog, public Ui::ExitDialog {
    Q_OBJECT
public:
    ExitDialog();
    ~ExitDialog() override;
};
