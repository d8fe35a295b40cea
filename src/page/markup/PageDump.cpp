#include "page/markup/PageDump.h"

#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"
#include "platform/Cp1252.h"

#include <cstdio>

namespace qor {

namespace {

std::string ColourText(std::int32_t value) {
    if (value < 0) {
        return std::to_string(value);
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(value));
    return text;
}

const char* KindName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Word:
        return "word";
    case ElementKind::Space:
        return "space";
    case ElementKind::LineBreak:
        return "break";
    case ElementKind::Paragraph:
        return "paragraph";
    case ElementKind::Box:
        return "box";
    case ElementKind::CheckBox:
        return "checkbox";
    case ElementKind::Image:
        return "image";
    }
    return "unknown";
}

const char* AlignmentName(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Left:
        return "left";
    case TextAlignment::Centre:
        return "centre";
    case TextAlignment::Right:
        return "right";
    case TextAlignment::Justified:
        return "justified";
    }
    return "unknown";
}

std::string StyleBits(std::uint8_t bits) {
    std::string text;
    text += (bits & kBold) ? "b" : "";
    text += (bits & kItalic) ? "i" : "";
    text += (bits & kUnderline) ? "u" : "";
    return text.empty() ? "-" : text;
}

class FieldWriter {
public:
    explicit FieldWriter(std::string& out) : m_out(out) {}
    template <typename T> void Number(const char* name, T value, T initial) {
        if (value != initial) {
            m_out += ' ';
            m_out += name;
            m_out += '=';
            m_out += std::to_string(static_cast<long long>(value));
        }
    }
    void ColourValue(const char* name, std::int32_t value, std::int32_t initial) {
        if (value != initial) {
            Text(name, ColourText(value));
        }
    }
    void Quoted(const char* name, const std::string& value, const std::string& initial) {
        if (value != initial) {
            Text(name, QuoteForDump(value));
        }
    }
    void Text(const char* name, const std::string& value) {
        m_out += ' ';
        m_out += name;
        m_out += '=';
        m_out += value;
    }

private:
    std::string& m_out;
};

void DescribeBlock(FieldWriter& field, const StyleBlock& block) {
    const StyleBlock initial;
    if (block.styleBits != initial.styleBits) {
        field.Text("bits", StyleBits(block.styleBits));
    }
    field.Quoted("font", block.fontName, initial.fontName);
    field.Number("size", block.fontSize, initial.fontSize);
    field.ColourValue("color", block.textColour, initial.textColour);
    field.ColourValue("linkcolor", block.linkColour, initial.linkColour);
    field.ColourValue("bgcolor", block.backgroundColour, initial.backgroundColour);
    field.Number("transparent", block.backgroundTransparent, initial.backgroundTransparent);
    field.ColourValue("flash", block.flashColour, initial.flashColour);
    field.Number("linkkind", block.linkKind, initial.linkKind);
}

void Section(std::string& out, const char* name) {
    out += '[';
    out += name;
    out += "]\n";
}

std::string RectText(const PageRect& rect) {
    return std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' + std::to_string(rect.right) +
           ',' + std::to_string(rect.bottom);
}

const char* ShapeName(BoxShape shape) {
    switch (shape) {
    case BoxShape::Rectangle:
        return "rectangle";
    case BoxShape::RoundRect:
        return "roundrect";
    case BoxShape::Ellipse:
        return "ellipse";
    case BoxShape::Random:
        return "random";
    }
    return "unknown";
}

std::string Flag(const char* name, bool on) {
    return on ? std::string(" ") + name : std::string();
}

std::string ListText(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += ' ' + QuoteForDump(item);
    }
    return out;
}

void DumpBoxes(std::string& out, const PageDocument& document) {
    Section(out, "boxes");
    const PageBoxRecord initial;
    for (std::size_t i = 0; i < document.boxes.size(); ++i) {
        const PageBoxRecord& box = document.boxes[i];
        std::string fields;
        FieldWriter field(fields);
        field.Number("offset", box.offset, initial.offset);
        if (box.filled) {
            field.Text("fill", ColourText(box.fillColour));
        }
        field.ColourValue("border", box.borderColour, initial.borderColour);
        field.Number("bwidth", box.borderWidth, initial.borderWidth);
        field.Number("radius", box.radius, initial.radius);
        field.Number("opacity", box.opacity, initial.opacity);
        field.Number("mode", box.mode, initial.mode);
        field.ColourValue("oncolor", box.onColour, initial.onColour);
        field.ColourValue("offcolor", box.offColour, initial.offColour);
        field.ColourValue("oncol2", box.onColour2, initial.onColour2);
        field.ColourValue("offcol2", box.offColour2, initial.offColour2);
        field.Number("rect", box.rectangleIndex, initial.rectangleIndex);
        out += std::to_string(i) + ' ' + ShapeName(box.shape) + ' ' + std::to_string(box.x) + ',' +
               std::to_string(box.y) + ',' + std::to_string(box.width) + ',' + std::to_string(box.height) +
               Flag("autoheight", box.automaticHeight) + Flag("top", box.onTop) +
               Flag("elliptic", box.elliptic) + fields + '\n';
    }
}

