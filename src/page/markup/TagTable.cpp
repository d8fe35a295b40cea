#include "page/markup/TagTable.h"

#include "page/markup/TagHandlers.h"

namespace qor {

void TagTable::Add(std::string name, TagMatch match, WhileSkipping skipping, TagHandler handler) {
    m_entries.push_back(TagEntry{std::move(name), match, skipping, std::move(handler)});
}

bool TagTable::Replace(std::string_view name, TagHandler handler) {
    for (TagEntry& entry : m_entries) {
        if (entry.name == name) {
            entry.handler = std::move(handler);
            return true;
        }
    }
    return false;
}

const TagEntry* TagTable::Find(std::string_view upperName) const {
    for (const TagEntry& entry : m_entries) {
        const bool matches =
            entry.match == TagMatch::Exact ? upperName == entry.name : upperName.starts_with(entry.name);
        if (matches) {
            return &entry;
        }
    }
    return nullptr;
}

const TagTable& TagTable::Shared() {
    static const TagTable standard = BuildStandard();
    return standard;
}

TagTable TagTable::BuildStandard() {
    TagTable table;
    const auto exact = [&table](std::string name, TagHandler handler) {
        table.Add(std::move(name), TagMatch::Exact, WhileSkipping::Ignored, std::move(handler));
    };
    const auto prefix = [&table](std::string name, TagHandler handler) {
        table.Add(std::move(name), TagMatch::Prefix, WhileSkipping::Ignored, std::move(handler));
    };
    const auto bits = [](std::uint8_t styleBits, bool on) {
        return [styleBits, on](TagContext& context) { SetStyleBits(context, styleBits, on); };
    };
    const auto align = [](TextAlignment alignment) {
        return [alignment](TagContext& context) { SetAlignment(context, alignment); };
    };
    const TagHandler noEffect;

    table.Add("/IF", TagMatch::Exact, WhileSkipping::Acts, EndIfTag);
    table.Add("ELSE", TagMatch::Exact, WhileSkipping::Acts, ElseTag);
    exact("IF", IfTag);
    exact("TITLE", TitleTag);
    table.Add("/TITLE", TagMatch::Exact, WhileSkipping::Acts, EndTitleTag);
    exact("HTML", noEffect);
    exact("/HTML", noEffect);
    exact("/MAP", noEffect);
    exact("/P", noEffect);
    exact("XSTYLE", noEffect);
    exact("MAP", MapTag);
    exact("AREA", AreaTag);
    exact("KLOTZ", KlotzTag);
    exact("INV", InverseTag);
    exact("/INV", EndInverseTag);
    exact("CLEAR", ClearTag);
    exact("B", bits(kBold, true));
    exact("/B", bits(kBold, false));
    exact("STRONG", bits(kBold, true));
    exact("/STRONG", bits(kBold, false));
    exact("I", bits(kItalic, true));
    exact("/I", bits(kItalic, false));
    exact("CITE", bits(kItalic, true));
    exact("/CITE", bits(kItalic, false));
    exact("U", bits(kUnderline, true));
    exact("/U", bits(kUnderline, false));
    exact("EM", EmphasisTag);
    exact("/EM", EndEmphasisTag);
    exact("HR", HorizontalRuleTag);
    prefix("X", PositionTag);
    exact("BOX", BoxTag);
    exact("ELLIPSE", EllipseTag);
    prefix("H", HeadingTag);
    prefix("/H", EndHeadingTag);
    exact("P", ParagraphTag);
    exact("BR", LineBreakTag);
    exact("A", LinkTag);
    exact("/A", EndLinkTag);
    exact("TT", TeletypeTag);
    exact("/TT", EndTeletypeTag);
    exact("FONT", FontTag);
    exact("/FONT", EndFontTag);
    exact("W", WordGroupTag);
    exact("/W", EndWordGroupTag);
    exact("PRE", PreformattedTag);
    exact("/PRE", EndPreformattedTag);
    exact("IMG", ImageTag);
    exact("BODY", BodyTag);
    exact("CENTER", align(TextAlignment::Centre));
    exact("/CENTER", align(TextAlignment::Left));
    exact("BUTTON", ButtonTag);
    exact("MULTIPLE", MultipleTag);
    exact("EDIT", EditTag);
    exact("INCLUDE", IncludeTag);
    exact("ALIAS", AliasTag);
    exact("DEFINE", DefineTag);
    exact("COLORS", ColorsTag);
    exact("BLOCK", align(TextAlignment::Justified));
    exact("RIGHT", align(TextAlignment::Right));
    exact("ONCLICK", OnClickTag);
    exact("CHECKBOX", CheckBoxTag);
    exact("INPUT", InputTag);
    exact("RECORDER", RecorderTag);
    prefix("+", NamedStyleTag);
    exact("SATZ", SatzTag);
    return table;
}

} // namespace qor
