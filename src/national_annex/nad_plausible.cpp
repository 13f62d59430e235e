#include "national_annex/nad_plausible.h"

#include "platform/os/c_numeric.h"
#include "platform/screen/prop_sheet.h"

#include <cmath>
#include <cstring>

namespace {

#define EC5(member) NAD_BLOCK_EC5, offsetof(NadEc5Block, member)
#define EC31(member) NAD_BLOCK_EC3_1, offsetof(NadEc31Block, member)
#define EC9(member) NAD_BLOCK_EC9, offsetof(NadEc9Block, member)

// Partial factors of timber: EN 1995-1-1 Tab. 2.3 recommends 1.2 to 1.3, the national annexes
// in use range from 1.15 to 1.35 (some times a control-class factor up to 1.1); below 1.0 the
// design value would exceed the characteristic one.
constexpr double kGammaTimberMin = 1.0, kGammaTimberMax = 1.5;
const char* const kGammaTimberReason =
    "Tab. 2.3 und die nationalen Anh\204nge liegen zwischen 1,15 und 1,5; unter 1,0 l\204ge der Bemessungswert "
    "\201ber dem charakteristischen";

const NadPlausibleRange kRanges[] = {
    {EC5(gamma_m_solid), 1, "gamma_M Vollholz", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_glulam), 1, "gamma_M Brettschichtholz", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_clt), 1, "gamma_M Brettsperrholz", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_lvl_plywood_osb), 1, "gamma_M LVL, Sperrholz, OSB", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_particleboard), 1, "gamma_M Spanplatten", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_hard_fibreboard), 1, "gamma_M Harte Faserplatten", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_medium_fibreboard), 1, "gamma_M Mittelharte Faserplatten", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_mdf), 1, "gamma_M MDF-Faserplatten", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_soft_fibreboard), 1, "gamma_M Weiche Faserplatten", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_connections), 1, "gamma_M Verbindungen", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_punched_metal_plates), 1, "gamma_M Nagelplatten", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_steel_in_connections), 1, "gamma_M Stahl in Verbindungen", kGammaTimberMin, kGammaTimberMax,
     kGammaTimberReason},
    {EC5(gamma_m_plasterboard), 1, "gamma_M Gipskarton", kGammaTimberMin, kGammaTimberMax, kGammaTimberReason},
    {EC5(gamma_m_accidental), 1, "gamma_M au\341ergew\224hnlich", 1.0, 1.3,
     "EN 1995-1-1 2.4.1 empfiehlt 1,0; unter 1,0 l\204ge der Bemessungswert \201ber dem charakteristischen"},
    {EC5(gamma_m_fire), 1, "gamma_M,fi Brandfall", 1.0, 1.3,
     "EN 1995-1-2 2.3 empfiehlt 1,0; unter 1,0 l\204ge der Bemessungswert \201ber dem charakteristischen"},
    {EC5(kmod), 15, "k_mod", kNadKmodMin, kNadKmodMax,
     "EN 1995-1-1 Tab. 3.1 reicht bis 1,10 (sehr kurz, NKL 1 und 2); mehr hebt den Bemessungswert \201ber jede "
     "Tabelle"},
    {EC5(kcr_solid_glulam), 1, "k_cr Voll- und Brettschichtholz", 0.3, 1.0,
     "Risse mindern die wirksame Breite nur (h\224chstens 1,0); empfohlen 0,67, NA-DE 2,0/f_v,k ab etwa 0,5"},
    {EC5(kcr_other), 1, "k_cr andere", 0.3, 1.0,
     "Risse mindern die wirksame Breite nur (h\224chstens 1,0); empfohlen 1,0"},
    {EC5(kshape_factor), 1, "Faktor c von k_shape", 0.0, 0.5,
     "EN 1995-1-1 6.1.8: 0,15, NA-DE 0,05; k_shape w\204chst mit c h/b"},
    {EC5(kshape_max), 1, "Grenze von k_shape", 1.0, 2.0, "EN 1995-1-1 6.1.8: 2,0, NA-DE 1,3; k_shape ist mindestens 1"},
    {EC5(ltb_factor), 1, "Faktor nach NCI zu 6.3.3(2)", 1.0, 1.5,
     "ohne NCI 1,0, NA-DE 1,4"},
    {EC31(gamma_m0), 1, "gamma_M0", 1.0, 1.3, "EN 1993-1-1 6.1 empfiehlt 1,0; nationale Anh\204nge bis 1,1"},
    {EC31(gamma_m1), 1, "gamma_M1", 1.0, 1.3, "EN 1993-1-1 6.1 empfiehlt 1,0; NA-DE 1,1"},
    {EC31(gamma_m2), 1, "gamma_M2", 1.1, 1.5, "EN 1993-1-1 6.1 empfiehlt 1,25; nationale Anh\204nge 1,25 bis 1,35"},
    {EC31(gamma_m0_accidental), 1, "gamma_M0 au\341ergew\224hnlich", 1.0, 1.3,
     "au\341ergew\224hnliche Situationen: 1,0"},
    {EC31(gamma_m1_accidental), 1, "gamma_M1 au\341ergew\224hnlich", 1.0, 1.3, "au\341ergew\224hnliche Situationen: 1,0"},
    {EC31(gamma_m2_accidental), 1, "gamma_M2 au\341ergew\224hnlich", 1.0, 1.5,
     "au\341ergew\224hnliche Situationen: 1,0 bis 1,25 (NA-DE 1,15)"},
    {EC9(gamma_m1), 1, "gamma_M1 Aluminium", 1.0, 1.5, "EN 1999-1-1 6.1.3 empfiehlt 1,10"},
    {EC9(gamma_m2), 1, "gamma_M2 Aluminium", 1.0, 1.5, "EN 1999-1-1 6.1.3 empfiehlt 1,25"},
};

