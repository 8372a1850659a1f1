// Lesson-code readers: any text parses without a crash; a code read whole and written again by
// the producer reads back to the same header and word.
#include <cstdint>
#include <string>
#include <string_view>

#include "learning/Lesson.h"
#include "learning/Tango.h"
#include "learning/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zelpa::TTextLines lines =
        zelpa::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    zelpa::TTangoList material;
    zelpa::TTango word;
    if (material.ParseLessonHeader(lines) != 0 || word.ParseLessonCode(lines) != 0) {
        return 0;
    }
    const auto code =
        zelpa::WriteLessonCode({material.HeadText1, material.Title, material.HeadText3}, word);
    if (!code) {
        return 0;
    }
    zelpa::TTextLines again = zelpa::SplitLines(*code);
    zelpa::TTangoList materialCopy;
    zelpa::TTango wordCopy;
    if (materialCopy.ParseLessonHeader(again) != 0 || wordCopy.ParseLessonCode(again) != 0 ||
        !again.empty() || !wordCopy.SameWord(word) || wordCopy.ShowOnly != word.ShowOnly ||
        materialCopy.Title != material.Title || materialCopy.HeadText1 != material.HeadText1 ||
        materialCopy.HeadText3 != material.HeadText3) {
        __builtin_trap();
    }
    return 0;
}
