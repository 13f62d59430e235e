// The main window: the form of a design position, its loads table, the arrangement checks of the
// reinforcement, the transfer to and from the data object, and the results panel.
#pragma once
#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QModelIndex>
#include <QStringList>
#include <QVector>
#include <optional>
#include "core/tavo52_data.h"
#include "gui/main_window_bindings.h"
#include "gui/main_window_form.h"
#include "gui/results_panel.h"
#include "gui/side_view.h"
#include <QRectF>
#include <QSize>

class QGraphicsScene;
class QGridLayout;
class QLabel;
class QProgressBar;
class QStandardItem;
class QStandardItemModel;
class ExitDialog;
class OptionsDialog;
class NA_SelectDialog;
class HierarchicalHeaderView;
class SpinBoxDelegate;

class MainWindow : public QMainWindow, public Ui::MainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // The input fields bound to the data object, in the order data2maske shows them.
    static const std::vector<FieldBinding>& field_bindings();
    void read_screw_selection(int d_index, int l_index);
    int holzart_index() const;
    // Number of aggregate checks this window has run (each call of cal_nachweise).
    int calculations_run() const { return calc_count; }
    // True while the results on the panel were calculated from the inputs on screen.
    bool results_current() const;
    int screw_fits() const { return schraube_passt; }
    // The rules of the inputs on screen: labels, the enabling of calculate, preview and print, and
    // their tool tips naming what stops them.
    void apply_rules();
    // Every rule the inputs on screen break, in plain text with its values; empty when none.
    QStringList rule_violations() const;
    // The arrangement check rejects the rods or screws on screen.
    bool arrangement_rejected() const;

    QStandardItemModel* loads_model() const { return lasten_model; }
    // The dialogs are built when first asked for; start-up shows none of them.
    ExitDialog* exitDialog();
    OptionsDialog* optionsDialog();
    NA_SelectDialog* naSelectDialog();

    // While one lives, requests to show results are collected and served once when the last one
    // ends: a change that fans out over several slots calculates once.
    class CalcBatch {
    public:
        explicit CalcBatch(MainWindow& w) : w_(w) { ++w_.calc_batch; }
        ~CalcBatch() { w_.end_calc_batch(); }
        CalcBatch(const CalcBatch&) = delete;
        CalcBatch& operator=(const CalcBatch&) = delete;

    private:
        MainWindow& w_;
    };
    // Appends many load rows at once: the table view sees one reset and one row sizing at the end,
    // and the results are shown once.
    class LoadsBatch {
    public:
        explicit LoadsBatch(MainWindow& w);
        ~LoadsBatch();
        LoadsBatch(const LoadsBatch&) = delete;
        LoadsBatch& operator=(const LoadsBatch&) = delete;

    private:
        MainWindow& w_;
        CalcBatch calc_;
    };

public slots:
    void set_application_font();
    void set_application_default_font();
    void set_tabellen_font();
    void set_application_default_color();
    void loadSettings_fonts_colors();
    void saveSettings_fonts_colors();
    void set_application_color_background();
    void set_application_color_buttonleiste();
    void set_application_color_tabheader();
    void set_application_color_ergwin_ok();
    void set_application_color_ergwin_fehler();
    void set_tabelle_nachkomma();
    void loadSettings();
    void saveSettings();
    void updateAllWidgets(QFont font);
    void show_helpview();
    void fill_cb_Holzguete_balken(int check);
    void fill_cb_Holzguete_balken();
    void fill_cb_Holzguete_laschen(int check);
    void fill_cb_Holzguete_laschen();
    void fill_ftk_laschen(int);
    void fill_d_schraube(int);
    void fill_d_schraube();
    void fill_l_schraube(int);
    void fill_l_schraube();
    void maske2data();
    // The reinforcement tab's tool tip names the unconfirmed values the inputs on screen use.
    void update_unconfirmed_hint();
    void data2maske();
    void newLast(QString name, double N_l, double V_l, double M_l, double N_r, double V_r, double M_r, int klasse,
                 double kmod);
    void newLast_click();
    // Appends the loads as rows at the end of the table, as newLast does one by one; inside a
    // LoadsBatch for many rows.
    void append_loads(const QVector<LoadRow>& loads);
    void last_click(QModelIndex index);
    void update_last_kmod(QStandardItem* item);
    // The k_mod cells of every row but "frei" take their class's k_mod for the service class, wood
    // kind and grade on screen.
    void update_kmod_column();
    void typ_click();
    void h_check_click();
    void b_check_click();
    void set_schub_kappa_kreis();
    void d_schraube_check_click();
    void l_schraube_check_click();
    void GS_le_scheck();
    void verstaerkungs_click(bool);
    void verstaerkungs_typ_click();
    void verstaerkungs_ar_click();
    void na_select_click();
    void schnittgroessen_import();
    void display_nachweise(int mode);
    void display_nachweise();
    void display_nachweise_checkauto(int);
    void display_nachweise_checkauto();
    void plot_ansicht_gs();
    void plot_ansicht_fit(bool);
    void shrink();
    void copy_abmessungen_sys2verst();
    void copy_abmessungen_verst2sys();
    void tab_changed(int index);
    // The tool-bar actions, each running its steps in a fixed order.
    void save_action();
    void preview_action();
    void print_action();
    void exit_action();

