#pragma once
#include <functional>
#include <string>

namespace cocos2d {

// Writes one printf-style line to standard error.
void log(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Tests capture log lines: the sink receives each line without its line
// feed; an empty function restores standard error. Returns the previous sink.
using LogSink = std::function<void(const std::string&)>;
LogSink setLogSink(LogSink sink);

} // namespace cocos2d
