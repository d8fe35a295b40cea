// The embedded controls: BUTTON, MULTIPLE, INPUT and RECORDER.
//
// Limits the markup leaves open:
// - A control keeps its default position and size for the COORDS items a page leaves undefined,
//   and is never wider or taller than the page: controls draw into bitmaps of their own size.
// - MULTIPLE cells are at most kMaxCellSize pixels and the grid at most kMaxGridCells rows and
//   columns, so its size is always a sensible int.
// - FLASH on a BUTTON also switches its hover effect on: without it the flash colour never shows.
// - BUTTON captions take the font in force at the tag, like the other controls.
// - INPUT sets its macro from VALUE after reading the whole tag, so NAME and VALUE may come in
//   either order.

#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tXColorButton.h"
#include "page/markup/PageParser.h"
#include "page/markup/PageRecorder.h"
#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "page/render/StyleFont.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kMaxCellSize = 10000;
constexpr int kMaxGridCells = 100;
constexpr int kMinRecorderSeconds = 2;
constexpr int kMaxRecorderSeconds = 20;
constexpr int kDefaultRecorderSeconds = 4;
constexpr std::string_view kBadDimensionMessage = "Fehler in der Seite: MULTIPLE DIM ist keine Zahl.";

int DefinedOrZero(int value) {
    return value == kUndefinedCoordinate ? 0 : value;
}

PageRect RectangleOf(const Coordinates& c) {
    return PageRect::FromSize(DefinedOrZero(c.x), DefinedOrZero(c.y), DefinedOrZero(c.width),
                              DefinedOrZero(c.height));
}

// 'rows,columns': both must be whole numbers.
std::optional<std::pair<int, int>> Dimensions(std::string_view value) {
    const std::vector<std::string> items = SplitList(value, ",", true);
    if (items.size() != 2) {
        return std::nullopt;
    }
    const std::optional<int> rows = ParseInteger(items[0]);
    const std::optional<int> columns = ParseInteger(items[1]);
    if (!rows || !columns) {
        return std::nullopt;
    }
    return std::pair{*rows, *columns};
}

} // namespace

Colour ResolveTextColour(const PageDocument& document, const TextStyle& style) {
    const Colour colour = style.block.textColour;
    if (colour == kPageTextColourMarker) {
        return document.pageColours.text;
    }
    if (colour == kPageLinkColourMarker) {
        return style.block.linkColour != -1 ? style.block.linkColour : document.pageColours.link;
    }
    return colour;
}

TXFont CurrentFont(const PageDocument& document, const TextStyle& style) {
    return TXFont{StyleFont(style), ResolveTextColour(document, style)};
}

void PlaceControl(TXControl& control, const Coordinates& place, const PageDocument& document) {
    const auto pick = [](int value, int current) { return value == kUndefinedCoordinate ? current : value; };
    const int width = std::clamp(pick(place.width, control.Width()), 0, std::max(document.pageWidth, 0));
    const int height = std::clamp(pick(place.height, control.Height()), 0, std::max(document.pageHeight, 0));
    control.SetBounds(pick(place.x, control.Left()), pick(place.y, control.Top()), width, height);
}

// [SECTION] BUTTON

