#include "SdlRenderer.h"

#include <algorithm>
#include <cmath>

#include "TextureBackend.h"
#include "cocos2d/Log.h"

namespace cocos2d {

namespace {

// How many distinct stencils keep their mask between frames.
constexpr std::size_t MASK_CACHE_SIZE = 4;

std::uint8_t toAlpha(float opacity) {
    if (!(opacity > 0.0f)) return 0;
    if (opacity >= 1.0f) return 255;
    return static_cast<std::uint8_t>(std::lround(opacity * 255.0f));
}

bool intersects(const SDL_FRect& box, const SDL_Rect& clip) {
    return box.x < static_cast<float>(clip.x + clip.w) && box.x + box.w > static_cast<float>(clip.x) &&
           box.y < static_cast<float>(clip.y + clip.h) && box.y + box.h > static_cast<float>(clip.y);
}

SDL_Rect intersection(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect result{0, 0, 0, 0};
    if (SDL_IntersectRect(&a, &b, &result) == SDL_FALSE) return SDL_Rect{0, 0, 0, 0};
    return result;
}

} // namespace

bool SdlRenderer::RecordedDraw::operator==(const RecordedDraw& o) const {
    return texture == o.texture && box.x == o.box.x && box.y == o.box.y && box.w == o.box.w && box.h == o.box.h &&
           flip == o.flip && color == o.color && alpha == o.alpha;
}

SdlRenderer::SdlRenderer(SDL_Renderer* renderer) : sdl_(renderer) {
    // Layers hold premultiplied colour (drawing with normal blending onto a
    // transparent target multiplies by alpha), so they go back with this.
    premultipliedBlend_ =
        SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
                                   SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
    // Multiplies the destination (colour and alpha) by the mask's alpha.
    maskBlend_ = SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
                                            SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
    // The software renderer knows only the standard blend modes; it masks on
    // the CPU instead.
    sdl::TexturePtr probe(SDL_CreateTexture(sdl_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET, 1, 1));
    gpuMasks_ = probe != nullptr && SDL_SetTextureBlendMode(probe.get(), premultipliedBlend_) == 0 &&
                SDL_SetTextureBlendMode(probe.get(), maskBlend_) == 0;
    updateMapping();
}

SdlRenderer::~SdlRenderer() = default;

// --- mapping ---------------------------------------------------------------

void SdlRenderer::setDesignResolution(const Size& designSize, ResolutionPolicy policy) {
    designSize_ = designSize;
    policy_ = policy;
    if (layers_.empty()) updateMapping();
}

void SdlRenderer::setRootTarget(SDL_Texture* target) {
    rootTarget_ = target;
    layers_.clear();
    applyTarget();
    updateMapping();
}

void SdlRenderer::updateMapping() {
    int outputW = 0;
    int outputH = 0;
    if (rootTarget_ != nullptr) {
        SDL_QueryTexture(rootTarget_, nullptr, nullptr, &outputW, &outputH);
    } else if (SDL_GetRendererOutputSize(sdl_, &outputW, &outputH) != 0) {
        return;
    }
    const float designW = std::max(designSize_.width, 1.0f);
    const float designH = std::max(designSize_.height, 1.0f);
    if (policy_ == ResolutionPolicy::EXACT_FIT) {
        scaleX_ = static_cast<float>(outputW) / designW;
        scaleY_ = static_cast<float>(outputH) / designH;
        offsetX_ = 0.0f;
        offsetY_ = 0.0f;
        viewport_ = SDL_Rect{0, 0, outputW, outputH};
    } else {
        const float scale = std::min(static_cast<float>(outputW) / designW, static_cast<float>(outputH) / designH);
        scaleX_ = scale;
        scaleY_ = scale;
        const int shownW = static_cast<int>(std::lround(designW * scale));
        const int shownH = static_cast<int>(std::lround(designH * scale));
        // Whole-pixel offsets keep the bars crisp.
        viewport_ = SDL_Rect{(outputW - shownW) / 2, (outputH - shownH) / 2, shownW, shownH};
        offsetX_ = static_cast<float>(viewport_.x);
        offsetY_ = static_cast<float>(viewport_.y);
    }
    SDL_RenderSetClipRect(sdl_, &viewport_);
}

Vec2 SdlRenderer::pixelToView(float pixelX, float pixelY) const {
    return Vec2((pixelX - offsetX_) / scaleX_, (pixelY - offsetY_) / scaleY_);
}

SDL_FRect SdlRenderer::toOutput(const Rect& box, bool& mirrorX, bool& mirrorY) const {
    float left = box.origin.x;
    float right = left + box.size.width;
    float bottom = box.origin.y;
    float top = bottom + box.size.height;
    mirrorX = right < left;
    mirrorY = top < bottom;
    if (mirrorX) std::swap(left, right);
    if (mirrorY) std::swap(bottom, top);
    return SDL_FRect{offsetX_ + left * scaleX_, offsetY_ + (designSize_.height - top) * scaleY_,
                     (right - left) * scaleX_, (top - bottom) * scaleY_};
}

// --- frames ----------------------------------------------------------------

void SdlRenderer::beginFrame() {
    layers_.clear();
    applyTarget();
    updateMapping();
    stats_ = FrameStats();
    lastTexture_ = nullptr;
}

void SdlRenderer::endFrame() {
    lastStats_ = stats_;
    stats_ = FrameStats();
    lastTexture_ = nullptr;
}

void SdlRenderer::clear(const Color3B& color) {
    if (layers_.empty()) updateMapping();
    SDL_SetRenderDrawColor(sdl_, 0, 0, 0, 255);
    SDL_RenderClear(sdl_); // the whole output, bars included
    if (color != Color3B::BLACK) {
        SDL_SetRenderDrawBlendMode(sdl_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(sdl_, color.r, color.g, color.b, 255);
        SDL_RenderFillRect(sdl_, &viewport_);
    }
}

// --- drawing ---------------------------------------------------------------

void SdlRenderer::drawTexture(Texture2D& texture, const Rect& box, bool flipX, const Color3B& tint, float opacity) {
    const std::uint8_t alpha = toAlpha(opacity);
    if (alpha == 0) return;
    bool mirrorX = false;
    bool mirrorY = false;
    const SDL_FRect out = toOutput(box, mirrorX, mirrorY);
    if (out.w <= 0.0f || out.h <= 0.0f || !intersects(out, currentClip())) return;
    SDL_Texture* sdlTexture = texture.backend()->textureFor(sdl_);
    if (sdlTexture == nullptr) return;
    int flip = SDL_FLIP_NONE;
    if (flipX != mirrorX) flip |= SDL_FLIP_HORIZONTAL;
    if (mirrorY) flip |= SDL_FLIP_VERTICAL;
    submit(sdlTexture, out, static_cast<SDL_RendererFlip>(flip), tint, alpha);
}

void SdlRenderer::fillRect(const Rect& box, const Color3B& color, float opacity) {
    const std::uint8_t alpha = toAlpha(opacity);
    if (alpha == 0) return;
    bool mirrorX = false;
    bool mirrorY = false;
    const SDL_FRect out = toOutput(box, mirrorX, mirrorY);
    if (out.w <= 0.0f || out.h <= 0.0f || !intersects(out, currentClip())) return;
    submit(nullptr, out, SDL_FLIP_NONE, color, alpha);
}

void SdlRenderer::submit(SDL_Texture* texture, const SDL_FRect& box, SDL_RendererFlip flip, const Color3B& color,
                         std::uint8_t alpha) {
    if (recording_ != Recording::NONE) {
        recorded_.push_back(RecordedDraw{texture, box, flip, color, alpha});
        return;
    }
    const SDL_Point origin = currentOrigin();
    const SDL_FRect local{box.x - static_cast<float>(origin.x), box.y - static_cast<float>(origin.y), box.w, box.h};
    const bool sameTexture = texture == lastTexture_;
    if (!sameTexture) ++stats_.textureSwitches;
    lastTexture_ = texture;
    ++stats_.drawCalls;
    if (texture == nullptr) {
        SDL_SetRenderDrawBlendMode(sdl_, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(sdl_, color.r, color.g, color.b, alpha);
        SDL_RenderFillRectF(sdl_, &local);
        return;
    }
    // Runs of one texture in one tint (rain) skip restating it; only this
    // renderer sets texture modulation.
    if (!sameTexture || color != lastTint_ || alpha != lastAlpha_) {
        SDL_SetTextureColorMod(texture, color.r, color.g, color.b);
        SDL_SetTextureAlphaMod(texture, alpha);
        lastTint_ = color;
        lastAlpha_ = alpha;
    }
    if (flip == SDL_FLIP_NONE) {
        SDL_RenderCopyF(sdl_, texture, nullptr, &local);
    } else {
        SDL_RenderCopyExF(sdl_, texture, nullptr, &local, 0.0, nullptr, flip);
    }
}

// --- layers ----------------------------------------------------------------

void SdlRenderer::applyTarget() {
    SDL_SetRenderTarget(sdl_, layers_.empty() ? rootTarget_ : layers_.back().texture);
    const SDL_Point origin = currentOrigin();
    SDL_Rect clip = currentClip();
    clip.x -= origin.x;
    clip.y -= origin.y;
    SDL_RenderSetClipRect(sdl_, &clip);
    lastTexture_ = nullptr;
}

void SdlRenderer::pushLayer(SDL_Texture* texture, const SDL_Rect& region) {
    layers_.push_back(Layer{texture, SDL_Point{region.x, region.y}, region});
    applyTarget();
    SDL_SetRenderDrawColor(sdl_, 0, 0, 0, 0);
    SDL_RenderClear(sdl_);
}

void SdlRenderer::popLayer() {
    layers_.pop_back();
    applyTarget();
}

SDL_Texture* SdlRenderer::layerTarget(std::size_t depth, int width, int height, int access) {
    auto& pool = access == SDL_TEXTUREACCESS_TARGET ? layerTargets_ : uploadTargets_;
    if (pool.size() <= depth) pool.resize(depth + 1);
    sdl::TexturePtr& slot = pool[depth];
    int w = 0;
    int h = 0;
    if (slot != nullptr) SDL_QueryTexture(slot.get(), nullptr, nullptr, &w, &h);
    if (slot == nullptr || w < width || h < height) {
        slot.reset(SDL_CreateTexture(sdl_, SDL_PIXELFORMAT_RGBA32, access, std::max(width, w), std::max(height, h)));
        if (slot == nullptr) log("Renderer: cannot make a %dx%d layer: %s", width, height, SDL_GetError());
    }
    return slot.get();
}

// --- clipping --------------------------------------------------------------

void SdlRenderer::drawClipped(const std::function<void()>& drawStencil, const std::function<void()>& drawContent,
                              float alphaThreshold, bool inverted) {
    if (recording_ != Recording::NONE) {
        // Inside a stencil: its content counts unmasked. Inside recorded
        // content: the outer clip falls back to layers (see below).
        if (recording_ == Recording::CONTENT) clipInsideContent_ = true;
        drawContent();
        return;
    }
    recorded_.clear();
    recording_ = Recording::STENCIL;
    drawStencil();
    recording_ = Recording::NONE;
    std::vector<RecordedDraw> draws = std::move(recorded_);
    recorded_.clear();

    // Only the stencil's extent can show content (all of the clip, inverted).
    SDL_Rect region = currentClip();
    if (!inverted) {
        SDL_Rect extent{0, 0, 0, 0};
        for (const RecordedDraw& draw : draws) {
            const int x0 = static_cast<int>(std::floor(draw.box.x));
            const int y0 = static_cast<int>(std::floor(draw.box.y));
            const SDL_Rect box{x0, y0, static_cast<int>(std::ceil(draw.box.x + draw.box.w)) - x0,
                               static_cast<int>(std::ceil(draw.box.y + draw.box.h)) - y0};
            if (extent.w == 0) {
                extent = box;
            } else {
                SDL_UnionRect(&extent, &box, &extent);
            }
        }
        region = intersection(region, extent);
    }
    if (region.w <= 0 || region.h <= 0) return;

    const std::shared_ptr<const Mask> mask = maskFor(region, alphaThreshold, inverted, std::move(draws));
    if (mask == nullptr) return;
    if (mask->byRects) {
        // Most masks are a few rectangles (rounded corners add a row each):
        // each draw of the content is cut to them, costing no extra pixels.
        recorded_.clear();
        clipInsideContent_ = false;
        recording_ = Recording::CONTENT;
        drawContent();
        recording_ = Recording::NONE;
        if (!clipInsideContent_) {
            const std::vector<RecordedDraw> content = std::move(recorded_);
            recorded_.clear();
            drawThroughRects(content, *mask);
            return;
        }
        recorded_.clear();
    }
    drawLayered(drawContent, *mask);
}

void SdlRenderer::drawThroughRects(const std::vector<RecordedDraw>& draws, const Mask& mask) {
    const SDL_Point origin = currentOrigin();
    SDL_Texture* batchTexture = nullptr;
    auto flush = [this, &batchTexture]() {
        if (vertices_.empty()) return;
        if (batchTexture != lastTexture_ || batchTexture == nullptr) ++stats_.textureSwitches;
        ++stats_.drawCalls;
        if (batchTexture == nullptr) SDL_SetRenderDrawBlendMode(sdl_, SDL_BLENDMODE_BLEND);
        SDL_RenderGeometry(sdl_, batchTexture, vertices_.data(), static_cast<int>(vertices_.size()),
                           indices_.data(), static_cast<int>(indices_.size()));
        vertices_.clear();
        indices_.clear();
    };
    for (const RecordedDraw& draw : draws) {
        if (draw.texture != batchTexture) {
            flush();
            batchTexture = draw.texture;
            // Vertex colours carry tint and alpha here.
            if (batchTexture != nullptr) {
                SDL_SetTextureColorMod(batchTexture, 255, 255, 255);
                SDL_SetTextureAlphaMod(batchTexture, 255);
            }
        }
        const SDL_Color color{draw.color.r, draw.color.g, draw.color.b, draw.alpha};
        const bool flipX = (draw.flip & SDL_FLIP_HORIZONTAL) != 0;
        const bool flipY = (draw.flip & SDL_FLIP_VERTICAL) != 0;
        for (const SDL_Rect& rect : mask.rects) {
            const float rx = static_cast<float>(rect.x + mask.region.x);
            const float ry = static_cast<float>(rect.y + mask.region.y);
            const float x0 = std::max(draw.box.x, rx);
            const float x1 = std::min(draw.box.x + draw.box.w, rx + static_cast<float>(rect.w));
            const float y0 = std::max(draw.box.y, ry);
            const float y1 = std::min(draw.box.y + draw.box.h, ry + static_cast<float>(rect.h));
            if (x1 <= x0 || y1 <= y0) continue;
            float u0 = (x0 - draw.box.x) / draw.box.w;
            float u1 = (x1 - draw.box.x) / draw.box.w;
            float v0 = (y0 - draw.box.y) / draw.box.h;
            float v1 = (y1 - draw.box.y) / draw.box.h;
            if (flipX) {
                u0 = 1.0f - u0;
                u1 = 1.0f - u1;
            }
            if (flipY) {
                v0 = 1.0f - v0;
                v1 = 1.0f - v1;
            }
            const float left = x0 - static_cast<float>(origin.x);
            const float right = x1 - static_cast<float>(origin.x);
            const float top = y0 - static_cast<float>(origin.y);
            const float bottom = y1 - static_cast<float>(origin.y);
            const int first = static_cast<int>(vertices_.size());
            vertices_.push_back(SDL_Vertex{{left, top}, color, {u0, v0}});
            vertices_.push_back(SDL_Vertex{{right, top}, color, {u1, v0}});
            vertices_.push_back(SDL_Vertex{{right, bottom}, color, {u1, v1}});
            vertices_.push_back(SDL_Vertex{{left, bottom}, color, {u0, v1}});
            for (int corner : {0, 1, 2, 0, 2, 3}) indices_.push_back(first + corner);
        }
    }
    flush();
    lastTexture_ = nullptr; // the modulation of the last texture was changed
}

void SdlRenderer::drawLayered(const std::function<void()>& drawContent, const Mask& mask) {
    const SDL_Rect& region = mask.region;
    SDL_Texture* content = layerTarget(layers_.size(), region.w, region.h, SDL_TEXTUREACCESS_TARGET);
    if (content == nullptr) return;
    pushLayer(content, region);
    drawContent();
    if (gpuMasks_) {
        compositeOnGpu(content, region, mask);
    } else {
        compositeOnCpu(region, mask);
    }
}

std::shared_ptr<const SdlRenderer::Mask> SdlRenderer::maskFor(const SDL_Rect& region, float threshold, bool inverted,
                                                              std::vector<RecordedDraw>&& draws) {
    for (auto it = masks_.begin(); it != masks_.end(); ++it) {
        const Mask& mask = **it;
        if (SDL_RectEquals(&mask.region, &region) && mask.threshold == threshold && mask.inverted == inverted &&
            mask.draws == draws) {
            std::rotate(masks_.begin(), it, it + 1);
            return masks_.front();
        }
    }
    auto mask = std::make_shared<Mask>(Mask{region, threshold, inverted, std::move(draws), false, {}, nullptr, {}});
    buildMask(*mask);
    if (mask->alpha.empty()) return nullptr;
    if (masks_.size() >= MASK_CACHE_SIZE) masks_.pop_back();
    masks_.insert(masks_.begin(), mask);
    return mask;
}

void SdlRenderer::buildMask(Mask& mask) {
    const SDL_Rect& region = mask.region;
    SDL_Texture* scratch = layerTarget(layers_.size(), region.w, region.h, SDL_TEXTUREACCESS_TARGET);
    if (scratch == nullptr) return;
    // Below 1 the stencil's own alpha decides; from 1 on every pixel it
    // covers counts, transparent or not.
    const bool coverage = mask.threshold >= 1.0f;
    pushLayer(scratch, region);
    for (const RecordedDraw& draw : mask.draws) {
        const SDL_FRect local{draw.box.x - static_cast<float>(region.x), draw.box.y - static_cast<float>(region.y),
                              draw.box.w, draw.box.h};
        if (coverage || draw.texture == nullptr) {
            SDL_SetRenderDrawBlendMode(sdl_, SDL_BLENDMODE_BLEND);
            SDL_SetRenderDrawColor(sdl_, 255, 255, 255, coverage ? 255 : draw.alpha);
            SDL_RenderFillRectF(sdl_, &local);
        } else {
            SDL_SetTextureColorMod(draw.texture, 255, 255, 255);
            SDL_SetTextureAlphaMod(draw.texture, draw.alpha);
            SDL_RenderCopyExF(sdl_, draw.texture, nullptr, &local, 0.0, nullptr, draw.flip);
        }
    }
    pixels_.resize(static_cast<std::size_t>(region.w) * static_cast<std::size_t>(region.h) * 4);
    const SDL_Rect readArea{0, 0, region.w, region.h};
    const bool read = SDL_RenderReadPixels(sdl_, &readArea, SDL_PIXELFORMAT_RGBA32, pixels_.data(), region.w * 4) == 0;
    popLayer();
    if (!read) {
        log("Renderer: cannot read a clipping stencil back: %s", SDL_GetError());
        return;
    }

    const float limit = coverage ? 0.0f : std::max(mask.threshold, 0.0f) * 255.0f;
    const std::size_t count = static_cast<std::size_t>(region.w) * static_cast<std::size_t>(region.h);
    mask.alpha.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const bool above = static_cast<float>(pixels_[i * 4 + 3]) > limit;
        mask.alpha[i] = above != mask.inverted ? 255 : 0;
    }
    findRects(mask);
    if (!gpuMasks_) return;
    for (std::size_t i = 0; i < count; ++i) {
        pixels_[i * 4] = pixels_[i * 4 + 1] = pixels_[i * 4 + 2] = 255;
        pixels_[i * 4 + 3] = mask.alpha[i];
    }
    mask.texture.reset(
        SDL_CreateTexture(sdl_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, region.w, region.h));
    if (mask.texture == nullptr) {
        mask.alpha.clear();
        return;
    }
    SDL_UpdateTexture(mask.texture.get(), nullptr, pixels_.data(), region.w * 4);
    SDL_SetTextureBlendMode(mask.texture.get(), maskBlend_);
}

void SdlRenderer::findRects(Mask& mask) {
    // Runs of kept pixels per row; a run equal to one in the row above
    // extends that rectangle downwards.
    constexpr std::size_t MAX_RECTS = 256;
    const int width = mask.region.w;
    std::vector<std::size_t> above;
    std::vector<std::size_t> current;
    mask.rects.clear();
    for (int y = 0; y < mask.region.h; ++y) {
        current.clear();
        const std::uint8_t* row = &mask.alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        for (int x = 0; x < width;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && row[x] != 0) ++x;
            auto same = std::find_if(above.begin(), above.end(), [&](std::size_t i) {
                return mask.rects[i].x == start && mask.rects[i].w == x - start;
            });
            if (same != above.end()) {
                ++mask.rects[*same].h;
                current.push_back(*same);
            } else {
                current.push_back(mask.rects.size());
                mask.rects.push_back(SDL_Rect{start, y, x - start, 1});
                if (mask.rects.size() > MAX_RECTS) {
                    mask.rects.clear();
                    mask.byRects = false;
                    return;
                }
            }
        }
        above.swap(current);
    }
    mask.byRects = true;
}

void SdlRenderer::compositeOnGpu(SDL_Texture* content, const SDL_Rect& region, const Mask& mask) {
    const SDL_Rect area{0, 0, region.w, region.h};
    SDL_RenderCopy(sdl_, mask.texture.get(), nullptr, &area);
    popLayer();
    const SDL_Point origin = currentOrigin();
    const SDL_Rect target{region.x - origin.x, region.y - origin.y, region.w, region.h};
    SDL_SetTextureBlendMode(content, premultipliedBlend_);
    SDL_RenderCopy(sdl_, content, &area, &target);
    stats_.drawCalls += 2;
    stats_.textureSwitches += 2;
    lastTexture_ = nullptr;
}

void SdlRenderer::compositeOnCpu(const SDL_Rect& region, const Mask& mask) {
    const SDL_Rect area{0, 0, region.w, region.h};
    pixels_.resize(static_cast<std::size_t>(region.w) * static_cast<std::size_t>(region.h) * 4);
    const bool read = SDL_RenderReadPixels(sdl_, &area, SDL_PIXELFORMAT_RGBA32, pixels_.data(), region.w * 4) == 0;
    popLayer();
    SDL_Texture* upload = layerTarget(layers_.size(), region.w, region.h, SDL_TEXTUREACCESS_STREAMING);
    if (!read || upload == nullptr) return;
    // Masked and back to straight alpha, as normal blending expects.
    const std::size_t count = mask.alpha.size();
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* pixel = &pixels_[i * 4];
        const unsigned alpha = mask.alpha[i] == 0 ? 0U : pixel[3];
        if (alpha == 0) {
            pixel[0] = pixel[1] = pixel[2] = pixel[3] = 0;
            continue;
        }
        for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(std::min(255U, (pixel[c] * 255U + alpha / 2) / alpha));
    }
    SDL_UpdateTexture(upload, &area, pixels_.data(), region.w * 4);
    SDL_SetTextureBlendMode(upload, SDL_BLENDMODE_BLEND);
    SDL_SetTextureColorMod(upload, 255, 255, 255);
    SDL_SetTextureAlphaMod(upload, 255);
    const SDL_Point origin = currentOrigin();
    const SDL_Rect target{region.x - origin.x, region.y - origin.y, region.w, region.h};
    SDL_RenderCopy(sdl_, upload, &area, &target);
    ++stats_.drawCalls;
    ++stats_.textureSwitches;
    lastTexture_ = nullptr;
}

} // namespace cocos2d
