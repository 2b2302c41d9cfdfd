// CPU cost of one frame of play on the stage with the longest street (found
// from the shipped stage data), 25 umbrella people, both rain managers full:
// the play logic alone (actions and scheduler: every update and timer, no
// drawing), the drawing alone, and a bare SDL loop that replays exactly the
// draws the engine handed to SDL in that frame (same textures, rectangles,
// flips, tints) through SDL_RenderCopyExF on the same renderer. Engine and
// bare loop alternate frame by frame in one run; prints both and the ratios.
//
// Also prints the play frame's draw counters and how the rain drops reach
// SDL: in how many runs of back-to-back draws of the rain texture.
//
// Runs on SDL's offscreen video driver unless SDL_VIDEODRIVER names another,
// in a 1280 × 720 window, with the shipped resources beside the executable.

#include <benchmark/benchmark.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <SDL.h>

#include "EngineShutdown.h"
#include "SdlRenderer.h"
#include "support/FrameClock.h"
#include "support/MedianReporter.h"
#include "SimpleAudioEngine.h"
#include "TextureBackend.h"
#include "app/Common.h"
#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"
#include "weather/RainManager.h"
#include "world/MapCreator.h"

using namespace cocos2d;

// --- what the engine hands to SDL ----------------------------------------------
//
// The engine calls these three SDL functions to draw; definitions here take
// precedence over SDL's for the engine linked into this program. While a
// capture runs they record each call before passing it on.

namespace {

struct Draw {
    SDL_Texture* texture; // null: a filled box
    SDL_FRect box;
    SDL_RendererFlip flip;
    Uint8 r, g, b, a;
};

bool capturing = false;
std::vector<Draw> captured;

template <typename Fn> Fn realSdl(const char* name) {
    void* found = dlsym(RTLD_NEXT, name);
    if (found == nullptr) {
        std::fprintf(stderr, "play_frame_bench: no %s in SDL\n", name);
        std::abort();
    }
    Fn fn;
    static_assert(sizeof fn == sizeof found);
    std::memcpy(&fn, &found, sizeof fn);
    return fn;
}

void record(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_FRect* box, SDL_RendererFlip flip) {
    Draw draw{texture, box != nullptr ? *box : SDL_FRect{0, 0, 0, 0}, flip, 255, 255, 255, 255};
    if (texture != nullptr) {
        SDL_GetTextureColorMod(texture, &draw.r, &draw.g, &draw.b);
        SDL_GetTextureAlphaMod(texture, &draw.a);
    } else {
        SDL_GetRenderDrawColor(renderer, &draw.r, &draw.g, &draw.b, &draw.a);
    }
    captured.push_back(draw);
}

} // namespace

extern "C" {

int SDL_RenderCopyF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* source, const SDL_FRect* box) {
    using Fn = int (*)(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_FRect*);
    static const Fn real = realSdl<Fn>("SDL_RenderCopyF");
    if (capturing) record(renderer, texture, box, SDL_FLIP_NONE);
    return real(renderer, texture, source, box);
}

int SDL_RenderCopyExF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* source, const SDL_FRect* box,
                      const double angle, const SDL_FPoint* center, const SDL_RendererFlip flip) {
    using Fn = int (*)(SDL_Renderer*, SDL_Texture*, const SDL_Rect*, const SDL_FRect*, double, const SDL_FPoint*,
                       SDL_RendererFlip);
    static const Fn real = realSdl<Fn>("SDL_RenderCopyExF");
    if (capturing) record(renderer, texture, box, flip);
    return real(renderer, texture, source, box, angle, center, flip);
}

int SDL_RenderFillRectF(SDL_Renderer* renderer, const SDL_FRect* box) {
    using Fn = int (*)(SDL_Renderer*, const SDL_FRect*);
    static const Fn real = realSdl<Fn>("SDL_RenderFillRectF");
    if (capturing) record(renderer, nullptr, box, SDL_FLIP_NONE);
    return real(renderer, box);
}

} // extern "C"

