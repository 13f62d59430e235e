// The calculation of a position: screw data from the screw tables, the opening check, bending and
// shear at the opening, and the result list with the largest utilisation.
#include "core/check_opening.h"
#include "core/tavo52_data.h"

#include "fasteners/fastener_tables.h"
#include "fasteners/partial_factors.h"

#include <algorithm>
#include <limits>

namespace {

// Table of the fully threaded screw product (13, 14, 15), or null.
const FastenerTable* screw_table(int typ_schraube)
{
    switch (typ_schraube) {
    case FT_SPAX_S_VG: return &fastener_table_spax_s_vg;
    case FT_ASSY_VG_Z: return &fastener_table_assy_plus_vg_z;
    case FT_ASSY_VG_S: return &fastener_table_assy_plus_vg_s;
    default: return nullptr;
    }
}

void take_screw_data(TAVO52_DATA& d)
{
    const FastenerTable* table = screw_table(d.typ_schraube);
    if (!table) return;
    // Indices outside the loaded table leave the screw data as they are.
    if (d.d_schraube < 0 || d.d_schraube >= table->row_count || d.d_schraube >= FASTENER_TABLE_ROWS) return;
    const FastenerRow& row = table->rows[d.d_schraube];
    d.sc_d = row.d;
    d.sc_d1 = row.d1;
    d.sc_dk = row.dk;
    if (d.l_schraube >= 0 && d.l_schraube < row.n_l && d.l_schraube < FASTENER_TABLE_LENGTHS) {
        d.sc_l = row.lengths[d.l_schraube];
        d.sc_lef = row.effective_lengths[d.l_schraube];
    }
    const int series = d.typ_schraube == FT_SPAX_S_VG ? 3 : d.typ_schraube == FT_ASSY_VG_Z ? 0 : d.unterleg_art;
    d.d_unterleg = washer_outer_diameter(d.sc_d, series);
}

void add_result(TAVO52_DATA& d, const QString& name, double eta, int kind)
{
    CheckResult r;
    r.name = name;
    r.eta = eta;
    r.kind = kind;
    d.nachweise.append(r);
    if (eta > d.eta_max) d.eta_max = eta;
}

}  // namespace

int TAVO52_DATA::cal_nachweise(int* err_vm)
{
    eta_max = 0.0;
    n_nachweise = 0;
    if (verstaerkt == 1 && verst_typ == REINFORCEMENT_SCREWS) take_screw_data(*this);
    nachweise.clear();

    const int r = cal_Durchbruch();
    if (err_vm) *err_vm = r;
    if (r == 0) add_result(*this, QStringLiteral("Querzug am Durchbruch"), eta_durchbruch, RESULT_KIND_OPENING);
    ++n_nachweise;
    if (biegung == 1 && check_bending_at_opening() == 0)
        add_result(*this, QStringLiteral("Biegung am Durchbruch"), eta_biegung, RESULT_KIND_BENDING);
    ++n_nachweise;
    if (schub == 1 && check_shear_reduced_section() == 0)
        add_result(*this, QStringLiteral("Schub am reduzierten Querschnitt"), eta_schub, RESULT_KIND_SHEAR);
    // A check that could not be performed (no loads) leaves nothing that may show as fulfilled.
    if (r != 0) eta_max = std::numeric_limits<double>::infinity();
    return r;
}
