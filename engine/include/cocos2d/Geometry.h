#pragma once
// Plain geometry values in design points (y up unless a name says otherwise).

namespace cocos2d {

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    constexpr Vec2() = default;
    constexpr Vec2(float x_, float y_) : x(x_), y(y_) {}

    constexpr Vec2 operator+(const Vec2& o) const { return {x + o.x, y + o.y}; }
    constexpr Vec2 operator-(const Vec2& o) const { return {x - o.x, y - o.y}; }
    constexpr Vec2 operator*(float s) const { return {x * s, y * s}; }
    constexpr Vec2 operator/(float s) const { return {x / s, y / s}; }
    Vec2& operator+=(const Vec2& o) { x += o.x; y += o.y; return *this; }
    Vec2& operator-=(const Vec2& o) { x -= o.x; y -= o.y; return *this; }
    constexpr bool operator==(const Vec2& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const Vec2& o) const { return !(*this == o); }

    static const Vec2 ZERO;
    // Anchor points: fractions of a node's content size.
    static const Vec2 ANCHOR_MIDDLE;
    static const Vec2 ANCHOR_BOTTOM_LEFT;
    static const Vec2 ANCHOR_TOP_LEFT;
    static const Vec2 ANCHOR_BOTTOM_RIGHT;
    static const Vec2 ANCHOR_TOP_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_LEFT;
    static const Vec2 ANCHOR_MIDDLE_RIGHT;
    static const Vec2 ANCHOR_MIDDLE_TOP;
    static const Vec2 ANCHOR_MIDDLE_BOTTOM;
};

struct Size {
    float width = 0.0f;
    float height = 0.0f;

    constexpr Size() = default;
    constexpr Size(float w, float h) : width(w), height(h) {}
    constexpr bool operator==(const Size& o) const { return width == o.width && height == o.height; }
    constexpr bool operator!=(const Size& o) const { return !(*this == o); }

    static const Size ZERO;
};

struct Rect {
    Vec2 origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(float x, float y, float w, float h) : origin(x, y), size(w, h) {}

    constexpr float getMinX() const { return origin.x; }
    constexpr float getMaxX() const { return origin.x + size.width; }
    constexpr float getMidX() const { return origin.x + size.width / 2.0f; }
    constexpr float getMinY() const { return origin.y; }
    constexpr float getMaxY() const { return origin.y + size.height; }
    constexpr float getMidY() const { return origin.y + size.height / 2.0f; }

    // Edges count as inside: a point on the border is contained.
    constexpr bool containsPoint(const Vec2& p) const {
        return p.x >= getMinX() && p.x <= getMaxX() && p.y >= getMinY() && p.y <= getMaxY();
    }
    // Rectangles that only touch along an edge intersect.
    constexpr bool intersectsRect(const Rect& r) const {
        return !(getMaxX() < r.getMinX() || r.getMaxX() < getMinX() || getMaxY() < r.getMinY() ||
                 r.getMaxY() < getMinY());
    }
    constexpr bool equals(const Rect& r) const { return origin == r.origin && size == r.size; }

    static const Rect ZERO;
};

} // namespace cocos2d
