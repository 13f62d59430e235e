#include "environment/dialog_text.h"

#include "platform/screen/fonts.h"
#include "platform/env/vyk_message.h"
#include "platform/os/codepage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kBuf = 512;

// The seven German letters Ä Ö Ü ß ä ö ü in code page 1252 and in the DOS code page
// (850 and 437 agree on them).
const char32_t kLetters[7] = {0xC4, 0xD6, 0xDC, 0xDF, 0xE4, 0xF6, 0xFC};

struct LetterTables {
    unsigned char latin1[7];
    unsigned char dos[7];
    LetterTables()
    {
        for (int k = 0; k < 7; ++k) {
            latin1[k] = (unsigned char)codepage::cp1252_byte(kLetters[k]);
            dos[k] = (unsigned char)codepage::cp437_byte(kLetters[k]);
        }
    }
};
const LetterTables& letters()
{
    static const LetterTables t;
    return t;
}

const char* map_letters(char* out, const char* text, const unsigned char* from, const unsigned char* to)
{
    int n = 0;
    if (text) {
        for (; text[n] && n < kBuf - 1; ++n) {
            unsigned char c = (unsigned char)text[n];
            for (int k = 0; k < 7; ++k) {
                if (c == from[k]) {
                    c = to[k];
                    break;
                }
            }
            out[n] = (char)c;
        }
    }
    out[n] = '\0';
    return out;
}

} // namespace

int text_width(const char* text)
{
    if (!text) return 0;
    int xs[4], ys[4];
    pxQTxX(text, (int)std::strlen(text), 0, 0, xs, ys);
    return xs[1] - xs[0];
}

int text_pixel_width_in_font(const char* text, int font)
{
    if (!text) return 0;
    Pop_RFont(font);
    int w = text_width(text);
    Push_RFont();
    return w;
}

const char* trim_blanks_copy(const char* text)
{
    static char buf[kBuf];
    buf[0] = '\0';
    if (!text) return buf;
    while (*text == ' ') ++text;
    int len = (int)std::strlen(text);
    while (len > 0 && text[len - 1] == ' ') --len;
    if (len > kBuf - 1) len = kBuf - 1;
    std::memcpy(buf, text, (size_t)len);
    buf[len] = '\0';
    return buf;
}

const char* pad_copy(const char* text, int n)
{
    static char buf[kBuf];
    if (n < 0) n = 0;
    if (n > kBuf - 1) n = kBuf - 1;
    int len = text ? (int)std::strlen(text) : 0;
    for (int i = 0; i < n; ++i) buf[i] = i < len ? text[i] : ' ';
    buf[n] = '\0';
    return buf;
}

int length_without_trailing_blanks(const char* text)
{
    if (!text) return 0;
    int len = (int)std::strlen(text);
    while (len > 0 && text[len - 1] == ' ') --len;
    return len;
}

char* read_line_without_end(char* buffer, int size, FILE* stream)
{
    if (!buffer || size < 1 || !stream) return nullptr;
    if (!std::fgets(buffer, size, stream)) return nullptr;
    size_t len = std::strlen(buffer);
    if (len > 0 && buffer[len - 1] == '\n') {
        buffer[--len] = '\0';
        if (len > 0 && buffer[len - 1] == '\r') buffer[--len] = '\0';
    }
    return buffer;
}

int blanks_to_question_marks(char* text)
{
    int n = 0;
    for (; text && text[n]; ++n)
        if (text[n] == ' ') text[n] = '?';
    return n;
}

int question_marks_to_blanks(char* text)
{
    int n = 0;
    for (; text && text[n]; ++n)
        if (text[n] == '?') text[n] = ' ';
    return n;
}

int sign_of(double x) { return x >= 0 ? 1 : -1; }

const char* umlauts_latin1_to_dos(const char* text)
{
    static char buf[kBuf];
    return map_letters(buf, text, letters().latin1, letters().dos);
}

const char* umlauts_dos_to_latin1(const char* text)
{
    static char buf[kBuf];
    return map_letters(buf, text, letters().dos, letters().latin1);
}

const char* umlauts_to_html(const char* text)
{
    static char buf[kBuf];
    static const char* const entities[7] = {"&Auml;", "&Ouml;", "&Uuml;", "&szlig;", "&auml;", "&ouml;", "&uuml;"};
    int n = 0;
    for (const char* p = text; p && *p && n <= 503; ++p) {
        unsigned char c = (unsigned char)*p;
        const char* entity = nullptr;
        for (int k = 0; k < 7; ++k)
            if (c == letters().dos[k]) entity = entities[k];
        if (entity) {
            size_t l = std::strlen(entity);
            std::memcpy(buf + n, entity, l);
            n += (int)l;
        } else {
            buf[n++] = (char)c;
        }
    }
    buf[n] = '\0';
    return buf;
}

const char* apostrophes_to_accents(const char* text)
{
    static char buf[kBuf];
    int n = 0;
    for (; text && text[n] && n < kBuf - 1; ++n) buf[n] = text[n] == '\'' ? (char)0xB4 : text[n];
    buf[n] = '\0';
    return buf;
}

int check_file_name(const char* name, int show)
{
    if (!name) return 1;
    const char* message = nullptr;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        message = "Eine Datei darf weder '.' noch '..' hei\xE1" "en!";
    else if (std::strpbrk(name, "\\/:*?\"<>|"))
        message = "Unzul\x84ssige Zeichen (\\/:*?\"<>|) im Dateinamen!";
    if (!message) return 1;
    if (show) {
        Init_Message();
        Fill_Message(message);
        Draw_Message();
    }
    return 0;
}

void stop_out_of_memory()
{
    Init_Message();
    Fill_Message("Die Aktion erfordert eine Speicherkapazit\x84t, die");
    Fill_Message("vom Rechner zur Zeit nicht zur Verf\x81gung gestellt");
    Fill_Message("wird. Die Sitzung mu\xE1 leider abgebrochen werden.");
    Draw_Message();
    std::fflush(nullptr);
    std::_Exit(3);
}
