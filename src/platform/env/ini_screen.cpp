#include "platform/env/ini_screen.h"

#include "platform/env/qt_message_box.h"
#include "platform/os/atomic_file.h"
#include "platform/os/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QTextCodec>
#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The screen must cut the file into the same lines and values QSettings does, or a hidden
// value would slip through; the steps below follow QSettings's INI reader rule for rule.

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_special(char c) { return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\'; }

struct IniLine {
    int start = 0;
    int length = 0;
    int equals = -1;   // the first '=' outside quotes, -1 without one
};

// The next line from pos: quotes and a backslash carry a line over a line end, a semicolon
// outside quotes ends it, and one that opens a line makes the rest of that line a comment.
// False at the end of the data.
bool next_line(const QByteArray& data, int& pos, IniLine& line)
{
    const int n = data.size();
    bool quoted = false;
    line.equals = -1;
    int start = pos;
    while (start < n && is_space(data[start])) ++start;
    int i = start;
    while (i < n) {
        while (i < n && !is_special(data[i])) ++i;
        if (i == n) break;
        const char ch = data[i++];
        if (ch == '=') {
            if (!quoted && line.equals < 0) line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < n) {
                const char escaped = data[i++];
                if (i < n && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n'))) ++i;
            }
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (i == start + 1) {   // ';' opening the line
            while (i < n && data[i] != '\n' && data[i] != '\r') ++i;
            while (i < n && is_space(data[i])) ++i;
            start = i;
        } else if (!quoted) {          // ';' ending it
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

bool is_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int hex_value(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

char simple_escape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': case '?': case '\'': case '\\': return c;
    default: return 0;
    }
}

// The text of a value [from, to) as QSettings unescapes it: one item, or the items of a list
// where unquoted commas split it. A numeric escape keeps the low 16 bits of its value.
QStringList value_items(const QByteArray& s, int from, int to, QTextCodec* codec)
{
    QStringList items;
    QString current;
    bool is_list = false, in_quotes = false, quoted = false, cut_short = false;
    int i = from;
    auto skip_spaces = [&] {
        while (i < to && (s[i] == ' ' || s[i] == '\t')) ++i;
    };
    // Unquoted trailing blanks go, except escaped ones (those before chop_limit).
    auto chop = [&](int chop_limit) {
        int k = current.size();
        while (k > chop_limit && (current[k - 1] == QLatin1Char(' ') || current[k - 1] == QLatin1Char('\t'))) --k;
        current.truncate(k);
    };
    skip_spaces();
    int chop_limit = 0;
    while (i < to && !cut_short) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= to) {
                cut_short = true;
                break;
            }
            const char e = s[i++];
            if (const char plain = simple_escape(e)) {
                current += QLatin1Char(plain);
            } else if ((e == 'x' && i < to && is_hex(s[i])) || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                uint32_t value = hex ? 0 : uint32_t(e - '0');
                while (i < to && (hex ? is_hex(s[i]) : (s[i] >= '0' && s[i] <= '7'))) {
                    value = hex ? (value << 4) + uint32_t(hex_value(s[i])) : (value << 3) + uint32_t(s[i] - '0');
                    ++i;
                }
                current += QChar(ushort(value & 0xffff));
                if (i >= to) cut_short = true;
            } else if (e == 'x') {
                if (i >= to) cut_short = true;   // "\x" at the end; before anything else it is dropped
            } else if ((e == '\n' || e == '\r') && i < to && (s[i] == '\n' || s[i] == '\r') && s[i] != e) {
                ++i;   // an escaped line end of two characters
            }
            chop_limit = current.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes) {
                skip_spaces();
                chop_limit = current.size();
            }
        } else if (c == ',' && !in_quotes) {
            if (!quoted) chop(chop_limit);
            if (!is_list) {
                is_list = true;
                items.clear();
            }
            items.append(current);
            current.clear();
            quoted = false;
            ++i;
            skip_spaces();
            chop_limit = 0;
        } else {
            int j = i + 1;
            while (j < to && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
            current += codec ? codec->toUnicode(s.constData() + i, j - i) : QString::fromLatin1(s.constData() + i, j - i);
            i = j;
        }
    }
    if (!cut_short && !quoted) chop(chop_limit);
    items.append(current);
    return items;
}

uint32_t big_endian_32(const QByteArray& p, int at)
{
    return uint32_t(uint8_t(p[at])) << 24 | uint32_t(uint8_t(p[at + 1])) << 16 | uint32_t(uint8_t(p[at + 2])) << 8 |
           uint32_t(uint8_t(p[at + 3]));
}

// The stream forms, at the stream version QSettings reads "@Variant(" with (Qt 4.0), of the
// two kinds of object we store: a type id, then for a colour its kind (no larger than the
// extended-RGB kind, 5) and five 16-bit components; for a font its family (a string of
// UTF-16 bytes or 0xffffffff for none), point size (double), pixel size (32 bits) and five
// bytes of hints, character set, weight and flags. Both have no count to trust but the family's
// length, which must match the bytes there are.
bool safe_payload(const QByteArray& p)
{
    const int kTypeId = 4, kColor = 1 + 5 * 2, kFontTail = 8 + 4 + 5;
    if (p.size() < kTypeId) return false;
    const uint32_t type = big_endian_32(p, 0);
    if (type == QMetaType::QColor) return p.size() == kTypeId + kColor && p[kTypeId] >= 0 && p[kTypeId] <= 5;
    if (type != QMetaType::QFont || p.size() < kTypeId + 4) return false;
    const uint32_t bytes = big_endian_32(p, kTypeId);
    const uint64_t family = bytes == 0xffffffffu ? 0 : bytes;
    return family % 2 == 0 && uint64_t(p.size()) == kTypeId + 4 + family + kFontTail;
}

// Only a whole value in a marker's parentheses is read as an object; other text is a string.
bool item_is_safe(const QString& item)
{
    const QLatin1String variant("@Variant("), date_time("@DateTime(");
    if (!item.endsWith(QLatin1Char(')'))) return true;
    if (item.startsWith(date_time)) return false;   // we store no dates
    if (!item.startsWith(variant)) return true;
    return safe_payload(item.mid(variant.size(), item.size() - variant.size() - 1).toLatin1());
}

// The file's bytes; a missing file has none. False when it is there but cannot be read, is no
// regular file or is larger than a settings file can be, with the reason in *refused.
bool file_bytes(const QString& path, QByteArray& bytes, std::string* refused = nullptr)
{
    bytes.clear();
    std::string read;
    FileRefusal why;
    if (!read_regular_file(QFile::encodeName(path).toStdString(), file_bounds::kSettings, read, &why)) {
        if (why.missing) return true;
        if (refused) *refused = why.reason;
        return false;
    }
    bytes = QByteArray::fromStdString(read);
    return true;
}

// Tells the user once per file and run that damaged lines were left out.
void report_left_out(const QString& path, int left_out)
{
    static QSet<QString> told;
    const QString name = QFileInfo(path).absoluteFilePath();
    if (left_out <= 0 || told.contains(name)) return;
    told.insert(name);
    qt_message_box(QMessageBox::Warning, QStringLiteral("Einstellungen"),
                   QStringLiteral("Die Einstellungsdatei\n%1\nenthält %2 beschädigte Zeile(n). Sie werden "
                                  "ausgelassen; die Datei wird beim nächsten Speichern vollständig neu geschrieben.")
                       .arg(name)
                       .arg(left_out));
}

// Settings files that exist but could not be read in this run (absolute names).
QSet<QString>& unread_files()
{
    static QSet<QString> files;
    return files;
}

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// The German reason for the error a file operation left in errno.
std::string reason_from_errno(int error, const char* otherwise)
{
    return error == ENOSPC || error == EDQUOT || error == EACCES || error == EPERM || error == EROFS || error == EFBIG ||
                   error == EIO || error == ENOENT
               ? save_failure_reason(error)
               : std::string(otherwise);
}

// QSettings does not always say why it failed; a folder with less room than a settings file
// needs is the likely reason.
bool nearly_full(const QString& file)
{
    const unsigned long long kRoomForSettings = 64 * 1024;
    struct statvfs s;
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    return ::statvfs(folder.constData(), &s) == 0 && (unsigned long long)s.f_bavail * s.f_bsize < kRoomForSettings;
}

// A private copy of the screened settings: beside the file under the name of a save's temporary
// file, so that what a killed run leaves is removed by the next save; for a read, where that
// folder takes no file (it may be full), in the temporary folder. False with the reason in *why.
bool make_copy(QTemporaryFile& copy, const QString& path, const QByteArray& screened, bool editing, std::string* why)
{
    const QFileInfo target(QFile::decodeName(save_target_of(QFile::encodeName(path).toStdString()).c_str()));
    const QString name = target.fileName() + QStringLiteral(".save-") + QString::number(::getpid()) +
                         QStringLiteral("-XXXXXX");
    int error = 0;
    for (const QString& folder : {target.absolutePath(), QDir::tempPath()}) {
        copy.setFileTemplate(folder + QLatin1Char('/') + name);
        errno = 0;
        if (copy.open()) {
            if (copy.write(screened) == screened.size() && copy.flush()) return true;
            error = errno;
            copy.remove();
            copy.close();
        } else {
            error = errno;
        }
        if (editing) break;
    }
    *why = reason_from_errno(error, "keine Arbeitskopie möglich");
    return false;
}

// True when the copy QSettings wrote holds every key it has, whole to its last line.
bool copy_is_complete(const QByteArray& bytes, const QSettings& settings)
{
    if (bytes.isEmpty() || !bytes.endsWith('\n')) return false;
    for (const QString& key : settings.allKeys()) {
        // Our files keep their keys in the general section, as plain words.
        if (key.contains(QLatin1Char('/'))) continue;
        const QByteArray line = key.toLatin1() + '=';
        if (!bytes.startsWith(line) && !bytes.contains('\n' + line)) return false;
    }
    return true;
}

// Runs use() with QSettings over a private, screened copy of the file. False, with the reason in
// *why, when the file or a copy of it cannot be had.
bool with_screened_copy(const QString& path, bool editing,
                        const std::function<bool(QSettings&, const QString&)>& use, std::string* why,
                        bool read_old = true)
{
    QByteArray original;
    std::string refused;
    if (read_old && !file_bytes(path, original, &refused)) {
        *why = editing ? "sie " + refused : refused;
        return false;
    }
    note_file_seen(QFile::encodeName(path).toStdString());
    int left_out = 0;
    const QByteArray screened = screened_ini(original, &left_out);
    report_left_out(path, left_out);
    QTemporaryFile copy;
    if (!make_copy(copy, path, screened, editing, why)) {
        if (!editing) *why = "kann nicht gelesen werden (" + *why + ")";
        return false;
    }
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    return use(settings, copy.fileName());
}

} // namespace

