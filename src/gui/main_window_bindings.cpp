// The table of the window's input fields and the transfer and connections built from it.
#include "gui/main_window_bindings.h"
#include "materials/material_codes.h"
#include "gui/main_window.h"
#include "gui/range_check.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>
#include "core/tavo52_data.h"

std::function<void(const char* member, const char* slot)> bind_trace;

QVariant current_item_data(const QComboBox* box)
{
    return box->currentIndex() >= 0 ? box->currentData(Qt::UserRole) : QVariant(0);
}

namespace {

using D = TAVO52_DATA;

// The slot a trigger connects: the trace first, so that a test sees the order the slots run in.
std::function<void(int)> fire(MainWindow& w, const BindTrigger& t, const char* member)
{
    return [&w, t, member](int value) {
        if (bind_trace)
            bind_trace(member, t.slot);
        t.run(w, value);
    };
}

void connect_trigger(MainWindow& w, QSpinBox* box, const BindTrigger& t, const char* member)
{
    QObject::connect(box, QOverload<int>::of(&QSpinBox::valueChanged), &w, fire(w, t, member));
}

void connect_trigger(MainWindow& w, QDoubleSpinBox* box, const BindTrigger& t, const char* member)
{
    const std::function<void(int)> f = fire(w, t, member);
    QObject::connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), &w, [f](double) { f(0); });
}

void connect_trigger(MainWindow& w, QComboBox* box, const BindTrigger& t, const char* member)
{
    QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), &w, fire(w, t, member));
}

void connect_trigger(MainWindow& w, QAbstractButton* button, const BindTrigger& t, const char* member)
{
    const std::function<void(int)> f = fire(w, t, member);
    switch (t.when) {
    case BindWhen::Changed:
        QObject::connect(button, &QAbstractButton::toggled, &w, [f](bool on) { f(on); });
        break;
    case BindWhen::TurnedOn:
        QObject::connect(button, &QAbstractButton::toggled, &w, [f](bool on) { if (on) f(on); });
        break;
    case BindWhen::Clicked:
        QObject::connect(button, &QAbstractButton::clicked, &w, [f](bool on) { f(on); });
        break;
    }
}

void connect_trigger(MainWindow& w, QGroupBox* box, const BindTrigger& t, const char* member)
{
    const std::function<void(int)> f = fire(w, t, member);
    QObject::connect(box, &QGroupBox::toggled, &w, [f](bool on) { f(on); });
}

void connect_trigger(MainWindow& w, QAction* action, const BindTrigger& t, const char* member)
{
    const std::function<void(int)> f = fire(w, t, member);
    QObject::connect(action, &QAction::toggled, &w, [f](bool on) { f(on); });
}

// A row for one widget, a member of the window's form; the conversion is added by the caller.
template <class Widget, class Form>
FieldBinding one_widget(const char* member, Widget* Form::*widget, std::vector<BindTrigger> triggers)
{
    FieldBinding f;
    f.member = member;
    f.widgets = [widget](const MainWindow& w) { return QList<QObject*>{w.*widget}; };
    f.connect = [widget, member](MainWindow& w, const BindTrigger& t) { connect_trigger(w, w.*widget, t, member); };
    f.triggers = std::move(triggers);
    return f;
}

// How a number field is named: in the report on an opened file, and on screen when a typed value
// is refused.
struct NumberNames {
    const char* in_file;
    const char* on_screen;
};

// A whole-number or decimal field; an integer field shows a decimal member's whole part. A value of
// an opened file is brought into the field's range before it is shown.
template <class Box, class Form, class T>
FieldBinding number(const char* member, Box* Form::*box, T D::*m, NumberNames names,
                    std::vector<BindTrigger> triggers)
{
    FieldBinding f = one_widget(member, box, std::move(triggers));
    f.screen_name = names.on_screen;
    f.range = [box, m, names](const MainWindow& w, D& d, RangeCheck& c) { c.within(names.in_file, d.*m, w.*box); };
    f.to_data = [box, m](MainWindow& w, D& d) { d.*m = (w.*box)->value(); };
    if constexpr (std::is_base_of<QDoubleSpinBox, Box>::value)
        f.to_form = [box, m](MainWindow& w, D& d) { (w.*box)->setValue(d.*m); };
    else
        f.to_form = [box, m](MainWindow& w, D& d) { (w.*box)->setValue(static_cast<int>(d.*m)); };
    return f;
}

