// The position data file (text, version 3) and the position's national-annex choice file.
#pragma once
#include <string>
#include <vector>

class TAVO52_DATA;

// What opening a position data file found. A file that could not be read, or was read with
// values that had to be replaced, is damaged: it is replaced by a save only after the user agreed,
// and a copy of it is kept beside it.
struct PositionReadReport {
    enum Outcome {
        NoFile,           // no file yet: a new position
        Read,             // read; the findings say what had to be replaced
        Unreadable,       // the file exists but cannot be read (permissions, a folder, ...)
        NotPositionData,  // empty, or the first line is no format version
    };
    // One value that was not taken as the file holds it (texts in UTF-8).
    struct Finding {
        std::string field;   // the field's name, or the names of a whole line's fields
        std::string found;   // what the file holds there ("fehlt" past its end)
        std::string taken;   // the value the position uses instead
    };
    Outcome outcome = NoFile;
    std::string reason;          // why an existing file could not be read
    int ended_after_line = 0;    // the file's last line when it ends before its last record
    std::vector<Finding> findings;

    bool damaged() const
    {
        return outcome == Unreadable || outcome == NotPositionData || ended_after_line > 0 || !findings.empty();
    }
};

// The whole position data file of the object, byte for byte (LF line ends, Windows-1252 names).
std::string position_data_text(const TAVO52_DATA& d);

// Applies the bytes of a position data file to the object: each line only when its field count
// is right; a value that is not a finite number keeps the object's value. Returns the format
// version read from line 1; a file whose first line is no version from 1 to 3 applies nothing.
// With a report, every value not taken as it stands is listed there.
int parse_position_data(TAVO52_DATA& d, const std::string& bytes, PositionReadReport* report = nullptr);

// A double in the shortest form that reads back to the same value, with a decimal point in any
// locale; equal to "%g" for values of up to six significant digits.
std::string format_file_double(double v);

// The name of the copy kept of a damaged position file before a save replaces it: "<file>.bak".
// There is one: a later damaged file replaces it.
std::string position_backup_path(const std::string& path);

// Two programs on one position: the position's data and choice files that changed on disk (or were
// deleted) since this program read or saved them; each is checked, the choice file too.
std::vector<std::string> position_files_changed_elsewhere();
// Where a save puts this program's version when the user keeps the other program's: the first
// free of "<file>.neu", "<file>.neu2", ...
std::string conflict_copy_path(const std::string& path);
// The names a save beside the other program's files uses: copies of the data and choice files
// under one free number, except that a deleted file is saved under its own name again.
struct PositionCopies {
    std::string inp, nad;
    int number = 1;
};
PositionCopies position_copies_for(const std::vector<std::string>& deleted);
// Saves the position's data and choice files under the copies' names, never over a file that is
// there: a name another program took meanwhile gives way to the next free one (copies says which).
// 0 saved; 1 when a file (d.save_failed_path) could not be written.
int write_position_copies(TAVO52_DATA& d, PositionCopies& copies);
