#include "gui/main_window.h"
#include "gui/fixed_text.h"
#include <QApplication>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QAbstractProxyModel>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QEvent>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "core/verdict.h"
#include "materials/fastener_type_names.h"
#include "materials/material_codes.h"
#include "gui/exit_dialog.h"
#include "gui/geometry_rules.h"
#include "platform/env/qt_message_box.h"
#include "gui/gui_resources.h"
#include "gui/gui_services.h"
#include "gui/hierarchical_header.h"
#include "gui/loads_delegates.h"
#include "gui/na_select_dialog.h"
#include "gui/options_dialog.h"
#include "gui/position_saving.h"
#include "gui/window_settings.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec5_block.h"
#include "platform/env/vyk_help.h"
#include "platform/os/vector_state.h"

extern NadEc5Block* cur_ec5_params;

namespace {

const char* const kTrash = ":/button/images/trash.png";

// Loaded once: every row of the loads table shows the same icon.
const QIcon& trash_icon()
{
    static const QIcon icon(QString::fromLatin1(kTrash));
    return icon;
}

// Watches the window's layout: when its least height changes (a status line shown or hidden, a
// group switched), the window is shrunk to its least size once the layout has settled, so that it
// does not keep the height of a row that is gone and grow at every toggle.
class FollowLeastHeight : public QObject {
public:
    FollowLeastHeight(QWidget* window, std::function<void()> shrink)
        : QObject(window), window_(window), shrink_(std::move(shrink)), least_(window->minimumSizeHint().height())
    {
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == window_ && e->type() == QEvent::LayoutRequest && !pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                const int least = window_->minimumSizeHint().height();
                if (least == least_)
                    return;
                least_ = least;
                if (!window_->isMaximized() && !window_->isFullScreen() && window_->height() > least)
                    shrink_();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> shrink_;
    int least_;
    bool pending_ = false;
};

bool annex_has_country()
{
    return cur_ec5_params && cur_ec5_params->country != 0;
}

// A class cell's index: the table's own class texts are matched exactly first; any other text as a
// file may spell it.
int class_of_text(const QStringList& texts, const QString& text)
{
    const int k = texts.indexOf(text);
    return k >= 0 ? k : TAVO52_DATA::kled_index_from_text(text);
}

QString fixed(double v, int decimals)
{
    // QString::number formats as the C locale does, without making a locale object for every number.
    return QString::number(v, 'f', decimals);
}

// The screws the window lists, each with a table of diameters and lengths of its own.
bool is_listed_screw(int type)
{
    return type >= FT_SPAX_S_VG && type <= FT_ASSY_VG_S;
}

} // namespace

MainWindow::MainWindow() : QMainWindow(nullptr)
{
    gui_init_resources();
    // Screw tables once for the whole run; a table that cannot be read stays empty.
    window_load_screw_tables();

    style_regel_ok = QStringLiteral(
        "border: 1px solid DimGrey; background-color: LightGreen ; qproperty-alignment: AlignCenter;");
    style_regel_verletzt = QStringLiteral(
        "border: 1px solid DimGrey; background-color: Salmon ; qproperty-alignment: AlignCenter;");

    setupUi(this);
    loadSettings();
    centralwidget->setStyleSheet(QStringLiteral("{background-color: #D0D0D0;}"));
    plot_scene = new QGraphicsScene(this);
    gv_plot->setScene(plot_scene);
    setWindowTitle(QStringLiteral("K7-KIRN, ") + position_title);

    style_balken_ok = QStringLiteral(
        "QProgressBar {border: 2px solid grey; border-radius: 3px; text-align: center; background-color: #FFFFFF;} "
        "QProgressBar::chunk {background-color: #006400; width: 10px; margin: 0.5px; }");
    style_balken_fehler = QStringLiteral(
        "QProgressBar {border: 2px solid grey; border-radius: 3px; text-align: center; background-color: #FFFFFF;} "
        "QProgressBar::chunk {background-color: #cc0000; width: 10px; margin: 0.5px; }");
    // Results of other inputs than those on screen: grey, no verdict.
    style_balken_veraltet = QStringLiteral(
        "QProgressBar {border: 2px solid grey; border-radius: 3px; text-align: center; background-color: #FFFFFF;} "
        "QProgressBar::chunk {background-color: #a0a0a0; width: 10px; margin: 0.5px; }");

    build_result_bars();

    data_object.read_data();

    fill_reinforcement_choices();
    // Before any widget is built from the file's values: a value out of range is named, not shown.
    check_form_ranges();
    connect(pb_last_new, &QPushButton::clicked, this, &MainWindow::newLast_click);
    QStandardItemModel* header_model = build_loads_model();
    name_number_fields();
    data2maske();
    check_grade_choices();
    wd_Schub_kappa_kreis->setEnabled(rb_typ_durchbruch_kreis->isChecked() && cb_Schub->isChecked());
    attach_loads_view(header_model);
    connect_result_inputs();

    // Everything from here to the first display shows its results once, at the end of the batch.
    CalcBatch opening(*this);
    verstaerkungs_typ_click();
    // The sketch of a rectangular opening until the inputs choose one.
    if (lb_skizze->pixmap(Qt::ReturnByValue).isNull()) {
        const QPixmap sketch(QStringLiteral(":/button/images/htbr_r.png"));
        lb_skizze->setPixmap(sketch);
        lb_skizze_2->setPixmap(sketch);
    }
    verstaerkungs_click(true);
    connect_fields(BindPhase::Inputs);
    connect_actions();

    connect(actionEinstellungen, &QAction::triggered, this, [this] {
        optionsDialog()->show_options();
        centre_on_window(optionsDialog(), this);
    });
    connect(actionEnde, &QAction::triggered, this, &MainWindow::exit_action);

    loadSettings_fonts_colors();
    display_nachweise(action_cal_auto->isChecked() ? 1 : 0);

    connect_geometry_rules();
    resize(0, 0);
    installEventFilter(new FollowLeastHeight(this, [this] { queue_shrink(); }));
    report_position_read(data_object.open_report, inp_path);
}

// The fixed choices of the reinforcement: plate materials, rod diameters and grades, screw types.
void MainWindow::fill_reinforcement_choices()
{
    cob_mat_laschen->addItem(QStringLiteral("Nadelholz"), MAT_SOFTWOOD);
    cob_mat_laschen->addItem(QStringLiteral("Laubholz"), MAT_HARDWOOD);
    cob_mat_laschen->addItem(QStringLiteral("Brettschichtholz DIN"), MAT_GLULAM_DIN);
    cob_mat_laschen->addItem(QStringLiteral("Brettschichtholz EC"), MAT_GLULAM_EC);
    cob_mat_laschen->addItem(QStringLiteral("Sperrholz"), MAT_PLYWOOD);
    cob_mat_laschen->addItem(QStringLiteral("freies Material"), MAT_FREE);
    static const char* const rods[] = {" 6", " 8", "10", "12", "14", "16", "20"};
    static const double rod_d[] = {6, 8, 10, 12, 14, 16, 20};
    for (int i = 0; i < 7; ++i)
        cob_dr_GS->addItem(QString::fromLatin1(rods[i]), rod_d[i]);
    static const char* const steels[] = {"FK  3.6", "FK  4.6", "FK  4.8", "FK  5.6", "FK  5.8", "FK  8.8", "B500A/B"};
    static const int steel_codes[] = {22, 23, 24, 25, 26, 27, 1044};
    for (int i = 0; i < 7; ++i)
        cob_fest_GS->addItem(QString::fromLatin1(steels[i]), steel_codes[i]);
    cob_typ_schraube->addItem(QStringLiteral("SPAX Senkkopf"), FT_SPAX_S_VG);
    cob_typ_schraube->addItem(QStringLiteral("ASSY-plus Zylinderkopf"), FT_ASSY_VG_Z);
    cob_typ_schraube->addItem(QStringLiteral("ASSY-plus Senkfräskopf"), FT_ASSY_VG_S);
    cob_d_schraube->adjustSize();
}

// The loads' model with its delegates and the header model; the parsed loads follow the model.
QStandardItemModel* MainWindow::build_loads_model()
{
    for (int c = 0; c < 6; ++c) {
        delegates_sni[c] = new SpinBoxDelegate(this, data_object.nk_sni, -LOAD_FORCE_LIMIT, LOAD_FORCE_LIMIT, 1);
        tv_lasten->setItemDelegateForColumn(c + 1, delegates_sni[c]);
    }
    tv_lasten->setItemDelegateForColumn(7, new tv_ComboBoxDelegate(this, annex_has_country() ? 2 : 1));
    // k_mod must be above 0: the smallest the cell shows with its three decimals.
    const double kmod_typed_min = 0.001;
    tv_lasten->setItemDelegateForColumn(8, new SpinBoxDelegate(this, 3, kmod_typed_min, LOAD_KMOD_MAX, 1));
    tv_lasten->setItemDelegateForColumn(9, new tv_ButtonDelegate(this));

    for (int k = 0; k <= 8; ++k)
        kled_texte << TAVO52_DATA::kled_text_from_index(k, 1);

    lasten_model = new QStandardItemModel(0, 10, this);
    lasten_model->setObjectName(QStringLiteral("lasten_model"));
    // The parsed loads follow the table row by row; an edited cell re-reads only its row.
    connect(lasten_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (!appending_loads) read_table_rows(first, last);
            });
    connect(lasten_model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        table_loads.remove(first, last - first + 1);
    });
    connect(lasten_model, &QAbstractItemModel::modelReset, this, [this] {
        table_loads.clear();
        read_table_rows(0, lasten_model->rowCount() - 1);
    });
    connect(lasten_model, &QStandardItemModel::itemChanged, this,
            [this](QStandardItem* item) { read_table_rows(item->row(), item->row()); });
    auto* header_model = new QStandardItemModel(this);
    init_loads_header_model(header_model);
    return header_model;
}

