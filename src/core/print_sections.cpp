// Check sections of the printed calculation: tension perpendicular to the grain at the opening
// (DIN EN 1995-1-1/NA, NCI NA.6.7 and NA.6.8.4), bending and shear at the opening, the error
// section and the summary. Every number comes from the rows and values the checks left in the
// data object; nothing is computed again here.
#include "core/print_calculation.h"
#include "core/print_table.h"
#include "core/print_text.h"
#include "core/tavo52_data.h"
#include "core/verdict.h"

#include "fasteners/connection_messages.h"
#include "fasteners/opening_formulas.h"
#include "helpers/text_tools.h"
#include "output/oli_glyphs.h"
#include "output/grf_state.h"
#include "output/oli_paragraph.h"
#include "platform/os/c_numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* colour_code(char* buf, std::size_t size, const char* format, int n)
{
    std::snprintf(buf, size, format, n);
    return buf;
}

}  // namespace

const char* print_color_green()
{
    static char buf[40];
    return colour_code(buf, sizeof buf, "\xCE{C %d 0 160 0}", 1);
}

const char* print_color_red()
{
    static char buf[40];
    return colour_code(buf, sizeof buf, "\xCE{C %d 230 0 0}", 1);
}

const char* print_color_reset()
{
    static char buf[40];
    return colour_code(buf, sizeof buf, "\xCE{C %d}", 768);
}

namespace {

// The four verdict texts, each between its colour code and the colour reset. Each keeps its own
// buffer, so a caller may hold all four at once.
enum VerdictText { kOkText, kNotOkText, kFulfilledText, kFailedText, kVerdictTexts };

const char* verdict_text(VerdictText which)
{
    static const struct {
        bool green;
        const char* text;
    } kTexts[kVerdictTexts] = {
        {true, "\xCEHok."},
        {false, "\xCEHnicht ok. !!"},
        {true, "Nachweis erf\x81llt"},
        {false, "Nachweis nicht erf\x81llt !!"},
    };
    static char bufs[kVerdictTexts][80];
    const char* colour = kTexts[which].green ? print_color_green() : print_color_red();
    std::snprintf(bufs[which], sizeof bufs[which], "%s%s%s", colour, kTexts[which].text, print_color_reset());
    return bufs[which];
}

}  // namespace

const char* print_ok_text() { return verdict_text(kOkText); }
const char* print_not_ok_text() { return verdict_text(kNotOkText); }
const char* print_check_fulfilled_text() { return verdict_text(kFulfilledText); }
const char* print_check_failed_text() { return verdict_text(kFailedText); }

namespace {

// "<value> <relation> → <verdict>": the number as printed, and a relation and verdict judged on it.
std::string judged(double eta)
{
    const char* verdict = verdict_passes(eta) ? print_ok_text() : print_not_ok_text();
    const std::string relation = " = " + verdict_printed(eta) + " " + verdict_relation(eta) + u8" " OLI_ARROW_U8 u8" ";
    return print_cp437(relation.c_str()) + verdict;
}

}  // namespace

void print_closing_line(FILE* file, double eta)
{
    const CNumericScope c_numbers;
    if (!std::isfinite(eta))
        print_text(file, u8"u╬\\max╬r nicht nachweisbar " OLI_ARROW_U8 u8" %s", print_not_ok_text());
    else
        print_text(file, u8"u╬\\max╬r%s", judged(eta).c_str());
}

void print_closing_line_not_verifiable(FILE* file, const std::string& cause)
{
    // Arguments are not converted with the format: the cause goes in as list bytes.
    print_text(file, u8"u╬\\max╬r nicht nachweisbar: %s " OLI_ARROW_U8 u8" %s", print_cp437(cause.c_str()).c_str(),
               print_not_ok_text());
}

namespace {

// The closing line of a section: its cause when the check could not be verified.
void closing_line(FILE* file, double eta, const std::string& cause)
{
    if (cause.empty()) print_closing_line(file, eta);
    else print_closing_line_not_verifiable(file, cause);
}

// What the results just printed covered, for the summary that follows them: which checks were
// switched on and whether a detailing rule was not met. Set by print_results, used up by the
// summary; a summary printed without results speaks of all checks.
struct SummaryScope {
    bool bending = true;
    bool shear = true;
    DetailingBreach breach;
    std::vector<std::string> causes;  // UTF-8: why checks could not be verified, none when all could
};
SummaryScope g_summary_scope;

}  // namespace

