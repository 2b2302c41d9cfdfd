// Watches a running program's drawing from the outside, without touching its
// code: loaded with LD_PRELOAD, it sits between the program and SDL.
//
//   PUDDLESTEP_PRESENT_LOG=<file>    one line per SDL_RenderPresent, written
//                                    right after the frame went out: the
//                                    CLOCK_MONOTONIC time, the CPU time of the
//                                    presenting thread and of the whole
//                                    process so far, in seconds. A late frame
//                                    with little CPU behind it waited (for a
//                                    core, most likely) rather than worked.
//   PUDDLESTEP_FRAME_CAPTURE=<dir>   on SIGUSR1, the next whole frame (from one
//                                    present to the next) is written to
//                                    <dir>/frame-<K>.txt (K counts captures
//                                    from 0) as the list of SDL render calls
//                                    it made, with the images of the textures
//                                    it drew in <dir>/tex<N>.png.
//                                    frame_replay draws them again.
//
// Every wrapper hands the call on unchanged. The program must draw from one
// thread (SDL's renderer requires that anyway).

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include <SDL.h>
#include <SDL_image.h>

namespace {

// The next definition of `name` after this library: SDL's own.
template <typename Fn>
Fn next(const char* name) {
    void* symbol = dlsym(RTLD_NEXT, name);
    if (symbol == nullptr) {
        std::fprintf(stderr, "present_shim: no %s after the shim\n", name);
        std::abort();
    }
    Fn fn;
    static_assert(sizeof(fn) == sizeof(symbol), "function and object pointers differ in size");
    std::memcpy(&fn, &symbol, sizeof(fn));
    return fn;
}

#define REAL(name) static const auto real = next<decltype(&name)>(#name)

int presentLog = -1;
std::string captureFolder;
std::atomic<bool> captureArmed{false};

struct TextureInfo {
    int id;
    SDL_Surface* image; // owned (a reference); null for textures made empty
    Uint32 format;
    int access;
    int width;
    int height;
};
std::unordered_map<SDL_Texture*, TextureInfo>& textures() {
    static std::unordered_map<SDL_Texture*, TextureInfo> known;
    return known;
}
int nextTextureId = 0;

bool recording = false;
int captures = 0;
std::string trace;
std::unordered_set<int> used;
std::string header;

void onCaptureSignal(int) { captureArmed = true; }

// Runs as the library loads, after the variables above are made (a plain
// constructor function might run before them).
bool start() {
    if (const char* file = std::getenv("PUDDLESTEP_PRESENT_LOG")) {
        presentLog = open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (presentLog < 0) std::perror("present_shim: cannot open the present log");
    }
    if (const char* folder = std::getenv("PUDDLESTEP_FRAME_CAPTURE")) {
        captureFolder = folder;
        std::signal(SIGUSR1, onCaptureSignal);
    }
    return true;
}
const bool started = start();

double secondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void add(const char* format, ...) __attribute__((format(printf, 1, 2)));
void add(const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    trace += line;
    trace += '\n';
}

// The id of `texture` in the trace; its state as the frame found it goes
// first, so that the replay starts from the same state. -1: none.
int idOf(SDL_Texture* texture) {
    if (texture == nullptr) return -1;
    auto found = textures().find(texture);
    if (found == textures().end()) return -2; // made before the shim knew (never, when preloaded)
    const int id = found->second.id;
    if (used.insert(id).second) {
        SDL_BlendMode blend = SDL_BLENDMODE_NONE;
        Uint8 r = 255, g = 255, b = 255, a = 255;
        SDL_GetTextureBlendMode(texture, &blend);
        SDL_GetTextureColorMod(texture, &r, &g, &b);
        SDL_GetTextureAlphaMod(texture, &a);
        add("texstate %d %d %u %u %u %u", id, static_cast<int>(blend), r, g, b, a);
    }
    return id;
}

std::string rectText(const SDL_Rect* rect) {
    if (rect == nullptr) return "-";
    char text[96];
    std::snprintf(text, sizeof text, "%d %d %d %d", rect->x, rect->y, rect->w, rect->h);
    return text;
}

std::string rectText(const SDL_FRect* rect) {
    if (rect == nullptr) return "-";
    char text[160];
    std::snprintf(text, sizeof text, "%.9g %.9g %.9g %.9g", static_cast<double>(rect->x),
                  static_cast<double>(rect->y), static_cast<double>(rect->w), static_cast<double>(rect->h));
    return text;
}

void beginRecording(SDL_Renderer* renderer) {
    recording = true;
    trace.clear();
    used.clear();
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    char line[256];
    std::snprintf(line, sizeof line, "renderer %s %d %d\n", info.name != nullptr ? info.name : "?", w, h);
    header = line;
    // The state the previous frame left behind.
    add("target %d", idOf(SDL_GetRenderTarget(renderer)));
    SDL_Rect clip{0, 0, 0, 0};
    SDL_RenderGetClipRect(renderer, &clip);
    add("clip %s", SDL_RenderIsClipEnabled(renderer) ? rectText(&clip).c_str() : "-");
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    add("color %u %u %u %u", r, g, b, a);
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &blend);
    add("blend %d", static_cast<int>(blend));
}

