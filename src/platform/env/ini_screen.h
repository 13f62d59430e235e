// INI files of the user read and written through QSettings, screened first.
// QSettings turns every "@Variant(...)" and "@DateTime(...)" value of a section into an object
// through QDataStream as soon as any key of the section is read, and Qt 5's stream readers of
// lists, vectors and maps reserve a count taken from the bytes unchecked: one damaged value
// would end the program. The screen leaves out every line whose value is a serialised object
// other than a colour or a font in their fixed, well-formed stream forms.
#pragma once
#include <QByteArray>
#include <functional>

class QSettings;
class QString;

// The file's bytes without the lines QSettings must not see (a list value counts as unsafe when
// any of its items is); *left_out, when given, receives how many lines were left out.
QByteArray screened_ini(const QByteArray& data, int* left_out = nullptr);

// Calls read() with QSettings (INI format) over a screened copy of the file; a missing file
// reads as an empty one. False, and read() not called, when the file is refused or no copy can be
// made: the file is then named through the refusal reporter and counts as unread.
bool read_settings_file(const QString& path, const std::function<void(QSettings&)>& read);

// True when the file exists and its last read in this run failed, so that a save would replace
// values the program never saw; a successful read or save ends it.
bool settings_file_unread(const QString& path);

// How a settings save treats the file there is.
enum class SettingsWrite {
    Update,    // keeps the keys the edit does not set
    Replace,   // starts empty, whatever the file holds (one the user agreed to replace)
    Create,    // starts empty and saves only where no file is
};
// Calls edit() with QSettings over a screened copy of the file, checks that the copy holds every
// key whole, then saves it over the file through a temporary file of its folder. False (file
// unchanged), with last_save_failure_reason() set, when it cannot be read, written or saved.
bool edit_settings_file(const QString& path, const std::function<void(QSettings&)>& edit,
                        SettingsWrite how = SettingsWrite::Update);
