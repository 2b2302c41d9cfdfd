// Checks the resource folder against the game: every file it loads is there
// and decodes, the data files read the way the game reads them and describe
// playable stages, the font covers every text on screen, and the pictures
// whose sizes become hit boxes have the sizes the layout relies on.

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kRes = RESOURCE_DIR;

// Screen layout the pictures have to fit (design points, y up).
constexpr double kGroundLine = 1080 * 0.185;
constexpr double kPlayerScale = 0.18;
constexpr double kPlayerY = 324;
constexpr double kGoalY = 432;
constexpr double kPersonScale = 1.6;
constexpr double kPersonY = 378;
constexpr double kColumn = 800;
constexpr double kStartX = 960;
constexpr double kStartBuildingX = kStartX - kColumn;
constexpr double kWheelRadius = 2484;
constexpr double kBoardStep = 0.2;
constexpr double kBoardScale = 0.2;
constexpr double kSelectedScale = 0.5;

std::string readFile(const std::string& rel) {
    std::ifstream in(kRes + "/" + rel, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool exists(const std::string& rel) { return std::ifstream(kRes + "/" + rel).good(); }

// The game's cutting rule: no empty token after a trailing separator.
std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

std::string format(const char* pattern, int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, n);
    return buf;
}

struct Building {
    std::string name;
    double entrance = 0, left = 0, right = 0;
    int isShop = 0;
    std::set<char> keys;
};

// Reads a shop line token by token, the way the buildings are made.
Building parseBuilding(const std::string& line) {
    Building b;
    auto tok = split(line, ',');
    for (size_t i = 0; i < tok.size(); ++i) {
        char key = tok[i].empty() ? '\0' : tok[i][0];
        auto value = [&](size_t k) { return k < tok.size() ? tok[k] : std::string(); };
        if (key == 'G') {
            b.entrance = std::atof(value(++i).c_str());
        } else if (key == 'M') {
            b.left = std::atof(value(i + 1).c_str());
            b.right = std::atof(value(i + 2).c_str());
            i += 2;
        } else if (key == 'N') {
            b.name = value(++i);
        } else if (key == 'S') {
            b.isShop = std::atoi(value(++i).c_str()) == 1 ? 1 : 0;
        } else {
            continue;
        }
        b.keys.insert(key);
    }
    return b;
}

std::vector<Building> loadBuildings() {
    std::vector<Building> out;
    for (const auto& line : split(readFile("Shop/ShopData.txt"), '\n')) out.push_back(parseBuilding(line));
    return out;
}

struct Stage {
    std::map<char, std::vector<int>> rows;  // B, F, S, G entries read before the end entry
    bool ended = false;
};

Stage parseStage(const std::string& line) {
    Stage s;
    for (const auto& entry : split(line, '<')) {
        if (entry.empty()) continue;
        if (entry[0] == 'n') {
            s.ended = true;
            break;
        }
        auto tok = split(entry, ',');
        std::vector<int> values;
        for (size_t i = 1; i < tok.size(); ++i) values.push_back(std::atoi(tok[i].c_str()));
        s.rows[entry[0]] = values;
    }
    return s;
}

std::vector<Stage> loadStages() {
    std::vector<Stage> out;
    for (const auto& line : split(readFile("Stage/StageData.txt"), '\n')) out.push_back(parseStage(line));
    return out;
}

std::vector<std::vector<std::string>> loadSelectLines() {
    std::vector<std::vector<std::string>> out;
    for (const auto& line : split(readFile("Select/Data.txt"), '\n')) out.push_back(split(line, ','));
    return out;
}

std::string selectValue(const std::vector<std::string>& fields, char key) {
    for (size_t i = 0; i + 1 < fields.size(); i += 2)
        if (!fields[i].empty() && fields[i][0] == key) return fields[i + 1];
    return {};
}

std::vector<Uint32> codePoints(const std::string& utf8) {
    std::vector<Uint32> out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        Uint32 cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

// A stage's goal x and the frames spent in the rain walking straight right
// from the start to it, with the game's shelter and goal rules.
struct Walk {
    double goalX = 0;
    int exposed = 0;
};

Walk walkStraight(const Stage& st, const std::vector<Building>& buildings, double halfWidth) {
    const auto& row = st.rows.at('S');
    std::vector<int> shopColumns;
    for (size_t k = 0; k < row.size(); ++k)
        if (buildings.at(row[k]).isShop == 1) shopColumns.push_back(static_cast<int>(k));
    int col = shopColumns.at(st.rows.at('G').at(0));
    Walk w;
    w.goalX = kColumn * col + buildings.at(row[col]).entrance;
    for (double x = kStartX + 10;; x += 10) {
        if (x - halfWidth <= w.goalX && w.goalX <= x + halfWidth) break;
        bool dry = false;
        for (size_t k = 0; k < row.size(); ++k) {
            const auto& b = buildings.at(row[k]);
            dry = dry || (kColumn * k + b.left < x && x < kColumn * k + b.right);
        }
        if (!dry) ++w.exposed;
    }
    return w;
}

class Sdl : public ::testing::Environment {
  public:
    void SetUp() override {
        // decoding needs a mixer, not a sound card
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_NE(IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG, 0) << IMG_GetError();
        ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    }
    void TearDown() override {
        TTF_Quit();
        IMG_Quit();
        SDL_Quit();
    }
};
[[maybe_unused]] const auto* const kSdl = ::testing::AddGlobalTestEnvironment(new Sdl);

struct Image {
    int w = 0, h = 0;
};

Image imageSize(const std::string& rel) {
    SDL_Surface* s = IMG_Load((kRes + "/" + rel).c_str());
    if (!s) return {};
    Image out{s->w, s->h};
    SDL_FreeSurface(s);
    return out;
}

// RGBA pixels of a picture, for the checks that look inside one.
struct Pixels {
    int w = 0, h = 0;
    std::vector<Uint8> rgba;
    const Uint8* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
};

Pixels pixels(const std::string& rel) {
    Pixels p;
    SDL_Surface* s = IMG_Load((kRes + "/" + rel).c_str());
    if (!s) return p;
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ABGR8888, 0);
    SDL_FreeSurface(s);
    p.w = c->w;
    p.h = c->h;
    p.rgba.resize(static_cast<size_t>(c->w) * c->h * 4);
    for (int y = 0; y < c->h; ++y)
        std::memcpy(&p.rgba[static_cast<size_t>(y) * c->w * 4], static_cast<Uint8*>(c->pixels) + y * c->pitch,
                    static_cast<size_t>(c->w) * 4);
    SDL_FreeSurface(c);
    return p;
}

const std::vector<std::string> kFixedImages = {
    "GameScene/arukuRight1.png", "GameScene/arukuRight2.png", "GameScene/arukuRight3.png",
    "GameScene/arukuLeft1.png",  "GameScene/arukuLeft2.png",  "GameScene/arukuLeft3.png",
    "GameScene/umbrellaMob.png", "GameScene/umbrellaman_0.png", "GameScene/hatena.png",
    "GameScene/ikari.png",       "GameScene/HPwaku.png",      "GameScene/HPwaku2.png",
    "rain.png",                  "title.png",                 "tapS.png",
    "random.png",                "umbrella_0.png",            "stageMask.png",
    "StageBoard_comment.png",
};

const std::vector<std::string> kMusic = {"Music/title.mp3", "Music/sentaku.mp3", "Music/gameScene.mp3"};
const std::vector<std::string> kEffects = {"Music/button.mp3", "Music/dekusi.mp3", "Music/dekusi2.mp3"};

// Every picture name the game can ask for, given the data files.
std::set<std::string> imagesTheGameLoads() {
    std::set<std::string> names(kFixedImages.begin(), kFixedImages.end());
    for (size_t n = 0; n < loadBuildings().size(); ++n) names.insert(format("building_%d.png", static_cast<int>(n)));
    for (const auto& st : loadStages()) {
        static const std::pair<char, const char*> kRows[] = {
            {'B', "background_%d.png"}, {'F', "floor_%d.png"}, {'S', "building_%d.png"}};
        for (const auto& [key, pattern] : kRows) {
            auto it = st.rows.find(key);
            if (it == st.rows.end()) continue;
            for (int v : it->second) names.insert(format(pattern, v));
        }
    }
    for (const auto& fields : loadSelectLines()) {
        std::string t = selectValue(fields, 'T');
        if (!t.empty()) names.insert(t);
    }
    return names;
}

// ---------------------------------------------------------------------------

TEST(ResourceFiles, EveryPictureTheGameLoadsDecodesWithAlpha) {
    for (const auto& name : imagesTheGameLoads()) {
        SCOPED_TRACE(name);
        SDL_Surface* s = IMG_Load((kRes + "/" + name).c_str());
        ASSERT_NE(s, nullptr) << IMG_GetError();
        EXPECT_NE(s->format->Amask, 0u) << "needs an alpha channel";
        SDL_FreeSurface(s);
    }
}

// MPEG-1 Layer III frames at 44.1 kHz from the first frame to the last byte:
// a truncated or re-tagged file breaks the chain. Returns the play time.
double mp3Seconds(const std::string& bytes, std::string& problem) {
    static const int kBitrates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    size_t pos = 0;
    if (bytes.compare(0, 3, "ID3") == 0 && bytes.size() > 10) {
        pos = 10 + ((bytes[6] & 0x7F) << 21 | (bytes[7] & 0x7F) << 14 | (bytes[8] & 0x7F) << 7 | (bytes[9] & 0x7F));
    }
    int frames = 0;
    while (pos + 4 <= bytes.size()) {
        auto b = [&](size_t k) { return static_cast<unsigned char>(bytes[pos + k]); };
        if (b(0) != 0xFF || (b(1) & 0xFE) != 0xFA) {
            problem = "no MPEG-1 Layer III frame at byte " + std::to_string(pos);
            return 0;
        }
        int bitrate = kBitrates[b(2) >> 4];
        if (bitrate == 0 || ((b(2) >> 2) & 3) != 0) {
            problem = "bad bitrate or not 44.1 kHz at byte " + std::to_string(pos);
            return 0;
        }
        pos += 144 * bitrate * 1000 / 44100 + ((b(2) >> 1) & 1);
        ++frames;
    }
    if (pos != bytes.size()) problem = "trailing bytes after the last frame";
    return frames * 1152.0 / 44100.0;
}

TEST(ResourceFiles, MusicAndEffectsAreMp3OfTheRightLength) {
    struct Case {
        std::string name;
        double minSeconds, maxSeconds;
    };
    // dekusi plays four times a second while the player is in the rain
    const std::vector<Case> cases = {
        {"Music/title.mp3", 30, 90},     {"Music/sentaku.mp3", 30, 90}, {"Music/gameScene.mp3", 30, 90},
        {"Music/button.mp3", 0.03, 0.5}, {"Music/dekusi.mp3", 0.03, 0.25}, {"Music/dekusi2.mp3", 0.05, 0.8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string problem;
        double seconds = mp3Seconds(readFile(c.name), problem);
        EXPECT_EQ(problem, "");
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);
    }
}

TEST(ResourceFiles, SoundsDecodeThroughTheMixer) {
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) GTEST_SKIP() << "no MP3 decoder in this SDL_mixer";
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
    for (const auto& name : kMusic) {
        SCOPED_TRACE(name);
        Mix_Music* m = Mix_LoadMUS((kRes + "/" + name).c_str());
        EXPECT_NE(m, nullptr) << Mix_GetError();
        if (m) Mix_FreeMusic(m);
    }
    for (const auto& name : kEffects) {
        SCOPED_TRACE(name);
        Mix_Chunk* c = Mix_LoadWAV((kRes + "/" + name).c_str());
        ASSERT_NE(c, nullptr) << Mix_GetError();
        // decoded to 16-bit stereo: the sound must not be silent
        const Sint16* s = reinterpret_cast<const Sint16*>(c->abuf);
        int peak = 0;
        for (Uint32 i = 0; i < c->alen / 2; ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
        EXPECT_GT(peak, 3000);
        Mix_FreeChunk(c);
    }
    Mix_CloseAudio();
    Mix_Quit();
}

TEST(ResourceFiles, FontHasEveryGlyphOnScreen) {
    TTF_Font* font = TTF_OpenFont((kRes + "/fonts/851H-kktt.ttf").c_str(), 40);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    std::vector<std::string> texts = {
        "!!クリア!!", "あまりぬれなかった！", "スコアは0123456789", "ヤッタネ!!", "!!ミス!!", "ぬれすぎた!!",
        "いったん帰ってまた今度いこう", "アイアイガサって大変...", "non letter", "random",
    };
    for (const auto& fields : loadSelectLines()) texts.push_back(selectValue(fields, 'S'));
    for (const auto& text : texts) {
        for (Uint32 cp : codePoints(text)) {
            if (cp == '@') continue;  // row break, never drawn
            EXPECT_TRUE(TTF_GlyphIsProvided32(font, cp)) << "U+" << std::hex << cp << " in " << text;
        }
    }
    TTF_CloseFont(font);
}

TEST(DataFiles, UseLineFeedsOnly) {
    for (const char* name : {"Shop/ShopData.txt", "Stage/StageData.txt", "Select/Data.txt"}) {
        std::string text = readFile(name);
        EXPECT_FALSE(text.empty()) << name;
        EXPECT_EQ(text.find('\r'), std::string::npos) << name;
    }
}

TEST(DataFiles, EveryBuildingHasItsPictureDoorAndEaves) {
    auto buildings = loadBuildings();
    ASSERT_FALSE(buildings.empty());
    for (size_t n = 0; n < buildings.size(); ++n) {
        const auto& b = buildings[n];
        SCOPED_TRACE("building " + std::to_string(n) + " " + b.name);
        EXPECT_EQ(b.keys, (std::set<char>{'G', 'M', 'N', 'S'}));
        EXPECT_FALSE(b.name.empty());
        EXPECT_LE(0, b.left);
        EXPECT_LE(b.left, b.right);
        EXPECT_LE(b.right, kColumn);
        EXPECT_LE(0, b.entrance);
        EXPECT_LE(b.entrance, kColumn);
        // a column stands on the ground line and stays below the top of the screen
        Image img = imageSize(format("building_%d.png", static_cast<int>(n)));
        EXPECT_EQ(img.w, kColumn);
        EXPECT_GT(img.h, 0);
        EXPECT_LE(kGroundLine + img.h, 1080.5);
    }
}

TEST(DataFiles, EveryStageIsCompleteAndStartsDry) {
    auto buildings = loadBuildings();
    auto stages = loadStages();
    ASSERT_EQ(stages.size(), 31u) << "stages 0 to 29 and the random stage 30";
    const double half = imageSize("GameScene/arukuRight2.png").w * kPlayerScale / 2;
    for (size_t n = 0; n < stages.size(); ++n) {
        const auto& st = stages[n];
        SCOPED_TRACE("stage " + std::to_string(n));
        EXPECT_TRUE(st.ended) << "no end entry";
        for (char key : {'B', 'F', 'S', 'G'}) ASSERT_EQ(st.rows.count(key), 1u) << key;
        const auto& row = st.rows.at('S');
        ASSERT_GE(row.size(), 2u);
        for (int b : row) ASSERT_TRUE(b >= 0 && static_cast<size_t>(b) < buildings.size()) << b;
        EXPECT_EQ(st.rows.at('B').size(), st.rows.at('F').size());
        EXPECT_GE(st.rows.at('F').size(), row.size());

        // the player waits out the fade at x 960, in column 1
        const auto& start = buildings[row[1]];
        EXPECT_LT(start.left, kStartBuildingX);
        EXPECT_GT(start.right, kStartBuildingX);

        // the goal names a shop that is placed, and the street goes on past it
        ASSERT_FALSE(st.rows.at('G').empty());
        int goal = st.rows.at('G')[0];
        int shops = 0, goalColumn = -1;
        for (size_t k = 0; k < row.size(); ++k) {
            if (buildings[row[k]].isShop != 1) continue;
            if (shops == goal) goalColumn = static_cast<int>(k);
            ++shops;
        }
        ASSERT_GE(goal, 0);
        ASSERT_LT(goal, shops);
        EXPECT_GE(static_cast<int>(row.size()) - 1 - goalColumn, 2) << "columns after the goal";
        EXPECT_GT(walkStraight(st, buildings, half).goalX, kStartX + half) << "goal behind the start";
    }
}

TEST(DataFiles, FirstStagesCanBeWalkedStraightThrough) {
    // dryness 200: the 201st frame in the rain loses the stage
    auto buildings = loadBuildings();
    auto stages = loadStages();
    ASSERT_GE(stages.size(), 3u);
    const double half = imageSize("GameScene/arukuRight2.png").w * kPlayerScale / 2;
    for (size_t n = 0; n < 3; ++n) EXPECT_LT(walkStraight(stages[n], buildings, half).exposed, 200) << n;
}

TEST(DataFiles, EveryBoardHasPictureCommentAndStreetLength) {
    auto lines = loadSelectLines();
    auto stages = loadStages();
    ASSERT_EQ(lines.size(), 30u) << "boards 0 to 29; board 30 is the random one";
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto& fields = lines[n];
        SCOPED_TRACE("board " + std::to_string(n));
        EXPECT_EQ(fields.size() % 2, 0u) << "a key without its value";
        std::string picture = selectValue(fields, 'T');
        EXPECT_TRUE(exists(picture)) << picture;
        std::string comment = selectValue(fields, 'S');
        auto rows = split(comment, '@');
        EXPECT_GE(rows.size(), 1u);
        EXPECT_LE(rows.size(), 4u);
        for (const auto& r : rows) EXPECT_LE(codePoints(r).size(), 12u) << r;
        int level = std::atoi(selectValue(fields, 'L').c_str());
        EXPECT_GE(level, 1);
        EXPECT_LE(level, 5);
        if (n < stages.size() && stages[n].rows.count('S')) {
            EXPECT_EQ(std::atoi(selectValue(fields, 'W').c_str()), static_cast<int>(stages[n].rows.at('S').size()));
        }
    }
}

