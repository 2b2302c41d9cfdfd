#include "frontend/StageItem.h"

#include <cstdlib>
#include <vector>

#include "world/DataLine.h"
#include "world/Split.h"

namespace {

const char* const STAGE_LIST_FILE = "Select/Data.txt";
// The size of the shipped board pictures, in design points.
const cocos2d::Size BOARD_SIZE(800, 560);

} // namespace

StageItem* StageItem::create(int index) {
    return cocos2d::createWithInit<StageItem>(index);
}

bool StageItem::init(int index) {
    if (!Sprite::init()) return false;
    if (index == RANDOM_ENTRY_INDEX) {
        makeRandomEntry();
    } else {
        loadEntry(index);
    }
    // A board whose picture is missing stays invisible but keeps a board's
    // box: the wheel still selects it and a tap on it still starts a stage,
    // where an empty box could never be hit.
    if (getContentSize() == cocos2d::Size::ZERO) setContentSize(BOARD_SIZE);
    cocos2d::log("getStageItem");
    return true;
}

void StageItem::makeRandomEntry() {
    paramL = 0;
    paramW = 0;
    comment = "random";
    initWithFile("random.png");
}

void StageItem::loadEntry(int index) {
    const DataLine line(STAGE_LIST_FILE, index);
    const std::vector<std::string> fields = split(line.text(), ',');
    // Fields pair up as key and value. A field that is no key is skipped on
    // its own; a key always takes the next field, whatever it holds.
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const char key = fields[i].empty() ? '\0' : fields[i][0];
        if (key != 'L' && key != 'W' && key != 'T' && key != 'S') continue;
        const bool hasValue = i + 1 < fields.size();
        const std::string value = line.takeValues(fields, i, 1)[0];
        if (key == 'L') {
            paramL = std::atoi(value.c_str());
        } else if (key == 'W') {
            paramW = std::atoi(value.c_str());
        } else if (key == 'T') {
            // A missing name is already reported; loading "" would report it again.
            if (hasValue) initWithFile(value);
        } else {
            for (const std::string& row : split(value, '@')) comment += row + "\n";
        }
    }
}
