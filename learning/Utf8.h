#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelpa {

// Appends the UTF-8 form of a Unicode scalar value.
void AppendUtf8(std::string& out, char32_t character);

// Decodes the character at `position` and moves past it; std::nullopt (position unchanged) for
// anything but the shortest form of a scalar value.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& position);

bool IsValidUtf8(std::string_view text);

}  // namespace zelpa
