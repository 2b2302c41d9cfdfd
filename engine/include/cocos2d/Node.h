#pragma once
#include <string>
#include <vector>

#include "cocos2d/Color3B.h"
#include "cocos2d/Geometry.h"
#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"
#include "cocos2d/Transform.h"
#include "cocos2d/Vector.h"

namespace cocos2d {

class Action;
class Renderer;
class Scene;

// A node of the scene graph. Positions, sizes and boxes are in design points,
// in the parent's coordinate space (y up). A node holds a reference to each
// child; a child's pointer to its parent is weak.
//
// Updates, timers and actions of a node only run while the node is part of
// the running scene (between onEnter and onExit); scheduled before that, they
// wait. `cleanup` ends them for good.
class Node : public Ref {
public:
    CREATE_FUNC(Node)
    virtual bool init();

    // --- tree -----------------------------------------------------------
    // Equal z-orders draw in the order added; children with z below 0 draw
    // before their parent, the others after it.
    virtual void addChild(Node* child);
    virtual void addChild(Node* child, int localZOrder);
    virtual void addChild(Node* child, int localZOrder, int tag);
    virtual void removeChild(Node* child, bool cleanup = true);
    void removeFromParent();
    void removeFromParentAndCleanup(bool cleanup);
    virtual void removeAllChildren();
    void removeAllChildrenWithCleanup(bool cleanup);
    const Vector<Node*>& getChildren() const { return children_; }
    std::size_t getChildrenCount() const { return children_.size(); }
    Node* getParent() const { return parent_; }
    Node* getChildByTag(int tag) const;
    void setLocalZOrder(int z);
    int getLocalZOrder() const { return localZOrder_; }
    void setTag(int tag) { tag_ = tag; }
    int getTag() const { return tag_; }
    void setName(const std::string& name) { name_ = name; }
    const std::string& getName() const { return name_; }

    // --- geometry (design points, parent space) -------------------------
    virtual void setPosition(const Vec2& position);
    void setPosition(float x, float y);
    const Vec2& getPosition() const { return position_; }
    void setPositionX(float x);
    void setPositionY(float y);
    float getPositionX() const { return position_.x; }
    float getPositionY() const { return position_.y; }
    virtual void setAnchorPoint(const Vec2& anchor);
    const Vec2& getAnchorPoint() const { return anchorPoint_; }
    virtual void setContentSize(const Size& size);
    const Size& getContentSize() const { return contentSize_; }
    virtual void setScale(float scale);
    void setScale(float scaleX, float scaleY);
    virtual void setScaleX(float scaleX);
    virtual void setScaleY(float scaleY);
    // The x scale; meaningful when both scales are equal.
    float getScale() const { return scaleX_; }
    float getScaleX() const { return scaleX_; }
    float getScaleY() const { return scaleY_; }
    // The content rectangle moved by anchor, scale and position into the
    // parent's space. A negative scale mirrors the box about the anchor.
    Rect getBoundingBox() const;
    // Maps this node's local space to its parent's: translate by the
    // position, scale, minus anchor × content size.
    Transform getNodeToParentTransform() const;

    // --- look -----------------------------------------------------------
    virtual void setVisible(bool visible) { visible_ = visible; }
    bool isVisible() const { return visible_; }
    // 0 transparent .. 255 opaque; multiplies into every child's opacity.
    virtual void setOpacity(GLubyte opacity) { opacity_ = opacity; }
    GLubyte getOpacity() const { return opacity_; }
    // Tint multiplied into this node's own pixels (not its children's).
    virtual void setColor(const Color3B& color) { color_ = color; }
    const Color3B& getColor() const { return color_; }

    // --- actions --------------------------------------------------------
    // The action manager holds a reference to a running action until it is
    // done or stopped; returns the action.
    Action* runAction(Action* action);
    void stopAction(Action* action);
    void stopAllActions();
    std::size_t getNumberOfRunningActions() const;

    // --- scheduling -----------------------------------------------------
    // Calls `update` once per frame, in scheduling order, while running.
    void scheduleUpdate();
    void unscheduleUpdate();
    // Repeating timer every `interval` seconds (0: every frame). Scheduling
    // a selector that is already scheduled only changes its interval and
    // keeps the elapsed time of the running timer.
    void schedule(SEL_SCHEDULE selector, float interval);
    // One-shot timer firing once after `delay` seconds.
    void scheduleOnce(SEL_SCHEDULE selector, float delay);
    void unschedule(SEL_SCHEDULE selector);
    void unscheduleAllCallbacks();
    bool isScheduled(SEL_SCHEDULE selector) const;
    // Per-frame callback; `dt` is the frame time in seconds.
    virtual void update(float dt);

    // --- lifecycle ------------------------------------------------------
    // Called when the node becomes part of the running scene; resumes its
    // updates, timers and actions. Overrides must call the base.
    virtual void onEnter();
    // Called when the node leaves the running scene; pauses them.
    virtual void onExit();
    // Ends updates, timers, actions and touch listeners of this node and its
    // children for good (removal with cleanup, scene replacement).
    virtual void cleanup();
    bool isRunning() const { return running_; }

    // --- drawing (engine internal) ---------------------------------------
    // Draws this subtree; `parentTransform` maps this node's parent space to
    // the screen and `parentOpacity` is the inherited opacity (0..1).
    virtual void visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity);
    // Draws this node's own content in its local space.
    virtual void draw(Renderer& renderer, const Transform& transform, float opacity);
    // Children sorted by z-order then insertion order (stable).
    void sortAllChildren();

    ~Node() override;

protected:
    Node();

private:
    void insertChild(Node* child, int localZOrder);
    void setParent(Node* parent) { parent_ = parent; }

    Node* parent_ = nullptr;
    Vector<Node*> children_;
    bool childrenDirty_ = false;
    unsigned long orderOfArrival_ = 0;
    int localZOrder_ = 0;
    int tag_ = -1;
    std::string name_;

    Vec2 position_;
    Vec2 anchorPoint_;
    Size contentSize_;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    bool visible_ = true;
    GLubyte opacity_ = 255;
    Color3B color_;
    bool running_ = false;
};

} // namespace cocos2d
