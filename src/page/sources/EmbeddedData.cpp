#include "page/sources/EmbeddedData.h"

#include "platform/Cp1252.h"

#include <map>
#include <string>

namespace qor {

namespace {

std::map<std::string, std::string, std::less<>>& Entries() {
    static std::map<std::string, std::string, std::less<>> entries;
    return entries;
}

// The generated registration runs on first use rather than from static constructors, which the
// linker would drop together with the unreferenced objects of a static library.
void EnsureBuiltIn() {
    static const bool registered = [] {
        embedded::RegisterAll();
        return true;
    }();
    (void)registered;
}

} // namespace

void embedded::Add(std::string_view name, std::string_view bytes) {
    Entries().insert_or_assign(UpperCp1252(name), std::string(bytes));
}

std::optional<std::string_view> FindEmbeddedData(std::string_view name) {
    EnsureBuiltIn();
    const auto found = Entries().find(UpperCp1252(name));
    if (found == Entries().end())
        return std::nullopt;
    return std::string_view(found->second);
}

void RegisterEmbeddedData(std::string_view name, std::string_view bytes) {
    EnsureBuiltIn();
    embedded::Add(name, bytes);
}

} // namespace qor
