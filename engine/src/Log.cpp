#include "cocos2d/Log.h"

#include <cstdarg>
#include <cstdio>

#include "Format.h"

namespace cocos2d {

namespace {
LogSink& currentSink() {
    static LogSink sink;
    return sink;
}
} // namespace

void log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string line = formatVarArgs(format, args);
    va_end(args);
    // One line per call: a trailing line feed in the format is not doubled.
    if (!line.empty() && line.back() == '\n') line.pop_back();
    const LogSink& sink = currentSink();
    if (sink) {
        sink(line);
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

LogSink setLogSink(LogSink sink) {
    LogSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

} // namespace cocos2d
