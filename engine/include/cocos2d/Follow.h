#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Geometry.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Moves its target (a layer) every frame so that `followed`, a node inside
// it, stands at the centre of the screen. Rect::ZERO means no bounds. Never
// ends on its own.
class Follow : public Action {
public:
    CC_CREATABLE;
    static Follow* create(Node* followed, const Rect& boundary = Rect::ZERO);
    bool init(Node* followed, const Rect& boundary);

    void step(float dt) override;
    bool isDone() const override;
    ~Follow() override;

protected:
    Follow() = default;

private:
    Node* followed_ = nullptr; // retained
    Rect boundary_;
};

} // namespace cocos2d
