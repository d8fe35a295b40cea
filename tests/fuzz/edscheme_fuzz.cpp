// The editor scheme reader on arbitrary bytes: it must take what it can and never fail, and the
// scheme it gives must survive being written and read again unchanged.
#include "editor/EditorScheme.h"
#include "platform/Fonts.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qor::FixedAdvanceFonts fonts;
    qor::EditorScheme scheme;
    qor::ReadSchemeText(std::string_view(reinterpret_cast<const char*>(data), size), scheme, fonts);
    qor::EditorScheme again = scheme;
    qor::ReadSchemeText(qor::FormatSchemeText(scheme), again, fonts);
    if (again.colours != scheme.colours || again.sizes != scheme.sizes || again.bold != scheme.bold)
        std::abort();
    return 0;
}
