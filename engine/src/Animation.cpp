#include "cocos2d/Animation.h"

#include "cocos2d/Texture2D.h"
#include "cocos2d/TextureCache.h"

namespace cocos2d {

void Animation::addSpriteFrameWithFileName(const std::string& filename) {
    // The cache logs a missing file by name; the frame is simply left out.
    if (Texture2D* texture = TextureCache::getInstance().addImage(filename)) frames_.pushBack(texture);
}

} // namespace cocos2d
