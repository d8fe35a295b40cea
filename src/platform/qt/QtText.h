#pragma once
// Windows-1252 program text to and from Qt strings.

#include <QString>
#include <string>
#include <string_view>

namespace qor {

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

} // namespace qor
