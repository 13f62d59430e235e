// Any bytes as the internal-force tool's result file, read for one to three sets: a table read
// whole or refused with a reason, never a table half filled. Must return, never read past a row.
#include "common/fuzz_util.h"
#include "environment/beamcut_import.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (int n = 1; n <= 3; ++n) {
        FILE* f = fuzzutil::stream(data, size);
        BeamCutTable t = {};
        std::string why;
        const int rows = beamcut_table_read(&t, f, n, &why);
        // a refusal says why; a read keeps exactly the rows its sets announce
        if (rows == 0 && why.empty()) std::abort();
        if (rows > 0) {
            long long announced = 0;
            for (int s = 0; s < n; ++s) announced += t.rows_per_set[s];
            if (announced != rows || t.row_count != rows || !t.rows || !t.valid) std::abort();
            for (int r = 0; r < rows; ++r) {
                volatile float last = t.rows[r].values[6 * n - 1];
                (void)last;
            }
        }
        beamcut_table_clear(&t);
        std::fclose(f);
    }
    return 0;
}
