// Opening and saving the position from the window: a damaged position file is named when it is
// opened and replaced only with the user's consent; every file a save fails to write is named.
#pragma once
#include <QString>
#include <string>
#include <utility>
#include <vector>

struct PositionReadReport;

// The absolute form of a file name relative to the working folder, as messages show it.
QString absolute_file_path(const std::string& path);

// The one message about a position file that was not read as it stands; none for a good file
// or a new position.
void report_position_read(const PositionReadReport& report, const std::string& path);

// Saves the position (write_data). A damaged file is replaced only when the user agrees; false
// when the user declined or a file could not be written (named in the "Fehler" box).
bool save_position();

// The system's reason for the last failed save, as a line the failure messages end with.
QString save_failure_reason_text();

// The "Fehler" box naming a file that could not be written, and why.
void report_failed_save(const std::string& path);

// Two programs on one position: the answer to a save over files another program changed or
// deleted since they were read.
enum class ChangedFileAnswer {
    Overwrite,    // save over the other program's version
    SaveBeside,   // keep the other version and save this one beside it; a deleted file is saved anew
    Cancel,       // save nothing
};
// Names the changed files with the copies that would be saved beside them, and the deleted ones,
// and asks. Scripted answers: QMessageBox::Yes overwrites, QMessageBox::Save saves beside (and a
// deleted file anew); anything else, and no answer without a display, cancels.
ChangedFileAnswer ask_about_changed_files(const std::vector<std::string>& changed, const std::vector<std::string>& beside,
                                          const std::vector<std::string>& deleted = {});

// The files among paths that another program changed (first) and deleted (second) since this one
// read or saved them.
std::pair<std::vector<std::string>, std::vector<std::string>> files_changed_elsewhere(const std::vector<std::string>& paths);

// From now on a file from outside that a reader refuses (no regular file, too large) is named in
// a "Datei" box.
void show_file_refusals_in_message_boxes();
