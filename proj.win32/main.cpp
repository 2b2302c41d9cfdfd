// Windows entry point. None of its arguments is read.
#include <windows.h>

#include <string>

#include "app/AppDelegate.h"

namespace {

// Every asset is loaded by relative path from the resource folder; without it
// the game could show nothing, so it says where it looked instead of opening
// an empty window.
bool resourceFolderFound() {
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    if (!files->getResourceRoot().empty()) return true;
    std::string message = "No resources folder found; looked in:";
    for (const std::string& candidate : files->candidateRoots()) message += "\n" + candidate;
    MessageBoxA(nullptr, message.c_str(), "Puddlestep", MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previousInstance*/, LPWSTR /*commandLine*/,
                    int /*showCommand*/) {
    if (!resourceFolderFound()) return 1;
    AppDelegate app; // lives until the loop returns
    return cocos2d::Application::getInstance()->run();
}
