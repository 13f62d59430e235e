#include "materials/fastener_type_names.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kFirst = -2;
constexpr int kLast = 46;
constexpr int kCount = kLast - kFirst + 1;

const char kNotDefined[] = "nicht definiert";

// Texts are composed with placeholders for the two umlauts and converted per code page.
// '@' stands for u-umlaut, '$' for a-umlaut.
void compose(int code, int family, char* out, size_t size)
{
    static const char* const kLetters1 = "ABC";
    static const char* const kLetters2 = "DEF";
    const char* text = nullptr;
    char tmp[64];
    switch (code) {
    case -2: text = "ohne Verbund"; break;
    case -1: text = "Klebeverbindung"; break;
    case 0: text = "Nagel"; break;
    case 1: text = "Klammer"; break;
    case 11: text = "SPAX Senkkopf Teilgewinde"; break;
    case 12: text = "SPAX Tellerkopf Teilgewinde"; break;
    case 13: text = "SPAX Senkkopf Vollgewinde"; break;
    case 14: text = "ASSY-plus VG Zylinderkopf"; break;
    case 15: text = "ASSY-plus VG Senkfr$st.kopf"; break;
    case 25: text = family ? "Ringd@bel A1/B1" : "Ringd@bel A1"; break;
    case 26: text = family ? "Scheibend@bel C1/C2" : "Scheibend@bel C1"; break;
    case 27: text = "Scheibend@bel C5"; break;
    case 28: text = family ? "Scheibend@bel C10/C11" : "Scheibend@bel C10"; break;
    case 29: text = "Stabd@bel"; break;
    case 30: text = "Bolzen"; break;
    case 31: text = family ? "Scheibend@bel B1/A1" : "Scheibend@bel B1"; break;
    case 32: text = family ? "Scheibend@bel C2/C1" : "Scheibend@bel C2"; break;
    case 33: text = family ? "Scheibend@bel C11/C10" : "Scheibend@bel C11"; break;
    case 43: text = "ASSY benutzerdefiniert"; break;
    case 44: text = "SPAX benutzerdefiniert"; break;
    case 45: text = "Simpson CNA"; break;
    case 46: text = "Simpson CSA"; break;
    default:
        if (code >= 2 && code <= 10) {
            int i = code - 2;
            if (family) text = "Holzschraube";
            else { std::snprintf(tmp, sizeof tmp, "Schraube %d%c", i / 3 + 1, kLetters1[i % 3]); text = tmp; }
        } else if ((code >= 16 && code <= 24) || (code >= 34 && code <= 42)) {
            int i = code >= 34 ? code - 34 : code - 16;
            const char* letters = code >= 34 ? kLetters2 : kLetters1;
            if (family) text = "Sondernagel";
            else { std::snprintf(tmp, sizeof tmp, "Sondernagel %d%c", i / 3 + 1, letters[i % 3]); text = tmp; }
        }
        break;
    }
    std::snprintf(out, size, "%s", text ? text : "");
}

const char* name_into(char (*buffers)[64], int code, int family, char u_umlaut, char a_umlaut)
{
    if (code < kFirst || code > kLast) return kNotDefined;
    // One buffer per code, so that a pointer kept for one code never changes its text
    // through a call for another code.
    char* buf = buffers[code - kFirst];
    compose(code, family, buf, 64);
    for (char* p = buf; *p; ++p) {
        if (*p == '@') *p = u_umlaut;
        else if (*p == '$') *p = a_umlaut;
    }
    return buf;
}

} // namespace

const char* fastener_type_name(int code, int family)
{
    static char buffers[kCount][64];
    return name_into(buffers, code, family, '\x81', '\x84');
}

const char* fastener_type_name_alt(int code, int family)
{
    static char buffers[kCount][64];
    return name_into(buffers, code, family, '\xFC', '\xE4');
}
