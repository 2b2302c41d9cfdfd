// Input: the first byte is the separator, the rest the text to cut.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "world/Split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = static_cast<char>(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> tokens = split(text, separator);

    std::string joined;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        FUZZ_CHECK(tokens[i].find(separator) == std::string::npos);
        if (i > 0) joined += separator;
        joined += tokens[i];
    }
    // Only a separator at the very end is lost; "" and "," differ in that
    // the first has no token and the second one empty token.
    const bool endsInSeparator = !text.empty() && text.back() == separator;
    FUZZ_CHECK(joined == (endsInSeparator ? text.substr(0, text.size() - 1) : text));
    FUZZ_CHECK(tokens.empty() == text.empty());
    return 0;
}
