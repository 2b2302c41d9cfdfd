#pragma once
#include <string>

#include "cocos2d/Sprite.h"

namespace cocos2d {

enum class TextHAlignment { LEFT, CENTER, RIGHT };
enum class TextVAlignment { TOP, CENTER, BOTTOM };

// UTF-8 text drawn with a TrueType font; a line feed starts a new line. The
// text is rendered into a texture only when it changes. Default colour white.
class Label : public Sprite {
public:
    CC_CREATABLE;
    // `fontFile` is a resource path; `fontSize` in design points; `dimensions`
    // Size::ZERO sizes the label to its text, otherwise the text wraps at its
    // width and is aligned inside it. A missing font logs its name (once per
    // file) and gives an empty label.
    static Label* create(const std::string& text, const std::string& fontFile, float fontSize,
                         const Size& dimensions = Size::ZERO, TextHAlignment hAlignment = TextHAlignment::LEFT,
                         TextVAlignment vAlignment = TextVAlignment::TOP);
    bool init(const std::string& text, const std::string& fontFile, float fontSize, const Size& dimensions,
              TextHAlignment hAlignment, TextVAlignment vAlignment);

    // Setting the text it already shows does nothing.
    void setString(const std::string& text);
    const std::string& getString() const { return text_; }
    // Text colour; independent of the node's tint.
    void setTextColor(const Color3B& color);
    // How many times the text was rendered into a texture (tests).
    unsigned int getRenderCount() const { return renderCount_; }

    ~Label() override;

protected:
    Label();

private:
    void render();

    std::string text_;
    std::string fontFile_;
    float fontSize_ = 0.0f;
    Size dimensions_;
    TextHAlignment hAlignment_ = TextHAlignment::LEFT;
    TextVAlignment vAlignment_ = TextVAlignment::TOP;
    Color3B textColor_;
    unsigned int renderCount_ = 0;
};

} // namespace cocos2d
