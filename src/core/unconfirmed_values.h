// The values a position's design uses whose source has not been confirmed: product values of
// the fully threaded screws and the national-annex values the shipped set marks as not
// verified. The status lives with the data (the screw files' "# status:" line, the set's
// ".unverified" list); this module only knows which of them the opening design reads.
#pragma once
#include <string>

class TAVO52_DATA;

// One German line for the window (UTF-8), empty when the design uses no unconfirmed value.
std::string unconfirmed_values_note(const TAVO52_DATA& d);
// The same line for the printed calculation: a UTF-8 format with the list's symbol codes.
std::string unconfirmed_values_print_line(const TAVO52_DATA& d);
