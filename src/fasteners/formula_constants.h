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

// Angles: the degree as the fastener tables were made (pi taken as 3.14159265359), and pi itself.
const double kRoundedPi = 3.14159265359;
const double kDegree = 0.017453292519944444;   // kRoundedPi / 180
const double kPi = 3.14159265358979323846;

// A metal plate counts as thick from the pin diameter and as thin up to half of it
// (DIN EN 1995-1-1, 8.2.3(1)); the comparisons allow this much (mm).
const double kPlateThicknessTolerance = 0.0005;

// Ring, shear-plate and toothed-plate connectors: a member is never asked for less than this
// thickness (mm), whatever its embedment depth gives.
const double kConnectorMinThickness = 24.0;

// Axial capacity (DIN EN 1995-1-1, 8.3.2, 8.5.2 and 8.7.2 with the national annex):
const double kWithdrawalDensityCap = 500.0;    // rho_k counted at most in the withdrawal parameter (kg/m3)
const double kWithdrawalAngleFactor = 1.2;     // 1.2 cos^2 + sin^2 of the screw axis angle
const double kWasherBearingFactor = 3.0;       // a washer bears 3 f_c,90,k on its contact area
const double kPlateWasherThicknessFactor = 12.0;   // a steel plate as washer counts up to 12 t ...
const double kPlateWasherDiameterFactor = 4.0;     // ... and 4 d in diameter
const double kBoltTensionFactor = 0.8;         // tension of a bolt shank: 0.8 f_u on its full section
const double kDinHeadDiameterCap = 35.0;       // head diameter counted at most without an annex set (mm)
const double kScrewMemberThicknessFactor = 1.2;    // a member a screw passes is at least 1.2 d thick
