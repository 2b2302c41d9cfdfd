#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cocos2d/Color3B.h"
#include "cocos2d/Geometry.h"

namespace cocos2d {
class GLView;
class Scene;
} // namespace cocos2d

namespace cocos2d::testing {

// RGBA pixels read back from the window, rows from the top.
// `colorAt` and `alphaAt` assume the harness's 1920 × 1080 SHOW_ALL mapping;
// points outside the design area read its nearest edge.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    // The pixel under a design point (y up).
    Color3B colorAt(const Vec2& designPoint) const;
    std::uint8_t alphaAt(const Vec2& designPoint) const;
    bool savePng(const std::string& path) const;
};

// Runs the director headless: SDL's offscreen video driver and dummy audio
// (unless the environment names others), a window of `frameSize` pixels
// showing the 1920 × 1080 design area whole; `resourceRoot`, when given,
// becomes the resource folder.
// Frames advance only when a test steps them, with a fixed frame time.
// Destroying the harness ends the director and frees every engine object.
class Headless {
public:
    explicit Headless(const Size& frameSize = Size(960, 540), const std::string& resourceRoot = "");
    ~Headless();
    Headless(const Headless&) = delete;
    Headless& operator=(const Headless&) = delete;

    void runWithScene(Scene* scene);
    // Runs `frames` whole frames of `dt` seconds each.
    void step(int frames = 1, float dt = 1.0f / 60.0f);

    // Touches at design points (y up), delivered at once as the window
    // would deliver them before the next frame.
    void touchBegan(const Vec2& designPoint, int touchId = 0);
    void touchMoved(const Vec2& designPoint, int touchId = 0);
    void touchEnded(const Vec2& designPoint, int touchId = 0);

    // The frame drawn by the latest step.
    Image capture() const;

private:
    GLView* view_ = nullptr; // retained
};

} // namespace cocos2d::testing
