#pragma once
// A play scene on the small fixture stage, stepped frame by frame.
//
// The fixture stage (fixtures/Stage/StageData.txt, stage 0) has six 800-point
// columns: 0 plain, 1 eaves sheltering x 900..1500, 2 plain, 3 a shop with
// its door at x 2800, 4 plain, 5 the goal shop with its door at x 4400. The
// player's box is 90 × 270 points around its position (y 189..459 at the
// start), an umbrella person's 80 × 200.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/Common.h"
#include "app/Random.h"
#include "characters/Player.h"
#include "characters/Umbrella.h"
#include "characters/UmbrellaCreator.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/ResultLayer.h"
#include "frontend/ResultScene.h"
#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"
#include "weather/RainManager.h"
#include "world/MapCreator.h"

namespace gameplay_test {

inline std::string sourceFolder() {
    const std::string file = __FILE__;
    return file.substr(0, file.find_last_of('/'));
}

// The first seed whose fresh generator satisfies `wanted`.
inline std::uint32_t seedWhere(const std::function<bool(std::mt19937&)>& wanted) {
    for (std::uint32_t seed = 0;; ++seed) {
        std::mt19937 generator(seed);
        if (wanted(generator)) return seed;
    }
}

// Every person draws 1 at set-up: nobody is placed.
inline std::uint32_t heldBackSeed() {
    return seedWhere([](std::mt19937& g) { return Random::between(g, 0, 1) == 1; });
}

class GameplayTest : public ::testing::Test {
protected:
    explicit GameplayTest(std::string resourceRoot = sourceFolder() + "/fixtures")
        : resourceRoot_(std::move(resourceRoot)) {}

    void SetUp() override {
        previousSeedSource_ = Random::setSeedSourceForTesting([this] { return seed; });
        previousSink_ = cocos2d::setLogSink([this](const std::string& line) { logLines.push_back(line); });
        headless = std::make_unique<cocos2d::testing::Headless>(cocos2d::Size(960, 540), resourceRoot_);
    }

    void TearDown() override {
        if (scene != nullptr) scene->release();
        scene = nullptr;
        layer = nullptr;
        headless.reset();
        cocos2d::setLogSink(previousSink_);
        Random::setSeedSourceForTesting(previousSeedSource_);
    }

    // Opens `stage` with 200 dryness; every generator is seeded with
    // `setupSeed` (and later with `seed`, which tests may change).
    void open(std::uint32_t setupSeed, int stage = 0, int startHp = 200) {
        seed = setupSeed;
        scene = GameScene::create(stage, startHp);
        scene->retain(); // readable after the result scene has replaced it
        layer = scene->gameLayer;
        headless->runWithScene(scene);
    }

    void step(int frames = 1) { headless->step(frames); }

    Umbrella* person(int index) { return layer->umbrellaCreator->umbrellas[static_cast<std::size_t>(index)]; }

    // Puts person `index` on the street at x, frozen (no walking, bobbing or
    // timers of its own), facing `direction` with the given patience.
    Umbrella* placePerson(int index, float x, int direction, int limit) {
        Umbrella* p = person(index);
        p->unscheduleAllCallbacks();
        p->unscheduleUpdate();
        p->initWithFile("GameScene/umbrellaMob.png");
        p->setPosition(x, SCREEN_SIZE.height * 0.35f);
        p->direction = direction;
        p->moveDirection = direction;
        p->irritationLimit = limit;
        p->applyFacing();
        return p;
    }

    // Freezes every placed person and parks it far below the street.
    void parkEveryoneFrom(int first) {
        for (std::size_t i = static_cast<std::size_t>(first); i < layer->umbrellaCreator->umbrellas.size(); ++i) {
            Umbrella* p = layer->umbrellaCreator->umbrellas[i];
            p->unscheduleAllCallbacks();
            p->unscheduleUpdate();
            p->setPosition(-10000.0f, -10000.0f);
        }
    }

    void setPlayerX(float x) { layer->player->setPositionX(x); }

    int linesEqualTo(const std::string& text) const {
        int count = 0;
        for (const auto& line : logLines) count += line == text ? 1 : 0;
        return count;
    }
    int linesStartingWith(const std::string& prefix) const {
        int count = 0;
        for (const auto& line : logLines) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
        return count;
    }

    static unsigned int plays(const char* effect) {
        return CocosDenshion::SimpleAudioEngine::getInstance()->getEffectPlayCount(effect);
    }

    // The score on the result screen, or -1 when it is not showing.
    static int resultScore() {
        auto* result = dynamic_cast<ResultScene*>(cocos2d::Director::getInstance()->getRunningScene());
        if (result == nullptr) return -1;
        for (cocos2d::Node* child : result->getChildren()) {
            if (auto* resultLayer = dynamic_cast<ResultLayer*>(child)) return resultLayer->score;
        }
        return -1;
    }

    std::uint32_t seed = 0;
    std::vector<std::string> logLines;
    std::unique_ptr<cocos2d::testing::Headless> headless;
    GameScene* scene = nullptr; // retained by the test
    GameLayer* layer = nullptr;

private:
    std::string resourceRoot_;
    Random::SeedSource previousSeedSource_;
    cocos2d::LogSink previousSink_;
};

} // namespace gameplay_test
