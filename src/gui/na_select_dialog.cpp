#include "gui/na_select_dialog.h"
#include <algorithm>
#include "platform/os/atomic_file.h"
#include "core/position_file.h"
#include "core/position_files.h"
#include "gui/position_saving.h"
#include "core/tavo52_data.h"
#include "platform/env/qt_message_box.h"
#include "gui/panel_resources.h"
#include "national_annex/nad_list.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_process.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QScrollBar>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalMapper>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <string>

QString na_flag_resource(int flag_index)
{
    if (flag_index < 0 || flag_index > 19) return QString();
    return QStringLiteral(":/Flags/images/ef%1.ico").arg(flag_index + 1, 2, 10, QLatin1Char('0'));
}

void Ui_NA_SelectDialog::setupUi(QDialog* dialog)
{
    panel_init_resources();
    dialog->setObjectName(QStringLiteral("NA_SelectDialog"));
    dialog->resize(262, 254);
    dialog->setModal(true);
    gridLayout = new QGridLayout(dialog);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    buttonBox = new QDialogButtonBox(dialog);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonBox->setOrientation(Qt::Horizontal);
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Abort);
    buttonBox->setCenterButtons(false);
    qt_german_buttons(buttonBox);
    gridLayout->addWidget(buttonBox, 1, 1);

    pb_tool = new QPushButton(dialog);
    pb_tool->setObjectName(QStringLiteral("pb_tool"));
    pb_tool->setMinimumSize(30, 0);
    pb_tool->setText(QString());
    pb_tool->setIcon(QIcon(QStringLiteral(":/Flags/images/ec_tool.ico")));
    pb_tool->setIconSize(QSize(43, 10));
    // Beside the German "Abbrechen" the flag button keeps its whole width.
    pb_tool->setMinimumWidth(std::max(30, pb_tool->sizeHint().width()));
    gridLayout->addWidget(pb_tool, 1, 0);

    sc_na_area = new QScrollArea(dialog);
    sc_na_area->setObjectName(QStringLiteral("sc_na_area"));
    sc_na_area->setWidgetResizable(true);
    sc_na_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollAreaWidgetContents = new QWidget();
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    scrollAreaWidgetContents->setGeometry(0, 0, 241, 204);
    verticalLayout = new QVBoxLayout(scrollAreaWidgetContents);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    gridLayout_na = new QGridLayout();
    gridLayout_na->setObjectName(QStringLiteral("gridLayout_na"));
    gridLayout_na->setSizeConstraint(QLayout::SetMaximumSize);
    verticalLayout->addLayout(gridLayout_na);
    sc_na_area->setWidget(scrollAreaWidgetContents);
    gridLayout->addWidget(sc_na_area, 0, 0, 1, 2);

    retranslateUi(dialog);
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QMetaObject::connectSlotsByName(dialog);
}

void Ui_NA_SelectDialog::retranslateUi(QDialog* dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("NA_SelectDialog", "Nationaler Anhang"));
}

NA_SelectDialog::NA_SelectDialog() : QDialog(nullptr), mapper(new QSignalMapper(this))
{
    setLocale(QLocale(QLocale::German, QLocale::AnyCountry));
    setupUi(this);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &NA_SelectDialog::storedata);
    connect(pb_tool, &QPushButton::clicked, this, &NA_SelectDialog::start_tool);
}

NA_SelectDialog::~NA_SelectDialog()
{
    delete mapper;
}

void NA_SelectDialog::showEvent(QShowEvent*)
{
    rebuildList();
}

