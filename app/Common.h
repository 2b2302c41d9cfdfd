#pragma once
// Included by every game source: the engine and the screen constants.

#include "SimpleAudioEngine.h"
#include "cocos2d.h"

// The design resolution in points; every position is written against it.
// Each source file holds its own copy.
static const cocos2d::Size SCREEN_SIZE(1920.0f, 1080.0f);
static const cocos2d::Vec2 SCREEN_CENTER(SCREEN_SIZE.width / 2.0f, SCREEN_SIZE.height / 2.0f);
