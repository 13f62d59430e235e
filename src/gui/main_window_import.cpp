#include "gui/main_window_import.h"

#include "core/import_forces.h"
#include "core/tavo52_data.h"
#include "environment/vykexputil.h"
#include "platform/env/qt_message_box.h"
#include "gui/main_window.h"
#include "materials/timber_grade_codes.h"

#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One edge's six values per row (forces along x, y, z, moments about x, y, z) in member axes.
struct EdgeForces {
    double v[6];
};

// Built on the first import and refilled by every later one.
CutTransformList* g_transforms = nullptr;

void take_over_material(MainWindow& w, const BeamCutInfo& info, QString& text)
{
    const int code = info.ints[3];
    switch (timber_material_of_grade(code)) {
    case 1:
    case 5: w.rb_holzart_LH->setChecked(true); break;
    case 2:
    case 6: w.rb_holzart_BSH_DIN->setChecked(true); break;
    case 7: w.rb_holzart_BSH_EC->setChecked(true); break;
    case 8:
    case 9: break;
    default: w.rb_holzart_NH->setChecked(true); break;
    }
    // The wood kind is set first: its buttons refill the grade list before the grade is chosen.
    w.cb_holzguete->setCurrentIndex(grade_index_of_code(code));
    text += QStringLiteral("Materialdaten importiert\n");
}

// A length in cm taken over into a field of whole mm (round(10 cm)). The answer file may carry any
// number: one the field does not take is named in the import's message, as a typed one would be.
// No length (zero or negative) leaves the field as it is.
void take_over_length(double cm, QSpinBox* field, const char* name, QString& text)
{
    if (cm <= 0.0) return;
    const double mm = std::isfinite(cm) ? std::round(10.0 * cm) : cm;
    if (!(mm >= field->minimum() && mm <= field->maximum())) {
        // Both edges carry the section: the same refusal is named once.
        const QString line = QStringLiteral("  %1 = %2 cm nicht übernommen (erlaubt sind %3 bis %4 mm)\n")
                                 .arg(QString::fromLatin1(name), QString::number(cm, 'g', 6),
                                      QString::number(field->minimum()), QString::number(field->maximum()));
        if (!text.contains(line)) text += line;
        return;
    }
    field->setValue(int(mm));
}

void take_over_dimensions(MainWindow& w, const BeamCutInfo& info, QString& text)
{
    // The environment gives cm; the spin boxes hold whole mm. A cut without cross-section data
    // (zero width or height) leaves the beam as it is.
    take_over_length(info.doubles[0], w.ed_Balken_b, "b", text);
    take_over_length(info.doubles[1], w.ed_Balken_h, "h", text);
}

// Runs the importer, builds the transformations, takes over material and dimensions and turns the
// forces of every row. Returns 0 after a failure reported in the info text, else 1.
int import_beam_cut_objects(MainWindow& w, QString& info, std::vector<EdgeForces>& left,
                            std::vector<EdgeForces>& right)
{
    static const char* const names[2] = {"linker Rand", "rechter Rand"};
    const int selectors[2] = {1, 1};
    left.clear();
    right.clear();
    const int rows = import_beam_cut_results(1000, 4159, 0, 1, 2, names);
    if (rows <= 0) return 1;

    VYKExportObject* objects[2] = {imported_force_header(0), imported_force_header(1)};
    if (!objects[0] || !objects[1]) {
        info += QStringLiteral("  Import fehlgeschlagen\n");
        return 0;
    }
    RelativeAxes relation;
    if (!vyk_export_relative_axes(objects[0], objects[1], &relation) ||
        !vyk_export_build_transforms(&relation, objects, selectors, 2, &g_transforms)) {
        info += QStringLiteral("  Fehler bei der Berechnung der Transformationen !!!\n");
        return 0;
    }
    for (int i = 0; i < 2; ++i) {
        VYKExportObject* o = imported_force_header(i);
        if (!o) {
            info += QStringLiteral("  Get_BeamCutObjectInfo(") + QString::number(i) + QStringLiteral(") == NULL\n");
            return 0;
        }
        BeamCutInfo cut;
        vyk_export_get_cut_info(o, &cut);
        if (i == 0 && w.cb_import_mat->isChecked()) take_over_material(w, cut, info);
        if (w.cb_import_geo->isChecked()) {
            take_over_dimensions(w, cut, info);
            if (i == 1) info += QStringLiteral("Querschnittsabmessungen importiert\n");
        }
    }
    left.resize(size_t(rows));
    right.resize(size_t(rows));
    for (int r = 0; r < rows; ++r) {
        float values[12] = {};
        imported_force_values(r, values);
        double v[12];
        for (int k = 0; k < 12; ++k) v[k] = values[k];
        vyk_export_transform_forces(g_transforms, v, v);
        for (int k = 0; k < 6; ++k) {
            left[size_t(r)].v[k] = v[k];
            right[size_t(r)].v[k] = v[6 + k];
        }
    }
    return 1;
}

