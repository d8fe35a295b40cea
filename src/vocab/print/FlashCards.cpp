#include "vocab/print/FlashCards.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/PrintSurface.h"
#include "platform/WinPath.h"
#include "vocab/TBibliothek.h"
#include "vocab/print/PrintJobs.h"
#include "vocab/print/WordWrap.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace qor {

using namespace flash_cards;

namespace {

constexpr int kTextWidth = 540;

struct SheetRange {
    int first = 0; // from 0
    int last = 0;
};

SheetRange Sheets(const TBibliothek& library, const FlashCardChoice& choice) {
    const int count = FlashCardSheetCount(library.Count());
    if (choice.allSheets)
        return {0, count - 1};
    const int first = std::clamp(choice.firstSheet, 1, count) - 1;
    return {first, std::clamp(choice.lastSheet, first + 1, count) - 1};
}

void PrintGrid(PrintSurface& surface, int x0) {
    for (int i = 0; i <= kRows; ++i) {
        const int y = kGridTop - kCardHeight * i;
        surface.Line(x0, y, x0 + kGridWidth, y, LineStyle::Dashed);
    }
    for (int i = 0; i <= kColumns; ++i) {
        const int x = x0 + kCardWidth * i;
        surface.Line(x, kGridTop, x, kGridTop - kRows * kCardHeight, LineStyle::Dashed);
    }
}

std::string Meanings(const TVokabel& entry) {
    return entry.Bedeutung1.empty() ? entry.Bedeutung0 : entry.Bedeutung0 + "; " + entry.Bedeutung1;
}

// Lines of `text` wrapped with the current font, one `step` below the other from `y`.
void PrintLines(PrintSurface& surface, std::string_view text, int x, int y, int step, int maxLines) {
    const std::vector<std::string> lines = WordWrap(text, kTextWidth, surface, maxLines);
    for (const std::string& line : lines) {
        surface.DrawText(x, y, line);
        y -= step;
    }
}

void PrintCentred(PrintSurface& surface, int x, int y, std::string_view text) {
    surface.DrawText(x + 150 + (kCardWidth - surface.TextWidth(text) - 180) / 2, y, text);
}

void PrintFront(PrintSurface& surface, const TVokabel& entry, const std::string& thema, int x, int top) {
    static const std::array<const char*, 6> wortarten = {"Nomen",    "Verb",      "Adjektiv",
                                                         "kl. Wort", "Rw. m. V.", "Rw. o. V."};
    surface.SetFont("Arial", 160, true, false);
    surface.DrawText(x + 30, top - 30, entry.Deutsch ? "D" : "F");
    surface.Line(x + 150, top - 80, x + 570, top - 80, LineStyle::Solid);
    surface.SetFont("Arial", 30, false, true);
    PrintCentred(surface, x, top - 40, "*qor französisch"_cp);
    if (entry.Wortart >= 0 && entry.Wortart < 6)
        surface.DrawText(x + 30, top - 320, wortarten[static_cast<std::size_t>(entry.Wortart)]);
    surface.SetFont("Arial", 36, false, false);
    PrintCentred(surface, x, top - 90, thema);
    surface.SetFont("Arial", 48, true, false);
    PrintLines(surface, entry.Vokabel, x + 30, top - 200, 50, 2);
}

void PrintBack(PrintSurface& surface, const TVokabel& entry, int x, int top) {
    surface.SetFont("Arial", 40, true, false);
    PrintLines(surface, entry.Vokabel, x + 30, top - 30, 40, 2);
    surface.SetFont("Arial", 40, false, false);
    PrintLines(surface, Meanings(entry), x + 30, top - 130, 40, 3);
    if (!entry.Kontext0.empty()) {
        surface.SetFont("Arial", 32, false, true);
        PrintLines(surface, entry.Kontext0, x + 30, top - 270, 32, 3);
    }
}

enum class Side { Front, Back };

void PrintSheets(const TBibliothek& library, const FlashCardChoice& choice, PrintSurface& surface,
                 Side side) {
    const SheetRange range = Sheets(library, choice);
    int x0 = (surface.PageWidth() - kGridWidth) / 2;
    if (side == Side::Back)
        x0 += std::clamp(choice.offset, kMinOffset, kMaxOffset);
    surface.SetTextColour(kPrintBlack);
    for (int sheet = range.first; sheet <= range.last; ++sheet) {
        PrintGrid(surface, x0);
        const int end = std::min(kPerSheet * sheet + kPerSheet, library.Count());
        for (int k = kPerSheet * sheet; k < end; ++k) {
            const int onSheet = k % kPerSheet;
            const int top = -kCardHeight * (onSheet / kColumns) + kGridTop;
            const int column = side == Side::Front ? onSheet % kColumns : kColumns - 1 - onSheet % kColumns;
            const int x = x0 + kCardWidth * column;
            if (side == Side::Front)
                PrintFront(surface, library.Entry(k), choice.thema, x, top);
            else
                PrintBack(surface, library.Entry(k), x, top);
        }
        if (sheet < range.last)
            surface.NewPage();
    }
}

// Clears the library's printing flag however the printout ends.
class PrintingFlag {
public:
    explicit PrintingFlag(TBibliothek& library) : m_library(library) { m_library.SetPrinting(true); }
    ~PrintingFlag() { m_library.SetPrinting(false); }
    PrintingFlag(const PrintingFlag&) = delete;
    PrintingFlag& operator=(const PrintingFlag&) = delete;

private:
    TBibliothek& m_library;
};

bool Confirmed(std::string_view text, std::string_view title) {
    return CurrentMessagePresenter().Show(text, title, kMbOkCancel) == kIdOk;
}

} // namespace