// The loads' view over the model, with the two-level header.
void MainWindow::attach_loads_view(QStandardItemModel* header_model)
{
    auto* proxy = new ProxyModelWithHeaderModels(this);
    proxy->setSourceModel(lasten_model);
    proxy->setHorizontalHeaderModel(header_model);
    proxy->setVerticalHeaderModel(header_model);
    tv_lasten->setModel(proxy);

    header_view = new HierarchicalHeaderView(Qt::Horizontal, tv_lasten);
    tv_lasten->setHorizontalHeader(header_view);
    set_loads_section_modes();
}

// The actions of the menus and tool bars, and the switches of the checks.
void MainWindow::connect_actions()
{
    // Each action is one slot that runs its steps in order, whatever else is connected to it.
    connect(actionSchnittgr_import, &QAction::triggered, this, &MainWindow::schnittgroessen_import);
    connect(actionDaten_sichern, &QAction::triggered, this, &MainWindow::save_action);
    connect(actionHilfe, &QAction::triggered, this, &MainWindow::show_helpview);
    connect(actionDruckvorschau, &QAction::triggered, this, &MainWindow::preview_action);
    connect(actionDrucken, &QAction::triggered, this, &MainWindow::print_action);
    connect(actionCalculation, &QAction::triggered, this, QOverload<>::of(&MainWindow::display_nachweise));
    connect(tabWidget, &QTabWidget::currentChanged, this, &MainWindow::tab_changed);

    connect(actionNationalerAnhang, &QAction::triggered, this, [this] {
        // Its list is built as it is shown; it is placed over the window with the list's size.
        naSelectDialog()->show();
        centre_on_window(naSelectDialog(), this);
    });
}

// Save: the window's settings, fonts and colours, then the inputs into the data object, then the file.
void MainWindow::save_action()
{
    saveSettings();
    saveSettings_fonts_colors();
    maske2data();
    // A failed save is reported, never passed over in silence.
    save_position();
}

// Preview and print take the inputs on screen, calculate them, then write the calculation.
void MainWindow::preview_action()
{
    maske2data();
    display_nachweise();
    data_object.Print_OliView();
}

void MainWindow::print_action()
{
    maske2data();
    display_nachweise();
    data_object.Print_OliPrint();
}

// Exit keeps the settings and the inputs before the exit dialog asks what to do with them.
void MainWindow::exit_action()
{
    saveSettings();
    maske2data();
    exitDialog()->show();
    centre_on_window(exitDialog(), this);
}

// A dialog of its own window, built when first used with the window's stored font and background.
template <class Dialog>
Dialog* MainWindow::window_dialog(Dialog*& dialog)
{
    if (!dialog) {
        dialog = new Dialog();
        dialog->setWindowFlags(Qt::Window);
        adopt_window_settings(dialog, true);
    }
    return dialog;
}

ExitDialog* MainWindow::exitDialog() { return window_dialog(exit_dialog); }

OptionsDialog* MainWindow::optionsDialog() { return window_dialog(options_dialog); }

NA_SelectDialog* MainWindow::naSelectDialog()
{
    if (!na_dialog) {
        // A window of its own, owned by the main window so that it goes with it.
        na_dialog = new NA_SelectDialog();
        na_dialog->setParent(this, Qt::Window);
        connect(na_dialog, &NA_SelectDialog::naChanged, this, &MainWindow::na_select_click);
        adopt_window_settings(na_dialog, false);
    }
    return na_dialog;
}