void finishRecording() {
    recording = false;
    std::string textureLines;
    for (const auto& [texture, info] : textures()) {
        if (used.count(info.id) == 0) continue;
        char line[160];
        if (info.image != nullptr) {
            const std::string file = captureFolder + "/tex" + std::to_string(info.id) + ".png";
            if (access(file.c_str(), F_OK) != 0 && IMG_SavePNG(info.image, file.c_str()) != 0) {
                std::fprintf(stderr, "present_shim: cannot write %s: %s\n", file.c_str(), IMG_GetError());
            }
            std::snprintf(line, sizeof line, "texture %d image tex%d.png\n", info.id, info.id);
        } else {
            std::snprintf(line, sizeof line, "texture %d empty %u %d %d %d\n", info.id, info.format, info.access,
                          info.width, info.height);
        }
        textureLines += line;
    }
    const std::string file = captureFolder + "/frame-" + std::to_string(captures++) + ".txt";
    if (FILE* out = std::fopen(file.c_str(), "w")) {
        std::fputs(header.c_str(), out);
        std::fputs(textureLines.c_str(), out);
        std::fputs(trace.c_str(), out);
        std::fclose(out);
    } else {
        std::perror("present_shim: cannot write the frame");
    }
    trace.clear();
}

void remember(SDL_Texture* texture, SDL_Surface* image, Uint32 format, int access, int w, int h) {
    if (texture == nullptr || captureFolder.empty()) return;
    if (image != nullptr) ++image->refcount; // kept until the texture goes
    textures()[texture] = TextureInfo{nextTextureId++, image, format, access, w, h};
}

} // namespace

extern "C" {

void SDL_RenderPresent(SDL_Renderer* renderer) {
    REAL(SDL_RenderPresent);
    if (recording) finishRecording();
    real(renderer);
    if (presentLog >= 0) {
        char line[96];
        const int length =
            std::snprintf(line, sizeof line, "%.6f %.6f %.6f\n", secondsOf(CLOCK_MONOTONIC),
                          secondsOf(CLOCK_THREAD_CPUTIME_ID), secondsOf(CLOCK_PROCESS_CPUTIME_ID));
        if (write(presentLog, line, static_cast<size_t>(length)) < 0) {
            close(presentLog);
            presentLog = -1;
        }
    }
    if (captureArmed.exchange(false)) beginRecording(renderer);
}

SDL_Texture* SDL_CreateTextureFromSurface(SDL_Renderer* renderer, SDL_Surface* surface) {
    REAL(SDL_CreateTextureFromSurface);
    SDL_Texture* texture = real(renderer, surface);
    if (surface != nullptr) remember(texture, surface, surface->format->format, SDL_TEXTUREACCESS_STATIC, surface->w,
                                     surface->h);
    return texture;
}

SDL_Texture* SDL_CreateTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h) {
    REAL(SDL_CreateTexture);
    SDL_Texture* texture = real(renderer, format, access, w, h);
    remember(texture, nullptr, format, access, w, h);
    return texture;
}

void SDL_DestroyTexture(SDL_Texture* texture) {
    REAL(SDL_DestroyTexture);
    auto found = textures().find(texture);
    if (found != textures().end()) {
        if (found->second.image != nullptr) SDL_FreeSurface(found->second.image);
        textures().erase(found);
    }
    real(texture);
}

int SDL_SetRenderTarget(SDL_Renderer* renderer, SDL_Texture* texture) {
    REAL(SDL_SetRenderTarget);
    if (recording) add("target %d", idOf(texture));
    return real(renderer, texture);
}

int SDL_RenderSetClipRect(SDL_Renderer* renderer, const SDL_Rect* rect) {
    REAL(SDL_RenderSetClipRect);
    if (recording) add("clip %s", rectText(rect).c_str());
    return real(renderer, rect);
}

int SDL_SetRenderDrawColor(SDL_Renderer* renderer, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    REAL(SDL_SetRenderDrawColor);
    if (recording) add("color %u %u %u %u", r, g, b, a);
    return real(renderer, r, g, b, a);
}

int SDL_SetRenderDrawBlendMode(SDL_Renderer* renderer, SDL_BlendMode blend) {
    REAL(SDL_SetRenderDrawBlendMode);
    if (recording) add("blend %d", static_cast<int>(blend));
    return real(renderer, blend);
}

