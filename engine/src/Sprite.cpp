#include "cocos2d/Sprite.h"

#include "Renderer.h"
#include "cocos2d/Texture2D.h"
#include "cocos2d/TextureCache.h"

namespace cocos2d {

Sprite::Sprite() = default;

Sprite::~Sprite() {
    if (texture_ != nullptr) texture_->release();
}

Sprite* Sprite::create() { return createWithInit<Sprite>(); }

Sprite* Sprite::create(const std::string& filename) {
    Sprite* sprite = createWithInit<Sprite>();
    if (sprite != nullptr) sprite->initWithFile(filename); // a failure leaves it empty, logged by the cache
    return sprite;
}

bool Sprite::init() {
    if (!Node::init()) return false;
    setAnchorPoint(Vec2::ANCHOR_MIDDLE);
    return true;
}

bool Sprite::initWithFile(const std::string& filename) {
    Texture2D* texture = TextureCache::getInstance().addImage(filename);
    if (texture == nullptr) return false;
    setTexture(texture);
    setFlippedX(false);
    return true;
}

void Sprite::setTexture(Texture2D* texture) {
    if (texture != nullptr) texture->retain();
    if (texture_ != nullptr) texture_->release();
    texture_ = texture;
    setContentSize(texture != nullptr ? texture->getContentSize() : Size::ZERO);
}

const std::string& Sprite::getFileName() const {
    static const std::string none;
    return texture_ != nullptr ? texture_->getPath() : none;
}

void Sprite::draw(Renderer& renderer, const Transform& transform, float opacity) {
    if (texture_ == nullptr) return;
    const Size& size = getContentSize();
    const Rect box(transform.translateX, transform.translateY, size.width * transform.scaleX,
                   size.height * transform.scaleY);
    renderer.drawTexture(*texture_, box, flippedX_, getColor(), opacity);
}

} // namespace cocos2d
