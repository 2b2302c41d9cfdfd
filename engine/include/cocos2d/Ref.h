#pragma once

namespace cocos2d {

// Intrusive reference count shared by every engine object. A new object
// starts with one reference owned by its creator; `autorelease` hands that
// reference to the frame's pool, which releases it when the frame ends.
class Ref {
public:
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    virtual ~Ref();

    void retain();
    // Deletes the object when the last reference goes.
    void release();
    // Releases one reference at the end of the current frame. Returns this.
    Ref* autorelease();
    unsigned int getReferenceCount() const { return referenceCount_; }

    // Live engine objects in the process; tests use it to prove nothing leaks.
    static long liveObjectCount();

protected:
    Ref();

private:
    unsigned int referenceCount_ = 1;
};

} // namespace cocos2d
