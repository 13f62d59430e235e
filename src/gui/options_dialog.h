// The options dialog "Einstellungen": frame of the view drawing, print switches, decimals of the
// force columns, and the buttons of the main window's font and colour choices.
#pragma once
#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

class Ui_OptionsDialog {
public:
    QFrame* Frameopt;
    QGroupBox* groupBox_14;
    QGroupBox* gb_grafik;
    QLabel* label_24;
    QLabel* label_25;
    QCheckBox* cb_masstab_optimal;
    QDoubleSpinBox* sb_graf_breite;
    QDoubleSpinBox* sb_graf_hoehe;
    QCheckBox* cb_ausfuehrlich;
    QGroupBox* groupBox_17;
    QPushButton* pb_bildschirmfont;
    QPushButton* pb_tabellenfont;
    QPushButton* pb_font_default;
    QPushButton* pb_color_hintergrund;
    QPushButton* pb_color_erg_ok;
    QPushButton* pb_color_erg_fehler;
    QPushButton* pb_color_but;
    QPushButton* pb_color_header;
    QPushButton* pb_color_default;
    QLabel* label;
    QSpinBox* sb_nk_sni;
    QDialogButtonBox* buttonBox;

    void setupUi(QDialog* dialog);
    void retranslateUi(QDialog* dialog);
};

namespace Ui {
class OptionsDialog : public Ui_OptionsDialog {};
} // namespace Ui

class OptionsDialog : public QDialog, public Ui::OptionsDialog {
    Q_OBJECT
public:
    OptionsDialog();
    ~OptionsDialog() override;

public slots:
    void show_options();
    void storedata();
    void init_input();
    void show_helpview();
};