void DumpExercises(std::string& out, const PageDocument& document) {
    Section(out, "check boxes");
    for (std::size_t i = 0; i < document.checkBoxes.size(); ++i) {
        const PageCheckBoxRecord& box = document.checkBoxes[i];
        out += std::to_string(i) + ' ' + QuoteForDump(box.name) + " size=" + std::to_string(box.size) +
               " gap=" + std::to_string(box.gap) + Flag("checked", box.checked);
        out += box.flashColour != -1 ? " flash=" + ColourText(box.flashColour) : std::string();
        out += '\n';
    }
    Section(out, "gap edits");
    const tTippAufgabenListe& edits = document.GapEdits();
    for (int i = 0; i < edits.Count(); ++i) {
        const TPageEdit& edit = edits.Edit(i);
        const std::size_t index = static_cast<std::size_t>(i);
        const std::string hint = index < document.gapHints.size() ? document.gapHints[index] : std::string();
        out += std::to_string(i) + ' ' + std::to_string(edit.Left()) + ',' + std::to_string(edit.Top()) +
               ',' + std::to_string(edit.Width()) + ',' + std::to_string(edit.Height()) +
               " lsg=" + ListText(edit.Lsg()) + " help=" + QuoteForDump(edit.Hilfe()) +
               " tip=" + QuoteForDump(hint) + " reaction=" + QuoteForDump(edit.Command()) +
               " color=" + ColourText(edit.Color()) + Flag("noborder", !edit.Border()) +
               Flag("visible", edit.Visible()) + '\n';
    }
    Section(out, "drag task");
    const tDragAufgabenListe& drag = document.dragTask;
    out += "perrow=" + std::to_string(drag.BlocksPerRow()) + " width=" + std::to_string(drag.BlockWidth()) +
           " left=" + std::to_string(drag.LeftEdge()) + " right=" + std::to_string(drag.RightEdge()) +
           " y=" + std::to_string(document.dragAreaY) + '\n';
    for (const tDragAufgabenListe::Block& block : drag.Blocks()) {
        out += "block " + QuoteForDump(block.word) + '\n';
    }
    Section(out, "sentences");
    for (int i = 0; i < document.sentences.SentenceCount(); ++i) {
        const tSatzteilListe& sentence = document.sentences.Sentence(i);
        const tSatzteilListe::Rect& r = sentence.Bounds();
        out += std::to_string(i) + ' ' + RectText(PageRect{r.left, r.top, r.right, r.bottom}) + ' ' +
               QuoteForDump(sentence.Solution()) + " parts=" + std::to_string(sentence.PartCount()) + '\n';
    }
}

