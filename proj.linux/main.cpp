// Desktop entry point. The program reads no arguments.
#include <cstdio>
#include <string>

#include "app/AppDelegate.h"

namespace {

// Every asset is loaded by relative path from the resource folder; without it
// the game could show nothing, so it says where it looked instead of opening
// an empty window.
bool resourceFolderFound() {
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    if (!files->getResourceRoot().empty()) return true;
    std::string places;
    for (const std::string& candidate : files->candidateRoots()) places += "\n  " + candidate;
    if (places.empty()) places = "\n  (the program's own folder could not be found)";
    std::fprintf(stderr, "Puddlestep: no resources folder found; looked in:%s\n", places.c_str());
    return false;
}

} // namespace

int main() {
    if (!resourceFolderFound()) return 1;
    AppDelegate app; // lives until the loop returns
    return cocos2d::Application::getInstance()->run();
}
