// Opening and saving the position from the window: a damaged position file is named when it is
// opened and replaced only with the user's consent; every file a save fails to write is named.
#pragma once
#include <QString>
#include <string>

struct PositionReadReport;

// The absolute form of a file name relative to the working folder, as messages show it.
QString absolute_file_path(const std::string& path);

// The one message about a position file that was not read as it stands; none for a good file
// or a new position.
void report_position_read(const PositionReadReport& report, const std::string& path);

// Saves the position (write_data). A damaged file is replaced only when the user agrees; false
// when the user declined or a file could not be written (named in the "Fehler" box).
bool save_position();

// The "Fehler" box naming a file that could not be written.
void report_failed_save(const std::string& path);
