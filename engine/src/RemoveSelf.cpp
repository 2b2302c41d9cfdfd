#include "cocos2d/RemoveSelf.h"

#include "cocos2d/Node.h"

namespace cocos2d {

RemoveSelf* RemoveSelf::create() { return createWithInit<RemoveSelf>(); }

void RemoveSelf::execute() {
    if (Node* target = getTarget()) target->removeFromParentAndCleanup(true);
}

} // namespace cocos2d
