// Layout commands of the environment's output-list layout library, standing in on this machine.
// Each command becomes one line "#OLI <word> ..." in the list's stream (the viewer reads them)
// and one entry in the call log, so writer tests assert the order of calls.
#pragma once
#include <cstdio>

void OLI_setFlags(FILE* f, int flags);
void OLI_setLayout(FILE* f, int layout);
void OLI_setMarginsCM(FILE* f, int flags, float left, float right);
void OLI_setYPositionCM(FILE* f, int mode, float cm);
void OLI_reserveSpaceCM(FILE* f, float cm);
void OLI_setBookmark(FILE* f, int kind, const char* text);
void OLI_storeYPosition(FILE* f, int slot);
void OLI_restoreYPosition(FILE* f, int slot);
void OLI_setConvertionFlags(FILE* f, int flags);
void OLI_pushMargins(FILE* f);
void OLI_popMargins(FILE* f, int flags);
void OLI_resetMaxMargin(FILE* f);

// Printed characters of a coded text: the byte 0xCE with its letter counts nothing, and an
// inline graphic (0xCE "{" up to "}" or the end of the line) counts nothing either.
int MT_String_Length(const char* text);
