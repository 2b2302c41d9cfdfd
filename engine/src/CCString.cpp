#include "cocos2d/CCString.h"

#include <cstdarg>

#include "Format.h"

namespace cocos2d {

__String* __String::createWithFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatVarArgs(format, args);
    va_end(args);
    return createWithInit<__String>(std::move(text));
}

bool __String::init(std::string text) {
    text_ = std::move(text);
    return true;
}

} // namespace cocos2d
