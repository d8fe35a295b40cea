#pragma once
// Delimited text as the import assistant offers it: one entry per line, the fields in the order
// a column layout names them ("Vokabel, Bedeutung, Bedeutung, Kontext").

#include "vocab/TVokabel.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The column names of a layout, each trimmed.
std::vector<std::string> ImportColumns(std::string_view layout);

// The entry of one line; nothing usable (empty Vokabel or Bedeutung0) gives a blank entry.
TVokabel ImportLine(std::string_view line, const std::vector<std::string>& columns,
                    std::string_view separator);

// Every line that gives a headword and a first meaning, in order.
std::vector<TVokabel> ImportText(std::string_view bytes, std::string_view layout, std::string_view separator);

} // namespace qor
