#pragma once
// Flash cards, 21 to a sheet (3 columns, 7 rows): the fronts with the headword, the backs with
// the meanings and the first context, mirrored so that each back lies behind its front when the
// printed sheets are turned over sideways and fed in again.

#include <string>
#include <string_view>

namespace qor {

class PrintJobs;
class PrintSurface;
class TBibliothek;

namespace flash_cards {
inline constexpr int kPerSheet = 21;
inline constexpr int kColumns = 3;
inline constexpr int kRows = 7;
inline constexpr int kCardWidth = 600;
inline constexpr int kCardHeight = 400;
inline constexpr int kGridWidth = kColumns * kCardWidth;
inline constexpr int kGridTop = -20;
inline constexpr int kMinOffset = -40;
inline constexpr int kMaxOffset = 40;
} // namespace flash_cards

// What the dialog "Karteikarten drucken" decides.
struct FlashCardChoice {
    std::string thema; // printed on every front
    bool allSheets = true;
    int firstSheet = 1; // counted from 1, used unless allSheets
    int lastSheet = 1;
    int offset = 0; // of the backs, in 0.1 mm to the right
};

class FlashCardDialog {
public:
    virtual ~FlashCardDialog() = default;
    // Shows `choice` and lets the learner change it; false for "Abbrechen".
    virtual bool Ask(FlashCardChoice& choice, int sheetCount) = 0;
};

int FlashCardSheetCount(int entryCount);
// The library's file name without folder and extension; "Ohne Namen" for an unnamed library.
std::string FlashCardThema(std::string_view fileName);
// The back-side offset as the dialog shows it: −15 → "-1,5 mm".
std::string FlashCardOffsetCaption(int offset);

// The sheets of `choice` (all, or the range clamped to the library's sheets), each but the last
// followed by a new page.
void PrintFlashCardFronts(const TBibliothek& library, const FlashCardChoice& choice, PrintSurface& surface);
void PrintFlashCardBacks(const TBibliothek& library, const FlashCardChoice& choice, PrintSurface& surface);

// "Karteikarten drucken...": the dialog, the fronts as one job and, once the learner has turned
// the sheets over, the backs as another. Refused while a printout of flash cards runs.
void PrintFlashCards(TBibliothek& library, FlashCardDialog& dialog, PrintJobs& jobs);

} // namespace qor