void DumpControls(std::string& out, const PageDocument& document) {
    Section(out, "buttons");
    const tButtonListe& buttons = document.Buttons();
    for (int i = 0; i < buttons.Count(); ++i) {
        const tXColorButton& button = buttons.Button(i);
        out += std::to_string(i) + ' ' + std::to_string(button.Left()) + ',' + std::to_string(button.Top()) +
               ',' + std::to_string(button.Width()) + ',' + std::to_string(button.Height()) +
               " caption=" + QuoteForDump(button.Caption()) + " href=" + QuoteForDump(button.Befehl()) +
               " color=" + ColourText(button.Color()) + " flash=" + ColourText(button.FlashColor()) +
               Flag("3d", button.MouseOver3D()) + '\n';
    }
    Section(out, "multiple choice");
    if (const TXMultipleChoice* grid = document.MultipleChoice()) {
        out +=
            std::to_string(grid->Left()) + ',' + std::to_string(grid->Top()) +
            " cell=" + std::to_string(grid->CellWidth()) + 'x' + std::to_string(grid->CellHeight()) +
            " dim=" + std::to_string(grid->Zeilen()) + ',' + std::to_string(grid->Spalten()) +
            " active=" + ColourText(grid->ActiveColor()) + " inactive=" + ColourText(grid->InActiveColor()) +
            " highlight=" + ColourText(grid->HighlightColor()) +
            " reaction=" + QuoteForDump(document.choiceReaction) + " items=" + ListText(grid->Items()) + '\n';
    }
    Section(out, "input");
    if (document.textInput) {
        const PageTextInput& input = *document.textInput;
        out += std::to_string(input.x) + ',' + std::to_string(input.y) + ',' + std::to_string(input.width) +
               ',' + std::to_string(input.height) + " name=" + QuoteForDump(input.name) +
               " text=" + QuoteForDump(input.text) + " color=" + ColourText(input.colour) +
               Flag("noborder", !input.border) + '\n';
    }
    Section(out, "recorder");
    if (document.hasRecorder) {
        const PageRecorderSettings& recorder = document.recorderSettings;
        out += "rec=" + (recorder.recordButton ? RectText(*recorder.recordButton) : std::string("-")) +
               " play=" + (recorder.playButton ? RectText(*recorder.playButton) : std::string("-")) +
               " pictures=" + QuoteForDump(recorder.pictures) +
               " color=" + (recorder.colour ? ColourText(*recorder.colour) : std::string("-")) +
               " max=" + std::to_string(recorder.maxSeconds) + '\n';
    }
    Section(out, "slide box");
    if (document.slideBox) {
        const PageSlideBox& slides = *document.slideBox;
        out += "pictures=" + std::to_string(slides.pictures.size()) + " zone1=" + RectText(slides.zone1) +
               " zone2=" + (slides.zone2 ? RectText(*slides.zone2) : std::string("-")) +
               " speed=" + std::to_string(slides.intervalMs) + '\n';
    }
    Section(out, "destination");
    out += RectText(document.destination) + '\n';
}

const char* RectangleKindName(RectangleKind kind) {
    switch (kind) {
    case RectangleKind::Link:
        return "";
    case RectangleKind::Unnamed:
        return " unnamed";
    case RectangleKind::Hover:
        return " hover";
    }
    return "";
}

} // namespace

std::string QuoteForDump(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte == 127) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += Utf8FromCp1252(std::string_view(&c, 1));
        }
    }
    out += '"';
    return out;
}

std::string DescribeStyle(const TextStyle& style) {
    const TextStyle initial;
    std::string out;
    FieldWriter field(out);
    field.Number("box", style.boxIndex, initial.boxIndex);
    field.Number("checkbox", style.checkBoxIndex, initial.checkBoxIndex);
    field.Number("margin", style.leftMargin, initial.leftMargin);
    field.Number("boxy", style.boxY, initial.boxY);
    field.Number("linewidth", style.lineWidth, initial.lineWidth);
    field.Number("cbsize", style.checkBoxSize, initial.checkBoxSize);
    field.Number("cbgap", style.checkBoxGap, initial.checkBoxGap);
    field.Number("linespace", style.lineSpacing, initial.lineSpacing);
    if (style.alignment != initial.alignment) {
        field.Text("align", AlignmentName(style.alignment));
    }
    DescribeBlock(field, style.block);
    field.Number("reserved1", style.reserved1, initial.reserved1);
    field.Number("link", style.linkRectangle, initial.linkRectangle);
    field.Number("flashing", style.flashing, initial.flashing);
    field.Number("focus", style.focus, initial.focus);
    field.Number("tracking", style.tracking, initial.tracking);
    field.Number("reserved2", style.reserved2, initial.reserved2);
    field.Number("gap", style.gapIndex, initial.gapIndex);
    field.Number("pre", style.preformatted, initial.preformatted);
    field.Number("random", style.randomValue, initial.randomValue);
    field.Number("picture", style.pictureIndex, initial.pictureIndex);
    field.Number("radius", style.cornerRadius, initial.cornerRadius);
    field.Number("opacity", style.opacity, initial.opacity);
    field.Number("mode", style.pictureMode, initial.pictureMode);
    field.ColourValue("piccolor", style.pictureColour, initial.pictureColour);
    // The second picture is a picture index, or a plain colour above kSecondPictureColourBase.
    if (style.secondPicture >= kSecondPictureColourBase) {
        field.ColourValue("second", style.secondPicture, initial.secondPicture);
    } else {
        field.Number("second", style.secondPicture, initial.secondPicture);
    }
    field.Number("scale", style.scalePercent, initial.scalePercent);
    field.Number("base", style.baseOffset, initial.baseOffset);
    field.Number("picalign", style.pictureAlignment, initial.pictureAlignment);
    field.Quoted("alt", style.alternativeText, initial.alternativeText);
    field.Quoted("map", style.imageMapName, initial.imageMapName);
    return out;
}

