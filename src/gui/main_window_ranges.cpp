// Values of an opened position that the form cannot hold. A spin box would clamp them without a
// word and a number beyond the range of int cannot be converted at all, so each is brought into
// the form's range here, before it reaches a widget, and named in the message about the file.
#include "gui/main_window.h"
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
const double kKmodMin = LOAD_KMOD_MIN, kKmodMax = LOAD_KMOD_MAX;
const int kLastClass = 8;

class RangeCheck {
public:
    explicit RangeCheck(PositionReadReport& report) : report_(report) {}

    void within(const std::string& field, double& v, double lo, double hi)
    {
        if (v >= lo && v <= hi) return;
        const double taken = v > hi ? hi : lo;
        note(field, format_file_double(v), format_file_double(taken));
        v = taken;
    }
    void within(const std::string& field, int& v, int lo, int hi)
    {
        if (v >= lo && v <= hi) return;
        const int taken = v > hi ? hi : lo;
        note(field, std::to_string(v), std::to_string(taken));
        v = taken;
    }
    // A field shows its value with its decimals, whole millimetres in an integer field: a value with
    // more is named with what the field takes of it.
    void within(const std::string& field, double& v, const QSpinBox* box)
    {
        within(field, v, box->minimum(), box->maximum());
        held(field, v, 0, std::trunc(v));
    }
    void within(const std::string& field, double& v, const QDoubleSpinBox* box)
    {
        within(field, v, box->minimum(), box->maximum());
        held(field, v, box->decimals(), QString::number(v, 'f', box->decimals()).toDouble());
    }
    void held(const std::string& field, double& v, int decimals, double shown)
    {
        if (shown == v || !std::isfinite(v)) return;
        note(field, format_file_double(v), QString::number(shown, 'f', decimals).toStdString());
        v = shown;
    }
    void within(const std::string& field, int& v, const QSpinBox* box) { within(field, v, box->minimum(), box->maximum()); }

    void one_of(const std::string& field, int& v, std::initializer_list<int> allowed, int fallback)
    {
        if (std::find(allowed.begin(), allowed.end(), v) != allowed.end()) return;
        note(field, std::to_string(v), std::to_string(fallback));
        v = fallback;
    }
    // A value that one of the combo box's items must carry.
    template <typename T>
    void item_of(const std::string& field, T& v, const QComboBox* box, T fallback)
    {
        if (box->findData(v) >= 0) return;
        note(field, std::is_same<T, int>::value ? std::to_string(v) : format_file_double(v),
             std::is_same<T, int>::value ? std::to_string(fallback) : format_file_double(fallback));
        v = fallback;
    }

    void note(const std::string& field, const std::string& found, const std::string& taken)
    {
        report_.findings.push_back({field, found, taken});
    }

private:
    PositionReadReport& report_;
};

} // namespace

void MainWindow::check_form_ranges()
{
    TAVO52_DATA& d = data_object;
    const TAVO52_DATA defaults;
    RangeCheck c(d.open_report);
    c.one_of("Holzart", d.holzart, {0, 1, 2, 3}, defaults.holzart);
    c.one_of("Nutzungsklasse", d.nkl, {1, 2, 3}, defaults.nkl);
    c.one_of("Durchbruchform", d.typ_durchbruch, {0, 1}, defaults.typ_durchbruch);
    c.within("b", d.b, ed_Balken_b);
    c.within("h", d.h, ed_Balken_h);
    c.within("h_ro", d.h_ro, ed_Balken_hro);
    c.within("h_ru", d.h_ru, ed_Balken_hru);
    c.within("a", d.a, ed_Balken_a);
    c.within("a_r", d.a_r, ed_Verst_ar);
    c.within("h_1", d.h_1, ed_Verst_h1);
    c.within("t_r", d.t_r, ed_Verst_tr);
    c.within("f_t,k Laschen", d.ftk_laschen, sb_laschen_ftk);
    c.within("l_e", d.l_e, ed_GS_le);
    c.within("Anzahl Gewindestangen", d.n_gs, ed_Verst_n_GS);
    c.within("Anzahl Schrauben", d.n_sc, ed_Verst_n_SC);
    c.one_of("Verstärkungsart", d.verst_typ, {0, 1, 2}, defaults.verst_typ);
    c.one_of("Gewindestangen unten", d.unten_gs, {0, 1}, defaults.unten_gs);
    c.one_of("Schrauben unten", d.unten_sc, {0, 1}, defaults.unten_sc);
    c.one_of("Art Unterlegscheibe", d.unterleg_art, {1, 2}, defaults.unterleg_art);
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
        c.within(load + "k_mod", row.kmod, kKmodMin, kKmodMax);
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
    const struct {
        QAbstractSpinBox* box;
        const char* name;
    } fields[] = {{ed_Balken_b, "b [mm]"},
                  {ed_Balken_h, "h [mm]"},
                  {ed_Balken_hro, "h_ro [mm]"},
                  {ed_Balken_hru, "h_ru [mm]"},
                  {ed_Balken_a, "a [mm]"},
                  {ed_Balken_b_2, "b [mm]"},
                  {ed_Balken_h_2, "h [mm]"},
                  {ed_Balken_hro_2, "h_ro [mm]"},
                  {ed_Balken_hru_2, "h_ru [mm]"},
                  {ed_Balken_a_2, "a [mm]"},
                  {sb_laschen_ftk, "f_t,k [N/mm²]"},
                  {ed_Verst_ar, "Rand a_r [mm]"},
                  {ed_Verst_h1, "Rand h_1 [mm]"},
                  {ed_Verst_tr, "Dicke t_r [mm]"},
                  {ed_GS_le, "l_e [mm]"},
                  {ed_Verst_n_GS, "Anzahl Gewindestangen je Seite"},
                  {ed_Verst_n_SC, "Anzahl Schrauben je Seite"}};
    for (const auto& f : fields)
        f.box->setProperty("feldname", QString::fromUtf8(f.name));
    const char* columns[] = {"N_d linker Rand [kN]",  "V_d linker Rand [kN]",  "M_d linker Rand [kNm]",
                             "N_d rechter Rand [kN]", "V_d rechter Rand [kN]", "M_d rechter Rand [kNm]"};
    for (int c = 0; c < 6; ++c)
        if (delegates_sni[c])
            delegates_sni[c]->setFieldName(QString::fromUtf8(columns[c]));
    if (auto* kmod = qobject_cast<SpinBoxDelegate*>(tv_lasten->itemDelegateForColumn(8)))
        kmod->setFieldName(QStringLiteral("k_mod"));
}
