#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "SdlRenderer.h"

using namespace cocos2d;
using platformtest::near;

namespace {

// The stencil: 300 × 100 design points in three bands of alpha 0, 100 and
// 255 (left to right), green so that a stencil pixel that shows is seen.
constexpr float BAND = 100.0f;
const Vec2 STENCIL_ORIGIN(600, 400);

Vec2 band(int index) { return Vec2(STENCIL_ORIGIN.x + BAND * (static_cast<float>(index) + 0.5f), 450); }
const Vec2 OUTSIDE(300, 450);

// Runs each case on the GPU renderer and on the software one, which masks
// on the CPU.
class ClippingNodeTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* forced = std::getenv("SDL_RENDER_DRIVER");
        if (forced != nullptr && std::string(forced) != GetParam()) GTEST_SKIP() << "renderer forced to " << forced;
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, GetParam());
        platformtest::FixtureFolder& f = folder;
        f.writeImage("white.png", 16, 16, platformtest::WHITE);
        f.writeImage("blue.png", 16, 16, platformtest::BLUE);
        writeStencil();
        harness = std::make_unique<platformtest::Harness>(Size(960, 540), f.path());
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
        auto& renderer = static_cast<SdlRenderer&>(Director::getInstance()->getOpenGLView()->getRenderer());
        ASSERT_EQ(renderer.masksOnGpu(), std::string(GetParam()) != "software");

        scene = Scene::create();
        // Blue behind everything, to see what the clipped content covers.
        Sprite* background = Sprite::create("blue.png");
        background->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        background->setScale(1920.0f / 16.0f, 1080.0f / 16.0f);
        scene->addChild(background);

        clipper = ClippingNode::create();
        Sprite* stencil = Sprite::create("stencil.png");
        stencil->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        stencil->setPosition(STENCIL_ORIGIN);
        clipper->setStencil(stencil);
        // Red content over the whole design area.
        content = Sprite::create("white.png");
        content->setColor(Color3B::RED);
        content->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        content->setScale(1920.0f / 16.0f, 1080.0f / 16.0f);
        clipper->addChild(content);
        scene->addChild(clipper);
        harness->runWithScene(scene);
    }

    void writeStencil() {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 300, 100, 32, SDL_PIXELFORMAT_RGBA32);
        const Uint8 alphas[] = {0, 100, 255};
        for (int y = 0; y < 100; ++y) {
            auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
            for (int x = 0; x < 300; ++x) {
                row[x * 4] = 0;
                row[x * 4 + 1] = 255;
                row[x * 4 + 2] = 0;
                row[x * 4 + 3] = alphas[x / 100];
            }
        }
        IMG_SavePNG(surface, folder.file("stencil.png").c_str());
        SDL_FreeSurface(surface);
    }

    platformtest::Frame draw() {
        harness->step();
        return harness->capture();
    }

    platformtest::FixtureFolder folder;
    std::unique_ptr<platformtest::Harness> harness;
    Scene* scene = nullptr;
    ClippingNode* clipper = nullptr;
    Sprite* content = nullptr;
};

TEST_P(ClippingNodeTest, ShowsContentOnlyWhereTheStencilPasses) {
    struct Case {
        float threshold;
        bool inverted;
        bool shown[4]; // bands 0, 1, 2, then outside the stencil
    };
    const Case cases[] = {
        {0.0f, false, {false, true, true, false}},
        {0.5f, false, {false, false, true, false}},
        // From 1 on every pixel the stencil covers counts, transparent or not.
        {1.0f, false, {true, true, true, false}},
        {0.0f, true, {true, false, false, true}},
        {0.5f, true, {true, true, false, true}},
    };
    for (const Case& c : cases) {
        clipper->setAlphaThreshold(c.threshold);
        clipper->setInverted(c.inverted);
        const platformtest::Frame frame = draw();
        const Vec2 points[] = {band(0), band(1), band(2), OUTSIDE};
        for (int i = 0; i < 4; ++i) {
            const Color3B expected = c.shown[i] ? Color3B::RED : Color3B::BLUE;
            EXPECT_TRUE(near(frame.colorAt(points[i]), expected))
                << "threshold " << c.threshold << (c.inverted ? " inverted" : "") << " point " << i;
        }
    }
}

