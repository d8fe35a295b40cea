// Any bytes as a text file from another editor: the conversion either names a line that exists or
// gives Windows-1252 text that turns back into the bytes it came from.
#include "platform/Cp1252.h"
#include "platform/FileText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string Utf16(std::string_view cp1252, bool bigEndian) {
    std::string out;
    for (char c : cp1252) {
        const char32_t unit = qor::CodePointFromCp1252(static_cast<unsigned char>(c));
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qor::Cp1252FileText converted = qor::Cp1252FromFileBytes(bytes);
    if (converted.unconvertibleLine > 0) {
        const auto breaks =
            std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
        if (!converted.text.empty() || converted.unconvertibleLine > breaks + 1)
            std::abort();
        return 0;
    }
    const std::string& text = converted.text;
    bool recovered = false;
    if (bytes.starts_with("\xFF\xFE"))
        recovered = Utf16(text, false) == bytes.substr(2);
    else if (bytes.starts_with("\xFE\xFF"))
        recovered = Utf16(text, true) == bytes.substr(2);
    else if (bytes.starts_with("\xEF\xBB\xBF"))
        recovered = qor::Utf8FromCp1252(text) == bytes.substr(3);
    else
        recovered = text == bytes || qor::Utf8FromCp1252(text) == bytes;
    if (!recovered)
        std::abort();
    return 0;
}
