#pragma once
// The sentence collection of the language lab (built-in block 1): lines "****<theme name>" open a
// theme, every other line begins a record of five lines — French sentence, alternative wording,
// hint, German translation, path of the slow recording.

#include "vocab/AcceptedAnswers.h"
#include "vocab/lab/TThema.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TZIPResource;

// Reads the block from where it stands to its end. An empty French line is stored as "FEHLER!";
// an empty or single-blank hint becomes the hint mask of the French sentence (drawn with `draw`).
// Records before the first theme line have no theme and are dropped; a record cut short by the end
// keeps what it has (the missing lines are empty); an empty line that is the very last one is
// the end of the text, not a record.
std::vector<TThema> ReadSentenceCollection(TZIPResource& block, const RandomDraw& draw = {});

// The same for a text given as it is (not compressed): the fuzz target and the tests.
std::vector<TThema> ReadSentenceCollectionText(std::string_view text, const RandomDraw& draw = {});

// The normal-speed recording beside a slow one: "…Lab__1a.wav" → "…Lab__1b.wav". Only an "a" five
// characters from the end of a path longer than four characters is changed.
std::string NormalSpeedPath(std::string_view slowPath);

} // namespace qor
