#include "materials/board_values.h"
#include "materials/material_codes.h"

#include <cstddef>

namespace {

constexpr double NW = -1.0;         // "not written": the caller's value stays
constexpr double LO = -1e300;
constexpr double HI = 1e300;

struct Band {
    double lo;
    bool lo_incl;
    double hi;
    bool hi_incl;
};

bool in_band(const Band& b, double t)
{
    bool above = b.lo_incl ? t >= b.lo : t > b.lo;
    bool below = b.hi_incl ? t <= b.hi : t < b.hi;
    return above && below;
}

constexpr Band ANY{LO, false, HI, false};
constexpr Band LE(double hi) { return Band{LO, false, hi, true}; }
constexpr Band LT(double hi) { return Band{LO, false, hi, false}; }
constexpr Band GT(double lo) { return Band{lo, false, HI, false}; }
constexpr Band OC(double lo, double hi) { return Band{lo, false, hi, true}; }   // lo < t <= hi
constexpr Band CC(double lo, double hi) { return Band{lo, true, hi, true}; }    // lo <= t <= hi
constexpr Band OO(double lo, double hi) { return Band{lo, false, hi, false}; }  // lo < t < hi

constexpr unsigned bit(int i) { return 1u << i; }
constexpr unsigned M(int a) { return bit(a); }
constexpr unsigned M(int a, int b) { return bit(a) | bit(b); }
constexpr unsigned M(int a, int b, int c) { return bit(a) | bit(b) | bit(c); }
constexpr unsigned M(int a, int b, int c, int d) { return M(a, b, c) | bit(d); }
constexpr unsigned M(int a, int b, int c, int d, int e) { return M(a, b, c, d) | bit(e); }

// Service-class selector of the beech board tables.
enum { SC_ANY = 0, SC_1 = 1, SC_OTHER = 2 };

struct StrengthRow {
    int code;
    int sc;
    unsigned grades;
    unsigned kinds;
    Band band;
    double f_m, f_t, f_c, f_v, f_c90;
};

// Codes 19 and -11 share one table; it is stored under 19.
const StrengthRow kStrength[] = {
    // OSB (4): grades "OSB 2", "OSB 3", "OSB 4"; OSB/2 and OSB/3 as in EN 12369-1
    {4, SC_ANY, M(0, 1, 2), M(0, 8), LE(6), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1), M(0, 8), OC(6, 10), 18, 9.9, 15.9, 1, 10},
    {4, SC_ANY, M(0, 1), M(0, 8), OC(10, 18), 16.4, 9.4, 15.4, 1, 10},
    {4, SC_ANY, M(0, 1), M(0, 8), OC(18, 25), 14.8, 9, 14.8, 1, 10},
    {4, SC_ANY, M(0, 1, 2), M(0, 8), GT(25), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1, 2), M(1, 4, 9), LE(6), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1), M(1, 4, 9), OC(6, 10), 9, 7.2, 12.9, 1, 10},
    {4, SC_ANY, M(0, 1), M(1, 4, 9), OC(10, 18), 8.2, 7, 12.7, 1, 10},
    {4, SC_ANY, M(0, 1), M(1, 4, 9), OC(18, 25), 7.4, 6.8, 12.4, 1, 10},
    {4, SC_ANY, M(0, 1, 2), M(1, 4, 9), GT(25), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1, 2), M(2), LE(6), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1), M(2), OC(6, 10), 9.9, 9.9, 15.9, 6.8, 10},
    {4, SC_ANY, M(0, 1), M(2), OC(10, 18), 9.4, 9.4, 15.4, 6.8, 10},
    {4, SC_ANY, M(0, 1), M(2), OC(18, 25), 9, 9, 14.8, 6.8, 10},
    {4, SC_ANY, M(0, 1, 2), M(2), GT(25), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1, 2), M(3, 5), LE(6), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1), M(3, 5), OC(6, 10), 7.2, 7.2, 12.9, 6.8, 10},
    {4, SC_ANY, M(0, 1), M(3, 5), OC(10, 18), 7, 7, 12.7, 6.8, 10},
    {4, SC_ANY, M(0, 1), M(3, 5), OC(18, 25), 6.8, 6.8, 12.4, 6.8, 10},
    {4, SC_ANY, M(0, 1, 2), M(3, 5), GT(25), NW, NW, NW, NW, 10},
    {4, SC_ANY, M(0, 1, 2), M(6, 7), ANY, NW, NW, NW, NW, 10},
    {4, SC_ANY, M(2), M(0, 8), OC(6, 10), 24.5, 11.9, 18.1, 1.1, 10},
    {4, SC_ANY, M(2), M(0, 8), OC(10, 18), 23, 11.4, 17.6, 1.1, 10},
    {4, SC_ANY, M(2), M(0, 8), OC(18, 25), 21, 10.9, 17, 1.1, 10},
    {4, SC_ANY, M(2), M(1, 4, 9), OC(6, 10), 13, 8.5, 14.3, 1.1, 10},
    {4, SC_ANY, M(2), M(1, 4, 9), OC(10, 18), 12.2, 8.2, 14, 1.1, 10},
    {4, SC_ANY, M(2), M(1, 4, 9), OC(18, 25), 11.4, 8, 13.7, 1.1, 10},
    {4, SC_ANY, M(2), M(2), OC(6, 10), 11.9, 11.9, 18.1, 6.9, 10},
    {4, SC_ANY, M(2), M(2), OC(10, 18), 11.4, 11.4, 17.6, 6.9, 10},
    {4, SC_ANY, M(2), M(2), OC(18, 25), 10.9, 10.9, 17, 6.9, 10},
    {4, SC_ANY, M(2), M(3, 5), OC(6, 10), 8.5, 8.5, 14.3, 6.9, 10},
    {4, SC_ANY, M(2), M(3, 5), OC(10, 18), 8.2, 8.2, 14, 6.9, 10},
    {4, SC_ANY, M(2), M(3, 5), OC(18, 25), 8, 8, 13.7, 6.9, 10},

    // Gypsum plasterboard (5): "GKB", then "GKF", "GKBi"
    {5, SC_ANY, M(0), M(0, 9), CC(12, 13), 6.5, 1.7, 3.5, 0, 3.5},
    {5, SC_ANY, M(0), M(0, 9), OC(14.5, 15.5), 5.4, 1.4, 3.5, 0, 3.5},
    {5, SC_ANY, M(0), M(0, 9), OC(17.5, 18.5), 4.2, 1.1, 3.5, 0, 3.5},
    {5, SC_ANY, M(0), M(1, 4), OC(12, 13), 2, 0.7, 4.2, 0, 3.5},
    {5, SC_ANY, M(0), M(1, 4), OC(14.5, 15.5), 1.8, 0.7, 4.2, 0, 3.5},
    {5, SC_ANY, M(0), M(1, 4), OC(17.5, 18.5), 1.5, 0.7, 4.2, 0, 3.5},
    {5, SC_ANY, M(0), M(2, 8), OC(12, 13), 4, 1.7, 3.5, 1, 0.5},
    {5, SC_ANY, M(0), M(2, 8), OC(14.5, 15.5), 3.8, 1.4, 3.5, 1, 0.5},
    {5, SC_ANY, M(0), M(2, 8), OC(17.5, 18.5), 3.6, 1.1, 3.5, 1, 0.5},
    {5, SC_ANY, M(0), M(3, 5), OC(12, 13), 2, 0.7, 4.2, 1, 0.5},
    {5, SC_ANY, M(0), M(3, 5), OC(14.5, 15.5), 1.7, 0.7, 4.2, 1, 0.5},
    {5, SC_ANY, M(0), M(3, 5), OC(17.5, 18.5), 1.4, 0.7, 4.2, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(0, 9), CC(12, 13), 6.5, 1.7, 5.5, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(0, 9), OC(14.5, 15.5), 5.4, 1.4, 5.5, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(0, 9), OC(17.5, 18.5), 4.2, 1.1, 5.5, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(1, 4), OC(12, 13), 2, 0.7, 4.8, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(1, 4), OC(14.5, 15.5), 1.8, 0.7, 4.8, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(1, 4), OC(17.5, 18.5), 1.5, 0.7, 4.8, 0, 5.5},
    {5, SC_ANY, M(1, 2), M(2, 8), OC(12, 13), 4, 1.7, 5.5, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(2, 8), OC(14.5, 15.5), 3.8, 1.4, 5.5, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(2, 8), OC(17.5, 18.5), 3.6, 1.1, 5.5, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(3, 5), OC(12, 13), 2, 0.7, 4.8, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(3, 5), OC(14.5, 15.5), 1.7, 0.7, 4.8, 1, 0.5},
    {5, SC_ANY, M(1, 2), M(3, 5), OC(17.5, 18.5), 1.4, 0.7, 4.8, 1, 0.5},

    // Plywood (6): "F20/10", "F20/15", "F25/10", "F40/30", "F50/25", "F60/10"
    {6, SC_ANY, M(0), M(0, 8), ANY, 20, 15, 9, 0.9, 4},
    {6, SC_ANY, M(0), M(1, 4, 9), ANY, 10, 7, 10, 0.6, 4},
    {6, SC_ANY, M(0), M(2), ANY, 9, 9, 15, 3.5, 4},
    {6, SC_ANY, M(0), M(3, 5), ANY, 7, 7, 10, 3.5, 4},
    {6, SC_ANY, M(1), M(0, 8), ANY, 20, 13, 8, 1, 4},
    {6, SC_ANY, M(1), M(1, 4, 9), ANY, 15, 7, 13, 0.7, 4},
    {6, SC_ANY, M(1), M(2), ANY, 8, 8, 13, 4, 4},
    {6, SC_ANY, M(1), M(3, 5), ANY, 7, 7, 13, 4, 4},
    {6, SC_ANY, M(2), M(0, 8), ANY, 25, 18, 18, 1.1, 6.5},
    {6, SC_ANY, M(2), M(1, 4, 9), ANY, 10, 9, 9, 0.65, 6.5},
    {6, SC_ANY, M(2), M(2), ANY, 22, 18, 18, 8, 4},
    {6, SC_ANY, M(2), M(3, 5), ANY, 14, 9, 9, 8, 4},
    {6, SC_ANY, M(3), M(0, 8), ANY, 40, 29, 21, 2.2, 9},
    {6, SC_ANY, M(3), M(1, 4, 9), ANY, 30, 31, 22, 2.2, 9},
    {6, SC_ANY, M(3), M(2), ANY, 29, 29, 21, 9.5, 9},
    {6, SC_ANY, M(3), M(3, 5), ANY, 31, 31, 22, 9.5, 9},
    {6, SC_ANY, M(4), M(0, 8), ANY, 50, 36, 36, 2.2, 9},
    {6, SC_ANY, M(4), M(1, 4, 9), ANY, 25, 24, 17, 2.5, 10},
    {6, SC_ANY, M(4), M(2), ANY, 36, 36, 36, 9.5, 9},
    {6, SC_ANY, M(4), M(3, 5), ANY, 24, 24, 17, 11, 4},
    {6, SC_ANY, M(5), M(0, 8), ANY, 60, 36, 36, 2.5, 10},
    {6, SC_ANY, M(5), M(1, 4, 9), ANY, 10, 24, 18, 2.5, 10},
    {6, SC_ANY, M(5), M(2), ANY, 36, 36, 26, 11, 10},
    {6, SC_ANY, M(5), M(3, 5), ANY, 24, 24, 18, 11, 10},

    // Particleboard (7): "Typ P4" .. "Typ P7", EN 12369-1
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(6, 13), 14.2, 8.9, 12, 1.8, 10},
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(13, 20), 12.5, 7.9, 11.1, 1.6, 10},
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(20, 25), 10.8, 6.9, 9.6, 1.4, 10},
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(25, 32), 9.2, 6.1, 9, 1.2, 8},
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(32, 40), 7.5, 5, 7.6, 1.1, 6},
    {7, SC_ANY, M(0), M(0, 1, 4, 9), OC(40, 50), 5.8, 4.4, 6.1, 1, 6},
    {7, SC_ANY, M(0), M(5, 8), OC(6, 13), 8.9, 8.9, 12, 6.6, 12},
    {7, SC_ANY, M(0), M(5, 8), OC(13, 20), 7.9, 7.9, 11.1, 6.1, 11.1},
    {7, SC_ANY, M(0), M(5, 8), OC(20, 25), 6.9, 6.9, 9.6, 5.5, 9.6},
    {7, SC_ANY, M(0), M(5, 8), OC(25, 32), 6.1, 6.1, 9, 4.8, 9},
    {7, SC_ANY, M(0), M(5, 8), OC(32, 40), 5, 5, 7.6, 4.4, 7.6},
    {7, SC_ANY, M(0), M(5, 8), OC(40, 50), 4.4, 4.4, 6.1, 4.2, 6.1},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(6, 13), 15, 9.4, 12.7, 1.9, 10},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(13, 20), 13.3, 8.5, 11.8, 1.7, 10},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(20, 25), 11.7, 7.4, 10.3, 1.5, 10},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(25, 32), 10, 6.6, 9.8, 1.3, 8},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(32, 40), 8.3, 5.6, 8.5, 1.2, 6},
    {7, SC_ANY, M(1), M(0, 1, 4, 9), OC(40, 50), 7.5, 5.6, 7.8, 1, 6},
    {7, SC_ANY, M(1), M(5, 8), OC(6, 13), 9.4, 9.4, 12.7, 7, 12.7},
    {7, SC_ANY, M(1), M(5, 8), OC(13, 20), 8.5, 8.5, 11.8, 6.5, 11.8},
    {7, SC_ANY, M(1), M(5, 8), OC(20, 25), 7.4, 7.4, 10.3, 5.9, 10.3},
    {7, SC_ANY, M(1), M(5, 8), OC(25, 32), 6.6, 6.6, 9.8, 5.2, 9.8},
    {7, SC_ANY, M(1), M(5, 8), OC(32, 40), 5.6, 5.6, 8.5, 4.8, 8.5},
    {7, SC_ANY, M(1), M(5, 8), OC(40, 50), 5.6, 5.6, 7.8, 4.4, 7.8},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(6, 13), 16.5, 10.5, 14.1, 1.9, 10},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(13, 20), 15, 9.5, 13.3, 1.7, 10},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(20, 25), 13.3, 8.5, 12.8, 1.7, 10},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(25, 32), 12.5, 8.3, 12.2, 1.7, 8},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(32, 40), 11.7, 7.8, 11.9, 1.7, 6},
    {7, SC_ANY, M(2), M(0, 1, 4, 9), OC(40, 50), 10, 7.5, 10.4, 1.7, 6},
    {7, SC_ANY, M(2), M(5, 8), OC(6, 13), 10.5, 10.5, 14.1, 7.8, 14.1},
    {7, SC_ANY, M(2), M(5, 8), OC(13, 20), 9.5, 9.5, 13.3, 7.3, 13.3},
    {7, SC_ANY, M(2), M(5, 8), OC(20, 25), 8.5, 8.5, 12.8, 6.8, 12.8},
    {7, SC_ANY, M(2), M(5, 8), OC(25, 32), 8.3, 8.3, 12.2, 6.5, 12.2},
    {7, SC_ANY, M(2), M(5, 8), OC(32, 40), 7.8, 7.8, 11.9, 6, 11.9},
    {7, SC_ANY, M(2), M(5, 8), OC(40, 50), 7.5, 7.5, 10.4, 5.5, 10.4},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(6, 13), 18.3, 11.5, 15.5, 2.4, 10},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(13, 20), 16.7, 10.6, 14.7, 2.2, 10},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(20, 25), 15.4, 9.8, 13.7, 2, 10},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(25, 32), 14.2, 9.4, 13.5, 1.9, 8},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(32, 40), 13.3, 9, 13.2, 1.9, 6},
    {7, SC_ANY, M(3), M(0, 1, 4, 9), OC(40, 50), 12.5, 8, 13, 1.8, 6},
    {7, SC_ANY, M(3), M(5, 8), OC(6, 13), 11.5, 11.5, 15.5, 8.6, 15.5},
    {7, SC_ANY, M(3), M(5, 8), OC(13, 20), 10.6, 10.6, 14.7, 8.1, 14.7},
    {7, SC_ANY, M(3), M(5, 8), OC(20, 25), 9.8, 9.8, 13.7, 7.9, 13.7},
    {7, SC_ANY, M(3), M(5, 8), OC(25, 32), 9.4, 9.4, 13.5, 7.4, 13.5},
    {7, SC_ANY, M(3), M(5, 8), OC(32, 40), 9, 9, 13.2, 7.2, 13.2},
    {7, SC_ANY, M(3), M(5, 8), OC(40, 50), 8, 8, 13, 7, 13},

    // Fibreboard (8): "Hart", "Mittelhart"
    {8, SC_ANY, M(0), M(0, 1, 4, 9), LE(3.5), 32, 23, 24, 2.5, 12},
    {8, SC_ANY, M(0), M(0, 1, 4, 9), OC(3.5, 5.5), 35, 26, 27, 3, 12},
    {8, SC_ANY, M(0), M(0, 1, 4, 9), GT(5.5), 32, 23, 24, 2.5, 12},
    {8, SC_ANY, M(0), M(5, 8), LE(3.5), 23, 23, 24, 16, 12},
    {8, SC_ANY, M(0), M(5, 8), OC(3.5, 5.5), 26, 26, 27, 18, 12},
    {8, SC_ANY, M(0), M(5, 8), GT(5.5), 23, 23, 24, 16, 12},
    {8, SC_ANY, M(1), M(0, 1, 4, 9), LE(10), 17, 9, 9, 0.3, 8},
    {8, SC_ANY, M(1), M(0, 1, 4, 9), GT(10), 15, 8, 8, 3.25, 8},
    {8, SC_ANY, M(1), M(5, 8), LE(10), 9, 9, 9, 5.5, 8},
    {8, SC_ANY, M(1), M(5, 8), GT(10), 8, 8, 8, 4.5, 8},

    // Gypsum fibreboard (9): "10 mm", "12,5 mm", "15 mm", "18 mm", "25 mm"
    {9, SC_ANY, M(0), M(0, 1, 4, 9), ANY, 4.6, 0, 0, 1.9, NW},
    {9, SC_ANY, M(0), M(5, 8), ANY, 4.3, 2.5, 8.5, 3.7, NW},
    {9, SC_ANY, M(1), M(0, 1, 4, 9), ANY, 4.3, 0, 0, 1.8, NW},
    {9, SC_ANY, M(1), M(5, 8), ANY, 4.2, 2.4, 8.5, 3.6, NW},
    {9, SC_ANY, M(2), M(0, 1, 4, 9), ANY, 4, 0, 0, 1.7, NW},
    {9, SC_ANY, M(2), M(5, 8), ANY, 4.1, 2.4, 8.5, 3.5, NW},
    {9, SC_ANY, M(3), M(0, 1, 4, 9), ANY, 3.6, 0, 0, 1.6, NW},
    {9, SC_ANY, M(3), M(5, 8), ANY, 4, 2.3, 8.5, 3.4, NW},
    {9, SC_ANY, M(4), M(0, 1, 4, 9), ANY, 3, 0, 0, 1.4, NW},
    {9, SC_ANY, M(4), M(5, 8), ANY, 3.8, 2.1, 8.5, 3.2, NW},

    // Kerto-S (10): "21-75 mm"
    {10, SC_ANY, M(0), M(0, 2, 5, 8), ANY, 48, 38, 38, 4.4, 6},
    {10, SC_ANY, M(0), M(1, 3), ANY, 48, 0.8, 6, 4.4, 6},
    {10, SC_ANY, M(0), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 6},

    // Kerto-Q (11): "21-24 mm", "27-69 mm"
    {11, SC_ANY, M(0), M(0, 2, 5, 8), ANY, 32, 20, 20, 4.8, 9},
    {11, SC_ANY, M(0), M(1, 3), ANY, 32, 6, 9, 4.8, 9},
    {11, SC_ANY, M(0, 1), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 9},
    {11, SC_ANY, M(1), M(0, 2, 5, 8), ANY, 36, 27, 27, 4.8, 9},
    {11, SC_ANY, M(1), M(1, 3), ANY, 36, 6, 9, 4.8, 9},

    // Beech laminated-veneer board (18): "S 40 mm", "S 60 mm", "Q 40 mm"; service class 1
    {18, SC_1, M(0, 1), M(0, 1, 2, 5, 8), ANY, 80, 60, 69, 8, 14},
    {18, SC_1, M(0, 1), M(3), ANY, 75, 1.5, 14, 8, 14},
    {18, SC_1, M(0, 1), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 14},
    {18, SC_1, M(2), M(0, 1, 2, 5, 8), LE(24.1), 70, 46, 68.4, 3.8, 26.4},
    {18, SC_1, M(2), M(0, 1, 2, 5, 8), OO(24.1, 26.9), NW, NW, NW, 3.8, 26.4},
    {18, SC_1, M(2), M(0, 1, 2, 5, 8), CC(26.9, 66.1), 81, 49, 74.4, 3.8, 26.4},
    {18, SC_1, M(2), M(0, 1, 2, 5, 8), GT(66.1), NW, NW, NW, 3.8, 26.4},
    {18, SC_1, M(2), M(3), LE(24.1), 54, 15, 48, 7.8, 26.4},
    {18, SC_1, M(2), M(3), OO(24.1, 26.9), NW, NW, NW, 7.8, 26.4},
    {18, SC_1, M(2), M(3), CC(26.9, 66.1), 59, 8, 26.4, 7.8, 26.4},
    {18, SC_1, M(2), M(3), GT(66.1), NW, NW, NW, 7.8, 26.4},
    {18, SC_1, M(2), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 26.4},
    // ... other service classes
    {18, SC_OTHER, M(0, 1), M(0, 1, 2, 5, 8), ANY, 80, 60, 57.5, 8, 14},
    {18, SC_OTHER, M(0, 1), M(3), ANY, 75, 1.5, 14, 8, 14},
    {18, SC_OTHER, M(0, 1), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 14},
    {18, SC_OTHER, M(2), M(0, 1, 2, 5, 8), LE(24.1), 70, 46, 57, 3.8, 22},
    {18, SC_OTHER, M(2), M(0, 1, 2, 5, 8), OO(24.1, 26.9), NW, NW, NW, 3.8, 22},
    {18, SC_OTHER, M(2), M(0, 1, 2, 5, 8), CC(26.9, 66.1), 81, 49, 62, 3.8, 22},
    {18, SC_OTHER, M(2), M(0, 1, 2, 5, 8), GT(66.1), NW, NW, NW, 3.8, 22},
    {18, SC_OTHER, M(2), M(3), LE(24.1), 54, 15, 40, 7.8, 22},
    {18, SC_OTHER, M(2), M(3), OO(24.1, 26.9), NW, NW, NW, 7.8, 22},
    {18, SC_OTHER, M(2), M(3), CC(26.9, 66.1), 59, 8, 22, 7.8, 22},
    {18, SC_OTHER, M(2), M(3), GT(66.1), NW, NW, NW, 7.8, 22},
    {18, SC_OTHER, M(2), M(4, 6, 7, 9), ANY, NW, NW, NW, NW, 22},

    // Laminated veneer lumber (19 and -11): "R", "X t<=24", "X t>=27"
    {19, SC_ANY, M(0), M(0, 8), ANY, 50, 36, 40, 2.6, 3.6},
    {19, SC_ANY, M(0), M(1), ANY, 0.00001, 0.9, 7.5, 0.00001, 3.6},
    {19, SC_ANY, M(0), M(2, 5, 6), ANY, 44, 36, 40, 4.6, 3.6},
    {19, SC_ANY, M(0), M(3), ANY, 0.000001, 0.9, 7.5, 0.000001, 3.6},
    {19, SC_ANY, M(1), M(0, 8), ANY, 32, 18, 26, 1.1, 4},
    {19, SC_ANY, M(1), M(1), ANY, 7, 7, 9, 1.1, 4},
    {19, SC_ANY, M(1), M(2, 5, 6), ANY, 30, 18, 26, 4.6, 4},
    {19, SC_ANY, M(1), M(3), ANY, 10, 7, 9, 4.6, 4},
    {19, SC_ANY, M(2), M(0, 8), ANY, 36, 18, 30, 1.1, 4},
    {19, SC_ANY, M(2), M(1), ANY, 8, 5, 9, 1.1, 4},
    {19, SC_ANY, M(2), M(2, 5, 6), ANY, 32, 18, 30, 4.6, 4},
    {19, SC_ANY, M(2), M(3), ANY, 8, 5, 9, 4.6, 4},
};

