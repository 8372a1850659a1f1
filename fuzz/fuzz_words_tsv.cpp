// TSV reader: any text reads without a crash; words read whole are written and read back
// element for element and byte for byte.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "learning/Tango.h"
#include "learning/WordsTsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<zelpa::TTango> words;
    if (zelpa::ReadWordsTsv(std::string_view(reinterpret_cast<const char*>(data), size), words)) {
        return 0;
    }
    zelpa::TTangoList material;
    for (const zelpa::TTango& word : words) {
        material.AddWordCopy(word);
    }
    std::ostringstream out;
    zelpa::WriteWordsTsv(out, material);
    std::vector<zelpa::TTango> again;
    if (zelpa::ReadWordsTsv(out.str(), again) || again.size() != words.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!again[i].SameWord(words[i])) {
            __builtin_trap();
        }
    }
    return 0;
}
