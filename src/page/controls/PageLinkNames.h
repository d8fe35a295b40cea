#pragma once
// How the page reads the names of its link rectangles and the link targets it follows:
// 'target@hint', 'left°right' targets, 'text°sound.wav' hints, and the exercise command
// 'EX PICK=n FILE=name WEITER=target'. Plain functions on Windows-1252 text.

#include "page/controls/ControlEvents.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr char kDegree = '\xB0';  // '°' separates left and right targets, text and sound
inline constexpr char kSection = '\xA7'; // '§' starts a command

struct LinkName {
    std::string target; // before the first "@"
    std::string hint;   // after it
};

// Splits a rectangle's name at its first "@".
LinkName SplitLinkName(std::string_view name);

// The part of 'left°right' for `button`: left for the left button, right for the right one. A
// target without "°" is the left target and has no right one.
std::string ButtonTarget(std::string_view target, MouseButton button);
bool HasRightTarget(std::string_view target);

struct HintParts {
    std::string text;  // what the tooltip shows
    std::string sound; // after "°"; empty when the hint carries no sound
};
HintParts SplitHint(std::string_view hint);
// Whether a hint's sound part names a sound file (".wav" or ".ogg", any case).
bool IsWaveSound(std::string_view sound);

// Whether `OnAnkerChange` hears of a target: the empty target (the mouse left all links) and real
// targets, not tooltips ("@", "%"), check boxes ("+"), "-" and exercise commands ("ex", "EX").
bool ReportedAsAnchor(std::string_view target);

// The extension of a link target in lower case with its dot (".htx"), taken before any "@".
std::string LinkExtension(std::string_view target);

// What FollowLink does with a target, by its extension; a speech link (below) is Speech.
enum class LinkFileKind { Page, Sound, Speech, None };
LinkFileKind LinkFileKindOf(std::string_view target);

// A link that speaks a French text which has no recording: "sprich:" + the text. The characters a
// link target gives a meaning of its own ('"', '@', '°', '§' and ';') are left out of the text.
std::string SpeechLinkTarget(std::string_view text);
// The text of a speech link; empty for any other target.
std::string SpeechLinkText(std::string_view target);

// What a click on a speech link does: the program plays the text's recording when there is one and
// speaks it otherwise. Without a player the page speaks it itself.
using SpeechLinkPlayer = std::function<void(std::string_view text)>;
void SetSpeechLinkPlayer(SpeechLinkPlayer player);
const SpeechLinkPlayer& CurrentSpeechLinkPlayer();

// '§[cmd]rest' → cmd and rest; false for any other text.
bool SplitBracketCommand(std::string_view command, std::string& cmd, std::string& rest);

// 'EX PICK=n FILE=name WEITER=target' as the page reads it. Missing parts leave their defaults
// and the messages the learner is shown, in order ("EX nicht gefunden", "FILE= nicht gefunden").
struct ExerciseCommand {
    int count = -1; // -1: the file's own number
    std::string file;
    std::string continuation = "#weiter";
    std::vector<std::string> messages;
};
ExerciseCommand ReadExerciseCommand(std::string_view text);

} // namespace qor
