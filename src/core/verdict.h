// The one verdict rule of a utilisation, shared by the printed calculation and the results panel.
#pragma once
#include <string>

// A check passes when its utilisation, as printed with VERDICT_DECIMALS decimals, is at most
// VERDICT_ETA_LIMIT: a small excess over 1 is tolerated.
constexpr double VERDICT_ETA_LIMIT = 1.009;
constexpr int VERDICT_DECIMALS = 3;

// The utilisation as the printed calculation shows it ("1.009"), with a decimal point whatever the
// locale; "" for a value that is no finite number.
std::string verdict_printed(double eta);

// True when the printed value is at most VERDICT_ETA_LIMIT; false for NaN and infinity, so a value
// that could not be computed never passes.
bool verdict_passes(double eta);

// True when the value passes only by the tolerance: printed above 1, at most VERDICT_ETA_LIMIT.
bool verdict_within_tolerance(double eta);

// The relation between the printed value and the limit, in UTF-8: "≤ 1", "≤ 1.009 (...)" for a value
// within the tolerance, "> 1" for one that fails; "" for a value that is no finite number.
std::string verdict_relation(double eta);

class TAVO52_DATA;
struct OpeningCheckRow;

// A detailing rule of the reinforcement that the last calculation found not met. The checks then
// set the opening's utilisation to 2.0 (rods) or every edge's to 2.0 (screws): a mark, no
// utilisation, so the panel and the print name the rule with its values instead.
enum class DetailingRule {
    None,
    RodAnchorage,    // glued-in rods: l_ad >= max{0.5 d_r^2; 10 d_r}
    ScrewEmbedment,  // fully threaded screws: embedded at least 4 d on both sides of the crack line
};

struct DetailingBreach {
    DetailingRule rule = DetailingRule::None;
    double have = 0.0;   // mm: the governing anchorage or embedded length
    double need = 0.0;   // mm: its minimum
    explicit operator bool() const { return rule != DetailingRule::None; }
};

DetailingBreach detailing_breach(const TAVO52_DATA& d);

// A result the checks could not verify is no utilisation, whatever number stands for it: +inf
// (undefined forces, a resistance or factor that is not positive) or the 2.0 of screw edges
// without capacity. Such a result is shown as "nicht nachweisbar" with its cause; it fails.
// A detailing rule not met is named by detailing_breach() instead.

// True when the row's utilisation is the checks' mark, not a number to show.
bool opening_row_not_verifiable(const TAVO52_DATA& d, const OpeningCheckRow& row);

// Why the check of the given kind (RESULT_KIND_*) could not be verified, in UTF-8 for the panel
// and the print alike; "" when its result is a utilisation (or a detailing rule names it).
std::string not_verifiable_cause(const TAVO52_DATA& d, int kind);
