// Any bytes as the component selection's answer file: read into the record or refused.
// Must return, never write past a field or hang.
#include "common/fuzz_util.h"
#include "environment/tool_exchange.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fuzzutil::stream(data, size);
    SelectedComponent c;
    if (read_component_answer(f, &c)) {
        // every text field ends inside its storage
        if (!memchr(c.name, 0, sizeof c.name) || !memchr(c.path_stem, 0, sizeof c.path_stem) ||
            !memchr(c.archive_path, 0, sizeof c.archive_path))
            std::abort();
    }
    std::fclose(f);
    return 0;
}
