// FONT, /FONT and "+name" (named styles).
//
// A FONT SIZE value with a sign is relative: SIZE=+1 makes the text one size larger, SIZE=-1 one
// smaller, as page authors know it from HTML; a plain number sets the size. Either way the
// result stays within 0..720.

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kMaxFontSize = 720;
constexpr int kDefaultFontSize = 3;
constexpr int kSpacingLimit = 500;
constexpr int kLineSpacingBase = 2000;

enum FontAttribute { kSize = 1, kColour, kFace, kLineSpace, kId, kTracking, kBackground, kFlash, kLink };

int FontSize(std::string_view value, int current) {
    const std::optional<int> number = ParseInteger(value);
    if (!number) {
        return kDefaultFontSize;
    }
    const bool relative = value.starts_with('+') || value.starts_with('-');
    const long long size = relative ? static_cast<long long>(current) + *number : *number;
    return static_cast<int>(std::clamp<long long>(size, 0, kMaxFontSize));
}

// The first installed font of a comma list; empty when none is installed.
std::string FirstInstalledFont(std::string_view list) {
    for (const std::string& name : SplitList(list, ",", true)) {
        if (!name.empty() && CurrentFontService().IsInstalled(name)) {
            return name.substr(0, kMaxFontNameLength);
        }
    }
    return {};
}

// LINESPACE and TRACKING: a number within ±500, nothing when the value is not a number.
std::optional<int> SpacingValue(std::string_view value) {
    const std::optional<int> number = ParseInteger(value);
    if (!number) {
        return std::nullopt;
    }
    return std::clamp(*number, -kSpacingLimit, kSpacingLimit);
}

} // namespace

void FontTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    TextStyle& style = context.style;
    PageDocument& document = context.document;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    const StyleBlock blockAtStart = style.block;
    const int lineSpacingAtStart = style.lineSpacing;
    const bool lineSpacingByLinespaceAtStart = style.lineSpacingByLinespace;
    const int trackingAtStart = style.tracking;
    // What this tag itself gives: ID captures these and not what earlier tags set.
    std::optional<int> lineSpacingGiven;
    std::optional<int> trackingGiven;
    while (const int attribute = reader.OneOf(
               {"SIZE", "COLOR", "FACE", "LINESPACE", "ID", "TRACKING", "BCOLOR", "FLASH", "LINK"})) {
        if (attribute != kLineSpace && attribute != kTracking) {
            document.Slot(StyleSlot::Font) = style.block;
        }
        const std::optional<std::string> value =
            attribute == kFace ? reader.QuotedValue() : reader.PlainValue();
        if (!value) {
            break;
        }
        switch (attribute) {
        case kSize:
            style.block.fontSize = FontSize(*value, style.block.fontSize);
            break;
        case kColour:
            style.block.textColour = ParseColour(*value, document.colourNames);
            break;
        case kFace:
            if (std::string font = FirstInstalledFont(*value); !font.empty()) {
                style.block.fontName = std::move(font);
            }
            break;
        case kLineSpace:
            if (const std::optional<int> spacing = SpacingValue(*value)) {
                style.lineSpacing = *spacing == 0 ? 0 : kLineSpacingBase + *spacing;
                style.lineSpacingByLinespace = true;
                lineSpacingGiven = style.lineSpacing;
            }
            break;
        case kId:
            // The named style captures what the tag set so far; the page itself stays as it was.
            document.namedStyles.Add(NamedStyle{*value, style.block,
                                                lineSpacingGiven.value_or(TextStyle{}.lineSpacing),
                                                trackingGiven.value_or(TextStyle{}.tracking)});
            style.block = blockAtStart;
            style.lineSpacing = lineSpacingAtStart;
            style.lineSpacingByLinespace = lineSpacingByLinespaceAtStart;
            style.tracking = trackingAtStart;
            break;
        case kTracking:
            if (const std::optional<int> tracking = SpacingValue(*value)) {
                style.tracking = *tracking;
                trackingGiven = *tracking;
            }
            break;
        case kBackground:
            if (SameTextInsensitive(*value, "OFF")) {
                style.block.backgroundTransparent = true;
            } else {
                style.block.backgroundColour = ParseColour(*value, document.colourNames);
                style.block.backgroundTransparent = false;
            }
            break;
        case kFlash:
            style.block.flashColour = ParseColour(*value, document.colourNames);
            break;
        case kLink:
            style.block.linkColour = ParseColour(*value, document.colourNames);
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

void EndFontTag(TagContext& context) {
    const StyleBlock& saved = context.document.Slot(StyleSlot::Font);
    StyleBlock& block = context.style.block;
    block.fontSize = saved.fontSize;
    block.textColour = saved.textColour;
    block.fontName = saved.fontName;
}

void NamedStyleTag(TagContext& context) {
    std::string_view name = context.tagText.substr(1);
    std::size_t end = 0;
    while (end < name.size() && static_cast<unsigned char>(name[end]) > 32) {
        ++end;
    }
    name = name.substr(0, end);
    const NamedStyle* named = context.document.namedStyles.Find(name);
    if (named == nullptr) {
        ShowAppMessage("KEIN + gefunden! " + std::string(context.tagText), kMbIconInformation | kMbOk);
        return;
    }
    TextStyle& style = context.style;
    const StyleBlock before = style.block;
    style.block = named->block;
    if (named->block.backgroundTransparent && !before.backgroundTransparent) {
        style.block.backgroundColour = before.backgroundColour;
    }
    style.tracking = named->tracking;
    if (!style.lineSpacingByLinespace) {
        style.lineSpacing = named->lineSpacing;
    }
}

} // namespace qor