namespace {

constexpr int FRAME_W = 1280;
constexpr int FRAME_H = 720;
constexpr float DT = 1.0f / 60.0f;
constexpr int PEOPLE = 25; // what the play scene sets up
// The front manager (260) is full after 2 × 260 + 3 frames; walk a little
// first so that the camera follows.
constexpr int WALK_FRAMES = 120;
constexpr int WARM_FRAMES = 700;

struct World {
    GLView* view = nullptr;
    GameScene* scene = nullptr;
    int stage = 0;
    float stageWidth = 0;
    std::FILE* logFile = nullptr;
    std::vector<Draw> bare;
    // Of the captured frame.
    SdlRenderer::FrameStats stats;
    int rainDraws = 0;
    int rainRuns = 0;
};

World world;

// Runs of back-to-back draws of `texture` in `draws`.
int runsOf(SDL_Texture* texture, const std::vector<Draw>& draws, int& total) {
    int runs = 0;
    total = 0;
    SDL_Texture* previous = nullptr;
    for (const Draw& d : draws) {
        if (d.texture == texture) {
            ++total;
            if (previous != texture) ++runs;
        }
        previous = d.texture;
    }
    return runs;
}

// The stage whose building row is longest, as the game reads the data.
void findLongestStage() {
    for (int stage = 0; stage <= 30; ++stage) {
        MapCreator* map = MapCreator::create(stage);
        if (map != nullptr && map->stageWidth > world.stageWidth) {
            world.stageWidth = map->stageWidth;
            world.stage = stage;
        }
        AutoreleasePool::getInstance().clear();
    }
}

void touch(TouchPhase phase, float x) {
    Director::getInstance()->getEventDispatcher()->dispatchTouch(phase, 0, Vec2(x, SCREEN_SIZE.height / 2.0f));
}

void buildWorld() {
    // The game writes a few log lines every frame; they go where a player's
    // standard error would, minus the terminal.
    world.logFile = std::fopen("/dev/null", "w");
    setLogSink([](const std::string& line) { std::fprintf(world.logFile, "%s\n", line.c_str()); });

    GLViewImpl* view = GLViewImpl::createWithRect("Puddlestep", Rect(0, 0, FRAME_W, FRAME_H));
    if (view == nullptr) {
        std::fprintf(stderr, "play_frame_bench: cannot open a window\n");
        std::exit(1);
    }
    view->setDesignResolutionSize(SCREEN_SIZE.width, SCREEN_SIZE.height, ResolutionPolicy::SHOW_ALL);
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    director->setAnimationInterval(DT);
    view->retain(); // past the director's end, as the window must outlive it
    world.view = view;

    findLongestStage();
    world.scene = GameScene::create(world.stage, 200);
    director->runWithScene(world.scene);
    for (int frame = 0; frame < WARM_FRAMES; ++frame) {
        if (frame == 1) touch(TouchPhase::BEGAN, SCREEN_SIZE.width * 0.75f);
        if (frame == WALK_FRAMES) touch(TouchPhase::ENDED, SCREEN_SIZE.width * 0.75f);
        world.scene->gameLayer->hp = 200; // the stage must not end in the rain
        director->mainLoop(DT);
    }

    // One frame captured as it reaches SDL.
    captured.clear();
    capturing = true;
    director->mainLoop(DT);
    capturing = false;
    world.bare = captured;
    auto& renderer = static_cast<SdlRenderer&>(view->getRenderer());
    world.stats = renderer.lastFrameStats();
    Texture2D* rain = TextureCache::getInstance().addImage("rain.png");
    SDL_Texture* rainTexture = rain != nullptr ? rain->backend()->textureFor(renderer.sdl()) : nullptr;
    world.rainRuns = runsOf(rainTexture, world.bare, world.rainDraws);
}

void destroyWorld() {
    Director::destroyInstance();
    CocosDenshion::SimpleAudioEngine::end();
    releaseEngineCaches();
    if (world.view != nullptr) world.view->release();
    world.view = nullptr;
    quitSdl();
    setLogSink(nullptr);
    std::fclose(world.logFile);
}

using bench::finishFrames;
using bench::processCpuSeconds;

void bareFrame(SDL_Renderer* sdl) {
    SDL_SetRenderDrawColor(sdl, 0, 0, 0, 255);
    SDL_RenderClear(sdl);
    for (const Draw& d : world.bare) {
        if (d.texture == nullptr) {
            SDL_SetRenderDrawBlendMode(sdl, SDL_BLENDMODE_BLEND);
            SDL_SetRenderDrawColor(sdl, d.r, d.g, d.b, d.a);
            SDL_RenderFillRectF(sdl, &d.box);
            continue;
        }
        SDL_SetTextureColorMod(d.texture, d.r, d.g, d.b);
        SDL_SetTextureAlphaMod(d.texture, d.a);
        SDL_RenderCopyExF(sdl, d.texture, nullptr, &d.box, 0.0, nullptr, d.flip);
    }
    SDL_RenderPresent(sdl);
}

// Each iteration: the play logic of one frame, the engine's drawing of it
// (clear, scene graph, present), then the bare loop's frame; each finished
// before the next starts. Alternating, load from elsewhere on the machine
// hits both sides alike.
void BM_PlayFrame(benchmark::State& state) {
    Director* director = Director::getInstance();
    auto& renderer = static_cast<SdlRenderer&>(world.view->getRenderer());
    SDL_Renderer* sdl = renderer.sdl();
    double logic = 0.0;
    double draw = 0.0;
    double bare = 0.0;
    finishFrames(sdl);
    for (auto _ : state) {
        world.scene->gameLayer->hp = 200;
        double t = processCpuSeconds();
        director->getActionManager()->update(DT);
        director->getScheduler()->update(DT);
        AutoreleasePool::getInstance().clear();
        double next = processCpuSeconds();
        logic += next - t;

        t = next;
        renderer.clear(Color3B::BLACK);
        world.scene->visit(renderer, Transform{}, 1.0f);
        world.view->present();
        finishFrames(sdl);
        next = processCpuSeconds();
        draw += next - t;

        t = next;
        bareFrame(sdl);
        finishFrames(sdl);
        bare += processCpuSeconds() - t;
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["logic_us"] = logic / frames * 1e6;
    state.counters["draw_us"] = draw / frames * 1e6;
    state.counters["bare_us"] = bare / frames * 1e6;
    state.counters["ratio"] = (logic + draw) / bare;
    state.counters["draw_ratio"] = draw / bare;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    buildWorld();
    benchmark::RegisterBenchmark("BM_PlayFrame", BM_PlayFrame)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& m = reporter.median;
    std::printf("\nPlay frame, stage %d (street %.0f points), %d people, rain full; CPU of all threads, "
                "median of repetitions:\n",
                world.stage, static_cast<double>(world.stageWidth), PEOPLE);
    std::printf("  logic alone:        %8.1f us (target < 1000)\n", m["logic_us"]);
    std::printf("  drawing alone:      %8.1f us; bare SDL %8.1f us, ratio %.3f\n", m["draw_us"], m["bare_us"],
                m["draw_ratio"]);
    std::printf("  whole frame:        %8.1f us; bare SDL %8.1f us, ratio %.3f (target <= 1.3)\n",
                m["logic_us"] + m["draw_us"], m["bare_us"], m["ratio"]);
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(static_cast<SdlRenderer&>(world.view->getRenderer()).sdl(), &info);
    std::printf("  SDL renderer: %s, %d x %d window, batching %s\n", info.name, FRAME_W, FRAME_H,
                SDL_GetHintBoolean(SDL_HINT_RENDER_BATCHING, SDL_FALSE) == SDL_TRUE ? "on" : "off");
    std::printf("Draw counters of one frame: %d submissions, %d texture switches; rain: %d draws in %d run(s)\n",
                world.stats.drawCalls, world.stats.textureSwitches, world.rainDraws, world.rainRuns);
    benchmark::Shutdown();
    destroyWorld();
    return 0;
}
