#pragma once
#include "cocos2d/Node.h"

namespace cocos2d {

// Draws its children only where its stencil node's pixels have an alpha
// above the threshold (or, inverted, where they do not). The stencil itself
// is never shown; it is positioned in the clipping node's space and runs its
// actions while the clipping node runs. Without a stencil nothing shows
// (everything, inverted).
class ClippingNode : public Node {
public:
    CREATE_FUNC(ClippingNode)
    bool init() override;

    void setStencil(Node* stencil);
    Node* getStencil() const { return stencil_; }
    // 0..1; the default 1 keeps every pixel the stencil draws.
    void setAlphaThreshold(float threshold) { alphaThreshold_ = threshold; }
    float getAlphaThreshold() const { return alphaThreshold_; }
    void setInverted(bool inverted) { inverted_ = inverted; }
    bool isInverted() const { return inverted_; }

    void visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity) override;
    void onEnter() override;
    void onExit() override;
    void cleanup() override;

    ~ClippingNode() override;

protected:
    ClippingNode();

private:
    Node* stencil_ = nullptr; // retained
    float alphaThreshold_ = 1.0f;
    bool inverted_ = false;
};

} // namespace cocos2d
