#include "gui/exit_dialog.h"
#include <QCoreApplication>
#include <QIcon>
#include <QVBoxLayout>
#include <algorithm>
#include "core/tavo52_data.h"
#include "core/position_files.h"
#include "platform/os/atomic_file.h"
#include <QFileInfo>
#include "platform/env/qt_message_box.h"
#include "gui/gui_resources.h"
#include "gui/position_saving.h"

namespace {

QPushButton* exit_button(QDialog* dialog, const char* name, const char* icon, int icon_size, int min_w)
{
    auto* b = new QPushButton(dialog);
    b->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial"), 10);
    f.setBold(false);
    b->setFont(f);
    b->setIcon(QIcon(QString::fromLatin1(icon)));
    b->setIconSize(QSize(icon_size, icon_size));
    b->setMinimumSize(min_w, 41);
    return b;
}

} // namespace

void Ui_ExitDialog::setupUi(QDialog* dialog)
{
    gui_init_resources();
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("ExitDialog"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->resize(207, 160);
    auto* layout = new QVBoxLayout(dialog);
    butAbbruch = exit_button(dialog, "butAbbruch", ":/button/images/Undo.ico", 20, 151);
    butExitNoSave = exit_button(dialog, "butExitNoSave", ":/button/images/Turn off.ico", 24, 181);
    butExitSave = exit_button(dialog, "butExitSave", ":/button/images/Save.ico", 24, 181);
    butExitSave->setAutoDefault(false);
    butExitSave->setFlat(false);
    layout->addWidget(butAbbruch);
    layout->addWidget(butExitNoSave);
    layout->addWidget(butExitSave);
    retranslateUi(dialog);
    // The texts decide the width: a wider font than the one asked for must not cut them off.
    for (QPushButton* b : {butAbbruch, butExitNoSave, butExitSave})
        b->setMinimumWidth(std::max(b->minimumWidth(), b->sizeHint().width()));
    QObject::connect(butAbbruch, &QPushButton::clicked, dialog, &QDialog::reject);
}

void Ui_ExitDialog::retranslateUi(QDialog* dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("ExitDialog", "Beenden"));
    butAbbruch->setText(QCoreApplication::translate("ExitDialog", "&abbrechen"));
    butAbbruch->setToolTip(QCoreApplication::translate("ExitDialog", "abbrechen"));
    butExitNoSave->setText(QCoreApplication::translate("ExitDialog", "Ende &ohne zu speichern"));
    butExitSave->setText(QCoreApplication::translate("ExitDialog", "Ende mit &Speichern"));
}

QString position_save_failure_text()
{
    QString text = QStringLiteral("Die Positionsdaten konnten nicht gespeichert werden!");
    if (file_is_write_protected(inp_path))
        text += QStringLiteral("\nDie Datei %1 ist schreibgeschützt und wurde nicht überschrieben.")
                    .arg(QFileInfo(QString::fromLocal8Bit(inp_path.c_str())).absoluteFilePath());
    else
        text += QStringLiteral("\n") + absolute_file_path(inp_path);
    return text;
}

ExitDialog::ExitDialog() : QDialog(nullptr)
{
    setupUi(this);
    connect(butExitNoSave, &QPushButton::clicked, qApp, &QCoreApplication::quit);
    // Ending with saving ends only when the position was written; a failed or declined save keeps
    // the dialog open.
    connect(butExitSave, &QPushButton::clicked, this, [] {
        if (save_position()) QCoreApplication::quit();
    });
}

ExitDialog::~ExitDialog() = default;
