// The main window's form, built in code: actions and tool bar, the three tab pages and the
// right-hand column. Every widget is a member under its object name.
#pragma once
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include "gui/quor_spinbox.h"

class Ui_MainWindow {
public:
    QAction* actionNationalerAnhang;
    QAction* actionDruckvorschau;
    QAction* actionDrucken;
    QAction* actionDaten_sichern;
    QAction* actionHilfe;
    QAction* actionEnde;
    QAction* actionCalculation;
    QAction* actionEinstellungen;
    QAction* actionSchnittgr_import;
    QAction* action_cal_auto;
    QWidget* centralwidget;
    QToolBar* toolBar;
    QTabWidget* tabWidget;
    QWidget* tab_system;
    QWidget* tab_verstaerkung;
    QWidget* tab_schnittgroessen;

    // right-hand column
    QGraphicsView* gv_plot;
    QGroupBox* gb_nachweise;
    QCheckBox* cb_Biegung;
    QCheckBox* cb_Schub;
    QWidget* wd_Schub_kappa_kreis;
    QCheckBox* cb_Schub_kappa_kreis;
    QLabel* lb_Schub_kappa_kreis;
    QGroupBox* groupBox;
    QGroupBox* gb_ergebnisse;

    // system tab
    QGroupBox* groupBox_7;
    QRadioButton* rb_typ_durchbruch_recht;
    QRadioButton* rb_typ_durchbruch_kreis;
    QGroupBox* groupBox_6;
    QRadioButton* rb_Balken_NKL1;
    QRadioButton* rb_Balken_NKL2;
    QRadioButton* rb_Balken_NKL3;
    QGroupBox* groupBox_3;
    QRadioButton* rb_holzart_NH;
    QRadioButton* rb_holzart_LH;
    QRadioButton* rb_holzart_BSH_DIN;
    QRadioButton* rb_holzart_BSH_EC;
    QComboBox* cb_holzguete;
    QCheckBox* cb_kh;
    QLabel* lb_kh;
    QGroupBox* gb_querschnitt;
    QLabel* label_3;
    QLabel* label_7;
    QLabel* lb_hef;
    QLabel* lb_x;
    QLabel* lb_ba;
    QSpinBox* ed_Balken_b;
    QSpinBox* ed_Balken_h;
    QSpinBox* ed_Balken_hro;
    QSpinBox* ed_Balken_hru;
    QSpinBox* ed_Balken_a;
    QLabel* lb_skizze;
    QLabel* lb_kommentar_a;
    QLabel* lb_kommentar_hru;
    QLabel* lb_kommentar_hro;
    QLabel* lb_kommentar_d;
    QLabel* lb_kommentar_hd;

    // reinforcement tab
    QGroupBox* gb_Verstaerkung;
    QRadioButton* rb_verst_laschen;
    QRadioButton* rb_verst_gewindestangen;
    QRadioButton* rb_verst_schrauben;
    QButtonGroup* buttonGroup;
    QButtonGroup* buttonGroup_2;
    QButtonGroup* buttonGroup_3;
    QGroupBox* gb_laschen;
    QComboBox* cob_mat_laschen;
    QComboBox* cob_guete_laschen;
    QLabel* lb_ftk;
    QUORSpinBox* sb_laschen_ftk;
    QLabel* lb_lr;
    QSpinBox* ed_Verst_ar;
    QLabel* label;
    QSpinBox* ed_Verst_h1;
    QLabel* lb_tr;
    QUORSpinBox* ed_Verst_tr;
    QGroupBox* gb_stahlstab;
    QLabel* lb_hef_2;
    QDoubleSpinBox* ed_GS_le;
    QLabel* lb_hef_3;
    QComboBox* cob_dr_GS;
    QLabel* lb_hef_5;
    QComboBox* cob_fest_GS;
    QLabel* lb_hef_4;
    QSpinBox* ed_Verst_n_GS;
    QRadioButton* rb_oben_gs;
    QRadioButton* rb_unten_gs;
    QGroupBox* gb_schraube;
    QLabel* lb_hef_6;
    QComboBox* cob_typ_schraube;
    QCheckBox* cb_vorgebohrt;
    QLabel* lb_hef_7;
    QComboBox* cob_d_schraube;
    QComboBox* cob_l_schraube;
    QCheckBox* cb_rostfrei;
    QLabel* lb_hef_9;
    QSpinBox* ed_Verst_n_SC;
    QCheckBox* cb_mit_unterleg;
    QRadioButton* rb_oben_sc;
    QRadioButton* rb_unten_sc;
    QRadioButton* rb_gepresst;
    QRadioButton* rb_gedreht;
    QGroupBox* gb_querschnitt_2;
    QLabel* label_4;
    QLabel* label_8;
    QLabel* lb_hef_8;
    QLabel* lb_x_2;
    QLabel* lb_ba_2;
    QSpinBox* ed_Balken_b_2;
    QSpinBox* ed_Balken_h_2;
    QSpinBox* ed_Balken_hro_2;
    QSpinBox* ed_Balken_hru_2;
    QSpinBox* ed_Balken_a_2;
    QLabel* lb_skizze_2;
    QLabel* lb_kommentar_a_2;
    QLabel* lb_kommentar_hru_2;
    QLabel* lb_kommentar_hro_2;
    QLabel* lb_kommentar_d_2;
    QLabel* lb_kommentar_hd_2;

    // loads tab
    QTableView* tv_lasten;
    QPushButton* pb_last_new;
    QGroupBox* groupBox_2;
    QCheckBox* cb_import_sni;
    QCheckBox* cb_import_mat;
    QCheckBox* cb_import_geo;

    void setupUi(QMainWindow* window);
    void retranslateUi(QMainWindow* window);

private:
    void setupSystemTab();
    void setupReinforcementTab(QMainWindow* window);
    void setupLoadsTab();
    void setupRightColumn(QWidget* column);
    void dimensionGroup(QGroupBox* group, QLabel** labels, const char* const* labelNames, QSpinBox** fields,
                        const char* const* fieldNames, QLabel*& sketch, const char* sketchName,
                        QLabel** rules, const char* const* ruleNames);
};

namespace Ui {
class MainWindow : public Ui_MainWindow {};
}
