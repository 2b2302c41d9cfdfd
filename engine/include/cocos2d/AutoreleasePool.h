#pragma once
#include <vector>

namespace cocos2d {

class Ref;

// Holds the references handed over by `Ref::autorelease` until the director
// drains it at the end of each frame (or a test drains it by hand).
class AutoreleasePool {
public:
    static AutoreleasePool& getInstance();

    void addObject(Ref* object);
    // Releases every pooled reference, in the order they were added.
    void clear();
    bool contains(const Ref* object) const;
    std::size_t size() const { return objects_.size(); }

private:
    std::vector<Ref*> objects_;
};

} // namespace cocos2d
