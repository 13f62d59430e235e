// The position values fixed once at start: component id, file number, title and file names.
#pragma once
#include <QString>
#include <string>

class MainWindow;

extern std::string component_id;   // at most 15 characters, no path parts
extern int file_id;
extern QString position_title;     // "Position <nr>: <title>", empty without a header file
extern std::string inp_path;       // "<id>_<nn>.inp" position data file
extern std::string oli_path;       // "<id>_<nn>.oli" output list
extern std::string ini_path;       // "<id>_<nn>.ini" window settings
extern std::string nad_path;       // "<id>_<nn>.nad" national-annex choice of the position
extern std::string fonts_path;     // "$DRAM/tavo52_fonts", or "tavo52_fonts" in the working folder
extern MainWindow* main_window;    // set once the window is built

// Forms the names of the position's files from component id and file number ("%s_%02d.<ext>").
std::string position_file_name(const std::string& id, int file_number, const char* ext);

// Reads the position title from a header file: line 2 the number, line 3 the title, whose German
// letters may come as Windows-1252 or DOS bytes. Empty when the file cannot be opened.
QString read_position_title(const std::string& header_path);
