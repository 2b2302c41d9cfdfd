#include "characters/UmbrellaCreator.h"

#include <gtest/gtest.h>

#include <set>

#include "CharacterTesting.h"

using namespace cocos2d;
using characters_testing::Stage;

namespace {

TEST(UmbrellaCreatorTest, NoPeopleGivesAnEmptyListAndNoChildren) {
    Stage stage;
    UmbrellaCreator* creator = UmbrellaCreator::create(4000, 0);
    ASSERT_NE(creator, nullptr);
    EXPECT_TRUE(creator->umbrellas.empty());
    EXPECT_EQ(creator->getChildrenCount(), 0u);
}

TEST(UmbrellaCreatorTest, PeopleAreChildrenInListOrderScaledAndUnplaced) {
    Stage stage;
    UmbrellaCreator* creator = UmbrellaCreator::create(4000, 25);
    ASSERT_NE(creator, nullptr);
    stage.scene()->addChild(creator, 3);

    ASSERT_EQ(creator->umbrellas.size(), 25u);
    ASSERT_EQ(creator->getChildrenCount(), 25u);
    std::set<Umbrella*> distinct(creator->umbrellas.begin(), creator->umbrellas.end());
    EXPECT_EQ(distinct.size(), 25u);
    for (std::size_t i = 0; i < creator->umbrellas.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "person " << i);
        Umbrella* person = creator->umbrellas[i];
        EXPECT_EQ(creator->getChildren().at(i), person);
        EXPECT_EQ(person->getParent(), creator);
        EXPECT_EQ(person->getLocalZOrder(), 0);
        EXPECT_FLOAT_EQ(person->getScaleX(), 1.6f);
        EXPECT_FLOAT_EQ(person->getScaleY(), 1.6f);
        EXPECT_EQ(person->stageWidth, 4000.0f);
        EXPECT_EQ(person->getPosition(), Vec2::ZERO);
        EXPECT_EQ(person->getContentSize(), Size::ZERO);
        EXPECT_EQ(person->getFileName(), "");
        EXPECT_FALSE(person->isActive);
    }
    // The people live and run their timers under the spawner, and go with it.
    stage.step(120);
    EXPECT_EQ(creator->umbrellas.front()->getParent(), creator);
}

} // namespace
