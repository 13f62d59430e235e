// Byte code pages at the edges of the program: the libraries and their files speak
// code page 437, the Qt side Latin-1, window titles Windows-1252. Everything converts
// through these few functions so that no other place guesses an encoding.
#pragma once
#include <string>

namespace codepage {

std::string cp437_to_utf8(const std::string& bytes);
std::string utf8_to_cp437(const std::string& utf8, char missing = '?');
std::string cp1252_to_utf8(const std::string& bytes);
std::string utf8_to_cp1252(const std::string& utf8, char missing = '?');
std::string latin1_to_utf8(const std::string& bytes);
std::string utf8_to_latin1(const std::string& utf8, char missing = '?');

// Single characters: the Unicode code point of a byte, and the byte of a code point (-1 if none).
char32_t cp437_char(unsigned char b);
int cp437_byte(char32_t c);
char32_t cp1252_char(unsigned char b);
int cp1252_byte(char32_t c);

// The glyphs the program draws: code page 437 for letters and signs, with the symbol bytes of the
// output list's font (Greek letters, arrow, per mille, superscript 3) in place of the code page's
// box-drawing glyphs. The sheets and the list viewer both draw through it. UTF-8 of one byte's
// glyph (two code points for lambda with bar), and of a whole text.
const char* glyph_utf8(unsigned char b);
std::string glyphs_to_utf8(const std::string& bytes);
// Back to the bytes of that table (the symbol byte where a glyph has one); `missing` for the rest.
std::string utf8_to_glyphs(const std::string& utf8, char missing = '?');

// Appends code point c as UTF-8; decodes one code point from s at i (advancing i, U+FFFD on bad input).
void append_utf8(std::string& out, char32_t c);
char32_t next_utf8(const std::string& s, size_t& i);

} // namespace codepage
