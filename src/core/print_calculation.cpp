// Printed calculation of a position: the print slots of the data object, the start of the output
// list with header and input data, and the forces table.
#include "core/print_calculation.h"
#include "core/check_opening.h"
#include "core/unconfirmed_values.h"
#include "core/position_files.h"
#include "core/print_table.h"
#include "core/print_text.h"
#include "core/tavo52_data.h"

#include "fasteners/fastener_types.h"
#include "fasteners/opening_formulas.h"
#include "materials/fastener_type_names.h"
#include "fasteners/partial_factors.h"
#include "materials/material_codes.h"
#include "materials/material_names.h"
#include "materials/steel_grades.h"
#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec5_block.h"
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "output/oli_writer.h"
#include "platform/env/message_box.h"
#include "platform/layout/oli_layout.h"
#include "platform/viewer/oli_viewer.h"
#include "platform/os/atomic_file.h"
#include "platform/os/c_numeric.h"

#include <cerrno>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

namespace {

// Cells of the text columns of the forces table: 15 bytes and the terminator.
constexpr int kCell = 16;

// The heading naming the design situation and the method it evaluates: the opening checks are those
// of the German annex (NCI NA.6.7, reinforced NA.6.8.4) whatever set supplies the factors.
std::string design_situation(int typ_durchbruch, int verstaerkt, int verst_typ)
{
    static const char* const kind[4] = {u8"unverstärkt", u8"mit aufgeklebten Verstärkungen",
                                        u8"mit eingeklebten Stahlstäben",
                                        u8"mit Verstärkungen durch Vollgewindeschrauben"};
    int k = 0;
    if (verstaerkt && verst_typ >= REINFORCEMENT_PLATES && verst_typ <= REINFORCEMENT_SCREWS) k = verst_typ + 1;
    std::string text = typ_durchbruch == OPENING_CIRCULAR ? u8"Trägerdurchbruch kreisförmig " : u8"Trägerdurchbruch rechteckig ";
    text += kind[k];
    text += k == 0 ? u8" gemäß DIN EN 1995-1-1/NA:2013-08, NCI NA.6.7" : u8" gemäß DIN EN 1995-1-1/NA:2013-08, NCI NA.6.8.4";
    return text;
}

// The country of the German national annex in the sets' country index.
constexpr int kGermanCountry = 1;

bool german_annex_active()
{
    return cur_ec5_params && cur_ec5_params->country == kGermanCountry;
}

// A text of the Qt side in the DOS code page, cut to fit a cell of the forces table.
void dos_cell(char* cell, const QString& text)
{
    char* dos = qstring_to_dos_cstr(text);
    print_cell_text(cell, kCell, dos);
    std::free(dos);
}

void screw_lines(FILE* file, const TAVO52_DATA& d)
{
    const bool group1 = is_screw_type_group1(d.typ_schraube);
    const bool group2 = is_screw_type_group2(d.typ_schraube);
    if (!group1 && !group2) return;
    if (group2 || d.typ_schraube == FT_SPAX_S_VG)
        print_text(file,
                   u8"d╬\\1╬r = %.1lf mm, d╬\\k╬r = %.1lf mm, a╬\\3,c╬r = %.0lf mm, a╬\\2╬r = %.0lf mm, "
                   u8"a╬\\4,c╬r = %.0lf mm",
                   d.sc_d1, d.sc_dk, d.a_3c, d.a_2, d.a_4c);
    print_text(file, "%s, %s", d.rostfrei ? "aus rostfreiem Stahl" : "aus Kohlenstoffstahl",
               d.vorgebohrt ? "vorgebohrt" : "nicht vorgebohrt");
    if (!d.mit_unterleg || !(d.d_unterleg > 1.0)) return;
    if (group1 || d.typ_schraube == FT_ASSY_VG_Z)
        print_text(file, "Unterlegscheibe d = %.0lf mm", d.d_unterleg);
    else if (d.typ_schraube == FT_ASSY_VG_S)
        print_text(file, "%s Unterlegscheibe d = %.0lf mm", d.unterleg_art == WASHER_PRESSED ? "gepresste" : "gedrehte",
                   d.d_unterleg);
}

// The list, the file it was to be and the reason, and the plot file when it failed too: the user
// can mend what failed.
void abort_box(const std::string& cause, const std::string& plot_cause)
{
    QString text = QStringLiteral("Die Druckliste kann nicht erzeugt werden!\n") + QString::fromStdString(cause);
    if (!plot_cause.empty())
        text += QStringLiteral("\nAuch die Zeichnungsdatei kann nicht geschrieben werden:\n") +
                QString::fromStdString(plot_cause);
    message_box(BoxIcon::Warning, QStringLiteral("ABBRUCH"), text, BoxAnswer::Yes);
}

// The list after the input data: the error section for a calculation that was not performed
// (error word r, connection message code e), or the results and the summary.
void write_results(TAVO52_DATA& d, FILE* file, int r, int e)
{
    if (r != 0 || e != 0) {
        d.print_error_messages(file, r, e);
        return;
    }
    d.print_results(file);
    print_summary(file, d.eta_max);
}

// Writes the whole list through a temporary file beside it, renamed into place only when complete
// and flushed: a failed or killed write leaves the old list, and a reader never sees half of one.
// Returns "" when the list was written, else the message naming the file and the reason.
std::string write_list(TAVO52_DATA& d, int r, int e)
{
    int write_errno = 0;
    view_plot_error_reset();
    const std::string refused = print_file_refusal(oli_path);
    if (!refused.empty()) return write_failure_message(oli_path, refused);
    const bool ok = save_file_atomically(oli_path, [&](FILE* file) {
        d.print_input_section(file);
        write_results(d, file, r, e);
        oli_close_bookmarks(file);
        const bool written = std::fflush(file) == 0 && !std::ferror(file);
        if (!written) write_errno = errno;
        return written;
    });
    if (ok) return std::string();
    return write_failure_message(oli_path, write_errno ? save_failure_reason(write_errno) : last_save_failure_reason());
}

// Preview and print: calculate, write the list, hand it on. Nothing is handed on when the list
// could not be written in full.
void print_position(TAVO52_DATA& d, bool to_printer)
{
    if ((d.holzart == MAT_SOFTWOOD || d.holzart == MAT_HARDWOOD) && d.verstaerkt == 0) {
        message_box(BoxIcon::Information, QStringLiteral("Info"),
                    QString::fromUtf8(u8"Unverstärkte Durchbrüche in Nadel- oder Laubholz sind nicht zulässig!"));
    }
    const CNumericScope c_numbers;
    const int r = d.cal_nachweise();
    const std::string failed = write_list(d, r, 0);
    const std::string plot_failed = view_plot_error();
    if (!failed.empty()) {
        abort_box(failed, plot_failed);
        return;
    }
    if (!plot_failed.empty())
        message_box(BoxIcon::Warning, QStringLiteral("Zeichnung"),
                    QStringLiteral("Die Zeichnungsdatei kann nicht geschrieben werden!\n") +
                        QString::fromStdString(plot_failed));
    if (to_printer)
        Quick_OLI_Print(component_id.c_str(), oli_path.c_str());
    else
        Quick_OLI_View(component_id.c_str(), oli_path.c_str());
}

}  // namespace