void MainWindow::adopt_window_settings(QWidget* dialog, bool background)
{
    if (all_widgets_font) {
        QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
        widgets.prepend(dialog);
        for (QWidget* w : widgets)
            if (!qobject_cast<QTableView*>(w) && w->objectName() != QLatin1String("pb_font_default"))
                w->setFont(*all_widgets_font);
    }
    if (background)
        dialog->setStyleSheet(dialog_style(color_background));
}

// The geometry rules and recalculation of the fields, and the loads' table.
void MainWindow::connect_geometry_rules()
{
    connect_fields(BindPhase::Rules);
    connect(tv_lasten, &QTableView::clicked, this, &MainWindow::last_click);
    connect(lasten_model, &QStandardItemModel::itemChanged, this, &MainWindow::update_last_kmod);
    connect(lasten_model, &QAbstractItemModel::rowsRemoved, this, [this] { recalculate_if_auto(); });
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------------------------------------
// Decimals of the force columns and the help; settings, fonts and colours are in main_window_settings.cpp.

void MainWindow::set_tabelle_nachkomma()
{
    for (SpinBoxDelegate* d : delegates_sni)
        if (d)
            d->setDecimals(data_object.nk_sni);
    // The texts change width with their decimals: the columns are sized for them anew.
    refit_load_columns();
    tv_lasten->viewport()->update();
}

void MainWindow::show_helpview()
{
    Helpview("haupt");
}

int MainWindow::holzart_index() const
{
    if (rb_holzart_NH->isChecked()) return 0;
    if (rb_holzart_LH->isChecked()) return 1;
    if (rb_holzart_BSH_DIN->isChecked()) return 3;
    if (rb_holzart_BSH_EC->isChecked()) return 2;
    return -1;
}

// ---------------------------------------------------------------------------------------------
// Grade lists and tab copying

namespace {

QStringList softwood_grades()
{
    return {QStringLiteral("C14"), QStringLiteral("C16 (S7)"), QStringLiteral("C18"), QStringLiteral("C20"),
            QStringLiteral("C22"), QStringLiteral("C24 (S10)"), QStringLiteral("C27"), QStringLiteral("C30 (S13)"),
            QStringLiteral("C35"), QStringLiteral("C40"), QStringLiteral("C45"), QStringLiteral("C50")};
}
QStringList hardwood_grades()
{
    return {QStringLiteral("D18"), QStringLiteral("D24"), QStringLiteral("D30"), QStringLiteral("D35"),
            QStringLiteral("D40"), QStringLiteral("D50"), QStringLiteral("D60"), QStringLiteral("D70")};
}
QStringList glulam_din_grades()
{
    return {QStringLiteral("GL24h (BS11)"), QStringLiteral("GL24c (BS11)"), QStringLiteral("GL28h (BS14)"),
            QStringLiteral("GL28c (BS14)"), QStringLiteral("GL32h (BS16)"), QStringLiteral("GL32c (BS16)"),
            QStringLiteral("GL36h (BS18)"), QStringLiteral("GL36c (BS18)")};
}
QStringList glulam_ec_grades()
{
    return {QStringLiteral("GL20h"), QStringLiteral("GL22h"), QStringLiteral("GL24h"), QStringLiteral("GL26h"),
            QStringLiteral("GL28h"), QStringLiteral("GL30h"), QStringLiteral("GL32h"), QStringLiteral("GL20c"),
            QStringLiteral("GL22c"), QStringLiteral("GL24c"), QStringLiteral("GL26c"), QStringLiteral("GL28c"),
            QStringLiteral("GL30c"), QStringLiteral("GL32c")};
}
QStringList plywood_grades()
{
    return {QStringLiteral("F20/10"), QStringLiteral("F20/15"), QStringLiteral("F25/10"),
            QStringLiteral("F40/30"), QStringLiteral("F50/25"), QStringLiteral("F60/10")};
}

} // namespace

void MainWindow::fill_cb_Holzguete_balken(int check)
{
    QStringList list;
    const int kind = holzart_index();
    switch (kind) {
    case MAT_SOFTWOOD: list = softwood_grades(); break;
    case MAT_HARDWOOD: list = hardwood_grades(); break;
    case MAT_GLULAM_DIN: list = glulam_din_grades(); break;
    case MAT_GLULAM_EC: list = glulam_ec_grades(); break;
    default: list << QStringLiteral("---"); break;
    }
    CalcBatch batch(*this);
    {
        // Refilling passes through empty and first items; the grade counts once, when it is set.
        const QSignalBlocker block(cb_holzguete);
        remember_grade_choice();
        cb_holzguete->clear();
        cb_holzguete->addItems(list);
        if (!restore_grade_choice(kind) && kind == 0)
            cb_holzguete->setCurrentIndex(5);
    }
    if (check) {
        b_check_click();
        h_check_click();
    }
}

void MainWindow::fill_cb_Holzguete_balken()
{
    fill_cb_Holzguete_balken(1);
}

void MainWindow::fill_cb_Holzguete_laschen(int check)
{
    const int material = current_item_data(cob_mat_laschen).toInt();
    QStringList list;
    switch (material) {
    case MAT_SOFTWOOD: list = softwood_grades(); break;
    // All eight hardwood grades, so that the position in the list is the row of the grade table.
    case MAT_HARDWOOD: list = hardwood_grades(); break;
    case MAT_GLULAM_DIN: list = glulam_din_grades(); break;
    case MAT_GLULAM_EC: list = glulam_ec_grades(); break;
    case MAT_PLYWOOD: list = plywood_grades(); break;
    default: list << QStringLiteral("---"); break;
    }
    // The same material keeps its list and the grade chosen in it (an opened position's too).
    QStringList shown;
    for (int i = 0; i < cob_guete_laschen->count(); ++i)
        shown << cob_guete_laschen->itemText(i);
    if (shown != list) {
        cob_guete_laschen->clear();
        cob_guete_laschen->addItems(list);
        if (material == MAT_SOFTWOOD)
            cob_guete_laschen->setCurrentIndex(5);
    }
    sb_laschen_ftk->setEnabled(material == MAT_FREE);
    if (check)
        h_check_click();
}

void MainWindow::fill_cb_Holzguete_laschen()
{
    fill_cb_Holzguete_laschen(1);
}

void MainWindow::fill_ftk_laschen(int)
{
    const int material = current_item_data(cob_mat_laschen).toInt();
    if (material != MAT_FREE) {
        double ft0k = 0.0;
        // Unknown material or grade: the field keeps what it shows.
        if (window_plate_ft0k(material, cob_guete_laschen->currentIndex(), ed_Verst_ar->value(),
                              ed_Verst_tr->value(), &ft0k))
            sb_laschen_ftk->setValue(ft0k * 0.001);
    }
    h_check_click();
}

void MainWindow::copy_abmessungen_sys2verst()
{
    copy_dimensions(true);
}

void MainWindow::copy_abmessungen_verst2sys()
{
    copy_dimensions(false);
}

// The two tabs show the same dimensions and rule labels; the shown tab's are copied onto the other.
void MainWindow::copy_dimensions(bool to_reinforcement_tab)
{
    QSpinBox* const system[] = {ed_Balken_b, ed_Balken_h, ed_Balken_hro, ed_Balken_hru, ed_Balken_a};
    QSpinBox* const reinforcement[] = {ed_Balken_b_2, ed_Balken_h_2, ed_Balken_hro_2, ed_Balken_hru_2, ed_Balken_a_2};
    QLabel* const system_labels[] = {lb_kommentar_a, lb_kommentar_hru, lb_kommentar_hro, lb_kommentar_d,
                                     lb_kommentar_hd};
    QLabel* const reinforcement_labels[] = {lb_kommentar_a_2, lb_kommentar_hru_2, lb_kommentar_hro_2,
                                            lb_kommentar_d_2, lb_kommentar_hd_2};
    QSpinBox* const* from = to_reinforcement_tab ? system : reinforcement;
    QSpinBox* const* to = to_reinforcement_tab ? reinforcement : system;
    QLabel* const* from_labels = to_reinforcement_tab ? system_labels : reinforcement_labels;
    QLabel* const* to_labels = to_reinforcement_tab ? reinforcement_labels : system_labels;
    for (int i = 0; i < 5; ++i)
        to[i]->setValue(from[i]->value());
    for (int i = 0; i < 5; ++i)
        to_labels[i]->setText(from_labels[i]->text());
    for (int i = 0; i < 5; ++i)
        set_style_sheet(to_labels[i], from_labels[i]->styleSheet());
}

void MainWindow::tab_changed(int index)
{
    if (index == 0)
        copy_abmessungen_verst2sys();
    else if (index == 1)
        copy_abmessungen_sys2verst();
}

// ---------------------------------------------------------------------------------------------
// Reinforcement arrangement checks

void MainWindow::read_screw_selection(int d_index, int l_index)
{
    const int product = current_item_data(cob_typ_schraube).toInt();
    if (d_index < 0)
        d_index = cob_d_schraube->currentIndex();
    if (l_index < 0)
        l_index = cob_l_schraube->currentIndex();
    fields_to_data({"n_sc", "vorgebohrt", "unten_sc", "rostfrei", "mit_unterleg", "unterleg_art"});
    if (!is_listed_screw(product))
        return;
    // Only an index inside the table is read: an empty table or a stale index leaves d and l.
    const std::vector<ScrewRow> rows = window_screw_rows(product);
    if (d_index < 0 || d_index >= static_cast<int>(rows.size()))
        return;
    const ScrewRow& row = rows[static_cast<size_t>(d_index)];
    data_object.sc_d = row.d;
    if (l_index >= 0 && l_index < static_cast<int>(row.lengths.size()))
        data_object.sc_l = row.lengths[static_cast<size_t>(l_index)];
}

// Minimum spacings into the data object and the number of fasteners that fit across b.
bool MainWindow::screw_spacings(int type, int predrilled, double d, int* n)
{
    window_min_spacings(type, predrilled, holzart_index(), data_object.rho_k, d, ed_Balken_h->value(),
                        &data_object.a_2, &data_object.a_3c, &data_object.a_4c);
    const double b = ed_Balken_b->value();
    if (!(data_object.a_2 > 0.0)) {
        *n = 0;
        return false;
    }
    // At most one fastener per millimetre of width: a tiny spacing must not overflow the count.
    const double fitting = std::min((b - 2.0 * data_object.a_4c) / data_object.a_2 + 1.0, b + 1.0);
    *n = fitting >= 0.0 ? static_cast<int>(fitting) : 0;
    return true;
}

// The only writer of schraube_passt: it holds the verdict of the arrangement check that ran last.
// Each check is run by its own changes of the form, so the checks may disagree for a moment.
void MainWindow::store_screw_fit(std::optional<bool> fits)
{
    if (fits)
        schraube_passt = *fits ? 1 : 0;
}

void MainWindow::b_check_click()
{
    int range_max = -1;
    const std::optional<bool> fits = width_fit(&range_max);
    store_screw_fit(fits);
    if (range_max < 0)
        return;
    QSpinBox* count = rb_verst_gewindestangen->isChecked() ? ed_Verst_n_GS : ed_Verst_n_SC;
    const QSignalBlocker block(count);
    set_named_range(count, count->minimum(), range_max);
}

void MainWindow::d_schraube_check_click()
{
    store_screw_fit(diameter_fit());
}

void MainWindow::l_schraube_check_click()
{
    store_screw_fit(length_fit());
}

std::optional<bool> MainWindow::width_fit(int* range_max)
{
    *range_max = -1;
    if (!gb_Verstaerkung->isChecked() || !(rb_verst_gewindestangen->isChecked() || rb_verst_schrauben->isChecked()))
        return std::nullopt;
    const int kind = holzart_index();
    const int grade = cb_holzguete->currentIndex();
    const double d_r = current_item_data(cob_dr_GS).toDouble();
    double rho = data_object.rho_k;
    if (window_rho_k(kind, grade, ed_Balken_h->value(), &rho))
        data_object.rho_k = rho;
    if (rb_verst_gewindestangen->isChecked()) {
        int n = 0;
        // Glued-in rods keep the spacings of fitted bolts, always in a drilled hole.
        screw_spacings(FT_BOLT, 1, d_r, &n);
        // Fewer than one rod across the width is no arrangement: keep the field at 1, block calculating.
        *range_max = n <= 0 ? 1 : n;
        return n > 0;
    }
    // The diameters that fit are chosen from first; the count across the width is then that of the
    // chosen one.
    bool fits = diameter_fit().value_or(true);
    read_screw_selection(-1, -1);
    if (cob_d_schraube->currentIndex() < 0)
        return false;
    int n = 0;
    screw_spacings(current_item_data(cob_typ_schraube).toInt(), cb_vorgebohrt->isChecked() ? 1 : 0,
                   current_item_data(cob_d_schraube).toDouble(), &n);
    if (n <= 0)
        return false;
    *range_max = n;
    return fits;
}

std::optional<bool> MainWindow::diameter_fit()
{
    if (!gb_Verstaerkung->isChecked() || !rb_verst_schrauben->isChecked())
        return std::nullopt;
    read_screw_selection(-1, -1);
    const int product = current_item_data(cob_typ_schraube).toInt();
    const int predrilled = cb_vorgebohrt->isChecked() ? 1 : 0;
    int n = 0;
    bool fits = cob_d_schraube->currentIndex() >= 0 &&
                screw_spacings(product, predrilled, current_item_data(cob_d_schraube).toDouble(), &n) && n > 0;
    const QSignalBlocker block(cob_d_schraube);
    auto* model = qobject_cast<QStandardItemModel*>(cob_d_schraube->model());
    for (int i = 0; i < cob_d_schraube->count(); ++i) {
        read_screw_selection(i, 0);
        int ni = 0;
        screw_spacings(product, predrilled, cob_d_schraube->itemData(i).toDouble(), &ni);
        if (model && model->item(i))
            model->item(i)->setEnabled(ni > 0);
        // A chosen diameter stays chosen when it no longer fits: the check then blocks
        // calculating. Only a list without a choice gets the first diameter that fits.
        if (!fits && ni > 0 && cob_d_schraube->currentIndex() < 0) {
            cob_d_schraube->setCurrentIndex(i);
            fits = true;
        }
    }
    // The data object keeps the values of the chosen diameter, not of the last one tried.
    read_screw_selection(-1, -1);
    if (cob_d_schraube->currentIndex() >= 0)
        screw_spacings(product, predrilled, current_item_data(cob_d_schraube).toDouble(), &n);
    return fits;
}

std::optional<bool> MainWindow::length_fit()
{
    if (!gb_Verstaerkung->isChecked() || !rb_verst_schrauben->isChecked())
        return std::nullopt;
    read_screw_selection(-1, -1);
    const double h = ed_Balken_h->value();
    const double d = data_object.sc_d;
    const double l_min = rb_oben_sc->isChecked() ? h - ed_Balken_hru->value() + 4.0 * d
                                                 : h - ed_Balken_hro->value() + 4.0 * d;
    auto admissible = [&](double l) { return l_min <= l && l <= h; };
    bool fits = cob_l_schraube->currentIndex() >= 0 && cob_d_schraube->currentIndex() >= 0 &&
                admissible(current_item_data(cob_l_schraube).toDouble());
    const QSignalBlocker block(cob_l_schraube);
    auto* model = qobject_cast<QStandardItemModel*>(cob_l_schraube->model());
    for (int i = 0; i < cob_l_schraube->count(); ++i) {
        const bool ok = admissible(cob_l_schraube->itemData(i).toDouble());
        if (model && model->item(i))
            model->item(i)->setEnabled(ok);
        if (!fits && ok) {
            cob_l_schraube->setCurrentIndex(i);
            fits = true;
        }
    }
    return fits;
}

void MainWindow::fill_d_schraube(int)
{
    fill_d_schraube();
}

void MainWindow::fill_d_schraube()
{
    const QSignalBlocker block(cob_d_schraube);
    const double old_d = cob_d_schraube->currentIndex() >= 0 ? current_item_data(cob_d_schraube).toDouble() : 0.0;
    cob_d_schraube->clear();
    const int product = current_item_data(cob_typ_schraube).toInt();
    if (is_listed_screw(product))
        for (const ScrewRow& row : window_screw_rows(product))
            cob_d_schraube->addItem(QString::number(row.d, 'g', 6), row.d);
    keep_screw_diameter(old_d);
    fill_l_schraube();
    rb_gedreht->setEnabled(product == FT_ASSY_VG_S);
    rb_gepresst->setEnabled(product == FT_ASSY_VG_S);
}

void MainWindow::fill_l_schraube(int)
{
    fill_l_schraube();
}

void MainWindow::fill_l_schraube()
{
    {
        const QSignalBlocker block(cob_l_schraube);
        cob_l_schraube->clear();
        const int product = current_item_data(cob_typ_schraube).toInt();
        const int row_index = cob_d_schraube->currentIndex();
        if (is_listed_screw(product)) {
            const std::vector<ScrewRow> rows = window_screw_rows(product);
            // No current diameter (an empty table) leaves the length list empty.
            if (row_index >= 0 && row_index < static_cast<int>(rows.size()))
                for (double l : rows[static_cast<size_t>(row_index)].lengths)
                    cob_l_schraube->addItem(QString::number(l, 'g', 6), l);
        }
    }
    l_schraube_check_click();
}

void MainWindow::GS_le_scheck()
{
    rod_length_range(true);
}

void MainWindow::rod_length_range(bool tell_too_large)
{
    if (!gb_Verstaerkung->isChecked() || !rb_verst_gewindestangen->isChecked())
        return;
    const double d_r = current_item_data(cob_dr_GS).toDouble();
    const double h = ed_Balken_h->value();
    const double h_ro = ed_Balken_hro->value();
    const double h_ru = ed_Balken_hru->value();
    const double h_d = h - h_ro - h_ru;
    const double l_ad = std::max(10.0 * d_r, 0.5 * d_r * d_r);
    double r = 0.0, l_min = 0.0;
    const bool circle = rb_typ_durchbruch_kreis->isChecked();
    const bool rect = rb_typ_durchbruch_recht->isChecked();
    if (circle && rb_oben_gs->isChecked()) {
        r = h_ro + 0.15 * h_d;
        l_min = h_ro + 0.85 * h_d + l_ad;
    } else if (circle && rb_unten_gs->isChecked()) {
        r = h_ru + 0.15 * h_d;
        l_min = h_ru + 0.85 * h_d + l_ad;
    } else if (rect && rb_oben_gs->isChecked()) {
        r = h_ro;
        l_min = h_ro + h_d + l_ad;
    } else if (rect && rb_unten_gs->isChecked()) {
        r = h_ru;
        l_min = h_ru + h_d + l_ad;
    }
    const QSignalBlocker block(ed_GS_le);
    if (l_ad > r) {
        if (tell_too_large)
            qt_message_box(QMessageBox::Information, QStringLiteral("Info"),
                           QStringLiteral("Der gewählte Gewindestahldurchmesser ist zu groß\n"
                                          "oder die Querschnittshöhe ist zu klein\n"));
        // No length anchors the rod; the range keeps its least value but never reaches past the beam.
        set_named_range(ed_GS_le, std::min(ed_GS_le->minimum(), h), h);
        return;
    }
    set_named_range(ed_GS_le, l_min, h);
}

// ---------------------------------------------------------------------------------------------
// Opening type, reinforcement switch and the enabling of the actions

void MainWindow::h_check_click()
{
    // Copying the dimensions to the other tab changes its fields, which lands here again; the
    // outer run checks and calculates after the copy anyway.
    if (in_h_check)
        return;
    in_h_check = true;
    CalcBatch batch(*this);
    if (tabWidget->currentIndex() == 0)
        copy_abmessungen_sys2verst();
    else if (tabWidget->currentIndex() == 1)
        copy_abmessungen_verst2sys();
    const int h = ed_Balken_h->value();
    const int h_d = h - ed_Balken_hro->value() - ed_Balken_hru->value();
    if (rb_typ_durchbruch_kreis->isChecked())
        ed_Balken_a->setValue(h_d);
    // The ranges that depend on the section follow it before the rules, the drawing and the
    // calculation read the values they may have moved.
    rod_length_range(false);
    l_schraube_check_click();
    b_check_click();
    apply_rules();
    plot_ansicht_gs();
    plot_ansicht_fit(true);
    in_h_check = false;
    if (action_cal_auto->isChecked())
        display_nachweise(1);
}

void MainWindow::recalculate_if_auto()
{
    if (action_cal_auto->isChecked())
        display_nachweise(1);
}

void MainWindow::end_calc_batch()
{
    if (--calc_batch > 0 || calc_pending < 0)
        return;
    const int mode = calc_pending;
    calc_pending = -1;
    display_nachweise(mode);
}

void MainWindow::queue_shrink()
{
    if (shrink_queued)
        return;
    shrink_queued = true;
    QTimer::singleShot(0, this, &MainWindow::shrink);
}

void MainWindow::typ_click()
{
    CalcBatch batch(*this);
    rb_Balken_NKL3->setText(annex_has_country() ? QStringLiteral("NKL 3 (nur bei verstärkten Querschnitten)")
                                                : QStringLiteral("NKL 3"));
    const bool rect = rb_typ_durchbruch_recht->isChecked();
    const bool circle = rb_typ_durchbruch_kreis->isChecked();
    ed_Balken_a->setEnabled(rect);
    QString suffix;
    bool known = true;
    if (!gb_Verstaerkung->isChecked())
        suffix = QString();
    else if (rb_verst_laschen->isChecked())
        suffix = QStringLiteral("vl");
    else if (rb_verst_gewindestangen->isChecked() && rb_oben_gs->isChecked())
        suffix = QStringLiteral("vgo");
    else if (rb_verst_gewindestangen->isChecked() && rb_unten_gs->isChecked())
        suffix = QStringLiteral("vgu");
    else if (rb_verst_schrauben->isChecked() && rb_oben_sc->isChecked())
        suffix = QStringLiteral("vso");
    else if (rb_verst_schrauben->isChecked() && rb_unten_sc->isChecked())
        suffix = QStringLiteral("vsu");
    else
        known = false;
    if (known && (rect || circle)) {
        const QPixmap pic(QStringLiteral(":/button/images/htbr_%1%2.png").arg(rect ? "r" : "k", suffix));
        lb_skizze->setPixmap(pic);
        lb_skizze_2->setPixmap(pic);
    }
    h_check_click();
    wd_Schub_kappa_kreis->setEnabled(circle && cb_Schub->isChecked());
    queue_shrink();
}

void MainWindow::set_schub_kappa_kreis()
{
    wd_Schub_kappa_kreis->setEnabled(rb_typ_durchbruch_kreis->isChecked() && cb_Schub->isChecked());
}

void MainWindow::verstaerkungs_typ_click()
{
    CalcBatch batch(*this);
    gb_laschen->setEnabled(rb_verst_laschen->isChecked());
    gb_stahlstab->setEnabled(rb_verst_gewindestangen->isChecked());
    gb_schraube->setEnabled(rb_verst_schrauben->isChecked());
    // typ_click's geometry check then fits the lengths and the count across the width.
    GS_le_scheck();
    typ_click();
    gb_Verstaerkung->setMinimumSize(0, 0);
    if (rb_verst_laschen->isChecked())
        fill_cb_Holzguete_laschen(1);
}

void MainWindow::verstaerkungs_click(bool)
{
    CalcBatch batch(*this);
    if (gb_Verstaerkung->isChecked()) {
        verstaerkungs_typ_click();
        gb_querschnitt_2->setStyleSheet(QStringLiteral("QGroupBox::title{ color: black }"));
        typ_click();
    } else {
        gb_querschnitt_2->setStyleSheet(QStringLiteral("QGroupBox::title{ color: gray }"));
        gb_laschen->setEnabled(false);
        gb_stahlstab->setEnabled(false);
        gb_schraube->setEnabled(false);
        typ_click();
    }
}

void MainWindow::verstaerkungs_ar_click() {}

void MainWindow::na_select_click()
{
    cur_ec5_params = nad_part_ec5();
    hint_inputs_shown.clear();
    // The classes offered and the k_mod cells follow the set's country.
    QAbstractItemDelegate* classes = tv_lasten->itemDelegateForColumn(7);
    tv_lasten->setItemDelegateForColumn(7, new tv_ComboBoxDelegate(this, annex_has_country() ? 2 : 1));
    if (classes)
        classes->deleteLater();
    update_kmod_column();
    // Results of the set before are no results of this one.
    note_input_change();
    // The service-class text and rules follow the set's country; calculates when automatic.
    typ_click();
}

void MainWindow::shrink()
{
    shrink_queued = false;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    plot_ansicht_fit(true);
    resize(0, 0);
}

// ---------------------------------------------------------------------------------------------
// Loads table

void MainWindow::init_loads_header_model(QStandardItemModel* model)
{
    QList<QStandardItem*> top;
    const char* const names[] = {"Name", "linker Rand ", "rechter Rand", "Lasteinwir-\nkungsdauer", "kmod", ""};
    for (const char* n : names)
        top << new QStandardItem(QObject::tr(n));
    for (int parent : {1, 2}) {
        QList<QStandardItem*> kids;
        for (const char* n : {" Nd", "Vd", "Md"})
            kids << new QStandardItem(QObject::tr(n));
        top[parent]->appendColumn(QList<QStandardItem*>() << kids[0]);
        top[parent]->appendColumn(QList<QStandardItem*>() << kids[1]);
        top[parent]->appendColumn(QList<QStandardItem*>() << kids[2]);
    }
    model->appendRow(top);
}

namespace {

// A force column's cell of the row before, with the number it was written from: a column that
// repeats a number (as zero normal forces do) copies that cell.
struct ForceBefore {
    QStandardItem* cell = nullptr;  // in the table
    double number = 0.0;
    FixedText text;
};

} // namespace

// Cells that repeat from row to row, made once by append_loads and copied: a copy shares the
// cell's data until it is changed.
struct MainWindow::RepeatedCells {
    std::unique_ptr<QStandardItem> klasse[9];
    // The last k_mod cell made, disabled and enabled, with its number.
    struct Kmod {
        std::unique_ptr<QStandardItem> cell;
        double number = 0.0;
        FixedText text;
    } kmod[2];
    std::unique_ptr<QStandardItem> trash;
    ForceBefore force[6];
};

namespace {

QStandardItem* copy_of(std::unique_ptr<QStandardItem>& cell, const std::function<QStandardItem*()>& make)
{
    if (!cell)
        cell.reset(make());
    return cell->clone();
}

// A force's cell with three decimals; a copy of the column's cell of the row before when that one
// was written from the same number.
QStandardItem* force_cell(double number, ForceBefore* before, FixedText* text)
{
    if (before && before->cell && std::memcmp(&before->number, &number, sizeof number) == 0) {
        *text = before->text;
        return before->cell->clone();
    }
    *text = fixed_text(number, 3);
    auto* cell = new QStandardItem(text->text);
    if (before)
        *before = {cell, number, *text};
    return cell;
}

QStandardItem* kmod_cell(const FixedText& text, bool enabled)
{
    auto* cell = new QStandardItem(text.text);
    cell->setEnabled(enabled);
    return cell;
}

QStandardItem* trash_cell()
{
    auto* cell = new QStandardItem();
    cell->setData(trash_icon(), Qt::DecorationRole);
    return cell;
}

} // namespace

// The cells of one load row; read_back, when given, receives the load as the table's parsed loads
// read those cells, without reading them.
QList<QStandardItem*> MainWindow::load_row_items(const LoadRow& load, LoadRow* read_back, RepeatedCells* repeated) const
{
    // A class from a damaged file is taken as "ständig", as an unknown class text is.
    const int klasse = load.kled < 0 || load.kled > 8 ? 0 : load.kled;
    const double forces[] = {load.n_l, load.v_l, load.m_l, load.n_r, load.v_r, load.m_r};
    QList<QStandardItem*> row;
    row.reserve(10);
    row << new QStandardItem(load.name);
    FixedText cells[6];
    for (int c = 0; c < 6; ++c)
        row << force_cell(forces[c], repeated ? &repeated->force[c] : nullptr, &cells[c]);

    const QString klasse_text = kled_texte.value(klasse);
    const bool kmod_enabled = klasse_text.contains(QStringLiteral("frei"));
    // The cell shows the k_mod the calculation takes: a row's own only for "frei", else its class's.
    const double load_kmod = kmod_enabled ? load.kmod : kmod_for(klasse);
    FixedText kmod;
    if (!repeated) {
        kmod = fixed_text(load_kmod, 2);
        row << new QStandardItem(klasse_text) << kmod_cell(kmod, kmod_enabled) << trash_cell();
    } else {
        RepeatedCells::Kmod& last = repeated->kmod[kmod_enabled ? 1 : 0];
        if (!last.cell || std::memcmp(&last.number, &load_kmod, sizeof load_kmod) != 0) {
            last.number = load_kmod;
            last.text = fixed_text(load_kmod, 2);
            last.cell.reset(kmod_cell(last.text, kmod_enabled));
        }
        kmod = last.text;
        row << copy_of(repeated->klasse[klasse], [&] { return new QStandardItem(klasse_text); })
            << last.cell->clone() << copy_of(repeated->trash, trash_cell);
    }
    if (read_back) {
        read_back->name = load.name;
        double* read[] = {&read_back->n_l, &read_back->v_l, &read_back->m_l,
                          &read_back->n_r, &read_back->v_r, &read_back->m_r};
        for (int c = 0; c < 6; ++c) *read[c] = cells[c].value;
        // As read_table_rows takes the class from the text.
        read_back->kled = class_of_text(kled_texte, klasse_text);
        read_back->kmod = kmod.value;
    }
    return row;
}

void MainWindow::newLast(QString name, double N_l, double V_l, double M_l, double N_r, double V_r, double M_r,
                         int klasse, double kmod)
{
    LoadRow load;
    load.name = name;
    load.n_l = N_l;
    load.v_l = V_l;
    load.m_l = M_l;
    load.n_r = N_r;
    load.v_r = V_r;
    load.m_r = M_r;
    load.kled = klasse;
    load.kmod = kmod;
    lasten_model->appendRow(load_row_items(load, nullptr, nullptr));
    // The rows above keep their height; only the new one is sized.
    if (!loads_batch)
        tv_lasten->resizeRowToContents(lasten_model->rowCount() - 1);
}

void MainWindow::append_loads(const QVector<LoadRow>& loads)
{
    const int first = lasten_model->rowCount();
    // The rows' loads are known as their cells read back; the cells are not parsed again.
    table_loads.resize(first + loads.size());
    RepeatedCells repeated;
    appending_loads = true;
    for (int k = 0; k < loads.size(); ++k)
        lasten_model->appendRow(load_row_items(loads[k], &table_loads[first + k], &repeated));
    appending_loads = false;
    if (!loads_batch)
        for (int r = first; r < lasten_model->rowCount(); ++r)
            tv_lasten->resizeRowToContents(r);
}

MainWindow::LoadsBatch::LoadsBatch(MainWindow& w) : w_(w), calc_(w)
{
    w_.loads_batch = true;
    // Detached from the view, the model takes rows without the view and its proxy following each one.
    if (auto* proxy = qobject_cast<QAbstractProxyModel*>(w_.tv_lasten->model()))
        proxy->setSourceModel(nullptr);
}

MainWindow::LoadsBatch::~LoadsBatch()
{
    w_.loads_batch = false;
    if (auto* proxy = qobject_cast<QAbstractProxyModel*>(w_.tv_lasten->model()))
        proxy->setSourceModel(w_.lasten_model);
    // The header's sections were rebuilt with the model: their sizing modes go on again.
    w_.set_loads_section_modes();
    w_.size_load_rows();
    // New loads are shown as rows entered by hand are: once, when the batch's calculation scope ends.
    w_.display_nachweise_checkauto();
}

void MainWindow::set_loads_section_modes()
{
    header_view->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c <= 9; ++c)
        header_view->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}

