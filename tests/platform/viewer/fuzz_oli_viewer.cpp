// The viewer's reader takes any bytes: it must return, never crash or hang.
#include "platform/viewer/oli_viewer.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    oliview::Document d = oliview::parse(reinterpret_cast<const char*>(data), size);
    for (const auto& b : d.blocks)
        for (const auto& l : b.lines) (void)oliview::plain(l);
    return 0;
}
