// Any bytes as a position's national-annex choice file: the choice block is read and the set it
// names activated from the shipped sets; it must return, never crash or hang.
#include "common/fuzz_util.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"

#include <cstdlib>
#include <filesystem>

namespace {

void shipped_environment()
{
    static const bool ready = [] {
        const std::string nad = fuzzutil::folder("DATA/NAD");
        for (const char* name : {"Standard.NAD", "Deutschland.NAD"})
            std::filesystem::copy_file(std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/NAD/" + name, nad + "/" + name,
                                       std::filesystem::copy_options::overwrite_existing);
        setenv("DATA", fuzzutil::path("DATA").c_str(), 1);
        setenv("DRAM", fuzzutil::folder("DRAM").c_str(), 1);
        setenv("EXEC", fuzzutil::folder("EXEC").c_str(), 1);
        return true;
    }();
    (void)ready;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    shipped_environment();
    FILE* f = fuzzutil::stream(data, size);
    nad_read_active_name(f);
    std::fclose(f);
    (void)nad_part_ec5();
    return 0;
}
