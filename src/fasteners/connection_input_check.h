#pragma once
// Checks a connection description against DIN 1052, DIN EN 1995-1-1/NA and the approvals of the
// proprietary screws before it is designed.
#include "fasteners/connection_records.h"

// Message code of the first rule the description breaks (see connection_message_text), or 0.
int connection_input_check(ConnectionDescription description);
// Pre-drilling diameter of a screw of nominal diameter d (within 0.1 mm of a listed size); -1 otherwise.
double predrill_diameter(int material, double d);
// Copy the user-defined ASSY (43) / SPAX (44) screw into the description's main fields.
ConnectionDescription* apply_assy_user_screw(ConnectionDescription* description);
ConnectionDescription* apply_spax_user_screw(ConnectionDescription* description);
