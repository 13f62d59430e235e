// The selection sheet "Nationale Anwendungsdokumente" (the sets with their flags, a pick, the
// annex editor) and the warning sheet "Warnung" for a set that has vanished, on the screen
// dialogs of the sheets library.
#pragma once

// Shows the selection sheet, then activates the active name; returns nad_activate's result.
int nad_selection_sheet();
int nad_open_selection_sheet();
// Fills the list view area with one row per set (a pending click first makes its set active).
void nad_list_draw(int area);
// Drawing callback of a row's graphics item: the flag whose index data carries, at (x1, y1).
void nad_draw_flag_cell(int x1, int y1, int x2, int y2, void* data);
void nad_draw_active_flag(int x, int y);
void nad_show_active_flag(int x, int y);
// Shows "Warnung" for the unknown name and the set now active. 1 when the user asked for
// another set ("Anwendungsdokument auswählen"), 0 when the sheet was closed with OK.
int nad_warning_sheet(const char* unknown_name, const char* active_name);
// Where the warning sheet for the two names puts itself: its half height around the centre and
// the top of its select button in the pane (the text is wrapped at the current fonts).
void nad_warning_geometry(const char* unknown_name, const char* active_name, int* half_height, int* button_y);
// A set name shortened with "..." until it is at most max_pixels wide in font 4096 (copied
// into out of size bytes).
void nad_fit_name(const char* name, int max_pixels, char* out, int size);

// The sheets' file names: the flag sprite below the DATA folder and the button strips.
extern const char* const kNadFlagSprite;    // "NAD/EuroFlags.bmp" below DATA
extern const char* const kNadButtonStrips;  // "NAD\Buttons.bmp"
// Where the annex editor is started from, for tests: the EXEC folder's "Orvik".
int nad_start_annex_editor();
