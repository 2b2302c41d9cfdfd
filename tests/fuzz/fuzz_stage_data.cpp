// Input: the whole stage data file. The shop data is fixed: buildings 0 and
// 2 are shops, 1 is none, every other number has no line.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "world/MapCreator.h"

namespace {

void checkScenery(MapCreator* map) {
    FUZZ_CHECK(map->buildings.size() == map->buildingLayer->getChildrenCount());
    std::size_t shopCount = 0;
    for (ShopBase* building : map->buildings) {
        if (building->isShop == 1) ++shopCount;
    }
    FUZZ_CHECK(shopCount == map->shops.size());
    for (ShopBase* shop : map->shops) {
        FUZZ_CHECK(shop->isShop == 1 && map->buildings.contains(shop));
    }
    FUZZ_CHECK(map->stageWidth >= 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    const fuzz::Environment& environment = fuzz::Environment::get();
    environment.write("Shop/ShopData.txt", "N,bakery,G,400,M,150,650,S,1\n"
                                           "G,0,M,0,0,S,0\n"
                                           "N,cafe,G,300,M,0,800,S,1\n");
    environment.addPictures({"background_1.png", "floor_1.png", "building_1.png"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Environment& environment = fuzz::Environment::get();
    environment.write("Stage/StageData.txt", data, size);

    // create builds line 0; the stage select previews later lines this way.
    MapCreator* map = MapCreator::create(0);
    FUZZ_CHECK(map != nullptr);
    checkScenery(map);
    for (int index : fuzz::lineIndexes(data, size)) {
        map->clearScenery();
        map->loadStage(index);
        checkScenery(map);
        map->showGoal();
        map->setScrollX(map->goalX);
        map->update(0);
    }

    fuzz::Environment::releaseAll();
    return 0;
}
