#pragma once
// The handlers of the tag table, grouped by the file that implements them.

#include "page/controls/TXControl.h"
#include "page/markup/TagTable.h"
#include "page/markup/ValueSyntax.h"
#include "page/render/TXCanvas.h"

#include <string>
#include <string_view>

namespace qor {

// ConditionTags.cpp
void IfTag(TagContext& context);
void ElseTag(TagContext& context);
void EndIfTag(TagContext& context);
void TitleTag(TagContext& context);
void EndTitleTag(TagContext& context);
// Whether a condition of IF holds (the text after "IF", trimmed and not empty).
bool ConditionHolds(PageDocument& document, PageHost& host, std::string_view condition);

// TextTags.cpp
void SetStyleBits(TagContext& context, std::uint8_t bits, bool on);
void EmphasisTag(TagContext& context);
void EndEmphasisTag(TagContext& context);
void InverseTag(TagContext& context);
void EndInverseTag(TagContext& context);
void ClearTag(TagContext& context);
void HorizontalRuleTag(TagContext& context);
void PositionTag(TagContext& context);
void HeadingTag(TagContext& context);
void EndHeadingTag(TagContext& context);
void ParagraphTag(TagContext& context);
void LineBreakTag(TagContext& context);
void TeletypeTag(TagContext& context);
void EndTeletypeTag(TagContext& context);
void PreformattedTag(TagContext& context);
void EndPreformattedTag(TagContext& context);
void WordGroupTag(TagContext& context);
void EndWordGroupTag(TagContext& context);
void SetAlignment(TagContext& context, TextAlignment alignment);

// FontTags.cpp
void FontTag(TagContext& context);
void EndFontTag(TagContext& context);
void NamedStyleTag(TagContext& context);

// LinkTags.cpp
void LinkTag(TagContext& context);
void EndLinkTag(TagContext& context);
void OnClickTag(TagContext& context);
// "!+" / "!-" (optionally followed by "@anchor"): the path of the next or previous page when it
// exists (condition "next" / "prev" set), else empty (condition cleared).
std::string ResolveNumberedTarget(PageDocument& document, PageHost& host, std::string_view target);

// ImageTags.cpp
void ImageTag(TagContext& context);
void MapTag(TagContext& context);
void AreaTag(TagContext& context);
// Makes the image element of a pending IMG source and resets the style's picture fields.
void AddImageElement(PageDocument& document, PageHost& host, TextStyle& style, std::string_view source);

// PageTags.cpp
void BodyTag(TagContext& context);
void IncludeTag(TagContext& context);
void AliasTag(TagContext& context);
void DefineTag(TagContext& context);
void ColorsTag(TagContext& context);

// BoxTags.cpp
void BoxTag(TagContext& context);
void EllipseTag(TagContext& context);
void CheckBoxTag(TagContext& context);

// TaskTags.cpp
// A GAP and A DRAG, called by LinkTag when it meets the attribute.
void GapLink(TagContext& context);
void DragLink(TagContext& context);
void EditTag(TagContext& context);
void KlotzTag(TagContext& context);
void SatzTag(TagContext& context);

// ControlTags.cpp
void ButtonTag(TagContext& context);
void MultipleTag(TagContext& context);
void InputTag(TagContext& context);
void RecorderTag(TagContext& context);
// The style's text colour with the page colour markers resolved.
Colour ResolveTextColour(const PageDocument& document, const TextStyle& style);
// The font of the style, in its resolved text colour: what embedded controls take.
TXFont CurrentFont(const PageDocument& document, const TextStyle& style);
// Moves and sizes a control by COORDS: undefined items keep the control's current values, and
// the size stays within the page.
void PlaceControl(TXControl& control, const Coordinates& place, const PageDocument& document);

// '$name' stands for the value of macro name; anything else stays as it is.
std::string ReplaceMacroReference(const PageDocument& document, std::string_view value);

} // namespace qor
