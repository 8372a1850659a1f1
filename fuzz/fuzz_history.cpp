// History block reader: any bytes read without a crash; a block read whole writes back to the
// same values, and a quiz run over it never reaches outside its lists.
#include <cstdint>
#include <sstream>
#include <string>

#include "learning/Rireki.h"

using zelpa::TRirekiList;

namespace {

bool SameState(const TRirekiList& a, const TRirekiList& b) {
    return a.Running == b.Running && a.RunSize == b.RunSize && a.Position == b.Position &&
           a.Results == b.Results && a.Order == b.Order && a.Records == b.Records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TRirekiList history;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!history.ReadFrom(in)) {
        return 0;
    }
    std::ostringstream out;
    history.WriteTo(out);
    TRirekiList copy;
    std::istringstream again(out.str());
    if (!copy.ReadFrom(again) || !SameState(copy, history)) {
        __builtin_trap();
    }
    std::int32_t position = history.Position;
    for (std::int32_t word = history.NextPending(position, false); word >= 0;
         word = history.NextPending(position, false)) {
        history.RecordAnswer(word, (word & 1) != 0);
        ++position;
    }
    history.FinishRun();
    return 0;
}
