#pragma once
#include <cstdarg>
#include <string>

namespace cocos2d {

// Engine internal: printf-style formatting into a string of any length.
std::string formatVarArgs(const char* format, va_list args);

} // namespace cocos2d
