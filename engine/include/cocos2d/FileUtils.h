#pragma once
#include <string>
#include <vector>

namespace cocos2d {

// Finds resources by relative path ("Stage/StageData.txt") in the resource
// folder: `resources/` next to the executable (build tree) or the installed
// data folder, whatever the working directory.
class FileUtils {
public:
    static FileUtils* getInstance();

    // The whole file as bytes; "" and one log line naming the file when it
    // cannot be read.
    std::string getStringFromFile(const std::string& filename);
    // Absolute path of a resource, or "" when it does not exist.
    std::string fullPathForFilename(const std::string& filename);
    bool isFileExist(const std::string& filename);

    // The resource folder in use ("" when none was found).
    const std::string& getResourceRoot();
    // Tests and tools point the lookup at another folder.
    void setResourceRoot(const std::string& folder);
    // Where the lookup searched, for the message when nothing was found.
    std::vector<std::string> candidateRoots() const;

private:
    std::string root_;
    bool resolved_ = false;
};

} // namespace cocos2d
