#pragma once
#include <string>

#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"
#include "cocos2d/Vector.h"

namespace cocos2d {

class Texture2D;

// A list of image frames shown for `delayPerUnit` seconds each.
class Animation : public Ref {
public:
    CREATE_FUNC(Animation)
    bool init() { return true; }

    // Loads the image (a resource path) through the texture cache; a missing
    // file logs its name and adds no frame.
    void addSpriteFrameWithFileName(const std::string& filename);
    void setDelayPerUnit(float seconds) { delayPerUnit_ = seconds; }
    float getDelayPerUnit() const { return delayPerUnit_; }
    // When true, an Animate that ends or is stopped on its own shows the image
    // the sprite had before it started.
    void setRestoreOriginalFrame(bool restore) { restoreOriginalFrame_ = restore; }
    bool getRestoreOriginalFrame() const { return restoreOriginalFrame_; }
    const Vector<Texture2D*>& getFrames() const { return frames_; }
    float getDuration() const { return delayPerUnit_ * static_cast<float>(frames_.size()); }

protected:
    Animation() = default;

private:
    Vector<Texture2D*> frames_;
    float delayPerUnit_ = 0.0f;
    bool restoreOriginalFrame_ = false;
};

} // namespace cocos2d
