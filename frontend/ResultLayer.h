#pragma once
#include "app/Common.h"

// Reveals four lines of text one after another — the clear texts with the
// score, or the miss texts for a score of 0 — framed by small umbrellas that
// fade in round the screen's edges. Once all four lines show, a tap fades
// back to a new title. Counts in seconds of frame time.
class ResultLayer : public cocos2d::Layer {
public:
    CC_CREATABLE;
    static ResultLayer* create(int score);
    bool init(int score);
    // Shows at most one line per frame, on schedule; then allows leaving.
    void update(float dt) override;
    // Leaves when allowed; every touch is claimed.
    bool onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event) override;

    void createClearLabels();
    void createMissLabels();

    int score = 0;       // nonzero: cleared, shown by line 2
    int shownCount = 0;  // lines visible so far; index of the next reveal time
    bool canLeave = false;
    float elapsed = 0;   // seconds since the layer started updating
    // Seconds at which lines 0 to 3 show; the 0 ends the list.
    float revealTimes[5] = {1.0f, 2.0f, 3.0f, 5.0f, 0.0f};
    cocos2d::Vector<cocos2d::Label*> resultLabels; // line 0 first
    cocos2d::Vector<cocos2d::Sprite*> decorations; // the umbrella frame; drawn beneath the text

    ~ResultLayer() override = default;

protected:
    ResultLayer() = default;

private:
    struct Line {
        const char* text; // printf template; only the score line converts
        float fontSize;   // design points
        int spacing;      // design points per line index
    };
    void createLabels(const Line (&lines)[4]);
    void createDecorations();
};
