#pragma once
#include <cstdint>
#include <functional>
#include <random>

// Every random draw of the game builds its own generator: one value from the
// system's non-deterministic source seeds a fresh 32-bit Mersenne Twister.
class Random {
public:
    using SeedSource = std::function<std::uint32_t()>;

    // A fresh generator seeded from the seed source.
    static std::mt19937 makeGenerator();
    // A uniform integer from `low` to `high`, both included.
    static int between(std::mt19937& generator, int low, int high);

    // Tests only: replaces the seed source (std::random_device) so that
    // draws repeat; an empty function restores it. Returns the previous one.
    static SeedSource setSeedSourceForTesting(SeedSource source);
};
