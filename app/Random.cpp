#include "app/Random.h"

#include <utility>

namespace {

Random::SeedSource& seedSource() {
    static Random::SeedSource source;
    return source;
}

} // namespace

std::mt19937 Random::makeGenerator() {
    const Random::SeedSource& source = seedSource();
    if (source) return std::mt19937(source());
    std::random_device device;
    return std::mt19937(device());
}

int Random::between(std::mt19937& generator, int low, int high) {
    std::uniform_int_distribution<int> distribution(low, high);
    return distribution(generator);
}

Random::SeedSource Random::setSeedSourceForTesting(SeedSource source) {
    return std::exchange(seedSource(), std::move(source));
}
