// LoadTable on a file of arbitrary bytes: never more pairs than the bytes hold, and the first
// pair of the file is found in both directions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "keyboard/Uni2euc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    // One table for the whole run: every load starts by emptying it.
    static TUni2Euc table;
    table.LoadTable(in);
    if (size < 4 ? table.PairCount() != 0 : table.PairCount() > (size - 4) / 4) {
        std::abort();
    }
    if (table.IsLoaded()) {
        const auto euc = static_cast<std::uint16_t>(data[4] | data[5] << 8);
        const auto uni = static_cast<std::uint16_t>(data[6] | data[7] << 8);
        if (table.UniToEuc(uni) != euc || table.EucToUni(euc) != uni) {
            std::abort();
        }
    }
    return 0;
}
