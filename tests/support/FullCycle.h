#pragma once
// Plays the whole cycle of screens headless — title, stage select, play,
// result and back to the title — with scripted touches, one frame at a time.
// Every step has a frame budget, so a screen that never lets go shows up as
// a failed step naming the screen, not as a hung test.
#include <cmath>
#include <string>

#include "cocos2d.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/ResultLayer.h"
#include "frontend/ResultScene.h"
#include "frontend/StageLayer.h"
#include "frontend/StageScene.h"
#include "frontend/TitleScene.h"
#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"

namespace cycle {

// The running scene as T; null during a fade or while another screen runs.
template <class T>
T* running() {
    return dynamic_cast<T*>(cocos2d::Director::getInstance()->getRunningScene());
}

// The first child of the running scene of type T, or null.
template <class T>
T* runningLayer() {
    cocos2d::Scene* scene = cocos2d::Director::getInstance()->getRunningScene();
    if (scene == nullptr) return nullptr;
    for (cocos2d::Node* child : scene->getChildren()) {
        if (auto* found = dynamic_cast<T*>(child)) return found;
    }
    return nullptr;
}

// Nodes in the running scene's tree, the scene included.
inline long countNodes(const cocos2d::Node* node) {
    if (node == nullptr) return 0;
    long count = 1;
    for (const cocos2d::Node* child : node->getChildren()) count += countNodes(child);
    return count;
}

// Design points on either half of the screen, and one above every board.
const cocos2d::Vec2 RIGHT_HALF(1500, 540);
const cocos2d::Vec2 LEFT_HALF(400, 540);
const cocos2d::Vec2 ABOVE_THE_BOARDS(960, 1000);

// How the player is steered in play, in frames. Each round holds the right
// half, then stands, then holds the left half; a new press every round
// gets the player going again after a push-away.
struct PlayStyle {
    int rightFrames = 30;
    int standFrames = 0;
    int leftFrames = 0;
};

class FullCycle {
public:
    explicit FullCycle(cocos2d::testing::Headless& headless) : headless_(headless) {}

    // Title: a tap, then the fade until the stage select runs.
    bool toSelect() {
        if (!waitFor<TitleScene>("title", 600)) return false;
        step(5);
        tap(cocos2d::Vec2(960, 540));
        return waitFor<StageScene>("stage select after the title's fade", 600);
    }

    // Stage select: turns the wheel `boards` boards (positive: towards board
    // 1, 2, ...; negative: towards 30, 29, ...), one drag event per frame,
    // then taps the selected board and waits for the play scene.
    bool toPlay(int boards) {
        step(3);
        if (boards != 0) drag(static_cast<float>(boards) * -POINTS_PER_BOARD);
        auto* layer = runningLayer<StageLayer>();
        if (layer == nullptr) return fail("no stage select layer");
        stage = layer->selectedIndex;
        // Off the board's centre: a tap never lands exactly on a position.
        const cocos2d::Vec2 board = layer->boards.at(static_cast<std::size_t>(stage))->getPosition();
        tap(cocos2d::Vec2(board.x + 7, board.y + 5));
        return waitFor<GameScene>("play after the stage select's fade", 600);
    }

    // Play: steers by `style` until the result screen runs.
    bool toResult(const PlayStyle& style, int budget = 6000) {
        for (int frames = 0; frames < budget && !resultShown();) {
            frames += hold(RIGHT_HALF, style.rightFrames);
            if (style.standFrames > 0) frames += stand(style.standFrames);
            if (style.leftFrames > 0) frames += hold(LEFT_HALF, style.leftFrames);
        }
        return resultShown() || fail("play never reached the result");
    }

    // Result: taps twice a second until the fade back starts, then waits
    // for the new title.
    bool toTitle() {
        for (int frames = 0; frames < 900 && running<ResultScene>() != nullptr; frames += 30) {
            tap(cocos2d::Vec2(960, 540));
            step(28);
        }
        return waitFor<TitleScene>("title after the result's fade", 600);
    }

    bool runOnce(int boards, const PlayStyle& style) {
        return toSelect() && toPlay(boards) && toResult(style) && toTitle();
    }

    void step(int frames = 1) {
        headless_.step(frames);
        this->frames += frames;
    }

    // Press and release one frame apart at a design point.
    void tap(const cocos2d::Vec2& point, int id = 0) {
        headless_.touchBegan(point, id);
        step();
        headless_.touchEnded(point, id);
        step();
    }

    long frames = 0;     // frames stepped so far
    int stage = -1;      // the stage picked by the latest toPlay
    int score = -1;      // the latest result screen's score (0: a miss)
    std::string failure; // the step that gave up, empty while all went well

private:
    // 1500 design points of drag turn the wheel one radian, 0.2 rad a board.
    static constexpr float POINTS_PER_BOARD = 300.0f;
    static constexpr float DRAG_STEP = 30.0f; // design points per frame

    template <class T>
    bool waitFor(const char* what, int budget) {
        for (int i = 0; i < budget && running<T>() == nullptr; ++i) step();
        return running<T>() != nullptr || fail(std::string("never reached the ") + what);
    }

    bool resultShown() {
        const auto* result = runningLayer<ResultLayer>();
        if (result != nullptr) score = result->score;
        return result != nullptr;
    }

    bool fail(const std::string& what) {
        if (failure.empty()) failure = what;
        return false;
    }

    // A drag above the boards, longer than a tap, so its release starts nothing.
    void drag(float distance) {
        cocos2d::Vec2 at = ABOVE_THE_BOARDS;
        headless_.touchBegan(at);
        step();
        const int moves = static_cast<int>(std::lround(std::fabs(distance) / DRAG_STEP));
        const float dx = distance < 0 ? -DRAG_STEP : DRAG_STEP;
        for (int i = 0; i < moves; ++i) {
            at.x += dx;
            headless_.touchMoved(at);
            step();
        }
        step(20); // past the tap time; the wheel comes to rest
        headless_.touchEnded(at);
        step(3);
    }

    int hold(const cocos2d::Vec2& point, int frameCount) {
        headless_.touchBegan(point);
        int done = 0;
        while (done < frameCount && running<ResultScene>() == nullptr) {
            step();
            ++done;
        }
        headless_.touchEnded(point);
        return done;
    }

    int stand(int frameCount) {
        int done = 0;
        while (done < frameCount && running<ResultScene>() == nullptr) {
            step();
            ++done;
        }
        return done;
    }

    cocos2d::testing::Headless& headless_;
};

} // namespace cycle
