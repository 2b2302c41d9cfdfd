#pragma once
#include <cstdint>

namespace cocos2d {

using GLubyte = std::uint8_t;

// An 8-bit RGB tint; white leaves a texture as drawn.
struct Color3B {
    GLubyte r = 255;
    GLubyte g = 255;
    GLubyte b = 255;

    constexpr Color3B() = default;
    constexpr Color3B(GLubyte r_, GLubyte g_, GLubyte b_) : r(r_), g(g_), b(b_) {}
    constexpr bool operator==(const Color3B& o) const { return r == o.r && g == o.g && b == o.b; }
    constexpr bool operator!=(const Color3B& o) const { return !(*this == o); }

    static const Color3B WHITE;
    static const Color3B BLACK;
    static const Color3B RED;
    static const Color3B GREEN;
    static const Color3B BLUE;
    static const Color3B YELLOW;
};

} // namespace cocos2d
