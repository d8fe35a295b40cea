#include "dictionary/TXDatabase.h"
#include "platform/AppMessage.h"
#include "platform/Collation.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

void TXDatabase::Sort() {
    auto& entries = Current().entries;
    if (entries.size() < 2)
        return;
    // Equal headwords (other word classes) keep their order, so a sorted half stays as it is.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return CompareCollated(a->Vokabel, b->Vokabel) < 0;
    });
    Current().order = Order::Sorted;
    Changed();
}

void TXDatabase::CheckEntries() {
    Half& half = Current();
    for (int i = std::max(half.current, 0); i < Count(); ++i) {
        const std::string& meaning = half.entries[static_cast<std::size_t>(i)]->Bedeutung;
        std::string_view message;
        if (HasSuspiciousComma(meaning))
            message = "Verdächtiges Komma in der Bedeutung entdeckt!"_cp;
        else if (HasBadSemicolon(meaning))
            message = "Ein Leerzeichen fehlt nach einem Semikolon!";
        if (message.empty())
            continue;
        half.current = i;
        Notify();
        ShowAppMessage(message, 0);
        return;
    }
}

void TXDatabase::RemoveDuplicates() {
    Half& half = Current();
    auto& entries = half.entries;
    if (entries.size() < 2)
        return;
    int removed = 0;
    int conflict = -1;
    std::size_t index = 1;
    while (index < entries.size()) {
        const TXDBEintrag& before = *entries[index - 1];
        const TXDBEintrag& entry = *entries[index];
        if (entry.Vokabel != before.Vokabel || entry.Wortart != before.Wortart) {
            ++index;
        } else if (entry.Bedeutung == before.Bedeutung) {
            EraseEntry(half, index);
            ++removed;
        } else {
            conflict = static_cast<int>(index);
            break;
        }
    }
    ShowAppMessage(std::to_string(removed) + std::string(" Einträge wurden automatisch entfernt."_cp), 0);
    if (removed > 0)
        half.modified = true;
    if (conflict >= 0)
        half.current = conflict;
    else if (half.current >= Count())
        half.current = std::max(Count() - 1, 0);
    if (conflict >= 0 || removed > 0)
        Notify();
}

} // namespace qor
