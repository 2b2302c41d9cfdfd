#include "cocos2d/FileUtils.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "cocos2d/Log.h"

namespace fs = std::filesystem;

namespace cocos2d {

namespace {
bool isDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}
} // namespace

FileUtils* FileUtils::getInstance() {
    static FileUtils instance;
    return &instance;
}

std::vector<std::string> FileUtils::candidateRoots() const {
    if (resolved_ && !root_.empty()) return {root_};
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    fs::path folder = executable.parent_path();
    // The build tree keeps a `resources` link beside every executable; an
    // installed game finds its data under the prefix's share folder.
    return {(folder / "resources").string(),
            (folder / ".." / "share" / "puddlestep" / "resources").lexically_normal().string()};
}

const std::string& FileUtils::getResourceRoot() {
    if (!resolved_) {
        root_.clear();
        for (const std::string& candidate : candidateRoots()) {
            if (isDirectory(candidate)) {
                root_ = candidate;
                break;
            }
        }
        resolved_ = true;
    }
    return root_;
}

void FileUtils::setResourceRoot(const std::string& folder) {
    // "" goes back to the automatic lookup.
    root_ = folder;
    resolved_ = !folder.empty();
}

std::string FileUtils::fullPathForFilename(const std::string& filename) {
    if (filename.empty()) return {};
    if (fs::path(filename).is_absolute()) return isRegularFile(filename) ? filename : std::string();
    const std::string& root = getResourceRoot();
    if (root.empty()) return {};
    std::string path = (fs::path(root) / filename).string();
    return isRegularFile(path) ? path : std::string();
}

bool FileUtils::isFileExist(const std::string& filename) { return !fullPathForFilename(filename).empty(); }

std::string FileUtils::getStringFromFile(const std::string& filename) {
    std::string path = fullPathForFilename(filename);
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) {
        log("cocos2d: cannot read \"%s\"", filename.c_str());
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace cocos2d
