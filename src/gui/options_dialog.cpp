#include "gui/options_dialog.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "gui/main_window.h"
#include "gui/panel_resources.h"
#include "gui/quor_spinbox.h"
#include "platform/env/vyk_help.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename T>
T* make(QWidget* parent, const char* name)
{
    T* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setFont(QFont(QStringLiteral("Arial"), 10));
    return w;
}

QDoubleSpinBox* size_field(QWidget* parent, const char* name, const char* field)
{
    auto* sb = make<QUORSpinBox>(parent, name);
    sb->setProperty("feldname", QString::fromUtf8(field));
    // A drawing frame of 0 cm leaves the print's scale search without a scale: at least 1 cm.
    sb->setRange(1.0, 99.99);
    sb->setDecimals(2);
    sb->setSingleStep(1.0);
    return sb;
}

} // namespace

void Ui_OptionsDialog::setupUi(QDialog* dialog)
{
    panel_init_resources();
    dialog->setObjectName(QStringLiteral("OptionsDialog"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->resize(333, 558);
    dialog->setFont(QFont(QStringLiteral("Arial"), 10));
    dialog->setStyleSheet(QStringLiteral(
        "QDialog {background-color: #FEFCF0;}\n"
        "QPushButton:hover {background-color: #D8D8D8; border-top: 3px solid #D8D8D8; "
        "border-bottom: 3px solid #D8D8D8; border-radius: 1px;}\n"));

    auto* outer = new QVBoxLayout(dialog);
    Frameopt = make<QFrame>(dialog, "Frameopt");
    Frameopt->setFrameShape(QFrame::StyledPanel);
    Frameopt->setStyleSheet(QStringLiteral("background-color: white;"));
    auto* frameLayout = new QVBoxLayout(Frameopt);

    groupBox_14 = make<QGroupBox>(Frameopt, "groupBox_14");
    groupBox_14->setStyleSheet(QStringLiteral("background-color: white;"));
    auto* printLayout = new QVBoxLayout(groupBox_14);
    gb_grafik = make<QGroupBox>(groupBox_14, "gb_grafik");
    gb_grafik->setCheckable(true);
    gb_grafik->setChecked(true);
    gb_grafik->setFlat(true);
    gb_grafik->setAlignment(Qt::AlignLeft);
    auto* grid = new QGridLayout(gb_grafik);
    label_24 = make<QLabel>(gb_grafik, "label_24");
    label_25 = make<QLabel>(gb_grafik, "label_25");
    cb_masstab_optimal = make<QCheckBox>(gb_grafik, "cb_masstab_optimal");
    sb_graf_breite = size_field(gb_grafik, "sb_graf_breite", "Breite [cm]");
    sb_graf_hoehe = size_field(gb_grafik, "sb_graf_hoehe", "Höhe [cm]");
    grid->addWidget(label_24, 0, 1);
    grid->addWidget(label_25, 0, 2);
    grid->addWidget(cb_masstab_optimal, 1, 0);
    grid->addWidget(sb_graf_breite, 1, 1);
    grid->addWidget(sb_graf_hoehe, 1, 2);
    printLayout->addWidget(gb_grafik);
    cb_ausfuehrlich = make<QCheckBox>(groupBox_14, "cb_ausfuehrlich");
    printLayout->addWidget(cb_ausfuehrlich);
    frameLayout->addWidget(groupBox_14);

    groupBox_17 = make<QGroupBox>(Frameopt, "groupBox_17");
    groupBox_17->setStyleSheet(QStringLiteral("background-color: white;"));
    groupBox_17->setFlat(false);
    auto* screenLayout = new QVBoxLayout(groupBox_17);
    pb_bildschirmfont = make<QPushButton>(groupBox_17, "pb_bildschirmfont");
    pb_tabellenfont = make<QPushButton>(groupBox_17, "pb_tabellenfont");
    pb_font_default = make<QPushButton>(groupBox_17, "pb_font_default");
    pb_color_hintergrund = make<QPushButton>(groupBox_17, "pb_color_hintergrund");
    pb_color_erg_ok = make<QPushButton>(groupBox_17, "pb_color_erg_ok");
    pb_color_erg_fehler = make<QPushButton>(groupBox_17, "pb_color_erg_fehler");
    pb_color_but = make<QPushButton>(groupBox_17, "pb_color_but");
    pb_color_header = make<QPushButton>(groupBox_17, "pb_color_header");
    pb_color_default = make<QPushButton>(groupBox_17, "pb_color_default");
    for (QPushButton* b : {pb_bildschirmfont, pb_tabellenfont, pb_font_default, pb_color_hintergrund, pb_color_erg_ok,
                           pb_color_erg_fehler, pb_color_but, pb_color_header, pb_color_default})
        screenLayout->addWidget(b);
    auto* nkRow = new QHBoxLayout;
    label = make<QLabel>(groupBox_17, "label");
    sb_nk_sni = make<QUORIntSpinBox>(groupBox_17, "sb_nk_sni");
    sb_nk_sni->setRange(0, 4);
    sb_nk_sni->setProperty("feldname", QStringLiteral("Nachkommastellen"));
    nkRow->addWidget(label);
    nkRow->addWidget(sb_nk_sni);
    nkRow->addStretch(1);
    screenLayout->addLayout(nkRow);
    frameLayout->addWidget(groupBox_17);
    frameLayout->addStretch(1);
    outer->addWidget(Frameopt);

    buttonBox = make<QDialogButtonBox>(dialog, "buttonBox");
    buttonBox->setOrientation(Qt::Horizontal);
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    buttonBox->button(QDialogButtonBox::Ok)->setIcon(QIcon(QStringLiteral(":/buttonbox/images/quor_ok.ico")));
    buttonBox->button(QDialogButtonBox::Cancel)->setIcon(QIcon(QStringLiteral(":/buttonbox/images/quor_abbruch.ico")));
    buttonBox->button(QDialogButtonBox::Help)->setIcon(QIcon(QStringLiteral(":/buttonbox/images/quor_hilfe.ico")));
    outer->addWidget(buttonBox);

    retranslateUi(dialog);
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

void Ui_OptionsDialog::retranslateUi(QDialog* dialog)
{
    auto tr = [](const char* text) { return QCoreApplication::translate("OptionsDialog", text); };
    dialog->setWindowTitle(tr("Einstellungen"));
    groupBox_14->setTitle(tr("Druckeinstellungen"));
    gb_grafik->setTitle(tr("Grafik drucken"));
    label_24->setText(tr("Breite [cm]"));
    label_25->setText(tr("Höhe [cm]"));
    cb_masstab_optimal->setText(tr("Maßstab optimal"));
    cb_ausfuehrlich->setText(tr("Ergebnisprotokoll ausführlich"));
    groupBox_17->setTitle(tr("Bildschirmeinstellungen"));
    pb_bildschirmfont->setText(tr("Textfont"));
    pb_tabellenfont->setText(tr("Tabellenfont"));
    pb_font_default->setText(tr("Standardfonts wiederherstellen"));
    pb_color_hintergrund->setText(tr("&Farbe Fensterhintergrund"));
    pb_color_erg_ok->setText(tr("Farbe Ergebnisfenster OK"));
    pb_color_erg_fehler->setText(tr("Farbe Ergebnisfenster Fehler"));
    pb_color_but->setText(tr("Farbe Buttonleiste"));
    pb_color_header->setText(tr("Farbe Tabellenköpfe"));
    pb_color_default->setText(QStringLiteral("Standardfarben wiederherstellen"));
    label->setText(tr("Nachkommastellen\nin Schnittgrößenabelle"));
}

OptionsDialog::OptionsDialog() : QDialog(nullptr)
{
    setupUi(this);
    cb_ausfuehrlich->hide();
    init_input();
    for (auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help}) {
        QPushButton* b = buttonBox->button(which);
        b->setText(QString());
        b->setFlat(true);
        b->setIconSize(QSize(30, 28));
    }
    connect(buttonBox, &QDialogButtonBox::accepted, this, &OptionsDialog::storedata);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this, &OptionsDialog::show_helpview);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::show_options()
{
    // Unique connections: showing the dialog again adds no second connection.
    if (main_window) {
        const auto unique = Qt::UniqueConnection;
        connect(pb_bildschirmfont, &QAbstractButton::clicked, main_window, &MainWindow::set_application_font, unique);
        connect(pb_font_default, &QAbstractButton::clicked, main_window, &MainWindow::set_application_default_font,
                unique);
        connect(pb_tabellenfont, &QAbstractButton::clicked, main_window, &MainWindow::set_tabellen_font, unique);
        connect(pb_color_hintergrund, &QAbstractButton::clicked, main_window,
                &MainWindow::set_application_color_background, unique);
        connect(pb_color_erg_ok, &QAbstractButton::clicked, main_window, &MainWindow::set_application_color_ergwin_ok,
                unique);
        connect(pb_color_erg_fehler, &QAbstractButton::clicked, main_window,
                &MainWindow::set_application_color_ergwin_fehler, unique);
        connect(pb_color_but, &QAbstractButton::clicked, main_window, &MainWindow::set_application_color_buttonleiste,
                unique);
        connect(pb_color_header, &QAbstractButton::clicked, main_window, &MainWindow::set_application_color_tabheader,
                unique);
        connect(pb_color_default, &QAbstractButton::clicked, main_window, &MainWindow::set_application_default_color,
                unique);
    }
    show();
}

void OptionsDialog::storedata()
{
    data_object.graf_breite = sb_graf_breite->value();
    data_object.graf_hoehe = sb_graf_hoehe->value();
    data_object.masstab_optimal = cb_masstab_optimal->isChecked() ? 1 : 0;
    data_object.grafik_drucken = gb_grafik->isChecked() ? 1 : 0;
    data_object.ausfuehrlich = cb_ausfuehrlich->isChecked() ? 1 : 0;
    if (sb_nk_sni->value() != data_object.nk_sni) {
        data_object.nk_sni = sb_nk_sni->value();
        if (main_window) main_window->set_tabelle_nachkomma();
    }
}

void OptionsDialog::init_input()
{
    sb_graf_breite->setValue(data_object.graf_breite);
    sb_graf_hoehe->setValue(data_object.graf_hoehe);
    cb_masstab_optimal->setChecked(data_object.masstab_optimal != 0);
    gb_grafik->setChecked(data_object.grafik_drucken != 0);
    cb_ausfuehrlich->setChecked(data_object.ausfuehrlich != 0);
    sb_nk_sni->setValue(data_object.nk_sni);
}

void OptionsDialog::show_helpview()
{
    Helpview("optionen");
}
