// CPU time of one stage-select preview rebuild (clearScenery, loadStage,
// showGoal, then the frame's autorelease drain) for the stage with the
// longest street, found from the shipped stage data. The shipped resources
// beside the executable are used.
//
// The first rebuild of a stage decodes images no earlier stage used; it is
// printed on its own. The repeated rebuilds find every image cached, as the
// stage-select screen does once the wheel has turned past a few boards.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include "app/Common.h"
#include "world/MapCreator.h"
#include "support/FrameClock.h"

using namespace cocos2d;

namespace {

struct World {
    MapCreator* preview = nullptr; // retained
    int stage = 0;
    float stageWidth = 0;
    double firstRebuild = 0; // seconds
    std::FILE* logFile = nullptr;
};

World world;

void rebuild(int stage) {
    world.preview->clearScenery();
    world.preview->loadStage(stage);
    world.preview->showGoal();
    AutoreleasePool::getInstance().clear();
}

void buildWorld() {
    world.logFile = std::fopen("/dev/null", "w");
    setLogSink([](const std::string& line) { std::fprintf(world.logFile, "%s\n", line.c_str()); });
    // What the stage-select screen starts with: a preview of stage 0.
    world.preview = MapCreator::create(0);
    world.preview->retain();
    AutoreleasePool::getInstance().clear();
    // The longest street, read by the game's own builder; the cache is
    // emptied again so that the first rebuild decodes its images.
    int longest = 0;
    float width = 0;
    for (int stage = 0; stage <= 30; ++stage) {
        MapCreator* map = MapCreator::create(stage);
        if (map->stageWidth > width) {
            width = map->stageWidth;
            longest = stage;
        }
    }
    AutoreleasePool::getInstance().clear();
    TextureCache::getInstance().removeAllTextures();
    world.stage = longest;
    world.stageWidth = width;
    const double t = bench::processCpuSeconds();
    rebuild(world.stage);
    world.firstRebuild = bench::processCpuSeconds() - t;
}

void destroyWorld() {
    world.preview->release();
    AutoreleasePool::getInstance().clear();
    TextureCache::getInstance().removeAllTextures();
    setLogSink(nullptr);
    std::fclose(world.logFile);
}

void BM_PreviewRebuild(benchmark::State& state) {
    for (auto _ : state) rebuild(world.stage);
    state.counters["stage"] = world.stage;
}

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") median = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double median = 0; // microseconds
};

} // namespace

int main(int argc, char** argv) {
    buildWorld();
    benchmark::RegisterBenchmark("BM_PreviewRebuild", BM_PreviewRebuild)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nPreview rebuild of stage %d (street %.0f points), CPU, median of repetitions:\n", world.stage,
                static_cast<double>(world.stageWidth));
    std::printf("  images cached:      %8.1f us (target < 2000)\n", reporter.median);
    std::printf("  first, decoding:    %8.1f us (once per image per run of the game)\n", world.firstRebuild * 1e6);
    benchmark::Shutdown();
    destroyWorld();
    return 0;
}
