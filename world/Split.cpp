#include "world/Split.h"

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> tokens;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type end = text.find(separator, start);
        if (end == std::string::npos) {
            tokens.push_back(text.substr(start));
            break;
        }
        tokens.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}
