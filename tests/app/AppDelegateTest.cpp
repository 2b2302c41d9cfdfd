#include "app/AppDelegate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "cocos2d/testing/Headless.h"
#include "frontend/TitleScene.h"

namespace {

TEST(AppDelegateTest, LaunchingWithAViewUsesItAndRunsTheTitle) {
    cocos2d::testing::Headless harness;
    cocos2d::Director* director = cocos2d::Director::getInstance();
    cocos2d::GLView* view = director->getOpenGLView();
    ASSERT_NE(view, nullptr);
    view->setDesignResolutionSize(800, 600, cocos2d::ResolutionPolicy::EXACT_FIT);
    director->setAnimationInterval(0.5f);

    AppDelegate app;
    EXPECT_EQ(cocos2d::Application::getInstance(), &app);
    EXPECT_TRUE(app.applicationDidFinishLaunching());

    EXPECT_EQ(director->getOpenGLView(), view) << "no second window";
    EXPECT_EQ(view->getDesignResolutionSize(), cocos2d::Size(1920, 1080));
    EXPECT_FLOAT_EQ(director->getAnimationInterval(), 1.0f / 60.0f);
    EXPECT_NE(dynamic_cast<TitleScene*>(director->getRunningScene()), nullptr);
    harness.step(2);
    EXPECT_NE(dynamic_cast<TitleScene*>(director->getRunningScene()), nullptr);
}

TEST(AppDelegateTest, AsksForEightBitChannelsDepthAndStencil) {
    cocos2d::GLContextAttrs zero{0, 0, 0, 0, 0, 0};
    cocos2d::GLView::setGLContextAttrs(zero);
    AppDelegate app;
    app.initGLContextAttrs();
    const cocos2d::GLContextAttrs attrs = cocos2d::GLView::getGLContextAttrs();
    EXPECT_EQ(attrs.redBits, 8);
    EXPECT_EQ(attrs.greenBits, 8);
    EXPECT_EQ(attrs.blueBits, 8);
    EXPECT_EQ(attrs.alphaBits, 8);
    EXPECT_EQ(attrs.depthBits, 24);
    EXPECT_EQ(attrs.stencilBits, 8);
}

TEST(AppDelegateTest, BackgroundFreezesTheGameAndForegroundResumesIt) {
    cocos2d::testing::Headless harness;
    AppDelegate app;
    ASSERT_TRUE(app.applicationDidFinishLaunching());
    cocos2d::Director* director = cocos2d::Director::getInstance();
    harness.step(1);
    const unsigned long frames = director->getTotalFrames();

    app.applicationDidEnterBackground();
    EXPECT_FALSE(director->isAnimating());
    harness.step(5);
    EXPECT_EQ(director->getTotalFrames(), frames);

    app.applicationWillEnterForeground();
    EXPECT_TRUE(director->isAnimating());
    harness.step(5);
    EXPECT_EQ(director->getTotalFrames(), frames + 5);
}

// The program itself, copied where no resources folder lies beside it.
TEST(MainTest, WithoutResourcesSaysWhereItLookedAndFails) {
    namespace fs = std::filesystem;
    const fs::path built = fs::read_symlink("/proc/self/exe").parent_path() / "puddlestep";
    ASSERT_TRUE(fs::exists(built));
    const fs::path folder = fs::temp_directory_path() / ("puddlestep-nores-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "bin");
    const fs::path lonely = folder / "bin" / "puddlestep";
    fs::copy_file(built, lonely);

    std::string output;
    FILE* pipe = ::popen(("\"" + lonely.string() + "\" 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    const int status = ::pclose(pipe);
    fs::remove_all(folder);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(output.find("no resources folder"), std::string::npos) << output;
    EXPECT_NE(output.find((folder / "bin" / "resources").string()), std::string::npos) << output;
    EXPECT_NE(output.find((folder / "share" / "puddlestep" / "resources").string()), std::string::npos) << output;
}

} // namespace
