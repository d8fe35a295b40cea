// Any bytes must parse, and what the store writes must read back as the same keys and values.
#include "platform/RegistryStore.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<qor::RegistryKeyData> keys = qor::ParseRegistryText(text);
    if (qor::ParseRegistryText(qor::FormatRegistryText(keys)) != keys)
        std::abort();
    return 0;
}
