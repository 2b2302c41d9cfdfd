#include "cocos2d/Label.h"

#include <cmath>

#include "FontCache.h"
#include "TextureBackend.h"
#include "cocos2d/Log.h"

namespace cocos2d {

namespace {

float alignmentFactor(TextHAlignment alignment) {
    switch (alignment) {
    case TextHAlignment::CENTER: return 0.5f;
    case TextHAlignment::RIGHT: return 1.0f;
    default: return 0.0f;
    }
}

float alignmentFactor(TextVAlignment alignment) {
    switch (alignment) {
    case TextVAlignment::CENTER: return 0.5f;
    case TextVAlignment::BOTTOM: return 1.0f;
    default: return 0.0f;
    }
}

int wrappedAlign(TextHAlignment alignment) {
    switch (alignment) {
    case TextHAlignment::CENTER: return TTF_WRAPPED_ALIGN_CENTER;
    case TextHAlignment::RIGHT: return TTF_WRAPPED_ALIGN_RIGHT;
    default: return TTF_WRAPPED_ALIGN_LEFT;
    }
}

// The text placed inside a fixed box by the alignments; what overflows is cut.
sdl::SurfacePtr placeInBox(sdl::SurfacePtr text, const Size& box, TextHAlignment h, TextVAlignment v) {
    const int width = static_cast<int>(std::lround(box.width));
    const int height = static_cast<int>(std::lround(box.height));
    sdl::SurfacePtr canvas(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (canvas == nullptr) return nullptr;
    SDL_FillRect(canvas.get(), nullptr, 0);
    SDL_Rect place{static_cast<int>(static_cast<float>(width - text->w) * alignmentFactor(h)),
                   static_cast<int>(static_cast<float>(height - text->h) * alignmentFactor(v)), text->w, text->h};
    SDL_SetSurfaceBlendMode(text.get(), SDL_BLENDMODE_NONE);
    SDL_BlitSurface(text.get(), nullptr, canvas.get(), &place);
    return canvas;
}

} // namespace

Label::Label() = default;
Label::~Label() = default;

Label* Label::create(const std::string& text, const std::string& fontFile, float fontSize, const Size& dimensions,
                     TextHAlignment hAlignment, TextVAlignment vAlignment) {
    return createWithInit<Label>(text, fontFile, fontSize, dimensions, hAlignment, vAlignment);
}

bool Label::init(const std::string& text, const std::string& fontFile, float fontSize, const Size& dimensions,
                 TextHAlignment hAlignment, TextVAlignment vAlignment) {
    if (!Sprite::init()) return false;
    text_ = text;
    fontFile_ = fontFile;
    fontSize_ = fontSize;
    dimensions_ = dimensions;
    hAlignment_ = hAlignment;
    vAlignment_ = vAlignment;
    render();
    return true;
}

void Label::setString(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    render();
}

void Label::setTextColor(const Color3B& color) {
    if (color == textColor_) return;
    textColor_ = color;
    render();
}

void Label::render() {
    ++renderCount_;
    const bool boxed = dimensions_.width > 0.0f && dimensions_.height > 0.0f;
    const int pointSize = static_cast<int>(std::lround(fontSize_));
    TTF_Font* font = pointSize > 0 ? FontCache::getInstance().font(fontFile_, pointSize) : nullptr;
    sdl::SurfacePtr pixels;
    if (font != nullptr && !text_.empty()) {
        TTF_SetFontWrappedAlign(font, wrappedAlign(hAlignment_));
        const SDL_Color color{textColor_.r, textColor_.g, textColor_.b, 255};
        // Wrap length 0 breaks lines only at line feeds.
        const int wrap = boxed ? static_cast<int>(dimensions_.width) : 0;
        pixels.reset(TTF_RenderUTF8_Blended_Wrapped(font, text_.c_str(), color, static_cast<Uint32>(wrap)));
        if (pixels == nullptr) log("Label: cannot render \"%s\": %s", text_.c_str(), TTF_GetError());
    }
    if (pixels != nullptr && boxed) pixels = placeInBox(std::move(pixels), dimensions_, hAlignment_, vAlignment_);
    if (pixels == nullptr) {
        setTexture(nullptr);
        if (boxed) setContentSize(dimensions_);
        return;
    }
    const Size size(static_cast<float>(pixels->w), static_cast<float>(pixels->h));
    setTexture(Texture2D::createWithBackend(std::make_unique<Texture2D::Backend>(std::move(pixels)), size, ""));
}

} // namespace cocos2d
