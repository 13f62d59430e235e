// Any bytes as a position data file: the reader must return, never crash or hang.
#include "core/position_file.h"
#include "core/tavo52_data.h"
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAVO52_DATA d;
    parse_position_data(d, std::string(reinterpret_cast<const char*>(data), size));
    position_data_text(d);
    return 0;
}