struct StiffnessRow {
    int code;
    unsigned grades;
    unsigned kinds;
    Band band;
    double e_mean, g_mean, e_05;
};

const StiffnessRow kStiffness[] = {
    {4, M(0, 1), M(0), ANY, 4930, 50, 4190.5},
    {4, M(0, 1), M(1), ANY, 1980, 50, 1683},
    {4, M(0, 1), M(2, 5), ANY, 3800, 1080, 3230},
    {4, M(0, 1), M(3), ANY, 3000, 1080, 2550},
    {4, M(2), M(0), ANY, 6780, 60, 5763},
    {4, M(2), M(1), ANY, 2680, 60, 2278},
    {4, M(2), M(2, 5), ANY, 4300, 1090, 3655},
    {4, M(2), M(3), ANY, 3200, 1090, 2720},

    {5, M(0, 1, 2), M(0), ANY, 2800, 700, 2520},
    {5, M(0, 1, 2), M(1), ANY, 2200, 700, 1980},
    {5, M(0, 1, 2), M(2), ANY, 1200, 700, 1080},
    {5, M(0, 1, 2), M(3, 5), ANY, 1000, 700, 900},

    {6, M(0), M(0), ANY, 4000, 35, 3200},
    {6, M(0), M(1), ANY, 2000, 25, 1600},
    {6, M(0, 1), M(2, 5), ANY, 4000, 350, 3200},
    {6, M(0, 1), M(3), ANY, 3000, 350, 2400},
    {6, M(1), M(0), ANY, 3000, 35, 2400},
    {6, M(1), M(1), ANY, 2500, 25, 2000},
    {6, M(2), M(0), ANY, 5500, 25, 4400},
    {6, M(2), M(1), ANY, 1500, 25, 1200},
    {6, M(2), M(2, 5), ANY, 4500, 500, 3600},
    {6, M(2), M(3), ANY, 2500, 500, 2000},
    {6, M(3), M(0), ANY, 6000, 150, 4800},
    {6, M(3), M(1), ANY, 4000, 150, 3200},
    {6, M(3), M(2, 5), ANY, 4400, 600, 3520},
    {6, M(3), M(3), ANY, 4700, 600, 3760},
    {6, M(4), M(0), ANY, 7000, 150, 5600},
    {6, M(4), M(1), ANY, 2500, 200, 2000},
    {6, M(4), M(2, 5), ANY, 5500, 600, 4400},
    {6, M(4), M(3), ANY, 3650, 700, 2920},
    {6, M(5), M(0), ANY, 9000, 200, 7200},
    {6, M(5), M(1), ANY, 1000, 200, 800},
    {6, M(5), M(2, 5), ANY, 5500, 700, 4400},
    {6, M(5), M(3), ANY, 3700, 700, 2960},

    {7, M(0), M(4), OC(6, 13), 3200, 200, 2560},
    {7, M(0), M(4), OC(13, 20), 2900, 200, 2320},
    {7, M(0), M(4), OC(20, 25), 2700, 200, 2160},
    {7, M(0), M(4), OC(25, 32), 2400, 100, 1920},
    {7, M(0), M(4), OC(32, 40), 2100, 100, 1680},
    {7, M(0), M(4), OC(40, 50), 1800, 100, 1440},
    {7, M(0), M(5), OC(6, 13), 1800, 860, 1440},
    {7, M(0), M(5), OC(13, 20), 1700, 830, 1360},
    {7, M(0), M(5), OC(20, 25), 1600, 770, 1280},
    {7, M(0), M(5), OC(25, 32), 1400, 680, 1120},
    {7, M(0), M(5), OC(32, 40), 1200, 600, 960},
    {7, M(0), M(5), OC(40, 50), 1100, 550, 880},
    {7, M(1), M(4), OC(6, 13), 3500, 200, 2800},
    {7, M(1), M(4), OC(13, 20), 3300, 200, 2640},
    {7, M(1), M(4), OC(20, 25), 3000, 200, 2400},
    {7, M(1), M(4), OC(25, 32), 2600, 100, 2080},
    {7, M(1), M(4), OC(32, 40), 2400, 100, 1920},
    {7, M(1), M(4), OC(40, 50), 2100, 100, 1680},
    {7, M(1), M(5), OC(6, 13), 2000, 960, 1600},
    {7, M(1), M(5), OC(13, 20), 1900, 930, 1520},
    {7, M(1), M(5), OC(20, 25), 1800, 860, 1440},
    {7, M(1), M(5), OC(25, 32), 1500, 750, 1200},
    {7, M(1), M(5), OC(32, 40), 1400, 690, 1120},
    {7, M(1), M(5), OC(40, 50), 1300, 660, 1040},
    {7, M(2), M(4), OC(6, 13), 4400, 200, 3520},
    {7, M(2), M(4), OC(13, 20), 4100, 200, 3280},
    {7, M(2), M(4), OC(20, 25), 3500, 200, 2800},
    {7, M(2), M(4), OC(25, 32), 3300, 100, 2640},
    {7, M(2), M(4), OC(32, 40), 3100, 100, 2480},
    {7, M(2), M(4), OC(40, 50), 2800, 100, 2240},
    {7, M(2), M(5), OC(6, 13), 2500, 1200, 2000},
    {7, M(2), M(5), OC(13, 20), 2400, 1150, 1920},
    {7, M(2), M(5), OC(20, 25), 2100, 1050, 1680},
    {7, M(2), M(5), OC(25, 32), 1900, 950, 1520},
    {7, M(2), M(5), OC(32, 40), 1800, 900, 1440},
    {7, M(2), M(5), OC(40, 50), 1700, 880, 1360},
    {7, M(3), M(4), OC(6, 13), 4600, 200, 3680},
    {7, M(3), M(4), OC(13, 20), 4200, 200, 3360},
    {7, M(3), M(4), OC(20, 25), 4000, 200, 3200},
    {7, M(3), M(4), OC(25, 32), 3900, 100, 3120},
    {7, M(3), M(4), OC(32, 40), 3500, 100, 2800},
    {7, M(3), M(4), OC(40, 50), 3200, 100, 2560},
    {7, M(3), M(5), OC(6, 13), 2600, 1250, 2080},
    {7, M(3), M(5), OC(13, 20), 2500, 1200, 2000},
    {7, M(3), M(5), OC(20, 25), 2400, 1150, 1920},
    {7, M(3), M(5), OC(25, 32), 2300, 1100, 1840},
    {7, M(3), M(5), OC(32, 40), 2100, 1050, 1680},
    {7, M(3), M(5), OC(40, 50), 2000, 1000, 1600},

    {8, M(0), M(4), LE(3.5), 4600, 200, 3680},
    {8, M(0), M(4), OC(3.5, 5.5), 4800, 200, 3840},
    {8, M(0), M(4), GT(5.5), 4600, 200, 3680},
    {8, M(0), M(5), LE(3.5), 4600, 1900, 3680},
    {8, M(0), M(5), OC(3.5, 5.5), 4800, 2000, 3840},
    {8, M(0), M(5), GT(5.5), 4600, 1900, 3680},
    {8, M(1), M(4), LE(10), 3100, 100, 2480},
    {8, M(1), M(4), GT(10), 2900, 100, 2320},
    {8, M(1), M(5), LE(10), 3100, 1300, 2480},
    {8, M(1), M(5), GT(10), 2900, 1200, 2320},

    {9, M(0, 1, 2, 3, 4), M(4, 5), ANY, 3800, 1600, 0},

    {10, M(0), M(2, 4, 5), ANY, 13800, 500, 11600},
    {10, M(0), M(3), ANY, 300, 500, 11600},

    {11, M(0), M(2, 4, 5), ANY, 10000, 500, 8500},
    {11, M(0), M(3), ANY, 1000, 500, 8500},
    {11, M(1), M(2, 4, 5), ANY, 10500, 500, 8500},
    {11, M(1), M(3), ANY, 2500, 500, 8500},

    {18, M(0, 1), M(2, 5), ANY, 16800, 760, 14900},
    {18, M(0, 1), M(3), ANY, 470, 760, 14900},
    {18, M(0, 1), M(4), ANY, 16800, 850, 14900},
    {18, M(2), M(2, 5), LT(24.1), 11800, 820, 10900},
    {18, M(2), M(2, 5), CC(26.9, 66.1), 12800, 820, 11800},
    {18, M(2), M(3), LT(24.1), 3500, 820, 10900},
    {18, M(2), M(3), CC(26.9, 66.1), 2000, 820, 11800},
    {18, M(2), M(4), LT(24.1), 11800, 430, 10900},
    {18, M(2), M(4), CC(26.9, 66.1), 12800, 430, 11800},

    {19, M(0), M(2, 5), ANY, 14000, 600, 12000},
    {19, M(0), M(3), ANY, 430, 600, 12000},
    {19, M(0), M(4), ANY, 14000, 560, 12000},
    {19, M(1), M(2, 5), ANY, 10000, 600, 9000},
    {19, M(1), M(3), ANY, 3500, 60, 9000},
    {19, M(1), M(4), ANY, 10000, 150, 9000},
    {19, M(2), M(2, 5), ANY, 10600, 600, 9000},
    {19, M(2), M(3), ANY, 3000, 600, 9000},
    {19, M(2), M(4), ANY, 10600, 150, 9000},
};

