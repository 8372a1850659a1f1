#include "learning/Random.h"

#include <chrono>

namespace zelpa {
namespace {

// A 64-bit linear congruential generator whose top 31 bits are the draw: fast enough for the
// 200 draws per word of a shuffle, and the low-quality low bits are never used.
struct TGenerator {
    std::uint64_t state = 0;
    std::optional<std::uint64_t> fixedSeed;

    void Seed(std::uint64_t seed) {
        state = seed;
        Step();
    }
    std::uint64_t Step() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state;
    }
};

TGenerator& Generator() {
    static TGenerator generator;
    return generator;
}

}  // namespace

void SeedRandomFromClock() {
    TGenerator& generator = Generator();
    if (generator.fixedSeed) {
        generator.Seed(*generator.fixedSeed);
        return;
    }
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator.Seed(static_cast<std::uint64_t>(ticks));
}

void SeedRandom(std::uint64_t seed) {
    Generator().Seed(seed);
}

void SetFixedRandomSeed(std::optional<std::uint64_t> seed) {
    Generator().fixedSeed = seed;
}

std::int32_t NextRandom() {
    return static_cast<std::int32_t>(Generator().Step() >> 33);
}

std::int32_t RandomBelow(std::int32_t n) {
    return n > 0 ? NextRandom() % n : 0;
}

}  // namespace zelpa
