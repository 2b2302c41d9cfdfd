// The bare-SDL baseline for the game's CPU use: draws the captured frames of
// the game (present_shim's PUDDLESTEP_FRAME_CAPTURE, frame-0.txt,
// frame-1.txt ...) one after the other in a loop, 60 a second, in a window of
// the captured size, with the renderer set up as the game sets up its own
// (same hints, context bits and flags). Nothing else runs: no scene graph,
// no game logic, no audio.
//
//   frame_replay <capture folder> [seconds, default 12] [variant] [first]
//
// draws frame-<first>.txt (default 0) and the frames after it up to the
// first one missing.
//
// A variant draws the same frames more cheaply, to see what such a change in
// the renderer would save on this machine (the picture changes by at most a
// half-pixel shift of unscaled images):
//   opaque-unblended   images without a transparent pixel, drawn at full
//                      opacity, go without blending;
//   unscaled-nearest   images drawn at their own size go to whole pixels and
//                      are sampled nearest instead of linearly;
//   both               the two together.
//
// Load present_shim into it too (PUDDLESTEP_PRESENT_LOG) to time its frames
// the same way as the game's.

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

namespace {

constexpr long FRAME_NS = 1000000000L / 60;

struct TextureDeleter {
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;

// One render call of the frame, its arguments read from the trace.
struct Call {
    std::string op;
    int texture = -1;
    bool hasSrc = false;
    bool hasDst = false;
    bool hasCenter = false;
    SDL_Rect src{};
    SDL_Rect dst{};
    SDL_FRect dstF{};
    SDL_FPoint center{};
    double angle = 0.0;
    int flip = 0;
    int values[5] = {0, 0, 0, 0, 0};
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};

// Every captured frame; texture ids are shared between them.
struct Capture {
    std::string rendererName;
    int width = 0;
    int height = 0;
    std::map<int, std::string> images;
    std::map<int, std::vector<int>> empties; // format, access, width, height
    std::vector<std::vector<Call>> frames;
};

// "x y w h" or "-" (no rectangle).
template <typename R>
bool readRect(std::istringstream& in, R& rect) {
    std::string first;
    in >> first;
    if (first == "-") return false;
    std::istringstream number(first);
    number >> rect.x;
    in >> rect.y >> rect.w >> rect.h;
    return true;
}

void expectBar(std::istringstream& in) {
    std::string bar;
    in >> bar;
}

// Adds the frame in `path` to `capture`; false if it cannot be read.
bool readFrame(const std::string& path, Capture& capture) {
    std::ifstream file(path);
    if (!file) return false;
    capture.frames.emplace_back();
    std::vector<Call>& calls = capture.frames.back();
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        Call call;
        in >> call.op;
        if (call.op == "renderer") {
            in >> capture.rendererName >> capture.width >> capture.height;
        } else if (call.op == "texture") {
            int id = 0;
            std::string kind;
            in >> id >> kind;
            if (kind == "image") {
                in >> capture.images[id];
            } else {
                std::vector<int>& v = capture.empties[id];
                v.resize(4);
                unsigned format = 0;
                in >> format >> v[1] >> v[2] >> v[3];
                v[0] = static_cast<int>(format);
            }
        } else if (call.op == "texstate") {
            in >> call.texture;
            for (int& v : call.values) in >> v; // blend, r, g, b, alpha
            calls.push_back(call);
        } else if (call.op == "target" || call.op == "blend") {
            in >> call.values[0];
            calls.push_back(call);
        } else if (call.op == "clip") {
            call.hasDst = readRect(in, call.dst);
            calls.push_back(call);
        } else if (call.op == "color" || call.op == "texcolor" || call.op == "texalpha" || call.op == "texblend") {
            if (call.op != "color") in >> call.texture;
            for (int& v : call.values) in >> v;
            calls.push_back(call);
        } else if (call.op == "clear" || call.op == "flush") {
            calls.push_back(call);
        } else if (call.op == "fill") {
            call.hasDst = readRect(in, call.dst);
            calls.push_back(call);
        } else if (call.op == "fillf") {
            call.hasDst = readRect(in, call.dstF);
            calls.push_back(call);
        } else if (call.op == "copy" || call.op == "copyf" || call.op == "copyexf") {
            in >> call.texture;
            call.hasSrc = readRect(in, call.src);
            expectBar(in);
            call.hasDst = call.op == "copy" ? readRect(in, call.dst) : readRect(in, call.dstF);
            if (call.op == "copyexf") {
                expectBar(in);
                in >> call.angle;
                expectBar(in);
                std::string pivotX;
                in >> pivotX;
                call.hasCenter = pivotX != "-";
                if (call.hasCenter) {
                    call.center.x = std::stof(pivotX);
                    in >> call.center.y;
                }
                expectBar(in);
                in >> call.flip;
            }
            calls.push_back(call);
        } else if (call.op == "geometry") {
            int vertexCount = 0;
            int indexCount = 0;
            in >> call.texture >> vertexCount >> indexCount;
            for (int i = 0; i < vertexCount && std::getline(file, line); ++i) {
                std::istringstream v(line);
                std::string tag;
                SDL_Vertex vertex{};
                unsigned r = 0, g = 0, b = 0, a = 0;
                v >> tag >> vertex.position.x >> vertex.position.y >> r >> g >> b >> a >> vertex.tex_coord.x >>
                    vertex.tex_coord.y;
                vertex.color = SDL_Color{static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b),
                                         static_cast<Uint8>(a)};
                call.vertices.push_back(vertex);
            }
            if (std::getline(file, line)) {
                std::istringstream list(line);
                std::string tag;
                list >> tag;
                int index = 0;
                while (list >> index) call.indices.push_back(index);
            }
            calls.push_back(call);
        } else if (call.op == "update" || call.op == "read") {
            if (call.op == "update") in >> call.texture;
            call.hasDst = readRect(in, call.dst);
            expectBar(in);
            if (call.op == "read") {
                unsigned format = 0;
                in >> format;
                call.values[0] = static_cast<int>(format);
            }
            in >> call.values[1]; // pitch
            calls.push_back(call);
        } else if (!call.op.empty()) {
            std::fprintf(stderr, "frame_replay: unknown call '%s' in %s\n", call.op.c_str(), path.c_str());
            return false;
        }
    }
    return true;
}

