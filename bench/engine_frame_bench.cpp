// CPU cost of one frame of 450 sprites drawn through the engine (scene graph
// visit, renderer, present) against a bare SDL loop drawing the same textures
// into the same rectangles with the same SDL renderer, measured in one run.
// Prints both and their ratio (engine / bare), for whole frames and for the
// draw submission alone.
//
// Runs on SDL's offscreen video driver unless SDL_VIDEODRIVER names another.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

#include "SdlRenderer.h"
#include "support/FrameClock.h"
#include "support/MedianReporter.h"
#include "TextureBackend.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

constexpr int FRAME_W = 1280;
constexpr int FRAME_H = 720;
constexpr float DESIGN_W = 1920.0f;
constexpr float DESIGN_H = 1080.0f;

struct Kind {
    const char* file;
    int width;
    int height;
    int count;
    int z;
    Color3B tint;
    GLubyte opacity;
    float scaleX;
    float scaleY;
};

// Roughly a play screen: rain in front, passers-by, buildings and floor
// tiles mixed, a few large backgrounds behind.
const Kind KINDS[] = {
    {"rain.png", 8, 32, 300, 2, Color3B(220, 240, 250), 200, 0.3f, 2.0f},
    {"person.png", 128, 128, 60, 1, Color3B::WHITE, 255, 1.6f, 1.6f},
    {"building.png", 256, 256, 40, 0, Color3B::WHITE, 255, 1.0f, 1.0f},
    {"floor.png", 64, 64, 30, 0, Color3B(200, 200, 200), 255, 2.0f, 2.0f},
    {"background.png", 512, 256, 20, -1, Color3B::WHITE, 255, 1.5f, 1.5f},
};

struct Placed {
    const Kind* kind;
    Vec2 position;
    bool flipped;
    int order; // insertion order
};

// One sprite as the bare loop draws it.
struct BareDraw {
    SDL_Texture* texture;
    SDL_FRect box;
    SDL_RendererFlip flip;
    Color3B tint;
    Uint8 alpha;
};

struct World {
    std::string folder;
    GLView* view = nullptr;
    Scene* scene = nullptr;
    std::vector<BareDraw> bare;
};

World world;

void writeImage(const std::string& path, int width, int height, Uint8 shade) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, shade, 255 - shade, 128, 220));
    IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
}

std::vector<Placed> placeSprites() {
    std::mt19937 random(42);
    std::uniform_real_distribution<float> x(0.0f, DESIGN_W);
    std::uniform_real_distribution<float> y(0.0f, DESIGN_H);
    std::vector<Placed> placed;
    for (const Kind& kind : KINDS) {
        for (int i = 0; i < kind.count; ++i) placed.push_back({&kind, Vec2(x(random), y(random)), i % 3 == 0, 0});
    }
    // Added in mixed order, so textures interleave within each z-order.
    std::shuffle(placed.begin(), placed.end(), random);
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i].order = static_cast<int>(i);
    return placed;
}

void buildWorld() {
    world.folder = (std::filesystem::temp_directory_path() / "puddlestep-bench").string();
    std::filesystem::create_directories(world.folder);
    Uint8 shade = 40;
    for (const Kind& kind : KINDS) {
        writeImage(world.folder + "/" + kind.file, kind.width, kind.height, shade);
        shade = static_cast<Uint8>(shade + 40);
    }
    FileUtils::getInstance()->setResourceRoot(world.folder);

    GLViewImpl* view = GLViewImpl::createWithRect("bench", Rect(0, 0, FRAME_W, FRAME_H));
    view->setDesignResolutionSize(DESIGN_W, DESIGN_H, ResolutionPolicy::SHOW_ALL);
    Director::getInstance()->setOpenGLView(view);
    world.view = view;

    const std::vector<Placed> placed = placeSprites();
    Scene* scene = Scene::create();
    for (const Placed& p : placed) {
        Sprite* sprite = Sprite::create(p.kind->file);
        sprite->setPosition(p.position);
        sprite->setScale(p.kind->scaleX, p.kind->scaleY);
        sprite->setColor(p.kind->tint);
        sprite->setOpacity(p.kind->opacity);
        sprite->setFlippedX(p.flipped);
        scene->addChild(sprite, p.kind->z);
    }
    Director::getInstance()->runWithScene(scene);
    world.scene = scene;

    // The same sprites in drawing order (z, then the order added), mapped
    // to pixels once: what a hand-written SDL game would do.
    std::vector<Placed> ordered = placed;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Placed& a, const Placed& b) {
        return a.kind->z != b.kind->z ? a.kind->z < b.kind->z : a.order < b.order;
    });
    SDL_Renderer* sdl = static_cast<SdlRenderer&>(view->getRenderer()).sdl();
    const float scale = std::min(FRAME_W / DESIGN_W, FRAME_H / DESIGN_H);
    for (const Placed& p : ordered) {
        Texture2D* texture = TextureCache::getInstance().addImage(p.kind->file);
        const float w = static_cast<float>(p.kind->width) * p.kind->scaleX;
        const float h = static_cast<float>(p.kind->height) * p.kind->scaleY;
        const float left = p.position.x - w / 2.0f;
        const float top = p.position.y + h / 2.0f;
        world.bare.push_back({texture->backend()->textureFor(sdl),
                               SDL_FRect{left * scale, (DESIGN_H - top) * scale, w * scale, h * scale},
                               p.flipped ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE, p.kind->tint, p.kind->opacity});
    }
}