TEST(Pictures, WalkCycleStandsOnTheStreet) {
    Image stand = imageSize("GameScene/arukuRight2.png");
    for (const char* side : {"Right", "Left"}) {
        for (int i = 1; i <= 3; ++i) {
            Image img = imageSize(std::string("GameScene/aruku") + side + std::to_string(i) + ".png");
            EXPECT_EQ(img.w, stand.w);
            EXPECT_EQ(img.h, stand.h);
        }
    }
    const double halfH = stand.h * kPlayerScale / 2;
    EXPECT_NEAR(kPlayerY - halfH, kGroundLine, 8) << "feet meet the street";
    EXPECT_GE(kPlayerY + halfH, kGoalY) << "the box must reach the door point";
    EXPECT_GE(stand.w * kPlayerScale, 100);
    EXPECT_LE(stand.w * kPlayerScale, 140);
}

TEST(Pictures, LeftWalkMirrorsTheRightWalk) {
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        Pixels r = pixels("GameScene/arukuRight" + std::to_string(i) + ".png");
        Pixels l = pixels("GameScene/arukuLeft" + std::to_string(i) + ".png");
        ASSERT_EQ(r.w, l.w);
        ASSERT_EQ(r.h, l.h);
        size_t differ = 0;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x)
                if (std::abs(r.at(x, y)[3] - l.at(r.w - 1 - x, y)[3]) > 64) ++differ;
        EXPECT_LT(differ, static_cast<size_t>(r.w) * r.h / 200);
    }
}