struct Variant {
    bool opaqueUnblended = false;
    bool unscaledNearest = false;
};

bool isOpaque(SDL_Surface* image) {
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_RGBA32, 0);
    if (rgba == nullptr) return false;
    bool opaque = true;
    const auto* pixels = static_cast<const Uint8*>(rgba->pixels);
    for (int y = 0; y < rgba->h && opaque; ++y) {
        for (int x = 0; x < rgba->w && opaque; ++x) opaque = pixels[y * rgba->pitch + x * 4 + 3] == 255;
    }
    SDL_FreeSurface(rgba);
    return opaque;
}

class Replayer {
public:
    Replayer(SDL_Renderer* renderer, const Capture& capture, Variant variant)
        : renderer_(renderer), frame_(capture), variant_(variant) {}

    bool load(const std::string& folder) {
        for (const auto& [id, file] : frame_.images) {
            SDL_Surface* image = IMG_Load((folder + "/" + file).c_str());
            if (image == nullptr) {
                std::fprintf(stderr, "frame_replay: cannot load %s: %s\n", file.c_str(), IMG_GetError());
                return false;
            }
            textures_[id].reset(SDL_CreateTextureFromSurface(renderer_, image));
            if (variant_.opaqueUnblended && isOpaque(image)) opaque_.insert(id);
            if (variant_.unscaledNearest) {
                // A second texture: switching one texture's filter would also
                // change the draws SDL has batched before.
                nearest_[id].reset(SDL_CreateTextureFromSurface(renderer_, image));
                if (nearest_[id] != nullptr) SDL_SetTextureScaleMode(nearest_[id].get(), SDL_ScaleModeNearest);
            }
            SDL_FreeSurface(image);
        }
        for (const auto& [id, v] : frame_.empties) {
            textures_[id].reset(SDL_CreateTexture(renderer_, static_cast<Uint32>(v[0]), v[1], v[2], v[3]));
        }
        for (const auto& [id, texture] : textures_) {
            if (texture == nullptr) {
                std::fprintf(stderr, "frame_replay: texture %d: %s\n", id, SDL_GetError());
                return false;
            }
        }
        return true;
    }

    void draw(std::size_t frame) {
        for (const Call& call : frame_.frames[frame % frame_.frames.size()]) run(call);
    }

    // Draw submissions, on average over the frames.
    double drawCount() const {
        int count = 0;
        for (const std::vector<Call>& calls : frame_.frames) {
            for (const Call& call : calls) {
                if (call.op.rfind("copy", 0) == 0 || call.op.rfind("fill", 0) == 0 || call.op == "geometry") ++count;
            }
        }
        return static_cast<double>(count) / static_cast<double>(frame_.frames.size());
    }

private:
    SDL_Texture* texture(int id) {
        auto found = textures_.find(id);
        return found == textures_.end() ? nullptr : found->second.get();
    }

