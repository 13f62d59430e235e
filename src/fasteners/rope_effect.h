#pragma once
// Partial factors of the failure modes of dowel-type fasteners (DIN EN 1995-1-1 8.2.2, 8.2.3
// and DIN 1052) and the rope-effect share added to the lateral capacity.
#include "fasteners/connection_records.h"

// Failure-mode codes 1..29 of the Johansen equations; 30 marks the bearing of an aluminium plate.
enum { FAILURE_MODE_ALU_BEARING = 30 };

// 1.0 for design values (method 2); gamma_M of connections with a national-annex set; else the
// DIN 1052 factor of the mode (1.3 embedding, 1.2 one hinge, 1.1 two hinges); -1 for unknown codes.
double failure_mode_gamma_m(int code, int method);
// Share of the axial capacity added to f_v (N); stored in result->rope_share unless the rope
// effect does not apply (then 0 is returned and the field left as it was).
double rope_effect_share(ConnectionDescription desc, double f_v, double axial_a, double axial_b,
                         FastenerResult* result);
