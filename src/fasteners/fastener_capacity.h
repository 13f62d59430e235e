#pragma once
// Capacity of one fastener from its connection description: densities, k_mod, usable point-side
// length, required thicknesses and the axial capacity (no spacings, groups or lateral capacity).
#include "fasteners/connection_records.h"

// Clears *result and both message lists first; returns 0. Failures are reported in the result.
int fastener_capacity_from_record(ConnectionDescription description, FastenerResult* result);
