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
// reads as an empty one. False, and read() not called, when no copy can be made.
bool read_settings_file(const QString& path, const std::function<void(QSettings&)>& read);

// Calls edit() with QSettings over a screened copy of the file, then saves the result over the
// file through a temporary file of its folder. False (file unchanged) when it cannot be read
// or saved.
bool edit_settings_file(const QString& path, const std::function<void(QSettings&)>& edit);
