#pragma once
// Fire design of a cross-laminated timber panel exposed on one face (DIN EN 1995-1-2):
// effective charring depth d_ef = d_char + 7 k_0 (mm) with the charring phases of a
// protected surface and the doubled rate after the fire reaches a layer that falls
// off, and the residual layup after given charring depths.
//
// side: 0 fire on the upper face, 1 on the lower face, 2 and 3 a face without layers.
// t fire duration, t_f failure time of the protection, t_ch start of charring (min;
// <= 0.01 unprotected); k_2, k_3 rate factors before and after the failure.

#include "materials/clt_layup.h"

double clt_char_depth(const CltLayup* layup, int side, double t, double t_f, double t_ch,
                      double k_2, double k_3);
double clt_char_depth_k(const CltLayup* layup, int side, double t, double t_f, double t_ch,
                        double k_2, double k_3);
// The residual layup after char_top mm off the upper face and char_bottom mm off the
// lower face, evaluated again with its layer values as they stand.
CltLayup* clt_residual_section(CltLayup* result, const CltLayup* layup, int from_y,
                               double char_bottom, double char_top);
