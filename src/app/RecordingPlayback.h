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

// Plays the meaning around the caret (a character index into `text`) of a dictionary or editor
// field; errors of the open and play commands are shown. Falls back on the selection when the
// meaning itself has no recording.
void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength, const RecordingIndex& index,
                          const AppSettings& settings, MediaCommandSender& sender);
void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength);

} // namespace qor