void print_summary(FILE* file, double eta_max)
{
    const CNumericScope c_numbers;
    const SummaryScope scope = g_summary_scope;
    g_summary_scope = SummaryScope();
    print_heading(file, 1, "Zusammenfassung");
    const bool all = scope.bending && scope.shear;
    // Arguments are not converted with the format: the words go in as list bytes.
    const std::string words = print_cp437(all ? "aller Nachweise" : u8"der geführten Nachweise");
    const char* const checks = words.c_str();
    if (!scope.breach && !scope.causes.empty()) {
        // A paragraph holds 255 bytes: one cause to a line.
        print_text(file, u8"╬bGesamtausnutzung %s u╬\\max,Ges╬r╬b nicht nachweisbar: %s " OLI_ARROW_U8 u8" %s", checks,
                   print_cp437(scope.causes.front().c_str()).c_str(), print_not_ok_text());
        for (std::size_t i = 1; i < scope.causes.size(); ++i)
            print_text(file, u8"Ebenfalls nicht nachweisbar: %s", print_cp437(scope.causes[i].c_str()).c_str());
    } else if (scope.breach)
        print_text(file,
                   u8"╬bGesamtausnutzung %s u╬\\max,Ges╬r╬b nicht nachweisbar: Konstruktionsregel nicht "
                   u8"eingehalten " OLI_ARROW_U8 u8" %s",
                   checks, print_not_ok_text());
    else if (!std::isfinite(eta_max))
        print_text(file, u8"╬bGesamtausnutzung %s u╬\\max,Ges╬r╬b nicht nachweisbar " OLI_ARROW_U8 u8" %s", checks,
                   print_not_ok_text());
    else
        print_text(file, u8"╬bGesamtausnutzung %s u╬\\max,Ges╬r╬b%s", checks, judged(eta_max).c_str());
    if (!all) {
        std::string off;
        if (!scope.bending) off = "Biegung am Durchbruch";
        if (!scope.shear) off += std::string(off.empty() ? "" : ", ") + "Schub am reduzierten Querschnitt";
        print_text(file, u8"Nicht geführt (ausgeschaltet): %s", off.c_str());
    }
}

namespace {

// The line naming a detailing rule that is not met, with its values.
void print_detailing_breach(FILE* file, const DetailingBreach& b)
{
    if (b.rule == DetailingRule::RodAnchorage)
        print_text(file,
                   u8"l╬\\ad╬r ≥ max{0,5 d╬\\r╬r² ; 10 d╬\\r╬r} nicht eingehalten "
                   u8"(l╬\\ad╬r = %.0lf mm < %.0lf mm) " OLI_ARROW_U8 u8" %s",
                   b.have, b.need, print_not_ok_text());
    else if (b.rule == DetailingRule::ScrewEmbedment)
        print_text(file,
                   u8"Einbindelänge l╬\\ad╬r ≥ 4 d nicht eingehalten (l╬\\ad╬r = %.0lf mm < 4 d = %.0lf mm) "
                   OLI_ARROW_U8 u8" %s",
                   b.have, b.need, print_not_ok_text());
}

// The closing line of a section whose utilisation is the checks' mark for a rule not met.
void print_closing_line_breach(FILE* file)
{
    print_text(file, u8"u╬\\max╬r nicht nachweisbar: Konstruktionsregel nicht eingehalten " OLI_ARROW_U8 u8" %s",
               print_not_ok_text());
}

}  // namespace

