// What the window asks of the material and fastener libraries, in the window's terms.
#pragma once
#include <vector>

// k_mod by wood kind, grade, service class and load-duration class; false when not available.
bool window_kmod(int holzart, int grade, int nkl, int kled, double* kmod);
// Characteristic density of the beam, kg/m³; false when not available.
bool window_rho_k(int holzart, int grade, double h, double* rho_k);
// Characteristic tensile strength f_t,0,k in kN/m² of a plate material and grade; false when unknown.
bool window_plate_ft0k(int material, int grade, double a_r, double t_r, double* ft0k);

// Rows of the fully threaded screw table of a product (type codes 13, 14, 15); empty when not loaded.
struct ScrewRow {
    double d = 0;
    std::vector<double> lengths;
};
std::vector<ScrewRow> window_screw_rows(int product);
// Loads the three fully threaded screw tables; those that cannot be read are named in one message,
// once for the same tables.
void window_load_screw_tables();

// a2, a3,c and a4,c of a fastener across a beam of the given wood kind, by the current rules.
void window_min_spacings(int type, int predrilled, int holzart, double rho_k, double d, double h, double* a2,
                         double* a3c, double* a4c);

class QWidget;
// Places a dialog's frame centred over the window's frame (sized first when not yet shown).
void centre_on_window(QWidget* dialog, const QWidget* window);