int SDL_RenderClear(SDL_Renderer* renderer) {
    REAL(SDL_RenderClear);
    if (recording) add("clear");
    return real(renderer);
}

int SDL_RenderFillRect(SDL_Renderer* renderer, const SDL_Rect* rect) {
    REAL(SDL_RenderFillRect);
    if (recording) add("fill %s", rectText(rect).c_str());
    return real(renderer, rect);
}

int SDL_RenderFillRectF(SDL_Renderer* renderer, const SDL_FRect* rect) {
    REAL(SDL_RenderFillRectF);
    if (recording) add("fillf %s", rectText(rect).c_str());
    return real(renderer, rect);
}

int SDL_RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst) {
    REAL(SDL_RenderCopy);
    if (recording) {
        const int id = idOf(texture);
        add("copy %d %s | %s", id, rectText(src).c_str(), rectText(dst).c_str());
    }
    return real(renderer, texture, src, dst);
}

int SDL_RenderCopyF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_FRect* dst) {
    REAL(SDL_RenderCopyF);
    if (recording) {
        const int id = idOf(texture);
        add("copyf %d %s | %s", id, rectText(src).c_str(), rectText(dst).c_str());
    }
    return real(renderer, texture, src, dst);
}

int SDL_RenderCopyExF(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_FRect* dst,
                      const double angle, const SDL_FPoint* center, const SDL_RendererFlip flip) {
    REAL(SDL_RenderCopyExF);
    if (recording) {
        const int id = idOf(texture);
        char pivot[96] = "-";
        if (center != nullptr) {
            std::snprintf(pivot, sizeof pivot, "%.9g %.9g", static_cast<double>(center->x),
                          static_cast<double>(center->y));
        }
        add("copyexf %d %s | %s | %.17g | %s | %d", id, rectText(src).c_str(), rectText(dst).c_str(), angle, pivot,
            static_cast<int>(flip));
    }
    return real(renderer, texture, src, dst, angle, center, flip);
}

int SDL_RenderGeometry(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Vertex* vertices, int vertexCount,
                       const int* indices, int indexCount) {
    REAL(SDL_RenderGeometry);
    if (recording) {
        const int id = idOf(texture);
        add("geometry %d %d %d", id, vertexCount, indices != nullptr ? indexCount : 0);
        for (int i = 0; i < vertexCount; ++i) {
            const SDL_Vertex& v = vertices[i];
            add("v %.9g %.9g %u %u %u %u %.9g %.9g", static_cast<double>(v.position.x),
                static_cast<double>(v.position.y), v.color.r, v.color.g, v.color.b, v.color.a,
                static_cast<double>(v.tex_coord.x), static_cast<double>(v.tex_coord.y));
        }
        std::string list = "i";
        for (int i = 0; indices != nullptr && i < indexCount; ++i) list += " " + std::to_string(indices[i]);
        add("%s", list.c_str());
    }
    return real(renderer, texture, vertices, vertexCount, indices, indexCount);
}

int SDL_SetTextureColorMod(SDL_Texture* texture, Uint8 r, Uint8 g, Uint8 b) {
    REAL(SDL_SetTextureColorMod);
    if (recording) {
        const int id = idOf(texture);
        add("texcolor %d %u %u %u", id, r, g, b);
    }
    return real(texture, r, g, b);
}

int SDL_SetTextureAlphaMod(SDL_Texture* texture, Uint8 a) {
    REAL(SDL_SetTextureAlphaMod);
    if (recording) {
        const int id = idOf(texture);
        add("texalpha %d %u", id, a);
    }
    return real(texture, a);
}

int SDL_SetTextureBlendMode(SDL_Texture* texture, SDL_BlendMode blend) {
    REAL(SDL_SetTextureBlendMode);
    if (recording) {
        const int id = idOf(texture);
        add("texblend %d %d", id, static_cast<int>(blend));
    }
    return real(texture, blend);
}

int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch) {
    REAL(SDL_UpdateTexture);
    if (recording) {
        const int id = idOf(texture);
        add("update %d %s | %d", id, rectText(rect).c_str(), pitch);
    }
    return real(texture, rect, pixels, pitch);
}

int SDL_RenderReadPixels(SDL_Renderer* renderer, const SDL_Rect* rect, Uint32 format, void* pixels, int pitch) {
    REAL(SDL_RenderReadPixels);
    if (recording) add("read %s | %u %d", rectText(rect).c_str(), format, pitch);
    return real(renderer, rect, format, pixels, pitch);
}

int SDL_RenderFlush(SDL_Renderer* renderer) {
    REAL(SDL_RenderFlush);
    if (recording) add("flush");
    return real(renderer);
}

} // extern "C"
