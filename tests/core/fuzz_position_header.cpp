// Any bytes as a position's header text: the window's title and the output list's header number
// and title are read from it. Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "core/position_files.h"
#include "helpers/prefixed_files.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzzutil::path("POS.txt");
    fuzzutil::write(path, data, size);
    (void)read_position_title(path).size();
    read_position_header_file(path.c_str());
    if (std::strlen(position_header_number()) > 6 || std::strlen(position_header_title()) > 50) std::abort();
    return 0;
}
