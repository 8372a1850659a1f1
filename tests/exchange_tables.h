#pragma once

// Pair tables for the clipboard-exchange tests: the generated euc2uni.dll of the program folder,
// and small hand-made tables built in memory.

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "keyboard/Uni2euc.h"

struct TPair {
    std::uint16_t euc;
    std::uint16_t uni;
};

// The bytes of a table file: the count, then the pairs (which may be fewer or more than count).
inline std::string TableFileBytes(std::int32_t count, const std::vector<TPair>& pairs) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>(value >> (8 * i));
    };
    put(static_cast<std::uint32_t>(count), 4);
    for (const TPair& pair : pairs) {
        put(pair.euc, 2);
        put(pair.uni, 2);
    }
    return bytes;
}

inline TUni2Euc TableOf(const std::vector<TPair>& pairs) {
    TUni2Euc table;
    std::istringstream in(TableFileBytes(static_cast<std::int32_t>(pairs.size()), pairs));
    table.LoadTable(in);
    return table;
}

// The table the build generated into the program folder (the path comes from the build).
inline std::filesystem::path GeneratedTablePath() {
    return ZELPA_BIN_DIR "/euc2uni.dll";
}

inline const TUni2Euc& GeneratedTable() {
    static const TUni2Euc table(GeneratedTablePath());
    return table;
}
