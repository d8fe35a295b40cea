// Tags that change the text style or add breaks: B, I, U, EM, INV, X, H1-H6, P, BR, TT, PRE, W,
// CENTER, BLOCK, RIGHT.

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Random.h"

#include <utility>

namespace qor {

namespace {

constexpr std::string_view kTeletypeFont = "Courier New";
constexpr int kPreformattedSize = 2;

// The heading level of "H3" or "/H3"; 0 for any other name.
int HeadingLevel(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + 1 || !name.starts_with(prefix)) {
        return 0;
    }
    const char digit = name.back();
    return digit >= '1' && digit <= '6' ? digit - '0' : 0;
}

} // namespace

void SetStyleBits(TagContext& context, std::uint8_t bits, bool on) {
    std::uint8_t& styleBits = context.style.block.styleBits;
    styleBits =
        on ? static_cast<std::uint8_t>(styleBits | bits) : static_cast<std::uint8_t>(styleBits & ~bits);
}

void EmphasisTag(TagContext& context) {
    context.document.Slot(StyleSlot::Emphasis) = context.style.block;
    SetStyleBits(context, kBold | kItalic, true);
}

void EndEmphasisTag(TagContext& context) {
    SetStyleBits(context, kBold | kItalic, false);
}

void InverseTag(TagContext& context) {
    StyleBlock& block = context.style.block;
    if (block.textColour == block.backgroundColour) {
        if (block.textColour == 0xFFFFFF) {
            block.backgroundColour = 0;
        } else if (block.textColour == 0) {
            block.backgroundColour = 0xFFFFFF;
        }
    }
    std::swap(block.textColour, block.backgroundColour);
    block.backgroundTransparent = false;
}

void EndInverseTag(TagContext& context) {
    StyleBlock& block = context.style.block;
    std::swap(block.textColour, block.backgroundColour);
    block.backgroundTransparent = true;
}

void ClearTag(TagContext& context) {
    context.style.block.backgroundTransparent = true;
}

void HorizontalRuleTag(TagContext&) {
    // Accepted for old pages; a rule is not drawn and makes no element.
}

void PositionTag(TagContext& context) {
    std::string_view rest = context.tagText.substr(1);
    const bool justified = rest.starts_with('!');
    if (justified) {
        rest.remove_prefix(1);
    }
    const int number = ParseInteger(TrimWhitespace(rest)).value_or(0);
    int position = number;
    if (number >= 1 && number <= 9) {
        position = 100 + number; // tenths of the line width
    }
    context.style.alignment = justified ? TextAlignment::Justified : TextAlignment::Left;
    context.document.pendingTabPosition = position;
}

void HeadingTag(TagContext& context) {
    const int level = HeadingLevel(context.name, "H");
    if (level == 0) {
        return;
    }
    context.document.Slot(StyleSlot::Heading) = context.style.block;
    context.style.block.fontSize = 7 - level;
    SetStyleBits(context, kBold, true);
}

void EndHeadingTag(TagContext& context) {
    if (HeadingLevel(context.name, "/H") == 0) {
        return;
    }
    const StyleBlock& saved = context.document.Slot(StyleSlot::Heading);
    context.style.block.fontSize = saved.fontSize;
    context.style.block.styleBits = saved.styleBits;
}

void ParagraphTag(TagContext& context) {
    context.document.elements.Add(context.style, ElementKind::Paragraph);
}

void LineBreakTag(TagContext& context) {
    context.document.elements.Add(context.style, ElementKind::LineBreak);
}

void TeletypeTag(TagContext& context) {
    context.document.Slot(StyleSlot::Teletype) = context.style.block;
    context.style.block.fontName = kTeletypeFont;
    context.style.block.fontSize -= 1;
}

void EndTeletypeTag(TagContext& context) {
    context.style.block.fontSize += 1;
    context.style.block.fontName = context.document.Slot(StyleSlot::Teletype).fontName;
}

void PreformattedTag(TagContext& context) {
    context.document.Slot(StyleSlot::Preformatted) = context.style.block;
    context.style.block.fontName = kTeletypeFont;
    context.style.block.fontSize = kPreformattedSize;
    context.style.preformatted = true;
}

void EndPreformattedTag(TagContext& context) {
    const StyleBlock& saved = context.document.Slot(StyleSlot::Preformatted);
    context.style.block.fontName = saved.fontName;
    context.style.block.fontSize = saved.fontSize;
    context.style.preformatted = false;
}

void WordGroupTag(TagContext& context) {
    context.style.randomValue = RandomBelow(100);
}

void EndWordGroupTag(TagContext& context) {
    context.style.randomValue = -1;
}

void SetAlignment(TagContext& context, TextAlignment alignment) {
    context.style.alignment = alignment;
}

} // namespace qor
