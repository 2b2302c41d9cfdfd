#include <gtest/gtest.h>

#include "cocos2d.h"

using namespace cocos2d;

TEST(LogTest, EachCallIsOneLineGivenToTheSink) {
    std::vector<std::string> lines;
    LogSink previous = setLogSink([&lines](const std::string& line) { lines.push_back(line); });
    log("%d hit!", 3);
    log("with its own line feed\n");
    log("[%f],[%f]", 1.5, 2.0);
    setLogSink(previous);
    EXPECT_EQ(lines, (std::vector<std::string>{"3 hit!", "with its own line feed", "[1.500000],[2.000000]"}));
}

TEST(LogTest, StringCreateWithFormatMakesAnAutoreleasedString) {
    const std::string longText(5000, 'x');
    __String* text = __String::createWithFormat("background_%d.png %s", 12, longText.c_str());
    EXPECT_EQ(std::string(text->getCString()), "background_12.png " + longText);
    EXPECT_TRUE(AutoreleasePool::getInstance().contains(text));
    AutoreleasePool::getInstance().clear();
}
