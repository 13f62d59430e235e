#include "codepage.h"

namespace codepage {
namespace {

// Upper halves of the two code pages, bytes 0x80..0xFF, as Unicode code points.
const char16_t kCp437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0
};
const char16_t kCp1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF
};

int find_byte(const char16_t* table, char32_t c)
{
    if (c < 0x80) return int(c);
    for (int i = 0; i < 128; ++i)
        if (table[i] == c) return 0x80 + i;
    return -1;
}

std::string to_utf8(const std::string& bytes, char32_t (*conv)(unsigned char))
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char b : bytes) append_utf8(out, conv(b));
    return out;
}

std::string from_utf8(const std::string& utf8, int (*conv)(char32_t), char missing)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        int b = conv(next_utf8(utf8, i));
        out.push_back(b < 0 ? missing : char(b));
    }
    return out;
}

char32_t latin1_char(unsigned char b) { return b; }
int latin1_byte(char32_t c) { return c < 0x100 ? int(c) : -1; }

} // namespace

char32_t cp437_char(unsigned char b) { return b < 0x80 ? b : kCp437[b - 0x80]; }
int cp437_byte(char32_t c) { return find_byte(kCp437, c); }
char32_t cp1252_char(unsigned char b) { return b < 0x80 ? b : kCp1252[b - 0x80]; }
int cp1252_byte(char32_t c) { return find_byte(kCp1252, c); }

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

char32_t next_utf8(const std::string& s, size_t& i)
{
    unsigned char b = s[i++];
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

namespace {

// The output list font's symbol bytes; every other byte is code page 437.
struct Glyph { unsigned char byte; const char* utf8; };
const Glyph kSymbols[] = {
    {0x88, "\u2192"},        // right arrow
    {0x89, "\u2030"},        // per mille
    {0x8C, "\u00D8"},        // diameter
    {0xA3, "\u0394"},        // Delta
    {0xB0, "\u03B8"},        // theta
    {0xB2, "\u03A3"},        // sum mark
    {0xB8, "\u03C8"},        // psi
    {0xBA, "\u03B1"},        // alpha (the concrete forms' byte)
    {0xBB, "\u03B2"},        // beta
    {0xBC, "\u03C7"},        // chi
    {0xBE, "\u03B5"},        // epsilon
    {0xC0, "\u03B3"},        // gamma
    {0xC1, "\u03B7"},        // eta
    {0xC4, "\u03BB\u0304"},  // lambda with bar (relative slenderness)
    {0xC5, "\u03BB"},        // lambda
    {0xC6, "\u03BC"},        // mu
    {0xC7, "\u03BD"},        // nu
    {0xCB, "\u03C1"},        // rho
    {0xCC, "\u03C3"},        // sigma
    {0xD5, "\u03BA"},        // kappa
    {0xD6, "\u03C4"},        // tau
    {0xFA, "\u00B3"},        // superscript 3
};

struct GlyphTable {
    std::string utf8[256];
    GlyphTable()
    {
        for (int b = 0; b < 256; ++b) append_utf8(utf8[b], cp437_char((unsigned char)b));
        for (const Glyph& g : kSymbols) utf8[g.byte] = g.utf8;
    }
};

const GlyphTable& glyph_table()
{
    static const GlyphTable t;
    return t;
}

} // namespace

const char* glyph_utf8(unsigned char b) { return glyph_table().utf8[b].c_str(); }

std::string glyphs_to_utf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char b : bytes) out += glyph_table().utf8[b];
    return out;
}

std::string utf8_to_glyphs(const std::string& utf8, char missing)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        // The longest glyph that the text begins with here (lambda with its bar before lambda).
        int best = -1;
        size_t best_len = 0;
        for (int b = 1; b < 256; ++b) {
            const std::string& g = glyph_table().utf8[b];
            if (g.size() > best_len && utf8.compare(i, g.size(), g) == 0) {
                best = b;
                best_len = g.size();
            }
        }
        if (best < 0) {
            next_utf8(utf8, i);
            out.push_back(missing);
            continue;
        }
        out.push_back(char(best));
        i += best_len;
    }
    return out;
}

std::string cp437_to_utf8(const std::string& bytes) { return to_utf8(bytes, cp437_char); }
std::string utf8_to_cp437(const std::string& utf8, char missing) { return from_utf8(utf8, cp437_byte, missing); }
std::string cp1252_to_utf8(const std::string& bytes) { return to_utf8(bytes, cp1252_char); }
std::string utf8_to_cp1252(const std::string& utf8, char missing) { return from_utf8(utf8, cp1252_byte, missing); }
std::string latin1_to_utf8(const std::string& bytes) { return to_utf8(bytes, latin1_char); }
std::string utf8_to_latin1(const std::string& utf8, char missing) { return from_utf8(utf8, latin1_byte, missing); }

} // namespace codepage
