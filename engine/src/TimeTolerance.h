#pragma once

namespace cocos2d {

// Engine internal: frame times are summed in floats, so a duration or an
// interval reached within this many seconds counts as reached (sixty frames
// of 1/60 s make one whole second).
constexpr float kTimeTolerance = 1e-4f;

} // namespace cocos2d