namespace {

const char* const kStress = u8"N/mm╬/2╬r";

// The two edge groups of the opening table: F_tV, F_tM, F_t90 and the edge's utilisation.
void edge_columns(PrintTable& t, const TAVO52_DATA& d, bool left, bool made_up_eta)
{
    const QVector<OpeningCheckRow>& rows = d.zeilen_durchbruch;
    const int n = rows.size();
    double* ftv = t.numbers(left ? "linker Rand" : "rechter Rand", u8"F╬\\tV,d╬r", "kN", 6, 2);
    double* ftm = t.numbers("=", u8"F╬\\tM,d╬r", "kN", 6, 2);
    double* ft90 = t.numbers("=", u8"F╬\\t90,d╬r", "kN", 6, 2);
    double* eta = t.numbers("=", left ? u8"u╬\\l╬r" : u8"u╬\\r╬r", "-", 6, 3);
    for (int i = 0; i < n; ++i) {
        const OpeningCheckRow& r = rows[i];
        ftv[i] = left ? r.ftv_l : r.ftv_r;
        ftm[i] = left ? r.ftm_l : r.ftm_r;
        ft90[i] = left ? r.ft90_l : r.ft90_r;
        // Screws without the embedded length or without capacity: their 2.0 is no utilisation.
        eta[i] = made_up_eta || opening_row_not_verifiable(d, r) ? std::nan("") : left ? r.eta_l : r.eta_r;
    }
}

// One of the two plate tables: the strengths, then the edge's forces, stresses and utilisations.
void plate_table(FILE* file, const QVector<OpeningCheckRow>& rows, bool left)
{
    const int n = rows.size();
    PrintTable t(left ? 12 : 13, n);
    t.row_numbers("Nr", 3);
    double* ft90d = t.numbers(" ", u8"f╬\\t90,d╬r", kStress, 6, 3);
    double* fk2d = t.numbers(" ", u8"f╬\\k2,d╬r", kStress, 5, 3);
    double* ftd = t.numbers(" ", u8"f╬\\t,d╬r", kStress, 6, 2);
    double* ftv = t.numbers(left ? "linker Rand" : "rechter Rand", u8"F╬\\tV,d╬r", "kN", 6, 2);
    double* ftm = t.numbers("=", u8"F╬\\tM,d╬r", "kN", 6, 2);
    double* ft90 = t.numbers("=", u8"F╬\\t90,d╬r", "kN", 6, 2);
    double* tau = t.numbers("=", OLI_TAU_U8 u8"╬\\ef,d╬r", kStress, 6, 3);
    double* sigma = t.numbers("=", OLI_SIGMA_U8 u8"╬\\t,d╬r", kStress, 6, 2);
    double* eta_tau = t.numbers("=", u8"u╬\\" OLI_TAU_U8 u8"ef,d╬r", "-", 5, 3);
    double* eta_sigma = t.numbers("=", u8"u╬\\" OLI_SIGMA_U8 u8",d╬r", "-", 5, 3);
    double* eta_edge = t.numbers("=", left ? u8"u╬\\l╬r" : u8"u╬\\r╬r", "-", 6, 3);
    double* eta = left ? nullptr : t.numbers(" ", "u", "-", 6, 3);
    for (int i = 0; i < n; ++i) {
        const OpeningCheckRow& r = rows[i];
        ft90d[i] = r.ft90d;
        fk2d[i] = r.fk2d;
        ftd[i] = r.ftd;
        ftv[i] = left ? r.ftv_l : r.ftv_r;
        ftm[i] = left ? r.ftm_l : r.ftm_r;
        ft90[i] = left ? r.ft90_l : r.ft90_r;
        tau[i] = left ? r.tau_ef_l : r.tau_ef_r;
        sigma[i] = left ? r.sigma_t_l : r.sigma_t_r;
        eta_tau[i] = left ? r.eta_tau_l : r.eta_tau_r;
        eta_sigma[i] = left ? r.eta_sigma_l : r.eta_sigma_r;
        eta_edge[i] = left ? r.eta_l : r.eta_r;
        if (eta) eta[i] = r.eta;
    }
    t.write(file);
}

}  // namespace