void NA_SelectDialog::rebuildList()
{
    nad_read_list();
    radio_buttons.clear();
    flag_labels.clear();
    while (QLayoutItem* item = gridLayout_na->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    sc_na_area->clearMask();

    for (int i = 0; i < nad_list.count; ++i) {
        auto* rb = new QRadioButton(this);
        auto* flag = new QLabel();
        flag->setContentsMargins(0, 0, 0, 0);
        flag->setFixedHeight(19);
        flag->setFixedWidth(26);
        const QString res = na_flag_resource(nad_list.flag_indexes[i]);
        if (!res.isEmpty()) flag->setPixmap(QPixmap(res));
        radio_buttons.append(rb);
        flag_labels.append(flag);
        const char* name = nad_list.names[i] ? nad_list.names[i] : "";
        if (nad_list.active_name && std::strcmp(name, nad_list.active_name) == 0)
            rb->setChecked(true);
        rb->setText(dos_to_latin1_qstring(name));
        connect(rb, &QRadioButton::toggled, mapper, QOverload<>::of(&QSignalMapper::map));
        mapper->setMapping(rb, i);
        gridLayout_na->addWidget(rb, i, 0);
        gridLayout_na->addWidget(flag, i, 1);
    }
    gridLayout_na->setRowStretch(nad_list.count, 2);
    // A scroll area does not widen for what it holds: the longest set name must not be cut off.
    // The new rows are shown and polished only after this event, so the width is taken then.
    QTimer::singleShot(0, this, [this] {
        const int frame = 2 * sc_na_area->frameWidth() + sc_na_area->verticalScrollBar()->sizeHint().width();
        sc_na_area->setMinimumWidth(scrollAreaWidgetContents->sizeHint().width() + frame);
    });
}

void NA_SelectDialog::storedata()
{
    const std::string previous = nad_list.active_name ? nad_list.active_name : "";
    for (int i = 0; i < radio_buttons.size() && i < nad_list.count; ++i)
        if (radio_buttons[i]->isChecked()) nad_set_active_name(nad_list.names[i]);

    // Another program changed or deleted the choice file since it was read here: never
    // overwritten unasked; a copy beside it never replaces a file.
    std::string target = nad_path;
    bool must_be_new = false;
    std::pair<std::vector<std::string>, std::vector<std::string>> elsewhere;
    if (!nad_path.empty()) elsewhere = files_changed_elsewhere({nad_path});
    if (!elsewhere.first.empty() || !elsewhere.second.empty()) {
        const std::string beside = conflict_copy_path(nad_path);
        switch (ask_about_changed_files(elsewhere.first, {beside}, elsewhere.second)) {
        case ChangedFileAnswer::Cancel:
            if (!previous.empty()) nad_set_active_name(previous.c_str());
            return;
        case ChangedFileAnswer::SaveBeside:
            must_be_new = true;
            if (!elsewhere.first.empty()) target = beside;
            break;
        case ChangedFileAnswer::Overwrite:
            break;
        }
    }
    const auto write = [](FILE* f) {
        nad_write_active_name(f);
        return std::fputs("0\n", f) >= 0;
    };
    const bool written = !target.empty() && (must_be_new ? save_new_file_atomically(target, write)
                                                         : save_file_atomically(target, write));
    if (!written) {
        // The position keeps the set it had: nothing is activated, nobody is told of a change.
        if (!previous.empty()) nad_set_active_name(previous.c_str());
        qt_message_box(QMessageBox::Warning, QStringLiteral("Fehler"),
                        QStringLiteral("Die Auswahl des Nationalen Anhangs konnte nicht gespeichert werden!\n") +
                            QFileInfo(QString::fromStdString(target)).absoluteFilePath() + save_failure_reason_text());
        return;
    }
    if (FILE* f = open_regular_file(target, file_bounds::kSmallText, "r")) {
        nad_read_active_name(f);
        std::fclose(f);
    }
    emit naChanged();
}

void NA_SelectDialog::start_nad_editor()
{
    const char* exec = VYKGetEnv("EXEC");
    if (!exec || !*exec) {
        qt_message_box(QMessageBox::Warning, QStringLiteral("Fehler"),
                        QStringLiteral("Das EXEC-Verzeichnis ist nicht ermittelbar!"));
        return;
    }
    const std::string path = path_join(exec, "Orvik");
    const std::string name = nad_list.active_name ? nad_list.active_name : "";
    const char* const argv[] = {path.c_str(), name.c_str(), nullptr};
    // Mode 0 returns when the editor has ended; an editor that cannot start ends at once, and the
    // user is told which program is missing.
    if (VYKSpawnv(0, path.c_str(), argv) == -1)
        qt_message_box(QMessageBox::Warning, QStringLiteral("Fehler"),
                        QStringLiteral("Der Editor für Nationale Anhänge konnte nicht gestartet werden:\n") +
                            QString::fromStdString(path));
}

void NA_SelectDialog::start_tool()
{
    start_nad_editor();
    nad_read_list();
    rebuildList();
}
