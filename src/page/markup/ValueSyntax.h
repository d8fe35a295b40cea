#pragma once
// The value forms of attributes: colours, coordinates and lists.

#include "page/render/PageContainers.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Colour-name chains longer than this (a name that leads back to itself) end in white.
inline constexpr int kMaxColourNameLookups = 16;
inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kUnparsableHexColour = 0xFF0000; // what "#XYZ" gives

// A colour attribute value: "random", a colour name (looked up in `colourNames` until the value
// begins with "#", "i" or "?"), '?RRGGBB,RRGGBB,...' (one of them at random), '#RRGGBB' or "iN"
// (palette entry N). One leading and one trailing double quote are removed first.
std::int32_t ParseColour(std::string_view value, const TXAliasList& colourNames);

inline constexpr int kUndefinedCoordinate = -1000000;

struct Coordinates {
    int x = kUndefinedCoordinate;
    int y = kUndefinedCoordinate;
    int width = kUndefinedCoordinate;
    int height = kUndefinedCoordinate;
    bool operator==(const Coordinates&) const = default;
};

// 'x,y,width,height'. Missing or non-numeric items are undefined. x below -10000 counts from the
// right edge (-10020 is 20 pixels left of it), y likewise from the bottom; a defined width below 1
// reaches to the right edge less its amount, a height below 1 likewise to the bottom.
Coordinates ParseCoordinates(std::string_view value, int pageWidth, int pageHeight);

// Splits at every `separator`; with `trim`, items lose the whitespace around them.
std::vector<std::string> SplitList(std::string_view text, std::string_view separator, bool trim);

std::string_view TrimWhitespace(std::string_view text);

} // namespace qor
