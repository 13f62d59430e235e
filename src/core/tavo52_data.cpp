#include "core/tavo52_data.h"
#include "platform/os/codepage.h"
#include <cstdlib>
#include <cstring>
#include <string>

TAVO52_DATA data_object;

namespace {

// DOS (code page 850/437) byte, Latin-1 byte of the seven German letters.
const unsigned char kLetters[7][2] = {
    {0x84, 0xE4}, {0x8E, 0xC4}, {0x94, 0xF6}, {0x99, 0xD6}, {0x81, 0xFC}, {0x9A, 0xDC}, {0xE1, 0xDF}};

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kClassTexts[9] = {"ständig", "lang", "mittel", "kurz", "sehr kurz",
                                    "kurz/sehr kurz", "außergewöhnlich", "Erdbeben", "frei"};
const char* const kNoCombinedClass = "--------------";

} // namespace

TAVO52_DATA::TAVO52_DATA() : QObject(nullptr)
{
    lasten.clear();
    LoadRow first;
    first.name = u("A ständig");
    first.kmod = 0.6;
    first.kled = 0;
    lasten.append(first);
}

TAVO52_DATA::~TAVO52_DATA() = default;

int TAVO52_DATA::kled_index_from_text(const QString& text)
{
    struct Entry { const char* text; int index; };
    static const Entry order[] = {{"ständig", 0}, {"lang", 1}, {"mittel", 2}, {"kurz", 3},
                                  {"sehr kurz", 4}, {"kurz/sehr kurz", 5}, {"--------------", 5},
                                  {"außergewöhnlich", 6}, {"Erdbeben", 7}, {"frei", 8}};
    for (const Entry& e : order)
        if (text.compare(u(e.text), Qt::CaseInsensitive) == 0) return e.index;
    return 0;
}

QString TAVO52_DATA::kled_text_from_index(int index, int flag)
{
    if (index < 0 || index > 8) return QString();
    if (index == 5 && !flag) return u(kNoCombinedClass);
    return u(kClassTexts[index]);
}

QString dos_to_latin1_qstring(const char* text)
{
    if (!text) return QString();
    // The whole text is converted; there is no working buffer to overrun.
    std::string s(text);
    for (char& c : s) {
        for (const auto& l : kLetters)
            if (static_cast<unsigned char>(c) == l[0]) {
                c = char(l[1]);
                break;
            }
    }
    return QString::fromLatin1(s.data(), int(s.size()));
}

char* qstring_to_dos_cstr(const QString& text)
{
    std::string s = codepage::utf8_to_cp1252(text.toStdString());
    for (char& c : s) {
        for (const auto& l : kLetters)
            if (static_cast<unsigned char>(c) == l[1]) {
                c = char(l[0]);
                break;
            }
    }
    char* out = static_cast<char*>(std::malloc(s.size() + 1));
    if (out) std::memcpy(out, s.c_str(), s.size() + 1);
    return out;
}

QString normalise_umlauts(const QString& text)
{
    char* dos = qstring_to_dos_cstr(text);
    if (!dos) return text;
    QString result = dos_to_latin1_qstring(dos);
    std::free(dos);
    return result;
}
