#include "core/verdict.h"
#include "core/tavo52_data.h"

#include "fasteners/opening_formulas.h"
#include "national_annex/nad_ec5_block.h"

#include <algorithm>

#include <charconv>
#include <cmath>

namespace {

// The value the printed text stands for, so that the verdict never contradicts what is printed.
double printed_value(double eta)
{
    const std::string text = verdict_printed(eta);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

}  // namespace

std::string verdict_printed(double eta)
{
    if (!std::isfinite(eta)) return std::string();
    char buf[400];   // room for the largest double in fixed notation
    const auto r = std::to_chars(buf, buf + sizeof buf, eta, std::chars_format::fixed, VERDICT_DECIMALS);
    return std::string(buf, r.ptr);
}

bool verdict_passes(double eta)
{
    return std::isfinite(eta) && printed_value(eta) <= VERDICT_ETA_LIMIT;
}

bool verdict_within_tolerance(double eta)
{
    return verdict_passes(eta) && printed_value(eta) > 1.0;
}

std::string verdict_relation(double eta)
{
    if (!std::isfinite(eta)) return std::string();
    if (!verdict_passes(eta)) return u8"> 1";
    if (!verdict_within_tolerance(eta)) return u8"≤ 1";
    return u8"≤ " + verdict_printed(VERDICT_ETA_LIMIT) + u8" (Überschreitung innerhalb der Toleranz)";
}

DetailingBreach detailing_breach(const TAVO52_DATA& d)
{
    DetailingBreach b;
    if (d.verstaerkt != 1) return b;
    if (d.verst_typ == REINFORCEMENT_RODS && d.lad_zu_kurz) {
        b.rule = DetailingRule::RodAnchorage;
        b.have = d.l_ad;
        b.need = d.l_ad_min;
    } else if (d.verst_typ == REINFORCEMENT_SCREWS && d.sc_d > 0.0) {
        const double need = 4.0 * d.sc_d;
        const double have = std::min(d.l_ad_o, d.l_ad_u);
        if (have < need) {
            b.rule = DetailingRule::ScrewEmbedment;
            b.have = have;
            b.need = need;
        }
    }
    return b;
}

namespace {

bool positive_finite(double x) { return x > 0.0 && std::isfinite(x); }

// The screws' design value below which their edges carry the checks' 2.0.
constexpr double kScrewCapacityMark = 1e-10;

bool screws(const TAVO52_DATA& d) { return d.verstaerkt && d.verst_typ == REINFORCEMENT_SCREWS; }

// A load whose k_mod or partial factor is not a positive number: no design value exists.
template <class Row>
bool factors_missing(const TAVO52_DATA& d, const QVector<Row>& rows)
{
    for (int i = 0; i < rows.size() && i < d.lasten.size(); ++i)
        if (!positive_finite(d.lasten[i].kmod) || !positive_finite(rows[i].gamma_m)) return true;
    return false;
}

const char* const kFactorsMissing = u8"k_mod oder Teilsicherheitsbeiwert einer Last nicht positiv";
const char* const kUndetermined = u8"Ausnutzung nicht bestimmbar";

std::string opening_cause(const TAVO52_DATA& d)
{
    const QVector<OpeningCheckRow>& rows = d.zeilen_durchbruch;
    bool marked = !std::isfinite(d.eta_durchbruch);
    for (const OpeningCheckRow& r : rows) marked = marked || opening_row_not_verifiable(d, r);
    if (!marked || detailing_breach(d)) return std::string();
    if (factors_missing(d, rows)) return kFactorsMissing;
    for (const OpeningCheckRow& r : rows)
        for (double f : {r.ftv_l, r.ftm_l, r.ftv_r, r.ftm_r})
            if (!(f >= 0.0) || !std::isfinite(f))
                return u8"Querzugkraft F_t,90 nicht bestimmbar (Trägerhöhe h oder Resthöhe h_r nicht positiv)";
    if (!d.verstaerkt) {
        for (const OpeningCheckRow& r : rows)
            if (!positive_finite(r.rt90d))
                return u8"Querzugtragfähigkeit R_t,90,d nicht positiv (f_t,90,k, b, k_t,90 oder l_t,90)";
        return kUndetermined;
    }
    switch (d.verst_typ) {
    case REINFORCEMENT_SCREWS:
        for (const OpeningCheckRow& r : rows) {
            if (r.rax_d_screw > kScrewCapacityMark) continue;
            // Without the German annex no withdrawal parameter of the screws applies: R_ax,k = 0.
            if (cur_ec5_params && cur_ec5_params->country == 0)
                return u8"ohne deutschen nationalen Anhang gilt kein Ausziehparameter der Schraube (R_ax,k = 0)";
            return u8"Axialtragfähigkeit der Schraube R_ax,k = 0";
        }
        if (!(d.n_sc > 0)) return u8"keine Schrauben je Seite";
        break;
    case REINFORCEMENT_RODS:
        if (!(d.n_gs > 0)) return u8"keine Stahlstäbe je Seite";
        for (const OpeningCheckRow& r : rows) {
            if (!positive_finite(r.rt_d_rod))
                return u8"Zugtragfähigkeit der Stahlstäbe nicht positiv (d_r oder Stahlgüte)";
            if (!positive_finite(r.rax_d_rod)) return u8"Verbundtragfähigkeit der Stahlstäbe nicht positiv";
        }
        break;
    case REINFORCEMENT_PLATES:
        for (const OpeningCheckRow& r : rows)
            if (!positive_finite(r.ftd) || !positive_finite(r.fk2d) || !positive_finite(d.a_r * d.h_1) ||
                !positive_finite(d.a_r * d.t_r))
                return u8"Laschen ohne Fläche oder Festigkeit (a_r, h_1, t_r oder f_t,k nicht positiv)";
        break;
    default:
        break;
    }
    return kUndetermined;
}

std::string bending_cause(const TAVO52_DATA& d)
{
    if (std::isfinite(d.eta_biegung)) return std::string();
    const bool rectangular = d.typ_durchbruch != OPENING_CIRCULAR;
    if (!positive_finite(d.flaeche_o + d.flaeche_u) || !positive_finite(d.w_no) || !positive_finite(d.w_nu) ||
        (rectangular && (!positive_finite(d.w_o) || !positive_finite(d.w_u))))
        return u8"Restquerschnitt ohne Fläche oder Widerstandsmoment (b, h_ro oder h_ru nicht positiv)";
    if (factors_missing(d, d.zeilen_biegung)) return kFactorsMissing;
    for (const BendingCheckRow& r : d.zeilen_biegung)
        if (!positive_finite(r.fmd) || !positive_finite(r.ft0d) || !positive_finite(r.fc0d))
            return u8"Festigkeit f_m,k, f_t,0,k oder f_c,0,k des Balkens nicht positiv";
    return kUndetermined;
}

std::string shear_cause(const TAVO52_DATA& d)
{
    if (std::isfinite(d.eta_schub)) return std::string();
    if (!(d.h > 0.001) || !positive_finite(d.a_ef) || !positive_finite(d.kappa_max))
        return u8"reduzierter Querschnitt ohne Fläche (b, h_ef oder k_cr nicht positiv)";
    if (factors_missing(d, d.zeilen_schub)) return kFactorsMissing;
    for (const ShearCheckRow& r : d.zeilen_schub)
        if (!positive_finite(r.fvd)) return u8"Schubfestigkeit f_v,k des Balkens nicht positiv";
    return kUndetermined;
}

}  // namespace

bool opening_row_not_verifiable(const TAVO52_DATA& d, const OpeningCheckRow& row)
{
    if (!std::isfinite(row.eta)) return true;
    // The screws' edges without capacity carry 2.0 each: a mark, no utilisation.
    return screws(d) && !(row.rax_d_screw > kScrewCapacityMark);
}

std::string not_verifiable_cause(const TAVO52_DATA& d, int kind)
{
    switch (kind) {
    case RESULT_KIND_OPENING: return opening_cause(d);
    case RESULT_KIND_BENDING: return bending_cause(d);
    case RESULT_KIND_SHEAR: return shear_cause(d);
    default: return std::string();
    }
}