// Every load row is one line of the table's font beside the same icon, so every row takes the
// height the first one needs; sizing each row by its contents would lay out the text of every cell.
void MainWindow::size_load_rows()
{
    if (lasten_model->rowCount() == 0)
        return;
    // Sizing the row lays out the header first, which sizes its columns by up to a thousand rows;
    // cells that look alike (classes, k_mod, the delete icon, repeated numbers) are laid out once.
    const CellSizeMemo memo;
    tv_lasten->resizeRowToContents(0);
    tv_lasten->verticalHeader()->setDefaultSectionSize(tv_lasten->rowHeight(0));
}

void MainWindow::read_table_rows(int first, int last)
{
    if (last >= table_loads.size())
        table_loads.resize(lasten_model->rowCount());
    for (int r = first; r <= last; ++r) {
        LoadRow& row = table_loads[r];
        const QStandardItem* name = lasten_model->item(r, 0);
        // A row is read once all its cells are there.
        if (!name || !lasten_model->item(r, 8))
            continue;
        row.name = name->text();
        double* forces[] = {&row.n_l, &row.v_l, &row.m_l, &row.n_r, &row.v_r, &row.m_r};
        for (int c = 0; c < 6; ++c)
            *forces[c] = lasten_model->item(r, c + 1)->data(Qt::EditRole).toDouble();
        row.kled = class_of_text(kled_texte, lasten_model->item(r, 7)->text());
        row.kmod = lasten_model->item(r, 8)->data(Qt::EditRole).toDouble();
    }
}

