#pragma once
// One question of a running query: a copy of the entry asked, the six answers a multiple-choice
// question offers (the entry itself first, then five wrong ones) and how often it went wrong.
// Copies, so that editing or reloading the library does not disturb a running query.

#include "vocab/TVokabel.h"

#include <array>
#include <string>

namespace qor {

struct TVocAufgabe {
    static constexpr int kChoiceCount = 6;
    // The counter of a question answered right.
    static constexpr int kSolved = -1;

    TVokabel Frage;
    std::array<TVokabel, kChoiceCount> Wahl; // Wahl[0] is the question itself
    // Wrong answers so far; in random mode also the round in which it is asked next.
    int Fehler = 0;

    bool IsBlank() const { return Frage.IsBlank(); }
};

// Where a running query stands. Cleared by a new start, untouched by library edits.
struct VocQueryState {
    static constexpr int kSlotCount = 200;
    static constexpr int kRecordedRounds = 20;

    std::array<TVocAufgabe, kSlotCount> tasks;
    int current = 0;

    // Forward and backward mode walk the library.
    int cursor = 0;
    int step = 1;
    int end = 0;

    int questionCount = 0;
    int tries = 0; // how often the learner went on to a next question
    int answersTotal = 0;
    int answersRound = 0;
    int rightRound = 0;
    int rightTotal = 0;

    int round = 0;
    std::array<int, kRecordedRounds> roundQuestions{};
    // The current round's question count, also for rounds beyond the recorded ones.
    int currentRoundQuestions = 0;

    std::string lastAnswer;
    // The gap sentence of the current question with the gap underlined; empty otherwise.
    std::string contextDisplay;
};

} // namespace qor
