#pragma once
// Finding and playing the recording of a word, sentence or meaning. Playback always uses the
// multimedia alias "welle".

#include "app/AppSettings.h"
#include "app/RecordingIndex.h"
#include "platform/MediaCommands.h"

#include <string>
#include <string_view>

namespace qor {

// The text with its first comment in square brackets removed ("[" before "]" with at least one
// character between); one double blank left behind becomes one blank; the result is trimmed.
std::string WithoutBracketComment(std::string_view text);

// The resolved file of the recording of `text`, or empty. A text of several meanings separated by
// ";" gives the recording of one of them, chosen at random.
std::string FindRecordingForText(std::string_view text, const RecordingIndex& index,
                                 const AppSettings& settings);
std::string FindRecordingForText(std::string_view text);

// Plays `file` quietly; true when it plays, and for an empty file name (nothing is sent then).
bool PlayRecordingFile(std::string_view file, MediaCommandSender& sender);
bool PlayRecordingFile(std::string_view file);

void PlayRecordingForText(std::string_view text, const RecordingIndex& index, const AppSettings& settings,
                          MediaCommandSender& sender);
void PlayRecordingForText(std::string_view text);

// Whether French texts without a recording are spoken ("Sprachausgabe für Wörter ohne Aufnahme",
// on unless switched off in the recording settings).
bool SpeechForUnrecorded();

// Speaks a French text quietly under the alias "welle"; false when it cannot (no voice, no device).
bool SpeakText(std::string_view text, MediaCommandSender& sender);

// What a listen link or speaker button of a French text plays: its recording's file, else (with
// speech on) a speech link target, else "".
std::string ListenTarget(std::string_view text, const RecordingIndex& index, const AppSettings& settings,
                         bool speechOn);
std::string ListenTarget(std::string_view text);
// Plays what ListenTarget gave; true when something plays (and for "").
bool PlayListenTarget(std::string_view target, MediaCommandSender& sender);
bool PlayListenTarget(std::string_view target);
// The recording of a French text, or its speech; true when something plays.
bool PlayOrSpeakText(std::string_view text);

// Plays the meaning around the caret (a character index into `text`) of a dictionary or editor
// field; errors of the open and play commands are shown. Falls back on the selection when the
// meaning itself has no recording, and with `speechOn` speaks the selection or the meaning.
void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength, const RecordingIndex& index,
                          const AppSettings& settings, MediaCommandSender& sender, bool speechOn = false);
void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength);

} // namespace qor
