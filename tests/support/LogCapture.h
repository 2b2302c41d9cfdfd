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

    std::size_t countContaining(const std::string& text) const {
        std::size_t count = 0;
        for (const std::string& line : lines) count += line.find(text) != std::string::npos ? 1 : 0;
        return count;
    }

    std::vector<std::string> lines;

private:
    cocos2d::LogSink previous_;
};
