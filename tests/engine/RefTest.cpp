#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

class Failing : public Ref {
public:
    CC_CREATABLE;
    bool init(bool succeed) { return succeed; }

protected:
    Failing() = default;
};

} // namespace

using RefTest = enginetest::EngineTest;

TEST_F(RefTest, LastReleaseDeletesAndLiveCountFollows) {
    const long before = Ref::liveObjectCount();
    Node* node = Node::create();
    EXPECT_EQ(Ref::liveObjectCount(), before + 1);
    EXPECT_EQ(node->getReferenceCount(), 1u);
    EXPECT_TRUE(AutoreleasePool::getInstance().contains(node));

    node->retain();
    AutoreleasePool::getInstance().clear(); // the creator's reference goes
    EXPECT_EQ(node->getReferenceCount(), 1u);
    EXPECT_EQ(Ref::liveObjectCount(), before + 1);

    node->release();
    EXPECT_EQ(Ref::liveObjectCount(), before);
}

TEST_F(RefTest, CreateWithFailingInitDeletesAndReturnsNull) {
    const long before = Ref::liveObjectCount();
    EXPECT_EQ(createWithInit<Failing>(false), nullptr);
    EXPECT_EQ(Ref::liveObjectCount(), before);
    EXPECT_EQ(AutoreleasePool::getInstance().size(), 0u);

    Failing* made = createWithInit<Failing>(true);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(AutoreleasePool::getInstance().contains(made));
}

TEST_F(RefTest, PoolReleasesEveryPooledReferenceAndEmpties) {
    Node* node = Node::create(); // one reference, pooled
    node->retain();
    node->retain();
    node->autorelease(); // two of the three references pooled
    EXPECT_EQ(AutoreleasePool::getInstance().size(), 2u);
    AutoreleasePool::getInstance().clear();
    EXPECT_EQ(AutoreleasePool::getInstance().size(), 0u);
    EXPECT_EQ(node->getReferenceCount(), 1u);
    node->release();
}

TEST_F(RefTest, VectorHoldsOneReferencePerElement) {
    Node* node = Node::create();
    {
        Vector<Node*> list;
        list.pushBack(node);
        Vector<Node*> copy(list);
        EXPECT_EQ(node->getReferenceCount(), 3u);
        copy.eraseObject(node);
        EXPECT_EQ(node->getReferenceCount(), 2u);
    }
    EXPECT_EQ(node->getReferenceCount(), 1u);
}
