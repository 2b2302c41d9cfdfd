#pragma once
#include <string>

#include "cocos2d/GLView.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// The desktop window. `create` opens a resizable window titled `viewName`,
// 16:9, as large as fits the desktop comfortably.
class GLViewImpl : public GLView {
public:
    CC_CREATABLE;
    static GLViewImpl* create(const std::string& viewName);
    // A window of a given size (`rect`'s size, pixels).
    static GLViewImpl* createWithRect(const std::string& viewName, const Rect& rect);
    bool init(const std::string& viewName, const Size& frameSize);

protected:
    GLViewImpl() = default;
};

} // namespace cocos2d
