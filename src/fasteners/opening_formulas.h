#pragma once
// Design quantities of openings in timber beams and the bond strength of glued-in rods
// (DIN EN 1995-1-1/NA, NCI NA.6.7 and NA.11.2). Every function is pure; -1 (1 for
// durchbruch_kappa_max) marks an input for which the formula is not defined. Callers must
// treat that sentinel as "not verifiable", never as a number that can pass a check.

// Shape codes of an opening.
enum { OPENING_RECTANGULAR = 0, OPENING_CIRCULAR = 1 };

double glued_rod_fk1k(double l_ad);
double durchbruch_lt90(int shape, double h_d, double h);
double durchbruch_hr(int shape, double h_ro, double h_ru, double h_d);
double durchbruch_kt90(double h);
double durchbruch_kappa_max(double a, double h, double h_d);

// The three formulas below run for every load of a position. They live here, each split into the
// part that depends only on the opening (formed once) and the part that depends on the load, so
// that a check's loop forms the first once and fuses the second with its own arithmetic. Both
// parts keep the operations and their order in extended precision.

// Lengths of 0.001 mm or less count as "no length"; the bound itself is too small.
inline bool opening_length_too_small(double x) { return x <= 0.001; }

// F_t,V at one opening: h_d, 4 h and 3 - h_d^2/h^2; undefined when h is too small.
struct OpeningShearTerms {
    bool defined = false;
    long double h_d = 0, four_h = 0, shape = 0;
};

inline OpeningShearTerms durchbruch_FtV_terms(double h_d, double h)
{
    OpeningShearTerms t;
    t.defined = !opening_length_too_small(h);
    const long double hd = h_d, hh = h;
    t.h_d = hd;
    t.four_h = 4.0L * hh;
    t.shape = 3.0L - hd * hd / (hh * hh);
    return t;
}

// NA.6.7 (NA.89): tension force from shear, F_t,V = V h_d/(4h) (3 - h_d^2/h^2)
inline double durchbruch_FtV(const OpeningShearTerms& t, double V)
{
    if (!t.defined) return -1.0;
    return static_cast<double>(static_cast<long double>(V) * t.h_d / t.four_h * t.shape);
}

inline double durchbruch_FtV(double V, double h_d, double h)
{
    return durchbruch_FtV(durchbruch_FtV_terms(h_d, h), V);
}

// NA.6.7 (NA.90): tension force from bending, F_t,M = 0.008 M / h_r
inline double durchbruch_FtM(double M, double h_r)
{
    if (opening_length_too_small(h_r)) return -1.0;
    return static_cast<double>(0.008L * static_cast<long double>(M) / static_cast<long double>(h_r));
}

// The resistance at one opening: 0.5 l_t,90 b k_t,90; undefined when one of them is too small.
struct OpeningResistanceTerms {
    bool defined = false;
    long double base = 0;
};

inline OpeningResistanceTerms durchbruch_Ft90_resist_terms(double l_t90, double b, double k_t90)
{
    OpeningResistanceTerms t;
    t.defined = !opening_length_too_small(l_t90) && !opening_length_too_small(b) && !opening_length_too_small(k_t90);
    t.base = 0.5L * l_t90 * static_cast<long double>(b) * k_t90;
    return t;
}

// NA.6.7 (NA.88): resistance 0.5 l_t,90 b k_t,90 f_t,90,d
inline double durchbruch_Ft90_resist(const OpeningResistanceTerms& t, double f_t90d)
{
    if (!t.defined || opening_length_too_small(f_t90d)) return -1.0;
    return static_cast<double>(t.base * f_t90d);
}

inline double durchbruch_Ft90_resist(double l_t90, double b, double k_t90, double f_t90d)
{
    return durchbruch_Ft90_resist(durchbruch_Ft90_resist_terms(l_t90, b, k_t90), f_t90d);
}
