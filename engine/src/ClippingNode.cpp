#include "cocos2d/ClippingNode.h"

#include "Renderer.h"

namespace cocos2d {

ClippingNode::ClippingNode() = default;

ClippingNode::~ClippingNode() {
    if (stencil_ != nullptr) stencil_->release();
}

bool ClippingNode::init() { return Node::init(); }

void ClippingNode::setStencil(Node* stencil) {
    if (stencil == stencil_) return;
    if (stencil != nullptr) stencil->retain();
    if (stencil_ != nullptr) {
        if (isRunning()) stencil_->onExit();
        stencil_->release();
    }
    stencil_ = stencil;
    if (stencil_ != nullptr && isRunning()) stencil_->onEnter();
}

void ClippingNode::onEnter() {
    Node::onEnter();
    if (stencil_ != nullptr) stencil_->onEnter();
}

void ClippingNode::onExit() {
    if (stencil_ != nullptr) stencil_->onExit();
    Node::onExit();
}

void ClippingNode::cleanup() {
    if (stencil_ != nullptr) stencil_->cleanup();
    Node::cleanup();
}

void ClippingNode::visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity) {
    if (!isVisible()) return;
    const Transform transform = parentTransform.then(getNodeToParentTransform());
    renderer.drawClipped(
        [&] {
            // Only the stencil's own opacity counts towards its alpha.
            if (stencil_ != nullptr) stencil_->visit(renderer, transform, 1.0f);
        },
        [&] { Node::visit(renderer, parentTransform, parentOpacity); }, alphaThreshold_, inverted_);
}

} // namespace cocos2d