int FlashCardSheetCount(int entryCount) {
    return entryCount <= 0 ? 0 : (entryCount - 1) / kPerSheet + 1;
}

std::string FlashCardThema(std::string_view fileName) {
    std::string name = FileNamePart(fileName);
    name.resize(name.size() - ExtensionPart(name).size());
    return name.empty() ? "Ohne Namen" : name;
}

std::string FlashCardOffsetCaption(int offset) {
    const int size = std::abs(offset);
    return (offset < 0 ? "-" : "") + std::to_string(size / 10) + "," + std::to_string(size % 10) + " mm";
}

void PrintFlashCardFronts(const TBibliothek& library, const FlashCardChoice& choice, PrintSurface& surface) {
    if (library.Count() > 0)
        PrintSheets(library, choice, surface, Side::Front);
}

void PrintFlashCardBacks(const TBibliothek& library, const FlashCardChoice& choice, PrintSurface& surface) {
    if (library.Count() > 0)
        PrintSheets(library, choice, surface, Side::Back);
}

void PrintFlashCards(TBibliothek& library, FlashCardDialog& dialog, PrintJobs& jobs) {
    if (library.Printing()) {
        ShowAppMessage("Zur Zeit wird schon gedruckt!", kMbIconExclamation | kMbOk);
        return;
    }
    if (library.Count() == 0) {
        ShowAppMessage("Welche Vokabeln soll ich drucken?!", kMbIconExclamation | kMbOk);
        return;
    }
    const int sheets = FlashCardSheetCount(library.Count());
    FlashCardChoice choice;
    choice.thema = FlashCardThema(library.FileName());
    choice.lastSheet = sheets;
    if (!dialog.Ask(choice, sheets))
        return;
    PrintingFlag printing(library);
    if (!Confirmed("Bitte Blätter für die Karteikarten einlegen!"_cp, "Vorderseiten drucken"))
        return;
    const std::string title = library.DisplayName();
    PrintSurface* fronts = jobs.BeginJob(title);
    if (!fronts)
        return;
    PrintFlashCardFronts(library, choice, *fronts);
    jobs.EndJob();
    if (!Confirmed(
            "Bitte die gleichen Blätter umgedreht einlegen!\n(Erst wenn alle Vorderseiten bedruckt sind)"_cp,
            "Rückseiten drucken"_cp))
        return;
    PrintSurface* backs = jobs.BeginJob(title);
    if (!backs)
        return;
    PrintFlashCardBacks(library, choice, *backs);
    jobs.EndJob();
}

} // namespace qor
