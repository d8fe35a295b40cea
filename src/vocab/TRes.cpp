#include "vocab/TRes.h"

#include "page/sources/TZIPResource.h"
#include "vocab/VocText.h"

namespace qor {

namespace {

// The block is ours and well-formed; a number that is not one reads as 0 rather than stopping.
int NumberOrZero(const std::string& line) {
    int value = 0;
    return vocab::ParseDecimal(line, value) ? value : 0;
}

} // namespace

void TRes::Load() {
    TZIPResource block(TextBlock::Vocabulary);
    Load([&block] { return block.AtEnd(); }, [&block] { return block.ReadLine(); });
}

void TRes::Load(const std::function<bool()>& atEnd, const std::function<std::string()>& readLine) {
    m_entries.clear();
    while (!atEnd() && Count() < kMaxEntries) {
        TVokabel entry;
        entry.Vokabel = readLine();
        entry.Bedeutung0 = readLine();
        entry.Bedeutung1 = readLine();
        entry.Kontext0 = readLine();
        entry.KtxDazu0 = readLine() != "0";
        entry.Kontext1 = readLine();
        entry.KtxDazu1 = readLine() != "0";
        entry.Wortart = NumberOrZero(readLine());
        entry.Deutsch = readLine() == "-1";
        entry.Schwierigkeit = NumberOrZero(readLine());
        m_entries.push_back(std::move(entry));
    }
}

} // namespace qor