void destroyWorld() {
    Director::destroyInstance();
    TextureCache::getInstance().removeAllTextures();
    AutoreleasePool::getInstance().clear();
    std::filesystem::remove_all(world.folder);
    IMG_Quit();
    SDL_Quit();
}

using bench::finishFrames;
using bench::processCpuSeconds;

void bareSubmit(SDL_Renderer* sdl) {
    SDL_SetRenderDrawColor(sdl, 0, 0, 0, 255);
    SDL_RenderClear(sdl);
    for (const BareDraw& d : world.bare) {
        SDL_SetTextureColorMod(d.texture, d.tint.r, d.tint.g, d.tint.b);
        SDL_SetTextureAlphaMod(d.texture, d.alpha);
        SDL_RenderCopyExF(sdl, d.texture, nullptr, &d.box, 0.0, nullptr, d.flip);
    }
}

// Each iteration runs, one after the other and each finished before the
// next starts: a whole engine frame (director main loop: scene graph,
// renderer, present), a whole bare SDL frame, then the engine's and the bare
// loop's draw submission alone (their presents untimed). Alternating frame
// by frame, load from elsewhere on the machine hits both sides alike.
void BM_EngineVersusBareSdl(benchmark::State& state) {
    Director* director = Director::getInstance();
    auto& renderer = static_cast<SdlRenderer&>(world.view->getRenderer());
    SDL_Renderer* sdl = renderer.sdl();
    double engineFrame = 0.0;
    double bareFrame = 0.0;
    double engineSubmit = 0.0;
    double bareSubmitTime = 0.0;
    finishFrames(sdl);
    for (auto _ : state) {
        double t = processCpuSeconds();
        director->mainLoop(1.0f / 60.0f);
        finishFrames(sdl);
        double next = processCpuSeconds();
        engineFrame += next - t;

        t = next;
        bareSubmit(sdl);
        SDL_RenderPresent(sdl);
        finishFrames(sdl);
        next = processCpuSeconds();
        bareFrame += next - t;

        t = processCpuSeconds();
        renderer.clear(Color3B::BLACK);
        world.scene->visit(renderer, Transform{}, 1.0f);
        engineSubmit += processCpuSeconds() - t;
        world.view->present();
        finishFrames(sdl);

        t = processCpuSeconds();
        bareSubmit(sdl);
        bareSubmitTime += processCpuSeconds() - t;
        SDL_RenderPresent(sdl);
        finishFrames(sdl);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["engine_us"] = engineFrame / frames * 1e6;
    state.counters["bare_us"] = bareFrame / frames * 1e6;
    state.counters["ratio"] = engineFrame / bareFrame;
    state.counters["engine_submit_us"] = engineSubmit / frames * 1e6;
    state.counters["bare_submit_us"] = bareSubmitTime / frames * 1e6;
    state.counters["submit_ratio"] = engineSubmit / bareSubmitTime;
    const auto& stats = renderer.lastFrameStats();
    state.counters["draws"] = stats.drawCalls;
    state.counters["switches"] = stats.textureSwitches;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    buildWorld();
    benchmark::RegisterBenchmark("BM_EngineVersusBareSdl", BM_EngineVersusBareSdl)
        ->Iterations(100)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& m = reporter.median;
    std::printf("\nCPU per frame, all threads, median of repetitions:\n");
    std::printf("  whole frame:      engine %8.1f us, bare SDL %8.1f us, ratio %.3f (target <= 1.3)\n",
                m["engine_us"], m["bare_us"], m["ratio"]);
    std::printf("  draw submission:  engine %8.1f us, bare SDL %8.1f us, ratio %.3f\n", m["engine_submit_us"],
                m["bare_submit_us"], m["submit_ratio"]);
    benchmark::Shutdown();
    destroyWorld();
    return 0;
}
