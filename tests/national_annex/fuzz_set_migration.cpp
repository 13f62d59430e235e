// Any bytes as the old single file of user sets: the migration splits it into set files.
// Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "national_annex/nad_set_files.h"

#include <cstdlib>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string dram = [] {
        const std::string d = fuzzutil::folder("DRAM");
        setenv("DRAM", d.c_str(), 1);
        return d;
    }();
    std::error_code ec;
    std::filesystem::remove_all(dram + "/NADS", ec);
    fuzzutil::write(dram + "/NADs-EC2.DEF", data, size);
    nad_migrate_old_sets();
    return 0;
}
