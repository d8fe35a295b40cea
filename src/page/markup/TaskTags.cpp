// The exercise tags: gap-fill fields (A GAP, EDIT), drag words (A DRAG) and the drag task's
// settings (KLOTZ), and sentence-building tasks (SATZ).
//
// Limits the markup leaves open:
// - The gap task list takes at most kMaxGapEdits edits; A GAP and EDIT beyond that are read but
//   make no field (gap index 255 would mark a drag word).
// - Empty items of a solution list are dropped: an empty answer is never accepted anyway.
// - EDIT positions outside its COORDS keep the edit's defaults; its size stays within the page.
// - SATZ coordinates are kept within ±kMaxSentenceCoordinate, the height within
//   0..kMaxSentenceHeight, and a sentence of more than kMaxSentenceParts parts makes no task:
//   every part gets a bitmap of its own, and no page has room for more.

#include "page/controls/TPageEdit.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kDefaultGapHint = "Hilfe mit F12!";
constexpr int kMaxKlotzValue = 1000;
constexpr int kMaxBlocksPerRow = 100;
constexpr int kMaxSentenceCoordinate = 100000;
constexpr int kMaxSentenceHeight = 100;
constexpr int kMaxSentenceParts = 100;

std::vector<std::string> SolutionList(std::string_view text, std::string_view separator, bool trim) {
    std::vector<std::string> solutions = SplitList(text, separator, trim);
    std::erase_if(solutions, [](const std::string& solution) { return solution.empty(); });
    return solutions;
}

// A new hidden gap edit with the page's special characters; nullptr when the list is full.
TPageEdit* NewGapEdit(PageDocument& document, GapEditSource source, int& index) {
    tTippAufgabenListe& edits = document.GapEdits();
    if (edits.Count() >= kMaxGapEdits) {
        return nullptr;
    }
    index = edits.Add();
    TPageEdit& edit = edits.Edit(index);
    edit.SetVisible(false);
    edit.SetSpecialChars(document.specialCharacters);
    document.gapHints.resize(static_cast<std::size_t>(edits.Count()));
    if (document.onGapEditCreated) {
        document.onGapEditCreated(edit, source);
    }
    return &edit;
}

// Reads `word="value"` when the tag continues with `word`; empty when it does not.
std::optional<std::string> OptionalQuoted(AttributeReader& reader, std::string_view word) {
    if (reader.OneOf({word}) == 0) {
        return std::nullopt;
    }
    return reader.QuotedValue().value_or("");
}

int ClampedCoordinate(int value, int min, int max) {
    return value == kUndefinedCoordinate ? 0 : std::clamp(value, min, max);
}

} // namespace

// [SECTION] A GAP and A DRAG

void GapLink(TagContext& context) {
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    AttributeReader& reader = context.reader;
    document.Slot(StyleSlot::Link) = style.block;
    style.block.textColour = document.pageColours.gap;
    style.linkRectangle = document.namedRectangles.Register("", RectangleKind::Unnamed);
    int index = -1;
    TPageEdit* edit = NewGapEdit(document, GapEditSource::Gap, index);
    // The parts come in a fixed order; a missing one leaves its default.
    std::vector<std::string> solutions;
    std::string help;
    if (reader.Expect("lsg")) {
        solutions = SolutionList(reader.QuotedValue().value_or(""), "; ", false);
    }
    if (reader.Expect("help")) {
        help = reader.QuotedValue().value_or("");
    }
    reader.TestError();
    const std::string hint = OptionalQuoted(reader, "tip").value_or(std::string(kDefaultGapHint));
    const std::string reaction = OptionalQuoted(reader, "reaction").value_or("");
    reader.TestError();
    if (edit == nullptr) {
        return;
    }
    edit->SetLsg(std::move(solutions));
    edit->SetHilfe(help);
    edit->SetCommand(reaction);
    document.gapHints[static_cast<std::size_t>(index)] = hint;
    style.gapIndex = index;
}

void DragLink(TagContext& context) {
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    document.Slot(StyleSlot::Link) = style.block;
    style.linkRectangle = document.namedRectangles.Register("", RectangleKind::Unnamed);
    style.gapIndex = kDragWordGapIndex;
}

// [SECTION] EDIT

