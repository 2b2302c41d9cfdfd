#include "cocos2d/Animate.h"

#include <algorithm>
#include <cmath>

#include "cocos2d/Animation.h"
#include "cocos2d/Sprite.h"
#include "cocos2d/Texture2D.h"

namespace cocos2d {

namespace {
// Progress × frame count lands on whole numbers at frame changes; summed
// float frame times may fall a hair short of them.
constexpr float kFrameTolerance = 1e-4f;
} // namespace

Animate* Animate::create(Animation* animation) { return createWithInit<Animate>(animation); }

bool Animate::init(Animation* animation) {
    if (animation == nullptr) return false;
    animation_ = animation;
    animation_->retain();
    setDuration(animation_->getDuration());
    return true;
}

Animate::~Animate() {
    if (originalFrame_ != nullptr) originalFrame_->release();
    if (animation_ != nullptr) animation_->release();
}

void Animate::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    // A restart inside a RepeatForever takes the frame shown now as the
    // new original.
    Texture2D* shown = nullptr;
    if (auto* sprite = dynamic_cast<Sprite*>(target)) shown = sprite->getTexture();
    if (shown != nullptr) shown->retain();
    if (originalFrame_ != nullptr) originalFrame_->release();
    originalFrame_ = shown;
    hasOriginalFrame_ = true;
    shownFrame_ = -1;
}

void Animate::update(float t) {
    auto* sprite = dynamic_cast<Sprite*>(getTarget());
    const Vector<Texture2D*>& frames = animation_->getFrames();
    if (sprite == nullptr || frames.empty()) return;
    const int count = static_cast<int>(frames.size());
    const int index = std::min(count - 1, static_cast<int>(std::floor(t * static_cast<float>(count) + kFrameTolerance)));
    if (index == shownFrame_) return;
    shownFrame_ = index;
    sprite->setTexture(frames.at(static_cast<std::size_t>(index)));
}

void Animate::stop() {
    auto* sprite = dynamic_cast<Sprite*>(getTarget());
    if (sprite != nullptr && hasOriginalFrame_ && animation_->getRestoreOriginalFrame()) {
        sprite->setTexture(originalFrame_);
    }
    if (originalFrame_ != nullptr) originalFrame_->release();
    originalFrame_ = nullptr;
    hasOriginalFrame_ = false;
    ActionInterval::stop();
}

} // namespace cocos2d
