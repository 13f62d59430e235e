#include "fasteners/table_status.h"

#include "fasteners/fastener_types.h"
#include "platform/env/vyk_env.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <sstream>

namespace {

const char kStatusKey[] = "# status:";

} // namespace

std::string fastener_table_status(FastenerFamily family)
{
    const char* folder = CurOb_Privat_Datapath();
    const char* file = fastener_family_file(family);
    if (!folder || !file) return std::string();
    std::istringstream in(regular_file_text(path_join(folder, file), file_bounds::kTable));
    std::string line;
    // The status stands among the comment lines that open the file.
    while (std::getline(in, line) && !line.empty() && line[0] == '#') {
        if (line.compare(0, sizeof kStatusKey - 1, kStatusKey) != 0) continue;
        std::string text = line.substr(sizeof kStatusKey - 1);
        const char* ws = " \t\r";
        size_t a = text.find_first_not_of(ws);
        if (a == std::string::npos) return std::string();
        return text.substr(a, text.find_last_not_of(ws) - a + 1);
    }
    return std::string();
}

int fastener_table_confirmed(FastenerFamily family)
{
    return fastener_table_status(family) == "not confirmed" ? 0 : 1;
}

FastenerFamily screw_family_of_type(int type)
{
    switch (type) {
    case FT_SPAX_S_VG: return FAMILY_SPAX_S_VG;
    case FT_ASSY_VG_Z: return FAMILY_ASSY_PLUS_VG_Z;
    case FT_ASSY_VG_S: return FAMILY_ASSY_PLUS_VG_S;
    default: return FAMILY_COUNT;
    }
}
