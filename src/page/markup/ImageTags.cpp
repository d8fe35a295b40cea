// IMG and its image element, MAP and AREA.

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <algorithm>

namespace qor {

namespace {

enum ImageAttribute {
    kSource = 1,
    kScale,
    kAlign,
    kUseMap,
    kFlash,
    kBase,
    kRadius,
    kAlpha,
    kTransparent,
    kMode,
    kAlternative,
    kColour,
    kFlashColour
};

constexpr std::uint8_t kBaselineAlignment = 5;
constexpr std::uint8_t kTintMode = 7;
// Pictures that the host draws are at most this large on each side, so a page cannot ask for a
// bitmap of gigabytes.
constexpr int kMaxRequestedPictureSide = 2048;
constexpr int kDefaultRequestedWidth = 100;
constexpr int kDefaultRequestedHeight = 60;

std::uint8_t PictureAlignment(std::string_view value) {
    switch (value.empty() ? '\0' : UpperCp1252(value.front())) {
    case 'B':
        return 5;
    case 'C':
        return 1;
    case 'M':
        return 4;
    case 'R':
        return 2;
    case 'T':
        return 3;
    case 'X':
        return 6;
    default:
        return 0;
    }
}

void ResetPictureFields(TextStyle& style) {
    style.scalePercent = 100;
    style.pictureAlignment = kBaselineAlignment;
    style.baseOffset = 0;
    style.cornerRadius = 0;
    style.pictureColour = 255;
    style.opacity = 255;
    style.pictureMode = 0;
    style.secondPicture = -1;
    style.alternativeText.clear();
}

// Pictures from the program's resources ("$") and pictures the host draws ("%") are not files
// of the page folder; everything else is.
int LoadPicture(PageDocument& document, PageHost& host, std::string_view name) {
    if (name.empty()) {
        return -1;
    }
    const std::string_view bare = name.starts_with('*') ? name.substr(1) : name;
    if (bare.starts_with('$') || bare.starts_with('%')) {
        return document.pictures.Load(name);
    }
    return document.pictures.Load(host.ResolvePagePath(document.pageFolder, name));
}

// '%WxH=code': a blank picture of W × H pixels (100 × 60 when the size does not read) that the
// host draws into.
int RequestPicture(PageDocument& document, PageHost& host, std::string_view source) {
    std::string_view rest = source.substr(1);
    const std::size_t equals = rest.find('=');
    const std::string_view code =
        equals == std::string_view::npos ? std::string_view{} : rest.substr(equals + 1);
    const std::string_view size = rest.substr(0, equals);
    const std::size_t cross = size.find_first_of("xX");
    std::optional<int> width;
    std::optional<int> height;
    if (cross != std::string_view::npos) {
        width = ParseInteger(size.substr(0, cross));
        height = ParseInteger(size.substr(cross + 1));
    }
    if (!width || !height) {
        width = kDefaultRequestedWidth;
        height = kDefaultRequestedHeight;
    }
    const int index = document.pictures.Blank(std::clamp(*width, 1, kMaxRequestedPictureSide),
                                              std::clamp(*height, 1, kMaxRequestedPictureSide));
    host.OnPictureRequest(code, document.pictures.At(index).bitmap);
    return index;
}

} // namespace

std::string ReplaceMacroReference(const PageDocument& document, std::string_view value) {
    if (value.starts_with('$')) {
        return document.macros.Get(value.substr(1), "");
    }
    return std::string(value);
}

void ImageTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    TextStyle& style = context.style;
    PageDocument& document = context.document;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    ResetPictureFields(style);
    while (const int attribute = reader.OneOf({"SRC", "SCALE", "ALIGN", "USEMAP", "FLASH", "BASE", "RADIUS",
                                               "ALPHA", "TRANSPARENT", "MODE", "ALT", "COLOR", "FCOLOR"})) {
        const bool quoted =
            attribute == kSource || attribute == kUseMap || attribute == kFlash || attribute == kAlternative;
        std::optional<std::string> value = quoted ? reader.QuotedValue() : reader.PlainValue();
        if (!value) {
            break;
        }
        const auto number = [&value](int min, int max, int fallback) {
            const std::optional<int> parsed = ParseInteger(*value);
            return parsed ? std::clamp(*parsed, min, max) : fallback;
        };
        switch (attribute) {
        case kSource:
            document.pendingImageSource = ReplaceMacroReference(document, *value);
            break;
        case kScale:
            if (value->ends_with('%')) {
                value->pop_back();
            }
            style.scalePercent = ParseInteger(*value).value_or(100);
            break;
        case kAlign:
            style.pictureAlignment = PictureAlignment(*value);
            break;
        case kUseMap:
            style.imageMapName = *value;
            break;
        case kFlash:
            document.pendingImageSource += "|" + *value;
            break;
        case kBase:
            style.baseOffset = number(0, 500, 0);
            break;
        case kRadius:
            style.cornerRadius = number(0, 10000, 0);
            break;
        case kAlpha:
            style.opacity = number(0, 100, 100) * 255 / 100;
            break;
        case kTransparent:
            style.opacity = 255 - number(0, 255, 0);
            break;
        case kMode: {
            const int mode = number(0, 9, 0);
            style.pictureMode = static_cast<std::uint8_t>(mode == 9 ? kTintMode + RandomBelow(2) : mode);
            break;
        }
        case kAlternative:
            style.alternativeText = *value;
            break;
        case kColour:
            style.pictureColour = ParseColour(*value, document.colourNames);
            if (style.pictureMode == 0) {
                style.pictureMode = kTintMode;
            }
            break;
        case kFlashColour:
            style.secondPicture = static_cast<std::int32_t>(
                static_cast<std::uint32_t>(ParseColour(*value, document.colourNames)) +
                static_cast<std::uint32_t>(kSecondPictureColourBase));
            style.pictureMode = kTintMode;
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

void AddImageElement(PageDocument& document, PageHost& host, TextStyle& style, std::string_view source) {
    const std::size_t bar = source.find('|');
    if (bar != std::string_view::npos) {
        style.pictureIndex = LoadPicture(document, host, source.substr(0, bar));
        style.secondPicture = LoadPicture(document, host, source.substr(bar + 1));
    } else if (source.starts_with('%') && host.HandlesPictureRequests()) {
        style.pictureIndex = RequestPicture(document, host, source);
    } else {
        style.pictureIndex = LoadPicture(document, host, source);
    }
    document.elements.Add(style, ElementKind::Image);
    if (style.cornerRadius > 0 || style.opacity < 255 || style.pictureMode != 0) {
        document.compositedPainting = true;
    }
    style.pictureIndex = -1;
    style.secondPicture = -1;
    style.imageMapName.clear();
}

void MapTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    if (!reader.Expect("NAME")) {
        return;
    }
    if (const std::optional<std::string> name = reader.FlexibleValue()) {
        context.document.imageMaps.AddMap(*name);
    }
}

void AreaTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    if (!reader.Expect("SHAPE")) {
        return;
    }
    const std::optional<std::string> shape = reader.PlainValue();
    if (!shape || !SameTextInsensitive(*shape, "RECT") || !reader.Expect("COORDS")) {
        return;
    }
    const std::optional<std::string> coordinates = reader.FlexibleValue();
    if (!coordinates || !reader.Expect("HREF")) {
        return;
    }
    const std::optional<std::string> target = reader.FlexibleValue();
    if (!target) {
        return;
    }
    const PageDocument& document = context.document;
    const Coordinates c = ParseCoordinates(*coordinates, document.pageWidth, document.pageHeight);
    context.document.imageMaps.AddArea(tArea{c.x, c.y, c.width, c.height, *target});
}

} // namespace qor