int TAVO52_DATA::print_tension_perp_section(FILE* file)
{
    const CNumericScope c_numbers;
    grf_set_colour_mode(1);
    print_heading(file, 2, "Querzugspannung am Durchbruch");
    if (verstaerkt && verst_typ == REINFORCEMENT_PLATES) {
        print_plate_reinforcement_table(file);
        return 0;
    }
    const bool rods = verstaerkt && verst_typ == REINFORCEMENT_RODS;
    const bool screws = verstaerkt && verst_typ == REINFORCEMENT_SCREWS;
    if (screws) {
        // The screws hold at both crack lines; the line with the smaller capacity governs. Above the
        // upper line the screw is l_ad,o long, below the lower one l_ad,u.
        const bool lower = sc_riss_unten != 0;
        const double above = lower ? sc_l - l_ad_u : l_ad_o;
        const double below = lower ? l_ad_u : sc_l - l_ad_o;
        // Without capacity at either line neither governs.
        if (raxk > 0.0)
            print_text(file,
                       u8"l╬\\ad,o╬r = %.0lf mm, l╬\\ad,u╬r = %.0lf mm, maßgebend %s Risslinie: %.0lf mm oberhalb, "
                       u8"%.0lf mm unterhalb",
                       l_ad_o, l_ad_u, lower ? "untere" : "obere", above, below);
        else
            print_text(file, u8"l╬\\ad,o╬r = %.0lf mm, l╬\\ad,u╬r = %.0lf mm", l_ad_o, l_ad_u);
        print_text(file,
                   u8"R╬\\ax,head,k╬r = %.3lf kN, R╬\\ax1,k╬r = %.3lf kN, R╬\\ax2,k╬r = %.3lf kN " OLI_ARROW_U8 u8" "
                   u8"R╬\\ax,k╬r = %.3lf kN",
                   raxheadk, rax1k, rax2k, raxk);
    } else if (rods)
        print_text(file,
                   u8"h╬\\r╬r = %.0lf mm, l╬\\t,90╬r = %.0lf mm, f╬\\t,90k╬r = %.3lf N/mm╬/2╬r, "
                   u8"f╬\\k1,k╬r = %.3lf N/mm╬/2╬r, l╬\\ad╬r = %.0lf mm, N╬\\R,k╬r = %.2lf kN",
                   h_r, l_t90, ft90k, fk1k, l_ad, 0.001 * ft_gs);
    else
        print_text(file, u8"h╬\\r╬r = %.0lf mm, l╬\\t,90╬r = %.0lf mm, f╬\\t,90k╬r = %.3lf N/mm╬/2╬r", h_r,
                   l_t90, ft90k);

    const QVector<OpeningCheckRow>& rows = zeilen_durchbruch;
    const int n = rows.size();
    PrintTable t(rods ? 14 : 12, n);
    t.row_numbers("Nr", 3);
    double* ft90d = t.numbers(" ", u8"f╬\\t90,d╬r", kStress, 6, 3);
    double *c1 = nullptr, *c2 = nullptr, *c3 = nullptr;
    if (rods) {
        c1 = t.numbers(" ", u8"f╬\\k1,d╬r", kStress, 5, 3);
        c2 = t.numbers(" ", u8"F╬\\t90R,d╬r", "kN", 5, 3);
        c3 = t.numbers(" ", u8"N╬\\R,d╬r", "kN", 5, 3);
    } else if (screws) {
        c1 = t.numbers(" ", u8"R╬\\ax,d╬r", "kN", 6, 3);
    } else {
        c1 = t.numbers(" ", u8"zul F╬\\t90,d╬r", "kN", 5, 3);
    }
    for (int i = 0; i < n; ++i) {
        const OpeningCheckRow& r = rows[i];
        ft90d[i] = r.ft90d;
        if (rods) {
            c1[i] = r.fk1d;
            c2[i] = r.rax_d_rod;
            c3[i] = r.rt_d_rod;
        } else {
            c1[i] = screws ? r.rax_d_screw : r.rt90d;
        }
    }
    const DetailingBreach breach = detailing_breach(*this);
    const bool made_up = breach.rule == DetailingRule::ScrewEmbedment;
    edge_columns(t, *this, true, made_up);
    edge_columns(t, *this, false, made_up);
    double* eta = t.numbers(" ", "u", "-", 6, 3);
    for (int i = 0; i < n; ++i)
        eta[i] = made_up || opening_row_not_verifiable(*this, rows[i]) ? std::nan("") : rows[i].eta;
    t.write(file);

    if (breach) {
        print_detailing_breach(file, breach);
        print_closing_line_breach(file);
    } else {
        closing_line(file, eta_durchbruch, not_verifiable_cause(*this, RESULT_KIND_OPENING));
    }
    return 0;
}

int TAVO52_DATA::print_plate_reinforcement_table(FILE* file)
{
    const CNumericScope c_numbers;
    print_text(file, u8"f╬\\k2,k╬r = %.2lf N/mm╬/2╬r (Tabelle NA.12)", fk2k);
    plate_table(file, zeilen_durchbruch, true);
    plate_table(file, zeilen_durchbruch, false);
    closing_line(file, eta_durchbruch, not_verifiable_cause(*this, RESULT_KIND_OPENING));
    return 0;
}

