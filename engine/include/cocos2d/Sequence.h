#pragma once
#include <vector>

#include "cocos2d/Action.h"
#include "cocos2d/Macros.h"
#include "cocos2d/Vector.h"

namespace cocos2d {

// Runs its actions one after the other; its duration is their sum. Holds a
// reference to each. Written like the classic call, with a trailing nullptr:
// Sequence::create(fadeOut, RemoveSelf::create(), nullptr).
class Sequence : public ActionInterval {
public:
    CC_CREATABLE;
    template <class... Rest>
    static Sequence* create(FiniteTimeAction* first, Rest... rest) {
        return createWithList({first, rest...});
    }
    // Null entries are ignored.
    static Sequence* createWithList(const std::vector<FiniteTimeAction*>& actions);
    bool init(const std::vector<FiniteTimeAction*>& actions);

    void startWithTarget(Node* target) override;
    void step(float dt) override;
    bool isDone() const override;
    void update(float t) override;
    void stop() override;

protected:
    Sequence() : ActionInterval(0.0f) {}

private:
    Vector<FiniteTimeAction*> actions_;
    std::size_t current_ = 0;
};

} // namespace cocos2d
