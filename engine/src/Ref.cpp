#include "cocos2d/Ref.h"

#include <cassert>

#include "cocos2d/AutoreleasePool.h"

namespace cocos2d {

namespace {
// Single-threaded engine: a plain counter is enough.
long liveObjects = 0;
} // namespace

Ref::Ref() { ++liveObjects; }

Ref::~Ref() { --liveObjects; }

void Ref::retain() {
    assert(referenceCount_ > 0 && "retain of a released object");
    ++referenceCount_;
}

void Ref::release() {
    assert(referenceCount_ > 0 && "release of a released object");
    if (--referenceCount_ == 0) delete this;
}

Ref* Ref::autorelease() {
    AutoreleasePool::getInstance().addObject(this);
    return this;
}

long Ref::liveObjectCount() { return liveObjects; }

} // namespace cocos2d