// A field of the second tab that shows a member the first tab's field reads.
template <class Form>
FieldBinding shown_copy(const char* member, QSpinBox* Form::*box, double D::*m, const char* on_screen,
                        std::vector<BindTrigger> triggers)
{
    FieldBinding f = number(member, box, m, {member, on_screen}, std::move(triggers));
    f.to_data = nullptr;
    f.range = nullptr;  // the first tab's field checks the member
    return f;
}

// Check box, checkable group box or action: 1 when checked. The position file holds a switch as
// 0 or 1 only; a member shows as checked when it is not 0.
template <class Button, class Form>
FieldBinding check(const char* member, Button* Form::*button, int D::*m, std::vector<BindTrigger> triggers)
{
    FieldBinding f = one_widget(member, button, std::move(triggers));
    f.to_data = [button, m](MainWindow& w, D& d) { d.*m = (w.*button)->isChecked() ? 1 : 0; };
    f.to_form = [button, m](MainWindow& w, D& d) { (w.*button)->setChecked(d.*m != 0); };
    return f;
}

// A group of radio buttons, each with the code it stands for: the first checked one gives the
// code, none leaves the member as it is; the member checks the button of its code.
using Radio = std::pair<QRadioButton* Ui_MainWindow::*, int>;
FieldBinding radios(const char* member, std::vector<Radio> group, int D::*m, std::vector<BindTrigger> triggers)
{
    FieldBinding f;
    f.member = member;
    f.to_data = [group, m](MainWindow& w, D& d) {
        for (const Radio& r : group)
            if ((w.*r.first)->isChecked()) {
                d.*m = r.second;
                return;
            }
    };
    f.to_form = [group, m](MainWindow& w, D& d) {
        for (const Radio& r : group)
            (w.*r.first)->setChecked(d.*m == r.second);
    };
    f.widgets = [group](const MainWindow& w) {
        QList<QObject*> out;
        for (const Radio& r : group)
            out << w.*r.first;
        return out;
    };
    f.connect = [group, member](MainWindow& w, const BindTrigger& t) {
        for (const Radio& r : group)
            connect_trigger(w, w.*r.first, t, member);
    };
    f.triggers = std::move(triggers);
    return f;
}

// The position in a list. `fill` fills the list before the position is shown from the member.
enum class Index {
    Always,        // -1 for no choice is stored as well
    KeptWithout,   // no choice leaves the member as it is
    ClampedToList  // a negative member is taken as 0, one beyond the list shows no choice
};
using FillList = void (MainWindow::*)(int);
template <class Form>
FieldBinding combo_index(const char* member, QComboBox* Form::*box, int D::*m, Index rule, FillList fill,
                         std::vector<BindTrigger> triggers)
{
    FieldBinding f = one_widget(member, box, std::move(triggers));
    f.to_data = [box, m, rule](MainWindow& w, D& d) {
        const int index = (w.*box)->currentIndex();
        if (rule != Index::KeptWithout || index >= 0)
            d.*m = index;
    };
    f.to_form = [box, m, rule, fill](MainWindow& w, D& d) {
        if (fill)
            (w.*fill)(0);
        QComboBox* cb = w.*box;
        if (rule == Index::ClampedToList) {
            if (d.*m < 0)
                d.*m = 0;
            cb->setCurrentIndex(d.*m < cb->count() ? d.*m : -1);
        } else {
            cb->setCurrentIndex(d.*m);
        }
    };
    return f;
}

