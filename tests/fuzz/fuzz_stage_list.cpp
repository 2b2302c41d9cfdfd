// Input: the whole stage list file.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "frontend/StageItem.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzz::Environment::get().addPictures({"Select/board_00.png", "p.png"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Environment& environment = fuzz::Environment::get();
    environment.write("Select/Data.txt", data, size);

    // create reads line 0 itself; every later line adds its rows.
    StageItem* item = StageItem::create(0);
    FUZZ_CHECK(item != nullptr);
    for (int index : fuzz::lineIndexes(data, size)) {
        item->loadEntry(index);
        // Every row of the comment ends in a line feed.
        FUZZ_CHECK(item->comment.empty() || item->comment.back() == '\n');
    }

    fuzz::Environment::releaseAll();
    return 0;
}