void ButtonTag(TagContext& context) {
    enum { kCoords = 1, kCaption, kHref, kColour, kFlash, kThreeD };
    PageDocument& document = context.document;
    AttributeReader& reader = context.reader;
    tButtonListe& buttons = document.Buttons();
    tXColorButton& button = buttons.Button(buttons.Add());
    button.SetVisible(false);
    button.SetFont(CurrentFont(document, context.style));
    if (document.onButtonCreated) {
        document.onButtonCreated(button);
    }
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"COORDS", "CAPTION", "HREF", "COLOR", "FLASH", "3D"})) {
        if (attribute == kThreeD) {
            button.SetMouseOver3D(true);
            continue;
        }
        const bool quoted = attribute == kCaption || attribute == kHref;
        const std::optional<std::string> value = quoted                 ? reader.QuotedValue()
                                                 : attribute == kCoords ? reader.FlexibleValue()
                                                                        : reader.PlainValue();
        if (!value) {
            break;
        }
        switch (attribute) {
        case kCoords:
            PlaceControl(button, ParseCoordinates(*value, document.pageWidth, document.pageHeight), document);
            break;
        case kCaption:
            button.SetCaption(*value);
            break;
        case kHref:
            button.SetBefehl(*value);
            break;
        case kColour:
            button.SetColor(ParseColour(*value, document.colourNames));
            break;
        case kFlash:
            button.SetFlashColor(ParseColour(*value, document.colourNames));
            button.SetMouseOver(true);
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

// [SECTION] MULTIPLE

void MultipleTag(TagContext& context) {
    enum { kCoords = 1, kDimensions, kColours, kItems, kReaction };
    PageDocument& document = context.document;
    AttributeReader& reader = context.reader;
    TXMultipleChoice& grid = document.EnsureMultipleChoice();
    grid.SetVisible(false);
    grid.SetActiveColor(document.pageColours.choiceActive);
    grid.SetHighlightColor(document.pageColours.choiceActive);
    grid.SetInActiveColor(document.pageColours.choiceInactive);
    document.choiceReaction.clear();
    Coordinates place;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"COORDS", "DIM", "COLOR", "TXT", "REACTION"})) {
        const std::optional<std::string> value =
            attribute == kReaction ? reader.PlainValue() : reader.FlexibleValue();
        if (!value) {
            break;
        }
        switch (attribute) {
        case kCoords: {
            const std::string coordinates =
                value->starts_with('#') ? document.linkAliases.Get(*value, "") : *value;
            place = ParseCoordinates(coordinates, document.pageWidth, document.pageHeight);
            break;
        }
        case kDimensions: {
            const std::optional<std::pair<int, int>> dimensions = Dimensions(*value);
            if (!dimensions) {
                // The page cannot be shown as written: it ends here, with what was read so far. The
                // grid, never sized, goes: shown, it would stand empty over the page, and its
                // shuffle would report a second fault.
                reader.SetMode(AttributeReader::Mode::Strict);
                ShowAppMessage(kBadDimensionMessage, kMbIconError | kMbOk);
                document.FreeMultipleChoice();
                context.parser.Abort();
                return;
            }
            grid.SetZeilen(std::clamp(dimensions->first, 1, kMaxGridCells));
            grid.SetSpalten(std::clamp(dimensions->second, 1, kMaxGridCells));
            if (place.width != kUndefinedCoordinate) {
                grid.SetCellWidth(std::clamp(place.width, 0, kMaxCellSize));
            }
            if (place.height != kUndefinedCoordinate) {
                grid.SetCellHeight(std::clamp(place.height, 0, kMaxCellSize));
            }
            grid.SetBounds(DefinedOrZero(place.x), DefinedOrZero(place.y), grid.Width(), grid.Height());
            grid.SetFont(CurrentFont(document, context.style));
            break;
        }
        case kColours: {
            const std::vector<std::string> colours = SplitList(*value, ",", true);
            if (colours.empty()) {
                break;
            }
            grid.SetInActiveColor(ParseColour(colours[0], document.colourNames));
            if (colours.size() > 1) {
                grid.SetActiveColor(ParseColour(colours[1], document.colourNames));
            }
            break;
        }
        case kItems:
            grid.SetItems(SplitList(*value, "|", false));
            break;
        case kReaction:
            document.choiceReaction = *value;
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

// [SECTION] INPUT

void InputTag(TagContext& context) {
    enum { kCoords = 1, kName, kValue, kColour, kNoBorder };
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    AttributeReader& reader = context.reader;
    document.Slot(StyleSlot::Link) = style.block;
    PageTextInput input;
    input.font = StyleFont(style);
    input.textColour = ResolveTextColour(document, style);
    input.height = MeasureText("AgjPq", style).height;
    std::string value;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"COORDS", "NAME", "VALUE", "COLOR", "NOBORDER"})) {
        if (attribute == kNoBorder) {
            input.border = false;
            continue;
        }
        const bool quoted = attribute == kName || attribute == kValue;
        const std::optional<std::string> text = quoted                 ? reader.QuotedValue()
                                                : attribute == kCoords ? reader.FlexibleValue()
                                                                       : reader.PlainValue();
        if (!text) {
            break;
        }
        if (attribute == kCoords) {
            const Coordinates c = ParseCoordinates(*text, document.pageWidth, document.pageHeight);
            input.x = DefinedOrZero(c.x);
            input.y = DefinedOrZero(c.y);
            input.width = std::clamp(DefinedOrZero(c.width), 0, std::max(document.pageWidth, 0));
        } else if (attribute == kName) {
            input.name = *text;
        } else if (attribute == kValue) {
            value = *text;
        } else {
            input.colour = ParseColour(*text, document.colourNames);
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    if (!value.empty()) {
        if (!input.name.empty()) {
            document.macros.Set(input.name, value);
        }
        input.text = value;
    } else {
        input.text = input.name.empty() ? std::string() : document.macros.Get(input.name, "");
    }
    document.textInput = std::move(input);
}

// [SECTION] RECORDER

void RecorderTag(TagContext& context) {
    enum { kRecord = 1, kPlay, kPictures, kColour, kMax };
    PageDocument& document = context.document;
    AttributeReader& reader = context.reader;
    PageRecorder& recorder = document.EnsureRecorder();
    PageRecorderSettings& settings = document.recorderSettings;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"C-REC", "C-PLAY", "PICTURES", "COLOR", "MAX"})) {
        const std::optional<std::string> value = attribute == kPictures ? reader.QuotedValue()
                                                 : attribute == kRecord || attribute == kPlay
                                                     ? reader.FlexibleValue()
                                                     : reader.PlainValue();
        if (!value) {
            break;
        }
        switch (attribute) {
        case kRecord: {
            const PageRect place =
                RectangleOf(ParseCoordinates(*value, document.pageWidth, document.pageHeight));
            settings.recordButton = place;
            recorder.SetRecordButton(place);
            document.namedRectangles.RegisterPlaced("§rec"_cp, RectangleKind::Link, place);
            break;
        }
        case kPlay: {
            const PageRect place =
                RectangleOf(ParseCoordinates(*value, document.pageWidth, document.pageHeight));
            settings.playButton = place;
            recorder.SetPlayButton(place);
            document.namedRectangles.RegisterPlaced("§play"_cp, RectangleKind::Link, place);
            break;
        }
        case kPictures:
            settings.pictures = document.pageFolder + *value;
            recorder.SetPictures(settings.pictures);
            break;
        case kColour:
            settings.colour = ParseColour(*value, document.colourNames);
            recorder.SetColour(*settings.colour);
            break;
        case kMax: {
            const std::optional<int> seconds = ParseInteger(*value);
            settings.maxSeconds = seconds ? std::clamp(*seconds, kMinRecorderSeconds, kMaxRecorderSeconds)
                                          : kDefaultRecorderSeconds;
            recorder.SetMaxSeconds(settings.maxSeconds);
            break;
        }
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    document.hasRecorder = true;
}

} // namespace qor