struct LeftRecord {
    double n, v, m, kmod;
    int marker;
    const char* name;
};

} // namespace

int import_beam_cut_results(int a, int b, int c, int d, int n, const char* const* names)
{
    return Import_BeamCutMultiResults(nullptr, a, b, c, d, n, names);
}

int grade_index_of_code(int code)
{
    if (code == 0) return 0;
    const int m = code % 1000;
    if ((code >= 1000 && code <= 1011) || (code >= 3000 && code <= 3007) || (code >= 4000 && code <= 4011) ||
        (code >= 6000 && code <= 6007) || (code >= 7000 && code <= 7013))
        return m;
    // The hardwood lists begin with D18 and D24, which the codes number 6 and 7.
    if ((code >= 2000 && code <= 2007) || (code >= 5000 && code <= 5007)) return (m + 2) % 8;
    return 5;
}

bool run_force_import(MainWindow& w)
{
    // Material, dimensions and rows change many inputs; the results follow once, at the end.
    MainWindow::CalcBatch batch(w);
    QString info;
    QString error;
    std::vector<EdgeForces> left_forces, right_forces;
    import_beam_cut_objects(w, info, left_forces, right_forces);
    const int rows = int(left_forces.size());

    bool ok = true;
    // Nothing came in: the message names the result file or the folder and why.
    const std::string failed = imported_forces_failure();
    if (!failed.empty()) {
        error += QString::fromStdString(failed) + QStringLiteral("\nEs wurden keine Schnittgrößen importiert.\n");
        ok = false;
    }
    int appended = 0;
    QString refused_loads;
    if (w.cb_import_sni->isChecked() && rows > 0 && imported_forces.set_count > 0) {
        std::vector<LeftRecord> left;
        std::vector<EdgeForces> right;
        int first = 0;
        for (int set = 0; set < imported_forces.set_count && set < 2; ++set) {
            const int count = imported_force_rows_of_set(set);
            for (int r = first; r < first + count && r < rows; ++r) {
                if (set == 0) {
                    const double* v = left_forces[size_t(r)].v;
                    left.push_back({v[0], v[2], v[4], imported_force_kmod(r), imported_force_accidental(r),
                                    imported_force_text2(r)});
                } else {
                    right.push_back(right_forces[size_t(r)]);
                }
            }
            first += count;
        }
        if (left.size() != right.size()) {
            error += QStringLiteral("Fehler! ") + QString::number(left.size()) +
                     QStringLiteral(" Zeilen am linken Rand, ") + QString::number(right.size()) +
                     QStringLiteral(" Zeilen am rechten Rand!\n Import abgebrochen\n");
            ok = false;
        } else {
            QVector<LoadRow> loads;
            loads.reserve(int(left.size()));
            QString refused;
            for (size_t k = 0; k < left.size(); ++k) {
                const LeftRecord& l = left[k];
                const double* r = right[k].v;
                LoadRow load;
                load.name = dos_to_latin1_qstring(l.name);
                load.n_l = l.n;
                load.v_l = l.v;
                load.m_l = l.m;
                load.n_r = r[0];
                load.v_r = r[2];
                load.m_r = r[4];
                // An accidental combination takes class 6 ("außergewöhnlich"), any other class 8 ("frei").
                load.kled = l.marker ? 6 : 8;
                load.kmod = imported_kmod_decimal(l.kmod);
                // Imported numbers pass the checks of typed ones; a load that fails is named, not taken.
                const QString why = imported_load_refusal(int(k) + 1, load);
                if (why.isEmpty())
                    loads.push_back(load);
                else
                    refused += why;
            }
            const MainWindow::LoadsBatch rows_batch(w);
            w.append_loads(loads);
            appended = loads.size();
            refused_loads = refused;
        }
    }
    if (ok) info += QString::number(appended) + QString::fromUtf8(" Schnittgrößenkombinationen importiert\n") + refused_loads;
    // Taken-over dimensions or material may break a rule: the message names it, as the form does.
    const QStringList rules = w.rule_violations();
    if (!rules.isEmpty())
        (error.isEmpty() ? info : error) += QStringLiteral("\nAchtung: die Eingaben verletzen eine Regel; Berechnen, Vorschau und Drucken sind "
                               "gesperrt:\n") +
                rules.join(QLatin1Char('\n')) + QLatin1Char('\n');

    if (!error.isEmpty()) qt_message_box(QMessageBox::Critical, QStringLiteral("Fehler"), error);
    else qt_message_box(refused_loads.isEmpty() && rules.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                        QStringLiteral("Info"), info);
    clear_imported_forces();
    return ok;
}

// The tool-bar action's slot: the whole import, its message box and the cleared table.
void MainWindow::schnittgroessen_import()
{
    run_force_import(*this);
}
