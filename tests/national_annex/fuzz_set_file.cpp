// Feeds arbitrary bytes to the set-file reader and the choice-block reader, and the set read to
// the plausibility check the loader refuses a set by: they must return, never write past a
// buffer or hang.
#include "national_annex/nad_plausible.h"
#include "national_annex/nad_set.h"
#include "national_annex/nad_set_files.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = tmpfile();
    if (!f) return 0;
    fwrite(data, 1, size, f);
    rewind(f);
    static NadSet set;
    memset(&set, 0, sizeof set);
    nad_read_set(f, &set);
    nad_implausible_value(set);
    rewind(f);
    NadEc2Block ec2;
    nad_ec2_read(f, &ec2);
    rewind(f);
    NadEc3Block ec3;
    nad_ec3_read(f, &ec3, 0);
    rewind(f);
    NadEc5Block ec5;
    nad_ec5_read(f, &ec5, 0);
    rewind(f);
    NadEc0Block ec0;
    nad_ec0_set_defaults(&ec0);
    nad_ec0_read(f, &ec0, 0);
    fclose(f);
    return 0;
}
