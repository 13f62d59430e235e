#include "gui/gui_services.h"
#include "materials/material_codes.h"
#include "fasteners/fastener_tables.h"
#include "fasteners/minimum_spacings.h"
#include "materials/timber_factors.h"
#include "materials/timber_strengths.h"
#include "platform/env/qt_message_box.h"
#include "platform/env/vyk_env.h"
#include <QFileInfo>
#include <QWidget>
#include <QStringList>
#include <set>
#include <string>

bool window_kmod(int holzart, int grade, int nkl, int kled, double* kmod)
{
    return get_kmod(holzart, grade, nkl, kled, kmod, nullptr) != 0;
}

bool window_rho_k(int holzart, int grade, double h, double* rho_k)
{
    return get_rho_k(holzart, grade, h, rho_k, nullptr) != 0;
}

bool window_plate_ft0k(int material, int grade, double a_r, double t_r, double* ft0k)
{
    // Plywood is loaded in its plane (kind 2), solid and glued-laminated timber along the grain (6).
    const int loading = material == MAT_PLYWOOD ? 2 : 6;
    double f_t = -1.0;
    if (!get_strengths(material, grade, 1, loading, a_r, t_r, nullptr, &f_t, nullptr, nullptr, nullptr, nullptr))
        return false;
    if (f_t < 0.0)
        return false;
    *ft0k = f_t;
    return true;
}

namespace {

const FastenerTable* screw_table(int product)
{
    switch (product) {
    case 13: return &fastener_table_spax_s_vg;
    case 14: return &fastener_table_assy_plus_vg_z;
    case 15: return &fastener_table_assy_plus_vg_s;
    default: return nullptr;
    }
}

} // namespace

std::vector<ScrewRow> window_screw_rows(int product)
{
    std::vector<ScrewRow> out;
    const FastenerTable* t = screw_table(product);
    if (!t)
        return out;
    const int rows = t->row_count < 0 ? 0 : (t->row_count > FASTENER_TABLE_ROWS ? FASTENER_TABLE_ROWS : t->row_count);
    for (int i = 0; i < rows; ++i) {
        const FastenerRow& r = t->rows[i];
        ScrewRow row;
        row.d = r.d;
        const int n = r.n_l < 0 ? 0 : (r.n_l > FASTENER_TABLE_LENGTHS ? FASTENER_TABLE_LENGTHS : r.n_l);
        row.lengths.assign(r.lengths, r.lengths + n);
        out.push_back(row);
    }
    return out;
}

void window_load_screw_tables()
{
    const struct {
        int (*load)();
        FastenerFamily family;
    } tables[] = {{read_ec5_assy_plus_vg_z, FAMILY_ASSY_PLUS_VG_Z},
                  {read_ec5_assy_plus_vg_s, FAMILY_ASSY_PLUS_VG_S},
                  {read_ec5_spax_s_vg, FAMILY_SPAX_S_VG}};
    const char* folder = CurOb_Privat_Datapath();
    QStringList failed;
    for (const auto& t : tables)
        if (!t.load()) {
            const std::string why = fastener_family_fault(t.family);
            failed << QFileInfo(QString::fromLocal8Bit(folder ? folder : "") + QLatin1Char('/') +
                                QString::fromLatin1(fastener_family_file(t.family)))
                              .absoluteFilePath() +
                          (why.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(why));
        }
    // Named once: a table that stays unreadable is no news on the next window.
    static std::set<std::string> reported;
    const QString text = failed.join(QLatin1Char('\n'));
    if (failed.isEmpty() || !reported.insert(text.toStdString()).second) return;
    qt_message_box(QMessageBox::Warning, QStringLiteral("Schraubentabellen"),
                   QStringLiteral("Folgende Tabellen der Vollgewindeschrauben können nicht gelesen werden:\n%1\n\n"
                                  "Ihre Schrauben stehen zur Verstärkung nicht zur Auswahl.")
                       .arg(text));
}

void window_min_spacings(int type, int predrilled, int holzart, double rho_k, double d, double h, double* a2,
                         double* a3c, double* a4c)
{
    fastener_minimum_spacings(type, predrilled, 1, 0, 0, holzart, rho_k, d, d, 0.0, 0.0, h, h, nullptr, a2, nullptr,
                              a3c, nullptr, a4c);
}

void centre_on_window(QWidget* dialog, const QWidget* window)
{
    if (!dialog || !window) return;
    if (!dialog->isVisible()) {
        dialog->ensurePolished();
        dialog->adjustSize();
    }
    QRect r = dialog->frameGeometry();
    r.moveCenter(window->frameGeometry().center());
    dialog->move(r.topLeft());
}
