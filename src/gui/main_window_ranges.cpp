// Values of an opened position that the form cannot hold. A spin box would clamp them without a
// word and a number beyond the range of int cannot be converted at all, so each is brought into
// the form's range here, before it reaches a widget, and named in the message about the file.
#include "gui/main_window.h"
#include "materials/material_codes.h"
#include "gui/main_window_bindings.h"
#include "gui/range_check.h"
#include "core/position_file.h"
#include "core/tavo52_data.h"
#include "gui/loads_delegates.h"
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// The ranges of the options dialog's print fields and of the loads table's editors.
const double kPlotSizeMin = 1.0, kPlotSizeMax = 99.99;   // cm
const int kDecimalsMax = 4;
const double kForceLimit = LOAD_FORCE_LIMIT;               // kN, kNm
const int kLastClass = 8;

} // namespace

void MainWindow::check_form_ranges()
{
    TAVO52_DATA& d = data_object;
    const TAVO52_DATA defaults;
    RangeCheck c(d.open_report);
    c.one_of("Holzart", d.holzart, {MAT_SOFTWOOD, MAT_HARDWOOD, MAT_GLULAM_EC, MAT_GLULAM_DIN}, defaults.holzart);
    c.one_of("Nutzungsklasse", d.nkl, {1, 2, 3}, defaults.nkl);
    c.one_of("Durchbruchform", d.typ_durchbruch, {0, 1}, defaults.typ_durchbruch);
    // The number fields, in the order of the table of fields.
    for (const FieldBinding& f : field_bindings())
        if (f.range)
            f.range(*this, d, c);
    c.one_of("Verstärkungsart", d.verst_typ, {REINFORCEMENT_PLATES, REINFORCEMENT_RODS, REINFORCEMENT_SCREWS}, defaults.verst_typ);
    c.one_of("Gewindestangen unten", d.unten_gs, {0, 1}, defaults.unten_gs);
    c.one_of("Schrauben unten", d.unten_sc, {0, 1}, defaults.unten_sc);
    c.one_of("Art Unterlegscheibe", d.unterleg_art, {WASHER_PRESSED, WASHER_TURNED}, defaults.unterleg_art);
    c.item_of("Material Laschen", d.mat_laschen, cob_mat_laschen, defaults.mat_laschen);
    c.item_of("d_r", d.d_r, cob_dr_GS, defaults.d_r);
    c.item_of("Stahlgüte Gewindestangen", d.fest_gs, cob_fest_GS, defaults.fest_gs);
    c.item_of("Schraubentyp", d.typ_schraube, cob_typ_schraube, defaults.typ_schraube);
    c.within("Grafikbreite", d.graf_breite, kPlotSizeMin, kPlotSizeMax);
    c.within("Grafikhöhe", d.graf_hoehe, kPlotSizeMin, kPlotSizeMax);
    c.within("Nachkommastellen Schnittgrößen", d.nk_sni, 0, kDecimalsMax);
    for (int i = 0; i < d.lasten.size(); ++i) {
        LoadRow& row = d.lasten[i];
        const std::string load = "Last " + std::to_string(i + 1) + " ";
        const char* names[] = {"N_d links", "V_d links", "M_d links", "N_d rechts", "V_d rechts", "M_d rechts"};
        double* forces[] = {&row.n_l, &row.v_l, &row.m_l, &row.n_r, &row.v_r, &row.m_r};
        for (int k = 0; k < 6; ++k)
            c.within(load + names[k], *forces[k], -kForceLimit, kForceLimit);
        // An unknown class reads as the first one, as an unknown class text does.
        if (row.kled < 0 || row.kled > kLastClass) {
            c.note(load + "KLED", std::to_string(row.kled), "0");
            row.kled = 0;
        }
        // k_mod was judged by the reader, which leaves out a load without a plausible one.
    }
}

// The grade indexes need the grade lists that data2maske fills for the wood kind and plate material.
void MainWindow::check_grade_choices()
{
    TAVO52_DATA& d = data_object;
    RangeCheck c(d.open_report);
    struct Choice {
        const char* field;
        int& index;
        QComboBox* box;
    };
    for (const Choice& g : {Choice{"Holzgüte", d.holzguete, cb_holzguete},
                            Choice{"Güte Laschen", d.guete_laschen, cob_guete_laschen}}) {
        // A list without grades (free material) has no index to check.
        if (g.box->count() <= 1 || (g.index >= 0 && g.index < g.box->count())) continue;
        c.note(g.field, std::to_string(g.index), "0");
        g.index = 0;
        g.box->setCurrentIndex(0);
    }
}

void MainWindow::name_number_fields()
{
    for (const FieldBinding& f : field_bindings())
        if (f.screen_name)
            for (QObject* box : f.widgets(*this))
                box->setProperty("feldname", QString::fromUtf8(f.screen_name));
    const char* columns[] = {"N_d linker Rand [kN]",  "V_d linker Rand [kN]",  "M_d linker Rand [kNm]",
                             "N_d rechter Rand [kN]", "V_d rechter Rand [kN]", "M_d rechter Rand [kNm]"};
    for (int c = 0; c < 6; ++c)
        if (delegates_sni[c])
            delegates_sni[c]->setFieldName(QString::fromUtf8(columns[c]));
    if (auto* kmod = qobject_cast<SpinBoxDelegate*>(tv_lasten->itemDelegateForColumn(8)))
        kmod->setFieldName(QStringLiteral("k_mod"));
}
