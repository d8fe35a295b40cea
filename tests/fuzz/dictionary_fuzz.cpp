// Any bytes as a dictionary half, inflated or as they are, and as a text dictionary: what was read,
// saved and read again must be the same entries, and searching them must not fail.
#include "dictionary/DictionaryFile.h"
#include "dictionary/TXDatabase.h"
#include "platform/Zlib.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

static std::vector<qor::TXDBEintrag> Read(const std::vector<qor::DictionaryFileEntry>& fileEntries) {
    qor::TXDatabase database;
    for (const qor::DictionaryFileEntry& entry : fileEntries)
        database.AddEntry(entry.word, entry.wordClass, entry.meaning);
    database.Search("a", qor::WholeWords::Yes, qor::TermLanguage::French, qor::SearchScope::BothHalves);
    (void)database.ResultPageLines(0);
    std::vector<qor::TXDBEintrag> entries;
    for (int i = 0; i < database.Count(); ++i)
        entries.push_back({database.Vokabel(i), database.Bedeutung(i), database.Wortart(i)});
    return entries;
}

static void CheckRewrite(const std::vector<qor::DictionaryFileEntry>& fileEntries) {
    const std::vector<qor::TXDBEintrag> first = Read(fileEntries);
    // A 0 byte inside a text line cannot be carried by zero-terminated strings.
    for (const qor::TXDBEintrag& entry : first)
        if (entry.Vokabel.find('\0') != std::string::npos || entry.Bedeutung.find('\0') != std::string::npos)
            return;
    std::string saved;
    if (qor::InflateZlib(qor::DeflateZlib(qor::DictionaryContent(first)), saved, qor::kMaxDictionaryBytes) !=
        qor::InflateStatus::Ok)
        std::abort();
    // An empty half saves as empty content, which reads back as the placeholder entry.
    if (!first.empty() && Read(qor::ParseDictionaryContent(saved)) != first)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string content;
    if (qor::InflateZlib(bytes, content, std::size_t{1} << 24) == qor::InflateStatus::Ok)
        CheckRewrite(qor::ParseDictionaryContent(content));
    CheckRewrite(qor::ParseDictionaryContent(bytes));
    CheckRewrite(qor::ParseTextDictionary(bytes));
    return 0;
}
