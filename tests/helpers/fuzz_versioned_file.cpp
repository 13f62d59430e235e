// Feeds raw bytes to the versioned data-file reader as a record reader would: data version,
// nested records of every field type (some newer than the record), counted texts and skips.
#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "helpers/versioned_files.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool quiet = (msg_disable(), true);
    (void)quiet;
    if (size == 0) return 0;
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    if (dfile_read_data_version(f, 5.0) == 0) {
        for (int record = 0; record < 64; ++record) {
            if (dfile_read_struct_version(5.0) != 0) break;
            char c;
            double d;
            int i;
            char s[DFILE_TEXT_SIZE], t[DFILE_TEXT_SIZE];
            char* counted = nullptr;
            int bad = dfile_read_field(&c, 'c', 1.0, 0) | dfile_read_field(&d, 'd', 1.5, 2.5) |
                      dfile_read_field(&i, 'i', 2.0, -2.5) | dfile_read_field(s, 's', 1.0, 0) |
                      dfile_read_field(t, 't', 3.0, 0) | dfile_read_text_default(t, 2.5, "x") |
                      dfile_read_counted_text(&counted, 1.0, "y") | dfile_skip_field('t', 4.0) |
                      dfile_discard_field('d');
            dfile_read_int_since(2.0, 1.0);
            mem_free_and_null(&counted);
            if (bad) break;
            if (dfile_read_int() == 0) dfile_end_struct();   // a 0 closes the record
        }
    }
    std::fclose(f);
    return 0;
}
