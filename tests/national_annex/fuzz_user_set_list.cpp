// Any bytes as the first user set of DRAM/NADS: the list of sets is built and the listed set
// activated. Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        fuzzutil::folder("DATA/NAD");
        fuzzutil::folder("DRAM/NADS");
        setenv("DATA", fuzzutil::path("DATA").c_str(), 1);
        setenv("DRAM", fuzzutil::path("DRAM").c_str(), 1);
        setenv("EXEC", fuzzutil::folder("EXEC").c_str(), 1);
        return true;
    }();
    (void)ready;
    fuzzutil::write(fuzzutil::path("DRAM/NADS/1.NAD"), data, size);
    nad_forget_state();
    nad_read_list();
    if (nad_list.count > 2 && nad_list.names[2]) {
        nad_set_active_name(nad_list.names[2]);
        nad_activate();
    }
    nad_forget_state();
    return 0;
}
