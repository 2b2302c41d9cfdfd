#pragma once
#include <memory>
#include <string>

#include "cocos2d/Geometry.h"
#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

// An image loaded into the renderer. Its size in pixels is its size in
// design points. Loaded and shared through the TextureCache.
class Texture2D : public Ref {
public:
    ~Texture2D() override;

    const Size& getContentSize() const { return size_; }
    // The resource path it was loaded from ("" for a rendered text).
    const std::string& getPath() const { return path_; }

    // Engine internal: the backend handle (an SDL texture).
    struct Backend;
    Backend* backend() const { return backend_.get(); }
    static Texture2D* createWithBackend(std::unique_ptr<Backend> backend, const Size& size, const std::string& path);

private:
    CC_CREATABLE;
    Texture2D();
    bool init(std::unique_ptr<Backend> backend, const Size& size, const std::string& path);

    std::unique_ptr<Backend> backend_;
    Size size_;
    std::string path_;
};

} // namespace cocos2d
