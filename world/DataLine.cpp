#include "world/DataLine.h"

#include <cstdarg>
#include <cstdio>
#include <set>
#include <utility>

#include "app/Common.h"
#include "world/Split.h"

DataLine::DataLine(std::string fileName, int index) : fileName_(std::move(fileName)), index_(index) {
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    // Checked first so that a missing file gives our one line, not the
    // engine's as well.
    if (!files->isFileExist(fileName_)) {
        if (firstNoticeOfMissing(fileName_)) report("the file is missing");
        return;
    }
    const std::vector<std::string> lines = split(files->getStringFromFile(fileName_), '\n');
    if (index_ < 0 || static_cast<std::size_t>(index_) >= lines.size()) {
        report("no such line, the file has %zu", lines.size());
        return;
    }
    text_ = lines[static_cast<std::size_t>(index_)];
    exists_ = true;
}

bool DataLine::firstNoticeOfMissing(const std::string& fileName) {
    // Keyed by folder as well: a folder that gains or loses files is another install.
    static std::set<std::string> noticed;
    return noticed.insert(cocos2d::FileUtils::getInstance()->getResourceRoot() + '\n' + fileName).second;
}

void DataLine::report(const char* format, ...) const {
    char what[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(what, sizeof what, format, arguments);
    va_end(arguments);
    cocos2d::log("%s line %d: %s", fileName_.c_str(), index_, what);
}

std::vector<std::string> DataLine::takeValues(const std::vector<std::string>& tokens, std::size_t& index,
                                              std::size_t count) const {
    const char key = tokens[index].empty() ? '?' : tokens[index][0];
    std::vector<std::string> values(count);
    for (std::string& value : values) {
        if (index + 1 >= tokens.size()) {
            report("\"%c\" needs %s", key, count == 1 ? "a value" : "two values");
            index = tokens.size();
            break;
        }
        value = tokens[++index];
    }
    return values;
}