TEST(Pictures, PassersByStandOnTheStreet) {
    for (const char* name : {"GameScene/umbrellaMob.png", "GameScene/umbrellaman_0.png"}) {
        SCOPED_TRACE(name);
        Image img = imageSize(name);
        EXPECT_NEAR(kPersonY - img.h * kPersonScale / 2, kGroundLine, 8);
        EXPECT_GE(img.w * kPersonScale, 250) << "the umbrella is the shelter";
        EXPECT_LE(img.w * kPersonScale, 400);
    }
}

TEST(Pictures, SceneryTilesFitTheColumnGrid) {
    std::set<int> backgrounds, floors;
    for (const auto& st : loadStages()) {
        if (st.rows.count('B')) backgrounds.insert(st.rows.at('B').begin(), st.rows.at('B').end());
        if (st.rows.count('F')) floors.insert(st.rows.at('F').begin(), st.rows.at('F').end());
    }
    ASSERT_FALSE(backgrounds.empty());
    ASSERT_FALSE(floors.empty());
    for (int n : backgrounds) {
        Image img = imageSize(format("background_%d.png", n));
        EXPECT_EQ(img.w, kColumn) << n;
        // up to the centre of the screen's top pixel row
        EXPECT_GE(kGroundLine + img.h, 1079.5) << "background " << n << " reaches the top of the screen";
    }
    for (int n : floors) {
        Image img = imageSize(format("floor_%d.png", n));
        EXPECT_EQ(img.w, kColumn) << n;
        EXPECT_NEAR(img.h, kGroundLine, 1) << n;
    }
}