void MainWindow::newLast_click()
{
    LoadRow row;
    data_object.lasten.append(row);
    newLast(row.name, row.n_l, row.v_l, row.m_l, row.n_r, row.v_r, row.m_r, row.kled, row.kmod);
    display_nachweise_checkauto();
}

void MainWindow::last_click(QModelIndex index)
{
    if (index.column() == 9)
        lasten_model->removeRow(index.row());
}

double MainWindow::kmod_for(int klasse) const
{
    int nkl = 1;
    if (rb_Balken_NKL1->isChecked()) nkl = 1;
    else if (rb_Balken_NKL2->isChecked()) nkl = 2;
    else if (rb_Balken_NKL3->isChecked()) nkl = 3;
    const int kind = std::max(0, holzart_index());
    double kmod = 0.0;
    // Without a table value the calculation takes the default 0.9; the cell shows that value.
    if (!window_kmod(kind, cb_holzguete->currentIndex(), nkl, klasse, &kmod))
        kmod = LoadRow().kmod;
    return kmod;
}

void MainWindow::update_kmod_column()
{
    double class_kmod[8];
    for (int k = 0; k < 8; ++k)
        class_kmod[k] = kmod_for(k);
    // The cells follow what the calculation takes already; their change calculates nothing.
    refreshing_kmod = true;
    for (int r = 0; r < lasten_model->rowCount(); ++r) {
        const QStandardItem* klasse = lasten_model->item(r, 7);
        QStandardItem* kmod = lasten_model->item(r, 8);
        if (!klasse || !kmod)
            continue;
        const int index = class_of_text(kled_texte, klasse->text());
        if (index < 0 || index >= 8 || kmod->data(Qt::EditRole).toDouble() == class_kmod[index])
            continue;
        kmod->setData(fixed(class_kmod[index], 2), Qt::DisplayRole);
    }
    refreshing_kmod = false;
}

