#pragma once
// Characteristic capacity (N) of one ring, shear-plate or toothed-plate connector per shear
// plane (DIN EN 1995-1-1 8.9, 8.10). Lengths mm, rho_k kg/m3, angles degrees. When result is
// not null the factors and the required member thicknesses are written into it.
// end_distance is the loaded end distance a3,t that sets k2 of the ring and toothed-plate
// connectors (8.63, 8.72); 0 means not given, and k2 is then that of the minimum end distance.
#include "fasteners/connection_records.h"

double ring_connector_capacity(double dc, double he, double alpha, double t1, double t2, double rho_k,
                               FastenerResult* result, double end_distance = 0.0);
double shear_plate_connector_capacity(double dc, double he, double alpha, double t1, double t2, double rho_k,
                                      FastenerResult* result);
double toothed_plate_connector_capacity(int type, double dc, double d, double he, double t1, double t2, double rho_k,
                                        FastenerResult* result, double end_distance = 0.0);
double toothed_plate_connector_capacity_steel(int type, double dc, double d, double he, double t2, double rho_k,
                                              FastenerResult* result, double end_distance = 0.0);
