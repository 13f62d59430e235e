// Any bytes as a file whose text is replaced: the first line is the pattern, the second the
// replacement, the rest the file. Must return, never crash or hang.
#include "common/fuzz_util.h"
#include "helpers/value_readers.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzzutil::text(data, size);
    const size_t a = text.find('\n');
    if (a == std::string::npos) return 0;
    const size_t b = text.find('\n', a + 1);
    if (b == std::string::npos) return 0;
    const std::string pattern = text.substr(0, a), replacement = text.substr(a + 1, b - a - 1);
    const std::string path = fuzzutil::path("replace.txt");
    fuzzutil::write(path, data + b + 1, size - b - 1);
    file_replace_text(path.c_str(), pattern.c_str(), replacement.c_str());
    return 0;
}