std::string DescribeElement(const tFormatted_text& element) {
    std::string out = KindName(element.kind);
    out += ' ';
    out += QuoteForDump(element.text);
    if (element.tabPosition != 0) {
        out += " tab=" + std::to_string(element.tabPosition);
    }
    out += DescribeStyle(element.style);
    return out;
}

std::string DumpDocument(const PageDocument& document) {
    std::string out;
    Section(out, "elements");
    std::size_t index = 0;
    for (const tFormatted_text& element : document.elements) {
        out += std::to_string(index++) + ' ' + DescribeElement(element) + '\n';
    }
    Section(out, "title");
    out += QuoteForDump(document.title) + '\n';
    const auto aliases = [&out](const char* name, const TXAliasList& list) {
        Section(out, name);
        for (int i = 0; i < list.Count(); ++i) {
            out += QuoteForDump(list.NameAt(i)) + ' ' + QuoteForDump(list.ValueAt(i)) + '\n';
        }
    };
    aliases("macros", document.macros);
    Section(out, "conditions");
    for (const std::string& name : document.conditions.Names()) {
        out += QuoteForDump(name) + '\n';
    }
    aliases("colour names", document.colourNames);
    aliases("link aliases", document.linkAliases);
    Section(out, "named rectangles");
    for (int i = 0; i < document.namedRectangles.Count(); ++i) {
        const NamedRectangle& rectangle = document.namedRectangles.At(i);
        out += std::to_string(i) + ' ' + QuoteForDump(rectangle.name) + RectangleKindName(rectangle.kind) +
               (rectangle.place ? " at " + RectText(*rectangle.place) : std::string()) + '\n';
    }
    Section(out, "named styles");
    for (int i = 0; i < document.namedStyles.Count(); ++i) {
        const NamedStyle& named = document.namedStyles.At(i);
        std::string fields;
        FieldWriter field(fields);
        DescribeBlock(field, named.block);
        field.Number("linespace", named.lineSpacing, TextStyle{}.lineSpacing);
        field.Number("tracking", named.tracking, TextStyle{}.tracking);
        out += QuoteForDump(named.name) + fields + '\n';
    }
    Section(out, "image maps");
    for (int i = 0; i < document.imageMaps.Count(); ++i) {
        const tMap& map = document.imageMaps.At(i);
        out += QuoteForDump(map.name) + '\n';
        for (const tArea& area : map.areas) {
            out += "  area " + std::to_string(area.x) + ',' + std::to_string(area.y) + ',' +
                   std::to_string(area.width) + ',' + std::to_string(area.height) + ' ' +
                   QuoteForDump(area.target) + '\n';
        }
    }
    Section(out, "pictures");
    for (int i = 0; i < document.pictures.Count(); ++i) {
        const TXPicture& picture = document.pictures.At(i);
        out += std::to_string(i) + ' ' + QuoteForDump(picture.name) + ' ' +
               std::to_string(picture.bitmap.Width()) + 'x' + std::to_string(picture.bitmap.Height()) +
               (picture.kept ? " kept" : "") + '\n';
    }
    Section(out, "page colours");
    const PageColourSet& colours = document.pageColours;
    out += "background=" + ColourText(colours.background) + " text=" + ColourText(colours.text) +
           " link=" + ColourText(colours.link) + " gap=" + ColourText(colours.gap) +
           " block=" + ColourText(colours.block) + " blockbackground=" + ColourText(colours.blockBackground) +
           " choiceactive=" + ColourText(colours.choiceActive) +
           " choiceinactive=" + ColourText(colours.choiceInactive) + '\n';
    Section(out, "targets");
    out += "enter " + QuoteForDump(document.enterTarget) + '\n';
    out += "click " + QuoteForDump(document.clickTarget) + '\n';
    Section(out, "onshow");
    out += QuoteForDump(document.onShow) + '\n';
    Section(out, "wait");
    out +=
        std::to_string(document.autoJump.milliseconds) + ' ' + QuoteForDump(document.autoJump.target) + '\n';
    Section(out, "background");
    out += QuoteForDump(document.backgroundPicture) + (document.formColour ? " form" : "") +
           (document.background.Empty() ? "" : " loaded") + '\n';
    Section(out, "flags");
    out += std::string("composited=") + (document.compositedPainting ? "1" : "0") + '\n';
    DumpBoxes(out, document);
    DumpExercises(out, document);
    DumpControls(out, document);
    return out;
}

} // namespace qor