// The value the current item carries (0 without one); the member chooses the item carrying it.
template <class Form, class T>
FieldBinding combo_value(const char* member, QComboBox* Form::*box, T D::*m, std::vector<BindTrigger> triggers)
{
    FieldBinding f = one_widget(member, box, std::move(triggers));
    f.to_data = [box, m](MainWindow& w, D& d) {
        if constexpr (std::is_same<T, int>::value)
            d.*m = current_item_data(w.*box).toInt();
        else
            d.*m = current_item_data(w.*box).toDouble();
    };
    f.to_form = [box, m](MainWindow& w, D& d) { (w.*box)->setCurrentIndex((w.*box)->findData(d.*m)); };
    return f;
}

// The value of the current item, read only: the item is chosen by another member.
template <class Form>
FieldBinding combo_value_read(const char* member, QComboBox* Form::*box, double D::*m)
{
    FieldBinding f = combo_value(member, box, m, {});
    f.to_form = nullptr;
    return f;
}

BindTrigger make_trigger(BindPhase phase, BindWhen when, const char* slot, void (MainWindow::*fn)())
{
    return {phase, when, slot, [fn](MainWindow& w, int) { (w.*fn)(); }};
}

template <class Arg>
BindTrigger make_trigger(BindPhase phase, BindWhen when, const char* slot, void (MainWindow::*fn)(Arg))
{
    return {phase, when, slot, [fn](MainWindow& w, int value) { (w.*fn)(static_cast<Arg>(value)); }};
}

} // namespace