std::string print_file_refusal(const std::string& path)
{
    // A save renames its temporary file over the path: over a device, a pipe or a folder that
    // would replace what is there, not write into it.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return std::string();
    return S_ISDIR(st.st_mode) ? "an ihrer Stelle steht ein Ordner" : "an ihrer Stelle steht keine gewöhnliche Datei";
}

void TAVO52_DATA::Print_OliView() { print_position(*this, false); }

void TAVO52_DATA::Print_OliPrint() { print_position(*this, true); }

// *err_vm receives 1 when the list could not be written in full (the old list then stays), else 0.
int TAVO52_DATA::cal_Print(int* err_vm)
{
    const CNumericScope c_numbers;
    if (err_vm) *err_vm = 0;
    const int r = cal_nachweise();
    if (!write_list(*this, r, 0).empty() && err_vm) *err_vm = 1;
    return r;
}

void TAVO52_DATA::print_input_section(FILE* file)
{
    const CNumericScope c_numbers;
    grf_set_colour_mode(1);
    OLI_setFlags(file, OLI_LIST_FLAGS_NORMAL);
    OLI_setLayout(file, 4115);
    oli_writer_init(3, 2, 1);

    char* title = qstring_to_dos_cstr(position_title);
    std::fprintf(file, "#CONTENTS\n");
    std::fprintf(file, " %s", title ? title : "");
    std::fprintf(file, " \n");
    std::free(title);
    oli_version_line(file, "k7-tvo52");

    print_heading(file, 1, "Eingabedaten");
    const bool german = german_annex_active();
    if (cur_ec5_params) {
        // Whose partial factors and k_mod the design takes: the set that applies, by its name in the
        // selection dialog (code page 437 already), and its annex; a refused choice is named beside it.
        const char* set = nad_applied_display_name();
        const int country = cur_ec5_params->country;
        const std::string annex = country == 0 ? "ohne nationalen Anhang"
                                  : german     ? "DIN EN 1995-1-1/NA:2013-08"
                                               : "nationaler Anhang des Landes " + std::to_string(country);
        print_text(file, u8"Teilsicherheitsbeiwerte und k╬\\mod╬r: %s, %s", set ? set : "", annex.c_str());
        const std::string refused = nad_refusal_note();
        if (!refused.empty()) print_text(file, "%s", refused.c_str());
        print_heading(file, 2, "%s", print_cp437(design_situation(typ_durchbruch, verstaerkt, verst_typ).c_str()).c_str());
    }

    // Beam
    print_heading(file, 2, "Balken");
    double rho = 0.0;
    get_rho_k(holzart, holzguete, 0.0, &rho, nullptr);
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0, kh = 1.0;
    get_strengths(holzart, holzguete, 1, 6, b, h, &fm, &ft, &fc, &fv, &fc90, &kh);
    if (is_glulam_material(holzart) && mit_kh == 0) fm /= kh;
    fm *= 0.001;
    ft *= 0.001;
    fc *= 0.001;
    fv *= 0.001;
    const double ft90 = get_ft90k(holzart, holzguete);
    const char* nkl_text = nkl == 1 ? "NKL 1" : nkl == 2 ? "NKL 2" : nkl == 3 ? "NKL 3" : "undefiniert";
    print_text(file, u8"Balken aus %s ╬b%.0f/%.0f mm╬r, ╦╬\\k╬r = %.0lf kg/m╬/3╬r, %s",
               material_long_name(holzart, holzguete), b, h, rho, nkl_text);
    print_text(file,
               u8"h╬\\ro╬r = %.0lf mm, h╬\\ru╬r = %.0lf mm, a = %.0lf mm (Bezeichnungen gemäß NA:2013-08, NCI NA.6.7 "
               u8"Bild NA.7)",
               h_ro, h_ru, a);
    print_text(file,
               u8"f╬\\m,k╬r = %.2lf N/mm╬/2╬r, f╬\\t,k╬r = %.2lf N/mm╬/2╬r, f╬\\c,k╬r = %.2lf N/mm╬/2╬r, "
               u8"f╬\\v,k╬r = %.2lf N/mm╬/2╬r, f╬\\t90,k╬r = %.2lf N/mm╬/2╬r",
               fm, ft, fc, fv, ft90);
    if (typ_durchbruch != OPENING_CIRCULAR) print_text(file, u8"Die Ecken des Durchbruchs sind auszurunden mit r ≥ 15 mm");
    // Only a size factor that raised f_m,k is named; k_h = 1 raised nothing.
    if (is_glulam_material(holzart) && mit_kh && kh > 1.0)
        print_text(file, u8"f╬\\m,k╬r wurde mit k╬\\h╬r = %.3lf erhöht", kh);

    // Reinforcement
    if (verstaerkt) {
        if (verst_typ == REINFORCEMENT_PLATES) {
            print_heading(file, 2, u8"Verstärkung durch aufgeleimte Laschen");
            print_text(file,
                       u8"%s a╬\\r╬r = %.0lf mm, h╬\\1╬r = %.0lf mm, t╬\\r╬r = %.0lf mm╬r, f╬\\t,k╬r = %.2lf "
                       u8"N/mm╬/2╬r╬r",
                       material_long_name(mat_laschen, guete_laschen), a_r, h_1, t_r, ftk_laschen);
            if (mat_laschen == MAT_PLYWOOD) print_text(file, "parallel zur Faserrichtung der Deckfurniere");
        } else if (verst_typ == REINFORCEMENT_RODS) {
            const std::string what = print_cp437(n_gs >= 2 ? u8"eingeklebte Stahlstäbe" : "eingeklebten Stahlstab");
            // The count is that at each edge of the opening, as the design takes it.
            print_heading(file, 2, u8"Verstärkung durch %d %s je Seite", n_gs, what.c_str());
            if (fest_gs == 1044)
                print_text(file,
                           u8"d╬\\r╬r = %.0lf mm, d╬\\ef╬r = %.1lf mm, l╬\\e╬r = %.0lf mm╬r, BST500A/B, "
                           u8"a╬\\3,c╬r = %.0lf mm, a╬\\2╬r = %.0lf mm, a╬\\4,c╬r = %.0lf mm",
                           d_r, d_ef, l_e, a_3c, a_2, a_4c);
            else
                print_text(file,
                           u8"d╬\\r╬r = %.0lf mm, d╬\\ef╬r = %.1lf mm, l╬\\e╬r = %.0lf mm╬r, %s, a╬\\3,c╬r = %.0lf mm, "
                           u8"a╬\\2╬r = %.0lf mm, a╬\\4,c╬r = %.0lf mm",
                           d_r, d_ef, l_e, steel_grade_name(fest_gs), a_3c, a_2, a_4c);
        } else if (verst_typ == REINFORCEMENT_SCREWS) {
            print_heading(file, 2, u8"Verstärkung durch %d Vollgewindeschraube(n) je Seite, %s, %.1lf x %.1lf", n_sc,
                          fastener_type_name(typ_schraube, 0), sc_d, sc_l);
            screw_lines(file, *this);
        }
    }

    const std::string unconfirmed = unconfirmed_values_print_line(*this);
    if (!unconfirmed.empty()) print_text(file, "%s", print_cp437(unconfirmed.c_str()).c_str());

    print_text(file, u8"Bitte beachten: Abstand zum Trägerende l╬\\v╬r ≥ h, lichter Abstand zur Auflagermitte "
                     u8"l╬\\a╬r ≥ 0,5 h");
    if (verstaerkt)
        print_text(file, u8"                lichter Abstand benachbarter Durchbrüche l╬\\z╬r ≥ h ≥ 300 mm");
    else
        print_text(file, u8"                lichter Abstand benachbarter Durchbrüche l╬\\z╬r ≥ 1,5 h ≥ 300 mm");

    // Without "Grafik drucken" the view drawing is left out, its heading line with it.
    if (grafik_drucken) {
        print_text(file, " ");
        print_view_drawing(file);
    }

    // Forces table
    print_heading(file, 2, u8"Schnittgrößen");
    const int n = lasten.size();
    const int w = nk_sni + 5;
    PrintTable t(11, n);
    t.row_numbers("Nr.", 2);
    char* names = t.texts(" ", "Name", kCell, kCell);
    double* nl = t.numbers("linker Rand", u8"N╬\\d╬r", "kN", w, nk_sni);
    double* vl = t.numbers("=", u8"V╬\\d╬r", "kN", w, nk_sni);
    double* ml = t.numbers("=", u8"M╬\\d╬r", "kNm", w, nk_sni);
    double* nr = t.numbers("rechter Rand", u8"N╬\\d╬r", "kN", w, nk_sni);
    double* vr = t.numbers("=", u8"V╬\\d╬r", "kN", w, nk_sni);
    double* mr = t.numbers("=", u8"M╬\\d╬r", "kNm", w, nk_sni);
    char* kled = t.texts(" ", "KLED", kCell, kCell);
    double* kmod = t.numbers(" ", u8"k╬\\mod╬r", "-", 6, 3);
    double* gamma = t.numbers(" ", u8"└", "-", 6, 2);
    const int combined_class = cur_ec5_params && cur_ec5_params->country != 0;
    std::vector<QString> shown;
    for (const LoadRow& l : lasten) shown.push_back(l.name);
    shown = print_cut_names(shown, kCell - 1);
    for (int i = 0; i < n; ++i) {
        const LoadRow& l = lasten[i];
        dos_cell(names + i * kCell, shown[size_t(i)]);
        nl[i] = l.n_l;
        vl[i] = l.v_l;
        ml[i] = l.m_l;
        nr[i] = l.n_r;
        vr[i] = l.v_r;
        mr[i] = l.m_r;
        dos_cell(kled + i * kCell, kled_text_from_index(l.kled, combined_class));
        kmod[i] = l.kmod;
        // γ_M as the opening check took it for this load.
        gamma[i] = i < zeilen_durchbruch.size() ? zeilen_durchbruch[i].gamma_m
                                                 : material_gamma_m(holzart, holzguete, kled_is_accidental(l.kled));
    }
    t.write(file);
}
