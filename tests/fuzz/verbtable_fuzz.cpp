// Any bytes as the verb table block: reading must neither crash nor break its own limits.
#include "page/sources/TZIPResource.h"
#include "platform/Zlib.h"
#include "vocab/verbs/VerbTable.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qor::TZIPResource block;
    block.Open(qor::DeflateZlib(std::string_view(reinterpret_cast<const char*>(data), size)));
    const std::vector<qor::TVerb> verbs = qor::ReadVerbTable(block);
    if (verbs.size() > static_cast<std::size_t>(qor::kMaxVerbs))
        std::abort();
    for (const qor::TVerb& verb : verbs)
        if (verb.infinitive.empty())
            std::abort();
    return 0;
}
