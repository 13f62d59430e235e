#pragma once
// Modification factor k_mod, deformation factor k_def, characteristic density,
// self-weight and charring rate by material code and grade index.

struct UserMaterial;  // the user-defined material of a connection description

// Load-duration classes 0-8: "ständig", "lang", "mittel", "kurz", "sehr kurz",
// "kurz/sehr kurz", "außergewöhnlich", "Erdbeben", "frei"; service classes 1-3,
// 0 meaning no reduction.

// Writes k_mod and returns 1, or returns 0 (not available) leaving *out as it
// was, except where the table has no service-class-3 value for the product
// (codes 18, 19, -11): 0 is written and 0 returned. A user-defined material
// (code -999 or 14, or grade -999) reads the user record (0.2 without one).
int get_kmod(int code, int grade, int service_class, int duration_class, double* out,
             const UserMaterial* user);

// Writes k_def (0 when none) to *out when out is not null; always returns 1.
int get_kdef(int code, int grade, int service_class, double* out);

// rho_k in kg/m³ and 1, or 0 when not available. The thickness (mm) is read
// for particleboard (7) and fibreboard (8) only.
int get_rho_k(int code, int grade, double thickness_mm, double* out, const UserMaterial* user);

// Self-weight in kN/m³ (kN/m for the I-joists); 0 when none.
double get_self_weight(int code, int grade);

// Notional charring rate in mm/min (DIN EN 1995-1-2, Table 3.1).
double get_charring_rate(int code, int grade);
