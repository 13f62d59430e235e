// Reinforcement of an opening: glued-on plates, glued-in steel rods or fully threaded screws
// carry the tension force perpendicular to the grain (DIN EN 1995-1-1/NA, NCI NA.6.8.4).
#include "core/check_opening.h"
#include "core/tavo52_data.h"

#include "fasteners/connection_records.h"
#include "fasteners/fastener_capacity.h"
#include "fasteners/opening_formulas.h"
#include "fasteners/partial_factors.h"
#include "materials/steel_grades.h"
#include "national_annex/nad_ec3_block.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Reinforcing bar ("B500A/B"): full section, f = 500 N/mm².
const int kReinforcingBarGrade = 1044;

// EN 1993-1-1, 6.1: γ_M2 of the rod and screw steel from the current EC3 block; the block's defaults when no
// set is current (only outside a calculation).
double steel_gamma_m2(int accidental)
{
    if (!cur_ec3_params) return 1.25;
    return accidental ? cur_ec3_params->ec3_1.gamma_m2_accidental : cur_ec3_params->ec3_1.gamma_m2;
}

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: anchorage length of the glued-in rods, its minimum
// max(0.5 d², 10 d) and the bond strength f_k1,k.
void prepare_rods(TAVO52_DATA& d)
{
    embedded_lengths(d.typ_durchbruch, d.h, d.h_ro, d.h_ru, d.l_e, d.unten_gs, &d.l_ad_o, &d.l_ad_u);
    d.l_ad = d.l_ad_u > d.l_ad_o ? d.l_ad_o : d.l_ad_u;
    d.l_ad_min = std::max(0.5 * d.d_r * d.d_r, 10.0 * d.d_r);
    d.fk1k = glued_rod_fk1k(d.l_ad);
    if (d.l_ad_min > d.l_ad) {
        // The check goes on; the loads can only raise the utilisation above 2.0.
        d.eta_durchbruch = 2.0;
        d.lad_zu_kurz = 1;
    }
    // Rod steel: strength, stress area, effective diameter and tensile capacity of one rod (N).
    if (d.fest_gs == kReinforcingBarGrade) {
        d.fuk_gs = 500.0;
    } else {
        const SteelGradeRecord* rec = steel_grade_record(d.fest_gs);
        d.fuk_gs = rec ? rec->f_u : 0.0;
    }
    d.as_gs = rod_stress_area(d.d_r, d.fest_gs);
    d.d_ef = std::sqrt(1.2732395447350788 * d.as_gs);
    d.ft_gs = d.as_gs * d.fuk_gs;
}

// Least embedment of a screw on each side of a crack line, in diameters.
constexpr double kScrewMinEmbedment = 4.0;

// Axial capacity of one screw across one crack line (kN): the part of the beam on the head's side,
// t1 deep from the face the screw enters, joined to the part beyond the line.
struct ScrewJoint {
    double rax1k = 0, rax2k = 0, raxheadk = 0, status = 0, raxk = 0;
};

int screw_joint(const TAVO52_DATA& d, double t1, ScrewJoint* out)
{
    ConnectionDescription cd;
    std::memset(&cd, 0, sizeof cd);
    cd.fastener_type = d.typ_schraube;
    cd.table_row = d.d_schraube;
    cd.predrilled = d.vorgebohrt;
    cd.fastener_count = d.n_sc;
    cd.spruce_fir_pine = 1;
    cd.steel_grade = d.fest_gs;
    cd.service_class_1 = d.nkl;
    cd.service_class_2 = d.nkl;
    cd.d = d.sc_d;
    cd.d_core = d.sc_d1;
    cd.d_ef = d.sc_d;
    cd.d_head = d.sc_dk;
    cd.length = d.sc_l;
    cd.thread_length = d.sc_lef;
    cd.bolt_d = 0.0;
    cd.shear_planes = 1;
    cd.method = 1;
    cd.rope_effect = 1;
    cd.material_1 = d.holzart;
    cd.material_2 = d.holzart;
    cd.grade_1 = d.holzguete;
    cd.grade_2 = d.holzguete;
    cd.stainless = d.rostfrei;
    cd.t1 = t1;
    cd.t2 = d.h - t1;
    cd.axis_angle = 90.0;
    cd.gamma_m_1 = cd.gamma_m_2 = material_gamma_m(d.holzart, d.holzguete, 0);
    cd.gamma_m_steel = steel_gamma_m2(0);
    cd.washer_d = (d.mit_unterleg && d.typ_schraube != FT_SPAX_T_TG) ? d.d_unterleg : -1.0;
    cd.f_u = 600.0;
    cd.kmod_given = -1.0;
    cd.compute_kmod = 1;

    FastenerResult res;
    std::memset(&res, 0, sizeof res);
    const int rc = fastener_capacity_from_record(cd, &res);
    if (rc != 0) return rc;
    out->rax1k = 0.001 * res.r_ax_head_thread;
    out->rax2k = 0.001 * res.r_ax_point;
    out->raxheadk = 0.001 * res.r_ax_head;
    out->status = res.axial_mode;
    out->raxk = std::min(out->rax2k, std::max(out->rax1k, out->raxheadk));
    return 0;
}

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: axial capacity of the fully threaded screws beside the opening.
// Either crack line may open, so the screw must hold at both: at each it joins the part of the beam
// on its head's side to the part beyond, and the smaller capacity governs. Embedded at least 4 d on
// both sides of both lines.
int prepare_screws(TAVO52_DATA& d)
{
    embedded_lengths(d.typ_durchbruch, d.h, d.h_ro, d.h_ru, d.sc_l, d.unten_sc, &d.l_ad_o, &d.l_ad_u);
    d.l_ad = kScrewMinEmbedment * d.sc_d;
    d.rax1k = d.rax2k = d.raxheadk = d.sc_status = d.raxk = 0.0;
    d.sc_riss_unten = 0;
    // Embedded less than 4 d on a side: no capacity, every edge fails with 2.0.
    if (!(d.l_ad_o >= d.l_ad && d.l_ad_u >= d.l_ad)) return 0;
    // The line next to the head lies the head-side embedded length deep; the far line leaves the
    // point-side embedded length beyond it.
    const double head_side = d.unten_sc ? d.l_ad_u : d.l_ad_o;
    const double point_side = d.unten_sc ? d.l_ad_o : d.l_ad_u;
    ScrewJoint near_line, far_line;
    int rc = screw_joint(d, head_side, &near_line);
    if (rc != 0) return rc;
    rc = screw_joint(d, d.sc_l - point_side, &far_line);
    if (rc != 0) return rc;
    const bool far_governs = far_line.raxk < near_line.raxk;
    const ScrewJoint& g = far_governs ? far_line : near_line;
    d.rax1k = g.rax1k;
    d.rax2k = g.rax2k;
    d.raxheadk = g.raxheadk;
    d.sc_status = g.status;
    d.raxk = g.raxk;
    // From the top the far line is the lower one; from the bottom the near one.
    d.sc_riss_unten = far_governs != (d.unten_sc != 0);
    return 0;
}

}  // namespace

