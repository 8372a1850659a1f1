// Material reader: any bytes read without a crash; a material read whole writes and reads back
// to the same words and header.
#include <cstdint>
#include <sstream>
#include <string>

#include "learning/Random.h"
#include "learning/Tango.h"

using zelpa::TReadOutcome;
using zelpa::TTangoList;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TTangoList material;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (material.ReadFrom(in) != TReadOutcome::Complete) {
        return 0;
    }
    zelpa::SeedRandom(size);
    std::ostringstream out;
    material.WriteTo(out);
    TTangoList copy;
    std::istringstream again(out.str());
    if (copy.ReadFrom(again) != TReadOutcome::Complete || copy.Count() != material.Count() ||
        copy.Title != material.Title || copy.HeadText1 != material.HeadText1 ||
        copy.RirekiJ2K.Records != material.RirekiJ2K.Records) {
        __builtin_trap();
    }
    for (std::int32_t i = 0; i < copy.Count(); ++i) {
        if (!copy.Objects(i)->SameWord(*material.Objects(i))) {
            __builtin_trap();
        }
    }
    return 0;
}
