#pragma once
#include <string>

#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

// An autoreleased string, made with printf-style formatting.
class __String : public Ref {
public:
    CC_CREATABLE;
    static __String* createWithFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
    bool init(std::string text);
    const char* getCString() const { return text_.c_str(); }

protected:
    __String() = default;

private:
    std::string text_;
};

} // namespace cocos2d
