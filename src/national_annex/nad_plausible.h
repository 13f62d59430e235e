// The plausible range of every value of a national-annex set that a design check reads, with
// the reason for it. The set loader and the parameter sheets judge a value by this one table.
#pragma once
#include "national_annex/nad_set.h"

#include <cstddef>
#include <limits>
#include <string>

// k_mod: EN 1995-1-1 Table 3.1 ends at 1.10 (instantaneous action, service classes 1 and 2), and a
// k_mod is above 0. The lower bound is the smallest positive double, so that "at least the
// bound" reads "above 0" wherever a range of this table is compared.
constexpr double kNadKmodMax = 1.10;
constexpr double kNadKmodMin = std::numeric_limits<double>::denorm_min();

enum NadBlockKind { NAD_BLOCK_EC5, NAD_BLOCK_EC3_1, NAD_BLOCK_EC9, NAD_BLOCK_OTHER };

struct NadPlausibleRange {
    NadBlockKind block;
    size_t offset;       // of the first double inside the block (sub-block for EC3-1)
    int count;           // consecutive doubles judged alike (the 15 k_mod values)
    const char* field;   // name in the messages, code page 437
    double min, max;
    const char* reason;
};

// The table, `count` rows.
const NadPlausibleRange* nad_plausible_ranges(int* count);
// The row judging `value`, a member of `block` of the given kind; null when no check reads it.
const NadPlausibleRange* nad_plausible_range_of(NadBlockKind kind, const void* block, const double* value);
// The message naming the field (with its place in a table of several), the value and the range.
std::string nad_range_message(const NadPlausibleRange& range, int element, double value);
// A range bound as the messages give it, with a decimal comma: "1,0", "0,3", "0,05"; the bound
// "above 0" as "0 (ausgenommen)".
std::string nad_format_bound(double value);
// The first value of a set outside its range as that message; empty when every value is plausible.
std::string nad_implausible_value(const NadSet& set);

// A plain decimal number: an optional sign, digits with at most one decimal point (a comma
// counts as one where `comma` is set), nothing else; no exponent, no hex, no nan or inf. Blanks
// and tabs may stand around it, CR and LF after it (Read_Plain_Decimal with PLAIN_DECIMAL_LINE).
bool nad_parse_decimal(const char* text, double* out, bool comma);
