// Frame pacing of the application loop, measured on the whole program: opens
// the real window (any SDL video driver; offscreen when there is no
// display), shows a small scene built from the game's resources (sprites,
// rain, a Japanese label, the clipped stage preview) and records when each
// frame starts. Prints the intervals against the 1/60 s target.
//
//   frame_pacing_bench [seconds] [light]
//
// `seconds` defaults to 3; `light` draws nothing in a small window, which
// shows the loop's own timing apart from the cost of drawing.
//
// Under Xvfb the window can be looked at while it runs, e.g.
//   xvfb-run -s "-screen 0 1920x1080x24" sh -c 'frame_pacing_bench 6 & sleep 4; import -window root shot.png; wait'

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <SDL.h>

#include "SimpleAudioEngine.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

constexpr float INTERVAL = 1.0f / 60.0f;

// Notes the start of every frame and ends the run after `seconds`.
class PacingProbe : public Node {
public:
    CC_CREATABLE;
    bool init(double seconds, std::vector<double>* starts) {
        if (!Node::init()) return false;
        seconds_ = seconds;
        starts_ = starts;
        scheduleUpdate();
        return true;
    }
    void update(float) override {
        const double now = static_cast<double>(SDL_GetPerformanceCounter()) /
                           static_cast<double>(SDL_GetPerformanceFrequency());
        starts_->push_back(now);
        if (now - starts_->front() >= seconds_) Director::getInstance()->end();
    }

private:
    double seconds_ = 3.0;
    std::vector<double>* starts_ = nullptr;
};

// Sprites drift so that every frame draws something new.
class Drift : public Node {
public:
    CC_CREATABLE;
    bool init() override {
        if (!Node::init()) return false;
        scheduleUpdate();
        return true;
    }
    void update(float dt) override {
        for (Node* child : getChildren()) {
            float y = child->getPositionY() - 900.0f * dt;
            if (y < -40.0f) y += 1160.0f;
            child->setPositionY(y);
        }
    }
};

class PacingApp : public Application {
public:
    PacingApp(double seconds, bool light, std::vector<double>* starts)
        : seconds_(seconds), light_(light), starts_(starts) {}

    void initGLContextAttrs() override {
        GLContextAttrs attrs{8, 8, 8, 8, 24, 8};
        GLView::setGLContextAttrs(attrs);
    }

    bool applicationDidFinishLaunching() override {
        Director* director = Director::getInstance();
        director->setOpenGLView(light_ ? GLViewImpl::createWithRect("Puddlestep", Rect(0, 0, 320, 180))
                                       : GLViewImpl::create("Puddlestep"));
        director->setAnimationInterval(INTERVAL);
        Scene* scene = Scene::create();
        if (!light_) scene->addChild(buildStreet());
        director->getOpenGLView()->setDesignResolutionSize(1920, 1080, ResolutionPolicy::SHOW_ALL);
        scene->addChild(createWithInit<PacingProbe>(seconds_, starts_));
        director->runWithScene(scene);
        CocosDenshion::SimpleAudioEngine::getInstance()->playBackgroundMusic("Music/title.mp3", true);
        return true;
    }
    void applicationDidEnterBackground() override { Director::getInstance()->stopAnimation(); }
    void applicationWillEnterForeground() override { Director::getInstance()->startAnimation(); }

private:
    static Node* buildStreet() {
        Node* street = Node::create();
        Sprite* background = Sprite::create("background_0.png");
        background->setPosition(Vec2(960, 540));
        street->addChild(background);

        // The stage preview through the selection mask, as on the stage select screen.
        ClippingNode* clipper = ClippingNode::create();
        Sprite* mask = Sprite::create("stageMask.png");
        mask->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        clipper->setStencil(mask);
        clipper->setAlphaThreshold(0.0f);
        Sprite* preview = Sprite::create("background_1.png");
        preview->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        preview->setPosition(Vec2(700, 300)); // under the mask's window, top right
        preview->setScale(1.5f);
        clipper->addChild(preview);
        street->addChild(clipper);

        Sprite* walker = Sprite::create("GameScene/arukuRight2.png");
        walker->setPosition(Vec2(576, 324));
        walker->setScale(0.5f);
        street->addChild(walker, 1);
        Sprite* person = Sprite::create("GameScene/umbrellaMob.png");
        person->setPosition(Vec2(1300, 330));
        person->setFlippedX(true);
        street->addChild(person, 1);

        Label* label = Label::create("雨の商店街\nタップしてね", "fonts/851H-kktt.ttf", 64);
        label->setAnchorPoint(Vec2::ANCHOR_TOP_LEFT);
        label->setPosition(Vec2(192, 1000));
        street->addChild(label, 3);

        Drift* rain = createWithInit<Drift>();
        for (int i = 0; i < 300; ++i) {
            Sprite* drop = Sprite::create("rain.png");
            drop->setPosition(Vec2(static_cast<float>((i * 197) % 1920), static_cast<float>((i * 131) % 1120)));
            drop->setColor(Color3B(220, 240, 250));
            drop->setScale(0.3f, 2.0f);
            drop->setOpacity(200);
            rain->addChild(drop);
        }
        street->addChild(rain, 2);
        return street;
    }

    double seconds_;
    bool light_;
    std::vector<double>* starts_;
};

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const bool light = argc > 2 && std::string(argv[2]) == "light";
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    }
    std::vector<double> starts;
    int result = 0;
    {
        PacingApp app(seconds, light, &starts);
        result = app.run();
    }
    if (starts.size() < 3) {
        std::printf("too few frames (%zu)\n", starts.size());
        return 1;
    }
    // The first interval includes start-up; leave it out.
    std::vector<double> intervals;
    for (std::size_t i = 2; i < starts.size(); ++i) intervals.push_back((starts[i] - starts[i - 1]) * 1000.0);
    double sum = 0.0;
    for (double v : intervals) sum += v;
    const double mean = sum / static_cast<double>(intervals.size());
    double squares = 0.0;
    for (double v : intervals) squares += (v - mean) * (v - mean);
    std::vector<double> sorted = intervals;
    std::sort(sorted.begin(), sorted.end());
    const auto late = std::count_if(intervals.begin(), intervals.end(),
                                    [](double v) { return v > 1.5 * 1000.0 * INTERVAL; });
    std::printf("frames %zu, target %.3f ms\n", intervals.size(), 1000.0 * INTERVAL);
    std::printf("interval mean %.3f ms, stddev %.3f ms, min %.3f, median %.3f, p99 %.3f, max %.3f ms\n", mean,
                std::sqrt(squares / static_cast<double>(intervals.size())), sorted.front(),
                sorted[sorted.size() / 2], sorted[sorted.size() * 99 / 100], sorted.back());
    std::printf("late frames (> 1.5 intervals): %ld\n", static_cast<long>(late));
    return result;
}