QByteArray screened_ini(const QByteArray& data, int* left_out)
{
    int pos = 0;
    QTextCodec* codec = nullptr;
    // QSettings reads a file that opens with a UTF-8 byte order mark as UTF-8.
    if (data.startsWith("\xef\xbb\xbf")) {
        codec = QTextCodec::codecForName("UTF-8");
        pos = 3;
    }
    QByteArray out;
    int copied = 0;
    int dropped = 0;
    IniLine line;
    while (next_line(data, pos, line)) {
        // QSettings takes a line without "=", or a section name without "]", for a damaged file
        // and refuses every later save of it: such a line is left out like an unsafe value.
        if (data[line.start] == '[') {
            const int close = data.indexOf(']', line.start);
            if (close >= 0 && close < line.start + line.length) continue;
        } else if (line.equals >= 0) {
            const QStringList items = value_items(data, line.equals + 1, line.start + line.length, codec);
            if (std::all_of(items.begin(), items.end(), item_is_safe)) continue;
        }
        out += data.mid(copied, line.start - copied);
        copied = line.start + line.length;
        ++dropped;
    }
    if (left_out) *left_out = dropped;
    if (dropped == 0) return data;
    out += data.mid(copied);
    return out;
}

bool read_settings_file(const QString& path, const std::function<void(QSettings&)>& read)
{
    std::string why;
    const bool ok = with_screened_copy(path, false, [&](QSettings& s, const QString&) {
        read(s);
        return true;
    }, &why);
    if (ok) {
        unread_files().remove(absolute(path));
        return true;
    }
    // Named once the program can show it; the next save asks before it replaces the file.
    unread_files().insert(absolute(path));
    report_file_refusal(QFile::encodeName(path).toStdString(), why);
    return false;
}

