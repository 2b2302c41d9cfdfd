#pragma once
#include <string>

#include "cocos2d/Node.h"

namespace cocos2d {

class Texture2D;

// A node that draws one image, its content size the image's size, anchored
// at its centre by default.
class Sprite : public Node {
public:
    CC_CREATABLE;
    // An empty sprite: no image, zero size; draws nothing.
    static Sprite* create();
    // A sprite showing the image of `filename`. When the file cannot be
    // loaded the texture cache logs its name and this returns an empty sprite
    // (as `create()`) rather than null, so a missing asset shows nothing
    // instead of crashing the callers that use the result unchecked.
    static Sprite* create(const std::string& filename);

    bool init() override;
    // Shows the image of `filename` (a path relative to the resource folder):
    // the content size becomes the image's; position, anchor, scale, colour and
    // opacity stay; the horizontal flip is cleared. A missing file returns
    // false, logs the name and leaves the sprite as it was, still drawable.
    virtual bool initWithFile(const std::string& filename);

    // Shows a texture (shared, retained) with its full size as content size;
    // null clears it (zero size, draws nothing).
    void setTexture(Texture2D* texture);
    Texture2D* getTexture() const { return texture_; }
    // The resource path of the shown image, "" when none.
    const std::string& getFileName() const;

    // Mirrors the drawn image only; the bounding box is unchanged.
    void setFlippedX(bool flipped) { flippedX_ = flipped; }
    void setFlipX(bool flipped) { setFlippedX(flipped); }
    bool isFlippedX() const { return flippedX_; }

    void draw(Renderer& renderer, const Transform& transform, float opacity) override;

    ~Sprite() override;

protected:
    Sprite();

private:
    Texture2D* texture_ = nullptr;
    bool flippedX_ = false;
};

} // namespace cocos2d