    SDL_Texture* nearestTexture(int id) {
        auto found = nearest_.find(id);
        return found == nearest_.end() ? nullptr : found->second.get();
    }

    // Texture state goes to both copies of an image.
    void setBlend(int id, int blend) {
        blend_[id] = blend;
        SDL_SetTextureBlendMode(texture(id), static_cast<SDL_BlendMode>(blend));
        if (SDL_Texture* other = nearestTexture(id)) SDL_SetTextureBlendMode(other, static_cast<SDL_BlendMode>(blend));
    }
    void setColor(int id, int r, int g, int b) {
        SDL_SetTextureColorMod(texture(id), static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b));
        if (SDL_Texture* other = nearestTexture(id)) {
            SDL_SetTextureColorMod(other, static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b));
        }
    }
    void setAlpha(int id, int a) {
        alpha_[id] = a;
        SDL_SetTextureAlphaMod(texture(id), static_cast<Uint8>(a));
        if (SDL_Texture* other = nearestTexture(id)) SDL_SetTextureAlphaMod(other, static_cast<Uint8>(a));
    }

    // The texture to draw `id` with into `box` under the variant, which may
    // move the box to whole pixels.
    SDL_Texture* prepare(int id, SDL_FRect* box) {
        SDL_Texture* chosen = texture(id);
        if (chosen == nullptr) return nullptr;
        const bool unblend = opaque_.count(id) != 0 && alpha_[id] == 255 && blend_[id] == SDL_BLENDMODE_BLEND;
        if (SDL_Texture* nearest = nearestTexture(id); nearest != nullptr && box != nullptr) {
            int w = 0;
            int h = 0;
            SDL_QueryTexture(chosen, nullptr, nullptr, &w, &h);
            if (std::fabs(box->w - static_cast<float>(w)) < 0.01f && std::fabs(box->h - static_cast<float>(h)) < 0.01f) {
                box->x = std::round(box->x);
                box->y = std::round(box->y);
                box->w = static_cast<float>(w);
                box->h = static_cast<float>(h);
                chosen = nearest;
            }
        }
        if (!opaque_.empty() && opaque_.count(id) != 0) {
            SDL_SetTextureBlendMode(chosen, unblend ? SDL_BLENDMODE_NONE : static_cast<SDL_BlendMode>(blend_[id]));
        }
        return chosen;
    }

    void run(const Call& c) {
        const std::string& op = c.op;
        if (op == "texstate") {
            setBlend(c.texture, c.values[0]);
            setColor(c.texture, c.values[1], c.values[2], c.values[3]);
            setAlpha(c.texture, c.values[4]);
        } else if (op == "target") {
            SDL_SetRenderTarget(renderer_, texture(c.values[0]));
        } else if (op == "clip") {
            SDL_RenderSetClipRect(renderer_, c.hasDst ? &c.dst : nullptr);
        } else if (op == "color") {
            SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(c.values[0]), static_cast<Uint8>(c.values[1]),
                                   static_cast<Uint8>(c.values[2]), static_cast<Uint8>(c.values[3]));
        } else if (op == "blend") {
            SDL_SetRenderDrawBlendMode(renderer_, static_cast<SDL_BlendMode>(c.values[0]));
        } else if (op == "clear") {
            SDL_RenderClear(renderer_);
        } else if (op == "flush") {
            SDL_RenderFlush(renderer_);
        } else if (op == "fill") {
            SDL_RenderFillRect(renderer_, c.hasDst ? &c.dst : nullptr);
        } else if (op == "fillf") {
            SDL_RenderFillRectF(renderer_, c.hasDst ? &c.dstF : nullptr);
        } else if (op == "copy") {
            SDL_RenderCopy(renderer_, prepare(c.texture, nullptr), c.hasSrc ? &c.src : nullptr,
                           c.hasDst ? &c.dst : nullptr);
        } else if (op == "copyf" || op == "copyexf") {
            SDL_FRect box = c.dstF;
            SDL_Texture* chosen = prepare(c.texture, c.hasDst ? &box : nullptr);
            if (op == "copyf") {
                SDL_RenderCopyF(renderer_, chosen, c.hasSrc ? &c.src : nullptr, c.hasDst ? &box : nullptr);
            } else {
                SDL_RenderCopyExF(renderer_, chosen, c.hasSrc ? &c.src : nullptr, c.hasDst ? &box : nullptr, c.angle,
                                  c.hasCenter ? &c.center : nullptr, static_cast<SDL_RendererFlip>(c.flip));
            }
        } else if (op == "texcolor") {
            setColor(c.texture, c.values[0], c.values[1], c.values[2]);
        } else if (op == "texalpha") {
            setAlpha(c.texture, c.values[0]);
        } else if (op == "texblend") {
            setBlend(c.texture, c.values[0]);
        } else if (op == "geometry") {
            SDL_RenderGeometry(renderer_, texture(c.texture), c.vertices.data(), static_cast<int>(c.vertices.size()),
                               c.indices.empty() ? nullptr : c.indices.data(), static_cast<int>(c.indices.size()));
        } else if (op == "update") {
            // The same amount of pixels goes up; what they show does not matter here.
            const std::size_t size = static_cast<std::size_t>(c.values[1]) * static_cast<std::size_t>(c.dst.h);
            if (scratch_.size() < size) scratch_.resize(size);
            SDL_UpdateTexture(texture(c.texture), c.hasDst ? &c.dst : nullptr, scratch_.data(), c.values[1]);
        } else if (op == "read") {
            const std::size_t size = static_cast<std::size_t>(c.values[1]) * static_cast<std::size_t>(c.dst.h);
            if (scratch_.size() < size) scratch_.resize(size);
            SDL_RenderReadPixels(renderer_, c.hasDst ? &c.dst : nullptr, static_cast<Uint32>(c.values[0]),
                                 scratch_.data(), c.values[1]);
        }
    }

    SDL_Renderer* renderer_;
    const Capture& frame_;
    Variant variant_;
    std::map<int, TexturePtr> textures_;
    std::map<int, TexturePtr> nearest_; // unscaled-nearest: the same images, sampled nearest
    std::set<int> opaque_;              // opaque-unblended: images without a transparent pixel
    std::map<int, int> blend_;          // as the frame set them
    std::map<int, int> alpha_;
    std::vector<unsigned char> scratch_;
};

