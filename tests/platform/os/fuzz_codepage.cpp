// Arbitrary bytes through every conversion: must return, never read past the input.
#include "platform/os/codepage.h"
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string s(reinterpret_cast<const char*>(data), size);
    codepage::cp437_to_utf8(codepage::utf8_to_cp437(s));
    codepage::cp1252_to_utf8(codepage::utf8_to_cp1252(s));
    codepage::latin1_to_utf8(codepage::utf8_to_latin1(s));
    return 0;
}