// ON(phase, when, slot) runs the slot without arguments; ON_VALUE passes the signal's value as Arg.
#define ON(phase, when, fn) \
    make_trigger(BindPhase::phase, BindWhen::when, #fn, static_cast<void (MainWindow::*)()>(&MainWindow::fn))
#define ON_VALUE(phase, when, Arg, fn) \
    make_trigger(BindPhase::phase, BindWhen::when, #fn, QOverload<Arg>::of(&MainWindow::fn))

// In the order data2maske shows them: a list is filled before its position is set, and the
// signals a field sends as it is set go out in this order.
const std::vector<FieldBinding>& MainWindow::field_bindings()
{
    using W = MainWindow;
    const BindTrigger counted = ON(Results, Changed, note_input_change);
    const BindTrigger rules = ON(Rules, Changed, h_check_click);
    const BindTrigger recalc = ON(Rules, Changed, recalculate_if_auto);
    const BindTrigger arrangement = ON(Inputs, Clicked, verstaerkungs_typ_click);
    static const std::vector<FieldBinding> table = {
        check("cal_auto", &W::action_cal_auto, &D::cal_auto, {ON(Inputs, Changed, h_check_click)}),
        radios("typ_durchbruch", {{&W::rb_typ_durchbruch_recht, 0}, {&W::rb_typ_durchbruch_kreis, 1}},
               &D::typ_durchbruch, {counted, ON(Inputs, Clicked, typ_click)}),
        // The service class decides whether an unreinforced opening is admissible.
        radios("nkl", {{&W::rb_Balken_NKL1, 1}, {&W::rb_Balken_NKL2, 2}, {&W::rb_Balken_NKL3, 3}}, &D::nkl,
               {counted, ON(Results, TurnedOn, apply_rules), ON(Inputs, TurnedOn, update_kmod_column),
                ON(Rules, TurnedOn, recalculate_if_auto)}),
        radios("holzart",
               {{&W::rb_holzart_NH, MAT_SOFTWOOD}, {&W::rb_holzart_LH, MAT_HARDWOOD},
                {&W::rb_holzart_BSH_DIN, MAT_GLULAM_DIN}, {&W::rb_holzart_BSH_EC, MAT_GLULAM_EC}},
               &D::holzart,
               // The button switched off and the one switched on both toggle; the list is refilled once.
               {counted, ON(Inputs, TurnedOn, fill_cb_Holzguete_balken), ON(Inputs, TurnedOn, update_kmod_column),
                ON(Inputs, Clicked, b_check_click)}),
        combo_index("holzguete", &W::cb_holzguete, &D::holzguete, Index::KeptWithout,
                    QOverload<int>::of(&W::fill_cb_Holzguete_balken),
                    {counted, ON(Inputs, Changed, b_check_click), ON(Inputs, Changed, update_kmod_column), recalc}),
        check("mit_kh", &W::cb_kh, &D::mit_kh, {counted, recalc}),
        number("b", &W::ed_Balken_b, &D::b, {"b", "b [mm]"}, {counted, ON(Inputs, Changed, b_check_click), rules}),
        number("h", &W::ed_Balken_h, &D::h, {"h", "h [mm]"}, {counted, rules}),
        number("h_ro", &W::ed_Balken_hro, &D::h_ro, {"h_ro", "h_ro [mm]"}, {counted, rules}),
        number("h_ru", &W::ed_Balken_hru, &D::h_ru, {"h_ru", "h_ru [mm]"}, {counted, rules}),
        number("a", &W::ed_Balken_a, &D::a, {"a", "a [mm]"}, {counted, rules}),
        shown_copy("b", &W::ed_Balken_b_2, &D::b, "b [mm]", {rules}),
        shown_copy("h", &W::ed_Balken_h_2, &D::h, "h [mm]", {rules}),
        shown_copy("h_ro", &W::ed_Balken_hro_2, &D::h_ro, "h_ro [mm]", {rules}),
        shown_copy("h_ru", &W::ed_Balken_hru_2, &D::h_ru, "h_ru [mm]", {rules}),
        shown_copy("a", &W::ed_Balken_a_2, &D::a, "a [mm]", {rules}),
        check("biegung", &W::cb_Biegung, &D::biegung, {counted, ON_VALUE(Inputs, Changed, int, display_nachweise_checkauto)}),
        check("schub", &W::cb_Schub, &D::schub,
              {counted, ON_VALUE(Inputs, Changed, int, display_nachweise_checkauto),
               ON(Inputs, Changed, set_schub_kappa_kreis)}),
        check("schub_kappa_kreis", &W::cb_Schub_kappa_kreis, &D::schub_kappa_kreis, {counted, recalc}),
        // The loads table: its rows are connected with the table's model, not here.
        [] {
            FieldBinding f;
            f.member = "lasten";
            f.to_data = [](MainWindow& w, D& d) { w.loads_to_data(d); };
            f.to_form = [](MainWindow& w, D& d) { w.loads_to_form(d); };
            f.widgets = [](const MainWindow& w) { return QList<QObject*>{w.tv_lasten}; };
            f.connect = [](MainWindow&, const BindTrigger&) {};
            return f;
        }(),
        check("verstaerkt", &W::gb_Verstaerkung, &D::verstaerkt,
              {counted, ON_VALUE(Inputs, Changed, bool, verstaerkungs_click)}),
        radios("verst_typ",
               {{&W::rb_verst_laschen, REINFORCEMENT_PLATES}, {&W::rb_verst_gewindestangen, REINFORCEMENT_RODS},
                {&W::rb_verst_schrauben, REINFORCEMENT_SCREWS}},
               &D::verst_typ, {counted, arrangement}),
        // The list's index is the plate material's grade list: a new material refills it.
        combo_value("mat_laschen", &W::cob_mat_laschen, &D::mat_laschen,
                    {counted, ON_VALUE(Inputs, Changed, int, fill_cb_Holzguete_laschen)}),
        combo_index("guete_laschen", &W::cob_guete_laschen, &D::guete_laschen, Index::Always,
                    QOverload<int>::of(&W::fill_cb_Holzguete_laschen),
                    {counted, ON_VALUE(Inputs, Changed, int, fill_ftk_laschen)}),
        number("a_r", &W::ed_Verst_ar, &D::a_r, {"a_r", "Rand a_r [mm]"}, {counted, rules}),
        number("h_1", &W::ed_Verst_h1, &D::h_1, {"h_1", "Rand h_1 [mm]"}, {counted, rules}),
        number("t_r", &W::ed_Verst_tr, &D::t_r, {"t_r", "Dicke t_r [mm]"}, {counted, recalc}),
        // After the dimensions of the reinforcement, as the report on an opened file names them.
        number("ftk_laschen", &W::sb_laschen_ftk, &D::ftk_laschen, {"f_t,k Laschen", "f_t,k [N/mm²]"}, {counted, recalc}),
        radios("unten_gs", {{&W::rb_oben_gs, 0}, {&W::rb_unten_gs, 1}}, &D::unten_gs, {counted, arrangement}),
        number("l_e", &W::ed_GS_le, &D::l_e, {"l_e", "l_e [mm]"}, {counted, rules, ON(Rules, Changed, GS_le_scheck)}),
        combo_value("d_r", &W::cob_dr_GS, &D::d_r,
                    {counted, ON(Inputs, Changed, b_check_click), rules, ON(Rules, Changed, GS_le_scheck)}),
        combo_value("fest_gs", &W::cob_fest_GS, &D::fest_gs, {counted, recalc}),
        number("n_gs", &W::ed_Verst_n_GS, &D::n_gs, {"Anzahl Gewindestangen", "Anzahl Gewindestangen je Seite"}, {counted, recalc}),
        radios("unten_sc", {{&W::rb_oben_sc, 0}, {&W::rb_unten_sc, 1}}, &D::unten_sc, {counted, arrangement}),
        number("n_sc", &W::ed_Verst_n_SC, &D::n_sc, {"Anzahl Schrauben", "Anzahl Schrauben je Seite"}, {counted, recalc}),
        check("vorgebohrt", &W::cb_vorgebohrt, &D::vorgebohrt, {counted, arrangement}),
        check("rostfrei", &W::cb_rostfrei, &D::rostfrei, {counted, recalc}),
        check("mit_unterleg", &W::cb_mit_unterleg, &D::mit_unterleg, {counted, recalc}),
        radios("unterleg_art", {{&W::rb_gedreht, WASHER_TURNED}, {&W::rb_gepresst, WASHER_PRESSED}}, &D::unterleg_art, {counted, recalc}),
        // Set after the fields above, so that the diameters are listed for a form that shows them.
        combo_value("typ_schraube", &W::cob_typ_schraube, &D::typ_schraube,
                    {counted, ON_VALUE(Inputs, Changed, int, fill_d_schraube), recalc}),
        combo_index("d_schraube", &W::cob_d_schraube, &D::d_schraube, Index::ClampedToList,
                    QOverload<int>::of(&W::fill_d_schraube),
                    {counted, ON_VALUE(Inputs, Changed, int, fill_l_schraube), ON(Inputs, Changed, h_check_click),
                     ON(Inputs, Changed, b_check_click)}),
        combo_value_read("sc_d", &W::cob_d_schraube, &D::sc_d),
        combo_index("l_schraube", &W::cob_l_schraube, &D::l_schraube, Index::ClampedToList,
                    QOverload<int>::of(&W::fill_l_schraube),
                    {counted, ON(Inputs, Changed, b_check_click), ON(Inputs, Changed, h_check_click)}),
        combo_value_read("sc_l", &W::cob_l_schraube, &D::sc_l),
        check("import_sni", &W::cb_import_sni, &D::import_sni, {}),
        check("import_mat", &W::cb_import_mat, &D::import_mat, {}),
        check("import_geo", &W::cb_import_geo, &D::import_geo, {}),
    };
    return table;
}

#undef ON
#undef ON_VALUE

void MainWindow::connect_fields(BindPhase phase)
{
    for (const FieldBinding& f : field_bindings())
        for (const BindTrigger& t : f.triggers)
            if (t.phase == phase)
                f.connect(*this, t);
}

void MainWindow::maske2data()
{
    for (const FieldBinding& f : field_bindings())
        if (f.to_data)
            f.to_data(*this, data_object);
    update_unconfirmed_hint();
}

void MainWindow::fields_to_data(std::initializer_list<const char*> members)
{
    for (const char* m : members) {
        const auto& table = field_bindings();
        const auto row = std::find_if(table.begin(), table.end(), [m](const FieldBinding& f) {
            return f.to_data && std::strcmp(f.member, m) == 0;
        });
        // A name without a row is a slip of the caller's, not a state of the form.
        if (row == table.end())
            qFatal("fields_to_data: no field reads into \"%s\"", m);
        row->to_data(*this, data_object);
    }
}

void MainWindow::data2maske()
{
    for (const FieldBinding& f : field_bindings())
        if (f.to_form)
            f.to_form(*this, data_object);
}
