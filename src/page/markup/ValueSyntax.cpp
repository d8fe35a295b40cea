#include "page/markup/ValueSyntax.h"

#include "page/markup/AttributeReader.h"
#include "page/markup/TextStyle.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <algorithm>
#include <limits>

namespace qor {

namespace {

// Six hexadecimal digits RRGGBB in Windows order 0x00BBGGRR.
// The digits are read as one hexadecimal number 0xRRGGBB, so a short value such as "#0" (the
// program's own pages write it for black) is the number it reads as.
std::int32_t HexColour(std::string_view digits) {
    if (digits.empty() || digits.size() > 6) {
        return kUnparsableHexColour;
    }
    int value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return kUnparsableHexColour;
        }
        value = value * 16 + digit;
    }
    const int red = (value >> 16) & 0xFF;
    const int green = (value >> 8) & 0xFF;
    const int blue = value & 0xFF;
    return red | (green << 8) | (blue << 16);
}

std::int32_t RandomWebSafeColour() {
    const auto level = [] { return RandomBelow(6) * 51; };
    const int red = level();
    const int green = level();
    const int blue = level();
    return red | (green << 8) | (blue << 16);
}

// '?RRGGBB RRGGBB ...': every colour is followed by one separator, so each takes seven characters.
std::int32_t RandomListColour(std::string_view list) {
    const int count = static_cast<int>(list.size() / 7);
    const std::size_t at = 1 + static_cast<std::size_t>(RandomBelow(count)) * 7;
    if (at >= list.size()) {
        return kUnparsableHexColour;
    }
    return HexColour(list.substr(at, 6));
}

std::int32_t PaletteColour(std::string_view number) {
    const int entry = ParseInteger(number).value_or(128);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(entry) +
                                     static_cast<std::uint32_t>(kPaletteEntryBase));
}

int ParseCoordinate(std::string_view item) {
    return ParseInteger(TrimWhitespace(item)).value_or(kUndefinedCoordinate);
}

// -10020 on a page 800 wide is 780: the remainder keeps its sign and counts from the edge.
int FromFarEdge(int value, int extent) {
    if (value != kUndefinedCoordinate && value < -10000) {
        return value % 10000 + extent;
    }
    return value;
}

// A width below 1 reaches up to the far edge less its amount.
int ToEdge(int extent, int size, int start) {
    const long long reach = static_cast<long long>(extent) + size - start;
    return static_cast<int>(
        std::clamp<long long>(reach, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::string_view TrimWhitespace(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) {
        text.remove_suffix(1);
    }
    return text;
}

std::int32_t ParseColour(std::string_view value, const TXAliasList& colourNames) {
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
    }
    if (!value.empty() && value.back() == '"') {
        value.remove_suffix(1);
    }
    if (value == "random") {
        return RandomWebSafeColour();
    }
    std::string text(value);
    for (int lookups = 0;; ++lookups) {
        if (!text.empty() && (text.front() == '#' || text.front() == 'i' || text.front() == '?')) {
            break;
        }
        const int index = colourNames.Find(text);
        if (index < 0 || lookups >= kMaxColourNameLookups) {
            return kWhite;
        }
        text = colourNames.ValueAt(index);
    }
    switch (text.front()) {
    case '#':
        return HexColour(std::string_view(text).substr(1));
    case 'i':
        return PaletteColour(std::string_view(text).substr(1));
    default:
        return RandomListColour(text);
    }
}

Coordinates ParseCoordinates(std::string_view value, int pageWidth, int pageHeight) {
    value = TrimWhitespace(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    const std::vector<std::string> items = SplitList(value, ",", true);
    const auto item = [&items](std::size_t i) {
        return i < items.size() ? ParseCoordinate(items[i]) : kUndefinedCoordinate;
    };
    Coordinates result{item(0), item(1), item(2), item(3)};
    result.x = FromFarEdge(result.x, pageWidth);
    result.y = FromFarEdge(result.y, pageHeight);
    if (result.width != kUndefinedCoordinate && result.width < 1 && result.x != kUndefinedCoordinate) {
        result.width = ToEdge(pageWidth, result.width, result.x);
    }
    if (result.height != kUndefinedCoordinate && result.height < 1 && result.y != kUndefinedCoordinate) {
        result.height = ToEdge(pageHeight, result.height, result.y);
    }
    return result;
}

std::vector<std::string> SplitList(std::string_view text, std::string_view separator, bool trim) {
    std::vector<std::string> items;
    if (separator.empty()) {
        items.emplace_back(trim ? TrimWhitespace(text) : text);
        return items;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        const std::string_view item =
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start);
        items.emplace_back(trim ? TrimWhitespace(item) : item);
        if (at == std::string_view::npos) {
            break;
        }
        start = at + separator.size();
    }
    return items;
}

} // namespace qor