TEST_P(ClippingNodeTest, StencilItselfNeverShows) {
    clipper->setAlphaThreshold(0.0f);
    content->setVisible(false);
    const platformtest::Frame frame = draw();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(near(frame.colorAt(band(i)), Color3B::BLUE)) << i;
}

TEST_P(ClippingNodeTest, TranslucentContentBlendsLikeUnclippedContent) {
    clipper->setAlphaThreshold(0.0f);
    content->setOpacity(128);
    // Half red over blue, the same inside the clip as drawn without one.
    EXPECT_TRUE(near(draw().colorAt(band(2)), Color3B(128, 0, 127), 8));
}

TEST_P(ClippingNodeTest, FollowsTheClippingNodesPlaceAndTheStencilsChanges) {
    clipper->setAlphaThreshold(0.0f);
    clipper->setPosition(Vec2(-200, 100)); // the stencil moves along
    platformtest::Frame frame = draw();
    EXPECT_TRUE(near(frame.colorAt(band(2) + Vec2(-200, 100)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(band(2)), Color3B::BLUE));

    clipper->getStencil()->setPositionX(STENCIL_ORIGIN.x + 200); // a changed stencil is seen
    frame = draw();
    EXPECT_TRUE(near(frame.colorAt(band(2) + Vec2(0, 100)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(band(2) + Vec2(-200, 100)), Color3B::BLUE));
}

TEST_P(ClippingNodeTest, WithoutStencilNothingShowsUnlessInverted) {
    clipper->setStencil(nullptr);
    EXPECT_TRUE(near(draw().colorAt(OUTSIDE), Color3B::BLUE));
    clipper->setInverted(true);
    EXPECT_TRUE(near(draw().colorAt(OUTSIDE), Color3B::RED));
}

// A mask of many small pieces is drawn through layers instead of being cut
// into rectangles; it clips all the same.
TEST_P(ClippingNodeTest, CheckeredStencilClipsCellByCell) {
    constexpr int CELL = 16;
    constexpr int CELLS = 25;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, CELL * CELLS, CELL * CELLS, 32, SDL_PIXELFORMAT_RGBA32);
    for (int y = 0; y < surface->h; ++y) {
        auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            row[x * 4] = row[x * 4 + 1] = row[x * 4 + 2] = 255;
            row[x * 4 + 3] = ((x / CELL + y / CELL) % 2 == 0) ? 255 : 0;
        }
    }
    IMG_SavePNG(surface, folder.file("checker.png").c_str());
    SDL_FreeSurface(surface);
    Sprite* checker = Sprite::create("checker.png");
    checker->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    checker->setPosition(Vec2(400, 200));
    clipper->setStencil(checker);
    clipper->setAlphaThreshold(0.0f);
    content->setOpacity(128); // layers must blend translucent content right
    const platformtest::Frame frame = draw();
    // Rows of the image run downwards, design y upwards: cell (i, j) counted
    // from the image's top-left lies at x 400 + 16 i, y 600 - 16 (j + 1).
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const Vec2 centre(400.0f + CELL * (i + 0.5f), 600.0f - CELL * (j + 0.5f));
            const Color3B expected = (i + j) % 2 == 0 ? Color3B(128, 0, 127) : Color3B::BLUE;
            EXPECT_TRUE(near(frame.colorAt(centre), expected, 10)) << i << "," << j;
        }
    }
}

TEST_P(ClippingNodeTest, ClippingInsideClippingShowsTheOverlap) {
    clipper->setAlphaThreshold(0.0f); // bands 1 and 2
    ClippingNode* inner = ClippingNode::create();
    Sprite* left = Sprite::create("white.png"); // 16 × 16 scaled to cover bands 0 and 1
    left->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    left->setPosition(STENCIL_ORIGIN);
    left->setScale(2.0f * BAND / 16.0f, BAND / 16.0f);
    inner->setStencil(left);
    content->retain();
    content->removeFromParent();
    inner->addChild(content);
    content->release();
    clipper->addChild(inner);
    const platformtest::Frame frame = draw();
    EXPECT_TRUE(near(frame.colorAt(band(0)), Color3B::BLUE));
    EXPECT_TRUE(near(frame.colorAt(band(1)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(band(2)), Color3B::BLUE));
    EXPECT_TRUE(near(frame.colorAt(OUTSIDE), Color3B::BLUE));
}

INSTANTIATE_TEST_SUITE_P(Renderers, ClippingNodeTest, ::testing::Values("opengl", "software"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
