// The status a fastener data file gives its values in a header comment "# status: <text>",
// e.g. "not confirmed" for working values not yet compared with the product's assessment.
#pragma once
#include "fasteners/fastener_tables.h"

#include <string>

// The status text of the family's data file; empty when the file states none or cannot be read.
std::string fastener_table_status(FastenerFamily family);
// 0 when the file says its values are "not confirmed", else 1.
int fastener_table_confirmed(FastenerFamily family);
// The family of a fully threaded screw type (13, 14, 15); FAMILY_COUNT for any other type.
FastenerFamily screw_family_of_type(int type);
