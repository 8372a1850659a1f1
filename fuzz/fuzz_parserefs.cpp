// ParseRefs on arbitrary clipboard bytes. Every appended value consumes at least one byte, and the
// decimal references of what was read read back to the same values (0 has no reference form).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "keyboard/TextForms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    std::vector<std::int32_t> codes;
    AppendRefsText(source, codes);
    if (codes.size() > size) {
        std::abort();
    }
    std::erase(codes, 0);
    std::vector<std::int32_t> again;
    ParseRefs(DecimalRefs(codes), again);
    if (again != codes) {
        std::abort();
    }
    RefBodyValue(source);
    return 0;
}
