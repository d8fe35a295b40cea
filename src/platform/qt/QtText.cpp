#include "platform/qt/QtText.h"

#include "platform/Cp1252.h"

namespace qor {

QString ToQString(std::string_view cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252)
        out += QChar(static_cast<char16_t>(CodePointFromCp1252(static_cast<unsigned char>(c))));
    return out;
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        int byte = Cp1252FromCodePoint(c.unicode());
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

} // namespace qor
