// A sheet that shows one Eurocode part of the current set on its parameter page and, for a
// user set, saves the edited values into the set's file.
#pragma once

// eurocode: 0, 2, 3, 5, 6 or 9. The built-in sets are shown read-only. Returns 1 when OK saved
// the values of a user set, 0 when the sheet was cancelled or the set is built in (cancel puts
// the values back as they were), -1 when the set file could not be written.
int nad_parameter_sheet(int eurocode);
