#include "cocos2d/AutoreleasePool.h"

#include <algorithm>

#include "cocos2d/Ref.h"

namespace cocos2d {

AutoreleasePool& AutoreleasePool::getInstance() {
    static AutoreleasePool pool;
    return pool;
}

void AutoreleasePool::addObject(Ref* object) { objects_.push_back(object); }

void AutoreleasePool::clear() {
    // A destructor may autorelease again; those go into the next round.
    while (!objects_.empty()) {
        std::vector<Ref*> batch;
        batch.swap(objects_);
        for (Ref* object : batch) object->release();
    }
}

bool AutoreleasePool::contains(const Ref* object) const {
    return std::find(objects_.begin(), objects_.end(), object) != objects_.end();
}

} // namespace cocos2d