void MainWindow::update_last_kmod(QStandardItem* item)
{
    if (refreshing_kmod)
        return;
    const int mode = action_cal_auto->isChecked() ? 1 : 0;
    if (item->column() != 7) {
        display_nachweise(mode);
        return;
    }
    const int r = item->row();
    const bool free = item->text().contains(QStringLiteral("frei"));
    QStandardItem* kmod_item = lasten_model->item(r, 8);
    if (kmod_item) {
        kmod_item->setEnabled(free);
        if (!free)
            kmod_item->setData(fixed(kmod_for(TAVO52_DATA::kled_index_from_text(item->text())), 2),
                               Qt::DisplayRole);
    }
    display_nachweise(mode);
}

// ---------------------------------------------------------------------------------------------
// Transfer between the form and the data object

// The table's rows take their class's k_mod where it differs; the data object then shares them
// without a copy, the calculation reading them only. Reads the beam's kind, grade and service class
// from d, which the fields before the loads have written.
void MainWindow::loads_to_data(TAVO52_DATA& d)
{
    // k_mod of every class but "frei" follows the beam's material and service class.
    double class_kmod[9];
    for (int k = 0; k < 9; ++k)
        if (k == 8 || !window_kmod(d.holzart, d.holzguete, d.nkl, k, &class_kmod[k]))
            class_kmod[k] = LoadRow().kmod;
    const auto kmod_of = [&](const LoadRow& row) {
        return row.kled >= 0 && row.kled < 8 ? class_kmod[row.kled] : LoadRow().kmod;
    };
    d.lasten = QVector<LoadRow>();
    const LoadRow* rows = table_loads.constData();
    int first = 0;
    while (first < table_loads.size() && (rows[first].kled == 8 || rows[first].kmod == kmod_of(rows[first])))
        ++first;
    for (int r = first; r < table_loads.size(); ++r)
        if (table_loads.at(r).kled != 8)
            table_loads[r].kmod = kmod_of(table_loads.at(r));
    d.lasten = table_loads;
}

