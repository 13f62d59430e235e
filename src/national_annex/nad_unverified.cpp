#include "national_annex/nad_unverified.h"

#include "national_annex/nad_current.h"
#include "national_annex/nad_paths.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <cstring>
#include <sstream>
#include <string>

namespace {

std::string trimmed(const std::string& s)
{
    const char* ws = " \t\r\n";
    size_t a = s.find_first_not_of(ws);
    if (a == std::string::npos) return std::string();
    return s.substr(a, s.find_last_not_of(ws) - a + 1);
}

// The list is a few lines; it is read at every question so that it always matches the set.
bool list_holds(const std::string& path, const char* field)
{
    std::istringstream in(regular_file_text(path, file_bounds::kSmallText));
    std::string line;
    while (std::getline(in, line))
        if (trimmed(line.substr(0, line.find('#'))) == field) return true;
    return false;
}

} // namespace

const char* nad_unverified_stem(const char* set_name)
{
    if (!set_name) return "";
    if (std::strcmp(set_name, "Deutschland") == 0) return "Deutschland";
    if (std::strcmp(set_name, "EC-Standardparameter") == 0) return "Standard";
    return "";
}

int nad_active_value_unverified(const char* field)
{
    if (!field || !*field) return 0;
    const std::string stem = nad_unverified_stem(nad_applied_set_name());
    const std::string data = nadpath::folder("DATA");
    if (stem.empty() || data.empty()) return 0;
    return list_holds(path_join(data, "NAD/" + stem + ".unverified"), field) ? 1 : 0;
}
