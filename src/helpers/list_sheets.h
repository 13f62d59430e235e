// Sheets of the general helpers: an error list shown as a table under "Fehlermeldungen", the
// colours of such table sheets, and a picture filling the screen.
#pragma once
#include <cstdio>

// Ends the error list (see error_list_open), rewinds it and shows its table in a sheet until the
// user closes it. 1 when shown; 0 for a null stream or a list that is not a sound table.
int error_list_show(FILE* stream);
// Once per process: the table sheets' faces become light grey and their frame the buttons' face.
void oli_table_colours_once(void);

// The folder the pictures of show_picture_file are looked for in; empty at start (the working
// folder). Null empties it.
void set_picture_folder(const char* folder);
// Fills the screen below its title row with a pale green and shows the picture "<name>.BMP" of
// the picture folder, or else the plot file "<name>.RPC" (drawn as a placeholder with its name),
// and writes the name in grey at the bottom right. a and b are passed to the plot drawing.
void show_picture_file(const char* name, double a, double b);
