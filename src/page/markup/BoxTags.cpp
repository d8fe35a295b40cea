// BOX (with its link, hover and slide-box parts), ELLIPSE and CHECKBOX.
//
// Coordinates that a tag leaves undefined become 0 (a BOX without a height grows with its text
// instead). Check-box sizes and gaps stay within 0..kMaxCheckBoxMeasure so that the layout can
// add them safely.

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

namespace {

enum BoxAttribute {
    kCoords = 1,
    kAlign,
    kShape,
    kOffset,
    kColour,
    kBorderColour,
    kBorderWidth,
    kRadius,
    kFolder,
    kSlides,
    kZone2,
    kSpeed,
    kTop,
    kDestination,
    kAlpha,
    kMode,
    kHref,
    kOnColour,
    kOffColour,
    kOnColour2,
    kOffColour2
};

constexpr int kMaxBorderWidth = 500;
constexpr int kMaxRadius = 10000;
constexpr int kMaxOffset = 500;
constexpr int kMaxSlideIntervalMs = 60000;
constexpr int kDefaultSlideIntervalMs = 500;
constexpr int kMaxCheckBoxMeasure = 10000;

int DefinedOrZero(int value) {
    return value == kUndefinedCoordinate ? 0 : value;
}

TextAlignment BoxAlignment(std::string_view value) {
    const std::string upper = UpperCp1252(value);
    if (upper == "CENTER" || upper == "M") {
        return TextAlignment::Centre;
    }
    if (upper == "RIGHT" || upper == "R") {
        return TextAlignment::Right;
    }
    if (upper == "B") {
        return TextAlignment::Justified;
    }
    return TextAlignment::Left;
}

std::optional<BoxShape> ShapeNamed(std::string_view value) {
    const std::string upper = UpperCp1252(value);
    if (upper == "ROUNDRECT") {
        return BoxShape::RoundRect;
    }
    if (upper == "ELLIPSE") {
        return BoxShape::Ellipse;
    }
    if (upper == "RANDOM") {
        return BoxShape::Random;
    }
    return std::nullopt;
}

// The values of BOX that only matter once the attributes have all been read.
struct BoxExtras {
    std::optional<std::string> target; // HREF
    bool hover = false;                // ONCOLOR was given
    std::string folder;                // DIR
    std::optional<std::string> slides; // LOMO
    std::optional<PageRect> zone2;
    int intervalMs = kDefaultSlideIntervalMs;
};

void StartSlideBox(TagContext& context, const PageBoxRecord& box, const BoxExtras& extras) {
    PageDocument& document = context.document;
    PageSlideBox slideBox = document.slideBox ? std::move(*document.slideBox) : PageSlideBox{};
    for (const std::string& name : SplitList(*extras.slides, "|", true)) {
        if (name.empty()) {
            continue;
        }
        TXBitmap picture;
        const std::string path = context.host.ResolvePagePath(document.pageFolder, extras.folder + name);
        if (document.ReadPicture(path, picture) && !picture.Empty()) {
            slideBox.pictures.push_back(std::move(picture));
        }
    }
    if (slideBox.pictures.empty()) {
        document.slideBox.reset();
        return;
    }
    slideBox.zone1 = box.Bounds();
    slideBox.zone2 = extras.zone2;
    slideBox.intervalMs = extras.intervalMs;
    document.slideBox = std::move(slideBox);
}

// Registers the link or hover rectangle, starts the slide box and adds the box element.
void FinishBox(TagContext& context, PageBoxRecord& box, const BoxExtras& extras) {
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    if (extras.hover) {
        const int inset = box.borderWidth > 0 ? (box.borderWidth + 1) / 2 : 0;
        box.rectangleIndex = document.namedRectangles.RegisterPlaced(
            extras.target.value_or(""), RectangleKind::Hover, box.Bounds().Inset(inset));
    } else if (extras.target) {
        box.rectangleIndex =
            document.namedRectangles.RegisterPlaced(*extras.target, RectangleKind::Link, box.Bounds());
    }
    if (extras.slides) {
        StartSlideBox(context, box, extras);
    }
    const bool curved = box.shape == BoxShape::RoundRect || box.shape == BoxShape::Ellipse;
    if (curved && (box.filled || box.borderWidth > 0)) {
        document.compositedPainting = true;
    }
    document.boxes.push_back(box);
    style.boxIndex = static_cast<int>(document.boxes.size()) - 1;
    style.boxY = box.y;
    document.elements.Add(style, ElementKind::Box);
    style.boxY = -1;
}

} // namespace

void BoxTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    // Attributes before COORDS have no box to go to: they are read and dropped.
    std::optional<PageBoxRecord> box;
    BoxExtras extras;
    while (const int attribute =
               reader.OneOf({"COORDS", "ALIGN", "SHAPE", "OFFSET",  "COLOR",    "BCOLOR", "BWIDTH",
                             "RADIUS", "DIR",   "LOMO",  "ZONE2",   "SPEED",    "TOP",    "DEST",
                             "ALPHA",  "MODE",  "HREF",  "ONCOLOR", "OFFCOLOR", "ONCOL2", "OFFCOL2"})) {
        if (attribute == kTop || attribute == kDestination) {
            if (box && attribute == kTop) {
                box->onTop = true;
            } else if (box) {
                document.destination = box->Bounds();
            }
            continue;
        }
        const bool quoted = attribute == kFolder || attribute == kSlides || attribute == kHref;
        const std::optional<std::string> value = quoted                 ? reader.QuotedValue()
                                                 : attribute == kCoords ? reader.FlexibleValue()
                                                                        : reader.PlainValue();
        if (!value) {
            break;
        }
        if (attribute == kCoords) {
            const Coordinates c = ParseCoordinates(*value, document.pageWidth, document.pageHeight);
            box.emplace();
            extras = BoxExtras{};
            box->x = DefinedOrZero(c.x);
            box->y = DefinedOrZero(c.y);
            box->width = DefinedOrZero(c.width);
            box->automaticHeight = c.height == kUndefinedCoordinate;
            box->height = box->automaticHeight ? kDefaultBoxHeight : c.height;
            style.leftMargin = box->x;
            style.lineWidth = box->width;
            continue;
        }
        if (!box) {
            continue;
        }
        const auto number = [&value](int min, int max, int fallback) {
            const std::optional<int> parsed = ParseInteger(*value);
            return parsed ? std::clamp(*parsed, min, max) : fallback;
        };
        const auto colour = [&] { return ParseColour(*value, document.colourNames); };
        switch (attribute) {
        case kAlign:
            style.alignment = BoxAlignment(*value);
            break;
        case kShape:
            box->shape = ShapeNamed(*value).value_or(box->shape);
            break;
        case kOffset:
            box->offset = number(-kMaxOffset, kMaxOffset, 0);
            break;
        case kColour:
            box->fillColour = colour();
            box->filled = true;
            break;
        case kBorderColour:
            box->borderColour = colour();
            break;
        case kBorderWidth:
            box->borderWidth = number(0, kMaxBorderWidth, 0);
            break;
        case kRadius:
            box->radius = number(0, kMaxRadius, kDefaultBoxRadius);
            if (box->shape == BoxShape::Rectangle) {
                box->shape = BoxShape::RoundRect;
            }
            if (box->radius != 0) {
                document.compositedPainting = true;
            }
            break;
        case kFolder:
            extras.folder = *value;
            break;
        case kSlides:
            extras.slides = *value;
            break;
        case kZone2: {
            const Coordinates c = ParseCoordinates(*value, document.pageWidth, document.pageHeight);
            extras.zone2 = PageRect::FromSize(DefinedOrZero(c.x), DefinedOrZero(c.y), DefinedOrZero(c.width),
                                              DefinedOrZero(c.height));
            break;
        }
        case kSpeed:
            extras.intervalMs = number(0, kMaxSlideIntervalMs, kDefaultSlideIntervalMs);
            break;
        case kAlpha:
            box->opacity = number(0, 255, 255);
            if (box->opacity < 255) {
                document.compositedPainting = true;
            }
            break;
        case kMode:
            box->mode = number(0, 255, 0);
            if (box->mode != 0) {
                document.compositedPainting = true;
            }
            break;
        case kHref:
            extras.target =
                value->starts_with('!') ? ResolveNumberedTarget(document, context.host, *value) : *value;
            break;
        case kOnColour:
            box->onColour = colour();
            extras.hover = true;
            break;
        case kOffColour:
            box->offColour = colour();
            break;
        case kOnColour2:
            box->onColour2 = colour();
            break;
        case kOffColour2:
            box->offColour2 = colour();
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    if (box) {
        FinishBox(context, *box, extras);
    }
}

void EllipseTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    PageBoxRecord box;
    box.shape = BoxShape::Ellipse;
    box.elliptic = true;
    box.height = 0;
    while (const int attribute = reader.OneOf({"COORDS", "COLOR", "BCOLOR", "BWIDTH"})) {
        const std::optional<std::string> value =
            attribute == 1 ? reader.FlexibleValue() : reader.PlainValue();
        if (!value) {
            break;
        }
        if (attribute == 1) {
            const Coordinates c = ParseCoordinates(*value, document.pageWidth, document.pageHeight);
            box.x = DefinedOrZero(c.x);
            box.y = DefinedOrZero(c.y);
            box.width = DefinedOrZero(c.width);
            box.height = DefinedOrZero(c.height);
        } else if (attribute == 2) {
            box.fillColour = ParseColour(*value, document.colourNames);
            box.filled = true;
        } else if (attribute == 3) {
            box.borderColour = ParseColour(*value, document.colourNames);
        } else {
            box.borderWidth = std::clamp(ParseInteger(*value).value_or(0), 0, kMaxBorderWidth);
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    document.compositedPainting = true;
    document.boxes.push_back(box);
    style.boxIndex = static_cast<int>(document.boxes.size()) - 1;
    style.boxY = box.y;
    document.elements.Add(style, ElementKind::Box);
    style.boxY = -1;
}

void CheckBoxTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    PageCheckBoxRecord checkBox;
    bool checked = false;
    while (const int attribute = reader.OneOf({"COORDS", "FLASH", "NAME", "CHECKED"})) {
        if (attribute == 4) {
            checked = true;
            continue;
        }
        const std::optional<std::string> value = attribute == 1   ? reader.FlexibleValue()
                                                 : attribute == 3 ? reader.QuotedValue()
                                                                  : reader.PlainValue();
        if (!value) {
            break;
        }
        if (attribute == 1) {
            const std::vector<std::string> items = SplitList(*value, ",", true);
            const auto item = [&items](std::size_t i) {
                const std::optional<int> parsed = i < items.size() ? ParseInteger(items[i]) : std::nullopt;
                return std::clamp(parsed.value_or(0), 0, kMaxCheckBoxMeasure);
            };
            style.checkBoxSize = item(0);
            style.checkBoxGap = item(1);
        } else if (attribute == 2) {
            style.block.flashColour = ParseColour(*value, document.colourNames);
        } else {
            checkBox.name = *value;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    checkBox.size = style.checkBoxSize;
    checkBox.gap = style.checkBoxGap;
    checkBox.flashColour = style.block.flashColour;
    checkBox.checked = checked || document.conditions.Test(checkBox.name);
    document.checkBoxes.push_back(checkBox);
    style.checkBoxIndex = static_cast<int>(document.checkBoxes.size()) - 1;
    style.linkRectangle = document.namedRectangles.Register("+" + checkBox.name);
    style.block.textColour = kPageLinkColourMarker;
    document.elements.Add(style, ElementKind::CheckBox);
    style.linkRectangle = -1;
}

} // namespace qor