int TAVO52_DATA::print_bending_section(FILE* file)
{
    const CNumericScope c_numbers;
    grf_set_colour_mode(1);
    print_heading(file, 2, "Biegung am Durchbruchquerschnitt");
    // A section without area has no centroid: its values are not determinable, no number.
    const auto value = [](double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return std::isfinite(v) ? std::string(buf) : std::string("n.e.");
    };
    print_text(file,
               u8"I╬\\nz╬r = %s cm╬/4╬r, z╬\\s╬r = %s mm, W╬\\no╬r = %s cm╬/3╬r, "
               u8"W╬\\nu╬r = %s cm╬/3╬r, W╬\\o╬r = %s cm╬/3╬r, W╬\\u╬r = %s cm╬/3╬r",
               value(0.0001 * i_nz).c_str(), value(z_s).c_str(), value(0.001 * w_no).c_str(),
               value(0.001 * w_nu).c_str(), value(0.001 * w_o).c_str(), value(0.001 * w_u).c_str());

    const bool rectangular = typ_durchbruch != OPENING_CIRCULAR;
    const QVector<BendingCheckRow>& rows = zeilen_biegung;
    const int n = rows.size();
    PrintTable t(rectangular ? 14 : 12, n);
    t.row_numbers("Nr", 3);
    double* fmd = t.numbers(" ", u8"f╬\\m,d╬r", kStress, 6, 2);
    double* ft0d = t.numbers(" ", u8"f╬\\t,d╬r", kStress, 6, 2);
    double* fc0d = t.numbers(" ", u8"f╬\\c,d╬r", kStress, 6, 2);
    double* sn = t.numbers(" ", OLI_SIGMA_U8 u8"╬\\N,d╬r", kStress, 6, 3);
    double* smo = t.numbers(" ", OLI_SIGMA_U8 u8"╬\\M,o,d╬r", kStress, 6, 3);
    double* smu = t.numbers(" ", OLI_SIGMA_U8 u8"╬\\M,u,d╬r", kStress, 6, 3);
    double* dso = rectangular ? t.numbers(" ", OLI_DELTA_U8 OLI_SIGMA_U8 u8"╬\\M,o,d╬r", kStress, 5, 3) : nullptr;
    double* dsu = rectangular ? t.numbers(" ", OLI_DELTA_U8 OLI_SIGMA_U8 u8"╬\\M,u,d╬r", kStress, 5, 3) : nullptr;
    double* so = t.numbers(" ", OLI_SIGMA_U8 u8"╬\\o,d╬r", kStress, 6, 3);
    double* su = t.numbers(" ", OLI_SIGMA_U8 u8"╬\\u,d╬r", kStress, 6, 3);
    double* eo = t.numbers(" ", u8"u╬\\o,d╬r", "-", 6, 3);
    double* eu = t.numbers(" ", u8"u╬\\u,d╬r", "-", 6, 3);
    double* eta = t.numbers(" ", "u", "-", 6, 3);
    for (int i = 0; i < n; ++i) {
        const BendingCheckRow& r = rows[i];
        fmd[i] = r.fmd;
        ft0d[i] = r.ft0d;
        fc0d[i] = r.fc0d;
        sn[i] = r.sigma_n;
        smo[i] = r.sigma_m_o;
        smu[i] = r.sigma_m_u;
        if (dso) dso[i] = r.delta_sigma_o;
        if (dsu) dsu[i] = r.delta_sigma_u;
        so[i] = r.sigma_o;
        su[i] = r.sigma_u;
        eo[i] = r.eta_o;
        eu[i] = r.eta_u;
        eta[i] = r.eta;
    }
    t.write(file);
    closing_line(file, eta_biegung, not_verifiable_cause(*this, RESULT_KIND_BENDING));
    return 0;
}

