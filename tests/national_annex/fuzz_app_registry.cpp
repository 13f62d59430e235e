// Any bytes as an application's definition file APP0001.DEF and as its VERSION file: the
// registry is scanned, the application's rules looked up and the version read.
// Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_registry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string app = [] {
        setenv("EXEC", fuzzutil::folder("EXEC").c_str(), 1);
        setenv("VYK_CUROB_APPLICATION", "1", 1);
        return fuzzutil::folder("EXEC/K7-APP");
    }();
    fuzzutil::write(app + "/APP0001.DEF", data, size);
    fuzzutil::write(app + "/VERSION", data, size);
    nad_forget_state();
    nad_scan_applications();
    (void)nad_current_application();
    (void)nad_rules_defined();
    for (int eurocode = -1; eurocode <= 10; ++eurocode)
        for (int position = -1; position < 40; position += 7) (void)nad_rule_is_relevant(eurocode, position);
    (void)read_application_version("K7-APP");
    nad_forget_state();
    return 0;
}
