#include "frontend/StageItem.h"

#include <gtest/gtest.h>

#include "cocos2d/testing/Headless.h"
#include "support/LogCapture.h"
#include "world/ResourceFolder.h"

namespace {

class StageItemTest : public ::testing::Test {
protected:
    StageItemTest() { folder.addImages({"random.png", "sample.png", "p.png"}); }

    // Entry 1 reads line 1; line 0 is there to prove the index is used.
    StageItem* entryFromLine(const std::string& line) {
        folder.write("Select/Data.txt", "L,9,W,9,T,random.png,S,line zero\n" + line + "\n");
        return StageItem::create(1);
    }

    ResourceFolder folder;
    cocos2d::testing::Headless harness{cocos2d::Size(960, 540), folder.path()};
};

struct EntryLine {
    std::string line;
    int paramL;
    int paramW;
    std::string picture;
    std::string comment;
};

void PrintTo(const EntryLine& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.line);
}

class EntryLineTest : public StageItemTest, public ::testing::WithParamInterface<EntryLine> {};

TEST_P(EntryLineTest, AppliesTheFieldsPairByPair) {
    const EntryLine& expected = GetParam();
    StageItem* entry = entryFromLine(expected.line);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->paramL, expected.paramL);
    EXPECT_EQ(entry->paramW, expected.paramW);
    EXPECT_EQ(entry->getFileName(), expected.picture);
    EXPECT_EQ(entry->comment, expected.comment);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EntryLineTest,
    ::testing::Values(
        EntryLine{"L,3,W,1,T,sample.png,S,first row@second row", 3, 1, "sample.png", "first row\nsecond row\n"},
        EntryLine{"L,3,W,1", 3, 1, "", ""},                          // no T: no picture; no S: no comment
        EntryLine{"S,one", 0, 0, "", "one\n"},
        EntryLine{"S,a@@b", 0, 0, "", "a\n\nb\n"},                   // "@@": an empty row
        EntryLine{"S,@x", 0, 0, "", "\nx\n"},                        // leading "@": an empty row first
        EntryLine{"S,,L,2", 2, 0, "", ""},                           // an empty S adds nothing
        EntryLine{"X,T,p.png", 0, 0, "p.png", ""},                   // X skipped alone
        EntryLine{",T,p.png", 0, 0, "p.png", ""},                    // so is an empty field
        EntryLine{"L,S,T,p.png", 0, 0, "p.png", ""},                 // a key takes the next field, whatever it is
        EntryLine{"S,one,two,W,5", 0, 5, "", "one\n"},               // a comma ends the comment
        EntryLine{"S,a,S,b,L,1,L,2,T,p.png,T,sample.png", 2, 0, "sample.png", "a\nb\n"}, // repeats
        EntryLine{"L, -12x,W,abc", -12, 0, "", ""},                  // atoi prefixes
        EntryLine{"Level,4,Width,5", 4, 5, "", ""},                  // only the first character counts
        EntryLine{"l,5,w,6", 0, 0, "", ""},                          // keys are case-sensitive
        EntryLine{"T,p.png,L,7,W,4\r", 7, 4, "p.png", ""},           // CR ends a number harmlessly
        EntryLine{"S,a\r", 0, 0, "", "a\r\n"}));                     // but stays in text

TEST_F(StageItemTest, PictureNameWithCarriageReturnLoadsNothing) {
    StageItem* entry = entryFromLine("L,7,T,p.png\r");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->paramL, 7);
    EXPECT_EQ(entry->getFileName(), "");
}

TEST_F(StageItemTest, RandomEntryNeverReadsTheList) {
    LogCapture log; // no stage list file at all: reading it would be reported
    StageItem* entry = StageItem::create(StageItem::RANDOM_ENTRY_INDEX);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->comment, "random");
    EXPECT_EQ(entry->getFileName(), "random.png");
    EXPECT_EQ(entry->paramL, 0);
    EXPECT_EQ(entry->paramW, 0);
    EXPECT_EQ(log.lines, std::vector<std::string>{"getStageItem"});
}

TEST_F(StageItemTest, ReadsTheLineOfItsIndexAndLogs) {
    folder.write("Select/Data.txt", "L,0\nL,1\nL,2,S,third\n");
    LogCapture log;
    StageItem* entry = StageItem::create(2);
    EXPECT_EQ(entry->paramL, 2);
    EXPECT_EQ(entry->comment, "third\n");
    EXPECT_EQ(log.lines, std::vector<std::string>{"getStageItem"});
}

// Faulty stage lists: one report naming the file, the line and the fault;
// the entry keeps what could be read and is still created.
struct FaultyList {
    std::string file;
    int index;
    std::string report;
    int paramL;
    std::string picture;
    std::string comment;
};

void PrintTo(const FaultyList& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.file);
}

class FaultyListTest : public StageItemTest, public ::testing::WithParamInterface<FaultyList> {};

TEST_P(FaultyListTest, ReportsOnceAndStillMakesTheEntry) {
    const FaultyList& fault = GetParam();
    folder.write("Select/Data.txt", fault.file);
    LogCapture log;
    StageItem* entry = StageItem::create(fault.index);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{fault.report, "getStageItem"}));
    EXPECT_EQ(entry->paramL, fault.paramL);
    EXPECT_EQ(entry->getFileName(), fault.picture);
    EXPECT_EQ(entry->comment, fault.comment);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyListTest,
    ::testing::Values(
        FaultyList{"L,1\nL,2\n", 5, "Select/Data.txt line 5: no such line, the file has 2", 0, "", ""},
        FaultyList{"L,1\nL,2\n", -1, "Select/Data.txt line -1: no such line, the file has 2", 0, "", ""},
        FaultyList{"L,3,S,a,T\n", 0, "Select/Data.txt line 0: \"T\" needs a value", 3, "", "a\n"},
        FaultyList{"T,p.png,L,3,L", 0, "Select/Data.txt line 0: \"L\" needs a value", 0, "p.png", ""},
        FaultyList{"L,3,S,a,S,\n", 0, "Select/Data.txt line 0: \"S\" needs a value", 3, "", "a\n"}));

TEST_F(StageItemTest, MissingListFileIsNamedOnceForAllBoards) {
    LogCapture log;
    StageItem::create(0);
    StageItem::create(1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Select/Data.txt line 0: the file is missing", "getStageItem",
                                                   "getStageItem"}));
}

// Else no tap could hit it, and the stage select could never be left.
TEST_F(StageItemTest, BoardWithoutItsPictureKeepsABoardsBox) {
    folder.write("Select/Data.txt", "L,1,T,Select/gone.png,S,a\nL,2,S,b\n");
    for (int index : {0, 1}) { // a picture that is missing, no picture named
        StageItem* entry = StageItem::create(index);
        EXPECT_EQ(entry->getFileName(), "");
        EXPECT_EQ(entry->getContentSize(), cocos2d::Size(800, 560));
    }
    EXPECT_NE(entryFromLine("T,sample.png")->getContentSize(), cocos2d::Size(800, 560)) << "a picture sets the box";
}

TEST_F(StageItemTest, MissingListFileIsReportedOnce) {
    LogCapture log;
    StageItem* entry = StageItem::create(0);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Select/Data.txt line 0: the file is missing", "getStageItem"}));
    EXPECT_EQ(entry->comment, "");
}

} // namespace
