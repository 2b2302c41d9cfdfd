#pragma once
// Collects the engine's log lines while it lives.
#include <string>
#include <vector>

#include "cocos2d/Log.h"

class LogCapture {
public:
    LogCapture() {
        previous_ = cocos2d::setLogSink([this](const std::string& line) { lines.push_back(line); });
    }
    ~LogCapture() { cocos2d::setLogSink(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines;

private:
    cocos2d::LogSink previous_;
};
