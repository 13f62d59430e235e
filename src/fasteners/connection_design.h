#pragma once
// Design of one connection of two members joined by one kind of dowel-type fastener or
// connector (DIN EN 1995-1-1/NA with an EC5 block current, DIN 1052 otherwise).
#include "fasteners/connection_records.h"

// Fills *result (densities, spacings, K_ser, k_mod, lateral, connector and axial capacities,
// rope-effect share) and returns 0, or the message code of the first rule that failed
// (connection_message_text). A failed input check leaves *result untouched.
int connection_design_main(ConnectionDescription description, FastenerResult* result);