TEST(Pictures, MarkerOverlapsOneBoardAtATime) {
    Image marker = imageSize("umbrella_0.png");
    std::vector<std::string> boards = {"random.png"};
    for (const auto& fields : loadSelectLines()) boards.push_back(selectValue(fields, 'T'));
    const double step = 2 * kWheelRadius * std::sin(kBoardStep / 2);
    for (const auto& name : boards) {
        SCOPED_TRACE(name);
        Image b = imageSize(name);
        ASSERT_GT(b.w, 0);
        // the selected board keeps its size while it overlaps the marker; the
        // next board must not touch the marker before the selected one leaves
        double selectedReach = b.w * kSelectedScale / 2 + marker.w / 2.0;
        double nextReach = b.w * kBoardScale / 2 + marker.w / 2.0;
        EXPECT_LT(selectedReach + nextReach, step);
    }
}

TEST(Pictures, TintedPicturesAreLight) {
    // the game multiplies these by a colour: dark pixels would stay dark
    for (const char* name : {"GameScene/HPwaku.png", "rain.png"}) {
        SCOPED_TRACE(name);
        Pixels p = pixels(name);
        ASSERT_GT(p.w, 0);
        double sum = 0;
        double weight = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const Uint8* px = p.at(x, y);
                sum += (px[0] + px[1] + px[2]) / 3.0 * px[3];
                weight += px[3];
            }
        ASSERT_GT(weight, 0);
        EXPECT_GT(sum / weight, 220);
    }
    Image bar = imageSize("GameScene/HPwaku.png");
    Image frame = imageSize("GameScene/HPwaku2.png");
    EXPECT_EQ(bar.w, frame.w);
    EXPECT_EQ(bar.h, frame.h);
}

TEST(Pictures, StageSelectPanelsFitTheirText) {
    Pixels mask = pixels("stageMask.png");
    ASSERT_EQ(mask.w, 1920);
    ASSERT_EQ(mask.h, 1080);
    size_t open = 0, closed = 0;
    for (int y = 0; y < mask.h; ++y)
        for (int x = 0; x < mask.w; ++x) (mask.at(x, y)[3] > 0 ? open : closed)++;
    EXPECT_GT(open, 0u);
    EXPECT_GT(closed, 0u);

    // the comment rows start at (192, 918) and run down, 40 points each,
    // at most 12 characters wide; the panel is centred on (384, 648)
    Image panel = imageSize("StageBoard_comment.png");
    EXPECT_LT(384 - panel.w / 2.0, 192);
    EXPECT_GT(384 + panel.w / 2.0, 192 + 12 * 40);
    EXPECT_GT(648 + panel.h / 2.0, 918);
    EXPECT_LT(648 - panel.h / 2.0, 918 - 4 * 50);
}

}  // namespace
