#include "frontend/TitleNode.h"

bool TitleNode::init() {
    if (!Node::init()) return false;
    logo = cocos2d::Sprite::create("title.png");
    logo->setScale(2.0f);
    logo->setPosition(SCREEN_SIZE.width / 2, SCREEN_SIZE.height * 0.7f);
    addChild(logo);

    tapPrompt = cocos2d::Sprite::create("tapS.png");
    tapPrompt->setScale(1.5f);
    tapPrompt->setPosition(SCREEN_SIZE.width / 2, SCREEN_SIZE.height * 0.2f);
    addChild(tapPrompt);

    promptFadeOut = cocos2d::FadeTo::create(1.0f, 0);
    promptFadeIn = cocos2d::FadeTo::create(1.0f, 255);
    promptBlink = cocos2d::Sequence::create(promptFadeOut, promptFadeIn, nullptr);
    promptBlinkForever = cocos2d::RepeatForever::create(promptBlink);
    tapPrompt->runAction(promptBlinkForever);
    return true;
}
