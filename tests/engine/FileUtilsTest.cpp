#include <gtest/gtest.h>

#include <filesystem>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

class FileUtilsTest : public ::testing::Test {
protected:
    void TearDown() override { files().setResourceRoot(""); }
    FileUtils& files() { return *FileUtils::getInstance(); }
    std::string fixtures() const {
        return (std::filesystem::path(__FILE__).parent_path() / "fixtures" / "text").string();
    }
};

} // namespace

TEST_F(FileUtilsTest, ReadsWholeFilesByteForByteFromTheResourceRoot) {
    files().setResourceRoot(fixtures());
    EXPECT_EQ(files().getResourceRoot(), fixtures());
    EXPECT_EQ(files().getStringFromFile("data.txt"), std::string("first line\r\nsecond\0line\n", 24));
    EXPECT_TRUE(files().isFileExist("data.txt"));
    EXPECT_EQ(files().fullPathForFilename("data.txt"), fixtures() + "/data.txt");
    EXPECT_EQ(files().fullPathForFilename("nothing.txt"), "");
    EXPECT_EQ(files().fullPathForFilename(""), "");
}

TEST_F(FileUtilsTest, MissingFileGivesNothingAndOneLineNamingIt) {
    files().setResourceRoot(fixtures());
    std::vector<std::string> lines;
    LogSink previous = setLogSink([&lines](const std::string& line) { lines.push_back(line); });
    EXPECT_EQ(files().getStringFromFile("Stage/StageData.txt"), "");
    setLogSink(previous);
    EXPECT_EQ(lines, std::vector<std::string>{"cocos2d: cannot read \"Stage/StageData.txt\""});
}

TEST_F(FileUtilsTest, WithoutARootSetItLooksBesideTheExecutable) {
    std::vector<std::string> roots = files().candidateRoots();
    ASSERT_EQ(roots.size(), 2u);
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    EXPECT_EQ(roots[0], (folder / "resources").string());
    EXPECT_EQ(roots[1], (folder.parent_path() / "share" / "puddlestep" / "resources").string());
    // The build puts a `resources` link beside every executable.
    EXPECT_EQ(files().getResourceRoot(), roots[0]);
}
