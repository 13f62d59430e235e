// The one data object of a design position: inputs, loads, switches, print options and the
// results of the last calculation. One global instance, `data_object`, lives for the whole run.
#pragma once
#include <QObject>
#include "core/position_file.h"
#include "national_annex/nad_plausible.h"
#include <string>
#include <cstdio>
#include <QString>
#include <QVector>

// One load of the position: internal forces at the left and right edge of the opening (kN, kNm).
struct LoadRow {
    LoadRow() = default;
    QString name;
    double n_l = 0.0;   // N_d, left edge
    double v_l = 0.0;   // V_d, left edge
    double m_l = 0.0;   // M_d, left edge
    double n_r = 0.0;   // N_d, right edge
    double v_r = 0.0;   // V_d, right edge
    double m_r = 0.0;   // M_d, right edge
    double kmod = 0.9;
    int kled = 3;       // load-duration class 0..8, 3 = "kurz"
};

// What a load's numbers may be, typed, imported or read from a file: forces in kN and moments in
// kNm within ±LOAD_FORCE_LIMIT, k_mod above 0 up to LOAD_KMOD_MAX.
constexpr double LOAD_FORCE_LIMIT = 9999.0;
// The largest k_mod of EN 1995-1-1 Table 3.1 (instantaneous action), the one bound the set files
// take too; a larger one would raise a design strength above its characteristic value.
constexpr double LOAD_KMOD_MAX = kNadKmodMax;
inline bool load_kmod_plausible(double kmod) { return kmod > 0.0 && kmod <= LOAD_KMOD_MAX; }
// The allowed k_mod as the messages name it.
constexpr const char* LOAD_KMOD_ALLOWED = "k_mod über 0 bis 1.1";
static_assert(LOAD_KMOD_MAX == 1.1, "LOAD_KMOD_ALLOWED names the bound: change them together");

// The washer of a countersunk screw: pressed or turned (the series of the washer table).
constexpr int WASHER_PRESSED = 1;
constexpr int WASHER_TURNED = 2;

// Kind codes of the result list: opening, bending, shear.
constexpr int RESULT_KIND_OPENING = 0;
constexpr int RESULT_KIND_BENDING = 2;
constexpr int RESULT_KIND_SHEAR = 3;

// The reinforcement of an opening (verst_typ), as stored in the position file.
enum : int { REINFORCEMENT_PLATES = 0, REINFORCEMENT_RODS = 1, REINFORCEMENT_SCREWS = 2 };

// One line of the result list: check name, utilisation (fraction) and kind (RESULT_KIND_*).
struct CheckResult {
    QString name;
    double eta = 0.0;
    int kind = 0;
};

// Per-load row of the opening check (tension perpendicular to the grain), kN / kNm / N/mm².
struct OpeningCheckRow {
    double v_l = 0, m_l = 0, v_r = 0, m_r = 0;        // |V_d|, |M_d| at the left and right edge
    double ftv_l = 0, ftm_l = 0, ft90_l = 0;          // F_tV, F_tM, F_t90 left
    double ftv_r = 0, ftm_r = 0, ft90_r = 0;          // F_tV, F_tM, F_t90 right
    double rt90d = 0;                                 // R_t90,d of the unreinforced opening
    double ft90d = 0;                                 // f_t,90,d
    double gamma_m = 0;                               // γ_M of the beam for this load
    double fk1d = 0;                                  // f_k1,d of the rods
    double fk2d = 0;                                  // f_k2,d of the plates' glue line
    double rax_d_rod = 0;                             // R_ax,d of one rod
    double gamma_m2 = 0;                              // γ_M2 of the rod steel
    double rt_d_rod = 0;                              // R_t,d of one rod
    double rax_d_screw = 0;                           // R_ax,d of one screw
    double tau_ef_l = 0, sigma_t_l = 0;               // plates, left edge
    double tau_ef_r = 0, sigma_t_r = 0;               // plates, right edge
    double ftd = 0;                                   // f_t,d of the plates
    double eta_l = 0, eta_r = 0, eta = 0;             // utilisation left, right, max
    double eta_steel_l = 0, eta_bond_l = 0;           // rods, left edge
    double eta_steel_r = 0, eta_bond_r = 0;           // rods, right edge
    double eta_tau_l = 0, eta_tau_r = 0;              // plates: glue line
    double eta_sigma_l = 0, eta_sigma_r = 0;          // plates: tension
};

// Per-load row of the bending check at the opening.
struct BendingCheckRow {
    double gamma_m = 0;
    double m = 0, v = 0, n = 0;                       // mean M (kNm, signed), V (kN, positive), N (kN, signed)
    double m_o = 0, m_u = 0;                          // local chord moments
    double fmd = 0, ft0d = 0, fc0d = 0;
    double sigma_n = 0, sigma_m_o = 0, sigma_m_u = 0;
    double delta_sigma_o = 0, delta_sigma_u = 0;
    double sigma_o = 0, sigma_u = 0;
    double eta_o = 0, eta_u = 0, eta = 0;
};

