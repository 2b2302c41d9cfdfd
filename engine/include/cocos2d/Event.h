#pragma once

namespace cocos2d {

// The event a touch callback receives alongside its touch.
class Event {
public:
    enum class Type { TOUCH };
    explicit Event(Type type) : type_(type) {}
    Type getType() const { return type_; }
    // Swallowing listeners stop the event from reaching listeners below.
    void stopPropagation() { stopped_ = true; }
    bool isStopped() const { return stopped_; }

private:
    Type type_;
    bool stopped_ = false;
};

} // namespace cocos2d
