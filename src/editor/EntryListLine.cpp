#include "editor/EntryListLine.h"

#include "platform/Cp1252.h"

namespace qor {

std::string EntryListLine(const TVokabel& entry) {
    std::string line(entry.Deutsch ? "§"_cp : "$"_cp);
    line += entry.IsBlank() ? std::string("(leer)") : entry.Vokabel;
    return line;
}

std::string DirectionCaption(std::string_view shown, bool germanFrench) {
    const bool shortShown = shown == "Französisch-D"_cp || shown == "Deutsch-F"_cp;
    if (shortShown)
        return std::string(germanFrench ? "Deutsch-F"_cp : "Französisch-D"_cp);
    return std::string(germanFrench ? "Deutsch-Französisch"_cp : "Französisch-Deutsch"_cp);
}

} // namespace qor
