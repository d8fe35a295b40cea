// Any bytes as a library file: what was read, written and read again must be the same entries.
#include "vocab/AscFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const qor::AscContent first = qor::ParseAsc(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const qor::TVokabel& entry : first.entries) {
        // A meaning beginning ".wav" is read as a recording line on the way back, and a difficulty
        // byte outside '0'..'9' has no one-digit form: the format cannot carry either.
        if (entry.Bedeutung0.starts_with(".wav") || entry.Schwierigkeit < 0 || entry.Schwierigkeit > 9)
            return 0;
    }
    const qor::AscContent second = qor::ParseAsc(qor::FormatAsc(first.entries));
    if (second.damaged || second.entries != first.entries)
        std::abort();
    return 0;
}
