#pragma once
// Shared by the character tests: the fixture images, a headless stage with
// one running scene, and control over the random seeds.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "app/Common.h"
#include "app/Random.h"
#include "cocos2d/testing/Headless.h"

namespace characters_testing {

// Tiny images with chosen sizes: walk images 100 x 200, umbrellaMob 120 x 150,
// umbrellaman_0 140 x 160, HPwaku 300 x 40, HPwaku2 310 x 50.
inline std::string fixtureRoot() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/fixtures";
}

// Every generator the game builds is seeded with `seed`; `seedsTaken` counts
// how many generators were built.
class SeedControl {
public:
    SeedControl()
        : previous_(Random::setSeedSourceForTesting([this] {
              ++seedsTaken;
              return seed;
          })) {}
    ~SeedControl() { Random::setSeedSourceForTesting(std::move(previous_)); }
    SeedControl(const SeedControl&) = delete;
    SeedControl& operator=(const SeedControl&) = delete;

    std::uint32_t seed = 1;
    int seedsTaken = 0;

private:
    Random::SeedSource previous_;
};

// The first seed from 1 on whose fresh generator satisfies `wanted`.
inline std::uint32_t findSeed(const std::function<bool(std::uint32_t)>& wanted) {
    for (std::uint32_t seed = 1;; ++seed) {
        if (wanted(seed)) return seed;
    }
}

// The draws of one operation's generator, in order.
class Draws {
public:
    explicit Draws(std::uint32_t seed) : generator_(seed) {}
    int next(int low, int high) { return Random::between(generator_, low, high); }

private:
    std::mt19937 generator_;
};

// Frames of 1/60 s until a timer of `hundredths` / 100 s has fired.
inline int framesFor(int hundredths) { return (hundredths * 60 + 99) / 100; }

// A running scene on the headless director; frames advance only by `step`.
class Stage {
public:
    Stage() : harness_(cocos2d::Size(960, 540), fixtureRoot()) {
        scene_ = cocos2d::Scene::create();
        harness_.runWithScene(scene_);
        harness_.step(1);
    }
    cocos2d::Scene* scene() const { return scene_; }
    void step(int frames = 1) { harness_.step(frames); }

private:
    cocos2d::testing::Headless harness_;
    cocos2d::Scene* scene_ = nullptr; // weak: run by the director
};

} // namespace characters_testing