// ISO 898-1: stress area A_s of a threaded rod; a reinforcing bar counts with its full section.
double rod_stress_area(double d_r, int fest_gs)
{
    const double full = 0.7853981633975 * d_r * d_r;
    if (fest_gs == kReinforcingBarGrade) return full;
    // ISO 898-1 stress areas of the metric threads M6 to M30.
    if (d_r <= 6.001) return 20.1;
    if (d_r <= 8.001) return 36.6;
    if (d_r <= 10.001) return 58.0;
    if (d_r <= 12.001) return 84.3;
    if (d_r <= 14.001) return 115.0;
    if (d_r <= 16.001) return 157.0;
    if (d_r <= 20.001) return 245.0;
    if (d_r <= 24.001) return 353.0;
    if (d_r <= 30.001) return 561.0;
    return full;
}

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: lengths l_ad of a rod or screw beyond the crack lines of the opening
void embedded_lengths(int typ_durchbruch, double h, double h_ro, double h_ru, double l,
                      int from_bottom, double* l_ad_o, double* l_ad_u)
{
    const double h_d = h - h_ro - h_ru;
    if (typ_durchbruch == OPENING_CIRCULAR) {
        // The crack lines of a circular opening lie 0.15 h_d inside its outline, 0.85 h_d from the
        // far side.
        constexpr double kCrackInset = 0.15, kCrackFarSide = 0.85;
        if (from_bottom) {
            *l_ad_o = l - h_ru - kCrackFarSide * h_d;
            *l_ad_u = h_ru + kCrackInset * h_d;
        } else {
            *l_ad_o = h_ro + kCrackInset * h_d;
            *l_ad_u = l - h_ro - kCrackFarSide * h_d;
        }
    } else {
        if (from_bottom) {
            *l_ad_o = l - h_ru - h_d;
            *l_ad_u = h_ru;
        } else {
            *l_ad_o = h_ro;
            *l_ad_u = l - h_ro - h_d;
        }
    }
}

int reinforcement_prepare(TAVO52_DATA& d)
{
    if (d.verst_typ == REINFORCEMENT_RODS) prepare_rods(d);
    else if (d.verst_typ == REINFORCEMENT_SCREWS) return prepare_screws(d);
    return 0;
}

// DIN EN 1995-1-1/NA, NCI NA.6.8.4: the load-independent values of the reinforcement design.
ReinforcementTerms reinforcement_terms(const TAVO52_DATA& d)
{
    ReinforcementTerms t;
    t.kind = d.verst_typ;
    t.ftk = d.ftk_laschen;
    t.fk2k = d.fk2k;
    t.glue_area = d.a_r * d.h_1;
    t.plate_area = d.a_r * d.t_r;
    t.fk1k = d.fk1k;
    t.l_ad = d.l_ad;
    t.d_r = d.d_r;
    t.rods = d.n_gs;
    for (int accidental = 0; accidental < 2; ++accidental) {
        t.gamma_m2[accidental] = steel_gamma_m2(accidental);
        t.rt_d_rod[accidental] = d.ft_gs / (1000.0 * t.gamma_m2[accidental]);
    }
    t.raxk = d.raxk;
    t.screws = d.n_sc;
    return t;
}