void put(double* out, double v)
{
    if (out && v != NW)
        *out = v * 1000.0;
}

// The thickness range of the particleboard table (mm): 6 < t <= 50.
constexpr double kParticleboardMinThickness = 6.0, kParticleboardMaxThickness = 50.0;

// Writes a row's strengths (kN/m²); a value the row does not list is not written.
void put_strengths(const StrengthRow& r, double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90)
{
    put(f_m, r.f_m);
    put(f_t, r.f_t);
    put(f_c, r.f_c);
    put(f_v, r.f_v);
    put(f_c90, r.f_c90);
}

bool sc_matches(int sel, int service_class)
{
    if (sel == SC_1)
        return service_class == 1;
    if (sel == SC_OTHER)
        return service_class != 1;
    return true;
}

bool kind_in(unsigned mask, int kind)
{
    return kind >= 0 && kind < 32 && (mask & bit(kind)) != 0;
}

const StrengthRow* find_strength(int code, int grade, int service_class, int kind, double t)
{
    for (const StrengthRow& r : kStrength) {
        if (r.code == code && (r.grades & bit(grade)) && kind_in(r.kinds, kind)
            && sc_matches(r.sc, service_class) && in_band(r.band, t))
            return &r;
    }
    return nullptr;
}

} // namespace

