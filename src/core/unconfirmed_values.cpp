#include "core/unconfirmed_values.h"

#include "core/check_opening.h"
#include "core/tavo52_data.h"
#include "materials/material_codes.h"
#include "fasteners/table_status.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_ec5_block.h"
#include "national_annex/nad_unverified.h"

#include <vector>

namespace {

// Materials whose crack factor comes from the set's first k_cr value, by k_cr rule
// (DIN EN 1995-1-1/NA, 6.1.7(2): under the German rule only hardwood reads it).
bool reads_first_kcr(int holzart)
{
    const int mode = cur_ec5_params ? cur_ec5_params->kcr_mode : 0;
    if (mode == 2) return holzart == MAT_HARDWOOD || holzart == MAT_SOLID_MEMBER;
    switch (holzart) {
    case 0: case 1: case -10: case 2: case 3: case 17: return true;
    default: return false;
    }
}

bool any_load(const TAVO52_DATA& d, bool (*test)(int kled))
{
    for (const LoadRow& l : d.lasten)
        if (test(l.kled)) return true;
    return false;
}

struct AnnexValue {
    const char* field;       // as the set's list names it
    const char* screen;      // label in the window
    const char* print;       // label in the printed calculation (list symbol codes)
    bool (*used)(const TAVO52_DATA& d);
};

const AnnexValue kAnnexValues[] = {
    {"ec5.kmod_na1_note_b", "k_mod der Klasse kurz/sehr kurz", u8"k╬\\mod╬r der Klasse kurz/sehr kurz",
     [](const TAVO52_DATA& d) { return any_load(d, [](int kled) { return kled_is_short_very_short(kled) != 0; }); }},
    {"ec5.kcr_solid_glulam", "k_cr", u8"k╬\\cr╬r",
     [](const TAVO52_DATA& d) { return d.schub != 0 && reads_first_kcr(d.holzart); }},
    {"ec3.gamma_m2_accidental", u8"γ_M2 außergewöhnlich", u8"└╬\\M2╬r außergewöhnlich",
     [](const TAVO52_DATA& d) {
         return d.verstaerkt && d.verst_typ == REINFORCEMENT_RODS && any_load(d, [](int kled) { return kled_is_accidental(kled) != 0; });
     }},
};

bool screws_unconfirmed(const TAVO52_DATA& d)
{
    if (!d.verstaerkt || d.verst_typ != REINFORCEMENT_SCREWS) return false;
    const FastenerFamily family = screw_family_of_type(d.typ_schraube);
    return family != FAMILY_COUNT && !fastener_table_confirmed(family);
}

std::string note(const TAVO52_DATA& d, bool for_print)
{
    std::vector<std::string> items;
    if (screws_unconfirmed(d))
        items.push_back(u8"Produktwerte der Vollgewindeschraube (Arbeitswerte, vor Verwendung mit der ETA vergleichen)");
    std::string annex;
    for (const AnnexValue& v : kAnnexValues) {
        if (!v.used(d) || !nad_active_value_unverified(v.field)) continue;
        annex += annex.empty() ? "" : ", ";
        annex += for_print ? v.print : v.screen;
    }
    if (!annex.empty()) {
        // The set whose values the design took; a refused choice is named beside it.
        const char* set = nad_applied_display_name();
        std::string item = std::string("Parametersatz \"") + (set ? set : "") + "\"";
        if (const char* refused = nad_refused_set_name())
            item += std::string(" (statt des verworfenen \"") + refused + "\")";
        items.push_back(item + ": " + annex);
    }
    if (items.empty()) return std::string();
    std::string line = u8"Nicht bestätigte Werte: ";
    for (size_t i = 0; i < items.size(); ++i) line += (i ? "; " : "") + items[i];
    return line;
}

} // namespace

std::string unconfirmed_values_note(const TAVO52_DATA& d) { return note(d, false); }

std::string unconfirmed_values_print_line(const TAVO52_DATA& d) { return note(d, true); }
