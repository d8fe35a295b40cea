#include "users/UserLogLine.h"

namespace qor {

std::string FormatUserLogLine(const UserLogEntry& entry) {
    std::string line = FormatShortDate(entry.logIn) + " " + FormatLongTime(entry.logIn.timeOfDay) + " " +
                       FormatLongTime(entry.duration) + " ";
    line += "Eintippen:\t" + std::to_string(entry.typing) + "\t";
    line += "Mult. Ch.:\t" + std::to_string(entry.multipleChoice) + "\t";
    line += "Las Vegas:\t" + std::to_string(entry.lasVegas) + "\t";
    line += "Performance Insgesamt: abs: " + std::to_string(entry.averageAbsolute) + "% ";
    line += "rel: " + std::to_string(entry.averageRelative) + "% ";
    line += std::to_string(entry.recordCount) + " verschiedene Vokabeln\r\n";
    return line;
}

} // namespace qor