bool settings_file_unread(const QString& path)
{
    return unread_files().contains(absolute(path)) && QFileInfo::exists(path);
}

bool edit_settings_file(const QString& path, const std::function<void(QSettings&)>& edit, SettingsWrite how)
{
    const bool must_be_new = how == SettingsWrite::Create;
    std::string why;
    bool written = false;
    const bool ok = with_screened_copy(path, true, [&](QSettings& s, const QString& copy) {
        edit(s);
        errno = 0;
        s.sync();
        const int error = errno;
        QByteArray bytes;
        if (s.status() != QSettings::NoError || !file_bytes(copy, bytes) || !copy_is_complete(bytes, s)) {
            // QSettings may leave its copy empty or cut on a full disk and still report no error.
            why = nearly_full(copy) ? save_failure_reason(ENOSPC)
                                    : reason_from_errno(error, "die Einstellungen wurden nicht vollständig geschrieben");
            return false;
        }
        const auto write = [&](FILE* f) {
            return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
        };
        const std::string file = QFile::encodeName(path).toStdString();
        written = must_be_new ? save_new_file_atomically(file, write) : save_file_atomically(file, write);
        return written;
    }, &why, how == SettingsWrite::Update);
    if (ok) {
        unread_files().remove(absolute(path));
        return true;
    }
    // The save's own reason stands when the file itself failed; otherwise the copy's.
    if (!written && !why.empty()) set_save_failure_reason(why);
    return false;
}