void MainWindow::loads_to_form(const TAVO52_DATA& d)
{
    for (const LoadRow& row : d.lasten)
        newLast(row.name, row.n_l, row.v_l, row.m_l, row.n_r, row.v_r, row.m_r, row.kled, row.kmod);
}

// ---------------------------------------------------------------------------------------------
// Calculate and the results panel

void MainWindow::display_nachweise(int mode)
{
    if (calc_batch > 0) {
        calc_pending = std::max(calc_pending, mode);
        return;
    }
    // An unreinforced opening in solid timber is a violated rule (apply_rules): it disables calculating
    // and is named on the wood kind and in the status line, not in a notice at every edit.
    if (gb_Verstaerkung->isChecked() && rb_verst_schrauben->isChecked() &&
        (schraube_passt == 0 || ed_Verst_n_SC->value() <= 0))
        return;
    // Rods that do not fit across the width are no arrangement either.
    if (gb_Verstaerkung->isChecked() && rb_verst_gewindestangen->isChecked() && schraube_passt == 0)
        return;
    maske2data();
    // An opening check that could not run leaves its row out of the list; the panel names it.
    if (mode == 1 && actionCalculation->isEnabled()) {
        clear_upper_vector_state();   // the last repaint's
        data_object.cal_nachweise();
        ++calc_count;
        calc_gen = input_gen;
    }
    show_results();
}

void MainWindow::display_nachweise()
{
    display_nachweise(1);
}

void MainWindow::display_nachweise_checkauto(int)
{
    display_nachweise(action_cal_auto->isChecked() ? 1 : 0);
}

void MainWindow::display_nachweise_checkauto()
{
    display_nachweise_checkauto(1);
}