// Per-load row of the shear check at the reduced cross-section.
struct ShearCheckRow {
    double gamma_m = 0;
    double v_l = 0, v_r = 0;
    double fvd = 0;
    double tau_l = 0, tau_r = 0;
    double eta = 0, eta_l = 0, eta_r = 0;
};

class TAVO52_DATA : public QObject {
    Q_OBJECT
public:
    TAVO52_DATA();
    ~TAVO52_DATA() override;

    static int kled_index_from_text(const QString& text);
    static QString kled_text_from_index(int index, int flag);

    QVector<LoadRow> lasten;
    int n_nachweise = 0;
    QVector<CheckResult> nachweise;

    // opening-check values
    double fak_hd = 0, h_r = 0, l_t90 = 0, k_t90 = 0, ft90k = 0;
    double l_ad_min = 0, l_ad_u = 0, l_ad_o = 0, l_ad = 0, fk1k = 0, fk2k = 0;
    double eta_durchbruch = 0;
    double rax1k = 0, rax2k = 0, raxheadk = 0, sc_status = 0, raxk = 0;
    int lad_zu_kurz = 0;
    // Screws: 1 when the lower crack line governs their axial capacity, 0 the upper one.
    int sc_riss_unten = 0;

    // bending-check values
    double z_s = 0, flaeche_o = 0, flaeche_u = 0, i_nz = 0, w_no = 0, w_nu = 0;
    double w_o = 0, w_u = 0, z_o = 0, z_u = 0, eta_biegung = 0, fmk = 0, fc0k = 0;

    // shear-check values
    double a_ef = 0, h_ef = 0, fvk = 0, k_cr = 0, kappa_max = 0, eta_schub = 0;

    QVector<OpeningCheckRow> zeilen_durchbruch;
    QVector<BendingCheckRow> zeilen_biegung;
    QVector<ShearCheckRow> zeilen_schub;
    double eta_max = 0;

    // beam and opening (mm)
    int typ_durchbruch = 0;
    double b = 120, h = 240, h_ro = 100, h_ru = 100, a = 100;
    int biegung = 1, schub = 1, schub_kappa_kreis = 0, cal_auto = 0, mit_kh = 1;
    int import_sni = 1, import_mat = 1, import_geo = 1;
    double k_h = 1.0;
    int holzart = 0, holzguete = 5, nkl = 1;

    // reinforcement
    int verstaerkt = 0, verst_typ = REINFORCEMENT_PLATES, mat_laschen = 0, guete_laschen = 5;
    double ftk_laschen = 10.0, a_r = 50.0, t_r = 4.0, h_1 = 50.0, l_e = 100.0, d_r = 8.0;
    double d_ef = 0;
    int n_gs = 1, n_sc = 1, fest_gs = 23, unten_gs = 0, unten_sc = 0;
    double rho_k = 0, a_2 = 0, a_3c = 0, a_4c = 0;
    double fuk_gs = 0, ft_gs = 0, as_gs = 0;
    int typ_schraube = 13, d_schraube = 2, l_schraube = 4;
    int rostfrei = 0, vorgebohrt = 1, mit_unterleg = 0, unterleg_reserve = 1, unterleg_art = 1;
    double sc_d = 0, sc_d1 = 0, sc_dk = 0, sc_l = 0, sc_lef = 0;
    double d_unterleg = 20.0;

    // print options
    double graf_breite = 17.0, graf_hoehe = 12.0;
    int masstab_optimal = 1, ausfuehrlich = 1, grafik_drucken = 1;
    int nk_sni = 2;

    // What opening the position data file found; a damaged file is kept as a copy before a
    // save replaces it (write_data).
    PositionReadReport open_report;
    // The file whose writing failed in the last write_data (empty after a good save).
    std::string save_failed_path;

    // The bending and shear checks themselves (the counting slots below wrap them).
    int check_bending_at_opening();
    int check_shear_reduced_section();

    // Sections of the printed calculation, each writing into the open output list.
    void print_input_section(FILE* file);
    void print_view_drawing(FILE* file);
    int print_tension_perp_section(FILE* file);
    int print_plate_reinforcement_table(FILE* file);
    int print_bending_section(FILE* file);
    int print_shear_section(FILE* file);
    int print_error_messages(FILE* file, int word, int code);
    int print_bending_section_if_on(FILE* file);
    int print_shear_section_if_on(FILE* file);
    int print_results(FILE* file);

private slots:
    int cal_Durchbruch();
    int cal_Biegung();
    int cal_Schub();

public slots:
    // 0 saved; 1 a file of the position (save_failed_path) could not be written.
    int write_data();
    int read_data();
    void Print_OliView();
    void Print_OliPrint();
    int cal_Print(int* err_vm);
    int cal_nachweise(int* err_vm = nullptr);
};

extern TAVO52_DATA data_object;

// German letters between the DOS code page of the libraries and the Latin-1 strings of the Qt side.
QString dos_to_latin1_qstring(const char* text);
char* qstring_to_dos_cstr(const QString& text);   // caller frees with free()
QString normalise_umlauts(const QString& text);
