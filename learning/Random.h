#pragma once

#include <cstdint>
#include <optional>

namespace zelpa {

// The program-wide generator of non-negative 31-bit integers that the history shuffle and the
// material key draw from. Single-threaded, like the programs.

// Reseeds from the system clock, or from the fixed seed while one is set.
void SeedRandomFromClock();
// Reseeds with a given value (tests).
void SeedRandom(std::uint64_t seed);
// While set, every clock seeding uses this seed instead, so that code which creates histories
// (and so reseeds) still draws a repeatable sequence in tests. std::nullopt goes back to the clock.
void SetFixedRandomSeed(std::optional<std::uint64_t> seed);

// The next draw, 0 to 2^31 - 1.
std::int32_t NextRandom();
// A draw below n: the next draw mod n when n is greater than 0, and 0 otherwise.
std::int32_t RandomBelow(std::int32_t n);

}  // namespace zelpa
