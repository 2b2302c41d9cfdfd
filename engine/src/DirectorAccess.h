#pragma once

namespace cocos2d {

class Director;

// Engine internal: the director if one exists, without making one. Node and
// touch destructors use it, as they may run while the director is torn down
// or after it is gone.
Director* existingDirector();

} // namespace cocos2d
