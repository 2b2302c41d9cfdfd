#pragma once
#include <functional>
#include <new>
#include <utility>

namespace cocos2d {

class Ref;

// A timed callback: a member function of a Ref subclass taking the frame time
// in seconds. Timers are keyed by (target, selector).
using SEL_SCHEDULE = void (Ref::*)(float);

// The two-phase creation every engine and game class uses: construct, run
// `init` with the arguments, autorelease on success; on failure delete and
// return null. This is the only place that allocates engine objects.
template <class T, class... Args>
T* createWithInit(Args&&... args) {
    T* object = new (std::nothrow) T();
    if (object != nullptr && object->init(std::forward<Args>(args)...)) {
        object->autorelease();
        return object;
    }
    delete object;
    return nullptr;
}

} // namespace cocos2d

#define CC_SCHEDULE_SELECTOR(_SELECTOR) static_cast<cocos2d::SEL_SCHEDULE>(&_SELECTOR)
#define CC_CALLBACK_2(_SELECTOR, _TARGET) \
    std::bind(&_SELECTOR, _TARGET, std::placeholders::_1, std::placeholders::_2)

// Lets `createWithInit` reach a protected constructor. Engine and game
// classes keep their constructors protected so that only `create` makes them.
#define CC_CREATABLE \
    template <class T_, class... A_> \
    friend T_* cocos2d::createWithInit(A_&&...)

// Declares `static T* create()` with the two-phase pattern around `init()`.
#define CREATE_FUNC(T) \
    CC_CREATABLE; \
    static T* create() { return cocos2d::createWithInit<T>(); }