int board_grade_count(int code)
{
    switch (code) {
    case MAT_OSB: return 3;
    case MAT_PLASTERBOARD: return 3;
    case MAT_PLYWOOD: return 6;
    case MAT_PARTICLEBOARD: return 4;
    case MAT_FIBREBOARD: return 2;
    case MAT_GYPSUM_FIBREBOARD: return 5;
    case MAT_KERTO_S: return 1;
    case MAT_KERTO_Q: return 2;
    case MAT_BEECH_BOARD: return 3;
    case MAT_LVL:
    case MAT_GLVL: return 3;
    default: return 0;
    }
}

// EN 12369-1: characteristic strengths of particleboard by thickness band
int board_strength_by_thickness(int grade, int loading_kind, double* f_m, double thickness,
                                double* f_t, double* f_c, double* f_v, double* f_c90)
{
    if (grade < 0 || grade > 3)
        return 0;
    static const unsigned handled = M(0, 1, 4, 9) | M(5, 8);
    if (!kind_in(handled, loading_kind))
        return 1;
    if (!(thickness > kParticleboardMinThickness && thickness <= kParticleboardMaxThickness))
        return 0;
    const StrengthRow* r = find_strength(MAT_PARTICLEBOARD, grade, 1, loading_kind, thickness);
    if (!r)
        return 0;
    put_strengths(*r, f_m, f_t, f_c, f_v, f_c90);
    return 1;
}

