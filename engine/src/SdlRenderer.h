#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "Renderer.h"
#include "SdlHandles.h"
#include "cocos2d/GLView.h"

namespace cocos2d {

// The Renderer on an SDL_Renderer. Design points (y up) map onto the output
// (y down) by the view's resolution policy; with SHOW_ALL the design area is
// centred, scaled uniformly, and the bars stay black because every draw is
// clipped to the design area.
//
// Draws go straight to SDL (with SDL's batching on), so consecutive draws of
// one texture cost one queued command each and no state change.
class SdlRenderer final : public Renderer {
public:
    // Counted per frame, for benchmarks and tests.
    struct FrameStats {
        int drawCalls = 0;       // SDL draw submissions
        int textureSwitches = 0; // submissions whose texture differs from the one before
    };

    // `renderer` is weak: owned by the view, which outlives this object.
    explicit SdlRenderer(SDL_Renderer* renderer);
    ~SdlRenderer() override;
    SdlRenderer(const SdlRenderer&) = delete;
    SdlRenderer& operator=(const SdlRenderer&) = delete;

    void setDesignResolution(const Size& designSize, ResolutionPolicy policy);
    // Draws into `target` (weak) instead of the window; null: the window.
    void setRootTarget(SDL_Texture* target);
    SDL_Texture* getRootTarget() const { return rootTarget_; }
    // Picks up the output size (the window may have been resized) and starts
    // counting a new frame.
    void beginFrame();
    // Closes the frame's counts (see lastFrameStats).
    void endFrame();
    const FrameStats& lastFrameStats() const { return lastStats_; }
    const FrameStats& currentFrameStats() const { return stats_; }

    void clear(const Color3B& color) override;
    void drawTexture(Texture2D& texture, const Rect& box, bool flipX, const Color3B& tint, float opacity) override;
    void fillRect(const Rect& box, const Color3B& color, float opacity) override;
    void drawClipped(const std::function<void()>& drawStencil, const std::function<void()>& drawContent,
                     float alphaThreshold, bool inverted) override;

    // A pixel of the output → design point with y down (touch input).
    Vec2 pixelToView(float pixelX, float pixelY) const;
    // Where the design area lies on the output, pixels.
    const SDL_Rect& viewport() const { return viewport_; }
    SDL_Renderer* sdl() const { return sdl_; }
    // Whether the renderer blends masks on the GPU (else per pixel on the CPU).
    bool masksOnGpu() const { return gpuMasks_; }

private:
    struct Layer {
        SDL_Texture* texture; // weak: one of layerTargets_
        SDL_Point origin;     // output pixels
        SDL_Rect clip;        // output pixels
    };
    // One draw held back while recording, in output pixels; null texture:
    // a filled box.
    struct RecordedDraw {
        SDL_Texture* texture;
        SDL_FRect box;
        SDL_RendererFlip flip;
        Color3B color;
        std::uint8_t alpha;
        bool operator==(const RecordedDraw& o) const;
    };
    enum class Recording { NONE, STENCIL, CONTENT };
    // A stencil turned into kept / dropped pixels over `region`.
    struct Mask {
        SDL_Rect region;
        float threshold;
        bool inverted;
        std::vector<RecordedDraw> draws; // the stencil it was made from
        // The kept pixels as rectangles relative to `region`, when few
        // enough of them describe the mask (`byRects`).
        bool byRects = false;
        std::vector<SDL_Rect> rects;
        sdl::TexturePtr texture;         // white, alpha 255 where kept (GPU layer path)
        std::vector<std::uint8_t> alpha; // the same, one byte per pixel (CPU layer path)
    };

    SDL_FRect toOutput(const Rect& box, bool& mirrorX, bool& mirrorY) const;
    void submit(SDL_Texture* texture, const SDL_FRect& box, SDL_RendererFlip flip, const Color3B& color,
                std::uint8_t alpha);
    void updateMapping();
    const SDL_Rect& currentClip() const { return layers_.empty() ? viewport_ : layers_.back().clip; }
    SDL_Point currentOrigin() const { return layers_.empty() ? SDL_Point{0, 0} : layers_.back().origin; }
    void pushLayer(SDL_Texture* texture, const SDL_Rect& region);
    void popLayer();
    void applyTarget();
    SDL_Texture* layerTarget(std::size_t depth, int width, int height, int access);
    std::shared_ptr<const Mask> maskFor(const SDL_Rect& region, float threshold, bool inverted, std::vector<RecordedDraw>&& draws);
    void buildMask(Mask& mask);
    static void findRects(Mask& mask);
    void drawThroughRects(const std::vector<RecordedDraw>& draws, const Mask& mask);
    void drawLayered(const std::function<void()>& drawContent, const Mask& mask);
    void compositeOnGpu(SDL_Texture* content, const SDL_Rect& region, const Mask& mask);
    void compositeOnCpu(const SDL_Rect& region, const Mask& mask);

    SDL_Renderer* sdl_;
    SDL_Texture* rootTarget_ = nullptr;
    Size designSize_{1920.0f, 1080.0f};
    ResolutionPolicy policy_ = ResolutionPolicy::SHOW_ALL;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    float offsetX_ = 0.0f;
    float offsetY_ = 0.0f;
    SDL_Rect viewport_{0, 0, 0, 0};

    FrameStats stats_;
    FrameStats lastStats_;
    SDL_Texture* lastTexture_ = nullptr; // null also after any other state change
    Color3B lastTint_;
    std::uint8_t lastAlpha_ = 255;

    bool gpuMasks_ = false;
    SDL_BlendMode premultipliedBlend_;
    SDL_BlendMode maskBlend_;
    Recording recording_ = Recording::NONE;
    bool clipInsideContent_ = false; // seen while recording content
    std::vector<RecordedDraw> recorded_;
    std::vector<SDL_Vertex> vertices_;
    std::vector<int> indices_;
    std::vector<Layer> layers_;
    // Render targets per nesting depth (content and scratch layers), reused.
    std::vector<sdl::TexturePtr> layerTargets_;
    std::vector<sdl::TexturePtr> uploadTargets_;
    // Most recently used first; shared, as a clip nested in another may push
    // the outer one's mask out of the cache while it is still in use.
    std::vector<std::shared_ptr<Mask>> masks_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace cocos2d
