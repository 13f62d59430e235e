// Arbitrary bytes through every conversion: must return, never read past the input. The text of
// any glyph bytes (but the byte 0) comes back whole through the glyph bytes.
#include "platform/os/codepage.h"
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string s(reinterpret_cast<const char*>(data), size);
    codepage::cp437_to_utf8(codepage::utf8_to_cp437(s));
    codepage::cp1252_to_utf8(codepage::utf8_to_cp1252(s));
    codepage::latin1_to_utf8(codepage::utf8_to_latin1(s));
    codepage::utf8_to_glyphs(s);
    std::string glyphs = s;
    glyphs.erase(std::remove(glyphs.begin(), glyphs.end(), '\0'), glyphs.end());
    const std::string text = codepage::glyphs_to_utf8(glyphs);
    if (codepage::glyphs_to_utf8(codepage::utf8_to_glyphs(text)) != text) std::abort();
    return 0;
}