int board_strengths(int code, int grade, int service_class, int loading_kind, double thickness,
                    double* f_m, double* f_t, double* f_c, double* f_v, double* f_c90)
{
    int n = board_grade_count(code);
    if (n == 0)
        return -1;
    if (grade < 0 || grade >= n)
        return 0;
    if (code == MAT_PARTICLEBOARD) {
        board_strength_by_thickness(grade, loading_kind, f_m, thickness, f_t, f_c, f_v, f_c90);
        return 1;
    }
    int table = (code == MAT_GLVL) ? MAT_LVL : code;
    const StrengthRow* r = find_strength(table, grade, service_class, loading_kind, thickness);
    if (r)
        put_strengths(*r, f_m, f_t, f_c, f_v, f_c90);
    return 1;
}

int board_moduli(int code, int grade, int kind, double thickness,
                 double* e_mean, double* g_mean, double* e_05)
{
    int n = board_grade_count(code);
    if (n == 0)
        return -1;
    if (grade < 0 || grade >= n)
        return 0;
    int table = (code == MAT_GLVL) ? MAT_LVL : code;
    for (const StiffnessRow& r : kStiffness) {
        if (r.code == table && (r.grades & bit(grade)) && kind_in(r.kinds, kind)
            && in_band(r.band, thickness)) {
            put(e_mean, r.e_mean);
            put(g_mean, r.g_mean);
            put(e_05, r.e_05);
            break;
        }
    }
    return 1;
}

double board_min_thickness(int code)
{
    switch (code) {
    case MAT_OSB: return 6.0;
    case MAT_PLASTERBOARD: return 12.0;
    case MAT_PLYWOOD: return 3.0;
    case MAT_PARTICLEBOARD: return kParticleboardMinThickness;
    case MAT_FIBREBOARD: return 3.5;
    default: return 3.0;
    }
}

double board_max_thickness(int code)
{
    switch (code) {
    case MAT_OSB: return 25.0;
    case MAT_PLASTERBOARD: return 18.5;
    case MAT_PARTICLEBOARD: return kParticleboardMaxThickness;
    default: return 999.0;
    }
}
