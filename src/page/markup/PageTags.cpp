// Tags for the page as a whole: BODY, INCLUDE, ALIAS, DEFINE, COLORS.

#include "page/markup/PageParser.h"
#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/AppMessage.h"

#include <algorithm>

namespace qor {

namespace {

enum BodyAttribute {
    kBackgroundColour = 1,
    kText,
    kLink,
    kGap,
    kBlock,
    kBlockBackground,
    kBackgroundPicture,
    kChoiceActive,
    kChoiceInactive,
    kWait,
    kOnShow,
    kForm
};

// WAIT="milliseconds,target": a one-shot jump when both parts are usable.
void ReadAutoJump(PageDocument& document, std::string_view value) {
    const std::size_t comma = value.find(',');
    const std::string_view delay = value.substr(0, comma);
    const std::string_view target =
        comma == std::string_view::npos ? std::string_view{} : TrimWhitespace(value.substr(comma + 1));
    AutoJump jump;
    jump.milliseconds = ParseInteger(TrimWhitespace(delay)).value_or(0);
    jump.target = ReplaceMacroReference(document, target);
    if (jump.Active()) {
        document.autoJump = std::move(jump);
    }
}

std::string StripOneQuotePair(std::string_view value) {
    if (value.starts_with('"')) {
        value.remove_prefix(1);
    }
    if (value.ends_with('"')) {
        value.remove_suffix(1);
    }
    return std::string(value);
}

// Reads 'name="value"' pairs until the tag ends or a pair is malformed.
template <typename Store> void ReadQuotedPairs(AttributeReader& reader, Store store) {
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (true) {
        reader.SkipWhitespace();
        if (reader.AtEnd() || !reader.Find("=")) {
            break;
        }
        const std::string name(TrimWhitespace(reader.Token()));
        if (!reader.Expect("\"") || !reader.Find("\"")) {
            break;
        }
        store(name, reader.Token());
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

} // namespace

void BodyTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    PageDocument& document = context.document;
    PageColourSet& colours = document.pageColours;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"BGCOLOR", "TEXT", "LINK", "GAP", "KLOTZ", "KBGR",
                                               "BACKGROUND", "MCHAN", "MCHAUS", "WAIT", "ONSHOW", "FORM"})) {
        if (attribute == kForm) {
            document.formColour = true;
            continue;
        }
        const std::optional<std::string> value = attribute == kOnShow ? reader.QuotedValue()
                                                 : attribute == kWait || attribute == kBackgroundPicture
                                                     ? reader.FlexibleValue()
                                                     : reader.PlainValue();
        if (!value) {
            break;
        }
        const auto colour = [&] { return ParseColour(*value, document.colourNames); };
        switch (attribute) {
        case kBackgroundColour:
            colours.background = colour();
            break;
        case kText:
            colours.text = colour();
            break;
        case kLink:
            colours.link = colour();
            break;
        case kGap:
            colours.gap = colour();
            break;
        case kBlock:
            colours.block = colour();
            break;
        case kBlockBackground:
            colours.blockBackground = colour();
            break;
        case kBackgroundPicture:
            // A background that does not load leaves the page plain, without a message.
            document.backgroundPicture = document.pageFolder + *value;
            document.background = TXBitmap();
            if (!document.ReadPicture(document.backgroundPicture, document.background)) {
                document.background = TXBitmap();
            }
            break;
        case kChoiceActive:
            colours.choiceActive = colour();
            break;
        case kChoiceInactive:
            colours.choiceInactive = colour();
            break;
        case kWait:
            ReadAutoJump(document, *value);
            break;
        case kOnShow:
            document.onShow = *value;
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

void IncludeTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    std::optional<std::string> file;
    if (reader.Expect("HREF")) {
        file = reader.FlexibleValue();
    }
    if (!file || file->empty()) {
        ShowAppMessage("Fehler bei INCLUDE <2>!!!", kMbIconInformation | kMbOk);
        return;
    }
    PageDocument& document = context.document;
    const std::string path = context.host.ResolvePagePath(document.pageFolder, *file);
    if (path.empty() || !context.host.FileExists(path)) {
        ShowAppMessage("INCLUDE-Datei wurde nicht gefunden " + path + "!!!", kMbIconError | kMbOk);
        return;
    }
    std::string text;
    // Includes nest only so deep: a page that includes itself ends with one message.
    if (!context.parser.EnterInclude()) {
        ShowAppMessage("Fehler bei INCLUDE!!!", kMbIconInformation | kMbOk);
        return;
    }
    if (!context.host.LoadPageText(path, text)) {
        context.parser.LeaveInclude();
        ShowAppMessage("Fehler bei INCLUDE!!!", kMbIconInformation | kMbOk);
        return;
    }
    context.parser.Parse(text, ParseMode::Continue);
    context.parser.LeaveInclude();
    context.style = document.lastStyle;
}

void AliasTag(TagContext& context) {
    PageDocument& document = context.document;
    ReadQuotedPairs(context.reader, [&](const std::string& name, const std::string& target) {
        if (name.empty() || name == "#") {
            return;
        }
        if (target.starts_with('!')) {
            document.linkAliases.Set(name, ResolveNumberedTarget(document, context.host, target));
        } else {
            document.linkAliases.Set(name, target);
        }
    });
}

void DefineTag(TagContext& context) {
    PageDocument& document = context.document;
    ReadQuotedPairs(context.reader, [&](std::string name, std::string value) {
        if (name.starts_with('$')) {
            name.erase(0, 1);
        }
        if (name.empty()) {
            return;
        }
        // Macro values cannot hold tags inside a quoted attribute, so "{b}" stands for "<b>"
        // and an apostrophe for a double quote.
        if (value.starts_with('{')) {
            std::replace(value.begin(), value.end(), '\'', '"');
            std::replace(value.begin(), value.end(), '{', '<');
            std::replace(value.begin(), value.end(), '}', '>');
        }
        document.macros.Set(name, value);
    });
}

void ColorsTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (true) {
        reader.SkipWhitespace();
        if (reader.AtEnd() || !reader.Find("=")) {
            break;
        }
        const std::string name(TrimWhitespace(reader.Token()));
        reader.SkipWhitespace();
        std::string value;
        if (reader.Find(" ")) {
            value = reader.Token();
        } else {
            reader.TestError();
            value = reader.Rest();
        }
        if (!name.empty()) {
            context.document.colourNames.Set(name, StripOneQuotePair(TrimWhitespace(value)));
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

} // namespace qor
