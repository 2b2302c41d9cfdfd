#include <gtest/gtest.h>

#include "FontCache.h"
#include "PlatformTestSupport.h"

using namespace cocos2d;

namespace {

// The game's own font (Japanese glyphs included), copied next to the test
// images; the system's copy of the same family when run from elsewhere.
std::string findFont() {
    std::string candidates[] = {"", "/usr/share/fonts/truetype/motoya-l-maruberi/MTLmr3m.ttf"};
    if (char* base = SDL_GetBasePath()) {
        candidates[0] = std::string(base) + "resources/fonts/851H-kktt.ttf";
        SDL_free(base);
    }
    for (const std::string& candidate : candidates) {
        if (!candidate.empty() && std::filesystem::exists(candidate)) return candidate;
    }
    return "";
}

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string font = findFont();
        if (font.empty()) GTEST_SKIP() << "no TrueType font with Japanese glyphs found";
        folder.copyIn(font, "fonts/test.ttf");
        harness = std::make_unique<platformtest::Harness>(Size(960, 540), folder.path());
        scene = Scene::create();
        harness->runWithScene(scene);
    }

    // How many pixels of the frame inside `box` (design points) are lit.
    int litPixels(const Rect& box) {
        harness->step();
        const platformtest::Frame frame = harness->capture();
        int lit = 0;
        for (float y = box.getMinY(); y < box.getMaxY(); y += 2.0f) {
            for (float x = box.getMinX(); x < box.getMaxX(); x += 2.0f) {
                const Color3B c = frame.colorAt(Vec2(x, y));
                lit += (c.r + c.g + c.b) > 300 ? 1 : 0;
            }
        }
        return lit;
    }

    platformtest::FixtureFolder folder;
    std::unique_ptr<platformtest::Harness> harness;
    Scene* scene = nullptr;
};

TEST_F(LabelTest, JapaneseTextIsDrawnWhiteWithinItsBox) {
    Label* label = Label::create("晴れのち雨です", "fonts/test.ttf", 60);
    ASSERT_NE(label, nullptr);
    label->setPosition(Vec2(960, 540));
    scene->addChild(label);
    const Size size = label->getContentSize();
    EXPECT_GT(size.width, 6 * 50.0f); // seven wide glyphs
    EXPECT_GT(size.height, 50.0f);
    EXPECT_LT(size.height, 120.0f);
    EXPECT_EQ(label->getAnchorPoint(), Vec2(0.5f, 0.5f));

    const Rect box = label->getBoundingBox();
    EXPECT_GT(litPixels(box), 200);
    // Nothing outside the box.
    EXPECT_EQ(litPixels(Rect(box.getMaxX() + 4, box.getMinY(), 200, box.size.height)), 0);

    // Default white: the brightest pixel is white, not tinted.
    const platformtest::Frame frame = harness->capture();
    int brightest = 0;
    for (float x = box.getMinX(); x < box.getMaxX(); x += 1.0f) {
        const Color3B c = frame.colorAt(Vec2(x, box.getMidY()));
        brightest = std::max(brightest, std::min({int(c.r), int(c.g), int(c.b)}));
    }
    EXPECT_GT(brightest, 240);
}

TEST_F(LabelTest, LineFeedsStartNewLines) {
    Label* one = Label::create("ABC", "fonts/test.ttf", 40);
    Label* two = Label::create("ABC\nDEF", "fonts/test.ttf", 40);
    Label* three = Label::create("ABC\nDEF\nGHI", "fonts/test.ttf", 40);
    const float line = two->getContentSize().height - one->getContentSize().height;
    EXPECT_GT(line, 35.0f);
    EXPECT_NEAR(three->getContentSize().height - two->getContentSize().height, line, 1.0f);
    EXPECT_NEAR(two->getContentSize().width, one->getContentSize().width, 4.0f);
}

TEST_F(LabelTest, RendersOnlyWhenTheTextOrColourChanges) {
    Label* label = Label::create("non letter", "fonts/test.ttf", 40);
    const unsigned int first = label->getRenderCount();
    EXPECT_EQ(first, 1u);
    label->setString("non letter");
    label->setTextColor(Color3B::WHITE);
    EXPECT_EQ(label->getRenderCount(), first);
    const float shortWidth = label->getContentSize().width;

    label->setString("a much longer comment");
    EXPECT_EQ(label->getRenderCount(), first + 1);
    EXPECT_GT(label->getContentSize().width, shortWidth);
    EXPECT_EQ(label->getString(), "a much longer comment");
    label->setTextColor(Color3B::RED);
    EXPECT_EQ(label->getRenderCount(), first + 2);

    label->setString("");
    EXPECT_EQ(label->getContentSize(), Size::ZERO);
}

TEST_F(LabelTest, TextColourAndNodeTintBothApply) {
    Label* label = Label::create("■■■■", "fonts/test.ttf", 80);
    label->setPosition(Vec2(960, 540));
    scene->addChild(label);
    label->setTextColor(Color3B(255, 255, 0));
    label->setColor(Color3B(255, 0, 255)); // the node's tint multiplies
    harness->step();
    const Color3B centre = harness->capture().colorAt(Vec2(960 - label->getContentSize().width / 2 + 20, 540));
    EXPECT_GT(centre.r, 200);
    EXPECT_LT(centre.g, 30);
    EXPECT_LT(centre.b, 30);
}

TEST_F(LabelTest, MissingFontLogsOnceAndGivesAnEmptyLabel) {
    platformtest::LogCapture log;
    Label* first = Label::create("abc", "fonts/absent.ttf", 40);
    Label* second = Label::create("def", "fonts/absent.ttf", 40);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->getContentSize(), Size::ZERO);
    second->setString("still nothing");
    EXPECT_EQ(second->getContentSize(), Size::ZERO);
    EXPECT_EQ(log.countContaining("\"fonts/absent.ttf\""), 1u);
    scene->addChild(first);
    harness->step(); // draws nothing, crashes nothing
}

TEST_F(LabelTest, FontsAreSharedPerFileAndSize) {
    const std::size_t before = FontCache::getInstance().size();
    Label::create("a", "fonts/test.ttf", 40);
    Label::create("b", "fonts/test.ttf", 40);
    EXPECT_EQ(FontCache::getInstance().size(), before + 1);
    Label::create("c", "fonts/test.ttf", 60);
    EXPECT_EQ(FontCache::getInstance().size(), before + 2);
}

TEST_F(LabelTest, FixedDimensionsAlignTheTextInside) {
    Label* left = Label::create("ab", "fonts/test.ttf", 40, Size(400, 200), TextHAlignment::LEFT,
                                TextVAlignment::TOP);
    Label* right = Label::create("ab", "fonts/test.ttf", 40, Size(400, 200), TextHAlignment::RIGHT,
                                 TextVAlignment::BOTTOM);
    EXPECT_EQ(left->getContentSize(), Size(400, 200));
    EXPECT_EQ(right->getContentSize(), Size(400, 200));
    for (Label* label : {left, right}) {
        label->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        label->setPosition(Vec2(500, 400));
        scene->addChild(label);
        label->setVisible(false);
    }
    left->setVisible(true);
    EXPECT_GT(litPixels(Rect(500, 540, 100, 60)), 0);  // top left
    EXPECT_EQ(litPixels(Rect(800, 400, 100, 60)), 0);  // bottom right
    left->setVisible(false);
    right->setVisible(true);
    EXPECT_EQ(litPixels(Rect(500, 540, 100, 60)), 0);
    EXPECT_GT(litPixels(Rect(800, 400, 100, 60)), 0);
}

} // namespace
