// Any bytes as a packed page: either a message and no text, or a text that ends in a carriage
// return and stays within the limit.
#include "page/sources/PageFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string text, error;
    const bool loaded = qor::PageTextFromBytes("seite.htx", bytes, text, error);
    if (loaded != error.empty() || loaded == text.empty())
        std::abort();
    if (loaded && (text.back() != '\r' || text.size() > qor::kMaxPageTextBytes + 1))
        std::abort();
    return 0;
}
