#pragma once
// Constants that several fastener formulas share, named for where they come from.

// An aluminium plate stands for a steel plate of the same bending stiffness: E 70000 against
// 210000 N/mm2, a third, so with E t^3 its thickness counts over the cube root of 3.
const double kAluPlateFactor = 1.4422495703074083;     // 3^(1/3)
const double kAluThinPlateLimit = 2.8844991406148166;  // the 2 mm limit of a steel plate: 2 * 3^(1/3)

// Head pull-through of nails and screws with a board member on the head side (DIN EN 1995-1-1
// with its national annex, axial capacity):
const double kBoardDensityCap = 380.0;         // rho_k of a board member on the head side, at most (kg/m3)
const double kThinBoardHeadCapacity = 400.0;   // F_head of a nail or screw head in a board thinner than 12 mm (N)
const double kMediumBoardHeadParameter = 8.0;  // f_head,k of a head in a board 12 to 20 mm thick (N/mm2)
const double kHeadDiameterCap = 32.0;          // head or washer diameter counted at most (mm)

// Required thickness of timber members of equal embedding strength (beta = 1) per
// sqrt(M_y / (f_h d)): a side member 1.15 (2 sqrt(beta / (1 + beta)) + 2) = 1.15 (sqrt 2 + 2),
// a middle member 1.15 * 4 / sqrt(1 + beta) = 1.15 * 2 sqrt 2.
const double kSideMemberThicknessFactor = 3.926345596729059;
const double kMiddleMemberThicknessFactor = 3.2526911934581184;
