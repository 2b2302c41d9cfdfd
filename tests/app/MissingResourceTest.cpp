// The whole cycle of screens with one shipped file taken away: the game
// names the file once and plays on, title to title.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/Random.h"
#include "support/FullCycle.h"
#include "support/LogCapture.h"

namespace {

namespace fs = std::filesystem;

fs::path shippedResources() {
    return fs::canonical(fs::read_symlink("/proc/self/exe").parent_path() / "resources");
}

// A resource folder of links to the shipped files, all but one.
class ResourcesWithout {
public:
    explicit ResourcesWithout(const std::string& missing)
        : root_(fs::temp_directory_path() /
                ("puddlestep-missing-" + std::to_string(::getpid()) + "-" + std::to_string(folderCount_++))) {
        fs::remove_all(root_);
        const fs::path shipped = shippedResources();
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shipped)) {
            const fs::path relative = fs::relative(entry.path(), shipped);
            if (entry.is_directory()) {
                fs::create_directories(root_ / relative);
            } else if (relative != fs::path(missing)) {
                fs::create_directories(root_ / relative.parent_path());
                fs::create_symlink(entry.path(), root_ / relative);
            }
        }
    }
    ~ResourcesWithout() {
        // A folder that is gone must not stay the lookup of later tests.
        cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
        if (files->getResourceRoot() == path()) files->setResourceRoot("");
        fs::remove_all(root_);
    }
    ResourcesWithout(const ResourcesWithout&) = delete;
    ResourcesWithout& operator=(const ResourcesWithout&) = delete;

    std::string path() const { return root_.string(); }

private:
    static inline int folderCount_ = 0; // a fresh folder each time: the game names a missing file once per folder
    fs::path root_;
};

struct MissingFile {
    const char* kind;
    const char* path; // relative to the resource folder
};

// One file of each kind that the cycle title → stage 0 → result → title
// loads: stage 0 and the title's stage 1 both use the building, background
// and floor chosen here.
const MissingFile MISSING_FILES[] = {
    {"stage layouts", "Stage/StageData.txt"},
    {"shop data", "Shop/ShopData.txt"},
    {"stage list", "Select/Data.txt"},
    {"building", "building_9.png"},
    {"background", "background_0.png"},
    {"floor", "floor_0.png"},
    {"player standing", "GameScene/arukuRight2.png"},
    {"player walking", "GameScene/arukuRight1.png"},
    {"passer-by", "GameScene/umbrellaMob.png"},
    {"board", "Select/board_00.png"},
    {"random board", "random.png"},
    {"marker", "umbrella_0.png"},
    {"mask", "stageMask.png"},
    {"gauge", "GameScene/HPwaku.png"},
    {"logo", "title.png"},
    {"rain", "rain.png"},
    {"font", "fonts/851H-kktt.ttf"},
    {"music", "Music/title.mp3"},
    {"play music", "Music/gameScene.mp3"},
    {"effect", "Music/button.mp3"},
};

void PrintTo(const MissingFile& missing, std::ostream* out) { *out << missing.path; }

class MissingResourceTest : public ::testing::TestWithParam<MissingFile> {
protected:
    void SetUp() override {
        previousSeeds_ = Random::setSeedSourceForTesting([this] { return nextSeed_++; });
    }
    void TearDown() override { Random::setSeedSourceForTesting(previousSeeds_); }

private:
    std::uint32_t nextSeed_ = 1;
    Random::SeedSource previousSeeds_;
};

TEST_P(MissingResourceTest, NamesTheFileOnceAndPlaysTheWholeCycle) {
    const MissingFile missing = GetParam();
    ASSERT_TRUE(fs::exists(shippedResources() / missing.path)) << "not shipped: " << missing.path;
    const ResourcesWithout resources(missing.path);
    LogCapture log;
    {
        cocos2d::testing::Headless headless(cocos2d::Size(192, 108), resources.path());
        headless.runWithScene(TitleScene::create());
        cycle::FullCycle game(headless);
        EXPECT_TRUE(game.runOnce(0, cycle::PlayStyle{})) << game.failure;
        EXPECT_EQ(game.stage, 0);
        game.step(10);
        EXPECT_NE(cycle::running<TitleScene>(), nullptr);
    }

    std::vector<std::string> naming;
    for (const std::string& line : log.lines) {
        if (line.find(missing.path) != std::string::npos) naming.push_back(line);
    }
    std::string shown;
    for (const std::string& line : naming) shown += "\n  " + line;
    EXPECT_EQ(naming.size(), 1u) << missing.kind << ":" << shown;
}

INSTANTIATE_TEST_SUITE_P(EachKind, MissingResourceTest, ::testing::ValuesIn(MISSING_FILES),
                         [](const ::testing::TestParamInfo<MissingFile>& info) {
                             std::string name;
                             for (const char* c = info.param.kind; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

} // namespace