private:
    OptionsDialog* options_dialog = nullptr;
    ExitDialog* exit_dialog = nullptr;
    NA_SelectDialog* na_dialog = nullptr;
    // The font last given to every widget, for the dialogs built after it.
    std::optional<QFont> all_widgets_font;
    QStandardItemModel* lasten_model = nullptr;
    QStringList kled_texte;
    QColor color_background;
    QColor color_ergwin_ok;
    QColor color_ergwin_fehler;
    QColor color_tabheader;
    QColor color_buttonleiste;
    QGridLayout* erg_layout = nullptr;
    QLabel* erg_name[5] = {};
    QLabel* erg_prozent[5] = {};
    QProgressBar* erg_balken[5] = {};
    QLabel* erg_status = nullptr;
    int erg_prozent_width = 0;      // the percentages' least width: that of the widest number
    QFont erg_prozent_pinned_font;  // their font when their size was last fixed   // why the panel gives no verdict, or what it could not verify
    QString style_balken_ok;
    QString style_balken_fehler;
    QString style_balken_veraltet;
    QGraphicsScene* plot_scene = nullptr;
    // What the side view shows and what it was last fitted to: the same drawing in a view of the
    // same size is neither drawn nor fitted again, either of which would repaint the whole view.
    SideViewInput plot_input;
    bool plot_drawn = false;
    QRectF plot_fit_rect;
    QSize plot_fit_viewport;
    QString style_regel_ok;
    QString style_regel_verletzt;
    int schraube_passt = 0;
    HierarchicalHeaderView* header_view = nullptr;
    SpinBoxDelegate* delegates_sni[6] = {};
    int calc_count = 0;
    int calc_batch = 0;          // open CalcBatch scopes
    int calc_pending = -1;       // largest display mode asked for inside them, -1 for none
    bool in_h_check = false;     // h_check_click is running
    bool shrink_queued = false;  // a shrink() waits in the event queue
    bool loads_batch = false;    // a LoadsBatch is appending rows
    bool appending_loads = false;  // append_loads keeps the parsed loads itself
    bool refreshing_kmod = false;  // update_kmod_column is setting the k_mod cells
    int input_gen = 0;           // counts changes of the inputs the results depend on
    int calc_gen = -1;           // input_gen when the last calculation ran; -1 before the first
    int shown_gen = -1;          // input_gen when the panel was last shown
    bool panel_refresh_queued = false;
    // The loads of the table with their numbers as read from the cells, kept in step with the
    // table's model so that a calculation reads no cell text.
    QVector<LoadRow> table_loads;
    // The inputs the reinforcement tab's hint was last made for; empty after the parameter set changed.
    QByteArray hint_inputs_shown;

    void init_loads_header_model(QStandardItemModel* model);
    void apply_result_frame(PanelVerdict verdict);
    void fit_status_height();
    // The rows, status line and frame for the last results and whether they are still current.
    void show_results();
    QString results_status(PanelVerdict verdict) const;
    void connect_result_inputs();
    void note_input_change();
    bool screw_spacings(int type, int predrilled, double d, int* n);
    // The arrangement checks' verdicts, none when the reinforcement has no rods or screws to check.
    // width_fit gives the largest count across the width in range_max, -1 to leave the field's range.
    std::optional<bool> width_fit(int* range_max);
    std::optional<bool> diameter_fit();
    std::optional<bool> length_fit();
    void store_screw_fit(std::optional<bool> fits);
    // The rod length's range for the section and rod on screen; tells when no length anchors the rod.
    void rod_length_range(bool tell_too_large);
    QStringList rules_shown;  // the violated rules the panel was last asked to show
    double kmod_for(int klasse) const;
    void end_calc_batch();
    void recalculate_if_auto();
    void queue_shrink();
    void read_table_rows(int first, int last);
    struct RepeatedCells;
    QList<QStandardItem*> load_row_items(const LoadRow& load, LoadRow* read_back, RepeatedCells* repeated) const;
    void set_loads_section_modes();
    void size_load_rows();
    // Steps of the constructor, in the order it takes them.
    void build_result_bars();
    void fill_reinforcement_choices();
    QStandardItemModel* build_loads_model();
    void attach_loads_view(QStandardItemModel* header_model);
    // Connects the fields' triggers of one phase, as the table lists them.
    void connect_fields(BindPhase phase);
    // Reads the named fields into the data object, as maske2data reads them.
    void fields_to_data(std::initializer_list<const char*> members);
    void connect_actions();
    // A dialog built late takes the font and background the window gave every widget before.
    void adopt_window_settings(QWidget* dialog, bool background);
    template <class Dialog>
    Dialog* window_dialog(Dialog*& dialog);
    void connect_geometry_rules();
    void copy_dimensions(bool to_reinforcement_tab);
    // The loads table's part of maske2data and data2maske.
    void loads_to_data(TAVO52_DATA& d);
    void loads_to_form(const TAVO52_DATA& d);
    // Brings values of the opened file into what the form can hold, noting each in the open report.
    void check_form_ranges();
    void check_grade_choices();
    // Names each number field and loads column in its messages about refused entries.
    void name_number_fields();
    // Each wood kind keeps the grade chosen for it while another kind is shown.
    int grade_choice[4] = {-1, -1, -1, -1};
    int grade_list_kind = -1;  // the wood kind whose grades cb_holzguete lists
    void remember_grade_choice();
    bool restore_grade_choice(int kind);
    // After the diameters were listed anew: the diameter chosen before stays when the list has it;
    // else the first that fits is chosen and, when one had been chosen, the user is told.
    void keep_screw_diameter(double old_d);
    // Gives a field the range the arrangement allows; a value the range no longer holds is moved to
    // its nearer end and the user is told, never silently.
    void set_named_range(QSpinBox* box, int lo, int hi);
    void set_named_range(QDoubleSpinBox* box, double lo, double hi);
    // Sizes the loads table's columns and rows anew for their texts in the table's font.
    void refit_load_columns();
};
