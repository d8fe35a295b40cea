// A (links and hot spots), /A and ONCLICK, and the numbered-page targets "!+" and "!-".

#include "page/markup/PagePath.h"
#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>

namespace qor {

namespace {

enum LinkAttribute { kHref = 1, kReturn, kGap, kHot, kDrag, kFocus };

// Paths name the same file when they differ only in case or in the kind of separator.
bool SamePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (IsPathSeparator(x) && IsPathSeparator(y)) || UpperCp1252(x) == UpperCp1252(y);
           });
}

// FLASH may stand anywhere after HREF; looking for it does not move the tag's own reader.
std::optional<std::int32_t> FlashColourInRest(const TagContext& context) {
    AttributeReader search(context.tagText, context.reader.Position());
    search.SetMode(AttributeReader::Mode::Tolerant);
    if (!search.Find("FLASH")) {
        return std::nullopt;
    }
    const std::optional<std::string> value = search.PlainValue();
    if (!value) {
        return std::nullopt;
    }
    return ParseColour(*value, context.document.colourNames);
}

bool RestContains(const TagContext& context, std::string_view word) {
    AttributeReader search(context.tagText, context.reader.Position());
    search.SetMode(AttributeReader::Mode::Tolerant);
    return search.Find(word);
}

// HREF: returns false when the target is the page being shown (then no link is made).
bool MakeLink(TagContext& context, std::string target, std::string& linkTarget) {
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    document.Slot(StyleSlot::Link) = style.block;
    if (target.starts_with('*')) {
        target.erase(0, 1);
        style.focus = true;
    }
    std::string resolved;
    if (target.starts_with('#')) {
        resolved = context.host.ResolvePagePath(document.pageFolder, document.linkAliases.Get(target, ""));
    } else {
        if (target.starts_with('$')) {
            target = document.macros.Get(std::string_view(target).substr(1), "");
        } else if (target.starts_with('!')) {
            target = ResolveNumberedTarget(document, context.host, target);
        }
        resolved = context.host.ResolvePagePath(document.pageFolder, target);
    }
    const std::string current = document.CurrentPagePath();
    if (!current.empty() && SamePath(resolved, current)) {
        return false;
    }
    if (const std::optional<std::int32_t> flash = FlashColourInRest(context)) {
        style.block.flashColour = *flash;
        style.flashing = true;
    } else {
        style.flashing = style.block.flashColour != -1;
    }
    if (target.starts_with('@')) {
        style.block.linkKind = 1;
        style.linkRectangle = document.namedRectangles.Register("%" + target);
    } else {
        style.block.textColour =
            style.block.linkColour != -1 ? style.block.linkColour : kPageLinkColourMarker;
        if (!style.flashing) {
            style.block.styleBits |= kUnderline;
        }
        style.linkRectangle = document.namedRectangles.Register(target);
    }
    linkTarget = std::move(target);
    return true;
}

} // namespace

std::string ResolveNumberedTarget(PageDocument& document, PageHost& host, std::string_view target) {
    if (target.size() < 2 || target[0] != '!' || (target[1] != '+' && target[1] != '-')) {
        return {};
    }
    const int step = target[1] == '+' ? 1 : -1;
    std::string_view anchor = target.substr(2);
    if (!anchor.starts_with('@')) {
        anchor = {};
    }
    const std::string path = document.pageFolder + NumberedPageName(FileNamePart(document.currentFile), step);
    const std::string_view condition = step > 0 ? "next" : "prev";
    if (!host.FileExists(path)) {
        document.conditions.Clear(condition);
        return {};
    }
    document.conditions.Set(condition);
    return path + std::string(anchor);
}

void LinkTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    std::string linkTarget;
    while (const int attribute = reader.OneOf({"HREF", "RETURN", "GAP", "HOT", "DRAG", "FOCUS"})) {
        if (attribute == kHref) {
            const std::optional<std::string> target = reader.QuotedValue();
            if (!target || !MakeLink(context, *target, linkTarget)) {
                break;
            }
        } else if (attribute == kReturn) {
            context.document.enterTarget = linkTarget;
        } else if (attribute == kHot) {
            const std::optional<std::string> name = reader.QuotedValue();
            if (!name) {
                break;
            }
            context.document.Slot(StyleSlot::Link) = context.style.block;
            if (!name->empty()) {
                context.style.block.linkKind = 1;
                context.style.linkRectangle = context.document.namedRectangles.Register("@" + *name);
            }
        } else if (attribute == kFocus) {
            context.style.focus = true;
        } else if (attribute == kGap) {
            GapLink(context);
        } else if (attribute == kDrag) {
            DragLink(context);
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

void EndLinkTag(TagContext& context) {
    TextStyle& style = context.style;
    const bool inLink = style.linkRectangle != -1 || style.gapIndex != -1 || style.block.linkKind != 0;
    if (!inLink) {
        return; // a stray /A keeps the colours of the text around it
    }
    const StyleBlock& saved = context.document.Slot(StyleSlot::Link);
    style.linkRectangle = -1;
    style.gapIndex = -1;
    style.block.textColour = saved.textColour;
    style.block.styleBits = saved.styleBits;
    style.block.linkKind = 0;
}

void OnClickTag(TagContext& context) {
    AttributeReader& reader = context.reader;
    if (!reader.Expect("HREF")) {
        return;
    }
    const std::optional<std::string> target = reader.QuotedValue();
    if (!target) {
        return;
    }
    PageDocument& document = context.document;
    document.clickTarget = *target;
    if (RestContains(context, "RETURN") && document.enterTarget.empty()) {
        document.enterTarget = *target;
    }
}

} // namespace qor
