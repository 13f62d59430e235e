// Any bytes as the wind and snow table files: the same bytes as table shapes, as the values of a
// loaded set and as a file searched for a set. Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "national_annex/nad_wusl_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static NadStdParams params;
    FILE* f = fuzzutil::stream(data, size);
    nad_wusl_read_defs_stream(f, &params);
    std::rewind(f);
    nad_wusl_read_tables(f, &params);
    std::fclose(f);
    const std::string path = fuzzutil::path("WUSL-Tabs.val");
    fuzzutil::write(path, data, size);
    nad_wusl_find_set(path.c_str(), "Deutschland", &params);
    if (FILE* out = std::fopen("/dev/null", "w")) {
        nad_wusl_write_tables(out, &params);
        std::fclose(out);
    }
    nad_wusl_free_tables(&params);
    return 0;
}
