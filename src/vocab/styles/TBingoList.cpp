#include "vocab/styles/TBingoList.h"

#include "platform/WinPath.h"

namespace qor {

namespace {
// A word list of a few hundred lines; anything far larger is not one.
constexpr std::uintmax_t kMaxPairFileBytes = std::uintmax_t{4} << 20;
} // namespace

TBingoList ReadBingoList(std::string_view programPath) {
    std::string contents;
    if (!ReadWholeFile(programPath, contents, kMaxPairFileBytes))
        return {};
    return ParseBingoList(contents);
}

} // namespace qor
