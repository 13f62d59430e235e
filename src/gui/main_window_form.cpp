#include "gui/main_window_form.h"
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <initializer_list>
#include <QIcon>
#include <QLocale>
#include <QMetaObject>
#include <QSpacerItem>
#include <QVBoxLayout>
#include "gui/gui_resources.h"

namespace {

QFont form_font()
{
    return QFont(QStringLiteral("Arial"), 10);
}

template <typename T>
T* make(QWidget* parent, const char* name)
{
    T* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setFont(form_font());
    return w;
}

struct RadioName {
    QRadioButton** button;
    const char* name;
};

// A flat group box of radio buttons, made and laid out in the order given.
template <typename Layout>
Layout* radio_group(QWidget* parent, QGroupBox** box, const char* name, std::initializer_list<RadioName> buttons)
{
    *box = make<QGroupBox>(parent, name);
    (*box)->setFlat(true);
    auto* layout = new Layout(*box);
    for (const RadioName& b : buttons)
        *b.button = make<QRadioButton>(*box, b.name);
    for (const RadioName& b : buttons)
        layout->addWidget(*b.button);
    return layout;
}

QSpinBox* int_field(QWidget* parent, const char* name, int minimum, int maximum, int step)
{
    auto* sb = make<QUORIntSpinBox>(parent, name);
    sb->setLocale(QLocale::c());
    sb->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
    sb->setMinimum(minimum);
    sb->setMaximum(maximum);
    sb->setSingleStep(step);
    return sb;
}

QString tr_mw(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Rich text "base" with a subscript and a tail, as the form's labels show symbols.
QString sub_text(const char* base, const char* subscript, const char* tail, int pt = 12)
{
    return QStringLiteral("<html><head/><body><p><span style=\" font-size:%1pt;\">%2</span>"
                          "<span style=\" font-size:%1pt; vertical-align:sub;\">%3</span>%4</p></body></html>")
        .arg(pt)
        .arg(QString::fromUtf8(base), QString::fromUtf8(subscript), QString::fromUtf8(tail));
}

QLabel* rule_label(QWidget* parent, const char* name)
{
    auto* l = make<QLabel>(parent, name);
    l->setAlignment(Qt::AlignCenter);
    l->setMargin(3);
    return l;
}

} // namespace

void Ui_MainWindow::dimensionGroup(QGroupBox* group, QLabel** labels, const char* const* labelNames,
                                   QSpinBox** fields, const char* const* fieldNames, QLabel*& sketch,
                                   const char* sketchName, QLabel** rules, const char* const* ruleNames)
{
    auto* row = new QHBoxLayout(group);
    auto* left = new QVBoxLayout();
    auto* grid = new QGridLayout();
    grid->setVerticalSpacing(15);
    static const int mins[5] = {40, 60, 20, 20, 0};
    static const int maxs[5] = {999, 9999, 9999, 9999, 9999};
    for (int i = 0; i < 5; ++i) {
        labels[i] = make<QLabel>(group, labelNames[i]);
        fields[i] = int_field(group, fieldNames[i], mins[i], maxs[i], 10);
        grid->addWidget(labels[i], i, 0);
        grid->addWidget(fields[i], i, 1);
    }
    left->addLayout(grid);
    left->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    row->addLayout(left);

    sketch = make<QLabel>(group, sketchName);
    sketch->setMinimumSize(340, 240);
    sketch->setAutoFillBackground(true);
    sketch->setStyleSheet(QStringLiteral("background-color: white;"));
    sketch->setFrameShape(QFrame::StyledPanel);
    sketch->setFrameShadow(QFrame::Sunken);
    sketch->setAlignment(Qt::AlignCenter);
    row->addWidget(sketch);

    auto* ruleCol = new QVBoxLayout();
    ruleCol->setSpacing(10);
    // The five rules in one size, that of the form.
    for (int i = 0; i < 5; ++i) {
        rules[i] = rule_label(group, ruleNames[i]);
        ruleCol->addWidget(rules[i]);
    }
    ruleCol->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    row->addLayout(ruleCol);
    row->addItem(new QSpacerItem(10, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

void Ui_MainWindow::setupSystemTab()
{
    tab_system = new QWidget();
    tab_system->setObjectName(QStringLiteral("tab_system"));
    auto* outer = new QHBoxLayout(tab_system);
    outer->addItem(new QSpacerItem(9, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    auto* col = new QVBoxLayout();
    outer->addLayout(col);

    auto* l7 = radio_group<QHBoxLayout>(tab_system, &groupBox_7, "groupBox_7",
                                        {{&rb_typ_durchbruch_recht, "rb_typ_durchbruch_recht"},
                                         {&rb_typ_durchbruch_kreis, "rb_typ_durchbruch_kreis"}});
    l7->addStretch();
    col->addWidget(groupBox_7);

    auto* l6 = radio_group<QHBoxLayout>(tab_system, &groupBox_6, "groupBox_6",
                                        {{&rb_Balken_NKL1, "rb_Balken_NKL1"},
                                         {&rb_Balken_NKL2, "rb_Balken_NKL2"},
                                         {&rb_Balken_NKL3, "rb_Balken_NKL3"}});
    l6->addStretch();
    col->addWidget(groupBox_6);

    auto* l3 = radio_group<QVBoxLayout>(tab_system, &groupBox_3, "groupBox_3",
                                        {{&rb_holzart_NH, "rb_holzart_NH"},
                                         {&rb_holzart_LH, "rb_holzart_LH"},
                                         {&rb_holzart_BSH_DIN, "rb_holzart_BSH_DIN"},
                                         {&rb_holzart_BSH_EC, "rb_holzart_BSH_EC"}});
    auto* gradeRow = new QHBoxLayout();
    cb_holzguete = make<QComboBox>(groupBox_3, "cb_holzguete");
    cb_holzguete->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cb_kh = make<QCheckBox>(groupBox_3, "cb_kh");
    lb_kh = make<QLabel>(groupBox_3, "lb_kh");
    gradeRow->addWidget(cb_holzguete);
    gradeRow->addWidget(cb_kh);
    gradeRow->addWidget(lb_kh);
    gradeRow->addStretch();
    l3->addLayout(gradeRow);
    col->addWidget(groupBox_3);

    gb_querschnitt = make<QGroupBox>(tab_system, "gb_querschnitt");
    gb_querschnitt->setFlat(true);
    QLabel* labels[5];
    QSpinBox* fields[5];
    QLabel* rules[5];
    static const char* const labelNames[5] = {"label_3", "label_7", "lb_hef", "lb_x", "lb_ba"};
    static const char* const fieldNames[5] = {"ed_Balken_b", "ed_Balken_h", "ed_Balken_hro", "ed_Balken_hru",
                                              "ed_Balken_a"};
    static const char* const ruleNames[5] = {"lb_kommentar_a", "lb_kommentar_hru", "lb_kommentar_hro",
                                             "lb_kommentar_d", "lb_kommentar_hd"};
    dimensionGroup(gb_querschnitt, labels, labelNames, fields, fieldNames, lb_skizze, "lb_skizze", rules, ruleNames);
    label_3 = labels[0]; label_7 = labels[1]; lb_hef = labels[2]; lb_x = labels[3]; lb_ba = labels[4];
    ed_Balken_b = fields[0]; ed_Balken_h = fields[1]; ed_Balken_hro = fields[2]; ed_Balken_hru = fields[3];
    ed_Balken_a = fields[4];
    lb_kommentar_a = rules[0]; lb_kommentar_hru = rules[1]; lb_kommentar_hro = rules[2];
    lb_kommentar_d = rules[3]; lb_kommentar_hd = rules[4];
    col->addWidget(gb_querschnitt);
    col->addStretch();
}

void Ui_MainWindow::setupReinforcementTab(QMainWindow* window)
{
    tab_verstaerkung = new QWidget();
    tab_verstaerkung->setObjectName(QStringLiteral("tab_verstaerkung"));
    auto* outer = new QVBoxLayout(tab_verstaerkung);
    gb_Verstaerkung = make<QGroupBox>(tab_verstaerkung, "gb_Verstaerkung");
    gb_Verstaerkung->setFlat(true);
    gb_Verstaerkung->setCheckable(true);
    gb_Verstaerkung->setChecked(true);
    outer->addWidget(gb_Verstaerkung);
    auto* vl = new QVBoxLayout(gb_Verstaerkung);
    vl->setSpacing(6);

    buttonGroup = new QButtonGroup(window);
    buttonGroup->setObjectName(QStringLiteral("buttonGroup"));
    buttonGroup_2 = new QButtonGroup(window);
    buttonGroup_2->setObjectName(QStringLiteral("buttonGroup_2"));
    buttonGroup_3 = new QButtonGroup(window);
    buttonGroup_3->setObjectName(QStringLiteral("buttonGroup_3"));

    auto* topRow = new QHBoxLayout();
    // plates
    auto* plateCol = new QVBoxLayout();
    rb_verst_laschen = make<QRadioButton>(gb_Verstaerkung, "rb_verst_laschen");
    buttonGroup->addButton(rb_verst_laschen);
    plateCol->addWidget(rb_verst_laschen);
    gb_laschen = make<QGroupBox>(gb_Verstaerkung, "gb_laschen");
    gb_laschen->setFlat(true);
    auto* pl = new QVBoxLayout(gb_laschen);
    auto* matRow = new QHBoxLayout();
    cob_mat_laschen = make<QComboBox>(gb_laschen, "cob_mat_laschen");
    cob_mat_laschen->setMaximumWidth(120);
    cob_guete_laschen = make<QComboBox>(gb_laschen, "cob_guete_laschen");
    matRow->addWidget(cob_mat_laschen);
    matRow->addWidget(cob_guete_laschen);
    pl->addLayout(matRow);
    auto* pform = new QGridLayout();
    lb_ftk = make<QLabel>(gb_laschen, "lb_ftk");
    sb_laschen_ftk = make<QUORSpinBox>(gb_laschen, "sb_laschen_ftk");
    sb_laschen_ftk->setLocale(QLocale::c());
    sb_laschen_ftk->setMinimum(0.01);
    lb_lr = make<QLabel>(gb_laschen, "lb_lr");
    ed_Verst_ar = int_field(gb_laschen, "ed_Verst_ar", 10, 9999, 10);
    label = make<QLabel>(gb_laschen, "label");
    ed_Verst_h1 = int_field(gb_laschen, "ed_Verst_h1", 10, 9999, 10);
    lb_tr = make<QLabel>(gb_laschen, "lb_tr");
    ed_Verst_tr = make<QUORSpinBox>(gb_laschen, "ed_Verst_tr");
    ed_Verst_tr->setLocale(QLocale::c());
    ed_Verst_tr->setDecimals(1);
    ed_Verst_tr->setMinimum(1.0);
    ed_Verst_tr->setMaximum(900.0);
    ed_Verst_tr->setSingleStep(1.0);
    pform->addWidget(lb_ftk, 0, 0); pform->addWidget(sb_laschen_ftk, 0, 1);
    pform->addWidget(lb_lr, 1, 0); pform->addWidget(ed_Verst_ar, 1, 1);
    pform->addWidget(label, 2, 0); pform->addWidget(ed_Verst_h1, 2, 1);
    pform->addWidget(lb_tr, 3, 0); pform->addWidget(ed_Verst_tr, 3, 1);
    pform->setColumnStretch(2, 1);
    pl->addLayout(pform);
    plateCol->addWidget(gb_laschen);
    topRow->addLayout(plateCol);
    topRow->addSpacing(40);

    // glued-in rods
    auto* rodCol = new QVBoxLayout();
    rb_verst_gewindestangen = make<QRadioButton>(gb_Verstaerkung, "rb_verst_gewindestangen");
    buttonGroup->addButton(rb_verst_gewindestangen);
    rodCol->addWidget(rb_verst_gewindestangen);
    gb_stahlstab = make<QGroupBox>(gb_Verstaerkung, "gb_stahlstab");
    gb_stahlstab->setFlat(true);
    auto* rg = new QGridLayout(gb_stahlstab);
    lb_hef_2 = make<QLabel>(gb_stahlstab, "lb_hef_2");
    ed_GS_le = make<QUORSpinBox>(gb_stahlstab, "ed_GS_le");
    ed_GS_le->setLocale(QLocale::c());
    ed_GS_le->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ed_GS_le->setDecimals(0);
    ed_GS_le->setMinimum(0);
    ed_GS_le->setMaximum(9999);
    ed_GS_le->setSingleStep(10);
    lb_hef_3 = make<QLabel>(gb_stahlstab, "lb_hef_3");
    cob_dr_GS = make<QComboBox>(gb_stahlstab, "cob_dr_GS");
    lb_hef_5 = make<QLabel>(gb_stahlstab, "lb_hef_5");
    cob_fest_GS = make<QComboBox>(gb_stahlstab, "cob_fest_GS");
    lb_hef_4 = make<QLabel>(gb_stahlstab, "lb_hef_4");
    ed_Verst_n_GS = int_field(gb_stahlstab, "ed_Verst_n_GS", 1, 99, 1);
    ed_Verst_n_GS->setValue(9);
    rb_oben_gs = make<QRadioButton>(gb_stahlstab, "rb_oben_gs");
    rb_unten_gs = make<QRadioButton>(gb_stahlstab, "rb_unten_gs");
    rg->addWidget(lb_hef_2, 0, 0); rg->addWidget(ed_GS_le, 0, 1);
    rg->addWidget(lb_hef_3, 1, 0); rg->addWidget(cob_dr_GS, 1, 1);
    rg->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    rg->addWidget(lb_hef_5, 2, 0); rg->addWidget(cob_fest_GS, 2, 1);
    rg->addWidget(lb_hef_4, 3, 0); rg->addWidget(ed_Verst_n_GS, 3, 1);
    rg->addWidget(rb_oben_gs, 4, 0); rg->addWidget(rb_unten_gs, 4, 1);
    rodCol->addWidget(gb_stahlstab);
    topRow->addLayout(rodCol);
    vl->addLayout(topRow);

    // fully threaded screws
    rb_verst_schrauben = make<QRadioButton>(gb_Verstaerkung, "rb_verst_schrauben");
    buttonGroup->addButton(rb_verst_schrauben);
    vl->addWidget(rb_verst_schrauben);
    gb_schraube = make<QGroupBox>(gb_Verstaerkung, "gb_schraube");
    gb_schraube->setFlat(true);
    auto* sg = new QGridLayout(gb_schraube);
    lb_hef_6 = make<QLabel>(gb_schraube, "lb_hef_6");
    cob_typ_schraube = make<QComboBox>(gb_schraube, "cob_typ_schraube");
    cb_vorgebohrt = make<QCheckBox>(gb_schraube, "cb_vorgebohrt");
    lb_hef_7 = make<QLabel>(gb_schraube, "lb_hef_7");
    cob_d_schraube = make<QComboBox>(gb_schraube, "cob_d_schraube");
    cob_l_schraube = make<QComboBox>(gb_schraube, "cob_l_schraube");
    cb_rostfrei = make<QCheckBox>(gb_schraube, "cb_rostfrei");
    lb_hef_9 = make<QLabel>(gb_schraube, "lb_hef_9");
    ed_Verst_n_SC = int_field(gb_schraube, "ed_Verst_n_SC", 1, 99, 1);
    ed_Verst_n_SC->setValue(9);
    cb_mit_unterleg = make<QCheckBox>(gb_schraube, "cb_mit_unterleg");
    rb_oben_sc = make<QRadioButton>(gb_schraube, "rb_oben_sc");
    rb_oben_sc->setChecked(true);
    rb_unten_sc = make<QRadioButton>(gb_schraube, "rb_unten_sc");
    buttonGroup_2->addButton(rb_oben_sc);
    buttonGroup_2->addButton(rb_unten_sc);
    rb_gepresst = make<QRadioButton>(gb_schraube, "rb_gepresst");
    rb_gedreht = make<QRadioButton>(gb_schraube, "rb_gedreht");
    buttonGroup_3->addButton(rb_gepresst);
    buttonGroup_3->addButton(rb_gedreht);
    sg->addWidget(lb_hef_6, 0, 0); sg->addWidget(cob_typ_schraube, 0, 1, 1, 2); sg->addWidget(cb_vorgebohrt, 0, 3, 1, 2);
    sg->addWidget(lb_hef_7, 1, 0); sg->addWidget(cob_d_schraube, 1, 1); sg->addWidget(cob_l_schraube, 1, 2);
    sg->addWidget(cb_rostfrei, 1, 3, 1, 2);
    sg->addWidget(lb_hef_9, 2, 0); sg->addWidget(ed_Verst_n_SC, 2, 1); sg->addWidget(cb_mit_unterleg, 2, 3, 1, 2);
    sg->addWidget(rb_oben_sc, 3, 0); sg->addWidget(rb_unten_sc, 3, 1);
    sg->addWidget(rb_gepresst, 3, 3); sg->addWidget(rb_gedreht, 3, 4);
    vl->addWidget(gb_schraube);

    gb_querschnitt_2 = make<QGroupBox>(gb_Verstaerkung, "gb_querschnitt_2");
    gb_querschnitt_2->setFlat(true);
    QLabel* labels[5];
    QSpinBox* fields[5];
    QLabel* rules[5];
    static const char* const labelNames[5] = {"label_4", "label_8", "lb_hef_8", "lb_x_2", "lb_ba_2"};
    static const char* const fieldNames[5] = {"ed_Balken_b_2", "ed_Balken_h_2", "ed_Balken_hro_2",
                                              "ed_Balken_hru_2", "ed_Balken_a_2"};
    static const char* const ruleNames[5] = {"lb_kommentar_a_2", "lb_kommentar_hru_2", "lb_kommentar_hro_2",
                                             "lb_kommentar_d_2", "lb_kommentar_hd_2"};
    dimensionGroup(gb_querschnitt_2, labels, labelNames, fields, fieldNames, lb_skizze_2, "lb_skizze_2", rules,
                   ruleNames);
    label_4 = labels[0]; label_8 = labels[1]; lb_hef_8 = labels[2]; lb_x_2 = labels[3]; lb_ba_2 = labels[4];
    ed_Balken_b_2 = fields[0]; ed_Balken_h_2 = fields[1]; ed_Balken_hro_2 = fields[2];
    ed_Balken_hru_2 = fields[3]; ed_Balken_a_2 = fields[4];
    lb_kommentar_a_2 = rules[0]; lb_kommentar_hru_2 = rules[1]; lb_kommentar_hro_2 = rules[2];
    lb_kommentar_d_2 = rules[3]; lb_kommentar_hd_2 = rules[4];
    vl->addWidget(gb_querschnitt_2);
}

void Ui_MainWindow::setupLoadsTab()
{
    tab_schnittgroessen = new QWidget();
    tab_schnittgroessen->setObjectName(QStringLiteral("tab_schnittgroessen"));
    auto* vl = new QVBoxLayout(tab_schnittgroessen);
    vl->setSpacing(12);
    tv_lasten = make<QTableView>(tab_schnittgroessen, "tv_lasten");
    tv_lasten->setMinimumSize(560, 400);
    tv_lasten->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    tv_lasten->setAlternatingRowColors(true);
    tv_lasten->setSelectionMode(QAbstractItemView::SingleSelection);
    tv_lasten->setSelectionBehavior(QAbstractItemView::SelectItems);
    vl->addWidget(tv_lasten);
    pb_last_new = make<QPushButton>(tab_schnittgroessen, "pb_last_new");
    pb_last_new->setIcon(QIcon(QStringLiteral(":/buttonbox/images/htbr_vorz_schngr.png")));
    pb_last_new->setIconSize(QSize(170, 63));
    vl->addWidget(pb_last_new);
    groupBox_2 = make<QGroupBox>(tab_schnittgroessen, "groupBox_2");
    groupBox_2->setFlat(true);
    auto* gl = new QVBoxLayout(groupBox_2);
    gl->setSpacing(9);
    cb_import_sni = make<QCheckBox>(groupBox_2, "cb_import_sni");
    cb_import_mat = make<QCheckBox>(groupBox_2, "cb_import_mat");
    cb_import_geo = make<QCheckBox>(groupBox_2, "cb_import_geo");
    gl->addWidget(cb_import_sni);
    gl->addWidget(cb_import_mat);
    gl->addWidget(cb_import_geo);
    vl->addWidget(groupBox_2);
    vl->addStretch();
}

void Ui_MainWindow::setupRightColumn(QWidget* column)
{
    auto* vl = new QVBoxLayout();
    vl->addSpacing(39);
    gv_plot = make<QGraphicsView>(column, "gv_plot");
    gv_plot->setMinimumSize(340, 340);
    gv_plot->setMaximumHeight(400);
    vl->addWidget(gv_plot);

    gb_nachweise = make<QGroupBox>(column, "gb_nachweise");
    gb_nachweise->setFlat(true);
    auto* nl = new QVBoxLayout(gb_nachweise);
    cb_Biegung = make<QCheckBox>(gb_nachweise, "cb_Biegung");
    cb_Schub = make<QCheckBox>(gb_nachweise, "cb_Schub");
    wd_Schub_kappa_kreis = make<QWidget>(gb_nachweise, "wd_Schub_kappa_kreis");
    auto* kl = new QVBoxLayout(wd_Schub_kappa_kreis);
    kl->setContentsMargins(16, 0, 0, 0);
    cb_Schub_kappa_kreis = make<QCheckBox>(wd_Schub_kappa_kreis, "cb_Schub_kappa_kreis");
    lb_Schub_kappa_kreis = make<QLabel>(wd_Schub_kappa_kreis, "lb_Schub_kappa_kreis");
    lb_Schub_kappa_kreis->setWordWrap(true);
    kl->addWidget(cb_Schub_kappa_kreis);
    kl->addWidget(lb_Schub_kappa_kreis);
    nl->addWidget(cb_Biegung);
    nl->addWidget(cb_Schub);
    nl->addWidget(wd_Schub_kappa_kreis);
    vl->addWidget(gb_nachweise);

    groupBox = make<QGroupBox>(column, "groupBox");
    groupBox->setFlat(true);
    auto* gl = new QVBoxLayout(groupBox);
    gb_ergebnisse = make<QGroupBox>(groupBox, "gb_ergebnisse");
    gb_ergebnisse->setFlat(true);
    gb_ergebnisse->setMinimumWidth(300);
    gl->addWidget(gb_ergebnisse);
    vl->addWidget(groupBox);
    static_cast<QHBoxLayout*>(column->layout())->addLayout(vl);
}

void Ui_MainWindow::setupUi(QMainWindow* window)
{
    gui_init_resources();
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->setWindowModality(Qt::NonModal);
    window->resize(982, 788);
    window->setFont(form_font());
    window->setStyleSheet(QStringLiteral(
        "QMainWindow, QSplitter::handle { background-color: #D0D0D0; }\n"
        "QScrollArea { background-color: #F1F4dF; }\n"
        "QPushButton:hover { background-color: #D8D8D8; border-top: 3px solid #D8D8D8; "
        "border-bottom: 3px solid #D8D8D8; border-radius: 1px; }"));

    auto action = [window](const char* name, const char* icon) {
        auto* a = new QAction(window);
        a->setObjectName(QString::fromLatin1(name));
        if (icon)
            a->setIcon(QIcon(QString::fromUtf8(icon)));
        return a;
    };
    actionNationalerAnhang = action("actionNationalerAnhang", ":/buttonbox/images/nad.ico");
    actionDruckvorschau = action("actionDruckvorschau", ":/buttonbox/images/prev.ico");
    actionDrucken = action("actionDrucken", ":/buttonbox/images/dru.ico");
    actionDaten_sichern = action("actionDaten_sichern", ":/buttonbox/images/sav.ico");
    actionHilfe = action("actionHilfe", ":/buttonbox/images/help.ico");
    actionEnde = action("actionEnde", ":/buttonbox/images/exit.ico");
    actionCalculation = action("actionCalculation", ":/buttonbox/images/quor_cal.ico");
    actionEinstellungen = action("actionEinstellungen", ":/buttonbox/images/tool.ico");
    actionSchnittgr_import = action("actionSchnittgr_import", ":/button/images/snigrexport.png");
    action_cal_auto = action("action_cal_auto", nullptr);
    action_cal_auto->setCheckable(true);
    action_cal_auto->setChecked(false);
    {
        QIcon icon;
        const QPixmap off(QStringLiteral(":/buttonbox/images/auto_aus.png"));
        const QPixmap on(QStringLiteral(":/buttonbox/images/auto_an.png"));
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected}) {
            icon.addPixmap(off, mode, QIcon::Off);
            icon.addPixmap(on, mode, QIcon::On);
        }
        action_cal_auto->setIcon(icon);
    }

    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    centralwidget->setEnabled(true);
    auto* row = new QHBoxLayout(centralwidget);

    tabWidget = make<QTabWidget>(centralwidget, "tabWidget");
    tabWidget->setIconSize(QSize(45, 27));
    tabWidget->setElideMode(Qt::ElideRight);
    tabWidget->setTabsClosable(false);
    tabWidget->setDocumentMode(false);
    tabWidget->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { background: #D0D0D0; border: 3px solid #C2C7CB; border-radius: 6px;"
        " border-top-color: white; border-left-color: white; border-right-color: #616161;"
        " border-bottom-color: #616161; }\n"
        "QTabBar::tab { background: #D0D0D0; border: 3px solid #C2C7CB; border-top-color: white;"
        " border-left-color: white; border-right-color: #616161; border-bottom-color: #D0D0D0;"
        " border-top-left-radius: 6px; border-top-right-radius: 6px; padding: 2px; text-align: left; }\n"
        "QTabBar::tab:hover { background: #D8D8D8; }\n"
        "QTabBar::tab:!selected { margin-top: 2px; }\n"
        "QTabBar::tab:selected { margin-left: -2px; margin-right: -2px; }\n"
        "QTabBar::tab:first:selected { margin-left: 0; }\n"
        "QTabBar::tab:last:selected { margin-right: 0; }"));
    setupSystemTab();
    setupReinforcementTab(window);
    setupLoadsTab();
    tabWidget->addTab(tab_system, QIcon(QStringLiteral(":/buttonbox/images/tab_system.png")), QString());
    tabWidget->addTab(tab_verstaerkung, QIcon(QStringLiteral(":/buttonbox/images/tab_verstaerkung.png")), QString());
    tabWidget->addTab(tab_schnittgroessen, QIcon(QStringLiteral(":/buttonbox/images/tab_schnittgroessen.png")),
                      QString());
    row->addWidget(tabWidget);
    setupRightColumn(centralwidget);
    window->setCentralWidget(centralwidget);

    toolBar = new QToolBar(window);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setIconSize(QSize(45, 37));
    toolBar->setLayoutDirection(Qt::RightToLeft);
    window->addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addAction(actionEnde);
    toolBar->addAction(actionHilfe);
    toolBar->addAction(actionDaten_sichern);
    toolBar->addAction(actionDrucken);
    toolBar->addAction(actionDruckvorschau);
    toolBar->addAction(actionEinstellungen);
    toolBar->addAction(actionSchnittgr_import);
    toolBar->addSeparator();
    toolBar->addAction(actionNationalerAnhang);
    toolBar->addAction(actionCalculation);
    toolBar->addAction(action_cal_auto);

    retranslateUi(window);
    QObject::connect(action_cal_auto, &QAction::toggled, actionCalculation, &QAction::setEnabled);
    QObject::connect(cb_import_sni, &QCheckBox::toggled, cb_import_geo, &QWidget::setEnabled);
    QObject::connect(cb_import_sni, &QCheckBox::toggled, cb_import_mat, &QWidget::setEnabled);
    QObject::connect(gb_Verstaerkung, &QGroupBox::toggled, gb_querschnitt_2, &QWidget::setEnabled);
    tabWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(window);
}

void Ui_MainWindow::retranslateUi(QMainWindow* window)
{
    window->setWindowTitle(tr_mw("K7-LUMO Ausklinkung"));
    actionNationalerAnhang->setText(tr_mw("Nationaler Anhang"));
    actionNationalerAnhang->setToolTip(tr_mw("nationaler Anhang zum EC"));
    actionDruckvorschau->setText(tr_mw("Druckvorschau"));
    actionDruckvorschau->setToolTip(tr_mw("Druckvorschau"));
    actionDrucken->setText(tr_mw("Drucken"));
    actionDrucken->setToolTip(tr_mw("Drucken"));
    actionDaten_sichern->setText(tr_mw("Daten sichern"));
    actionHilfe->setText(tr_mw("Hilfe"));
    actionHilfe->setToolTip(tr_mw("Hilfe"));
    actionEnde->setText(tr_mw("Ende"));
    actionEnde->setToolTip(tr_mw("Ende"));
    actionCalculation->setText(tr_mw("Berechnung durchführen"));
    actionEinstellungen->setText(tr_mw("Einstellungen"));
    actionSchnittgr_import->setText(tr_mw("Schnittgrößenimport"));
    action_cal_auto->setText(tr_mw("automatisch rechnen"));

    groupBox_7->setTitle(tr_mw("Bauteiltyp"));
    rb_typ_durchbruch_recht->setText(tr_mw("Durchbruch rechtwinklig"));
    rb_typ_durchbruch_kreis->setText(tr_mw("Durchbruch kreisförmig"));
    groupBox_6->setTitle(tr_mw("Nutzungsklasse"));
    rb_Balken_NKL1->setText(tr_mw("NKL 1"));
    rb_Balken_NKL2->setText(tr_mw("NKL 2"));
    rb_Balken_NKL3->setText(tr_mw("NKL 3"));
    groupBox_3->setTitle(tr_mw("Holzart"));
    rb_holzart_NH->setText(tr_mw("Nadelholz"));
    rb_holzart_LH->setText(tr_mw("Laubholz"));
    rb_holzart_BSH_DIN->setText(tr_mw("Brettschichtholz DIN"));
    rb_holzart_BSH_EC->setText(tr_mw("Brettschichtholz EC"));
    cb_kh->setText(QString());
    lb_kh->setText(sub_text("Erhöhung mit k", "h", ""));

    const QString ge35 = QString::fromUtf8(" ≥ 0,35 h");
    for (QGroupBox* g : {gb_querschnitt, gb_querschnitt_2})
        g->setTitle(tr_mw("Abmessungen in [mm]"));
    for (QLabel* l : {label_3, label_4})
        l->setText(tr_mw("b"));
    for (QLabel* l : {label_7, label_8})
        l->setText(tr_mw("h"));
    for (QLabel* l : {lb_hef, lb_hef_8})
        l->setText(sub_text("h", "ro", ""));
    for (QLabel* l : {lb_x, lb_x_2})
        l->setText(sub_text("h", "ru", ""));
    for (QLabel* l : {lb_ba, lb_ba_2})
        l->setText(QStringLiteral("<html><head/><body><p>a</p></body></html>"));
    for (QLabel* l : {lb_skizze, lb_skizze_2})
        l->setText(QString());
    for (QLabel* l : {lb_kommentar_a, lb_kommentar_a_2})
        l->setText(QString::fromUtf8("<html><head/><body><p>a ≤ 0,4 h</p></body></html>"));
    for (QLabel* l : {lb_kommentar_hru, lb_kommentar_hru_2})
        l->setText(sub_text("h", "ru", ge35.toUtf8().constData(), 10));
    for (QLabel* l : {lb_kommentar_hro, lb_kommentar_hro_2})
        l->setText(sub_text("h", "ro", ge35.toUtf8().constData(), 10));
    for (QLabel* l : {lb_kommentar_d, lb_kommentar_d_2})
        l->setText(tr_mw("d > 50"));
    for (QLabel* l : {lb_kommentar_hd, lb_kommentar_hd_2})
        l->setText(sub_text("h", "d", " ≤ 0,15 h", 10));

    gb_Verstaerkung->setTitle(tr_mw("Verstärkung"));
    rb_verst_laschen->setText(tr_mw("aufgeleimte Laschen"));
    rb_verst_gewindestangen->setText(tr_mw("eingeklebte Stahlstäbe"));
    rb_verst_schrauben->setText(tr_mw("Vollgewindeschrauben"));
    gb_laschen->setTitle(QString());
    lb_ftk->setText(sub_text("f", "t,k", " [N/mm²]"));
    lb_lr->setText(sub_text("Rand a", "r", " [mm]"));
    label->setText(sub_text("Rand h", "1", " [mm]"));
    lb_tr->setText(sub_text("Dicke t", "r", " [mm]"));
    gb_stahlstab->setTitle(QString());
    lb_hef_2->setText(sub_text("l", "e", " [mm]"));
    lb_hef_3->setText(sub_text("d", "r", " [mm]"));
    lb_hef_5->setText(tr_mw("Festigkeit"));
    lb_hef_4->setText(tr_mw("Anzahl je Seite"));
    rb_oben_gs->setText(tr_mw("von oben"));
    rb_unten_gs->setText(tr_mw("von unten"));
    gb_schraube->setTitle(QString());
    lb_hef_6->setText(tr_mw("Typ"));
    cb_vorgebohrt->setText(tr_mw("vorgebohrt"));
    lb_hef_7->setText(tr_mw("d x l [mm]"));
    cb_rostfrei->setText(tr_mw("rostfreier Stahl"));
    lb_hef_9->setText(tr_mw("Anzahl je Seite"));
    cb_mit_unterleg->setText(tr_mw("mit Unterlegscheibe"));
    rb_oben_sc->setText(tr_mw("von oben"));
    rb_unten_sc->setText(tr_mw("von unten"));
    rb_gepresst->setText(tr_mw("gepresst"));
    rb_gedreht->setText(tr_mw("gedreht"));

    pb_last_new->setText(tr_mw("&neue Schnittgrößenkombination\nKräfte in kN, Momente in kNm"));
    groupBox_2->setTitle(tr_mw("Einstellungen für den Schnittgrößenimport"));
    cb_import_sni->setText(tr_mw("Schnittgrößen importieren"));
    cb_import_mat->setText(tr_mw("Materialdaten importieren"));
    cb_import_geo->setText(tr_mw("Querschnittsabmessungen importieren"));

    gb_nachweise->setTitle(tr_mw("Nachweise"));
    cb_Biegung->setText(tr_mw("Biegung"));
    cb_Schub->setText(tr_mw("Querkraft"));
    cb_Schub_kappa_kreis->setText(tr_mw("Erhöhte Schubspannungen berücksichtigen"));
    lb_Schub_kappa_kreis->setText(tr_mw("Es wird empfohlen, auch bei runden Durchbrüchen die erhöhten "
                                        "Schubspannungen im Bereich der Durchbruchsecken zu berücksichtigen"));
    groupBox->setTitle(tr_mw("Ausnutzungen"));
    gb_ergebnisse->setTitle(QString());

    tabWidget->setTabText(tabWidget->indexOf(tab_system), tr_mw("System          "));
    tabWidget->setTabText(tabWidget->indexOf(tab_verstaerkung), tr_mw("Verstärkung"));
    tabWidget->setTabText(tabWidget->indexOf(tab_schnittgroessen), tr_mw("Schnittgrößen"));
    toolBar->setWindowTitle(tr_mw("toolBar"));
}
