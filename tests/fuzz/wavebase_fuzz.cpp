// Any bytes, read as the compressed or as the plain recording index, must give entries that come
// back the same after saving them in the compressed form.
#include "sound/WaveBaseFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

static void CheckRewrite(const std::vector<qor::WaveBaseEntry>& entries) {
    std::vector<qor::WaveBaseEntry> again;
    if (!qor::DecodeWaveBase(qor::EncodeWaveBase(entries), again) || again != entries)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<qor::WaveBaseEntry> compressed, plain;
    qor::DecodeWaveBase(bytes, compressed);
    CheckRewrite(compressed);
    qor::ParseWaveBaseText(bytes, plain);
    CheckRewrite(plain);
    return 0;
}
