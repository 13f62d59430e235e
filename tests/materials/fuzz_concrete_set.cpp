// Feeds raw bytes to the concrete material set reader for every edition (free concrete and
// steel records, older records without a structure version), then writes the set read back
// out as an output-list section.
#include "helpers/messages.h"
#include "helpers/versioned_files.h"
#include "materials/concrete_output.h"
#include "materials/concrete_sets.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool quiet = (msg_disable(), true);
    (void)quiet;
    if (size == 0)
        return 0;
    for (int edition = 0; edition <= 2; ++edition) {
        FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
        if (!f)
            return 0;
        ConcreteMaterialSet set;
        concrete_set_reset(&set, edition);
        if (dfile_read_data_version(f, 1.0) == 0 && concrete_material_set_read(&set, edition) == 0) {
            ConcreteSafetyFactors factors;
            concrete_safety_factors_read(&factors);
            FILE* out = std::fopen("/dev/null", "w");
            if (out) {
                concrete_material_set_output(out, &set, edition, "x");
                std::fclose(out);
            }
        }
        std::fclose(f);
    }
    return 0;
}
