// Long run: plays the whole cycle headless at full speed for a number of
// frames (1/60 s each) and checks that nothing grows. Each cycle taps the
// title, turns the wheel to another stage, plays it with its own pattern of
// held halves and pauses (passers-by walk into a standing player), waits
// through the result and taps back to the title.
//
// Measured on the title, 30 frames after each return: resident memory,
// heap in use (shown, not judged), live engine objects, nodes in the running
// scene and cached textures. The
// first cycle turns the wheel past every board, so its previews load every
// stage's scenery: from then on the counts must hold. The run passes when
// the last cycle's figures lie within 5 % of the first cycle's; in a
// sanitizer build LeakSanitizer checks the exit as well.
//
//   soak [frames]     default 36000 (ten minutes of game time)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <malloc.h>
#include <unistd.h>

#include "app/Random.h"
#include "support/FullCycle.h"

// AddressSanitizer keeps freed memory in a quarantine of up to 256 MB before
// reusing it; filling it would read as growth. A small one still catches
// use after free across a frame.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
// The sanitizers' own count of heap bytes in use; absent without them.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

constexpr int BOARD_COUNT = 31;
constexpr int SETTLE_FRAMES = 30; // on the title before measuring
constexpr double TOLERANCE = 0.05;

struct Figures {
    long rssKiB = 0;
    long heapKiB = 0; // allocated and not yet freed
    long objects = 0; // live engine objects (Ref)
    long nodes = 0;   // in the running scene's tree
    long textures = 0;
};

long residentKiB() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long heapKiB() {
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
    }
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

Figures measure() {
    Figures f;
    f.rssKiB = residentKiB();
    f.heapKiB = heapKiB();
    f.objects = cocos2d::Ref::liveObjectCount();
    f.nodes = cycle::countNodes(cocos2d::Director::getInstance()->getRunningScene());
    f.textures = static_cast<long>(cocos2d::TextureCache::getInstance().getTextureCount());
    return f;
}

void print(const char* when, int cycleCount, const cycle::FullCycle& game, const Figures& f) {
    std::printf("%-6s cycle %4d  stage %2d  score %3d  frame %7ld  rss %7ld KiB  heap %7ld KiB  objects %5ld  "
                "nodes %4ld  textures %3ld\n",
                when, cycleCount, game.stage, game.score, game.frames, f.rssKiB, f.heapKiB, f.objects, f.nodes,
                f.textures);
    std::fflush(stdout);
}

double percent(long from, long to) {
    return from == 0 ? (to == 0 ? 0.0 : 100.0) : 100.0 * static_cast<double>(to - from) / static_cast<double>(from);
}

bool within(const char* what, long first, long last) {
    const double change = percent(first, last);
    const bool ok = change <= TOLERANCE * 100.0 && change >= -TOLERANCE * 100.0;
    std::printf("%-9s first %7ld  last %7ld  change %+6.2f %%  %s\n", what, first, last, change,
                ok ? "ok" : "OUT OF BOUNDS");
    return ok;
}

// Boards to turn for cycle n: the first turns past them all to the random
// board; later ones step through the stages both ways round the wheel.
int boardsToTurn(int n) {
    if (n == 0) return BOARD_COUNT - 1;
    const int stage = (n * 7) % BOARD_COUNT;
    return stage <= BOARD_COUNT / 2 ? stage : stage - BOARD_COUNT;
}

cycle::PlayStyle styleFor(int n) {
    static const cycle::PlayStyle styles[] = {
        {30, 0, 0},  // straight to the door
        {60, 30, 15}, // walk, wait, step back
        {20, 60, 0},  // mostly standing: passers-by come to the player
        {45, 0, 10},  // back and forth
    };
    return styles[n % 4];
}

} // namespace

int main(int argc, char** argv) {
    const long frameTarget = argc > 1 ? std::atol(argv[1]) : 36000;
    if (frameTarget <= 0) {
        std::fprintf(stderr, "usage: %s [frames]  (frames of 1/60 s, default 36000)\n", argv[0]);
        return 2;
    }
    // Repeatable runs: every generator gets the next seed.
    std::uint32_t nextSeed = 1;
    Random::setSeedSourceForTesting([&nextSeed] { return nextSeed++; });
    // The game's chatter would fill the output; engine and data complaints
    // ("Source: what") are shown once each.
    long logLines = 0;
    std::set<std::string> complaints;
    cocos2d::setLogSink([&](const std::string& line) {
        ++logLines;
        if (line.find(": ") != std::string::npos && complaints.insert(line).second && complaints.size() <= 20) {
            std::printf("log: %s\n", line.c_str());
        }
    });

    bool passed = true;
    {
        cocos2d::testing::Headless headless(cocos2d::Size(192, 108));
        headless.runWithScene(TitleScene::create());
        cycle::FullCycle game(headless);
        Figures first;
        Figures last;
        int cycles = 0;
        while (cycles == 0 || game.frames < frameTarget) {
            if (!game.runOnce(boardsToTurn(cycles), styleFor(cycles))) {
                std::printf("cycle %d (stage %d) stuck: %s\n", cycles, game.stage, game.failure.c_str());
                passed = false;
                break;
            }
            game.step(SETTLE_FRAMES);
            last = measure();
            if (cycles == 0) first = last;
            print(cycles == 0 ? "first" : "after", cycles, game, last);
            ++cycles;
        }
        std::printf("%d cycles, %ld frames (%.1f min of game time), %ld log lines, %zu distinct complaints\n",
                    cycles, game.frames, static_cast<double>(game.frames) / 3600.0, logLines, complaints.size());
        if (passed) {
            passed = within("rss", first.rssKiB, last.rssKiB) & within("objects", first.objects, last.objects) &
                     within("nodes", first.nodes, last.nodes) & within("textures", first.textures, last.textures);
            std::printf("heap      first %7ld  last %7ld  change %+6.2f %%  (not judged: rss covers it)\n",
                        first.heapKiB, last.heapKiB, percent(first.heapKiB, last.heapKiB));
        }
    }
    cocos2d::setLogSink(nullptr);
    std::printf("%s\n", passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}
