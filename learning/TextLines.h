#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace zelpa {

// A text as a list of lines consumed from the front.
using TTextLines = std::deque<std::string>;

// Splits at LF, CR LF or CR, as a text control's line list does: a final line break ends the last
// line without starting an empty one, and an empty text has no lines.
TTextLines SplitLines(std::string_view text);

}  // namespace zelpa