int TAVO52_DATA::print_shear_section(FILE* file)
{
    const CNumericScope c_numbers;
    grf_set_colour_mode(1);
    const bool circular = typ_durchbruch == OPENING_CIRCULAR;
    print_heading(file, 2, "Schub am reduzierten Querschnitt%s", circular ? " in Kreismitte" : "");
    print_text(file,
               u8"Balkenbreite = %.0lf mm, Höhe des reduzierten Querschnitts h╬\\ef╬r = %.0lf mm, "
               u8"k╬\\cr╬r = %.3lf " OLI_ARROW_U8 u8" A╬\\ef╬r = %.0lf mm╬/2╬r, "
               u8"╒╬\\max╬r = %.3lf",
               b, h_ef, k_cr, a_ef, kappa_max);
    if (circular && schub_kappa_kreis == 0)
        print_text(file, u8"Die Erhöhung der Schubspannungen durch ╒╬\\max╬r = %.3lf wird nicht berücksichtigt!",
                   kappa_max);

    const QVector<ShearCheckRow>& rows = zeilen_schub;
    const int n = rows.size();
    if (circular) {
        PrintTable t(5, n);
        t.row_numbers("Nr", 3);
        double* fvd = t.numbers(" ", u8"f╬\\v,d╬r", kStress, 6, 2);
        double* v = t.numbers(" ", u8"V╬\\d╬r", "kN", 7, 2);
        double* tau = t.numbers(" ", OLI_TAU_U8 u8"╬\\m,d╬r", kStress, 7, 3);
        double* eta = t.numbers(" ", "u", "-", 7, 3);
        for (int i = 0; i < n; ++i) {
            fvd[i] = rows[i].fvd;
            v[i] = rows[i].v_l;
            tau[i] = rows[i].tau_l;
            eta[i] = rows[i].eta;
        }
        t.write(file);
    } else {
        PrintTable t(9, n);
        t.row_numbers("Nr", 3);
        double* fvd = t.numbers(" ", u8"f╬\\v,d╬r", kStress, 6, 2);
        double* vl = t.numbers("linker Rand", u8"V╬\\d╬r", "kN", 7, 2);
        double* tl = t.numbers("=", OLI_TAU_U8 u8"╬\\m,d╬r", kStress, 7, 3);
        double* el = t.numbers("=", "u", "-", 7, 3);
        double* vr = t.numbers("rechter Rand", u8"V╬\\d╬r", "kN", 7, 2);
        double* tr = t.numbers("=", OLI_TAU_U8 u8"╬\\m,d╬r", kStress, 7, 3);
        double* er = t.numbers("=", "u", "-", 7, 3);
        double* eta = t.numbers(" ", "u", "-", 7, 3);
        for (int i = 0; i < n; ++i) {
            const ShearCheckRow& r = rows[i];
            fvd[i] = r.fvd;
            vl[i] = r.v_l;
            tl[i] = r.tau_l;
            el[i] = r.eta_l;
            vr[i] = r.v_r;
            tr[i] = r.tau_r;
            er[i] = r.eta_r;
            eta[i] = r.eta;
        }
        t.write(file);
    }
    closing_line(file, eta_schub, not_verifiable_cause(*this, RESULT_KIND_SHEAR));
    return 0;
}

int TAVO52_DATA::print_error_messages(FILE* file, int word, int code)
{
    const CNumericScope c_numbers;
    print_heading(file, 1, "Fehlermeldungen");
    if (bit_is_set(word, 0)) print_text(file, "Keine Lasten definiert!");
    if (bit_is_set(word, 1)) print_text(file, "Keine Beplankung definiert!");
    if (bit_is_set(word, 2)) print_text(file, u8"System instabil, zu wenig Wände in y-Richtung!");
    if (bit_is_set(word, 3)) print_text(file, u8"System instabil, zu wenig Wände in x-Richtung!");
    if (bit_is_set(word, 4)) {
        // Code 0 has no message and prints nothing.
        if (const char* message = connection_message_text(code)) oli_text(file, "%s", message);
    }
    return 0;
}

int TAVO52_DATA::print_bending_section_if_on(FILE* file)
{
    if (biegung == 0) return 1;
    print_bending_section(file);
    return 0;
}

int TAVO52_DATA::print_shear_section_if_on(FILE* file)
{
    if (schub == 0) return 1;
    print_shear_section(file);
    return 0;
}

int TAVO52_DATA::print_results(FILE* file)
{
    g_summary_scope.bending = biegung == 1;
    g_summary_scope.shear = schub == 1;
    g_summary_scope.breach = detailing_breach(*this);
    std::vector<std::string>& causes = g_summary_scope.causes;
    causes.clear();
    const int kinds[] = {RESULT_KIND_OPENING, biegung == 1 ? RESULT_KIND_BENDING : -1, schub == 1 ? RESULT_KIND_SHEAR : -1};
    for (int kind : kinds) {
        const std::string cause = not_verifiable_cause(*this, kind);
        if (!cause.empty() && std::find(causes.begin(), causes.end(), cause) == causes.end()) causes.push_back(cause);
    }
    grf_set_colour_mode(1);
    print_heading(file, 1, "Ergebnisse");
    print_tension_perp_section(file);
    print_bending_section_if_on(file);
    print_shear_section_if_on(file);
    return 0;
}
