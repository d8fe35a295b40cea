// Parses arbitrary bytes as a fresh page, with a host that answers special codes and a few macros.

#include "page/markup/PageParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qor::DiskPageHost host = [] {
        qor::DiskPageHost answering;
        answering.SetSpecialCodeHandler(
            [](std::string& code) { code = code.size() % 2 == 0 ? "+" : "<B>x"; });
        return answering;
    }();
    qor::PageDocument document;
    document.pageFolder = "C:\\kurs\\";
    document.currentFile = "lek07.htx";
    document.macros.Set("name", "Marie");
    document.macros.Set("tags", "<I>kursiv</I> $[name]");
    document.conditions.Set("next");
    qor::ParseFreshPage(document, host, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
