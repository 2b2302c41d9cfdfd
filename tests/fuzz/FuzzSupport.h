#pragma once
// What the data-file fuzz targets share: a throw-away resource folder made
// once per process, into which each input is written as the data file under
// test; a silent log (the readers report every fault they meet, and writing
// those lines would cost most of the time); and freeing every engine object
// an input built before the next one runs.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/Common.h"

namespace fuzz {

// A broken invariant: libFuzzer keeps the input that led here.
[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? static_cast<void>(0) : ::fuzz::fail(#condition, __FILE__, __LINE__))

class Environment {
public:
    // The process's one environment, set up on first use.
    static Environment& get() {
        static Environment environment;
        return environment;
    }

    // Replaces the resource `relativePath` with the bytes of one input.
    void write(const std::string& relativePath, const std::uint8_t* data, std::size_t size) const {
        const std::filesystem::path file = root_ / relativePath;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        FUZZ_CHECK(out.good());
    }

    void write(const std::string& relativePath, const std::string& content) const {
        write(relativePath, reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
    }

    // One small picture under each of `names`, so that data naming them goes
    // through decoding and sprites with textures, not only the missing-image
    // path that every other name takes.
    void addPictures(const std::vector<std::string>& names) const {
        for (const std::string& name : names) {
            const std::filesystem::path file = root_ / name;
            std::filesystem::create_directories(file.parent_path());
            std::filesystem::copy_file(FUZZ_PICTURE, file, std::filesystem::copy_options::overwrite_existing);
        }
    }

    // Frees what one input built: the autoreleased objects and, with them,
    // their node trees; then the textures and the cache's memory of which
    // names it reported, so every input starts from the same state.
    static void releaseAll() {
        cocos2d::AutoreleasePool::getInstance().clear();
        cocos2d::TextureCache::getInstance().removeAllTextures();
    }

    ~Environment() {
        releaseAll();
        cocos2d::Director::destroyInstance();
        cocos2d::FileUtils::getInstance()->setResourceRoot("");
        cocos2d::setLogSink(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    Environment() {
        // Built before this object so that they outlive it at exit.
        cocos2d::AutoreleasePool::getInstance();
        cocos2d::TextureCache::getInstance();
        std::string folder = (scratchFolder() / "puddlestep-fuzz-XXXXXX").string();
        FUZZ_CHECK(::mkdtemp(folder.data()) != nullptr);
        root_ = folder;
        cocos2d::FileUtils::getInstance()->setResourceRoot(folder);
        cocos2d::setLogSink([](const std::string&) {});
    }

    // Every input is written as a file and read back several times: a folder
    // in memory runs about three times as many inputs per second as one on
    // disk.
    static std::filesystem::path scratchFolder() {
        const char* const inMemory = "/dev/shm";
        std::error_code error;
        if (std::filesystem::is_directory(inMemory, error) && ::access(inMemory, W_OK) == 0) return inMemory;
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path root_;
};

// The lines every input is read at: the first two, one far past any end,
// one before the start, and one the input picks with its first byte.
inline std::vector<int> lineIndexes(const std::uint8_t* data, std::size_t size) {
    std::vector<int> indexes = {0, 1, INT_MAX, -1};
    if (size > 0) indexes.push_back(data[0]);
    return indexes;
}

} // namespace fuzz
