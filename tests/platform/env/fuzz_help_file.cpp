// Any bytes as the help file: topics are looked up in it. Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "platform/env/vyk_help.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool bound = [] {
        Init_Helpview(fuzzutil::scratch().c_str(), "HELP.HLP");
        return true;
    }();
    (void)bound;
    fuzzutil::write(fuzzutil::path("HELP.HLP"), data, size);
    // the shipped topic, no topic, and the first line's word as a topic
    const std::string text = fuzzutil::text(data, size);
    const std::string first = text.substr(0, text.find('\n'));
    for (const std::string& topic : {std::string("haupt"), std::string(), first.size() > 7 ? first.substr(7) : first})
        (void)Helpview_topic_text(topic.c_str());
    return 0;
}