void EditTag(TagContext& context) {
    enum { kCoords = 1, kSolutions, kHelp, kTip, kReaction, kColour, kNoBorder };
    PageDocument& document = context.document;
    TextStyle& style = context.style;
    AttributeReader& reader = context.reader;
    document.Slot(StyleSlot::Link) = style.block;
    style.block.textColour = document.pageColours.gap;
    style.linkRectangle = document.namedRectangles.Register("", RectangleKind::Unnamed);
    int index = -1;
    TPageEdit* edit = NewGapEdit(document, GapEditSource::Edit, index);
    if (edit != nullptr) {
        edit->SetFont(CurrentFont(document, style));
        edit->SetHilfe("");
    }
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute =
               reader.OneOf({"COORDS", "LSG", "HELP", "TIP", "REACTION", "COLOR", "NOBORDER"})) {
        if (attribute == kNoBorder) {
            if (edit != nullptr) {
                edit->SetBorder(false);
            }
            continue;
        }
        const std::optional<std::string> value = attribute == kCoords   ? reader.FlexibleValue()
                                                 : attribute == kColour ? reader.PlainValue()
                                                                        : reader.QuotedValue();
        if (!value) {
            break;
        }
        if (edit == nullptr) {
            continue;
        }
        switch (attribute) {
        case kCoords:
            PlaceControl(*edit, ParseCoordinates(*value, document.pageWidth, document.pageHeight), document);
            break;
        case kSolutions:
            edit->SetLsg(SolutionList(ReplaceMacroReference(document, *value), ";", true));
            break;
        case kHelp:
            edit->SetHilfe(ReplaceMacroReference(document, *value));
            break;
        case kTip:
            document.gapHints[static_cast<std::size_t>(index)] = ReplaceMacroReference(document, *value);
            break;
        case kReaction:
            edit->SetCommand(*value);
            break;
        case kColour:
            edit->SetColor(ParseColour(*value, document.colourNames));
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

// [SECTION] KLOTZ

void KlotzTag(TagContext& context) {
    enum { kWrong = 1, kAreaY, kPerRow, kLeft, kRight, kWidth };
    PageDocument& document = context.document;
    AttributeReader& reader = context.reader;
    tDragAufgabenListe& task = document.dragTask;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"FALSCH", "Y", "NR", "LEFT", "RIGHT", "WIDTH"})) {
        const std::optional<std::string> value =
            attribute == kWrong ? reader.FlexibleValue() : reader.PlainValue();
        if (!value) {
            break;
        }
        // RIGHT and WIDTH default to the room right of the block area's left edge (of the text's
        // left margin while no LEFT was given).
        const int leftMargin = task.LeftEdge() >= 0 ? task.LeftEdge() : context.style.leftMargin;
        const int room = std::clamp(SaturatedAdd(document.pageWidth, -leftMargin), 0, kMaxKlotzValue);
        const auto number = [&value](int max, int fallback) {
            const std::optional<int> parsed = ParseInteger(*value);
            return parsed ? std::clamp(*parsed, 0, max) : fallback;
        };
        switch (attribute) {
        case kWrong:
            for (const std::string& word : SolutionList(*value, "/", true)) {
                task.AddBlock(word);
            }
            break;
        case kAreaY:
            document.dragAreaY = number(kMaxKlotzValue, kDefaultDragAreaY);
            break;
        case kPerRow: {
            const int perRow = number(kMaxBlocksPerRow, tDragAufgabenListe::kDefaultBlocksPerRow);
            task.SetBlocksPerRow(perRow);
            if (perRow == 4) {
                task.SetBlockWidth(120);
            } else if (perRow == 5) {
                task.SetBlockWidth(100);
            } else if (perRow == 6) {
                task.SetBlockWidth(80);
            }
            break;
        }
        case kLeft:
            task.SetLeftEdge(number(kMaxKlotzValue, 80));
            break;
        case kRight:
            task.SetRightEdge(number(kMaxKlotzValue, room));
            break;
        case kWidth:
            task.SetBlockWidth(number(kMaxKlotzValue, room));
            break;
        default:
            break;
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
}

// [SECTION] SATZ

void SatzTag(TagContext& context) {
    PageDocument& document = context.document;
    AttributeReader& reader = context.reader;
    document.Slot(StyleSlot::Emphasis) = context.style.block;
    std::string parts;
    Coordinates place;
    reader.SetMode(AttributeReader::Mode::Tolerant);
    while (const int attribute = reader.OneOf({"TEILE", "COORDS"})) {
        const std::optional<std::string> value =
            attribute == 1 ? reader.QuotedValue() : reader.FlexibleValue();
        if (!value) {
            break;
        }
        if (attribute == 1) {
            parts = *value;
        } else {
            place = ParseCoordinates(*value, document.pageWidth, document.pageHeight);
        }
    }
    reader.SetMode(AttributeReader::Mode::Strict);
    const auto partCount = std::count(parts.begin(), parts.end(), '/') + 1;
    if (parts.empty() || place.x <= 0 || partCount > kMaxSentenceParts) {
        return;
    }
    const int x = std::min(place.x, kMaxSentenceCoordinate);
    const int y = ClampedCoordinate(place.y, -kMaxSentenceCoordinate, kMaxSentenceCoordinate);
    const int width = ClampedCoordinate(place.width, 0, kMaxSentenceCoordinate);
    const int height = ClampedCoordinate(place.height, 0, kMaxSentenceHeight);
    document.sentences.AddSentence(tSatzbauListe::Rect{x, y, x + width, y + height}, parts);
}

} // namespace qor
