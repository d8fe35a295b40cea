// Any bytes as the game's pair file: every pair kept has a left and a right text without line ends.
#include "vocab/styles/TBingoList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const qor::TBingoList list =
        qor::ParseBingoList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const qor::TBingoPair& pair : list) {
        if (pair.left.empty() || pair.right.empty() || pair.left.find('\n') != std::string::npos ||
            pair.right.find('\t') != std::string::npos || pair.alternative.find('\r') != std::string::npos)
            std::abort();
    }
    return 0;
}
