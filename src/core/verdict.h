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
