#pragma once
// Small fixtures shared by the engine tests: a director that is torn down
// and checked for leaks after each test, a renderer that records what is
// drawn, and a node that records what happens to it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Renderer.h"
#include "cocos2d.h"

namespace enginetest {

// Every test starts without a director and must leave no engine object
// behind once the director is destroyed.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        cocos2d::Director::destroyInstance();
        liveAtStart_ = cocos2d::Ref::liveObjectCount();
    }
    void TearDown() override {
        cocos2d::Director::destroyInstance();
        EXPECT_EQ(cocos2d::Ref::liveObjectCount(), liveAtStart_) << "engine objects leaked";
    }

    // Outlives every engine object of the test (freed in TearDown).
    std::vector<std::string> journal;

    cocos2d::Director& director() { return *cocos2d::Director::getInstance(); }
    // Runs `frames` frames of `dt` seconds.
    void frames(int count, float dt = 1.0f / 60.0f) {
        for (int i = 0; i < count; ++i) director().mainLoop(dt);
    }
    // A running scene to hang nodes on.
    cocos2d::Scene* runScene() {
        cocos2d::Scene* scene = cocos2d::Scene::create();
        director().runWithScene(scene);
        return scene;
    }

private:
    long liveAtStart_ = 0;
};

struct DrawCall {
    std::string what; // node name, or "fill"
    cocos2d::Rect box;
    float opacity;
};

class RecordingRenderer : public cocos2d::Renderer {
public:
    void clear(const cocos2d::Color3B&) override { calls.push_back({"clear", {}, 1.0f}); }
    void drawTexture(cocos2d::Texture2D&, const cocos2d::Rect& box, bool, const cocos2d::Color3B&,
                     float opacity) override {
        calls.push_back({"texture", box, opacity});
    }
    void fillRect(const cocos2d::Rect& box, const cocos2d::Color3B& color, float opacity) override {
        calls.push_back({"fill", box, opacity});
        fillColors.push_back(color);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const DrawCall& call : calls) out.push_back(call.what);
        return out;
    }

    std::vector<DrawCall> calls;
    std::vector<cocos2d::Color3B> fillColors;
};

// An action that never ends and notes each step.
class JournalAction : public cocos2d::Action {
public:
    CC_CREATABLE;
    static JournalAction* create(std::vector<std::string>* journal) {
        return cocos2d::createWithInit<JournalAction>(journal);
    }
    bool init(std::vector<std::string>* journal) {
        journal_ = journal;
        return true;
    }
    void step(float dt) override {
        steps.push_back(dt);
        if (journal_ != nullptr) journal_->push_back("action");
    }
    bool isDone() const override { return false; }

    std::vector<float> steps;

protected:
    JournalAction() = default;

private:
    std::vector<std::string>* journal_ = nullptr;
};

// A node that writes its draws (as its name), updates, timers and lifecycle
// calls into a shared journal.
class Probe : public cocos2d::Node {
public:
    CC_CREATABLE;
    static Probe* create(const std::string& name, std::vector<std::string>* journal = nullptr) {
        return cocos2d::createWithInit<Probe>(name, journal);
    }
    bool init(const std::string& name, std::vector<std::string>* journal) {
        if (!Node::init()) return false;
        setName(name);
        journal_ = journal;
        return true;
    }

    void draw(cocos2d::Renderer& renderer, const cocos2d::Transform& transform, float opacity) override {
        // Draws its content box as a fill, named after the node.
        cocos2d::Vec2 a = transform.apply(cocos2d::Vec2(0.0f, 0.0f));
        cocos2d::Vec2 b = transform.apply(cocos2d::Vec2(getContentSize().width, getContentSize().height));
        if (auto* recorder = dynamic_cast<RecordingRenderer*>(&renderer)) {
            recorder->calls.push_back({getName(), cocos2d::Rect(a.x, a.y, b.x - a.x, b.y - a.y), opacity});
        }
    }
    void update(float dt) override {
        ++updates;
        lastDt = dt;
        note("update");
        if (onUpdate) onUpdate(dt);
    }
    void tick(float dt) {
        ++ticks;
        tickArguments.push_back(dt);
        note("tick");
        if (onTick) onTick(dt);
    }
    void other(float) {
        ++others;
        note("other");
    }
    void onEnter() override {
        ++enters;
        note("enter");
        Node::onEnter();
    }
    void onExit() override {
        ++exits;
        note("exit");
        Node::onExit();
    }
    void cleanup() override {
        ++cleanups;
        note("cleanup");
        Node::cleanup();
    }
    ~Probe() override {
        if (destroyed != nullptr) *destroyed = true;
        note("destroyed");
    }

    int updates = 0;
    int ticks = 0;
    int others = 0;
    int enters = 0;
    int exits = 0;
    int cleanups = 0;
    float lastDt = 0.0f;
    std::vector<float> tickArguments;
    std::function<void(float)> onUpdate;
    std::function<void(float)> onTick;
    bool* destroyed = nullptr;

protected:
    Probe() = default;

private:
    void note(const std::string& what) {
        if (journal_ != nullptr) journal_->push_back(getName() + "." + what);
    }
    std::vector<std::string>* journal_ = nullptr;
};

} // namespace enginetest