void addNanoseconds(timespec& t, long ns) {
    t.tv_nsec += ns;
    while (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: frame_replay <capture folder> [seconds] "
                             "[plain|opaque-unblended|unscaled-nearest|both] [first frame]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 12.0;
    const std::string variantName = argc > 3 ? argv[3] : "plain";
    Variant variant;
    variant.opaqueUnblended = variantName == "opaque-unblended" || variantName == "both";
    variant.unscaledNearest = variantName == "unscaled-nearest" || variantName == "both";
    if (!variant.opaqueUnblended && !variant.unscaledNearest && variantName != "plain") {
        std::fprintf(stderr, "frame_replay: unknown variant '%s'\n", variantName.c_str());
        return 2;
    }
    const std::size_t first = argc > 4 ? static_cast<std::size_t>(std::atoi(argv[4])) : 0;
    Capture frame;
    while (readFrame(folder + "/frame-" + std::to_string(first + frame.frames.size()) + ".txt", frame)) {
    }
    if (frame.frames.empty() || frame.width <= 0 || frame.height <= 0) {
        std::fprintf(stderr, "frame_replay: no frames in %s (frame-%zu.txt ...)\n", folder.c_str(), first);
        return 1;
    }

    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "frame_replay: %s\n", SDL_GetError());
        return 1;
    }
    // As the game's window and renderer are made.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("Puddlestep frame replay", 0, 0, frame.width, frame.height,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer =
        window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE)
                          : nullptr;
    if (renderer == nullptr) {
        std::fprintf(stderr, "frame_replay: %s\n", SDL_GetError());
        if (window != nullptr) SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    int outputW = 0;
    int outputH = 0;
    SDL_GetRendererOutputSize(renderer, &outputW, &outputH);
    std::printf("frame_replay: %zu frames, %zu textures; renderer %s %dx%d (captured: %s %dx%d)\n",
                frame.frames.size(), frame.images.size() + frame.empties.size(), info.name, outputW, outputH,
                frame.rendererName.c_str(), frame.width, frame.height);

    int status = 0;
    {
        Replayer replayer(renderer, frame, variant);
        if (replayer.load(folder)) {
            std::printf("frame_replay: %.1f draws a frame\n", replayer.drawCount());
            std::fflush(stdout);
            timespec next{};
            clock_gettime(CLOCK_MONOTONIC, &next);
            const long frames = static_cast<long>(seconds * 60.0);
            bool quit = false;
            for (long i = 0; i < frames && !quit; ++i) {
                SDL_Event event;
                while (SDL_PollEvent(&event) != 0) {
                    if (event.type == SDL_QUIT) quit = true;
                }
                replayer.draw(static_cast<std::size_t>(i));
                SDL_RenderPresent(renderer);
                addNanoseconds(next, FRAME_NS);
                clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
            }
        } else {
            status = 1;
        }
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
