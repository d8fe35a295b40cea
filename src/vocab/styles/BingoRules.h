#pragma once
// The rules of the game "las vegas" that need no screen: energy and score, which pairs are right,
// the bottom text of a pair, the phrases after a click, colours and text fitting.

#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"
#include "vocab/TVocAufgabe.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

inline constexpr int kMaxEnergy = 100;
inline constexpr int kEnergyPerPairStep = 1; // twice a pair: after the fade-in and after the wait
inline constexpr int kEnergyForRight = 6;
inline constexpr int kEnergyForWrong = 12;
inline constexpr int kScoreChangeRight = 8;
inline constexpr int kScoreChangeWrong = -8;
inline constexpr int kPairsPerRound = 14;
inline constexpr int kPhraseCount = 7;

// The energy after a change, kept in 0..100.
int ChangedEnergy(int energy, int change);

// The colour of the energy bar: red at 0, green at 100.
Colour EnergyBarColour(int energy);

struct BingoPhrase {
    std::string_view top;
    std::string_view bottom;
};
enum class Verdict { Wrong, Right };
// Phrase `draw` (0..6, others wrap) for a wrong or a right click, Windows-1252.
BingoPhrase PhraseFor(Verdict verdict, int draw);

// Whether the next pair shows the right answer, from the count of wrong pairs shown in a row;
// updates the count. Never lets a fifth wrong pair follow four.
bool NextPairIsRight(int& wrongInARow);

// A wrong pair's choice 1..5; a blank choice gives way to a filled one, and 0 when all are blank.
int WrongChoice(const TVocAufgabe& task);

// The meanings of an entry a bottom text is drawn from: Bedeutung0 and the pieces of Bedeutung1
// (split at ";"), each without its remark in square brackets and trimmed; empty ones left out.
std::vector<std::string> BottomTextCandidates(const TVokabel& entry);

// Removes the first "[...]" remark and trims blanks around the rest.
std::string WithoutRemark(std::string_view text);

// A bottom text "#RRGGBB" as a colour; nullopt for any other text. Digits that cannot be read
// count as 0, as the hexadecimal reading always did.
std::optional<Colour> SwatchColour(std::string_view bottomText);

// Between `from` (level 0) and `to` (level 255).
Colour BlendColour(Colour from, Colour to, int level);

// The game and the picture show write their texts alike: from this size down until they leave this
// margin on either side.
inline constexpr int kStyleTextSize = 36;
inline constexpr int kStyleTextMargin = 20;

// The largest size, from `start` down in steps of 2 (not below 2), at which `text` leaves at least
// `margin` pixels on either side of `width`.
int FittingSize(const FontService& fonts, FontSpec font, std::string_view text, int start, int width,
                int margin);

// A duration of the game at speed `vegasFaktor` percent (20..200).
int ScaledDuration(int milliseconds, int vegasFaktor);

} // namespace qor
