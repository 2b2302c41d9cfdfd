// Input: the whole shop data file.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "world/ShopBase.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzz::Environment::get().addPictures({"building_0.png", "building_1.png"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Environment& environment = fuzz::Environment::get();
    environment.write("Shop/ShopData.txt", data, size);

    // create reads line 0 itself; the later reads overwrite what their line has.
    ShopBase* building = ShopBase::create(0, 0);
    FUZZ_CHECK(building != nullptr);
    for (int index : fuzz::lineIndexes(data, size)) {
        building->loadShopData(index);
        FUZZ_CHECK(building->isShop == 0 || building->isShop == 1);
        // A name is one token of one line.
        FUZZ_CHECK(building->shopName.find_first_of(",\n") == std::string::npos);
    }
    ShopBase* other = ShopBase::create(static_cast<int>(size), 3);
    FUZZ_CHECK(other != nullptr && other->slotIndex == 3);

    fuzz::Environment::releaseAll();
    return 0;
}
