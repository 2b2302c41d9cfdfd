#pragma once
#include "support/LogCapture.h"
// Shared by the engine tests: a throw-away resource folder with small
// generated images, and a capture of the engine log.

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

#include "cocos2d.h"
#include "cocos2d/testing/Headless.h"

namespace platformtest {

// `testing` alone would be ambiguous next to GoogleTest's.
using Harness = cocos2d::testing::Headless;
using Frame = cocos2d::testing::Image;

// A fresh temporary resource folder, removed with everything in it.
class FixtureFolder {
public:
    FixtureFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "puddlestep-test-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~FixtureFolder() {
        std::error_code ignored;
        if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
    }
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    const std::string& path() const { return root_; }
    std::string file(const std::string& name) const { return root_ + "/" + name; }

    // A `width` × `height` PNG whose left part (`split` pixels wide) is
    // `left` and the rest `right`; colours as RGBA.
    void writeImage(const std::string& name, int width, int height, SDL_Color left, SDL_Color right,
                    int split = -1) const {
        if (split < 0) split = width;
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
        for (int y = 0; y < height; ++y) {
            auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
            for (int x = 0; x < width; ++x) {
                const SDL_Color& c = x < split ? left : right;
                row[x * 4] = c.r;
                row[x * 4 + 1] = c.g;
                row[x * 4 + 2] = c.b;
                row[x * 4 + 3] = c.a;
            }
        }
        std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
        IMG_SavePNG(surface, file(name).c_str());
        SDL_FreeSurface(surface);
    }
    void writeImage(const std::string& name, int width, int height, SDL_Color color) const {
        writeImage(name, width, height, color, color);
    }
    void copyIn(const std::string& from, const std::string& name) const {
        std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
        std::filesystem::copy_file(from, file(name), std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::string root_;
};

using ::LogCapture;

constexpr SDL_Color RED{255, 0, 0, 255};
constexpr SDL_Color GREEN{0, 255, 0, 255};
constexpr SDL_Color BLUE{0, 0, 255, 255};
constexpr SDL_Color WHITE{255, 255, 255, 255};

// Colour channels after scaling and blending may be off by a little.
inline bool near(const cocos2d::Color3B& actual, const cocos2d::Color3B& expected, int tolerance = 6) {
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

} // namespace platformtest

namespace cocos2d {
inline void PrintTo(const Color3B& c, std::ostream* out) {
    *out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
} // namespace cocos2d
