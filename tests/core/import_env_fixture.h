// Components and the internal-force tool in a scratch environment, for the import tests.
#pragma once
#include "../environment/tool_fixture.h"
#include "import_fixture.h"
#include "platform/os/calllog.h"

#include <string>

namespace importfix {

// A component of the scratch environment whose export file holds the two cuts and the five rows.
inline void put_component(const toolfix::ScratchEnvironment& env, const std::string& name)
{
    testutil::write_file(env.components() + "/" + name + ".EX2", component_export(two_cuts(), {2, 3}, five_rows()));
}

inline bool tool_started(const toolfix::ScratchEnvironment& env)
{
    return calllog::contains("VYKSpawnv: 1 " + env.exec() + "/Trobavex ");
}

} // namespace importfix
