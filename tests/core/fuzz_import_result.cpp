// Feeds raw bytes to the reader of the internal-force tool's result file for one to three sets,
// asking why a read failed (that path rereads the stream to count lines), then walks the imported
// table through its accessors.
#include "core/import_forces.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (int n = 1; n <= 3; ++n) {
        FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
        if (!f) return 0;
        std::string why;
        const int rows = read_beam_cut_results(f, n, &why);
        std::fclose(f);
        // A file that brings nothing in always says why.
        if (rows == 0 && why.empty()) std::abort();
        float values[18];
        for (int r = 0; r < rows; ++r) {
            imported_force_values(r, values);
            imported_force_kmod(r);
            imported_force_text2(r);
        }
        for (int s = 0; s < n; ++s) {
            imported_force_header(s);
            imported_force_rows_of_set(s);
        }
        clear_imported_forces();
    }
    return 0;
}
