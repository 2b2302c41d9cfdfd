#pragma once
// A throw-away resource folder for one test: data files written by the test
// itself, so each case shows its data next to its expectations, and images
// copied from one tiny committed picture (only names matter to these tests).
#include <atomic>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include <unistd.h>

#include "cocos2d/FileUtils.h"

class ResourceFolder {
public:
    ResourceFolder() {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("puddlestep-fixture-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~ResourceFolder() {
        // A folder that is gone must not stay the lookup of later tests.
        cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
        if (files->getResourceRoot() == path()) files->setResourceRoot("");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ResourceFolder(const ResourceFolder&) = delete;
    ResourceFolder& operator=(const ResourceFolder&) = delete;

    std::string path() const { return root_.string(); }

    // Writes `content` byte for byte (carriage returns stay).
    void write(const std::string& relativePath, const std::string& content) const {
        const std::filesystem::path file = root_ / relativePath;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }

    void addImages(std::initializer_list<std::string> names) const {
        const std::filesystem::path picture = std::filesystem::path(__FILE__).parent_path() / "fixtures" / "tile.png";
        for (const std::string& name : names) {
            const std::filesystem::path file = root_ / name;
            std::filesystem::create_directories(file.parent_path());
            std::filesystem::copy_file(picture, file, std::filesystem::copy_options::overwrite_existing);
        }
    }

private:
    std::filesystem::path root_;
};
