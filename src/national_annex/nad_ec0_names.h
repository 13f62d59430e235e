// Names of the EN 1990 action kinds and combination-factor rows, as the EC0 sheet and report
// show them (code page 850; the footbridge and last railway rows carry output-list codes).
#pragma once

extern const char* const kEc0BuildingActions[7];
extern const char* const kEc0BridgeActions[15];
extern const char* const kEc0BuildingPsiRows[12][2];   // action, category
extern const char* const kEc0RoadPsiRows[14];
extern const char* const kEc0FootPsiRows[7];
extern const char* const kEc0RailPsiRows[26];
// Railway rows 26 to 30, whose names carry code bytes (row 27 is printed wider).
extern const char* const kEc0RailCodedRows[5];
