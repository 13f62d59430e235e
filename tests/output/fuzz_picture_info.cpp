// Any bytes as the picture tool's size answer: read into the record or refused.
// Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "output/oli_picture.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fuzzutil::stream(data, size);
    OliPictureInfo info;
    oli_picture_info_read(f, &info);
    std::fclose(f);
    if (!memchr(info.name, 0, sizeof info.name)) std::abort();
    return 0;
}