#undef EC5
#undef EC31
#undef EC9

// The switches of the EC5 block that a check reads: each has its few meanings, nothing else.
struct SwitchRange {
    int NadEc5Block::*member;
    const char* field;
    int min, max;
};
const SwitchRange kSwitches[] = {
    {&NadEc5Block::kcr_mode, "k_cr-Regel", 1, 2},
    {&NadEc5Block::kmod_na1_note_b, "Schalter k_mod kurz/sehr kurz (Tab. NA.1 b)", 0, 1},
    {&NadEc5Block::use_na816, "Schalter NA.8.1.6", 0, 1},
};

const void* block_of(const NadSet& s, NadBlockKind kind)
{
    switch (kind) {
    case NAD_BLOCK_EC5: return &s.ec5;
    case NAD_BLOCK_EC3_1: return &s.ec3.ec3_1;
    case NAD_BLOCK_EC9: return &s.ec9;
    default: return nullptr;
    }
}

const double* first_of(const void* block, const NadPlausibleRange& r)
{
    return reinterpret_cast<const double*>(static_cast<const char*>(block) + r.offset);
}

} // namespace

std::string nad_format_bound(double v)
{
    if (v > 0 && v < std::numeric_limits<double>::min()) return "0 (ausgenommen)";
    char t[32];
    c_snprintf(t, sizeof t, std::fabs(v * 10 - std::round(v * 10)) < 1e-9 ? "%.1f" : "%.2f", v);
    for (char* p = t; *p; ++p)
        if (*p == '.') *p = ',';
    return t;
}

const NadPlausibleRange* nad_plausible_ranges(int* count)
{
    if (count) *count = int(sizeof kRanges / sizeof kRanges[0]);
    return kRanges;
}

const NadPlausibleRange* nad_plausible_range_of(NadBlockKind kind, const void* block, const double* value)
{
    if (!block || !value) return nullptr;
    for (const NadPlausibleRange& r : kRanges) {
        if (r.block != kind) continue;
        const double* first = first_of(block, r);
        if (value >= first && value < first + r.count) return &r;
    }
    return nullptr;
}

std::string nad_range_message(const NadPlausibleRange& r, int element, double value)
{
    std::string name = r.field;
    if (r.count == 15) {
        // k_mod: the load-duration class and the service class of the value.
        static const char* const kClasses[5] = {"st\204ndig", "lang", "mittel", "kurz", "sehr kurz"};
        const int kled = element / 3, nkl = element % 3;
        if (kled >= 0 && kled < 5) name += std::string(" (KLED ") + kClasses[kled] + ", NKL " + char('1' + nkl) + ")";
    }
    char v[64];
    c_snprintf(v, sizeof v, "%g", value);
    return name + " = " + v + " liegt nicht zwischen " + nad_format_bound(r.min) + " und " + nad_format_bound(r.max) + " (" + r.reason +
           ").";
}

std::string nad_implausible_value(const NadSet& s)
{
    for (const NadPlausibleRange& r : kRanges) {
        const void* block = block_of(s, r.block);
        if (!block) continue;
        const double* first = first_of(block, r);
        for (int i = 0; i < r.count; ++i)
            if (!(first[i] >= r.min && first[i] <= r.max)) return nad_range_message(r, i, first[i]);
    }
    for (const SwitchRange& r : kSwitches) {
        const int v = s.ec5.*r.member;
        if (v < r.min || v > r.max)
            return std::string(r.field) + " = " + std::to_string(v) + " ist weder " + std::to_string(r.min) + " noch " +
                   std::to_string(r.max) + ".";
    }
    return std::string();
}

bool nad_parse_decimal(const char* text, double* out, bool comma)
{
    return Read_Plain_Decimal(text, out, PLAIN_DECIMAL_LINE | (comma ? PLAIN_DECIMAL_COMMA : 0)) != 0;
}
